#include "base/text_file.h"

#include <climits>
#include <string>
#include <utility>
#include <vector>

#include "base/text_file_encoding.h"

namespace corvinata {

TextFile::TextFile(std::unique_ptr<BinaryFile> bytes)
    : StorageFile(bytes->Path()), bytes_(std::move(bytes)) {}

TextFile::~TextFile() {
    if (open_) Close();
}

bool TextFile::Close() {
    if (!open_) return false;
    open_ = false;
    bufferPos_ = bufferLen_ = 0;
    return bytes_->Close();
}

bool TextFile::Create(bool closeAfter) {
    if (open_) Close();
    if (!bytes_->Create(false)) return false;
    if (!bytes_->SetPosition(0) || !bytes_->Truncate()) {
        bytes_->Close();
        return false;
    }
    open_ = true;
    atEnd_ = readFailed_ = false;
    bufferPos_ = bufferLen_ = 0;
    return closeAfter ? Close() : true;
}

bool TextFile::Open(FileOpenMode mode) {
    if (open_) Close();
    switch (mode) {
    case FileOpenMode::Read:
        open_ = bytes_->OpenSharedForReading();
        break;
    case FileOpenMode::Write:
        return Create(false);
    case FileOpenMode::ReadWrite:
        open_ = bytes_->Open(FileOpenMode::ReadWrite);
        break;
    default:
        return false;
    }
    atEnd_ = readFailed_ = false;
    bufferPos_ = bufferLen_ = 0;
    return open_;
}

bool TextFile::Exists() { return bytes_->Exists(); }

bool TextFile::RemoveFromDisk() { return bytes_->Delete(); }

std::uint32_t TextFile::GetSize() { return open_ ? bytes_->GetSize() : 0; }

bool TextFile::Rewind() {
    if (!open_) return false;
    bufferPos_ = bufferLen_ = 0;
    atEnd_ = readFailed_ = false;
    return bytes_->SetPosition(0);
}

bool TextFile::Refill() {
    bufferPos_ = bufferLen_ = 0;
    std::uint32_t got = 0;
    if (!bytes_->ReadSome(buffer_, kBufferSize, got)) {
        if (bytes_->AtEnd()) {
            atEnd_ = true;
        } else {
            readFailed_ = true;
        }
        return false;
    }
    bufferLen_ = got;
    return got > 0;
}

bool TextFile::PeekByte(std::uint8_t& byte) {
    if (bufferPos_ == bufferLen_ && !Refill()) return false;
    byte = buffer_[bufferPos_];
    // Left unread, so that every later read stops at it too.
    if (byte == kEndOfTextByte) {
        atEnd_ = true;
        return false;
    }
    return true;
}

bool TextFile::NextByte(std::uint8_t& byte) {
    if (!PeekByte(byte)) return false;
    ++bufferPos_;
    return true;
}

bool TextFile::ReadLine(String& receiver) {
    StringAssign(receiver, TXT(""));
    if (!open_) return false;
    std::vector<Char> line;
    bool complete = false;
    std::uint8_t byte = 0;
    while (!complete) {
        if (!NextByte(byte)) {
            if (readFailed_ || line.empty()) {
                line.push_back(0);
                StringAssign(receiver, line.data());
                return false;
            }
            break;
        }
        if (byte == '\n') {
            complete = true;
        } else if (byte == '\r') {
            std::uint8_t next = 0;
            if (PeekByte(next) && next == '\n') {
                ++bufferPos_;
                complete = true;
            } else {
                line.push_back('\r');
            }
        } else {
            line.push_back(DecodeWindows1252(byte));
        }
    }
    line.push_back(0);
    StringAssign(receiver, line.data());
    return true;
}

bool TextFile::DropReadBuffer() {
    if (bufferPos_ < bufferLen_) {
        const std::uint32_t unread = bufferLen_ - bufferPos_;
        bufferPos_ = bufferLen_ = 0;
        return bytes_->SetPosition(bytes_->GetPosition() - unread);
    }
    bufferPos_ = bufferLen_ = 0;
    return true;
}

bool TextFile::WriteBytes(const std::uint8_t* bytes, std::uint32_t count) {
    if (!open_ || !DropReadBuffer()) return false;
    return count == 0 || bytes_->Write(bytes, count);
}

bool TextFile::WriteText(const Char* text, int width) {
    std::vector<std::uint8_t> bytes;
    bool encoded = true;
    int length = 0;
    for (; text[length]; ++length) {
        if (text[length] == '\n') {
            bytes.push_back('\r');
            bytes.push_back('\n');
            continue;
        }
        std::uint8_t byte = 0;
        if (!EncodeWindows1252(text[length], byte)) {
            byte = kUnmappableByte;
            encoded = false;
        }
        bytes.push_back(byte);
    }
    bool written = WriteBytes(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    // A "?" in place of a character still takes its column: pad as usual.
    for (int blanks = width - 2 * length; written && blanks > 0; --blanks) {
        written = WriteText(TXT(" "), 0);
    }
    return written && encoded;
}

bool TextFile::WriteLine(const Char* text, int width) {
    static constexpr std::uint8_t kLineEnd[2] = {'\r', '\n'};
    // The line end is written even after a failed text, so that the next
    // record does not run on in the same line.
    const bool textWritten = WriteText(text, width);
    const bool ended = WriteBytes(kLineEnd, sizeof kLineEnd);
    return textWritten && ended;
}

bool ReadTextFileLines(TextFile& file, String& receiver) {
    // Collected apart and assigned once: appending line by line to the String
    // would measure the growing text again for every line.
    std::basic_string<Char> text;
    const std::uint32_t size = file.GetSize();
    if (size < static_cast<std::uint32_t>(INT_MAX / 2)) text.reserve(size);
    String line;
    bool first = true;
    while (file.ReadLine(line)) {
        if (!first) text += TXT("\r\n");
        text += line.Text();
        first = false;
    }
    StringAssign(receiver, text.c_str());
    return file.AtEnd();
}

}  // namespace corvinata
