// The seeds of the Event Finder store target are what the program's own
// store writes for a few histories a user leaves: nothing started yet; a
// History of a complete, a stopped and a script's search with one of them
// shown; the same with the unstarted run shown, its new run list put in
// place but not deleted (a deletion failed); and that new list marked whole
// again with its first run gone, as an exit killed in its deletion left it
// when the deletion took the mark last. Where
// the store writes otherwise, this fails; the seeds are then written again
// by the store with
//
//     CN_WRITE_FUZZ_SEEDS=1 build/native/tests/fuzz/fuzz_corpus_tests --gtest_filter='EventFinderStoreSeeds.*'
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/registry_key.h"
#include "base/settings_tree.h"
#include "fuzz/settings_input.h"
#include "support/catalogues.h"
#include "tools/event_finder.h"
#include "tools/event_finder_store.h"

namespace corvinata {
namespace {

using events::EventDefinition;

DateTime At(int year, int month, int day, double hours = 0.0) {
    return DateTime{year, month, day, hours, kLocalCivilTime};
}

DateTimeLocation InLondon() {
    DateTimeLocation now;
    now.dateTime = At(2024, 6, 1, 12.0);
    now.location.coordinates.longitude = LongitudeValue(0.1275, kWestPositive);
    now.location.coordinates.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
    now.location.country = String(TXT("United Kingdom"));
    now.location.town = String(TXT("London"));
    return now;
}

// A run of the default setup over the range, started at `executed`.
EventDefinition Run(const DateTime& from, const DateTime& to, const TimeStep& step, const DateTime& executed) {
    EventDefinition run;
    events::InitDefaultEventFinderRun(run, InLondon());
    run.from = from;
    run.to = to;
    run.step = step;
    run.secondDate = executed;
    return run;
}

// The full moons of a quarter by day, complete; the conjunction of Mars and
// Jupiter by the hour, stopped after it; a script's condition without a body
// by the hour, stopped after two nights.
std::vector<EventDefinition> History() {
    std::vector<EventDefinition> runs;
    EventDefinition moons = Run(At(2024, 1, 1), At(2024, 3, 31, 23.99999), {kDaysUnit, 1}, At(2024, 6, 1, 12.5));
    const int fullMoons[][2] = {{1, 25}, {2, 24}, {3, 25}};  // month, day
    for (const auto& d : fullMoons) moons.foundRanges.push_back({At(2024, d[0], d[1]), At(2024, d[0], d[1])});
    moons.runState = events::kRunComplete;
    moons.stoppedAt = At(2024, 4, 1);
    runs.push_back(moons);

    EventDefinition conjunction =
        Run(At(2024, 1, 1), At(2024, 12, 31, 23.99999), {kHoursUnit, 1}, At(2024, 6, 1, 12.75));
    conjunction.condition = events::PredefinedEventCondition(
        events::kEventConjunction, BodyIdentifierFromObject(FindObjectOfTypeByName(kBodyPlanet, TXT("Mars"))),
        BodyIdentifierFromObject(FindObjectOfTypeByName(kBodyPlanet, TXT("Jupiter"))));
    conjunction.foundRanges.push_back({At(2024, 8, 14, 16.0), At(2024, 8, 14, 16.0)});
    conjunction.runState = events::kRunStopRequested;
    conjunction.stoppedAt = At(2024, 9, 2, 7.0);
    runs.push_back(conjunction);

    EventDefinition script = Run(At(2026, 1, 1), At(2026, 1, 31, 23.99999), {kHoursUnit, 1}, At(2024, 6, 1, 13.0));
    script.condition.isPredefined = false;
    script.condition.isUserExpression = true;
    script.condition.firstBody = BodyIdentifier();
    script.condition.secondBody = BodyIdentifier();
    script.condition.searchExpression = String(TXT("Moon.Lat(Hor) >>= 50"));
    script.daylightSaving = true;
    script.foundRanges.push_back({At(2026, 1, 2, 21.0), At(2026, 1, 3, 5.0)});
    script.foundRanges.push_back({At(2026, 1, 3, 22.0), At(2026, 1, 4, 6.0)});
    script.runState = events::kRunStopRequested;
    script.stoppedAt = At(2026, 1, 4, 12.0);
    runs.push_back(script);
    return runs;
}

struct Seed {
    const char* name;
    events::StoredEventFinder stored;
    bool deletionsFail;
    bool savingListCut = false;
};

// The new list marked whole, its first run deleted.
void CutSavingList(fuzz::RecordingRegistry& registry, const String& root) {
    registry.refuseDeletions = false;
    String list = root;
    StringAppend(list, TXT("\\Event Finder\\History\\Runs (saving)"));
    RegistryKey saving(registry, RegistryHive::CurrentUser, list.Text());
    ASSERT_TRUE(saving.Open() && saving.WriteBool(TXT("Complete"), true));
    StringAppend(list, TXT("\\0"));
    ASSERT_TRUE(RegistryKey(registry, RegistryHive::CurrentUser, list.Text()).DeleteTree());
}

std::vector<Seed> Seeds() {
    std::vector<Seed> seeds(4);
    seeds[0].name = "nothing_started.txt";
    events::InitDefaultEventFinderRun(seeds[0].stored.unstarted, InLondon());
    seeds[1].name = "history_one_shown.txt";
    seeds[1].stored.runs = History();
    seeds[1].stored.display = 1;
    seeds[1].stored.selectedResult = 0;
    seeds[2].name = "history_save_unfinished.txt";
    seeds[2].stored.runs = History();
    seeds[2].stored.unstarted = Run(At(2027, 1, 1), At(2028, 1, 1), {kDaysUnit, 7}, At(kFirstValidYear, 1, 1));
    seeds[2].deletionsFail = true;
    seeds[3] = seeds[2];
    seeds[3].name = "history_saving_list_cut.txt";
    seeds[3].savingListCut = true;
    return seeds;
}

TEST(EventFinderStoreSeeds, AreWhatTheStoreWrites) {
    const test::ScopedCatalogues catalogues;
    const String root(fuzz::kSettingsRoot);
    const bool write = std::getenv("CN_WRITE_FUZZ_SEEDS") != nullptr;
    for (const Seed& seed : Seeds()) {
        fuzz::RecordingStorage storage;
        storage.registry.refuseDeletions = seed.deletionsFail;
        {
            SettingsTreeWriter writer(storage, root);
            EXPECT_EQ(events::SaveEventFinder(writer, seed.stored), !seed.deletionsFail) << seed.name;
        }
        if (seed.savingListCut) CutSavingList(storage.registry, root);
        const std::string written = storage.registry.Text(root);
        const std::string path = std::string(CN_FUZZ_SOURCE_DIR) + "/event_finder_store/seeds/" + seed.name;
        if (write) std::ofstream(path, std::ios::binary) << written;
        std::ifstream file(path, std::ios::binary);
        std::ostringstream committed;
        committed << file.rdbuf();
        EXPECT_EQ(committed.str(), written) << seed.name;

        // As the target's input, the seed gives its history back.
        MemoryStorageService read;
        fuzz::WriteSettingsRecords(read, root, fuzz::SettingsRecords(reinterpret_cast<const std::uint8_t*>(written.data()),
                                                                      written.size()));
        events::StoredEventFinder loaded;
        events::LoadEventFinder(read, root, InLondon(), loaded);
        ASSERT_EQ(loaded.runs.size(), seed.stored.runs.size()) << seed.name;
        for (std::size_t i = 0; i < loaded.runs.size(); ++i) {
            EXPECT_EQ(loaded.runs[i].foundRanges.size(), seed.stored.runs[i].foundRanges.size()) << seed.name << i;
            EXPECT_EQ(loaded.runs[i].runState, seed.stored.runs[i].runState) << seed.name << i;
        }
        EXPECT_EQ(loaded.display, seed.stored.display) << seed.name;
        if (seed.stored.display < 0) {
            EXPECT_TRUE(DateTimeEqual(loaded.unstarted.to, seed.stored.unstarted.to)) << seed.name;
        }
    }
}

}  // namespace
}  // namespace corvinata
