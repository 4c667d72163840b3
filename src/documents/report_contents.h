// The contents of the program's reports: which data object and writer each
// report type is made of.
#pragma once

#include "documents/report_kinds.h"

namespace corvinata {

ReportPartsTable ProgramReportPartsTable() noexcept;

}  // namespace corvinata
