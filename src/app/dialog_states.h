// The state objects that options dialogs keep for the whole run: where the
// dialog stood, which tab it showed and the choices it offers again next
// time. The application creates them with itself; each dialog procedure
// stores its window in the state when it opens.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "app/window_geometry.h"
#include "base/text_char.h"

namespace corvinata {

// The tab control of the tabbed options dialogs.
constexpr int kOptionsTabControl = 20999;

// A dialog's window as the platform-free code keeps it.
using DialogWindow = void*;

class DialogState {
public:
    DialogState();
    virtual ~DialogState() = default;
    DialogState(const DialogState&) = delete;
    DialogState& operator=(const DialogState&) = delete;

    virtual DialogWindow GetWindow() const { return window_; }
    void SetWindow(DialogWindow window) noexcept { window_ = window; }

    // The control that keeps a placement value ("Current tab"), or 0.
    int ControlOf(const Char* valueName) const;
    void MapValue(const Char* valueName, int control);

    WindowGeometry placement;

private:
    std::map<std::basic_string<Char>, int> controls_;
    DialogWindow window_;
};

// Remembers "Current tab" in the options dialogs' tab control.
void SetDefaultCurrentTab(DialogState& state);

// The Graph Options dialog's state; it starts the dialog's shared choices
// afresh.
class GraphOptionsState final : public DialogState {
public:
    GraphOptionsState();
    std::int32_t page = 0;
    std::int32_t sharedValue = 0;
    bool sharedFlag = false;
};

// The Picture Options dialog's state: it owns the flag the dialog shows in
// its check box and publishes it for the dialog while it lives.
class PictureOptionsState final : public DialogState {
public:
    PictureOptionsState();
    ~PictureOptionsState() override;
    bool fitFlag = false;
};

// The published Picture Options flag; none while no state exists.
bool* PictureOptionsFlag() noexcept;

}  // namespace corvinata
