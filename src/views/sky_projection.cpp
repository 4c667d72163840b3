#include "views/sky_projection.h"

#include <cmath>
#include <utility>

namespace corvinata {

GlMatrix MatrixProduct(const GlMatrix& a, const GlMatrix& b) noexcept {
    GlMatrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row) {
            double v = 0.0;
            for (int k = 0; k < 4; ++k) v += a[k * 4 + row] * b[col * 4 + k];
            r[col * 4 + row] = v;
        }
    return r;
}

void MatrixTransform(const GlMatrix& m, const double in[4], double out[4]) noexcept {
    for (int row = 0; row < 4; ++row) {
        out[row] = 0.0;
        for (int k = 0; k < 4; ++k) out[row] += m[k * 4 + row] * in[k];
    }
}

bool MatrixInverse(const GlMatrix& m, GlMatrix& inverse) noexcept {
    // Gauss-Jordan elimination with partial pivoting.
    double a[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[c * 4 + r];
            a[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-300) return false;
        for (int k = 0; k < 8; ++k) std::swap(a[c][k], a[pivot][k]);
        const double d = a[c][c];
        for (int k = 0; k < 8; ++k) a[c][k] /= d;
        for (int r = 0; r < 4; ++r) {
            if (r == c) continue;
            const double f = a[r][c];
            for (int k = 0; k < 8; ++k) a[r][k] -= f * a[c][k];
        }
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) inverse[c * 4 + r] = a[r][c + 4];
    return true;
}

WindowProjection::WindowProjection(const GlMatrix& modelview, const GlMatrix& projection,
                                   const int viewport[4]) noexcept
    : combined_(MatrixProduct(projection, modelview)) {
    invertible_ = MatrixInverse(combined_, inverse_);
    for (int k = 0; k < 4; ++k) viewport_[k] = viewport[k];
}

bool WindowProjection::Project(double x, double y, double z, double& wx, double& wy, double& wz) const noexcept {
    const double in[4] = {x, y, z, 1.0};
    double clip[4];
    MatrixTransform(combined_, in, clip);
    if (clip[3] == 0.0) return false;
    wx = viewport_[0] + viewport_[2] * (clip[0] / clip[3] + 1.0) / 2.0;
    wy = viewport_[1] + viewport_[3] * (clip[1] / clip[3] + 1.0) / 2.0;
    wz = (clip[2] / clip[3] + 1.0) / 2.0;
    return true;
}

bool WindowProjection::ClipToWindow(double x, double y, double z, double& wx, double& wy) const noexcept {
    const double in[4] = {x, y, z, 1.0};
    double clip[4];
    MatrixTransform(combined_, in, clip);
    const double w = clip[3];
    if (w <= 0.0) return false;
    for (int k = 0; k < 3; ++k) {
        if (clip[k] < -w || clip[k] > w) return false;
    }
    wx = viewport_[0] + viewport_[2] * (clip[0] / w + 1.0) / 2.0;
    wy = viewport_[1] + viewport_[3] * (clip[1] / w + 1.0) / 2.0;
    return true;
}

bool WindowProjection::UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const noexcept {
    if (!invertible_ || viewport_[2] == 0 || viewport_[3] == 0) return false;
    const double in[4] = {(wx - viewport_[0]) * 2.0 / viewport_[2] - 1.0,
                          (wy - viewport_[1]) * 2.0 / viewport_[3] - 1.0, wz * 2.0 - 1.0, 1.0};
    double out[4];
    MatrixTransform(inverse_, in, out);
    if (out[3] == 0.0) return false;
    x = out[0] / out[3];
    y = out[1] / out[3];
    z = out[2] / out[3];
    return true;
}

}  // namespace corvinata
