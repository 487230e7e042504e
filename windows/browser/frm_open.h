#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <array>
#include <functional>

#include "library/picture_sheet.h"
#include "library/sheet_scroll.h"
#include "windows/parental/frm_message.h"

class SheetView;
class SoundEffects;
class pButton;

// What the picture browser is lent by the colouring window.
struct BrowserServices {
    QString programFolder;
    SoundEffects *sounds = nullptr;           // may be null: silent
    // The colouring window's settings, read when a grown-up is asked (never
    // copied: they change when the grown-up saves new ones). Null: no password.
    const MainWindowSettings *settings = nullptr;
    QTimer *colouringTimer = nullptr;         // paused while the library loads
    QWidget *colouringWindow = nullptr;       // enabled again on every way out
    std::function<void()> managePictures;     // the book management window, shown modally
};

// The picture browser: every book's thumbnails on one tall sheet that scrolls
// in a frame. The child picks a picture (SelectedPicture), starts a new blank
// own picture, or asks a grown-up for more pictures. After a choice the window
// is only hidden, so the next opening shows the same sheet at once; a new own
// picture and the request for more pictures unload it (Unloaded() turns true),
// so that the next opening loads the library again.
class frmOpen : public QDialog {
    Q_OBJECT

public:
    explicit frmOpen(BrowserServices services, QWidget *parent = nullptr);
    ~frmOpen() override;

    // Loads the books behind the splash window. False after a load failure
    // has been shown: the program is then to end.
    bool Form_Load();

    QString SelectedPicture;
    int SelectedIndex = -1;

    bool Unloaded() const { return m_unloaded; }
    const QVector<PictureCell> &PictureCells() const;
    // The picture chosen last time gets the thumbnail of its coloured version.
    void RefreshSelectedThumbnail();

    // Controls, for tests.
    QWidget *pM = nullptr;
    QWidget *PB = nullptr;
    SheetView *Pmb = nullptr;
    std::array<pButton *, 2> cScroll{};
    pButton *sBall = nullptr;
    pButton *cClose = nullptr;
    pButton *cPicadd = nullptr;
    pButton *pMorePics = nullptr;

    int SheetTop() const { return m_scroll.Top(); }
    bool Gliding() const { return m_glideTimer.isActive(); }

    void cScroll_Click(int k);
    void cClose_Click();
    void cPicadd_Click();
    void pMorePics_Click();

Q_SIGNALS:
    // Every position the sheet passes through while it scrolls.
    void SheetMoved(int top);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void reject() override;

private:
    void CreateControls();
    void DressButtons();
    void LayOut();
    void PlaceScrollColumn();
    void PlaceBottomButtons();
    void ShowLoadFailure();
    void Choose(int index);
    void Unload();
    void EnableColouringWindow();
    void MoveSheetTo(int top);
    void PlaceBall();
    void ShowWhatCanScroll();
    void GlideTick();
    void ScrollBy(int dy);
    void BallPressed(QPointF at);
    void BallMoved(Qt::MouseButtons buttons, QPointF at);
    ScrollColumn Column() const;
    const MainWindowSettings &CurrentSettings() const;

    BrowserServices m_services;
    SheetScroll m_scroll;
    ScrollGlide m_glide;
    QElapsedTimer m_glideClock;
    QTimer m_glideTimer;
    int DragAnchorY = 0;
    bool m_unloaded = false;
};
