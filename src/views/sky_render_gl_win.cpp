#include "views/sky_render_gl_win.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <array>

#include <string>
#include <vector>

#include "base/dib_header_win.h"

#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

namespace corvinata {

namespace {

GLUquadric* Quadric(void* q) { return static_cast<GLUquadric*>(q); }

std::wstring Utf16(const std::u32string& text) {
    std::wstring out;
    for (char32_t c : text) {
        if (c >= 0x10000) {
            const char32_t v = c - 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (v >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (v & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(c));
        }
    }
    return out;
}

// Selects a font into a DC for the lifetime of the object.
class SelectedFont {
public:
    SelectedFont(HDC dc, HFONT font) : dc_(dc), old_(font ? SelectObject(dc, font) : nullptr) {}
    ~SelectedFont() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// The context the Sky displays share while any of them lives.
std::weak_ptr<GlContext>& SkyDisplaysContext() {
    static std::weak_ptr<GlContext> context;
    return context;
}

}  // namespace

std::unique_ptr<SkyGlWin> CreateSkyGlWin(HWND window, HDC dc, HFONT displayFont, HFONT symbolFont,
                                         GlContextSharing sharing) {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;
    const bool copyFrames = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) && GlChildFramesNeedCopying();
    if (copyFrames) PrepareGlFrameCopies(window);
    // Choosing a format takes Wine some ten milliseconds; every display
    // of the process takes the one chosen for the first.
    static int chosen = 0;
    if (chosen == 0 || !SetPixelFormat(dc, chosen, &pfd)) {
        chosen = ChoosePixelFormat(dc, &pfd);
        if (chosen == 0 || !SetPixelFormat(dc, chosen, &pfd)) return nullptr;
    }
    std::weak_ptr<GlContext>& skyDisplays = SkyDisplaysContext();
    std::shared_ptr<GlContext> context;
    if (sharing == GlContextSharing::kSkyDisplays) context = skyDisplays.lock();
    // A context that cannot be current on this DC is not shared with it.
    if (context && !wglMakeCurrent(dc, context->Handle())) context.reset();
    if (!context) {
        HGLRC made = wglCreateContext(dc);
        if (!made) return nullptr;
        context = std::make_shared<GlContext>(made);
        if (!wglMakeCurrent(dc, made)) return nullptr;
        if (sharing == GlContextSharing::kSkyDisplays) skyDisplays = context;
    }
    return std::make_unique<SkyGlWin>(window, dc, std::move(context), displayFont, symbolFont, copyFrames);
}

GlContext::~GlContext() {
    // Its lists, the glyphs among them, go with it.
    if (wglGetCurrentContext() == context_) wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
}

SkyGlWin::SkyGlWin(HWND window, HDC dc, std::shared_ptr<GlContext> context, HFONT displayFont,
                   HFONT symbolFont, bool copyFrames)
    : window_(window), dc_(dc), context_(std::move(context)), fonts_{displayFont, symbolFont} {
    if (copyFrames) frameCopy_.emplace();
    MakeCurrent();
    listBase_ = glGenLists(kSkyListCount);
    quadric_ = gluNewQuadric();
    glEnable(GL_DEPTH_TEST);
    // Later layers cover earlier ones at equal depth on the sphere.
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearAccum(0, 0, 0, 0);
    glClearColor(0, 0, 0, 0);
}

SkyGlWin::~SkyGlWin() {
    // Another display's context may be current, or ours on another DC.
    wglMakeCurrent(dc_, context_->Handle());
    if (listBase_) glDeleteLists(listBase_, kSkyListCount);
    if (quadric_) gluDeleteQuadric(Quadric(quadric_));
    wglMakeCurrent(nullptr, nullptr);
}

void SkyGlWin::MakeCurrent() {
    if (wglGetCurrentContext() != context_->Handle() || wglGetCurrentDC() != dc_) {
        DropMatrices();
        wglMakeCurrent(dc_, context_->Handle());
    }
}

const WindowProjection& SkyGlWin::Projection() const {
    if (!matricesValid_) {
        GlMatrix model{};
        GlMatrix projection{};
        glGetDoublev(GL_MODELVIEW_MATRIX, model.data());
        glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        const int v[4] = {viewport[0], viewport[1], viewport[2], viewport[3]};
        projection_ = WindowProjection(model, projection, v);
        matricesValid_ = true;
    }
    return projection_;
}

void SkyGlWin::PassThrough(float value) { glPassThrough(value); }
void SkyGlWin::DrawBackBuffer() { glDrawBuffer(GL_BACK); }
void SkyGlWin::PrepareFrame() {
    int width = 0;
    int height = 0;
    ClientSize(width, height);
    if (width == paintedWidth_ && height == paintedHeight_) return;
    paintedWidth_ = width;
    paintedHeight_ = height;
    MakeCurrent();
    if (frameCopy_) SendWindowChangesToX(window_);
    ::SwapBuffers(dc_);
}

void SkyGlWin::SwapBuffers() {
    if (swapObserver_) swapObserver_();
    if (frameCopy_) {
        int width = 0;
        int height = 0;
        ClientSize(width, height);
        frameCopy_->Read(width, height);
    }
    ::SwapBuffers(dc_);
    if (frameCopy_) frameCopy_->Show(window_);
}
void SkyGlWin::Flush() { glFlush(); }
void SkyGlWin::Clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }
void SkyGlWin::Viewport(int x, int y, int width, int height) {
    DropMatrices();
    glViewport(x, y, width, height);
}

void SkyGlWin::GetViewport(int viewport[4]) const {
    GLint v[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, v);
    for (int k = 0; k < 4; ++k) viewport[k] = v[k];
}

void SkyGlWin::ClientSize(int& width, int& height) const {
    RECT r{};
    GetClientRect(window_, &r);
    width = r.right - r.left;
    height = r.bottom - r.top;
}

void SkyGlWin::MatrixMode(int mode) { glMatrixMode(static_cast<GLenum>(mode)); }

int SkyGlWin::GetMatrixMode() const {
    GLint mode = GL_MODELVIEW;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    return mode;
}

void SkyGlWin::LoadIdentity() {
    DropMatrices();
    glLoadIdentity();
}

void SkyGlWin::Ortho(double left, double right, double bottom, double top, double zNear,
                     double zFar) {
    DropMatrices();
    glOrtho(left, right, bottom, top, zNear, zFar);
}

void SkyGlWin::Rotate(double angle, double x, double y, double z) {
    DropMatrices();
    glRotated(angle, x, y, z);
}
void SkyGlWin::Translate(double x, double y, double z) {
    DropMatrices();
    glTranslated(x, y, z);
}
void SkyGlWin::MultMatrix(const double m[16]) {
    DropMatrices();
    glMultMatrixd(m);
}
void SkyGlWin::PushMatrix() { glPushMatrix(); }
void SkyGlWin::PopMatrix() {
    DropMatrices();
    glPopMatrix();
}

int SkyGlWin::ModelviewStackDepth() const {
    GLint depth = 1;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

void SkyGlWin::NewList(SkyList list) {
    glNewList(listBase_ + static_cast<GLuint>(list), GL_COMPILE);
}

void SkyGlWin::EndList() { glEndList(); }
void SkyGlWin::CallList(SkyList list) {
    DropMatrices();
    glCallList(listBase_ + static_cast<GLuint>(list));
}
void SkyGlWin::Color(double r, double g, double b) { glColor3d(r, g, b); }
void SkyGlWin::Begin(int mode) { glBegin(static_cast<GLenum>(mode)); }
void SkyGlWin::Vertex(double x, double y, double z) { glVertex3d(x, y, z); }
void SkyGlWin::TexCoord(double s, double t) { glTexCoord2d(s, t); }
void SkyGlWin::End() { glEnd(); }

void SkyGlWin::Point(double x, double y, double z) {
    glBegin(GL_POINTS);
    glVertex3d(x, y, z);
    glEnd();
}

void SkyGlWin::Points(const SkyPixel* pixels, int count) {
    if (count <= 0) return;
    // A list being compiled takes the arrays' contents; the client state
    // itself is not compiled.
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_DOUBLE, sizeof(SkyPixel), &pixels[0].x);
    glColorPointer(3, GL_DOUBLE, sizeof(SkyPixel), &pixels[0].r);
    glDrawArrays(GL_POINTS, 0, count);
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

void SkyGlWin::RasterPos(double x, double y, double z) { glRasterPos3d(x, y, z); }

void SkyGlWin::DrawPixels(int width, int height, const std::uint8_t* rgb) {
    glDrawPixels(width, height, GL_RGB, GL_UNSIGNED_BYTE, rgb);
}

void SkyGlWin::PixelZoom(double x, double y) {
    glPixelZoom(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
}

void SkyGlWin::Bitmap(int width, int height, double xorig, double yorig, const std::uint8_t* bits) {
    glBitmap(width, height, static_cast<GLfloat>(xorig), static_cast<GLfloat>(yorig), 0, 0, bits);
}

void SkyGlWin::Sphere(double radius, int slices, int stacks) {
    gluSphere(Quadric(quadric_), radius, slices, stacks);
}

void SkyGlWin::DepthMask(bool write) { glDepthMask(write ? GL_TRUE : GL_FALSE); }
void SkyGlWin::Enable(int capability) { glEnable(static_cast<GLenum>(capability)); }
void SkyGlWin::Disable(int capability) { glDisable(static_cast<GLenum>(capability)); }
void SkyGlWin::TexEnvMode(int mode) { glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode); }

void SkyGlWin::TexRepeatNearest() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void SkyGlWin::TexImage(int width, int height, const std::uint32_t* bgra) {
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_BGRA_EXT, GL_UNSIGNED_BYTE, bgra);
}

bool SkyGlWin::Project(double x, double y, double z, double& wx, double& wy, double& wz) const {
    return Projection().Project(x, y, z, wx, wy, wz);
}

bool SkyGlWin::UnProject(double wx, double wy, double wz, double& x, double& y, double& z) const {
    return Projection().UnProject(wx, wy, wz, x, y, z);
}

int SkyGlWin::TextWidth(SkyFont font, const std::u32string& text) const {
    auto& widths = widths_[static_cast<int>(font)];
    const auto known = widths.find(text);
    if (known != widths.end()) return known->second;
    const HFONT chosen = fonts_[static_cast<int>(font)] ? fonts_[static_cast<int>(font)] : fonts_[0];
    SelectedFont selected(dc_, chosen);
    const std::wstring wide = Utf16(text);
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size)) return 0;
    widths.emplace(text, size.cx);
    return size.cx;
}

