#include "tools/event_definitions.h"

#include <array>
#include <string>

#include "catalog/body_types.h"
#include "catalog/event_kinds.h"
#include "base/text_char.h"

namespace corvinata::events {
namespace {

// One predefined event: its search expression, in which each "%" in turn
// takes the key name of the body named by the next digit of `bodies`.
struct EventPattern {
    const Char* text;
    const char* bodies;
};

// The vernal equinox is a rising crossing of 180° by the shifted longitude,
// as the new moon is: a falling crossing "Sun.Lon(Equ) <<= 0.1" is seen only
// by an evaluation within 0.1° (2.5 hours) after the equinox, so a daily
// search never found it. The transit tests also ask for the planet to stand
// before the Sun, not behind it at superior conjunction.
constexpr std::array<EventPattern, kEventTypeCount> kPatterns{{
    {TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 180"), ""},
    {TXT("AngleSum(AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)), 180) >>= 180"), ""},
    {TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 90"), ""},
    {TXT("AngleDiff360(Moon.Lon(Ecl), Sun.Lon(Ecl)) >>= 270"), ""},
    {TXT("AngleSum(Sun.Lon(Equ), 180) >>= 180"), ""},
    {TXT("Sun.Lon(Equ) >>= 90"), ""},
    {TXT("Sun.Lon(Equ) >>= 180"), ""},
    {TXT("Sun.Lon(Equ) >>= 270"), ""},
    {TXT("AngleDiff(Sun.Lon(Ecl), Moon.Lon(Ecl)) < 1 and Abs(Moon.Lat(Ecl)) < 1"), ""},
    {TXT("Abs(AngleDiff(Sun.Lon(Ecl), Moon.Lon(Ecl)) - 180) < 1 and Abs(Moon.Lat(Ecl)) < 1"), ""},
    // 10: the elongation clause is appended in PredefinedEventExpression.
    {TXT("Abs(AngleDiff(%.Lon(Equ), %.Lon(Equ))) < 0.5"), "12"},
    {TXT("Abs(AngleDiff(%.Lon(Equ), %.Lon(Equ)) - 180) < 0.5"), "12"},
    {TXT("Abs(Abs(%.ElongDiffLon()) - 90) < 0.5"), "1"},
    {TXT("Min(%.DistSun(Au))"), "1"},
    {TXT("Max(%.DistSun(Au))"), "1"},
    {TXT("Min(%.DistEarth(Au))"), "1"},
    {TXT("Max(%.DistEarth(Au))"), "1"},
    {TXT("Min(Venus.Mag())"), ""},
    {TXT("Abs(AngleDiff(Sun.Lon(Equ), Venus.Lon(Equ))) < 0.25 and "
         "Abs(AngleDiff(Sun.Lat(Equ), Venus.Lat(Equ))) < 0.25 and "
         "Venus.DistEarth(Au) < Sun.DistEarth(Au)"), ""},
    {TXT("Abs(AngleDiff(Sun.Lon(Equ), Mercury.Lon(Equ))) < 0.25 and "
         "Abs(AngleDiff(Sun.Lat(Equ), Mercury.Lat(Equ))) < 0.25 and "
         "Mercury.DistEarth(Au) < Sun.DistEarth(Au)"), ""},
    // 20
    {TXT("IsValid(%.Rise(Lct))"), "1"},
    {TXT("IsValid(%.Set(Lct))"), "1"},
    {TXT("AngleDiff(%.Lon(Ecl), Sun.Lon(Ecl)) > 15"), "1"},
    {TXT("%.RectCrdX()*%.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 <<= 1 "
         "and %.RectCrdZ() < 0"), "11111"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 >>= 1 "
         "and %.RectCrdZ() < 0"), "11111"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 <<= 1 "
         "and %.RectCrdZ() > 0"), "11111"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 >>= 1 "
         "and %.RectCrdZ() > 0"), "11111"},
    {TXT("Abs(%.RectCrdX() - %.RectCrdX()) < 0.12 And "
         "(%.RectCrdZ() < 0 Or %.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 > 1) And "
         "(%.RectCrdZ() < 0 Or %.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.071374 * %.RectCrdY() * 1.071374 > 1)"),
     "121111122222"},
    {TXT("Abs(%.RectCrdX()) < 0.12"), "1"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 <<= 1 "
         "and %.RectCrdZ() < 0"), "11111"},
    // 30
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 >>= 1 "
         "and %.RectCrdZ() < 0"), "11111"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 <<= 1 "
         "and %.RectCrdZ() > 0"), "11111"},
    {TXT("%.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 >>= 1 "
         "and %.RectCrdZ() > 0"), "11111"},
    {TXT("Abs(%.RectCrdX() - %.RectCrdX()) < 0.12 And "
         "(%.RectCrdZ() < 0 Or %.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 > 1) And "
         "(%.RectCrdZ() < 0 Or %.RectCrdX() * %.RectCrdX() + %.RectCrdY() * 1.1174735 * %.RectCrdY() * 1.1174735 > 1)"),
     "121111122222"},
    {TXT("Abs(%.RectCrdX()) < 0.12"), "1"},
}};

