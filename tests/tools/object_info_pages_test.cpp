#include "tools/object_info_pages.h"

#include <gtest/gtest.h>

#include "catalog/deep_sky_catalogue.h"
#include "catalog/name_systems.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;
using test::Wide;

TEST(ObjectInfoDeepSkyPage, TypeStoredTextAndEnglishOrTheParsersRefusal) {
    // The catalogues come from the test program's environment.
    const DeepSkyCatalogue& catalogue = GetDeepSkyCatalogue();
    struct Case {
        const char* designation;
        const char* stored;
        const char* english;
    };
    // The English is the writer's own wording of the position angle.
    const Case cases[] = {
        {"NGC 4594", "!, vB, vL, eE 92deg , vsmbMN; = M104",
         "Remarkable; very bright; very large; extremely extended in position angle 92\u00B0; very suddenly much brighter in "
         "the middle; nucleus present; identical to M104"},
        {"NGC 7000", "F, eeL, dif nebulosity", "Unable to parse the Dreyer description."},
        {"NGC 3372", nullptr, "Unable to parse the Dreyer description."},
    };
    for (const Case& c : cases) {
        const int index = catalogue.Designations().FindByName(Wide(c.designation).c_str(), kDeepSkyNgcIc);
        ASSERT_GE(index, 0) << c.designation;
        const DeepSkyObject& object = *catalogue.At(index);
        const DeepSkyInfoTexts texts = DeepSkyInfoPageTexts(object);
        EXPECT_FALSE(texts.type.IsEmpty()) << c.designation;
        EXPECT_EQ(Utf8(texts.stored), Utf8(object.Description())) << c.designation;
        if (c.stored) {
            EXPECT_EQ(Utf8(texts.stored), c.stored);
        }
        EXPECT_EQ(Utf8(texts.description), c.english) << c.designation;
    }
}

}  // namespace
}  // namespace corvinata
