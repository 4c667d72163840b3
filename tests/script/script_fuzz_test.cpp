// Random and mutated programs and expressions: the compiler ends every
// text, with a message and a position for every failure, and whatever
// compiles evaluates.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "fake_script_catalogue.h"
#include "script/script_expression.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Wide;

const char* const kProgramPieces[] = {
    "Open ", "Sky ", "Graph ", "Solar ", "Eclipse ", "System ", "Jupiter ", "Saturn ",
    "Picture ", "As ", "S ", "G ", "With ", "Application ", "EventFinder ", "Search ",
    "Educator ", "Set ", "Position ", "10,20 ", "Message ", "\"text\" ", "\\ ", "Close ",
    "Date ", "1.1.2000 ", "Time ", "10:30 ", "Location ", "Lon ", "10E ", "Lat ", "50N ",
    "TimeZone ", "1 ", "Town ", "Country ", "Add ", "Line ", "Name ", "Code ",
    "\"Moon.Lat(ecl) > 0\" ", "Colour ", "red ", "Grid ", "equ ", "Labels ", "on ",
    "Appearance ", "crosses ", "Select ", "Moon ", "Highlight ", "Hide ", "Show ", "Lines ",
    "Io ", "Zoom ", "101 ", "Center ", "Path ", "Observer ", "Step ", "2 ", "days ", "#",
    "\n", "\r\n", "\r", "\"", "Begin ", "End ", "Dst ", "off ", "YAxisFrom ", "-3 ",
};

const char* const kExpressionPieces[] = {
    "Moon.", "Sun.", "Jupiter.", "Andromeda Galaxy.", "Big Dipper.", "Lon", "Lat", "Rise",
    "Mag", "DistEarth", "(", ")", "equ", "lct", "au", ",", "1", "-2.5", "1e999", "+", "-",
    "*", "/", ">", ">=", ">>=", "<<=", "<", "and ", "or ", "not", "true ", "false ",
    "IsValid", "abs", "anglediff", "anglesum", "angledist", "time", "distance", "lon",
    "lat", "Angle90", "min", "max", " ", ".",
};

// Whole statements, so that joined they compile and mutated they fail deep
// inside the rules.
const char* const kStatements[] = {
    "Open Sky As S Set Date 1.1.2000 Time 10:30 Grid equ Labels on Sun off",
    "Open Graph As G File \"a.gph\" Add Line Name \"n\" Code \"Moon.Lat(ecl) * 2\" Colour red",
    "Open Jupiter As J Hide Io Set Zoom Europa Tilt -10 SwapEW on",
    "Open Solar Eclipse As E Center Lon 10E Lat 5N Set Eclipse Date 11.8.1999 Zoom 50",
    "Open Solar System As P Select Earth Highlight Set Function Rise Zoom Mars",
    "With Application Set Location Town \"Paris\" Country \"France\" Rtc off",
    "With EventFinder Search Begin 1.1.2000 End 2.1.2000 Dst off Location Lon 0 Lat 0 "
    "TimeZone 0 Step 1 day Code \"Sun.Mag() >>= 0\"",
    "With Educator Set Position 10,20",
    "Message \"a\" \\ \"b\"",
    "# comment",
};

// A random expression of the grammar, `depth` levels deep at most.
std::string NumericText(std::mt19937& random, int depth) {
    const char* const leaves[] = {"Moon.Lat(ecl)", "Sun.Rise(lct)", "Jupiter.DistEarth(au)",
                                  "2.5", "Big Dipper.Dir()", "Io.RectCrdX()", "-1"};
    if (depth <= 0 || random() % 3 == 0) return leaves[random() % 7];
    const std::string a = NumericText(random, depth - 1);
    const std::string b = NumericText(random, depth - 1);
    switch (random() % 7) {
        case 0: return a + " + " + b;
        case 1: return a + " * " + b;
        case 2: return "(" + a + ") / " + b;
        case 3: return "anglediff(" + a + ", " + b + ")";
        case 4: return "time(" + a + ", ut)";
        case 5: return "Angle90(" + a + ")";
        default: return "angledist(" + a + ", " + b + ", 1, 2)";
    }
}

