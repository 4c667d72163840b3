#include "views/graph_save.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>

#include "documents/graph_test_support.h"

namespace corvinata::test {
namespace {

class ScriptedSaveDialogs final : public GraphSaveDialogs {
public:
    bool ChooseSavePath(const String& proposed, String& chosen) override {
        proposals.push_back(Utf8(proposed));
        if (choice.empty()) return false;
        chosen = String(Wide(choice).c_str());
        return true;
    }
    bool ChooseOpenPaths(std::vector<String>&) override { return false; }
    bool AskYesNo(const String& text, MessageTopic) override {
        questions.push_back(Utf8(text));
        const bool yes = answers.empty() ? false : answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    PromptAnswer AskYesNoCancel(const String& text, MessageTopic) override {
        questions.push_back(Utf8(text));
        return closeAnswer;
    }
    void ShowError(const String& text, MessageTopic) override { errors.push_back(Utf8(text)); }
    void ShowNotice(const String& text) override { notices.push_back(Utf8(text)); }
    PromptAnswer closeAnswer = PromptAnswer::No;

    std::string choice;
    std::deque<bool> answers;
    std::vector<std::string> proposals, questions, errors, notices;
};

class GraphSaveTest : public GraphTest {
protected:
    GraphSaveTest() : document(TwoLineDocument()) {
        document->History().MarkSaved();
        document->History().MarkSavedUnreachable();  // changed since it was made
    }
    std::unique_ptr<GraphDocument> document;
    RecentFiles recent;
    ScriptedSaveDialogs dialogs;
    GraphSaving saving{storage, product, recent, dialogs};
};

TEST_F(GraphSaveTest, SaveAsWritesTheGraphOrTheExportAndOnlyTheGraphCountsAsSaved) {
    dialogs.choice = "C:\\Graphs\\moon.xml";
    EXPECT_TRUE(SaveGraph(*document, saving));
    EXPECT_EQ(dialogs.proposals.back(), "New graph.gph");
    EXPECT_TRUE(storage.PathExists(TXT("C:\\Graphs\\moon.xml")));
    EXPECT_FALSE(document->HasFile());
    EXPECT_FALSE(document->History().IsAtSavedState());
    EXPECT_TRUE(recent.Paths().empty());

    dialogs.choice = "C:\\Graphs\\moon.gph";
    EXPECT_TRUE(SaveGraph(*document, saving));
    EXPECT_TRUE(document->HasFile());
    EXPECT_TRUE(document->History().IsAtSavedState());
    EXPECT_EQ(Utf8(document->FilePath()), "C:\\Graphs\\moon.gph");
    EXPECT_EQ(Utf8(GraphDisplayName(*document)), "moon.gph");
    ASSERT_EQ(recent.Paths().size(), 1u);
    std::string bytes;
    EXPECT_TRUE(storage.GetFile(TXT("C:\\Graphs\\moon.gph"), bytes));
    EXPECT_EQ(bytes, Written(*document, "again.gph"));
    // Save now writes to its own file without asking.
    EXPECT_TRUE(SaveGraph(*document, saving));
    EXPECT_EQ(dialogs.proposals.size(), 2u);
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(GraphSaveTest, ReplacingAFileIsAskedAndAFailedWriteKeepsTheOldFileAndTheState) {
    storage.PutFile(TXT("C:\\Graphs\\old.gph"), "old bytes");
    dialogs.choice = "C:\\Graphs\\old.gph";
    dialogs.answers = {false};
    EXPECT_FALSE(SaveGraphAs(*document, saving));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "C:\\Graphs\\old.gph already exists.\n\nDo you wish to replace it?");
    std::string bytes;
    storage.GetFile(TXT("C:\\Graphs\\old.gph"), bytes);
    EXPECT_EQ(bytes, "old bytes");

    storage.SetReadOnly(TXT("C:\\Graphs\\old.gph"), true);
    dialogs.answers = {true};
    EXPECT_FALSE(SaveGraphAs(*document, saving));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("encountered an error saving the graph to file 'C:\\Graphs\\old.gph'."),
              std::string::npos);
    storage.GetFile(TXT("C:\\Graphs\\old.gph"), bytes);
    EXPECT_EQ(bytes, "old bytes");
    EXPECT_FALSE(document->HasFile());
    EXPECT_FALSE(document->History().IsAtSavedState());

