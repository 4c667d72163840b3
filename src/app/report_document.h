// The Report window's document: it owns the generator of its report and
// tells its windows when a setting changed what the report shows.
#pragma once

#include <cstdint>
#include <memory>

#include "app/window_document.h"

namespace corvinata {

// One setting of a report: which one (kind, period, body ...) and its value.
struct ReportSetting {
    std::int32_t id = 0;
    std::int32_t value = 0;
};

class ReportGenerator {
public:
    virtual ~ReportGenerator() = default;
    virtual std::unique_ptr<ReportGenerator> Clone() const = 0;
    // True when the setting changed what the report shows.
    virtual bool ApplySetting(const ReportSetting& setting) = 0;
};

class ReportDocument final : public WindowDocument {
public:
    ReportDocument(NotificationHub& hub, std::unique_ptr<ReportGenerator> generator)
        : WindowDocument(hub), generator_(std::move(generator)) {}
    // A document showing a copy of another one's report.
    ReportDocument(NotificationHub& hub, const ReportDocument& other)
        : WindowDocument(hub), generator_(other.generator_ ? other.generator_->Clone() : nullptr) {}

    WindowKind GetKind() const override { return kReportWindow; }
    ReportGenerator* Generator() const noexcept { return generator_.get(); }

    void ApplySetting(const ReportSetting& setting) {
        if (generator_ && generator_->ApplySetting(setting)) DocumentNotifyViews(nullptr);
    }

private:
    std::unique_ptr<ReportGenerator> generator_;
};

}  // namespace corvinata
