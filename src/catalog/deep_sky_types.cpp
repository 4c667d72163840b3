#include "catalog/deep_sky_types.h"

namespace corvinata {

namespace {

// The description of code 7 keeps the double blanks it has always shown.
constexpr DeepSkyType kTypes[kDeepSkyTypeCount] = {
    {kGalaxy, TXT("Galaxy"), TXT("Gx")},
    {kOpenCluster, TXT("Open star cluster"), TXT("OC")},
    {kGlobularCluster, TXT("Globular star cluster, usually in the Milky Way Galaxy"), TXT("Gb")},
    {kBrightNebula, TXT("Bright emission or reflection nebula"), TXT("Nb")},
    {kPlanetaryNebula, TXT("Planetary nebula"), TXT("Pl")},
    {kClusterWithNebulosity, TXT("Cluster associated with nebulosity"), TXT("C+N")},
    {kAsterism, TXT("Asterism or group of a few stars"), TXT("Ast")},
    {kKnot, TXT("Knot  or  nebulous  region  in  an  external galaxy"), TXT("Kt")},
    {kTripleStar, TXT("Triple star"), TXT("***")},
    {kDoubleStar, TXT("Double star"), TXT("D*")},
    // 10
    {kSingleStar, TXT("Single star"), TXT("*")},
    {kUncertainType, TXT("Uncertain type or may not exist"), TXT("?")},
    {kUnidentified, TXT("Unidentified at the place given, or type unknown"), TXT("")},
    {kNonexistent, TXT("Object called nonexistent in the RNGC (Sulentic and Tifft 1973)"), TXT("-")},
    {kPlateDefect, TXT("Photographic plate defect"), TXT("PD")},
    {kDoubleStarDoubtful, TXT("Double star (?)"), TXT("D*?")},
    {kStarDoubtful, TXT("Star (?)"), TXT("*?")},
};

}  // namespace

const DeepSkyType* DeepSkyTypeNames() noexcept { return kTypes; }

DeepSkyType DeepSkyTypeAt(int code) noexcept {
    if (code < 0 || code >= kDeepSkyTypeCount) return {-1, TXT(""), TXT("")};
    return kTypes[code];
}

}  // namespace corvinata
