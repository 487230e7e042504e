// The colouring window's controls and painting.
#include "windows/main/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPrinter>

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/palette_box.h"
#include "sound/sound_effects.h"
#include "controls/picture_button.h"
#include "windows/browser/frm_open.h"

FrmMain::FrmMain(MainWindowServices services, QWidget *parent)
    : QWidget(parent), m_services(std::move(services)), m_document(m_services.programFolder)
{
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.png")));
    // Until a file says otherwise: quitting asks, bubbles at medium speed.
    Settings.QuitNeedsPermission = true;
    Settings.BubbleSpeed = kSpeedMedium;
    Timer1.setInterval(16); // about 64 ticks a second, as the palette's speeds assume
    CreateControls();
    ConnectFunctionButtons();
    ConnectColouring();
    ConnectBackgroundSaves();
}

FrmMain::~FrmMain()
{
    if (Loaded)
        ReleaseRun();
}

bool FrmMain::Play_Sound() const
{
    return m_services.sounds && m_services.sounds->Play_Sound();
}

namespace {

// A plain area of the window filled with one colour.
QWidget *MakePanel(QWidget *parent, const char *name, const QColor &colour)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    QPalette fill = panel->palette();
    fill.setColor(QPalette::Window, colour);
    panel->setPalette(fill);
    return panel;
}

} // namespace

void FrmMain::CreateControls()
{
    PB = new ColourFrameView(this);
    P = new CanvasView(m_document, PB);
    P->hide(); // until a picture is open
    PB->SetCanvas(P);
    pT = MakePanel(this, "pT", Qt::white);
    Pc = new PaletteBox(m_services.sounds, this);

    for (pButton *&button : c)
        button = new pButton(pT);
    for (pButton *&button : pTool)
        button = new pButton(pT);
    for (pButton *&button : pFunc)
        button = new pButton(this); // above the colour frame, in the top-left corner
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (m_unloaded || !Loaded) {
        ReleaseRun();
        event->accept();
        return;
    }
    // Anything else is a request from outside (the window manager's or the
    // compositor's close, a taskbar, Alt+F4 where it still arrives): the run
    // ends only if a grown-up says so at the quit button's gate. While another
    // window is showing (the browser, a grown-up's window) that window answers
    // its own close requests, so nothing more opens on top of it.
    event->ignore();
    if (m_quitAsked || QApplication::activeModalWidget())
        return;
    m_quitAsked = true;
    // Not inside the close event: the gate runs its own event loop.
    QTimer::singleShot(0, this, [this] {
        QuitCommand();
        m_quitAsked = false;
    });
}

void FrmMain::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

void FrmMain::paintEvent(QPaintEvent *)
{
    // A soft sky behind everything, so no corner ever shows bare grey.
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0.0, QColor(0x8E, 0xD1, 0xFC));
    sky.setColorAt(1.0, QColor(0xFF, 0xF4, 0xC2));
    painter.fillRect(rect(), sky);
}
