// Colouring in the window: the canvas, the palette and its timer, the tool
// bar, undo and crazy colours.
#include "windows/main/frm_main.h"

#include <QCursor>

#include "windows/colouring/canvas_view.h"
#include "windows/colouring/colour_frame_view.h"
#include "windows/colouring/crazy_colours.h"
#include "windows/colouring/frm_color_picker.h"
#include "windows/colouring/palette_box.h"
#include "sound/sound_effects.h"
#include "sound/sound_families.h"
#include "controls/picture_button.h"

void FrmMain::ConnectColouring()
{
    connect(&Timer1, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    // A stroke must not share the thread with the animation.
    connect(P, &CanvasView::StrokeStarted, &Timer1, qOverload<>(&QTimer::stop));
    connect(P, &CanvasView::StrokeFinished, &Timer1, qOverload<>(&QTimer::start));
    connect(P, &CanvasView::StrokeFinished, this, &FrmMain::SaveSoon);
    connect(P, &CanvasView::UndoAvailable, c[2], &pButton::SetEnabled);
    connect(Pc, &PaletteBox::ColourChosen, this, &FrmMain::SetColour);
    // Queued, so that the picker does not open inside the palette's press handler.
    connect(Pc, &PaletteBox::PickerRequested, this, &FrmMain::OpenColourPicker, Qt::QueuedConnection);

    connect(c[0], &pButton::Click, this, &FrmMain::OpenCommand);
    connect(c[1], &pButton::Click, this, &FrmMain::ClearCommand);
    connect(c[2], &pButton::Click, this, [this] {
        PlayClick();
        P->ShowNewPicture(m_document.Undo());
        SaveSoon();
        if (PaletteShownWith(Tool))
            Pc->setVisible(true);
    });
    ConnectCrazyColours(c[3], [this](int jitter) {
        ColourJitterRange = jitter;
        m_document.Engine().SetColourJitter(jitter);
    });
    // A release off the button still switches the mode, but only a click clicks.
    connect(c[3], &pButton::Click, this, &FrmMain::PlayClick);
    for (int i = 0; i < int(pTool.size()); ++i)
        connect(pTool[i], &pButton::MouseUp, this, [this, i] { pTool_MouseUp(i); });
}

void FrmMain::pTool_MouseUp(int index)
{
    if (m_services.sounds)
        m_services.sounds->PlaySoundEffect(SoundKind::kClick);
    for (pButton *button : pTool)
        button->SetPressed(false);
    pTool[index]->SetPressed(true);
    if (pTool[index]->Pressed()) {
        m_document.Engine().SetTool(index); // copies the tool's texture afresh
        Tool = index;
    }
    Pc->setVisible(true);
    c[3]->SetEnabled(true);
    c[3]->SetPressed(c[3]->Pressed());
    SetToolCursor(m_canvasCursor, P, Tool, false);
}

void FrmMain::Timer1_Timer()
{
    if (Settings.AutoHideButtons) {
        const QPoint pointer = mapFromGlobal(QCursor::pos());
        const bool inCorner = CornerWatch::InCorner(pointer, CornerWidth, pFunc[0]->height());
        const bool visible = m_corner.Tick(inCorner, pFunc[0]->isVisible());
        if (visible != pFunc[0]->isVisible()) {
            for (pButton *button : pFunc)
                button->setVisible(visible);
        }
    }
    Pc->Tick();
}

void FrmMain::SetColour(qint32 colour)
{
    m_document.Engine().SetCurrentColour({quint8(colour & 0xFF), quint8((colour >> 8) & 0xFF), quint8((colour >> 16) & 0xFF)});
    PB->SetColour(colour);
}

void FrmMain::OpenColourPicker()
{
    if (const std::optional<qint32> chosen = AskColourPicker(m_services.sounds, PB->Colour(), Timer1, this))
        SetColour(*chosen);
}
