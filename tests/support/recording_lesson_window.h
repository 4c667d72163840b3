// A lesson window that records what the script host asked of it, for the
// tests of the host until the Run Lesson window itself exists.
#pragma once

#include <vector>

#include "app/lesson_window.h"

namespace corvinata::test {

class RecordingLessonWindow final : public LessonWindowInterface {
public:
    bool ShowLessonMessage(const String& text) override {
        open = true;
        messages.push_back(text);
        return true;
    }
    void PlaceLessonWindow(int px, int py) override { x = px, y = py; }
    void ShowLessonEnded() override { ended = true; }
    void CloseLessonWindow() override {
        open = false;
        ++closes;
    }
    void EnableEducatorCommand() override { educatorEnabled = true; }

    std::vector<String> messages;
    bool open = false;
    bool ended = false;
    bool educatorEnabled = false;
    int closes = 0;
    int x = -1, y = -1;
};

}  // namespace corvinata::test
