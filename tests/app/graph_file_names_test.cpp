#include "app/graph_file_names.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

struct PathCase {
    const Char* a;
    const Char* b;
    bool same;
};

class SameFilePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SameFilePathTest, ComparesAsWindowsDoes) {
    EXPECT_EQ(SameFilePath(GetParam().a, GetParam().b), GetParam().same);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SameFilePathTest,
    ::testing::Values(PathCase{TXT("C:\\Graphs\\Mars.gph"), TXT("c:\\graphs\\MARS.GPH"), true},
                      PathCase{TXT("C:\\Graphs\\Mars.gph"), TXT("C:/Graphs/Mars.gph"), true},
                      PathCase{TXT("C:\\Graphs\\Mars.gph"), TXT("C:\\Graphs\\Mars.gph2"), false},
                      PathCase{TXT("C:\\Graphs\\Mars.gph"), TXT("C:\\Graphs\\Venus.gph"), false},
                      // Letters beyond ASCII without regard to case too.
                      PathCase{TXT("C:\\\u00C4rger\\M\u00F6nd.gph"), TXT("c:\\\u00E4RGER\\M\u00D6ND.GPH"), true},
                      PathCase{TXT("C:\\Stra\u00DFe.gph"), TXT("C:\\STRASSE.gph"), false}));

TEST(GraphFileNamesTest, XmlExportIsChosenByTheExtensionInSmallLetters) {
    EXPECT_TRUE(IsXmlExportPath(TXT("C:\\out\\mars.xml")));
    EXPECT_TRUE(IsXmlExportPath(TXT("C:\\OUT\\MARS.xml")));
    EXPECT_FALSE(IsXmlExportPath(TXT("C:\\out\\MARS.XML")));
    EXPECT_FALSE(IsXmlExportPath(TXT("C:\\out\\mars.Xml")));
    EXPECT_FALSE(IsXmlExportPath(TXT("C:\\out\\mars.gph")));
    EXPECT_FALSE(IsXmlExportPath(TXT("xml")));
}

}  // namespace
}  // namespace corvinata
