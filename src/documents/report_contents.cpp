#include "documents/report_contents.h"

#include <new>

#include "documents/report_day_night.h"
#include "documents/report_ephemerides.h"
#include "documents/report_month.h"

namespace corvinata {

namespace {

template <class Data>
std::unique_ptr<ReportData> MakeData(int) {
    return std::unique_ptr<ReportData>(new (std::nothrow) Data());
}

std::unique_ptr<ReportData> MakePlanetData(int bodyNumber) {
    return std::unique_ptr<ReportData>(new (std::nothrow) PlanetEphemerisData(bodyNumber));
}

template <class Writer>
std::unique_ptr<ReportHtmlWriter> MakeWriter(ReportData& data, int) {
    return std::unique_ptr<ReportHtmlWriter>(new (std::nothrow) Writer(data));
}

template <int Type>
std::unique_ptr<ReportHtmlWriter> MakeEphemerisWriter(ReportData& data, int) {
    return std::unique_ptr<ReportHtmlWriter>(new (std::nothrow) EphemerisWriter(data, Type));
}

}  // namespace

ReportPartsTable ProgramReportPartsTable() noexcept {
    ReportPartsTable table;
    table.types[kDayReport] = {&MakeData<DayReportModel>, &MakeWriter<DayReportWriter>};
    table.types[kNightReport] = {&MakeData<NightReportModel>, &MakeWriter<NightReportWriter>};
    table.types[kMonthReport] = {&MakeData<MonthReportData>, &MakeWriter<MonthReportWriter>};
    table.types[kSolarEphemerides] = {&MakeData<SunEphemerisData>, &MakeEphemerisWriter<kSolarEphemerides>};
    table.types[kLunarEphemerides] = {&MakeData<MoonEphemerisData>, &MakeEphemerisWriter<kLunarEphemerides>};
    table.types[kPlanetEphemerides] = {&MakePlanetData, &MakeEphemerisWriter<kPlanetEphemerides>};
    return table;
}

}  // namespace corvinata
