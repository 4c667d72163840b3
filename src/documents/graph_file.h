// The graph file (".gph"): the whole graph, every line's 366 values
// included, as a fixed sequence of little-endian fields after a 100-byte
// header naming the product and the version. Version 1.20 is written;
// 1.19 and 1.20 are read.
//
// The reader trusts nothing in the file: the header is checked before the
// rest is read, every count against the bytes left before anything is
// allocated, and the file is read into a fresh document that replaces the
// target only when the whole file was read. A value outside its table (a
// colour, a value kind, a date) does not make the file unreadable: it takes
// its default and is named, so that a graph another program wrote opens.
// The lines' stored values are used as they stand, so that a graph opens
// without computing; only when the range or the place they were computed
// for took a default are the lines computed again.
#pragma once

#include <cstdint>
#include <vector>

#include "app/graph_prompts.h"
#include "base/storage.h"
#include "documents/graph_document.h"

namespace corvinata {

constexpr std::int32_t kGraphFileMajor = 1;
constexpr std::int32_t kGraphFileMinor = 20;
constexpr std::int32_t kOldestGraphFileMinor = 19;
constexpr std::uint32_t kGraphHeaderSize = 100;

// Colours of a line: the 17 entries of the colour table.
constexpr std::int32_t kGraphColourCount = 17;
// Body type of a line without a catalogue object.
constexpr std::int32_t kNoBodyType = 9;

// What the header said: a graph file of this program at all, and then
// whether its version is older or newer than the reader knows.
struct GraphFileFlags {
    bool recognised = false;
    bool tooOld = false;
    bool newer = false;
    // After a read: the names of the fields that took their defaults, each
    // once, in the order of the file.
    std::vector<const Char*> replaced;
};

// Reads the graph file open in `stream` into `document`, which on success
// holds the file's contents with the stream's path and the has-file flag.
// On failure `document` is as it was: a file that is not recognised, of
// another version, cut short or with counts its bytes cannot hold.
bool OpenGraphFile(BinaryFile& stream, GraphDocument& document, GraphFileFlags& flags);

// The reader behind the open-graph messages: a damaged or cut-short graph
// file is reported as recognised but not readable as a graph, never as one
// of a newer version.
class GraphDocumentFileReader final : public GraphFileReader {
public:
    explicit GraphDocumentFileReader(GraphDocument& document) : document_(document) {}
    GraphReadResult ReadGraph(BinaryFile& file) override;

private:
    GraphDocument& document_;
};

// The header text of a version: product name, " ", major, ".", minor (two
// digits at least), " graph file", a line feed and 0x1A.
String GraphFileHeaderText(const Char* productName, std::int32_t major, std::int32_t minor);

}  // namespace corvinata
