#include "views/sky_pick.h"

#include <cmath>

#include "views/sky_render_gl.h"

namespace corvinata {

namespace {

// Floats a token takes, the token included; 0 for a value that is no token
// (a damaged stream ends the walk).
int TokenSize(const float* buffer, int count, int i) noexcept {
    const float token = buffer[i];
    if (token == skygl::kPassThroughToken) return 2;
    if (token == skygl::kPointToken || token == skygl::kBitmapToken ||
        token == skygl::kDrawPixelToken || token == skygl::kCopyPixelToken) {
        return 3;
    }
    if (token == skygl::kLineToken || token == skygl::kLineResetToken) return 5;
    if (token == skygl::kPolygonToken) {
        if (i + 1 >= count) return 0;
        const int n = static_cast<int>(buffer[i + 1]);
        return n < 0 ? 0 : 2 + 2 * n;
    }
    return 0;
}

bool DecodeMarker(float value, SkyPickCode& code) noexcept {
    if (value == kNoObjectMarker || !(value >= 0.0f) || value > 2.0e9f) return false;
    const long c = static_cast<long>(value);
    code.part = static_cast<int>(c % 10);
    code.type = static_cast<int>((c / 10) % 100);
    code.number = static_cast<int>((c / 1000) % 100000);
    code.extra = 0;
    return code.type != 9;
}

// Walks the stream, calling `onMarker`(code) at each marker and
// `onVertex`(x, y) at each vertex of a point, pixel or polygon; lines and
// bitmaps are passed over. A callback answering false ends the walk.
template <class OnMarker, class OnVertex>
void WalkFeedback(const float* buffer, int count, OnMarker onMarker, OnVertex onVertex) {
    int i = 0;
    while (i < count) {
        const float token = buffer[i];
        if (token == skygl::kPassThroughToken) {
            SkyPickCode code;
            i = ReadPickMarker(buffer, count, i, code);
            if (!onMarker(code, i)) return;
            continue;
        }
        const int size = TokenSize(buffer, count, i);
        if (size == 0 || i + size > count) return;
        if (token == skygl::kPointToken || token == skygl::kDrawPixelToken) {
            if (!onVertex(buffer[i + 1], buffer[i + 2])) return;
        } else if (token == skygl::kPolygonToken) {
            for (int v = i + 2; v < i + size; v += 2) {
                if (!onVertex(buffer[v], buffer[v + 1])) return;
            }
        }
        i += size;
    }
}

}  // namespace

float EncodePickCode(int type, int number, int part) noexcept {
    return static_cast<float>((static_cast<long>(number) * 100 + type) * 10 + part);
}

int ReadPickMarker(const float* buffer, int count, int i, SkyPickCode& code) noexcept {
    code = SkyPickCode{};
    if (i + 1 >= count) return count;
    SkyPickCode decoded;
    if (DecodeMarker(buffer[i + 1], decoded)) code = decoded;
    i += 2;
    if (code.type == kPickPlanetType && i + 1 < count && buffer[i] == skygl::kPassThroughToken) {
        code.extra = static_cast<int>(buffer[i + 1]);
        i += 2;
    }
    return i;
}

SkyPickHit FindNearestInFeedback(const float* buffer, int count, double x, double y) noexcept {
    SkyPickHit best;
    double bestSquare = 125000000.0;
    SkyPickCode current;
    WalkFeedback(
        buffer, count,
        [&](const SkyPickCode& code, int) {
            current = code;
            return true;
        },
        [&](float vx, float vy) {
            if (current.type < 0) return true;
            const double dx = vx - x;
            const double dy = vy - y;
            const double square = dx * dx + dy * dy;
            if (square < bestSquare) {
                bestSquare = square;
                best.type = current.type;
                best.number = current.number;
                best.trackPoint = current.part == kPickPartTrack && current.type == kPickPlanetType
                                      ? current.extra
                                      : -1;
            }
            return true;
        });
    if (best.Found()) best.distance = static_cast<int>(std::sqrt(bestSquare) + 0.5);
    return best;
}

namespace {

// The index of the first token after a marker of the object (part other than
// the track's) that is not itself a marker; -1 when there is none.
int ObjectPrimitive(const float* buffer, int count, int type, int number) noexcept {
    int found = -1;
    WalkFeedback(
        buffer, count,
        [&](const SkyPickCode& code, int next) {
            if (code.type == type && code.number == number && code.part != kPickPartTrack &&
                next < count && buffer[next] != skygl::kPassThroughToken) {
                found = next;
                return false;
            }
            return true;
        },
        [](float, float) { return true; });
    return found;
}

}  // namespace

bool ObjectInFeedback(const float* buffer, int count, int type, int number) noexcept {
    return ObjectPrimitive(buffer, count, type, number) >= 0;
}

bool ObjectVertexInFeedback(const float* buffer, int count, int type, int number, double& vx,
                            double& vy) noexcept {
    vx = vy = 0.0;
    int i = ObjectPrimitive(buffer, count, type, number);
    if (i < 0) return false;
    // The first vertex of the primitive: after the token (and a polygon's count).
    const int first = buffer[i] == skygl::kPolygonToken ? i + 2 : i + 1;
    if (first + 1 >= count || TokenSize(buffer, count, i) == 0) return false;
    vx = buffer[first];
    vy = buffer[first + 1];
    return true;
}

}  // namespace corvinata
