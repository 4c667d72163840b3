#include "script/script_expression.h"

#include <exception>
#include <memory>

#include "base/storage.h"
#include "base/text_file.h"
#include "script/script_compiler.h"
#include "script/expression_rules.h"

namespace corvinata {
namespace {

void SetUnset(DateTime& date, double hours) {
    date = DateTime();
    date.hours = hours;
    date.timeSystem = kInvalidTimeSystem;
}

void Succeed(ScriptExpression& expression, ScriptMode mode) {
    expression.mode = mode;
    expression.compileStatus = kCompiled;
    expression.errorLine = 0;
    expression.errorColumn = 0;
    expression.message = TXT("Compiled successfully");
    expression.detail = TXT("");
}

bool CompileExpressionIn(ScriptExpression& expression, const ScriptCatalogue& catalogue,
                         ExpressionMode mode) {
    expression.run = ScriptRunState{};
    const ExpressionCompileOutcome outcome =
        CompileExpressionCode(expression.source.Text(), expression.code, catalogue, mode,
                              expression.message, expression.detail);
    expression.searchKind = outcome.searchKind;
    expression.crossingSlots = outcome.crossingCount;
    if (!outcome.compiled) {
        expression.mode = ScriptMode::kNone;
        expression.compileStatus = kCompileError;
        expression.errorColumn = outcome.errorOffset;
        return false;
    }
    Succeed(expression, mode == ExpressionMode::kSearch ? ScriptMode::kSearch : ScriptMode::kNumeric);
    return true;
}

// Whether the code can be evaluated as a number: a numeric expression, or
// a min or max search, whose code is its expression.
bool HoldsNumericCode(const ScriptExpression& expression) {
    return expression.mode == ScriptMode::kNumeric ||
           (expression.mode == ScriptMode::kSearch &&
            expression.searchKind != kSearchCondition);
}

// Whether the file's text (up to a Ctrl-Z, which ends it) holds a NUL byte,
// which the line reader would take for the end of its line; false also when
// the bytes cannot be read, which the text read then reports.
bool HoldsNulByte(StorageService& storage, const String& path) {
    std::unique_ptr<BinaryFile> file = storage.CreateBinaryFile(path);
    if (!file || !file->Open(FileOpenMode::Read)) return false;
    std::uint8_t buffer[4096];
    std::uint32_t count = 0;
    bool ended = false;
    bool found = false;
    while (!ended && !found && file->ReadSome(buffer, sizeof buffer, count) && count > 0) {
        for (std::uint32_t i = 0; i < count && !ended && !found; ++i) {
            ended = buffer[i] == 0x1A;
            found = buffer[i] == 0;
        }
    }
    file->Close();
    return found;
}

// The UTF-8 byte-order mark as the Windows-1252 reader gives it.
constexpr Char kByteOrderMark[] = {0x00EF, 0x00BB, 0x00BF, 0};

}  // namespace

ScriptExpression::ScriptExpression() {
    SetUnset(lastEvent, kNoTimeHours);
    DateTimeLocationInit(applicationState);
    SetUnset(applicationState.dateTime, 0.0);
}

ScriptExpression::ScriptExpression(const Char* text) : ScriptExpression() { source = text; }

bool CompileScriptProgram(ScriptExpression& expression, const ScriptCatalogue& catalogue) {
    expression.run = ScriptRunState{};
    const ProgramCompileOutcome outcome = CompileProgramCode(
        expression.source.Text(), expression.code, catalogue, expression.message,
        expression.detail);
    expression.searchKind = 0;
    expression.crossingSlots = 0;
    if (!outcome.compiled) {
        expression.mode = ScriptMode::kNone;
        expression.compileStatus = kCompileError;
        LineAndColumnOf(expression.source.Text(), outcome.errorOffset, expression.errorLine,
                        expression.errorColumn);
        return false;
    }
    Succeed(expression, ScriptMode::kProgram);
    return true;
}

bool CompileScriptExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue) {
    return CompileExpressionIn(expression, catalogue, ExpressionMode::kNumeric);
}

