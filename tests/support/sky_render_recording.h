// A backend of the sky renderer's GL interface that records the calls it
// gets, for tests and benchmarks without a window. It keeps the matrices,
// the viewport and the display lists as GL would (a list is recorded while
// compiled and replayed when called) and projects like gluProject.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "views/sky_render_gl.h"

namespace corvinata {

enum class SkyGlOp : int {
    kPassThrough, kDrawBackBuffer, kSwapBuffers, kFlush, kClear, kViewport, kMatrixMode,
    kLoadIdentity, kOrtho, kRotate, kTranslate, kMultMatrix, kPushMatrix, kPopMatrix, kNewList,
    kEndList, kCallList, kColor, kBegin, kVertex, kTexCoord, kEnd, kPoint, kRasterPos,
    kDrawPixels, kPixelZoom, kBitmap, kSphere, kEnable, kDisable, kTexEnvMode, kTexRepeatNearest,
    kTexImage, kText, kDepthMask,
};

struct SkyGlCall {
    SkyGlCall(SkyGlOp o, std::initializer_list<double> values = {}, int n = 0) : op(o), i(n) {
        int k = 0;
        for (double v : values) {
            if (k < 4) a[k++] = v;
        }
    }
    SkyGlOp op;
    double a[4] = {0, 0, 0, 0};
    int i = 0;
    std::u32string text;
};

class RecordingSkyGl final : public SkyGl {
public:
    using Matrix = std::array<double, 16>;

    RecordingSkyGl(int width, int height);

    void SetClientSize(int width, int height) noexcept;
    // Calls made outside list compilation, in order; Clear() empties them.
    const std::vector<SkyGlCall>& Calls() const noexcept { return calls_; }
    void ClearCalls() {
        calls_.clear();
        drawnPoints_.clear();
    }
    // Where the points and vertices drawn since ClearCalls (those of the
    // lists called included) fall in the window, x right and y up; those
    // outside the view volume are left out.
    const std::vector<std::array<double, 2>>& DrawnPoints() const noexcept { return drawnPoints_; }
    const std::vector<SkyGlCall>& List(SkyList list) const noexcept {
        return lists_[static_cast<int>(list)];
    }
    // How often each list was compiled.
    int Compilations(SkyList list) const noexcept { return compilations_[static_cast<int>(list)]; }
    // Every call a list runs, nested lists expanded.
    std::vector<SkyGlCall> Expanded(SkyList list) const;

    void MakeCurrent() override {}
    void PassThrough(float value) override;
    void DrawBackBuffer() override { Record({SkyGlOp::kDrawBackBuffer}); }
    void SwapBuffers() override { Record({SkyGlOp::kSwapBuffers}); }
    void Flush() override { Record({SkyGlOp::kFlush}); }
    void Clear() override { Record({SkyGlOp::kClear}); }
    void Viewport(int x, int y, int width, int height) override;
    void GetViewport(int viewport[4]) const override;
    void ClientSize(int& width, int& height) const override;
    void MatrixMode(int mode) override;
    int GetMatrixMode() const override { return matrixMode_; }
    void LoadIdentity() override;
    void Ortho(double left, double right, double bottom, double top, double zNear,
               double zFar) override;
    void Rotate(double angle, double x, double y, double z) override;
    void Translate(double x, double y, double z) override;
    void MultMatrix(const double m[16]) override;
    void PushMatrix() override;
    void PopMatrix() override;
    int ModelviewStackDepth() const override { return static_cast<int>(modelview_.size()); }
    void NewList(SkyList list) override;
    void EndList() override;
    void CallList(SkyList list) override;
    void Color(double r, double g, double b) override;
    void Begin(int mode) override;
    void Vertex(double x, double y, double z) override;
    void TexCoord(double s, double t) override;
    void End() override;
    void Point(double x, double y, double z) override;
    // Recorded as the Color and Point of each pixel.
    void Points(const SkyPixel* pixels, int count) override;
    void RasterPos(double x, double y, double z) override;
    void DrawPixels(int width, int height, const std::uint8_t* rgb) override;
    void PixelZoom(double x, double y) override;
    void Bitmap(int width, int height, double xorig, double yorig,
                const std::uint8_t* bits) override;
    void Sphere(double radius, int slices, int stacks) override;
    void DepthMask(bool write) override;
    void Enable(int capability) override;
    void Disable(int capability) override;
    void TexEnvMode(int mode) override;
    void TexRepeatNearest() override { Record({SkyGlOp::kTexRepeatNearest}); }
    void TexImage(int width, int height, const std::uint32_t* bgra) override;
    WindowProjection CurrentProjection() const override;
    bool Project(double x, double y, double z, double& wx, double& wy, double& wz) const override;
    bool UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const override;
    // Eight pixels a character.
    int TextWidth(SkyFont font, const std::u32string& text) const override;
    void DrawText(SkyFont font, const std::u32string& text) override;

private:
    void Record(SkyGlCall call);
    void Execute(const SkyGlCall& call);
    Matrix& Current() noexcept;
    void Multiply(const Matrix& m);
    int width_;
    int height_;
    int viewport_[4] = {0, 0, 0, 0};
    int matrixMode_ = skygl::kModelview;
    std::vector<Matrix> modelview_;
    std::vector<Matrix> projection_;
    std::vector<Matrix> multMatrices_;
    std::vector<SkyGlCall> calls_;
    std::vector<SkyGlCall> lists_[kSkyListCount];
    int compilations_[kSkyListCount] = {};
    int compiling_ = -1;
    std::array<double, 3> raster_ = {0, 0, 0};
    std::vector<std::array<double, 2>> drawnPoints_;
};

}  // namespace corvinata
