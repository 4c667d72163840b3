// What a Graph window is apart from its windows: the document it shows (as
// one of the document's views), its number among the graph windows, and
// the guide line at one of the 366 steps. The commands, the Graph control
// panel and the scripts see a Graph window through this.
#pragma once

#include "app/graph_commands.h"
#include "app/graph_panel.h"
#include "documents/graph_document.h"

namespace corvinata {

// The Graph control panel reads the window as a GraphPanelSource; the base
// is virtual so that the window's panel side shares this one.
class GraphView : public GraphWindowCommands, public virtual GraphPanelSource {
public:
    GraphView(GraphDocument& document, int number);
    ~GraphView() override;
    GraphView(const GraphView&) = delete;
    GraphView& operator=(const GraphView&) = delete;

    int WindowNumber() const override { return number_; }
    bool IsGuideLineShown() const override { return guideLineOn_; }
    GraphDocumentModel& GetDocument() override { return document_; }
    void ShowGuideLine(bool shown) override;

    GraphDocument& Graph() const noexcept { return document_; }
    int GuideLinePosition() const noexcept { return guidePosition_; }
    // Kept within 0..365; false when the position stays.
    bool SetGuideLinePosition(int position);
    // What the control panel reads. The lines' rows come from their own
    // flags; the orientation flags are the time axis's (horizontal, and
    // running from the far end).
    GraphWindowCommands& GetCommands() override { return *this; }
    GraphPanelLine LineAt(int index) const override;
    String FormatValueAt(int index, int step) const override;
    int GuideLineStep() const override { return guidePosition_; }
    void SetGuideLineStep(int step) override { SetGuideLinePosition(step); }
    DateTime StepToDate(int step, std::int32_t timeSystem) const override;
    bool FirstOrientation() const override;
    bool SecondOrientation() const override;
    // The guide line is drawn by the display's paint; this answers where,
    // along the time axis of the display.
    int DrawGuideLine() override;
    int DisplayExtent() const override;
    // The display's client size, which the pixels above are measured in.
    void SetDisplaySize(int width, int height) noexcept;

    // A window's state as a layout kept it: the guide line's place and
    // flag and the selected line. Values outside the graph (a damaged or
    // older layout) are brought within it: the position to 0..365, the line
    // to -1..count - 1.
    void RestoreState(int guidePosition, bool guideLineOn, int selectedLine);

protected:
    // The guide line is about to move or to show or hide (`before`
    // true), and has done so (false): the window repaints its strip.
    virtual void GuideLineChanging(bool before) { static_cast<void>(before); }

private:
    GraphDocument& document_;
    int number_;
    int guidePosition_ = 0;
    bool guideLineOn_ = false;
    int displayWidth_ = 0;
    int displayHeight_ = 0;
};

}  // namespace corvinata
