#include "app/child_window_registry.h"

#include <algorithm>

namespace corvinata {

namespace {

const std::vector<RegisteredWindow*> kNoWindows;

}  // namespace

void ChildWindowRegistry::AddDocument(WindowDocument& document) {
    const int kind = document.GetKind();
    if (!ValidKind(kind)) return;
    auto& list = documents_[kind];
    if (std::find(list.begin(), list.end(), &document) == list.end()) list.push_back(&document);
    windows_[&document];
}

void ChildWindowRegistry::RemoveDocument(WindowDocument& document) {
    const int kind = document.GetKind();
    if (!ValidKind(kind)) return;
    auto& list = documents_[kind];
    list.erase(std::remove(list.begin(), list.end(), &document), list.end());
    auto found = windows_.find(&document);
    if (found == windows_.end()) return;
    for (const RegisteredWindow* window : found->second) ForgetCreationNumber(*window);
    windows_.erase(found);
}

void ChildWindowRegistry::ForgetCreationNumber(const RegisteredWindow& window) {
    auto found = creationNumbers_.find(&window);
    if (found == creationNumbers_.end()) return;
    byCreationNumber_.erase(found->second);
    creationNumbers_.erase(found);
}

bool ChildWindowRegistry::AddWindow(RegisteredWindow& window) {
    auto found = windows_.find(&window.Document());
    if (found == windows_.end()) return false;
    auto& list = found->second;
    if (std::find(list.begin(), list.end(), &window) == list.end()) {
        list.push_back(&window);
        creationNumbers_[&window] = ++lastCreationNumber_;
        byCreationNumber_[lastCreationNumber_] = &window;
    }
    return true;
}

void ChildWindowRegistry::RemoveWindow(RegisteredWindow& window) {
    auto found = windows_.find(&window.Document());
    if (found == windows_.end()) return;
    auto& list = found->second;
    list.erase(std::remove(list.begin(), list.end(), &window), list.end());
    ForgetCreationNumber(window);
}

int ChildWindowRegistry::DocumentCount(int kind) const {
    return ValidKind(kind) ? static_cast<int>(documents_[kind].size()) : 0;
}

WindowDocument* ChildWindowRegistry::DocumentAt(int kind, int index) const {
    if (!ValidKind(kind) || index < 0 || index >= DocumentCount(kind)) return nullptr;
    return documents_[kind][static_cast<std::size_t>(index)];
}

const std::vector<RegisteredWindow*>& ChildWindowRegistry::WindowsOf(const WindowDocument& document) const {
    auto found = windows_.find(&document);
    return found == windows_.end() ? kNoWindows : found->second;
}

WindowLocation ChildWindowRegistry::FindByHandle(const void* handle) const {
    if (!handle) return {};
    for (int kind = 0; kind < kWindowKindCount; ++kind) {
        for (std::size_t d = 0; d < documents_[kind].size(); ++d) {
            for (RegisteredWindow* window : WindowsOf(*documents_[kind][d])) {
                if (window->WindowHandle() == handle) return {window, kind, static_cast<int>(d)};
            }
        }
    }
    return {};
}

RegisteredWindow* ChildWindowRegistry::WindowByNumber(int kind, int number) const {
    // A negative number read from the settings names no window (it would
    // otherwise count backward from the first).
    if (number < 0) return nullptr;
    const WindowDocument* first = DocumentAt(kind, 0);
    if (!first) return nullptr;
    if (first->IsTimeDriven()) {
        const auto& windows = WindowsOf(*first);
        return number < static_cast<int>(windows.size()) ? windows[static_cast<std::size_t>(number)] : nullptr;
    }
    const WindowDocument* document = DocumentAt(kind, number);
    if (!document) return nullptr;
    const auto& windows = WindowsOf(*document);
    return windows.empty() ? nullptr : windows.front();
}

int ChildWindowRegistry::NumberOf(const RegisteredWindow& window) const {
    const WindowDocument& document = window.Document();
    const int kind = document.GetKind();
    if (!ValidKind(kind)) return -1;
    const auto& windows = WindowsOf(document);
    const auto at = std::find(windows.begin(), windows.end(), &window);
    if (at == windows.end()) return -1;
    if (document.IsTimeDriven()) return static_cast<int>(at - windows.begin());
    const auto& list = documents_[kind];
    const auto place = std::find(list.begin(), list.end(), &document);
    return place == list.end() ? -1 : static_cast<int>(place - list.begin());
}

bool ChildWindowRegistry::IsOpen(const RegisteredWindow& window) const { return NumberOf(window) >= 0; }

std::vector<RegisteredWindow*> ChildWindowRegistry::AllWindows() const {
    std::vector<RegisteredWindow*> all;
    for (const auto& list : documents_) {
        for (const WindowDocument* document : list) {
            const auto& windows = WindowsOf(*document);
            all.insert(all.end(), windows.begin(), windows.end());
        }
    }
    return all;
}

std::uint32_t ChildWindowRegistry::CreationNumber(const RegisteredWindow& window) const {
    auto found = creationNumbers_.find(&window);
    return found == creationNumbers_.end() ? 0 : found->second;
}

RegisteredWindow* ChildWindowRegistry::WindowByCreationNumber(std::uint32_t number) const {
    auto found = byCreationNumber_.find(number);
    return found == byCreationNumber_.end() ? nullptr : found->second;
}

}  // namespace corvinata
