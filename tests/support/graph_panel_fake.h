// A Graph window as its control panel reads it, for the panel's tests.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/graph_panel.h"
#include "base/text_format.h"
#include "support/graph_fakes.h"

namespace corvinata::test {

// The panel's view of the window: the lines' panel states are the test's,
// values and moments come from the real document.
class FakeGraphPanelSource final : public GraphPanelSource {
public:
    explicit FakeGraphPanelSource(GraphDocument& document) : window(document, 1), document_(document) {
        window.ShowGuideLine(true);
    }
    GraphWindowCommands& GetCommands() override { return window; }
    GraphPanelLine LineAt(int index) const override { return lines.at(static_cast<std::size_t>(index)); }
    String FormatValueAt(int index, int step) const override {
        return document_.GetGraphLine(index)->FormatValueAt(document_.Services(), step);
    }
    int GuideLineStep() const override { return step; }
    void SetGuideLineStep(int s) override { step = s; }
    DateTime StepToDate(int s, std::int32_t timeSystem) const override {
        return document_.StepToDate(s, timeSystem);
    }
    bool FirstOrientation() const override { return first; }
    bool SecondOrientation() const override { return second; }
    int DrawGuideLine() override { return step * 2; }
    int DisplayExtent() const override { return 2 * kLastGraphStep + 1; }

    // Lines named "A", "B" ... of the phases 10, 20 ... with every flag set
    // unless changed.
    void AddLines(int count) {
        for (int i = 0; i < count; ++i) {
            const char name[2] = {static_cast<char>('A' + i), 0};
            const std::string phase = "Phase(" + std::to_string(10 * (i + 1)) + ")";
            GraphLine* added =
                document_.InsertLine(document_.LineCount(), NamedLine(name, phase.c_str()));
            document_.ComputeGraphValues(*added);
            GraphPanelLine line;
            line.name = added->Name();
            line.computed = true;
            lines.push_back(line);
        }
    }

    GraphView window;
    std::vector<GraphPanelLine> lines;
    int step = 10;
    bool first = true;
    bool second = false;

private:
    GraphDocument& document_;
};

}  // namespace corvinata::test
