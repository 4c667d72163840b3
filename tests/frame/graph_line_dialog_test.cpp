// The Add/Edit Graph Line dialog with real messages: the automatic name
// follows the object until the user types, OK refuses a syntax error before
// an empty name, and the changed flag.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/planet_catalogue.h"
#include "catalog/sun_earth_catalogues.h"
#include "modal_driver.h"
#include "resources/graph_dialogs_ids.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/test_text.h"
#include "views/graph_line_dialog_win.h"
#include "views/graph_line_form.h"

namespace corvinata::test {
namespace {

class GraphLineDialogTest : public ::testing::Test {
protected:
    GraphLineDialogTest() {
        EXPECT_TRUE(SharedCatalogues());
        chosen = BodyIdentifierFromObject(PlanetRecordAt(2));
        services.catalogue = graphServices.catalogue;
        services.selectBody = [this](HWND, BodyIdentifier& selection) {
            selection = chosen;
            return true;
        };
        services.tell = [this](HWND, const String& text, MessageTopic) { told.push_back(Utf8(text)); };
    }
    bool Run(GraphLine& line, bool isNew, ModalDriver::Steps steps) {
        return ModalDriver::Run(std::move(steps), [&] {
            return ShowGraphLineDialog(GetModuleHandleW(nullptr), nullptr, String(TXT("Add Graph Line")), line,
                                       isNew, services, changed);
        });
    }
    static std::string Text(HWND dialog, int id) {
        wchar_t text[300] = {};
        GetDlgItemTextW(dialog, id, text, 300);
        return Utf8(text);
    }
    static void SetText(ModalDriver& driver, HWND dialog, int id, const wchar_t* text) {
        SetDlgItemTextW(dialog, id, text);
        driver.Pump();
    }
    FakeCurrentTime now;
    GraphServices graphServices = ObjectModelGraphServices(now);
    GraphLineDialogServices services;
    BodyIdentifier chosen;
    std::vector<std::string> told;
    bool changed = false;
};

TEST_F(GraphLineDialogTest, TheNameFollowsTheObjectUntilTheUserTypesOne) {
    GraphLine line = NewGraphLine();
    ASSERT_TRUE(Run(line, true, [this](ModalDriver& driver, HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_NAME), "Sun");
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_OBJECT), "Sun");
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_GRAPH_LINE_EXPRESSION)));
        driver.Click(IDC_GRAPH_LINE_SELECT);
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_NAME), "Mars");
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_OBJECT), "Mars");
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_EXPRESSION).rfind("Mars.", 0), 0u);
        // The user's typing stops the automatic naming.
        driver.Focus(IDC_GRAPH_LINE_NAME);
        driver.Type("X");
        chosen = BodyIdentifierFromObject(SunRecordAt(0));
        driver.Click(IDC_GRAPH_LINE_SELECT);
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_OBJECT), "Sun");
        EXPECT_NE(Text(dialog, IDC_GRAPH_LINE_NAME), "Sun");
        SetText(driver, dialog, IDC_GRAPH_LINE_NAME, L"Solar line");
        driver.Click(IDOK);
    }));
    EXPECT_TRUE(changed);
    EXPECT_EQ(Utf8(line.name), "Solar line");
    EXPECT_EQ(Utf8(line.ExpressionText()).rfind("Sun.", 0), 0u);
    EXPECT_TRUE(told.empty());
}

TEST_F(GraphLineDialogTest, OkRefusesASyntaxErrorThenAnEmptyNameAndCancelKeepsTheLine) {
    GraphLine line = NewGraphLine();
    line.name = TXT("Kept");
    const bool ok = Run(line, false, [this](ModalDriver& driver, HWND dialog) {
        EXPECT_EQ(Text(dialog, IDC_GRAPH_LINE_NAME), "Kept");
        driver.Click(IDC_GRAPH_LINE_EDIT_SCRIPT);
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_GRAPH_LINE_EXPRESSION)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_GRAPH_LINE_FUNCTION)));
        SetText(driver, dialog, IDC_GRAPH_LINE_EXPRESSION, L"");
        SetText(driver, dialog, IDC_GRAPH_LINE_NAME, L"");
        driver.Click(IDOK);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_GRAPH_LINE_EXPRESSION));
        SetText(driver, dialog, IDC_GRAPH_LINE_EXPRESSION, L"1 + 2");
        driver.Click(IDOK);
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_GRAPH_LINE_NAME));
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
        driver.Pump();
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(told, (std::vector<std::string>{"The CorvinataScript expression contains a syntax error.",
                                              "Please enter a name for the line."}));
    EXPECT_EQ(Utf8(line.name), "Kept");
    EXPECT_FALSE(line.scriptEdited);
}

TEST_F(GraphLineDialogTest, EditingWithoutAChangeReportsNoneAndAColourDoes) {
    GraphLine line = NewGraphLine();
    bool added = false;
    GraphLineForm form(line, true);
    GraphLineForm::Fields fields;
    fields.name = TXT("Sun");
    fields.expression = form.GeneratedExpression();
    ASSERT_EQ(form.Apply(fields, *services.catalogue, line, added), GraphLineRefusal::kNone);
    ASSERT_TRUE(Run(line, false, [](ModalDriver& driver, HWND) { driver.Click(IDOK); }));
    EXPECT_FALSE(changed);
    ASSERT_TRUE(Run(line, false, [](ModalDriver& driver, HWND dialog) {
        SendDlgItemMessageW(dialog, IDC_GRAPH_LINE_COLOUR, CB_SETCURSEL, 3, 0);
        driver.Click(IDOK);
    }));
    EXPECT_TRUE(changed);
    EXPECT_EQ(line.colour, 3);
}

}  // namespace
}  // namespace corvinata::test
