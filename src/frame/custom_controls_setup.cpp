#include "frame/custom_controls_setup.h"

#include "frame/control_classes.h"
#include "frame/custom_control_registry.h"

namespace corvinata {

struct CustomControlsSession::State {
    CustomControlRegistry registry;
};

CustomControlsSession::CustomControlsSession(HINSTANCE instance) : instance_(instance), state_(new State) {
    SetCustomControlRegistry(&state_->registry);
    RegisterCustomControlClasses(instance_);
}

CustomControlsSession::~CustomControlsSession() {
    UnregisterCustomControlClasses(instance_);
    SetCustomControlRegistry(nullptr);
    delete state_;
}

}  // namespace corvinata
