// What the graph document tests share: the program's services over an
// in-memory storage, the catalogues, London as the current place, the
// graphs of the golden files and a storage whose writes fail on request.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "base/memory_storage.h"
#include "catalog/catalogue_registry.h"
#include "documents/graph_document.h"
#include "documents/graph_file.h"
#include "documents/graph_visitor.h"
#include "support/app_fakes.h"
#include "support/catalogues.h"
#include "support/fake_product.h"
#include "support/test_data.h"
#include "support/test_text.h"

namespace corvinata::test {

// The catalogues, built once for the test program.
inline void EnsureCatalogues() {
    static ScopedCatalogues catalogues;
    ASSERT_TRUE(catalogues.Created());
}

inline Location LondonPlace() {
    Location london;
    london.coordinates.longitude = LongitudeValue(0.1275, kWestPositive);
    london.coordinates.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
    london.coordinates.timeZone.hours = 0.0;
    london.coordinates.elevation = 11;
    london.country = String(TXT("United Kingdom"));
    london.town = String(TXT("London"));
    return london;
}

inline std::string ReadGolden(const char* name) {
    std::ifstream in(TestsPath(std::string("documents/golden/") + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A storage whose files fail every write that would pass byte `failAt`
// (counted over all files it made); everything else goes to `inner`.
class FailingStorage final : public StorageService {
public:
    FailingStorage(StorageService& inner, std::uint32_t failAt) : inner_(inner), failAt_(failAt) {}

    std::unique_ptr<BinaryFile> CreateBinaryFile(const String& path) override {
        return std::make_unique<File>(*this, inner_.CreateBinaryFile(path));
    }
    std::unique_ptr<LocaleFormatter> CreateLocaleFormatter() override { return inner_.CreateLocaleFormatter(); }
    std::unique_ptr<SystemInfo> CreateSystemInfo() override { return inner_.CreateSystemInfo(); }
    std::unique_ptr<FileFinder> CreateFileFinder() override { return inner_.CreateFileFinder(); }
    bool PathExists(const Char* path) override { return inner_.PathExists(path); }
    bool IsFolder(const Char* path) override { return inner_.IsFolder(path); }
    bool MakeFolder(const Char* path) override { return inner_.MakeFolder(path); }
    bool RemoveFolder(const Char* path) override { return inner_.RemoveFolder(path); }
    bool RemoveFile(const Char* path) override { return inner_.RemoveFile(path); }
    bool MoveFileReplacing(const Char* from, const Char* to) override {
        return inner_.MoveFileReplacing(from, to);
    }
    RegistryApi& Registry() override { return inner_.Registry(); }

private:
    class File final : public BinaryFile {
    public:
        File(FailingStorage& owner, std::unique_ptr<BinaryFile> inner)
            : BinaryFile(inner->Path()), owner_(owner), inner_(std::move(inner)) {}
        bool Close() override { return inner_->Close(); }
        bool Create(bool closeAfter) override { return inner_->Create(closeAfter); }
        bool Exists() override { return inner_->Exists(); }
        std::uint32_t GetSize() override { return inner_->GetSize(); }
        bool Open(FileOpenMode mode) override { return inner_->Open(mode); }
        bool AtEnd() const override { return inner_->AtEnd(); }
        bool IsOpen() const override { return inner_->IsOpen(); }
        bool OpenSharedForReading() override { return inner_->OpenSharedForReading(); }
        bool ReadSome(void* buffer, std::uint32_t count, std::uint32_t& got) override {
            return inner_->ReadSome(buffer, count, got);
        }
        bool Write(const void* buffer, std::uint32_t count) override {
            if (owner_.written_ + count > owner_.failAt_) {
                // What fits is written, as a disk that fills up does.
                const std::uint32_t fits = owner_.failAt_ - owner_.written_;
                if (fits > 0) inner_->Write(buffer, fits);
                owner_.written_ = owner_.failAt_;
                return false;
            }
            owner_.written_ += count;
            return inner_->Write(buffer, count);
        }
        std::uint32_t GetPosition() override { return inner_->GetPosition(); }
        bool SetPosition(std::uint32_t position) override { return inner_->SetPosition(position); }
        bool Truncate() override { return inner_->Truncate(); }

    protected:
        bool RemoveFromDisk() override { return inner_->Delete(); }

    private:
        FailingStorage& owner_;
        std::unique_ptr<BinaryFile> inner_;
    };

    StorageService& inner_;
    std::uint32_t failAt_;
    std::uint32_t written_ = 0;
};

// A test with the program's services over an in-memory storage, the
// catalogues, and London at noon on 15 June 2024 as the current moment.
class GraphTest : public ::testing::Test {
protected:
    GraphTest() {
        now.value.dateTime = DateTime{2024, 6, 15, 12.0, kLocalCivilTime};
        now.value.location = LondonPlace();
        storage.MakeFolder(TXT("C:\\Graphs"));
    }
    void SetUp() override { EnsureCatalogues(); }

    std::unique_ptr<GraphDocument> NewDocument() {
        return std::make_unique<GraphDocument>(hub, ObjectModelGraphServices(now));
    }
    // The two lines of the golden file: the Moon's altitude and a phase
    // line with a name beyond ASCII, their values set (not computed), so
    // that every build writes the same bytes.
    std::unique_ptr<GraphDocument> TwoLineDocument() {
        auto document = NewDocument();
        GraphLine moon;
        moon.name = String(TXT("Moon altitude"));
        moon.SetBody(BodyIdentifierFromObject(CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0)));
        moon.function = 2;
        moon.SetExpression(String(TXT("Moon.Lat(hor)")));
        moon.colour = 2;
        moon.system = 2;
        for (int i = 0; i < kGraphValueCount; ++i) moon.values[static_cast<std::size_t>(i)] = i * 0.25 - 45.0;
        GraphLine phase;
        const Char name[] = {'P', 'h', 'a', 's', 'e', ' ', 0x00E9, 't', 0x00E9, 0};
        phase.name = String(name);
        phase.SetExpression(String(TXT("Phase(50)")));
        phase.scriptEdited = true;
        phase.colour = 16;
        phase.visibleInGraph = false;
        phase.fillAbove = 3;
        phase.values.fill(50.0);
        phase.values[7] = -1.0;
        document->InsertLine(0, moon);
        document->InsertLine(1, phase);
        document->SetReservedOption(7);
        document->Settings().xAxisGridActive = true;
        document->Settings().yAxisGridStep = 15;
        document->UpdateGraphRange();
        return document;
    }
    // The bytes the native writer makes of a document.
    std::string Written(GraphDocument& document) {
        const String path(TXT("C:\\Graphs\\written.gph"));
        EXPECT_TRUE(SaveGraphFile(document, storage, path));
        std::string bytes;
        EXPECT_TRUE(storage.GetFile(path.Text(), bytes));
        return bytes;
    }
    // Reads bytes as a graph file into `document`.
    bool Read(const std::string& bytes, GraphDocument& document, GraphFileFlags& flags) {
        const String path(TXT("C:\\Graphs\\read.gph"));
        EXPECT_TRUE(storage.PutFile(path.Text(), bytes));
        auto file = storage.CreateBinaryFile(path);
        EXPECT_TRUE(file->Open(FileOpenMode::Read));
        return OpenGraphFile(*file, document, flags);
    }

    MemoryStorageService storage;
    FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    NotificationHub hub;
    FakeCurrentTime now;
};

}  // namespace corvinata::test
