// Notifications: how a change of shared state reaches every object that
// shows it.
//
// The application keeps one NotificationHub; documents, tools, the toolbar
// and the status line register in it. A broadcast walks a snapshot of the hub
// in pointer order and calls every observer synchronously. A document passes
// what concerns its windows on to its own view set. Producers on a worker
// thread never call observers themselves: they post to a NotificationQueue,
// which the user-interface thread drains in posting order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <set>
#include <vector>

namespace corvinata {

// Event codes shared by every producer and listener.
enum NotificationEvent : std::int32_t {
    kEventSearchStarted = 0,
    kEventSearchContinued = 1,
    kEventSearchEnded = 2,
    kEventSearchResultFound = 3,
    kEventHistoryRunOpened = 4,
    kEventHistoryDeletionBegins = 5,
    kEventHistoryDeletionEnded = 6,
    kEventHistoryRunRemoving = 7,
    kEventHistoryRunRemoved = 8,
    kEventLocationChanged = 9,
    kEventDateTimeChanged = 10,
    kEventDateTimeLocationChanged = 11,
    kEventAppearanceChanged = 12,
    kEventGraphEdited = 13,
    kEventGraphMouseMoved = 14,
    kEventGraphMouseLeft = 15,
    kEventJupiterCommand = 16,
    kEventPictureCommand = 17,
    kEventSaturnCommand = 18,
    kEventSolarEclipseCommand = 19,
    kEventSkyCommand = 20,
    kEventSolarSystemCommand = 21,
    kEventActiveWindowChanged = 22,
    kEventShutdown = 23,
};

// Flag bits of event 12.
enum AppearanceChangeFlags : std::uint32_t {
    kConstellationLanguageChanged = 1,
    kRaDisplayUnitChanged = 2,
    kAngleDegreeBaseChanged = 4,
    kNightVisionSwitched = 8,
};

// Bits 1, 2 and 4 of event 12: the texts of angles and names changed.
constexpr std::uint32_t kAppearanceTextFlags =
    kConstellationLanguageChanged | kRaDisplayUnitChanged | kAngleDegreeBaseChanged;

class NotificationObserver {
public:
    virtual ~NotificationObserver() = default;
    // The default ignores the event and its flags and reacts to the value.
    virtual void OnNotify(std::int32_t event, std::uint32_t flags, void* value) {
        static_cast<void>(event);
        static_cast<void>(flags);
        Update(value);
    }
    virtual void Update(void* value) = 0;
};

// An ordered set of borrowed observers (each at most once). Walks go over a
// snapshot, so observers added during a walk first hear the next one, and an
// observer erased during a walk is still called by it; one that is forgotten
// (it is being destroyed) is never called again, not even by a walk already
// under way.
class ObserverSet {
public:
    ObserverSet() = default;
    ObserverSet(const ObserverSet&) = delete;
    ObserverSet& operator=(const ObserverSet&) = delete;

    void Insert(NotificationObserver* observer);
    void Erase(NotificationObserver* observer);
    // Erases the observer and removes it from every walk under way.
    void Forget(NotificationObserver* observer);
    bool Contains(NotificationObserver* observer) const;
    int Count() const noexcept { return static_cast<int>(observers_.size()); }

    // Calls `OnNotify` of every observer of a snapshot, in ascending pointer order.
    void Walk(std::int32_t event, std::uint32_t flags, void* value);

private:
    std::set<NotificationObserver*> observers_;
    std::vector<std::vector<NotificationObserver*>*> walks_;
};

// The application-wide set of listeners.
using NotificationHub = ObserverSet;

void BroadcastNotification(NotificationHub& hub, std::int32_t event, std::uint32_t flags,
                           void* value);
// Event 0 with flags 0 to every view of a document.
void NotifyObserverSet(ObserverSet& views, void* value);

// Notifications posted from any thread and broadcast on the user-interface
// thread. `Post` may run on any thread; it stores the notification and then
// calls the wake-up function (on Windows: a message posted to the frame),
// which must itself be safe to call from any thread. `Drain` runs on the
// user-interface thread and broadcasts what was posted, oldest first.
class NotificationQueue {
public:
    struct Pending {
        std::int32_t event;
        std::uint32_t flags;
        void* value;
    };

    explicit NotificationQueue(std::function<void()> wake = {}) : wake_(std::move(wake)) {}
    NotificationQueue(const NotificationQueue&) = delete;
    NotificationQueue& operator=(const NotificationQueue&) = delete;

    void SetWake(std::function<void()> wake);
    void Post(std::int32_t event, std::uint32_t flags, void* value);
    // Broadcasts every pending notification to the hub; answers how many.
    int Drain(NotificationHub& hub);
    bool IsEmpty() const;

private:
    mutable std::mutex mutex_;
    std::deque<Pending> pending_;
    std::function<void()> wake_;
};

}  // namespace corvinata