bool CompileSearchExpression(int& searchKind, ScriptExpression& expression,
                             const ScriptCatalogue& catalogue) {
    const bool compiled = CompileExpressionIn(expression, catalogue, ExpressionMode::kSearch);
    searchKind = expression.searchKind;
    return compiled;
}

bool EvaluateScriptExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue,
                              BodyFunctionCalculator& calculator,
                              const TimeAndPlace& timeAndPlace, ExpressionResult& result) {
    if (expression.compileStatus == kCompileError) return false;
    if (expression.compileStatus == kNotCompiled || !HoldsNumericCode(expression)) {
        if (!CompileScriptExpression(expression, catalogue)) return false;
    }
    EvaluationInputs inputs{catalogue, calculator, timeAndPlace, expression.lastEvent};
    ExpressionEvaluator evaluator(expression.code, inputs);
    expression.comparisonCounter = 0;
    ExpressionResult value;
    if (!evaluator.EvaluateNumeric(value)) return false;
    result = value;
    expression.runStatus = kRanNormally;
    return true;
}

bool EvaluateSearchExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue,
                              BodyFunctionCalculator& calculator,
                              const TimeAndPlace& timeAndPlace, std::uint8_t* crossingMemory,
                              std::size_t crossingLength, bool& result) {
    if (expression.compileStatus == kCompileError) return false;
    if (expression.compileStatus == kNotCompiled || expression.mode != ScriptMode::kSearch) {
        int kind = 0;
        if (!CompileSearchExpression(kind, expression, catalogue)) return false;
    }
    if (static_cast<std::size_t>(expression.crossingSlots) > crossingLength) return false;
    EvaluationInputs inputs{catalogue, calculator, timeAndPlace, expression.lastEvent,
                            crossingMemory, crossingLength};
    ExpressionEvaluator evaluator(expression.code, inputs);
    bool truth = false;
    bool evaluated = false;
    if (expression.searchKind == kSearchCondition) {
        evaluated = evaluator.EvaluateCondition(truth);
    } else {
        ExpressionResult value;
        evaluated = evaluator.EvaluateNumeric(value);
        truth = value.valid;
    }
    expression.comparisonCounter = evaluator.ComparisonCount();
    if (!evaluated) return false;
    result = truth;
    expression.runStatus = kRanNormally;
    return true;
}

bool LoadScriptFile(ScriptExpression& expression, StorageService& storage, const Char* path) {
    const String pathText(path);
    std::unique_ptr<TextFile> file = storage.CreateTextFile(pathText);
    if (!file || !file->Open(FileOpenMode::Read)) return false;
    String text;
    bool read = false;
    // A file that fails in any way (the memory for a text far larger than
    // any program's included) is one that cannot be read.
    try {
        read = ReadTextFileLines(*file, text);
    } catch (const std::exception&) {
        read = false;
    }
    if (!file->Close() || !read) return false;
    // A NUL byte would cut its line short without a word: such a file is
    // no script text.
    if (HoldsNulByte(storage, pathText)) return false;
    // An editor's UTF-8 byte-order mark is no part of the first command.
    const Char* start = text.Text();
    bool marked = true;
    for (int i = 0; kByteOrderMark[i] != 0; ++i) {
        if (start[i] != kByteOrderMark[i]) {
            marked = false;
            break;
        }
    }
    if (marked) text = String(start + (sizeof kByteOrderMark / sizeof kByteOrderMark[0] - 1));
    // The folder is the path up to its last separator.
    int cut = -1;
    for (int i = 0; path[i] != 0; ++i) {
        if (path[i] == '\\' || path[i] == '/') cut = i;
    }
    String folder(path);
    if (cut >= 0) {
        folder.Data()[cut] = 0;
    } else {
        folder = TXT("");
    }
    expression.run = ScriptRunState{};
    expression.folder = folder;
    expression.source = text;
    expression.compileStatus = kNotCompiled;
    expression.mode = ScriptMode::kNone;
    return true;
}

}  // namespace corvinata
