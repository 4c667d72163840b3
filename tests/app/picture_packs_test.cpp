#include "app/picture_packs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>

#include "base/memory_storage.h"
#include "catalog/catalogue_registry.h"
#include "catalog/planet_catalogue.h"
#include "generated/picture_pack.h"
#include "support/catalogues.h"
#include "support/exhausted_storage.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

class PicturePackFiles : public ::testing::Test {
protected:
    PicturePackFiles() {
        for (const Char* folder : {TXT("C:\\Pack"), TXT("C:\\Program"), TXT("C:\\Program\\Pictures")})
            storage_.MakeFolder(folder);
    }
    void Contents(const std::string& text, const char* folder = "C:\\Pack\\") {
        auto file = storage_.CreateTextFile(String(Wide(std::string(folder) + "contents.txt").c_str()));
        ASSERT_TRUE(file->Create(false));
        file->WriteText(Wide(text).c_str(), 0);
        file->Close();
    }
    void Picture(const char* name, const char* folder = "C:\\Pack\\") {
        storage_.CreateBinaryFile(String(Wide(std::string(folder) + name).c_str()))->Create(true);
    }
    std::int32_t Read(String& name, PackDescriptions& descriptions) {
        auto file = storage_.CreateTextFile(String(TXT("C:\\Pack\\contents.txt")));
        if (!file->Open(FileOpenMode::Read)) return -1;
        return ReadPackContents(*file, name, descriptions);
    }
    PicturePack Load(const char* folder = "C:\\Pack") {
        PicturePack pack;
        pack.directory = String(Wide(folder).c_str());
        FindPackPictures(storage_, pack);
        return pack;
    }
    MemoryStorageService storage_;
};

TEST_F(PicturePackFiles, ContentsFilesAreReadOnlyInTheirExactForm) {
    struct Case {
        const char* text;
        std::int32_t status;
        const char* name;
        std::size_t descriptions;
    };
    const Case cases[] = {
        {"[Format]\n1.01\n[Name]\nStars\n[Files]\na.jpg:A\nb.jpg:B:Planet:Mars\n", 1, "Stars", 2},
        {"\n[Format]\n\n1.010\n[Name]\n  \nStars\n\n[Files]\n\na.jpg:A\n\n", 1, "Stars", 1},
        {"[format]\n1.01\n[Name]\nStars\n[Files]\n", 3, "", 0},
        {"[Format]\n1.0\n[Name]\nStars\n[Files]\n", 3, "", 0},
        {"[Format]\n1.01x\n[Name]\nStars\n[Files]\n", 3, "", 0},
        {"[Format]\n1.01\n[Name]\nStars\n", 3, "Stars", 0},
        {"[Format]\n1.01\n[Name]\n", 3, "", 0},
        {"[Format]\n1.01\n[Name]\nStars\n[Files]\na.jpg:A\nno colon\nb.jpg:B\n", 3, "Stars", 1},
        {"[Format]\n1.01\n[Name]\nStars\n[Files]\n", 1, "Stars", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Contents(c.text);
        String name;
        PackDescriptions descriptions;
        EXPECT_EQ(Read(name, descriptions), c.status);
        EXPECT_EQ(Utf8(name), c.name);
        EXPECT_EQ(descriptions.size(), c.descriptions);
    }
}

TEST_F(PicturePackFiles, PicturesTakeTheirLinesWhateverTheLetterCase) {
    const test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    Picture("M42.JPG");
    Picture("mars.bmp");
    Picture("plain.jpg");
    Picture("lost.jpg");
    Picture("ghost.jpg");
    Picture("notes.txt");
    Contents("[Format]\n1.01\n[Name]\nTest pack\n[Files]\n"
             "m42.jpg:Old caption\n"
             "M42.jpg:Orion Nebula:Deep Sky:NGC 1976\n"
             "MARS.BMP:Mars:Planet:Mars\n"
             "plain.jpg:Just a caption\n"
             "lost.jpg:Lost:Planet:Vulcan\n"
             "ghost.jpg:Ghost:Ghosts:Casper\n");
    const PicturePack pack = Load();
    EXPECT_EQ(pack.contentsStatus, kPackContentsRead);
    EXPECT_EQ(Utf8(pack.name), "Test pack");
    ASSERT_EQ(pack.entries.size(), 5u);  // the bitmaps first, then the JPEGs
    EXPECT_EQ(Utf8(pack.entries[0].fileName), "mars.bmp");
    struct Expected {
        const char* file;
        const char* caption;
        std::int32_t type;
    };
    const Expected expected[] = {
        {"mars.bmp", "Mars", 2}, {"M42.JPG", "Orion Nebula", 6}, {"plain.jpg", "Just a caption", 9},
        {"lost.jpg", "Lost", 9}, {"ghost.jpg", "Ghost", 9},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.file);
        const PictureEntry* entry = nullptr;
        for (const PictureEntry& candidate : pack.entries)
            if (Utf8(candidate.fileName) == e.file) entry = &candidate;
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(Utf8(entry->description), e.caption);
        EXPECT_EQ(entry->bodyType, e.type);
        if (e.type == kPictureWithoutBody) {
            EXPECT_EQ(entry->bodyNumber, -1);
        }
    }
}

