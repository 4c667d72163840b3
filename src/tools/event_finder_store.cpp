#include "tools/event_finder_store.h"

#include <algorithm>

#include "app/location_settings.h"
#include "app/settings_records.h"
#include "base/date_time_range.h"
#include "base/registry_root.h"
#include "base/text_format.h"
#include "tools/event_finder.h"

namespace corvinata::events {
namespace {

const Char kEventFinderKey[] = TXT("Event Finder");
const Char kRunsKey[] = TXT("History\\Runs");
// A new run list is written here whole first; "Complete" marks it whole.
const Char kNewRunsKey[] = TXT("History\\Runs (saving)");
const Char kComplete[] = TXT("Complete");
const Char kUnstartedKey[] = TXT("Unstarted run");
const Char kDisplaying[] = TXT("Displaying run");
const Char kSelectedResult[] = TXT("Selected actual event");

String Decimal(std::size_t i) {
    String out;
    return StringFromInteger(static_cast<int>(i), 0, out, false, TXT('0'));
}

corvinata::EventDefinition StoredCondition(const EventCondition& c) {
    corvinata::EventDefinition d;
    d.isPredefined = c.isPredefined;
    d.scriptCode = c.searchExpression;
    d.isScriptEdited = c.isUserExpression;
    d.predefinedEvent = c.predefinedEvent;
    d.isMinimum = c.isMinimum;
    d.body1 = c.firstBody;
    d.body2 = c.secondBody;
    d.functionNumber = static_cast<std::int32_t>(c.quantity);
    return d;
}

EventCondition ConditionOf(const corvinata::EventDefinition& d) {
    EventCondition c;
    c.isPredefined = d.isPredefined;
    c.searchExpression = d.scriptCode;
    c.isUserExpression = d.isScriptEdited;
    c.predefinedEvent = d.predefinedEvent;
    c.isMinimum = d.isMinimum;
    c.firstBody = d.body1;
    c.secondBody = d.body2;
    c.quantity = static_cast<std::uint32_t>(d.functionNumber);
    return c;
}

// True when the innermost key has no more subkeys than the `count` read
// from it: a deletion cut short removes subkeys from the first name on, and
// the ones left after the gap are not read.
bool NothingLeftUnread(SettingsTree& tree, std::size_t count) {
    std::vector<String> names;
    return tree.Innermost() && tree.Innermost()->EnumSubkeys(names) && names.size() == count;
}

// `resultsWhole`, when given, learns whether the results ended where the
// stored ones end rather than at one that could not be read.
bool ReadRunRecord(SettingsTree& tree, EventDefinition& run, bool* resultsWhole) {
    RequiredValues r(tree);
    r.Then([&] { return ReadDateTimeValue(tree, {TXT("Time executed")}, run.secondDate); });
    r.Then([&] {
        ReadGroup range(tree, TXT("Search range"));
        return range.IsOpen() && ReadDateTimeValue(tree, {TXT("From")}, run.from) &&
               ReadDateTimeValue(tree, {TXT("To")}, run.to) &&
               LoadTimeStep(String(TXT("Step")), run.step, tree);
    });
    r.Then([&] { return LoadGeoLocation({TXT("Location")}, tree, run.location); });
    r.Then([&] { return ReadBoolValue(tree, TXT("DST active"), run.daylightSaving); });
    r.Then([&] {
        ReadGroup state(tree, TXT("Current state"));
        std::int32_t value = 0;
        if (!state.IsOpen() || !ReadIntValue(tree, TXT("State"), value)) return false;
        run.runState = value >= 0 && value <= 3 ? static_cast<std::uint32_t>(value) : 99u;
        return ReadDateTimeValue(tree, {TXT("Stopped at")}, run.stoppedAt);
    });
    r.Then([&] {
        corvinata::EventDefinition stored;
        if (!LoadEventDefinition(tree, stored)) return false;
        run.condition = ConditionOf(stored);
        return true;
    });
    r.Then([&] {
        run.ClearRanges();
        ReadGroup results(tree, TXT("Results"));
        if (!results.IsOpen()) return true;
        for (std::size_t i = 0;; ++i) {
            ReadGroup item(tree, Decimal(i).Text());
            DateTimeRange range;
            DateTimeRangeInit(range, kInvalidTimeSystem);
            if (!item.IsOpen()) {
                if (resultsWhole && !NothingLeftUnread(tree, i)) *resultsWhole = false;
                break;
            }
            if (!ReadDateTimeValue(tree, {TXT("From")}, range.begin) ||
                !ReadDateTimeValue(tree, {TXT("To")}, range.end)) {
                if (resultsWhole) *resultsWhole = false;
                break;
            }
            run.foundRanges.push_back(range);
        }
        return true;
    });
    return r.Ok();
}

// How a run list was read.
struct ListRead {
    // Every record stored was read whole: no run and no result that could
    // not be read, none missing between those read.
    bool whole = true;
    // Whole, and none put right: the runs are the stored list value for value.
    bool asStored = true;
};

// Reads the list under `key`; false when there is none.
bool ReadRunList(SettingsTree& tree, const Char* key, std::vector<EventDefinition>& runs, ListRead& read) {
    ReadGroup list(tree, key);
    if (!list.IsOpen()) return false;
    std::size_t count = 0;
    for (;; ++count) {
        ReadGroup item(tree, Decimal(count).Text());
        if (!item.IsOpen()) break;
        EventDefinition run;
        bool resultsWhole = true;
        if (!ReadRunRecord(tree, run, &resultsWhole)) {
            read.whole = read.asStored = false;
            return true;
        }
        if (!resultsWhole) read.whole = read.asStored = false;
        // No worker survives the program: a run stored Running, or in a
        // state that does not exist, can only be continued.
        if (run.runState != kRunStopRequested && run.runState != kRunComplete) {
            run.runState = kRunStopRequested;
            read.asStored = false;
        }
        runs.push_back(std::move(run));
    }
    if (!NothingLeftUnread(tree, count)) read.whole = read.asStored = false;
    return true;
}

bool SameBody(const BodyIdentifier& a, const BodyIdentifier& b) noexcept {
    return a.object == b.object && a.nameSystem == b.nameSystem && a.name == b.name;
}

// Equal in every value SaveEventFinderRun writes.
bool SameRecord(const EventDefinition& a, const EventDefinition& b) {
    const GeoCoordinates& p = a.location.coordinates;
    const GeoCoordinates& q = b.location.coordinates;
    const EventCondition& c = a.condition;
    const EventCondition& d = b.condition;
    return DateTimeEqual(a.secondDate, b.secondDate) && DateTimeEqual(a.from, b.from) && DateTimeEqual(a.to, b.to) &&
           a.step.unit == b.step.unit && a.step.count == b.step.count &&
           p.longitude.degrees == q.longitude.degrees && p.longitude.mode == q.longitude.mode &&
           p.latitude.degrees == q.latitude.degrees && p.timeZone.hours == q.timeZone.hours &&
           p.elevation == q.elevation && a.location.country == b.location.country &&
           a.location.town == b.location.town && a.daylightSaving == b.daylightSaving &&
           a.runState == b.runState && DateTimeEqual(a.stoppedAt, b.stoppedAt) &&
           c.isPredefined == d.isPredefined && c.searchExpression == d.searchExpression &&
           c.isUserExpression == d.isUserExpression && c.predefinedEvent == d.predefinedEvent &&
           c.isMinimum == d.isMinimum && SameBody(c.firstBody, d.firstBody) &&
           SameBody(c.secondBody, d.secondBody) && c.quantity == d.quantity &&
           std::equal(a.foundRanges.begin(), a.foundRanges.end(), b.foundRanges.begin(), b.foundRanges.end(),
                      [](const DateTimeRange& x, const DateTimeRange& y) {
                          return DateTimeEqual(x.begin, y.begin) && DateTimeEqual(x.end, y.end);
                      });
}

// Removes the saving list, its "Complete" mark first: a deletion removes
// the runs one by one, and one cut short (the program killed at exit)
// must not leave a list marked whole with half its runs gone.
bool DeleteSavingList(SettingsTreeWriter& writer) {
    const std::unique_ptr<SettingsNode> list = writer.MakeChildNode(String(kNewRunsKey));
    if (!list) return false;
    if (list->Exists() && !(list->Open() && list->WriteBool(kComplete, false))) return false;
    return list->DeleteTree();
}

bool WriteRunList(SettingsTreeWriter& writer, const Char* key, const std::vector<EventDefinition>& runs) {
    if (!DeleteSettingsKey(writer, key)) return false;
    WriteGroup list(writer, key);
    if (!list.IsOpen()) return false;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        WriteGroup item(writer, Decimal(i).Text());
        if (!item.IsOpen() || !SaveEventFinderRun(writer, runs[i])) return false;
    }
    return true;
}

}  // namespace

