#include "app/notification.h"

#include <algorithm>

namespace corvinata {

void ObserverSet::Insert(NotificationObserver* observer) {
    if (observer) observers_.insert(observer);
}

void ObserverSet::Erase(NotificationObserver* observer) { observers_.erase(observer); }

void ObserverSet::Forget(NotificationObserver* observer) {
    observers_.erase(observer);
    for (std::vector<NotificationObserver*>* walk : walks_) {
        std::replace(walk->begin(), walk->end(), observer,
                     static_cast<NotificationObserver*>(nullptr));
    }
}

bool ObserverSet::Contains(NotificationObserver* observer) const {
    return observers_.count(observer) != 0;
}

void ObserverSet::Walk(std::int32_t event, std::uint32_t flags, void* value) {
    std::vector<NotificationObserver*> snapshot(observers_.begin(), observers_.end());
    walks_.push_back(&snapshot);
    struct WalkEnd {
        std::vector<std::vector<NotificationObserver*>*>& walks;
        ~WalkEnd() { walks.pop_back(); }
    } end{walks_};
    // Indexing, not iterators: Forget may overwrite entries while we walk.
    for (std::size_t i = 0; i < snapshot.size(); ++i) {
        if (NotificationObserver* observer = snapshot[i]) observer->OnNotify(event, flags, value);
    }
}

void BroadcastNotification(NotificationHub& hub, std::int32_t event, std::uint32_t flags,
                           void* value) {
    hub.Walk(event, flags, value);
}

void NotifyObserverSet(ObserverSet& views, void* value) { views.Walk(0, 0, value); }

void NotificationQueue::SetWake(std::function<void()> wake) {
    std::lock_guard<std::mutex> lock(mutex_);
    wake_ = std::move(wake);
}

void NotificationQueue::Post(std::int32_t event, std::uint32_t flags, void* value) {
    std::function<void()> wake;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back(Pending{event, flags, value});
        wake = wake_;
    }
    if (wake) wake();
}

int NotificationQueue::Drain(NotificationHub& hub) {
    std::deque<Pending> batch;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        batch.swap(pending_);
    }
    for (const Pending& item : batch) BroadcastNotification(hub, item.event, item.flags, item.value);
    return static_cast<int>(batch.size());
}

bool NotificationQueue::IsEmpty() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return pending_.empty();
}

}  // namespace corvinata
