// The open child windows in the settings: per kind its control panel, its
// documents' models and its windows below "Main Windows", then the stacking
// order and how the active window was shown.
//
// The windows themselves live in the frame; each kind hands this walk its
// documents and windows through a WindowKindState, so the key tree is built
// and read in one place for all eight kinds.
#pragma once

#include <cstdint>
#include <vector>

#include "app/app_interfaces.h"
#include "base/settings_tree.h"
#include "base/text_char.h"

namespace corvinata {

// The kind's folder below "Main Windows"; null outside 0..7.
const Char* WindowKindFolder(int kind) noexcept;
// Jupiter explorer, Saturn explorer, Sky and Solar system share one
// document among all their windows.
bool IsSharedDocumentKind(int kind) noexcept;

// What the walk needs of the windows of one kind. Documents and windows are
// counted from 0 in list order; a shared-document kind has one document.
class WindowKindState {
public:
    virtual ~WindowKindState() = default;

    virtual bool SavePanel(SettingsTreeWriter& writer) = 0;
    // Missing values keep the panel's defaults.
    virtual void LoadPanel(SettingsTree& tree) = 0;

    virtual int DocumentCount() const = 0;
    virtual int WindowCount(int document) const = 0;
    // The document's model values (a shared kind: its time and place).
    virtual bool SaveModel(int document, SettingsTreeWriter& writer) = 0;
    virtual bool SaveWindow(int document, int window, SettingsTreeWriter& writer) = 0;

    // A per-document kind makes a new document from the model values and
    // answers its number, or -1 when none could be made; a shared kind reads
    // the model into its document (keeping it when the model is incomplete)
    // and answers 0.
    virtual int LoadModel(SettingsTree& tree) = 0;
    // Reads one window record and opens the window; false when the record
    // cannot be read.
    virtual bool LoadWindow(int document, SettingsTree& tree) = 0;
    // A per-document kind's document none of whose windows could be read
    // stays in the kind's list without windows (written again at the next
    // shutdown, and shown when the kind is).
    virtual void KeepWithoutWindows(int document) = 0;
};

// A child window as the stacking order names it.
struct WindowReference {
    std::int32_t kind;
    std::int32_t number;
};

// How the active child window was shown; absent when none was active.
struct ActiveWindowShow {
    bool present = false;
    bool minimized = false;
    bool maximized = false;
};

// `kinds` holds the eight kinds in kind order; `stacking` the open windows
// from the top. The writer's innermost key is the settings root.
bool SaveMainWindows(SettingsTreeWriter& writer, WindowKindState* const (&kinds)[kWindowKindCount],
                     const std::vector<WindowReference>& stacking, const ActiveWindowShow& active);
// The time and place of the four shared documents, each in its kind's
// "Model" key, written at every shutdown for a kind with an open window; a
// kind without one keeps no model, so that its next window starts from the
// current time and place rather than from a moment of an earlier run.
// Without `forgetWindowless` (a session that leaves the stored windows as
// they were) such a kind keeps the model its stored windows come back at.
bool SaveSharedModels(SettingsTreeWriter& writer, WindowKindState* const (&kinds)[kWindowKindCount],
                      bool forgetWindowless = true);
// Restores the panels, documents and windows of every kind.
void LoadMainWindows(SettingsTree& tree, WindowKindState* const (&kinds)[kWindowKindCount]);
// The stored stacking order, top first, up to the first entry that cannot be
// read or names no window kind.
std::vector<WindowReference> LoadStackingOrder(SettingsTree& tree);
ActiveWindowShow LoadActiveWindowShow(SettingsTree& tree);

// What restoring the stacking needs of the frame's MDI client.
class StackingFrame {
public:
    virtual ~StackingFrame() = default;
    // Puts the window directly below `above` (none: on top; only the top one
    // is activated); false when no such window is open.
    virtual bool PlaceBelow(const WindowReference& window, const WindowReference* above) = 0;
    virtual void Maximize(const WindowReference& window) = 0;
    virtual void Minimize(const WindowReference& window) = 0;
};

// Start-up, once every window exists: restores the stored stacking and
// shows the top window maximized or minimized as it was. Entries naming a
// window that is not open are passed over.
void RestoreMainWindows(SettingsTree& tree, StackingFrame& frame);

}  // namespace corvinata
