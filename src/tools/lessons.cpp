#include "tools/lessons.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <string>

#include "app/product_info.h"
#include "base/text_file.h"
#include "base/text_format.h"

namespace corvinata {

namespace {

using Text = std::basic_string<Char>;

constexpr int kHeaderLines = 10;

bool IsBlank(Char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(Char c) { return c >= '0' && c <= '9'; }

// Where `key` stands in `line` (any case) at `from` or after, or `length`
// when it does not. Searched in place: every position is tried once, so a
// line is read once for each of the few characters of a key.
std::size_t FindNoCase(const Char* line, std::size_t length, const Char* key, std::size_t keyLength,
                       std::size_t from) {
    for (std::size_t at = from; at + keyLength <= length; ++at) {
        std::size_t i = 0;
        while (i < keyLength && FoldUpper(line[at + i]) == FoldUpper(key[i])) ++i;
        if (i == keyLength) return at;
    }
    return length;
}

bool HasVersionShape(const String& version) {
    const Char* v = version.Text();
    return IsDigit(v[0]) && v[1] == '.' && IsDigit(v[2]);
}

}  // namespace

std::optional<String> FindLessonHeaderValue(const std::vector<String>& lines, const Char* key) {
    const std::size_t keyLength = static_cast<std::size_t>(TextLength(key));
    const int count = std::min(static_cast<int>(lines.size()), kHeaderLines);
    for (int i = 0; i < count; ++i) {
        const String& line = lines[static_cast<std::size_t>(i)];
        const Char* text = line.Text();
        const auto length = static_cast<std::size_t>(line.Length());
        // A line may name the key more than once (say in a comment before
        // it); the first occurrence followed by the colon counts.
        for (std::size_t at = FindNoCase(text, length, key, keyLength, 0); at < length;
             at = FindNoCase(text, length, key, keyLength, at + 1)) {
            std::size_t p = at + keyLength;
            while (p < length && IsBlank(text[p])) ++p;
            if (p < length && text[p] == ':') {
                ++p;
                while (p < length && IsBlank(text[p])) ++p;
                std::size_t end = length;
                while (end > p && IsBlank(text[end - 1])) --end;
                return String(Text(text + p, text + end).c_str());
            }
        }
    }
    return std::nullopt;
}

std::optional<LessonHeader> ParseLessonHeader(const std::vector<String>& lines) {
    LessonHeader header;
    std::optional<String> version = FindLessonHeaderValue(lines, TXT("CorvinataScript"));
    if (!version || !HasVersionShape(*version)) return std::nullopt;
    header.version = *version;
    header.title = FindLessonHeaderValue(lines, TXT("Title")).value_or(String());
    if (header.title.IsEmpty()) header.title = TXT("[No title]");
    header.appliesTo = FindLessonHeaderValue(lines, TXT("Applies to date")).value_or(String());
    header.description = FindLessonHeaderValue(lines, TXT("Description")).value_or(String());
    return header;
}

std::optional<LessonHeader> ReadLessonHeader(StorageService& storage, const String& path) {
    std::unique_ptr<TextFile> file = storage.CreateTextFile(path);
    if (!file || !file->Open(FileOpenMode::Read)) return std::nullopt;
    std::vector<String> lines;
    String line;
    // A file that fails in any way (the memory for a first line far longer
    // than any header's included) has no header: it is not listed.
    try {
        while (static_cast<int>(lines.size()) < kHeaderLines && file->ReadLine(line)) lines.push_back(line);
    } catch (const std::exception&) {
        file->Close();
        return std::nullopt;
    }
    // A file that cannot be closed may not have been read as written.
    if (!file->Close()) return std::nullopt;
    return ParseLessonHeader(lines);
}

LessonVersion CheckLessonVersion(const String& version) {
    if (!HasVersionShape(version)) return LessonVersion::Unrecognised;
    const Char* v = version.Text();
    const int number = 10 * (v[0] - '0') + (v[2] - '0');
    if (number < 20) return LessonVersion::TooOld;
    if (number > 21) return LessonVersion::TooNew;
    return LessonVersion::Supported;
}

String LessonRefusalText(const Char* fileName, LessonVersion why) {
    const Char* reason = TXT("it was not recognized as a valid CorvinataScript file.");
    if (why == LessonVersion::TooOld) reason = TXT("its version is so old that it is no longer supported.");
    if (why == LessonVersion::TooNew) reason = TXT("it requires a more recent version of Corvinata.");
    return FormatPercent2(TXT("% could not be opened because %"), fileName, reason);
}

std::vector<LessonRow> ScanLessonFolder(StorageService& storage, const PathName& folder) {
    std::vector<LessonRow> rows;
    PathName pattern = folder;
    if (!pattern.SetPathFileName(TXT("*.sts"))) return rows;
    std::unique_ptr<FileFinder> finder = storage.CreateFileFinder();
    String name(pattern.ComposePath());
    if (!finder->FindFirst(name)) return rows;
    do {
        if (finder->FoundFolder()) continue;
        PathName file = folder;
        if (!file.SetPathFileName(name.Text())) continue;
        const std::optional<LessonHeader> header = ReadLessonHeader(storage, String(file.ComposePath()));
        if (!header || CheckLessonVersion(header->version) != LessonVersion::Supported) continue;
        rows.push_back({header->title, header->appliesTo, name, header->description});
    } while (finder->FindNext(name));
    finder->Close();
    return rows;
}

String FindLessonDescription(const std::vector<LessonRow>& rows, const Char* fileName) {
    for (const LessonRow& row : rows) {
        if (StringEquals(row.fileName, fileName)) return row.description;
    }
    return String();
}

PathName LessonFolder(const PathName& programDirectory) {
    PathName folder;
    folder.SetPathWithSeparator(programDirectory.GetPathDirectoryWithSeparator());
    folder.AppendPathFolder(kLessonsFolder);
    return folder;
}

String LessonFilePath(const PathName& programDirectory, const Char* fileName) {
    PathName file = LessonFolder(programDirectory);
    file.SetPathFileName(fileName);
    return String(file.ComposePath());
}

std::optional<int> LessonRowToTake(int rowCount, int chosenRow, bool noneMeansFirst) {
    const int row = chosenRow < 0 && noneMeansFirst ? 0 : chosenRow;
    if (row < 0 || row >= rowCount) return std::nullopt;
    return row;
}

String NextBrowseFolder(const String& scriptPath, const String& browsePath) {
    if (scriptPath.IsEmpty()) return browsePath;
    PathName path;
    if (!path.SetPath(scriptPath.Text())) return browsePath;
    return String(path.GetPathDirectory());
}

}  // namespace corvinata
