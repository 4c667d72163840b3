#include "app/settings_records.h"

#include <memory>

#include "base/services.h"
#include "base/storage.h"
#include "catalog/catalogue_registry.h"
#include "catalog/name_systems.h"

namespace corvinata {

namespace {

bool IsStorableDateTime(const DateTime& record) {
    const bool hoursOk = record.hours == kNoTimeHours || (record.hours >= 0.0 && record.hours <= 24.0);
    return IsValidDate(record) && hoursOk && record.timeSystem >= kUniversalTime &&
           record.timeSystem <= kInvalidTimeSystem;
}

// An empty identifier is stored with the type number -1. A stored body is
// looked up in its catalogue; one that no catalogue holds (a damaged or a
// foreign value) refuses the record rather than naming another body.
bool LoadBodyValues(SettingsTree& tree, BodyIdentifier& body) {
    std::int32_t type = -1;
    std::int32_t number = 0;
    std::int32_t systemNumber = 0;
    String name;
    {
        ReadGroup bodyKey(tree, TXT("Body"));
        if (!bodyKey.IsOpen()) return false;
        {
            ReadGroup typeKey(tree, TXT("Body type"));
            if (!typeKey.IsOpen() || !ReadIntValueInRange(tree, TXT("Type number"), -1, 9, type)) {
                return false;
            }
        }
        if (!ReadIntValue(tree, TXT("Number"), number)) return false;
    }
    {
        ReadGroup system(tree, TXT("Name system"));
        if (!system.IsOpen() || !ReadIntValue(tree, TXT("Number"), systemNumber)) return false;
    }
    if (!ReadStringValue(tree, TXT("Name"), name)) return false;
    if (type < 0) {
        body = BodyIdentifierFromObject(nullptr);
        return true;
    }
    const CelestialObject* object = GetCatalogueObject(type, number);
    if (!object) return false;
    BodyIdentifierInit(body, object, GetNameSystemOfType(type, systemNumber), name.Text());
    return true;
}

bool SaveBodyValues(SettingsTreeWriter& writer, const BodyIdentifier& body) {
    const CelestialObject* object = body.object;
    {
        WriteGroup bodyKey(writer, TXT("Body"));
        if (!bodyKey.IsOpen()) return false;
        {
            WriteGroup typeKey(writer, TXT("Body type"));
            if (!typeKey.IsOpen() ||
                !WriteIntValue(writer, TXT("Type number"), object ? object->GetTypeId() : -1)) {
                return false;
            }
        }
        if (!WriteIntValue(writer, TXT("Number"), object ? object->Number() : 0)) return false;
    }
    {
        WriteGroup system(writer, TXT("Name system"));
        if (!system.IsOpen() ||
            !WriteIntValue(writer, TXT("Number"),
                           object && body.nameSystem ? body.nameSystem->GetId() : 0)) {
            return false;
        }
    }
    return WriteStringValue(writer, TXT("Name"), object ? body.name : String());
}

}  // namespace

bool ReadDateTimeValue(SettingsTree& tree, const RecordKeyNames& names, DateTime& record) {
    ReadGroup group(tree, names.Key());
    if (!group.IsOpen()) return false;
    DateTime read = record;
    const bool ok = ReadIntValue(tree, TXT("Year"), read.year) &&
                    ReadIntValue(tree, TXT("Month"), read.month) &&
                    ReadIntValue(tree, TXT("Day"), read.day) &&
                    ReadDoubleValue(tree, TXT("Time"), read.hours) &&
                    ReadIntValue(tree, TXT("Time System"), read.timeSystem);
    if (!ok || !IsStorableDateTime(read)) return false;
    record = read;
    return true;
}

bool WriteDateTimeValue(SettingsTreeWriter& writer, const RecordKeyNames& names,
                        const DateTime& record) {
    WriteGroup group(writer, names.Key());
    return group.IsOpen() && WriteIntValue(writer, TXT("Year"), record.year) &&
           WriteIntValue(writer, TXT("Month"), record.month) &&
           WriteIntValue(writer, TXT("Day"), record.day) &&
           WriteDoubleValue(writer, TXT("Time"), record.hours) &&
           WriteIntValue(writer, TXT("Time System"), GetIntField(record));
}

bool LoadBodyIdentifier(SettingsTree& tree, const RecordKeyNames& names, BodyIdentifier& body) {
    ReadGroup group(tree, names.Key());
    return group.IsOpen() && LoadBodyValues(tree, body);
}

bool SaveBodyIdentifier(SettingsTreeWriter& writer, const RecordKeyNames& names,
                        const BodyIdentifier& body) {
    WriteGroup group(writer, names.Key());
    return group.IsOpen() && SaveBodyValues(writer, body);
}

bool LoadEventDefinition(SettingsTree& tree, EventDefinition& definition) {
    ReadGroup group(tree, TXT("Selected event"));
    if (!group.IsOpen()) return false;
    if (!ReadBoolValue(tree, TXT("Is predefined"), definition.isPredefined) ||
        !ReadStringValue(tree, TXT("Script code"), definition.scriptCode) ||
        !ReadBoolValue(tree, TXT("Is script edited"), definition.isScriptEdited) ||
        !ReadIntValue(tree, TXT("Predefined event"), definition.predefinedEvent) ||
        !ReadBoolValue(tree, TXT("Is minimum"), definition.isMinimum) ||
        !LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Selected Body 1")}, definition.body1) ||
        !LoadBodyIdentifier(tree, {TXT("Selected Body"), TXT("Selected Body 2")}, definition.body2)) {
        return false;
    }
    ReadGroup function(tree, TXT("Function"));
    return function.IsOpen() && ReadIntValue(tree, TXT("Number"), definition.functionNumber);
}

bool SaveEventDefinition(SettingsTreeWriter& writer, const EventDefinition& definition) {
    WriteGroup group(writer, TXT("Selected event"));
    if (!group.IsOpen() || !WriteBoolValue(writer, TXT("Is predefined"), definition.isPredefined) ||
        !WriteStringValue(writer, TXT("Script code"), definition.scriptCode) ||
        !WriteBoolValue(writer, TXT("Is script edited"), definition.isScriptEdited) ||
        !WriteIntValue(writer, TXT("Predefined event"), definition.predefinedEvent) ||
        !WriteBoolValue(writer, TXT("Is minimum"), definition.isMinimum) ||
        !SaveBodyIdentifier(writer, {TXT("Selected Body"), TXT("Selected Body 1")}, definition.body1) ||
        !SaveBodyIdentifier(writer, {TXT("Selected Body"), TXT("Selected Body 2")}, definition.body2)) {
        return false;
    }
    WriteGroup function(writer, TXT("Function"));
    return function.IsOpen() && WriteIntValue(writer, TXT("Number"), definition.functionNumber);
}

bool LoadGeneralOptions(SettingsTree& tree, const NameSystemNames& names, GeneralOptions& options) {
    if (!ReadBoolValue(tree, TXT("Save options when terminating"), options.saveOptionsOnExit)) {
        options.saveOptionsOnExit = true;
    }
    String text;
    options.raDisplayUnit =
        ReadStringValue(tree, TXT("RA display unit"), text) && text == String(TXT("Degrees")) ? 0 : 1;
    text = String();
    options.angleDegreeBase =
        !ReadStringValue(tree, TXT("Angle degree base"), text) || text == String(TXT("Sexagesimal"))
            ? 0
            : 1;
    text = String();
    std::int32_t language = 0;
    if (!ReadStringValue(tree, TXT("Language for constellation names"), text) ||
        !names.FindIdByName(text, language) || language == 2) {
        language = 0;
    }
    options.constellationLanguage = language;
    options.factoryReset = false;
    return true;
}

bool SaveGeneralOptions(SettingsTreeWriter& writer, const NameSystemNames& names,
                        const GeneralOptions& options, const String& rootPath) {
    if (options.factoryReset) {
        std::unique_ptr<SettingsNode> root =
            GetStorageService().CreateRegistryNode(RegistryHive::CurrentUser, rootPath.Text());
        return root && root->DeleteTree();
    }
    if (!WriteBoolValue(writer, TXT("Save options when terminating"), options.saveOptionsOnExit)) {
        return false;
    }
    if (!options.saveOptionsOnExit) return true;
    return WriteStringValue(writer, TXT("RA display unit"),
                            String(options.raDisplayUnit ? TXT("Hours") : TXT("Degrees"))) &&
           WriteStringValue(writer, TXT("Angle degree base"),
                            String(options.angleDegreeBase ? TXT("Decimal") : TXT("Sexagesimal"))) &&
           WriteStringValue(writer, TXT("Language for constellation names"),
                            names.NameOfId(options.constellationLanguage));
}

bool LoadDateTimeOptions(SettingsTree& tree, DateTimeOptions& options) {
    const DateTimeOptions defaults;
    bool all = true;
    if (!ReadBoolValue(tree, TXT("User defined time and DST active"), options.userDefined)) {
        options.userDefined = defaults.userDefined;
        all = false;
    }
    if (!ReadDateTimeValue(tree, {TXT("Date and Time"), TXT("User defined time")}, options.userTime)) {
        options.userTime = defaults.userTime;
        all = false;
    }
    if (!ReadBoolValue(tree, TXT("User defined DST"), options.userDaylightSaving)) {
        options.userDaylightSaving = defaults.userDaylightSaving;
        all = false;
    }
    if (!ReadBoolValue(tree, TXT("Real time clock active"), options.clockActive)) {
        options.clockActive = defaults.clockActive;
        all = false;
    }
    return all;
}

bool SaveDateTimeOptions(SettingsTreeWriter& writer, const DateTimeOptions& options) {
    return WriteBoolValue(writer, TXT("User defined time and DST active"), options.userDefined) &&
           WriteDateTimeValue(writer, {TXT("Date and Time"), TXT("User defined time")},
                              options.userTime) &&
           WriteBoolValue(writer, TXT("User defined DST"), options.userDaylightSaving) &&
           WriteBoolValue(writer, TXT("Real time clock active"), options.clockActive);
}

DateTime ApplyDateTimeChange(const DateTime& value, const DateTime& change, std::int32_t kind) {
    DateTime result = value;
    switch (kind) {
        case kChangeDate:
            result.year = change.year;
            result.month = change.month;
            result.day = change.day;
            break;
        case kChangeTimeOfDay:
            result.hours = change.hours;
            break;
        default:
            result = change;
            break;
    }
    return result;
}

bool DateTimeMatchesChange(const DateTime& value, std::int32_t kind, const DateTime& change) {
    switch (kind) {
        case kChangeDate:
            return value.year == change.year && value.month == change.month && value.day == change.day;
        case kChangeTimeOfDay: {
            DateTime withHours = value;
            withHours.hours = change.hours;
            return DateTimeEqual(withHours, change);
        }
        case kChangeWhole:
            return DateTimeEqual(value, change);
        default:
            return false;
    }
}

}  // namespace corvinata
