// The OpenGL backend of the sky renderer: opengl32 and glu32 calls on a
// display's context, its display lists, its quadric and the glyph lists of
// the display and symbol fonts (made per character code on first use, so
// names draw by code point). The Sky displays of the process share one
// context, current on each display's DC in turn.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

#include "views/gl_child_wine_win.h"
#include "views/sky_grids.h"
#include "views/sky_projection.h"
#include "views/sky_render_gl.h"

namespace corvinata {

// A GL context with the glyph lists made in it; deleted (lists and all)
// with the last backend drawing with it.
class GlContext {
public:
    explicit GlContext(HGLRC context) noexcept : context_(context) {}
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    HGLRC Handle() const noexcept { return context_; }
    // The list of a character's glyph in a font, by font and code.
    std::map<std::pair<HFONT, char32_t>, unsigned>& Glyphs() noexcept { return glyphs_; }

private:
    HGLRC context_;
    std::map<std::pair<HFONT, char32_t>, unsigned> glyphs_;
};

// Whether a backend draws with a context of its own or with the one the
// process's Sky displays share. Sharing, a new Sky window finds the
// renderer's compiled state and the glyphs ready: only its own lists are
// compiled. (The explorers keep contexts of their own: their states
// differ.)
enum class GlContextSharing : int { kOwn, kSkyDisplays };

class SkyGlWin final : public SkyGl {
public:
    // With `copyFrames` each frame swapped is drawn onto the window with GDI
    // as well: a child window under Wine (gl_child_wine_win.h).
    SkyGlWin(HWND window, HDC dc, std::shared_ptr<GlContext> context, HFONT displayFont, HFONT symbolFont,
             bool copyFrames = false);
    // Makes the context current on its own DC before deleting its lists and
    // the quadric, then current nowhere; the context goes with its last
    // backend.
    ~SkyGlWin() override;
    SkyGlWin(const SkyGlWin&) = delete;
    SkyGlWin& operator=(const SkyGlWin&) = delete;

    HGLRC Context() const noexcept { return context_->Handle(); }

    // Called by the window's paint before the frame is drawn. After the
    // window was created or changed its size, the first frame drawn under
    // Wine went into buffers of the old size (a 98 x 98 picture in the
    // corner, or nothing at all) and only the next swap took the new size:
    // here the old buffer is shown once more first, so that the frame of
    // this paint is drawn at the window's size. Under Wine the X server
    // learns a child window's new size only once Wine sends what it queued:
    // that is asked for before the swap (SendWindowChangesToX).
    void PrepareFrame();
    // Called with the context current just before each frame is shown
    // (the tests read the frame there); none by default.
    void SetSwapObserver(std::function<void()> observer) { swapObserver_ = std::move(observer); }

    void MakeCurrent() override;
    void PassThrough(float value) override;
    void DrawBackBuffer() override;
    void SwapBuffers() override;
    void Flush() override;
    void Clear() override;
    void Viewport(int x, int y, int width, int height) override;
    void GetViewport(int viewport[4]) const override;
    void ClientSize(int& width, int& height) const override;
    void MatrixMode(int mode) override;
    int GetMatrixMode() const override;
    void LoadIdentity() override;
    void Ortho(double left, double right, double bottom, double top, double zNear,
               double zFar) override;
    void Rotate(double angle, double x, double y, double z) override;
    void Translate(double x, double y, double z) override;
    void MultMatrix(const double m[16]) override;
    void PushMatrix() override;
    void PopMatrix() override;
    int ModelviewStackDepth() const override;
    void NewList(SkyList list) override;
    void EndList() override;
    void CallList(SkyList list) override;
    void Color(double r, double g, double b) override;
    void Begin(int mode) override;
    void Vertex(double x, double y, double z) override;
    void TexCoord(double s, double t) override;
    void End() override;
    void Point(double x, double y, double z) override;
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
    void TexRepeatNearest() override;
    void TexImage(int width, int height, const std::uint32_t* bgra) override;
    WindowProjection CurrentProjection() const override { return Projection(); }
    bool Project(double x, double y, double z, double& wx, double& wy, double& wz) const override;
    bool UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const override;
    int TextWidth(SkyFont font, const std::u32string& text) const override;
    void DrawText(SkyFont font, const std::u32string& text) override;

private:
    // The projection of the matrices and viewport GL holds, made once per
    // run of labels (each label projects and unprojects) and dropped by every
    // call that may change them. Never kept across a context switch or a list.
    const WindowProjection& Projection() const;
    void DropMatrices() noexcept { matricesValid_ = false; }
    unsigned GlyphList(SkyFont font, char32_t code);

    mutable WindowProjection projection_;
    mutable bool matricesValid_ = false;
    // The labels' widths by font: the same few hundred texts every frame.
    mutable std::unordered_map<std::u32string, int> widths_[2];

    HWND window_;
    HDC dc_;
    std::shared_ptr<GlContext> context_;
    // The client size of the last paint; none before the first.
    int paintedWidth_ = -1;
    int paintedHeight_ = -1;
    std::function<void()> swapObserver_;
    std::optional<GlFrameCopy> frameCopy_;
    HFONT fonts_[2];
    unsigned listBase_ = 0;
    void* quadric_ = nullptr;
};

// Sets the pixel format on the window's DC (double-buffered RGBA, 24 colour
// and 16 depth bits; a child window under Wine prepared first for the copies
// of its frames that show them), creates the context (or, sharing, takes the
// Sky displays' one when they have one) and makes it current, then the lists,
// the quadric, depth test with GL_LEQUAL (later layers cover earlier ones at
// equal depth), blending by source alpha and a black clear colour.
// `displayFont` and `symbolFont` stay owned by the caller and must outlive the
// backend. Answers null when no context could be made.
std::unique_ptr<SkyGlWin> CreateSkyGlWin(HWND window, HDC dc, HFONT displayFont, HFONT symbolFont,
                                         GlContextSharing sharing = GlContextSharing::kOwn);

// Reads a horizon picture from a bitmap resource: GetDIBits asked for 32-bit
// BI_RGB rows, bottom row first, with the size checked.
bool LoadHorizonBitmap(HINSTANCE instance, const wchar_t* name, HorizonImage& image);
// LoadHorizonTextures with pictures from the module's resources.
void LoadHorizonTexturesFromResources(HINSTANCE instance);

}  // namespace corvinata
