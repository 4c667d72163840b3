#include <windows.h>

#include <cstdint>

#include "base/storage_service_win.h"

namespace corvinata {

namespace {

class Win32SystemInfo final : public SystemInfo {
public:
    bool IsDaylightSavingTime() override {
        TIME_ZONE_INFORMATION zone;
        return GetTimeZoneInformation(&zone) == TIME_ZONE_ID_DAYLIGHT;
    }
};

class Win32LocaleFormatter final : public LocaleFormatter {
public:
    // The clock of Windows itself: the C runtime of this build counts
    // seconds in 32 bits, which end in January 2038.
    bool GetNow() override {
        FILETIME now;
        GetSystemTimeAsFileTime(&now);
        return StoreLocalTimeOf((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime,
                                *this);
    }

    bool ShortDate(String& receiver, int kind) override {
        StringAssign(receiver, TXT(""));
        if (kind != 0 || year < 0 || year > 0xFFFF || month < 0 || month > 0xFFFF || day < 0 ||
            day > 0xFFFF) {
            return false;
        }
        SYSTEMTIME date = {};
        date.wYear = static_cast<WORD>(year);
        date.wMonth = static_cast<WORD>(month);
        date.wDay = static_cast<WORD>(day);
        constexpr int kCapacity = 1000;
        wchar_t text[kCapacity];
        if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &date, nullptr, text, kCapacity) <=
            0) {
            return false;
        }
        StringAssign(receiver, text);
        return true;
    }
};

}  // namespace

bool StoreLocalTimeOf(std::uint64_t utcFileTime, LocaleFormatter& formatter) {
    FILETIME moment;
    moment.dwLowDateTime = static_cast<DWORD>(utcFileTime);
    moment.dwHighDateTime = static_cast<DWORD>(utcFileTime >> 32);
    SYSTEMTIME universal;
    SYSTEMTIME local;
    // The zone's rules for the moment's own date, daylight saving included.
    if (!FileTimeToSystemTime(&moment, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return false;
    }
    formatter.year = local.wYear;
    formatter.month = local.wMonth;
    formatter.day = local.wDay;
    formatter.hour = local.wHour;
    formatter.minute = local.wMinute;
    formatter.second = local.wSecond;
    return true;
}

std::unique_ptr<SystemInfo> MakeWin32SystemInfo() { return std::make_unique<Win32SystemInfo>(); }

std::unique_ptr<LocaleFormatter> MakeWin32LocaleFormatter() {
    return std::make_unique<Win32LocaleFormatter>();
}

}  // namespace corvinata
