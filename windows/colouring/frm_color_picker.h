#pragma once

#include <QDialog>
#include <QTimer>

#include <optional>

#include "sound/sound_families.h"

class BlobBox;
class SoundEffects;
class pButton;

// The colour picker: a small modal window of 18 bubbles in lighter and darker
// shades of the colour it is given. Pressing one and letting go chooses that
// shade and closes the window. A fresh window is made for every opening; the
// caller reads ColorSelected() and OKclicked() afterwards.
class frmColorPicker : public QDialog {
    Q_OBJECT

public:
    // `sounds` may be null: the window is then silent.
    explicit frmColorPicker(SoundEffects *sounds, QWidget *parent = nullptr, RandomSource random = UniformRandom);

    // Set before showing (the current colour); after closing, the shade chosen.
    qint32 ColorSelected() const { return m_colorSelected; }
    void SetColorSelected(qint32 colour) { m_colorSelected = colour & 0xFFFFFF; }
    // "Ok" once a shade was chosen, otherwise empty.
    QString OKclicked() const { return m_okClicked; }

    // For tests and callers that drive the window.
    BlobBox *Box() const { return m_box; }
    pButton *CloseButton() const { return m_close; }
    QTimer &Timer() { return m_timer; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Opening();
    void PressBox(QPointF at);
    void ReleaseBox();

    SoundEffects *m_sounds;
    BlobBox *m_box;
    pButton *m_close;
    QTimer m_timer;
    qint32 m_colorSelected = 0;
    QString m_okClicked;
    bool m_picked = false;     // a shade was pressed; its release closes the window
    bool m_recoloured = false; // once per opening
};

// The palette's picker bubble: shows the picker for `current` with the window's
// timer stopped, and starts the timer again afterwards exactly if it was
// running. The shade chosen, or nothing when the picker was closed without one.
std::optional<qint32> AskColourPicker(SoundEffects *sounds, qint32 current, QTimer &windowTimer,
                                      QWidget *parent = nullptr);
