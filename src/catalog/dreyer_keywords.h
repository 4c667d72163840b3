// The abbreviations of Dreyer's NGC/IC descriptions.
//
// Every abbreviation the description grammar knows has a fixed identifier;
// the parse tree stores identifiers and the English writer reads them, so
// the numbering never changes. Some texts occur twice under different
// identifiers ("s" as a degree of brightness in the middle and as "south"):
// each rule names the identifier it means.
#pragma once

#include "base/text_char.h"

namespace corvinata {

constexpr int kDreyerKeywordCount = 205;

// Identifiers the grammar and the writer refer to by name.
enum DreyerKeyword : int {
    kDkAlmost = 0, kDkAmong = 1, kDkDegree = 2, kDkMinuteMark = 3, kDkSecondMark = 4,
    kDkSecondS = 5, kDkAround = 6, kDkAttached = 7, kDkBetween = 8,
    kDkBrightMiddle = 9, kDkBrightMiddleGradually = 12, kDkBrightMiddleFirstLong = 46,
    kDkBrightMiddleVeryVeryMuch = 62,
    kDkCompressedMiddle = 63, kDkCompressedMiddleFirst = 64, kDkCompressedMiddleLast = 77,
    kDkCom = 78, kDkCometic = 79, kDkCometary = 80, kDkComma = 81, kDkSemicolon = 82,
    kDkCompressed = 83, kDkDifficult = 84, kDkDiffused = 85, kDkDiffusedLong = 86,
    kDkNorthSouth = 87, kDkDouble = 88, kDkTwoDots = 89, kDkThreeDots = 90, kDkEnd = 91,
    kDkEquals = 92, kDkNonexistent = 93, kDkSusp = 94, kDkSuspected = 95,
    kDkExtended = 96, kDkMuchExtended = 103, kDkVeryMuchExtended = 104,
    kDkVeryVeryMuchExtended = 106, kDkPrettyMuchExtended = 110,
    kDkFN = 111, kDkDash = 112, kDkIn = 113, kDkInLmc = 114, kDkInvolved = 115,
    kDkIrregularFigure = 116, kDkLast = 117, kDkLittle = 118, kDkLong = 119, kDkMag = 120,
    kDkMuch = 121, kDkFaint = 122, kDkBright = 123, kDkClose = 124, kDkNear = 125,
    kDkFollowing = 126, kDkPreceding = 127, kDkPrecedingFollowing = 128,
    kDkNorthFollowing = 129, kDkNorthPreceding = 130, kDkSouthFollowing = 131,
    kDkSouthPreceding = 132, kDkNorth = 133, kDkSouth = 134, kDkNpsf = 135, kDkSpnf = 136,
    kDkNebulous = 137, kDkNoDescr = 138, kDkNoDescrip = 139, kDkNoDescription = 140,
    kDkFirst = 141, kDkNinth = 149, kDkBinuclear = 150, kDkTrinuclear = 151,
    kDkNucleus = 152, kDkNucleusLong = 153, kDkReal = 154, kDkInteger = 155,
    kDkCluster = 156, kDkGlobularCluster = 157, kDkPlanetaryNebula = 158, kDkNebula = 159,
    kDkNebulaLong = 160, kDkDoubleNebula = 161, kDkDoubleNebulaSpaced = 162,
    kDkStar = 163, kDkTwoStars = 164, kDkThreeStars = 165, kDkOf = 166,
    kDkOpenParenthesis = 167, kDkCloseParenthesis = 168, kDkFullStop = 169,
    kDkPlusMinus = 170, kDkPoor = 171, kDkLittleDegree = 172, kDkPrettyDegree = 173,
    kDkMuchDegree = 174, kDkPrettyMuchDegree = 175, kDkConsiderably = 176, kDkVery = 177,
    kDkVeryMuch = 178, kDkVeryVery = 179, kDkExtremely = 180, kDkMostExtremely = 181,
    kDkVeryMostExtremely = 182, kDkIrregular = 183, kDkIrregularLong = 184,
    kDkRemarkable = 185, kDkVeryRemarkable = 186, kDkMagnificent = 187,
    kDkEasilyResolvable = 188, kDkResolvable = 189, kDkPartiallyResolved = 190,
    kDkWellResolved = 191, kDkRich = 192, kDkRound = 193, kDkScattered = 194,
    kDkSev = 195, kDkSeveral = 196, kDkSmall = 197, kDkLarge = 198, kDkSpir = 199,
    kDkSpiral = 200, kDkStars = 201, kDkStell = 202, kDkStellar = 203, kDkQuestion = 204,
};

// The text of an identifier 0..204 (the pseudo-tokens kDkEnd, kDkReal and
// kDkInteger have "" and "n/a"); "" for any other value.
const Char* DreyerKeywordText(int id) noexcept;

}  // namespace corvinata
