#include "windows/parental/frm_parent_message.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "controls/window_edge.h"
#include "windows/parental/message_links.h"

namespace {

constexpr int kWidth = 460;
const QColor kBackground(0xFF, 0xFC, 0xF2);

} // namespace

frmParentMessage::frmParentMessage(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_message(new QLabel(this)),
      m_continue(MakeMessageLink(QStringLiteral("Continue"), this, kBackground)),
      m_cancel(MakeMessageLink(QStringLiteral("Cancel"), this, kBackground))
{
    setWindowTitle(QStringLiteral("Message"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kBackground);
    setPalette(colours);

    m_message->setText(QStringLiteral("[Parental message]"));
    m_message->setFont(ParentFont(10));
    m_message->setWordWrap(true);
    m_message->setTextFormat(Qt::PlainText);

    auto *links = new QHBoxLayout;
    links->addStretch();
    links->addWidget(m_cancel);
    links->addSpacing(12);
    links->addWidget(m_continue);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(22, 20, 22, 14);
    layout->setSpacing(14);
    layout->addWidget(m_message);
    layout->addLayout(links);

    connect(m_continue, &HyperLink::Click, this, [this] { Choose(true); });
    connect(m_cancel, &HyperLink::Click, this, [this] { Choose(false); });
    FitToMessage();
}

void frmParentMessage::SetMessage(const QString &message)
{
    QString shown = message;
    m_message->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    FitToMessage();
}

void frmParentMessage::SetCancelVisible(bool visible)
{
    m_cancelShown = visible;
    m_cancel->setVisible(visible);
}

void frmParentMessage::Choose(bool continued)
{
    m_continued = continued;
    if (continued)
        accept();
    else
        reject();
}

void frmParentMessage::FitToMessage()
{
    setFixedWidth(kWidth);
    setFixedHeight(layout()->totalHeightForWidth(kWidth));
}

void frmParentMessage::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    DrawWindowEdge(painter, *this);
}

void frmParentMessage::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Choose(true);
        return;
    case Qt::Key_Escape:
        // Without a Cancel link the only way on is Continue.
        Choose(!m_cancelShown);
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool ShowParentMessage(QWidget *parent, const QString &message, bool cancelVisible)
{
    frmParentMessage window(parent);
    window.SetCancelVisible(cancelVisible);
    window.SetMessage(message);
    window.exec();
    return window.Cancelled();
}
