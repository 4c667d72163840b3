#include "app/eclipse_panel.h"

#include <algorithm>
#include <cmath>

#include "astro/eclipse_texts.h"
#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/geo_place.h"
#include "base/text_format.h"
#include "catalog/quantity_values.h"

namespace corvinata {
namespace {

String AltitudeText(double degrees) {
    String text;
    LatitudeValue(degrees, kLatitudeMinusSign)
        .Format(text, DisplayFormatRequest().angleDegreeBase, kToMinute, kAutomaticDecimals);
    return text;
}

String TimeText(const DateTime& moment) {
    String text;
    FormatTime(kTimeToSecond, moment, false, kRoundHoldDayEnd, nullptr, text);
    return text;
}

// The time of day in local civil time at the selected place, brought into
// the day.
DateTime LocalTimeOfDay(const DateTime& universal, const EclipsePanelReading& reading) {
    DateTime local = universal;
    if (local.hours == kNoTimeHours) return local;
    local.hours += reading.timeZoneHours + (reading.daylightSaving ? 1.0 : 0.0);
    local.hours -= 24.0 * std::floor(local.hours / 24.0);
    local.timeSystem = kLocalCivilTime;
    return local;
}

// The name of the central phase in the sentences. A hybrid eclipse has no
// one kind; its phase is named after the type.
String PhaseName(CentralKind kind, bool upperFirst) {
    String name;
    switch (kind) {
        case kCentralTotal:
        case kCentralAnnular: CentralKindName(kind, upperFirst, name); break;
        case kCentralAnnularTotal: name = upperFirst ? TXT("Annular-total") : TXT("annular-total"); break;
        default: CentralKindName(kCentralTotal, upperFirst, name); break;
    }
    return name;
}

String Percentage(double value) {
    String text;
    FormatPercentage(value, 0, text);
    return text;
}

EclipseContactTexts ContactTexts(const EclipseContactReading& contact, const EclipsePanelReading& reading) {
    EclipseContactTexts texts;
    DateTime universal{2000, 1, 1, contact.hours, kUniversalTime};
    texts.value = TimeText(universal);
    texts.display = reading.timeZoneKnown
                        ? FormatPercent2(TXT("% (%)"), texts.value, TimeText(LocalTimeOfDay(universal, reading)))
                        : FormatPercent1(TXT("% UT"), texts.value);
    texts.linkActive = contact.hours != kNoTimeHours;
    texts.altitude = AltitudeText(contact.sunAltitude);
    texts.labelsEnabled = reading.locationSelected;
    texts.valuesEnabled = reading.locationSelected && contact.sunAltitude > 0.0;
    return texts;
}

EclipseSpin Spin(double coordinate, double visibleSpan, const MapPoint& centre, bool longitude, int step) {
    const double quarter = 0.25 * visibleSpan;
    EclipseSpin spin{coordinate, centre};
    if (!(quarter > 0.0)) return spin;
    spin.snapped = std::round(coordinate / quarter) * quarter;
    if (longitude) {
        spin.centre.longitude = NormaliseAngle180(spin.snapped - quarter * step);
    } else {
        spin.centre.latitude = NormaliseLatitude(spin.snapped + quarter * step);
    }
    return spin;
}

}  // namespace

EclipsePanelTexts MakeEclipsePanelTexts(const EclipsePanelReading& reading, const Char* phaseTemplate,
                                        const Char* durationTemplate) {
    EclipsePanelTexts texts;
    const bool located = reading.locationSelected;
    const CentralKind central = EclipseCentralKind(reading.type);

    texts.locationButtonEnabled = located;
    texts.pathButtonEnabled = central != kNoCentralPoint;

    texts.longitudePicker = -reading.location.longitude;
    texts.latitudePicker = reading.location.latitude;
    if (reading.timeZoneKnown) {
        TimeZoneValue zone;
        zone.hours = reading.timeZoneHours;
        FormatTimeZoneOffset(zone, texts.timeZone);
    } else {
        texts.timeZone = TXT("No time zone (at sea): times in UT");
    }
    texts.locationBrowserEnabled = located;

    FormatDate(reading.searched, kDateToDay, texts.searchedDate);
    EclipseTypeName(reading.type, true, texts.typeName);
    texts.phaseSentence = FormatPercent3(phaseTemplate, PhaseName(central, true),
                                         TimeText(reading.phaseBegin), TimeText(reading.phaseEnd));
    texts.phaseSentenceEnabled = central != kNoCentralPoint;

    for (int i = 0; i < 3; ++i) texts.contacts[i] = ContactTexts(reading.contacts[i], reading);

    // Not computed (-1.0) must reach the formatter unchanged so that it
    // shows as missing; only a real fraction becomes a percentage.
    const double fraction =
        reading.maximumFraction == -1.0 ? -1.0 : std::min(100.0, reading.maximumFraction * 100.0);
    texts.maximumLabel = FormatPercent1(TXT("Maximum contact (%)"), Percentage(fraction));

    texts.durationLabel = FormatPercent1(durationTemplate, PhaseName(central, false));
    texts.durationLabelEnabled = located;
    if (central == kNoCentralPoint) {
        texts.duration = TXT("-- sec");
    } else {
        String seconds;
        StringFromInteger(reading.centralSeconds, 1, seconds, true, ' ');
        texts.duration = FormatPercent1(TXT("% sec"), seconds);
    }
    texts.durationEnabled = located && central != kNoCentralPoint;

    String width;
    FormatDouble(std::round(reading.pathWidthKm * 10.0) / 10.0, 1, width, false);
    texts.width = FormatPercent1(TXT("% km"), width);
    texts.widthLabelEnabled = located;
    texts.widthEnabled = located && reading.pathWidthKm > 0.0;

    String longitude, latitude;
    const int angleStyle = DisplayFormatRequest().angleDegreeBase;
    LongitudeValue(reading.centre.longitude, kWestPositive)
        .Format(longitude, angleStyle, kToMinute, kAutomaticDecimals);
    LatitudeValue(reading.centre.latitude, kLatitudeHemisphereLetter)
        .Format(latitude, angleStyle, kToMinute, kAutomaticDecimals);
    texts.centreLongitude = longitude;
    texts.centreLatitude = latitude;
    texts.zoom = reading.zoom;

    texts.magnitude = Percentage(std::clamp(reading.magnitude * 100.0, 0.0, 100.0));
    texts.maximumAltitude = AltitudeText(reading.maximumSunAltitude);
    texts.maximumLabelsEnabled = located;
    texts.maximumValuesEnabled = located && reading.maximumSunAltitude > 0.0;

    FormatDate(reading.shown, kDateToDay, texts.browseDate);
    texts.browseTime = TimeText(reading.shown);
    if (reading.timeZoneKnown) {
        texts.browseLocalTime = FormatPercent1(TXT("(%)"), TimeText(LocalTimeOfDay(reading.shown, reading)));
    }
    texts.timeBrowserEnabled = located;
    return texts;
}

EclipseSpin SpinEclipseLongitude(const MapPoint& centre, double visibleSpan, int step) {
    return Spin(centre.longitude, visibleSpan, centre, true, step);
}

EclipseSpin SpinEclipseLatitude(const MapPoint& centre, double visibleSpan, int step) {
    return Spin(centre.latitude, visibleSpan, centre, false, step);
}

bool EclipseContactMoment(const DateTime& shown, const Char* linkValue, DateTime& moment) {
    DateTime read = shown;
    if (!DateTimeParseTime(read, linkValue)) return false;
    moment = read;
    return true;
}

}  // namespace corvinata
