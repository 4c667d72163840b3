// The base of every window document: what one or more child windows show.
//
// A document registers in the application's hub for its whole life and keeps
// the set of its windows, which it tells about every change they must show.
#pragma once

#include <cstdint>

#include "app/app_interfaces.h"
#include "app/notification.h"
#include "base/text_char.h"

namespace corvinata {

class WindowDocument : public NotificationObserver {
public:
    explicit WindowDocument(NotificationHub& hub);
    ~WindowDocument() override;
    WindowDocument(const WindowDocument&) = delete;
    WindowDocument& operator=(const WindowDocument&) = delete;

    // Documents look at the event code; the base reacts to nothing.
    void OnNotify(std::int32_t event, std::uint32_t flags, void* value) override;
    void Update(void*) override {}

    virtual WindowKind GetKind() const = 0;
    // The kind's display name ("Sky", "Solar System" ...).
    const Char* GetKindName() const;
    // True for the shared documents that follow the application's time.
    bool IsTimeDriven() const;
    // Event 0 with `value` to every window of the document.
    void DocumentNotifyViews(void* value);

    ObserverSet& Views() noexcept { return views_; }

protected:
    NotificationHub& Hub() noexcept { return hub_; }

private:
    NotificationHub& hub_;
    ObserverSet views_;
};

// The display name of a window kind; the empty text for a value outside 0..7.
const Char* WindowKindName(int kind) noexcept;

}  // namespace corvinata
