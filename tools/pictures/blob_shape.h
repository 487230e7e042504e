#pragma once

#include <array>
#include <cstdint>

// The outline of a paint blob: the picture's half-size ellipse, its edge
// wobbling a little inwards so that no two blobs are quite alike.
class BlobShape
{
public:
    BlobShape(int width, int height, std::uint64_t seed);

    // Normalised position: 0 at the centre, 1 at the ellipse.
    double u(double px) const { return (px - halfW_) / halfW_; }
    double v(double py) const { return (py - halfH_) / halfH_; }

    // How many pixels (px, py) lies inside the edge; negative outside.
    double depth(double px, double py) const;

private:
    double halfW_;
    double halfH_;
    std::array<double, 3> amount_{};
    std::array<double, 3> phase_{};
};
