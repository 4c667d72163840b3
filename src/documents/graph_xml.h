// The XML export of a graph for spreadsheet programs: the time scale of the
// 366 instants at which the values were computed, then each line's name and
// values. The document names the schema "Graph.xsd" and the stylesheet
// "LoadInExcel.xsl", which the export does not write. It is UTF-8 with CR LF
// line ends; "&", "<", ">" and the double quote are escaped in every text,
// and a character XML cannot hold is written as U+FFFD.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "base/storage.h"
#include "documents/graph_visitor.h"

namespace corvinata {


// The XML writing primitives over a file: an element on each line, indented
// by three blanks per level of `depth`.
class XmlOutput {
public:
    explicit XmlOutput(BinaryFile& file) : file_(file) {}

    int depth = 0;

    bool XmlIndent();
    bool XmlComment(const String& text);
    bool XmlStylesheet();
    bool XmlStartTag(const char* name, bool lineEnd);
    bool XmlEndTag(const char* name, bool indent);
    bool XmlTextElement(const char* name, const String& text);
    // The moment rounded to the whole second, the carry going into the
    // date: YYYY-MM-DDThh:mm:ss (a year of fewer than four characters
    // padded with blanks after it).
    bool XmlDateTimeElement(const DateTime& moment);
    bool WriteLine(const char* text);
    // Sends what is gathered to the file.
    bool Flush();

private:
    bool Put(const std::string& text);

    BinaryFile& file_;
    std::string buffer_;
};

// "%.6f" without its trailing zeros (and point): 12.5, 3, -0.000001, 0.
// Infinite values and the no-kind marker as XML Schema writes doubles:
// INF, -INF, NaN.
std::string GraphXmlValueText(double value);
// The text of a moment as XmlDateTimeElement writes it.
std::string GraphXmlDateTimeText(const DateTime& moment);
// Whether XML 1.0 can hold the character at all: tab, line feed, carriage
// return and U+0020 and above, without the surrogates, U+FFFE and U+FFFF.
bool IsXmlCharacter(std::uint32_t code) noexcept;
// The UTF-8 bytes of a text with "&", "<", ">" and '"' escaped; a
// character XML cannot hold (a control character, half a surrogate pair,
// U+FFFE, U+FFFF) becomes U+FFFD, the replacement character.
std::string XmlEscapedUtf8(const String& text);

class GraphXmlWriter final : public GraphVisitor {
public:
    GraphXmlWriter(StorageService& storage, const String& path);
    ~GraphXmlWriter() override;

    bool BeginGraph(GraphDocument& document) override;
    bool EndGraph(GraphDocument& document) override;
    bool BeginLine(const GraphLine& line) override;
    bool EndLine(const GraphLine& line) override;
    bool WriteValue(const GraphDocument& document, const GraphLine& line, int i) override;

private:
    StorageService& storage_;
    String path_;
    std::unique_ptr<BinaryFile> file_;
    std::unique_ptr<XmlOutput> output_;
};

}  // namespace corvinata
