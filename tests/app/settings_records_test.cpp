#include "app/settings_records.h"

#include <gtest/gtest.h>

#include "support/catalogues.h"

#include "app/location_settings.h"
#include "support/fake_product.h"
#include "support/settings_round_trip.h"

namespace corvinata {
namespace {

using test::MakeDateTime;

class SettingsRecordsTest : public ::testing::Test, protected test::MemorySettings {
protected:
    test::ScopedCatalogues catalogues_;  // body identifiers name real objects

    // Writes one value into the key `path` below the root.
    template <class Write>
    void Store(const Char* path, Write write) {
        SettingsTreeWriter writer(storage, root);
        OpenSettingsKeyPath(writer, String(path));
        write(writer);
        PopSettingsKey(writer);
    }
};

TEST_F(SettingsRecordsTest, SharedRecordsReadBackFieldByField) {
    test::ExpectSharedRecordsRoundTrip(storage, root);
}

// Texts are compared exactly; the name-system id 2 and unknown names give 0.
TEST_F(SettingsRecordsTest, GeneralOptionsReadTheirTexts) {
    struct Case {
        const Char* unit;
        const Char* language;
        std::int32_t raDisplayUnit, constellationLanguage;
    };
    const Case cases[] = {{TXT("Degrees"), TXT("English"), 0, 1},
                          {TXT("degrees"), TXT("Abbreviation"), 1, 0},
                          {nullptr, TXT("Klingon"), 1, 0}};
    const Char* keys[] = {TXT("G0"), TXT("G1"), TXT("G2")};
    for (int i = 0; i < 3; ++i) {
        Store(keys[i], [&](SettingsTreeWriter& w) {
            if (cases[i].unit) WriteStringValue(w, TXT("RA display unit"), String(cases[i].unit));
            WriteStringValue(w, TXT("Language for constellation names"), String(cases[i].language));
        });
        SettingsTree tree(storage, root);
        PushSettingsKey(tree, String(keys[i]));
        GeneralOptions options;
        EXPECT_TRUE(LoadGeneralOptions(tree, test::FakeNameSystems(), options));
        EXPECT_EQ(options.raDisplayUnit, cases[i].raDisplayUnit) << i;
        EXPECT_EQ(options.constellationLanguage, cases[i].constellationLanguage) << i;
    }
}

TEST_F(SettingsRecordsTest, FactoryResetDeletesTheWholeSettingsKeyAndWritesNothingElse) {
    Store(TXT("Main Windows\\Sky"), [](SettingsTreeWriter& w) { WriteIntValue(w, TXT("X"), 1); });
    GeneralOptions options;
    options.factoryReset = true;
    {
        SettingsTreeWriter writer(storage, root);
        EXPECT_TRUE(SaveGeneralOptions(writer, test::FakeNameSystems(), options, root));
    }
    SettingsTree tree(storage, root);
    EXPECT_FALSE(PushSettingsKey(tree, String(TXT("Main Windows"))));
}

TEST_F(SettingsRecordsTest, DateTimeOptionsWithoutAUserTimeTakeTheDefault) {
    Store(TXT("Time"), [](SettingsTreeWriter& w) { WriteBoolValue(w, TXT("User defined DST"), true); });
    SettingsTree tree(storage, root);
    PushSettingsKey(tree, String(TXT("Time")));
    DateTimeOptions options;
    options.userTime = MakeDateTime(1999, 9, 9);
    EXPECT_FALSE(LoadDateTimeOptions(tree, options));
    test::ExpectSame(options.userTime, MakeDateTime(2008, 1, 1, 0.0, kLocalCivilTime));
    EXPECT_TRUE(options.userDaylightSaving);
}

// Stored values outside their ranges are refused and the receiver keeps its value.
TEST_F(SettingsRecordsTest, OutOfRangeStoredValuesAreRefused) {
    struct Case {
        const char* name;
        const Char* value;
        std::int32_t stored;
    };
    const Case cases[] = {{"month", TXT("Month"), 13}, {"time system", TXT("Time System"), 7}};
    const DateTime good = MakeDateTime(2001, 2, 3, 4.0, kUniversalTime);
    for (const Case& c : cases) {
        Store(TXT("Values"), [&](SettingsTreeWriter& w) {
            WriteDateTimeValue(w, {TXT("Date and Time")}, good);
            OpenSettingsKeyPath(w, String(TXT("Date and Time")));
            WriteIntValue(w, c.value, c.stored);
            PopSettingsKey(w);
        });
        SettingsTree tree(storage, root);
        PushSettingsKey(tree, String(TXT("Values")));
        DateTime read = MakeDateTime(1600, 1, 1);
        EXPECT_FALSE(ReadDateTimeValue(tree, {TXT("Date and Time")}, read)) << c.name;
        EXPECT_EQ(read.year, 1600) << c.name;
    }
    Store(TXT("Values"), [](SettingsTreeWriter& w) {
        SaveGeoLocation({TXT("Place")}, test::SampleLocation(), w);
        OpenSettingsKeyPath(w, String(TXT("Place\\Unnamed part\\Latitude")));
        WriteDoubleValue(w, TXT("Degrees"), 95.0);
        PopSettingsKey(w);
    });
    SettingsTree tree(storage, root);
    PushSettingsKey(tree, String(TXT("Values")));
    Location place;
    EXPECT_FALSE(LoadGeoLocation({TXT("Place")}, tree, place));
    EXPECT_EQ(place.coordinates.latitude.degrees, 0.0);
}

// Whether a change matches a value is not whether applying it would leave
// the value as it is: a time-of-day change matches a value of its own day
// and time system whatever the value's hours, and a kind that names no
// part (beyond 2) never matches, while applying it takes the whole moment.
TEST(DateTimeChangeTest, AChangeMatchesAValueThatAlreadyIsIt) {
    struct Case {
        std::int32_t kind;
        DateTime change;
        bool matches;
        bool applyingKeepsTheValue;
    };
    const DateTime value = MakeDateTime(2010, 5, 6, 7.5, kLocalCivilTime);
    const Case cases[] = {
        {kChangeDate, MakeDateTime(2010, 5, 6, 1.0, kUniversalTime), true, true},
        {kChangeDate, MakeDateTime(2010, 5, 7, 7.5, kLocalCivilTime), false, false},
        // The change's own date and time system count for the hours too.
        {kChangeTimeOfDay, MakeDateTime(2010, 5, 6, 7.5, kLocalCivilTime), true, true},
        {kChangeTimeOfDay, MakeDateTime(1999, 1, 1, 7.5, kUniversalTime), false, true},
        {kChangeTimeOfDay, MakeDateTime(2010, 5, 6, 7.5, kUniversalTime), false, true},
        // Of the hours only the change's count: the value's are replaced.
        {kChangeTimeOfDay, MakeDateTime(2010, 5, 6, 8.0, kLocalCivilTime), true, false},
        {kChangeWhole, value, true, true},
        {kChangeWhole, MakeDateTime(2010, 5, 6, 7.5, kUniversalTime), false, false},
        {3, value, false, true},
        {3, MakeDateTime(2010, 5, 6, 7.5, kUniversalTime), false, false},
        {-1, value, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateTimeMatchesChange(value, c.kind, c.change), c.matches) << c.kind;
        EXPECT_EQ(DateTimeEqual(ApplyDateTimeChange(value, c.change, c.kind), value), c.applyingKeepsTheValue)
            << c.kind;
    }
}

class FakeDirectory final : public LocationDirectory {
public:
    bool HasTown(const String& country, const String& town) const override {
        return country == String(TXT("Austria")) && town == String(TXT("Graz"));
    }
    bool FirstTown(String& country, String& town) const override {
        country = String(TXT("Afghanistan"));
        town = String(TXT("Kabul"));
        return true;
    }
    const Location* FindUserLocation(const String& country, const String& town) const override {
        return country == user.country && town == user.town ? &user : nullptr;
    }
    Location user = test::SampleLocation();
};

TEST_F(SettingsRecordsTest, SelectLocationStateFallsBackToTheFirstTownAndRetainsTimeByDefault) {
    Store(TXT("Select Location"), [](SettingsTreeWriter& w) {
        WriteStringValue(w, TXT("Country"), String(TXT("Atlantis")));
    });
    SettingsTree tree(storage, root);
    PushSettingsKey(tree, String(TXT("Select Location")));
    FakeDirectory directory;
    SelectLocationState state;
    state.retainLocalCivilTime = false;
    EXPECT_TRUE(LoadLocation(tree, directory, state));
    EXPECT_EQ(test::Utf8(state.town), "Kabul");
    EXPECT_TRUE(state.retainLocalCivilTime);
    EXPECT_EQ(state.userDefined, nullptr);
}

// After a town is chosen, the place of an earlier run must not come back.
TEST_F(SettingsRecordsTest, ChoosingATownRemovesTheStaleUserDefinedPlace) {
    FakeDirectory directory;
    SelectLocationState state;
    state.country = String(TXT("Austria"));
    state.town = String(TXT("Graz"));
    state.userDefined = &directory.user;
    state.chosen = true;
    auto saveAndLoad = [&] {
        {
            SettingsTreeWriter writer(storage, root);
            OpenSettingsKeyPath(writer, String(TXT("Select Location")));
            SaveLocation(writer, state, directory);
        }
        SettingsTree tree(storage, root);
        PushSettingsKey(tree, String(TXT("Select Location")));
        SelectLocationState read;
        LoadLocation(tree, directory, read);
        return read;
    };
    EXPECT_EQ(saveAndLoad().userDefined, &directory.user);
    state.userDefined = nullptr;
    const SelectLocationState read = saveAndLoad();
    EXPECT_EQ(read.userDefined, nullptr);
    EXPECT_EQ(test::Utf8(read.town), "Graz");
    EXPECT_TRUE(read.chosen);
}

// Restart after restart without a choice, the record holds what the load
// gives (the first town) and still counts as no choice.
TEST_F(SettingsRecordsTest, UnchosenSelectLocationStateStaysUnchosenAcrossRestarts) {
    FakeDirectory directory;
    SelectLocationState state;  // a first run: the key was never read
    for (int run = 0; run < 3; ++run) {
        {
            SettingsTreeWriter writer(storage, root);
            OpenSettingsKeyPath(writer, String(TXT("Select Location")));
            SaveLocation(writer, state, directory);
        }
        SettingsTree tree(storage, root);
        PushSettingsKey(tree, String(TXT("Select Location")));
        String country;
        String town;
        ReadStringValue(tree, TXT("Country"), country);
        ReadStringValue(tree, TXT("Town"), town);
        EXPECT_EQ(test::Utf8(country) + "/" + test::Utf8(town), "Afghanistan/Kabul") << run;
        state = SelectLocationState();
        LoadLocation(tree, directory, state);
        EXPECT_FALSE(state.chosen) << run;
    }
}

}  // namespace
}  // namespace corvinata
