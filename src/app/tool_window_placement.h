// Where a tool window stood and whether it was open, kept in the group
// "Window state" of the tool's settings key: "Left", "Top" and "Visible".
#pragma once

#include <cstdint>

#include "base/settings_tree.h"

namespace corvinata {

struct ToolWindowPlacement {
    std::int32_t left = 0;
    std::int32_t top = 0;
    bool visible = false;
};

// Reads the group below the tree's innermost key: all three values or, when
// any is missing, `defaults`. Earlier versions kept the three values
// straight under the key; where the group is missing they are read from
// there, so that a user's placement survives the change (the next write
// puts it into the group).
ToolWindowPlacement ReadToolWindowPlacement(SettingsTree& tree, const ToolWindowPlacement& defaults);

// Writes the three values, in that order, into the group below the
// writer's innermost key; false at the first that fails.
bool WriteToolWindowPlacement(SettingsTreeWriter& writer, const ToolWindowPlacement& placement);

}  // namespace corvinata
