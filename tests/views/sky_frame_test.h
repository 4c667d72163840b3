// What the tests of Sky windows in the real frame share: the frame as the
// program starts it (custom controls, window kinds), its Sky windows, Sirius,
// a chart read back from its GL context, and keys typed for real.
#pragma once

#include <windows.h>

#include <GL/gl.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "../frame/frame_test.h"
#include "../frame/typed_keys.h"
#include "shown_frames.h"
#include "catalog/star_catalogue.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "support/date_records.h"
#include "views/sky_display_win.h"
#include "views/sky_window_win.h"

namespace corvinata::test {

struct Pixel {
    int r, g, b;
};

class SkyFrameTest : public FrameTest {
protected:
    SkyFrameTest() { StartProgram(); }
    ~SkyFrameTest() override {
        if (frame_) Command(CMD_CLOSE_ALL);
        frame_.reset();
        fonts_.reset();
    }
    void StartProgram() {
        Start(false);
        UseCustomControls();
        ShowWindow(frame_->Window(), SW_SHOW);
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // The program closed as the user closes it (its settings written) and
    // started again.
    void Restart() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        frame_.reset();
        fonts_.reset();
        app_.reset();
        DrainQuit();
        StartProgram();
    }
    SkyWindow& NewSky() {
        Command(CMD_NEW_SKY);
        auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
        EXPECT_NE(sky, nullptr);
        return *sky;
    }
    std::vector<SkyWindow*> SkyWindows() {
        std::vector<SkyWindow*> windows;
        for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
            if (auto* sky = dynamic_cast<SkyWindow*>(open)) windows.push_back(sky);
        }
        return windows;
    }
    static const CelestialObject& Sirius() {
        const StarCatalogue& stars = GetStarCatalogue();
        return *stars.At(stars.StarByCatalogueName(TXT("BSC 2491")));
    }
    // Sirius at the centre of the window, in that map at that field. In the
    // maps of the horizon the document's moment is one at which Sirius stands
    // well above it (a December night at the default place): the view, and a
    // drag of it, must not depend on the hour the test runs at.
    static void LookAtSirius(SkyWindow& sky, int mapType = kEquatorialMap, int zoom = 30) {
        if (mapType != kEquatorialMap)
            sky.GetDocument().SetDateTime(MakeDateTime(2026, 12, 9, 1.0, kLocalCivilTime), false, true);
        SkyOptions options = sky.GetOptions();
        options.mapType = mapType;
        sky.SetOptions(options);
        sky.SetZoom(zoom);
        sky.SetViewDirection(sky.ComputeLookDirection(sky.BodyPosition(Sirius()), zoom));
        sky.UpdateView(0, true);
    }
    // Where the window draws Sirius (client pixels).
    static POINT SiriusPixel(SkyWindow& sky) {
        int x = -1;
        int y = -1;
        sky.Display()->Renderer()->SkyRenderFrame();
        EXPECT_TRUE(sky.Display()->Renderer()->SkyProjectObject(Sirius(), x, y));
        return POINT{x, y};
    }
    // A fresh frame of the window as it goes to the screen (DrawnFrame: the
    // window's own context, for a screenshot of a GL child may be black),
    // top row first. The window runs its waiting messages and paints itself
    // first, as on the screen: its own paint is where a new size reaches the
    // GL drawable, which a frame drawn straight after a size change misses.
    static std::vector<Pixel> ReadFrame(SkyWindow& sky, int& width, int& height) {
        RunWaitingMessages();
        UpdateWindow(sky.Display()->Window());
        RECT client{};
        GetClientRect(sky.Display()->Window(), &client);
        width = client.right;
        height = client.bottom;
        const std::vector<unsigned char> rgba = DrawnFrame(*sky.Display());
        std::vector<Pixel> pixels(static_cast<std::size_t>(width) * height);
        if (rgba.size() != pixels.size() * 4) return pixels;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const unsigned char* p = &rgba[(static_cast<std::size_t>(height - 1 - y) * width + x) * 4];
                pixels[static_cast<std::size_t>(y) * width + x] = {p[0], p[1], p[2]};
            }
        }
        return pixels;
    }
    // Keys typed for real into the frame, brought to the foreground, and
    // the program's message loop run until it is quiet (TypedKeys): menus
    // and modal dialogs the keys open take those after.
    void Keys(std::initializer_list<std::initializer_list<WORD>> chords) {
        SetForegroundWindow(frame_->Window());
        TypedKeys(*frame_, modeless_).Keys(chords);
    }
    // Keys into menus and dialogs: each chord once the one before has
    // opened what it opens (TypedKeys::Steps); false when that did not come.
    bool KeySteps(const std::vector<KeyStep>& steps) {
        SetForegroundWindow(frame_->Window());
        return TypedKeys(*frame_, modeless_).Steps(steps);
    }
    static bool MenuOpen() { return TypedKeys::MenuOpen(); }
    static bool SubmenuOpen() { return TypedKeys::SubmenuOpen(); }
    static bool NoModalDialog() { return TypedKeys::NoModalDialog(); }

    std::unique_ptr<ProgramFonts> fonts_;
};

}  // namespace corvinata::test
