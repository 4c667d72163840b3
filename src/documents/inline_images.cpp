#include "documents/inline_images.h"

#include <string>

namespace corvinata {

namespace {

constexpr int kTokenLimit = 1000;

Char LowerAscii(Char c) noexcept { return c >= 'A' && c <= 'Z' ? static_cast<Char>(c - 'A' + 'a') : c; }

// Skips `prefix` at `p` in any letter case; null when it is not there.
const Char* SkipPrefix(const Char* p, const char* prefix) noexcept {
    for (; *prefix != 0; ++prefix, ++p) {
        if (LowerAscii(*p) != LowerAscii(static_cast<Char>(*prefix))) return nullptr;
    }
    return p;
}

int HexDigit(Char c) noexcept {
    if (c >= '0' && c <= '9') return c - '0';
    c = LowerAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool IsNameChar(Char c) noexcept {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// The address token: hexadecimal digits up to "/" (anything after the
// digits is ignored, as a trailing character of the number). Null when the
// token is longer than the limit, has no "/" after it, has no digit or does
// not fit an address.
const Char* ReadAddress(const Char* p, std::uintptr_t& address) noexcept {
    const Char* end = p;
    while (*end != 0 && *end != '/') {
        if (end - p >= kTokenLimit) return nullptr;
        ++end;
    }
    if (*end != '/') return nullptr;
    std::uintptr_t value = 0;
    const Char* q = p;
    for (; q < end && HexDigit(*q) >= 0; ++q) {
        if (value > (~std::uintptr_t{0} >> 4)) return nullptr;
        value = (value << 4) | static_cast<std::uintptr_t>(HexDigit(*q));
    }
    if (q == p) return nullptr;
    address = value;
    return end + 1;
}

// The size token: decimal digits up to the end or the first white space.
bool ReadSize(const Char* p, std::uint32_t& size) noexcept {
    const Char* end = p;
    while (*end != 0 && !IsSpaceChar(*end)) {
        if (end - p >= kTokenLimit) return false;
        ++end;
    }
    std::uint64_t value = 0;
    const Char* q = p;
    for (; q < end && *q >= '0' && *q <= '9'; ++q) {
        value = value * 10 + static_cast<std::uint64_t>(*q - '0');
        if (value > 0xFFFFFFFFu) return false;
    }
    if (q == p) return false;
    size = static_cast<std::uint32_t>(value);
    return true;
}

}  // namespace

bool InlineImageTable::Register(const void* data, std::uint32_t size) {
    if (data == nullptr) return false;
    return images_.emplace(data, size).second;
}

bool InlineImageTable::Unregister(const void* data) { return images_.erase(data) != 0; }

bool InlineImageTable::Contains(const void* data, std::uint32_t size) const {
    const auto found = images_.find(data);
    return found != images_.end() && found->second == size;
}

InlineImageTable& ReportInlineImages() noexcept {
    static InlineImageTable table;
    return table;
}

void InlineImageUrl(String& out, const void* data, std::uint32_t size) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const char* prefix = "CorvinataInlineImage://Memory/";
    Char text[96];
    int n = 0;
    for (const char* p = prefix; *p != 0; ++p) text[n++] = static_cast<Char>(*p);
    const auto address = reinterpret_cast<std::uintptr_t>(data);
    for (int shift = static_cast<int>(sizeof address) * 8 - 4; shift >= 0; shift -= 4) {
        text[n++] = static_cast<Char>(kDigits[(address >> shift) & 0xF]);
    }
    text[n++] = '/';
    Char digits[12];
    int k = 0;
    std::uint32_t rest = size;
    do {
        digits[k++] = static_cast<Char>('0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    while (k > 0) text[n++] = digits[--k];
    text[n] = 0;
    out = text;
}

InlineImageUrlParts ParseInlineImageUrl(const Char* url) noexcept {
    InlineImageUrlParts parts;
    if (url == nullptr) return parts;
    const Char* p = SkipPrefix(url, "CorvinataInlineImage://");
    if (p == nullptr) return parts;
    if (const Char* name = SkipPrefix(p, "Resource/")) {
        const Char* q = name;
        while (IsNameChar(*q) && q - name < kTokenLimit) ++q;
        parts.kind = InlineImageUrlParts::Resource;
        if (q != name && *q == 0) parts.resourceName = name;
        return parts;
    }
    if (const Char* numbers = SkipPrefix(p, "Memory/")) {
        const Char* sizeText = ReadAddress(numbers, parts.address);
        if (sizeText == nullptr || !ReadSize(sizeText, parts.size)) return parts;
        parts.kind = InlineImageUrlParts::Memory;
    }
    return parts;
}

bool InlineImageResolver::ResolveInlineImageUrl(const Char* url, const unsigned char*& data,
                                                std::uint32_t& size) const {
    const InlineImageUrlParts parts = ParseInlineImageUrl(url);
    switch (parts.kind) {
        case InlineImageUrlParts::Resource: {
            // A picture the program does not have is no picture: nothing an
            // earlier URL left in the outputs is served for it.
            const unsigned char* found = nullptr;
            std::uint32_t length = 0;
            if (parts.resourceName == nullptr || !resources_.FindPicture(parts.resourceName, found, length) ||
                found == nullptr || length == 0) {
                data = nullptr;
                size = 0;
                return false;
            }
            data = found;
            size = length;
            return true;
        }
        case InlineImageUrlParts::Memory: {
            const auto* address = reinterpret_cast<const unsigned char*>(parts.address);
            if (!table_.Contains(address, parts.size)) return false;
            data = address;
            size = parts.size;
            return true;
        }
        case InlineImageUrlParts::None:
            break;
    }
    return false;
}

namespace {

const char* MimeTypeOf(const unsigned char* data, std::uint32_t size) noexcept {
    if (size >= 6 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F') return "image/gif";
    if (size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G') return "image/png";
    if (size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF) return "image/jpeg";
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return "image/bmp";
    return "application/octet-stream";
}

void AppendAsciiTo(std::basic_string<Char>& out, const char* text) {
    for (; *text != 0; ++text) out.push_back(static_cast<Char>(*text));
}

void AppendBase64(std::basic_string<Char>& out, const unsigned char* data, std::uint32_t size) {
    static constexpr char kDigits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::uint32_t i = 0;
    for (; i + 2 < size; i += 3) {
        const std::uint32_t v = (data[i] << 16) | (data[i + 1] << 8) | data[i + 2];
        for (int shift = 18; shift >= 0; shift -= 6) out.push_back(static_cast<Char>(kDigits[(v >> shift) & 63]));
    }
    if (i < size) {
        const std::uint32_t v = (data[i] << 16) | (i + 1 < size ? data[i + 1] << 8 : 0);
        out.push_back(static_cast<Char>(kDigits[(v >> 18) & 63]));
        out.push_back(static_cast<Char>(kDigits[(v >> 12) & 63]));
        out.push_back(i + 1 < size ? static_cast<Char>(kDigits[(v >> 6) & 63]) : Char('='));
        out.push_back('=');
    }
}

}  // namespace

String PageWithDataUrls(const String& page, const InlineImageSource& source) {
    std::basic_string<Char> out;
    const Char* p = page.Text();
    const Char* copied = p;
    for (; *p != 0; ++p) {
        if (*p != '"') continue;
        const Char* url = p + 1;
        if (SkipPrefix(url, "CorvinataInlineImage://") == nullptr) continue;
        const Char* end = url;
        while (*end != 0 && *end != '"') ++end;
        if (*end != '"') break;
        std::basic_string<Char> text(url, end);
        const unsigned char* data = nullptr;
        std::uint32_t size = 0;
        if (source.ResolveInlineImageUrl(text.c_str(), data, size)) {
            out.append(copied, url);
            AppendAsciiTo(out, "data:");
            AppendAsciiTo(out, MimeTypeOf(data, size));
            AppendAsciiTo(out, ";base64,");
            AppendBase64(out, data, size);
            copied = end;
        }
        p = end;
    }
    out.append(copied, page.Text() + page.Length());
    return String(out.c_str());
}

}  // namespace corvinata
