// Times the whole settings tree written and read back through the Windows
// registry (under a key of its own, removed before and after), the figure the
// in-memory benchmark cannot give. Run by hand: settings_registry_timing.exe
// [round trips].
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/product_info.h"
#include "base/services.h"
#include "base/storage_service_win.h"
#include "settings_session.h"
#include "timing_support_win.h"

int wmain(int argc, wchar_t** argv) {
    using namespace corvinata;
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 20;
    Win32StorageService storage;
    ProgramProductInfo product(storage, PathName());
    ScopedApplicationServices services(&product, nullptr);
    const String root((L"\\" + std::wstring(timing::kTimingKey) + L"\\settings_registry_timing").c_str());
    auto remove = [&] {
        storage.CreateRegistryNode(RegistryHive::CurrentUser, root.Text())->DeleteTree();
        SHDeleteEmptyKeyW(HKEY_CURRENT_USER, timing::kTimingKey);
    };
    remove();
    bool ok = true;
    double seconds = 0.0;
    {
        timing::TimedSession session(storage, root);
        ok = session.RoundTrip();  // the first one creates the keys
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        for (int i = 0; i < rounds; ++i) ok = session.RoundTrip() && ok;
        QueryPerformanceCounter(&end);
        seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    }
    remove();
    std::printf("whole settings tree, write and read through the registry: %.2f ms per round trip "
                "(%d round trips)%s\n",
                1000.0 * seconds / rounds, rounds, ok ? "" : " -- a write failed");
    return ok ? 0 : 1;
}
