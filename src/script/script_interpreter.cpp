#include "script/script_interpreter.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <string>

#include "script/clause_runners.h"
#include "script/compiler_context.h"
#include "script/script_compiler.h"

namespace corvinata {
namespace {

using Host = ScriptHostInterface;

// A relative graph file path names a file beside the script.
String ResolveAgainstFolder(const String& folder, const String& path) {
    const Char* p = path.Text();
    const bool absolute = p[0] == '\\' || p[0] == '/' || (p[0] != 0 && p[1] == ':');
    if (path.IsEmpty() || folder.IsEmpty() || absolute) return path;
    String resolved(folder);
    const Char last = folder.Text()[folder.Length() - 1];
    if (last != '\\' && last != '/') StringAppend(resolved, TXT("\\"));
    StringAppend(resolved, p);
    return resolved;
}

// The clauses of an Event Finder search, each read into its part of the
// search; a search names every one.
struct SearchClause {
    CodeWord code;
    bool (*read)(OperandReader& in, ScriptEventSearch& search);
};

constexpr SearchClause kSearchClauses[] = {
    {55, [](OperandReader& in, ScriptEventSearch& s) { return in.Text(s.code); }},
    {60, [](OperandReader& in, ScriptEventSearch& s) { return in.Date(s.begin); }},
    {61, [](OperandReader& in, ScriptEventSearch& s) { return in.Date(s.end); }},
    {65, [](OperandReader& in, ScriptEventSearch& s) { return in.Switch(s.daylightSaving); }},
    {75, [](OperandReader& in, ScriptEventSearch& s) { return in.Place(s.location); }},
    {92, [](OperandReader& in, ScriptEventSearch& s) { return in.Step(s.step); }},
};

// The operands of one statement, read and checked (no host) or run.
class StatementRunner {
public:
    StatementRunner(ScriptExpression& script, OperandReader& in, Host* host, const String& text)
        : script_(script), in_(in), host_(host), text_(text) {}

    bool Run(CodeWord opcode, bool& pause) {
        switch (opcode) {
            case kOpClose: return Close();
            case kOpEducatorPosition: return EducatorPosition();
            case kOpEventFinderSearch: return EventSearch();
            case kOpMessage: return Message(pause);
            case kOpOpenGraph: return OpenGraph();
            case kOpOpenJupiter: return OpenWindow(kScriptJupiter, &Host::OpenJupiter);
            case kOpOpenPicture: return OpenWindow(kScriptPicture, &Host::OpenPicture);
            case kOpOpenSaturn: return OpenWindow(kScriptSaturn, &Host::OpenSaturn);
            case kOpOpenSolarEclipse:
                return OpenWindow(kScriptSolarEclipse, &Host::OpenSolarEclipse);
            case kOpOpenSky: return OpenWindow(kScriptSky, &Host::OpenSky);
            case kOpOpenSolarSystem: return OpenWindow(kScriptSolarSystem, &Host::OpenSolarSystem);
            case kOpWithWindow: return WithWindow();
            case kOpWithApplication: return WithApplication();
            default: return in_.Fail(TXT("A statement of the compiled script is not known"));
        }
    }

private:
    template <class Call>
    bool Apply(Call call) {
        return host_ == nullptr || call(*host_);
    }

    bool Close() {
        String name;
        return in_.Text(name) && Apply([&](Host& host) { return host.CloseWindow(name); });
    }

    bool EducatorPosition() {
        int x = 0;
        int y = 0;
        return in_.Integer(x, INT_MIN, INT_MAX) && in_.Integer(y, INT_MIN, INT_MAX) &&
               Apply([&](Host& host) { return host.SetEducatorPosition(x, y); });
    }

    bool Message(bool& pause) {
        String text;
        if (!in_.Text(text)) return false;
        pause = true;
        return Apply([&](Host& host) { return host.ShowScriptMessage(text); });
    }

    bool OpenGraph() {
        String name;
        String path;
        if (!in_.Text(name) || !in_.Text(path)) return false;
        const String file = ResolveAgainstFolder(script_.folder, path);
        return Apply([&](Host& host) { return host.OpenGraph(name, file); }) &&
               RunWindowClauses(in_, host_, kScriptGraph, name, false, text_);
    }

