// What the timing programs that drive the program's windows share: the
// time between two counter readings, the median of the runs, and a message
// loop that ends by itself.
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace corvinata::timing {

inline double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the messages waiting, and no more: the loop ends however slow a
// paint is, even when a window's timer is due again by the time it ends.
inline void Pump() {
    MSG message;
    for (int i = 0; i < 10000 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i) {
        if (message.message != WM_QUIT) DispatchMessageW(&message);
    }
}

}  // namespace corvinata::timing
