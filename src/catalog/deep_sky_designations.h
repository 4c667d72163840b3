// The names of deep-sky objects beyond their NGC/IC designation: the
// Messier, Caldwell and Herschel 400 numbers and the proper names, with the
// indexes between them and the catalogue's objects.
//
// Objects are known here by their catalogue index; the designations come
// from the built-in tables, whose texts live as long as the program, so the
// names handed out stay valid.
#pragma once

#include <cstdint>
#include <vector>

#include "base/wide_string.h"
#include "catalog/designation_pair.h"
#include "catalog/name_index.h"
#include "catalog/name_systems.h"

namespace corvinata {

// The three numbered lists.
enum DeepSkyList : int {
    kCaldwellList = 0,
    kHerschel400List = 1,
    kMessierList = 2,
};

class DeepSkyDesignations {
public:
    // Builds every index for the catalogue whose object i is designated
    // designations[i] ("NGC  224"); the texts are borrowed and must outlive
    // this object. Answers false when a table names an object the catalogue
    // does not hold.
    bool Build(const std::vector<const Char*>& designations);

    // Position in the list of the first pair aiming at the NGC/IC
    // designation, or -1.
    int FindDesignationByTarget(DeepSkyList list, const Char* target) const noexcept;
    // Position in the list of the catalogue's object, or -1.
    int DesignationOfObject(DeepSkyList list, int object) const noexcept;
    int ListCount(DeepSkyList list) const noexcept;
    // Designation ("M031") and catalogue index at a list position; none /
    // -1 outside the list.
    const Char* DesignationAt(DeepSkyList list, int position) const noexcept;
    int ObjectAtPosition(DeepSkyList list, int position) const noexcept;

    // Name systems are the deep-sky ids of name_systems.h (kDeepSkyProperName
    // .. kDeepSkyNgcIc).

    // The next name of one object in a name system; the cursor starts at 0,
    // a negative cursor is the end (none, cursor -1).
    const Char* NextName(int object, int system, std::int32_t& cursor) const noexcept;
    // Main name (the NGC/IC designation) and the other names joined by ", ".
    void NameParts(int object, String& main, String& extra) const;

    // The next name in a system across the catalogue, and its object (may be
    // omitted); at the end none, cursor -1 and object -1.
    const Char* NextNamed(std::int32_t& cursor, int system, int* object) const noexcept;
    // The object bearing exactly that name in the system, or -1.
    int FindByName(const Char* name, int system) const noexcept;

    int ProperNameCount() const noexcept { return static_cast<int>(properNames_.size()); }

private:
    struct List {
        const DesignationPair* pairs = nullptr;
        int count = 0;
        std::vector<std::int32_t> objectOfPosition;
        std::vector<std::int32_t> positionOfObject;  // per catalogue index, -1 when absent
        NameIndex byDesignation;
        NameIndex byTarget;
    };
    struct ProperName {
        const Char* name;
        const Char* target;
        std::int32_t object;
    };

    const List* ListOf(int system) const noexcept;

    std::vector<const Char*> designations_;
    List lists_[3];
    std::vector<ProperName> properNames_;             // ordered by target
    std::vector<std::int32_t> firstProperName_;       // per object, -1 none
    std::vector<std::int32_t> properNameCount_;       // per object
    NameIndex properNameIndex_;
    NameIndex designationIndex_;
};

}  // namespace corvinata
