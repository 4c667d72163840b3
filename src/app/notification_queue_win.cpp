#include "app/notification_queue_win.h"

namespace corvinata {

void WakeWindowOnPost(NotificationQueue& queue, HWND window) {
    // PostMessageW may be called from any thread; the message is handled on
    // the window's own thread, in posting order.
    queue.SetWake([window] { PostMessageW(window, kDrainNotificationsMessage, 0, 0); });
}

}  // namespace corvinata
