#include "tools/object_info_state.h"

#include <gtest/gtest.h>

#include "app/settings_values.h"
#include "catalog/planet_catalogue.h"
#include "catalog/sun_earth_catalogues.h"
#include "support/fake_product.h"

namespace corvinata {
namespace {

class ObjectInfoSettings : public ::testing::Test {
protected:
    ObjectInfoState Load() {
        SettingsTree tree(settings.storage, settings.root);
        return LoadObjectInfoState(tree, SunRecordAt(0), current);
    }
    test::MemorySettings settings;
    DateTimeLocation current = [] {
        DateTimeLocation now;
        now.dateTime = {2024, 7, 1, 13.5, kLocalCivilTime};
        now.location.coordinates.longitude.degrees = -13.4;
        return now;
    }();
};

TEST_F(ObjectInfoSettings, AFreshStartShowsTheSunForTheApplicationsMomentAndASavedStateReadsBack) {
    ObjectInfoState state = Load();
    EXPECT_EQ(state.x, 200);
    EXPECT_EQ(state.y, 100);
    EXPECT_FALSE(state.visible);
    EXPECT_EQ(state.selectedBody.object, SunRecordAt(0));
    EXPECT_EQ(state.tab, kObjectInfoCurrentTab);
    EXPECT_EQ(state.step.unit, kDaysUnit);
    EXPECT_EQ(state.step.count, 1);
    EXPECT_EQ(state.coordinateSystem, 0);
    EXPECT_EQ(state.timeSystem, 2);
    EXPECT_EQ(state.distanceSystem, 2);
    // Never the unset 1583 moment: the application's own.
    EXPECT_EQ(state.timeAndPlace.dateTime.year, 2024);
    EXPECT_EQ(state.timeAndPlace.dateTime.timeSystem, kLocalCivilTime);
    EXPECT_EQ(state.timeAndPlace.place.longitude.degrees, -13.4);

    state.x = -30;
    state.visible = true;
    state.selectedBody = BodyIdentifierFromObject(PlanetRecordAt(4));
    state.tab = kObjectInfoOrbitalTab;
    state.step = {kHoursUnit, 6};
    state.coordinateSystem = 2;
    state.timeSystem = 0;
    state.distanceSystem = 1;
    {
        SettingsTreeWriter writer(settings.storage, settings.root);
        ASSERT_TRUE(SaveObjectInfoState(writer, state));
    }
    const ObjectInfoState back = Load();
    EXPECT_EQ(back.x, -30);
    EXPECT_TRUE(back.visible);
    EXPECT_EQ(back.selectedBody.object, PlanetRecordAt(4));
    EXPECT_EQ(back.tab, kObjectInfoOrbitalTab);
    EXPECT_EQ(back.step.unit, kHoursUnit);
    EXPECT_EQ(back.step.count, 6);
    EXPECT_EQ(back.coordinateSystem, 2);
    EXPECT_EQ(back.timeSystem, 0);
    EXPECT_EQ(back.distanceSystem, 1);
}

// Stored indexes outside their tables would index past them; they take the
// defaults as missing values do.
TEST_F(ObjectInfoSettings, ValuesOutsideTheirTablesAndStepsBelowOneTakeTheirDefaults) {
    struct Case {
        const Char* name;
        std::int32_t value;
    };
    const Case cases[] = {{TXT("Coordinate system"), 4}, {TXT("Coordinate system"), -1}, {TXT("Time system"), 4},
                          {TXT("Time system"), 100000}, {TXT("Distance system"), 3}, {TXT("Step type"), 6},
                          {TXT("Step type"), -2}, {TXT("Step value"), 0}, {TXT("Step value"), -5}};
    for (const Case& c : cases) {
        {
            SettingsTreeWriter writer(settings.storage, settings.root);
            WriteGroup key(writer, TXT("Object Info"));
            WriteIntValue(writer, c.name, c.value);
        }
        const ObjectInfoState state = Load();
        EXPECT_EQ(state.coordinateSystem, 0) << c.value;
        EXPECT_EQ(state.timeSystem, 2) << c.value;
        EXPECT_EQ(state.distanceSystem, 2) << c.value;
        EXPECT_EQ(state.step.unit, kDaysUnit) << c.value;
        EXPECT_EQ(state.step.count, 1) << c.value;
        SettingsTreeWriter writer(settings.storage, settings.root);
        WriteGroup key(writer, TXT("Object Info"));
        WriteIntValue(writer, c.name, 0);  // the next case starts from a valid value
        WriteIntValue(writer, TXT("Step value"), 1);
        WriteIntValue(writer, TXT("Coordinate system"), 0);
        WriteIntValue(writer, TXT("Time system"), 2);
        WriteIntValue(writer, TXT("Distance system"), 2);
        WriteIntValue(writer, TXT("Step type"), 3);
    }
}

TEST_F(ObjectInfoSettings, AnUnreadableSelectedBodySelectsTheSun) {
    {
        SettingsTreeWriter writer(settings.storage, settings.root);
        WriteGroup key(writer, TXT("Object Info"));
        WriteGroup body(writer, TXT("Selected Body"));
        WriteIntValue(writer, TXT("Number"), 99999);
    }
    EXPECT_EQ(Load().selectedBody.object, SunRecordAt(0));
}

}  // namespace
}  // namespace corvinata
