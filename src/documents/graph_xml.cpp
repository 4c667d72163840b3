#include "documents/graph_xml.h"

#include <cmath>
#include <cstdio>

#include "base/date_time_text.h"
#include "base/services.h"
#include "base/time_systems.h"

namespace corvinata {

namespace {

constexpr std::size_t kFlushSize = 65536;
constexpr const char* kLineEnd = "\r\n";
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (code >> 6)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (code >> 12)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (code >> 18)));
        out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
}

void AppendNumber(std::string& out, int value, int width) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%0*d", width, value);
    out += digits;
}

}  // namespace

bool IsXmlCharacter(std::uint32_t code) noexcept {
    if (code < 0x20) return code == 0x09 || code == 0x0A || code == 0x0D;
    if (code >= 0xD800 && code <= 0xDFFF) return false;
    if (code == 0xFFFE || code == 0xFFFF) return false;
    return code <= 0x10FFFF;
}

std::string XmlEscapedUtf8(const String& text) {
    std::string out;
    const Char* c = text.Text();
    for (int i = 0; c[i]; ++i) {
        std::uint32_t code = static_cast<std::uint16_t>(c[i]);
        const auto next = static_cast<std::uint16_t>(c[i + 1]);
        if (code >= 0xD800 && code <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (next - 0xDC00);
            ++i;
        }
        // XML 1.0 holds these neither as they are nor as references (half
        // a surrogate pair is no character at all): each becomes the
        // replacement character, so that a reader still sees that a
        // character stood there and the document stays readable.
        if (!IsXmlCharacter(code)) code = kReplacementCharacter;
        switch (code) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: AppendUtf8(out, code);
        }
    }
    return out;
}

std::string GraphXmlValueText(double value) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", 6, value);
    std::string out(text);
    if (out.find('.') != std::string::npos) {
        while (out.back() == '0') out.pop_back();
        if (out.back() == '.') out.pop_back();
    }
    if (out == "-0") out = "0";
    return out;
}

std::string GraphXmlDateTimeText(const DateTime& moment) {
    DateTime date = moment;
    if (!std::isfinite(date.hours)) date.hours = 0.0;
    const double days = std::floor(date.hours / 24.0);
    if (days != 0.0) {
        DateTimeAddDays(date, static_cast<std::int32_t>(days));
        date.hours -= days * 24.0;
    }
    // Whole seconds, the fraction cut off (9.863 s is 9 s); a time a hair
    // below the next minute counts as it, and a hair below midnight as the
    // next day.
    int hours = 0, minutes = 0;
    double seconds = 0.0;
    DateTimeToHms(date, hours, minutes, seconds);
    if (hours >= 24) {
        DateTimeAddDays(date, 1);
        hours -= 24;
    }
    const int wholeSeconds = static_cast<int>(std::trunc(seconds));
    std::string out = std::to_string(date.year);
    while (out.size() < 4) out.push_back(' ');
    out.push_back('-');
    AppendNumber(out, date.month, 2);
    out.push_back('-');
    AppendNumber(out, date.day, 2);
    out.push_back('T');
    AppendNumber(out, hours, 2);
    out.push_back(':');
    AppendNumber(out, minutes, 2);
    out.push_back(':');
    AppendNumber(out, wholeSeconds, 2);
    return out;
}

bool XmlOutput::Put(const std::string& text) {
    buffer_ += text;
    return buffer_.size() < kFlushSize || Flush();
}

bool XmlOutput::Flush() {
    const bool written =
        buffer_.empty() || file_.Write(buffer_.data(), static_cast<std::uint32_t>(buffer_.size()));
    buffer_.clear();
    return written;
}

bool XmlOutput::WriteLine(const char* text) { return Put(std::string(text) + kLineEnd); }

bool XmlOutput::XmlIndent() { return Put(std::string(3 * static_cast<std::size_t>(depth), ' ')); }

bool XmlOutput::XmlComment(const String& text) { return Put("<!--" + XmlEscapedUtf8(text) + "-->"); }

