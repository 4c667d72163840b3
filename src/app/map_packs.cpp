#include "app/map_packs.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "app/registered_packs.h"
#include "base/number_text.h"
#include "base/text_file.h"

namespace corvinata {
namespace {

constexpr int kFieldCount = 6;

// The field of `line` from `start` to the next ":" (or the end).
const Char* FieldEnd(const Char* start) noexcept {
    while (*start && *start != ':') ++start;
    return start;
}

bool ReadNumberField(const Char* begin, const Char* end, double limit, double& value) {
    std::basic_string<Char> text(begin, end);
    const std::size_t first = text.find_first_not_of(TXT(" \t"));
    const std::size_t last = text.find_last_not_of(TXT(" \t"));
    if (first == std::basic_string<Char>::npos) return false;
    text = text.substr(first, last - first + 1);
    int consumed = 0;
    double parsed = 0.0;
    if (!ParseDouble(text.c_str(), parsed, &consumed)) return false;
    if (consumed != static_cast<int>(text.size()) || !std::isfinite(parsed)) return false;
    if (std::fabs(parsed) > limit) return false;
    value = parsed;
    return true;
}

}  // namespace

MapRecord BuiltInMap() {
    MapRecord map;
    map.file = TXT("UnitedKingdom.jpg");
    map.name = TXT("United Kingdom");
    map.leftLongitude = 12.0;
    map.rightLongitude = -3.0;
    map.topLatitude = 59.9;
    map.bottomLatitude = 49.8;
    return map;
}

bool ParseMapLine(const Char* line, MapRecord& record) {
    const Char* begin[kFieldCount];
    const Char* end[kFieldCount];
    const Char* at = line;
    for (int i = 0; i < kFieldCount; ++i) {
        begin[i] = at;
        end[i] = FieldEnd(at);
        if (end[i] == begin[i]) return false;
        const bool last = i == kFieldCount - 1;
        if (last ? *end[i] != 0 : *end[i] != ':') return false;
        at = end[i] + 1;
    }
    for (int i = 0; i < 2; ++i)
        if (end[i] - begin[i] > kMapNameMaxLength) return false;
    MapRecord parsed;
    if (!ReadNumberField(begin[2], end[2], 180.0, parsed.leftLongitude) ||
        !ReadNumberField(begin[3], end[3], 90.0, parsed.bottomLatitude) ||
        !ReadNumberField(begin[4], end[4], 180.0, parsed.rightLongitude) ||
        !ReadNumberField(begin[5], end[5], 90.0, parsed.topLatitude))
        return false;
    if (parsed.leftLongitude == parsed.rightLongitude || parsed.topLatitude <= parsed.bottomLatitude)
        return false;
    parsed.file = String(std::basic_string<Char>(begin[0], end[0]).c_str());
    parsed.name = String(std::basic_string<Char>(begin[1], end[1]).c_str());
    record = parsed;
    return true;
}

bool ReadMapContents(TextFile& file, const std::function<bool(const String&)>& pictureExists,
                     std::vector<MapRecord>& maps) {
    maps.clear();
    String line;
    while (static_cast<int>(maps.size()) < kMapTableSize && file.ReadLine(line)) {
        MapRecord record;
        if (ParseMapLine(line.Text(), record) && pictureExists(record.file)) maps.push_back(record);
    }
    if (static_cast<int>(maps.size()) < kMapTableSize && !file.AtEnd()) {
        maps.clear();
        return false;
    }
    return true;
}

bool FindRegisteredMapPack(StorageService& storage, const String& makerKeyPath, String& directory) {
    for (const String& folder : RegisteredPackFolders(storage, makerKeyPath, TXT("MapPack"))) {
        if (folder.IsEmpty()) continue;
        directory = folder;
        return true;
    }
    return false;
}

std::vector<MapRecord> LoadMapPack(StorageService& storage, const String& directory, bool& damaged) {
    damaged = false;
    std::vector<MapRecord> maps;
    if (!directory.IsEmpty()) {
        const std::basic_string<Char> prefix(directory.Text());
        std::unique_ptr<TextFile> file =
            storage.CreateTextFile(String((prefix + kMapContentsFile).c_str()));
        const auto exists = [&](const String& picture) {
            return storage.PathExists((prefix + picture.Text()).c_str());
        };
        if (file && file->Open(FileOpenMode::Read)) {
            // A failure of any kind (memory included) is a damaged pack.
            try {
                damaged = !ReadMapContents(*file, exists, maps);
            } catch (const std::exception&) {
                damaged = true;
                maps.clear();
            }
            file->Close();
        } else {
            damaged = true;
        }
    }
    if (maps.empty()) maps.push_back(BuiltInMap());
    return maps;
}

OfferedMaps LoadOfferedMaps(StorageService& storage, const String& makerKeyPath,
                            const String& programFolder) {
    OfferedMaps offered;
    String registered;
    std::vector<String> folders;
    if (FindRegisteredMapPack(storage, makerKeyPath, registered)) folders.push_back(registered);
    if (!programFolder.IsEmpty())
        folders.emplace_back(
            (std::basic_string<Char>(programFolder.Text()) + kShippedMapPackFolder + TXT("\\")).c_str());
    for (const String& folder : folders) {
        bool damaged = false;
        std::vector<MapRecord> maps = LoadMapPack(storage, folder, damaged);
        if (damaged) {
            if (folder == registered && offered.damagedFolder.IsEmpty()) offered.damagedFolder = folder;
            continue;
        }
        offered.maps = std::move(maps);
        offered.folder = folder;
        return offered;
    }
    offered.maps.push_back(BuiltInMap());
    return offered;
}

double MapScale(const MapView& view) noexcept {
    if (view.pictureWidth <= 0 || view.pictureHeight <= 0) return 1.0;
    double fit = std::min(static_cast<double>(view.windowWidth) / view.pictureWidth,
                          static_cast<double>(view.windowHeight) / view.pictureHeight);
    fit = std::clamp(fit, 0.0, 1.0);
    const int zoom = std::clamp(view.zoom, 0, kMaxMapZoom);
    return fit + (1.0 - fit) * zoom * 0.5;
}

int ZoomedWidth(const MapView& view) noexcept {
    return static_cast<int>(std::lround(view.pictureWidth * MapScale(view)));
}

int ZoomedHeight(const MapView& view) noexcept {
    return static_cast<int>(std::lround(view.pictureHeight * MapScale(view)));
}

bool MapPointToPlace(const MapRecord& map, const MapView& view, int x, int y,
                     double& longitudeWest, double& latitude) noexcept {
    const int width = ZoomedWidth(view);
    const int height = ZoomedHeight(view);
    if (width <= 0 || height <= 0) return false;
    if (x < 0 || y < 0 || x >= view.windowWidth || y >= view.windowHeight) return false;
    const int px = x + view.scrollX;
    const int py = y + view.scrollY;
    if (px < 0 || py < 0 || px >= width || py >= height) return false;
    const double fx = static_cast<double>(px) / width;
    const double fy = static_cast<double>(py) / height;
    longitudeWest = map.leftLongitude + (map.rightLongitude - map.leftLongitude) * fx;
    latitude = map.topLatitude - (map.topLatitude - map.bottomLatitude) * fy;
    return true;
}

}  // namespace corvinata
