#include "documents/report_page.h"

#include <cstring>

#include "base/services.h"

namespace corvinata {

namespace {

// The reference text of a character: "&amp;", "&#233;" ... Empty for a
// character that is written as it is.
int ReferenceOf(std::uint32_t code, char (&out)[16]) noexcept {
    const char* named = nullptr;
    switch (code) {
        case '&': named = "&amp;"; break;
        case '<': named = "&lt;"; break;
        case '>': named = "&gt;"; break;
        case '"': named = "&quot;"; break;
        default:
            if (code <= 126) return 0;
            break;
    }
    if (named != nullptr) {
        const int n = static_cast<int>(std::strlen(named));
        std::memcpy(out, named, static_cast<std::size_t>(n));
        return n;
    }
    char digits[12];
    int k = 0;
    do {
        digits[k++] = static_cast<char>('0' + code % 10);
        code /= 10;
    } while (code != 0);
    int n = 0;
    out[n++] = '&';
    out[n++] = '#';
    while (k > 0) out[n++] = digits[--k];
    out[n++] = ';';
    return n;
}

bool IsHighSurrogate(Char c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(Char c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

}  // namespace

Char* ReportPageText::Extend(int count) {
    const int needed = length_ + count;
    if (text_.Capacity() < needed) {
        // Doubling keeps a page of many small pieces linear.
        const int doubled = text_.Capacity() * 2;
        StringReserve(text_, doubled > needed ? doubled : needed, ReserveMode::GrowKeep);
    }
    Char* at = text_.Data() + length_;
    length_ = needed;
    at[count] = 0;
    return at;
}

void ReportPageText::Clear(int reserve) {
    if (text_.Capacity() > 0) text_.Data()[0] = 0;
    length_ = 0;
    if (reserve > text_.Capacity()) StringReserve(text_, reserve, ReserveMode::Discard);
}

void ReportPageText::Append(const Char* text, int count) {
    if (count <= 0) return;
    std::memcpy(Extend(count), text, static_cast<std::size_t>(count) * sizeof(Char));
}

void ReportPageText::Append(const Char* text) { Append(text, TextLength(text)); }

void ReportPageText::AppendAscii(const char* markup) {
    const int count = static_cast<int>(std::strlen(markup));
    if (count == 0) return;
    Char* at = Extend(count);
    for (int i = 0; i < count; ++i) at[i] = static_cast<Char>(static_cast<unsigned char>(markup[i]));
}

void ReportPageText::AppendEscaped(const Char* text) {
    const Char* run = text;
    const Char* p = text;
    for (; *p != 0; ++p) {
        const Char c = *p;
        if (c <= 126 && c != '&' && c != '<' && c != '>' && c != '"') continue;
        Append(run, static_cast<int>(p - run));
        std::uint32_t code = c;
        if (IsHighSurrogate(c) && IsLowSurrogate(p[1])) {
            code = 0x10000 + ((static_cast<std::uint32_t>(c) - 0xD800) << 10) +
                   (static_cast<std::uint32_t>(p[1]) - 0xDC00);
            ++p;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            code = kReplacementCharacter;  // half a pair names no character
        }
        char reference[16];
        const int n = ReferenceOf(code, reference);
        Char* at = Extend(n);
        for (int i = 0; i < n; ++i) at[i] = static_cast<Char>(reference[i]);
        run = p + 1;
    }
    Append(run, static_cast<int>(p - run));
}

void ReportPageText::AppendInteger(std::int64_t value) {
    char digits[24];
    int k = 0;
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    do {
        digits[k++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    Char* at = Extend(k + (negative ? 1 : 0));
    if (negative) *at++ = '-';
    while (k > 0) *at++ = static_cast<Char>(digits[--k]);
}

bool ReportHtmlWriter::Write(const Char* title, bool nightMode) {
    page_.Clear(kReportPageReserve);
    title_ = String(title != nullptr ? title : TXT(""));
    if (!WriteReportHeader(nightMode, *this, title)) return false;
    if (!WriteBody()) return false;
    return WriteReportFooter(*this);
}

const char* const kReportStyleSheet =
    "p{   font-family: Verdana, Arial, Helvetica, sans-serif;   font-size: 8pt;}"
    ".tableheader1{   background-color: #6699FF;}"
    ".tableheader1NightMode{   background-color: #200000;}"
    "table{   border: 0;}"
    "td{   font-family: Verdana, Arial, Helvetica, sans-serif;   font-size: 8pt;   padding: 2px;}"
    "h1{   font-family: Arial, Helvetica, sans-serif;   font-size: 20px;   font-weight: bold;}"
    "h2{   font-family: Arial, Helvetica, sans-serif;   font-size: 16px;}"
    "h3{   font-family: Verdana, Arial, Helvetica, sans-serif;   font-size: 11px;   font-weight: bold;}";

bool WriteReportHeader(bool nightMode, ReportHtmlWriter& writer, const Char* title) {
    writer.nightMode_ = nightMode;
    ReportPageText& page = writer.Page();
    page.AppendAscii(
        "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\" \"http://www.w3.org/TR/html4/strict.dtd\">\r\n"
        "<html>\r\n"
        "<head>\r\n"
        "<title>");
    page.AppendEscaped(title);
    page.AppendAscii(
        "</title>\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">\r\n"
        "<style type=\"text/css\">");
    page.AppendAscii(kReportStyleSheet);
    page.AppendAscii(
        "</style></head>\r\n"
        "<body bgcolor=\"#");
    page.AppendAscii(nightMode ? "000000" : "FFFFFF");
    page.AppendAscii("\" text=\"#");
    page.AppendAscii(nightMode ? "600000" : "000000");
    page.AppendAscii("\">\r\n");
    return true;
}

bool WriteReportFooter(ReportHtmlWriter& writer) {
    ReportPageText paragraph;
    paragraph.AppendAscii("<p align=\"center\">Generated by ");
    const ProductInfoInterface& product = GetProductInfo();
    paragraph.AppendEscaped(product.GetProductName());
    paragraph.AppendAscii(" ");
    paragraph.AppendEscaped(product.GetVersion());
    paragraph.AppendAscii(" &middot; ");
    paragraph.AppendEscaped(product.GetWebAddress());
    paragraph.AppendAscii("</p>\r\n");
    ReportPageText& page = writer.Page();
    page.Append(paragraph.Text().Text(), paragraph.Length());
    page.AppendAscii(
        "</body>\r\n"
        "</html>\r\n");
    return true;
}

void AppendIntegerToReport(std::int32_t value, ReportHtmlWriter& writer) { writer.Page().AppendInteger(value); }

const char* ReportPictureName(ReportPicture picture, bool nightMode) noexcept {
    static constexpr const char* kNames[kReportPictureCount][2] = {
        {"CORVINATAREPORTS_PLANET_DAY", "CORVINATAREPORTS_PLANET_NIGHT"},
        {"CORVINATAREPORTS_SUN_DAY", "CORVINATAREPORTS_SUN_NIGHT"},
        {"CORVINATAREPORTS_MOON_DAY", "CORVINATAREPORTS_MOON_NIGHT"},
        {"CORVINATAREPORTS_PLANETARYSAT_DAY", "CORVINATAREPORTS_PLANETARYSAT_NIGHT"},
        {"CORVINATAREPORTS_MOON_NEW_DAY", "CORVINATAREPORTS_MOON_NEW_NIGHT"},
        {"CORVINATAREPORTS_MOON_WAXING_DAY", "CORVINATAREPORTS_MOON_WAXING_NIGHT"},
        {"CORVINATAREPORTS_MOON_FULL_DAY", "CORVINATAREPORTS_MOON_FULL_NIGHT"},
        {"CORVINATAREPORTS_MOON_WANING_DAY", "CORVINATAREPORTS_MOON_WANING_NIGHT"},
    };
    const int index = static_cast<int>(picture);
    if (index < 0 || index >= kReportPictureCount) return "";
    return kNames[index][nightMode ? 1 : 0];
}

void WriteSectionHeading(ReportHtmlWriter& writer, ReportPicture picture, const Char* altText, const Char* heading) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("<h2><img src=\"CorvinataInlineImage://Resource/");
    page.AppendAscii(ReportPictureName(picture, writer.NightMode()));
    page.AppendAscii("\" alt=\"");
    page.AppendEscaped(altText);
    page.AppendAscii("\"> <span style=\"vertical-align:3mm;border:solid 0px red\">");
    page.AppendEscaped(heading);
    page.AppendAscii("</span></h2>\r\n");
}

void WriteTableStart(ReportHtmlWriter& writer, const char* summary, bool fullWidth) {
    ReportPageText& page = writer.Page();
    page.AppendAscii(fullWidth ? "<table width=\"100%\" summary=\"" : "<table summary=\"");
    page.AppendAscii(summary);
    page.AppendAscii("\">\r\n");
}

void WriteTableEnd(ReportHtmlWriter& writer) { writer.Page().AppendAscii("</table>\r\n"); }

void WriteHeaderRowStart(ReportHtmlWriter& writer) {
    ReportPageText& page = writer.Page();
    page.AppendAscii("   <tr class=\"");
    page.AppendAscii(writer.NightMode() ? "tableheader1NightMode" : "tableheader1");
    page.AppendAscii("\">\r\n");
}

void WriteDataRowStart(ReportHtmlWriter& writer) { writer.Page().AppendAscii("   <tr>\r\n"); }

void WriteRowEnd(ReportHtmlWriter& writer) { writer.Page().AppendAscii("   </tr>\r\n"); }

}  // namespace corvinata
