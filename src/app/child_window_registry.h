// The open child windows of the program, kind by kind: each kind's
// documents in the order they were opened, each document's windows in the
// order they were created. Layouts and the saved main windows name a window
// by its kind and its number, which is that order: for a shared document
// (Sky, Solar System, the explorers) the window's place among the
// document's windows, otherwise its document's place in the kind's list.
// The numbers follow creation, never memory addresses, so they mean the
// same windows in every run.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "app/app_interfaces.h"
#include "app/window_document.h"

namespace corvinata {

// A child window as the registry sees it.
class RegisteredWindow {
public:
    virtual ~RegisteredWindow() = default;
    virtual const void* WindowHandle() const = 0;
    virtual WindowDocument& Document() const = 0;
};

struct WindowLocation {
    RegisteredWindow* window = nullptr;
    int kind = -1;
    int documentIndex = -1;
};

class ChildWindowRegistry {
public:
    // A new document goes to the back of its kind's list.
    void AddDocument(WindowDocument& document);
    // A document whose last window closed; its windows are forgotten too.
    void RemoveDocument(WindowDocument& document);
    // A new window of a registered document goes after the document's others.
    bool AddWindow(RegisteredWindow& window);
    void RemoveWindow(RegisteredWindow& window);

    int DocumentCount(int kind) const;
    WindowDocument* DocumentAt(int kind, int index) const;
    const std::vector<RegisteredWindow*>& WindowsOf(const WindowDocument& document) const;

    // The window with this handle, in kind, document and window order; kind
    // -1 when none has it.
    WindowLocation FindByHandle(const void* handle) const;
    // The window a stored entry names; none for a kind without documents, a
    // negative number or one beyond the open windows.
    RegisteredWindow* WindowByNumber(int kind, int number) const;
    // The number WindowByNumber takes back; -1 for a window not open.
    int NumberOf(const RegisteredWindow& window) const;
    bool IsOpen(const RegisteredWindow& window) const;
    // Every open window: kinds 0 to 7, documents in order, windows in order.
    std::vector<RegisteredWindow*> AllWindows() const;

    // Every window added gets a creation number of its own, never given
    // again in the registry's life, so that whoever keeps a window to come
    // back to it later (a script's window names, an automation client)
    // keeps the number rather than the object: a window opened later at a
    // freed window's address has another number. 0 for a window not open.
    std::uint32_t CreationNumber(const RegisteredWindow& window) const;
    // The open window with that creation number, or none (it closed).
    RegisteredWindow* WindowByCreationNumber(std::uint32_t number) const;

private:
    void ForgetCreationNumber(const RegisteredWindow& window);
    static bool ValidKind(int kind) noexcept { return kind >= 0 && kind < kWindowKindCount; }

    std::vector<WindowDocument*> documents_[kWindowKindCount];
    std::map<const WindowDocument*, std::vector<RegisteredWindow*>> windows_;
    std::map<const RegisteredWindow*, std::uint32_t> creationNumbers_;
    std::map<std::uint32_t, RegisteredWindow*> byCreationNumber_;
    std::uint32_t lastCreationNumber_ = 0;
};

}  // namespace corvinata
