// The Report window's document: it holds the report its windows show and
// tells them when the report wrote a new page.
#pragma once

#include <memory>

#include "app/report_picture_panels.h"
#include "app/window_document.h"
#include "base/wide_string.h"

namespace corvinata {

// A report as its document, its windows and the Report panel use it; the
// report kinds implement it.
class ReportGenerator : public BrowsableReport {
public:
    // A report of the same kind, type and settings whose page is not written
    // yet; null when memory ran out.
    virtual std::unique_ptr<ReportGenerator> Clone() const = 0;
    // Computes the report for the settings and writes its page; false when
    // the page could not be written (the previous page is then not shown anew).
    virtual bool WriteHtml(const DateTimeLocation& settings, bool nightMode) = 0;
    // Writes the page again from the values last computed.
    virtual bool RenderHtml(bool nightMode) = 0;
    // The last page written; empty before the first.
    virtual const String& GetHtml() const = 0;
    virtual String GetTitle() const = 0;
    // The date, time and place the report was last set to.
    virtual const DateTimeLocation& GetSettingsRecord() const = 0;
    // Sets the date, time and place without computing anything.
    virtual void SetLocation(const DateTimeLocation& settings) = 0;
};

class ReportDocument final : public WindowDocument {
public:
    ReportDocument(NotificationHub& hub, std::unique_ptr<ReportGenerator> report)
        : WindowDocument(hub), report_(std::move(report)) {}
    // A document showing a copy of another one's report (none when it has none).
    ReportDocument(NotificationHub& hub, const ReportDocument& other)
        : WindowDocument(hub), report_(other.report_ ? other.report_->Clone() : nullptr) {}

    WindowKind GetKind() const override { return kReportWindow; }
    // Null when memory ran out while the report was made.
    ReportGenerator* Report() const noexcept { return report_.get(); }
    void ReplaceReport(std::unique_ptr<ReportGenerator> report) noexcept { report_ = std::move(report); }

    // Sets the report to the record and writes its page; the views are told
    // when a page was written.
    bool ApplyTimeAndLocation(const DateTimeLocation& record, bool nightMode) {
        if (!report_ || !report_->WriteHtml(record, nightMode)) return false;
        DocumentNotifyViews(nullptr);
        return true;
    }

private:
    std::unique_ptr<ReportGenerator> report_;
};

}  // namespace corvinata