    // The clauses are optional: without them the statement ends at once.
    bool OpenWindow(int scriptKind, bool (Host::*open)(const String&)) {
        String name;
        CodeWord next = 0;
        if (!in_.Text(name)) return false;
        if (!Apply([&](Host& host) { return (host.*open)(name); })) return false;
        if (!in_.PeekRequired(next)) return false;
        return next == kOpStatementEnd ||
               RunWindowClauses(in_, host_, scriptKind, name, false, text_);
    }

    bool WithWindow() {
        String name;
        int kind = 0;
        if (!in_.Text(name) || !in_.Integer(kind, kScriptGraph, kScriptSolarSystem)) return false;
        const WindowKind windowKind = WindowKindOfScriptKind(kind);
        return Apply([&](Host& host) { return host.FindWindow(name, windowKind); }) &&
               RunWindowClauses(in_, host_, kind, name, true, text_);
    }

    bool EventSearch() {
        ScriptEventSearch search;
        LocationInit(search.location);
        unsigned seen = 0;
        while (!in_.Accept(kOpClauseListEnd)) {
            CodeWord code = 0;
            if (!in_.Word(code)) return false;
            const SearchClause* clause =
                std::find_if(std::begin(kSearchClauses), std::end(kSearchClauses),
                             [code](const SearchClause& c) { return c.code == code; });
            if (clause == std::end(kSearchClauses)) {
                return in_.Fail(TXT("A search clause of the compiled script is not known"));
            }
            if (!clause->read(in_, search)) return false;
            seen |= 1u << (clause - std::begin(kSearchClauses));
        }
        if (seen != (1u << std::size(kSearchClauses)) - 1) {
            return in_.Fail(TXT("A search of the compiled script lacks a clause"));
        }
        return Apply([&](Host& host) { return host.StartEventSearch(search); });
    }

    // The values persist in the script between statements; a statement
    // hands on only those it names.
    bool WithApplication() {
        enum : CodeWord { kDate = 59, kDst = 65, kPlace = 75, kRtc = 86, kStars = 91, kTime = 98 };
        DateTimeLocation state;
        DateTimeLocationInit(state);
        DateTimeLocationAssign(state, script_.applicationState);
        ApplicationScriptSettings settings;
        bool dateGiven = false;
        bool timeGiven = false;
        while (!in_.Accept(kOpClauseListEnd)) {
            CodeWord clause = 0;
            bool read = false;
            bool on = false;
            DateTime date;
            if (!in_.Word(clause)) return false;
            switch (clause) {
                case kDate:
                    read = dateGiven = in_.Date(date);
                    state.dateTime.year = date.year;
                    state.dateTime.month = date.month;
                    state.dateTime.day = date.day;
                    break;
                case kTime:
                    read = timeGiven = in_.Time(state.dateTime.hours);
                    break;
                case kDst:
                    read = in_.Switch(state.daylightSaving);
                    settings.daylightSaving = state.daylightSaving;
                    break;
                case kPlace:
                    read = in_.Place(state.location);
                    settings.location = state.location;
                    break;
                case kRtc:
                    read = in_.Switch(on);
                    settings.realTimeClock = on;
                    break;
                case kStars:
                    read = in_.Switch(on);
                    settings.starsStationary = on;
                    break;
                default:
                    return in_.Fail(
                        TXT("An application clause of the compiled script is not known"));
            }
            if (!read) return false;
        }
        // Script dates and times are local civil time; the record starts
        // without a time system, which must never reach the application.
        if (dateGiven || timeGiven) state.dateTime.timeSystem = kLocalCivilTime;
        if (dateGiven) settings.date = state.dateTime;
        if (timeGiven) settings.hours = state.dateTime.hours;
        if (host_ == nullptr) return true;
        DateTimeLocationAssign(script_.applicationState, state);
        return host_->ApplyApplicationSettings(settings);
    }

