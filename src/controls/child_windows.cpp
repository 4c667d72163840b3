#include "controls/child_windows.h"

#include <algorithm>

namespace corvinata {

void CascadePosition::Advance(int clientWidth, int clientHeight) noexcept {
    position_.x += step_;
    position_.y += step_;
    if (position_.x > clientWidth / 2 || position_.y > clientHeight / 2) position_ = POINT{50, 50};
}

ChildWindows::ChildWindows(ChildWindowHost& host, ChildWindowRegistry& registry)
    : host_(host), registry_(registry), cascade_(GetSystemMetrics(SM_CYCAPTION)) {}

ChildWindows::~ChildWindows() {
    // Windows still open belong to a frame that is going away without its
    // windows: they go first, then the kinds with their panels and classes.
    windows_.clear();
    for (auto& kind : kinds_) {
        if (kind) kind->UnregisterClasses();
    }
}

void ChildWindows::AddKind(std::unique_ptr<ChildWindowKind> kind) {
    if (!kind) return;
    const int code = kind->Kind();
    if (code < 0 || code >= kWindowKindCount) return;
    kinds_[code] = std::move(kind);
}

ChildWindowKind* ChildWindows::KindOf(int kind) const noexcept {
    return kind >= 0 && kind < kWindowKindCount ? kinds_[kind].get() : nullptr;
}

MdiChildWindow* ChildWindows::Make(ChildWindowKind& kind, WindowDocument& document, const WindowGeometry& geometry,
                                   ChildShowMode mode, const MdiChildWindow* model) {
    std::unique_ptr<MdiChildWindow> window = kind.MakeWindow(host_, document, geometry, mode, model);
    if (!window || !window->Handle()) return nullptr;
    windows_.push_back(std::move(window));
    return windows_.back().get();
}

MdiChildWindow* ChildWindows::NewWindow(int kindCode, const MdiChildWindow* model) {
    ChildWindowKind* kind = KindOf(kindCode);
    if (!kind) return nullptr;
    WindowDocument* document = kind->SharedDocument();
    if (!document) document = kind->NewDocument();
    return document ? NewWindowFor(*kind, *document, model) : nullptr;
}

MdiChildWindow* ChildWindows::NewWindowFor(ChildWindowKind& kind, WindowDocument& document,
                                           const MdiChildWindow* model) {
    const POINT at = cascade_.Current();
    const WindowGeometry geometry{kGeometryAll, at.x, at.y, kNewChildSize, kNewChildSize, false, false};
    MdiChildWindow* window = Make(kind, document, geometry, ChildShowMode::LikeActiveChild, model);
    if (!window) return nullptr;
    RECT client{};
    GetClientRect(host_.MdiClient(), &client);
    cascade_.Advance(client.right - client.left, client.bottom - client.top);
    window->SetChildTitle();
    return window;
}

MdiChildWindow* ChildWindows::RestoreWindow(int kindCode, WindowDocument& document, const WindowGeometry& geometry) {
    ChildWindowKind* kind = KindOf(kindCode);
    return kind ? Make(*kind, document, geometry, ChildShowMode::AsStored, nullptr) : nullptr;
}

MdiChildWindow* ChildWindows::WindowOf(HWND handle) const {
    return dynamic_cast<MdiChildWindow*>(registry_.FindByHandle(handle).window);
}

MdiChildWindow* ChildWindows::ActivateOrCreate(ChildWindowKind& kind, WindowDocument* document, bool& created) {
    BOOL maximized = FALSE;
    HWND active = reinterpret_cast<HWND>(
        SendMessageW(host_.MdiClient(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    const std::vector<RegisteredWindow*> views =
        document ? registry_.WindowsOf(*document) : std::vector<RegisteredWindow*>{};
    if (views.empty()) {
        created = true;
        return document ? NewWindowFor(kind, *document, nullptr) : nullptr;
    }
    created = false;
    std::size_t next = 0;
    for (std::size_t i = 0; i < views.size(); ++i) {
        if (views[i]->WindowHandle() == active) next = (i + 1) % views.size();
    }
    auto* window = dynamic_cast<MdiChildWindow*>(views[next]);
    if (!window) return nullptr;
    SendMessageW(host_.MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    if (maximized) {
        SendMessageW(host_.MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    } else if (IsIconic(window->Handle())) {
        SendMessageW(host_.MdiClient(), WM_MDIRESTORE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    }
    return window;
}

MdiChildWindow* ChildWindows::ShowWindow(int kindCode, bool* createdOut) {
    ChildWindowKind* kind = KindOf(kindCode);
    if (!kind) return nullptr;
    bool created = false;
    MdiChildWindow* window = nullptr;
    if (WindowDocument* shared = kind->SharedDocument()) {
        // A shared document without windows has not followed the clock:
        // it catches up before a window shows it.
        if (registry_.WindowsOf(*shared).empty()) kind->RefreshSharedDocument();
        window = ActivateOrCreate(*kind, shared, created);
    } else if (registry_.DocumentCount(kindCode) == 0) {
        created = true;
        window = NewWindow(kindCode);
    } else {
        WindowDocument* document = registry_.DocumentAt(kindCode, 0);
        if (MdiChildWindow* active = ActiveWindowOf(kindCode)) {
            const int count = registry_.DocumentCount(kindCode);
            for (int i = 0; i < count; ++i) {
                if (registry_.DocumentAt(kindCode, i) == &active->Document()) {
                    document = registry_.DocumentAt(kindCode, (i + 1) % count);
                }
            }
        }
        window = ActivateOrCreate(*kind, document, created);
    }
    if (createdOut) *createdOut = created;
    return window;
}

void ChildWindows::KeepDocument(WindowDocument& document) { registry_.AddDocument(document); }

MdiChildWindow* ChildWindows::ActiveWindow() const {
    return WindowOf(reinterpret_cast<HWND>(SendMessageW(host_.MdiClient(), WM_MDIGETACTIVE, 0, 0)));
}

MdiChildWindow* ChildWindows::ActiveWindowOf(int kind) const {
    MdiChildWindow* window = ActiveWindow();
    return window && window->Document().GetKind() == kind ? window : nullptr;
}

ControlPanel* ChildWindows::PanelOf(int kind) const {
    ChildWindowKind* owner = KindOf(kind);
    return owner ? owner->Panel() : nullptr;
}

void ChildWindows::ZoomActiveChild(int direction) {
    if (MdiChildWindow* window = ActiveWindow()) window->OnMouseWheelSteps(1, direction == 1);
}

void ChildWindows::StepActiveTime(bool backward) {
    MdiChildWindow* window = ActiveWindow();
    ControlPanel* panel = window ? PanelOf(window->Document().GetKind()) : nullptr;
    if (panel) panel->ControlPanelStepTime(backward);
}

void ChildWindows::RefreshActivePanel() {
    MdiChildWindow* window = ActiveWindow();
    ControlPanel* panel = window ? PanelOf(window->Document().GetKind()) : nullptr;
    if (!panel || panel->GetAttachedWindow() == window->AsPanelWindow()) return;
    panel->ControlPanelAttach(window->AsPanelWindow());
}

void ChildWindows::ResetActiveTime() {
    MdiChildWindow* window = ActiveWindow();
    ControlPanel* panel = window ? PanelOf(window->Document().GetKind()) : nullptr;
    if (panel) panel->ControlPanelResyncTime();
}

bool ChildWindows::QueryCloseApplication() const {
    for (const auto& kind : kinds_) {
        if (kind && !kind->QueryCloseApplication()) return false;
    }
    return true;
}

void ChildWindows::DropUnsavedWork() const {
    for (const auto& kind : kinds_) {
        if (kind) kind->DropUnsavedWork();
    }
}

void ChildWindows::Activated(MdiChildWindow* previous, MdiChildWindow& window) {
    ControlPanel* panel = PanelOf(window.Document().GetKind());
    if (previous && previous != &window) {
        ControlPanel* old = PanelOf(previous->Document().GetKind());
        // A window of the same kind keeps the panel shown: it is attached to
        // the new window at once (hiding and showing it repaints it whole).
        if (old && old != panel && old->GetAttachedWindow() == previous->AsPanelWindow()) {
            old->ControlPanelShow(false);
            old->ControlPanelAttach(nullptr);
        }
    }
    if (panel) {
        panel->ControlPanelAttach(window.AsPanelWindow());
        panel->ControlPanelShow(true);
    }
}

void ChildWindows::Closing(MdiChildWindow& window) {
    ControlPanel* panel = PanelOf(window.Document().GetKind());
    if (!panel) return;
    PanelWindow* asPanel = window.AsPanelWindow();
    panel->ControlPanelWindowClosing(asPanel);
    if (asPanel && panel->GetAttachedWindow() == asPanel) {
        panel->ControlPanelShow(false);
        panel->ControlPanelAttach(nullptr);
    }
}

void ChildWindows::Released(MdiChildWindow& window) {
    const auto found = std::find_if(windows_.begin(), windows_.end(),
                                    [&window](const auto& owned) { return owned.get() == &window; });
    if (found == windows_.end()) return;
    // Taken out of the list before it is deleted: its destructor may close
    // further windows.
    std::unique_ptr<MdiChildWindow> doomed = std::move(*found);
    windows_.erase(found);
}

void ChildWindows::SessionStates(WindowKindState* (&states)[kWindowKindCount]) const {
    for (int kind = 0; kind < kWindowKindCount; ++kind) states[kind] = kinds_[kind] ? kinds_[kind]->SessionState() : nullptr;
}

}  // namespace corvinata
