#include "script/script_compiler.h"

#include "script/script_clauses.h"
#include "script/expression_rules.h"
#include "script/script_lexer.h"

namespace corvinata {
namespace {

// The word of an unknown command or window type, for its message: the text of a quoted
// string, else the word up to white space. Nothing is read.
String CommandWord(const CompilerContext& context) {
    const Char* p = context.Here();
    Char stop = 0;
    if (*p == '"') {
        ++p;
        stop = '"';
    }
    int n = 0;
    while (p[n] != 0 && p[n] != stop && (stop != 0 || !IsSpaceChar(p[n])) &&
           n < kMaxScriptString) {
        ++n;
    }
    String word;
    StringReserve(word, n + 1, ReserveMode::GrowDiscard);
    for (int i = 0; i < n; ++i) word.Data()[i] = p[i];
    word.Data()[n] = 0;
    return word;
}

// A keyword of With standing as a whole word: "Educator1" is a window's
// name, not the Educator.
bool LooksAtWholeWord(const CompilerContext& context, const Char* word) noexcept {
    return LooksAt(context, word) && !IsWordChar(context.Here()[TextLength(word)]);
}

int CompileWindowName(CompilerContext& context, String& name) {
    if (!ReadWord(context, name)) return context.Fail(TXT("Expected window name"));
    return kParsed;
}

const WindowName* FindWindow(const CompilerContext& context, const String& name) {
    for (const WindowName& window : context.windows) {
        if (window.name == name) return &window;
    }
    return nullptr;
}

// "As" name, registered with the window kind.
int CompileOpenName(CompilerContext& context, int kind, String& name) {
    int status = ExpectWord(context, TXT("As"), false);
    if (status == kParsed) status = CompileWindowName(context, name);
    if (status != kParsed) return status;
    if (FindWindow(context, name) != nullptr) {
        return context.Fail(TXT("A window with this name is already open"), name.Text());
    }
    context.windows.push_back({name, kind});
    return kParsed;
}

struct OpenKind {
    const Char* word;
    int kind;
    CodeWord op;
};

int CompileOpen(CompilerContext& context) {
    int status = ExpectWord(context, TXT("Open"), false);
    if (status != kParsed) return status;
    constexpr OpenKind kKinds[] = {
        {TXT("Graph"), kScriptGraph, kOpOpenGraph},
        {TXT("Jupiter"), kScriptJupiter, kOpOpenJupiter},
        {TXT("Picture"), kScriptPicture, kOpOpenPicture},
        {TXT("Saturn"), kScriptSaturn, kOpOpenSaturn},
        {TXT("Sky"), kScriptSky, kOpOpenSky},
    };
    const OpenKind* found = nullptr;
    for (const OpenKind& kind : kKinds) {
        if (LooksAt(context, kind.word)) {
            found = &kind;
            break;
        }
    }
    static constexpr OpenKind kSolarSystem = {TXT("System"), kScriptSolarSystem,
                                              kOpOpenSolarSystem};
    static constexpr OpenKind kSolarEclipse = {TXT("Eclipse"), kScriptSolarEclipse,
                                               kOpOpenSolarEclipse};
    if (found == nullptr && LooksAt(context, TXT("Solar"))) {
        if ((status = ExpectWord(context, TXT("Solar"), false)) != kParsed) return status;
        if (LooksAt(context, kSolarSystem.word)) found = &kSolarSystem;
        if (LooksAt(context, kSolarEclipse.word)) found = &kSolarEclipse;
    }
    if (found == nullptr) {
        return context.Fail(TXT("Invalid window type"), CommandWord(context).Text());
    }
    if ((status = ExpectWord(context, found->word, false)) != kParsed) return status;
    String name;
    if ((status = CompileOpenName(context, found->kind, name)) != kParsed) return status;
    context.code.push_back(found->op);
    EmitString(context.code, name.Text());
    bool clauses = SkipBlanks(context);
    if (found->kind == kScriptGraph) {
        String path;
        const int file = clauses ? ExpectWord(context, TXT("File"), true) : kNotPresent;
        if (file == kParseError) return file;
        if (file == kParsed) {
            if ((status = ReadQuotedString(context, path, false)) != kParsed) return status;
            clauses = SkipBlanks(context);
        }
        EmitString(context.code, path.Text());
        if (!clauses) {
            context.code.push_back(kOpClauseListEnd);
            return kParsed;
        }
    } else if (!clauses) {
        return kParsed;
    }
    return CompileWindowClauses(context, found->kind, false);
}

int CompileClose(CompilerContext& context) {
    int status = ExpectWord(context, TXT("Close"), false);
    String name;
    if (status == kParsed) status = CompileWindowName(context, name);
    if (status != kParsed) return status;
    // A closed window's name is free for a later Open, and no longer there
    // for a later With.
    for (auto it = context.windows.begin(); it != context.windows.end(); ++it) {
        if (it->name == name) {
            context.windows.erase(it);
            break;
        }
    }
    context.code.push_back(kOpClose);
    EmitString(context.code, name.Text());
    return kParsed;
}

int CompileMessage(CompilerContext& context) {
    int status = ExpectWord(context, TXT("Message"), false);
    String text;
    if (status == kParsed) status = ReadQuotedString(context, text, false);
    if (status != kParsed) return status;
    context.code.push_back(kOpMessage);
    // "\n" in the text is a line break.
    const Char* p = text.Text();
    std::size_t lengthAt = context.code.size();
    context.code.push_back(0);
    CodeWord count = 0;
    for (; *p != 0; ++p) {
        if (p[0] == '\\' && p[1] == 'n') {
            context.code.push_back('\r');
            context.code.push_back('\n');
            count += 2;
            ++p;
        } else {
            context.code.push_back(static_cast<std::uint16_t>(*p));
            ++count;
        }
    }
    context.code[lengthAt] = count;
    return kParsed;
}

int CompileWith(CompilerContext& context) {
    int status = ExpectWord(context, TXT("With"), false);
    if (status != kParsed) return status;
    if (LooksAtWholeWord(context, TXT("Application"))) {
        if ((status = ExpectWord(context, TXT("Application"), false)) != kParsed) return status;
        context.code.push_back(kOpWithApplication);
        status = CompileClauseList(context, true,
                                   StatementClauseSet(StatementClauses::kApplication));
        return status == kParseError ? status : kParsed;
    }
    if (LooksAtWholeWord(context, TXT("EventFinder"))) {
        status = ExpectWord(context, TXT("EventFinder"), false);
        if (status == kParsed) status = ExpectWord(context, TXT("Search"), false);
        if (status != kParsed) return status;
        context.code.push_back(kOpEventFinderSearch);
        status = CompileClauseList(context, true,
                                   StatementClauseSet(StatementClauses::kEventFinderSearch));
        if (status == kParseError) return status;
        context.code.push_back(kOpClauseListEnd);
        return kParsed;
    }
    if (LooksAtWholeWord(context, TXT("Educator"))) {
        for (const Char* word : {TXT("Educator"), TXT("Set"), TXT("Position")}) {
            if ((status = ExpectWord(context, word, false)) != kParsed) return status;
        }
        int x = 0;
        int y = 0;
        if (!ReadIntegerWord(context, x)) return context.Fail(TXT("Invalid X position"));
        if (!context.scanner.AtChar(',')) return context.Fail(TXT("Expected a comma"));
        ++context.Position();
        if (!ReadIntegerWord(context, y)) return context.Fail(TXT("Invalid Y position"));
        context.code.push_back(kOpEducatorPosition);
        context.code.push_back(static_cast<CodeWord>(x));
        context.code.push_back(static_cast<CodeWord>(y));
        return kParsed;
    }
    String name;
    if ((status = CompileWindowName(context, name)) != kParsed) return status;
    if (!SkipBlanks(context)) return context.Fail(TXT("Expected space"));
    const WindowName* window = FindWindow(context, name);
    if (window == nullptr) return context.Fail(TXT("Window does not exist"), name.Text());
    context.code.push_back(kOpWithWindow);
    EmitString(context.code, name.Text());
    context.code.push_back(static_cast<CodeWord>(window->kind));
    return CompileWindowClauses(context, window->kind, true);
}

bool IsLineEnd(Char c) noexcept { return c == '\n' || c == '\r'; }


}  // namespace

int CompileStatement(CompilerContext& context) {
    if (context.scanner.AtChar('#')) {
        while (!context.scanner.AtEnd() && !IsLineEnd(context.Current())) ++context.Position();
        return kParsed;
    }
    context.code.push_back(kOpStatementStart);
    context.code.push_back(static_cast<CodeWord>(context.Position()));
    int status = kParseError;
    if (LooksAt(context, TXT("Open"))) {
        status = CompileOpen(context);
    } else if (LooksAt(context, TXT("Message"))) {
        status = CompileMessage(context);
    } else if (LooksAt(context, TXT("With"))) {
        status = CompileWith(context);
    } else if (LooksAt(context, TXT("Close"))) {
        status = CompileClose(context);
    } else {
        // The word is read, so the error stands where reading it ended.
        const String word = CommandWord(context);
        const bool quoted = context.Current() == '"';
        context.Position() += TextLength(word.Text()) + (quoted ? 1 : 0);
        if (quoted && context.Current() == '"') ++context.Position();
        return context.Fail(TXT("Unknown command"), word.Text());
    }
    if (status != kParsed) return kParseError;
    context.code.push_back(kOpStatementEnd);
    context.code.push_back(static_cast<CodeWord>(context.Position()));
    return kParsed;
}

void LineAndColumnOf(const Char* text, int offset, int& line, int& column) noexcept {
    line = 1;
    int lineStart = 0;
    for (int i = 0; i < offset && text[i] != 0; ++i) {
        if (text[i] == '\r' && text[i + 1] == '\n') continue;
        if (IsLineEnd(text[i])) {
            ++line;
            lineStart = i + 1;
        }
    }
    column = 1 + offset - lineStart;
}

ExpressionCompileOutcome CompileExpressionCode(const Char* text, ScriptCode& code,
                                               const ScriptCatalogue& catalogue,
                                               ExpressionMode mode, String& message,
                                               String& detail) {
    code.clear();
    CompilerContext context(text, code, catalogue);
    ExpressionCompileOutcome outcome;
    int status = mode == ExpressionMode::kSearch
                     ? CompileSearchRule(context, outcome.searchKind)
                     : CompileNumericRule(context, false);
    if (status == kParsed) status = ExpectToken(context, kTokenEnd, false);
    outcome.compiled = status == kParsed;
    outcome.errorOffset = outcome.compiled ? 0 : context.Position();
    outcome.crossingCount = context.crossingCount;
    message = context.message;
    detail = context.detail;
    return outcome;
}

ProgramCompileOutcome CompileProgramCode(const Char* text, ScriptCode& code,
                                         const ScriptCatalogue& catalogue, String& message,
                                         String& detail) {
    code.clear();
    CompilerContext context(text, code, catalogue);
    ProgramCompileOutcome outcome;
    for (;;) {
        SkipBlanks(context);
        if (context.scanner.AtEnd()) {
            outcome.compiled = true;
            break;
        }
        const int before = context.Position();
        if (CompileStatement(context) != kParsed) break;
        if (context.Position() == before) {
            context.Fail(TXT("Internal compiler error"));
            break;
        }
    }
    outcome.errorOffset = outcome.compiled ? 0 : context.Position();
    message = context.message;
    detail = context.detail;
    return outcome;
}

}  // namespace corvinata
