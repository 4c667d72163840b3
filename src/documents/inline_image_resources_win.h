// The program's own report pictures: its resources of type "CORVINATA_BINARY".
#pragma once

#include <windows.h>

#include "documents/inline_images.h"

namespace corvinata {

class ProgramInlineImages final : public InlineImageResources {
public:
    // `module` holds the pictures (the program's own module by default).
    explicit ProgramInlineImages(HMODULE module = nullptr) noexcept : module_(module) {}
    bool FindPicture(const Char* name, const unsigned char*& data, std::uint32_t& size) const override;

private:
    HMODULE module_;
};

// The resolver over the shared table and the program's pictures.
const InlineImageSource& ProgramInlineImageSource();

}  // namespace corvinata
