// Helpers shared by the date and time tests: building records, showing them
// in failure messages, and a clock and locale that the tests control.
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>

#include "base/date_time.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"
#include "support/date_records.h"
#include "support/fake_product.h"
#include "support/null_storage.h"
#include "support/test_text.h"

namespace corvinata {

using test::Utf8;
using test::MakeDateTime;

inline void PrintTo(const DateTime& record, std::ostream* os) {
    *os << record.year << "-" << record.month << "-" << record.day << " " << record.hours
        << " h (system " << record.timeSystem << ")";
}

// A clock that reads a fixed instant, and a short date "y/m/d" that the tests
// can recognise.
class FixedClock : public LocaleFormatter {
public:
    struct Setting {
        bool clockWorks = true;
        bool shortDateWorks = true;
        int year = 2024, month = 5, day = 6, hour = 7, minute = 8, second = 9;
    };

    explicit FixedClock(const Setting& setting) : setting_(setting) {}

    bool GetNow() override {
        if (!setting_.clockWorks) return false;
        year = setting_.year;
        month = setting_.month;
        day = setting_.day;
        hour = setting_.hour;
        minute = setting_.minute;
        second = setting_.second;
        return true;
    }

    bool ShortDate(String& receiver, int kind) override {
        if (kind != 0 || !setting_.shortDateWorks) {
            StringAssign(receiver, TXT(""));
            return false;
        }
        std::string text =
            std::to_string(year) + "/" + std::to_string(month) + "/" + std::to_string(day);
        String result;
        for (char c : text) {
            const Char one[2] = {static_cast<Char>(c), 0};
            StringAppend(result, one);
        }
        StringAssignString(receiver, result);
        return true;
    }

private:
    Setting setting_;
};

// The application services with a storage service whose only working object
// is the FixedClock; registered for the lifetime of the object.
class FixedClockApplication : private test::NullStorageService {
public:
    explicit FixedClockApplication(const FixedClock::Setting& setting = {})
        : setting_(setting), product_(*this), registration_(&product_, nullptr) {}

private:
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override {
        return std::make_unique<FixedClock>(setting_);
    }

    FixedClock::Setting setting_;
    test::FakeProductInfo product_;
    ScopedApplicationServices registration_;
};

}  // namespace corvinata
