#include "documents/report_kinds.h"

#include <new>

#include "astro/instant_sharing.h"
#include "catalog/body_types.h"
#include "catalog/catalogue.h"
#include "catalog/celestial_object.h"
#include "documents/report_contents.h"

namespace corvinata {

namespace {

constexpr const Char* kMonthAbbreviations[12] = {
    TXT("Jan"), TXT("Feb"), TXT("Mar"), TXT("Apr"), TXT("May"), TXT("Jun"),
    TXT("Jul"), TXT("Aug"), TXT("Sep"), TXT("Oct"), TXT("Nov"), TXT("Dec"),
};

std::int32_t SettingsKindOf(int type) noexcept {
    switch (type) {
        case kDayReport:
        case kNightReport: return kReportDaily;
        case kMonthReport: return kReportMonthly;
        default: return kReportYearly;
    }
}

void AppendDigits(ReportPageText& text, std::int32_t value, int width) {
    Char digits[12];
    int n = 0;
    std::uint32_t rest = value < 0 ? 0u : static_cast<std::uint32_t>(value);
    do {
        digits[n++] = static_cast<Char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (n < width) digits[n++] = '0';
    while (n > 0) {
        const Char one = digits[--n];
        text.Append(&one, 1);
    }
}

void AppendMonth(ReportPageText& text, std::int32_t month) {
    if (month >= 1 && month <= 12) text.Append(kMonthAbbreviations[month - 1]);
}

const Char* PlanetName(int number) {
    const Catalogue* planets = CatalogueByType(kBodyPlanet);
    if (planets == nullptr || number < 0 || number >= planets->CatalogueGetCount()) return TXT("");
    const CelestialObject* planet = planets->CatalogueGetObjectAt(number);
    const Char* name = planet != nullptr ? ObjectKeyName(*planet) : nullptr;
    return name != nullptr ? name : TXT("");
}

const ReportPartsTable* g_partsInUse = nullptr;

}  // namespace

std::unique_ptr<ReportData> ReportData::Clone() const {
    return std::unique_ptr<ReportData>(new (std::nothrow) ReportData(*this));
}

const ReportPartsTable& ProgramReportParts() noexcept {
    static const ReportPartsTable kTable = ProgramReportPartsTable();
    return kTable;
}

const ReportPartsTable& ReportPartsInUse() noexcept {
    return g_partsInUse != nullptr ? *g_partsInUse : ProgramReportParts();
}

ScopedReportParts::ScopedReportParts(const ReportPartsTable& table) noexcept : previous_(g_partsInUse) {
    g_partsInUse = &table;
}

ScopedReportParts::~ScopedReportParts() { g_partsInUse = previous_; }

ReportKind::ReportKind(int type, int bodyNumber, const ReportParts& parts)
    : type_(type), body_(type == kPlanetEphemerides ? bodyNumber : 0), parts_(parts) {
    data_ = parts_.makeData != nullptr ? parts_.makeData(body_) : nullptr;
    if (!data_) data_.reset(new ReportData());
    handle_ = {SettingsKindOf(type_), data_.get(), body_};
    if (parts_.makeWriter != nullptr) writer_ = parts_.makeWriter(*data_, body_);
}

ReportKind::~ReportKind() = default;

bool ReportKind::WriteHtml(const DateTimeLocation& settings, bool nightMode) {
    // A report's tables and charts ask many bodies for the same instants.
    const InstantSharing sharing;
    if (type_ == kDayReport || type_ == kNightReport) {
        // Day and night reports cover their date from midnight, or from noon,
        // of local civil time, whatever the time they are given.
        DateTimeLocation local;
        DateTimeLocationInit(local);
        DateTimeLocationAssign(local, settings);
        local.dateTime.hours = type_ == kDayReport ? 0.0 : 12.0;
        local.dateTime.timeSystem = kLocalCivilTime;
        data_->Compute(local);
    } else {
        data_->Compute(settings);
    }
    return RenderHtml(nightMode);
}

bool ReportKind::RenderHtml(bool nightMode) {
    if (!writer_) return false;
    const String title = GetTitle();
    return writer_->Write(title.Text(), nightMode);
}

std::unique_ptr<ReportGenerator> ReportKind::Clone() const {
    std::unique_ptr<ReportKind> copy(new (std::nothrow) ReportKind(type_, body_, ReportParts{}));
    if (!copy) return nullptr;
    std::unique_ptr<ReportData> data = data_->Clone();
    if (!data) return nullptr;
    copy->parts_ = parts_;
    copy->data_ = std::move(data);
    copy->handle_.data = copy->data_.get();
    // The clone writes its own page.
    if (parts_.makeWriter != nullptr) copy->writer_ = parts_.makeWriter(*copy->data_, body_);
    return copy;
}

const String& ReportKind::GetHtml() const {
    static const String kNoPage;
    return writer_ ? writer_->Html() : kNoPage;
}

String ReportKind::GetTitle() const {
    const DateTime& date = data_->Settings().dateTime;
    ReportPageText title;
    switch (type_) {
        case kDayReport:
        case kNightReport:
            title.AppendAscii(type_ == kDayReport ? "Day Report for " : "Night Report for ");
            AppendMonth(title, date.month);
            title.AppendAscii(" ");
            AppendDigits(title, date.day, 2);
            title.AppendAscii(", ");
            AppendDigits(title, date.year, 4);
            break;
        case kMonthReport:
            title.AppendAscii("Month Report for ");
            AppendMonth(title, date.month);
            title.AppendAscii(" ");
            AppendDigits(title, date.year, 4);
            break;
        case kSolarEphemerides:
        case kLunarEphemerides:
            title.AppendAscii(type_ == kSolarEphemerides ? "Solar Ephemerides for " : "Lunar Ephemerides for ");
            AppendDigits(title, date.year, 4);
            break;
        default:
            title.AppendAscii("Ephemerides of ");
            title.Append(PlanetName(body_));
            title.AppendAscii(" for ");
            AppendDigits(title, date.year, 4);
            break;
    }
    return title.Text();
}

DateTimeLocation ReportKind::CurrentTimeAndLocation() const {
    DateTimeLocation record;
    DateTimeLocationInit(record);
    DateTimeLocationAssign(record, data_->Settings());
    return record;
}

bool IsReportType(int type, int bodyNumber) noexcept {
    if (type < 0 || type >= kReportTypeCount) return false;
    return type != kPlanetEphemerides || (bodyNumber >= 0 && bodyNumber < kReportPlanetCount);
}

std::unique_ptr<ReportKind> NewReport(int type, int bodyNumber) {
    if (!IsReportType(type, bodyNumber)) return nullptr;
    return std::unique_ptr<ReportKind>(
        new (std::nothrow) ReportKind(type, bodyNumber, ReportPartsInUse().types[type]));
}

bool CreateReport(ReportDocument& document, int type, int bodyNumber) {
    std::unique_ptr<ReportKind> report = NewReport(type, bodyNumber);
    if (!report) return false;
    document.ReplaceReport(std::move(report));
    return true;
}

std::unique_ptr<ReportDocument> NewReportDocument(NotificationHub& hub, int type, int bodyNumber,
                                                  const DateTimeLocation& record) {
    std::unique_ptr<ReportKind> report = NewReport(type, bodyNumber);
    if (!report) report = NewReport(kDayReport, 0);
    if (report) report->SetLocation(record);
    return std::make_unique<ReportDocument>(hub, std::move(report));
}

}  // namespace corvinata
