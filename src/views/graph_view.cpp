#include "views/graph_view.h"

#include <algorithm>

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

void GraphView::RestoreState(int guidePosition, bool guideLineOn, int selectedLine) {
    SetGuideLinePosition(guidePosition);
    ShowGuideLine(guideLineOn);
    document_.SetSelectedLine(std::clamp(selectedLine, -1, document_.LineCount() - 1));
}

}  // namespace corvinata
