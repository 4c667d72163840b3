// Prints the system colours a program started now is given, index 0 to 30,
// one "RRGGBB" a line: what a newly started program of the session sees,
// which a long-running test program's own cached colours need not be.
#include <windows.h>

#include <cstdio>

int main() {
    for (int index = 0; index <= 30; ++index) {
        const COLORREF colour = GetSysColor(index);
        std::printf("%02X%02X%02X\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }
    return 0;
}
