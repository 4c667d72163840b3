// The worker threads of the Event Finder and the Event Forecast on Windows.
#pragma once

#include "tools/event_finder.h"

namespace corvinata {

// Each thread owns the work it runs and ends by itself; its object only
// waits for that end, for a bounded time, and may go before it.
class Win32SearchThreads final : public events::SearchThreadStarter {
public:
    std::unique_ptr<events::SearchThread> Start(std::function<void()> body) override;
};

// Whether a worker asked to stop is still running after its wait: what it
// reads (the catalogues, the body types) must then outlive the program's
// end.
bool SearchWorkersRunning();

}  // namespace corvinata
