#include "script/expression_rules.h"

#include "base/number_text.h"
#include "catalog/body_function_keywords.h"
#include "catalog/event_kinds.h"
#include "script/body_lookup.h"
#include "script/script_lexer.h"

namespace corvinata {

namespace {

struct ChoiceToken {
    int token;
    int value;
};

constexpr ChoiceToken kTimeSystems[] = {{kTokenGmt, 0}, {kTokenUt, 0}, {kTokenGst, 1},
                                        {kTokenLct, 2}, {kTokenLst, 3}};
constexpr ChoiceToken kCoordinateSystems[] = {
    {kTokenEqu, 0}, {kTokenEcl, 1}, {kTokenHor, 2}, {kTokenGal, 3}};
constexpr ChoiceToken kDistanceUnits[] = {{kTokenAu, 2}, {kTokenKm, 0}, {kTokenMi, 1}};

struct ResultKindName {
    const Char* name;
    int kind;
};
constexpr ResultKindName kResultKindNames[] = {
    {TXT("Angle360"), 0}, {TXT("Angle90"), 1}, {TXT("Angle180"), 2},
    {TXT("Mag"), 3}, {TXT("Phase"), 4}, {TXT("Constellation"), 5},
    {TXT("Zodiac"), 6}, {TXT("Direction"), 7}, {TXT("Scalar"), 8},
};

template <std::size_t N>
int ReadChoice(CompilerContext& context, const ChoiceToken (&choices)[N], const Char* message,
               int& value) {
    for (const ChoiceToken& choice : choices) {
        if (ExpectToken(context, choice.token, true, true) == kParsed) {
            value = choice.value;
            return kParsed;
        }
    }
    return context.Fail(message);
}

int ReadParameter(CompilerContext& context, FunctionParameter kind, int& parameter) {
    switch (kind) {
        case FunctionParameter::kTimeSystem:
            return ReadChoice(context, kTimeSystems, TXT("Invalid time system"), parameter);
        case FunctionParameter::kCoordinateSystem:
            return ReadChoice(context, kCoordinateSystems, TXT("Invalid coordinate system"),
                              parameter);
        case FunctionParameter::kDistanceUnit:
            return ReadChoice(context, kDistanceUnits, TXT("Invalid distance system"), parameter);
        case FunctionParameter::kNone: break;
    }
    parameter = -1;
    return kParsed;
}

// Keeps the recursion of one compilation within kMaxExpressionDepth.
class DepthGuard {
public:
    explicit DepthGuard(CompilerContext& context) noexcept : context_(context) {
        ++context_.depth;
    }
    ~DepthGuard() { --context_.depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool TooDeep() const noexcept { return context_.depth > kMaxExpressionDepth; }

private:
    CompilerContext& context_;
};

int Expect(CompilerContext& context, int token) { return ExpectToken(context, token, false); }

// "(" expression ")" after a function word; `emitParentheses` writes them.
int CompileParenthesised(CompilerContext& context, int count, bool emitParentheses) {
    int status = Expect(context, kTokenOpen);
    if (status != kParsed) return status;
    if (emitParentheses) context.code.push_back(kWordOpen);
    for (int i = 0; i < count; ++i) {
        if (i > 0 && (status = Expect(context, kTokenComma)) != kParsed) return status;
        if ((status = CompileNumericRule(context, false)) != kParsed) return status;
    }
    if ((status = Expect(context, kTokenClose)) != kParsed) return status;
    if (emitParentheses) context.code.push_back(kWordClose);
    return kParsed;
}

// keyword "(" expression "," parameter ")".
int CompileConversion(CompilerContext& context, FunctionParameter kind) {
    int status = Expect(context, kTokenOpen);
    if (status == kParsed) status = CompileNumericRule(context, false);
    if (status == kParsed) status = Expect(context, kTokenComma);
    int parameter = -1;
    if (status == kParsed) status = ReadParameter(context, kind, parameter);
    if (status == kParsed) status = Expect(context, kTokenClose);
    if (status == kParsed) context.code.push_back(static_cast<CodeWord>(parameter));
    return status;
}

bool StartsNumber(const Char* p) noexcept {
    if (*p == '+' || *p == '-') ++p;
    if (*p == '.') ++p;
    return IsDigitChar(*p);
}

int CompileNumber(CompilerContext& context) {
    const Char* here = context.Here();
    if (!StartsNumber(here)) return kNotPresent;
    double value = 0.0;
    int used = 0;
    if (!ParseDouble(here, value, &used)) return context.Fail(TXT("Invalid number"));
    context.Position() += used;
    context.code.push_back(kWordNumber);
    EmitDouble(context.code, value);
    return kParsed;
}

int CompileBodyFunctionCall(CompilerContext& context) {
    int start = context.Position();
    int dot = start;
    // A name in double quotes may hold dots and blanks; the dot follows the
    // closing quote.
    const bool quoted = context.text[start] == '"';
    if (quoted) {
        ++start;
        dot = start;
        while (context.text[dot] != 0 && context.text[dot] != '"') ++dot;
        if (context.text[dot] == 0 || context.text[dot + 1] != '.') return kNotPresent;
    } else {
        while (context.text[dot] != 0 && context.text[dot] != '.') ++dot;
        if (context.text[dot] == 0) return kNotPresent;
    }
    const int nameLength = dot - start;
    // A longer text names no body; it is never copied.
    if (nameLength > kMaxBodyNameLength) return kNotPresent;
    Char name[kMaxBodyNameLength + 1];
    for (int i = 0; i < nameLength; ++i) name[i] = context.text[start + i];
    name[nameLength] = 0;
    BodyRef body;
    if (!FindBodyByName(context.catalogue, name, body)) return kNotPresent;
    context.Position() = dot + (quoted ? 2 : 1);
    std::uint32_t id = 0;
    int status = ReadBodyFunctionKeyword(context, body.type, true, id);
    if (status != kParsed) return status;
    const FunctionParameter kind = ParameterOfQuantityKind(FunctionQuantityKind(id));
    int parameter = -1;
    status = Expect(context, kTokenOpen);
    if (status == kParsed) status = ReadParameter(context, kind, parameter);
    if (status == kParsed) status = Expect(context, kTokenClose);
    if (status != kParsed) return status;
    context.code.push_back(kWordBodyFunction);
    EmitBody(context.code, body.type, body.number);
    context.code.push_back(id);
    context.code.push_back(static_cast<CodeWord>(parameter));
    return kParsed;
}

bool Optional(CompilerContext& context, int token) {
    return ExpectToken(context, token, true, true) == kParsed;
}

int CompileFactor(CompilerContext& context) {
    DepthGuard guard(context);
    if (guard.TooDeep()) return context.Fail(TXT("Expression nested too deeply"));
    if (Optional(context, kTokenOpen)) {
        context.code.push_back(kWordOpen);
        int status = CompileNumericRule(context, false);
        if (status == kParsed) status = Expect(context, kTokenClose);
        if (status == kParsed) context.code.push_back(kWordClose);
        return status;
    }
    if (Optional(context, kTokenTime)) {
        context.code.push_back(kWordTime);
        return CompileConversion(context, FunctionParameter::kTimeSystem);
    }
    if (Optional(context, kTokenDistance)) {
        context.code.push_back(kWordDistance);
        return CompileConversion(context, FunctionParameter::kDistanceUnit);
    }
    for (const int token : {kTokenLon, kTokenLat}) {
        if (Optional(context, token)) {
            context.code.push_back(kWordLonLat);
            context.code.push_back(token == kTokenLon ? 1 : 0);
            return CompileConversion(context, FunctionParameter::kCoordinateSystem);
        }
    }
    for (const ResultKindName& cast : kResultKindNames) {
        const int length = TextLength(cast.name);
        if (context.scanner.Matches(cast.name) && !IsWordChar(context.Here()[length])) {
            context.Position() += length;
            context.code.push_back(kWordCast);
            const int status = CompileParenthesised(context, 1, false);
            if (status == kParsed) context.code.push_back(static_cast<CodeWord>(cast.kind));
            return status;
        }
    }
    int status = CompileNumber(context);
    if (status != kNotPresent) return status;
    if (Optional(context, kTokenAbs)) {
        context.code.push_back(kWordAbs);
        return CompileParenthesised(context, 1, true);
    }
    struct AngleFunction {
        int token;
        CodeWord word;
        int operands;
    };
    constexpr AngleFunction kAngleFunctions[] = {
        {kTokenAngleDiff360, kWordAngleDiff360, 2},
        {kTokenAngleDiff, kWordAngleDiff, 2},
        {kTokenAngleSum, kWordAngleSum, 2},
        {kTokenAngleDist, kWordAngleDist, 4},
    };
    for (const AngleFunction& function : kAngleFunctions) {
        if (Optional(context, function.token)) {
            context.code.push_back(function.word);
            return CompileParenthesised(context, function.operands, true);
        }
    }
    return CompileBodyFunctionCall(context);
}

// factor { ("*" | "/") factor }; an absent first factor is left to the caller.
int CompileTerm(CompilerContext& context) {
    int status = CompileFactor(context);
    if (status != kParsed) return status;
    for (;;) {
        CodeWord op = 0;
        if (Optional(context, kTokenTimes)) {
            op = kWordTimes;
        } else if (Optional(context, kTokenDivide)) {
            op = kWordDivide;
        } else {
            return kParsed;
        }
        context.code.push_back(op);
        status = CompileFactor(context);
        if (status == kNotPresent) {
            return context.Fail(TXT("Invalid factor for multiplication/division"));
        }
        if (status != kParsed) return status;
    }
}

int CompileOrRule(CompilerContext& context, bool optional);

int CompileComparison(CompilerContext& context) {
    int status = CompileNumericRule(context, true);
    if (status != kParsed) return status;
    struct Comparison {
        int token;
        CodeWord word;
    };
    constexpr Comparison kComparisons[] = {
        {kTokenCrossesUp, kWordCrossesUp},   {kTokenGreaterEqual, kWordGreaterEqual},
        {kTokenGreater, kWordGreater},       {kTokenCrossesDown, kWordCrossesDown},
        {kTokenLessEqual, kWordLessEqual},   {kTokenLess, kWordLess},
    };
    const Comparison* found = nullptr;
    for (const Comparison& comparison : kComparisons) {
        if (Optional(context, comparison.token)) {
            found = &comparison;
            break;
        }
    }
    if (found == nullptr) return context.Fail(TXT("Expected a comparison operator"));
    if (found->word == kWordCrossesUp || found->word == kWordCrossesDown) ++context.crossingCount;
    context.code.push_back(found->word);
    return CompileNumericRule(context, false);
}

int CompileBooleanFactor(CompilerContext& context) {
    DepthGuard guard(context);
    if (guard.TooDeep()) return context.Fail(TXT("Expression nested too deeply"));
    if (Optional(context, kTokenTrue)) {
        context.code.push_back(kWordTrue);
        return kParsed;
    }
    if (Optional(context, kTokenFalse)) {
        context.code.push_back(kWordFalse);
        return kParsed;
    }
    if (Optional(context, kTokenNot)) {
        context.code.push_back(kWordNot);
        int status = Expect(context, kTokenOpen);
        if (status != kParsed) return status;
        context.code.push_back(kWordOpen);
        if ((status = CompileOrRule(context, false)) != kParsed) return status;
        if ((status = Expect(context, kTokenClose)) != kParsed) return status;
        context.code.push_back(kWordClose);
        return kParsed;
    }
    if (Optional(context, kTokenIsValid)) {
        context.code.push_back(kWordIsValid);
        return CompileParenthesised(context, 1, false);
    }
    if (Optional(context, kTokenOpen)) {
        context.code.push_back(kWordOpen);
        int status = CompileOrRule(context, false);
        if (status == kParsed) status = Expect(context, kTokenClose);
        if (status == kParsed) context.code.push_back(kWordClose);
        return status;
    }
    return CompileComparison(context);
}

int CompileAndRule(CompilerContext& context, bool optional) {
    int status = CompileBooleanFactor(context);
    if (status == kNotPresent && !optional) {
        return context.Fail(TXT("Invalid factor in boolean expression"));
    }
    while (status == kParsed && Optional(context, kTokenAnd)) {
        context.code.push_back(kWordAnd);
        status = CompileBooleanFactor(context);
        if (status == kNotPresent) return context.Fail(TXT("Invalid factor in boolean expression"));
    }
    return status;
}

int CompileOrRule(CompilerContext& context, bool optional) {
    int status = CompileAndRule(context, true);
    if (status == kNotPresent && !optional) {
        return context.Fail(TXT("Invalid conjunction in boolean expression"));
    }
    while (status == kParsed && Optional(context, kTokenOr)) {
        context.code.push_back(kWordOr);
        status = CompileAndRule(context, true);
        if (status == kNotPresent) {
            return context.Fail(TXT("Invalid conjunction in boolean expression"));
        }
    }
    return status;
}

}  // namespace

int ReadBodyFunctionKeyword(CompilerContext& context, int bodyType, bool wholeWord,
                            std::uint32_t& id) {
    id = kNoBodyFunction;
    int length = 0;
    for (const BodyFunctionKeyword& entry : kBodyFunctionKeywords) {
        const int n = TextLength(entry.keyword);
        if (context.scanner.Matches(entry.keyword) &&
            !(wholeWord && IsWordChar(context.Here()[n]))) {
            id = entry.id;
            length = n;
            break;
        }
    }
    if (id == kNoBodyFunction || !context.catalogue.ListsFunction(bodyType, id)) {
        return context.Fail(TXT("Expected a body function"));
    }
    context.Position() += length;
    return kParsed;
}

int CompileNumericRule(CompilerContext& context, bool optional) {
    int status = CompileTerm(context);
    if (status == kNotPresent) {
        return optional ? kNotPresent : context.Fail(TXT("Invalid term in expression"));
    }
    while (status == kParsed) {
        CodeWord op = 0;
        if (Optional(context, kTokenPlus)) {
            op = kWordPlus;
        } else if (Optional(context, kTokenMinus)) {
            op = kWordMinus;
        } else {
            break;
        }
        context.code.push_back(op);
        status = CompileTerm(context);
        if (status == kNotPresent) return context.Fail(TXT("Invalid term for addition/subtraction"));
    }
    return status;
}

int CompileSearchRule(CompilerContext& context, int& kind) {
    for (const int token : {kTokenMin, kTokenMax}) {
        if (Optional(context, token)) {
            kind = token == kTokenMin ? kSearchMin : kSearchMax;
            return CompileParenthesised(context, 1, false);
        }
    }
    kind = kSearchCondition;
    const int status = CompileOrRule(context, true);
    if (status == kNotPresent) return context.Fail(TXT("Invalid search expression"));
    return status;
}

}  // namespace corvinata
