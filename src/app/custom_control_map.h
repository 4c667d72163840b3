// The objects behind the program's custom controls, by their window. The
// application keeps one map for the whole run; the frame's control classes
// create the objects and file them here, and dialogs find them again by the
// control's window.
#pragma once

#include <map>
#include <memory>

namespace corvinata {

// The root of every control object: what the map holds and deletes.
class CustomControl {
public:
    virtual ~CustomControl() = default;
};

class CustomControlMap {
public:
    // Takes the object; an earlier object of the window is deleted.
    void RegisterControl(const void* window, std::unique_ptr<CustomControl> control);
    // Enters an object that its owner keeps (one bitmap button shared by
    // every window of its control identifier).
    void AttachControl(const void* window, CustomControl& control);
    // Removes the window's entry and deletes the object when the map owns it.
    void DestroyControl(const void* window);
    // Removes the entry; an object the map owned goes to the caller.
    std::unique_ptr<CustomControl> ForgetControl(const void* window);
    CustomControl* FindControl(const void* window) const;

private:
    std::map<const void*, std::unique_ptr<CustomControl>> owned_;
    std::map<const void*, CustomControl*> attached_;
};

}  // namespace corvinata
