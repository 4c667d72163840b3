// The Appearance dialog (how angles and names are written, night vision,
// what happens to the settings at the end) and the Date and Time dialog
// (system clock or a time of the user's own, daylight saving time, the
// real-time clock). Both are modal and change nothing of the caller's until
// OK, except that night vision follows its controls at once, as a preview
// that Cancel takes back.
#pragma once

#include <windows.h>

#include <functional>

#include "app/night_vision.h"
#include "app/settings_records.h"
#include "app/window_geometry.h"
#include "controls/dialog_template.h"

namespace corvinata {

// Control identifiers of the Appearance dialog.
enum AppearanceControl : int {
    kIdConstellationModern = 20731,
    kIdConstellationLatin = 20730,
    kIdAnglesSexagesimal = 20843,
    kIdAnglesDecimal = 20842,
    kIdRaHours = 20839,
    kIdRaDegrees = 20840,
    kIdNightVision = 20848,
    kIdBrightness = 20867,
    kIdContrast = 20868,
    kIdStoreChanges = 20844,
    kIdDiscardChanges = 20845,
    kIdFactoryDefaults = 20846,
};

// Control identifiers of the Date and Time dialog.
enum DateTimeControl : int {
    kIdSystemTime = 20839,
    kIdUserTime = 20840,
    kIdSystemDate = 20601,
    kIdSystemClock = 21003,
    kIdSystemDaylightSaving = 20968,
    kIdUserDate = 20600,
    kIdUserClock = 21002,
    kIdTimeScale = 21010,
    kIdDaylightSaving = 20967,
    kIdRealTimeClock = 20540,
};

// The Date and Time dialog's clock-label timer.
constexpr UINT_PTR kClockLabelTimer = 3;

struct AppearanceDialogParams {
    GeneralOptions options;               // in: the current; out: the chosen
    NightVisionSettings* nightVision;     // previewed at once, restored on Cancel
    WindowGeometry* placement = nullptr;  // may be null
};

struct DateTimeDialogParams {
    DateTimeOptions options;              // in: the current; out: the chosen
    WindowGeometry* placement = nullptr;
};

DialogTemplate AppearanceDialogTemplate();
DialogTemplate DateTimeDialogTemplate();

INT_PTR CALLBACK AppearanceDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK DateTimeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Each runs its dialog modally: 1 for OK, 0 for Cancel, -1 when it could
// not be shown.
INT_PTR ShowAppearanceDialog(HWND owner, AppearanceDialogParams& params);
INT_PTR ShowDateTimeDialog(HWND owner, DateTimeDialogParams& params);

// The menu commands: run the dialog on a copy of the current options and
// hand the result on only when the user confirmed.
bool ChangeAppearance(HWND owner, GeneralOptions& current, NightVisionSettings& nightVision,
                      NotificationRegistryInterface& hubs, WindowGeometry* placement);
bool ChangeDateTime(HWND owner, DateTimeOptions& current,
                    const std::function<void(const DateTimeOptions&)>& apply,
                    WindowGeometry* placement);

// The Appearance dialog while it is open (none: null), and the change of the
// system colours told to its two trackbars.
HWND OpenAppearanceDialog();
void ForwardSysColorChange(HWND dialog);

}  // namespace corvinata
