// Numeric and search evaluation over the fake object model.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "base/event_time.h"
#include "catalog/body_properties.h"
#include "catalog/catalogue_registry.h"
#include "catalog/event_kinds.h"
#include "fake_script_catalogue.h"
#include "script/expression_rules.h"
#include "script/script_expression.h"
#include "support/catalogues.h"
#include "support/date_records.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Bit;
using test::Wide;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

class Evaluation : public testing::Test {
protected:
    ExpressionResult Evaluate(const char* text) {
        ScriptExpression script(Wide(text).c_str());
        ExpressionResult result;
        EXPECT_TRUE(EvaluateScriptExpression(script, catalogue, calculator, when, result)) << text;
        return result;
    }

    // Truths of a condition for successive answers of the calculator.
    std::vector<bool> Search(const char* text, const std::vector<double>& answers) {
        ScriptExpression script(Wide(text).c_str());
        int kind = 0;
        EXPECT_TRUE(CompileSearchExpression(kind, script, catalogue)) << text;
        std::vector<std::uint8_t> memory(static_cast<std::size_t>(script.crossingSlots), 0);
        std::vector<bool> truths;
        for (const double answer : answers) {
            calculator.answer = [answer](const BodyRef&, std::uint32_t, const TimeAndPlace&) {
                return answer;
            };
            bool truth = false;
            EXPECT_TRUE(EvaluateSearchExpression(script, catalogue, calculator, when,
                                                 memory.data(), memory.size(), truth));
            truths.push_back(truth);
        }
        return truths;
    }

    test::FakeScriptCatalogue catalogue;
    test::FakeCalculator calculator;
    TimeAndPlace when;
};

struct ValueCase {
    const char* text;
    bool valid;
    double value;  // for an invalid result: the none value of its kind
    int kind;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.text; }

class NumericValue : public Evaluation, public testing::WithParamInterface<ValueCase> {};

TEST_P(NumericValue, HasItsKindAndValue) {
    const ValueCase& c = GetParam();
    const ExpressionResult result = Evaluate(c.text);
    EXPECT_EQ(result.valid, c.valid);
    EXPECT_EQ(result.kind, c.kind);
    if (std::isinf(c.value)) {
        EXPECT_EQ(ExpressionResultValue(result), c.value);
    } else {
        EXPECT_NEAR(ExpressionResultValue(result), c.value, 1e-9);
    }
}

const ValueCase kValues[] = {
    {"1 + 2 * 3", true, 7, kResultScalar},
    {"(1 + 2) * 3", true, 9, kResultScalar},
    {"8 / 2 / 2", true, 2, kResultScalar},
    {"5 - 2 - 1", true, 2, kResultScalar},
    {"1/0", false, kInfinity, kResultScalar},
    {"1e308 * 10", false, kInfinity, kResultScalar},
    {"abs(-3)", true, 3, kResultScalar},
    {"anglediff(350, 10)", true, 20, kResultAngle360},
    {"anglediff360(10, 350)", true, 20, kResultAngle360},
    {"anglesum(350, 20)", true, 10, kResultAngle360},
    {"anglediff(-10, 370)", true, 20, kResultAngle360},
    {"angledist(0, 0, 90, 0)", true, 90, kResultAngle360},
    // Beyond a pole the arc goes on over it; the poles stay apart.
    {"angledist(0, 100, 0, 80)", true, 20, kResultAngle360},
    {"angledist(10, 95, 190, 85)", true, 0, kResultAngle360},
    {"angledist(0, -90, 0, 90)", true, 180, kResultAngle360},
    {"angledist(0, -100, 180, -80)", true, 0, kResultAngle360},
    {"Angle90(200)", false, -1000, kResultAngle90},
    {"Mag(9999)", false, 9999, kResultMag},
    {"Phase(50)", true, 50, kResultPhase},
    {"time(25, ut)", false, -1, kResultTime},
    {"distance(2, au)", true, 2, kResultDistance},
    {"lat(-91, equ)", false, -1000, kResultLatitude},
    {"Scalar(Angle90(200))", false, kInfinity, kResultScalar},
};
INSTANTIATE_TEST_SUITE_P(Operations, NumericValue, testing::ValuesIn(kValues));