unsigned SkyGlWin::GlyphList(SkyFont font, char32_t code) {
    const HFONT chosen = fonts_[static_cast<int>(font)] ? fonts_[static_cast<int>(font)] : fonts_[0];
    auto& lists = context_->Glyphs();
    const auto found = lists.find({chosen, code});
    if (found != lists.end()) return found->second;
    const GLuint list = glGenLists(1);
    if (list == 0) return 0;
    SelectedFont selected(dc_, chosen);
    // Characters beyond the 16-bit plane draw as a question mark.
    const wchar_t character = code < 0x10000 ? static_cast<wchar_t>(code) : L'?';
    GLYPHMETRICS metrics{};
    static constexpr MAT2 kIdentity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const DWORD bitmapSize = GetGlyphOutlineW(dc_, character, GGO_BITMAP, &metrics, 0, nullptr, &kIdentity);
    // A glyph with no pixels (the blank) made by wglUseFontBitmapsW moves
    // the pen by nothing under Wine's GL, and labels ran their words
    // together: such a glyph, or one the font cannot give, is a bitmap of
    // one clear pixel that moves the pen by the character's width.
    if (bitmapSize == 0 || bitmapSize == GDI_ERROR || !wglUseFontBitmapsW(dc_, character, 1, list)) {
        SIZE size{};
        GetTextExtentPoint32W(dc_, &character, 1, &size);
        static constexpr GLubyte kClear[4] = {};
        glNewList(list, GL_COMPILE);
        glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(size.cx), 0.0f, kClear);
        glEndList();
    }
    lists.emplace(std::make_pair(chosen, code), list);
    return list;
}

