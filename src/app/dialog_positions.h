// Where the dialogs and tool windows were, and the state some of them keep,
// below the "Dialogs" key: read once at start-up, written once at shutdown.
#pragma once

#include <cstdint>

#include "app/list_view_state.h"
#include "app/location_settings.h"
#include "app/window_actions.h"
#include "app/window_geometry.h"
#include "app/window_settings.h"
#include "base/settings_tree.h"
#include "base/text_char.h"
#include "catalog/catalogue_registry.h"

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

// The integer the settings bind as "Current tab": the page shown last.
constexpr std::int32_t GetIntField(const OptionsDialogPlacement& placement) noexcept {
    return placement.currentTab;
}

// The Select Location dialog: the place chosen last (a town, or one of the
// user's own places looked up again), "Retain LCT" and its placement.
class SelectLocationDialogSettings final : public DialogPlacement {
public:
    explicit SelectLocationDialogSettings(const LocationDirectory& directory) : directory_(directory) {}
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    SelectLocationState state;

private:
    const LocationDirectory& directory_;
};

// The Select Body dialog: the body chosen last ("Selected Body") and its
// placement, both in the dialog's one key.
class SelectBodyDialogSettings final : public DialogPlacement {
public:
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    BodyIdentifier selected;
};

// The Event Forecast's options and the placement of their dialog.
class EventForecastOptionsDialogSettings final : public DialogPlacement {
public:
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    EventForecastOptions options;
};

// The lesson browser's folder, its list's columns and selected rows (the
// key "List view"; row 0 counts as selected when none is stored) and its
// placement.
class SelectLessonDialogSettings final : public DialogPlacement {
public:
    void Load(SettingsTree& tree) override;
    bool Save(SettingsTreeWriter& writer) override;
    String browsePath{TXT("C:\\")};
    ListViewState list{kListColumnWidths | kListSelectedRows, {}, {0}};
};

// The state objects of every dialog the application keeps itself (the
// tools and the picture packs register their own), registered with
// `positions` for the object's lifetime.
class ApplicationDialogStates {
public:
    ApplicationDialogStates(DialogPositions& positions, const LocationDirectory& directory);
    ~ApplicationDialogStates();
    ApplicationDialogStates(const ApplicationDialogStates&) = delete;
    ApplicationDialogStates& operator=(const ApplicationDialogStates&) = delete;

    DialogPlacement defineAppearance, defineLocation, defineTime, graphEditLines, graphEditLine,
        jupiterOptions, pictureOptions, runLesson, saturnOptions, selectEvent, solarSystemOptions;
    OptionsDialogPlacement graphOptions{kGraphOptionsTabCount};
    // The tab control refuses a tab it does not have; the bound only keeps
    // nonsense out.
    OptionsDialogPlacement skyOptions{16};
    EventForecastOptionsDialogSettings eventForecastOptions;
    SelectBodyDialogSettings selectBody;
    SelectLessonDialogSettings selectLesson;
    SelectLocationDialogSettings selectLocation;

private:
    DialogPositions& positions_;
};

}  // namespace corvinata
