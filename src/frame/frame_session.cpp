#include "frame/frame_session.h"

#include <iterator>

#include "app/help_topics.h"
#include "app/settings_keys.h"
#include "base/services.h"
#include "base/settings_tree.h"
#include "base/text_format.h"
#include "controls/message_box.h"
#include "controls/question_end.h"

namespace corvinata {

namespace {

// A copy started by automation writes at its end what it would write
// otherwise than at its start value by value: a value its run never changed
// leaves what the user's run wrote meanwhile. A record, whose values mean
// something only together, is compared and written whole, so that it is
// never made of two runs' values. The lists (the recent files, a window
// kind's model and windows, the Event Finder's runs, the user's places, a
// list view's columns) are written anew, deleted first, and so compared
// whole anyway. The other records, below the settings root:
constexpr RegistryRecord kCopysRecords[] = {
    // The observer's place: its coordinates, country and town, and whether
    // it is one of the user's own places, which follows from them.
    {TXT("Location Options"), {}},
    // The user's own moment and its daylight saving time, which the clock
    // moves together.
    {TXT("Time Options"), {TXT("User defined time"), TXT("User defined DST")}},
    // The Calculator's moments: the calendar's date, time and time system,
    // and each page's moment with its place and daylight saving time.
    {TXT("Calculator\\Calendar tab\\Date and Time"), {}},
    {TXT("Calculator\\*\\Time and location"), {}},
    // A position in the sky in its coordinate system; a distance in its unit.
    {TXT("Calculator\\Coordinate tab"),
     {TXT("Source longitude"), TXT("Source latitude"), TXT("Source coordinate system")}},
    {TXT("Calculator\\Distance tab"), {TXT("Source distance"), TXT("Source distance system")}},
    // Object Info's body (its catalogue, number, name system and name) and
    // its time step (a count in a unit).
    {TXT("Object Info\\Selected Body"), {}},
    {TXT("Object Info"), {TXT("Step value"), TXT("Step type")}},
    // The search the Event Finder offers before it runs (its range, step,
    // place, daylight saving time and event); the run it shows and the
    // selected event, a number among that run's.
    {TXT("Event Finder\\Unstarted run"), {}},
    {TXT("Event Finder"), {TXT("Displaying run"), TXT("Selected actual event")}},
    // Where a tool window stands (whether it is shown is a value alone).
    {TXT("Calculator"), {TXT("Left"), TXT("Top")}},
    {TXT("Event Forecast"), {TXT("Left"), TXT("Top")}},
    {TXT("Object Info"), {TXT("X"), TXT("Y")}},
    {TXT("Symbol table"), {TXT("X"), TXT("Y")}},
    {TXT("Event Finder\\Window state"), {TXT("Left"), TXT("Top")}},
    {TXT("Event Finder\\History\\Window state"), {TXT("Left"), TXT("Top")}},
};

}  // namespace

bool FrameSession::RestoreNightVision(HWND frame, const std::function<void(bool)>& keysBack) {
    SettingsTree tree(app_.GetStorage(), app_.Keys().Root());
    NightVisionLevels levels;
    if (PushSettingsKey(tree, String(settings_key::kNightVision))) LoadNightVision(tree, levels);
    const bool ask = levels.active && !byAutomation_;
    if (!ask) {
        nightVision_.ApplyNightVision(false, levels.brightness, levels.contrast);
        return false;
    }
    const String text = FormatPercent1(
        TXT("Night vision (red colour) mode was active when you last used %. Do you want to "
            "continue using this mode?\n\nSelect Yes to activate night vision mode\nSelect No "
            "to stay in regular display mode"),
        GetProductInfo().GetProductName());
    // The answer takes effect while the question still has the display's
    // keyboard: the frame takes the keys typed from then on, and the switch,
    // which holds it undrawn for a moment, is over before a window manager
    // is asked to give the keyboard to it. Without a manager the question
    // takes a while to go (Wine waits for a manager to see it go): the
    // colours have changed by then.
    BeforeQuestionEnds answered([&](INT_PTR answer, bool managerOfferedKeys) {
        if (keysBack) keysBack(false);
        nightVision_.ApplyNightVision(answer == kAnswerYes, levels.brightness, levels.contrast);
        if (keysBack && managerOfferedKeys) keysBack(true);
    });
    const bool night = RunMessageBox(instance_, frame, text.Text(), kButtonsYesNo, kMessageInformation,
                                     MessageTopic::NightVisionWasActive) == kAnswerYes;
    if (!answered.Ran()) nightVision_.ApplyNightVision(night, levels.brightness, levels.contrast);
    return true;
}

void FrameSession::RestoreWindows() {
    WindowKindState* states[kWindowKindCount] = {};
    children_.SessionStates(states);
    app_.RestoreSession(states);
    SettingsTree tree(app_.GetStorage(), app_.Keys().Root());
    RestoreMainWindows(tree, windows_);
}

void FrameSession::NoteStartingValues(const std::function<void()>& saveTools) {
    if (!byAutomation_) return;
    StorageService& storage = app_.GetStorage();
    auto noted = std::make_unique<RegistryOverlay>(storage.Registry());
    {
        DivertedSettings diverted(storage, *noted);
        SessionState session;
        children_.SessionStates(session.kinds);
        session.usersSession = false;
        app_.SaveSession(session, {nullptr, saveTools});
    }
    startingValues_ = std::move(noted);
}

void FrameSession::Save(HWND frame, const PaneFlags& panes, const ShutdownSteps& steps) {
    SessionState session;
    children_.SessionStates(session.kinds);
    // The frame, the night vision it never applied and the windows of a
    // copy started by automation are its client's, not the user's.
    if (byAutomation_) {
        session.usersSession = false;
        SaveCopysChanges(session, steps);
        return;
    }
    SaveNightVision();
    FrameWindowSettings& settings = app_.Frame();
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (GetWindowPlacement(frame, &placement)) {
        const RECT& r = placement.rcNormalPosition;
        settings.maximized = placement.showCmd == SW_SHOWMAXIMIZED || IsZoomed(frame);
        settings.top = r.top;
        settings.left = r.left;
        settings.bottom = r.bottom;
        settings.right = r.right;
    }
    settings.panes = panes;
    session.frame = &settings;
    // The stacking order from the top, and how the active window shows.
    session.stacking = windows_.StackingOrder();
    BOOL maximized = FALSE;
    if (HWND active = windows_.ActiveChild(&maximized)) {
        session.active = {true, IsIconic(active) != FALSE, maximized != FALSE};
    }
    app_.SaveSession(session, steps);
}

void FrameSession::SaveCopysChanges(SessionState& session, const ShutdownSteps& steps) {
    StorageService& storage = app_.GetStorage();
    RegistryOverlay written(storage.Registry());
    {
        DivertedSettings diverted(storage, written);
        ShutdownSteps own = steps;
        own.closeWindows = [&] {
            if (steps.closeWindows) steps.closeWindows();
            // The user's exit may have written the list since this copy
            // read it: the files the copy's run added go before the user's.
            SettingsTree tree(storage, app_.Keys().Root());
            app_.Recent().RebaseOnStored(tree);
        };
        app_.SaveSession(session, own);
    }
    const RegistryOverlay nothingNoted(storage.Registry());
    written.WriteChangesSince(startingValues_ ? *startingValues_ : nothingNoted, storage.Registry(),
                              app_.Keys().Root().Text(), kCopysRecords, std::size(kCopysRecords));
}

void FrameSession::SaveNightVision() {
    SettingsTreeWriter writer(app_.GetStorage(), app_.Keys().Root());
    if (OpenSettingsKeyPath(writer, String(settings_key::kNightVision))) {
        corvinata::SaveNightVision(writer, nightVision_.Levels());
    }
}

}  // namespace corvinata
