#include "catalog/dreyer_english.h"

#include <cmath>
#include <initializer_list>
#include <string>

#include "base/text_format.h"
#include "catalog/dreyer_keywords.h"

namespace corvinata {

namespace {

constexpr const Char* kError = TXT("(error)");

struct DegreeWord {
    const Char* abbreviation;
    const Char* word;
};

constexpr DegreeWord kDegreeWords[] = {
    {TXT("l"), TXT("a little")},       {TXT("p"), TXT("pretty")},
    {TXT("m"), TXT("much")},           {TXT("pm"), TXT("pretty much")},
    {TXT("c"), TXT("considerably")},   {TXT("v"), TXT("very")},
    {TXT("vm"), TXT("very much")},     {TXT("vv"), TXT("*very*")},
    {TXT("e"), TXT("extremely")},      {TXT("ee"), TXT("most extremely")},
    {TXT("eee"), TXT("*most* extremely")}, {TXT("vl"), TXT("very little")},
};

// How much brighter the middle is, for identifiers 9..62 (bM .. vvmbM).
constexpr const Char* kBrightMiddlePhrases[] = {
    TXT(""), TXT("considerably"), TXT("extremely suddenly"), TXT("gradually"),
    TXT("gradually a little"), TXT("gradually much"), TXT("gradually pretty much"),
    TXT("gradually, pretty suddenly"), TXT("gradually, pretty suddenly much"),
    TXT("gradually, suddenly"),
    // 19
    TXT("gradually, suddenly much"), TXT("gradually, suddenly very much"),
    TXT("gradually very little"), TXT("gradually very much"), TXT("a little"), TXT("much"),
    TXT("pretty"), TXT("pretty gradually"), TXT("pretty gradually a little"),
    TXT("pretty gradually much"),
    // 29
    TXT("pretty gradually pretty much"), TXT("pretty gradually very little"),
    TXT("pretty gradually very much"), TXT("pretty much"), TXT("pretty suddenly"),
    TXT("pretty suddenly a little"), TXT("pretty suddenly much"),
    TXT("pretty suddenly pretty much"), TXT("pretty suddenly very little"),
    TXT("pretty suddenly very much"),
    // 39
    TXT("suddenly"), TXT("suddenly a little"), TXT("suddenly much"),
    TXT("suddenly pretty much"), TXT("suddenly very little"), TXT("suddenly very much"),
    TXT("very"), TXT("very gradually"), TXT("very gradually a little"),
    TXT("very gradually much"),
    // 49
    TXT("very gradually, pretty suddenly much"), TXT("very gradually pretty much"),
    TXT("very gradually very little"), TXT("very gradually very much"),
    TXT("very gradually, very suddenly"), TXT("very gradually, very suddenly much"),
    TXT("very little"), TXT("very much"), TXT("very suddenly"), TXT("very suddenly much"),
    // 59
    TXT("very suddenly very much"), TXT("very suddenly *very*"), TXT("*very* little"),
    TXT("*very* much"),
};
static_assert(sizeof(kBrightMiddlePhrases) / sizeof(kBrightMiddlePhrases[0]) == 62 - 9 + 1,
              "one phrase per identifier 9..62");

// How compressed the middle is, for identifiers 63..77 (CM .. vmCM).
constexpr const Char* kCompressedMiddlePhrases[] = {
    TXT(""), TXT("extremely"), TXT("extremely irregularly"), TXT("gradually extremely"),
    TXT("gradually much"), TXT("gradually pretty much"), TXT("gradually very much"),
    TXT("a little"), TXT("much"), TXT("pretty"), TXT("pretty much"), TXT("very"),
    TXT("very gradually extremely"), TXT("very little"), TXT("very much"),
};

// How extended the object is, for identifiers 96..110 (E .. pmE).
constexpr const Char* kElongationPrefixes[] = {
    TXT(""), TXT("considerably"), TXT("a little"), TXT("irregularly"),
    TXT("irregularly a little"), TXT("very little"), TXT("very much irregularly"), TXT("much"),
    TXT("very much"), TXT("extremely"), TXT("*very* much"), TXT("very"),
    TXT("very irregularly"), TXT("pretty"), TXT("pretty much"),
};

struct KeywordPhrase {
    int keyword;
    const Char* phrase;
};

constexpr KeywordPhrase kDirectionPhrases[] = {
    {kDkNpsf, TXT("north preceding, south following")},
    {kDkSpnf, TXT("south preceding, north following")},
    {kDkNorthSouth, TXT("north-south")},
    {kDkPrecedingFollowing, TXT("preceding-following")},
};

constexpr KeywordPhrase kPositionWords[] = {
    {kDkPreceding, TXT("preceding")},         {kDkFollowing, TXT("following")},
    {kDkNorthPreceding, TXT("north preceding")}, {kDkNorthFollowing, TXT("north following")},
    {kDkSouthPreceding, TXT("south preceding")}, {kDkSouthFollowing, TXT("south following")},
    {kDkNorth, TXT("north")},                 {kDkSouth, TXT("south")},
    {kDkLast, TXT("last")},
};

constexpr KeywordPhrase kClassWords[] = {
    {kDkCluster, TXT("cluster")},
    {kDkGlobularCluster, TXT("globular cluster")},
    {kDkPlanetaryNebula, TXT("planetary nebula")},
    {kDkNebula, TXT("nebula")},
    {kDkStar, TXT("star")},
    {kDkThreeStars, TXT("triple star")},
};

constexpr KeywordPhrase kRemarkableWords[] = {
    {kDkRemarkable, TXT("remarkable")},
    {kDkVeryRemarkable, TXT("very remarkable")},
    {kDkMagnificent, TXT("magnificent")},
};

constexpr KeywordPhrase kResolvabilityWords[] = {
    {kDkEasilyResolvable, TXT("easily resolvable")},
    {kDkResolvable, TXT("resolvable")},
    {kDkPartiallyResolved, TXT("partially resolved")},
    {kDkWellResolved, TXT("well resolved")},
};

constexpr KeywordPhrase kExistenceWords[] = {
    {kDkNonexistent, TXT("nonexistent")},
    {kDkSusp, TXT("suspected")},
    {kDkSuspected, TXT("suspected")},
};

constexpr const Char* kOrdinals[] = {TXT("1st"), TXT("2nd"), TXT("3rd"), TXT("4th"),
                                     TXT("5th"), TXT("6th"), TXT("7th"), TXT("8th"),
                                     TXT("9th")};

template <size_t N>
const Char* PhraseOf(const KeywordPhrase (&table)[N], int keyword) noexcept {
    for (const KeywordPhrase& entry : table) {
        if (entry.keyword == keyword) return entry.phrase;
    }
    return kError;
}

template <size_t N>
const Char* PhraseInRange(const Char* const (&table)[N], int first, int keyword) noexcept {
    const int index = keyword - first;
    return index >= 0 && index < static_cast<int>(N) ? table[index] : kError;
}

const Char* DegreeWordOf(const String& abbreviation) noexcept {
    if (abbreviation.IsEmpty()) return TXT("");
    for (const DegreeWord& entry : kDegreeWords) {
        if (TextEquals(entry.abbreviation, abbreviation.Text())) return entry.word;
    }
    return kError;
}

using Text = std::basic_string<Char>;

// A phrase built word by word: every non-empty word is set apart from the
// one before by a single blank, and white space inside a word is folded, so
// no phrase holds two blanks in a row or ends in one.
class Phrase {
public:
    Phrase& Word(const Char* word) {
        for (const Char* c = word; *c; ++c) {
            if (IsSpaceChar(*c)) {
                pendingBlank_ = !text_.empty();
                continue;
            }
            if (pendingBlank_) text_ += Char(' ');
            pendingBlank_ = false;
            text_ += *c;
        }
        pendingBlank_ = !text_.empty();
        return *this;
    }
    Phrase& Word(const Text& word) { return Word(word.c_str()); }
    Phrase& Word(const String& word) { return Word(word.Text()); }
    // Text joined to the previous word without a blank ("cluster\"").
    Phrase& Glued(const Char* text) {
        pendingBlank_ = false;
        return Word(text);
    }
    Phrase& Glued(const Text& text) { return Glued(text.c_str()); }
    Phrase& Number(double value) {
        String digits;
        return Word(FormatDouble(value, 1, digits, false));
    }
    // An angle in whole degrees with the degree sign, a fraction with one
    // decimal.
    Phrase& Degrees(double value) {
        String digits;
        if (value == std::floor(value)) {
            Word(StringFromInteger(static_cast<int>(value), 0, digits, true, ' '));
        } else {
            Word(FormatDouble(value, 1, digits, false));
        }
        return Glued(TXT("\u00b0"));
    }
    Phrase& Count(int value) {
        String digits;
        return Word(StringFromInteger(value, 0, digits, true, ' '));
    }
    const Text& Get() const noexcept { return text_; }

private:
    Text text_;
    bool pendingBlank_ = false;
};

// The phrases of one node, joined by "; ".
class Writer {
public:
    void Add(const Phrase& phrase) {
        if (phrase.Get().empty()) return;
        if (!text_.empty()) text_ += TXT("; ");
        text_ += phrase.Get();
    }
    const Text& Get() const noexcept { return text_; }

private:
    Text text_;
};

Text EnglishOf(const DreyerNode& node);

Phrase Graded(const String& degree, std::initializer_list<const Char*> attributes) {
    Phrase phrase;
    phrase.Word(DegreeWordOf(degree));
    for (const Char* attribute : attributes) phrase.Word(attribute);
    return phrase;
}

Phrase ClassPhrase(const DreyerNode& node) {
    Phrase phrase;
    if (node.possibleClass) {
        phrase.Word(TXT("possibly a \"")).Glued(EnglishOf(*node.possibleClass)).Glued(TXT("\""));
        return phrase;
    }
    if (node.objectClass == -1) return phrase;
    const Char* word = PhraseOf(kClassWords, node.objectClass);
    if (word == kError) return Phrase().Word(kError);
    if (node.doubleObject) phrase.Word(TXT("double"));
    return phrase.Word(word);
}

Phrase ElongationPhrase(const DreyerNode& node) {
    Phrase phrase;
    const Char* prefix = PhraseInRange(kElongationPrefixes, kDkExtended, node.elongation);
    if (prefix == kError) return phrase.Word(kError);
    if (node.irregularlyExtended) phrase.Word(TXT("irregularly"));
    phrase.Word(prefix).Word(TXT("extended"));
    if (node.elongationDirection != -1) {
        phrase.Word(PhraseOf(kDirectionPhrases, node.elongationDirection));
    }
    if (node.positionAngle != kNoPositionAngle) {
        phrase.Word(TXT("in position angle"));
        if (node.extentApproximate) phrase.Word(TXT("about"));
        phrase.Degrees(node.positionAngle);
    } else if (node.extentDegrees != 0.0 || node.extentMinutes != 0.0 ||
               node.extentSeconds != 0.0) {
        phrase.Word(TXT("by"));
        if (node.extentApproximate) phrase.Word(TXT("about"));
        if (node.extentDegrees != 0.0) phrase.Number(node.extentDegrees).Word(TXT("degrees"));
        if (node.extentMinutes != 0.0) phrase.Number(node.extentMinutes).Word(TXT("minutes"));
        if (node.extentSeconds != 0.0) phrase.Number(node.extentSeconds).Word(TXT("seconds"));
    }
    return phrase;
}

Phrase NucleusPhrase(const DreyerNode& node) {
    Phrase phrase;
    if (!node.nucleus) return phrase;
    if (node.nucleusMagnitude != kNoDreyerMagnitude) {
        return phrase.Word(TXT("nucleus magnitude")).Number(node.nucleusMagnitude);
    }
    if (node.stellarNucleus) {
        if (node.almostStellarNucleus) phrase.Word(TXT("almost"));
        return phrase.Word(TXT("stellar nucleus"));
    }
    if (node.roundNucleus) {
        if (node.almostRoundNucleus) phrase.Word(TXT("almost"));
        return phrase.Word(TXT("round nucleus"));
    }
    return phrase.Word(TXT("nucleus present"));
}

Phrase OrdinalPhrase(const DreyerNode& node) {
    Phrase phrase;
    if (node.ordinal >= 1 && node.ordinal <= 9) {
        phrase.Word(kOrdinals[node.ordinal - 1]);
    } else if (node.ordinalPosition != -1) {
        phrase.Word(PhraseOf(kPositionWords, node.ordinalPosition));
    } else {
        return phrase;
    }
    phrase.Word(TXT("of"));
    if (node.ordinalOfDoubleNebula) return phrase.Word(TXT("a double nebula"));
    if (node.ordinalOfSeveral) return phrase.Word(TXT("several"));
    if (node.ordinalOfCount > 0) return phrase.Count(node.ordinalOfCount);
    return phrase.Word(kError);
}

Phrase StarsPhrase(const DreyerNode& node) {
    Phrase phrase;
    if (!node.stars) return phrase;
    if (node.starsDescription) phrase.Word(EnglishOf(*node.starsDescription));
    phrase.Word(TXT("stars"));
    if (node.starsNear) phrase.Word(TXT("near"));
    if (node.starsInvolved) phrase.Word(TXT("involved"));
    if (node.starsScattered) phrase.Word(TXT("scattered"));
    if (node.starMagnitude != kNoDreyerMagnitude) {
        phrase.Word(TXT("of magnitude")).Number(node.starMagnitude);
        if (node.starMagnitudeTo != kNoDreyerMagnitude) {
            phrase.Word(TXT("to")).Number(node.starMagnitudeTo);
        }
        if (node.starsAndFainter) phrase.Word(TXT("and fainter"));
    }
    return phrase;
}

// "between 2 stars", "among 3 faint stars": the word "stars" is not
// repeated when the stars' own English already ends with it. A clause
// without a count ("am st") is still written, without the number.
Phrase GroupPhrase(const Char* word, int count, const CopiedPtr<DreyerNode>& stars) {
    Phrase phrase;
    if (count <= 0 && !stars) return phrase;
    phrase.Word(word);
    if (count > 0) phrase.Count(count);
    if (stars) phrase.Word(EnglishOf(*stars));
    if (!stars || !stars->stars) phrase.Word(TXT("stars"));
    return phrase;
}

Phrase Doubtful(bool doubtful, const Char* word) {
    Phrase phrase;
    if (doubtful) phrase.Word(TXT("possibly"));
    return phrase.Word(word);
}

Text EnglishOf(const DreyerNode& node) {
    Writer writer;
    if (node.noDescription) writer.Add(Phrase().Word(TXT("no description")));
    if (node.remarkable != -1) writer.Add(Phrase().Word(PhraseOf(kRemarkableWords, node.remarkable)));
    writer.Add(ClassPhrase(node));
    if (node.bright || node.faint) {
        writer.Add(Graded(node.brightnessDegree, {node.bright ? TXT("bright") : TXT(""),
                                                  node.faint ? TXT("faint") : TXT("")}));
    }
    if (node.small || node.large) {
        writer.Add(Graded(node.sizeDegree, {node.small ? TXT("small") : TXT(""),
                                            node.large ? TXT("large") : TXT("")}));
    }
    if (node.poorInStars || node.richInStars) {
        writer.Add(Graded(node.richnessDegree,
                          {node.poorInStars ? TXT("poor in stars") : TXT(""),
                           node.richInStars ? TXT("rich in stars") : TXT("")}));
    }
    if (node.compressed) writer.Add(Graded(node.compressedDegree, {TXT("compressed")}));
    if (node.round) {
        Phrase phrase;
        if (node.almostRound) phrase.Word(TXT("almost"));
        if (node.irregularlyRound) phrase.Word(TXT("irregularly"));
        writer.Add(phrase.Word(DegreeWordOf(node.roundDegree)).Word(TXT("round")));
    }
    if (node.nucleusCount > 0) {
        const Char* words[] = {TXT("one nucleus"), TXT("binuclear"), TXT("trinuclear")};
        writer.Add(Doubtful(node.nucleusCountDoubtful,
                            node.nucleusCount <= 3 ? words[node.nucleusCount - 1] : kError));
    }
    if (node.elongation != -1) writer.Add(ElongationPhrase(node));
    if (node.irregularFigure) {
        writer.Add(Graded(node.irregularFigureDegree, {TXT("irregular figure")}));
    }
    if (node.spiral) writer.Add(Doubtful(node.spiralDoubtful, TXT("spiral")));
    if (node.brightMiddle != -1) {
        writer.Add(Phrase()
                       .Word(PhraseInRange(kBrightMiddlePhrases, kDkBrightMiddle, node.brightMiddle))
                       .Word(TXT("brighter in the middle")));
    }
    if (node.compressedMiddle != -1) {
        writer.Add(Phrase()
                       .Word(PhraseInRange(kCompressedMiddlePhrases, kDkCompressedMiddle,
                                           node.compressedMiddle))
                       .Word(TXT("compressed middle")));
    }
    writer.Add(NucleusPhrase(node));
    if (node.stellar) writer.Add(Phrase().Word(node.almostStellar ? TXT("almost stellar") : TXT("stellar")));
    if (node.cometary) writer.Add(Phrase().Word(TXT("cometary")));
    if (node.diffused) writer.Add(Graded(node.diffusedDegree, {TXT("diffused")}));
    if (node.difficult) writer.Add(Graded(node.difficultDegree, {TXT("difficult")}));
    if (node.magnitude != kNoDreyerMagnitude) {
        writer.Add(Phrase().Word(TXT("magnitude")).Number(node.magnitude));
    }
    if (node.resolvability != -1) {
        writer.Add(Doubtful(node.resolvabilityDoubtful,
                            PhraseOf(kResolvabilityWords, node.resolvability)));
    }
    writer.Add(OrdinalPhrase(node));
    writer.Add(StarsPhrase(node));
    writer.Add(GroupPhrase(TXT("between"), node.betweenCount, node.betweenStars));
    writer.Add(GroupPhrase(TXT("among"), node.amongCount, node.amongStars));
    if (!node.identicalTo.IsEmpty()) {
        writer.Add(Phrase().Word(TXT("identical to")).Word(node.identicalTo));
    }
    if (node.nebulous) writer.Add(Doubtful(node.nebulousDoubtful, TXT("nebulous")));
    if (node.inLargeMagellanicCloud) writer.Add(Phrase().Word(TXT("in large magellanic cloud")));
    if (node.existence != -1) {
        writer.Add(Doubtful(node.existenceDoubtful, PhraseOf(kExistenceWords, node.existence)));
    }
    return writer.Get();
}

}  // namespace

void DescribeDreyerNode(const DreyerNode& node, String& out) {
    out = EnglishOf(node).c_str();
}

}  // namespace corvinata
