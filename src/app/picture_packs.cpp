#include "app/picture_packs.h"

#include <exception>
#include <memory>
#include <vector>

#include "app/registered_packs.h"
#include "base/file_name_case.h"
#include "base/folder_node.h"
#include "base/number_text.h"
#include "catalog/body_types.h"
#include "catalog/catalogue_registry.h"

namespace corvinata {
namespace {

using Text = std::basic_string<Char>;

// The longest caption, type name or body name taken from a description.
constexpr std::size_t kDescriptionFieldMax = 10000;

bool IsBlank(const String& line) noexcept {
    for (const Char* c = line.Text(); *c; ++c)
        if (!IsSpaceChar(*c)) return false;
    return true;
}

// A file name as the file system compares it.
Text UpperCased(const Char* text) {
    Text folded;
    for (; *text; ++text) folded.push_back(FileNameUpper(*text));
    return folded;
}

// Reads the contents file a non-blank line at a time. At the end of the file
// a line is "read" empty with `atEnd` set, so that a missing header or value
// fails and the end of the files section ends it normally.
class ContentsLines {
public:
    explicit ContentsLines(TextFile& file) : file_(file) {}

    // False on a read error.
    bool Next(String& line) {
        while (!atEnd_) {
            if (!file_.ReadLine(line)) {
                if (!file_.AtEnd()) return false;
                atEnd_ = true;
                break;
            }
            if (!IsBlank(line)) return true;
        }
        line = String();
        return true;
    }
    bool AtEnd() const noexcept { return atEnd_; }

private:
    TextFile& file_;
    bool atEnd_ = false;
};

bool IsVersion101(const String& line) {
    double version = 0.0;
    int consumed = 0;
    return ParseDouble(line.Text(), version, &consumed) && consumed == line.Length() && version == 1.01;
}

String Field(const Text& text) {
    return String(text.substr(0, kDescriptionFieldMax).c_str());
}

// CAPTION:BODY TYPE:BODY NAME; missing fields stay empty.
void SplitDescription(const Char* description, String& caption, String& typeName, String& bodyName) {
    const Text text(description);
    const std::size_t first = text.find(':');
    caption = Field(text.substr(0, first));
    if (first == Text::npos) return;
    const std::size_t second = text.find(':', first + 1);
    typeName = Field(text.substr(first + 1, second == Text::npos ? Text::npos : second - first - 1));
    if (second != Text::npos) bodyName = Field(text.substr(second + 1));
}

void AttachBody(PictureEntry& entry, const String& typeName, const String& bodyName) {
    entry.bodyType = kPictureWithoutBody;
    entry.bodyNumber = -1;
    const BodyTypeRegistry* registry = GetBodyTypeRegistry();
    const BodyType* type = registry ? FindBodyTypeByName(*registry, typeName.Text()) : nullptr;
    if (!type || type->GetTypeId() == kPictureWithoutBody) return;
    const CelestialObject* object = FindObjectOfTypeByName(type->GetTypeId(), bodyName.Text());
    if (!object) return;
    entry.bodyType = type->GetTypeId();
    entry.bodyNumber = object->Number();
}

Text JoinPath(const String& folder, const Char* name) {
    Text path(folder.Text());
    if (!path.empty() && path.back() != '\\' && path.back() != '/') path.push_back('\\');
    return path + name;
}

}  // namespace

std::int32_t ReadPackContents(TextFile& file, String& name, PackDescriptions& descriptions) {
    ContentsLines lines(file);
    String line;
    if (!lines.Next(line) || !StringEquals(line, TXT("[Format]"))) return kPackContentsUnreadable;
    if (!lines.Next(line) || !IsVersion101(line)) return kPackContentsUnreadable;
    if (!lines.Next(line) || !StringEquals(line, TXT("[Name]"))) return kPackContentsUnreadable;
    if (!lines.Next(line) || lines.AtEnd()) return kPackContentsUnreadable;
    name = line;
    if (!lines.Next(line) || !StringEquals(line, TXT("[Files]"))) return kPackContentsUnreadable;
    for (;;) {
        if (!lines.Next(line)) return kPackContentsUnreadable;
        if (lines.AtEnd()) return kPackContentsRead;
        const Text text(line.Text());
        const std::size_t colon = text.find(':');
        if (colon == Text::npos) return kPackContentsUnreadable;
        descriptions[UpperCased(text.substr(0, colon).c_str())] = String(text.substr(colon + 1).c_str());
    }
}

void FindPackPictures(StorageService& storage, PicturePack& pack) {
    if (pack.loaded) return;
    for (const Char* pattern : {TXT("*.BMP"), TXT("*.JPG")}) {
        PathName path;
        std::vector<String> files;
        if (!path.SetPath(JoinPath(pack.directory, pattern).c_str())) continue;
        FolderNode(storage, path).ListEntries(files);
        for (const String& file : files) {
            PictureEntry entry;
            entry.fileName = file;
            pack.entries.push_back(entry);
        }
    }

    PackDescriptions descriptions;
    pack.contentsStatus = kPackContentsUnreadable;
    if (std::unique_ptr<TextFile> file = storage.CreateTextFile(String(JoinPath(pack.directory, kPackContentsFile).c_str()));
        file && file->Open(FileOpenMode::Read)) {
        // A contents file that fails in any way (the memory for a file far
        // larger than any pack's included) is one that cannot be read: the
        // pictures are still offered, by their file names.
        try {
            pack.contentsStatus = ReadPackContents(*file, pack.name, descriptions);
        } catch (const std::exception&) {
            pack.contentsStatus = kPackContentsUnreadable;
            descriptions.clear();
        }
        file->Close();
    }

    for (PictureEntry& entry : pack.entries) {
        const auto found = descriptions.find(UpperCased(entry.fileName.Text()));
        String caption;
        String typeName;
        String bodyName;
        if (found == descriptions.end() || found->second.IsEmpty()) {
            caption = entry.fileName;
        } else {
            SplitDescription(found->second.Text(), caption, typeName, bodyName);
        }
        entry.description = caption;
        AttachBody(entry, typeName, bodyName);
    }
    pack.loaded = true;
}

void InstalledPicturePacks::Read(StorageService& storage, const String& makerKeyPath,
                                 const String& programFolder) {
    if (read_) return;
    PicturePack shipped;
    shipped.directory = String((Text(programFolder.Text()) + kShippedPicturePackFolder).c_str());
    packs_.push_back(shipped);
    for (const String& folder : RegisteredPackFolders(storage, makerKeyPath, TXT("PicPack"))) {
        PicturePack pack;
        pack.directory = folder;
        packs_.push_back(pack);
    }
    read_ = true;
}

void InstalledPicturePacks::ReadAll(StorageService& storage, const String& makerKeyPath,
                                    const String& programFolder) {
    Read(storage, makerKeyPath, programFolder);
    for (PicturePack& pack : packs_) FindPackPictures(storage, pack);
}

}  // namespace corvinata
