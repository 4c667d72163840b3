#include "frame/frame_session.h"

#include "app/copy_end_records.h"
#include "app/help_topics.h"
#include "app/settings_keys.h"
#include "base/services.h"
#include "base/settings_tree.h"
#include "base/text_format.h"
#include "controls/message_box.h"
#include "controls/question_end.h"

namespace corvinata {

bool AskContinueNightVision(HINSTANCE instance, HWND frame, const std::function<void(bool, bool)>& answered) {
    const String text = FormatPercent1(
        TXT("Night vision (red colour) mode was active when you last used %. Do you want to "
            "continue using this mode?\n\nSelect Yes to activate night vision mode\nSelect No "
            "to stay in regular display mode"),
        GetProductInfo().GetProductName());
    BeforeQuestionEnds ending([&](INT_PTR answer, bool managerOfferedKeys) {
        if (answered) answered(answer != kAnswerNo, managerOfferedKeys);
    });
    return RunMessageBox(instance, frame, text.Text(), kButtonsYesNo, kMessageInformation,
                         MessageTopic::NightVisionWasActive) != kAnswerNo;
}

bool FrameSession::RestoreNightVision(HWND frame, const std::function<void(bool)>& keysBack) {
    SettingsTree tree(app_.GetStorage(), app_.Keys().Root());
    NightVisionLevels levels;
    if (PushSettingsKey(tree, String(settings_key::kNightVision))) LoadNightVision(tree, levels);
    const bool ask = levels.active && !byAutomation_;
    if (!ask) {
        nightVision_.ApplyNightVision(false, levels.brightness, levels.contrast);
        return false;
    }
    // The answer takes effect while the question still has the display's
    // keyboard: the frame takes the keys typed from then on, and the switch,
    // which holds it undrawn for a moment, is over before a window manager
    // is asked to give the keyboard to it. Without a manager the question
    // takes a while to go (Wine waits for a manager to see it go): the
    // colours have changed by then.
    bool applied = false;
    const bool night = AskContinueNightVision(instance_, frame, [&](bool on, bool managerOfferedKeys) {
        if (keysBack) keysBack(false);
        nightVision_.ApplyNightVision(on, levels.brightness, levels.contrast);
        if (keysBack && managerOfferedKeys) keysBack(true);
        applied = true;
    });
    if (!applied) nightVision_.ApplyNightVision(night, levels.brightness, levels.contrast);
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
    momentsChosenAtStart_ = app_.Current().MomentsChosen();
    startingTime_ = app_.Options().time;
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
    // The user's own moment is the copy's to write only when its client (or
    // a user of the copy) chose a moment: the clock's minutes, or a place
    // that carried the moment along, would take back the moment the user's
    // run stored meanwhile.
    if (startingValues_ && app_.Current().MomentsChosen() == momentsChosenAtStart_) {
        DateTimeOptions& time = app_.Options().time;
        time.userTime = startingTime_.userTime;
        time.userDaylightSaving = startingTime_.userDaylightSaving;
        session.momentChosen = false;
    }
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
                              app_.Keys().Root().Text(), kCopysRecords, kCopysRecordCount);
}

void FrameSession::SaveNightVision() {
    SettingsTreeWriter writer(app_.GetStorage(), app_.Keys().Root());
    if (OpenSettingsKeyPath(writer, String(settings_key::kNightVision))) {
        corvinata::SaveNightVision(writer, nightVision_.Levels());
    }
}

}  // namespace corvinata
