#include "documents/inline_image_resources_win.h"

namespace corvinata {

bool ProgramInlineImages::FindPicture(const Char* name, const unsigned char*& data, std::uint32_t& size) const {
    HRSRC found = FindResourceW(module_, name, L"CORVINATA_BINARY");
    if (found == nullptr) return false;
    const DWORD length = SizeofResource(module_, found);
    HGLOBAL loaded = LoadResource(module_, found);
    // Resources stay mapped with the module: nothing to free.
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || length == 0) return false;
    data = static_cast<const unsigned char*>(bytes);
    size = length;
    return true;
}

const InlineImageSource& ProgramInlineImageSource() {
    static const ProgramInlineImages pictures;
    static const InlineImageResolver resolver(ReportInlineImages(), pictures);
    return resolver;
}

}  // namespace corvinata
