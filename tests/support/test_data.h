// Where the reference tests find the published data and golden files.
#pragma once

#include <string>

namespace corvinata::test {

// Path of a file below the data folder, e.g. DataPath("theory/golden/moon.csv").
std::string DataPath(const std::string& relative);

}  // namespace corvinata::test
