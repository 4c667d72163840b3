// The remembered selection of the Select Event dialog and the expression of
// an extreme.
#include <gtest/gtest.h>

#include "base/memory_storage.h"
#include "event_testing.h"
#include "tools/select_event.h"

namespace corvinata::events::test {
namespace {

const String kRoot(TXT("Software\\Corvinata\\Test"));

EventCondition Load(MemoryStorageService& storage) {
    SettingsTree tree(storage, kRoot);
    EventCondition condition;
    LoadSelectedEvent(tree, condition);
    return condition;
}

TEST(SelectEvent, FirstUseAndWhatComesBack) {
    MemoryStorageService storage;
    const EventCondition first = Load(storage);
    EXPECT_TRUE(first.isPredefined);
    EXPECT_EQ(first.predefinedEvent, kEventFullMoon);
    EXPECT_EQ(Utf8(first.firstBody.name.Text()), "Mars");
    EXPECT_EQ(Utf8(first.secondBody.name.Text()), "Jupiter");
    EXPECT_FALSE(first.isMinimum);
    EXPECT_EQ(Utf8(first.searchExpression.Text()), Utf8(Expression(kEventFullMoon).c_str()));

    EventCondition typed = first;
    typed.isUserExpression = true;
    typed.searchExpression = String(TXT("Moon.Alt(Hor) > 10"));
    typed.predefinedEvent = kEventOpposition;
    {
        SettingsTreeWriter writer(storage, kRoot);
        ASSERT_TRUE(SaveSelectedEvent(writer, typed));
    }
    const EventCondition back = Load(storage);
    EXPECT_TRUE(back.isUserExpression);
    EXPECT_EQ(Utf8(back.searchExpression.Text()), "Moon.Alt(Hor) > 10");
    EXPECT_EQ(back.predefinedEvent, kEventOpposition);
}

TEST(SelectEvent, StoredValuesOutsideTheirRangeAreChecked) {
    MemoryStorageService storage;
    EventCondition stored = Load(storage);
    stored.predefinedEvent = 99;
    stored.quantity = 1u << 8;  // no body function has it
    {
        SettingsTreeWriter writer(storage, kRoot);
        ASSERT_TRUE(SaveSelectedEvent(writer, stored));
    }
    const EventCondition back = Load(storage);
    EXPECT_EQ(back.predefinedEvent, kEventFullMoon) << "a number the catalogue lacks is event 0";
    // The list shows the type's first function, and that is what is stored.
    ASSERT_NE(ShownFunction(back), nullptr);
    EXPECT_EQ(ShownFunction(back), BodyFunctionsOf(back.firstBody).front());
}

TEST(SelectEvent, AnExtremeNamesItsBodyInQuotesAndCompiles) {
    EventCondition condition;
    condition.firstBody = BodyIdentifierFromObject(GetCatalogueObject(kBodyMoon, 0));
    condition.isMinimum = true;
    condition.quantity = kFunctionDistanceFromEarth;
    const String text = ExtremeExpression(condition);
    EXPECT_EQ(Utf8(text.Text()), "Min(\"" + Utf8(condition.firstBody.name.Text()) + "\".DistEarth(AU))");
    condition.quantity = kFunctionRise;
    condition.isMinimum = false;
    EXPECT_EQ(Utf8(ExtremeExpression(condition).Text()),
              "Max(\"" + Utf8(condition.firstBody.name.Text()) + "\".Rise(LCT))");
    // The quoted form is what the search compiles.
    EventResultList results;
    EventSearchJob job(Date(2024, 1, 1), Date(2024, 1, 31), London(), false, TimeStep{kDaysUnit, 1}, &results, {},
                       false, 0);
    job.AddExpression(text.Text(), kNoEventType, nullptr, nullptr);
    EXPECT_EQ(job.ExpressionAt(0)->compileStatus, kCompiled);
}

}  // namespace
}  // namespace corvinata::events::test
