#include "documents/inline_image_resources_win.h"

#include <gtest/gtest.h>

#include <cstring>

#include "documents/report_page.h"
#include "generated/report_pictures.h"

namespace corvinata {
namespace {

TEST(ProgramInlineImagesTest, EveryReportPictureResolvesToItsResourceBytes) {
    const InlineImageSource& source = ProgramInlineImageSource();
    for (const auto& picture : report_pictures::kPictures) {
        for (bool lower : {false, true}) {
            wchar_t url[128] = L"CorvinataInlineImage://Resource/";
            const std::size_t start = std::wcslen(url);
            for (std::size_t i = 0; picture.name[i] != 0; ++i) {
                const char c = picture.name[i];
                url[start + i] = static_cast<wchar_t>(lower && c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
                url[start + i + 1] = 0;
            }
            const unsigned char* data = nullptr;
            std::uint32_t size = 0;
            ASSERT_TRUE(source.ResolveInlineImageUrl(url, data, size)) << picture.name;
            ASSERT_EQ(size, picture.length) << picture.name;
            EXPECT_EQ(std::memcmp(data, picture.bytes, size), 0) << picture.name;
        }
    }
}

TEST(ProgramInlineImagesTest, OnlyTheProgramsOwnBinaryPicturesAreServed) {
    const InlineImageSource& source = ProgramInlineImageSource();
    // An icon and a bitmap of the program, and a name that is no resource.
    for (const wchar_t* url : {L"CorvinataInlineImage://Resource/BMP_CORVINATA_LOGO",
                               L"CorvinataInlineImage://Resource/20318",
                               L"CorvinataInlineImage://Resource/CORVINATAREPORTS_NONE_DAY"}) {
        const unsigned char* data = nullptr;
        std::uint32_t size = 0;
        EXPECT_FALSE(source.ResolveInlineImageUrl(url, data, size)) << url;
        EXPECT_EQ(data, nullptr);
    }
}

}  // namespace
}  // namespace corvinata
