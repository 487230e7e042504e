#include "tools/pictures/blob_shape.h"

#include "tools/pictures/seeded_random.h"

#include <cmath>

namespace {
constexpr double kWobble = 0.09; // the edge lies between 1 - kWobble and 1
constexpr std::array<int, 3> kHarmonics = {2, 3, 5};
} // namespace

BlobShape::BlobShape(int width, int height, std::uint64_t seed) : halfW_(width / 2.0), halfH_(height / 2.0)
{
    SeededRandom random(seed);
    for (std::size_t i = 0; i < amount_.size(); ++i) {
        amount_[i] = random.between(0.3, 1.0);
        phase_[i] = random.between(0, 2 * M_PI);
    }
}

double BlobShape::depth(double px, double py) const
{
    const double uu = u(px), vv = v(py);
    const double rho = std::hypot(uu, vv);
    const double angle = std::atan2(vv, uu);
    double wobble = 0, total = 0;
    for (std::size_t i = 0; i < amount_.size(); ++i) {
        wobble += amount_[i] * std::sin(kHarmonics[i] * angle + phase_[i]);
        total += amount_[i];
    }
    const double edge = 1.0 - kWobble * (1.0 + wobble / total) / 2.0;
    const double pixelsPerUnit = std::hypot(halfW_ * std::cos(angle), halfH_ * std::sin(angle));
    return (edge - rho) * pixelsPerUnit;
}
