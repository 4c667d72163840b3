// Saving a graph: Save Graph to the graph's own file, Save Graph As to a
// name the user chooses (".xml" writes the XML export), with the questions
// about replacing a file and about a graph from an earlier version. Writes
// go through a temporary file beside the target, so a failed save leaves
// the old file as it was.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "app/graph_prompts.h"
#include "app/recent_files.h"
#include "base/services.h"
#include "base/storage.h"
#include "base/wide_string.h"
#include "documents/graph_document.h"

namespace corvinata {

// What saving asks of the user.
class GraphSaveDialogs {
public:
    virtual ~GraphSaveDialogs() = default;
    // The save-file dialog "Save Graph As" starting at `proposed`; false
    // when cancelled.
    virtual bool ChooseSavePath(const String& proposed, String& chosen) = 0;
    // The open-file dialog "Open Graph" with multiple selection; false when
    // cancelled.
    virtual bool ChooseOpenPaths(std::vector<String>& paths) = 0;
    virtual bool AskYesNo(const String& text, MessageTopic topic) = 0;
    // Yes, No or Cancel (the question before a changed graph closes).
    virtual PromptAnswer AskYesNoCancel(const String& text, MessageTopic topic) = 0;
    virtual void ShowError(const String& text, MessageTopic topic) = 0;
    // Tells the user something that did not stop the work (an opened graph
    // whose unusable values took their defaults).
    virtual void ShowNotice(const String& text) = 0;
};

struct GraphSaving {
    StorageService& storage;
    const ProductInfoInterface& product;
    RecentFiles& recent;
    GraphSaveDialogs& dialogs;
};

// Writes the graph at `path`. Only a write in the graph format changes the
// graph: its history is marked saved, it has a file there, version 1.20.
// The wait cursor shows while it writes.
bool WriteGraphFile(GraphDocument& document, const String& path, StorageService& storage);
// Save to the graph's own file (mode 0 the command; 1 and 2 the close
// questions, where declining to update an earlier version's file still
// counts the graph as saved). False when the write failed.
bool SaveGraphToItsFile(GraphDocument& document, int mode, GraphSaving& saving);
bool SaveGraphAs(GraphDocument& document, GraphSaving& saving);
// File > Save Graph: to its own file, or Save As for a graph without one.
bool SaveGraph(GraphDocument& document, GraphSaving& saving);

// Reads a graph file into a new document, its lines with the values the
// file holds (OpenGraphFile) and the graph counted as saved; none, after
// the message saying why, when the file cannot be read. Fields the file
// held that the program could not use are named in one notice.
std::unique_ptr<GraphDocument> LoadGraphDocument(NotificationHub& hub, const GraphServices& services,
                                                 const String& path, GraphSaving& saving);

// Closes every window of a graph.
using CloseGraphWindows = std::function<void(GraphDocument&)>;

// A graph as the close questions see it, saving through `saving` and
// closing its windows through `close` (none: they stay).
class SavingGraphToClose final : public GraphToClose {
public:
    SavingGraphToClose(GraphDocument& document, GraphSaving& saving, CloseGraphWindows close = nullptr)
        : document_(document), saving_(saving), close_(std::move(close)) {}
    bool HasOwnFile() const override { return document_.HasFile(); }
    String FilePath() const override { return document_.FilePath(); }
    bool HasLines() const override { return document_.LineCount() > 0; }
    String Name() const override;
    CommandHistory& History() override { return document_.History(); }
    bool Save() override;
    void CloseWindow() override {
        if (close_) close_(document_);
    }

private:
    GraphDocument& document_;
    GraphSaving& saving_;
    CloseGraphWindows close_;
};

// Before a graph's window closes: asks about unsaved changes; false when
// the user cancelled or the save failed.
bool QuerySaveGraphBeforeClosing(GraphDocument& document, GraphSaving& saving);
// Before the program ends: asks about each changed graph in turn; false when
// the user cancelled or a save failed (the program then goes on). The graphs
// answered No count as saved afterwards, so their windows close quietly;
// those without a file of their own are closed through `close` at once, so
// that the session the program then saves does not bring them back.
bool QuerySaveGraphsBeforeExit(const std::vector<GraphDocument*>& documents, GraphSaving& saving,
                               const CloseGraphWindows& close);

// The path of a duplicate: "Copy of " before the file name ("Copy of "
// alone for a graph without a path).
String CopyOfGraphPath(const String& path);

// The name of a graph in messages: its file name, or "[Unsaved graph]".
String GraphDisplayName(const GraphDocument& document);

}  // namespace corvinata
