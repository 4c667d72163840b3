#include "documents/report_values.h"

#include <cmath>

#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue.h"
#include "catalog/catalogue_registry.h"
#include "catalog/celestial_object.h"
#include "catalog/quantity_values.h"
#include "documents/report_page.h"

namespace corvinata {

const CelestialObject* ReportBody(int bodyType, int number) noexcept {
    const Catalogue* catalogue = CatalogueByType(bodyType);
    if (catalogue == nullptr || number < 0 || number >= catalogue->CatalogueGetCount()) return nullptr;
    return catalogue->CatalogueGetObjectAt(number);
}

String ReportPropertyText(const PropertyMap& map, std::uint32_t id, const ReportValueStyle& style) {
    QuantityFormatRequest request = DisplayFormatRequest();
    request.rounding = style.rounding;
    request.unitPrecision = style.unitPrecision;
    request.precision = style.decimals < 0 ? kDefaultQuantityPrecision : style.decimals;
    String text;
    map.Format(id, text, request);
    return text;
}

void ComputeReportProperties(const CelestialObject& body, std::uint32_t mask, const TimeAndPlace& moment,
                             PropertyMap& out) {
    ComputeBodyProperties(body, mask, moment, out,
                          PropertyConventions{kEquatorialSystem, moment.dateTime.timeSystem, kAstronomicalUnits});
}

const CelestialObject* ComputeReportPlanet(int number, std::uint32_t mask, const TimeAndPlace& moment,
                                           PropertyMap& out) {
    out.Clear();
    const CelestialObject* planet = ReportBody(kBodyPlanet, number);
    if (planet != nullptr) ComputeReportProperties(*planet, mask, moment, out);
    return planet;
}

String ReportTimeText(double hours) {
    DateTime record;
    record.hours = hours;
    record.timeSystem = kLocalCivilTime;
    String text;
    FormatTime(1, record, false, kRoundKeep24, nullptr, text);
    return text;
}

String ReportDurationText(double hours) {
    return ReportTimeText(std::fmax(0.0, std::fmin(24.0, hours)));
}

String ReportPlaceText(const Location& place) {
    String text(place.town.Text());
    StringAppend(text, TXT(", "));
    StringAppend(text, place.country.Text());
    return text;
}

String ReportLongitudeText(const Location& place) {
    String text;
    LongitudeFormat(place.coordinates.longitude, text, DisplayFormatRequest().angleDegreeBase, kToSecond,
                    kAutomaticDecimals);
    return text;
}

String ReportLatitudeText(const Location& place) {
    String text;
    LatitudeFormat(place.coordinates.latitude, text, DisplayFormatRequest().angleDegreeBase, kToSecond,
                   kAutomaticDecimals);
    return text;
}

String ReportShortDate(const DateTime& date) {
    String text;
    return FormatDate(date, kDateToDay, text);
}

const char* ReportMonthAbbreviation(int month) noexcept {
    static constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return kMonths[((month + 11) % 12 + 12) % 12];
}

TimeAndPlace ReportMomentAt(const DateTimeLocation& settings, const DateTime& date) {
    TimeAndPlace moment;
    TimeAndPlaceFromDateTimeLocation(moment, settings);
    moment.dateTime = date;
    return moment;
}

void WriteLine(ReportHtmlWriter& writer, const char* open, const Char* text, const char* close) {
    ReportPageText& page = writer.Page();
    page.AppendAscii(open);
    page.AppendEscaped(text);
    page.AppendAscii(close);
    page.AppendLineBreak();
}

void WriteMarkupLine(ReportHtmlWriter& writer, const char* markup) {
    writer.Page().AppendAscii(markup);
    writer.Page().AppendLineBreak();
}

void WriteSpacerCell(ReportHtmlWriter& writer, int width) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("      <td width=\"");
    page.AppendInteger(width);
    page.AppendAscii("\">&nbsp;</td>\r\n");
}

}  // namespace corvinata
