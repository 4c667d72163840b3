// Reading and writing a graph file show the wait cursor while the bytes
// move, and the cursor shown before comes back however the read or the
// write ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>

#include "controls/screen_wait_cursor.h"
#include "documents/graph_test_support.h"
#include "views/graph_save.h"

namespace corvinata::test {
namespace {

bool WaitCursorShown() { return GetCursor() == LoadCursorW(nullptr, IDC_WAIT); }

// A file of the in-memory store that notes whether the wait cursor was
// shown at each of its writes.
class CursorWatchingFile final : public BinaryFile {
public:
    CursorWatchingFile(std::unique_ptr<BinaryFile> file, int& writes, int& waiting)
        : BinaryFile(file->Path()), file_(std::move(file)), writes_(writes), waiting_(waiting) {}
    bool Close() override { return file_->Close(); }
    bool Create(bool closeAfter) override { return file_->Create(closeAfter); }
    bool Exists() override { return file_->Exists(); }
    std::uint32_t GetSize() override { return file_->GetSize(); }
    bool Open(FileOpenMode mode) override { return file_->Open(mode); }
    bool AtEnd() const override { return file_->AtEnd(); }
    bool IsOpen() const override { return file_->IsOpen(); }
    bool OpenSharedForReading() override { return file_->OpenSharedForReading(); }
    bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& read) override {
        return file_->ReadSome(buffer, count, read);
    }
    bool Write(const void* buffer, std::uint32_t count) override {
        ++writes_;
        if (WaitCursorShown()) ++waiting_;
        return file_->Write(buffer, count);
    }
    std::uint32_t GetPosition() override { return file_->GetPosition(); }
    bool SetPosition(std::uint32_t position) override { return file_->SetPosition(position); }
    bool Truncate() override { return file_->Truncate(); }

protected:
    bool RemoveFromDisk() override { return file_->Delete(); }

private:
    std::unique_ptr<BinaryFile> file_;
    int& writes_;
    int& waiting_;
};

class CursorWatchingStorage final : public StorageService {
public:
    explicit CursorWatchingStorage(MemoryStorageService& memory) : memory_(memory) {}
    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override {
        return std::make_unique<CursorWatchingFile>(memory_.CreateBinaryFile(path), writes, waiting);
    }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return memory_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return memory_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return memory_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return memory_.PathExists(path); }
    bool IsFolder(const Char* path) override { return memory_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return memory_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return memory_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return memory_.RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override { return memory_.MoveFileReplacing(from, to); }
    RegistryApi& Registry() override { return memory_.Registry(); }

    int writes = 0;
    int waiting = 0;

private:
    MemoryStorageService& memory_;
};

// A reader that sees the cursor, then ends as the row says.
enum class ReadEnd { Read, NotAGraph, OutOfMemory };
class CursorWatchingReader final : public GraphFileReader {
public:
    explicit CursorWatchingReader(ReadEnd end) : end_(end) {}
    GraphReadResult ReadGraph(BinaryFile&) override {
        sawWait = WaitCursorShown();
        if (end_ == ReadEnd::OutOfMemory) throw std::bad_alloc();
        GraphReadResult result;
        result.read = end_ == ReadEnd::Read;
        result.headerRecognised = true;
        return result;
    }
    bool sawWait = false;

private:
    ReadEnd end_;
};

class GraphFileWaitCursor : public GraphTest {
protected:
    GraphFileWaitCursor() { SetCursor(arrow); }
    ~GraphFileWaitCursor() override { SetCursor(arrow); }
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
    ScreenWaitCursor screen;
};

TEST_F(GraphFileWaitCursor, AReadShowsItAndEveryEndGivesTheCursorBack) {
    ASSERT_TRUE(storage.PutFile(TXT("C:\\Graphs\\any.gph"), "bytes"));
    for (const ReadEnd end : {ReadEnd::Read, ReadEnd::NotAGraph, ReadEnd::OutOfMemory}) {
        CursorWatchingReader reader(end);
        String message;
        bool opened = false;
        try {
            opened = OpenGraphFileWithMessages(storage, product, String(TXT("C:\\Graphs\\any.gph")), reader, message);
        } catch (const std::bad_alloc&) {
        }
        EXPECT_TRUE(reader.sawWait) << static_cast<int>(end);
        EXPECT_EQ(opened, end == ReadEnd::Read);
        EXPECT_EQ(GetCursor(), arrow) << static_cast<int>(end);
    }
}

TEST_F(GraphFileWaitCursor, AWriteShowsItAndAFailedOneGivesTheCursorBackToo) {
    const std::unique_ptr<GraphDocument> document = TwoLineDocument();
    CursorWatchingStorage watching(storage);
    for (const bool diskFull : {false, true}) {
        if (diskFull) storage.Files().LimitWrites(10);
        watching.writes = watching.waiting = 0;
        EXPECT_EQ(WriteGraphFile(*document, String(TXT("C:\\Graphs\\cursor.gph")), watching), !diskFull);
        EXPECT_GT(watching.writes, 0) << diskFull;
        EXPECT_EQ(watching.waiting, watching.writes) << diskFull;
        EXPECT_EQ(GetCursor(), arrow) << diskFull;
    }
}

}  // namespace
}  // namespace corvinata::test
