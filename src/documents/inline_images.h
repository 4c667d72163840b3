// The pictures a report page shows through URLs of the scheme
// "CorvinataInlineImage": "Resource/" plus the name of one of the program's
// own pictures, or "Memory/" plus the address and size of a picture held in
// memory.
//
// A page is text that may hold names the user typed, so a URL is never
// trusted: a "Memory/" URL resolves only to a buffer its owner registered,
// with exactly its registered size, and a "Resource/" URL only to a picture of
// the program's own resources of type "CORVINATA_BINARY".
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "base/wide_string.h"

namespace corvinata {

// The buffers of pictures held in memory that pages may show. Owners
// register a buffer before a page names it and unregister it before they
// free it. User-interface thread only.
class InlineImageTable {
public:
    // False for a null buffer or one already registered.
    bool Register(const void* data, std::uint32_t size);
    // False for a buffer that was not registered.
    bool Unregister(const void* data);
    // True when `data` is registered with exactly `size` bytes.
    bool Contains(const void* data, std::uint32_t size) const;
    std::size_t Count() const noexcept { return images_.size(); }

private:
    std::unordered_map<const void*, std::uint32_t> images_;
};

// The table the report writers and the program's resolver share.
InlineImageTable& ReportInlineImages() noexcept;

// Registers a buffer for its lifetime: the owner declares it after the
// buffer, so the registration ends first.
class InlineImageRegistration {
public:
    InlineImageRegistration(InlineImageTable& table, const void* data, std::uint32_t size)
        : table_(table), data_(table.Register(data, size) ? data : nullptr) {}
    ~InlineImageRegistration() {
        if (data_ != nullptr) table_.Unregister(data_);
    }
    InlineImageRegistration(const InlineImageRegistration&) = delete;
    InlineImageRegistration& operator=(const InlineImageRegistration&) = delete;
    bool Registered() const noexcept { return data_ != nullptr; }

private:
    InlineImageTable& table_;
    const void* data_;
};

// The program's own pictures by resource name.
class InlineImageResources {
public:
    virtual ~InlineImageResources() = default;
    // False when there is no picture of that name (or it is empty).
    virtual bool FindPicture(const Char* name, const unsigned char*& data, std::uint32_t& size) const = 0;
};

// What the inline-image protocol object asks: the bytes of a URL.
class InlineImageSource {
public:
    virtual ~InlineImageSource() = default;
    // False for a URL that names no picture: a resource the program does
    // not have gives a null address and size 0, any other URL leaves both
    // outputs unchanged.
    virtual bool ResolveInlineImageUrl(const Char* url, const unsigned char*& data, std::uint32_t& size) const = 0;
};

// The resolver the application hands to the protocol object.
class InlineImageResolver final : public InlineImageSource {
public:
    InlineImageResolver(const InlineImageTable& table, const InlineImageResources& resources) noexcept
        : table_(table), resources_(resources) {}
    bool ResolveInlineImageUrl(const Char* url, const unsigned char*& data, std::uint32_t& size) const override;

private:
    const InlineImageTable& table_;
    const InlineImageResources& resources_;
};

constexpr const char* kInlineImageScheme = "CorvinataInlineImage";

// "CorvinataInlineImage://Memory/" + the address in upper-case hexadecimal
// (eight digits with leading zeros for a 32-bit address, sixteen for a
// 64-bit one) + "/" + the size in decimal.
void InlineImageUrl(String& out, const void* data, std::uint32_t size);

// The parts of an inline-image URL, before any lookup.
struct InlineImageUrlParts {
    enum Kind { None, Resource, Memory } kind = None;
    // Into the URL; none for a name no resource can have (Resource).
    const Char* resourceName = nullptr;
    std::uintptr_t address = 0;          // Memory
    std::uint32_t size = 0;              // Memory
};
// Reads a URL as the resolver does: fixed texts in any letter case; a
// resource name of letters, digits and underscores (another text after
// "Resource/" names no resource: kind Resource without a name); a hexadecimal address
// and a decimal size (ending at the text's end or the first white space),
// each of at most 1000 characters and within range. Kind None otherwise.
InlineImageUrlParts ParseInlineImageUrl(const Char* url) noexcept;

// The page with every picture it names through the scheme (in a src="..."
// attribute) written into it as a data: URL, so that the page shows its
// pictures wherever it is read. A URL that names no picture stays as it is.
String PageWithDataUrls(const String& page, const InlineImageSource& source);

}  // namespace corvinata
