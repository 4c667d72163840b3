// CorvinataScript expressions as the graph lines and the Event Finder take
// them, read from a file as a script is: compiled as a number, as a search
// condition and as a program, and what compiles evaluated. The names are
// those of a small object model, whose lookups are quick enough for a
// fuzzer (the lessons' target compiles against the program's catalogues),
// and the properties answer ordinary, extreme and "none" values.
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "script/fake_script_catalogue.h"
#include "script/script_expression.h"

namespace corvinata::fuzz {

int FuzzScript(const std::uint8_t* data, std::size_t size) {
    static const test::FakeScriptCatalogue catalogue;
    static test::FakeCalculator calculator;
    calculator.answer = [](const BodyRef&, std::uint32_t id, const TimeAndPlace&) {
        constexpr double kAnswers[] = {0.0, 12.5, -1.0e308, 1.0e308, 9999.0, -0.25};
        return kAnswers[id % 6];
    };
    MemoryStorageService storage;
    const Char* path = TXT("C:\\Scripts\\input.txt");
    PutInputFile(storage, TXT("C:\\Scripts"), path, data, size);
    ScriptExpression read;
    if (!LoadScriptFile(read, storage, path)) return 0;

    TimeAndPlace when;
    when.dateTime = DateTime{2024, 6, 15, 12.0, kUniversalTime};
    when.place.longitude.degrees = 0.1275;
    when.place.latitude.degrees = 51.5072;

    ScriptExpression numeric(read.source.Text());
    if (CompileScriptExpression(numeric, catalogue)) {
        ExpressionResult result;
        EvaluateScriptExpression(numeric, catalogue, calculator, when, result);
    } else {
        Expect(!numeric.message.IsEmpty(), "an expression that does not compile says why");
    }
    ScriptExpression search(read.source.Text());
    int kind = 0;
    if (CompileSearchExpression(kind, search, catalogue)) {
        std::vector<std::uint8_t> crossings(static_cast<std::size_t>(search.crossingSlots), 0);
        bool truth = false;
        EvaluateSearchExpression(search, catalogue, calculator, when, crossings.data(), crossings.size(), truth);
    } else {
        Expect(!search.message.IsEmpty(), "a condition that does not compile says why");
    }
    ScriptExpression program(read.source.Text());
    if (!CompileScriptProgram(program, catalogue)) {
        Expect(!program.message.IsEmpty() && program.errorLine >= 1 && program.errorColumn >= 1,
               "a program that does not compile says why and where");
    }
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzScript)
