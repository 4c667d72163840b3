// A small XML 1.0 well-formedness check for the documents the program
// writes, independent of the writer: the bytes are UTF-8 that decodes to
// characters XML can hold, tags nest and close, every "&" starts one of the
// predefined entities and no bracket stands in text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace corvinata::test {

// The next character of UTF-8 at `i` (moved past it); false for bytes
// that are not the shortest UTF-8 of one character.
inline bool NextUtf8(const std::string& bytes, std::size_t& i, std::uint32_t& code) {
    const auto byte = [&bytes](std::size_t at) { return static_cast<std::uint8_t>(bytes[at]); };
    const std::uint8_t first = byte(i);
    int more = 0;
    std::uint32_t least = 0;
    if (first < 0x80) {
        code = first;
    } else if ((first & 0xE0) == 0xC0) {
        code = first & 0x1F, more = 1, least = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        code = first & 0x0F, more = 2, least = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        code = first & 0x07, more = 3, least = 0x10000;
    } else {
        return false;
    }
    if (i + static_cast<std::size_t>(more) >= bytes.size()) return false;
    for (int k = 1; k <= more; ++k) {
        const std::uint8_t next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) return false;
        code = (code << 6) | (next & 0x3F);
    }
    i += static_cast<std::size_t>(more) + 1;
    return code >= least;
}

// The Char production of XML 1.0.
inline bool IsXml10Char(std::uint32_t code) {
    return code == 0x09 || code == 0x0A || code == 0x0D || (code >= 0x20 && code <= 0xD7FF) ||
           (code >= 0xE000 && code <= 0xFFFD) || (code >= 0x10000 && code <= 0x10FFFF);
}

// The number of elements of a well-formed document; -1 when it is not.
inline int WellFormedXmlElements(const std::string& xml) {
    for (std::size_t i = 0; i < xml.size();) {
        std::uint32_t code = 0;
        if (!NextUtf8(xml, i, code) || !IsXml10Char(code)) return -1;
    }
    std::vector<std::string> open;
    int elements = 0;
    bool rootClosed = false;
    for (std::size_t i = 0; i < xml.size(); ++i) {
        if (xml[i] == '&') {
            const std::size_t end = xml.find(';', i);
            if (end == std::string::npos) return -1;
            const std::string entity = xml.substr(i, end - i + 1);
            if (entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;" && entity != "&apos;")
                return -1;
        } else if (xml[i] == '>') {
            return -1;
        } else if (xml[i] == '<') {
            const std::size_t close = xml.find('>', i);
            if (close == std::string::npos || close == i + 1) return -1;
            const std::string tag = xml.substr(i + 1, close - i - 1);
            i = close;
            if (tag[0] == '?' || tag.rfind("!--", 0) == 0) continue;
            if (tag[0] != '/') {
                if (rootClosed) return -1;
                open.push_back(tag.substr(0, tag.find(' ')));
                ++elements;
            } else if (open.empty() || open.back() != tag.substr(1)) {
                return -1;
            } else {
                open.pop_back();
                rootClosed = open.empty();
            }
        }
    }
    return open.empty() && rootClosed ? elements : -1;
}

}  // namespace corvinata::test
