// The thin OpenGL 1.1 interface the sky renderer draws through. The renderer
// itself is platform-free: the Windows display hands it a backend that calls
// opengl32/glu32 (sky_render_gl_win), the tests and benchmarks one that
// records the calls (sky_render_recording). Enumerations carry the values of
// the OpenGL headers so that a backend can pass them on unchanged.
#pragma once

#include <cstdint>
#include <string>

#include "views/sky_projection.h"

namespace corvinata {

namespace skygl {
// Primitive modes.
constexpr int kPoints = 0x0000;
constexpr int kLines = 0x0001;
constexpr int kLineLoop = 0x0002;
constexpr int kLineStrip = 0x0003;
constexpr int kQuadStrip = 0x0008;
// Matrix modes.
constexpr int kModelview = 0x1700;
constexpr int kProjection = 0x1701;
// Capabilities the renderer switches.
constexpr int kTexture2D = 0x0DE1;
constexpr int kBlend = 0x0BE2;
// Texture environment modes.
constexpr int kModulate = 0x2100;
constexpr int kReplace = 0x1E01;
// Feedback tokens (values of GL_PASS_THROUGH_TOKEN and its neighbours).
constexpr float kPassThroughToken = 1792.0f;  // 0x0700
constexpr float kPointToken = 1793.0f;
constexpr float kLineToken = 1794.0f;
constexpr float kPolygonToken = 1795.0f;
constexpr float kBitmapToken = 1796.0f;
constexpr float kDrawPixelToken = 1797.0f;
constexpr float kCopyPixelToken = 1798.0f;
constexpr float kLineResetToken = 1799.0f;
}  // namespace skygl

// The renderer's display lists, as offsets from the display's base. A frame
// sets the view and calls the layers of its configuration (full, or coarse
// while the user drags), then the horizontal frame's list. Those lists call
// the parts below, each compiled in its own frame (the catalogues' epochs,
// the date's equinox, the horizon) and rebuilt only when what it draws
// changes: a turn or a zoom of the view rebuilds nothing, a step of time
// only the moving bodies.
enum class SkyList : int {
    kHorizontalFrame = 0,  // the horizontal grid and the horizon band
    kFullLayers = 1,
    kCoarseLayers = 2,
    kGridAndEcliptic = 3,  // the equator's frame of the date
    kFigures = 4,          // J2000
    kBoundaries = 5,       // B1875
    kDeepSky = 6,          // J2000
    kStars = 7,            // J2000, every star to the magnitude limit
    kBrightStars = 8,      // J2000, the coarse configuration's stars
    kMovingBodies = 9,     // the date's: planets with tracks, the Sun, the Moon
    kSunMoonSphere = 10,   // the Sun's and the Moon's sphere, compiled once
};
constexpr int kSkyListCount = 11;

// One pixel of a batch: a model point and its colour (0..1 each).
struct SkyPixel {
    double x, y, z;
    double r, g, b;
};

// Fonts of the labels: the display font for names, the program's symbol font
// for planet symbols and Bayer letters.
enum class SkyFont : int { kDisplay = 0, kSymbol = 1 };

class SkyGl {
public:
    virtual ~SkyGl() = default;

    // Makes the display's context current when it is not (several displays
    // share the user-interface thread).
    virtual void MakeCurrent() = 0;
    // glPassThrough: a marker in a feedback stream (the pick codes).
    virtual void PassThrough(float value) = 0;

    virtual void DrawBackBuffer() = 0;
    virtual void SwapBuffers() = 0;
    virtual void Flush() = 0;
    virtual void Clear() = 0;  // colour (to black) and depth
    virtual void Viewport(int x, int y, int width, int height) = 0;
    virtual void GetViewport(int viewport[4]) const = 0;
    // The display's client size in pixels.
    virtual void ClientSize(int& width, int& height) const = 0;

    virtual void MatrixMode(int mode) = 0;
    virtual int GetMatrixMode() const = 0;
    virtual void LoadIdentity() = 0;
    virtual void Ortho(double left, double right, double bottom, double top, double zNear,
                       double zFar) = 0;
    virtual void Rotate(double angle, double x, double y, double z) = 0;
    virtual void Translate(double x, double y, double z) = 0;
    // Multiplies the current matrix by m (column-major, as glMultMatrixd).
    virtual void MultMatrix(const double m[16]) = 0;
    virtual void PushMatrix() = 0;
    virtual void PopMatrix() = 0;
    virtual int ModelviewStackDepth() const = 0;

    virtual void NewList(SkyList list) = 0;
    virtual void EndList() = 0;
    virtual void CallList(SkyList list) = 0;

    virtual void Color(double r, double g, double b) = 0;
    virtual void Begin(int mode) = 0;
    virtual void Vertex(double x, double y, double z) = 0;
    virtual void TexCoord(double s, double t) = 0;
    virtual void End() = 0;
    // One pixel of the current colour at a model point (a GL point of size 1).
    virtual void Point(double x, double y, double z) = 0;
    // Pixels of their own colours, in order: what a Color and a Point each
    // draw, as one primitive (thousands of stars compile and draw at once).
    // The current colour is undefined afterwards.
    virtual void Points(const SkyPixel* pixels, int count) = 0;

    virtual void RasterPos(double x, double y, double z) = 0;
    // A w x h RGB image (rows padded to 4 bytes) at the raster position.
    virtual void DrawPixels(int width, int height, const std::uint8_t* rgb) = 0;
    virtual void PixelZoom(double x, double y) = 0;
    // A bitmap of the raster colour (rows of bytes, bottom row first, most
    // significant bit leftmost) whose (xorig, yorig) lies on the raster position.
    virtual void Bitmap(int width, int height, double xorig, double yorig,
                        const std::uint8_t* bits) = 0;
    // gluSphere with the context's quadric.
    virtual void Sphere(double radius, int slices, int stacks) = 0;

    // glDepthMask: whether what is drawn writes the depth buffer.
    virtual void DepthMask(bool write) = 0;
    virtual void Enable(int capability) = 0;
    virtual void Disable(int capability) = 0;
    virtual void TexEnvMode(int mode) = 0;
    // Wrap GL_REPEAT in s and t, GL_NEAREST both ways.
    virtual void TexRepeatNearest() = 0;
    // glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE).
    virtual void TexImage(int width, int height, const std::uint32_t* bgra) = 0;

    // The window projection of the current matrices and viewport, and
    // gluProject / gluUnProject with them.
    virtual WindowProjection CurrentProjection() const = 0;
    virtual bool Project(double x, double y, double z, double& wx, double& wy, double& wz) const = 0;
    virtual bool UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const = 0;

    // Width in pixels of a text in a font, and the text drawn by code point at
    // the raster position.
    virtual int TextWidth(SkyFont font, const std::u32string& text) const = 0;
    virtual void DrawText(SkyFont font, const std::u32string& text) = 0;
};

}  // namespace corvinata
