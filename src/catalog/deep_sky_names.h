// The built-in designation tables of deep-sky objects: the Messier and
// Caldwell lists, the Herschel 400 list (generated from its published
// list) and the proper names. Every target is a fixed-width NGC/IC
// designation of the deep-sky catalogue.
#pragma once

#include "catalog/designation_pair.h"

namespace corvinata {

constexpr int kMessierCount = 109;
constexpr int kCaldwellCount = 106;
constexpr int kDeepSkyProperNameCount = 235;

struct DeepSkyProperName {
    const Char* target;  // "NGC 1976"
    const Char* name;    // "Orion Nebula"
};

extern const DesignationPair kMessierTable[kMessierCount];
extern const DesignationPair kCaldwellTable[kCaldwellCount];
extern const DeepSkyProperName kDeepSkyProperNames[kDeepSkyProperNameCount];

}  // namespace corvinata
