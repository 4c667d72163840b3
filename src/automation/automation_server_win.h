// The program as an automation server: the type library's registration, the
// class factory that hands out the one application object, and what every
// object reaches of the running program (its application, its frame, the
// windows it drives).
#pragma once

#include <windows.h>

#include <cstdint>

#include "automation/dispatch_object_win.h"

namespace corvinata {
class Application;
class FrameWindow;
class MdiChildWindow;
}  // namespace corvinata

namespace corvinata::automation {

// The program file's type library (its TYPELIB resource) in the registry.
bool RegisterTypeLibrary(const wchar_t* programPath);

class AppObject;

// Serves the program's objects for the life of the frame.
class AutomationServer {
public:
    // `embedded`: the program was started by a client ("-Embedding"): it
    // stays hidden and ends when its client lets go of the application.
    AutomationServer(Application& app, FrameWindow& frame, bool embedded);
    ~AutomationServer();
    AutomationServer(const AutomationServer&) = delete;
    AutomationServer& operator=(const AutomationServer&) = delete;

    // Registers the type library and the class factory (single use, local
    // server); false when the factory could not be registered.
    bool Start(const wchar_t* programPath);

    Application& App() const noexcept { return app_; }
    FrameWindow& Frame() const noexcept { return frame_; }
    bool Embedded() const noexcept { return embedded_; }
    const wchar_t* ProgramPath() const noexcept { return programPath_; }

    // The one application object: a second creation gets it with a
    // reference added.
    HRESULT CreateApp(REFIID riid, void** out);
    void AppGone(AppObject& app);
    // The client let go of the application: an embedded server saves
    // nothing of the user's, closes its windows without asking and ends;
    // while a dialog, message box or menu is open (the client showed the
    // program, the user opened one) only after it has been closed.
    void EndAfterLastRelease();
    // A copy started for a client that never came ends instead of waiting
    // hidden for ever.
    void EndWithoutClient();

private:
    Application& app_;
    FrameWindow& frame_;
    bool embedded_;
    wchar_t programPath_[MAX_PATH + 1] = {};
    AppObject* appObject_ = nullptr;
    bool clientCame_ = false;
    UINT_PTR waitTimer_ = 0;
    // Asks again whether the end may go on, while a modal loop keeps it.
    UINT_PTR endTimer_ = 0;
    DWORD registration_ = 0;
    bool registered_ = false;
};

// How long a copy started by COM waits for its client's first creation.
constexpr UINT kWaitForClient = 20000;

// The server of this process, or none (before start-up and after the frame
// has gone: objects a client still holds then do nothing).
AutomationServer* CurrentServer() noexcept;

// A child window an object drives, known by the creation number the
// window registry gave it: a window that has closed (by the user, by a close
// member or with all others) is never touched again, and a new window that
// happens to take the same address is not taken for it.
class WindowTarget {
public:
    WindowTarget() = default;
    explicit WindowTarget(MdiChildWindow* window);

    // The window while it is one of the program's open windows, else none.
    MdiChildWindow* Live() const;
    bool Known() const noexcept { return number_ != 0; }
    void Forget() noexcept { number_ = 0; }

private:
    std::uint32_t number_ = 0;
};

// Closes one child window without its questions (an automation close of a
// changed graph does not ask to save it). Nothing is closed, and the answer
// is false, while a dialog, message box or menu of the program is open: the
// code that opened it (a window's Options, say) goes on with the window when
// it returns.
bool CloseChildWithoutAsking(FrameWindow& frame, HWND child);
// Closes every child window that way; false, with none closed, while a
// dialog, message box or menu is open.
bool CloseAllChildrenWithoutAsking(FrameWindow& frame);

// What a close member answers when it closed nothing because a dialog,
// message box or menu of the program is open: the program is busy, the
// client may ask again once the user has closed it.
constexpr HRESULT kBusyInADialog = RPC_E_SERVERCALL_RETRYLATER;

}  // namespace corvinata::automation
