// What the Report and Picture control panels show and do, without their
// dialogs: the report entries and the browsing of a report's period, and the
// rows of the installed pictures with their column texts and order.
#pragma once

#include <cstdint>
#include <vector>

#include "app/picture_document.h"
#include "base/date_time_location.h"
#include "base/wide_string.h"

namespace corvinata {

// A report as its panel uses it: the Report document's report object.
class BrowsableReport {
public:
    virtual ~BrowsableReport() = default;
    // True when the record changed what the report shows.
    virtual bool ApplyTimeAndLocation(const DateTimeLocation& record, bool nightVision) = 0;
    // The period of one page, a TimeUnitId.
    virtual std::int32_t BrowsingUnit() const = 0;
    virtual int ReportType() const = 0;
    // The planet of a kind-5 report (planet catalogue number).
    virtual int PlanetNumber() const = 0;
    virtual DateTimeLocation CurrentTimeAndLocation() const = 0;
};

// The ephemerides reports, whose body is the Sun, the Moon or a planet.
constexpr int kSunEphemeridesReport = 3;
constexpr int kMoonEphemeridesReport = 4;
constexpr int kPlanetEphemeridesReport = 5;
constexpr int kReportKindCount = 6;

struct ReportChoice {
    int kind = 0;
    int planet = 0;  // kind 5 only
};

// The list's entries in order: kinds 0 to 4, then kind 5 once per planet of
// the planets catalogue.
std::vector<ReportChoice> ReportChoices();
// "Day report" ... "Year ephemerides of Mars"; empty for an unknown choice.
String ReportEntryText(const ReportChoice& choice);
// The choice whose entry is `text`; false for none.
bool ReportChoiceOfEntry(const Char* text, ReportChoice& choice);

// The browse buttons' and the current period's texts: one browsing unit
// before, at and after the report's date, each to the precision of the unit.
struct ReportPeriodTexts {
    String previous;
    String current;
    String next;
};
ReportPeriodTexts MakeReportPeriodTexts(const BrowsableReport& report);

// Moves the report by one browsing unit; true when the report changed. A
// move beyond the valid dates changes nothing.
bool StepReportPeriod(BrowsableReport& report, bool forward, bool nightVision);

// One row of the Picture panel: a picture of an installed pack.
struct PictureRow {
    const PicturePack* pack = nullptr;
    const PictureEntry* entry = nullptr;
};

enum PictureColumn : int { kPictureTypeColumn = 0, kPictureNameColumn = 1, kPictureDescriptionColumn = 2 };

// Every picture of every pack, pack by pack.
std::vector<PictureRow> MakePictureRows(const PicturePackList& packs);
// The column texts. A body type or number that names nothing in the
// catalogues gives empty Type and Name texts.
String PictureColumnText(const PictureEntry& entry, int column);
// Ascending by the column's text in code-unit order; equal texts keep
// their order.
void SortPictureRows(std::vector<PictureRow>& rows, int column);
// "3 PicPacks loaded", "1 PicPack loaded".
String PicturePackCountText(const Char* pattern, int packs);
// The reference of a row's picture.
PictureRef PictureRefOfRow(const PictureRow& row);

}  // namespace corvinata
