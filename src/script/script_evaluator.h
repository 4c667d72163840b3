// Evaluation of compiled numeric and search expressions for one time and
// place. The evaluator walks the words with the grammar that emitted them.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/date_time.h"
#include "base/geo_place.h"
#include "script/script_catalogue.h"
#include "script/script_code.h"

namespace corvinata {

// What an expression result is: the script's result kinds.
enum ResultKind : int {
    kResultAngle360 = 0,
    kResultAngle90 = 1,
    kResultAngle180 = 2,
    kResultMag = 3,
    kResultPhase = 4,
    kResultConstellation = 5,
    kResultZodiac = 6,
    kResultDirection = 7,
    kResultScalar = 8,
    kResultTime = 9,
    kResultDistance = 10,
    kResultLongitude = 11,
    kResultLatitude = 12,
};
constexpr int kResultKindCount = 13;

// The quantity kind of a result kind, and back (Scalar for a quantity kind
// without a result kind).
int QuantityKindOfResult(int resultKind) noexcept;
int ResultKindOfQuantity(int quantityKind) noexcept;

struct ExpressionResult {
    bool valid = false;
    int kind = kResultScalar;
    // An invalid result holds its quantity kind's none value.
    double value = 0.0;
    // Time system, distance unit or coordinate system; -1 when none.
    int parameter = -1;
};

// The value of a result; for an invalid one the none value of its kind.
double ExpressionResultValue(const ExpressionResult& result) noexcept;

// What one evaluation reads and changes besides the code.
struct EvaluationInputs {
    const ScriptCatalogue& catalogue;
    BodyFunctionCalculator& calculator;
    const TimeAndPlace& timeAndPlace;
    // Rise, set and culmination leave their date and time here.
    DateTime& lastEvent;
    // The crossing operators' memory, kept by the caller between steps;
    // each crossing operator of an evaluation takes the next byte.
    std::uint8_t* crossingMemory = nullptr;
    std::size_t crossingLength = 0;
};

class ExpressionEvaluator {
public:
    ExpressionEvaluator(const ScriptCode& code, EvaluationInputs& inputs) noexcept;

    // False when the code is damaged or a crossing operator finds no slot
    // left in the memory; the result is then invalid.
    bool EvaluateNumeric(ExpressionResult& result);
    bool EvaluateCondition(bool& truth);

    // Crossing operators evaluated so far.
    int ComparisonCount() const noexcept { return comparisons_; }

private:
    ExpressionResult Expression();
    ExpressionResult Term();
    ExpressionResult Factor();
    ExpressionResult BodyFunction();
    ExpressionResult Make(int kind, int parameter, double value) const;
    ExpressionResult Invalid(int kind, int parameter = -1) const;
    bool Expect(CodeWord word);
    bool Or();
    bool And();
    bool BooleanFactor();
    bool Comparison();
    void Damage() noexcept { damaged_ = true; }

    CodeReader reader_;
    EvaluationInputs& inputs_;
    int comparisons_ = 0;
    int depth_ = 0;
    bool damaged_ = false;
};

}  // namespace corvinata
