// The frames a GL display shows, each read from its back buffer just before
// it is swapped to the screen, for the tests of what a window shows first.
#pragma once

#include <windows.h>

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "support/drawn_pixels_win.h"
#include "views/sky_display_win.h"
#include "views/sky_render.h"
#include "views/sky_render_gl_win.h"

namespace corvinata::test {

class ShownFrames {
public:
    ShownFrames(SkyGlWin& gl, HWND window) : gl_(gl) {
        gl_.SetSwapObserver([this, window] {
            RECT client{};
            GetClientRect(window, &client);
            std::vector<unsigned char> rgba(static_cast<std::size_t>(client.right) * client.bottom * 4);
            glReadBuffer(GL_BACK);
            glReadPixels(0, 0, client.right, client.bottom, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
            frames_.push_back(std::move(rgba));
        });
    }
    ~ShownFrames() { gl_.SetSwapObserver(nullptr); }
    ShownFrames(const ShownFrames&) = delete;
    ShownFrames& operator=(const ShownFrames&) = delete;

    std::size_t Count() const noexcept { return frames_.size(); }
    const std::vector<unsigned char>& At(std::size_t i) const { return frames_[i]; }
    const std::vector<unsigned char>& Last() const { return frames_.back(); }

private:
    SkyGlWin& gl_;
    std::vector<std::vector<unsigned char>> frames_;
};

// A frame of the Sky display drawn now, as it goes to the screen: read from
// the back buffer at its swap, bottom row first as GL reads. After the swap
// the back buffer's contents are undefined, whatever a driver happens to
// keep there.
inline std::vector<unsigned char> DrawnFrame(SkyDisplay& display) {
    const ShownFrames shown(*display.Gl(), display.Window());
    display.Renderer()->SkyRenderFrame();
    EXPECT_EQ(shown.Count(), 1u) << "the frame was not swapped to the screen";
    return shown.Count() > 0 ? shown.Last() : std::vector<unsigned char>();
}

// A frame (as ShownFrames reads it: RGBA, bottom row first) against what
// the screen shows of the window's client area.
struct FrameOnScreen {
    int pixels = 0;
    // The pixels the screen shows otherwise.
    int differing = 0;
    // The colours of the frame, up to two: a frame of one colour shows
    // nothing drawn.
    int colours = 0;
    // The screen's pixel at the centre (0x00RRGGBB).
    std::uint32_t centre = 0;
};

inline FrameOnScreen CompareWithScreen(const std::vector<unsigned char>& frame, HWND window) {
    int width = 0;
    int height = 0;
    const std::vector<std::uint32_t> screen = ShownOnScreen(window, width, height);
    FrameOnScreen result;
    if (frame.size() != screen.size() * 4 || screen.empty()) return result;
    result.pixels = width * height;
    result.centre = screen[static_cast<std::size_t>(height / 2) * width + width / 2];
    std::uint32_t first = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* f = &frame[(static_cast<std::size_t>(height - 1 - y) * width + x) * 4];
            const std::uint32_t drawn = (std::uint32_t{f[0]} << 16) | (std::uint32_t{f[1]} << 8) | f[2];
            if (screen[static_cast<std::size_t>(y) * width + x] != drawn) ++result.differing;
            if (result.colours == 0) first = drawn;
            if (result.colours < 2) result.colours = drawn == first ? 1 : 2;
        }
    }
    return result;
}

// Runs the messages waiting in the queue (paints among them).
inline void RunWaitingMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Paints the display and holds what the screen shows of it against the
// frame it drew.
inline void ExpectScreenShowsThePaintedFrame(SkyGlWin& gl, HWND display) {
    const ShownFrames shown(gl, display);
    RedrawWindow(display, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The message loop gone quiet is where what was painted reaches the
    // screen.
    RunWaitingMessages();
    ASSERT_GT(shown.Count(), 0u);
    const FrameOnScreen seen = CompareWithScreen(shown.Last(), display);
    ASSERT_GT(seen.pixels, 0);
    EXPECT_EQ(seen.colours, 2) << "the frame shows nothing drawn";
    EXPECT_EQ(seen.differing, 0) << "of " << seen.pixels << " pixels; at the centre the screen shows " << std::hex
                                 << seen.centre;
}

}  // namespace corvinata::test
