#include "app/graph_prompts.h"

#include <gtest/gtest.h>

#include <deque>

#include "base/memory_storage.h"
#include "documents/graph_file.h"
#include "documents/graph_visitor.h"
#include "support/graph_fakes.h"
#include "support/fake_product.h"
#include "support/test_text.h"

namespace corvinata {
namespace {

class FakeGraph final : public GraphToClose {
public:
    explicit FakeGraph(bool changed, bool hasFile = true, bool lines = true)
        : file(hasFile), lines(lines) {
        if (changed) history.AddCommand(CommandGroup(String(TXT("Add")), String(TXT("Remove"))));
    }
    bool HasOwnFile() const override { return file; }
    String FilePath() const override { return String(TXT("C:\\GRAPHS\\moon.gph")); }
    bool HasLines() const override { return lines; }
    String Name() const override { return String(TXT("moon")); }
    CommandHistory& History() override { return history; }
    bool Save() override {
        ++saves;
        return saveWorks;
    }
    void CloseWindow() override { closed = true; }

    bool file;
    bool lines;
    bool saveWorks = true;
    int saves = 0;
    bool closed = false;
    CommandHistory history;
};

class ScriptedAnswers final : public GraphQuestions {
public:
    PromptAnswer Ask(const String& question, MessageTopic topic) override {
        asked.push_back(test::Utf8(question));
        EXPECT_EQ(topic, MessageTopic::SaveGraphChanges);
        const PromptAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<PromptAnswer> answers;
    std::vector<std::string> asked;
};

TEST(GraphPromptsTest, MessagesNameTheProductPathAndReason) {
    MemoryStorageService storage;
    test::FakeProductInfo product(storage);
    const String path(TXT("C:\\g.gph"));
    const struct {
        GraphOpenFailure failure;
        const char* text;
    } cases[] = {
        {GraphOpenFailure::CannotRead, "Corvinata was unable to open the file 'C:\\g.gph'."},
        {GraphOpenFailure::NotRecognised,
         "Corvinata was unable to open the graph C:\\g.gph\n\nThis is because the file is not a "
         "Corvinata graph file."},
        {GraphOpenFailure::NotAGraphOrOld,
         "Corvinata was unable to open the graph C:\\g.gph\n\nThis is because the file is not a graph "
         "file, or it is a graph that was created with a very old version of Corvinata."},
        {GraphOpenFailure::NewerVersion,
         "Corvinata was unable to open the graph C:\\g.gph\n\nThis is because the graph was created "
         "with a more recent version of Corvinata."},
    };
    for (const auto& c : cases) EXPECT_EQ(test::Utf8(GraphOpenErrorText(product, path, c.failure)), c.text);
    EXPECT_EQ(GraphReadFailureOf({false, false, true, {}}), GraphOpenFailure::NotRecognised);
    EXPECT_EQ(GraphReadFailureOf({false, true, true, {}}), GraphOpenFailure::NotAGraphOrOld);
    EXPECT_EQ(GraphReadFailureOf({false, true, false, {}}), GraphOpenFailure::NewerVersion);
    // The program goes on without the country borders and says so; a damaged
    // file is not one it could not open.
    EXPECT_EQ(test::Utf8(CountryBordersFileText(product, String(TXT("x.dat")), false)),
              "Error initializing: Corvinata was unable to open the file x.dat.\n\nThe eclipse maps are drawn "
              "without country borders. Please reinstall the application to restore the file.");
    EXPECT_EQ(test::Utf8(CountryBordersFileText(product, String(TXT("x.dat")), true)),
              "Error initializing: the file x.dat is damaged.\n\nThe eclipse maps are drawn without country "
              "borders. Please reinstall the application to restore the file.");
}

TEST(GraphPromptsTest, OpeningTellsWhyAGraphCouldNotBeRead) {
    MemoryStorageService storage;
    test::FakeProductInfo product(storage);
    ScopedApplicationServices services(&product, nullptr);
    NotificationHub hub;
    test::TestGraph graph(hub);
    storage.MakeFolder(TXT("C:\\GRAPHS"));
    const String good(TXT("C:\\GRAPHS\\good.gph"));
    ASSERT_TRUE(SaveGraphFile(graph.document, storage, good));
    std::string bytes;
    ASSERT_TRUE(storage.GetFile(good.Text(), bytes));
    std::string newer = bytes;
    newer[13] = '1';  // "1.21"
    ASSERT_TRUE(storage.PutFile(TXT("C:\\GRAPHS\\new.gph"), newer));
    ASSERT_TRUE(storage.PutFile(TXT("C:\\GRAPHS\\cut.gph"), bytes.substr(0, 200)));
    ASSERT_TRUE(storage.PutFile(TXT("C:\\GRAPHS\\text.gph"), "GPH"));

    GraphDocumentFileReader reader(graph.document);
    const struct {
        const char* path;
        const char* reason;
    } cases[] = {
        {"C:\\GRAPHS\\gone.gph", "Corvinata was unable to open the file 'C:\\GRAPHS\\gone.gph'."},
        {"C:\\GRAPHS\\new.gph", "was created with a more recent version"},
        {"C:\\GRAPHS\\cut.gph", "or it is a graph that was created with a very old version"},
        {"C:\\GRAPHS\\text.gph", "the file is not a Corvinata graph file"},
    };
    for (const auto& c : cases) {
        String error;
        EXPECT_FALSE(OpenGraphFileWithMessages(storage, product, String(test::Wide(c.path).c_str()), reader, error));
        EXPECT_NE(test::Utf8(error).find(c.reason), std::string::npos) << c.path;
    }
    String error;
    EXPECT_TRUE(OpenGraphFileWithMessages(storage, product, good, reader, error));
    EXPECT_TRUE(graph.document.HasFile());
}

TEST(GraphPromptsTest, MultipleSelectionGivesFullPaths) {
    const Char single[] = TXT("C:\\GRAPHS\\a.gph\0");
    const Char several[] = TXT("C:\\GRAPHS\0a.gph\0b.gph\0");
    std::vector<std::string> paths;
    for (const String& p : SelectedFilePaths(single)) paths.push_back(test::Utf8(p));
    for (const String& p : SelectedFilePaths(several)) paths.push_back(test::Utf8(p));
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\GRAPHS\\a.gph", "C:\\GRAPHS\\a.gph", "C:\\GRAPHS\\b.gph"}));
    EXPECT_TRUE(SelectedFilePaths(TXT("")).empty());
}

TEST(GraphPromptsTest, QuestionOnlyForChangedGraphsWithSomethingToLose) {
    ScriptedAnswers questions;
    FakeGraph saved(false), newEmpty(true, false, false), changed(true);
    questions.answers = {PromptAnswer::No};
    EXPECT_EQ(AskSaveGraphChanges(saved, questions), PromptAnswer::NotAsked);
    EXPECT_EQ(AskSaveGraphChanges(newEmpty, questions), PromptAnswer::NotAsked);
    EXPECT_EQ(AskSaveGraphChanges(changed, questions), PromptAnswer::No);
    EXPECT_EQ(questions.asked, (std::vector<std::string>{"Do you want to save changes to the graph \"moon\"?"}));
}

TEST(GraphPromptsTest, FailedSaveKeepsTheWindowOpen) {
    ScriptedAnswers questions;
    RecentFiles recent;
    FakeGraph graph(true);
    graph.saveWorks = false;
    questions.answers = {PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_FALSE(QuerySaveGraphOnClose(graph, questions, recent));
    EXPECT_TRUE(recent.Paths().empty());
    EXPECT_TRUE(QuerySaveGraphOnClose(graph, questions, recent));
    ASSERT_EQ(recent.Paths().size(), 1u);
}

TEST(GraphPromptsTest, CancelOnTheSecondOfThreeGraphsMarksAndClosesNothing) {
    ScriptedAnswers questions;
    FakeGraph first(true, false), second(true), third(true);
    std::vector<GraphToClose*> graphs{&first, &second, &third};
    questions.answers = {PromptAnswer::No, PromptAnswer::Cancel};
    EXPECT_FALSE(QueryCloseApplication(graphs, questions));
    EXPECT_FALSE(first.history.IsAtSavedState());
    EXPECT_FALSE(first.closed);
    questions.answers = {PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::Yes};
    third.saveWorks = false;
    EXPECT_FALSE(QueryCloseApplication(graphs, questions));  // a failed save stops the close
    EXPECT_FALSE(first.history.IsAtSavedState());
    questions.answers = {PromptAnswer::No, PromptAnswer::Yes, PromptAnswer::No};
    EXPECT_TRUE(QueryCloseApplication(graphs, questions));
    EXPECT_TRUE(first.history.IsAtSavedState() && third.history.IsAtSavedState());
    EXPECT_TRUE(first.closed);
    EXPECT_FALSE(third.closed);
}

}  // namespace
}  // namespace corvinata
