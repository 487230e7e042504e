// Scrolling the picture browser's sheet: the arrows' glide, the ball, the wheel
// and a finger drag. Every way keeps the ball in step with the sheet.
#include "windows/browser/frm_open.h"

#include "controls/picture_button.h"
#include "windows/browser/sheet_view.h"

ScrollColumn frmOpen::Column() const
{
    return {cScroll[0]->height(), cScroll[1]->y(), sBall->height()};
}

void frmOpen::cScroll_Click(int k)
{
    // A click during a glide carries on from where that glide was going.
    const int from = Gliding() ? m_glide.Target() : m_scroll.Top();
    const int target = m_scroll.ArrowTarget(k, from);
    if (target == from)
        return;
    m_glide = ScrollGlide(m_scroll.Top(), target);
    m_glideClock.start();
    m_glideTimer.start();
}

// Takes the one-pixel steps that are due, so the sheet passes every position
// and a full step takes the same time on any machine.
void frmOpen::GlideTick()
{
    for (int due = m_glide.StepsDueAt(m_glideClock.elapsed()); due > 0; --due)
        MoveSheetTo(m_glide.Step());
    if (m_glide.Done())
        m_glideTimer.stop();
}

void frmOpen::MoveSheetTo(int top)
{
    m_scroll.SetTop(top);
    Pmb->SetSheetTop(m_scroll.Top());
    PlaceBall();
    Q_EMIT SheetMoved(m_scroll.Top());
}

void frmOpen::PlaceBall()
{
    sBall->move(sBall->x(), m_scroll.BallTop(Column()));
    ShowWhatCanScroll();
}

// An arrow that cannot move the sheet any further shows its disabled face, and
// the ball too when the whole sheet fits. Only a change is drawn: setting the
// state again would put the resting face over a ball held in a drag.
void frmOpen::ShowWhatCanScroll()
{
    const auto show = [](pButton *control, bool usable) {
        if (control->Enabled() != usable)
            control->SetEnabled(usable);
    };
    show(cScroll[0], m_scroll.CanScroll() && m_scroll.Top() < 0);
    show(cScroll[1], m_scroll.CanScroll() && m_scroll.Top() > m_scroll.Lowest());
    show(sBall, m_scroll.CanScroll());
}

void frmOpen::ScrollBy(int dy)
{
    if (!m_scroll.CanScroll())
        return;
    m_glideTimer.stop();
    MoveSheetTo(m_scroll.Top() + dy);
}

void frmOpen::BallPressed(QPointF at)
{
    m_glideTimer.stop();
    DragAnchorY = int(at.y());
}

void frmOpen::BallMoved(Qt::MouseButtons buttons, QPointF at)
{
    if (buttons == Qt::NoButton || !m_scroll.CanScroll())
        return;
    int ballTop = 0;
    const int top = m_scroll.TopForBall(Column(), sBall->y() + int(at.y()) - DragAnchorY, &ballTop);
    sBall->move(sBall->x(), ballTop);
    m_scroll.SetTop(top);
    Pmb->SetSheetTop(m_scroll.Top());
    ShowWhatCanScroll();
    Q_EMIT SheetMoved(m_scroll.Top());
}
