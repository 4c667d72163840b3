// Opening, showing and cycling the child windows of every kind. Each kind
// hands the frame one ChildWindowKind (its documents, its window factory,
// its control panel, its classes); everything the kinds share lives here
// once: where a new window opens (the cascade), which window a Show command
// activates next, the panel of the active kind, zooming the active child.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/main_windows.h"
#include "controls/control_panel.h"
#include "controls/mdi_child_window.h"

namespace corvinata {

// One kind of child window as the frame opens and restores it.
class ChildWindowKind {
public:
    virtual ~ChildWindowKind() = default;
    virtual int Kind() const = 0;
    // The one document all windows of a shared kind show (Sky, Solar
    // System, the explorers), created at start-up; null for the kinds that
    // make a document per window.
    virtual WindowDocument* SharedDocument() { return nullptr; }
    // A new document of a per-document kind, null when none could be made.
    virtual WindowDocument* NewDocument() { return nullptr; }
    // A new window object for the document, its view copied from `model`
    // (a window of the same kind, for a duplicate) or the kind's defaults,
    // its MDI child created at `geometry` as `mode` says. Null when the
    // window could not be made.
    virtual std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument& document,
                                                       const WindowGeometry& geometry, ChildShowMode mode,
                                                       const MdiChildWindow* model) = 0;
    // The kind's control panel, or none.
    virtual ControlPanel* Panel() { return nullptr; }
    // The kind's part of the saved session, or none.
    virtual WindowKindState* SessionState() { return nullptr; }
    // The kind's shared document is told that the time moved on (event 10).
    virtual void RefreshSharedDocument() {}
    virtual void UnregisterClasses() {}
    // A command of the kind's own that the frame passes on (the graph file
    // commands); false when the kind has none of that number.
    virtual bool RunCommand(int id) { return static_cast<void>(id), false; }
    // The program is about to end: the kind asks about its unsaved work;
    // false keeps the program running.
    virtual bool QueryCloseApplication() { return true; }
    // The program ends with nobody to ask (a client let go of the copy it
    // started): the kind drops its unsaved work as the answer No would.
    virtual void DropUnsavedWork() {}
};

// Where new windows open: from (50, 50) one caption height further each
// time, back to (50, 50) once past half the work area.
class CascadePosition {
public:
    explicit CascadePosition(int step) : step_(step) {}
    POINT Current() const noexcept { return position_; }
    void Advance(int clientWidth, int clientHeight) noexcept;

private:
    int step_;
    POINT position_{50, 50};
};

// The size of every new child window.
constexpr int kNewChildSize = 520;

class ChildWindows {
public:
    ChildWindows(ChildWindowHost& host, ChildWindowRegistry& registry);
    ~ChildWindows();
    ChildWindows(const ChildWindows&) = delete;
    ChildWindows& operator=(const ChildWindows&) = delete;

    // A kind offered by the program; a later one of the same code replaces it.
    void AddKind(std::unique_ptr<ChildWindowKind> kind);
    ChildWindowKind* KindOf(int kind) const noexcept;
    bool HasKind(int kind) const noexcept { return KindOf(kind) != nullptr; }

    // A new window of the kind (for a shared kind, over its document; else
    // over a new document), at the cascade position, maximized when the
    // active child is.
    MdiChildWindow* NewWindow(int kind, const MdiChildWindow* model = nullptr);
    // A new window of the kind over `document` at `geometry` as stored (the
    // session's and the layouts' windows).
    MdiChildWindow* RestoreWindow(int kind, WindowDocument& document, const WindowGeometry& geometry);
    // Activates the kind's window after the active one (cycling), creating
    // one when none is open; `created` tells which.
    MdiChildWindow* ShowWindow(int kind, bool* created = nullptr);
    // A document of a per-document kind whose stored windows could not be
    // read: in its kind's list without a window, where the kind's Show
    // opens one for it.
    void KeepDocument(WindowDocument& document);

    MdiChildWindow* ActiveWindow() const;
    // The active child when it is of the kind, else none.
    MdiChildWindow* ActiveWindowOf(int kind) const;
    ControlPanel* PanelOf(int kind) const;
    // Ctrl+Plus (0) and Ctrl+Minus (1): one zoom step of the active child.
    void ZoomActiveChild(int direction);
    // F7/F8 and F9: the active kind's panel steps or resets the time.
    void StepActiveTime(bool backward);
    void ResetActiveTime();
    // After the panes were laid out anew: the active child's panel shows
    // that window. One that already does (it read the window as it took
    // it, and follows its changes) is neither read nor painted again.
    void RefreshActivePanel();

    // The frame's part of activation: the previous kind's panel hides and
    // lets go, the new one's attaches and shows.
    void Activated(MdiChildWindow* previous, MdiChildWindow& window);
    // The window is going away: its panel stops whatever it did for it.
    void Closing(MdiChildWindow& window);
    // The window object may go: frees it when this made it.
    void Released(MdiChildWindow& window);

    const CascadePosition& Cascade() const noexcept { return cascade_; }
    const ChildWindowRegistry& Registry() const noexcept { return registry_; }
    // Every kind in turn may keep the program from ending.
    bool QueryCloseApplication() const;
    // Every kind drops its unsaved work, so that the end asks nothing.
    void DropUnsavedWork() const;
    // The session's kinds in kind order (none where a kind is absent).
    void SessionStates(WindowKindState* (&states)[kWindowKindCount]) const;

private:
    MdiChildWindow* Make(ChildWindowKind& kind, WindowDocument& document, const WindowGeometry& geometry,
                         ChildShowMode mode, const MdiChildWindow* model);
    MdiChildWindow* NewWindowFor(ChildWindowKind& kind, WindowDocument& document, const MdiChildWindow* model);
    MdiChildWindow* ActivateOrCreate(ChildWindowKind& kind, WindowDocument* document, bool& created);
    MdiChildWindow* WindowOf(HWND handle) const;

    ChildWindowHost& host_;
    ChildWindowRegistry& registry_;
    CascadePosition cascade_;
    std::unique_ptr<ChildWindowKind> kinds_[kWindowKindCount];
    std::vector<std::unique_ptr<MdiChildWindow>> windows_;
};

}  // namespace corvinata
