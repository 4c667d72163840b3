#include "app/window_document.h"

namespace corvinata {

namespace {

struct KindEntry {
    const Char* name;
    bool timeDriven;
};

constexpr KindEntry kKinds[kWindowKindCount] = {
    {TXT("Graph"), false},
    {TXT("Jupiter Explorer"), true},
    {TXT("Picture"), false},
    {TXT("Report"), false},
    {TXT("Saturn Explorer"), true},
    {TXT("Solar Eclipse"), false},
    {TXT("Sky"), true},
    {TXT("Solar System"), true},
};

}  // namespace

const Char* WindowKindName(int kind) noexcept {
    return kind >= 0 && kind < kWindowKindCount ? kKinds[kind].name : TXT("");
}

WindowDocument::WindowDocument(NotificationHub& hub) : hub_(hub) { hub_.Insert(this); }

WindowDocument::~WindowDocument() { hub_.Forget(this); }

void WindowDocument::OnNotify(std::int32_t, std::uint32_t, void*) {}

const Char* WindowDocument::GetKindName() const { return WindowKindName(GetKind()); }

bool WindowDocument::IsTimeDriven() const { return kKinds[GetKind()].timeDriven; }

void WindowDocument::DocumentNotifyViews(void* value) { NotifyObserverSet(views_, value); }

}  // namespace corvinata
