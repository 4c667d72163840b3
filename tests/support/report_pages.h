// What the report-content tests and benchmarks share: London (the place the
// program starts with), the display settings the golden pages are written in,
// a graph-image service that hands back a small picture, and the writing of a
// report's page.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "app/graph_image.h"
#include "base/services.h"
#include "catalog/town_table.h"
#include "documents/graph_document.h"
#include "documents/report_contents.h"
#include "support/catalogues.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata::test {

// Sexagesimal degrees, right ascension in hours.
class FixedDisplayFormat final : public DisplayFormatInterface {
public:
    int GetAngleDegreeBase() const override { return 0; }
    int GetRaDisplayUnit() const override { return 1; }
};

// Computes the graph and answers a picture of eight bytes that names the
// capture and its size.
class FakeGraphImages final : public GraphImageInterface {
public:
    GraphImageBytes CaptureGraphArea(const GraphDocument&, int w, int h) override { return Picture('A', w, h); }
    GraphImageBytes CaptureGraphXAxis(const GraphDocument&, int w, int h) override { return Picture('X', w, h); }
    GraphImageBytes CaptureGraphYAxis(const GraphDocument&, int w, int h) override { return Picture('Y', w, h); }
    void ComputeGraphWithWaitCursor(GraphDocument& document, bool notify) override {
        ++computed;
        document.ComputeAllLines(notify);
    }
    int computed = 0;

private:
    static GraphImageBytes Picture(char kind, int w, int h) {
        return {'B', 'M', static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(h), 0, 0, 0};
    }
};

inline Location LondonPlace() {
    Location london;
    LocationInit(london);
    TownLocation(FindTownIndex(TXT("United Kingdom"), TXT("London")), london);
    return london;
}

// A place of the user's own at a latitude, on London's meridian and zone.
inline Location PlaceAt(double north, const Char* town) {
    Location place = LondonPlace();
    place.coordinates.latitude.degrees = north;
    place.town = String(town);
    return place;
}

inline DateTimeLocation ReportRecord(const Location& place, std::int32_t year, std::int32_t month,
                                     std::int32_t day) {
    DateTimeLocation record;
    DateTimeLocationInit(record);
    record.dateTime = DateTime{year, month, day, 0.0, kLocalCivilTime};
    LocationAssign(record.location, place);
    return record;
}

// The page of a new report of the program's kind; empty when it was not written.
inline std::string ReportPage(int type, int body, const DateTimeLocation& record, bool night) {
    std::unique_ptr<ReportKind> report(new ReportKind(type, body, ProgramReportParts().types[type]));
    if (!report->WriteHtml(record, night)) return std::string();
    return Utf8(report->GetHtml().Text());
}

// Everything the pages need: catalogues, the product, the display settings
// and the graph images.
struct ReportPageEnvironment {
    MemorySettings settings;
    ScopedCatalogues catalogues;
    FixedDisplayFormat display;
    ScopedApplicationServices services{&settings.product, &display};
    FakeGraphImages images;
};

}  // namespace corvinata::test
