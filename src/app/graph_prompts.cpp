#include "app/graph_prompts.h"

#include "app/wait_cursor.h"
#include "base/path_name.h"
#include "base/text_format.h"

namespace corvinata {

GraphOpenFailure GraphReadFailureOf(const GraphReadResult& result) {
    if (!result.headerRecognised) return GraphOpenFailure::NotRecognised;
    if (result.notGraphOrTooOld) return GraphOpenFailure::NotAGraphOrOld;
    return GraphOpenFailure::NewerVersion;
}

bool OpenGraphFileWithMessages(StorageService& storage, const ProductInfoInterface& product,
                               const String& path, GraphFileReader& reader, String& message) {
    message = String();
    std::unique_ptr<BinaryFile> file = storage.CreateBinaryFile(path);
    if (!file || !file->Open(FileOpenMode::Read)) {
        message = GraphOpenErrorText(product, path, GraphOpenFailure::CannotRead);
        return false;
    }
    GraphReadResult result;
    {
        const ScopedWaitCursor wait;
        result = reader.ReadGraph(*file);
    }
    file->Close();
    if (result.read) {
        if (!result.replacedFields.empty()) message = GraphReplacedFieldsText(path, result.replacedFields);
        return true;
    }
    message = GraphOpenErrorText(product, path, GraphReadFailureOf(result));
    return false;
}

String GraphReplacedFieldsText(const String& path, const std::vector<const Char*>& fields) {
    String list;
    for (const Char* field : fields) {
        if (!list.IsEmpty()) StringAppend(list, TXT(", "));
        StringAppend(list, field);
    }
    return FormatPercent2(TXT("Some values in the graph % could not be used and were replaced by their "
                              "default values: %."),
                          path, list);
}

std::vector<String> SelectedFilePaths(const Char* answer) {
    std::vector<String> paths;
    if (!answer || !*answer) return paths;
    const Char* first = answer;
    const Char* name = first + TextLength(first) + 1;
    if (!*name) {
        paths.emplace_back(first);
        return paths;
    }
    for (; *name; name += TextLength(name) + 1) {
        PathName path;
        if (path.SetPathDirectory(first) && path.SetPathFileName(name)) paths.emplace_back(path.ComposePath());
    }
    return paths;
}

String GraphOpenErrorText(const ProductInfoInterface& product, const String& path,
                          GraphOpenFailure failure) {
    const Char* name = product.GetProductName();
    switch (failure) {
        case GraphOpenFailure::CannotRead:
            return FormatPercent2(TXT("% was unable to open the file '%'."), name, path);
        case GraphOpenFailure::NotRecognised:
            return FormatPercent3(TXT("% was unable to open the graph %\n\nThis is because the file is "
                                      "not a % graph file."),
                                  name, path, name);
        case GraphOpenFailure::NotAGraphOrOld:
            return FormatPercent3(TXT("% was unable to open the graph %\n\nThis is because the file is "
                                      "not a graph file, or it is a graph that was created with a very "
                                      "old version of %."),
                                  name, path, name);
        case GraphOpenFailure::NewerVersion:
            break;
    }
    return FormatPercent3(TXT("% was unable to open the graph %\n\nThis is because the graph was "
                              "created with a more recent version of %."),
                          name, path, name);
}

String SaveGraphChangesQuestion(const String& graphName) {
    return FormatPercent1(TXT("Do you want to save changes to the graph \"%\"?"), graphName);
}

String CountryBordersFileText(const ProductInfoInterface& product, const String& path, bool damaged) {
    constexpr const Char* kWithoutBorders =
        TXT("\n\nThe eclipse maps are drawn without country borders. Please reinstall the application to "
            "restore the file.");
    String text = damaged ? FormatPercent1(TXT("Error initializing: the file % is damaged."), path)
                          : FormatPercent2(TXT("Error initializing: % was unable to open the file %."),
                                           product.GetProductName(), path);
    StringAppend(text, kWithoutBorders);
    return text;
}

PromptAnswer AskSaveGraphChanges(GraphToClose& graph, GraphQuestions& questions) {
    if (graph.History().IsAtSavedState()) return PromptAnswer::NotAsked;
    if (!graph.HasOwnFile() && !graph.HasLines()) return PromptAnswer::NotAsked;
    return questions.Ask(SaveGraphChangesQuestion(graph.Name()), MessageTopic::SaveGraphChanges);
}

bool QuerySaveGraphOnClose(GraphToClose& graph, GraphQuestions& questions, RecentFiles& recent) {
    switch (AskSaveGraphChanges(graph, questions)) {
        case PromptAnswer::Cancel:
            return false;
        case PromptAnswer::Yes:
            if (!graph.Save()) return false;
            break;
        case PromptAnswer::No:
        case PromptAnswer::NotAsked:
            break;
    }
    if (graph.HasOwnFile()) recent.AddRecentFile(graph.FilePath());
    return true;
}

bool QueryCloseApplication(const std::vector<GraphToClose*>& graphs, GraphQuestions& questions) {
    std::vector<GraphToClose*> declined;
    for (GraphToClose* graph : graphs) {
        switch (AskSaveGraphChanges(*graph, questions)) {
            case PromptAnswer::Cancel:
                return false;
            case PromptAnswer::Yes:
                if (!graph->Save()) return false;
                break;
            case PromptAnswer::No:
                declined.push_back(graph);
                break;
            case PromptAnswer::NotAsked:
                break;
        }
    }
    for (GraphToClose* graph : declined) {
        graph->History().MarkSaved();
        if (!graph->HasOwnFile()) graph->CloseWindow();
    }
    return true;
}

}  // namespace corvinata
