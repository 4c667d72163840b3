// The Select Location dialog: the observer's place from the towns of the
// built-in table or from the user's own places (which it creates, edits and
// deletes through the Define Location dialog), with the details of the
// place and the time difference that the change makes.
#pragma once

#include <windows.h>

#include <functional>

#include "app/help_topics.h"
#include "app/location_choice.h"
#include "app/location_settings.h"
#include "app/window_geometry.h"
#include "base/date_time_location.h"
#include "catalog/user_locations.h"
#include "controls/dialog_template.h"

namespace corvinata {

enum SelectLocationControl : int {
    kIdPredefinedMode = 20839,
    kIdCountryList = 20580,
    kIdTownList = 20553,
    kIdUserMode = 20840,
    kIdUserPlaces = 20741,
    kIdNewPlace = 20806,
    kIdEditPlace = 20624,
    kIdDeletePlace = 20606,
    kIdPlaceName = 20800,
    kIdPlaceLongitude = 20746,
    kIdPlaceLatitude = 20732,
    kIdPlaceTimeZone = 21012,
    kIdPlaceElevation = 20625,
    kIdDifferenceTitle = 20885,
    kIdDifferenceFrame = 20886,
    kIdDifferenceSentence = 20881,
    kIdDifferenceCurrent = 20882,
    kIdDifferenceCurrentTime = 20883,
    kIdDifferenceFuture = 20884,
    kIdKeepLocalTime = 20841,
    kIdKeepMoment = 20842,
    kIdButtonSeparator = 20887,
};

// Asks the user (the application's message box): the text, its buttons
// (0 OK, 2 Yes/No), its kind (1 warning) and its help page; answers 8 OK,
// 16 Yes, 4 No, 1 Cancel.
using AskUser = std::function<int(HWND owner, const String& text, int buttons, int kind,
                                  MessageTopic topic)>;
// Runs the Define Location dialog on `place`; true when confirmed.
using DefinePlace = std::function<bool(HWND owner, Location& place, bool isNew)>;

constexpr int kAnswerYesButton = 16;

struct SelectLocationDialogParams {
    // In: the application's state; out: the choice.
    String country;              // the town table's country and town last chosen
    String town;
    std::int32_t userEntry = -1; // entry number of the chosen user place, -1 none
    bool userDefinedChosen = false;
    bool retainLocalCivilTime = true;
    Location chosen;             // out
    // The application's current moment and place, and which place it is.
    DateTimeLocation now;
    PlaceIdentity currentPlace;
    bool showTimeDifference = true;
    int angleStyle = 0;
    UserLocations* userPlaces = nullptr;
    DefinePlace definePlace;
    AskUser ask;
    WindowGeometry* placement = nullptr;
};

DialogTemplate SelectLocationDialogTemplate();
INT_PTR CALLBACK SelectLocationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// 1 for OK, 0 for Cancel, -1 when the dialog could not be shown.
INT_PTR ShowSelectLocationDialog(HWND owner, SelectLocationDialogParams& params);

// The Location command: runs the dialog from the application's Select
// Location state (`params` brings the current moment, place and services)
// and, only when the user confirmed, takes the choice into the state and
// hands the chosen place on with whether local civil time is kept.
bool ChangeLocation(HWND owner, SelectLocationState& state, SelectLocationDialogParams& params,
                    const std::function<void(const Location&, bool retainLocalCivilTime)>& apply);

}  // namespace corvinata
