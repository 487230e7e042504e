#include "tools/pictures/confetti.h"

#include "tools/pictures/seeded_random.h"

#include <array>
#include <cmath>

namespace {
constexpr double kHalfLength = 2.3, kHalfWidth = 1.1; // a piece, in pixels
const std::array<QRgb, 6> kColours = {qRgb(255, 96, 150), qRgb(255, 160, 40), qRgb(250, 210, 30),
                                      qRgb(90, 200, 80), qRgb(60, 170, 250), qRgb(160, 110, 240)};
} // namespace

Confetti::Confetti(int width, int height, std::uint64_t seed)
{
    SeededRandom random(seed ^ 0xC0FFEEull);
    const int count = width * height / 40;
    while (int(pieces_.size()) < count) {
        const double u = random.between(-0.75, 0.75), v = random.between(-0.75, 0.75);
        if (std::hypot(u, v) > 0.75)
            continue;
        const double angle = random.between(0, M_PI);
        pieces_.push_back({width / 2.0 * (1 + u), height / 2.0 * (1 + v), std::cos(angle), std::sin(angle),
                           QColor(kColours[pieces_.size() % kColours.size()])});
    }
}

QColor Confetti::colourAt(double u, double v, double px, double py) const
{
    for (auto piece = pieces_.rbegin(); piece != pieces_.rend(); ++piece) {
        const double along = (px - piece->x) * piece->cosA + (py - piece->y) * piece->sinA;
        const double across = -(px - piece->x) * piece->sinA + (py - piece->y) * piece->cosA;
        if (std::abs(along) <= kHalfLength && std::abs(across) <= kHalfWidth)
            return piece->colour;
    }
    const double hue = (std::atan2(v, u) + M_PI) / (2 * M_PI);
    return QColor::fromHslF(float(std::fmod(hue, 1.0)), 0.75f, float(0.93 - 0.05 * std::hypot(u, v)));
}
