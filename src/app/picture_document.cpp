#include "app/picture_document.h"

#include "catalog/catalogue_registry.h"

namespace corvinata {

const PicturePack* FindPicturePack(const PicturePackList& packs, const String& directory) {
    for (const PicturePack& pack : packs) {
        if (FileNamesEqual(pack.directory.Text(), directory.Text())) return &pack;
    }
    return nullptr;
}

const PictureEntry* LookUpPicture(const PicturePackList& packs, const PictureRef& ref) {
    const PicturePack* pack = FindPicturePack(packs, ref.directory);
    if (!pack) return nullptr;
    for (const PictureEntry& entry : pack->entries) {
        if (FileNamesEqual(entry.fileName.Text(), ref.fileName.Text())) return &entry;
    }
    return nullptr;
}

const PictureEntry* FindPictureByName(const PicturePackList& packs, const String& fileName,
                                      const PicturePack** pack) {
    for (const PicturePack& candidate : packs) {
        for (const PictureEntry& entry : candidate.entries) {
            if (!FileNamesEqual(entry.fileName.Text(), fileName.Text())) continue;
            if (pack) *pack = &candidate;
            return &entry;
        }
    }
    return nullptr;
}

int CountAllPictures(const PicturePackList& packs) noexcept {
    int count = 0;
    for (const PicturePack& pack : packs) count += static_cast<int>(pack.entries.size());
    return count;
}

bool FindPictureOfBody(const PicturePackList& packs, std::int32_t bodyType,
                       std::int32_t bodyNumber, PictureRef& ref) {
    if (bodyType == kPictureWithoutBody) return false;
    for (const PicturePack& pack : packs) {
        for (const PictureEntry& entry : pack.entries) {
            if (entry.bodyType == bodyType && entry.bodyNumber == bodyNumber) {
                ref.directory = pack.directory;
                ref.fileName = entry.fileName;
                return true;
            }
        }
    }
    return false;
}

PictureDocument::PictureDocument(NotificationHub& hub, const PicturePackList& packs)
    : WindowDocument(hub), packs_(packs) {}

void PictureDocument::SetCurrent(const PictureRef& ref) {
    currentRef_ = ref;
    current_ = LookUpPicture(packs_, ref);
}

BodyIdentifier PictureDocument::GetBody() const {
    // A pack that names a body no catalogue holds shows its picture without one.
    if (!current_ || current_->bodyType == kPictureWithoutBody) return BodyIdentifierFromObject(nullptr);
    return BodyIdentifierFromObject(GetCatalogueObject(current_->bodyType, current_->bodyNumber));
}

bool PictureDocument::ShowBody(std::int32_t bodyType, std::int32_t bodyNumber) {
    PictureRef ref;
    if (!FindPictureOfBody(packs_, bodyType, bodyNumber, ref)) return false;
    SetCurrent(ref);
    DocumentNotifyViews(nullptr);
    return true;
}

}  // namespace corvinata
