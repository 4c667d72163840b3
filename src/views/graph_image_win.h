// The program's graph pictures: the plot and the axes painted by the Graph
// window's own painters into a memory bitmap, handed out as BMP bytes.
#pragma once

#include "app/graph_image.h"
#include "views/graph_axes.h"
#include "views/graph_plot.h"

namespace corvinata {

class GdiGraphImages final : public GraphImageInterface {
public:
    GraphImageBytes CaptureGraphArea(const GraphDocument& document, int width, int height) override;
    GraphImageBytes CaptureGraphXAxis(const GraphDocument& document, int width, int height) override;
    GraphImageBytes CaptureGraphYAxis(const GraphDocument& document, int width, int height) override;
    void ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) override;
};

// The colours of the plot and axes with the system's button colours as they
// are now: read for each picture, since the system's colours change with
// night vision (night shades are the caller's to apply).
GraphColours SystemGraphColours();
GraphAxisColours SystemGraphAxisColours();

}  // namespace corvinata
