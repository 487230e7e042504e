// The colouring window's controls and painting.
#include "app/frm_main.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>

#include "canvas/sound_effects.h"
#include "controls/picture_button.h"

FrmMain::FrmMain(MainWindowServices services, QWidget *parent) : QWidget(parent), m_services(std::move(services))
{
    setWindowTitle(QStringLiteral("Velmora"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/velmora.png")));
    Timer1.setInterval(16); // about 64 ticks a second, as the palette's speeds assume
    CreateControls();
    ConnectFunctionButtons();
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

void FrmMain::CreateControls()
{
    PB = new QWidget(this);
    PB->setObjectName(QStringLiteral("PB"));
    PB->setAutoFillBackground(true);
    P = new QWidget(PB);
    P->setObjectName(QStringLiteral("P"));
    P->setAutoFillBackground(true);
    QPalette paper = P->palette();
    paper.setColor(QPalette::Window, Qt::white);
    P->setPalette(paper);

    pT = new QWidget(this);
    pT->setObjectName(QStringLiteral("pT"));
    pT->setAutoFillBackground(true);
    QPalette strip = pT->palette();
    strip.setColor(QPalette::Window, Qt::white);
    pT->setPalette(strip);

    Pc = new QWidget(this);
    Pc->setObjectName(QStringLiteral("Pc"));
    Pc->setAutoFillBackground(true);
    QPalette sky = Pc->palette();
    sky.setColor(QPalette::Window, QColor(0xDD, 0xF1, 0xFF));
    Pc->setPalette(sky);

    for (pButton *&button : c)
        button = new pButton(pT);
    for (pButton *&button : pTool)
        button = new pButton(pT);
    for (pButton *&button : pFunc)
        button = new pButton(this); // above the colour frame, in the top-left corner
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    ReleaseRun();
    event->accept();
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
