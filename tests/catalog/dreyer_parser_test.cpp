#include "catalog/dreyer_parser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "catalog/dreyer_english.h"
#include "catalog/dreyer_keywords.h"
#include "generated/deep_sky.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

struct Parsed {
    int result;
    DreyerNode node;
};

Parsed Parse(const std::string& text) {
    Parsed parsed{0, DreyerNode()};
    parsed.result = ParseDreyerDescription(Wide(text).c_str(), parsed.node);
    return parsed;
}

std::string English(const DreyerNode& node) {
    String text;
    DescribeDreyerNode(node, text);
    return Utf8(text);
}

// Texts that parse and the English they give: the grammar's own rules and
// the decisions on its open points, each on a description of the catalogue
// (the object is named beside it).
struct GrammarCase {
    const char* text;
    const char* english;
};

class DreyerGrammar : public testing::TestWithParam<GrammarCase> {};

TEST_P(DreyerGrammar, ParsesIntoTheEnglishOfItsItems) {
    const Parsed parsed = Parse(GetParam().text);
    ASSERT_EQ(parsed.result, kDreyerMatched) << GetParam().text;
    EXPECT_EQ(English(parsed.node), GetParam().english) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Rules, DreyerGrammar,
    testing::Values(
        GrammarCase{"vF, S, R, gbM", "very faint; small; round; gradually brighter in the middle"},
        GrammarCase{"pB pL", "pretty bright; pretty large"},
        GrammarCase{"  ", ""},
        GrammarCase{"vvmbM", "*very* much brighter in the middle"},
        GrammarCase{"bM, CM, E", "extended; brighter in the middle; compressed middle"},
        GrammarCase{"gbM, vF", "very faint; gradually brighter in the middle"},
        GrammarCase{"Cl?", "possibly a \"cluster\""},
        GrammarCase{"nebs?", "possibly nebulous"},
        GrammarCase{"in LMC", "in large magellanic cloud"},
        GrammarCase{"iE", "irregularly extended"},
        GrammarCase{"i E", "irregularly extended"},
        // NGC 224: the phrases in the writer's order, the identity last.
        GrammarCase{"!!! eeB, eL, vmE (Andromeda); = M31",
                    "magnificent; most extremely bright; extremely large; very much extended; "
                    "identical to M31"},
        // NGC 7814's neighbour: a cluster with stars of magnitude 9 and fainter.
        GrammarCase{"Cl, pRi, pC, st 9...",
                    "cluster; pretty rich in stars; pretty compressed; stars of magnitude 9.0 and "
                    "fainter"},
        // NGC 5805 / 5806: the place in a group.
        GrammarCase{"eF, S, R, sbM, stellar, sp of 2",
                    "extremely faint; small; round; suddenly brighter in the middle; stellar; south "
                    "preceding of 2"},
        // A lone mark says what the object is (IC 1 "D*"); a star with a
        // magnitude stands beside it (NGC 3968 "*10").
        GrammarCase{"D*", "double star"},
        GrammarCase{"pB, L, *10", "pretty bright; large"},
        // The adjectives written against a star's mark are the star's
        // (NGC 179 "B* np").
        GrammarCase{"eF, eS, R, B* np", "extremely faint; extremely small; round"},
        // "N = 12 m": "=" and the number together, "m" optional (IC 40, IC 91).
        GrammarCase{"F, S, R, gbMN = 13.5",
                    "faint; small; round; gradually brighter in the middle; nucleus magnitude 13.5"},
        GrammarCase{"F, S, r, N = 14m", "faint; small; nucleus magnitude 14.0; resolvable"},
        // "N" followed by "=" without a number leaves the "=" to the identity.
        GrammarCase{"pB, N; = 446", "pretty bright; nucleus present; identical to 446"},
        // "?" may follow any attribute (IC 5384 "E 160deg ; = 7813?").
        GrammarCase{"eF?, vS", "extremely faint; very small"},
        // Leading integers (NGC 7810, NGC 7815, IC 1559, IC 24).
        GrammarCase{"eF, 2 st 9 n 8'", "extremely faint"},
        GrammarCase{"F, S, lE, 7817 nf", "faint; small; a little extended"},
        GrammarCase{"S, Cl, 30\"-40', nebs?", "cluster; small; possibly nebulous"},
        GrammarCase{"vF, 14 m", "very faint; magnitude 14.0"},
        GrammarCase{"PN, stellar, 13 mag", "planetary nebula; stellar; magnitude 13.0"},
        // A doubt on its own (NGC 1360 "F, S, ?") and a diagonal written in
        // two halves ("E np sf").
        GrammarCase{"F, S, ?", "faint; small"},
        GrammarCase{"vF, E np sf", "very faint; extended north preceding, south following"},
        // Degrees alone after an elongation are the position angle of the long
        // axis (IC 5384 "E 160deg"); sizes are written in minutes and seconds.
        GrammarCase{"vF, E 160deg", "very faint; extended in position angle 160\u00b0"},
        GrammarCase{"mE 45deg +/-", "much extended in position angle about 45\u00b0"},
        GrammarCase{"E 0deg", "extended in position angle 0\u00b0"},
        GrammarCase{"E 2'", "extended by 2.0 minutes"},
        // Among and between (NGC 7812, NGC 7836, IC 1539). The stars'
        // adjectives are optional: when none follows, the cursor goes back to
        // where they would have started and "st" is read from there.
        GrammarCase{"vF, S, R, am st", "very faint; small; round; among stars"},
        GrammarCase{"eF, bet 2 st", "extremely faint; between 2 stars"},
        GrammarCase{"eF, bet 2 st 13", "extremely faint; between 2 stars of magnitude 13.0"},
        GrammarCase{"am 3 vF st", "among 3 very faint stars"},
        GrammarCase{"bet 2 vF st", "between 2 very faint stars"},
        // Several stars: what and where they are (NGC 6811 "sev vF st inv").
        GrammarCase{"Cl, sev vF st inv", "cluster; very faint stars involved"}));

