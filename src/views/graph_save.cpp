#include "views/graph_save.h"

#include "app/graph_file_names.h"
#include "app/graph_prompts.h"
#include "app/wait_cursor.h"
#include "documents/graph_file.h"
#include "base/path_name.h"
#include "documents/graph_visitor.h"

namespace corvinata {

namespace {

String Joined(std::initializer_list<const Char*> parts) {
    String text;
    for (const Char* part : parts) StringAppend(text, part);
    return text;
}

void ReportSaveError(GraphSaving& saving, const String& path) {
    saving.dialogs.ShowError(Joined({saving.product.GetProductName(), TXT(" encountered an error saving the graph to file '"),
                                     path.Text(), TXT("'.")}),
                             MessageTopic::GraphSaveError);
}

}  // namespace

String CopyOfGraphPath(const String& path) {
    const Char* text = path.Text();
    int nameStart = 0;
    for (int i = 0; text[i]; ++i) {
        if (IsPathSeparator(text[i]) || text[i] == ':') nameStart = i + 1;
    }
    String copy;
    for (int i = 0; i < nameStart; ++i) {
        const Char one[2] = {text[i], 0};
        StringAppend(copy, one);
    }
    StringAppend(copy, TXT("Copy of "));
    StringAppend(copy, text + nameStart);
    return copy;
}

String GraphDisplayName(const GraphDocument& document) {
    if (document.FilePath().Length() == 0) return String(TXT("[Unsaved graph]"));
    PathName path;
    path.SetPath(document.FilePath().Text());
    return String(path.GetPathFileName());
}

bool WriteGraphFile(GraphDocument& document, const String& path, StorageService& storage) {
    const ScopedWaitCursor wait;
    if (!SaveGraphFile(document, storage, path)) return false;
    if (!IsXmlExportPath(path.Text())) {
        document.History().MarkSaved();
        document.SetHasFile(true);
        document.SetFilePath(path);
        document.SetFileVersion(1, 20);
    }
    return true;
}

bool SaveGraphToItsFile(GraphDocument& document, int mode, GraphSaving& saving) {
    if (document.FileVersionMajor() * 100 + document.FileVersionMinor() < 120) {
        const String question =
            Joined({TXT("The graph '"), GraphDisplayName(document).Text(), TXT("' was created by an earlier version of "),
                    saving.product.GetProductName(),
                    TXT(". If you continue, the earlier version will no longer be able to read the graph.\n\n"
                        "Do you want to save the graph?")});
        if (!saving.dialogs.AskYesNo(question, MessageTopic::EarlierGraphVersion)) {
            if (mode != 0) document.History().MarkSaved();
            return true;
        }
    }
    const String path = document.FilePath();
    if (!WriteGraphFile(document, path, saving.storage)) {
        ReportSaveError(saving, path);
        return false;
    }
    return true;
}

bool SaveGraphAs(GraphDocument& document, GraphSaving& saving) {
    const String proposed = document.HasFile() ? document.FilePath() : String(TXT("New graph.gph"));
    String chosen;
    if (!saving.dialogs.ChooseSavePath(proposed, chosen) || chosen.Length() == 0) return false;
    // The write replaces an existing file only once the new one is whole,
    // so the old one is not deleted first.
    if (saving.storage.PathExists(chosen.Text()) &&
        !saving.dialogs.AskYesNo(Joined({chosen.Text(), TXT(" already exists.\n\nDo you wish to replace it?")}),
                                 MessageTopic::FileExists)) {
        return false;
    }
    if (!WriteGraphFile(document, chosen, saving.storage)) {
        ReportSaveError(saving, chosen);
        return false;
    }
    if (!IsXmlExportPath(chosen.Text())) saving.recent.AddRecentFile(chosen);
    return true;
}

std::unique_ptr<GraphDocument> LoadGraphDocument(NotificationHub& hub, const GraphServices& services,
                                                 const String& path, GraphSaving& saving) {
    auto document = NewGraphDocument(hub, services);
    if (!document) return nullptr;
    GraphDocumentFileReader reader(*document);
    String message;
    if (!OpenGraphFileWithMessages(saving.storage, saving.product, path, reader, message)) {
        saving.dialogs.ShowError(message, MessageTopic::GraphFileNotOpened);
        return nullptr;
    }
    if (!message.IsEmpty()) saving.dialogs.ShowNotice(message);
    document->SetFilePath(path);
    document->SetHasFile(true);
    document->History().MarkSaved();
    return document;
}

String SavingGraphToClose::Name() const { return GraphDisplayName(document_); }

bool SavingGraphToClose::Save() {
    return document_.HasFile() ? SaveGraphToItsFile(document_, 1, saving_) : SaveGraphAs(document_, saving_);
}

namespace {

class DialogQuestions final : public GraphQuestions {
public:
    explicit DialogQuestions(GraphSaveDialogs& dialogs) : dialogs_(dialogs) {}
    PromptAnswer Ask(const String& question, MessageTopic topic) override {
        return dialogs_.AskYesNoCancel(question, topic);
    }

private:
    GraphSaveDialogs& dialogs_;
};

}  // namespace

bool QuerySaveGraphBeforeClosing(GraphDocument& document, GraphSaving& saving) {
    DialogQuestions questions(saving.dialogs);
    SavingGraphToClose graph(document, saving);
    return QuerySaveGraphOnClose(graph, questions, saving.recent);
}

bool QuerySaveGraphsBeforeExit(const std::vector<GraphDocument*>& documents, GraphSaving& saving,
                               const CloseGraphWindows& close) {
    DialogQuestions questions(saving.dialogs);
    std::vector<SavingGraphToClose> graphs;
    graphs.reserve(documents.size());
    for (GraphDocument* document : documents) graphs.emplace_back(*document, saving, close);
    std::vector<GraphToClose*> asked;
    for (SavingGraphToClose& graph : graphs) asked.push_back(&graph);
    return QueryCloseApplication(asked, questions);
}

bool SaveGraph(GraphDocument& document, GraphSaving& saving) {
    return document.HasFile() ? SaveGraphToItsFile(document, 0, saving) : SaveGraphAs(document, saving);
}

}  // namespace corvinata
