#include "views/shared_document_kind_win.h"

namespace corvinata {

void WheelBurst::Notched(HWND window, bool changed) {
    if (active_ || !changed || !window) return;
    active_ = true;
    SetTimer(window, kTimerId, kMilliseconds, nullptr);
}

bool WheelBurst::OnTimer(HWND window, WPARAM id) {
    if (id != kTimerId) return false;
    End(window);
    return true;
}

void WheelBurst::End(HWND window) {
    active_ = false;
    if (window) KillTimer(window, kTimerId);
}

WindowGeometry RestoredGeometry(const WindowGeometry& stored, const ChildWindows& children) {
    if ((stored.fieldMask & kGeometrySize) && stored.width > 0 && stored.height > 0) return stored;
    const POINT at = children.Cascade().Current();
    return WindowGeometry{kGeometryAll, at.x, at.y, kNewChildSize, kNewChildSize, false, false};
}

}  // namespace corvinata
