// The custom controls' classes and the registry of their objects, for the
// life of the program's run.
#pragma once

#include <windows.h>

namespace corvinata {

class CustomControlsSession {
public:
    explicit CustomControlsSession(HINSTANCE instance);
    ~CustomControlsSession();
    CustomControlsSession(const CustomControlsSession&) = delete;
    CustomControlsSession& operator=(const CustomControlsSession&) = delete;

private:
    struct State;
    HINSTANCE instance_;
    State* state_;
};

}  // namespace corvinata
