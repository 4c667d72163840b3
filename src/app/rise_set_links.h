// The rising and setting a control panel shows as two links (the Sky and the
// explorer panels): the pair on the document's date told in the panel's time
// system, a link's text and the moment a click on it leads to. The panel
// keeps the pair it shows, so that a link leads to the very event it tells,
// whichever day that is in Universal time.
#pragma once

#include "base/date_time.h"
#include "base/event_time_pair.h"
#include "base/geo_place.h"
#include "base/wide_string.h"

namespace corvinata {

class PropertyMap;

// The Rise and Set of `map`, computed in `timeSystem`, on the date of the
// document's moment told in that system.
EventTimePair PanelRiseSet(const PropertyMap& map, const TimeAndPlace& moment, int timeSystem);

// A link's text: the event's time to `precision` (a DateTimePrecision),
// truncated; "--:--" for an event that does not happen.
String RiseSetLinkText(const EventTime& event, int precision);

// Whether a link leads anywhere: the event it shows happens.
bool RiseSetLinkLeads(const EventTime& event);

// The moment a link leads to: the event shown, told in the document's own
// time system, so that the link's time system makes no difference. False
// for an event that does not happen.
bool RiseSetLinkMoment(const TimeAndPlace& moment, const EventTime& event, DateTime& reached);

}  // namespace corvinata
