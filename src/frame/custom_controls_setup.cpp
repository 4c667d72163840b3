#include "frame/custom_controls_setup.h"

#include "frame/control_classes.h"

namespace corvinata {

CustomControlsSession::CustomControlsSession(HINSTANCE instance, CustomControlMap& controls)
    : instance_(instance), registry_(controls) {
    SetCustomControlRegistry(&registry_);
    RegisterCustomControlClasses(instance_);
}

CustomControlsSession::~CustomControlsSession() {
    UnregisterCustomControlClasses(instance_);
    SetCustomControlRegistry(nullptr);
}

}  // namespace corvinata
