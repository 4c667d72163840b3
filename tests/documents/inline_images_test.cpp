#include "documents/inline_images.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

class FakePictures final : public InlineImageResources {
public:
    bool FindPicture(const Char* name, const unsigned char*& data, std::uint32_t& size) const override {
        lastName = Utf8(name);
        if (lastName != "CORVINATAREPORTS_SUN_DAY" && lastName != "corvinatareports_sun_day") return false;
        data = bytes;
        size = sizeof bytes;
        return true;
    }
    const unsigned char bytes[6] = {'G', 'I', 'F', '8', '9', 'a'};
    mutable std::string lastName;
};

class InlineImagesTest : public ::testing::Test {
protected:
    bool Resolve(const std::string& url) {
        return resolver.ResolveInlineImageUrl(Wide(url).c_str(), data, size);
    }
    std::string UrlOf(const void* address, std::uint32_t length) {
        String url;
        InlineImageUrl(url, address, length);
        return Utf8(url);
    }

    InlineImageTable table;
    FakePictures pictures;
    InlineImageResolver resolver{table, pictures};
    const unsigned char* data = nullptr;
    std::uint32_t size = 0;
};

TEST_F(InlineImagesTest, RegisteredBuffersRoundTrip) {
    std::vector<unsigned char> first(4096), second(17);
    table.Register(first.data(), 4096);
    table.Register(second.data(), 17);
    for (const auto& [buffer, length] : {std::pair{first.data(), 4096u}, std::pair{second.data(), 17u}}) {
        ASSERT_TRUE(Resolve(UrlOf(buffer, length)));
        EXPECT_EQ(data, buffer);
        EXPECT_EQ(size, length);
    }
}

TEST_F(InlineImagesTest, UrlShowsTheAddressInFixedUpperCaseDigits) {
    const auto* address = reinterpret_cast<const void*>(std::uintptr_t{0xAB12});
    const std::string digits = sizeof(void*) == 4 ? "0000AB12" : "000000000000AB12";
    EXPECT_EQ(UrlOf(address, 0), "CorvinataInlineImage://Memory/" + digits + "/0");
    EXPECT_EQ(UrlOf(address, 4294967295u), "CorvinataInlineImage://Memory/" + digits + "/4294967295");
}

TEST_F(InlineImagesTest, ResolverRefusesWhatNoOwnerRegistered) {
    std::vector<unsigned char> buffer(64);
    table.Register(buffer.data(), 64);
    const std::string url = UrlOf(buffer.data(), 64);
    const std::string address = url.substr(30, url.size() - 33);
    std::vector<unsigned char> freed(64);
    {
        InlineImageRegistration registration(table, freed.data(), 64);
        ASSERT_TRUE(Resolve(UrlOf(freed.data(), 64)));
    }
    const std::string refused[] = {
        "OtherScheme://Memory/" + address + "/64",
        "CorvinataInlineImage:/Memory/" + address + "/64",
        "CorvinataInlineImage://Memo/" + address + "/64",
        "CorvinataInlineImage://Memory/" + address + "64",
        "CorvinataInlineImage://Memory/" + address + "/",
        "CorvinataInlineImage://Memory/" + address + "/ 64",
        "CorvinataInlineImage://Memory//64",
        "CorvinataInlineImage://Memory/zz/64",
        "CorvinataInlineImage://Memory/00000000/4096",
        "CorvinataInlineImage://Memory/" + address + "/63",
        "CorvinataInlineImage://Memory/" + address + "/65",
        "CorvinataInlineImage://Memory/" + address + "/99999999999",
        "CorvinataInlineImage://Memory/1" + std::string(1000, '0') + "/64",
        UrlOf(freed.data(), 64),
        "CorvinataInlineImage://Resources/CORVINATAREPORTS_SUN_DAY",
        "",
    };
    for (const std::string& bad : refused) {
        data = reinterpret_cast<const unsigned char*>(this);
        size = 7;
        EXPECT_FALSE(Resolve(bad)) << bad;
        EXPECT_EQ(data, reinterpret_cast<const unsigned char*>(this)) << bad;
        EXPECT_EQ(size, 7u) << bad;
    }
}

