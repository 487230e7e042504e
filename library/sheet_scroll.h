#pragma once

#include <QtGlobal>

// The scroll column beside the browser's sheet, in viewport pixels.
struct ScrollColumn {
    int upperArrowHeight = 0; // the up arrow sits at the top
    int lowerArrowTop = 0;    // the down arrow's top edge
    int ballHeight = 0;

    int Track() const { return lowerArrowTop - ballHeight - upperArrowHeight; }
};

// Where the sheet sits inside its viewport: its top is 0 or negative, down to
// Lowest() = viewport height - sheet height.
class SheetScroll {
public:
    void SetSizes(int viewportHeight, int sheetHeight);

    int Top() const { return m_top; }
    int Lowest() const { return m_viewportHeight - m_sheetHeight; }
    // The sheet moves only when it is taller than the viewport.
    bool CanScroll() const { return m_sheetHeight > m_viewportHeight; }
    // Moves the sheet, kept between Lowest() and 0.
    void SetTop(int top);

    // Where one click on arrow k (0 up, 1 down) takes the sheet from `from`:
    // kArrowStep pixels on, stopping at the ends. `from` itself when it is
    // already at that end.
    int ArrowTarget(int k, int from) const;
    static constexpr int kArrowStep = 160;

    // The ball's top for the sheet's top: right below the upper arrow at the
    // top, right above the lower arrow at the bottom.
    int BallTop(const ScrollColumn &column) const;
    // The sheet's top for a ball dragged to `ballTop` (kept inside its track);
    // the ball's top as kept is returned in `keptBallTop`.
    int TopForBall(const ScrollColumn &column, int ballTop, int *keptBallTop = nullptr) const;

private:
    int m_viewportHeight = 0;
    int m_sheetHeight = 0;
    int m_top = 0;
};

// An arrow click's glide: one pixel at a time from `from` to `to`, at a pace
// that takes a full step about a quarter of a second on any machine.
class ScrollGlide {
public:
    static constexpr qint64 kFullStepMs = 250;

    ScrollGlide() = default;
    ScrollGlide(int from, int to) : m_from(from), m_to(to), m_position(from) {}

    bool Done() const { return m_position == m_to; }
    int Position() const { return m_position; }
    int Target() const { return m_to; }
    // How many one-pixel steps are due `elapsedMs` after the glide began.
    int StepsDueAt(qint64 elapsedMs) const;
    // Takes the next one-pixel step and returns the new position.
    int Step();

private:
    int m_from = 0;
    int m_to = 0;
    int m_position = 0;
};
