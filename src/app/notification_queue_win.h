// The Windows side of the notification queue: a worker's post wakes the
// user-interface thread with a message to a window of that thread, whose
// handler drains the queue.
#pragma once

#include <windows.h>

#include "app/notification.h"

namespace corvinata {

// Posted to the waking window after notifications were queued; its handler
// calls NotificationQueue::Drain with the application's hub.
constexpr UINT kDrainNotificationsMessage = WM_APP + 1;

// Makes every post to the queue send kDrainNotificationsMessage to `window`
// (a window of the user-interface thread, normally the frame).
void WakeWindowOnPost(NotificationQueue& queue, HWND window);

}  // namespace corvinata
