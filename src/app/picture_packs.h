// The installed picture packs: the program's own "Pictures" folder and the
// packs that announce themselves below the maker's registry key, each a
// folder of ".BMP" and ".JPG" files described by a "contents.txt".
#pragma once

#include <map>
#include <string>

#include "app/picture_document.h"
#include "base/storage.h"
#include "base/text_file.h"

namespace corvinata {

// The folder of the pack that ships beside the program.
constexpr const Char* kShippedPicturePackFolder = TXT("Pictures");
constexpr const Char* kPackContentsFile = TXT("contents.txt");

// File names upper-cased as the file system compares them (the pack's files
// are matched without regard to case), each with the rest of its line.
using PackDescriptions = std::map<std::basic_string<Char>, String>;

// Reads an open "contents.txt": the "[Format]" section with version 1.01,
// the "[Name]" section with the pack's name, and the "[Files]" section with
// one FILE:DESCRIPTION line per picture (a later line for the same file
// wins). Blank lines are skipped. Answers kPackContentsRead, or
// kPackContentsUnreadable at the first line that breaks the form; what was
// read up to there stays in `name` and `descriptions`.
std::int32_t ReadPackContents(TextFile& file, String& name, PackDescriptions& descriptions);

// Lists the pictures of the pack's folder and applies its contents file,
// once (a pack that was loaded is left alone). Each picture's description
// CAPTION:BODY TYPE:BODY NAME attaches it to a body when the type and the
// name are both found; else it shows no body.
void FindPackPictures(StorageService& storage, PicturePack& pack);

// The process's list of packs, read once.
class InstalledPicturePacks {
public:
    // Fills the list on the first call: the shipped pack in `programFolder`
    // (ending with a separator) first, then each subkey of `makerKeyPath`
    // (in the machine's hive) whose "Type" is "PicPack", with the folder
    // in its "Dir". Later calls do nothing.
    void Read(StorageService& storage, const String& makerKeyPath, const String& programFolder);
    // Read, then list every pack's pictures.
    void ReadAll(StorageService& storage, const String& makerKeyPath, const String& programFolder);

    bool WasRead() const noexcept { return read_; }
    const PicturePackList& Packs() const noexcept { return packs_; }
    PicturePackList& Packs() noexcept { return packs_; }

private:
    PicturePackList packs_;
    bool read_ = false;
};

}  // namespace corvinata
