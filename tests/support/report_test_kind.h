// A small report kind for the tests of the report family, document, window,
// protocol object and browser host: its data object counts computations and
// keeps the settings they were made for; its page has a heading picture and
// the place's town.
#pragma once

#include <memory>

#include "documents/report_kinds.h"
#include "documents/report_values.h"

namespace corvinata::test {

class TestReportData final : public ReportData {
public:
    std::unique_ptr<ReportData> Clone() const override { return std::make_unique<TestReportData>(*this); }
    int computations = 0;
    DateTimeLocation computedFor{};

protected:
    void Calculate() override {
        ++computations;
        computedFor = Settings();
    }
};

class TestReportWriter final : public ReportHtmlWriter {
public:
    explicit TestReportWriter(ReportData& data) : ReportHtmlWriter(&data) {}

protected:
    bool WriteBody() override {
        WriteSectionHeading(*this, ReportPicture::Sun, TXT("Sun"), TXT("Sun"));
        WriteTableStart(*this, "Time and location", true);
        WriteDataRowStart(*this);
        WriteLine(*this, "      <td>", Data()->Settings().location.town.Text());
        WriteRowEnd(*this);
        WriteTableEnd(*this);
        return true;
    }
};

inline const ReportPartsTable& TestReportParts() {
    static const ReportParts kParts{
        [](int) -> std::unique_ptr<ReportData> { return std::make_unique<TestReportData>(); },
        [](ReportData& data, int) -> std::unique_ptr<ReportHtmlWriter> {
            return std::make_unique<TestReportWriter>(data);
        }};
    static const ReportPartsTable kTable{{kParts, kParts, kParts, kParts, kParts, kParts}};
    return kTable;
}

inline TestReportData& TestDataOf(const ReportGenerator& report) {
    return static_cast<TestReportData&>(static_cast<const ReportKind&>(report).Data());
}

}  // namespace corvinata::test