// Names are matched as the file system matches them: the letters of the
// contents file's code page beyond ASCII in any case too, while "ß" and
// "ss" stay different names.
TEST_F(PicturePackFiles, PicturesWithLettersBeyondAsciiTakeTheirLinesInAnyCase) {
    const test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    Picture("\u00C4RE\u00DF.jpg");
    Picture("\u0152IL.jpg");
    Picture("strasse.jpg");
    Contents("[Format]\n1.01\n[Name]\nTest pack\n[Files]\n"
             "\u00E4re\u00DF.jpg:Red planet:Planet:Mars\n"
             "\u0153il.JPG:\u0152il\n"
             "stra\u00DFe.jpg:Not this one\n");
    const PicturePack pack = Load();
    std::map<std::string, std::pair<std::string, std::int32_t>> found;
    for (const PictureEntry& entry : pack.entries) {
        found[Utf8(entry.fileName)] = {Utf8(entry.description), entry.bodyType};
    }
    EXPECT_EQ(found["\u00C4RE\u00DF.jpg"], std::make_pair(std::string("Red planet"), std::int32_t{2}));
    EXPECT_EQ(found["\u0152IL.jpg"].first, "\u0152il");
    EXPECT_EQ(found["strasse.jpg"].first, "strasse.jpg");
}

TEST_F(PicturePackFiles, APackWithoutContentsIsCaptionedByFileNamesAndListedOnce) {
    Picture("a.jpg");
    PicturePack pack = Load();
    EXPECT_EQ(pack.contentsStatus, kPackContentsUnreadable);
    ASSERT_EQ(pack.entries.size(), 1u);
    EXPECT_EQ(Utf8(pack.entries[0].description), "a.jpg");
    EXPECT_EQ(pack.entries[0].bodyType, kPictureWithoutBody);
    Picture("b.jpg");
    FindPackPictures(storage_, pack);
    EXPECT_EQ(pack.entries.size(), 1u);
}

// A contents file that runs the memory out while it is read is one that
// cannot be read: the pictures are offered by their file names.
TEST(PicturePackContents, FileTheMemoryCannotHoldIsUnreadable) {
    test::ExhaustedStorage storage(20);
    storage.Memory().MakeFolder(TXT("C:\\Pack"));
    storage.Memory().PutFile(TXT("C:\\Pack\\contents.txt"), "[Format]\r\n1.01\r\n[Name]\r\nStars\r\n[Files]\r\na.jpg:Moon\r\n");
    storage.Memory().PutFile(TXT("C:\\Pack\\a.jpg"), "");
    PicturePack pack;
    pack.directory = TXT("C:\\Pack");
    FindPackPictures(storage, pack);
    EXPECT_TRUE(pack.loaded);
    EXPECT_EQ(pack.contentsStatus, kPackContentsUnreadable);
    ASSERT_EQ(pack.entries.size(), 1u);
    EXPECT_EQ(Utf8(pack.entries[0].description), "a.jpg");
    EXPECT_EQ(pack.entries[0].bodyType, kPictureWithoutBody);
}

