// The view state of a Jupiter or Saturn explorer window and its undoable
// edits: zoom, selected moon, tilt, the moons shown, the display options and
// the moment of the kind's shared document.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "app/command_family.h"
#include "app/explorer_documents.h"

namespace corvinata {

// What tells the two explorer kinds apart.
struct ExplorerKindTraits {
    WindowKind kind;
    int moonCount;
    int highestZoom;
    std::int32_t commandEvent;
    const Char* const* moonNames;
    const Char* planetName;
};

const ExplorerKindTraits& JupiterExplorerTraits() noexcept;
const ExplorerKindTraits& SaturnExplorerTraits() noexcept;

struct ExplorerDisplayOptions {
    std::uint8_t showOrbits = 1;
    std::uint8_t showNames = 1;
    std::uint8_t swapNorthSouth = 0;
    std::uint8_t swapEastWest = 0;
};

bool operator==(const ExplorerDisplayOptions& a, const ExplorerDisplayOptions& b) noexcept;
inline bool operator!=(const ExplorerDisplayOptions& a, const ExplorerDisplayOptions& b) noexcept {
    return !(a == b);
}

// Which option a one-option change takes: 0 names, 1 orbits, 2 east-west,
// 3 north-south; 4 (and any other value) all four.
enum ExplorerOptionField : std::int32_t {
    kExplorerOptionNames = 0,
    kExplorerOptionOrbits = 1,
    kExplorerOptionSwapEastWest = 2,
    kExplorerOptionSwapNorthSouth = 3,
    kExplorerOptionsWhole = 4,
};

// The state a window hands to a new one and keeps in a layout.
struct ExplorerViewRecord {
    ExplorerDisplayOptions options;
    std::int32_t zoomLevel = -1;
    std::int32_t selectedMoon = -1;
    std::int32_t tiltAngle = -1;
    std::uint32_t visibility = 0xFFFFFFFFu;
};

// The record of a new window of the kind: outermost zoom, the first moon,
// no tilt, every moon shown.
ExplorerViewRecord NewExplorerViewRecord(const ExplorerKindTraits& traits) noexcept;
// A zoom or selection outside the kind's range (the −1 placeholder among
// them) and a tilt beyond a turn take the new-window values.
ExplorerViewRecord SanitisedExplorerViewRecord(const ExplorerViewRecord& record,
                                               const ExplorerKindTraits& traits) noexcept;

class ExplorerCommandHistory : public WindowCommandHistory {
public:
    bool timeChanged = false;
    // The window's refresh after each step, given the step's flag.
    std::function<void(int)> performed;

protected:
    void ResetChangeState() override { timeChanged = false; }
    void OnCommandsPerformed(int flag) override {
        if (performed) performed(flag);
    }
};

// One explorer window's view: the state and the hooks by which the window
// shows what changed.
class ExplorerView {
public:
    ExplorerView(const ExplorerKindTraits& traits, ExplorerDocument& document);
    virtual ~ExplorerView() = default;
    ExplorerView(const ExplorerView&) = delete;
    ExplorerView& operator=(const ExplorerView&) = delete;

    const ExplorerKindTraits& Traits() const noexcept { return traits_; }
    ExplorerDocument& GetDocument() noexcept { return document_; }
    ExplorerCommandHistory& GetCommandHistory() noexcept { return history_; }

    std::uint32_t GetMoonVisibility() const noexcept { return visibility_; }
    bool IsMoonShown(int index) const noexcept { return (visibility_ >> index) & 1u; }
    const ExplorerDisplayOptions& GetDisplayOptions() const noexcept { return options_; }
    int GetSelectedMoon() const noexcept { return selected_; }
    int GetTiltAngle() const noexcept { return tilt_; }
    int GetZoomLevel() const noexcept { return zoom_; }

    void SetMoonShown(int index, bool shown);
    void SetDisplayOptions(const ExplorerDisplayOptions& options) { options_ = options; }
    // With widenZoom the zoom grows to take the moon in; it never shrinks.
    void SelectMoon(int index, bool widenZoom);
    // Kept as the remainder of a turn with the sign of the sum.
    void RotateTiltBy(int delta);
    void SetTiltAngle(int angle);
    void SetZoomLevel(int level) { zoom_ = level; }

    ExplorerViewRecord CaptureRecord() const;
    void ApplyRecord(const ExplorerViewRecord& record);

    // The window's side: a short highlight of the selection, a picture to
    // rebuild, a refresh after a direct change.
    virtual void StartViewTransition() {}
    virtual void RefreshWindow(int argument) { static_cast<void>(argument); }

protected:
    virtual void InvalidatePicture() {}

private:
    const ExplorerKindTraits& traits_;
    ExplorerDocument& document_;
    int zoom_ = -1;
    int selected_ = -1;
    int tilt_ = -1;
    std::uint32_t visibility_;
    ExplorerDisplayOptions options_;
    ExplorerCommandHistory history_;
};

// The edits of one explorer kind; each turns a request into one step of the
// window's history. Requests that change nothing record nothing.
class ExplorerActions {
public:
    ExplorerActions(CommandContext context, const ExplorerKindTraits& traits)
        : context_(context), traits_(traits) {}

    const ExplorerKindTraits& Traits() const noexcept { return traits_; }

    void ZoomToSelected(ExplorerView& view);
    void ShowHideMoon(ExplorerView& view, int moon, bool show, CompoundCommand* compound);
    void ChangeDisplayOptions(ExplorerView& view, const ExplorerDisplayOptions& options,
                              std::int32_t which, CompoundCommand* compound);
    void SelectMoonStep(ExplorerView& view, int moon, CompoundCommand* compound);
    // Without `record` (animation ticks) the document moves but no step is
    // kept.
    void GoTo(ExplorerView& view, const DateTime& moment, std::int32_t part,
              CompoundCommand* compound, bool refreshPanel, bool record = true);
    void EndCompoundCommand(ExplorerView& view, const String& text,
                            std::unique_ptr<CompoundCommand> holder, bool refreshPanel);
    void RotateTilt(ExplorerView& view, int delta);
    void TiltTo(ExplorerView& view, int angle, CompoundCommand* compound);
    // With `merge` the newest step, a zoom of this view, takes the new level
    // in place, so a wheel burst is one step.
    void ZoomStep(ExplorerView& view, int steps, bool outward, bool merge);
    void ZoomToLevel(ExplorerView& view, int level, bool refreshPanel, CompoundCommand* compound);
    // A double-click in the moon list: selects the moon and zooms out to it
    // as one step; when the newest step is not this view's selection of that
    // moon, the zoom is recorded as its own step.
    void SelectAndWidenZoom(ExplorerView& view, int moon);

private:
    String MoonName(int index) const;

    CommandContext context_;
    const ExplorerKindTraits& traits_;
};

// "Tilt to -5°".
String ExplorerTiltText(int angle);

// Where the display sits in the window's client area: as large as fits with
// the screen's pixel aspect (width over height of a pixel) `aspect`, centred.
struct ExplorerDisplayRect {
    int x, y, width, height;
};
ExplorerDisplayRect LayOutExplorerDisplay(int clientWidth, int clientHeight, double aspect) noexcept;

}  // namespace corvinata