// A resource the program does not have gives no picture at all: a null
// address and size 0, never what an earlier URL left in the outputs.
TEST_F(InlineImagesTest, MissingResourceGivesNullAddressAndSizeZero) {
    const char* const missing[] = {
        "CorvinataInlineImage://Resource/",
        "CorvinataInlineImage://Resource/CORVINATAREPORTS_MOON_DAY",
        "CorvinataInlineImage://Resource/#101",
        "CorvinataInlineImage://Resource/..\\x",
        "CorvinataInlineImage://Resource/CORVINATAREPORTS_SUN_DAY ",
        "corvinatainlineimage://resource/NO_SUCH_PICTURE",
    };
    for (const char* url : missing) {
        ASSERT_TRUE(Resolve("CorvinataInlineImage://Resource/CORVINATAREPORTS_SUN_DAY"));
        EXPECT_FALSE(Resolve(url)) << url;
        EXPECT_EQ(data, nullptr) << url;
        EXPECT_EQ(size, 0u) << url;
    }
}

TEST_F(InlineImagesTest, SizeEndsAtWhiteSpaceAndLetterCaseIsFree) {
    std::vector<unsigned char> buffer(64);
    table.Register(buffer.data(), 64);
    std::string url = UrlOf(buffer.data(), 64);
    const std::string accepted[] = {
        url + " trailing",
        url + "\tx",
        "corvinatainlineimage://memory/" + url.substr(30),
    };
    for (const std::string& good : accepted) {
        data = nullptr;
        EXPECT_TRUE(Resolve(good)) << good;
        EXPECT_EQ(data, buffer.data());
    }
}

TEST_F(InlineImagesTest, ResourceUrlsAskTheProgramsPictures) {
    struct Case {
        const char* url;
        const char* asked;
    };
    for (const Case& c : {Case{"CorvinataInlineImage://Resource/CORVINATAREPORTS_SUN_DAY", "CORVINATAREPORTS_SUN_DAY"},
                          Case{"corvinatainlineimage://resource/corvinatareports_sun_day", "corvinatareports_sun_day"}}) {
        data = nullptr;
        ASSERT_TRUE(Resolve(c.url));
        EXPECT_EQ(pictures.lastName, c.asked);
        EXPECT_EQ(data, pictures.bytes);
        EXPECT_EQ(size, 6u);
    }
}

TEST(InlineImageTableTest, RegistrationsAreExactAndEndWithTheirOwner) {
    InlineImageTable table;
    unsigned char buffer[8];
    EXPECT_FALSE(table.Register(nullptr, 8));
    {
        InlineImageRegistration first(table, buffer, 8);
        InlineImageRegistration twice(table, buffer, 8);
        EXPECT_TRUE(first.Registered());
        EXPECT_FALSE(twice.Registered());
    }
    EXPECT_EQ(table.Count(), 0u);
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

TEST_F(InlineImagesTest, SavedPageCarriesItsPicturesAsDataUrls) {
    const unsigned char chart[4] = {'B', 'M', 0xFF, 0x01};
    table.Register(chart, 4);
    const std::string memory = UrlOf(chart, 4);
    const std::string page = "<img src=\"CorvinataInlineImage://Resource/CORVINATAREPORTS_SUN_DAY\" alt=\"Sun\">"
                             "<img src=\"" + memory + "\"><img src=\"CorvinataInlineImage://Memory/0/9\">"
                             "<p>\"CorvinataInlineImage://Resource/</p>";
    const String saved = PageWithDataUrls(String(Wide(page).c_str()), resolver);
    EXPECT_EQ(Utf8(saved),
              "<img src=\"data:image/gif;base64,R0lGODlh\" alt=\"Sun\">"
              "<img src=\"data:image/bmp;base64,Qk3/AQ==\"><img src=\"CorvinataInlineImage://Memory/0/9\">"
              "<p>\"CorvinataInlineImage://Resource/</p>");
}

}  // namespace
}  // namespace corvinata
