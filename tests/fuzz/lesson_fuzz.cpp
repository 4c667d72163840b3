// Lessons as the Educator takes them: listed by their headers, read,
// compiled, and run statement by statement (every pause continued) on a
// host that carries nothing out.
#include "fuzz/fuzz_targets.h"
#include "script/script_catalogue.h"
#include "script/script_interpreter.h"
#include "script/script_operands.h"
#include "support/catalogues.h"
#include "support/recording_script_host.h"
#include "tools/lessons.h"

namespace corvinata::fuzz {

namespace {

// More pauses than a lesson of the inputs' length can hold.
constexpr int kMostPauses = 10000;

}  // namespace

int FuzzLesson(const std::uint8_t* data, std::size_t size) {
    static const test::ScopedCatalogues catalogues;
    static const ObjectModelScriptCatalogue catalogue;
    static const CatalogueObjectSource objects;
    MemoryStorageService storage;
    storage.MakeFolder(TXT("C:\\Program"));
    const Char* path = TXT("C:\\Program\\Scripts\\lesson.sts");
    PutInputFile(storage, TXT("C:\\Program\\Scripts"), path, data, size);
    PathName program;
    program.SetPath(TXT("C:\\Program\\Corvinata.exe"));
    const std::vector<LessonRow> rows = ScanLessonFolder(storage, LessonFolder(program));
    Expect(rows.size() <= 1, "one lesson file lists as one lesson at most");

    ScriptExpression script;
    if (!LoadScriptFile(script, storage, path)) return 0;
    test::RecordingScriptHost host;
    host.recording = false;
    const ScriptRunServices services{host, catalogue, objects};
    if (!RunScriptProgram(script, services)) {
        Expect(!script.message.IsEmpty(), "a lesson that stops says why");
        return 0;
    }
    for (int pause = 0; pause < kMostPauses && RunCompiledScript(script, services); ++pause) {
    }
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzLesson)
