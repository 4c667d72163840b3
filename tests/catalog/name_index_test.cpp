#include "catalog/name_index.h"

#include <gtest/gtest.h>

namespace corvinata {
namespace {

// Equal names keep the order in which they were added, as a scan in list
// order would meet them; texts that differ only in case or blanks differ.
TEST(NameIndex, FindsTheFirstAddedOfEqualNamesExactly) {
    NameIndex index;
    const Char* names[] = {TXT("NGC  224"), TXT("M031"), TXT("IC 5370"), TXT("M031"), TXT("")};
    for (int i = 0; i < 5; ++i) index.Add(names[i], 10 + i);
    index.Seal();
    const struct {
        const Char* name;
        int value;
    } kCases[] = {{TXT("M031"), 11},    {TXT("NGC  224"), 10}, {TXT("IC 5370"), 12},
                  {TXT(""), 14},        {TXT("NGC 224"), -1},  {TXT("m031"), -1},
                  {TXT("M03"), -1},     {TXT("M0311"), -1},    {nullptr, -1}};
    for (const auto& c : kCases) EXPECT_EQ(index.Find(c.name), c.value);
    EXPECT_EQ(NameIndex().Find(TXT("M031")), -1);
}

}  // namespace
}  // namespace corvinata
