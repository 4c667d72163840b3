// A canvas that keeps what a plot drew, for the geometry tests and benchmarks.
#pragma once

#include <string>
#include <vector>

#include "support/test_text.h"
#include "views/graph_plot.h"

namespace corvinata::test {

class RecordingGraphCanvas final : public GraphCanvas {
public:
    struct Segment {
        GraphPoint from, to;
        Colour colour;
    };
    struct Text {
        int x, y;
        std::string text;
        GraphTextAlign align;
    };
    struct Fill {
        GraphPoint at;
        bool upwards;
    };
    void FillBackground(Colour) override { ++backgrounds; }
    void WriteText(int x, int y, const String& text, Colour, GraphTextAlign align) override {
        texts.push_back({x, y, Utf8(text), align});
    }
    // Seven pixels a character: the tests know the widths they expect.
    int TextWidth(const String& text) override { return 7 * static_cast<int>(Utf8(text).size()); }
    void DrawLine(GraphPoint from, GraphPoint to, Colour colour) override {
        lines.push_back({from, to, colour});
    }
    void SetPixel(GraphPoint at, Colour) override { pixels.push_back(at); }
    void DrawGuideLine(GraphPoint from, GraphPoint to, Colour colour) override {
        guides.push_back({from, to, colour});
    }
    void FillBeside(GraphPoint at, bool upwards, Colour, Colour) override { fills.push_back({at, upwards}); }
    int LineHeight() override { return 13; }

    int backgrounds = 0;
    std::vector<Segment> lines;
    std::vector<Segment> guides;
    std::vector<GraphPoint> pixels;
    std::vector<Text> texts;
    std::vector<Fill> fills;
};

}  // namespace corvinata::test
