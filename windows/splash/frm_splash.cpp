// The splash and about window: its look, its two modes and the timer pause.
#include "windows/splash/frm_splash.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include "controls/hand_cursor.h"
#include "controls/hyperlink.h"
#include "controls/program_fonts.h"
#include "controls/window_edge.h"
#include "image/ratio_picture.h"
#include "windows/parental/message_links.h"

namespace {

constexpr QSize kWindowSize(520, 340);
const QColor kChildInk(0x5A, 0x2D, 0x82);

QLabel *MakeLabel(const QString &text, const QFont &font, const QColor &ink, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(ink.name()));
    return label;
}

} // namespace

frmSplash::frmSplash(QTimer *mainTimer, const QString &programFolder, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      lTitle(MakeLabel(QStringLiteral("Version %1.%2").arg(VELMORA_VERSION_MAJOR).arg(VELMORA_VERSION_MINOR),
                       ChildFont(12, true), kChildInk, this)),
      lProgress(MakeLabel(QStringLiteral("Please wait while Velmora loads..."), ChildFont(14, true), kChildInk, this)),
      lLicense(MakeLabel(QStringLiteral("Velmora is free to use and share under the terms of its license agreement."),
                         ParentFont(8), QColor(0x33, 0x33, 0x33), this)),
      HyperLink1(MakeMessageLink(QStringLiteral("Velmora license agreement"), this)),
      Command1(MakeMessageLink(QStringLiteral("Close"), this)),
      Command2(MakeMessageLink(QStringLiteral("Help"), this)),
      Command3(MakeMessageLink(QStringLiteral("Visit Website"), this)), m_programFolder(programFolder),
      m_background(ReadPictureForScreens(QStringLiteral(":/backgrounds/splash.png"))), m_mainTimer(mainTimer),
      m_opener([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setWindowTitle(QStringLiteral("Velmora"));
    setFixedSize(kWindowSize);
    PlaceControls();
    setForm_style(0);

    connect(Command1, &HyperLink::Click, this, &frmSplash::Command1_Click);
    connect(Command2, &HyperLink::Click, this, &frmSplash::Command2_Click);
    connect(Command3, &HyperLink::Click, this, &frmSplash::Command3_Click);
    connect(HyperLink1, &HyperLink::Click, this, &frmSplash::HyperLink1_Click);

    if (m_mainTimer) {
        m_timerWasActive = m_mainTimer->isActive();
        m_mainTimer->stop();
    }
}

frmSplash::~frmSplash()
{
    RestoreTimer();
}

void frmSplash::PlaceControls()
{
    // Everything but the name sits inside the rainbow's arch, over the pale sky.
    const int width = kWindowSize.width();
    lTitle->setGeometry(0, 168, width, 24);
    // A long book title takes a second line rather than being cut off.
    lProgress->setGeometry(70, 198, width - 140, 58);
    lProgress->setWordWrap(true);
    lLicense->setGeometry(0, 262, width, 18);

    const int linksTop = 212;
    HyperLink *commands[] = {Command1, Command2, Command3};
    int linksWidth = 0;
    for (HyperLink *link : commands)
        linksWidth += link->width();
    constexpr int kGap = 18;
    int left = (width - linksWidth - 2 * kGap) / 2;
    for (HyperLink *link : commands) {
        link->move(left, linksTop);
        left += link->width() + kGap;
    }
    HyperLink1->move((width - HyperLink1->width()) / 2, 284);
}

void frmSplash::setForm_style(int style)
{
    m_formStyle = style;
    const bool loading = Loading();
    lProgress->setVisible(loading);
    for (HyperLink *command : {Command1, Command2, Command3})
        command->setVisible(!loading);

    // While loading, the licence link is only text: it neither answers the
    // pointer nor takes the focus.
    HyperLink1->setToolTip(loading ? QString()
                                   : QStringLiteral("Open Velmora help file to view the license agreement in more "
                                                    "detail."));
    HyperLink1->setCursor(loading ? QCursor(Qt::ArrowCursor) : HandCursor());
    HyperLink1->SetUseHoverForeColor(!loading);
    HyperLink1->SetUnderlineOnHover(!loading);
    HyperLink1->setFocusPolicy(loading ? Qt::NoFocus : Qt::StrongFocus);

    // The colouring window covers the whole screen, so the splash keeps above
    // it; the about window is modal over it anyway, and its messages must be
    // free to come above it.
    const Qt::WindowFlags flags = loading ? windowFlags() | Qt::WindowStaysOnTopHint
                                          : windowFlags() & ~Qt::WindowStaysOnTopHint;
    if (flags != windowFlags()) {
        const bool shown = isVisible();
        setWindowFlags(flags); // hides the window
        if (shown)
            show();
    }
}

void frmSplash::setProgressText(const QString &text)
{
    lProgress->setText(text);
}

void frmSplash::setPageOpener(std::function<bool(const QUrl &)> opener)
{
    m_opener = std::move(opener);
}

void frmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        move(screen->geometry().center() - rect().center());
}

void frmSplash::keyPressEvent(QKeyEvent *event)
{
    // Only the loader ends the splash; Escape ends the about window as Close does.
    if (Loading() && event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

void frmSplash::done(int result)
{
    RestoreTimer();
    QDialog::done(result);
}

void frmSplash::RestoreTimer()
{
    if (m_timerRestored)
        return;
    m_timerRestored = true;
    if (m_mainTimer && m_timerWasActive)
        m_mainTimer->start();
}

void frmSplash::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_background);

    // The program's name in the sky above the rainbow, edged in white so it
    // stands out against the blue.
    QFont nameFont = ChildFont(40, true);
    QPainterPath name;
    const QFontMetrics metrics(nameFont);
    const QString text = QStringLiteral("Velmora");
    name.addText((width() - metrics.horizontalAdvance(text)) / 2.0, 62 + metrics.ascent() / 2.0, nameFont, text);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(name, QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(name, kChildInk);

    DrawWindowEdge(painter, *this);
}
