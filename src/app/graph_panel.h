// What the Graph control panel shows and does, without its dialog: the rows
// of the lines shown in the panel, their cell texts, the read-outs of the
// guide line, range and place, and the moves of the guide line.
#pragma once

#include <cstdint>
#include <vector>

#include "app/graph_commands.h"
#include "base/date_time.h"
#include "base/wide_string.h"

namespace corvinata {

// One line of the graph as the panel shows it.
struct GraphPanelLine {
    String name;
    std::int32_t colourIndex = 0;
    bool shownInPanel = true;
    bool computed = false;
    bool visible = true;
};

// The last guide-line step; steps run from 0.
constexpr int kLastGraphStep = 365;

// A Graph window as its panel reads it (the document's lines and options
// come through its commands).
class GraphPanelSource {
public:
    virtual ~GraphPanelSource() = default;
    virtual GraphWindowCommands& GetCommands() = 0;
    virtual GraphPanelLine LineAt(int index) const = 0;
    // The line's value at a step, as the graph formats it.
    virtual String FormatValueAt(int index, int step) const = 0;
    virtual int GuideLineStep() const = 0;
    // Moves the guide line to the step (the window's own operation, not a
    // command).
    virtual void SetGuideLineStep(int step) = 0;
    // The moment of a step in a time system.
    virtual DateTime StepToDate(int step, std::int32_t timeSystem) const = 0;
    // The first flag picks the pair of arrows (and whether the display's
    // extent is its width); the second swaps their meaning.
    virtual bool FirstOrientation() const = 0;
    virtual bool SecondOrientation() const = 0;
    // Draws the guide line and answers its pixel position, and the extent
    // of the display along the time axis.
    virtual int DrawGuideLine() = 0;
    virtual int DisplayExtent() const = 0;
};

// Indices of the lines that get a row, in line order.
std::vector<int> GraphPanelRows(const GraphPanelSource& source, int lineCount);
// The row of a line; -1 when the line has none.
int GraphRowOfLine(const std::vector<int>& rows, int line) noexcept;

enum GraphColumn : int { kGraphColourColumn = 0, kGraphNameColumn = 1, kGraphValueColumn = 2 };

// Cell texts: the colour cell is drawn, not written; a line whose values are
// not computed shows nothing.
String GraphCellText(const GraphPanelSource& source, int line, int column);

struct GraphReadouts {
    bool present = false;  // the graph has at least one line
    String guideLine;
    String begin;
    String end;
    String daylightSaving;
    String longitude;
    String latitude;
    String timeZone;
    String elevation;
    bool firstPairShown = true;        // 20735 / 20854, else 21020 / 20615
    bool towardZeroEnabled = false;    // 20735 and 21020: the guide line is off the display's start
    bool awayFromZeroEnabled = false;  // 20854 and 20615: off its far end
};
// `guidePixel` and `extent` come from drawing the guide line.
GraphReadouts MakeGraphReadouts(GraphPanelSource& source, int guidePixel, int extent);

// The step the guide line moves by for an arrow button (the ids of either
// pair); 0 for any other item.
int GuideLineDelta(int button, bool secondOrientation) noexcept;
// The guide line moved by the arrow, kept within the steps.
void MoveGuideLine(GraphPanelSource& source, int button);

// "--" or the moment with seconds, date and time three blanks apart.
String FormatGraphMoment(const DateTime* moment);

}  // namespace corvinata
