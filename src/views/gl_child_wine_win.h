// What an OpenGL child window needs under Wine to show its frames.
//
// Under Wine (8, on X with the Composite extension) the context of a child
// window draws into an offscreen X window, and the swap copies that onto
// the X drawable of the window's DC; a child window's DC has none, so the
// copy goes nowhere. The window surface the top-level window and its
// children paint into leaves the client area of a child with a pixel format
// out as well, so GDI drawn there shows nothing either: the display keeps
// whatever the screen had. A display that is transparent to its parent
// (WS_EX_TRANSPARENT) is left in that surface, and each frame, read from
// the back buffer, is drawn onto it with GDI through its window DC, which
// paints into the surface.
//
// Windows shows the swap itself: nothing of this is done there.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace corvinata {

// Whether the frames of a GL child window must be copied onto it to be
// seen: true under Wine.
bool GlChildFramesNeedCopying();

// Makes `window` transparent to its parent's painting, so that the window
// surface keeps its area. Called before its pixel format is set, which is
// when Wine takes the area out of the surface.
void PrepareGlFrameCopies(HWND window);

// Sends the X server what Wine holds back of the changes to the windows of
// `window`'s thread. Wine queues a child's new size for its X window
// without sending it, and a frame drawn before something else sends it
// goes to buffers of the old size (the picture of a new window in a corner
// of it, the rest black). A top-level window's position change sends the
// queue; one that changes nothing is asked for.
void SendWindowChangesToX(HWND window);

// One frame of a GL window, drawn onto the window with GDI.
class GlFrameCopy {
public:
    // Reads the back buffer of the current context (the frame about to be
    // swapped), `width` x `height` pixels from the bottom left.
    void Read(int width, int height);
    // Draws the frame read last into `window`'s client area.
    void Show(HWND window) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace corvinata
