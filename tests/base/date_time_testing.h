// Helpers shared by the date and time tests: building records, showing them
// in failure messages, and a clock and locale that the tests control.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "base/date_time.h"
#include "base/services.h"
#include "support/date_records.h"
#include "support/fake_product.h"
#include "support/null_storage.h"
#include "support/test_text.h"

namespace corvinata {

using test::MakeDateTime;
using test::Utf8;

inline void PrintTo(const DateTime& record, std::ostream* os) {
    *os << record.year << "-" << record.month << "-" << record.day << " " << record.hours
        << " h (system " << record.timeSystem << ")";
}

// What the clock reads (year, month, day, hour, minute, second), whether it
// works, and whether the short date "y/m/d" can be written.
struct ClockSetting {
    int now[6] = {2024, 5, 6, 7, 8, 9};
    bool clockWorks = true;
    bool shortDateWorks = true;
};

class FixedClock : public LocaleFormatter {
public:
    explicit FixedClock(const ClockSetting& setting) : setting_(setting) {}

    bool GetNow() override {
        if (!setting_.clockWorks) return false;
        int* fields[6] = {&year, &month, &day, &hour, &minute, &second};
        for (int i = 0; i < 6; ++i) *fields[i] = setting_.now[i];
        return true;
    }

    bool ShortDate(String& receiver, int kind) override {
        const bool works = kind == 0 && setting_.shortDateWorks;
        const std::string text =
            std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
        StringAssign(receiver, test::Wide(works ? text : "").c_str());
        return works;
    }

private:
    ClockSetting setting_;
};

// The application services whose storage service makes only the FixedClock;
// registered for the lifetime of the object.
class FixedClockApplication : private test::NullStorageService {
public:
    explicit FixedClockApplication(const ClockSetting& setting = {})
        : setting_(setting), product_(*this), registration_(&product_, nullptr) {}

private:
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override {
        return std::make_unique<FixedClock>(setting_);
    }

    ClockSetting setting_;
    test::FakeProductInfo product_;
    ScopedApplicationServices registration_;
};

}  // namespace corvinata
