// The Educator's Run Lesson window as a running script drives it: the
// lesson's messages, the window's place, the end of the lesson and its
// closing, and the Educator command that stays grey while a lesson runs.
// The script host reaches the window through this interface only.
#pragma once

#include "base/wide_string.h"

namespace corvinata {

class LessonWindowInterface {
public:
    virtual ~LessonWindowInterface() = default;
    // Shows the text (the empty text clears it), creating the window first
    // when it is not open. False when the text could not be shown.
    virtual bool ShowLessonMessage(const String& text) = 0;
    // Moves the open window to (x, y) of the screen; while it is closed the
    // place is kept for when it is created.
    virtual void PlaceLessonWindow(int x, int y) = 0;
    // The lesson came to its end on a message: only its Close button stays.
    virtual void ShowLessonEnded() = 0;
    // Destroys the window; nothing when it is not open.
    virtual void CloseLessonWindow() = 0;
    // The Educator command (menu item and toolbar button) is enabled again.
    virtual void EnableEducatorCommand() = 0;
};

}  // namespace corvinata
