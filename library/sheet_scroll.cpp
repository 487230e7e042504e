#include "library/sheet_scroll.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

void SheetScroll::SetSizes(int viewportHeight, int sheetHeight)
{
    m_viewportHeight = viewportHeight;
    m_sheetHeight = sheetHeight;
    SetTop(m_top);
}

void SheetScroll::SetTop(int top)
{
    m_top = CanScroll() ? std::clamp(top, Lowest(), 0) : 0;
}

int SheetScroll::ArrowTarget(int k, int from) const
{
    if (!CanScroll())
        return from;
    if (k == 0)
        return from >= 0 ? from : std::min(from + kArrowStep, 0);
    return from <= Lowest() ? from : std::max(from - kArrowStep, Lowest());
}

int SheetScroll::BallTop(const ScrollColumn &column) const
{
    if (!CanScroll())
        return column.upperArrowHeight;
    return column.upperArrowHeight + int(std::lround(double(column.Track()) * m_top / Lowest()));
}

int SheetScroll::TopForBall(const ScrollColumn &column, int ballTop, int *keptBallTop) const
{
    const int kept = std::max(column.upperArrowHeight, std::min(ballTop, column.lowerArrowTop - column.ballHeight));
    if (keptBallTop)
        *keptBallTop = kept;
    if (!CanScroll() || column.Track() <= 0)
        return 0;
    return int(std::lround(double(kept - column.upperArrowHeight) / column.Track() * Lowest()));
}

int ScrollGlide::StepsDueAt(qint64 elapsedMs) const
{
    const int distance = std::abs(m_to - m_from);
    const int taken = std::abs(m_position - m_from);
    const qint64 dueByNow = elapsedMs * SheetScroll::kArrowStep / kFullStepMs;
    return int(std::clamp<qint64>(dueByNow - taken, 0, distance - taken));
}

int ScrollGlide::Step()
{
    if (m_position != m_to)
        m_position += m_to > m_position ? 1 : -1;
    return m_position;
}
