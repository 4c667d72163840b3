// Picking on the sky chart: every drawn object announces itself in the
// feedback stream with a pass-through marker (its pick code) before its
// primitives; these walks read a feedback buffer (type GL_2D) back into the
// nearest object, whether an object is on screen, and where it lies.
// Platform-free: the renderer fills the buffer, the walks only read it.
#pragma once

#include <cstdint>

namespace corvinata {

// The marker that ends an object's geometry: lines drawn after it (grids,
// figures, boundaries) belong to no object.
constexpr float kNoObjectMarker = 9.0f;
// Pick-code parts chosen by the drawers.
constexpr int kPickPartPoint = 0;   // the object's point, sprite or pixel
constexpr int kPickPartSphere = 1;  // the Sun's and Moon's sphere polygons
constexpr int kPickPartTrack = 2;   // a planet track point
// Body type of the planets: their marker is followed by a second one (the
// track point index for part 2, else 0).
constexpr int kPickPlanetType = 2;

// (number x 100 + type) x 10 + part, exact in a float for numbers below 16778.
float EncodePickCode(int type, int number, int part) noexcept;

struct SkyPickCode {
    int type = -1;
    int number = -1;
    int part = 0;
    int extra = 0;  // a planet's second marker
};

// Reads one object marker starting at buffer[i] (which holds the token).
// Answers the index after it; `code.type` is -1 for the no-object marker.
// A planet's second pass-through is consumed when present, whatever walk
// reads the stream, so its value never decodes as an object of its own.
int ReadPickMarker(const float* buffer, int count, int i, SkyPickCode& code) noexcept;

struct SkyPickHit {
    int type = -1;        // -1: nothing
    int number = -1;
    int trackPoint = -1;  // the planet's track record, -1 none
    int distance = -1;    // whole pixels, -1 when nothing was found
    bool Found() const noexcept { return type >= 0; }
};

// The object whose point, pixel or polygon vertex lies nearest to (x, y)
// (window pixels, origin bottom-left). Lines and bitmaps never pick; on ties
// the earlier vertex in the stream wins. `count` is the number of floats
// written; an empty or overflowed (negative) buffer finds nothing.
SkyPickHit FindNearestInFeedback(const float* buffer, int count, double x, double y) noexcept;

// Whether an object (part other than the track's) has a primitive in the stream.
bool ObjectInFeedback(const float* buffer, int count, int type, int number) noexcept;

// The first vertex (window pixels, origin bottom-left) of the object's
// primitives; false when it has none.
bool ObjectVertexInFeedback(const float* buffer, int count, int type, int number, double& vx,
                            double& vy) noexcept;

// The largest distance in pixels at which a pick counts as a hit.
constexpr int kSkyHitRadius = 15;

}  // namespace corvinata
