// What the Graph Options pages show and how they check what the user
// entered, without their windows: each page is read into a plain record,
// checked, and written into a copy of the graph's settings only when every
// field passes, so that a refused page leaves the copy as it was.
#pragma once

#include <cstdint>
#include <limits>

#include "app/graph_commands.h"
#include "app/help_topics.h"
#include "app/time_and_location.h"
#include "app/window_actions.h"
#include "base/wide_string.h"

namespace corvinata {


// Why a page was refused: the message, the control to focus, its help page.
struct GraphOptionsRefusal {
    String text;
    int focusItem = 0;
    MessageTopic topic = MessageTopic::DifferentValue;
};

// The units offered by the step lists, "Minutes" .. "Years", in list order.
constexpr int kGraphStepUnitCount = 5;
std::int32_t GraphStepUnitAt(int row) noexcept;
// The row of a unit; "Days" for a unit the lists do not offer.
int GraphStepUnitRow(std::int32_t unit) noexcept;

// The whole number at the start of the text (white space before it
// allowed); false when there is none or it does not fit an i32. `rest`:
// whether anything but white space follows it.
bool LeadingWholeNumber(const String& text, std::int32_t& value, bool& rest) noexcept;

struct GraphTimePage {
    DateTime begin;  // with the time system chosen
    bool byEnd = true;
    DateTime end;
    String stepCount;
    std::int32_t stepUnit = kDaysUnit;
    bool daylightSaving = false;
};
GraphTimePage GraphTimePageFrom(const TimeAndLocation& settings);
// A step the page shows unchanged keeps its count (decimals a file gave
// it included); a typed one is the whole number it starts with. The x-axis
// steps follow a new range as FollowRangeWithTimeAxis says.
bool CheckGraphTimePage(const GraphTimePage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal);
// After the range changed from `before` to `after`: the x-axis label and
// mark steps that are still the program's choice for the old range become
// its choice for the new one (a week gets days); a step the user set, one
// that differs from that choice, is kept.
void FollowRangeWithTimeAxis(const TimeAndLocation& before, TimeAndLocation& after);

struct GraphLocationPage {
    double eastLongitude = 0.0;  // the picker shows east positive
    double latitude = 0.0;
    double timeZone = 0.0;
    double elevation = 0.0;
};
GraphLocationPage GraphLocationPageFrom(const TimeAndLocation& settings);
// Always passes.
void StoreGraphLocationPage(const GraphLocationPage& page, TimeAndLocation& settings);

struct GraphXAxisPage {
    bool horizontal = true;
    bool originFar = false;  // origin at right (horizontal) or top (vertical)
    String markCount;
    std::int32_t markUnit = kDaysUnit;
    String labelCount;
    std::int32_t labelUnit = kDaysUnit;
    std::int32_t timeSystem = kLocalCivilTime;
};
GraphXAxisPage GraphXAxisPageFrom(const TimeAndLocation& settings);
bool CheckGraphXAxisPage(const GraphXAxisPage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal);

// The origin radios' texts for the axis: horizontal "Origin at left" /
// "Origin at right", vertical "Origin at bottom" / "Origin at top".
const Char* GraphOriginText(bool axisHorizontal, bool far) noexcept;

// How the Y Axis page shows the value range of a quantity kind.
enum class GraphRangeControl { Time, Angle, Number };
GraphRangeControl GraphRangeControlOf(std::int32_t kind) noexcept;
// The angle picker's format for kinds 1..5.
int GraphRangeAngleKind(std::int32_t kind) noexcept;

// The kind's limits as the page compares them; unbounded: ±(10^10 − 1).
void GraphRangeLimits(std::int32_t kind, double& lowest, double& highest) noexcept;
// What "&Default values" puts in From and To: the kind's own bounds; where
// it has none, the bounds the graph draws for an open range (`openFrom`,
// `openTo`, GraphDocument::DrawnYRange), or -100 and 100 when those are
// not numbers.
void GraphRangeDefaults(std::int32_t kind, double openFrom, double openTo, double& from, double& to) noexcept;
// "min. " or "max. " with the limit.
String GraphRangeLimitText(double limit, bool upper);

struct GraphYAxisPage {
    bool horizontal = true;   // the time axis's orientation
    bool originFar = false;   // origin at top (values vertical) or right
    std::int32_t kind = kValueKindUnknown;
    // Pickers hand their values; the number edits their texts.
    double from = 0.0;
    double to = 0.0;
    String fromText;
    String toText;
    int fromItem = 0;
    int toItem = 0;
    // What From and To showed for a bound left open (the graph draws it
    // from its values); NaN where they show a bound that is set. Such a
    // value read back unchanged leaves the bound open, so that a graph
    // whose options were confirmed still follows its values.
    double openFrom = std::numeric_limits<double>::quiet_NaN();
    double openTo = std::numeric_limits<double>::quiet_NaN();
};
bool CheckGraphYAxisPage(const GraphYAxisPage& page, TimeAndLocation& settings, GraphOptionsRefusal& refusal);

struct GraphGuidesPage {
    bool xGrid = false;
    String xCount;
    std::int32_t xUnit = kDaysUnit;
    bool yGrid = false;
    String yCount;
    bool guideLine = false;
};
GraphGuidesPage GraphGuidesPageFrom(const TimeAndLocation& settings, bool guideLine);
bool CheckGraphGuidesPage(const GraphGuidesPage& page, TimeAndLocation& settings, bool& guideLine,
                          GraphOptionsRefusal& refusal);

}  // namespace corvinata
