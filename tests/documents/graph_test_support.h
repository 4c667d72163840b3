// What the graph document tests share: the program's services over an
// in-memory storage, the catalogues, London at noon on 15 June 2024 as the
// current moment, and the graph of the two-line golden file.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "base/memory_storage.h"
#include "catalog/catalogue_registry.h"
#include "documents/graph_file.h"
#include "documents/graph_visitor.h"
#include "support/catalogues.h"
#include "support/fake_product.h"
#include "support/graph_fakes.h"
#include "support/test_data.h"

namespace corvinata::test {

inline std::string ReadGolden(const char* name) {
    std::ifstream in(TestsPath(std::string("documents/golden/") + name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class GraphTest : public ::testing::Test {
protected:
    GraphTest() {
        EXPECT_TRUE(SharedCatalogues());
        Location& london = now.value.location;
        london.coordinates.longitude = LongitudeValue(0.1275, kWestPositive);
        london.coordinates.latitude = LatitudeValue(51.5072, kLatitudeHemisphereLetter);
        london.coordinates.elevation = 11;
        london.country = String(TXT("United Kingdom"));
        london.town = String(TXT("London"));
        now.value.dateTime = DateTime{2024, 6, 15, 12.0, kLocalCivilTime};
        storage.MakeFolder(TXT("C:\\Graphs"));
    }

    std::unique_ptr<GraphDocument> NewDocument() {
        return std::make_unique<GraphDocument>(hub, ObjectModelGraphServices(now));
    }
    // The Moon's altitude and a phase line with a name beyond ASCII and a
    // fill; values set, not computed, so that every build writes the same.
    std::unique_ptr<GraphDocument> TwoLineDocument() {
        auto document = NewDocument();
        GraphLine moon = NamedLine("Moon altitude", "Moon.Lat(hor)");
        moon.SetBody(BodyIdentifierFromObject(CatalogueByType(kBodyMoon)->CatalogueGetObjectAt(0)));
        moon.function = 2;
        moon.colour = 2;
        moon.system = 2;
        for (int i = 0; i < kGraphValueCount; ++i) moon.values[static_cast<std::size_t>(i)] = i * 0.25 - 45.0;
        const Char name[] = {'P', 'h', 'a', 's', 'e', ' ', 0x00E9, 't', 0x00E9, 0};
        GraphLine phase = NamedLine("");
        phase.name = String(name);
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
    // The bytes a save writes at `name` in C:\Graphs (".xml": the export).
    std::string Written(GraphDocument& document, const char* name = "written.gph") {
        const String path(Wide(std::string("C:\\Graphs\\") + name).c_str());
        std::string bytes;
        EXPECT_TRUE(SaveGraphFile(document, storage, path) && storage.GetFile(path.Text(), bytes));
        return bytes;
    }
    bool Read(const std::string& bytes, GraphDocument& document, GraphFileFlags& flags) {
        const String path(TXT("C:\\Graphs\\read.gph"));
        auto file = storage.CreateBinaryFile(path);
        return storage.PutFile(path.Text(), bytes) && file->Open(FileOpenMode::Read) &&
               OpenGraphFile(*file, document, flags);
    }

    MemoryStorageService storage;
    FakeProductInfo product{storage};
    ScopedApplicationServices services{&product, nullptr};
    NotificationHub hub;
    FakeCurrentTime now;
};

}  // namespace corvinata::test
