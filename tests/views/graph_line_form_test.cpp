// The line dialog's decisions on the program's own catalogues: automatic
// naming, the function kept or replaced when the object changes, the
// systems a value offers, the refusals of OK and the changed flag.
#include "views/graph_line_form.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "catalog/planet_catalogue.h"
#include "catalog/sun_earth_catalogues.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

using test::Utf8;

class GraphLineFormTest : public ::testing::Test {
protected:
    GraphLineFormTest() {
        EXPECT_TRUE(test::SharedCatalogues());
        mars = BodyIdentifierFromObject(PlanetRecordAt(2));
    }
    static GraphLineForm::Fields FieldsOf(const GraphLineForm& form, const char* name) {
        GraphLineForm::Fields fields;
        fields.name = String(test::Wide(name).c_str());
        fields.expression = form.GeneratedExpression();
        return fields;
    }
    static bool Has(const GraphLineForm& form, std::uint32_t id) {
        return std::any_of(form.Functions().begin(), form.Functions().end(),
                           [id](const EventKind* k) { return k->GetId() == id; });
    }
    test::FakeCurrentTime now;
    GraphServices services = ObjectModelGraphServices(now);
    BodyIdentifier mars;
};

TEST_F(GraphLineFormTest, ANewLineIsNamedAfterItsObjectUntilTheUserTypes) {
    GraphLine line = NewGraphLine();
    GraphLineForm form(line, true);
    ASSERT_NE(form.Function(), nullptr);
    EXPECT_EQ(Utf8(form.DefaultName()), "Sun");
    form.SetObject(mars);
    EXPECT_EQ(Utf8(form.DefaultName()), "Mars");
    // OK untouched: the object's name, changed, a compiled expression.
    bool changed = false;
    ASSERT_EQ(form.Apply(FieldsOf(form, "Mars"), *services.catalogue, line, changed), GraphLineRefusal::kNone);
    EXPECT_TRUE(changed);
    EXPECT_EQ(Utf8(line.name), "Mars");
    EXPECT_FALSE(BodyIdentifierDiffers(line.body, mars));
    EXPECT_EQ(line.ExpressionText().Text()[0], TXT('M'));
    // Typing stops the automatic naming for the rest of the run.
    form.NameTyped();
    form.SetObject(BodyIdentifierFromObject(SunRecordAt(0)));
    EXPECT_TRUE(form.NameEdited());
}

TEST_F(GraphLineFormTest, AnObjectWithoutTheFunctionTakesTheListsFirst) {
    GraphLine line = NewGraphLine();
    GraphLineForm form(line, true);
    form.SetObject(mars);
    // A function Mars has and the Sun lacks, if any; else one the Sun has.
    std::uint32_t marsOnly = 0;
    GraphLineForm sun(NewGraphLine(), true);
    for (const EventKind* kind : form.Functions())
        if (!Has(sun, kind->GetId())) marsOnly = kind->GetId();
    if (marsOnly == 0) GTEST_SKIP() << "the Sun has every function of Mars";
    ASSERT_TRUE(form.SelectFunction(marsOnly));
    form.SetObject(BodyIdentifierFromObject(SunRecordAt(0)));
    ASSERT_NE(form.Function(), nullptr);
    EXPECT_EQ(form.Function(), form.Functions().front());
    EXPECT_FALSE(form.SelectFunction(marsOnly));
}

TEST_F(GraphLineFormTest, SystemsFollowTheValueKind) {
    struct Case {
        int kind;
        std::size_t count;
    };
    for (const Case c : {Case{0, 4}, Case{1, 4}, Case{2, 4}, Case{6, 3}, Case{3, 0}, Case{12, 0}, Case{-1, 0}}) {
        const std::vector<String> names = GraphLineSystemNames(c.kind);
        EXPECT_EQ(names.size(), c.count) << c.kind;
        for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(GraphLineSystemIndex(c.kind, names[i]), int(i));
    }
    EXPECT_EQ(GraphLineSystemIndex(3, String(TXT("UT"))), -1);
}

TEST_F(GraphLineFormTest, OkRefusesASyntaxErrorFirstThenAnEmptyNameAndCountsOnlyRealChanges) {
    GraphLine line = NewGraphLine();
    bool changed = false;
    GraphLineForm adding(line, true);
    ASSERT_EQ(adding.Apply(FieldsOf(adding, "Sun"), *services.catalogue, line, changed), GraphLineRefusal::kNone);
    const GraphLine saved = line;

    GraphLineForm editing(line, false);
    EXPECT_EQ(Utf8(editing.DefaultName()), "Sun");
    GraphLineForm::Fields fields = FieldsOf(editing, "");
    fields.expression = String(TXT(""));
    EXPECT_EQ(editing.Apply(fields, *services.catalogue, line, changed), GraphLineRefusal::kSyntaxError);
    fields.expression = String(TXT("1 +"));
    EXPECT_EQ(editing.Apply(fields, *services.catalogue, line, changed), GraphLineRefusal::kSyntaxError);
    fields.expression = editing.GeneratedExpression();
    EXPECT_EQ(editing.Apply(fields, *services.catalogue, line, changed), GraphLineRefusal::kEmptyName);
    EXPECT_EQ(Utf8(line.name), "Sun");

    struct Case {
        const char* what;
        void (*change)(GraphLineForm&, GraphLineForm::Fields&, const BodyIdentifier&);
        bool changed;
    };
    const Case cases[] = {
        {"nothing", [](GraphLineForm&, GraphLineForm::Fields&, const BodyIdentifier&) {}, false},
        {"the name only", [](GraphLineForm&, GraphLineForm::Fields& f, const BodyIdentifier&) { f.name = TXT("x"); },
         false},
        {"the object", [](GraphLineForm& g, GraphLineForm::Fields& f, const BodyIdentifier& b) {
             g.SetObject(b);
             f.expression = g.GeneratedExpression();
         }, true},
        {"the object under a typed script of the same text",
         [](GraphLineForm& g, GraphLineForm::Fields& f, const BodyIdentifier& b) {
             f.editScript = true;
             g.SetObject(b);
         }, true},  // the script flag itself changed
        {"the colour", [](GraphLineForm&, GraphLineForm::Fields& f, const BodyIdentifier&) { f.colour = 4; }, true},
    };
    for (const Case& c : cases) {
        GraphLine edited = saved;
        GraphLineForm form(edited, false);
        GraphLineForm::Fields f = FieldsOf(form, "Sun");
        c.change(form, f, mars);
        changed = !c.changed;
        ASSERT_EQ(form.Apply(f, *services.catalogue, edited, changed), GraphLineRefusal::kNone) << c.what;
        EXPECT_EQ(changed, c.changed) << c.what;
    }
}

}  // namespace
}  // namespace corvinata
