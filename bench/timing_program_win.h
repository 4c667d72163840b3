// The program as a timing program starts it in its own process: settings
// under a key of the timing program's own, the custom controls, the frame
// (shown, 1260 x 1000, with its panes), the fonts and the window kinds, the
// application's moment set to the eclipse of 11 August 1999, noon UT.
#pragma once

#include <windows.h>

#include <memory>

#include "controls/custom_controls_setup.h"
#include "controls/program_fonts.h"
#include "frame/application_run.h"
#include "frame/frame_window.h"
#include "frame/window_kinds.h"
#include "own_settings_storage_win.h"
#include "resources/resource_ids.h"

namespace corvinata::timing {

class StartedProgram {
public:
    explicit StartedProgram(const wchar_t* settingsName)
        : app_(CreateProgramApplication(std::make_unique<OwnSettingsStorage>(settingsName), ProgramPath())) {
        if (!StartApplication(*app_)) return;
        controls_ = std::make_unique<CustomControlsSession>(GetModuleHandleW(nullptr), app_->Controls());
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        frame_->SetShowOnCreate(false);
        if (!frame_->Create()) return;
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), HWND_TOP, 0, 0, 1260, 1000, SWP_SHOWWINDOW);
        DateTime date;
        date.year = 1999, date.month = 8, date.day = 11, date.hours = 12.0, date.timeSystem = kUniversalTime;
        app_->Current().SetDateTime(date, false);
        started_ = true;
    }
    ~StartedProgram() {
        if (started_) SendMessageW(frame_->Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
        frame_.reset();
        fonts_.reset();
        controls_.reset();
    }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool Started() const noexcept { return started_; }

    // Runs the messages waiting, and no more, as the program's own loop
    // handles them: the frame's keys (its accelerators, and Tab and the
    // arrows in a panel or a modeless dialog) before the window's own.
    void Pump() {
        MSG message;
        for (int i = 0; i < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
            if (message.message == WM_QUIT || frame_->PreTranslate(message, accelerators_, modeless_)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    Application& App() { return *app_; }
    FrameWindow& Frame() { return *frame_; }

private:
    static PathName ProgramPath() {
        wchar_t module[MAX_PATH + 1] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        PathName program;
        program.SetPath(module);
        return program;
    }

    std::unique_ptr<Application> app_;
    std::unique_ptr<CustomControlsSession> controls_;
    ModelessDialogList modeless_;
    std::unique_ptr<FrameWindow> frame_;
    std::unique_ptr<ProgramFonts> fonts_;
    HACCEL accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), L"AST_IDR_ACCELERATOR");
    bool started_ = false;
};

}  // namespace corvinata::timing
