// Saving a graph: SaveGraph walks the document with a visitor, which sees
// the graph, each line and each of the line's 366 values. Two visitors
// exist: the native graph file (version 1.20) and the XML export.
#pragma once

#include <memory>

#include "base/binary_file.h"
#include "base/storage.h"
#include "documents/graph_document.h"

namespace corvinata {

class GraphVisitor {
public:
    virtual ~GraphVisitor() = default;
    // Each answers false at the first failed write; SaveGraph stops there.
    virtual bool BeginGraph(GraphDocument& document) = 0;
    virtual bool EndGraph(GraphDocument& document) = 0;
    virtual bool BeginLine(const GraphLine& line) = 0;
    virtual bool EndLine(const GraphLine& line) = 0;
    virtual bool WriteValue(const GraphDocument& document, const GraphLine& line, int i) = 0;
};

// BeginGraph, every line in order, EndGraph; false at the first failure.
bool SaveGraph(GraphDocument& document, GraphVisitor& visitor);
// BeginLine, the 366 values, EndLine; false at the first failure.
bool SaveGraphLine(GraphVisitor& visitor, const GraphLine& line, const GraphDocument& document);

// Writes the graph file (version 1.20) at its path. Before it writes the y
// range and value kind, EndGraph derives a kind that is not known yet, so
// that the file holds the document as it then stands and reads back equal.
class GraphTextVisitor final : public GraphVisitor {
public:
    GraphTextVisitor(StorageService& storage, const String& path);
    ~GraphTextVisitor() override;

    bool BeginGraph(GraphDocument& document) override;
    bool EndGraph(GraphDocument& document) override;
    bool BeginLine(const GraphLine& line) override;
    bool EndLine(const GraphLine& line) override;
    bool WriteValue(const GraphDocument& document, const GraphLine& line, int i) override;

private:
    void PutDate(const DateTime& date);
    // Writes what has gathered once it is large (or always, with `all`).
    bool Flush(bool all = false);

    StorageService& storage_;
    String path_;
    std::unique_ptr<BinaryFile> stream_;
    // Fields gather here and go to the file in large writes.
    ByteWriter buffer_;
};

// The writer for a target path: the XML export for a name ending in ".xml"
// (any letter case, as the file system sees names), the graph file
// otherwise. It writes at `writePath`.
std::unique_ptr<GraphVisitor> CreateGraphFileWriter(StorageService& storage, const String& targetPath,
                                                    const String& writePath);

// Saves the document at `path` with the writer its name selects, through a
// temporary file in the same folder that replaces the old file only after
// the whole write succeeded: a failure leaves the old file byte for byte.
bool SaveGraphFile(GraphDocument& document, StorageService& storage, const String& path);

}  // namespace corvinata