bool XmlOutput::XmlStylesheet() {
    return WriteLine("<?xml-stylesheet type=\"text/xsl\" href=\"LoadInExcel.xsl\"?>");
}

bool XmlOutput::XmlStartTag(const char* name, bool lineEnd) {
    return XmlIndent() && Put(std::string("<") + name + ">" + (lineEnd ? kLineEnd : ""));
}

bool XmlOutput::XmlEndTag(const char* name, bool indent) {
    return (!indent || XmlIndent()) && Put(std::string("</") + name + ">" + kLineEnd);
}

bool XmlOutput::XmlTextElement(const char* name, const String& text) {
    return XmlIndent() &&
           Put(std::string("<") + name + ">" + XmlEscapedUtf8(text) + "</" + name + ">" + kLineEnd);
}

bool XmlOutput::XmlDateTimeElement(const DateTime& moment) {
    return XmlIndent() && Put("<DateTime>" + GraphXmlDateTimeText(moment) + "</DateTime>" + kLineEnd);
}

GraphXmlWriter::GraphXmlWriter(StorageService& storage, const String& path)
    : storage_(storage), path_(path) {}

GraphXmlWriter::~GraphXmlWriter() = default;

bool GraphXmlWriter::BeginGraph(GraphDocument& document) {
    const ProductInfoInterface& product = GetProductInfo();
    file_ = storage_.CreateBinaryFile(path_);
    if (!file_ || !file_->Create(false) || !file_->Truncate()) {
        file_.reset();
        return false;
    }
    output_ = std::make_unique<XmlOutput>(*file_);
    XmlOutput& out = *output_;
    String comment(TXT(" Created by "));
    StringAppend(comment, product.GetProductName());
    StringAppend(comment, TXT(" "));
    StringAppend(comment, product.GetVersion());
    StringAppend(comment, TXT(" ("));
    StringAppend(comment, product.GetWebAddress());
    StringAppend(comment, TXT(")"));
    if (!out.WriteLine("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") || !out.XmlComment(comment) ||
        !out.WriteLine("") || !out.XmlStylesheet() ||
        !out.WriteLine("<Graph xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                       "xsi:noNamespaceSchemaLocation=\"Graph.xsd\">")) {
        return false;
    }
    out.depth = 1;
    if (!out.XmlStartTag("TimeScale", true)) return false;
    out.depth = 2;
    // The instants the values were computed at, in local civil time. In
    // step mode they are the begin stepped on by the step, which for months
    // and years is no even spread of the range: a time scale spread evenly
    // would pair each value with a moment it was not computed at.
    GraphInstants instants;
    document.ComputeInstants(instants);
    const TimeAndLocation& s = document.Options();
    const GeoCoordinates& place = s.location.coordinates;
    for (const GraphInstant& instant : instants) {
        DateTime moment = instant.moment;
        ConvertTimeSystem(moment, kLocalCivilTime, place.longitude, place.timeZone, s.daylightSaving);
        if (!out.XmlDateTimeElement(moment)) return false;
    }
    out.depth = 1;
    return out.XmlEndTag("TimeScale", true);
}

bool GraphXmlWriter::BeginLine(const GraphLine& line) {
    if (!output_ || !output_->XmlStartTag("Line", true)) return false;
    ++output_->depth;
    return output_->XmlTextElement("Name", line.name);
}

bool GraphXmlWriter::WriteValue(const GraphDocument&, const GraphLine& line, int i) {
    const std::string text = GraphXmlValueText(line.values[static_cast<std::size_t>(i)]);
    return output_ && output_->XmlIndent() &&
           output_->WriteLine(("<Value>" + text + "</Value>").c_str());
}

bool GraphXmlWriter::EndLine(const GraphLine&) {
    if (!output_) return false;
    --output_->depth;
    return output_->XmlEndTag("Line", true);
}

bool GraphXmlWriter::EndGraph(GraphDocument&) {
    if (!output_) return false;
    output_->depth = 0;
    const bool written = output_->XmlEndTag("Graph", true) && output_->Flush();
    return file_->Close() && written;
}

}  // namespace corvinata
