// What every body evaluated at one instant needs from the instant alone: the
// nutation, the Earth's place, the planets as the Earth sees them, the places
// of the satellite systems.
//
// An event search, a graph or a report evaluates a dozen bodies at each
// instant, and each body used to compute these again. Within an
// InstantSharing scope each is computed once per instant on that thread and
// handed to every evaluation that asks for it again; outside a scope every
// call computes afresh. Either way the values are the same to the bit: a
// shared function returns exactly what the computation it stands for
// returns.
//
// A scope belongs to the thread that opens it, so that the Event Finder's
// and the Event Forecast's workers and the user-interface thread never
// share one. Scopes nest; the outermost one holds the values. Nothing a
// scope holds may depend on more than its key: the catalogues and theories
// are constant while it is open.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "astro/planet_series.h"
#include "astro/planet_sight.h"

namespace corvinata {

// A Julian day as a key: its bits.
inline std::uint64_t InstantKeyHash(double jd) noexcept {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &jd, sizeof bits);
    return bits;
}

// Values by key in a fixed number of slots: a key's slot is found by
// hashing it (InstantKeyHash, found by argument-dependent lookup for keys
// other than a Julian day), and a key that finds its slot taken by another
// replaces it.
template <typename Key, typename Value, int kSlotBits>
class SharedTable {
public:
    using KeyType = Key;
    using ValueType = Value;

    template <typename Compute>
    Value Get(const Key& key, const Compute& compute) {
        Slot& slot = slots_[SlotOf(key)];
        if (!slot.filled || !(slot.key == key)) {
            slot.value = compute();
            slot.key = key;
            slot.filled = true;
        }
        return slot.value;
    }

private:
    struct Slot {
        bool filled = false;
        Key key{};
        Value value{};
    };

    static std::size_t SlotOf(const Key& key) noexcept {
        // Fibonacci hashing: the top bits of the product mix every bit of the
        // key, also the low ones in which nearby instants differ.
        return static_cast<std::size_t>((InstantKeyHash(key) * 0x9E3779B97F4A7C15ull) >>
                                        (64 - kSlotBits));
    }

    Slot slots_[std::size_t{1} << kSlotBits];
};

// What one scope holds: one section of each type asked for, made when it is
// first asked for (a search of the Moon's phases needs no satellites).
class InstantMemo {
public:
    template <typename Section>
    Section& Get() {
        const void* tag = &Tag<Section>::kTag;
        for (const Entry& entry : sections_) {
            if (entry.tag == tag) return static_cast<Holder<Section>&>(*entry.holder).section;
        }
        auto holder = std::make_unique<Holder<Section>>();
        Section& section = holder->section;
        sections_.push_back({tag, std::move(holder)});
        return section;
    }

private:
    template <typename Section>
    struct Tag {
        static constexpr char kTag = 0;  // its address names the type
    };
    struct HolderBase {
        virtual ~HolderBase() = default;
    };
    template <typename Section>
    struct Holder final : HolderBase {
        Section section;
    };
    struct Entry {
        const void* tag;
        std::unique_ptr<HolderBase> holder;
    };
    std::vector<Entry> sections_;
};

class InstantSharing {
public:
    InstantSharing();
    ~InstantSharing();
    InstantSharing(const InstantSharing&) = delete;
    InstantSharing& operator=(const InstantSharing&) = delete;

    // The calling thread's open scope's memo; null without a scope.
    static InstantMemo* Active() noexcept;

private:
    std::unique_ptr<InstantMemo> memo_;  // null in a nested scope
};

// compute() for `key`, through the table of type Table (a SharedTable, or a
// type derived from one to tell two quantities of one type apart) when a
// scope is open.
template <typename Table, typename Compute>
typename Table::ValueType SharedValue(const typename Table::KeyType& key,
                                      const Compute& compute) {
    InstantMemo* memo = InstantSharing::Active();
    return memo != nullptr ? memo->Get<Table>().Get(key, compute) : compute();
}

// ComputeNutation at a Julian day: nutation in longitude and in obliquity,
// degrees.
struct NutationAngles {
    double dpsi;
    double deps;
};
NutationAngles SharedNutation(double jd);

// EarthHeliocentric at a Julian day (dynamical time), and the geometric Sun
// seen from that place (SunSeenFromEarth).
HeliocentricPlace SharedEarth(double jd);
GeocentricSun SharedGeometricSun(double jd);

// Planet `index` (0..7) at a Julian day: PlanetHeliocentricAt(index, jd,
// jd), and SeePlanetFromEarth from that place (`now`) and the geometric Sun
// at jd, which the caller has at hand.
HeliocentricPlace SharedPlanetHeliocentric(int index, double jd);
PlanetSight SharedPlanetSight(int index, double jd, const HeliocentricPlace& now,
                              const GeocentricSun& sun);

// ComputeJupiterSatellites and ComputeSaturnSatellites at a Julian day,
// without the angles; Saturn's outputs that the theory leaves unset are
// -99.
using JupiterSatellitePositions = std::array<double, 15>;
using SaturnSatellitePositions = std::array<double, 27>;
JupiterSatellitePositions SharedJupiterSatellites(double jd);
SaturnSatellitePositions SharedSaturnSatellites(double jd);

}  // namespace corvinata
