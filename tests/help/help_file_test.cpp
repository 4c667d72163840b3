// The compiled help file, unpacked as a reader would see it, against every
// topic the program can open: each has its page, each link inside leads to a
// file of the help, and the table of contents lists every page.
#include <gtest/gtest.h>

#include "app/help_topics.h"
#include "support/test_text.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Literals split over lines ("a"\n "b") joined into one.
std::string JoinSplitLiterals(const std::string& text) {
    std::string joined;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') {
            size_t j = i + 1;
            while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
            if (j < text.size() && text[j] == '\n') {
                while (j < text.size() && std::isspace(static_cast<unsigned char>(text[j]))) ++j;
                if (text.compare(j, 4, "TXT(") == 0) j += 4;
                else if (text.compare(j, 1, "L") == 0) j += 1;
                if (j < text.size() && text[j] == '"') {
                    i = j;
                    continue;
                }
            }
        }
        joined += text[i];
    }
    return joined;
}

bool IsPagePath(const std::string& s) {
    if (s.size() <= 4 || s.compare(s.size() - 4, 4, ".htm") != 0) return false;
    for (size_t i = 0; i + 4 < s.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(s[i])) && s[i] != '_' && s[i] != '/') return false;
    return true;
}

// A capitalised phrase of at least three words joined by underscores (its
// first word may be a single letter).
bool IsMessageTopicName(const std::string& s) {
    if (s.size() < 2 || !std::isupper(static_cast<unsigned char>(s[0])) ||
        !(std::islower(static_cast<unsigned char>(s[1])) || s[1] == '_') ||
        s.rfind("Dlg_", 0) == 0)  // dialog templates
        return false;
    int joins = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '_') {
            if (i + 1 == s.size() || s[i + 1] == '_') return false;
            ++joins;
        } else if (!std::isalnum(static_cast<unsigned char>(s[i]))) {
            return false;
        }
    }
    return joins >= 2;
}

// Topic path -> the source file that opens it. A topic is a literal page
// path, or a message box topic name the message box turns into
// "Message_Box_Help_Button/<name>.htm".
std::map<std::string, std::string> ProgramTopics(const fs::path& sources) {
    std::map<std::string, std::string> topics;
    for (const auto& entry : fs::recursive_directory_iterator(sources)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".cpp" && extension != ".h") continue;
        const std::string text = JoinSplitLiterals(ReadText(entry.path()));
        const std::string where = entry.path().filename().string();
        // Any quote may open a literal; one that does not is passed over.
        for (size_t open = text.find('"'); open != std::string::npos;) {
            const size_t close = text.find('"', open + 1);
            if (close == std::string::npos) break;
            const std::string literal = text.substr(open + 1, close - open - 1);
            const bool page = IsPagePath(literal);
            if (page) topics.emplace(literal, where);
            if (IsMessageTopicName(literal)) topics.emplace("Message_Box_Help_Button/" + literal + ".htm", where);
            open = page || IsMessageTopicName(literal) ? text.find('"', close + 1) : close;
        }
    }
    return topics;
}

std::set<std::string> FilesUnder(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file()) files.insert(fs::relative(entry.path(), root).generic_string());
    return files;
}

std::set<std::string> Pages(const std::set<std::string>& files) {
    std::set<std::string> pages;
    for (const auto& file : files)
        if (file.size() > 4 && file.compare(file.size() - 4, 4, ".htm") == 0) pages.insert(file);
    return pages;
}

// Every quoted value that follows `key` in `text`, without a "#anchor".
std::set<std::string> ValuesAfter(const std::string& text, const std::string& key) {
    std::set<std::string> found;
    for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1)) {
        const size_t start = at + key.size();
        const size_t end = text.find('"', start);
        if (end == std::string::npos) break;
        const std::string value = text.substr(start, end - start);
        found.insert(value.substr(0, value.find('#')));
    }
    return found;
}

class HelpFileTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        char pattern[] = "/tmp/cn_help_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        unpacked_ = new fs::path(pattern);
        // chmls opens its file for itself alone: a copy of our own lets
        // other test programs read the help file at the same time.
        const fs::path copy = *unpacked_ / "help.chm";
        fs::copy_file(CN_HELP_FILE, copy);
        const std::string command = "chmls extractall '" + copy.string() + "' '" + pattern + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        fs::remove(copy);
        files_ = new std::set<std::string>(FilesUnder(*unpacked_));
    }
    static void TearDownTestSuite() {
        if (unpacked_) fs::remove_all(*unpacked_);
        delete unpacked_;
        delete files_;
        unpacked_ = nullptr;
        files_ = nullptr;
    }
    static std::string Unpacked(const std::string& name) { return ReadText(*unpacked_ / name); }

    static fs::path* unpacked_;
    static std::set<std::string>* files_;
};

fs::path* HelpFileTest::unpacked_ = nullptr;
std::set<std::string>* HelpFileTest::files_ = nullptr;

// The collector finds topics of each shape the program writes them in; were
// it to find none, the checks below would pass on nothing.
TEST_F(HelpFileTest, TopicsOfEveryShapeAreCollectedFromTheSources) {
    const auto topics = ProgramTopics(CN_PROGRAM_SOURCES);
    for (const char* topic : {
             "contents.htm",                                    // the Help menu
             "quick_tour/Quick_Tour.htm",                       // the Welcome dialog
             "tools/calculator/tools_calculator.htm",           // a window's constant
             "options/dialog_date_and_time.htm",                // a dialog's F1
             "Message_Box_Help_Button/Corvinata_is_currently_in_night_vision.htm",  // a message topic name
             "Message_Box_Help_Button/A_location_with_the_given_country_and_town_name_already_exists.htm",
         })
        EXPECT_EQ(topics.count(topic), 1u) << topic;
    EXPECT_EQ(topics.count("Message_Box_Help_Button/Dlg_Select_Event.htm"), 0u);
}

