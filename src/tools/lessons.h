// Lessons: CorvinataScript files (".sts") in the program's "Scripts" folder,
// found by the header lines near their start, and the choice the Select
// Lesson dialog makes among them.
//
// A header value is found by key among the first ten lines: the first line
// that holds the key (in any case) followed by optional blanks and a colon
// gives the rest of that line, trimmed. Any comment marker may stand around
// it, so lessons written by hand need no exact layout.
#pragma once

#include <optional>
#include <vector>

#include "base/path_name.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

struct LessonHeader {
    String version;
    String title;
    String appliesTo;
    String description;
};

enum class LessonVersion { Supported, TooOld, TooNew, Unrecognised };

// The value of `key` in `lines` (only the first ten count), or nothing.
std::optional<String> FindLessonHeaderValue(const std::vector<String>& lines, const Char* key);

// The header of a lesson's first lines; nothing when the version key is
// missing or its value does not begin with a digit, ".", a digit.
std::optional<LessonHeader> ParseLessonHeader(const std::vector<String>& lines);

// Reads the header of the file at `path`; nothing when the file cannot be
// opened or closed, or its header is not one (above).
std::optional<LessonHeader> ReadLessonHeader(StorageService& storage, const String& path);

// "2.0" and "2.1" (and whatever follows them, as "2.15") are the versions
// this program runs.
LessonVersion CheckLessonVersion(const String& version);

// What the user is told when a browsed file is refused: its name, then
// why.
String LessonRefusalText(const Char* fileName, LessonVersion why);

// One lesson of the list: title, "Applies to" text, file name (the list's
// three columns) and the description shown below the list.
struct LessonRow {
    String title;
    String appliesTo;
    String fileName;
    String description;
};

// The lessons of `folder` whose headers are read and whose versions are
// supported, in the order the folder lists them. A folder that cannot be
// listed gives none.
std::vector<LessonRow> ScanLessonFolder(StorageService& storage, const PathName& folder);

// The description of the listed file `fileName`; empty when not listed.
String FindLessonDescription(const std::vector<LessonRow>& rows, const Char* fileName);

// The program's lesson folder: its own folder and "Scripts".
PathName LessonFolder(const PathName& programDirectory);
// The full path of a lesson of that folder.
String LessonFilePath(const PathName& programDirectory, const Char* fileName);

// The row OK or a double-click takes: the first selected or the clicked
// row (-1 for none); OK takes row 0 when none is selected. Nothing when
// that row does not exist, so an empty list or a click below the rows runs
// nothing.
std::optional<int> LessonRowToTake(int rowCount, int chosenRow, bool noneMeansFirst);

// The folder the open-file dialog starts in next time: the chosen lesson's
// folder once there is one; until then the stored folder stays.
String NextBrowseFolder(const String& scriptPath, const String& browsePath);

}  // namespace corvinata
