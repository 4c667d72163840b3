// The worker threads of the Event Finder and the Event Forecast on Windows.
#pragma once

#include "tools/event_finder.h"

namespace corvinata {

// Each thread owns the work it runs and ends by itself; its object only
// waits for that end, and may go before it. A wait on the user-interface
// thread serves the thread's messages, so that its windows keep answering
// the user and other threads meanwhile.
class Win32SearchThreads final : public events::SearchThreadStarter {
public:
    std::unique_ptr<events::SearchThread> Start(std::function<void()> body) override;
};

}  // namespace corvinata
