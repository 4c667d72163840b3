// What the tests of the real frame share: a frame of its own over an
// application without its catalogues. The settings under the program's
// company key (of the user and of the machine) are removed before and after
// each test.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "base/storage_service_win.h"
#include "frame/application_run.h"
#include "controls/custom_controls_setup.h"
#include "frame/frame_window.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"

namespace corvinata::test {

class FrameTest : public ::testing::Test {
protected:
    FrameTest() { RemoveSettings(); }
    ~FrameTest() override {
        // The frame's windows (tool windows among them) go before the
        // control classes they use, and those before the application.
        frame_.reset();
        programFonts_.reset();
        controls_.reset();
        app_.reset();
        DrainQuit();
        RemoveSettings();
    }

    // The packs a test announces lie below the company key of the machine.
    static void RemoveSettings() {
        Win32StorageService storage;
        for (RegistryHive hive : {RegistryHive::CurrentUser, RegistryHive::LocalMachine})
            storage.CreateRegistryNode(hive, L"\\Software\\Corvinata Software")->DeleteTree();
    }
    // A value stored below the user's hive before the program starts, as
    // an earlier run or another version left it.
    static bool StoreInt(const wchar_t* keyPath, const wchar_t* name, std::int32_t value) {
        Win32StorageService storage;
        auto key = storage.CreateRegistryNode(RegistryHive::CurrentUser, keyPath);
        return key->Create() && key->WriteInt(name, value);
    }
    // The frame posts the quit message when it is destroyed; the test's
    // thread must not see it in a later modal loop.
    static void DrainQuit() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message != WM_QUIT) DispatchMessageW(&message);
        }
    }
    // `programDirectory`: where the program's own files are (the shipped
    // picture packs); none by default.
    FrameWindow& Start(bool runStartup = true, const PathName& programDirectory = PathName()) {
        frame_.reset();
        controls_.reset();
        app_.reset();
        app_ = CreateProgramApplication(std::make_unique<Win32StorageService>(), programDirectory);
        EXPECT_TRUE(StartApplication(*app_));
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        frame_->SetShowOnCreate(false);
        EXPECT_TRUE(frame_->Create());
        if (runStartup) SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        return *frame_;
    }
    // Registers the custom controls for the rest of the test (after Start(false)
    // and before the start-up message, the tools made at start-up have them).
    void UseCustomControls() {
        controls_ = std::make_unique<CustomControlsSession>(GetModuleHandleW(nullptr), app_->Controls());
    }
    // The frame as the program starts it: the custom controls, the window
    // kinds, then the start-up message.
    FrameWindow& StartAsProgram(const PathName& programDirectory = PathName()) {
        PrepareAsProgram(programDirectory);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        return *frame_;
    }
    // All of that but the start-up message.
    void PrepareAsProgram(const PathName& programDirectory = PathName()) {
        Start(false, programDirectory);
        UseCustomControls();
        programFonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *programFonts_);
    }
    void Command(int id) { SendMessageW(frame_->Window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

public:
    // Runs the thread's messages until `done` or, as a guard against a
    // hang, `milliseconds` have passed; false then.
    static bool RunMessagesUntil(const std::function<bool()>& done, DWORD milliseconds = 30000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > milliseconds) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) continue;
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        return true;
    }

protected:
    UINT MenuState(int id) const { return GetMenuState(GetMenu(frame_->Window()), id, MF_BYCOMMAND); }

    std::unique_ptr<Application> app_;
    ModelessDialogList modeless_;
    std::unique_ptr<CustomControlsSession> controls_;
    std::unique_ptr<ProgramFonts> programFonts_;
    std::unique_ptr<FrameWindow> frame_;
};

}  // namespace corvinata::test
