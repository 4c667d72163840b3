#include "support/sky_render_recording.h"

#include <cmath>

#include "views/sky_projection.h"

namespace corvinata {

namespace {

using Matrix = RecordingSkyGl::Matrix;

constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

}  // namespace

RecordingSkyGl::RecordingSkyGl(int width, int height)
    : width_(width), height_(height), modelview_{kIdentity}, projection_{kIdentity} {
    viewport_[2] = width;
    viewport_[3] = height;
}

void RecordingSkyGl::SetClientSize(int width, int height) noexcept {
    width_ = width;
    height_ = height;
}

std::vector<SkyGlCall> RecordingSkyGl::Expanded(SkyList list) const {
    std::vector<SkyGlCall> out;
    for (const SkyGlCall& call : lists_[static_cast<int>(list)]) {
        if (call.op == SkyGlOp::kCallList && call.i != static_cast<int>(list)) {
            const std::vector<SkyGlCall> inner = Expanded(static_cast<SkyList>(call.i));
            out.insert(out.end(), inner.begin(), inner.end());
        } else {
            out.push_back(call);
        }
    }
    return out;
}

void RecordingSkyGl::Record(SkyGlCall call) {
    if (compiling_ >= 0) {
        lists_[compiling_].push_back(std::move(call));
        return;
    }
    calls_.push_back(call);
    Execute(call);
}

RecordingSkyGl::Matrix& RecordingSkyGl::Current() noexcept {
    return matrixMode_ == skygl::kProjection ? projection_.back() : modelview_.back();
}

void RecordingSkyGl::Multiply(const Matrix& m) { Current() = MatrixProduct(Current(), m); }

void RecordingSkyGl::Execute(const SkyGlCall& call) {
    const double* a = call.a;
    switch (call.op) {
        case SkyGlOp::kViewport:
            for (int k = 0; k < 4; ++k) viewport_[k] = static_cast<int>(a[k]);
            break;
        case SkyGlOp::kMatrixMode: matrixMode_ = call.i; break;
        case SkyGlOp::kLoadIdentity: Current() = kIdentity; break;
        case SkyGlOp::kOrtho: {
            const double l = a[0], r = a[1], b = a[2], t = a[3];
            const double n = 0.0, f = 1100.0;
            Matrix m{};
            m[0] = 2.0 / (r - l);
            m[5] = 2.0 / (t - b);
            m[10] = -2.0 / (f - n);
            m[12] = -(r + l) / (r - l);
            m[13] = -(t + b) / (t - b);
            m[14] = -(f + n) / (f - n);
            m[15] = 1.0;
            Multiply(m);
            break;
        }
        case SkyGlOp::kRotate: {
            double x = a[1], y = a[2], z = a[3];
            const double length = std::sqrt(x * x + y * y + z * z);
            if (length == 0.0) break;
            x /= length;
            y /= length;
            z /= length;
            const double rad = a[0] * 3.14159265358979323846 / 180.0;
            const double c = std::cos(rad), s = std::sin(rad), t = 1.0 - c;
            const Matrix m = {t * x * x + c,     t * x * y + s * z, t * x * z - s * y, 0,
                              t * x * y - s * z, t * y * y + c,     t * y * z + s * x, 0,
                              t * x * z + s * y, t * y * z - s * x, t * z * z + c,     0,
                              0,                 0,                 0,                 1};
            Multiply(m);
            break;
        }
        case SkyGlOp::kTranslate: {
            Matrix m = kIdentity;
            m[12] = a[0];
            m[13] = a[1];
            m[14] = a[2];
            Multiply(m);
            break;
        }
        case SkyGlOp::kMultMatrix: Multiply(multMatrices_[static_cast<std::size_t>(call.i)]); break;
        case SkyGlOp::kPushMatrix:
            if (matrixMode_ == skygl::kProjection) {
                projection_.push_back(projection_.back());
            } else {
                modelview_.push_back(modelview_.back());
            }
            break;
        case SkyGlOp::kPopMatrix:
            if (matrixMode_ == skygl::kProjection) {
                if (projection_.size() > 1) projection_.pop_back();
            } else if (modelview_.size() > 1) {
                modelview_.pop_back();
            }
            break;
        case SkyGlOp::kCallList:
            for (const SkyGlCall& inner : lists_[call.i]) Execute(inner);
            break;
        case SkyGlOp::kRasterPos: {
            // Where the raster position falls in the window (for the texts).
            double wx = 0.0, wy = 0.0;
            CurrentProjection().ClipToWindow(a[0], a[1], a[2], wx, wy);
            raster_ = {wx, wy, 0.0};
            break;
        }
        case SkyGlOp::kPoint:
        case SkyGlOp::kVertex: {
            double wx = 0.0, wy = 0.0;
            if (CurrentProjection().ClipToWindow(a[0], a[1], a[2], wx, wy)) drawnPoints_.push_back({wx, wy});
            break;
        }
        default: break;
    }
}

void RecordingSkyGl::PassThrough(float value) { Record({SkyGlOp::kPassThrough, {value}}); }

void RecordingSkyGl::Viewport(int x, int y, int width, int height) {
    Record({SkyGlOp::kViewport, {double(x), double(y), double(width), double(height)}});
}

void RecordingSkyGl::GetViewport(int viewport[4]) const {
    for (int k = 0; k < 4; ++k) viewport[k] = viewport_[k];
}

void RecordingSkyGl::ClientSize(int& width, int& height) const {
    width = width_;
    height = height_;
}

void RecordingSkyGl::MatrixMode(int mode) { Record({SkyGlOp::kMatrixMode, {0, 0, 0, 0}, mode}); }
void RecordingSkyGl::LoadIdentity() { Record({SkyGlOp::kLoadIdentity}); }

void RecordingSkyGl::Ortho(double left, double right, double bottom, double top, double, double) {
    Record({SkyGlOp::kOrtho, {left, right, bottom, top}});
}

void RecordingSkyGl::Rotate(double angle, double x, double y, double z) {
    Record({SkyGlOp::kRotate, {angle, x, y, z}});
}

void RecordingSkyGl::Translate(double x, double y, double z) {
    Record({SkyGlOp::kTranslate, {x, y, z}});
}

void RecordingSkyGl::MultMatrix(const double m[16]) {
    // The call names the matrix by its place in a side store.
    SkyGlCall call{SkyGlOp::kMultMatrix};
    Matrix matrix;
    for (int k = 0; k < 16; ++k) matrix[k] = m[k];
    multMatrices_.push_back(matrix);
    call.i = static_cast<int>(multMatrices_.size()) - 1;
    Record(call);
}

void RecordingSkyGl::PushMatrix() { Record({SkyGlOp::kPushMatrix}); }
void RecordingSkyGl::PopMatrix() { Record({SkyGlOp::kPopMatrix}); }

void RecordingSkyGl::NewList(SkyList list) {
    Record({SkyGlOp::kNewList, {0, 0, 0, 0}, static_cast<int>(list)});
    compiling_ = static_cast<int>(list);
    lists_[compiling_].clear();
    ++compilations_[compiling_];
}

void RecordingSkyGl::EndList() {
    compiling_ = -1;
    Record({SkyGlOp::kEndList});
}

void RecordingSkyGl::CallList(SkyList list) {
    Record({SkyGlOp::kCallList, {0, 0, 0, 0}, static_cast<int>(list)});
}

void RecordingSkyGl::Color(double r, double g, double b) { Record({SkyGlOp::kColor, {r, g, b}}); }
void RecordingSkyGl::Begin(int mode) { Record({SkyGlOp::kBegin, {0, 0, 0, 0}, mode}); }
void RecordingSkyGl::Vertex(double x, double y, double z) { Record({SkyGlOp::kVertex, {x, y, z}}); }
void RecordingSkyGl::TexCoord(double s, double t) { Record({SkyGlOp::kTexCoord, {s, t}}); }
void RecordingSkyGl::End() { Record({SkyGlOp::kEnd}); }
void RecordingSkyGl::Point(double x, double y, double z) { Record({SkyGlOp::kPoint, {x, y, z}}); }

void RecordingSkyGl::Points(const SkyPixel* pixels, int count) {
    for (int k = 0; k < count; ++k) {
        Color(pixels[k].r, pixels[k].g, pixels[k].b);
        Point(pixels[k].x, pixels[k].y, pixels[k].z);
    }
}

void RecordingSkyGl::RasterPos(double x, double y, double z) {
    Record({SkyGlOp::kRasterPos, {x, y, z}});
}

void RecordingSkyGl::DrawPixels(int width, int height, const std::uint8_t* rgb) {
    Record({SkyGlOp::kDrawPixels, {double(width), double(height), double(rgb[0]), double(rgb[1])}});
}

void RecordingSkyGl::PixelZoom(double x, double y) { Record({SkyGlOp::kPixelZoom, {x, y}}); }

void RecordingSkyGl::Bitmap(int width, int height, double xorig, double yorig,
                            const std::uint8_t* bits) {
    Record({SkyGlOp::kBitmap, {double(width), double(height), xorig, yorig}, bits[0]});
}

void RecordingSkyGl::Sphere(double radius, int slices, int stacks) {
    Record({SkyGlOp::kSphere, {radius, double(slices), double(stacks)}});
}

void RecordingSkyGl::DepthMask(bool write) { Record({SkyGlOp::kDepthMask, {0, 0, 0, 0}, write ? 1 : 0}); }
void RecordingSkyGl::Enable(int capability) { Record({SkyGlOp::kEnable, {0, 0, 0, 0}, capability}); }
void RecordingSkyGl::Disable(int capability) { Record({SkyGlOp::kDisable, {0, 0, 0, 0}, capability}); }
void RecordingSkyGl::TexEnvMode(int mode) { Record({SkyGlOp::kTexEnvMode, {0, 0, 0, 0}, mode}); }

void RecordingSkyGl::TexImage(int width, int height, const std::uint32_t* bgra) {
    Record({SkyGlOp::kTexImage, {double(width), double(height), double(bgra[0])}});
}

WindowProjection RecordingSkyGl::CurrentProjection() const {
    return WindowProjection(modelview_.back(), projection_.back(), viewport_);
}

bool RecordingSkyGl::Project(double x, double y, double z, double& wx, double& wy,
                             double& wz) const {
    return CurrentProjection().Project(x, y, z, wx, wy, wz);
}

bool RecordingSkyGl::UnProject(double wx, double wy, double wz, double& x, double& y,
                               double& z) const {
    return CurrentProjection().UnProject(wx, wy, wz, x, y, z);
}

int RecordingSkyGl::TextWidth(SkyFont, const std::u32string& text) const {
    return 8 * static_cast<int>(text.size());
}

void RecordingSkyGl::DrawText(SkyFont font, const std::u32string& text) {
    SkyGlCall call{SkyGlOp::kText, {raster_[0], raster_[1]}, static_cast<int>(font)};
    call.text = text;
    Record(std::move(call));
}

}  // namespace corvinata
