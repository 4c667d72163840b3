#include "app/copy_end_records.h"

#include <iterator>

namespace corvinata {

// A copy started by automation writes at its end what it would write
// otherwise than at its start value by value: a value its run never changed
// leaves what the user's run wrote meanwhile. A record, whose values mean
// something only together, is compared and written whole, so that it is
// never made of two runs' values. The lists (the recent files, a window
// kind's model and windows, the Event Finder's runs, the user's places, a
// list view's columns) are written anew, deleted first, and so compared
// whole anyway. The other records, below the settings root:
const RegistryRecord kCopysRecords[] = {
    // The observer's place: its coordinates, country and town, and whether
    // it is one of the user's own places, which follows from them.
    {TXT("Location Options"), {}},
    // The user's own moment and its daylight saving time, which the clock
    // moves together.
    {TXT("Time Options"), {TXT("User defined time"), TXT("User defined DST")}},
    // The Calculator's moments: the calendar's date, time and time system,
    // and each page's moment with its place and daylight saving time.
    {TXT("Calculator\\Calendar tab\\Date and Time"), {}},
    {TXT("Calculator\\*\\Time and location"), {}},
    // A position in the sky in its coordinate system; a distance in its unit.
    {TXT("Calculator\\Coordinate tab"),
     {TXT("Source longitude"), TXT("Source latitude"), TXT("Source coordinate system")}},
    {TXT("Calculator\\Distance tab"), {TXT("Source distance"), TXT("Source distance system")}},
    // Object Info's body (its catalogue, number, name system and name) and
    // its time step (a count in a unit).
    {TXT("Object Info\\Selected Body"), {}},
    {TXT("Object Info"), {TXT("Step value"), TXT("Step type")}},
    // The search the Event Finder offers before it runs: its range (from
    // and to), its state, its step, its event and its place, each a record
    // of its own. They are not one record: the search's place follows the
    // observer's by itself, and a copy whose client only moved the observer
    // must not write back the range, step and event it read at its start.
    {TXT("Event Finder\\Unstarted run\\Search range"), {TXT("From"), TXT("To")}},
    {TXT("Event Finder\\Unstarted run\\Current state"), {}},
    {TXT("Event Finder\\Unstarted run\\Time executed"), {}},
    {TXT("Event Finder\\Unstarted run\\Search range\\Step"), {}},
    {TXT("Event Finder\\Unstarted run\\Selected event"), {}},
    {TXT("Event Finder\\Unstarted run\\Location"), {}},
    // The run the Event Finder shows and the selected event, a number among
    // that run's.
    {TXT("Event Finder"), {TXT("Displaying run"), TXT("Selected actual event")}},
    // Where a tool window stands (whether it is shown is a value alone).
    {TXT("Calculator"), {TXT("Left"), TXT("Top")}},
    {TXT("Event Forecast"), {TXT("Left"), TXT("Top")}},
    {TXT("Object Info"), {TXT("X"), TXT("Y")}},
    {TXT("Symbol table"), {TXT("X"), TXT("Y")}},
    {TXT("Event Finder\\Window state"), {TXT("Left"), TXT("Top")}},
    {TXT("Event Finder\\History\\Window state"), {TXT("Left"), TXT("Top")}},
};

const std::size_t kCopysRecordCount = std::size(kCopysRecords);

}  // namespace corvinata
