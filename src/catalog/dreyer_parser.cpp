#include "catalog/dreyer_parser.h"

#include <cstddef>
#include <initializer_list>

#include "base/number_text.h"
#include "base/text_scanner.h"
#include "catalog/dreyer_keywords.h"

namespace corvinata {

namespace {

constexpr int M = kDreyerMatched;
constexpr int NM = kDreyerNotMatched;
constexpr int E = kDreyerError;

// Longest number the parser reads; longer digit runs are not numbers.
constexpr int kMaxNumberLength = 100;

// Texts of a few descriptions that the grammar cannot take apart and that
// are read as a whole and dropped.
constexpr const Char* kIgnoredPhrases[] = {
    TXT("ring"), TXT("elliptic"), TXT("ellipt"), TXT("52 Cyg inv"), TXT("with L Cl"),
    TXT("vgsmbMEN"), TXT("2 hooked"), TXT("looped"), TXT("trifid"),
    TXT("great spiral neb M51"), TXT("g,"), TXT("black sp incl"), TXT("blue"),
    TXT("theta1 Ori and the great neb"), TXT("Praesepe"), TXT("part of eL nebs ring ar 2239"),
    TXT("3-br spir"), TXT("inv PN"), TXT("st L and S"), TXT("st L & S"),
};

// Brighter in the middle: every longer form before "bM".
constexpr int kBrightMiddleOrder[] = {
    62, 61, 60, 59, 58, 57, 56, 55, 54, 53, 52, 51, 50, 49, 48, 47, 46,
    45, 44, 43, 42, 41, 40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30, 29, 28, 27, 26, 25, 24,
    23, 22, 21, 20, 19, 18, 17, 16, 15, 14, 13, 12, 10, 11, 9,
};
constexpr int kElongationOrder[] = {96, 97, 98, 99, 100, 110, 102, 103, 104, 105, 106, 107, 108, 109, 101};
constexpr int kResolvabilityOrder[] = {kDkWellResolved, kDkPartiallyResolved, kDkResolvable,
                                       kDkEasilyResolvable};
constexpr int kDirectionOrder[] = {kDkNpsf, kDkSpnf, kDkNorthSouth, kDkPrecedingFollowing};
// Words that open a position clause as an item of their own.
constexpr int kPositionItemOrder[] = {kDkSouthPreceding, kDkSouthFollowing, kDkNorthPreceding,
                                      kDkNorthFollowing, kDkFollowing, kDkNear};
// Position of a star beside the object, two-letter forms first.
constexpr int kStarPositionOrder[] = {kDkNorthFollowing, kDkNorthPreceding, kDkSouthFollowing,
                                      kDkSouthPreceding, kDkNorth, kDkSouth, kDkFollowing,
                                      kDkPreceding};
constexpr const Char* kDegreeWords[] = {TXT("eee"), TXT("ee"), TXT("e"), TXT("vv"), TXT("vm"),
                                        TXT("v"), TXT("c"), TXT("pm"), TXT("m"), TXT("p")};

constexpr bool IsAsciiLetter(Char c) noexcept {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

CopiedPtr<DreyerNode> Owned(DreyerNode&& node) {
    return CopiedPtr<DreyerNode>(std::make_unique<DreyerNode>(std::move(node)));
}

// An angle of the grammar: a number and its unit, taken apart.
struct Angle {
    double degrees = 0.0;
    double minutes = 0.0;
    double seconds = 0.0;
    bool inDegreesOnly = false;  // one value, written in degrees
};

// Stores an angle into one of the node's triples of degrees, minutes and
// seconds (a size, a star's distance, an extent).
void StoreAngle(const Angle& angle, double& degrees, double& minutes, double& seconds) noexcept {
    degrees = angle.degrees;
    minutes = angle.minutes;
    seconds = angle.seconds;
}

// The class that a class or star rule read into a scratch node, taken over
// as the object's own.
void TakeClass(DreyerNode& node, const DreyerNode& rule) noexcept {
    node.objectClass = rule.objectClass;
    node.doubleObject = rule.doubleObject;
}

// The adjectives that set a flag and keep their degree, in the order the
// attribute rule tries them. A row without fields is read and not kept.
struct AttributeWord {
    int keyword;
    bool DreyerNode::*flag;
    String DreyerNode::*degree;
};
constexpr AttributeWord kAttributeWords[] = {
    {kDkBright, &DreyerNode::bright, &DreyerNode::brightnessDegree},
    {kDkFaint, &DreyerNode::faint, &DreyerNode::brightnessDegree},
    {kDkScattered, nullptr, nullptr},  // "sc": the object has no field for it
    {kDkIrregularFigure, &DreyerNode::irregularFigure, &DreyerNode::irregularFigureDegree},
    {kDkRich, &DreyerNode::richInStars, &DreyerNode::richnessDegree},
    {kDkDifficult, &DreyerNode::difficult, &DreyerNode::difficultDegree},
    {kDkSmall, &DreyerNode::small, &DreyerNode::sizeDegree},
    {kDkLarge, &DreyerNode::large, &DreyerNode::sizeDegree},
    {kDkPoor, &DreyerNode::poorInStars, &DreyerNode::richnessDegree},
    {kDkCompressed, &DreyerNode::compressed, &DreyerNode::compressedDegree},
};

// The class words, in the order the class rule tries them.
struct ClassWord {
    int keyword;
    int objectClass;
    bool doubleObject;
};
constexpr ClassWord kClassWords[] = {
    {kDkCluster, kDkCluster, false},
    {kDkGlobularCluster, kDkGlobularCluster, false},
    {kDkPlanetaryNebula, kDkPlanetaryNebula, false},
    {kDkDoubleNebula, kDkNebula, true},
    {kDkNebulaLong, kDkNebula, false},
    {kDkNebula, kDkNebula, false},
};

class DreyerParser {
public:
    explicit DreyerParser(const Char* text) noexcept : scan_(text) {}

    int Description(DreyerNode& node);

private:
    // Cursor primitives. Every keyword match skips white space first.
    int Position() const noexcept { return scan_.position; }
    void Restore(int position) noexcept { scan_.position = position; }
    bool AtEnd() noexcept { return scan_.SkipBlanks().AtEnd(); }
    bool AcceptText(const Char* literal) noexcept;
    bool Accept(int keyword) noexcept { return AcceptText(DreyerKeywordText(keyword)); }
    // A keyword that must not run on into a letter ("in" is not "inv").
    bool AcceptWord(int keyword) noexcept;
    // The first of the keywords that stands at the cursor, read; -1 when none
    // does. As whole words, they must not run on into a letter.
    template <std::size_t N>
    int AcceptFirst(const int (&keywords)[N], bool wholeWords = false) noexcept {
        for (int id : keywords) {
            if (wholeWords ? AcceptWord(id) : Accept(id)) return id;
        }
        return -1;
    }
    bool ReadInteger(int& value) noexcept;
    bool ReadReal(double& value) noexcept;
    bool ReadAngle(Angle& angle) noexcept;
    bool ReadAngles(Angle& angle, bool& approximate) noexcept;

    int Item(DreyerNode& node);
    int ItemByKeyword(DreyerNode& node);
    int ItemByWord(DreyerNode& node);
    int ClassItem(DreyerNode& node);
    int StarItem(DreyerNode& node);
    int Among(DreyerNode& node);
    int Between(DreyerNode& node);
    int GroupStars(std::int32_t& count, DreyerNode& stars);
    int VeryItem(DreyerNode& node);
    int NucleusItem(DreyerNode& node);
    void NucleusMagnitude(DreyerNode& node);
    void NucleusAfterMiddle(DreyerNode& node);
    int DescribedStar(DreyerNode& node);
    bool OfClause(DreyerNode& node, int position);
    int PrettyItem(DreyerNode& node);
    int IrregularItem(DreyerNode& node);
    int LeadingInteger(DreyerNode& node);
    int LeadingAngle(DreyerNode& node);
    int StarPositionWord() noexcept;
    // Stores `star` as the star beside the object.
    void KeepStar(DreyerNode& node, DreyerNode&& star);
    int DegreeAndAttribute(DreyerNode& node);
    int Attribute(DreyerNode& node, const Char* degree);
    bool FlagAttribute(DreyerNode& node, const Char* degree);
    int ClassRule(DreyerNode& node);
    int RoundRule(DreyerNode& node, bool almost, const Char* degree);
    int StellarRule(DreyerNode& node, bool almost);
    int StarsClause(DreyerNode& node);
    int SeveralStars(DreyerNode& node);
    int OrdinalClause(DreyerNode& node);
    int PositionClause(DreyerNode& node, int position);
    int StarRule(DreyerNode& star);
    void StarPositionPart(DreyerNode& star);
    void DirectionAndExtent(DreyerNode& node);
    bool QuestionMark() noexcept { return Accept(kDkQuestion); }

    TextScanner scan_;
};

bool DreyerParser::AcceptText(const Char* literal) noexcept {
    scan_.SkipBlanks();
    if (literal[0] == 0 || !scan_.Matches(literal)) return false;
    scan_.position += TextLength(literal);
    return true;
}

bool DreyerParser::AcceptWord(int keyword) noexcept {
    const int start = Position();
    if (Accept(keyword) && !IsAsciiLetter(scan_.Current())) return true;
    Restore(start);
    return false;
}

bool DreyerParser::ReadInteger(int& value) noexcept {
    scan_.SkipBlanks();
    const Char* at = scan_.text + scan_.position;
    int length = 0;
    long long read = 0;
    while (IsDigitChar(at[length])) {
        // Nine digits always fit; more make no number of a description.
        if (length == 9) return false;
        read = read * 10 + (at[length] - '0');
        ++length;
    }
    if (length == 0) return false;
    value = static_cast<int>(read);
    scan_.position += length;
    return true;
}

// Digits with an optional fraction. A point is part of the number only when
// a digit follows it, so "9..." is the number 9 and an open range.
bool DreyerParser::ReadReal(double& value) noexcept {
    scan_.SkipBlanks();
    const Char* at = scan_.text + scan_.position;
    int length = 0;
    while (IsDigitChar(at[length])) ++length;
    if (length == 0) return false;
    if (at[length] == '.' && IsDigitChar(at[length + 1])) {
        ++length;
        while (IsDigitChar(at[length])) ++length;
    }
    if (length > kMaxNumberLength) return false;
    Char capture[kMaxNumberLength + 1];
    for (int i = 0; i < length; ++i) capture[i] = at[i];
    capture[length] = 0;
    double read = 0.0;
    if (!ParseDouble(capture, read)) return false;
    value = read;
    scan_.position += length;
    return true;
}

// A number and its unit: "deg", "'", a double-quote character, or "s"
// written right after the digits (apart, "s" is south). The old notation
// puts the decimals after the unit: 2'.5 is two and a half minutes.
bool DreyerParser::ReadAngle(Angle& angle) noexcept {
    const int start = Position();
    double value = 0.0;
    if (!ReadReal(value)) return false;
    double* unit = nullptr;
    if (scan_.AtChar('s') && !IsAsciiLetter(scan_.text[scan_.position + 1])) {
        ++scan_.position;
        unit = &angle.seconds;
    } else if (Accept(kDkDegree)) {
        unit = &angle.degrees;
    } else if (Accept(kDkMinuteMark)) {
        unit = &angle.minutes;
    } else if (Accept(kDkSecondMark)) {
        unit = &angle.seconds;
    }
    if (!unit) {
        Restore(start);
        return false;
    }
    if (scan_.AtChar('.') && IsDigitChar(scan_.text[scan_.position + 1])) {
        ++scan_.position;
        double scale = 0.1;
        while (IsDigitChar(scan_.Current())) {
            value += (scan_.Current() - '0') * scale;
            scale /= 10.0;
            ++scan_.position;
        }
    }
    *unit = value;
    return true;
}

// One angle or several in falling units (1' 30"), with "+/-" before or
// after marking it approximate.
bool DreyerParser::ReadAngles(Angle& angle, bool& approximate) noexcept {
    const int start = Position();
    const bool approximateBefore = Accept(kDkPlusMinus);
    Angle read;
    if (!ReadAngle(read)) {
        Restore(start);
        return false;
    }
    read.inDegreesOnly = read.minutes == 0.0 && read.seconds == 0.0;
    for (int more = 0; more < 2 && ReadAngle(read); ++more) {
        read.inDegreesOnly = false;
    }
    angle = read;
    approximate = Accept(kDkPlusMinus) || approximateBefore;
    return true;
}

int DreyerParser::Description(DreyerNode& node) {
    int start = Position();
    int result = Item(node);
    if (result != M) {
        Restore(start);
        return AtEnd() ? M : E;
    }
    for (;;) {
        // Every item leaves the cursor further on, so the loop ends.
        if (Position() == start) return E;
        QuestionMark();
        start = Position();
        if (Accept(kDkComma) || Accept(kDkSemicolon)) {
            if (Item(node) != M) return E;
            continue;
        }
        result = Item(node);
        if (result != M) {
            Restore(start);
            return AtEnd() ? M : E;
        }
    }
}

// One item: the alternatives in their fixed order. An alternative that
// does not match gives the cursor back, so the next one starts where the
// item started.
int DreyerParser::Item(DreyerNode& node) {
    const int start = Position();
    for (const Char* phrase : kIgnoredPhrases) {
        if (AcceptText(phrase)) return M;
    }
    for (auto alternative : {&DreyerParser::ItemByKeyword, &DreyerParser::ClassItem,
                             &DreyerParser::StarItem, &DreyerParser::DescribedStar,
                             &DreyerParser::ItemByWord,
                             &DreyerParser::LeadingInteger}) {
        const int result = (this->*alternative)(node);
        if (result != NM) return result;
        Restore(start);
    }
    if (Accept(kDkOpenParenthesis)) {
        // A remark in parentheses is skipped; an unclosed one is no description.
        return ScanFindChar(scan_, ')') ? (++scan_.position, M) : E;
    }
    // A doubt standing on its own ("F, S, ?") is read and not kept.
    if (QuestionMark()) return M;
    if (Accept(kDkEquals)) {
        scan_.SkipBlanks();
        node.identicalTo = scan_.text + scan_.position;
        scan_.position += TextLength(scan_.text + scan_.position);
        return M;
    }
    return NM;
}

// The items that open with a keyword of their own, before the class and the
// star beside the object.
int DreyerParser::ItemByKeyword(DreyerNode& node) {
    if (Accept(kDkInLmc)) {
        node.inLargeMagellanicCloud = true;
        return M;
    }
    if (AcceptWord(kDkIn)) return E;
    if (Accept(kDkNebulous)) {
        node.nebulous = true;
        node.nebulousDoubtful = QuestionMark();
        return M;
    }
    return NM;
}

int DreyerParser::ClassItem(DreyerNode& node) {
    DreyerNode scratch;
    const int result = ClassRule(scratch);
    if (result != M) return result;
    if (QuestionMark()) {
        node.possibleClass = Owned(std::move(scratch));
    } else {
        TakeClass(node, scratch);
    }
    return M;
}

int DreyerParser::StarItem(DreyerNode& node) {
    DreyerNode scratch;
    const int result = StarRule(scratch);
    if (result != M) return result;
    // A star with a magnitude is a star beside the object ("*10"); a bare
    // mark ("*", "D*") says what the object itself is.
    if (scratch.HoldsStarContent() || scratch.starClauseMagnitude != kNoDreyerMagnitude) {
        KeepStar(node, std::move(scratch));
    } else {
        TakeClass(node, scratch);
    }
    if (QuestionMark()) node.starClauseDoubtful = true;
    return M;
}

// A star described by its own adjectives, written against its mark: "B* np",
// "vF* sf", "S* nf". The adjectives are the star's, not the object's.
int DreyerParser::DescribedStar(DreyerNode& node) {
    DreyerNode adjectives;
    if (DegreeAndAttribute(adjectives) != M || !scan_.AtChar('*')) return NM;
    DreyerNode star;
    if (StarRule(star) != M) return NM;
    KeepStar(node, std::move(star));
    if (QuestionMark()) node.starClauseDoubtful = true;
    return M;
}

// The items after the star beside the object, in their fixed order.
int DreyerParser::ItemByWord(DreyerNode& node) {
    const int start = Position();
    if (Accept(kDkMag)) {
        double value = 0.0;
        if (!ReadReal(value)) return E;
        node.magnitude = value;
        return M;
    }
    if (Accept(kDkCometic) || Accept(kDkCometary) || Accept(kDkCom)) {
        node.cometary = true;
        return M;
    }
    if (Accept(kDkAmong)) return Among(node);
    if (Accept(kDkSpiral) || Accept(kDkSpir)) {
        node.spiral = true;
        node.spiralDoubtful = QuestionMark();
        return M;
    }
    if (Accept(kDkBetween)) return Between(node);
    if (const int id = AcceptFirst(kBrightMiddleOrder); id != -1) {
        node.brightMiddle = id;
        NucleusAfterMiddle(node);
        return M;
    }
    for (int id = kDkCompressedMiddleFirst; id <= kDkCompressedMiddleLast; ++id) {
        if (Accept(id)) {
            node.compressedMiddle = id;
            return M;
        }
    }
    if (Accept(kDkCompressedMiddle)) {
        node.compressedMiddle = kDkCompressedMiddle;
        return M;
    }
    if (const int id = AcceptFirst(kElongationOrder); id != -1) {
        node.elongation = id;
        DirectionAndExtent(node);
        return M;
    }
    if (const int id = AcceptFirst(kPositionItemOrder, true); id != -1) {
        return PositionClause(node, id);
    }
    if (Accept(kDkVery)) return VeryItem(node);
    if (Accept(kDkNucleusLong) || Accept(kDkNucleus)) return NucleusItem(node);
    if (const int id = AcceptFirst({kDkBinuclear, kDkTrinuclear}); id != -1) {
        node.nucleusCount = id == kDkBinuclear ? 2 : 3;
        node.nucleusCountDoubtful = QuestionMark();
        return M;
    }
    if (const int id = AcceptFirst({kDkMagnificent, kDkVeryRemarkable, kDkRemarkable}); id != -1) {
        node.remarkable = id;
        return M;
    }
    if (Accept(kDkNoDescription) || Accept(kDkNoDescrip) || Accept(kDkNoDescr)) {
        node.noDescription = true;
        return M;
    }
    if (const int id = AcceptFirst({kDkSuspected, kDkSusp, kDkNonexistent}); id != -1) {
        node.existence = id;
        node.existenceDoubtful = QuestionMark();
        return M;
    }
    if (const int id = AcceptFirst(kResolvabilityOrder); id != -1) {
        node.resolvability = id;
        node.resolvabilityDoubtful = QuestionMark();
        return M;
    }
    if (Accept(kDkAlmost)) {
        int result = RoundRule(node, true, TXT(""));
        if (result == NM) result = StellarRule(node, true);
        return result == M ? M : E;
    }
    if (Accept(kDkPrettyDegree)) return PrettyItem(node);
    if (StellarRule(node, false) == M) return M;
    if (Accept(kDkStars)) return StarsClause(node);
    if (Accept(kDkSeveral) || Accept(kDkSev)) return SeveralStars(node);
    if (OrdinalClause(node) == M) return M;
    Restore(start);
    if (Accept(kDkLittleDegree)) return Attribute(node, TXT("l")) == M ? M : E;
    if (DegreeAndAttribute(node) == M) return M;
    Restore(start);
    if (RoundRule(node, false, TXT("")) == M) return M;
    return IrregularItem(node);
}

int DreyerParser::VeryItem(DreyerNode& node) {
    if (Accept(kDkFN)) return M;
    // "vnr 2629": a neighbour very near, by its number or its place.
    if (AcceptWord(kDkNear)) {
        DreyerNode star;
        star.starNear = true;
        star.starVeryNear = true;
        int number = 0;
        if (ReadInteger(number)) star.starNumber = number;
        StarPositionPart(star);
        KeepStar(node, std::move(star));
        return M;
    }
    const Char* degree = TXT("v");
    if (Accept(kDkMuch)) {
        degree = TXT("vm");
    } else if (Accept(kDkVery)) {
        degree = TXT("vv");
    } else if (Accept(kDkLittle)) {
        degree = TXT("vl");
    }
    return Attribute(node, degree) == M ? M : E;
}

int DreyerParser::NucleusItem(DreyerNode& node) {
    node.nucleus = true;
    NucleusMagnitude(node);
    return M;
}

// After "N": "= 12 m", "= 13.5", "= *13" (a star-like nucleus of that
// magnitude); the "=" and the number go together, the "m" may be left out.
// Without a number after "=" the "=" is left for the identity item.
void DreyerParser::NucleusMagnitude(DreyerNode& node) {
    const int beforeEquals = Position();
    double value = 0.0;
    if (Accept(kDkEquals)) {
        Accept(kDkStar);
        if (ReadReal(value)) {
            node.nucleusMagnitude = value;
            AcceptWord(kDkMuch);
            return;
        }
    }
    Restore(beforeEquals);
}

// Dreyer runs the nucleus on from the middle: "bMN", "svmbMBN" (to a bright
// nucleus), "psbMBEN", "bMSN". The letters between describe the nucleus,
// not the object, so they must not set the object's brightness or shape.
void DreyerParser::NucleusAfterMiddle(DreyerNode& node) {
    const int start = Position();
    for (int letters = 0; letters < 3; ++letters) {
        if (Accept(kDkNucleusLong) || Accept(kDkNucleus)) {
            node.nucleus = true;
            NucleusMagnitude(node);
            return;
        }
        const Char c = scan_.Current();
        if (c != 'B' && c != 'E' && c != 'S' && c != 'L' && c != 'R' && c != 'F') break;
        ++scan_.position;
    }
    Restore(start);
}

int DreyerParser::PrettyItem(DreyerNode& node) {
    const int afterP = Position();
    const bool much = Accept(kDkMuch);
    const int result = Attribute(node, much ? TXT("pm") : TXT("p"));
    if (result != NM) return result;
    Restore(afterP);
    return PositionClause(node, kDkPreceding) == M ? M : E;
}

int DreyerParser::IrregularItem(DreyerNode& node) {
    if (!Accept(kDkIrregularLong) && !Accept(kDkIrregular)) return NM;
    if (Accept(kDkExtended)) {
        node.elongation = kDkExtended;
        node.irregularlyExtended = true;
        DirectionAndExtent(node);
    } else if (Accept(kDkRound)) {
        node.round = true;
        node.irregularlyRound = true;
    } else {
        node.irregularFigure = true;
    }
    return M;
}

// An integer opening an item: a magnitude ("14 m"), a number of stars
// ("2 st 9", "3 close"), a neighbour by its number ("7817 nf"), the
// distance of a star ("45\" s") or the size of the object ("30\"-40'").
int DreyerParser::LeadingInteger(DreyerNode& node) {
    const int start = Position();
    int number = 0;
    if (!ReadInteger(number)) return NM;
    const int afterNumber = Position();
    if (AcceptWord(kDkMuch) || AcceptWord(kDkMag)) {
        node.magnitude = number;
        return M;
    }
    DreyerNode star;
    star.starNumber = number;
    if (Accept(kDkClose)) {
        star.starClose = true;
        KeepStar(node, std::move(star));
        return M;
    }
    DreyerNode description;
    if (DegreeAndAttribute(description) != M) Restore(afterNumber);
    if (AcceptWord(kDkStars)) {
        double magnitude = 0.0;
        if (ReadReal(magnitude)) star.starClauseMagnitude = magnitude;
        StarPositionPart(star);
        KeepStar(node, std::move(star));
        return M;
    }
    Restore(afterNumber);
    star.starPosition = StarPositionWord();
    if (star.starPosition != -1) {
        StarPositionPart(star);
        KeepStar(node, std::move(star));
        return M;
    }
    Restore(start);
    return LeadingAngle(node);
}

// An angle opening an item: the distance of a star when a position word
// follows ("45\" s"), otherwise the size of the object, one angle or a
// range ("30\"-40'", "5' long").
int DreyerParser::LeadingAngle(DreyerNode& node) {
    Angle angle;
    bool approximate = false;
    if (!ReadAngles(angle, approximate)) return E;
    const int position = StarPositionWord();
    if (position != -1) {
        DreyerNode star;
        star.starPosition = position;
        StoreAngle(angle, star.starDistanceDegrees, star.starDistanceMinutes,
                   star.starDistanceSeconds);
        star.starDistanceApproximate = approximate;
        KeepStar(node, std::move(star));
        return M;
    }
    StoreAngle(angle, node.sizeDegrees, node.sizeMinutes, node.sizeSeconds);
    if (Accept(kDkDash)) {
        Angle to;
        if (!ReadAngles(to, approximate)) return E;
        StoreAngle(to, node.sizeToDegrees, node.sizeToMinutes, node.sizeToSeconds);
    } else if (!Accept(kDkLong)) {
        AcceptWord(kDkLittle);
    }
    return M;
}

int DreyerParser::StarPositionWord() noexcept { return AcceptFirst(kStarPositionOrder, true); }

void DreyerParser::KeepStar(DreyerNode& node, DreyerNode&& star) {
    node.starClause = Owned(std::move(star));
}

int DreyerParser::DegreeAndAttribute(DreyerNode& node) {
    const int start = Position();
    for (const Char* degree : kDegreeWords) {
        if (AcceptText(degree)) {
            const int result = Attribute(node, degree);
            if (result == M) return M;
            Restore(start);
            return E;
        }
    }
    return Attribute(node, TXT(""));
}

int DreyerParser::Attribute(DreyerNode& node, const Char* degree) {
    const int start = Position();
    if (FlagAttribute(node, degree) || RoundRule(node, false, degree) == M) {
        // The rule has set its fields.
    } else if (Accept(kDkDiffusedLong) || Accept(kDkDiffused)) {
        node.diffused = true;
        node.diffusedDegree = degree;
    } else {
        Restore(start);
        if (StarItem(node) != M) {
            Restore(start);
            if (ClassItem(node) != M) {
                Restore(start);
                return NM;
            }
        }
    }
    QuestionMark();
    return M;
}

bool DreyerParser::FlagAttribute(DreyerNode& node, const Char* degree) {
    for (const AttributeWord& word : kAttributeWords) {
        if (!Accept(word.keyword)) continue;
        if (word.flag != nullptr) {
            node.*word.flag = true;
            node.*word.degree = degree;
        }
        return true;
    }
    return false;
}

int DreyerParser::ClassRule(DreyerNode& node) {
    for (const ClassWord& word : kClassWords) {
        if (!Accept(word.keyword)) continue;
        node.objectClass = word.objectClass;
        if (word.doubleObject) node.doubleObject = true;
        return M;
    }
    return NM;
}

int DreyerParser::RoundRule(DreyerNode& node, bool almost, const Char* degree) {
    if (!Accept(kDkRound)) return NM;
    if (Accept(kDkNucleusLong) || Accept(kDkNucleus)) {
        node.nucleus = true;
        node.roundNucleus = true;
        node.almostRoundNucleus = almost;
    } else {
        node.round = true;
        node.almostRound = almost;
        node.roundDegree = degree;
    }
    return M;
}

int DreyerParser::StellarRule(DreyerNode& node, bool almost) {
    if (!Accept(kDkStellar) && !Accept(kDkStell)) return NM;
    if (Accept(kDkNucleusLong) || Accept(kDkNucleus)) {
        node.nucleus = true;
        node.stellarNucleus = true;
        node.almostStellarNucleus = almost;
    } else {
        node.stellar = true;
        node.almostStellar = almost;
    }
    return M;
}

// "am" read: "am 3 vF st".
int DreyerParser::Among(DreyerNode& node) {
    DreyerNode stars;
    if (GroupStars(node.amongCount, stars) != M) return E;
    node.amongStars = Owned(std::move(stars));
    return M;
}

// "bet" read: "bet 2 B st", "bet 2 st 10".
int DreyerParser::Between(DreyerNode& node) {
    DreyerNode stars;
    if (GroupStars(node.betweenCount, stars) != M) return E;
    double magnitude = 0.0;
    if (ReadReal(magnitude)) {
        stars.starMagnitude = magnitude;
        stars.stars = true;
    }
    // Where the pair stands ("bet 2 st ns", "bet 2 st 8.5 sp") is read and
    // not kept.
    AcceptFirst(kDirectionOrder, true);
    StarPositionWord();
    node.betweenStars = Owned(std::move(stars));
    return M;
}

// The stars of "am" and "bet": their count when given, their adjectives
// when given, and "st".
int DreyerParser::GroupStars(std::int32_t& count, DreyerNode& stars) {
    int read = 0;
    if (ReadInteger(read)) count = read;
    const int start = Position();
    if (DegreeAndAttribute(stars) != M) {
        stars = DreyerNode();
        Restore(start);
    }
    return Accept(kDkStars) ? M : E;
}

// "st" read: "st nr", "st vS", "st 9...", "st 11..14", "st 10-13".
int DreyerParser::StarsClause(DreyerNode& node) {
    if (Accept(kDkNear)) {
        node.starsNear = true;
    } else if (Accept(kDkInvolved)) {
        node.starsInvolved = true;
    } else if (Accept(kDkScattered)) {
        node.starsScattered = true;
    } else {
        const int start = Position();
        DreyerNode description;
        if (DegreeAndAttribute(description) == M) {
            node.starsDescription =
                Owned(std::move(description));
        } else {
            Restore(start);
            double magnitude = 0.0;
            if (!ReadReal(magnitude)) return E;
            if (Accept(kDkThreeDots)) {
                // "10...15" is a range as well; "9..." alone is open.
                double to = 0.0;
                if (ReadReal(to)) {
                    node.starMagnitudeTo = to;
                } else {
                    node.starsAndFainter = true;
                }
            } else if (Accept(kDkTwoDots) || Accept(kDkDash)) {
                double to = 0.0;
                if (!ReadReal(to)) return E;
                node.starMagnitudeTo = to;
            }
            node.starMagnitude = magnitude;
        }
    }
    node.stars = true;
    return M;
}

// "sev" read: "sev vF st inv", "sev st nr". The stars' count has no field,
// so the clause says what and where the stars are.
int DreyerParser::SeveralStars(DreyerNode& node) {
    const int start = Position();
    DreyerNode description;
    const bool described = DegreeAndAttribute(description) == M;
    if (!described) Restore(start);
    if (!AcceptWord(kDkStars)) return E;
    if (Accept(kDkInvolved)) {
        node.starsInvolved = true;
    } else if (AcceptWord(kDkNear)) {
        node.starsNear = true;
    } else {
        return E;
    }
    if (described) node.starsDescription = Owned(std::move(description));
    node.stars = true;
    return M;
}

// "1st of 3", "p of 2", "last of sev"; a position word may also place a
// star ("n 2'"). Anything else is no ordinal.
int DreyerParser::OrdinalClause(DreyerNode& node) {
    const int start = Position();
    for (int id = kDkFirst; id <= kDkNinth; ++id) {
        if (!Accept(id)) continue;
        DreyerNode clause;
        if (!OfClause(clause, -1)) break;
        node.ordinal = id - kDkFirst + 1;
        node.ordinalOfDoubleNebula = clause.ordinalOfDoubleNebula;
        node.ordinalOfCount = clause.ordinalOfCount;
        node.ordinalOfSeveral = clause.ordinalOfSeveral;
        return M;
    }
    Restore(start);
    const int position =
        AcceptFirst({kDkNorth, kDkSouth, kDkPreceding, kDkFollowing, kDkLast}, true);
    if (position != -1 && PositionClause(node, position) == M) return M;
    Restore(start);
    return NM;
}

// "of 2", "of sev", "of Dneb": the group the object belongs to.
bool DreyerParser::OfClause(DreyerNode& node, int position) {
    const int start = Position();
    if (!Accept(kDkOf)) return false;
    int count = 0;
    if (Accept(kDkDoubleNebula) || Accept(kDkDoubleNebulaSpaced)) {
        node.ordinalOfDoubleNebula = true;
    } else if (ReadInteger(count)) {
        node.ordinalOfCount = count;
    } else if (Accept(kDkSeveral) || Accept(kDkSev)) {
        node.ordinalOfSeveral = true;
    } else {
        Restore(start);
        return false;
    }
    if (position != -1) node.ordinalPosition = position;
    return true;
}

// After a position word: a star by its number or distance ("sp 2'",
// "f 7817"), or the object's place in a group ("sp of 2", "f of Dneb").
int DreyerParser::PositionClause(DreyerNode& node, int position) {
    DreyerNode star;
    star.starPosition = position;
    Angle angle;
    bool approximate = false;
    int number = 0;
    if (ReadAngles(angle, approximate)) {
        StoreAngle(angle, star.starDistanceDegrees, star.starDistanceMinutes,
                   star.starDistanceSeconds);
        star.starDistanceApproximate = approximate;
    } else if (ReadInteger(number)) {
        star.starNumber = number;
    } else {
        return OfClause(node, position) ? M : E;
    }
    KeepStar(node, std::move(star));
    return M;
}

// A star beside the object: "*", "**", "***" or "D*", its magnitude and
// where it stands ("*10 nf 2'", "** v nr", "*8 att").
int DreyerParser::StarRule(DreyerNode& star) {
    const int start = Position();
    if (Accept(kDkThreeStars)) {
        star.starCount = 3;
        star.objectClass = kDkThreeStars;
    } else if (Accept(kDkTwoStars)) {
        star.starCount = 2;
        star.objectClass = kDkStar;
        star.doubleObject = true;
    } else if (Accept(kDkDouble) && Accept(kDkStar)) {
        star.objectClass = kDkStar;
        star.doubleObject = true;
    } else {
        Restore(start);
        if (!Accept(kDkStar)) return NM;
        star.objectClass = kDkStar;
    }
    // A number straight followed by a unit is the star's distance, not its
    // magnitude ("* 10\" n").
    const int beforeMagnitude = Position();
    Angle angle;
    double magnitude = 0.0;
    if (ReadAngle(angle)) {
        Restore(beforeMagnitude);
    } else if (ReadReal(magnitude)) {
        star.starClauseMagnitude = magnitude;
        const int beforeDash = Position();
        double to = 0.0;
        if (Accept(kDkDash) && ReadReal(to)) {
            star.starClauseMagnitudeTo = to;
        } else {
            Restore(beforeDash);
        }
    }
    StarPositionPart(star);
    return M;
}

// Everything optional: around/close/att, the nearness and the position word
// in either order, "inv", and the distance.
void DreyerParser::StarPositionPart(DreyerNode& star) {
    if (Accept(kDkAround)) {
        star.starAround = true;
    } else if (Accept(kDkClose)) {
        star.starClose = true;
    } else if (Accept(kDkAttached)) {
        star.starAttached = true;
    }
    // The nearness, the position word and the distance come in any order
    // ("*10 nf 2'", "D* 2' p", "* v nr sf").
    bool distance = false;
    for (int pass = 0; pass < 3; ++pass) {
        const int start = Position();
        if (!star.starNear) {
            if (Accept(kDkVery) && AcceptWord(kDkNear)) {
                star.starNear = true;
                star.starVeryNear = true;
                continue;
            }
            Restore(start);
            if (AcceptWord(kDkNear)) {
                star.starNear = true;
                continue;
            }
        }
        if (star.starPosition == -1) {
            star.starPosition = StarPositionWord();
            if (star.starPosition != -1) continue;
        }
        if (!distance) {
            Angle angle;
            if (ReadAngles(angle, star.starDistanceApproximate)) {
                StoreAngle(angle, star.starDistanceDegrees, star.starDistanceMinutes,
                           star.starDistanceSeconds);
                distance = true;
                continue;
            }
        }
        if (!star.starInvolved && Accept(kDkInvolved)) {
            star.starInvolved = true;
            continue;
        }
        break;
    }
}

void DreyerParser::DirectionAndExtent(DreyerNode& node) {
    if (const int direction = AcceptFirst(kDirectionOrder, true); direction != -1) {
        node.elongationDirection = direction;
    }
    // The two halves of a diagonal may stand apart: "E np sf", "E sp nf".
    const struct {
        int first, second, direction;
    } kSplitDirections[] = {{kDkNorthPreceding, kDkSouthFollowing, kDkNpsf},
                            {kDkSouthPreceding, kDkNorthFollowing, kDkSpnf}};
    for (const auto& split : kSplitDirections) {
        if (node.elongationDirection != -1) break;
        const int start = Position();
        if (AcceptWord(split.first) && AcceptWord(split.second)) {
            node.elongationDirection = split.direction;
        } else {
            Restore(start);
        }
    }
    // Dreyer gives sizes in minutes and seconds; an elongation followed by
    // degrees alone ("E 160deg") is the position angle of the long axis.
    Angle angle;
    if (ReadAngles(angle, node.extentApproximate)) {
        if (angle.inDegreesOnly) {
            node.positionAngle = angle.degrees;
        } else {
            StoreAngle(angle, node.extentDegrees, node.extentMinutes, node.extentSeconds);
        }
    }
}

}  // namespace

int ParseDreyerDescription(const Char* text, DreyerNode& node) {
    DreyerParser parser(text ? text : TXT(""));
    const int result = parser.Description(node);
    if (result != kDreyerMatched) node = DreyerNode();
    return result;
}

}  // namespace corvinata
