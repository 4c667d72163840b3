// Pictures of a graph for the reports: the plot area and either axis of a
// graph document drawn at a given size and handed back as the bytes of a BMP
// file, and the computation of a graph's lines under the wait cursor. The
// program registers one implementation (the Graph window's painters over a
// memory bitmap); tests register their own.
#pragma once

#include <cstdint>
#include <vector>

namespace corvinata {

class GraphDocument;

using GraphImageBytes = std::vector<std::uint8_t>;

class GraphImageInterface {
public:
    GraphImageInterface();
    virtual ~GraphImageInterface();
    GraphImageInterface(const GraphImageInterface&) = delete;
    GraphImageInterface& operator=(const GraphImageInterface&) = delete;

    // A BMP file image of width x height pixels; empty when the size is not
    // positive or the drawing surface could not be made.
    virtual GraphImageBytes CaptureGraphArea(const GraphDocument& document, int width, int height) = 0;
    virtual GraphImageBytes CaptureGraphXAxis(const GraphDocument& document, int width, int height) = 0;
    virtual GraphImageBytes CaptureGraphYAxis(const GraphDocument& document, int width, int height) = 0;
    // Recomputes every line of the graph (the wait cursor shown meanwhile
    // where there is a screen); `notify` tells the graph's views.
    virtual void ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) = 0;
};

// The registered implementation, or none: set by constructing one, cleared
// when it is destroyed.
GraphImageInterface* GetGraphImageInterface() noexcept;

}  // namespace corvinata
