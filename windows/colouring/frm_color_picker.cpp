#include "windows/colouring/frm_color_picker.h"

#include <QPainter>

#include "image/ratio_picture.h"
#include "windows/colouring/blob_box.h"
#include "canvas/colour_picker_shades.h"
#include "sound/sound_effects.h"
#include "controls/hand_cursor.h"
#include "controls/picture_button.h"
#include "controls/window_edge.h"
#include "resources/resource_names.h"

namespace {

constexpr int kEdge = 3;
constexpr QSize kBoxSize(300, 250);
constexpr int kStripHeight = 72; // below the box, for the close button

} // namespace

frmColorPicker::frmColorPicker(SoundEffects *sounds, QWidget *parent, RandomSource random)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_sounds(sounds),
      m_box(new BlobBox(sounds, std::move(random), this)), m_close(new pButton(this))
{
    setModal(true);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setFixedSize(kBoxSize.width() + 2 * kEdge, kBoxSize.height() + kStripHeight + kEdge);
    m_box->setGeometry(QRect(QPoint(kEdge, kEdge), kBoxSize));

    m_close->SetPicture(ReadPictureForScreens(ResourceNames::Face(114)),
                        ReadPictureForScreens(ResourceNames::Face(113)));
    m_close->MouseIcon(HandCursor());
    m_close->move(width() - kEdge - 4 - m_close->width(),
                  kEdge + kBoxSize.height() + (kStripHeight - m_close->height()) / 2);

    m_timer.setInterval(16);
    connect(&m_timer, &QTimer::timeout, m_box, &BlobBox::Tick);
    connect(m_box, &BlobBox::Pressed, this, &frmColorPicker::PressBox);
    connect(m_box, &BlobBox::Released, this, &frmColorPicker::ReleaseBox);
    connect(m_close, &pButton::Click, this, [this] {
        if (m_sounds)
            m_sounds->PlayCancel();
        reject();
    });
}

void frmColorPicker::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_recoloured)
        Opening();
    m_timer.start();
}

void frmColorPicker::hideEvent(QHideEvent *event)
{
    m_timer.stop();
    QDialog::hideEvent(event);
}

void frmColorPicker::Opening()
{
    m_timer.stop();
    const QString folder = QStringLiteral(":/shades");
    m_box->BuildBubbles(LoadNumberedPictures(folder, ColourPickerShades::kCount), ColourPickerShades::kRiseDivisor,
                        -1, LoadNumberedPicturesForScreens(folder, ColourPickerShades::kCount));
    const qint32 colour = m_colorSelected;
    m_box->RecolourBubbles(
        [colour](QImage &shade, int index) { ColourPickerShades::Recolour(shade, index, colour); });
    m_recoloured = true;
}

void frmColorPicker::PressBox(QPointF at)
{
    if (!m_recoloured || m_picked)
        return;
    const int shade = m_box->Blobs().Pick(at);
    if (shade < 0)
        return;
    if (m_sounds)
        m_sounds->PlaySoundEffect(SoundKind::kPick);
    const cNDib &sprite = m_box->Blobs().Sprite(shade);
    m_colorSelected = sprite.Get_Pixel_Long(sprite.Width() / 2, sprite.Height() / 2);
    m_picked = true;
}

void frmColorPicker::ReleaseBox()
{
    // A release without a press here (the one of the palette press that opened
    // the window) chooses nothing.
    if (!m_picked)
        return;
    m_okClicked = QStringLiteral("Ok");
    accept();
}

void frmColorPicker::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    DrawWindowEdge(painter, *this);
}

std::optional<qint32> AskColourPicker(SoundEffects *sounds, qint32 current, QTimer &windowTimer, QWidget *parent)
{
    const bool wasRunning = windowTimer.isActive();
    windowTimer.stop();
    frmColorPicker picker(sounds, parent);
    picker.SetColorSelected(current);
    picker.exec();
    if (wasRunning)
        windowTimer.start();
    if (picker.OKclicked() != QLatin1String("Ok"))
        return std::nullopt;
    return picker.ColorSelected();
}
