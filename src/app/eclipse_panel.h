// What the Solar eclipse control panel shows, without its dialog: every text
// and enabled state from what the attached window reads, and the steps of
// its map spinners.
#pragma once

#include <cstdint>

#include "app/picture_eclipse_commands.h"
#include "astro/besselian.h"
#include "astro/eclipse_circumstances.h"
#include "base/date_time.h"
#include "base/wide_string.h"

namespace corvinata {

struct EclipseContactReading {
    double hours = kNoTimeHours;  // Universal time of day; kNoTimeHours: does not occur
    double sunAltitude = 0.0;     // degrees
};


// What the attached Solar eclipse window shows.
struct EclipsePanelReading {
    DateTime searched;
    bool locationSelected = false;
    EclipseType type = kNoEclipse;
    DateTime phaseBegin;
    DateTime phaseEnd;
    EclipseContactReading contacts[3];  // by ContactPhase
    double maximumFraction = -1.0;  // 0..1; -1.0 not computed
    std::int32_t centralSeconds = 0;
    double pathWidthKm = 0.0;
    double magnitude = 0.0;  // 0..1 at maximum
    double maximumSunAltitude = 0.0;
    DateTime shown;     // the browsed moment, UT
    MapPoint location;  // selected on the map, west positive
    // A place at sea has no time zone: its times are shown in UT.
    bool timeZoneKnown = true;
    double timeZoneHours = 0.0;
    bool daylightSaving = false;  // of the application's time options
    MapPoint centre;
    int zoom = kEclipseZoomMin;
};

struct EclipseContactTexts {
    String value;    // the UT text the link hands back when clicked
    String display;  // UT and, in parentheses, local civil time
    bool linkActive = false;
    String altitude;
    bool labelsEnabled = false;
    bool valuesEnabled = false;
};

struct EclipsePanelTexts {
    bool locationButtonEnabled = false;
    bool pathButtonEnabled = false;
    double longitudePicker = 0.0;  // east positive, as the pickers show it
    double latitudePicker = 0.0;
    String timeZone;
    bool locationBrowserEnabled = false;
    String searchedDate;
    String typeName;
    String phaseSentence;
    bool phaseSentenceEnabled = false;
    EclipseContactTexts contacts[3];
    String maximumLabel;
    String durationLabel;
    bool durationLabelEnabled = false;
    String duration;
    bool durationEnabled = false;
    String width;
    bool widthLabelEnabled = false;
    bool widthEnabled = false;
    String centreLongitude;
    String centreLatitude;
    int zoom = kEclipseZoomMin;
    String magnitude;
    String maximumAltitude;
    bool maximumLabelsEnabled = false;
    bool maximumValuesEnabled = false;
    String browseDate;
    String browseTime;
    String browseLocalTime;
    bool timeBrowserEnabled = false;
};

// `phaseTemplate` "% phase begins %, ends %" and `durationTemplate`
// "Duration of % phase at longitude:" come from the dialog's hidden items.
EclipsePanelTexts MakeEclipsePanelTexts(const EclipsePanelReading& reading, const Char* phaseTemplate,
                                        const Char* durationTemplate);

// The map centre after one spinner step of a quarter of the visible span:
// the coordinate first snapped to a multiple of the quarter, then moved
// (`step` +1 or -1) and folded into its range.
struct EclipseSpin {
    double snapped;   // written back into the view outside the history
    MapPoint centre;  // the new centre, one undoable step
};
EclipseSpin SpinEclipseLongitude(const MapPoint& centre, double visibleSpan, int step);
EclipseSpin SpinEclipseLatitude(const MapPoint& centre, double visibleSpan, int step);

// The browsed moment set to the time of a contact link ("h:mm" or
// "h:mm:ss"); false for a text that is no time.
bool EclipseContactMoment(const DateTime& shown, const Char* linkValue, DateTime& moment);

}  // namespace corvinata
