// A small object model for the script tests: a few bodies of every kind
// with their names, the property lists of the body types and the limits of
// the quantity kinds, and a calculator whose answers the test sets.
#pragma once

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "base/text_char.h"
#include "catalog/catalog_services.h"
#include "script/script_catalogue.h"

namespace corvinata::test {

inline constexpr std::uint32_t Bit(int n) { return 1u << n; }

class FakeQuantityKind final : public QuantityKind {
public:
    FakeQuantityKind(double none, double minimum, double maximum)
        : none_(none), minimum_(minimum), maximum_(maximum) {}
    double MissingValue() const override { return none_; }
    int Decimals(double) const override { return 0; }
    double Maximum() const override { return maximum_; }
    double Minimum() const override { return minimum_; }
    bool IsValid(double v) const override { return minimum_ <= v && v <= maximum_; }

private:
    double none_, minimum_, maximum_;
};

class FakeScriptCatalogue final : public ScriptCatalogue {
public:
    struct Body {
        int type;
        // Names by system; system 0 first. Solar-system bodies have one.
        std::vector<const Char*> names;
    };

    FakeScriptCatalogue() {
        constexpr double inf = std::numeric_limits<double>::infinity();
        const double limits[13][3] = {
            {-1, 0, 24},       {-1000, 0, 360}, {-1000, -90, 90},  {-1000, 0, 360},
            {-1000, -90, 90},  {-1000, -180, 180}, {-1, 0, inf},   {9999, -inf, inf},
            {-1, 0, 100},      {-1, 0, 87},     {-1, 0, 11},       {-1000, 0, 360},
            {inf, -inf, inf}};
        for (const auto& l : limits) kinds_.emplace_back(l[0], l[1], l[2]);
        bodies_ = {
            {kBodySun, {TXT("Sun")}},
            {kBodyMoon, {TXT("Moon")}},
            {kBodyEarth, {TXT("Earth")}},
            {kBodyPlanet, {TXT("Mercury")}},
            {kBodyPlanet, {TXT("Venus")}},
            {kBodyPlanet, {TXT("Mars")}},
            {kBodyPlanet, {TXT("Jupiter")}},
            {kBodyPlanet, {TXT("Saturn")}},
            {kBodyJupiterSatellite, {TXT("Io")}},
            {kBodyJupiterSatellite, {TXT("Europa")}},
            {kBodySaturnSatellite, {TXT("Mimas")}},
            {kBodySaturnSatellite, {TXT("Titan")}},
            {kBodyConstellation, {TXT("Andromeda"), TXT("Andromeda")}},
            {kBodyConstellation, {TXT("Ursa Maior"), TXT("Big Dipper")}},
            {kBodyStar, {TXT("Minkar"), TXT("BSC 4630")}},
            {kBodyStar, {TXT("Mars"), TXT("BSC 9999")}},
            {kBodyDeepSky, {TXT("Andromeda Galaxy"), TXT(""), TXT(""), TXT("M031"), TXT("NGC  224")}},
        };
    }

    int ObjectCount(int type) const override {
        int n = 0;
        for (const Body& b : bodies_) n += b.type == type;
        return n;
    }
    bool HasName(int type, int number, int system, const Char* name) const override {
        const Body* body = Find(type, number);
        if (body == nullptr) return false;
        if (system == kKeyNameSystem) system = KeySystem(type);
        if (system < 0 || system >= static_cast<int>(body->names.size())) return false;
        return body->names[system][0] != 0 && TextEqualsNoCase(body->names[system], name);
    }
    const Char* KeyName(int type, int number) const override {
        const Body* body = Find(type, number);
        return body ? body->names[KeySystem(type)] : nullptr;
    }
    bool ListsFunction(int type, std::uint32_t id) const override {
        static const std::uint32_t kLists[] = {
            // Sun
            Bit(6) | Bit(25) | Bit(30) | Bit(22) | Bit(13) | Bit(2) | Bit(9) | Bit(10) | Bit(11) |
                Bit(12) | Bit(16) | Bit(17) | Bit(18) | Bit(19) | Bit(0) | Bit(1) | Bit(5),
            // Moon
            Bit(6) | Bit(25) | Bit(30) | Bit(22) | Bit(13) | Bit(2) | Bit(4) | Bit(9) | Bit(10) |
                Bit(0) | Bit(1) | Bit(14) | Bit(15) | Bit(26) | Bit(20) | Bit(3),
            // Planet
            Bit(6) | Bit(5) | Bit(25) | Bit(30) | Bit(22) | Bit(13) | Bit(2) | Bit(7) | Bit(20) |
                Bit(3) | Bit(4) | Bit(9) | Bit(10) | Bit(0) | Bit(1) | Bit(23) | Bit(24) | Bit(26),
            Bit(7) | Bit(23) | Bit(24),  // Earth
            Bit(30) | Bit(13) | Bit(10) | Bit(9) | Bit(0) | Bit(1) | Bit(5) | Bit(25) | Bit(20) |
                Bit(3),  // Star
            Bit(13) | Bit(9) | Bit(10) | Bit(0) | Bit(1) | Bit(20) | Bit(3),  // Constellation
            Bit(6) | Bit(5) | Bit(25) | Bit(30) | Bit(13) | Bit(9) | Bit(10) | Bit(0) | Bit(1) |
                Bit(20) | Bit(3),  // Deep sky
            Bit(27) | Bit(28) | Bit(29),
            Bit(27) | Bit(28) | Bit(29),
        };
        return type >= 0 && type < 9 && (kLists[type] & id) != 0 && (id & (id - 1)) == 0;
    }
    int FunctionQuantityKind(std::uint32_t id) const override {
        static const int kByBit[32] = {1, 2, 6, 5, 8, 7, 3, 6, -1, 0, 0, 0, 0, 11, 3, 3,
                                       0, 0, 0, 0, 5, -1, 10, 3, 4, 9, 3, 12, 12, 12, 0, -1};
        for (int bit = 0; bit < 32; ++bit) {
            if (id == Bit(bit)) return kByBit[bit];
        }
        return -1;
    }
    const QuantityKind* QuantityKindByIndex(int kind) const override {
        return kind >= 0 && kind < 13 ? &kinds_[kind] : nullptr;
    }

private:
    static int KeySystem(int type) {
        return type == kBodyStar ? 1 : (type == kBodyDeepSky ? 4 : 0);
    }
    const Body* Find(int type, int number) const {
        for (const Body& b : bodies_) {
            if (b.type == type && number-- == 0) return &b;
        }
        return nullptr;
    }

    std::vector<FakeQuantityKind> kinds_;
    std::vector<Body> bodies_;
};

// Answers every property with `answer`, counting the calls.
class FakeCalculator final : public BodyFunctionCalculator {
public:
    std::function<double(const BodyRef&, std::uint32_t, const TimeAndPlace&)> answer =
        [](const BodyRef&, std::uint32_t, const TimeAndPlace&) { return 0.0; };
    int calls = 0;

    double EvaluateBodyFunction(const BodyRef& body, std::uint32_t id, int,
                                const TimeAndPlace& when) override {
        ++calls;
        return answer(body, id, when);
    }
};

}  // namespace corvinata::test
