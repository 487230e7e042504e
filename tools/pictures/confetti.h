#pragma once

#include <QColor>
#include <cstdint>
#include <vector>

// The colour-picker blob's paint: a pale rainbow sprinkled with confetti.
class Confetti
{
public:
    Confetti(int width, int height, std::uint64_t seed);

    // (u, v) normalised from the centre, (px, py) in pixels.
    QColor colourAt(double u, double v, double px, double py) const;

private:
    struct Piece
    {
        double x, y;          // centre in pixels
        double cosA, sinA;    // direction of its long side
        QColor colour;
    };
    std::vector<Piece> pieces_;
};
