// Where the colouring window's parts go: the palette down the right side, the
// tool strip along the bottom, the colour frame with the canvas in the rest,
// and the grown-ups' buttons in the top-left corner over the frame.
#include "windows/main/frm_main.h"

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/palette_box.h"
#include "controls/picture_button.h"

namespace {

constexpr int kPaletteWidth = 150;
constexpr int kStripPadding = 8;  // above and below the strip's buttons
constexpr int kCanvasMargin = 24; // room in the frame for the shaded band round the canvas
constexpr int kCornerGap = 8;     // between the grown-ups' buttons and a picture below them

// A picture of `size` as large as fits in `room`, keeping its proportions, centred there.
QRect Centred(QSize size, QRect room)
{
    if (size.isEmpty() || room.isEmpty())
        return {};
    size.scale(room.size(), Qt::KeepAspectRatio);
    return QRect(QPoint(room.x() + (room.width() - size.width()) / 2, room.y() + (room.height() - size.height()) / 2),
                 size);
}

} // namespace

void FrmMain::LayOut()
{
    const QSize area = size();
    int stripHeight = 0;
    for (const pButton *button : c)
        stripHeight = std::max(stripHeight, button->height());
    for (const pButton *button : pTool)
        stripHeight = std::max(stripHeight, button->height());
    stripHeight += 2 * kStripPadding;

    const int paletteWidth = Pc->isHidden() ? 0 : kPaletteWidth;
    Pc->setGeometry(area.width() - kPaletteWidth, 0, kPaletteWidth, area.height());
    pT->setGeometry(0, area.height() - stripHeight, area.width() - paletteWidth, stripHeight);
    PB->setGeometry(0, 0, area.width() - paletteWidth, area.height() - stripHeight);
    PlaceCanvas();

    // One row along the strip; a hidden button takes no room.
    int running = 0;
    const auto place = [&](pButton *button) {
        button->move(running, pT->height() / 2 - button->height() / 2);
        if (!button->isHidden())
            running += button->width();
    };
    for (pButton *button : c)
        place(button);
    for (pButton *button : pTool)
        place(button);

    // The grown-ups' buttons in a row from the top-left corner.
    int left = 0;
    for (pButton *button : pFunc) {
        button->move(left, 0);
        button->raise();
        left += button->width();
    }
    CornerWidth = left;
}

// The picture is shown as large as the frame allows, keeping its proportions:
// scaled down to fit, so that every part of it can be reached, and up on a big
// screen, so that a child colours a big picture. Strokes stay in picture pixels.
void FrmMain::PlaceCanvas()
{
    const QSize picture = m_document.Engine().CanvasImage().size();
    QRect room = PB->rect().adjusted(kCanvasMargin, kCanvasMargin, -kCanvasMargin, -kCanvasMargin);
    QRect shown = Centred(picture, room);
    // On a wide screen a picture as tall as the frame reaches the grown-ups'
    // corner; it then starts below the corner rather than under its buttons.
    const QRect corner(0, 0, CornerWidth, pFunc.empty() ? 0 : pFunc[0]->height());
    if (shown.intersects(corner)) {
        room.setTop(corner.bottom() + 1 + kCornerGap);
        shown = Centred(picture, room);
    }
    if (!shown.isEmpty())
        P->setGeometry(shown);
}
