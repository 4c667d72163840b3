#include "app/tool_window_placement.h"

#include "app/settings_values.h"

namespace corvinata {

namespace {

constexpr const Char* kWindowState = TXT("Window state");

// The three values of the innermost key, each read only after the one
// before it was; `placement` changes only when all three were read.
bool ReadFields(SettingsTree& tree, ToolWindowPlacement& placement) {
    ToolWindowPlacement read;
    if (!ReadIntValue(tree, TXT("Left"), read.left) || !ReadIntValue(tree, TXT("Top"), read.top) ||
        !ReadBoolValue(tree, TXT("Visible"), read.visible)) {
        return false;
    }
    placement = read;
    return true;
}

}  // namespace

ToolWindowPlacement ReadToolWindowPlacement(SettingsTree& tree, const ToolWindowPlacement& defaults) {
    ToolWindowPlacement placement = defaults;
    // Without the group the values are read where earlier versions kept them.
    ReadGroup group(tree, kWindowState);
    ReadFields(tree, placement);
    return placement;
}

bool WriteToolWindowPlacement(SettingsTreeWriter& writer, const ToolWindowPlacement& placement) {
    WriteGroup group(writer, kWindowState);
    WrittenValues values(writer);
    values.Then([&] { return group.IsOpen(); });
    values.Int(TXT("Left"), placement.left);
    values.Int(TXT("Top"), placement.top);
    values.Bool(TXT("Visible"), placement.visible);
    return values.Ok();
}

}  // namespace corvinata
