// The application built and started as the program builds and starts it.
#include <gtest/gtest.h>

#include <thread>

#include "app/application.h"
#include "app/night_desktop.h"
#include "base/registry_root.h"
#include "base/storage_service_win.h"
#include "catalog/body_types.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"
#include "controls/system_desktop.h"
#include "frame/application_run.h"
#include "frame/single_instance.h"
#include "script/script_catalogue.h"
#include "frame_test.h"

namespace corvinata {
namespace {

using ProgramStartTest = test::FrameTest;

TEST_F(ProgramStartTest, TheProgramsApplicationHasItsBodyTypesNameSystemsAndBodyFunctions) {
    const std::unique_ptr<Application> app =
        CreateProgramApplication(std::make_unique<Win32StorageService>(), PathName());
    ASSERT_TRUE(StartApplication(*app));
    for (int type : {kBodySun, kBodyMoon, kBodyPlanet, kBodyStar, kBodyConstellation}) {
        EXPECT_NE(GetBodyType(type), nullptr) << type;
    }
    const BodyType* constellations = GetBodyType(kBodyConstellation);
    ASSERT_NE(constellations, nullptr);
    ASSERT_NE(constellations->NameSystemById(kConstellationClassic), nullptr);
    EXPECT_EQ(String(constellations->NameSystemById(kConstellationClassic)->Name()), String(TXT("Classic")));
    EXPECT_TRUE(ObjectModelScriptCatalogue().ListsFunction(kBodySun, kFunctionRise));
    // The options are written with the constellation language by its name.
    SessionState session;
    EXPECT_TRUE(app->SaveSession(session));
    Win32StorageService storage;
    const std::unique_ptr<SettingsNode> key = storage.CreateRegistryNode(
        RegistryHive::CurrentUser, TXT("\\Software\\Corvinata Software\\Corvinata\\1.70\\Appearance Options"));
    String language;
    ASSERT_TRUE(key->Open());
    EXPECT_TRUE(key->ReadString(TXT("Language for constellation names"), language));
    EXPECT_EQ(language, String(TXT("Classic")));
}

// The user's copy of the program, running in a thread of its own: it holds
// the session's claim until it goes.
class RunningCopy {
public:
    RunningCopy() {
        thread_ = std::thread([this] {
            SingleInstance copy;
            SetEvent(claimed_);
            WaitForSingleObject(end_, 10000);
        });
        WaitForSingleObject(claimed_, 10000);
    }
    ~RunningCopy() {
        SetEvent(end_);
        thread_.join();
        CloseHandle(claimed_);
        CloseHandle(end_);
    }
    RunningCopy(const RunningCopy&) = delete;
    RunningCopy& operator=(const RunningCopy&) = delete;

private:
    HANDLE claimed_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE end_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread thread_;
};

// A copy killed at night left the desktop red and its own look kept in the
// settings: "/FactoryReset" puts that look back before it takes every
// setting (with them the only record of the desktop's colours), as a start
// would. A copy still running at night keeps its red desktop; it hands the
// look back itself, and should it be killed the next start does: the reset
// leaves the kept look, and nothing else.
TEST_F(ProgramStartTest, AFactoryResetPutsBackTheDesktopLeftAtNightFirst) {
    // The program makes its application before it reads its switches.
    const std::unique_ptr<Application> app =
        CreateProgramApplication(std::make_unique<Win32StorageService>(), PathName());
    SystemDesktop desktop;
    DesktopLook day = desktop.Read();
    day.visualStyles = false;  // the styles are not what this is about
    const DesktopColours red = NightDesktopColours(day.colours, ComputeNightShades(0.8, 1.0));
    ASSERT_NE(red, day.colours);
    String root;
    GetRegistryRootPath(root);
    const struct {
        const char* name;
        bool copyRunning;
    } cases[] = {{"no copy running", false}, {"a copy running at night", true}};
    for (const auto& c : cases) {
        Win32StorageService storage;
        KeptDesktopStore(storage, root).Keep(day);
        String nightKey = root, timeKey = root;
        StringAppend(nightKey, TXT("\\Night vision"));
        StringAppend(timeKey, TXT("\\Time Options"));
        for (const String& key : {nightKey, timeKey}) {
            const std::unique_ptr<SettingsNode> node =
                storage.CreateRegistryNode(RegistryHive::CurrentUser, key.Text());
            ASSERT_TRUE(node->Create() && node->WriteBool(TXT("Active"), true));
        }
        desktop.SetColours(red);
        int exitCode = -1;
        bool byAutomation = true;
        {
            std::unique_ptr<RunningCopy> copy;
            if (c.copyRunning) copy = std::make_unique<RunningCopy>();
            EXPECT_TRUE(ProcessCommandLine(TXT("/FactoryReset"), exitCode, byAutomation)) << c.name;
        }
        const DesktopColours after = desktop.Read().colours;
        desktop.SetColours(day.colours);
        EXPECT_EQ(exitCode, 0) << c.name;
        EXPECT_FALSE(byAutomation) << c.name;
        EXPECT_EQ(after, c.copyRunning ? red : day.colours) << c.name;
        DesktopLook kept;
        EXPECT_EQ(KeptDesktopStore(storage, root).Load(kept) && kept == day, c.copyRunning) << c.name;
        EXPECT_FALSE(storage.CreateRegistryNode(RegistryHive::CurrentUser, timeKey.Text())->Exists()) << c.name;
        const std::unique_ptr<SettingsNode> night =
            storage.CreateRegistryNode(RegistryHive::CurrentUser, nightKey.Text());
        bool active = false;
        EXPECT_FALSE(night->Open() && night->ReadBool(TXT("Active"), active)) << c.name;
        night->CloseIfOpen();
        storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text())->DeleteTree();
    }
}

}  // namespace
}  // namespace corvinata
