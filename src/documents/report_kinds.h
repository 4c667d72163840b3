// The report kinds: a day report, a night report, a month report, the year
// ephemerides of the Sun, of the Moon and of each planet. Each kind owns a
// data object that computes its values, a writer that turns them into a
// page, and the settings handle through which the Report panel learns the
// period the report covers. One class serves the whole family: a kind is its
// type (and planet), and the parts its type is made of.
#pragma once

#include <cstdint>
#include <memory>

#include "app/report_document.h"
#include "base/date_time_location.h"
#include "documents/report_page.h"

namespace corvinata {

enum ReportType : int {
    kDayReport = 0,
    kNightReport = 1,
    kMonthReport = 2,
    kSolarEphemerides = 3,
    kLunarEphemerides = 4,
    kPlanetEphemerides = 5,
};
constexpr int kReportTypeCount = 6;
// The planets of the planets catalogue a planet-ephemerides report takes.
constexpr int kReportPlanetCount = 8;

// What a report computes, for the date, time and place of its settings. The
// base keeps the settings only; each report's data object adds its values.
class ReportData {
public:
    ReportData() { DateTimeLocationInit(settings_); }
    virtual ~ReportData() = default;
    ReportData& operator=(const ReportData&) = delete;

    // A copy with the same settings and computed values; null when memory ran out.
    virtual std::unique_ptr<ReportData> Clone() const;
    // Stores the settings and computes the values for them.
    void Compute(const DateTimeLocation& settings) {
        DateTimeLocationAssign(settings_, settings);
        Calculate();
    }
    const DateTimeLocation& Settings() const noexcept { return settings_; }
    void SetSettings(const DateTimeLocation& settings) { DateTimeLocationAssign(settings_, settings); }

protected:
    ReportData(const ReportData& other) { DateTimeLocationAssign(settings_, other.settings_); }
    virtual void Calculate() {}

private:
    DateTimeLocation settings_;
};

// The calendar unit of a report's period, as AddDateTimeInterval numbers it.
enum ReportSettingsKind : std::int32_t { kReportDaily = 3, kReportMonthly = 4, kReportYearly = 5 };

struct ReportSettingsHandle {
    std::int32_t settingsKind = kReportDaily;
    ReportData* data = nullptr;  // the kind's own data object
    std::int32_t bodyNumber = 0; // planet ephemerides only
};

// How a report type makes its data object and its writer.
struct ReportParts {
    std::unique_ptr<ReportData> (*makeData)(int bodyNumber) = nullptr;
    std::unique_ptr<ReportHtmlWriter> (*makeWriter)(ReportData& data, int bodyNumber) = nullptr;
};
struct ReportPartsTable {
    ReportParts types[kReportTypeCount];
};
// The parts of the program's reports. A type whose contents are not part of
// the program yet has none: its report keeps its settings and writes no page.
const ReportPartsTable& ProgramReportParts() noexcept;
// The table new reports are made from: the program's, or another one for the
// lifetime of a ScopedReportParts (tests).
const ReportPartsTable& ReportPartsInUse() noexcept;
class ScopedReportParts {
public:
    explicit ScopedReportParts(const ReportPartsTable& table) noexcept;
    ~ScopedReportParts();
    ScopedReportParts(const ScopedReportParts&) = delete;
    ScopedReportParts& operator=(const ScopedReportParts&) = delete;

private:
    const ReportPartsTable* previous_;
};

class ReportKind final : public ReportGenerator {
public:
    // Type 0..5; `bodyNumber` is the planet of type 5 (0 otherwise).
    ReportKind(int type, int bodyNumber, const ReportParts& parts);
    ~ReportKind() override;

    bool WriteHtml(const DateTimeLocation& settings, bool nightMode) override;
    std::unique_ptr<ReportGenerator> Clone() const override;
    std::int32_t GetSettingsKind() const noexcept { return handle_.settingsKind; }
    const ReportSettingsHandle& GetSettingsHandle() const noexcept { return handle_; }
    const String& GetHtml() const override;
    const DateTimeLocation& GetSettingsRecord() const override { return data_->Settings(); }
    // "Day Report for Mar 05, 2013", "Month Report for Mar 2013",
    // "Solar Ephemerides for 2013", "Ephemerides of Mars for 2013" ...
    String GetTitle() const override;
    int GetReportType() const noexcept { return type_; }
    bool RenderHtml(bool nightMode) override;
    void SetLocation(const DateTimeLocation& settings) override { data_->SetSettings(settings); }

    // The report as the Report panel browses it.
    bool ApplyTimeAndLocation(const DateTimeLocation& record, bool nightVision) override {
        return WriteHtml(record, nightVision);
    }
    std::int32_t BrowsingUnit() const override { return GetSettingsKind(); }
    int ReportType() const override { return type_; }
    int PlanetNumber() const override { return type_ == kPlanetEphemerides ? body_ : 0; }
    DateTimeLocation CurrentTimeAndLocation() const override;

    ReportData& Data() const noexcept { return *data_; }
    ReportHtmlWriter* Writer() const noexcept { return writer_.get(); }

private:
    int type_;
    int body_;
    ReportParts parts_;
    std::unique_ptr<ReportData> data_;
    ReportSettingsHandle handle_;
    std::unique_ptr<ReportHtmlWriter> writer_;
};

// Whether a type and planet name a report: type 0..5, and for type 5 a
// planet 0..7.
bool IsReportType(int type, int bodyNumber) noexcept;
// A new report of the type from the parts in use; null for a type that names
// no report, or when memory ran out.
std::unique_ptr<ReportKind> NewReport(int type, int bodyNumber);
// Replaces the document's report by a new one of the type. A type that names
// no report is refused and the document keeps the report it has.
bool CreateReport(ReportDocument& document, int type, int bodyNumber);

// A new Report document whose report is of the type, set to the record (not
// computed). A type that names no report gives a Day report, so that a
// damaged layout entry still opens a usable window.
std::unique_ptr<ReportDocument> NewReportDocument(NotificationHub& hub, int type, int bodyNumber,
                                                  const DateTimeLocation& record);

}  // namespace corvinata
