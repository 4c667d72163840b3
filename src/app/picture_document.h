// The Picture window's document, and the lookups in the installed picture
// packs that it and the related tasks use.
#pragma once

#include <cstdint>
#include <vector>

#include "base/file_name_case.h"
#include "catalog/catalogue_registry.h"
#include "app/window_document.h"
#include "base/wide_string.h"

namespace corvinata {

// A picture named by its pack's directory and its file name.
struct PictureRef {
    String directory;
    String fileName;
};

// Folder and file names of Windows: compared as the file system compares
// them (without regard to case, letters beyond ASCII included), as the
// lookups find them.
inline bool PictureRefEquals(const PictureRef& a, const PictureRef& b) noexcept {
    return FileNamesEqual(a.directory.Text(), b.directory.Text()) && FileNamesEqual(a.fileName.Text(), b.fileName.Text());
}

// Marks a picture that shows no particular body.
constexpr std::int32_t kPictureWithoutBody = 9;

// One picture of a pack: its file and what the pack's contents file says of
// it (the description is the caption shown for it).
struct PictureEntry {
    String fileName;
    std::int32_t bodyType = kPictureWithoutBody;
    std::int32_t bodyNumber = -1;
    String description;
};

// How reading a pack's contents file went.
constexpr std::int32_t kPackContentsRead = 1;
constexpr std::int32_t kPackContentsUnreadable = 3;

struct PicturePack {
    String directory;
    String name;
    std::vector<PictureEntry> entries;
    bool loaded = false;
    std::int32_t contentsStatus = kPackContentsUnreadable;
};

using PicturePackList = std::vector<PicturePack>;

// Directory and file name are compared without regard to case; the first
// match wins.
const PicturePack* FindPicturePack(const PicturePackList& packs, const String& directory);
const PictureEntry* LookUpPicture(const PicturePackList& packs, const PictureRef& ref);
// The first picture of that file name in any pack; `pack` (when given)
// tells which pack holds it.
const PictureEntry* FindPictureByName(const PicturePackList& packs, const String& fileName,
                                      const PicturePack** pack = nullptr);
int CountAllPictures(const PicturePackList& packs) noexcept;
// The first picture of the body in pack order, then entry order.
bool FindPictureOfBody(const PicturePackList& packs, std::int32_t bodyType,
                       std::int32_t bodyNumber, PictureRef& ref);

class PictureDocument final : public WindowDocument {
public:
    PictureDocument(NotificationHub& hub, const PicturePackList& packs);

    WindowKind GetKind() const override { return kPictureWindow; }

    const PicturePackList& Packs() const noexcept { return packs_; }
    const PictureEntry* Current() const noexcept { return current_; }
    const PictureRef& CurrentRef() const noexcept { return currentRef_; }
    // Shows the picture (null entry when no installed pack holds it).
    void SetCurrent(const PictureRef& ref);
    // The body of the picture shown; empty when none or when it shows no body.
    BodyIdentifier GetBody() const;
    // Shows the first picture of the body and tells the windows; false when
    // no installed pack has one.
    bool ShowBody(std::int32_t bodyType, std::int32_t bodyNumber);

private:
    const PicturePackList& packs_;
    PictureRef currentRef_;
    const PictureEntry* current_ = nullptr;
};

}  // namespace corvinata