bool StoredRunList::Holds(const std::vector<EventDefinition>& runs) const {
    return runs_ && std::equal(runs_->begin(), runs_->end(), runs.begin(), runs.end(), SameRecord);
}

bool ReadEventFinderRun(SettingsTree& tree, EventDefinition& run) { return ReadRunRecord(tree, run, nullptr); }

bool SaveEventFinderRun(SettingsTreeWriter& writer, const EventDefinition& run) {
    WrittenValues w(writer);
    w.Then([&] { return WriteDateTimeValue(writer, {TXT("Time executed")}, run.secondDate); });
    w.Then([&] {
        WriteGroup range(writer, TXT("Search range"));
        return range.IsOpen() && WriteDateTimeValue(writer, {TXT("From")}, run.from) &&
               WriteDateTimeValue(writer, {TXT("To")}, run.to) &&
               SaveTimeStep(String(TXT("Step")), run.step, writer);
    });
    w.Then([&] { return SaveGeoLocation({TXT("Location")}, run.location, writer); });
    w.Bool(TXT("DST active"), run.daylightSaving);
    w.Then([&] {
        WriteGroup state(writer, TXT("Current state"));
        return state.IsOpen() &&
               WriteIntValue(writer, TXT("State"), static_cast<std::int32_t>(run.runState)) &&
               WriteDateTimeValue(writer, {TXT("Stopped at")}, run.stoppedAt);
    });
    w.Then([&] { return SaveEventDefinition(writer, StoredCondition(run.condition)); });
    w.Then([&] {
        WriteGroup results(writer, TXT("Results"));
        if (!results.IsOpen()) return false;
        for (std::size_t i = 0; i < run.foundRanges.size(); ++i) {
            WriteGroup item(writer, Decimal(i).Text());
            if (!item.IsOpen() || !WriteDateTimeValue(writer, {TXT("From")}, run.foundRanges[i].begin) ||
                !WriteDateTimeValue(writer, {TXT("To")}, run.foundRanges[i].end)) {
                return false;
            }
        }
        return true;
    });
    return w.Ok();
}