// Texts that are no description: the whole text is refused and the node
// left empty.
TEST(DreyerGrammar, RefusesTextsThatAreNoDescription) {
    const char* const kInvalid[] = {
        "pB,",      // a separator without an item
        "in",       // "in" not followed by LMC
        "alm F",    // "alm" without R or stellar
        "v",        // "v" without an attribute
        "mag x",    // no number after "mag"
        "F, (open",  // an unclosed remark
        "vF, zzz",  // text left at the end
    };
    for (const char* text : kInvalid) {
        const Parsed parsed = Parse(text);
        EXPECT_EQ(parsed.result, kDreyerError) << text;
        EXPECT_EQ(English(parsed.node), "") << text;
    }
}

TEST(DreyerGrammar, LongerKeywordsWinOverTheirPrefixes) {
    const struct {
        const char* text;
        int brightMiddle;
        int elongation;
        bool irregularlyExtended;
    } kCases[] = {
        {"gbM", 12, -1, false}, {"vvmbM", 62, -1, false}, {"bM", 9, -1, false},
        {"iE", -1, 99, false},  {"i E", -1, 96, true},     {"vmE", -1, 104, false},
    };
    for (const auto& c : kCases) {
        const Parsed parsed = Parse(c.text);
        ASSERT_EQ(parsed.result, kDreyerMatched) << c.text;
        EXPECT_EQ(parsed.node.brightMiddle, c.brightMiddle) << c.text;
        EXPECT_EQ(parsed.node.elongation, c.elongation) << c.text;
        EXPECT_EQ(parsed.node.irregularlyExtended, c.irregularlyExtended) << c.text;
    }
}

