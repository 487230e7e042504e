#pragma once

#include <QDialog>

#include "parental/settings_file.h"

class QLabel;
class QLineEdit;
class SoundEffects;
class pButton;


// The child-facing gate in front of the grown-ups' functions: a friendly
// message for the child, a folded-away message for the grown-up, OK and Cancel
// and, when asked for, a password that must match before OK is taken. A fresh
// window is made for every use; the caller reads ButtonPressed() afterwards.
class frmMessage : public QDialog {
    Q_OBJECT

public:
    // Heights of the three states, in twips.
    static constexpr int kFoldedTwips = 2400;
    static constexpr int kUnfoldedTwips = 3705;
    static constexpr int kPasswordTwips = 4170;

    // `sounds` may be null: the window is then silent.
    frmMessage(SoundEffects *sounds, ParentalPassword parental, QWidget *parent = nullptr);

    void SetMessage(const QString &message);
    void SetExtendedInformation(const QString &information);
    void SetShowCancel(bool show);
    void SetPasswordVisible(bool required);
    bool PasswordVisible() const { return m_passwordRequired; }

    // "Ok" after a successful OK, otherwise "Cancel".
    QString ButtonPressed() const { return m_buttonPressed; }
    QString Password_result() const { return m_passwordResult; }

    // For tests and callers that drive the window.
    pButton *OkButton() const { return m_ok; }
    pButton *CancelButton() const { return m_cancel; }
    pButton *UnfoldButton() const { return m_unfold; }
    QLineEdit *PasswordBox() const { return m_password; }
    QString ParentText() const;
    QString ChildText() const;

public Q_SLOTS:
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPoint CentredOver(QSize size) const; // where a window of `size` stands centred
    void SetHeightTwips(int twips);
    void ToggleUnfold();
    void PressOk();
    void PressCancel();
    void PlaceButtons();

    SoundEffects *m_sounds;
    ParentalPassword m_parental;
    QLabel *m_childText;
    QLabel *m_parentText;
    QLabel *m_passwordCaption;
    QLineEdit *m_password;
    pButton *m_unfold;
    pButton *m_ok;
    pButton *m_cancel;
    bool m_passwordRequired = false;
    int m_heightTwips = kFoldedTwips;
    QString m_buttonPressed = QStringLiteral("Cancel");
    QString m_passwordResult;
};

// The gate with OK and Cancel, shown modally; true when the grown-up pressed OK.
bool AskGrownUp(SoundEffects *sounds, const ParentalPassword &parental, QWidget *parent, const QString &childText,
                const QString &parentText, bool passwordRequired);

// A notice with OK alone and no password, shown modally.
void ShowNotice(SoundEffects *sounds, const ParentalPassword &parental, QWidget *parent, const QString &childText,
                const QString &parentText);
