#include "app/notification.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <thread>

#include "support/app_fakes.h"

namespace corvinata {
namespace {

using test::RecordingObserver;

// An observer whose reaction changes the hub it hears from.
class ReactingObserver : public RecordingObserver {
public:
    std::function<void()> reaction;
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override {
        RecordingObserver::OnNotify(event, flags, value);
        if (reaction) reaction();
    }
};

TEST(NotificationHubTest, EachObserverHearsEveryBroadcastOnceInPointerOrder) {
    NotificationHub hub;
    std::vector<NotificationObserver*> order;
    ReactingObserver observers[4];
    for (auto& o : observers) {
        o.reaction = [&order, &o] { order.push_back(&o); };
        hub.Insert(&o);
    }
    hub.Insert(&observers[1]);  // twice: still one call
    int value = 0;
    BroadcastNotification(hub, kEventAppearanceChanged, kAngleDegreeBaseChanged, &value);
    for (auto& o : observers) {
        ASSERT_EQ(o.heard.size(), 1u);
        EXPECT_EQ(o.heard[0].event, 12);
        EXPECT_EQ(o.heard[0].flags, 4u);
        EXPECT_EQ(o.heard[0].value, &value);
    }
    EXPECT_TRUE(std::is_sorted(order.begin(), order.end(), std::less<NotificationObserver*>()));
}

TEST(NotificationHubTest, ObserverAddedDuringAWalkFirstHearsTheNextBroadcast) {
    NotificationHub hub;
    ReactingObserver first;
    RecordingObserver late;
    first.reaction = [&] { hub.Insert(&late); };
    hub.Insert(&first);
    BroadcastNotification(hub, kEventDateTimeChanged, 0, nullptr);
    EXPECT_TRUE(late.heard.empty());
    BroadcastNotification(hub, kEventDateTimeChanged, 0, nullptr);
    EXPECT_EQ(late.heard.size(), 1u);
}

TEST(NotificationHubTest, ErasedDuringAWalkIsStillCalledButAForgottenOneIsNot) {
    NotificationHub hub;
    ReactingObserver a, b;
    auto c = std::make_unique<RecordingObserver>();
    hub.Insert(&a);
    hub.Insert(&b);
    hub.Insert(c.get());
    // Whichever of a and b runs first erases the other and forgets c.
    RecordingObserver* doomed = c.get();
    a.reaction = [&] {
        hub.Erase(&b);
        if (doomed) hub.Forget(doomed);
        c.reset();
        doomed = nullptr;
    };
    b.reaction = a.reaction;
    hub.Walk(kEventLocationChanged, 0, nullptr);  // ASan catches a call into c
    EXPECT_EQ(a.heard.size() + b.heard.size(), 2u);
    BroadcastNotification(hub, kEventLocationChanged, 0, nullptr);
    EXPECT_EQ(hub.Count(), 1);
}

TEST(NotificationHubTest, ViewsHearEventZeroThroughTheirUpdate) {
    ObserverSet views;
    RecordingObserver windows[3];
    for (auto& w : windows) views.Insert(&w);
    int hint = 0;
    NotifyObserverSet(views, &hint);
    for (auto& w : windows) {
        ASSERT_EQ(w.heard.size(), 1u);
        EXPECT_EQ(w.heard[0].event, 0);
        EXPECT_EQ(w.heard[0].value, &hint);
    }
}

// The worker's result must reach the listener on the thread that drains the
// queue, in posting order, never on the worker itself.
TEST(NotificationQueueTest, WorkerBroadcastReachesListenersOnTheDrainingThreadInOrder) {
    struct ThreadRecorder : NotificationObserver {
        std::vector<std::thread::id> threads;
        std::vector<std::uintptr_t> values;
        void OnNotify(std::int32_t, std::uint32_t, void* value) override {
            threads.push_back(std::this_thread::get_id());
            values.push_back(reinterpret_cast<std::uintptr_t>(value));
        }
        void Update(void*) override {}
    } listener;
    NotificationHub hub;
    hub.Insert(&listener);

    std::mutex mutex;
    std::condition_variable woken;
    int wakes = 0;
    NotificationQueue queue([&] {
        std::lock_guard<std::mutex> lock(mutex);
        ++wakes;
        woken.notify_one();
    });
    constexpr int kResults = 200;
    std::thread worker([&] {
        for (int i = 1; i <= kResults; ++i) {
            queue.Post(kEventSearchResultFound, 0, reinterpret_cast<void*>(std::uintptr_t(i)));
        }
    });
    int drained = 0;
    while (drained < kResults) {
        {
            std::unique_lock<std::mutex> lock(mutex);
            woken.wait(lock, [&] { return wakes > 0; });
            wakes = 0;
        }
        drained += queue.Drain(hub);
    }
    worker.join();
    ASSERT_EQ(listener.values.size(), static_cast<std::size_t>(kResults));
    for (int i = 0; i < kResults; ++i) EXPECT_EQ(listener.values[i], std::uintptr_t(i + 1));
    for (const auto& id : listener.threads) EXPECT_EQ(id, std::this_thread::get_id());
    EXPECT_TRUE(queue.IsEmpty());
}

}  // namespace
}  // namespace corvinata
