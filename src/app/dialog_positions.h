// Where the dialogs and tool windows were, and the state some of them keep,
// below the "Dialogs" key: read once at start-up, written once at shutdown.
#pragma once

#include <cstdint>

#include "app/window_geometry.h"
#include "base/settings_tree.h"
#include "base/text_char.h"

namespace corvinata {

// The remembered state of one dialog. Load is called only when the
// dialog's key exists, with the tree at that key; otherwise the dialog keeps
// its defaults.
class DialogSettings {
public:
    virtual ~DialogSettings() = default;
    virtual void Load(SettingsTree& tree) = 0;
    virtual bool Save(SettingsTreeWriter& writer) = 0;
};

// The dialogs, in the order their keys are read and written.
enum DialogSlot : int {
    kDefineAppearanceDialog,
    kDefineLocationDialog,
    kDefineTimeDialog,
    kGraphEditLinesDialog,
    kGraphEditLineDialog,
    kEventFinderTool,          // the tools keep their own keys below "Dialogs"
    kEventForecastTool,
    kEventForecastOptionsDialog,
    kGraphOptionsDialog,
    kJupiterOptionsDialog,
    kPictureOptionsDialog,
    kRunLessonDialog,
    kSaturnOptionsDialog,
    kSelectBodyDialog,
    kSelectEventDialog,
    kSelectLessonDialog,
    kSelectLocationDialog,
    kSkyOptionsDialog,
    kSolarSystemOptionsDialog,
    kViewPicturePacksDialog,
    kDialogSlotCount,
};

// The slot's key below "Dialogs"; the tools' slots name none and get the
// "Dialogs" key itself.
const Char* DialogSlotKey(int slot) noexcept;

class DialogPositions {
public:
    // `settings` must live as long as its registration; null clears it.
    void Register(int slot, DialogSettings* settings);
    // The tree's innermost key is the settings root.
    void RestoreDialogPositions(SettingsTree& tree);
    bool SaveDialogPositions(SettingsTreeWriter& writer);

private:
    DialogSettings* slots_[kDialogSlotCount] = {};
};

// Default place of a dialog nobody has moved yet, screen pixels.
constexpr std::int32_t kDefaultDialogLeft = 500;
constexpr std::int32_t kDefaultDialogTop = 300;

// A dialog that remembers only where it was: "Left" and "Top" of the group
// "Geometry".
class DialogPlacement : public DialogSettings {
public:
    DialogPlacement();
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    WindowGeometry geometry;
};

// An options dialog: its placement and the tab shown last, in the sub-key
// "Options Dialog".
class OptionsDialogPlacement final : public DialogSettings {
public:
    // The dialog has `tabCount` tabs; a stored tab beyond them is not taken.
    explicit OptionsDialogPlacement(std::int32_t tabCount);
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    WindowGeometry geometry;
    std::int32_t currentTab = 0;

private:
    std::int32_t tabCount_;
};

}  // namespace corvinata