// An invalid result answers its kind's none value whatever number it holds.
TEST(ResultValue, InvalidResultAnswersItsKindsNoneValue) {
    ExpressionResult scalar;
    EXPECT_EQ(ExpressionResultValue(scalar), kInfinity);
    ExpressionResult latitude;
    latitude.kind = kResultAngle90;
    latitude.value = 12.0;
    EXPECT_EQ(ExpressionResultValue(latitude), -1000.0);
    latitude.valid = true;
    EXPECT_EQ(ExpressionResultValue(latitude), 12.0);
}

TEST_F(Evaluation, BodyFunctionIsAskedWithItsBodyAndParameter) {
    BodyRef asked;
    calculator.answer = [&](const BodyRef& body, std::uint32_t id, const TimeAndPlace&) {
        asked = body;
        return id == Bit(0) ? 123.5 : -1.0;
    };
    const ExpressionResult result = Evaluate("Jupiter.Lon(ecl)");
    EXPECT_TRUE(result.valid);
    EXPECT_EQ(result.kind, kResultLongitude);
    EXPECT_EQ(result.parameter, 1);
    EXPECT_EQ(calculator.parameter, 1) << "the calculator was asked in another system";
    EXPECT_EQ(result.value, 123.5);
    EXPECT_EQ(asked.type, kBodyPlanet);
    EXPECT_EQ(asked.number, 3);
}

// The none value of the magnitude kind passes its range test; it is still
// no value.
TEST_F(Evaluation, PropertyEqualToNoneValueIsInvalid) {
    calculator.answer = [](const BodyRef&, std::uint32_t, const TimeAndPlace&) { return 9999.0; };
    EXPECT_FALSE(Evaluate("Sun.Mag()").valid);
}

TEST_F(Evaluation, RiseRecordsTheLastEvent) {
    when.dateTime.year = 2004;
    when.dateTime.month = 6;
    when.dateTime.day = 8;
    calculator.answer = [](const BodyRef&, std::uint32_t, const TimeAndPlace&) { return 5.25; };
    ScriptExpression script(TXT("Moon.Rise(lct)"));
    ExpressionResult result;
    ASSERT_TRUE(EvaluateScriptExpression(script, catalogue, calculator, when, result));
    EXPECT_EQ(result.kind, kResultTime);
    EXPECT_EQ(script.lastEvent.year, 2004);
    EXPECT_EQ(script.lastEvent.day, 8);
    EXPECT_EQ(script.lastEvent.hours, 5.25);
    EXPECT_EQ(script.lastEvent.timeSystem, 2);
}

