// What every kind of child window over one shared document (Sky, Solar
// System, the explorers) does the same way: registering its MDI child class,
// making a window from a record or as a copy, a duplicate that keeps its own
// place, the wheel burst that makes one undo step, and the kind's part of
// the saved session (the document's moment, then one record per window).
//
// A window class `W` used with SharedDocumentKind<W, D> offers:
//   using State = ...;                     a record with a WindowGeometry `geometry`
//   static State NewWindowState();         the view of a new window
//   State CaptureState() const;            the view and placement as saved
//   void ApplyRecord(const State&, bool refresh);
//                                          takes the record (its placement once the
//                                          MDI child exists); `refresh` redraws
//   bool CreateFromRecord(const State&, ChildShowMode);
//                                          makes the MDI child and its display
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "app/location_settings.h"
#include "app/main_windows.h"
#include "app/notification.h"
#include "app/settings_values.h"
#include "app/window_document.h"
#include "controls/child_windows.h"
#include "controls/mdi_child_window.h"

namespace corvinata {

// Wheel notches within a second of the first one that changed the view make
// one undo step: the burst runs from that notch until its timer fires.
class WheelBurst {
public:
    static constexpr UINT_PTR kTimerId = 1;
    static constexpr UINT kMilliseconds = 1000;

    bool Active() const noexcept { return active_; }
    // After a notch: when it changed the view and no burst runs, one starts.
    void Notched(HWND window, bool changed);
    // WM_TIMER: true when it was the burst's timer (the burst is over).
    bool OnTimer(HWND window, WPARAM id);
    void End(HWND window);

private:
    bool active_ = false;
};

// Keeps a window among its document's views (told of every change of the
// document) while the window lives.
class DocumentViewLink {
public:
    DocumentViewLink(WindowDocument& document, NotificationObserver& view) : document_(document), view_(view) {
        document_.Views().Insert(&view_);
    }
    ~DocumentViewLink() { document_.Views().Forget(&view_); }
    DocumentViewLink(const DocumentViewLink&) = delete;
    DocumentViewLink& operator=(const DocumentViewLink&) = delete;

private:
    WindowDocument& document_;
    NotificationObserver& view_;
};

// Where a restored window opens: the record's placement, or a new window's
// place and size when the record has no usable size.
WindowGeometry RestoredGeometry(const WindowGeometry& stored, const ChildWindows& children);

// The open windows of type `W` over the document, in the registry's order.
template <class W>
std::vector<W*> WindowsOver(const ChildWindows& children, const WindowDocument& document) {
    std::vector<W*> windows;
    for (RegisteredWindow* open : children.Registry().WindowsOf(document)) {
        if (auto* window = dynamic_cast<W*>(open)) windows.push_back(window);
    }
    return windows;
}

// A new window of the kind with the view of `source`; the copy keeps the
// place and size the cascade gave it.
template <class W>
W* DuplicateWindow(const W& source, ChildWindows& children, int kind) {
    typename W::State state = source.CaptureState();
    auto* copy = dynamic_cast<W*>(children.NewWindow(kind, &source));
    if (!copy) return nullptr;
    const typename W::State placed = copy->CaptureState();
    state.geometry.left = placed.geometry.left;
    state.geometry.top = placed.geometry.top;
    state.geometry.width = placed.geometry.width;
    state.geometry.height = placed.geometry.height;
    copy->ApplyRecord(state, true);
    return copy;
}

// A kind of child window whose windows all show one document made with the
// kind; the kind is its own part of the saved session.
template <class W, class D>
class SharedDocumentKind : public ChildWindowKind, public WindowKindState {
public:
    using State = typename W::State;

    // `modelNames`: the sub-key the document's moment is saved under.
    SharedDocumentKind(int kind, ChildWindows& children, const RecordKeyNames& modelNames)
        : kind_(kind), children_(children), modelNames_(modelNames) {}

    // ChildWindowKind
    int Kind() const override { return kind_; }
    WindowDocument* SharedDocument() override { return &Document(); }
    std::unique_ptr<MdiChildWindow> MakeWindow(ChildWindowHost& host, WindowDocument&, const WindowGeometry& geometry,
                                               ChildShowMode mode, const MdiChildWindow* model) override {
        std::unique_ptr<W> window = NewWindowObject(host);
        const auto* source = dynamic_cast<const W*>(model);
        State state = source ? source->CaptureState() : W::NewWindowState();
        state.geometry = geometry;
        if (!window || !window->CreateFromRecord(state, mode)) return nullptr;
        return window;
    }
    WindowKindState* SessionState() override { return this; }
    void RefreshSharedDocument() override { Document().OnNotify(kEventDateTimeChanged, 0, nullptr); }

    ChildWindows& Children() const noexcept { return children_; }
    std::vector<W*> Windows() { return WindowsOver<W>(children_, Document()); }

    // WindowKindState: the panel keeps nothing unless the kind says so.
    bool SavePanel(SettingsTreeWriter&) override { return true; }
    void LoadPanel(SettingsTree&) override {}
    int DocumentCount() const override { return 1; }
    int WindowCount(int) const override {
        return static_cast<int>(WindowsOver<W>(children_, Document()).size());
    }
    bool SaveModel(int, SettingsTreeWriter& writer) override {
        return SaveTimeAndPlace(modelNames_, Document().GetTimeAndPlace(), writer);
    }
    bool SaveWindow(int, int window, SettingsTreeWriter& writer) override {
        const std::vector<W*> windows = Windows();
        if (window < 0 || window >= static_cast<int>(windows.size())) return false;
        return SaveWindowRecord(windows[static_cast<std::size_t>(window)]->CaptureState(), writer);
    }
    // A moment that cannot be read whole leaves the document's own.
    int LoadModel(SettingsTree& tree) override {
        TimeAndPlace moment = Document().GetTimeAndPlace();
        if (LoadTimeAndPlace(modelNames_, tree, moment)) RestoreMoment(moment);
        return 0;
    }
    // A record that cannot be read whole opens no window, and the kind's
    // later records are not read either.
    bool LoadWindow(int, SettingsTree& tree) override {
        State state = W::NewWindowState();
        if (!LoadWindowRecord(state, tree)) return false;
        state.geometry = RestoredGeometry(state.geometry, children_);
        auto* window = dynamic_cast<W*>(children_.RestoreWindow(kind_, Document(), state.geometry));
        if (!window) return false;
        window->ApplyRecord(state, true);
        return true;
    }
    void KeepWithoutWindows(int) override {}

    virtual D& Document() = 0;
    virtual const D& Document() const = 0;

protected:
    // The window object over the document, its MDI child not made yet.
    virtual std::unique_ptr<W> NewWindowObject(ChildWindowHost& host) = 0;
    virtual bool SaveWindowRecord(const State& state, SettingsTreeWriter& writer) = 0;
    // False when a value the record needs is missing or unreadable.
    virtual bool LoadWindowRecord(State& state, SettingsTree& tree) = 0;
    // The saved moment goes into the document without telling the views
    // (the windows are restored after it).
    virtual void RestoreMoment(const TimeAndPlace& moment) = 0;

private:
    int kind_;
    ChildWindows& children_;
    RecordKeyNames modelNames_;
};

}  // namespace corvinata
