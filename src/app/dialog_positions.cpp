#include "app/dialog_positions.h"

#include "app/settings_keys.h"
#include "app/settings_records.h"
#include "app/settings_values.h"

namespace corvinata {
namespace {

// The Select Body dialog keeps its selection and its place in one key, so
// that what is written is what is read back.
constexpr const Char* kSlotKeys[kDialogSlotCount] = {
    TXT("Define Appearance"),
    TXT("Define Location"),
    TXT("Define Time"),
    TXT("Graph\\Edit"),
    TXT("Graph\\Edit Line"),
    nullptr,
    nullptr,
    TXT("Event Forecast\\Options"),
    TXT("Graph"),
    TXT("Jupiter\\Options Dialog"),
    TXT("Picture\\Options Dialog"),
    TXT("Run Lesson"),
    TXT("Saturn\\Options Dialog"),
    TXT("Select Body"),
    TXT("Select Event"),
    TXT("Select Lesson"),
    TXT("Select Location"),
    TXT("Sky"),
    TXT("Solar System\\Options Dialog"),
    TXT("View PicPacks"),
};

constexpr const Char* kOptionsDialog = TXT("Options Dialog");

WindowGeometry DefaultPlacement() {
    WindowGeometry geometry;
    geometry.fieldMask = kGeometryPosition;
    geometry.left = kDefaultDialogLeft;
    geometry.top = kDefaultDialogTop;
    return geometry;
}

}  // namespace

const Char* DialogSlotKey(int slot) noexcept {
    return slot >= 0 && slot < kDialogSlotCount ? kSlotKeys[slot] : nullptr;
}

void DialogPositions::Register(int slot, DialogSettings* settings) {
    if (slot >= 0 && slot < kDialogSlotCount) slots_[slot] = settings;
}

void DialogPositions::RestoreDialogPositions(SettingsTree& tree) {
    ReadGroup dialogs(tree, settings_key::kDialogs);
    if (!dialogs.IsOpen()) return;
    for (int slot = 0; slot < kDialogSlotCount; ++slot) {
        if (!slots_[slot]) continue;
        if (!kSlotKeys[slot]) {
            slots_[slot]->Load(tree);
            continue;
        }
        ReadGroup key(tree, kSlotKeys[slot]);
        if (key.IsOpen()) slots_[slot]->Load(tree);
    }
}

bool DialogPositions::SaveDialogPositions(SettingsTreeWriter& writer) {
    WriteGroup dialogs(writer, settings_key::kDialogs);
    if (!dialogs.IsOpen()) return false;
    bool ok = true;
    for (int slot = 0; slot < kDialogSlotCount; ++slot) {
        if (!slots_[slot]) continue;
        if (!kSlotKeys[slot]) {
            ok = slots_[slot]->Save(writer) && ok;
            continue;
        }
        WriteGroup key(writer, kSlotKeys[slot]);
        ok = key.IsOpen() && slots_[slot]->Save(writer) && ok;
    }
    return ok;
}

DialogPlacement::DialogPlacement() : geometry(DefaultPlacement()) {}

void DialogPlacement::Load(SettingsTree& tree) {
    WindowGeometry read = DefaultPlacement();
    if (ReadWindowGeometry(read, tree)) geometry = read;
}

bool DialogPlacement::Save(SettingsTreeWriter& writer) { return WriteWindowGeometry(geometry, writer); }

OptionsDialogPlacement::OptionsDialogPlacement(std::int32_t tabCount)
    : geometry(DefaultPlacement()), tabCount_(tabCount) {}

void OptionsDialogPlacement::Load(SettingsTree& tree) {
    ReadGroup key(tree, kOptionsDialog);
    if (!key.IsOpen()) return;
    WindowGeometry read = DefaultPlacement();
    if (ReadWindowGeometry(read, tree)) geometry = read;
    std::int32_t tab = 0;
    if (ReadIntValueInRange(tree, TXT("Current tab"), 0, tabCount_ - 1, tab)) currentTab = tab;
}

bool OptionsDialogPlacement::Save(SettingsTreeWriter& writer) {
    WriteGroup key(writer, kOptionsDialog);
    return key.IsOpen() && WriteWindowGeometry(geometry, writer) &&
           WriteIntValue(writer, TXT("Current tab"), GetIntField(*this));
}

void SelectLocationDialogSettings::Load(SettingsTree& tree) {
    LoadLocation(tree, directory_, state);
    DialogPlacement::Load(tree);
}

bool SelectLocationDialogSettings::Save(SettingsTreeWriter& writer) {
    const bool saved = SaveLocation(writer, state, directory_);
    return DialogPlacement::Save(writer) && saved;
}

void SelectBodyDialogSettings::Load(SettingsTree& tree) {
    LoadBodyIdentifier(tree, {TXT("Selected Body")}, selected);
    DialogPlacement::Load(tree);
}

bool SelectBodyDialogSettings::Save(SettingsTreeWriter& writer) {
    const bool saved = SaveBodyIdentifier(writer, {TXT("Selected Body")}, selected);
    return DialogPlacement::Save(writer) && saved;
}

void EventForecastOptionsDialogSettings::Load(SettingsTree& tree) {
    LoadEventForecastOptions(options, tree);
    DialogPlacement::Load(tree);
}

bool EventForecastOptionsDialogSettings::Save(SettingsTreeWriter& writer) {
    const bool saved = SaveEventForecastOptions(options, writer);
    return DialogPlacement::Save(writer) && saved;
}

void SelectLessonDialogSettings::Load(SettingsTree& tree) {
    String path;
    if (ReadStringValue(tree, TXT("Browse path"), path) && !path.IsEmpty()) browsePath = path;
    {
        ReadGroup group(tree, TXT("List view"));
        if (group.IsOpen()) LoadListViewState(tree, list);
    }
    if (list.selectedRows.empty()) list.selectedRows.push_back(0);
    DialogPlacement::Load(tree);
}

bool SelectLessonDialogSettings::Save(SettingsTreeWriter& writer) {
    bool saved = WriteStringValue(writer, TXT("Browse path"), browsePath);
    {
        WriteGroup group(writer, TXT("List view"));
        saved = group.IsOpen() && SaveListViewState(writer, list) && saved;
    }
    return DialogPlacement::Save(writer) && saved;
}

ApplicationDialogStates::ApplicationDialogStates(DialogPositions& positions,
                                                 const LocationDirectory& directory)
    : selectLocation(directory), positions_(positions) {
    DialogSettings* const slots[kDialogSlotCount] = {
        &defineAppearance, &defineLocation, &defineTime, &graphEditLines, &graphEditLine,
        nullptr, nullptr, &eventForecastOptions, &graphOptions, &jupiterOptions,
        &pictureOptions, &runLesson, &saturnOptions, &selectBody, &selectEvent,
        &selectLesson, &selectLocation, &skyOptions, &solarSystemOptions, nullptr,
    };
    for (int slot = 0; slot < kDialogSlotCount; ++slot) {
        if (slots[slot]) positions_.Register(slot, slots[slot]);
    }
}

ApplicationDialogStates::~ApplicationDialogStates() {
    for (int slot = 0; slot < kDialogSlotCount; ++slot) positions_.Register(slot, nullptr);
}

}  // namespace corvinata
