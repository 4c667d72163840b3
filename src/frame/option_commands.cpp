#include "frame/option_commands.h"

#include "app/location_choice.h"
#include "frame/define_location_dialog.h"
#include "controls/message_box.h"
#include "frame/select_location_dialog.h"
#include "frame/time_appearance_dialogs.h"
#include "resources/resource_ids.h"

namespace corvinata {

namespace {

// Which place the application stands at: the user's own place chosen last
// (by its entry number) or a town of the table.
PlaceIdentity CurrentPlaceIdentity(Application& app) {
    const Location* own = app.DialogStates().selectLocation.state.userDefined;
    if (own) {
        for (const auto& [entry, place] : app.UserPlaces().UserLocationEntries())
            if (&place == own) return {PlaceIdentity::kUserPlace, entry};
    }
    return {PlaceIdentity::kTown, -1};
}

}  // namespace

void OptionCommands::RunCommand(HWND owner, int id) {
    switch (id) {
    case CMD_DATE_TIME:
        ChangeDateAndTime(owner);
        break;
    case CMD_LOCATION:
        ChangeLocation(owner);
        break;
    case CMD_APPEARANCE:
        ChangeAppearance(owner);
        break;
    default:
        break;
    }
}

bool OptionCommands::ChangeDateAndTime(HWND owner) {
    bool confirmed = false;
    app_.ChangeDateTime([&](DateTimeOptions& working) {
        confirmed = corvinata::ChangeDateTime(owner, working, nullptr, &app_.DialogStates().defineTime.geometry);
        return confirmed ? 1 : 0;
    });
    return confirmed;
}

void OptionCommands::PrepareSelectLocation(DefineLocationParams& define, SelectLocationDialogParams& params) {
    const HINSTANCE instance = instance_;
    const AskUser ask = [instance](HWND dialogOwner, const String& text, int buttons, int kind,
                                   MessageTopic topic) {
        return RunMessageBox(instance, dialogOwner, text.Text(), buttons, kind, topic);
    };
    ApplicationDialogStates& states = app_.DialogStates();
    const int angleStyle = app_.Options().general.angleDegreeBase;

    define.userPlaces = &app_.UserPlaces();
    define.storage = &app_.GetStorage();
    define.makerKeyPath = String(TXT("\\Software\\"));
    StringAppend(define.makerKeyPath, app_.Product().GetCompanyName());
    define.programFolder = String(app_.Product().GetProgramDirectory().GetPathDirectoryWithSeparator());
    define.angleLayout = angleStyle;
    define.ask = ask;
    define.placement = &states.defineLocation.geometry;

    params.now = app_.Current().GetTimeAndLocation();
    params.currentPlace = CurrentPlaceIdentity(app_);
    params.angleStyle = angleStyle;
    params.userPlaces = &app_.UserPlaces();
    params.definePlace = DefinePlaceWith(define);
    params.ask = ask;
    params.placement = &states.selectLocation.geometry;
}

bool OptionCommands::PickPlace(HWND owner, Location& chosen) {
    DefineLocationParams define;
    SelectLocationDialogParams params;
    PrepareSelectLocation(define, params);
    params.country = params.now.location.country;
    params.town = params.now.location.town;
    if (ShowSelectLocationDialog(owner, params) != IDOK) return false;
    chosen = params.chosen;
    return true;
}

bool OptionCommands::ChangeLocation(HWND owner) {
    DefineLocationParams define;
    SelectLocationDialogParams params;
    PrepareSelectLocation(define, params);
    ApplicationDialogStates& states = app_.DialogStates();

    // Until the user has chosen a place in this dialog it opens at the
    // application's current town; a cancelled run chooses nothing.
    SelectLocationState& state = states.selectLocation.state;
    const bool chosen = state.chosen || state.userDefined;
    const String storedCountry = state.country;
    const String storedTown = state.town;
    if (!chosen) {
        state.country = params.now.location.country;
        state.town = params.now.location.town;
    }

    bool confirmed = false;
    app_.ChangeLocation([&](LocationOptions& working, bool& retainLocalCivilTime) {
        confirmed = corvinata::ChangeLocation(owner, state, params,
                                              [&](const Location& place, bool retain) {
                                                  LocationAssign(working.location, place);
                                                  retainLocalCivilTime = retain;
                                              });
        return confirmed ? 1 : 0;
    });
    if (confirmed) {
        state.chosen = true;
    } else if (!chosen && !state.userDefined) {
        state.country = storedCountry;
        state.town = storedTown;
    }
    return confirmed;
}

bool OptionCommands::ChangeAppearance(HWND owner) {
    return corvinata::ChangeAppearance(owner, app_.Options().general, nightVision_, app_,
                                       &app_.DialogStates().defineAppearance.geometry);
}

void OptionCommands::LeaveNightVision() {
    if (nightVision_.IsNightVisionActive()) nightVision_.ApplyNightVision(false, kKeepLevel, kKeepLevel);
}

}  // namespace corvinata
