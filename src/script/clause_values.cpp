#include "script/clause_values.h"

#include "catalog/celestial_object.h"
#include "base/text_scanner.h"
#include "script/body_lookup.h"
#include "script/script_compiler.h"
#include "script/script_lexer.h"

namespace corvinata {

int ReadSwitchValue(CompilerContext& context) {
    if (ReadOnOff(context, context.values.switchValue) != kParsed) {
        return context.Fail(TXT("Expected text"), TXT("'on' or 'off'"));
    }
    return kParsed;
}

int ReadChoiceValue(CompilerContext& context, const WordChoice& choice) {
    const int start = context.Position();
    String word;
    if (ReadWord(context, word)) {
        for (int i = 0; i < choice.count; ++i) {
            if (TextEqualsNoCase(word.Text(), choice.words[i])) {
                context.values.index = i;
                return kParsed;
            }
        }
    }
    context.Position() = start;
    return context.Fail(choice.message);
}

int ReadDateClauseValue(CompilerContext& context) {
    if (!ReadDateValue(context, context.values.date)) return context.Fail(TXT("Invalid date"));
    return kParsed;
}

int ReadTimeClauseValue(CompilerContext& context) {
    if (!ReadTimeValue(context, context.values.hours)) return context.Fail(TXT("Invalid time"));
    return kParsed;
}

int ReadTimeZoneClauseValue(CompilerContext& context) {
    if (!ReadTimeZoneValue(context, context.values.timeZone)) {
        return context.Fail(TXT("Invalid time zone"));
    }
    return kParsed;
}

int ReadLatitudeClauseValue(CompilerContext& context) {
    if (!ReadLatitudeValue(context, context.values.latitude)) {
        return context.Fail(TXT("Invalid latitude"));
    }
    return kParsed;
}

int ReadLongitudeClauseValue(CompilerContext& context) {
    if (!ReadLongitudeValue(context, context.values.longitude)) {
        return context.Fail(TXT("Invalid longitude"));
    }
    return kParsed;
}

int ReadStepClauseValue(CompilerContext& context, const Char* message) {
    if (!ReadTimeStepValue(context, context.values.step)) return context.Fail(message);
    return kParsed;
}


int ReadPositionValue(CompilerContext& context) {
    if (!ReadIntegerWord(context, context.values.x)) return context.Fail(TXT("Invalid X position"));
    if (!context.scanner.AtChar(',')) return context.Fail(TXT("Expected a comma"));
    ++context.Position();
    if (!ReadIntegerWord(context, context.values.y)) return context.Fail(TXT("Invalid Y position"));
    return kParsed;
}

int ReadPlanetName(CompilerContext& context, bool allowEarth) {
    const int start = context.Position();
    String word;
    if (ReadWord(context, word)) {
        const ScriptCatalogue& catalogue = context.catalogue;
        const int count = catalogue.ObjectCount(kBodyPlanet);
        for (int number = 0; number < count; ++number) {
            if (catalogue.HasName(kBodyPlanet, number, kKeyNameSystem, word.Text())) {
                context.values.body = {kBodyPlanet, number};
                return kParsed;
            }
        }
        if (allowEarth && TextEqualsNoCase(word.Text(), TXT("Earth"))) {
            context.values.body = {kBodyEarth, 0};
            return kParsed;
        }
    }
    context.Position() = start;
    return context.Fail(TXT("Invalid planet name"));
}

int ReadMoonName(CompilerContext& context, bool optional) {
    const bool jovian = context.explorerKind == kScriptJupiter;
    const int bodyType = jovian ? kBodyJupiterSatellite : kBodySaturnSatellite;
    const int count = context.catalogue.ObjectCount(bodyType);
    for (int number = 0; number < count; ++number) {
        const Char* name = context.catalogue.KeyName(bodyType, number);
        if (name != nullptr && name[0] != 0 && context.scanner.Matches(name)) {
            context.Position() += TextLength(name);
            context.values.body = {bodyType, number};
            return kParsed;
        }
    }
    if (optional) return kNotPresent;
    return context.Fail(jovian ? TXT("Invalid Jovian moon name") : TXT("Invalid Saturnian moon name"));
}

int ReadBodyNameValue(CompilerContext& context, const Char* message) {
    const int start = context.Position();
    String name;
    const int status = ReadQuotedOrUnquotedString(context, name);
    if (status != kParsed) return status;
    BodyRef body;
    if (TextEqualsNoCase(name.Text(), TXT("Earth")) ||
        !FindBodyByName(context.catalogue, name.Text(), body)) {
        context.Position() = start;
        return context.Fail(message);
    }
    context.values.body = body;
    return kParsed;
}

int ReadCodeValue(CompilerContext& context, bool search) {
    String source;
    int status = ReadQuotedString(context, source, false);
    if (status != kParsed) return status;
    ScriptCode scratch;
    String message;
    String detail;
    const ExpressionCompileOutcome outcome =
        CompileExpressionCode(source.Text(), scratch, context.catalogue,
                              search ? ExpressionMode::kSearch : ExpressionMode::kNumeric,
                              message, detail);
    if (!outcome.compiled) {
        // Point at the error inside the quotes: find the segment that holds it.
        int position = context.Position();
        for (const CompilerContext::Segment& segment : context.quotedSegments) {
            if (outcome.errorOffset >= segment.textStart) {
                position = segment.sourceStart + outcome.errorOffset - segment.textStart;
            }
        }
        if (position > context.length) position = context.length;
        context.Position() = position;
        return context.Fail(message.Text(), detail.Text());
    }
    context.values.text = source;
    return kParsed;
}

}  // namespace corvinata
