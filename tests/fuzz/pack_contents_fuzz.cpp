// The contents files of picture packs ("contents.txt") and map packs
// ("Contents.txt"), read as the Picture window and the Define Location
// dialog read them, beside pictures of both kinds.
#include "app/map_packs.h"
#include "app/picture_packs.h"
#include "fuzz/fuzz_targets.h"
#include "support/catalogues.h"

namespace corvinata::fuzz {

int FuzzPackContents(const std::uint8_t* data, std::size_t size) {
    static const test::ScopedCatalogues catalogues;
    MemoryStorageService storage;
    for (const Char* picture : {TXT("C:\\Pack\\m042.jpg"), TXT("C:\\Pack\\jupiter.bmp"), TXT("C:\\Pack\\M51.JPG")})
        PutInputFile(storage, TXT("C:\\Pack"), picture, data, 0);
    PutInputFile(storage, TXT("C:\\Pack"), TXT("C:\\Pack\\contents.txt"), data, size);
    PicturePack pack;
    pack.directory = TXT("C:\\Pack");
    FindPackPictures(storage, pack);
    Expect(pack.loaded && pack.entries.size() == 3, "every picture of a pack is offered");

    for (const Char* map : {TXT("C:\\Maps\\world.png"), TXT("C:\\Maps\\Europe.jpg")})
        PutInputFile(storage, TXT("C:\\Maps"), map, data, 0);
    PutInputFile(storage, TXT("C:\\Maps"), TXT("C:\\Maps\\Contents.txt"), data, size);
    bool damaged = false;
    const std::vector<MapRecord> maps = LoadMapPack(storage, String(TXT("C:\\Maps\\")), damaged);
    Expect(!maps.empty() && maps.size() <= static_cast<std::size_t>(kMapTableSize), "a map pack offers a map");
    for (const MapRecord& map : maps)
        Expect(map.leftLongitude != map.rightLongitude && map.topLatitude > map.bottomLatitude, "a map has an extent");
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzPackContents)
