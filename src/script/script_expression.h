// A piece of script the program keeps: a whole program (a script file or a
// lesson), a numeric expression (a graph line, an automation request) or a
// search expression (an Event Finder condition), with its compiled code and
// the outcome of its last compilation and evaluation.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/date_time.h"
#include "base/date_time_location.h"
#include "base/geo_place.h"
#include "base/wide_string.h"
#include "script/script_catalogue.h"
#include "script/script_code.h"
#include "script/script_evaluator.h"

namespace corvinata {

class StorageService;

enum CompileStatus : int {
    kNotCompiled = 0,
    kCompiled = 1,
    kCompileError = 2,
};

enum RunStatus : int {
    kNotRun = 0,
    kRanNormally = 1,
    kRunStopped = 2,
};

// How the code was compiled; evaluation compiles again when it needs
// another mode.
enum class ScriptMode : int {
    kNone,
    kProgram,
    kNumeric,
    kSearch,
};

// Where a program run that paused after a message goes on. Compiling or
// loading the script ends the run, so that it never continues into code it
// was not started on.
struct ScriptRunState {
    bool active = false;
    std::size_t cursor = 0;
    // The source's length, measured once where the run starts: every
    // statement is cut from it, and measuring it again for each would make
    // a long lesson run in time that grows with its square.
    int sourceLength = 0;
};

struct ScriptExpression {
    ScriptExpression();
    explicit ScriptExpression(const Char* text);

    String source;
    int compileStatus = kNotCompiled;
    int runStatus = kNotRun;
    ScriptCode code;
    // Programs: 1-based line and column; expressions: line 0 and the 0-based
    // offset of the error as the column.
    int errorLine = 0;
    int errorColumn = 0;
    String message;
    String detail;
    // Folder of the file the source came from; empty otherwise.
    String folder;

    ScriptMode mode = ScriptMode::kNone;
    // SearchKind of a search expression.
    int searchKind = 0;
    // Bytes of crossing memory an evaluation of the search needs.
    int crossingSlots = 0;

    // Evaluator state.
    int comparisonCounter = -1;
    DateTime lastEvent;
    DateTimeLocation applicationState;
    ScriptRunState run;
};

bool CompileScriptProgram(ScriptExpression& expression, const ScriptCatalogue& catalogue);
bool CompileScriptExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue);
// `searchKind` gets kSearchMin, kSearchMax or kSearchCondition.
bool CompileSearchExpression(int& searchKind, ScriptExpression& expression,
                             const ScriptCatalogue& catalogue);

// Numeric evaluation for one time and place (compiling first when needed).
// False, and the result untouched, when the text does not compile.
bool EvaluateScriptExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue,
                              BodyFunctionCalculator& calculator,
                              const TimeAndPlace& timeAndPlace, ExpressionResult& result);

// Truth of a search expression for one time and place. The crossing memory
// (`crossingLength` bytes, kept by the caller between steps and zeroed
// before the first) must hold crossingSlots bytes: a shorter one is refused
// with false. A min or max search is true when its value is valid.
bool EvaluateSearchExpression(ScriptExpression& expression, const ScriptCatalogue& catalogue,
                              BodyFunctionCalculator& calculator,
                              const TimeAndPlace& timeAndPlace, std::uint8_t* crossingMemory,
                              std::size_t crossingLength, bool& result);

// Reads a script file into the source (its lines joined by CR LF) and
// remembers its folder. False, and the object unchanged, when it cannot be
// read.
bool LoadScriptFile(ScriptExpression& expression, StorageService& storage, const Char* path);

}  // namespace corvinata
