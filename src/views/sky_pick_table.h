// Picking without drawing. The pick list of each part of the chart (the
// objects' pick codes and their pixels) is compiled into a table of markers
// and points; a pick then writes the very tokens a GL feedback render of
// those lists would write (a pass-through token for each marker, a
// draw-pixel token at the window position of each point inside the view
// volume) by projecting the points itself, and the walks of sky_pick read
// them. A pick of the whole sky costs a fraction of a millisecond, where a
// feedback render took several.
#pragma once

#include <cstddef>
#include <vector>

#include "views/sky_projection.h"
#include "views/sky_render_gl.h"

namespace corvinata {

class SkyPickTable {
public:
    void Clear() noexcept { entries_.clear(); }
    void AddMarker(float value) { entries_.push_back({0.0, 0.0, 0.0, value, true}); }
    void AddPixel(double x, double y, double z) { entries_.push_back({x, y, z, 0.0f, false}); }
    // The markers in order: the objects' pick codes with the planets' extras.
    std::vector<float> Markers() const;
    // Appends the feedback tokens of the table seen through `view` (the
    // model points in the table's frame).
    void Emit(const WindowProjection& view, std::vector<float>& tokens) const;

private:
    struct Entry {
        double x, y, z;
        float marker;
        bool isMarker;
    };
    std::vector<Entry> entries_;
};

// The GL interface as a pick list is compiled: the drawers' pass-through
// markers and pick pixels (at their raster positions, moved by the
// modelview translations they make) go into a table; anything else draws
// nothing and picks nothing.
class SkyPickRecorder final : public SkyGl {
public:
    // Everything recorded until the next call goes into `table`.
    void RecordInto(SkyPickTable& table) noexcept;

    void MakeCurrent() override {}
    void PassThrough(float value) override;
    void DrawBackBuffer() override {}
    void SwapBuffers() override {}
    void Flush() override {}
    void Clear() override {}
    void Viewport(int, int, int, int) override {}
    void GetViewport(int viewport[4]) const override;
    void ClientSize(int& width, int& height) const override;
    void MatrixMode(int mode) override { matrixMode_ = mode; }
    int GetMatrixMode() const override { return matrixMode_; }
    void LoadIdentity() override;
    void Ortho(double, double, double, double, double, double) override {}
    void Rotate(double, double, double, double) override {}
    void Translate(double x, double y, double z) override;
    void MultMatrix(const double[16]) override {}
    void PushMatrix() override;
    void PopMatrix() override;
    int ModelviewStackDepth() const override { return static_cast<int>(translations_.size()); }
    void NewList(SkyList) override {}
    void EndList() override {}
    void CallList(SkyList) override {}
    void Color(double, double, double) override {}
    void Begin(int) override {}
    void Vertex(double, double, double) override {}
    void TexCoord(double, double) override {}
    void End() override {}
    void Point(double, double, double) override {}
    void Points(const SkyPixel*, int) override {}
    void RasterPos(double x, double y, double z) override;
    void DrawPixels(int width, int height, const std::uint8_t* rgb) override;
    void PixelZoom(double, double) override {}
    void Bitmap(int, int, double, double, const std::uint8_t*) override {}
    void Sphere(double, int, int) override {}
    void DepthMask(bool) override {}
    void Enable(int) override {}
    void Disable(int) override {}
    void TexEnvMode(int) override {}
    void TexRepeatNearest() override {}
    void TexImage(int, int, const std::uint32_t*) override {}
    WindowProjection CurrentProjection() const override { return WindowProjection(); }
    bool Project(double, double, double, double&, double&, double&) const override { return false; }
    bool UnProject(double, double, double, double&, double&, double&) const override { return false; }
    int TextWidth(SkyFont, const std::u32string&) const override { return 0; }
    void DrawText(SkyFont, const std::u32string&) override {}

private:
    struct Offset {
        double x, y, z;
    };
    SkyPickTable* table_ = nullptr;
    int matrixMode_ = skygl::kModelview;
    // The modelview's translations (the drawers only translate while a
    // pick list is compiled), and the projection's depth.
    std::vector<Offset> translations_{Offset{0.0, 0.0, 0.0}};
    int projectionDepth_ = 1;
    Offset raster_{0.0, 0.0, 0.0};
};

}  // namespace corvinata
