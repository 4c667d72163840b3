#include "app/rise_set_links.h"

#include "base/date_time_text.h"
#include "base/time_systems.h"
#include "catalog/rise_set.h"

namespace corvinata {
namespace {

bool EventHappens(const EventTime& event) noexcept {
    return event.state == kEventTimeFound && event.dateTime.hours >= 0.0 && event.dateTime.hours < 24.0;
}

}  // namespace

EventTimePair PanelRiseSet(const PropertyMap& map, const TimeAndPlace& moment, int timeSystem) {
    DateTime day = moment.dateTime;
    ConvertTimeSystemAt(day, timeSystem, moment.place.longitude.GetValue(), moment.place.timeZone.hours,
                        moment.daylightSaving);
    day.hours = 0.0;
    return RiseSetEventsFromMap(map, day);
}

String RiseSetLinkText(const EventTime& event, int precision) {
    if (!EventHappens(event)) return String(TXT("--:--"));
    String text;
    FormatTime(precision, event.dateTime, false, kTruncateTime, nullptr, text);
    return text;
}

bool RiseSetLinkLeads(const EventTime& event) { return EventHappens(event); }

bool RiseSetLinkMoment(const TimeAndPlace& moment, const EventTime& event, DateTime& reached) {
    if (!RiseSetLinkLeads(event)) return false;
    reached = event.dateTime;
    ConvertTimeSystemAt(reached, moment.dateTime.timeSystem, moment.place.longitude.GetValue(),
                        moment.place.timeZone.hours, moment.daylightSaving);
    return true;
}

}  // namespace corvinata
