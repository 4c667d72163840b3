// What the script compiler and evaluator need of the object model.
//
// The compiler resolves body names and checks body functions once, when a
// text is compiled; the evaluator asks for property values at every point.
// Both go through the two interfaces below, so the language can be tested
// with small fakes and runs over the real catalogues in the program.
#pragma once

#include <cstdint>

#include "base/geo_place.h"
#include "base/text_char.h"

namespace corvinata {

// A body as the script names it: its body type and its number in the
// catalogue of that type.
struct BodyRef {
    int type = -1;
    int number = -1;
};

// Name system argument of ScriptCatalogue::HasName for the key name (the
// first name in the type's key name system, or the only name of a body of
// the solar system).
constexpr int kKeyNameSystem = -1;

class ScriptCatalogue {
public:
    virtual ~ScriptCatalogue() = default;

    // Number of objects in the catalogue of a body type 0..8.
    virtual int ObjectCount(int bodyType) const = 0;
    // Whether the object has `name` among its names in the name system
    // (kKeyNameSystem: its key name). ASCII letters compare without regard
    // to case, every other character exactly.
    virtual bool HasName(int bodyType, int number, int nameSystem, const Char* name) const = 0;
    // The key name of an object, or none.
    virtual const Char* KeyName(int bodyType, int number) const = 0;
    // Whether the property list of the body type holds the body function.
    virtual bool ListsFunction(int bodyType, std::uint32_t functionId) const = 0;
};

// The script's view of the program's own catalogues and body types.
class ObjectModelScriptCatalogue final : public ScriptCatalogue {
public:
    int ObjectCount(int bodyType) const override;
    bool HasName(int bodyType, int number, int nameSystem, const Char* name) const override;
    const Char* KeyName(int bodyType, int number) const override;
    bool ListsFunction(int bodyType, std::uint32_t functionId) const override;
};

// Quantity kind 0..12 of a body function's value; -1 for no function.
int FunctionQuantityKind(std::uint32_t functionId) noexcept;

// The one call by which the evaluator gets a property: the value of one body
// function of one body at a time and place, in the time system, coordinate
// system or distance unit `parameter` (-1 when the function takes none).
// The value is the quantity kind's none value when the property has none
// (a body that does not rise). The property calculators implement it.
class BodyFunctionCalculator {
public:
    virtual ~BodyFunctionCalculator() = default;
    virtual double EvaluateBodyFunction(const BodyRef& body, std::uint32_t functionId,
                                        int parameter, const TimeAndPlace& timeAndPlace) = 0;
};

// The program's property calculators behind the evaluator: a body the
// catalogues do not hold answers the function's none value.
class ObjectModelBodyFunctionCalculator final : public BodyFunctionCalculator {
public:
    double EvaluateBodyFunction(const BodyRef& body, std::uint32_t functionId, int parameter,
                                const TimeAndPlace& timeAndPlace) override;
};

}  // namespace corvinata