std::string ConditionText(std::mt19937& random, int depth) {
    const char* const operators[] = {" > ", " >= ", " < ", " <= ", " >>= ", " <<= "};
    if (depth <= 0 || random() % 3 == 0) {
        return NumericText(random, 2) + operators[random() % 6] + NumericText(random, 1);
    }
    const std::string a = ConditionText(random, depth - 1);
    switch (random() % 4) {
        case 0: return a + " and " + ConditionText(random, depth - 1);
        case 1: return a + " or " + ConditionText(random, depth - 1);
        case 2: return "not(" + a + ")";
        default: return "(" + a + ")";
    }
}

template <std::size_t N>
std::string Assemble(std::mt19937& random, const char* const (&pieces)[N], int count) {
    std::uniform_int_distribution<std::size_t> pick(0, N - 1);
    std::string text;
    for (int i = 0; i < count; ++i) text += pieces[pick(random)];
    return text;
}

// Flips, drops or doubles a few characters.
std::string Mutate(std::mt19937& random, std::string text) {
    if (text.empty()) return text;
    std::uniform_int_distribution<int> edits(1, 4);
    for (int n = edits(random); n > 0 && !text.empty(); --n) {
        std::uniform_int_distribution<std::size_t> at(0, text.size() - 1);
        const std::size_t i = at(random);
        switch (random() % 3) {
            case 0: text[i] = static_cast<char>(32 + random() % 95); break;
            case 1: text.erase(i, 1); break;
            default: text.insert(i, 1, text[i]); break;
        }
    }
    return text;
}

void CheckProgram(const std::string& text, const ScriptCatalogue& catalogue) {
    ScriptExpression script(Wide(text).c_str());
    if (CompileScriptProgram(script, catalogue)) return;
    ASSERT_FALSE(script.message.IsEmpty()) << text;
    ASSERT_GE(script.errorLine, 1) << text;
    ASSERT_GE(script.errorColumn, 1) << text;
}

void CheckExpression(const std::string& text, const ScriptCatalogue& catalogue,
                     BodyFunctionCalculator& calculator) {
    ScriptExpression numeric(Wide(text).c_str());
    TimeAndPlace when;
    if (CompileScriptExpression(numeric, catalogue)) {
        ExpressionResult result;
        ASSERT_TRUE(EvaluateScriptExpression(numeric, catalogue, calculator, when, result)) << text;
    } else {
        ASSERT_FALSE(numeric.message.IsEmpty()) << text;
        ASSERT_LE(numeric.errorColumn, static_cast<int>(text.size())) << text;
    }
    ScriptExpression search(Wide(text).c_str());
    int kind = 0;
    if (CompileSearchExpression(kind, search, catalogue)) {
        std::vector<std::uint8_t> memory(static_cast<std::size_t>(search.crossingSlots), 0);
        bool truth = false;
        ASSERT_TRUE(EvaluateSearchExpression(search, catalogue, calculator, when, memory.data(),
                                             memory.size(), truth))
            << text;
    } else {
        ASSERT_FALSE(search.message.IsEmpty()) << text;
    }
}

TEST(CompilerFuzz, RandomAndMutatedProgramsEndWithAMessageOrCompile) {
    test::FakeScriptCatalogue catalogue;
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> length(0, 30);
    for (int i = 0; i < 3000; ++i) {
        std::string text;
        if (i % 3 == 0) {
            text = Assemble(random, kProgramPieces, length(random));
        } else {
            for (int n = length(random) / 5; n >= 0; --n) {
                text += kStatements[random() % 10];
                text += "\n";
            }
        }
        if (i % 2) text = Mutate(random, text);
        CheckProgram(text, catalogue);
        if (HasFatalFailure()) return;
    }
}

TEST(CompilerFuzz, RandomAndMutatedExpressionsEndWithAMessageOrEvaluate) {
    test::FakeScriptCatalogue catalogue;
    test::FakeCalculator calculator;
    calculator.answer = [](const BodyRef&, std::uint32_t id, const TimeAndPlace&) {
        return id % 7 == 0 ? 9999.0 : static_cast<double>(id % 50);
    };
    std::mt19937 random(19991108);
    std::uniform_int_distribution<int> length(0, 20);
    for (int i = 0; i < 4000; ++i) {
        std::string text = i % 3 == 0 ? Assemble(random, kExpressionPieces, length(random))
                           : i % 3 == 1 ? NumericText(random, 4)
                                        : ConditionText(random, 3);
        if (i % 2) text = Mutate(random, text);
        CheckExpression(text, catalogue, calculator);
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace corvinata
