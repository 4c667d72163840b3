#include "app/wait_cursor.h"

namespace corvinata {

namespace {
WaitCursorService* registered = nullptr;
}  // namespace

WaitCursorService::WaitCursorService() { registered = this; }

WaitCursorService::~WaitCursorService() {
    if (registered == this) registered = nullptr;
}

WaitCursorService* GetWaitCursorService() noexcept { return registered; }

ScopedWaitCursor::ScopedWaitCursor() : service_(registered) {
    if (service_) previous_ = service_->ShowWaitCursor();
}

ScopedWaitCursor::~ScopedWaitCursor() {
    if (service_) service_->RestoreCursor(previous_);
}

}  // namespace corvinata
