// The picture browser's window: its controls, the load behind the splash
// window, and choosing a picture.
#include "image/ratio_picture.h"
#include "windows/browser/frm_open.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QScreen>

#include "controls/hand_cursor.h"
#include "controls/picture_button.h"
#include "controls/window_edge.h"
#include "library/book_loader.h"
#include "windows/browser/sheet_view.h"
#include "library/library_files.h"
#include "library/library_layout.h"
#include "library/thumbnail_file.h"
#include "resources/resource_names.h"
#include "windows/splash/frm_splash.h"

namespace {

constexpr int kMargin = 12;        // between the window's edge and its panel
constexpr int kBottomBand = 84;    // below the viewport: the bottom buttons
const QColor kViewportBorder(200, 214, 230);

QImage Face(int number)
{
    return ReadPictureForScreens(ResourceNames::Face(number));
}

// About nine tenths of the screen, within sizes where the layout still works.
QSize BrowserSize(const QWidget *parent)
{
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize available = screen ? screen->geometry().size() : QSize(1024, 768);
    return {std::clamp(int(available.width() * 0.86), 640, 1100), std::clamp(int(available.height() * 0.9), 480, 860)};
}

} // namespace

frmOpen::frmOpen(BrowserServices services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_services(std::move(services))
{
    setModal(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    resize(BrowserSize(parent));
    CreateControls();
    DressButtons();
    LayOut();

    m_glideTimer.setTimerType(Qt::PreciseTimer);
    m_glideTimer.setInterval(1);
    connect(&m_glideTimer, &QTimer::timeout, this, &frmOpen::GlideTick);
}

frmOpen::~frmOpen()
{
    EnableColouringWindow();
}

void frmOpen::CreateControls()
{
    pM = new QWidget(this);
    PB = new QWidget(pM);
    PB->setAutoFillBackground(true);
    PB->setPalette(palette());
    Pmb = new SheetView(PB);
    Pmb->hide(); // shown once the books have loaded
    for (int k = 0; k < 2; ++k) {
        cScroll[k] = new pButton(PB);
        connect(cScroll[k], &pButton::Click, this, [this, k] { cScroll_Click(k); });
    }
    sBall = new pButton(PB);
    cClose = new pButton(pM);
    cPicadd = new pButton(pM);
    pMorePics = new pButton(pM);

    connect(Pmb, &SheetView::CellChosen, this, &frmOpen::Choose);
    connect(Pmb, &SheetView::ScrollRequested, this, &frmOpen::ScrollBy);
    connect(sBall, &pButton::MouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, QPointF at) {
        BallPressed(at);
    });
    connect(sBall, &pButton::MouseMove, this, [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, QPointF at) {
        BallMoved(buttons, at);
    });
    connect(cClose, &pButton::Click, this, &frmOpen::cClose_Click);
    connect(cPicadd, &pButton::Click, this, &frmOpen::cPicadd_Click);
    connect(pMorePics, &pButton::Click, this, &frmOpen::pMorePics_Click);
}

void frmOpen::DressButtons()
{
    // Faded faces of their own: the greyed resting faces still look pressable.
    const auto disabled = [](const char *name) { return ReadPictureForScreens(ResourceNames::NamedFace(QString::fromLatin1(name))); };
    cScroll[0]->SetPicture(Face(138), Face(139), {}, disabled("scroll-up-disabled"));
    cScroll[1]->SetPicture(Face(136), Face(135), {}, disabled("scroll-down-disabled"));
    cClose->SetPicture(Face(114), Face(113));
    cPicadd->SetPicture(Face(148), Face(149));
    pMorePics->SetPicture(Face(141), Face(142));
    sBall->SetPicture(Face(137), Face(140), {}, disabled("scroll-ball-disabled"));
    cClose->SetToolText(QStringLiteral("Close"));
    cPicadd->SetToolText(QStringLiteral("Start a new picture of your own"));
    pMorePics->SetToolText(QStringLiteral("More pictures"));
    const QCursor hand = HandCursor();
    for (pButton *button : {cScroll[0], cScroll[1], sBall, cClose, cPicadd, pMorePics})
        button->MouseIcon(hand);
}

void frmOpen::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    LayOut();
}

