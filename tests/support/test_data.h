// Where the reference tests find the published data and their own reference files.
#pragma once

#include <string>

namespace corvinata::test {

// Path of a file below the data folder, e.g. DataPath("theory/golden/moon.csv").
std::string DataPath(const std::string& relative);

// Path of a file below the tests' own folder, e.g. the reference values made
// for a test: TestsPath("astro/reference/local_eclipses.csv").
std::string TestsPath(const std::string& relative);

// Path of a file the build generated beside its headers, e.g. the pixels an
// independent decoder made of a picture: GeneratedPath("picture_references/m042.jpg.bgr").
std::string GeneratedPath(const std::string& relative);

}  // namespace corvinata::test
