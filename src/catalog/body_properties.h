// Property evaluation: the one road by which windows, reports, tools and
// scripts get the numbers of a body.
//
// A caller names a body, a time and place, a mask of body-function ids
// (event_kinds.h) and the output conventions: the coordinate system of
// Longitude and Latitude, the time system of event times and the unit of
// distances. The calculator of the body's type computes the raw properties
// in its own frames; EvaluateBodyProperties then brings them into the
// requested conventions. Every computation keeps its state in the caller's
// records, so any number of threads may evaluate at once.
#pragma once

#include <cstdint>

#include "base/distance_value.h"
#include "base/event_time.h"
#include "base/geo_place.h"
#include "catalog/property_map.h"

namespace corvinata {

class CelestialObject;

// The output conventions of a request. The coordinate system kInvalid... and
// the time system kInvalidTimeSystem ask for no conversion: values keep the
// frame and time system in which the calculator made them.
struct PropertyConventions {
    int coordinateSystem = kInvalidCoordinateSystem;
    int timeSystem = kUniversalTime;
    int distanceUnit = kAstronomicalUnits;
};

// A computation of properties: those of `mask` for the body at the moment,
// into `out`, in the conventions. The output can hold more properties than
// were asked for: properties that others are computed from come along
// (Longitude and Latitude with either, Distance from Earth with Angular
// size, ...).
using BodyPropertiesFunction = void(const CelestialObject& body, std::uint32_t mask, const TimeAndPlace& moment,
                                    PropertyMap& out, const PropertyConventions& conventions);

// The properties of a body of any type but "other", by its type's calculator.
BodyPropertiesFunction ComputeBodyProperties;

// Copies the properties of `mask` from a calculator's raw map into `out`,
// converting coordinates, event times and distances into the conventions.
// `moment` is the computation's instant in Universal time.
void EvaluateBodyProperties(std::uint32_t mask, const TimeAndPlace& moment,
                            const PropertyMap& raw, PropertyMap& out,
                            const PropertyConventions& conventions);

// The value of one body function of one body: `parameter` is the time system
// (event times), the coordinate system (Longitude, Latitude) or the distance
// unit (distances) of the answer, -1 for the default (Universal time,
// ecliptical coordinates, astronomical units). The answer is the none value
// of the function's quantity kind when the property has none (a body that
// does not rise that day, a function the body does not have).
double EvaluateBodyFunction(const CelestialObject& body, std::uint32_t functionId,
                            int parameter, const TimeAndPlace& moment);

// The three calculators that the documents, reports and tools also call
// directly; each takes a body of its own type.
BodyPropertiesFunction ComputePlanetProperties;
BodyPropertiesFunction ComputeEarthProperties;
BodyPropertiesFunction ComputeDeepSkyProperties;

}  // namespace corvinata
