#pragma once

#include <QDialog>

#include <functional>

#include "parental/settings_file.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class HyperLink;

// Where the grown-up sets sound, quitting, auto-hide, the parental password
// and the bubble speed, and from where the library's management opens. It reads
// the settings file when made and writes it on Continue.
class frmParentalOptions : public QDialog {
    Q_OBJECT

public:
    explicit frmParentalOptions(const QString &programFolder, QWidget *parent = nullptr);

    // When the settings file could not be read, first explains that, then shows the window.
    int exec() override;

    // True once Continue wrote the file.
    bool Saved() const { return m_saved; }
    // True when the window was opened because the settings could not be read:
    // Cancel then asks for the program to end.
    bool CancelQuits() const { return m_cancelQuits; }
    bool QuitRequested() const { return m_quitRequested; }

    // The windows the two management links open, when they exist.
    std::function<void()> openColoredPictures;
    std::function<void()> openManagePictures;

    // The controls, for tests.
    QCheckBox *PlaySounds() const { return m_playSounds; }
    QCheckBox *QuitWithoutPermission() const { return m_quitWithoutPermission; }
    QCheckBox *AutoHide() const { return m_autoHide; }
    QCheckBox *UseParentalPassword() const { return m_usePassword; }
    QLineEdit *PasswordBox() const { return m_password; }
    QLineEdit *HintBox() const { return m_hint; }
    QRadioButton *SpeedButton(int index) const { return m_speed[index]; }
    HyperLink *Link(int index) const { return m_links[index]; }

public Q_SLOTS:
    void reject() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void BuildControls();
    void Load();
    void ShowValues(const OptionsValues &values);
    OptionsValues ValuesShown() const;
    void Check3_Click();
    void cFunc_Click(int index);
    void Continue();

    QString m_programFolder;
    QImage m_background; // drawn for the sharpest screen
    QCheckBox *m_playSounds = nullptr;
    QCheckBox *m_quitWithoutPermission = nullptr;
    QCheckBox *m_autoHide = nullptr;
    QCheckBox *m_usePassword = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_hintLabel = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_hint = nullptr;
    QRadioButton *m_speed[3] = {};
    HyperLink *m_links[4] = {};
    bool m_saved = false;
    bool m_cancelQuits = false;
    bool m_quitRequested = false;
    int m_savedAutoHide = 0;
};
