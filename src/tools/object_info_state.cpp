#include "tools/object_info_state.h"

#include "app/settings_records.h"
#include "app/settings_values.h"

namespace corvinata {
namespace {

constexpr const Char* kObjectInfoKey = TXT("Object Info");

void ReadCode(SettingsTree& tree, const Char* name, std::int32_t lo, std::int32_t hi, std::int32_t& field) {
    std::int32_t value = 0;
    if (ReadIntValueInRange(tree, name, lo, hi, value)) field = value;
}

}  // namespace

ObjectInfoState DefaultObjectInfoState(const CelestialObject* sun, const DateTimeLocation& current) {
    ObjectInfoState state;
    state.selectedBody = BodyIdentifierFromObject(sun);
    TimeAndPlaceFromDateTimeLocation(state.timeAndPlace, current);
    return state;
}

ObjectInfoState LoadObjectInfoState(SettingsTree& tree, const CelestialObject* sun, const DateTimeLocation& current) {
    ObjectInfoState state = DefaultObjectInfoState(sun, current);
    ReadGroup group(tree, kObjectInfoKey);
    if (!group.IsOpen()) return state;
    ReadIntValue(tree, TXT("X"), state.x);
    ReadIntValue(tree, TXT("Y"), state.y);
    ReadBoolValue(tree, TXT("Visible"), state.visible);
    BodyIdentifier body;
    if (LoadBodyIdentifier(tree, {TXT("Selected Body")}, body) && body.object) state.selectedBody = body;
    ReadIntValue(tree, TXT("Tab"), state.tab);
    ReadCode(tree, TXT("Step value"), 1, INT32_MAX, state.step.count);
    ReadCode(tree, TXT("Step type"), 0, kTimeUnitCount - 1, state.step.unit);
    ReadCode(tree, TXT("Coordinate system"), 0, kObjectInfoCoordinateSystemCount - 1, state.coordinateSystem);
    ReadCode(tree, TXT("Time system"), 0, kObjectInfoTimeSystemCount - 1, state.timeSystem);
    ReadCode(tree, TXT("Distance system"), 0, kObjectInfoDistanceSystemCount - 1, state.distanceSystem);
    return state;
}

bool SaveObjectInfoState(SettingsTreeWriter& writer, const ObjectInfoState& state) {
    WriteGroup group(writer, kObjectInfoKey);
    if (!group.IsOpen()) return false;
    bool ok = WriteBoolValue(writer, TXT("Visible"), state.visible);
    ok = WriteIntValue(writer, TXT("X"), state.x) && ok;
    ok = WriteIntValue(writer, TXT("Y"), state.y) && ok;
    ok = SaveBodyIdentifier(writer, {TXT("Selected Body")}, state.selectedBody) && ok;
    ok = WriteIntValue(writer, TXT("Tab"), state.tab) && ok;
    ok = WriteIntValue(writer, TXT("Step value"), state.step.count) && ok;
    ok = WriteIntValue(writer, TXT("Step type"), state.step.unit) && ok;
    ok = WriteIntValue(writer, TXT("Coordinate system"), state.coordinateSystem) && ok;
    ok = WriteIntValue(writer, TXT("Time system"), state.timeSystem) && ok;
    ok = WriteIntValue(writer, TXT("Distance system"), state.distanceSystem) && ok;
    return ok;
}

}  // namespace corvinata
