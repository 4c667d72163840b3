// What must happen while a question (a modal dialog of the program) still
// has the keyboard, at the moment it is answered and before it goes.
#pragma once

#include <windows.h>

#include <functional>

namespace corvinata {

// For as long as it lives, the next question ended on this thread by
// EndQuestion runs `action` first, once, with its answer and whether a
// window manager of the display offered the question the keyboard (under
// Wine such an offer comes as a click on a menu the question does not have).
class BeforeQuestionEnds {
public:
    explicit BeforeQuestionEnds(std::function<void(INT_PTR answer, bool managerOfferedKeys)> action);
    ~BeforeQuestionEnds();
    BeforeQuestionEnds(const BeforeQuestionEnds&) = delete;
    BeforeQuestionEnds& operator=(const BeforeQuestionEnds&) = delete;

    // Whether the action has run.
    bool Ran() const noexcept { return ran_; }

private:
    friend void EndQuestion(HWND dialog, INT_PTR answer);
    static LRESULT CALLBACK WatchOffers(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(INT_PTR, bool)> action_;
    BeforeQuestionEnds* outer_;
    HHOOK hook_ = nullptr;
    bool ran_ = false;
    bool managerOffered_ = false;
};

// Ends the modal dialog with `answer`, after the waiting action (if any).
void EndQuestion(HWND dialog, INT_PTR answer);

}  // namespace corvinata
