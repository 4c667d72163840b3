#include "catalog/dreyer_node.h"

namespace corvinata {

bool DreyerNode::HoldsStarContent() const noexcept {
    return starPosition != -1 || starNear || starVeryNear || starClose || starAttached ||
           starNumber != 0 || starDistanceDegrees != 0.0 || starDistanceMinutes != 0.0 ||
           starDistanceSeconds != 0.0 || starDistanceApproximate || starInvolved;
}

}  // namespace corvinata