TEST_F(Evaluation, CrossingUpwardIsReportedAtTheFirstStepBeyond) {
    EXPECT_EQ(Search("Moon.Lat(ecl) >>= 0", {-1, 1, 2}), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Search("Moon.Lat(ecl) <<= 0", {1, -1, -2}), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(Search("Moon.Lat(ecl) >>= 0", {1, 2}), (std::vector<bool>{false, false}));
}

TEST_F(Evaluation, ComparisonsOfInvalidValuesAreFalse) {
    EXPECT_EQ(Search("Sun.Mag() < 100", {9999, 1}), (std::vector<bool>{false, true}));
    EXPECT_EQ(Search("IsValid(Sun.Rise(ut))", {-1, 6}), (std::vector<bool>{false, true}));
    EXPECT_EQ(Search("not(Sun.Mag() > 0) or false", {-1, 1}), (std::vector<bool>{true, false}));
}

// "and" and "or" evaluate every operand: the calculator sees each call.
TEST_F(Evaluation, BooleanOperatorsEvaluateEveryOperand) {
    Search("false and Sun.Mag() > 0 and Moon.Lat(ecl) > 0", {1});
    EXPECT_EQ(calculator.calls, 2);
    Search("true or Sun.Mag() > 0", {1});
    EXPECT_EQ(calculator.calls, 3);
    // A crossing behind a false operand still remembers the side it saw.
    ScriptExpression crossing(TXT("false and Sun.Mag() >>= 0"));
    int kind = 0;
    ASSERT_TRUE(CompileSearchExpression(kind, crossing, catalogue));
    calculator.answer = [](const BodyRef&, std::uint32_t, const TimeAndPlace&) { return -1.0; };
    std::uint8_t memory[1] = {0};
    bool truth = true;
    ASSERT_TRUE(EvaluateSearchExpression(crossing, catalogue, calculator, when, memory, 1, truth));
    EXPECT_FALSE(truth);
    EXPECT_EQ(memory[0], 1);
}

TEST_F(Evaluation, SearchKindsOfMinMaxAndConditions) {
    const struct {
        const char* text;
        int kind;
    } cases[] = {{"min(Moon.Lat(ecl))", kSearchMin},
                 {"max(Moon.Lat(ecl))", kSearchMax},
                 {"Minkar.Mag() < 3", kSearchCondition},
                 {"Andromeda Galaxy.Mag() < 5 and true", kSearchCondition}};
    for (const auto& c : cases) {
        ScriptExpression script(Wide(c.text).c_str());
        int kind = 0;
        EXPECT_TRUE(CompileSearchExpression(kind, script, catalogue)) << c.text;
        EXPECT_EQ(kind, c.kind) << c.text;
    }
}

TEST_F(Evaluation, CrossingMemoryShorterThanTheSearchIsRefused) {
    ScriptExpression script(TXT("Sun.Mag() >>= 0 and Moon.Lat(ecl) <<= 0"));
    int kind = 0;
    ASSERT_TRUE(CompileSearchExpression(kind, script, catalogue));
    EXPECT_EQ(script.crossingSlots, 2);
    std::uint8_t memory[2] = {0, 0};
    bool truth = true;
    EXPECT_FALSE(EvaluateSearchExpression(script, catalogue, calculator, when, memory, 1, truth));
    EXPECT_TRUE(EvaluateSearchExpression(script, catalogue, calculator, when, memory, 2, truth));
}

TEST_F(Evaluation, CompileErrorLeavesTheResultUntouched) {
    ScriptExpression script(TXT("1 +"));
    ExpressionResult result;
    result.value = 42;
    EXPECT_FALSE(EvaluateScriptExpression(script, catalogue, calculator, when, result));
    EXPECT_FALSE(EvaluateScriptExpression(script, catalogue, calculator, when, result));
    EXPECT_EQ(result.value, 42);
    EXPECT_EQ(script.compileStatus, kCompileError);
}

// Code compiled in another mode is compiled again for the mode asked.
TEST_F(Evaluation, EvaluationRecompilesCodeOfAnotherMode) {
    ScriptExpression script(TXT("Moon.Lat(ecl) > 1"));
    int kind = 0;
    ASSERT_TRUE(CompileSearchExpression(kind, script, catalogue));
    ExpressionResult result;
    EXPECT_FALSE(EvaluateScriptExpression(script, catalogue, calculator, when, result));
    EXPECT_EQ(script.mode, ScriptMode::kNone);

    ScriptExpression numeric(TXT("2 * 3"));
    ASSERT_TRUE(CompileScriptExpression(numeric, catalogue));
    bool truth = false;
    EXPECT_FALSE(EvaluateSearchExpression(numeric, catalogue, calculator, when, nullptr, 0, truth));

    ScriptExpression extreme(TXT("max(2 * 3)"));
    ASSERT_TRUE(CompileSearchExpression(kind, extreme, catalogue));
    ASSERT_TRUE(EvaluateScriptExpression(extreme, catalogue, calculator, when, result));
    EXPECT_EQ(result.value, 6);
}

// The road a graph line takes in the program: the real catalogues, body
// types and property calculators behind the evaluator.
TEST(ObjectModelEvaluation, ExpressionAsksTheBodysCalculator) {
    test::ScopedCatalogues catalogues;
    ObjectModelScriptCatalogue bodies;
    ObjectModelBodyFunctionCalculator calculator;
    TimeAndPlace when;
    when.dateTime = test::MakeDateTime(2004, 6, 8, 8.0, kUniversalTime);
    when.place.latitude.degrees = 51.5;
    const double altitude = EvaluateBodyFunction(*GetCatalogueObject(kBodyMoon, 0),
                                                 kFunctionLatitude, kHorizontalSystem, when);

    ScriptExpression line(TXT("Moon.Lat(hor) + 1"));
    ExpressionResult result;
    ASSERT_TRUE(EvaluateScriptExpression(line, bodies, calculator, when, result));
    EXPECT_TRUE(result.valid);
    EXPECT_DOUBLE_EQ(ExpressionResultValue(result), altitude + 1);
    EXPECT_EQ(calculator.EvaluateBodyFunction({kBodyPlanet, 99}, kFunctionMagnitude, -1, when),
              9999.0);
}

}  // namespace
}  // namespace corvinata
