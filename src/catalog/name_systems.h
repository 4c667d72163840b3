// Name systems: the ways a body of one kind can be named (a star by its
// proper name or its BSC 5 designation, a constellation by its classic or its
// modern name, a deep-sky object by five catalogues). Each body type owns one
// list; the key system's name identifies a body for storage and lookup.
#pragma once

#include <memory>
#include <vector>

#include "base/wide_string.h"

namespace corvinata {

// Ids of the systems within their kind's list.
enum StarNameSystemId : int { kStarProperName = 0, kStarBsc5 = 1 };
enum ConstellationNameSystemId : int { kConstellationClassic = 0, kConstellationModern = 1 };
enum DeepSkyNameSystemId : int {
    kDeepSkyProperName = 0,
    kDeepSkyCaldwell = 1,
    kDeepSkyHerschel400 = 2,
    kDeepSkyMessier = 3,
    kDeepSkyNgcIc = 4,
};

// One item of a list: an id and the name shown to the user.
class NameSystem {
public:
    NameSystem(int id, const Char* name) : id_(id), name_(name) {}
    virtual ~NameSystem() = default;
    virtual int GetId() const { return id_; }
    const String& Name() const noexcept { return name_; }

private:
    int id_;
    String name_;
};

class NameSystemList {
public:
    // The lists of the three kinds that have name systems.
    static std::unique_ptr<NameSystemList> ForStars();
    static std::unique_ptr<NameSystemList> ForConstellations();
    static std::unique_ptr<NameSystemList> ForDeepSky();
    // The list of a kind without name systems: no items, default and key none.
    static std::unique_ptr<NameSystemList> Empty();

    virtual ~NameSystemList() = default;
    NameSystemList(const NameSystemList&) = delete;
    NameSystemList& operator=(const NameSystemList&) = delete;

    // The first item whose name equals the text exactly, or none.
    const NameSystem* FindByName(const Char* name) const;
    // The item with that id, or none.
    const NameSystem* FindById(int id) const;
    const NameSystem* DefaultItem() const { return FindById(defaultId_); }
    const NameSystem* KeyItem() const { return FindById(keyId_); }
    int DefaultId() const noexcept { return defaultId_; }
    int KeyId() const noexcept { return keyId_; }

    int Count() const noexcept { return static_cast<int>(items_.size()); }
    // The item at a position 0..Count()-1; none outside.
    const NameSystem* ItemAt(int position) const;

private:
    NameSystemList(std::initializer_list<const Char*> names, int defaultId, int keyId);

    std::vector<NameSystem> items_;
    int defaultId_;
    int keyId_;
};

}  // namespace corvinata
