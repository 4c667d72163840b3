// The window projection of GL's transformation, as gluProject and
// gluUnProject compute it, made once for many points: the product of the
// projection and modelview matrices, its inverse and the viewport. Matrices
// are column-major, as GL keeps them.
#pragma once

#include <array>

namespace corvinata {

using GlMatrix = std::array<double, 16>;

GlMatrix MatrixProduct(const GlMatrix& a, const GlMatrix& b) noexcept;
// out = m in (four components).
void MatrixTransform(const GlMatrix& m, const double in[4], double out[4]) noexcept;
// False (inverse unchanged) for a singular matrix.
bool MatrixInverse(const GlMatrix& m, GlMatrix& inverse) noexcept;

class WindowProjection {
public:
    WindowProjection() = default;
    WindowProjection(const GlMatrix& modelview, const GlMatrix& projection, const int viewport[4]) noexcept;

    // Window coordinates (x right, y up, depth 0..1) of a model point;
    // false where GL would divide by zero.
    bool Project(double x, double y, double z, double& wx, double& wy, double& wz) const noexcept;
    // GL's test of a raster position: true, with the window position, when
    // the model point lies inside the view volume.
    bool ClipToWindow(double x, double y, double z, double& wx, double& wy) const noexcept;
    // The model point at window coordinates; false for a singular
    // transformation.
    bool UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const noexcept;

private:
    GlMatrix combined_{};
    GlMatrix inverse_{};
    bool invertible_ = false;
    int viewport_[4] = {0, 0, 0, 0};
};

}  // namespace corvinata
