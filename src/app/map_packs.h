// Map packs for choosing a place on a map: a folder of map pictures with a
// "Contents.txt" that lists them, one map a line, and the arithmetic that
// turns a point of a shown map into a longitude and a latitude.
#pragma once

#include <functional>
#include <vector>

#include "base/storage.h"
#include "base/text_file.h"
#include "base/wide_string.h"

namespace corvinata {

struct MapRecord {
    String file;  // picture file, relative to the pack's folder
    String name;  // shown in the list of maps
    double leftLongitude = 0.0;   // degrees, west positive
    double rightLongitude = 0.0;
    double topLatitude = 0.0;     // degrees, north positive
    double bottomLatitude = 0.0;
};

// The most maps one pack offers; further lines are not read.
constexpr int kMapTableSize = 100;
// The longest picture file or map name taken from a line.
constexpr int kMapNameMaxLength = 1000;

constexpr const Char* kMapContentsFile = TXT("Contents.txt");

// The map offered when no pack is installed.
MapRecord BuiltInMap();

// One line: file, name, left longitude, bottom latitude, right longitude and
// top latitude, separated by ":". False for anything else: a missing or
// empty field, a name over kMapNameMaxLength, a number that is not one
// whole decimal number, a longitude beyond 180 or latitude beyond 90, or a
// map without width or height.
bool ParseMapLine(const Char* line, MapRecord& record);

// Reads an open contents file: the lines that parse and whose picture
// exists (`pictureExists` gets the file field), at most kMapTableSize of
// them. False when the file could not be read to its end; the maps read up
// to there are dropped with it, since the pack is damaged.
bool ReadMapContents(TextFile& file, const std::function<bool(const String&)>& pictureExists,
                     std::vector<MapRecord>& maps);

// The folder of the first map pack announced below the maker's key (a
// subkey with the text "Type" = "MapPack" and its folder in "Dir", ending
// with a path separator); false when none is announced.
bool FindRegisteredMapPack(StorageService& storage, const String& makerKeyPath, String& directory);

// The folder of the pack that ships beside the program.
constexpr const Char* kShippedMapPackFolder = TXT("Maps");

// Loads the pack in `directory` (ending with a path separator). An empty
// directory, or a pack that cannot be read, gives the built-in map alone;
// `damaged` tells the caller that a pack was there but could not be read.
std::vector<MapRecord> LoadMapPack(StorageService& storage, const String& directory, bool& damaged);

// The maps the Define Location dialog offers: the first pack announced in
// the registry, else the pack beside the program, else the built-in map. A
// pack that cannot be read is passed over and named in `damagedFolder`.
struct OfferedMaps {
    std::vector<MapRecord> maps;
    String folder;         // the prefix of the pictures' file names
    String damagedFolder;  // empty when nothing was damaged
};
OfferedMaps LoadOfferedMaps(StorageService& storage, const String& makerKeyPath,
                            const String& programFolder);

// Told once when a pack's description cannot be read.
constexpr const Char* kDamagedMapPackText =
    TXT("Corvinata encountered an error reading the map description file.\n\n"
        "Reinstalling Corvinata should solve this issue.");

// How a map picture is shown in the map window.
struct MapView {
    int pictureWidth = 0;
    int pictureHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
    int zoom = 0;       // 0 whole picture .. 2 own pixel size
    int scrollX = 0;    // pixels of the zoomed picture
    int scrollY = 0;
};

constexpr int kMaxMapZoom = 2;

// f + (1 - f) x zoom / 2, f the factor that fits the whole picture into the
// window (never above 1).
double MapScale(const MapView& view) noexcept;
// The zoomed picture's size in window pixels.
int ZoomedWidth(const MapView& view) noexcept;
int ZoomedHeight(const MapView& view) noexcept;

// The place under window pixel (x, y). False, with the outputs untouched,
// when the point lies off the picture (in the margin of a small picture or
// outside the window), so that no coordinates beyond the map are made.
bool MapPointToPlace(const MapRecord& map, const MapView& view, int x, int y,
                     double& longitudeWest, double& latitude) noexcept;

}  // namespace corvinata
