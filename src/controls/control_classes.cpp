#include "controls/control_classes.h"

#include <commctrl.h>

#include "controls/bitmap_button.h"
#include "controls/hyperlink_control.h"
#include "controls/spin_edit_window.h"
#include "controls/trackbar_control.h"

namespace corvinata {

namespace {

enum ClassIndex : int {
    kAngle, kButton, kDate, kHyperlink, kNumber, kTime, kTimeZone, kTrackbar, kClassCount
};

constexpr const wchar_t* kClassNames[kClassCount] = {
    kAnglePickerClass, kButtonClass, kDatePickerClass, kHyperlinkClass,
    kNumberPickerClass, kTimePickerClass, kTimeZonePickerClass, kTrackbarClass,
};

ATOM g_atoms[kClassCount] = {};

// The pickers' arrows and the trackbar come from the common controls.
bool InitialiseCommonControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    return InitCommonControlsEx(&controls) != 0;
}

// The controls draw everything themselves, so the class erases nothing. Nor
// has it a cursor: over a control the dialog's own arrow shows (the
// hyperlink chooses its hand itself).
bool RegisterPlainClass(HINSTANCE instance, ClassIndex index, WNDPROC procedure) {
    if (g_atoms[index]) return true;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = kClassNames[index];
    g_atoms[index] = RegisterClassW(&windowClass);
    return g_atoms[index] != 0;
}

bool RegisterPickerClass(HINSTANCE instance, ClassIndex index, WNDPROC procedure) {
    return InitialiseCommonControls() && RegisterPlainClass(instance, index, procedure);
}

}  // namespace

bool RegisterAnglePickerClass(HINSTANCE instance) {
    return RegisterPickerClass(instance, kAngle, AnglePickerWndProc);
}
bool RegisterDatePickerClass(HINSTANCE instance) {
    return RegisterPickerClass(instance, kDate, DatePickerWndProc);
}
bool RegisterNumberPickerClass(HINSTANCE instance) {
    return RegisterPickerClass(instance, kNumber, NumberPickerWndProc);
}
bool RegisterTimePickerClass(HINSTANCE instance) {
    return RegisterPickerClass(instance, kTime, TimePickerWndProc);
}
bool RegisterTimeZonePickerClass(HINSTANCE instance) {
    return RegisterPickerClass(instance, kTimeZone, TimeZonePickerWndProc);
}
bool RegisterHyperlinkClass(HINSTANCE instance) {
    return RegisterPlainClass(instance, kHyperlink, HyperlinkWndProc);
}
bool RegisterButtonClass(HINSTANCE instance) {
    return RegisterPlainClass(instance, kButton, ButtonWndProc);
}

bool RegisterTrackbarClass(HINSTANCE instance) {
    if (g_atoms[kTrackbar]) return true;
    // The common trackbar's class exists only once the common controls are
    // initialised; without it every dialog with a trackbar fails to open.
    if (!InitialiseCommonControls()) return false;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(nullptr, TRACKBAR_CLASSW, &windowClass)) return false;
    SetTrackbarBaseProcedure(windowClass.lpfnWndProc);
    // Everything but the module, the procedure and the name stays the
    // common trackbar's, its class style too.
    windowClass.hInstance = instance;
    windowClass.lpfnWndProc = TrackbarSubclassProc;
    windowClass.lpszClassName = kTrackbarClass;
    g_atoms[kTrackbar] = RegisterClassExW(&windowClass);
    return g_atoms[kTrackbar] != 0;
}

bool RegisterCustomControlClasses(HINSTANCE instance) {
    bool all = RegisterAnglePickerClass(instance);
    all = RegisterButtonClass(instance) && all;
    all = RegisterDatePickerClass(instance) && all;
    all = RegisterHyperlinkClass(instance) && all;
    all = RegisterNumberPickerClass(instance) && all;
    all = RegisterTimePickerClass(instance) && all;
    all = RegisterTimeZonePickerClass(instance) && all;
    all = RegisterTrackbarClass(instance) && all;
    return all;
}

void UnregisterCustomControlClasses(HINSTANCE instance) {
    for (int i = 0; i < kClassCount; ++i) {
        // A class whose windows still exist stays registered: it is
        // forgotten only once it is really gone, so that the next session
        // does not fail to register it again.
        if (g_atoms[i] && UnregisterClassW(kClassNames[i], instance)) g_atoms[i] = 0;
    }
}

}  // namespace corvinata
