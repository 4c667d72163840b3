// A Graph window as its control panel reads it, for the panel's tests.
#pragma once

#include <algorithm>
#include <vector>

#include "app/graph_panel.h"
#include "base/text_format.h"
#include "support/graph_fakes.h"

namespace corvinata::test {

class FakeGraphPanelSource final : public GraphPanelSource {
public:
    explicit FakeGraphPanelSource(FakeGraphDocument& document) : window(document, 1), document_(document) {}
    GraphWindowCommands& GetCommands() override { return window; }
    GraphPanelLine LineAt(int index) const override { return lines.at(static_cast<std::size_t>(index)); }
    String FormatValueAt(int index, int step) const override {
        String text;
        StringFromInteger(100 * index + step, 1, text, true, ' ');
        return text;
    }
    int GuideLineStep() const override { return step; }
    void SetGuideLineStep(int s) override { step = s; }
    DateTime StepToDate(int s, std::int32_t timeSystem) const override {
        DateTime moment{2014, 1, 1, 0.0, timeSystem};
        DateTimeAddDays(moment, s);
        return moment;
    }
    bool FirstOrientation() const override { return first; }
    bool SecondOrientation() const override { return second; }
    int DrawGuideLine() override { return step * 2; }
    int DisplayExtent() const override { return 2 * kLastGraphStep + 1; }

    // Lines named "A", "B" ... with every flag set unless changed.
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            const char name[2] = {static_cast<char>('A' + i), 0};
            document_.lines.emplace_back(name);
            GraphPanelLine line;
            line.name = document_.lines.back().Name();
            line.computed = true;
            lines.push_back(line);
        }
    }

    FakeGraphWindow window;
    std::vector<GraphPanelLine> lines;
    int step = 10;
    bool first = true;
    bool second = false;

private:
    FakeGraphDocument& document_;
};

}  // namespace corvinata::test