void SkyGlWin::DrawText(SkyFont font, const std::u32string& text) {
    std::vector<GLuint> lists;
    lists.reserve(text.size());
    for (char32_t c : text) {
        if (const unsigned list = GlyphList(font, c)) lists.push_back(list);
    }
    if (lists.empty()) return;
    glListBase(0);
    glCallLists(static_cast<GLsizei>(lists.size()), GL_UNSIGNED_INT, lists.data());
}

bool LoadHorizonBitmap(HINSTANCE instance, const wchar_t* name, HorizonImage& image) {
    image = HorizonImage{};
    // A DIB section keeps the pictures' 32 bits, alpha included.
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return false;
    BITMAP info{};
    bool ok = GetObjectW(bitmap, sizeof info, &info) == sizeof info && info.bmWidth > 0 &&
              info.bmHeight > 0 && info.bmWidth <= 4096 && info.bmHeight <= 1024;
    if (ok) {
        // Ask for exactly 32-bit BI_RGB rows, bottom row first: no colour
        // masks follow the header, and the buffer is what GL will read.
        BITMAPINFO request = DibHeader(info.bmWidth, info.bmHeight, 32, DibRows::kBottomUp);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) *
                                          static_cast<std::size_t>(info.bmHeight));
        HDC dc = GetDC(nullptr);
        const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                                   &request, DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        ok = rows == info.bmHeight;
        if (ok) {
            image.width = info.bmWidth;
            image.height = info.bmHeight;
            image.pixels = std::move(pixels);
        }
    }
    DeleteObject(bitmap);
    return ok;
}

void LoadHorizonTexturesFromResources(HINSTANCE instance) {
    LoadHorizonTextures([instance](const Char* name, HorizonImage& image) {
        return LoadHorizonBitmap(instance, name, image);
    });
}

}  // namespace corvinata
