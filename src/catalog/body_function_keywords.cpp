#include "catalog/body_function_keywords.h"

#include "catalog/event_kinds.h"

namespace corvinata {

const BodyFunctionKeyword kBodyFunctionKeywords[29] = {
    {TXT("Lon"), kFunctionLongitude},
    {TXT("Lat"), kFunctionLatitude},
    {TXT("DistEarth"), kFunctionDistanceFromEarth},
    {TXT("ElongAngDist"), kFunctionElongationAngular},
    {TXT("ElongDiffLon"), kFunctionElongationLongitude},
    {TXT("Phase"), kFunctionPhase},
    {TXT("Mag"), kFunctionMagnitude},
    {TXT("AngSize"), kFunctionAngularSize},
    {TXT("DistSun"), kFunctionDistanceFromSun},
    {TXT("Rise"), kFunctionRise},
    {TXT("Set"), kFunctionSet},
    {TXT("TwiMorningAstBegin"), kFunctionMorningTwilightAstronomical},
    {TXT("TwiEveningAstEnd"), kFunctionEveningTwilightAstronomical},
    {TXT("TwiMorningNauBegin"), kFunctionMorningTwilightNautical},
    {TXT("TwiEveningNauEnd"), kFunctionEveningTwilightNautical},
    {TXT("TwiMorningCivBegin"), kFunctionMorningTwilightCivil},
    {TXT("TwiEveningCivEnd"), kFunctionEveningTwilightCivil},
    {TXT("Dir"), kFunctionDirection},
    {TXT("AscNode"), kFunctionAscendingNode},
    {TXT("DescNode"), kFunctionDescendingNode},
    {TXT("SignZod"), kFunctionSignOfZodiac},
    {TXT("HelLon"), kFunctionHeliocentricLongitude},
    {TXT("HelLat"), kFunctionHeliocentricLatitude},
    {TXT("ConstellAny"), kFunctionConstellation},
    {TXT("Limb"), kFunctionBrightLimb},
    {TXT("RectCrdX"), kFunctionRectangularX},
    {TXT("RectCrdY"), kFunctionRectangularY},
    {TXT("RectCrdZ"), kFunctionRectangularZ},
    {TXT("Culmination"), kFunctionCulmination},
};

namespace {

constexpr const Char* kTimeSystemCodes[] = {TXT("ut"), TXT("gst"), TXT("lct"), TXT("lst")};
constexpr const Char* kCoordinateCodes[] = {TXT("equ"), TXT("ecl"), TXT("hor"), TXT("gal")};
constexpr const Char* kDistanceCodes[] = {TXT("km"), TXT("mi"), TXT("au")};

}  // namespace

const Char* BodyFunctionKeywordOf(std::uint32_t id) noexcept {
    for (const BodyFunctionKeyword& entry : kBodyFunctionKeywords) {
        if (entry.id == id) return entry.keyword;
    }
    return nullptr;
}

FunctionParameter ParameterOfQuantityKind(int quantityKind) noexcept {
    switch (quantityKind) {
        case 0: return FunctionParameter::kTimeSystem;
        case 1:
        case 2: return FunctionParameter::kCoordinateSystem;
        case 6: return FunctionParameter::kDistanceUnit;
        default: return FunctionParameter::kNone;
    }
}

String FormatBodyFunctionName(const Char* bodyName, std::uint32_t functionId, int parameter,
                              int quantityKind) {
    String text(bodyName);
    StringAppend(text, TXT("."));
    const Char* keyword = BodyFunctionKeywordOf(functionId);
    StringAppend(text, keyword ? keyword : TXT(""));
    StringAppend(text, TXT("("));
    const Char* code = TXT("");
    switch (ParameterOfQuantityKind(quantityKind)) {
        case FunctionParameter::kTimeSystem:
            if (parameter >= 0 && parameter < 4) code = kTimeSystemCodes[parameter];
            break;
        case FunctionParameter::kCoordinateSystem:
            if (parameter >= 0 && parameter < 4) code = kCoordinateCodes[parameter];
            break;
        case FunctionParameter::kDistanceUnit:
            if (parameter >= 0 && parameter < 3) code = kDistanceCodes[parameter];
            break;
        case FunctionParameter::kNone: break;
    }
    StringAppend(text, code);
    StringAppend(text, TXT(")"));
    return text;
}

}  // namespace corvinata
