// The yearly ephemerides: the Sun every five days, the Moon every day and a
// planet at 75 dates, with the writers that lay the year out month by month.
#pragma once

#include <memory>
#include <vector>

#include "documents/report_kinds.h"

namespace corvinata {

// Days between the rows of a planet's table: 5 for Mercury and Venus, 10 for
// Mars, Jupiter and Saturn, 20 for the outer planets, 0 for no planet.
int EphemerisStepDays(int bodyNumber) noexcept;

struct EphemerisRow {
    DateTime date{kFirstValidYear, 1, 1, 0.0, kInvalidTimeSystem};
    double rightAscension = -1000.0;
    double declination = -1000.0;
    double distance = -1.0;        // AU
    double angularSize = -1.0;     // degrees
    double magnitude = 9999.0;
    double heliocentricLongitude = -1000.0;
    double elongation = -1000.0;   // signed, east of the Sun positive
    double eclipticLongitude = -1000.0;  // the Sun's
    double phase = -1.0;           // percent, the Moon's
    double phaseAngle = -1.0;      // the Moon's, 0 new .. 360
};

class PlanetEphemerisData final : public ReportData {
public:
    static constexpr int kRowCount = 75;
    explicit PlanetEphemerisData(int bodyNumber) : bodyNumber_(bodyNumber) {}
    std::unique_ptr<ReportData> Clone() const override;
    int BodyNumber() const noexcept { return bodyNumber_; }
    const EphemerisRow& Row(int i) const noexcept { return rows_[i]; }

protected:
    void Calculate() override;

private:
    int bodyNumber_;
    EphemerisRow rows_[kRowCount];
};

class SunEphemerisData final : public ReportData {
public:
    std::unique_ptr<ReportData> Clone() const override;
    const std::vector<EphemerisRow>& Rows() const noexcept { return rows_; }

protected:
    void Calculate() override;

private:
    std::vector<EphemerisRow> rows_;
};

class MoonEphemerisData final : public ReportData {
public:
    static constexpr int kRowCount = 367;
    std::unique_ptr<ReportData> Clone() const override;
    const EphemerisRow& Row(int i) const noexcept { return rows_[i]; }

protected:
    void Calculate() override;

private:
    EphemerisRow rows_[kRowCount];
};

// The principal phases of the Moon, in the order of their phase angles 0,
// 90, 180 and 270 degrees.
enum MoonPhase : int {
    kNoMoonPhase = -1,
    kNewMoon = 0,
    kFirstQuarter = 1,
    kFullMoon = 2,
    kLastQuarter = 3,
};

// The first of the phases whose angle lies between two phase angles, or
// kNoMoonPhase.
MoonPhase MoonPhaseBetween(double previousAngle, double angle) noexcept;
// The picture of a phase.
ReportPicture MoonPhasePicture(MoonPhase phase) noexcept;

class EphemerisWriter final : public ReportHtmlWriter {
public:
    EphemerisWriter(ReportData& data, int type) : ReportHtmlWriter(&data), type_(type) {}

protected:
    bool WriteBody() override;

private:
    int type_;
};

}  // namespace corvinata
