#include "app/dialog_states.h"

namespace corvinata {

namespace {

// The one Picture Options state's flag; set and cleared by that state.
bool* g_pictureOptionsFlag = nullptr;

// A dialog that never stood anywhere opens here (screen pixels).
constexpr std::int32_t kDefaultDialogLeft = 500;
constexpr std::int32_t kDefaultDialogTop = 300;

}  // namespace

DialogState::DialogState() : window_(reinterpret_cast<DialogWindow>(static_cast<std::intptr_t>(-1))) {
    placement.fieldMask = kGeometryPosition;
    placement.left = kDefaultDialogLeft;
    placement.top = kDefaultDialogTop;
}

int DialogState::ControlOf(const Char* valueName) const {
    const auto it = controls_.find(valueName);
    return it == controls_.end() ? 0 : it->second;
}

void DialogState::MapValue(const Char* valueName, int control) { controls_[valueName] = control; }

void SetDefaultCurrentTab(DialogState& state) { state.MapValue(TXT("Current tab"), kOptionsTabControl); }

GraphOptionsState::GraphOptionsState() { SetDefaultCurrentTab(*this); }

PictureOptionsState::PictureOptionsState() { g_pictureOptionsFlag = &fitFlag; }

PictureOptionsState::~PictureOptionsState() {
    if (g_pictureOptionsFlag == &fitFlag) g_pictureOptionsFlag = nullptr;
}

bool* PictureOptionsFlag() noexcept { return g_pictureOptionsFlag; }

}  // namespace corvinata
