// The wait cursor over work the user waits for (reading or writing a graph
// file, computing a graph's lines). The program registers the screen's
// cursor; where none is registered (the native build, most tests) the work
// runs without one.
#pragma once

#include <cstdint>

namespace corvinata {

class WaitCursorService {
public:
    // Registers this implementation; the destructor clears it again.
    WaitCursorService();
    virtual ~WaitCursorService();
    WaitCursorService(const WaitCursorService&) = delete;
    WaitCursorService& operator=(const WaitCursorService&) = delete;

    // Shows the wait cursor and answers the cursor it replaced.
    virtual std::uintptr_t ShowWaitCursor() = 0;
    // Puts back a cursor ShowWaitCursor answered.
    virtual void RestoreCursor(std::uintptr_t previous) = 0;
};

// The registered implementation, or none.
WaitCursorService* GetWaitCursorService() noexcept;

// Shows the wait cursor for as long as it lives: the cursor it replaced
// comes back however the work ends, a failure or an exception included.
class ScopedWaitCursor {
public:
    ScopedWaitCursor();
    ~ScopedWaitCursor();
    ScopedWaitCursor(const ScopedWaitCursor&) = delete;
    ScopedWaitCursor& operator=(const ScopedWaitCursor&) = delete;

private:
    WaitCursorService* service_;
    std::uintptr_t previous_ = 0;
};

}  // namespace corvinata
