// The wait cursor on the screen (IDC_WAIT) for the work that asks for one
// (app/wait_cursor.h), registered while it lives.
#pragma once

#include <cstdint>

#include "app/wait_cursor.h"

namespace corvinata {

class ScreenWaitCursor final : public WaitCursorService {
public:
    std::uintptr_t ShowWaitCursor() override;
    void RestoreCursor(std::uintptr_t previous) override;
};

}  // namespace corvinata
