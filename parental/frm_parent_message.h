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
    // True once Cancel was chosen.
    bool Cancelled() const { return m_cancelled; }

    HyperLink *ContinueLink() const { return m_continue; }
    HyperLink *CancelLink() const { return m_cancel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Choose(bool cancelled);
    void FitToMessage();

    QLabel *m_message;
    HyperLink *m_continue;
    HyperLink *m_cancel;
    bool m_cancelled = false;
};

// Shows a fresh message window modally; returns true when the grown-up chose Cancel.
bool ShowParentMessage(QWidget *parent, const QString &message, bool cancelVisible = false);
