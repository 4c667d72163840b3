#include <gtest/gtest.h>

#include "fake_script_catalogue.h"
#include "script/script_code.h"
#include "script/script_compiler.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

// Names pasted into expressions by the program come in double quotes: the
// quoted form reads the same body, and no text inside the quotes can turn
// into operators.
TEST(QuotedBodyName, ReadsTheSameBodyAndNothingMore) {
    const test::FakeScriptCatalogue catalogue;
    const auto compile = [&](const Char* text, ScriptCode& code) {
        String message;
        String detail;
        return CompileExpressionCode(text, code, catalogue, ExpressionMode::kNumeric, message, detail)
            .compiled;
    };
    const struct Case {
        const Char* quoted;
        const Char* plain;  // none: the quoted text must not compile
    } cases[] = {
        {TXT("\"Moon\".Rise(lct)"), TXT("Moon.Rise(lct)")},
        {TXT("\"Ursa Maior\".Lon(ecl)"), TXT("Ursa Maior.Lon(ecl)")},
        {TXT("\"Andromeda Galaxy\".Rise(lct)"), TXT("Andromeda Galaxy.Rise(lct)")},
        {TXT("\"Sun.Mag() + Moon\".Rise(lct)"), nullptr},
        {TXT("\"Moon\" .Rise(lct)"), nullptr},
        {TXT("\"Moon.Rise(lct)"), nullptr},
    };
    for (const Case& c : cases) {
        ScriptCode quoted;
        const bool compiled = compile(c.quoted, quoted);
        EXPECT_EQ(compiled, c.plain != nullptr) << test::Utf8(c.quoted);
        if (c.plain == nullptr || !compiled) continue;
        ScriptCode plain;
        ASSERT_TRUE(compile(c.plain, plain));
        EXPECT_EQ(quoted, plain) << test::Utf8(c.quoted);
    }
}

}  // namespace
}  // namespace corvinata
