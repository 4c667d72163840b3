// The application built and started as the program builds and starts it.
#include <gtest/gtest.h>

#include "app/application.h"
#include "base/storage_service_win.h"
#include "catalog/body_types.h"
#include "catalog/event_kinds.h"
#include "catalog/name_systems.h"
#include "frame/application_run.h"
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

}  // namespace
}  // namespace corvinata
