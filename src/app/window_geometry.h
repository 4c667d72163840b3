// The placement of a window in the settings: the group "Geometry" with the
// values that its field mask names.
#pragma once

#include <cstdint>

#include "app/settings_values.h"

namespace corvinata {

enum WindowGeometryMask : std::int32_t {
    kGeometryPosition = 1,
    kGeometrySize = 2,
    kGeometryState = 4,
    kGeometryAll = 7,
};

struct WindowGeometry {
    std::int32_t fieldMask = kGeometryAll;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool minimized = false;
    bool maximized = false;
};

// "Left", "Top" (mask 1), "Width", "Height" (mask 2), "Minimized",
// "Maximized" (mask 4), in that order, each while the earlier ones succeeded.
bool WriteWindowGeometry(const WindowGeometry& geometry, SettingsTreeWriter& writer,
                         const RecordKeyNames& names = {TXT("Geometry")});
// Reads the same values; stops at the first missing one (fields read so far
// keep their new values, the rest what the caller put in).
bool ReadWindowGeometry(WindowGeometry& geometry, SettingsTree& tree,
                        const RecordKeyNames& names = {TXT("Geometry")});

}  // namespace corvinata
