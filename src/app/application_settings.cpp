#include "app/application_settings.h"

#include "app/settings_keys.h"
#include "app/settings_values.h"
#include "catalog/user_locations.h"

namespace corvinata {
namespace {

struct PaneValue {
    const Char* name;
    bool PaneFlags::*flag;
};

// The order the frame's pane flags are written in.
constexpr PaneValue kFramePanes[] = {
    {TXT("Toolbar visible"), &PaneFlags::toolbar},
    {TXT("Control panel visible"), &PaneFlags::controlPanel},
    {TXT("Related tasks visible"), &PaneFlags::relatedTasks},
    {TXT("Window manager visible"), &PaneFlags::windowManager},
    {TXT("Status line visible"), &PaneFlags::statusLine},
};

}  // namespace

void LoadFrameWindowSettings(SettingsTree& tree, FrameWindowSettings& frame) {
    ReadGroup key(tree, settings_key::kFrameWindow);
    if (!key.IsOpen()) return;
    FrameWindowSettings read;
    ReadIntValue(tree, TXT("Top"), read.top);
    ReadIntValue(tree, TXT("Left"), read.left);
    ReadIntValue(tree, TXT("Bottom"), read.bottom);
    ReadIntValue(tree, TXT("Right"), read.right);
    const FrameWindowSettings defaults;
    if (read.right <= read.left || read.bottom <= read.top) {
        read.top = defaults.top;
        read.left = defaults.left;
        read.bottom = defaults.bottom;
        read.right = defaults.right;
    }
    ReadBoolValue(tree, TXT("Maximized"), read.maximized);
    for (const PaneValue& pane : kFramePanes) ReadBoolValue(tree, pane.name, read.panes.*pane.flag);
    ReadBoolValue(tree, TXT("ShowHelpHint"), read.showHelpHint);
    frame = read;
}

bool SaveFrameWindowSettings(SettingsTreeWriter& writer, const FrameWindowSettings& frame) {
    WriteGroup key(writer, settings_key::kFrameWindow);
    WrittenValues values(writer);
    values.Then([&] { return key.IsOpen(); });
    values.Bool(TXT("Maximized"), frame.maximized);
    values.Int(TXT("Top"), frame.top);
    values.Int(TXT("Left"), frame.left);
    values.Int(TXT("Bottom"), frame.bottom);
    values.Int(TXT("Right"), frame.right);
    for (const PaneValue& pane : kFramePanes) values.Bool(pane.name, frame.panes.*pane.flag);
    values.Bool(TXT("ShowHelpHint"), frame.showHelpHint);
    return values.Ok();
}

void LoadApplicationOptions(SettingsTree& tree, const NameSystemNames& names,
                            ApplicationOptions& options) {
    {
        ReadGroup key(tree, settings_key::kLocationOptions);
        if (key.IsOpen()) LoadLocationOptions(options.location, tree);
    }
    {
        ReadGroup key(tree, settings_key::kTimeOptions);
        if (key.IsOpen()) LoadDateTimeOptions(tree, options.time);
    }
    {
        ReadGroup key(tree, settings_key::kAppearanceOptions);
        if (key.IsOpen()) {
            LoadGeneralOptions(tree, names, options.general);
        } else {
            options.general = GeneralOptions();
        }
    }
    // A value of the root itself, which the tree's key stack cannot name.
    ReadBoolSettingAtPath(tree.Root().GetPathFolder(), settings_key::kStarsFixed, false, false,
                          options.starsFixed);
}

bool SaveApplicationOptions(SettingsTreeWriter& writer, const NameSystemNames& names,
                            const ApplicationOptions& options, const String& rootPath) {
    bool ok = WriteBoolSettingAtPath(writer.Root().GetPathFolder(), settings_key::kStarsFixed,
                                     options.starsFixed);
    {
        WriteGroup key(writer, settings_key::kLocationOptions);
        ok = key.IsOpen() && SaveLocationOptions(options.location, writer) && ok;
    }
    {
        WriteGroup key(writer, settings_key::kTimeOptions);
        ok = key.IsOpen() && SaveDateTimeOptions(writer, options.time) && ok;
    }
    WriteGroup key(writer, settings_key::kAppearanceOptions);
    if (options.general.factoryReset) {
        return SaveGeneralOptions(writer, names, options.general, rootPath);
    }
    return key.IsOpen() && SaveGeneralOptions(writer, names, options.general, rootPath) && ok;
}

bool SaveSettingsAtShutdown(SettingsTreeWriter& writer, const NameSystemNames& names,
                            SessionState& session, const RecentFiles& recent,
                            const ApplicationOptions& options, UserLocations* userPlaces,
                            const String& rootPath, const ShutdownSteps& steps) {
    bool ok = true;
    if (options.general.saveOptionsOnExit && session.usersSession) {
        ok = SaveMainWindows(writer, session.kinds, session.stacking, session.active) && ok;
        if (session.dialogs) ok = session.dialogs->SaveDialogPositions(writer) && ok;
        // Saving the layouts captures the present panes into the current
        // one, whose flags the frame record then carries.
        if (session.layouts) ok = session.layouts->SaveLayouts(writer) && ok;
        if (session.frame) {
            FrameWindowSettings frame = *session.frame;
            if (session.layouts && session.layouts->CurrentIndex() >= 0) {
                frame.panes = session.layouts->At(session.layouts->CurrentIndex()).panes;
            }
            frame.showHelpHint = false;
            ok = SaveFrameWindowSettings(writer, frame) && ok;
        }
    }
    ok = SaveSharedModels(writer, session.kinds, session.usersSession) && ok;
    if (steps.closeWindows) steps.closeWindows();
    ok = recent.SaveRecentFiles(writer) && ok;
    if (steps.saveTools) steps.saveTools();
    if (userPlaces && !options.general.factoryReset) ok = userPlaces->SaveUserLocations() && ok;
    return SaveApplicationOptions(writer, names, options, rootPath) && ok;
}

}  // namespace corvinata
