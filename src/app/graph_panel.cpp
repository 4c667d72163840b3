#include "app/graph_panel.h"

#include <algorithm>

#include "base/angle_value.h"
#include "base/date_time_text.h"
#include "base/geo_place.h"
#include "base/text_format.h"
#include "base/time_systems.h"
#include "catalog/quantity_values.h"

namespace corvinata {
namespace {

constexpr const Char* kMomentSeparator = TXT("   ");

// Arrow buttons: 20735/21020 move the guide line earlier, 20854/20615 later,
// unless the second orientation flag swaps them.
constexpr int kEarlierButtons[] = {20615, 20735};
constexpr int kLaterButtons[] = {20854, 21020};

String RangeEnd(DateTime moment, const TimeAndLocation& options) {
    const GeoCoordinates& place = options.location.coordinates;
    ConvertTimeSystem(moment, options.xAxisTimeSystem, place.longitude, place.timeZone,
                      options.daylightSaving);
    return FormatGraphMoment(&moment);
}

}  // namespace

std::vector<int> GraphPanelRows(const GraphPanelSource& source, int lineCount) {
    std::vector<int> rows;
    for (int line = 0; line < lineCount; ++line) {
        if (source.LineAt(line).shownInPanel) rows.push_back(line);
    }
    return rows;
}

int GraphRowOfLine(const std::vector<int>& rows, int line) noexcept {
    const auto found = std::find(rows.begin(), rows.end(), line);
    return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
}

String GraphCellText(const GraphPanelSource& source, int line, int column) {
    const GraphPanelLine data = source.LineAt(line);
    if (!data.computed) return String();
    switch (column) {
        case kGraphNameColumn: return data.name;
        case kGraphValueColumn:
            return data.visible ? source.FormatValueAt(line, source.GuideLineStep()) : String(TXT("Hidden"));
        default: return String();
    }
}

String FormatGraphMoment(const DateTime* moment) {
    if (moment == nullptr) return String(TXT("--"));
    return FormatDateTimeJoined(*moment, kTimeToSecond, false, kMomentSeparator);
}

GraphReadouts MakeGraphReadouts(GraphPanelSource& source, int guidePixel, int extent) {
    GraphReadouts readouts;
    readouts.firstPairShown = source.FirstOrientation();
    GraphDocumentModel& document = source.GetCommands().GetDocument();
    readouts.present = document.LineCount() > 0;
    if (!readouts.present) {
        readouts.firstPairShown = true;
        return readouts;
    }
    const TimeAndLocation& options = document.Options();
    const DateTime guide = source.StepToDate(source.GuideLineStep(), options.xAxisTimeSystem);
    readouts.guideLine = FormatGraphMoment(&guide);
    readouts.begin = RangeEnd(options.beginDate, options);
    readouts.end = RangeEnd(options.endDate, options);
    readouts.daylightSaving = options.daylightSaving ? TXT("On") : TXT("Off");
    const GeoCoordinates& place = options.location.coordinates;
    const int angleStyle = DisplayFormatRequest().angleDegreeBase;
    place.longitude.Format(readouts.longitude, angleStyle, kToMinute, kAutomaticDecimals);
    place.latitude.Format(readouts.latitude, angleStyle, kToMinute, kAutomaticDecimals);
    FormatTimeZoneOffset(place.timeZone, readouts.timeZone);
    StringFromInteger(place.elevation, 1, readouts.elevation, true, ' ');
    readouts.towardZeroEnabled = guidePixel > 0;
    readouts.awayFromZeroEnabled = guidePixel < extent - 1;
    return readouts;
}

int GuideLineDelta(int button, bool secondOrientation) noexcept {
    const int swap = secondOrientation ? -1 : 1;
    for (const int id : kEarlierButtons) {
        if (id == button) return -swap;
    }
    for (const int id : kLaterButtons) {
        if (id == button) return swap;
    }
    return 0;
}

void MoveGuideLine(GraphPanelSource& source, int button) {
    const int delta = GuideLineDelta(button, source.SecondOrientation());
    if (delta == 0) return;
    source.SetGuideLineStep(std::clamp(source.GuideLineStep() + delta, 0, kLastGraphStep));
}

}  // namespace corvinata
