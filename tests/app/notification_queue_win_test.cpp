#include "app/notification_queue_win.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

namespace corvinata {
namespace {

struct DrainTarget {
    NotificationQueue* queue;
    NotificationHub* hub;
};

LRESULT CALLBACK DrainingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDrainNotificationsMessage) {
        auto* target = reinterpret_cast<DrainTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        target->queue->Drain(*target->hub);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The search worker's results reach the listeners on the thread that owns
// the window, in the order the worker found them.
TEST(NotificationQueueWinTest, WorkerResultsArriveThroughTheWindowsMessageQueue) {
    struct Listener : NotificationObserver {
        std::vector<DWORD> threads;
        std::vector<std::uintptr_t> values;
        void OnNotify(std::int32_t, std::uint32_t, void* value) override {
            threads.push_back(GetCurrentThreadId());
            values.push_back(reinterpret_cast<std::uintptr_t>(value));
        }
        void Update(void*) override {}
    } listener;
    NotificationHub hub;
    hub.Insert(&listener);
    NotificationQueue queue;
    DrainTarget target{&queue, &hub};

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DrainingWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CorvinataDrainTest";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                  nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&target));
    WakeWindowOnPost(queue, window);

    constexpr int kResults = 50;
    std::thread worker([&] {
        for (int i = 1; i <= kResults; ++i) {
            queue.Post(kEventSearchResultFound, 0, reinterpret_cast<void*>(std::uintptr_t(i)));
        }
    });
    MSG message;
    while (static_cast<int>(listener.values.size()) < kResults &&
           GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    worker.join();
    DestroyWindow(window);
    UnregisterClassW(windowClass.lpszClassName, windowClass.hInstance);

    ASSERT_EQ(listener.values.size(), static_cast<std::size_t>(kResults));
    for (int i = 0; i < kResults; ++i) EXPECT_EQ(listener.values[i], std::uintptr_t(i + 1));
    for (DWORD id : listener.threads) EXPECT_EQ(id, GetCurrentThreadId());
}

}  // namespace
}  // namespace corvinata
