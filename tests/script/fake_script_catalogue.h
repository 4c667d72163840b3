// A small object model for the script tests: a few bodies of every kind
// with their names and the property lists of the body types (stars and
// deep-sky objects included, which the program's catalogues load from
// data), and a calculator whose answers the test sets.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/text_char.h"
#include "catalog/celestial_object.h"
#include "script/script_catalogue.h"

namespace corvinata::test {

inline constexpr std::uint32_t Bit(int n) { return 1u << n; }

class FakeScriptCatalogue final : public ScriptCatalogue {
public:
    struct Body {
        int type;
        // Names by system; system 0 first. Solar-system bodies have one.
        std::vector<const Char*> names;
    };

    FakeScriptCatalogue() {
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

    std::vector<Body> bodies_;
};

// Answers every property with `answer`, counting the calls and keeping the
// last parameter asked with (a time or coordinate system, a unit).
class FakeCalculator final : public BodyFunctionCalculator {
public:
    std::function<double(const BodyRef&, std::uint32_t, const TimeAndPlace&)> answer =
        [](const BodyRef&, std::uint32_t, const TimeAndPlace&) { return 0.0; };
    int calls = 0;
    int parameter = -1;

    double EvaluateBodyFunction(const BodyRef& body, std::uint32_t id, int asked,
                                const TimeAndPlace& when) override {
        ++calls;
        parameter = asked;
        return answer(body, id, when);
    }
};

}  // namespace corvinata::test
