#include "tools/search_threads_win.h"

#include <windows.h>
#include <process.h>

#include <atomic>

namespace corvinata {
namespace {

// The workers whose work has not ended, in the whole process.
std::atomic<int> running{0};

class Win32SearchThread final : public events::SearchThread {
public:
    explicit Win32SearchThread(std::function<void()> body) {
        auto* work = new std::function<void()>(std::move(body));
        running.fetch_add(1);
        handle_ = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, &Main, work, 0, nullptr));
        // No thread to be had: the work is done here.
        if (handle_ == nullptr) Main(work);
    }
    ~Win32SearchThread() override {
        if (handle_ != nullptr) CloseHandle(handle_);
    }
    Win32SearchThread(const Win32SearchThread&) = delete;
    Win32SearchThread& operator=(const Win32SearchThread&) = delete;

    // A plain wait: the workers only post to the user-interface thread,
    // never wait for it, and nothing the window does runs meanwhile (a
    // click or a notification starting another search inside a stop).
    bool WaitForEnd(std::uint32_t milliseconds) override {
        return handle_ == nullptr || WaitForSingleObject(handle_, milliseconds) == WAIT_OBJECT_0;
    }

private:
    static unsigned __stdcall Main(void* work) {
        auto* body = static_cast<std::function<void()>*>(work);
        (*body)();
        delete body;
        running.fetch_sub(1);
        return 0;
    }

    HANDLE handle_ = nullptr;
};

}  // namespace

bool SearchWorkersRunning() { return running.load() > 0; }

std::unique_ptr<events::SearchThread> Win32SearchThreads::Start(std::function<void()> body) {
    return std::make_unique<Win32SearchThread>(std::move(body));
}

}  // namespace corvinata