    ScriptExpression& script_;
    OperandReader& in_;
    Host* host_;
    const String& text_;
};

// The statement last run, and why it failed when it did.
struct StatementOutcome {
    int start = 0;
    String text;
    String error;
};

// Checks the statement at the cursor whole, then runs it. The cursor moves
// past it either way.
bool ExecuteScriptStatement(ScriptExpression& script, const ScriptRunServices& services,
                            bool& pause, StatementOutcome& outcome) {
    pause = false;
    const int sourceLength = script.run.sourceLength;
    const std::size_t at = script.run.cursor;
    OperandReader check(script.code, at, services.catalogue, services.objects);
    int start = 0;
    int end = 0;
    CodeWord opcode = 0;
    bool checkPause = false;
    const String none;
    const bool sound =
        (check.Accept(kOpStatementStart) ||
         check.Fail(TXT("The compiled script has no statement where one should begin"))) &&
        check.Integer(start, 0, sourceLength) && check.Word(opcode) &&
        StatementRunner(script, check, nullptr, none).Run(opcode, checkPause) &&
        (check.Accept(kOpStatementEnd) ||
         check.Fail(TXT("A statement of the compiled script does not end where expected"))) &&
        check.Integer(end, start, sourceLength);
    if (!sound) {
        script.run.cursor = script.code.size();
        outcome.start = start;
        outcome.error = check.Error();
        return false;
    }
    script.run.cursor = check.Cursor();
    outcome.start = start;
    outcome.text = StatementText(script.source.Text(), sourceLength, start, end);
    OperandReader in(script.code, at + 2, services.catalogue, services.objects);
    in.Word(opcode);
    if (StatementRunner(script, in, &services.host, outcome.text).Run(opcode, pause)) return true;
    String error = services.host.GetScriptError();
    if (error.IsEmpty()) error = TXT("The statement could not be carried out");
    outcome.error = error;
    return false;
}

void EndRun(ScriptExpression& script, Host& host, bool pausedOnLast) {
    script.run = ScriptRunState{};
    script.runStatus = kRanNormally;
    host.ScriptEnded(pausedOnLast);
    host.SetScriptRunning(false);
}

void StopRun(ScriptExpression& script, Host& host, const StatementOutcome& outcome) {
    ScriptRunFailure failure;
    failure.message = outcome.error;
    failure.statement = outcome.text;
    LineAndColumnOf(script.source.Text(), outcome.start, failure.line, failure.column);
    script.run = ScriptRunState{};
    script.runStatus = kRunStopped;
    script.message = failure.message;
    script.detail = failure.statement;
    host.ScriptFailed(failure);
    host.SetScriptRunning(false);
}

}  // namespace

String StatementText(const Char* source, int sourceLength, int start, int end) {
    if (start < 0) start = 0;
    if (end > sourceLength) end = sourceLength;
    std::basic_string<Char> text;
    const Char* p = source;
    bool blank = false;
    // Every white space the compiler accepts between words counts here too.
    for (int i = start; i < end; ++i) {
        if (IsSpaceChar(p[i])) {
            blank = !text.empty();
            continue;
        }
        if (blank) text.push_back(' ');
        blank = false;
        text.push_back(p[i]);
    }
    return String(text.c_str());
}

bool RunScriptProgram(ScriptExpression& script, const ScriptRunServices& services) {
    if (script.compileStatus == kCompileError) return false;
    if (script.compileStatus == kNotCompiled || script.mode != ScriptMode::kProgram) {
        if (!CompileScriptProgram(script, services.catalogue)) return false;
    }
    script.run.active = true;
    script.run.cursor = 0;
    script.run.sourceLength = script.source.Length();
    services.host.ShowScriptMessage(String());
    return RunCompiledScript(script, services);
}

bool RunCompiledScript(ScriptExpression& script, const ScriptRunServices& services) {
    if (!script.run.active) {
        script.message = TXT("The script has no paused run to continue");
        script.detail = TXT("");
        return false;
    }
    Host& host = services.host;
    host.ClearScriptError();
    host.SetScriptRunning(true);
    for (;;) {
        if (script.run.cursor >= script.code.size()) {
            EndRun(script, host, false);
            return true;
        }
        bool pause = false;
        StatementOutcome outcome;
        if (ExecuteScriptStatement(script, services, pause, outcome)) {
            // A window operation may report its failure only through the
            // host's error text.
            outcome.error = host.GetScriptError();
            if (outcome.error.IsEmpty()) {
                if (!pause) continue;
                if (script.run.cursor >= script.code.size()) {
                    EndRun(script, host, true);
                } else {
                    host.SetScriptRunning(false);
                }
                return true;
            }
        }
        StopRun(script, host, outcome);
        return false;
    }
}

}  // namespace corvinata
