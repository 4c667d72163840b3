// The daylight-saving part of the time options, and the platform's answer
// whether daylight saving time is in effect now.
#pragma once

namespace corvinata {

// Key "Daylight Saving Time", value "Active": whether local civil time is
// taken one hour ahead.
class DaylightSavingOption {
public:
    virtual ~DaylightSavingOption() = default;

    bool active = false;
};

bool IsDaylightSavingActive(const DaylightSavingOption& option) noexcept;
bool SetDaylightSavingActive(DaylightSavingOption& option, bool flag) noexcept;

// Asks the platform (the storage service's system information) whether
// daylight saving time is in effect now, stores the answer in the option and
// answers it. When the platform cannot tell, the answer is false. Needs the
// application's services; user-interface thread only.
bool QueryDaylightSavingActive(DaylightSavingOption& option);

}  // namespace corvinata
