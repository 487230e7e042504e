#pragma once

#include <QDialog>

class QLabel;
class HyperLink;

// The plain notice or question for a grown-up: one message, Continue, and
// (when asked for) Cancel. A fresh window is made for every use.
class frmParentMessage : public QDialog {
    Q_OBJECT

public:
    explicit frmParentMessage(QWidget *parent = nullptr);

    void SetMessage(const QString &message);
    void SetCancelVisible(bool visible);
    // With Cancel shown, every way out but Continue is Cancel: the link, Escape,
    // and a close from outside (the window manager's close button, Alt+F4).
    bool Cancelled() const { return m_cancelShown && !m_continued; }

    HyperLink *ContinueLink() const { return m_continue; }
    HyperLink *CancelLink() const { return m_cancel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Choose(bool continued);
    void FitToMessage();

    QLabel *m_message;
    HyperLink *m_continue;
    HyperLink *m_cancel;
    bool m_cancelShown = true;
    bool m_continued = false;
};

// Shows a fresh message window modally; returns true when the grown-up chose Cancel.
bool ShowParentMessage(QWidget *parent, const QString &message, bool cancelVisible = false);
