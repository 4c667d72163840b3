// The Month report: the Sun every five days with its twilight charts, the
// phases of the Moon and a daily Moon table, a table for each planet, and
// charts of the large satellites of Jupiter and Saturn over the month.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "app/graph_image.h"
#include "catalog/rise_set.h"
#include "documents/inline_images.h"
#include "documents/report_ephemerides.h"
#include "documents/report_kinds.h"

namespace corvinata {

struct MonthDayRecord {
    DateTime date;                // local civil time, 0 h
    EventTimePair riseSet;
    double morningTwilight = -1.0;  // the Sun's nautical twilight, hours
    double eveningTwilight = -1.0;
    double rightAscension = -1000.0;
    double declination = -1000.0;
    double constellation = -1.0;  // the Moon's
    double phase = -1.0;          // the Moon's, percent
    double elongation = 0.0;      // a planet's, signed degrees
};

class MonthReportData final : public ReportData {
public:
    static constexpr int kSunRecords = 8;
    static constexpr int kMoonRecords = 31;
    static constexpr int kPlanets = 8;

    std::unique_ptr<ReportData> Clone() const override;

    MonthDayRecord sun[kSunRecords];
    MonthDayRecord moon[kMoonRecords];
    // The phases of the Moon found, in date order, each dated on the day
    // before which it happens.
    std::vector<std::pair<DateTime, MoonPhase>> phases;
    std::vector<MonthDayRecord> planets[kPlanets];

protected:
    void Calculate() override;
};

// The hour range of a twilight chart from the lowest and highest of its
// values within its half of the day: from the whole hour below the lowest to
// the one above the highest, at least five hours wide, within 0..24; 0..24
// when no value lies in that half (`found` false).
void TwilightChartRange(bool found, double lowest, double highest, double& bottom, double& top) noexcept;

class MonthReportWriter final : public ReportHtmlWriter {
public:
    explicit MonthReportWriter(ReportData& data) : ReportHtmlWriter(&data) {}
    ~MonthReportWriter() override;

    enum Image : int {
        kMorningChart, kMorningXAxis, kMorningYAxis,
        kEveningChart, kEveningXAxis, kEveningYAxis,
        kJovianChart, kJovianAxis, kSaturnianChart, kSaturnianAxis,
        kImageCount
    };
    const GraphImageBytes& ImageBytes(int image) const noexcept { return images_[image].bytes; }

protected:
    bool WriteBody() override;

private:
    // A captured chart, registered with the page's image table while it is
    // held.
    struct HeldImage {
        GraphImageBytes bytes;
        std::unique_ptr<InlineImageRegistration> registration;
        void Replace(GraphImageBytes&& captured);
        void Release();
    };
    void RenderCharts();
    void AppendImageCell(int width, int image, const char* alt);

    HeldImage images_[kImageCount];
};

}  // namespace corvinata
