#include "controls/custom_controls_setup.h"

#include "controls/bitmap_button.h"
#include "controls/control_classes.h"
#include "controls/observer_control.h"

namespace corvinata {

CustomControlsSession::CustomControlsSession(HINSTANCE instance, CustomControlMap& controls)
    : instance_(instance), registry_(controls) {
    SetCustomControlRegistry(&registry_);
    RegisterCustomControlClasses(instance_);
    // The Sky panel's observer dial, whichever panel creates it first.
    RegisterObserverControl(instance_);
    // Night vision is chosen later, in the appearance settings.
    LoadArrowBitmaps(instance_, registry_, false);
}

CustomControlsSession::~CustomControlsSession() {
    UnregisterObserverControl(instance_);
    UnregisterCustomControlClasses(instance_);
    SetCustomControlRegistry(nullptr);
}

}  // namespace corvinata
