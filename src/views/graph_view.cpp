#include "views/graph_view.h"

#include <algorithm>

#include "views/graph_plot.h"

namespace corvinata {

GraphView::GraphView(GraphDocument& document, int number) : document_(document), number_(number) {
    document_.AttachView(*this);
}

GraphView::~GraphView() { document_.DetachView(*this); }

void GraphView::ShowGuideLine(bool shown) {
    if (shown == guideLineOn_) return;
    GuideLineChanging(true);
    guideLineOn_ = shown;
    GuideLineChanging(false);
}

bool GraphView::SetGuideLinePosition(int position) {
    position = std::clamp(position, 0, kLastGraphInstant);
    if (position == guidePosition_) return false;
    GuideLineChanging(true);
    guidePosition_ = position;
    GuideLineChanging(false);
    return true;
}

GraphPanelLine GraphView::LineAt(int index) const {
    GraphPanelLine row;
    const GraphLine* line = document_.GetGraphLine(index);
    if (!line) return row;
    row.name = line->name;
    row.colourIndex = line->colour;
    row.shownInPanel = line->visibleInControlPanel;
    row.visible = line->visibleInGraph;
    // Every line of a document is computed when it is added or read.
    row.computed = true;
    return row;
}

String GraphView::FormatValueAt(int index, int step) const {
    const GraphLine* line = document_.GetGraphLine(index);
    return line ? line->FormatValueAt(document_.Services(), std::clamp(step, 0, kLastGraphInstant)) : String();
}

DateTime GraphView::StepToDate(int step, std::int32_t timeSystem) const {
    return document_.StepToDate(std::clamp(step, 0, kLastGraphInstant), timeSystem);
}

bool GraphView::FirstOrientation() const { return document_.Options().xAxisHorizontal; }

bool GraphView::SecondOrientation() const { return document_.Options().xAxisReversed; }

int GraphView::DrawGuideLine() {
    return GraphStepToAxisPixel(MakeGraphScales(document_, displayWidth_, displayHeight_), guidePosition_);
}

int GraphView::DisplayExtent() const {
    return document_.Options().xAxisHorizontal ? displayWidth_ : displayHeight_;
}

void GraphView::SetDisplaySize(int width, int height) noexcept {
    displayWidth_ = std::max(0, width);
    displayHeight_ = std::max(0, height);
}

void GraphView::RestoreState(int guidePosition, bool guideLineOn, int selectedLine) {
    SetGuideLinePosition(guidePosition);
    ShowGuideLine(guideLineOn);
    document_.SetSelectedLine(std::clamp(selectedLine, -1, document_.LineCount() - 1));
}

}  // namespace corvinata