    dialogs.choice.clear();  // cancelled
    EXPECT_FALSE(SaveGraphAs(*document, saving));
}

TEST_F(GraphSaveTest, AnEarlierVersionsGraphIsAskedAboutFirst) {
    document->SetHasFile(true);
    document->SetFilePath(String(TXT("C:\\Graphs\\v119.gph")));
    struct Case {
        int mode;
        bool answer;
        bool written, saved;
    };
    const Case cases[] = {{0, false, false, false}, {1, false, false, true}, {0, true, true, true}};
    for (const Case& c : cases) {
        document->SetFileVersion(1, 19);
        document->History().MarkSavedUnreachable();
        storage.RemoveFile(TXT("C:\\Graphs\\v119.gph"));
        dialogs.answers = {c.answer};
        EXPECT_TRUE(SaveGraphToItsFile(*document, c.mode, saving));
        EXPECT_NE(dialogs.questions.back().find("was created by an earlier version of"), std::string::npos);
        EXPECT_EQ(storage.PathExists(TXT("C:\\Graphs\\v119.gph")), c.written) << c.mode << c.answer;
        EXPECT_EQ(document->History().IsAtSavedState(), c.saved) << c.mode << c.answer;
    }
    EXPECT_EQ(document->FileVersionMinor(), 20);
}

TEST_F(GraphSaveTest, LoadingReadsASavedGraphAndRefusesADamagedOne) {
    dialogs.choice = "C:\\Graphs\\moon.gph";
    ASSERT_TRUE(SaveGraphAs(*document, saving));
    auto loaded = LoadGraphDocument(hub, ObjectModelGraphServices(now), document->FilePath(), saving);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->LineCount(), 2);
    EXPECT_EQ(Utf8(loaded->GetGraphLine(0)->Name()), "Moon altitude");
    EXPECT_TRUE(loaded->HasFile());
    EXPECT_TRUE(loaded->History().IsAtSavedState());
    EXPECT_EQ(loaded->FileVersionMinor(), 20);
    EXPECT_EQ(loaded->GetGraphLine(1)->fillAbove, -1);  // fills are never stored
    // The values are the file's, not computed again on the way in.
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(loaded->GetGraphLine(i)->values == document->GetGraphLine(i)->values) << i;
    }
    EXPECT_EQ(loaded->GetGraphLine(1)->values[7], -1.0);  // the phase line computes 50

    std::string bytes;
    storage.GetFile(TXT("C:\\Graphs\\moon.gph"), bytes);
    storage.PutFile(TXT("C:\\Graphs\\cut.gph"), bytes.substr(0, bytes.size() / 2));
    EXPECT_EQ(LoadGraphDocument(hub, ObjectModelGraphServices(now), String(TXT("C:\\Graphs\\cut.gph")), saving),
              nullptr);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("cut.gph"), std::string::npos);
}

// A graph a peer wrote with a colour and a kind outside their tables opens;
// the user is told once which fields took their defaults.
TEST_F(GraphSaveTest, LoadingAGraphWithUnusableValuesOpensItAndTellsOnce) {
    std::string bytes = Written(*document, "peer.gph");
    const std::int32_t colour = 99, kind = 42;
    std::memcpy(&bytes[312], &colour, 4);
    std::memcpy(&bytes[bytes.size() - 38 + 16], &kind, 4);
    storage.PutFile(TXT("C:\\Graphs\\peer.gph"), bytes);
    auto loaded = LoadGraphDocument(hub, ObjectModelGraphServices(now), String(TXT("C:\\Graphs\\peer.gph")), saving);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetGraphLine(0)->colour, 0);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(dialogs.notices, std::vector<std::string>{"Some values in the graph C:\\Graphs\\peer.gph could not be used "
                                                        "and were replaced by their default values: line colour, "
                                                        "value kind."});
    // A graph with nothing to replace says nothing.
    Written(*document, "clean.gph");
    ASSERT_NE(LoadGraphDocument(hub, ObjectModelGraphServices(now), String(TXT("C:\\Graphs\\clean.gph")), saving),
              nullptr);
    EXPECT_EQ(dialogs.notices.size(), 1u);
}

TEST(GraphCopyNameTest, CopyOfGoesBeforeTheFileName) {
    const char* const cases[][2] = {{"C:\\Data\\Moon.gph", "C:\\Data\\Copy of Moon.gph"},
                                    {"Moon.gph", "Copy of Moon.gph"},
                                    {"", "Copy of "},
                                    {"D:/a/b.gph", "D:/a/Copy of b.gph"}};
    for (const auto& c : cases) EXPECT_EQ(Utf8(CopyOfGraphPath(String(Wide(c[0]).c_str()))), c[1]) << c[0];
}

}  // namespace
}  // namespace corvinata::test
