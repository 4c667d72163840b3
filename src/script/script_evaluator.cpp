#include "script/script_evaluator.h"

#include <cmath>

#include "astro/coordinates.h"
#include "astro/spherical_trig.h"
#include "base/angle_reduction.h"
#include "catalog/event_kinds.h"
#include "catalog/quantity_kinds.h"
#include "script/compiler_context.h"

namespace corvinata {
namespace {

constexpr int kQuantityOfResult[kResultKindCount] = {3, 4, 5, 7, 8, 9, 10, 11, 12, 0, 6, 1, 2};
// Recursion allowed while walking code: the compiler nests no deeper.
constexpr int kMaxEvaluationDepth = 4 * kMaxExpressionDepth;

// A point given with a latitude beyond a pole is where the arc continues
// over the pole: latitude 100 is latitude 80 on the far meridian. Latitudes
// within -90..90 stay as they are (the south pole is not the north pole).
SkyCoordinates PointOverThePole(double longitude, double latitude) noexcept {
    double lat = latitude - 360.0 * std::floor((latitude + 180.0) / 360.0);
    if (lat > 90.0) {
        lat = 180.0 - lat;
        longitude += 180.0;
    } else if (lat < -90.0) {
        lat = -180.0 - lat;
        longitude += 180.0;
    }
    return {ReduceDegrees(longitude), lat, 0};
}

class DepthCount {
public:
    explicit DepthCount(int& depth) noexcept : depth_(depth) { ++depth_; }
    ~DepthCount() { --depth_; }
    DepthCount(const DepthCount&) = delete;
    DepthCount& operator=(const DepthCount&) = delete;

private:
    int& depth_;
};

}  // namespace

int QuantityKindOfResult(int resultKind) noexcept {
    return resultKind >= 0 && resultKind < kResultKindCount ? kQuantityOfResult[resultKind] : 12;
}

int ResultKindOfQuantity(int quantityKind) noexcept {
    for (int kind = 0; kind < kResultKindCount; ++kind) {
        if (kQuantityOfResult[kind] == quantityKind) return kind;
    }
    return kResultScalar;
}

double ExpressionResultValue(const ExpressionResult& result) noexcept {
    if (result.valid) return result.value;
    // Whatever number an invalid result holds (a default one holds 0), its
    // value is the none value of its kind: a graph leaves a gap there.
    const QuantityKind* quantity = QuantityKindByIndex(QuantityKindOfResult(result.kind));
    return quantity ? quantity->GetNoneValue() : kPlusInfinity;
}

ExpressionEvaluator::ExpressionEvaluator(const ScriptCode& code, EvaluationInputs& inputs) noexcept
    : reader_(code.data(), code.data() + code.size()), inputs_(inputs) {}

ExpressionResult ExpressionEvaluator::Invalid(int kind, int parameter) const {
    ExpressionResult result;
    result.kind = kind;
    result.parameter = parameter;
    const QuantityKind* quantity = QuantityKindByIndex(QuantityKindOfResult(kind));
    result.value = quantity ? quantity->GetNoneValue() : kPlusInfinity;
    return result;
}

ExpressionResult ExpressionEvaluator::Make(int kind, int parameter, double value) const {
    const QuantityKind* quantity = QuantityKindByIndex(QuantityKindOfResult(kind));
    // A property equal to its kind's none value has no value, even where the
    // kind's range test would pass it (magnitude 9999, an infinite scalar).
    const bool valid = quantity != nullptr && quantity->InRange(value) &&
                       value != quantity->GetNoneValue();
    if (!valid) return Invalid(kind, parameter);
    ExpressionResult result;
    result.valid = true;
    result.kind = kind;
    result.value = value;
    result.parameter = parameter;
    return result;
}

bool ExpressionEvaluator::Expect(CodeWord word) {
    if (!reader_.Accept(word)) Damage();
    return !damaged_;
}

bool ExpressionEvaluator::EvaluateNumeric(ExpressionResult& result) {
    result = Expression();
    if (!reader_.AtEnd()) Damage();
    if (damaged_) result = Invalid(result.kind);
    return !damaged_;
}

bool ExpressionEvaluator::EvaluateCondition(bool& truth) {
    truth = Or();
    if (!reader_.AtEnd()) Damage();
    if (damaged_) truth = false;
    return !damaged_;
}

ExpressionResult ExpressionEvaluator::Expression() {
    ExpressionResult left = Term();
    CodeWord op = 0;
    while (!damaged_ && reader_.Peek(op) && (op == kWordPlus || op == kWordMinus)) {
        reader_.Read(op);
        const ExpressionResult right = Term();
        if (!left.valid || !right.valid) {
            left = Invalid(kResultScalar);
        } else {
            left = Make(kResultScalar, -1,
                        op == kWordPlus ? left.value + right.value : left.value - right.value);
        }
    }
    return left;
}

ExpressionResult ExpressionEvaluator::Term() {
    ExpressionResult left = Factor();
    CodeWord op = 0;
    while (!damaged_ && reader_.Peek(op) && (op == kWordTimes || op == kWordDivide)) {
        reader_.Read(op);
        const ExpressionResult right = Factor();
        if (!left.valid || !right.valid ||
            (op == kWordDivide && (right.value == 0.0 || std::isnan(right.value)))) {
            left = Invalid(kResultScalar);
        } else {
            left = Make(kResultScalar, -1,
                        op == kWordTimes ? left.value * right.value : left.value / right.value);
        }
    }
    return left;
}

ExpressionResult ExpressionEvaluator::Factor() {
    DepthCount count(depth_);
    CodeWord word = 0;
    if (depth_ > kMaxEvaluationDepth || !reader_.Read(word)) {
        Damage();
        return Invalid(kResultScalar);
    }
    int parameter = -1;
    switch (word) {
        case kWordOpen: {
            const ExpressionResult inner = Expression();
            Expect(kWordClose);
            return inner;
        }
        case kWordTime:
        case kWordDistance: {
            const ExpressionResult inner = Expression();
            reader_.ReadInt(parameter);
            const int kind = word == kWordTime ? kResultTime : kResultDistance;
            return inner.valid ? Make(kind, parameter, inner.value) : Invalid(kind, parameter);
        }
        case kWordLonLat: {
            int isLongitude = 0;
            reader_.ReadInt(isLongitude);
            const ExpressionResult inner = Expression();
            reader_.ReadInt(parameter);
            const int kind = isLongitude ? kResultLongitude : kResultLatitude;
            return inner.valid ? Make(kind, parameter, inner.value) : Invalid(kind, parameter);
        }
        case kWordCast: {
            const ExpressionResult inner = Expression();
            int kind = kResultScalar;
            if (!reader_.ReadInt(kind) || kind < 0 || kind > kResultScalar) {
                Damage();
                return Invalid(kResultScalar);
            }
            return inner.valid ? Make(kind, -1, inner.value) : Invalid(kind);
        }
        case kWordNumber: {
            double value = 0.0;
            if (!reader_.ReadDouble(value)) Damage();
            return Make(kResultScalar, -1, value);
        }
        case kWordAbs: {
            Expect(kWordOpen);
            const ExpressionResult inner = Expression();
            Expect(kWordClose);
            return inner.valid ? Make(kResultScalar, -1, std::fabs(inner.value))
                               : Invalid(kResultScalar);
        }
        case kWordAngleDiff:
        case kWordAngleDiff360:
        case kWordAngleSum: {
            Expect(kWordOpen);
            const ExpressionResult a = Expression();
            const ExpressionResult b = Expression();
            Expect(kWordClose);
            if (!a.valid || !b.valid) return Invalid(kResultAngle360);
            const double x = ReduceDegrees(a.value);
            const double y = ReduceDegrees(b.value);
            double angle = 0.0;
            if (word == kWordAngleDiff) {
                angle = std::fabs(x - y);
                if (angle > 180.0) angle = 360.0 - angle;
            } else if (word == kWordAngleDiff360) {
                angle = x - y;
                if (angle < 0.0) angle += 360.0;
            } else {
                angle = x + y;
                if (angle >= 360.0) angle -= 360.0;
            }
            return Make(kResultAngle360, -1, angle);
        }
        case kWordAngleDist: {
            Expect(kWordOpen);
            ExpressionResult parts[4];
            for (ExpressionResult& part : parts) part = Expression();
            Expect(kWordClose);
            for (const ExpressionResult& part : parts) {
                if (!part.valid) return Invalid(kResultAngle360);
            }
            const SkyCoordinates p = PointOverThePole(parts[0].value, parts[1].value);
            const SkyCoordinates q = PointOverThePole(parts[2].value, parts[3].value);
            return Make(kResultAngle360, -1, AngularDistance(p, q));
        }
        case kWordBodyFunction:
            return BodyFunction();
        default:
            Damage();
            return Invalid(kResultScalar);
    }
}

ExpressionResult ExpressionEvaluator::BodyFunction() {
    BodyRef body;
    CodeWord id = 0;
    int parameter = -1;
    if (!reader_.ReadInt(body.type) || !reader_.ReadInt(body.number) || !reader_.Read(id) ||
        !reader_.ReadInt(parameter)) {
        Damage();
        return Invalid(kResultScalar);
    }
    const int quantityKind = FunctionQuantityKind(id);
    const int kind = ResultKindOfQuantity(quantityKind);
    const TimeAndPlace& when = inputs_.timeAndPlace;
    const double value = inputs_.calculator.EvaluateBodyFunction(body, id, parameter, when);
    if (id == kFunctionRise || id == kFunctionSet || id == kFunctionCulmination) {
        DateTime& event = inputs_.lastEvent;
        event.year = when.dateTime.year;
        event.month = when.dateTime.month;
        event.day = when.dateTime.day;
        event.hours = value;
        event.timeSystem = parameter;
    }
    return Make(kind, parameter, value);
}

bool ExpressionEvaluator::Or() {
    bool truth = And();
    CodeWord op = 0;
    while (!damaged_ && reader_.Peek(op) && op == kWordOr) {
        reader_.Read(op);
        const bool next = And();  // every operand is evaluated
        truth = truth || next;
    }
    return truth;
}

bool ExpressionEvaluator::And() {
    bool truth = BooleanFactor();
    CodeWord op = 0;
    while (!damaged_ && reader_.Peek(op) && op == kWordAnd) {
        reader_.Read(op);
        const bool next = BooleanFactor();  // every operand is evaluated
        truth = truth && next;
    }
    return truth;
}

bool ExpressionEvaluator::BooleanFactor() {
    DepthCount count(depth_);
    CodeWord word = 0;
    if (depth_ > kMaxEvaluationDepth || !reader_.Peek(word)) {
        Damage();
        return false;
    }
    switch (word) {
        case kWordTrue:
        case kWordFalse:
            reader_.Read(word);
            return word == kWordTrue;
        case kWordNot: {
            reader_.Read(word);
            Expect(kWordOpen);
            const bool inner = Or();
            Expect(kWordClose);
            return !inner;
        }
        case kWordIsValid:
            reader_.Read(word);
            return Expression().valid;
        case kWordOpen: {
            reader_.Read(word);
            const bool inner = Or();
            Expect(kWordClose);
            return inner;
        }
        default:
            return Comparison();
    }
}

bool ExpressionEvaluator::Comparison() {
    const ExpressionResult left = Expression();
    CodeWord op = 0;
    if (!reader_.Read(op)) {
        Damage();
        return false;
    }
    const ExpressionResult right = Expression();
    const bool valid = left.valid && right.valid;
    switch (op) {
        case kWordGreater: return valid && left.value > right.value;
        case kWordGreaterEqual: return valid && left.value >= right.value;
        case kWordLess: return valid && left.value < right.value;
        case kWordLessEqual: return valid && left.value <= right.value;
        case kWordCrossesUp:
        case kWordCrossesDown: {
            const std::size_t slot = static_cast<std::size_t>(comparisons_++);
            if (slot >= inputs_.crossingLength || inputs_.crossingMemory == nullptr) {
                Damage();  // the caller's memory is shorter than the search needs
                return false;
            }
            std::uint8_t& memory = inputs_.crossingMemory[slot];
            if (!valid) {
                memory = 0;
                return false;
            }
            const bool before = op == kWordCrossesUp ? left.value < right.value
                                                     : left.value > right.value;
            if (before) {
                memory = 1;
                return false;
            }
            const bool crossed = memory != 0;
            memory = 0;
            return crossed;
        }
        default:
            Damage();
            return false;
    }
}

}  // namespace corvinata
