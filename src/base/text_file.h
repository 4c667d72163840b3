// TextFile: the line-oriented file of the program (picture-pack and map-pack
// contents, country outlines, script sources).
//
// On disk the text is 8-bit Windows-1252 with CR LF line ends; in memory it
// is UTF-16 with a single line feed. A Ctrl-Z byte ends the text, as it did
// for the tools that wrote such files. The conversion is the program's own,
// on top of a BinaryFile, so a file reads and writes the same on every build,
// whatever the locale. A file open for reading stays open to other programs
// for reading and writing, one open for writing for reading.
#pragma once

#include <cstdint>
#include <memory>

#include "base/storage.h"
#include "base/text_char.h"
#include "base/wide_string.h"

namespace corvinata {

class TextFile : public StorageFile {
public:
    // A closed text file over the bytes of `bytes` (same path).
    explicit TextFile(std::unique_ptr<BinaryFile> bytes);
    ~TextFile() override;

    bool Close() override;
    // Creates the file or empties an existing one, for reading and writing;
    // with `closeAfter` closes it again at once.
    bool Create(bool closeAfter) override;
    bool Exists() override;
    // Size on disk in bytes.
    std::uint32_t GetSize() override;
    // Read: an existing file. Write: creates the file or empties it.
    // ReadWrite: an existing file, from its start.
    bool Open(FileOpenMode mode) override;
    // Whether a read has met the end of the file.
    bool AtEnd() const override { return atEnd_; }
    bool IsOpen() const override { return open_; }

    // Back to the start; clears the end-of-file state.
    bool Rewind();
    // Reads the next line, without its line end, into `receiver` (a line of
    // any length is read whole; a last line without a line end counts).
    // False when there was no line left or a read failed.
    bool ReadLine(String& receiver);
    // Writes `text` (each line feed as CR LF); when `width` is positive,
    // then width minus twice the length of the text blanks (the layout that
    // the program's lists expect), stopping at the first failed write. A
    // character the code page cannot hold is written as "?" and the write
    // answers false.
    bool WriteText(const Char* text, int width);
    // WriteText followed by a line end, which is written even when the text
    // failed; false when either failed.
    bool WriteLine(const Char* text, int width);

protected:
    bool RemoveFromDisk() override;

private:
    // The next byte of the file; false at the end or on a read error (the
    // two told apart by readFailed_).
    bool NextByte(std::uint8_t& byte);
    bool PeekByte(std::uint8_t& byte);
    bool Refill();
    // Hands unread buffered bytes back, so that a write lands where the
    // reader stands.
    bool DropReadBuffer();
    bool WriteBytes(const std::uint8_t* bytes, std::uint32_t count);

    static constexpr std::uint32_t kBufferSize = 4096;
    static constexpr std::uint8_t kEndOfTextByte = 0x1A;  // Ctrl-Z

    std::unique_ptr<BinaryFile> bytes_;
    bool open_ = false;
    bool atEnd_ = false;
    bool readFailed_ = false;
    std::uint32_t bufferPos_ = 0;
    std::uint32_t bufferLen_ = 0;
    std::uint8_t buffer_[kBufferSize];
};

// The whole file as one text: the lines joined by CR LF, none after the last.
// True when the whole file was read.
bool ReadTextFileLines(TextFile& file, String& receiver);

}  // namespace corvinata
