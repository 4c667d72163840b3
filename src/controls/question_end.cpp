#include "controls/question_end.h"

#include <utility>

namespace corvinata {

namespace {

thread_local BeforeQuestionEnds* waiting = nullptr;

}  // namespace

BeforeQuestionEnds::BeforeQuestionEnds(std::function<void(INT_PTR, bool)> action)
    : action_(std::move(action)), outer_(waiting) {
    waiting = this;
    // Only while the question is asked: the messages sent to the thread's
    // windows are looked at for the manager's offer.
    hook_ = SetWindowsHookExW(WH_CALLWNDPROC, WatchOffers, nullptr, GetCurrentThreadId());
}

BeforeQuestionEnds::~BeforeQuestionEnds() {
    if (hook_) UnhookWindowsHookEx(hook_);
    waiting = outer_;
}

LRESULT CALLBACK BeforeQuestionEnds::WatchOffers(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && waiting) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        // A user's click on a menu needs a menu bar; the question has none.
        if (sent->message == WM_MOUSEACTIVATE && LOWORD(sent->lParam) == HTMENU &&
            HIWORD(sent->lParam) == WM_LBUTTONDOWN && GetMenu(sent->hwnd) == nullptr &&
            GetAncestor(sent->hwnd, GA_ROOT) == sent->hwnd) {
            waiting->managerOffered_ = true;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void EndQuestion(HWND dialog, INT_PTR answer) {
    if (BeforeQuestionEnds* pending = waiting; pending && !pending->ran_) {
        // Once: an answer given again while the action runs (a second click)
        // ends the same question.
        pending->ran_ = true;
        if (pending->action_) pending->action_(answer, pending->managerOffered_);
    }
    EndDialog(dialog, answer);
}

}  // namespace corvinata
