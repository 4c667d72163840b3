// The explorers' planet maps and ring profile, decoded into the 24-bit rows
// the displays hand to OpenGL.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/wide_string.h"

namespace corvinata {

// Rows bottom first (the texture's t = 0 at the south pole, or the ring's
// single row), three bytes a pixel (blue, green, red), no row padding.
struct ExplorerImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

constexpr int kPlanetMapWidth = 1024;
constexpr int kPlanetMapHeight = 512;
constexpr int kRingProfileWidth = 1024;

// Decodes a JPEG or BMP picture (as the Picture window does) into 24-bit
// rows. False when it cannot be decoded or is not width x height.
bool DecodeExplorerImage(const void* bytes, std::size_t size, int width, int height, ExplorerImage& out);

// The picture of that name among the module's resources of the type
// "CORVINATA_BINARY", as DecodeExplorerImage.
bool LoadExplorerImage(HMODULE module, const Char* name, int width, int height, ExplorerImage& out);

// The pictures of one kind's windows, decoded by the first window that asks
// and lent to the others, with the texture atlas they make by day and by
// night: a new window neither decodes nor builds them again.
class ExplorerPictureSet {
public:
    // The planet's map and (with a ring name) the ring's profile, loaded on
    // the first call. False when one cannot be loaded: `failed` names it.
    bool Load(HMODULE module, const Char* planetName, const Char* ringName, const Char*& failed);
    const ExplorerImage& Planet() const noexcept { return planet_; }
    const ExplorerImage& Ring() const noexcept { return ring_; }
    // The atlas of the pictures (BuildExplorerAtlas), built on first use.
    const std::vector<std::uint32_t>& Atlas(bool night);

private:
    bool tried_ = false;
    const Char* failed_ = nullptr;
    ExplorerImage planet_;
    ExplorerImage ring_;
    std::vector<std::uint32_t> atlas_[2];
};

}  // namespace corvinata
