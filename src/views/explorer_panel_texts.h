// What the Jupiter and Saturn panels and options dialogs show, without their
// windows: a moon's coordinate, the planet's tilts, its rising and setting
// with the moment each link leads to and the orientation an instrument gives.
#pragma once

#include "base/date_time.h"
#include "base/event_time_pair.h"
#include "base/geo_place.h"
#include "base/wide_string.h"

namespace corvinata {

class PropertyMap;

// A moon's X, Y or Z in planet radii: at most two decimals, trailing zeros
// and a bare point dropped, "+" above zero; a value that rounds to zero is
// "0" whatever its sign.
String ExplorerCoordinateText(double radii);

// A planet tilt in degrees, brought into -180..180, signed, in the user's
// angle style (kAngleSexagesimal to the minute, or two decimals).
String ExplorerTiltText(double degrees, int angleStyle);

// The rising and setting the panel shows: the Rise and Set of `map`,
// computed in `timeSystem`, on the date of the document's moment told in
// that system.
EventTimePair ExplorerRiseSet(const PropertyMap& map, const TimeAndPlace& moment, int timeSystem);

// A Rise or Set link's text: the event's time to the minute, "--:--" for an
// event that does not happen.
String ExplorerEventText(const EventTime& event);

// The moment a Rise or Set link leads to: the event shown, told in the
// document's own time system, so that the link's time system makes no
// difference. False for an event that does not happen.
bool ExplorerEventMoment(const TimeAndPlace& moment, const EventTime& event, DateTime& reached);

// The options dialog's explanation of the picture the two swaps give.
const Char* ExplorerOrientationText(bool swapNorthSouth, bool swapEastWest) noexcept;

}  // namespace corvinata