// Also called before the window is first shown: the sheet's width decides
// where the cells wrap when the books load.
void frmOpen::LayOut()
{
    pM->setGeometry(kMargin, kMargin, width() - 2 * kMargin, height() - 2 * kMargin);
    PB->setGeometry(0, 0, pM->width(), pM->height() - kBottomBand);
    PlaceScrollColumn();
    PlaceBottomButtons();
}

// The arrows in the viewport's right-hand column, the ball between them, the
// sheet filling the rest, so that the cells wrap left of the column.
void frmOpen::PlaceScrollColumn()
{
    cScroll[0]->move(PB->width() - cScroll[0]->width(), 0);
    cScroll[1]->move(PB->width() - cScroll[1]->width(), PB->height() - cScroll[1]->height());
    sBall->move(cScroll[1]->x() + 2, cScroll[0]->height());
    Pmb->setGeometry(0, 0, cScroll[1]->x(), PB->height());
    m_scroll.SetSizes(PB->height(), Pmb->Sheet().height);
    PlaceBall();
}

void frmOpen::PlaceBottomButtons()
{
    cClose->move(pM->width() - cClose->width(), pM->height() - cClose->height() - 3);
    pMorePics->move(0, pM->height() - pMorePics->height() - 5);
    cPicadd->move(cClose->x() - cPicadd->width() - 13, cClose->y() - 6);
}

void frmOpen::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(kViewportBorder);
    painter.drawRect(PB->geometry().translated(pM->pos()).adjusted(-1, -1, 0, 0));
    DrawWindowEdge(painter, *this);
}

void frmOpen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QWidget *over = parentWidget())
        move(over->geometry().center() - rect().center());
    RefreshSelectedThumbnail();
    PlaceBottomButtons();
}

bool frmOpen::Form_Load()
{
    SelectedIndex = -1;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto *splash = new frmSplash(m_services.colouringTimer, m_services.programFolder, parentWidget());
    splash->setForm_style(1);
    splash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    BookLoadHooks hooks;
    hooks.progress = [splash](const QString &line) {
        splash->setProgressText(line);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    LoadedSheet sheet = LoadBooks(m_services.programFolder, Pmb->width(), hooks);
    delete splash;
    QApplication::restoreOverrideCursor();
    if (!sheet.ok()) {
        qWarning("velmora: the pictures could not be loaded: %s", qPrintable(sheet.error));
        ShowLoadFailure();
        return false;
    }
    Pmb->SetSheet(std::move(sheet));
    m_scroll.SetSizes(PB->height(), Pmb->Sheet().height);
    PlaceBall();
    Pmb->show();
    return true;
}

void frmOpen::ShowLoadFailure()
{
    if (m_services.colouringTimer)
        m_services.colouringTimer->stop();
    ShowNotice(m_services.sounds, CurrentSettings().Parental(), parentWidget(),
               QStringLiteral("Oh no! something strange has happened! Call someone who can help you!"),
               QStringLiteral("There was a problem loading the pictures. Make sure that none of them are damaged. If "
                              "you do not know what the problem is, please reinstall Velmora. Press OK to exit the "
                              "program."));
}

const QVector<PictureCell> &frmOpen::PictureCells() const
{
    return Pmb->Sheet().cells;
}

void frmOpen::Choose(int index)
{
    const PictureCell &cell = PictureCells().at(index);
    SelectedPicture = cell.Path();
    SelectedIndex = index;
    EnableColouringWindow();
    m_glideTimer.stop();
    done(QDialog::Accepted); // hidden, not unloaded: the sheet stays for next time
}

void frmOpen::RefreshSelectedThumbnail()
{
    if (SelectedIndex <= 0 || SelectedIndex >= PictureCells().size())
        return;
    const PictureCell &cell = PictureCells().at(SelectedIndex);
    const QString coloured =
        LibraryLayout::ColouredPictureOf(m_services.programFolder, FileTitleOf(cell.Folder), cell.FileName);
    if (!QFileInfo(coloured).isFile())
        return;
    DeleteFileIfPresent(ThumbnailPathOf(coloured));
    const ThumbnailResult thumbnail = EnsureThumbnail(coloured);
    if (thumbnail.ok())
        Pmb->SetFace(SelectedIndex, CellFace(thumbnail.image));
}

void frmOpen::EnableColouringWindow()
{
    if (m_services.colouringWindow)
        m_services.colouringWindow->setEnabled(true);
}

void frmOpen::Unload()
{
    m_unloaded = true;
    m_glideTimer.stop();
    EnableColouringWindow();
    done(QDialog::Rejected);
}