TEST_F(PicturePackFiles, TheShippedPackLandsEveryPictureOnItsObject) {
    const test::ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
    const char* files[] = {"m001.jpg", "m042.jpg", "m051.jpg", "m057.jpg",
                           "m104.jpg", "jupiter_1024x512.jpg", "saturn_1024x512.jpg"};
    for (const char* file : files) Picture(file, "C:\\Program\\Pictures\\");
    auto contents = storage_.CreateTextFile(String(TXT("C:\\Program\\Pictures\\contents.txt")));
    ASSERT_TRUE(contents->Create(false));
    // The file as the build writes it, with its CR LF line ends.
    std::basic_string<Char> text(picture_pack::kContents);
    text.erase(std::remove(text.begin(), text.end(), Char('\r')), text.end());
    contents->WriteText(text.c_str(), 0);
    contents->Close();

    InstalledPicturePacks installed;
    installed.ReadAll(storage_, String(TXT("\\Software\\Maker")), String(TXT("C:\\Program\\")));
    ASSERT_EQ(installed.Packs().size(), 1u);
    const PicturePack& pack = installed.Packs()[0];
    EXPECT_EQ(pack.contentsStatus, kPackContentsRead);
    // Each picture's object by its catalogue name.
    const std::pair<const char*, const char*> objects[] = {
        {"m001.jpg", "NGC 1952"}, {"m042.jpg", "NGC 1976"}, {"m051.jpg", "NGC 5194"}, {"m057.jpg", "NGC 6720"},
        {"m104.jpg", "NGC 4594"}, {"jupiter_1024x512.jpg", "Jupiter"}, {"saturn_1024x512.jpg", "Saturn"},
    };
    for (const auto& [file, name] : objects) {
        SCOPED_TRACE(file);
        const PictureEntry* entry = FindPictureByName(installed.Packs(), String(Wide(file).c_str()));
        ASSERT_NE(entry, nullptr);
        const CelestialObject* expected = nullptr;
        for (int type : {2, 6}) {
            if (!expected) expected = FindObjectOfTypeByName(type, Wide(name).c_str());
        }
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(entry->bodyType, expected->GetTypeId());
        EXPECT_EQ(entry->bodyNumber, expected->Number());
    }
}

TEST_F(PicturePackFiles, RegisteredPacksFollowTheShippedOneAndAreReadOnce) {
    const auto key = [&](const char* name, const char* type, const char* dir) {
        auto node = storage_.CreateRegistryNode(RegistryHive::LocalMachine,
                                                Wide(std::string("\\Software\\Maker\\") + name).c_str());
        ASSERT_TRUE(node->Create());
        if (type) node->WriteText(TXT("Type"), Wide(type).c_str());
        if (dir) node->WriteText(TXT("Dir"), Wide(dir).c_str());
    };
    key("Atlas", "MapPack", "C:\\Maps");
    key("Galaxies", "PicPack", "C:\\Galaxies");
    key("Nameless", nullptr, "C:\\Nothing");
    key("Nebulae", "PicPack", "C:\\Nebulae");
    key("NoFolder", "PicPack", nullptr);
    InstalledPicturePacks installed;
    installed.Read(storage_, String(TXT("\\Software\\Maker")), String(TXT("C:\\Program\\")));
    installed.Read(storage_, String(TXT("\\Software\\Maker")), String(TXT("C:\\Program\\")));
    ASSERT_EQ(installed.Packs().size(), 3u);
    EXPECT_EQ(Utf8(installed.Packs()[0].directory), "C:\\Program\\Pictures");
    EXPECT_EQ(Utf8(installed.Packs()[1].directory), "C:\\Galaxies");
    EXPECT_EQ(Utf8(installed.Packs()[2].directory), "C:\\Nebulae");
}

TEST_F(PicturePackFiles, FuzzedContentsNeverBreakTheReader) {
    std::mt19937 random(35);
    const std::string alphabet = "[Format][Name][Files]1.01:\n\r \x1a" "abcXYZ.jpg";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 300);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        Contents(text);
        String name;
        PackDescriptions descriptions;
        const std::int32_t status = Read(name, descriptions);
        EXPECT_TRUE(status == kPackContentsRead || status == kPackContentsUnreadable);
    }
}

}  // namespace
}  // namespace corvinata
