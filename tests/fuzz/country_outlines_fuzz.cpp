// The country outlines ("countryshape.dat") as the Solar Eclipse window
// reads them, and drawn on the eclipse map at every zoom level, centred on
// the map's seam and beside it.
#include "catalog/country_shapes.h"
#include "fuzz/fuzz_targets.h"
#include "support/map_canvas_recording.h"
#include "views/eclipse_map.h"

namespace corvinata::fuzz {

int FuzzCountryOutlines(const std::uint8_t* data, std::size_t size) {
    MemoryStorageService storage;
    PutInputFile(storage, TXT("C:\\Program"), TXT("C:\\Program\\countryshape.dat"), data, size);
    PathName program;
    program.SetPathDirectory(TXT("C:\\Program"));
    CountryShapes shapes;
    int reports = 0;
    const bool loaded = shapes.LoadCountryShapes(storage, program, [&reports](const String&) { ++reports; });
    Expect(loaded == (reports == 0) && loaded == (shapes.Count() > 0), "outlines load whole or are reported");
    if (!loaded) return 0;
    EclipseMapContent content;
    content.outlines = &shapes.Outlines();
    const EclipseMapColours colours = EclipseMapColoursFor(false, nullptr);
    for (const double centre : {0.0, 180.0, -97.5}) {
        for (int zoom = kEclipseZoomMin; zoom <= kEclipseZoomMax; ++zoom) {
            RecordingCanvas canvas;
            DrawEclipseMap(canvas, EclipseMapProjection(EclipseMapView{centre, centre / 3.0, zoom}, 640, 400), content,
                           colours);
        }
    }
    return 0;
}

}  // namespace corvinata::fuzz

CN_FUZZ_ENTRY(FuzzCountryOutlines)
