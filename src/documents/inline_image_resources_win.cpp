#include "documents/inline_image_resources_win.h"

#include "base/module_resources_win.h"

namespace corvinata {

bool ProgramInlineImages::FindPicture(const Char* name, const unsigned char*& data, std::uint32_t& size) const {
    const ResourceBytes bytes = FindResourceBytes(module_, name, L"CORVINATA_BINARY");
    if (!bytes.Found()) return false;
    data = static_cast<const unsigned char*>(bytes.data);
    size = bytes.size;
    return true;
}

const InlineImageSource& ProgramInlineImageSource() {
    static const ProgramInlineImages pictures;
    static const InlineImageResolver resolver(ReportInlineImages(), pictures);
    return resolver;
}

}  // namespace corvinata