TEST(DreyerGrammar, ACopiedNodeOwnsItsOwnChildren) {
    Parsed parsed = Parse("Cl?, am 3 vF st");
    ASSERT_EQ(parsed.result, kDreyerMatched);
    const DreyerNode copy = parsed.node;
    parsed.node.amongStars->faint = false;
    parsed.node.possibleClass.get()->objectClass = -1;
    EXPECT_EQ(English(copy), "possibly a \"cluster\"; among 3 very faint stars");
}

// Every description of the catalogue goes through the parser and the writer
// under the sanitizers. The English never holds two blanks in a row nor a
// blank before ";".
TEST(DreyerCatalogue, EveryDescriptionParsesOrIsRefusedCleanly) {
    int parsed = 0;
    for (const DeepSkyRecord& record : deep_sky_data::kDeepSkyRecords) {
        DreyerNode node;
        const int result = ParseDreyerDescription(record.description, node);
        ASSERT_TRUE(result == kDreyerMatched || result == kDreyerError) << Utf8(record.name);
        const std::string english = English(node);
        if (result != kDreyerMatched) {
            EXPECT_EQ(english, "") << Utf8(record.name);
            continue;
        }
        ++parsed;
        EXPECT_EQ(english.find("  "), std::string::npos) << Utf8(record.name) << ": " << english;
        EXPECT_EQ(english.find(" ;"), std::string::npos) << Utf8(record.name) << ": " << english;
        EXPECT_EQ(english.find("(error)"), std::string::npos) << Utf8(record.name) << ": " << english;
    }
    EXPECT_GE(parsed, 11500);
}

// Random texts over the grammar's own alphabet, and catalogue descriptions
// with characters dropped, doubled, replaced or cut off: the parser answers
// matched or error, leaves an empty node on error, and never reads past the
// terminator (the sanitizers watch the reads of the exactly sized copies).
TEST(DreyerFuzz, RandomAndMutatedTextsNeverBreakTheParser) {
    const std::string alphabet = "vFSBLRCEbMNnpsfilmegc*D?!.,;:=-+/()'\"0123456789 stNrdaoP";
    std::mt19937 random(20261206u);
    auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    for (int round = 0; round < 20000; ++round) {
        test::CharText text;
        if (round % 2 == 0) {
            const size_t length = pick(40);
            for (size_t i = 0; i < length; ++i) text += static_cast<Char>(alphabet[pick(alphabet.size())]);
        } else {
            const DeepSkyRecord& record = deep_sky_data::kDeepSkyRecords[pick(deep_sky_data::kDeepSkyRecordCount)];
            text = record.description;
            for (int edit = 0; edit < 3 && !text.empty(); ++edit) {
                const size_t at = pick(text.size());
                switch (pick(4)) {
                    case 0: text.erase(at, 1); break;
                    case 1: text.insert(at, 1, text[at]); break;
                    case 2: text[at] = static_cast<Char>(alphabet[pick(alphabet.size())]); break;
                    default: text.resize(at); break;
                }
            }
        }
        std::unique_ptr<Char[]> exact(new Char[text.size() + 1]);
        std::copy(text.begin(), text.end(), exact.get());
        exact[text.size()] = 0;
        DreyerNode node;
        const int result = ParseDreyerDescription(exact.get(), node);
        ASSERT_TRUE(result == kDreyerMatched || result == kDreyerError) << Utf8(exact.get());
        const std::string english = English(node);
        if (result == kDreyerError) {
            EXPECT_EQ(english, "") << Utf8(exact.get());
        }
    }
}

TEST(DreyerKeywords, TheTableKeepsItsIdentifiers) {
    const struct {
        int id;
        const char* text;
    } kCases[] = {{0, "alm"}, {9, "bM"}, {62, "vvmbM"}, {91, ""}, {154, "n/a"}, {163, "*"},
                  {170, "+/-"}, {204, "?"}, {205, ""}, {-1, ""}};
    for (const auto& c : kCases) EXPECT_EQ(Utf8(DreyerKeywordText(c.id)), c.text) << c.id;
}

}  // namespace
}  // namespace corvinata
