#include "astro/besselian.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "astro/degrees.h"
#include "base/date_time.h"
#include "generated/besselian.h"

namespace corvinata {

namespace {


auto DateKey(const EclipseTableEntry& entry) noexcept {
    return std::make_tuple(entry.year, entry.month, entry.day);
}

}  // namespace

EclipseTableView EclipseTable() noexcept {
    return EclipseTableView(generated::kEclipseTable, generated::kEclipseTableSize);
}

void BesselianElementsInit(BesselianElements& record) noexcept {
    record = BesselianElements();
}

BesselianElements& BesselianElementsSet(
    BesselianElements& record, EclipseType type,
    const double (&values)[kBesselianCoefficientCount]) noexcept {
    double* const fields[kBesselianCoefficientCount] = {
        &record.x0,   &record.x1,   &record.x2,   &record.x3,   &record.y0,
        &record.y1,   &record.y2,   &record.y3,   &record.d0,   &record.d1,
        &record.d2,   &record.mu0,  &record.mu1,  &record.l1_0, &record.l1_1,
        &record.l1_2, &record.l2_0, &record.l2_1, &record.l2_2, &record.tanf1,
        &record.tanf2,
    };
    for (int i = 0; i < kBesselianCoefficientCount; ++i) *fields[i] = values[i];
    record.type = type;
    return record;
}

EclipseTableEntry& EclipseTableEntrySet(EclipseTableEntry& entry, std::int32_t year,
                                        std::int32_t month, std::int32_t day,
                                        std::int32_t t0,
                                        const BesselianElements& elements) noexcept {
    entry.year = year;
    entry.month = month;
    entry.day = day;
    entry.t0 = t0;
    entry.elements = elements;
    return entry;
}

const EclipseTableEntry* FindEclipseEntry(std::int32_t year, std::int32_t month,
                                          std::int32_t day) noexcept {
    // The rows are strictly ascending by date, so a binary search finds the
    // same row as a walk from the first one, in nine steps instead of hundreds:
    // the path computations look the eclipse up for every point.
    const EclipseTableView table = EclipseTable();
    const auto wanted = std::make_tuple(year, month, day);
    const EclipseTableEntry* row = std::lower_bound(
        table.begin(), table.end(), wanted,
        [](const EclipseTableEntry& entry, const auto& key) { return DateKey(entry) < key; });
    if (row == table.end() || DateKey(*row) != wanted) return nullptr;
    return row;
}

bool FindEclipseOnDate(const DateTime& date, double& t0,
                       BesselianElements& elements) noexcept {
    const EclipseTableEntry* row = FindEclipseEntry(date.year, date.month, date.day);
    if (row == nullptr) return false;
    t0 = static_cast<double>(row->t0);
    elements = row->elements;
    return true;
}

BesselianValues EvaluateBesselianElements(const BesselianElements& e,
                                          double t) noexcept {
    BesselianValues v;
    v.x = ((e.x3 * t + e.x2) * t + e.x1) * t + e.x0;
    v.y = ((e.y3 * t + e.y2) * t + e.y1) * t + e.y0;
    v.d = ((e.d2 * t + e.d1) * t + e.d0) * kRadiansPerDegree;
    v.mu = e.mu1 * t + e.mu0;
    v.l1 = (e.l1_2 * t + e.l1_1) * t + e.l1_0;
    v.l2 = (e.l2_2 * t + e.l2_1) * t + e.l2_0;
    v.xRate = e.x1 + (2.0 * e.x2 + 3.0 * e.x3 * t) * t;
    v.yRate = e.y1 + (2.0 * e.y2 + 3.0 * e.y3 * t) * t;
    const double cosD = std::cos(v.d);
    v.rho1inv = 1.0 / std::sqrt(1.0 - kEarthSquaredEccentricity * cosD * cosD);
    return v;
}

}  // namespace corvinata
