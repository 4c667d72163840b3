#include "app/report_picture_panels.h"

#include <algorithm>

#include "base/date_time_text.h"
#include "base/text_format.h"
#include "base/time_step.h"
#include "catalog/body_types.h"
#include "catalog/catalogue.h"
#include "catalog/celestial_object.h"
#include "catalog/planet_catalogue.h"

namespace corvinata {
namespace {

constexpr const Char* kReportEntries[kReportKindCount] = {
    TXT("Day report"),
    TXT("Night report"),
    TXT("Month report"),
    TXT("Year ephemerides of the Sun"),
    TXT("Year ephemerides of the Moon"),
    TXT("Year ephemerides of %"),
};

// The text with each "%" replaced by the next of `values` (the rest by
// nothing).
String FillPercents(const Char* pattern, std::initializer_list<const Char*> values) {
    String text;
    auto next = values.begin();
    for (const Char* p = pattern; *p != 0; ++p) {
        if (*p != '%') {
            const Char one[2] = {*p, 0};
            StringAppend(text, one);
        } else if (next != values.end()) {
            StringAppend(text, *next++);
        }
    }
    return text;
}

const CelestialObject* PlanetAt(int number) {
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    return planets != nullptr ? planets->CatalogueGetObjectAt(number) : nullptr;
}

String PeriodText(const DateTime& moment, std::int32_t unit, int steps) {
    String text;
    DateTime shifted = moment;
    TimeStep step;
    TimeStepSet(step, unit, steps);
    if (steps == 0 || AddDateTimeInterval(shifted, step)) FormatDate(shifted, unit, text);
    return text;
}

}  // namespace

std::vector<ReportChoice> ReportChoices() {
    std::vector<ReportChoice> choices;
    for (int kind = 0; kind < kPlanetEphemeridesReport; ++kind) choices.push_back({kind, 0});
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    const int count = planets != nullptr ? planets->CatalogueGetCount() : 0;
    for (int planet = 0; planet < count; ++planet) choices.push_back({kPlanetEphemeridesReport, planet});
    return choices;
}

String ReportEntryText(const ReportChoice& choice) {
    if (choice.kind < 0 || choice.kind >= kReportKindCount) return String();
    if (choice.kind != kPlanetEphemeridesReport) return String(kReportEntries[choice.kind]);
    const CelestialObject* planet = PlanetAt(choice.planet);
    if (planet == nullptr) return String();
    return FillPercents(kReportEntries[choice.kind], {ObjectKeyName(*planet)});
}

bool ReportChoiceOfEntry(const Char* text, ReportChoice& choice) {
    for (const ReportChoice& candidate : ReportChoices()) {
        if (StringEquals(ReportEntryText(candidate), text)) {
            choice = candidate;
            return true;
        }
    }
    return false;
}

ReportPeriodTexts MakeReportPeriodTexts(const BrowsableReport& report) {
    const DateTime moment = report.CurrentTimeAndLocation().dateTime;
    const std::int32_t unit = report.BrowsingUnit();
    return {PeriodText(moment, unit, -1), PeriodText(moment, unit, 0), PeriodText(moment, unit, 1)};
}

bool StepReportPeriod(BrowsableReport& report, bool forward, bool nightVision) {
    DateTimeLocation record = report.CurrentTimeAndLocation();
    TimeStep step;
    TimeStepSet(step, report.BrowsingUnit(), forward ? 1 : -1);
    if (!AddDateTimeInterval(record.dateTime, step)) return false;
    return report.ApplyTimeAndLocation(record, nightVision);
}

std::vector<PictureRow> MakePictureRows(const PicturePackList& packs) {
    std::vector<PictureRow> rows;
    for (const PicturePack& pack : packs) {
        for (const PictureEntry& entry : pack.entries) rows.push_back({&pack, &entry});
    }
    return rows;
}

String PictureColumnText(const PictureEntry& entry, int column) {
    switch (column) {
        case kPictureTypeColumn: {
            if (entry.bodyType < 0 || entry.bodyType > kPictureWithoutBody) return String();
            const BodyType* type = GetBodyType(entry.bodyType);
            return type != nullptr ? type->DisplayName() : String();
        }
        case kPictureNameColumn: {
            if (entry.bodyType == kPictureWithoutBody) return String(TXT("Unknown"));
            // The pack file may name any type and number: both are checked
            // against the catalogues before an object is taken.
            const Catalogue* catalogue = entry.bodyType >= 0 && entry.bodyType < kPictureWithoutBody
                                             ? CatalogueByType(entry.bodyType)
                                             : nullptr;
            const CelestialObject* object = catalogue != nullptr && entry.bodyNumber >= 0 &&
                                                    entry.bodyNumber < catalogue->CatalogueGetCount()
                                                ? catalogue->CatalogueGetObjectAt(entry.bodyNumber)
                                                : nullptr;
            const Char* name = object != nullptr ? ObjectKeyName(*object) : nullptr;
            return String(name != nullptr ? name : TXT(""));
        }
        case kPictureDescriptionColumn: return entry.description;
        default: return String();
    }
}

void SortPictureRows(std::vector<PictureRow>& rows, int column) {
    std::vector<std::pair<String, PictureRow>> keyed;
    keyed.reserve(rows.size());
    for (const PictureRow& row : rows) keyed.emplace_back(PictureColumnText(*row.entry, column), row);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        const Char* x = a.first.Text();
        const Char* y = b.first.Text();
        while (*x != 0 && *x == *y) ++x, ++y;
        return static_cast<unsigned>(*x) < static_cast<unsigned>(*y);
    });
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = keyed[i].second;
}

String PicturePackCountText(const Char* pattern, int packs) {
    String count;
    StringFromInteger(packs, 1, count, true, ' ');
    return FillPercents(pattern, {count.Text(), packs == 1 ? TXT("") : TXT("s")});
}

PictureRef PictureRefOfRow(const PictureRow& row) {
    PictureRef ref;
    if (row.pack != nullptr) ref.directory = row.pack->directory;
    if (row.entry != nullptr) ref.fileName = row.entry->fileName;
    return ref;
}

}  // namespace corvinata
