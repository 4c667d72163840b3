// The parse tree of a Dreyer NGC/IC description.
//
// One node per description and per nested sub-description (the stars of an
// "among" or "between" clause, a star beside the object, a doubtful class).
// Keyword fields hold a DreyerKeyword identifier or -1; degree fields hold
// the degree abbreviation as written ("v", "pm", "vl"), empty for none;
// magnitudes are 9999.0 when absent. A node owns its children: copying
// copies the whole subtree.
#pragma once

#include <cstdint>
#include <memory>
#include <utility>

#include "base/wide_string.h"

namespace corvinata {

constexpr double kNoDreyerMagnitude = 9999.0;
constexpr double kNoPositionAngle = -1.0;

// An owning pointer that copies what it points at: a node's children belong
// to it alone, so copying a node copies them.
template <class T>
class CopiedPtr {
public:
    CopiedPtr() noexcept = default;
    explicit CopiedPtr(std::unique_ptr<T> owned) noexcept : owned_(std::move(owned)) {}
    CopiedPtr(const CopiedPtr& other) : owned_(other ? std::make_unique<T>(*other) : nullptr) {}
    CopiedPtr(CopiedPtr&&) noexcept = default;
    CopiedPtr& operator=(const CopiedPtr& other) {
        if (this != &other) owned_ = other ? std::make_unique<T>(*other) : nullptr;
        return *this;
    }
    CopiedPtr& operator=(CopiedPtr&&) noexcept = default;
    ~CopiedPtr() = default;

    explicit operator bool() const noexcept { return owned_ != nullptr; }
    T& operator*() const noexcept { return *owned_; }
    T* operator->() const noexcept { return owned_.get(); }
    T* get() const noexcept { return owned_.get(); }

private:
    std::unique_ptr<T> owned_;
};

struct DreyerNode {

    std::int32_t amongCount = 0;
    CopiedPtr<DreyerNode> amongStars;
    std::int32_t betweenCount = 0;
    CopiedPtr<DreyerNode> betweenStars;
    bool bright = false;
    bool faint = false;
    String brightnessDegree;
    std::int32_t brightMiddle = -1;
    std::int32_t compressedMiddle = -1;
    bool cometary = false;
    bool compressed = false;
    String compressedDegree;
    bool difficult = false;
    String difficultDegree;
    bool diffused = false;
    String diffusedDegree;
    std::int32_t existence = -1;
    bool existenceDoubtful = false;
    std::int32_t elongation = -1;
    std::int32_t elongationDirection = -1;
    double extentDegrees = 0.0;
    double extentMinutes = 0.0;
    double extentSeconds = 0.0;
    bool extentApproximate = false;  // of the extent or the position angle
    // Position angle of the elongation in degrees (Dreyer's "E 160deg");
    // kNoPositionAngle when none is given.
    double positionAngle = kNoPositionAngle;
    bool irregularlyExtended = false;
    String identicalTo;
    bool inLargeMagellanicCloud = false;
    bool irregularFigure = false;
    String irregularFigureDegree;
    // One or two angular sizes after a leading number ("30"-40'").
    double sizeDegrees = 0.0;
    double sizeMinutes = 0.0;
    double sizeSeconds = 0.0;
    double sizeToDegrees = 0.0;
    double sizeToMinutes = 0.0;
    double sizeToSeconds = 0.0;
    double magnitude = kNoDreyerMagnitude;
    bool nebulous = false;
    bool nebulousDoubtful = false;
    bool noDescription = false;
    bool nucleus = false;
    double nucleusMagnitude = kNoDreyerMagnitude;
    bool stellarNucleus = false;
    bool almostStellarNucleus = false;
    bool roundNucleus = false;
    bool almostRoundNucleus = false;
    std::int32_t nucleusCount = 0;
    bool nucleusCountDoubtful = false;
    std::int32_t objectClass = -1;
    bool doubleObject = false;
    CopiedPtr<DreyerNode> possibleClass;
    std::int32_t remarkable = -1;
    std::int32_t resolvability = -1;
    bool resolvabilityDoubtful = false;
    bool richInStars = false;
    bool poorInStars = false;
    String richnessDegree;
    bool round = false;
    bool almostRound = false;
    String roundDegree;
    bool irregularlyRound = false;
    std::int32_t ordinal = 0;
    std::int32_t ordinalPosition = -1;
    std::int32_t ordinalOfCount = 0;
    bool ordinalOfSeveral = false;
    bool ordinalOfDoubleNebula = false;
    bool small = false;
    bool large = false;
    String sizeDegree;
    bool spiral = false;
    bool spiralDoubtful = false;
    std::int32_t starCount = 0;
    double starClauseMagnitude = kNoDreyerMagnitude;
    double starClauseMagnitudeTo = kNoDreyerMagnitude;
    bool stars = false;
    bool starsNear = false;
    bool starsInvolved = false;
    bool starsScattered = false;
    double starMagnitude = kNoDreyerMagnitude;
    double starMagnitudeTo = kNoDreyerMagnitude;
    bool starsAndFainter = false;
    CopiedPtr<DreyerNode> starsDescription;
    bool stellar = false;
    bool almostStellar = false;
    // From here on the fields describe a star clause; they are not rendered.
    std::int32_t starPosition = -1;
    bool starNear = false;
    bool starVeryNear = false;
    bool starClose = false;
    bool starAttached = false;
    std::int32_t starNumber = 0;
    double starDistanceDegrees = 0.0;
    double starDistanceMinutes = 0.0;
    double starDistanceSeconds = 0.0;
    bool starDistanceApproximate = false;
    bool starInvolved = false;
    CopiedPtr<DreyerNode> starClause;
    bool starClauseDoubtful = false;
    bool starAround = false;

    // Whether a star clause says anything beyond its marks: a position, a
    // nearness, a number, a distance or "inv".
    bool HoldsStarContent() const noexcept;
};

}  // namespace corvinata