const Char* KeyNameOrEmpty(const CelestialObject* body) {
    return body != nullptr ? ObjectKeyName(*body) : TXT("");
}

void AppendWithLowerFirst(String& out, const Char* word) {
    String lowered(word);
    Char* text = lowered.Data();
    if (text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<Char>(text[0] - 'A' + 'a');
    StringAppend(out, lowered.Text());
}

}  // namespace

const EventKind* EventCondition::Quantity() const {
    const CelestialObject* body = firstBody.object;
    if (body == nullptr || quantity == kNoQuantity) return nullptr;
    const BodyType* type = GetBodyType(body->GetTypeId());
    return type != nullptr ? type->FindProperty(quantity) : nullptr;
}

const String& EventCondition::Describe(String& out) const {
    if (isUserExpression) {
        out = searchExpression;
        return searchExpression;
    }
    if (isPredefined) {
        const EventType* type = FindEventType(predefinedEvent);
        if (type != nullptr) {
            type->Describe(firstBody, secondBody, out);
        } else {
            out = searchExpression;
        }
        return searchExpression;
    }
    const EventKind* kind = Quantity();
    if (kind == nullptr) {
        out = searchExpression;
        return searchExpression;
    }
    out = firstBody.name;
    StringAppend(out, TXT("'s "));
    AppendWithLowerFirst(out, kind->GetName());
    StringAppend(out, TXT(" is at a "));
    AppendWithLowerFirst(out, isMinimum ? TXT("Minimum") : TXT("Maximum"));
    return searchExpression;
}

DateTime UnsetEventDate() noexcept {
    DateTime date;
    date.year = 1600;
    date.timeSystem = kInvalidTimeSystem;
    return date;
}

EventDefinition::EventDefinition()
    : from(UnsetEventDate()), to(UnsetEventDate()), secondDate(UnsetEventDate()),
      stoppedAt(UnsetEventDate()) {
    LocationInit(location);
}

EventDefinition::EventDefinition(const Location& place, const DateTime& fromDate,
                                 const DateTime& toDate, bool daylightSavingTime,
                                 const TimeStep& searchStep, const EventCondition& searched)
    : location(place), from(fromDate), to(toDate), daylightSaving(daylightSavingTime),
      step(searchStep), condition(searched), secondDate(UnsetEventDate()),
      stoppedAt(UnsetEventDate()) {}

void EventDefinition::SetLastRangeEnd(const DateTime& end) noexcept {
    if (!foundRanges.empty()) foundRanges.back().end = end;
}

void PredefinedEventExpression(int event, const CelestialObject* body1,
                               const CelestialObject* body2, String& out) {
    if (event < 0 || event >= kEventTypeCount) return;
    const EventPattern& pattern = kPatterns[static_cast<std::size_t>(event)];
    // Built by a scan of the pattern, so that a name is never searched again.
    std::basic_string<Char> text;
    const char* next = pattern.bodies;
    for (const Char* c = pattern.text; *c != 0; ++c) {
        if (*c != '%') {
            text += *c;
            continue;
        }
        const CelestialObject* body = nullptr;
        if (*next != 0) body = *next++ == '1' ? body1 : body2;
        text += KeyNameOrEmpty(body);
    }
    if (event == kEventConjunction && !IsTheSun(body1) && !IsTheSun(body2)) {
        // The key name, as everywhere in an expression: it does not depend
        // on the name system the user chose.
        const std::basic_string<Char> clause = TXT(" and Abs(");
        text += clause;
        text += KeyNameOrEmpty(body1);
        text += TXT(".ElongAngDist()) > 10");
    }
    out = text.c_str();
}

}  // namespace corvinata::events
