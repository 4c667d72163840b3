// Reading and writing a graph file show the wait cursor while the bytes
// move, and the cursor shown before comes back however the read or the
// write ended.
#include <windows.h>

#include <gtest/gtest.h>

#include <new>

#include "controls/screen_wait_cursor.h"
#include "documents/graph_test_support.h"
#include "support/wrapped_storage.h"
#include "views/graph_save.h"

namespace corvinata::test {
namespace {

bool WaitCursorShown() { return GetCursor() == LoadCursorW(nullptr, IDC_WAIT); }

// A file of the in-memory store that notes whether the wait cursor was
// shown at each of its writes.
class CursorWatchingFile final : public WrappedFile {
public:
    CursorWatchingFile(std::unique_ptr<BinaryFile> file, int& writes, int& waiting)
        : WrappedFile(std::move(file)), writes_(writes), waiting_(waiting) {}
    bool Write(const void* buffer, std::uint32_t count) override {
        ++writes_;
        if (WaitCursorShown()) ++waiting_;
        return WrappedFile::Write(buffer, count);
    }

private:
    int& writes_;
    int& waiting_;
};

class CursorWatchingStorage final : public FileWrappingStorage {
public:
    explicit CursorWatchingStorage(MemoryStorageService& memory) : memory_(memory) {}

    int writes = 0;
    int waiting = 0;

protected:
    MemoryStorageService& Inner() override { return memory_; }
    std::unique_ptr<BinaryFile> Wrap(std::unique_ptr<BinaryFile> file) override {
        return std::make_unique<CursorWatchingFile>(std::move(file), writes, waiting);
    }

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
