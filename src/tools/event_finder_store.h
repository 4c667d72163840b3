// The Event Finder's runs in the settings: under "\Event Finder" the
// unstarted run, the shown run's index ("Displaying run"), its selected
// result and, below "History\Runs", the started runs in list order.
//
// Stored values are taken only checked: a shown index below -1 counts as -1
// and one beyond the list as the newest run, a selected result beyond the
// run's results as 0, a run stored Running (it has no worker any more) or in
// an unknown state as Stopped.
#pragma once

#include <optional>
#include <vector>

#include "app/settings_values.h"
#include "base/date_time_location.h"
#include "tools/event_definitions.h"

namespace corvinata::events {

struct StoredEventFinder {
    std::vector<EventDefinition> runs;
    EventDefinition unstarted;
    int display = -1;          // list position, -1 the unstarted run
    int selectedResult = 0;
};

// One run record in the innermost key; true when every part was read
// (parts are read in order, each only after the one before it).
bool ReadEventFinderRun(SettingsTree& tree, EventDefinition& run);
bool SaveEventFinderRun(SettingsTreeWriter& writer, const EventDefinition& run);

// The run list the settings hold, as it was last read from them or written
// to them. A list of thousands of results takes half a minute to write
// twice over: a save whose runs are the same in everything a run record
// holds leaves the stored list alone. Unknown (always written) when the
// stored list is not the one read: read from an unfinished save, a run put
// right or a record cut short on reading, or a write that failed.
class StoredRunList {
public:
    bool Holds(const std::vector<EventDefinition>& runs) const;
    void Set(const std::vector<EventDefinition>& runs) {
        runs_ = runs;
        fromSavingList_ = false;
    }
    void Forget() { runs_.reset(); }
    // The runs were read from a new list marked whole beside the list in
    // its place, which an exit killed while it rewrote that list may have
    // left cut: the next save puts the list in its place first, and only
    // then lets go of the new one.
    void SetFromSavingList(bool from) { fromSavingList_ = from; }
    bool FromSavingList() const { return fromSavingList_; }

private:
    std::optional<std::vector<EventDefinition>> runs_;
    bool fromSavingList_ = false;
};

// Reads everything; what cannot be read takes its default (`now` gives the
// default unstarted run). `stored`, when given, learns the list read. A new
// list marked whole is read in place of the old one only when it can be
// read whole.
void LoadEventFinder(StorageService& storage, const String& root, const DateTimeLocation& now,
                     StoredEventFinder& out, StoredRunList* stored = nullptr);
// Writes everything. Each part is written on its own, so one failed write
// loses only its part; the run list is written whole under a new key before
// the old list goes, and only when it differs from `stored` (when given),
// which then learns what the settings hold. Wherever the program is killed
// in between, a start reads one of the two lists whole. False when any part
// failed.
bool SaveEventFinder(SettingsTreeWriter& writer, const StoredEventFinder& in, StoredRunList* stored = nullptr);

}  // namespace corvinata::events
