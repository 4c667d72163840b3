// What the program announces to the listeners of the application at its
// start, as the active window changes, and at its end, heard by a listener
// registered as any of the program's own is.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/settings_keys.h"
#include "base/storage.h"
#include "frame_test.h"
#include "resources/resource_ids.h"
#include "support/catalogues.h"

namespace corvinata {
namespace {

// Notes every event it hears with what `state` says at that moment.
class NotingListener final : public NotificationObserver {
public:
    struct Heard {
        std::int32_t event;
        std::uint32_t flags;
        int state;
    };
    void OnNotify(std::int32_t event, std::uint32_t flags, void*) override {
        heard.push_back({event, flags, state ? state() : 0});
    }
    void Update(void*) override {}
    std::vector<Heard> Of(std::int32_t event) const {
        std::vector<Heard> found;
        for (const Heard& h : heard) {
            if (h.event == event) found.push_back(h);
        }
        return found;
    }

    std::function<int()> state;
    std::vector<Heard> heard;
};

class ProgramNotificationsTest : public test::FrameTest {
protected:
    ProgramNotificationsTest() { static test::ScopedCatalogues catalogues; }
    ~ProgramNotificationsTest() override {
        StopListening();
        if (frame_ && IsWindow(frame_->Window())) Close();
    }
    void Listen(std::function<int()> state) {
        listener_.state = std::move(state);
        app_->GetNotificationHub().Insert(&listener_);
    }
    void StopListening() {
        if (app_) app_->GetNotificationHub().Forget(&listener_);
    }
    void Close() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        DrainQuit();
    }
    int OpenWindows() const { return static_cast<int>(frame_->Registry().AllWindows().size()); }
    void Activate(int kind) {
        MdiChildWindow* window = nullptr;
        for (RegisteredWindow* open : frame_->Registry().AllWindows()) {
            if (open->Document().GetKind() == kind) window = dynamic_cast<MdiChildWindow*>(open);
        }
        ASSERT_NE(window, nullptr);
        SendMessageW(frame_->MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    }
    bool Enabled(int command) const { return (MenuState(command) & MF_GRAYED) == 0; }

    NotingListener listener_;
};

// Once night vision is settled the start tells every listener that the
// moment and the place are new (event 11), once, before the windows of the
// last run come back.
TEST_F(ProgramNotificationsTest, TheStartAnnouncesTheMomentAndPlaceOnceBeforeTheWindowsComeBack) {
    StartAsProgram();
    Command(CMD_NEW_SKY);
    ASSERT_EQ(OpenWindows(), 1);
    Close();
    PrepareAsProgram();
    Listen([this] { return OpenWindows(); });
    SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
    EXPECT_EQ(OpenWindows(), 1);
    const std::vector<NotingListener::Heard> start = listener_.Of(kEventDateTimeLocationChanged);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_EQ(start[0].flags, 0u);
    EXPECT_EQ(start[0].state, 0) << "windows open when it was heard";
}

// Every change from one active window to another is announced (event 22),
// whether it becomes a navigation step or not (the windows of the last run
// coming back, a navigation step itself); Navigate Backward and Forward
// follow the history.
TEST_F(ProgramNotificationsTest, EveryChangeOfTheActiveWindowIsAnnouncedAndNavigationFollows) {
    StartAsProgram();
    Command(CMD_NEW_SKY);
    Command(CMD_NEW_SOLAR_SYSTEM);
    ASSERT_EQ(OpenWindows(), 2);
    Close();
    PrepareAsProgram();
    Listen(nullptr);
    SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
    ASSERT_EQ(OpenWindows(), 2);
    EXPECT_GE(listener_.Of(kEventActiveWindowChanged).size(), 1u) << "as the windows came back";
    EXPECT_EQ(app_->Navigation().StepCount(), 0);

    struct Step {
        const char* what;
        std::function<void()> act;
        std::size_t announced;
        int steps;  // in the navigation history afterwards
    };
    const Step steps[] = {
        {"the other window", [this] { Activate(kSkyWindow); }, 1, 1},
        {"the active window again", [this] { Activate(kSkyWindow); }, 0, 1},
        {"Window > New", [this] { Command(CMD_NEW_SOLAR_SYSTEM); }, 1, 2},
        {"Navigate Backward", [this] { Command(CMD_NAVIGATE_BACKWARD); }, 1, 2},
        {"Navigate Forward", [this] { Command(CMD_NAVIGATE_FORWARD); }, 1, 2},
    };
    for (const Step& step : steps) {
        const std::size_t before = listener_.Of(kEventActiveWindowChanged).size();
        step.act();
        EXPECT_EQ(listener_.Of(kEventActiveWindowChanged).size() - before, step.announced) << step.what;
        const CommandHistory& navigation = app_->Navigation();
        EXPECT_EQ(navigation.StepCount(), step.steps) << step.what;
        EXPECT_EQ(Enabled(CMD_NAVIGATE_BACKWARD), navigation.PeekUndoCommand() != nullptr) << step.what;
        EXPECT_EQ(Enabled(CMD_NAVIGATE_FORWARD), navigation.PeekRedoCommand() != nullptr) << step.what;
    }
}

// The end is announced once (event 23) before anything is written: the
// frame's placement is not stored yet when the listeners hear it.
TEST_F(ProgramNotificationsTest, TheEndIsAnnouncedOnceBeforeAnythingIsWritten) {
    StartAsProgram();
    String frameKey = app_->Keys().Root();
    StringAppend(frameKey, TXT("\\"));
    StringAppend(frameKey, settings_key::kFrameWindow);
    StorageService& storage = app_->GetStorage();
    const auto stored = [&storage, frameKey] {
        return storage.CreateRegistryNode(RegistryHive::CurrentUser, frameKey.Text())->Exists() ? 1 : 0;
    };
    ASSERT_EQ(stored(), 0);
    Listen(stored);
    Close();
    StopListening();
    const std::vector<NotingListener::Heard> end = listener_.Of(kEventShutdown);
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].state, 0) << "the frame's placement was written first";
    EXPECT_EQ(stored(), 1);
}

}  // namespace
}  // namespace corvinata
