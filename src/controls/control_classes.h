// The window classes of the program's custom controls. Each registration is
// done once (a class already registered by this module is left as it is);
// the application registers all of them at start-up and unregisters them at
// shutdown.
#pragma once

#include <windows.h>

namespace corvinata {

constexpr const wchar_t* kAnglePickerClass = L"CorvinataControl_AnglePicker";
constexpr const wchar_t* kButtonClass = L"CorvinataControl_Button";
constexpr const wchar_t* kDatePickerClass = L"CorvinataControl_DatePicker";
constexpr const wchar_t* kHyperlinkClass = L"CorvinataControl_Hyperlink";
constexpr const wchar_t* kNumberPickerClass = L"CorvinataControl_NumberPicker";
constexpr const wchar_t* kTimePickerClass = L"CorvinataControl_TimePicker";
constexpr const wchar_t* kTimeZonePickerClass = L"CorvinataControl_TimeZonePicker";
constexpr const wchar_t* kTrackbarClass = L"CorvinataControl_Trackbar";

bool RegisterAnglePickerClass(HINSTANCE instance);
bool RegisterButtonClass(HINSTANCE instance);
bool RegisterDatePickerClass(HINSTANCE instance);
bool RegisterHyperlinkClass(HINSTANCE instance);
bool RegisterNumberPickerClass(HINSTANCE instance);
bool RegisterTimePickerClass(HINSTANCE instance);
bool RegisterTimeZonePickerClass(HINSTANCE instance);
// A superclass of the common trackbar; initialises the common controls first.
bool RegisterTrackbarClass(HINSTANCE instance);

// All eight, in the order above; false when any fails.
bool RegisterCustomControlClasses(HINSTANCE instance);
void UnregisterCustomControlClasses(HINSTANCE instance);

}  // namespace corvinata
