#pragma once

#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QUrl>

#include <functional>

class QLabel;
class QTimer;
class HyperLink;

// One window with two uses. Loading (Form_style non-zero): shown without
// waiting over the colouring window while the library loads, with a progress
// line. About (Form_style 0): shown modally for the grown-up, with links to the
// help pages and the web site. While it is loaded the colouring window's timer
// is paused, so the palette does not animate behind it. A fresh window is made
// for every use.
class frmSplash : public QDialog {
    Q_OBJECT

public:
    // The product's web site, a build setting (VELMORA_WEBSITE).
    static constexpr const char *kWebSite = VELMORA_WEBSITE;

    // `mainTimer` (may be null) is paused now and put back as it was when the
    // window is unloaded.
    explicit frmSplash(QTimer *mainTimer, const QString &programFolder, QWidget *parent = nullptr);
    ~frmSplash() override;

    int Form_style() const { return m_formStyle; }
    // Shows the controls of the chosen mode: 1 (any non-zero) loading, 0 about.
    void setForm_style(int style);
    void setProgressText(const QString &text);
    // How pages are opened; OpenPage unless a test puts in its own.
    void setPageOpener(std::function<bool(const QUrl &)> opener);

    // Done with: closes the window and resumes the timer.
    void done(int result) override;

    QLabel *lTitle;
    QLabel *lProgress;
    QLabel *lLicense;
    HyperLink *HyperLink1;
    HyperLink *Command1; // Close
    HyperLink *Command2; // Help
    HyperLink *Command3; // Visit Website

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool Loading() const { return m_formStyle != 0; }
    void PlaceControls();
    void RestoreTimer();
    bool Open(const QString &target) const;
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void HyperLink1_Click();

    QString m_programFolder;
    QImage m_background; // drawn for the sharpest screen
    QPointer<QTimer> m_mainTimer; // the colouring window may go first
    bool m_timerWasActive = false;
    bool m_timerRestored = false;
    int m_formStyle = 0;
    std::function<bool(const QUrl &)> m_opener;
};
