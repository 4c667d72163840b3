// The Day report (a date from midnight to midnight) and the Night report
// (from noon of a date to noon of the next): the Sun, the Moon and the planets
// with their rising, setting, visibility and position.
#pragma once

#include <memory>

#include "catalog/property_map.h"
#include "catalog/rise_set.h"
#include "documents/report_kinds.h"

namespace corvinata {

constexpr int kReportPlanets = 8;

class DayReportModel final : public ReportData {
public:
    std::unique_ptr<ReportData> Clone() const override;

    PropertyMap sun;
    PropertyMap moon;
    PropertyMap planets[kReportPlanets];
    EventTimePair sunRiseSet;
    EventTimePair moonRiseSet;
    EventTimePair planetRiseSet[kReportPlanets];

protected:
    void Calculate() override;
};

class DayReportWriter final : public ReportHtmlWriter {
public:
    explicit DayReportWriter(ReportData& data) : ReportHtmlWriter(&data) {}

protected:
    bool WriteBody() override;
};

class NightReportModel final : public ReportData {
public:
    std::unique_ptr<ReportData> Clone() const override;

    DateTime nextDay;
    // Rise and set of the night (noon to noon), kept as what they are.
    EventTimePair sunNight;
    EventTimePair moonNight;
    EventTimePair planetNight[kReportPlanets];
    // Everything else at 0 h of the next day.
    PropertyMap sun;
    PropertyMap moon;
    PropertyMap planets[kReportPlanets];

protected:
    void Calculate() override;
};

class NightReportWriter final : public ReportHtmlWriter {
public:
    explicit NightReportWriter(ReportData& data) : ReportHtmlWriter(&data) {}

protected:
    bool WriteBody() override;
};

// The two rise and set cells of a night: the earlier event with its arrow
// (up for a rise, down for a set), then the later one; events dated on
// `nextDay` are starred.
void NightRiseSetCells(const EventTimePair& pair, const DateTime& nextDay, String& first, String& second);

}  // namespace corvinata
