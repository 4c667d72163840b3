// The messages about graph files and data files, and the questions asked
// before a changed graph would be lost.
#pragma once

#include <vector>

#include "app/command_history.h"
#include "app/help_topics.h"
#include "app/recent_files.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/wide_string.h"

namespace corvinata {

// Why a graph file could not be opened, in the order the reasons are tried.
enum class GraphOpenFailure {
    CannotRead,       // the file could not be opened for reading
    NotRecognised,    // read, but not this program's graph file
    NotAGraphOrOld,   // recognised, but not a graph or too old to read
    NewerVersion,     // written by a later version of the program
};

// What reading a graph file reported.
struct GraphReadResult {
    bool read = false;
    bool headerRecognised = false;
    bool notGraphOrTooOld = false;
    // Read, with these fields (by the names the user knows them by) taking
    // their defaults because the program could not use their values.
    std::vector<const Char*> replacedFields;
};

GraphOpenFailure GraphReadFailureOf(const GraphReadResult& result);

// Reads a graph file into a document (the graph's own format).
class GraphFileReader {
public:
    virtual ~GraphFileReader() = default;
    virtual GraphReadResult ReadGraph(BinaryFile& file) = 0;
};

// Opens the file and has `reader` read it; false with the message for the
// user in `message` when the file cannot be opened or read. True with the
// notice in `message` when the graph opened with fields replaced by their
// defaults, with `message` empty otherwise. The wait cursor shows while
// `reader` reads.
bool OpenGraphFileWithMessages(StorageService& storage, const ProductInfoInterface& product,
                               const String& path, GraphFileReader& reader, String& message);

// The full paths an open-file dialog with multiple selection answered: a
// single full path, or the folder followed by the chosen names, each ended
// by a zero and the list by a second one.
std::vector<String> SelectedFilePaths(const Char* answer);
String GraphOpenErrorText(const ProductInfoInterface& product, const String& path,
                          GraphOpenFailure failure);
// The notice after a graph opened with fields it could not use replaced
// by their defaults, naming them once.
String GraphReplacedFieldsText(const String& path, const std::vector<const Char*>& fields);
// "Do you want to save changes to the graph "<name>"?"
String SaveGraphChangesQuestion(const String& graphName);
// The message for a country outlines file that cannot be opened, or is
// damaged: the program goes on, and the eclipse maps are drawn without
// country borders.
String CountryBordersFileText(const ProductInfoInterface& product, const String& path, bool damaged);

enum class PromptAnswer { Yes, No, Cancel, NotAsked };

// The graph of one open graph window, as the questions need it.
class GraphToClose {
public:
    virtual ~GraphToClose() = default;
    virtual bool HasOwnFile() const = 0;
    virtual String FilePath() const = 0;
    virtual bool HasLines() const = 0;
    // The graph's name in messages.
    virtual String Name() const = 0;
    virtual CommandHistory& History() = 0;
    // Saves to the graph's own file, or through Save As when it has none;
    // false when the write failed or the user cancelled Save As.
    virtual bool Save() = 0;
    // Closes the graph's window.
    virtual void CloseWindow() = 0;
};

// Asks a Yes/No/Cancel question with the help topic.
class GraphQuestions {
public:
    virtual ~GraphQuestions() = default;
    virtual PromptAnswer Ask(const String& question, MessageTopic topic) = 0;
};

// No question for a graph at its saved state, nor for a graph without a
// file of its own and without lines.
PromptAnswer AskSaveGraphChanges(GraphToClose& graph, GraphQuestions& questions);
// Before one graph window closes: false when the user cancelled or the save
// failed (the window then stays open). A graph with a file goes to the front
// of the recent files.
bool QuerySaveGraphOnClose(GraphToClose& graph, GraphQuestions& questions, RecentFiles& recent);
// Before the program ends: asks about each graph in turn; a Cancel or a save
// that fails stops the walk and the program goes on, with nothing marked.
// Only after the whole walk are the graphs answered No marked saved and the
// windows of those without a file closed.
bool QueryCloseApplication(const std::vector<GraphToClose*>& graphs, GraphQuestions& questions);

}  // namespace corvinata