TEST_F(HelpFileTest, EveryTopicTheProgramOpensHasItsPage) {
    const auto topics = ProgramTopics(CN_PROGRAM_SOURCES);
    ASSERT_GT(topics.size(), 30u);
    for (const auto& [topic, where] : topics) EXPECT_EQ(files_->count(topic), 1u) << topic << " (" << where << ")";
}

// The one table the windows, panes and dialogs take their pages from.
TEST_F(HelpFileTest, EveryPageOfTheHelpTableIsInTheHelpFile) {
    std::set<std::string> topics;
    for (int i = 0; i < corvinata::kHelpPageCount; ++i) {
        const std::string topic = corvinata::test::Utf8(corvinata::kHelpPageTopics[i].topic);
        EXPECT_EQ(files_->count(topic), 1u) << topic;
        EXPECT_TRUE(topics.insert(topic).second) << "two pages share " << topic;
    }
    EXPECT_EQ(corvinata::test::Utf8(corvinata::HelpTopicOf(corvinata::HelpPage::GraphWindow)), "graph/graph_window.htm");
}

// The message box takes its topic from one table: every message it can
// show opens a page of the help file's message folder with its Help button.
TEST_F(HelpFileTest, EveryMessageOfTheMessageBoxHasItsPage) {
    std::set<std::string> pages;
    for (int i = 0; i < corvinata::kMessageTopicCount; ++i) {
        const std::string page = corvinata::test::Utf8(corvinata::MessageBoxHelpTopic(corvinata::kMessageTopics[i].topic));
        EXPECT_EQ(page.rfind("Message_Box_Help_Button/", 0), 0u) << page;
        EXPECT_EQ(files_->count(page), 1u) << page;
        EXPECT_TRUE(pages.insert(page).second) << "two topics share " << page;
    }
}

// Windows finds the help file's names without regard to letter case: two
// names (of files or of folders) that differ only in it are one name there.
void ExpectNoNamesThatDifferOnlyInCase(const std::set<std::string>& names, const char* where) {
    std::map<std::string, std::string> folded;
    for (const auto& name : names) {
        for (size_t end = name.find('/');; end = name.find('/', end + 1)) {
            const std::string part = name.substr(0, end);
            std::string lower;
            for (char c : part) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            const auto [at, inserted] = folded.emplace(lower, part);
            EXPECT_TRUE(inserted || at->second == part) << where << ": " << at->second << " and " << part;
            if (end == std::string::npos) break;
        }
    }
}

TEST_F(HelpFileTest, NoTwoNamesDifferOnlyInLetterCase) {
    ExpectNoNamesThatDifferOnlyInCase(*files_, "help file");
    ExpectNoNamesThatDifferOnlyInCase(FilesUnder(CN_HELP_PAGES), "help pages");
}

TEST_F(HelpFileTest, HoldsEveryPageOfTheSourcesAndItsStyleSheet) {
    const auto sources = FilesUnder(CN_HELP_PAGES);
    for (const auto& file : sources) EXPECT_EQ(files_->count(file), 1u) << file;
    EXPECT_EQ(files_->count("corvinata.css"), 1u);
    EXPECT_GE(Pages(*files_).size(), 60u);
}

TEST_F(HelpFileTest, EveryLinkInsideResolves) {
    for (const auto& page : Pages(*files_)) {
        auto targets = ValuesAfter(Unpacked(page), "href=\"");
        targets.merge(ValuesAfter(Unpacked(page), "src=\""));
        for (const auto& target : targets) {
            if (target.empty()) continue;  // an anchor of the page itself
            EXPECT_EQ(target.find(':'), std::string::npos) << page << " leads outside the help: " << target;
            const std::string resolved = (fs::path(page).parent_path() / target).lexically_normal().generic_string();
            EXPECT_EQ(files_->count(resolved), 1u) << page << " -> " << target;
        }
    }
}

TEST_F(HelpFileTest, ContentsAndIndexListEveryPage) {
    const std::string local = "<param name=\"Local\" value=\"";
    const auto toc = ValuesAfter(Unpacked("Corvinata.hhc"), local);
    const auto index = ValuesAfter(Unpacked("Corvinata.hhk"), local);
    const auto contentsPage = ValuesAfter(Unpacked("contents.htm"), "href=\"");
    for (const auto& page : Pages(*files_)) {
        EXPECT_EQ(toc.count(page), 1u) << "table of contents: " << page;
        EXPECT_EQ(index.count(page), 1u) << "index: " << page;
        if (page != "contents.htm") {
            EXPECT_EQ(contentsPage.count(page), 1u) << "contents page: " << page;
        }
    }
}

// Plain HTML 4 with a title and the one style sheet, reached from any folder.
TEST_F(HelpFileTest, EveryPageIsHtml4WithTheStyleSheet) {
    for (const auto& page : Pages(*files_)) {
        const std::string text = Unpacked(page);
        EXPECT_EQ(text.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"", 0), 0u) << page;
        std::string up;
        for (char c : page)
            if (c == '/') up += "../";
        EXPECT_NE(text.find("href=\"" + up + "corvinata.css\""), std::string::npos) << page;
        EXPECT_NE(text.find("<title>"), std::string::npos) << page;
        EXPECT_EQ(text.find("<title></title>"), std::string::npos) << page;
    }
}

}  // namespace
