// The small records that many owners keep in the settings: date-time values,
// time steps, body references, the definition of a searched event, the
// general options and the date-and-time options; and the value operations
// that apply and compare a change of date or time.
//
// Each load has a save twin that walks the same names in the same order. A
// load keeps the receiver's value for anything it cannot read, and a stored
// value outside its valid range counts as unreadable.
#pragma once

#include <cstdint>

#include "catalog/catalogue_registry.h"
#include "app/settings_values.h"
#include "base/date_time.h"
#include "base/time_step.h"

namespace corvinata {

// "Year", "Month", "Day", "Time" (hours, as text) and "Time System" in the
// record's sub-key. The record is taken only when it is a valid date with
// hours in 0..24 (or without a time) and a time system 0..4.
bool ReadDateTimeValue(SettingsTree& tree, const RecordKeyNames& names, DateTime& record);
bool WriteDateTimeValue(SettingsTreeWriter& writer, const RecordKeyNames& names,
                        const DateTime& record);

// In the record's sub-key: "Body"\"Body type"\"Type number", "Body"\"Number",
// "Name system"\"Number" and "Name". An empty reference is written with the
// type number -1 and reads back as empty.
bool LoadBodyIdentifier(SettingsTree& tree, const RecordKeyNames& names, BodyIdentifier& body);
bool SaveBodyIdentifier(SettingsTreeWriter& writer, const RecordKeyNames& names,
                        const BodyIdentifier& body);

// What the Event Finder searches for.
struct EventDefinition {
    bool isPredefined = false;
    String scriptCode;
    bool isScriptEdited = false;
    std::int32_t predefinedEvent = 0;  // the event kind's type code
    bool isMinimum = false;
    BodyIdentifier body1;
    BodyIdentifier body2;
    std::int32_t functionNumber = 0;   // the body function's type code
};

// Under the sub-key "Selected event" of the owner's key; each item only
// after the one before it succeeded.
bool LoadEventDefinition(SettingsTree& tree, EventDefinition& definition);
bool SaveEventDefinition(SettingsTreeWriter& writer, const EventDefinition& definition);

// The names of the constellation catalogue's name systems.
class NameSystemNames {
public:
    virtual ~NameSystemNames() = default;
    virtual bool FindIdByName(const String& name, std::int32_t& id) const = 0;
    virtual String NameOfId(std::int32_t id) const = 0;
};

struct GeneralOptions {
    std::int32_t raDisplayUnit = 1;    // 1 hours, 0 degrees
    std::int32_t angleDegreeBase = 0;  // 1 decimal, 0 sexagesimal
    std::int32_t constellationLanguage = 0;
    bool factoryReset = false;         // never stored
    bool saveOptionsOnExit = true;
};

// Always true; clears the factory-reset flag.
bool LoadGeneralOptions(SettingsTree& tree, const NameSystemNames& names, GeneralOptions& options);
// With the factory-reset flag: deletes the program's whole settings key
// (`rootPath`) and nothing else. Otherwise writes the save flag, and the
// three display values only while that flag is set.
bool SaveGeneralOptions(SettingsTreeWriter& writer, const NameSystemNames& names,
                        const GeneralOptions& options, const String& rootPath);

struct DateTimeOptions {
    bool userDefined = false;
    DateTime userTime{2008, 1, 1, 0.0, kLocalCivilTime};
    bool userDaylightSaving = false;
    bool clockActive = false;
};

bool LoadDateTimeOptions(SettingsTree& tree, DateTimeOptions& options);
bool SaveDateTimeOptions(SettingsTreeWriter& writer, const DateTimeOptions& options);

// Kinds of a date-time change.
enum DateTimeChangeKind : std::int32_t {
    kChangeDate = 0,      // year, month and day
    kChangeTimeOfDay = 1, // the hours
    kChangeWhole = 2,     // everything (as is every other kind)
};

// The value with the part that the kind names taken from `change`.
DateTime ApplyDateTimeChange(const DateTime& value, const DateTime& change, std::int32_t kind);
// Kind 0: the same day as the change; kind 1: the value with its hours
// replaced by the change's is the change (its day and time system, whatever
// the value's hours); kind 2: the same whole moment; other kinds: false.
// Not whether applying the change would alter the value: compare the
// applied value for that.
bool DateTimeMatchesChange(const DateTime& value, std::int32_t kind, const DateTime& change);

}  // namespace corvinata
