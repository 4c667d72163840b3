// The custom controls' classes and their registry, for the life of the
// program's run.
#pragma once

#include <windows.h>

#include "controls/custom_control_registry.h"

namespace corvinata {

class CustomControlsSession {
public:
    // The control objects go into `controls`, which must outlive the session.
    CustomControlsSession(HINSTANCE instance, CustomControlMap& controls);
    ~CustomControlsSession();
    CustomControlsSession(const CustomControlsSession&) = delete;
    CustomControlsSession& operator=(const CustomControlsSession&) = delete;

private:
    HINSTANCE instance_;
    CustomControlRegistry registry_;
};

}  // namespace corvinata
