#include "app/window_geometry.h"

namespace corvinata {

bool WriteWindowGeometry(const WindowGeometry& geometry, SettingsTreeWriter& writer,
                         const RecordKeyNames& names) {
    WriteGroup group(writer, names.Key());
    WrittenValues values(writer);
    values.Then([&] { return group.IsOpen(); });
    if (geometry.fieldMask & kGeometryPosition) {
        values.Int(TXT("Left"), geometry.left);
        values.Int(TXT("Top"), geometry.top);
    }
    if (geometry.fieldMask & kGeometrySize) {
        values.Int(TXT("Width"), geometry.width);
        values.Int(TXT("Height"), geometry.height);
    }
    if (geometry.fieldMask & kGeometryState) {
        values.Bool(TXT("Minimized"), geometry.minimized);
        values.Bool(TXT("Maximized"), geometry.maximized);
    }
    return values.Ok();
}

bool ReadWindowGeometry(WindowGeometry& geometry, SettingsTree& tree, const RecordKeyNames& names) {
    ReadGroup group(tree, names.Key());
    if (!group.IsOpen()) return false;
    auto read = [&](const Char* name, std::int32_t& field) { return ReadIntValue(tree, name, field); };
    auto flag = [&](const Char* name, bool& field) { return ReadBoolValue(tree, name, field); };
    const std::int32_t mask = geometry.fieldMask;
    return (!(mask & kGeometryPosition) || (read(TXT("Left"), geometry.left) &&
                                            read(TXT("Top"), geometry.top))) &&
           (!(mask & kGeometrySize) || (read(TXT("Width"), geometry.width) &&
                                        read(TXT("Height"), geometry.height))) &&
           (!(mask & kGeometryState) || (flag(TXT("Minimized"), geometry.minimized) &&
                                         flag(TXT("Maximized"), geometry.maximized)));
}

}  // namespace corvinata
