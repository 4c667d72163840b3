#include "tools/search_threads_win.h"

#include <windows.h>
#include <process.h>

namespace corvinata {
namespace {

class Win32SearchThread final : public events::SearchThread {
public:
    explicit Win32SearchThread(std::function<void()> body) {
        auto* work = new std::function<void()>(std::move(body));
        handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Main, work, 0, nullptr));
        // No thread to be had: the work is done here.
        if (handle_ == nullptr) Main(work);
    }
    ~Win32SearchThread() override {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    Win32SearchThread(const Win32SearchThread&) = delete;
    Win32SearchThread& operator=(const Win32SearchThread&) = delete;

    bool WaitForEnd(std::uint32_t milliseconds) override {
        if (handle_ == nullptr) return true;
        const DWORD start = GetTickCount();
        for (;;) {
            const DWORD waited = GetTickCount() - start;
            const DWORD left = waited < milliseconds ? milliseconds - waited : 0;
            const DWORD woke = MsgWaitForMultipleObjects(1, &handle_, FALSE, left, QS_ALLINPUT);
            if (woke == WAIT_OBJECT_0) return true;
            if (woke != WAIT_OBJECT_0 + 1) return false;
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    // The loop that ends the program is the caller's: it gets
                    // the quit again, after the rest of the wait.
                    PostQuitMessage(static_cast<int>(message.wParam));
                    const DWORD spent = GetTickCount() - start;
                    return WaitForSingleObject(handle_, spent < milliseconds ? milliseconds - spent : 0) ==
                           WAIT_OBJECT_0;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }

private:
    static unsigned __stdcall Main(void* work) {
        auto* body = static_cast<std::function<void()>*>(work);
        (*body)();
        delete body;
        return 0;
    }

    HANDLE handle_ = nullptr;
};

}  // namespace

std::unique_ptr<events::SearchThread> Win32SearchThreads::Start(std::function<void()> body) {
    return std::make_unique<Win32SearchThread>(std::move(body));
}

}  // namespace corvinata