void LoadEventFinder(StorageService& storage, const String& root, const DateTimeLocation& now,
                     StoredEventFinder& out, StoredRunList* stored) {
    out = StoredEventFinder();
    if (stored) stored->Forget();
    InitDefaultEventFinderRun(out.unstarted, now);
    SettingsTree tree(storage, root);
    ReadGroup finder(tree, kEventFinderKey);
    if (!finder.IsOpen()) return;
    // A list whose save completed but whose copy into place did not is the newer one.
    bool complete = false;
    bool unfinished = false;
    {
        ReadGroup saving(tree, kNewRunsKey);
        unfinished = saving.IsOpen();
        complete = unfinished && ReadBoolValue(tree, kComplete, complete) && complete;
    }
    ListRead read;
    bool fromSaving = false;
    if (complete) fromSaving = ReadRunList(tree, kNewRunsKey, out.runs, read) && read.whole;
    if (complete && !fromSaving) {
        // Marked whole but not whole: a deletion that took the mark last was
        // cut short, or the list was damaged. The list in its place was
        // whole before that deletion began; what the saving list kept is
        // taken only when there is no list in its place at all.
        std::vector<EventDefinition> cut = std::move(out.runs);
        out.runs.clear();
        read = ListRead();
        if (!ReadRunList(tree, kRunsKey, out.runs, read)) {
            out.runs = std::move(cut);
            read.whole = read.asStored = false;
        }
    } else if (!complete && !ReadRunList(tree, kRunsKey, out.runs, read)) {
        read.asStored = false;
    }
    // Only a list read whole from its place, with no save left unfinished
    // beside it, is what a write of the same runs would leave.
    if (stored && read.asStored && !unfinished) stored->Set(out.runs);
    if (stored) stored->SetFromSavingList(fromSaving);
    {
        ReadGroup unstarted(tree, kUnstartedKey);
        EventDefinition run;
        if (unstarted.IsOpen() && ReadEventFinderRun(tree, run)) out.unstarted = std::move(run);
        out.unstarted.runState = kRunNotStarted;
        // Not started, it stands at its beginning, whatever a write of
        // the range alone (a copy started by automation) left beside it.
        out.unstarted.stoppedAt = out.unstarted.from;
        out.unstarted.ClearRanges();
    }
    std::int32_t display = -1;
    if (!ReadIntValue(tree, kDisplaying, display)) display = -1;
    const int n = static_cast<int>(out.runs.size());
    out.display = std::clamp(display, -1, n - 1);
    std::int32_t selected = 0;
    if (!ReadIntValue(tree, kSelectedResult, selected)) selected = 0;
    if (out.display >= 0) {
        const auto count = static_cast<std::int32_t>(out.runs[static_cast<std::size_t>(out.display)].foundRanges.size());
        out.selectedResult = selected >= 0 && selected < count ? selected : 0;
    }
}

bool SaveEventFinder(SettingsTreeWriter& writer, const StoredEventFinder& in, StoredRunList* stored) {
    WriteGroup finder(writer, kEventFinderKey);
    if (!finder.IsOpen()) return false;
    bool ok = true;
    if (in.display < 0) {
        WriteGroup unstarted(writer, kUnstartedKey);
        ok = unstarted.IsOpen() && SaveEventFinderRun(writer, in.unstarted);
    }
    ok = WriteIntValue(writer, kDisplaying, in.display) && ok;
    if (in.display >= 0) ok = WriteIntValue(writer, kSelectedResult, in.selectedResult) && ok;
    if (stored && stored->Holds(in.runs)) return ok;
    const bool fromSaving = stored && stored->FromSavingList();
    if (stored) stored->Forget();
    if (fromSaving) {
        // The runs came from the saving list because the list in its place
        // may have been cut (an exit killed while it rewrote it): the saving
        // list stays marked whole until the list in its place is whole again.
        if (!WriteRunList(writer, kRunsKey, in.runs) || !DeleteSavingList(writer)) return false;
    } else {
        // The new list goes whole beside the old one; only then is the old
        // one replaced.
        bool whole = DeleteSavingList(writer) && WriteRunList(writer, kNewRunsKey, in.runs);
        if (whole) {
            WriteGroup saving(writer, kNewRunsKey);
            whole = saving.IsOpen() && WriteBoolValue(writer, kComplete, true);
        }
        if (!whole) {
            DeleteSavingList(writer);
            return false;
        }
        if (!WriteRunList(writer, kRunsKey, in.runs) || !DeleteSavingList(writer)) return false;
    }
    if (stored) stored->Set(in.runs);
    return ok;
}

}  // namespace corvinata::events
