// The Sky renderer: draws the sky of one Sky window through the thin GL
// interface (sky_render_gl.h). It sets the projection and view rotation for
// the window's map type, field of view and direction, draws the layers
// (sky_layers, sky_grids) through cached display lists, and the labels
// and the highlight ring directly on top. Picking reads each configuration's
// pick tables (the objects' pick codes and the very points drawn) as a
// feedback stream written without drawing (sky_pick_table, sky_pick).
//
// The sky sphere: a point at longitude L, latitude B (degrees) is the model
// point 1000 x (cos B cos L, sin B, -cos B sin L) (`SphereVertex`).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "app/option_records.h"
#include "base/geo_place.h"
#include "base/text_char.h"
#include "views/sky_pick.h"
#include "views/sky_pick_table.h"
#include "views/sky_render_gl.h"

namespace corvinata {

class CelestialObject;
class SkyDocument;
struct DatedSkyPosition;

struct SkyVector {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

SkyVector SphereVertex(double longitude, double latitude) noexcept;

// A UTF-16 text as code points (labels are drawn by code point).
std::u32string CodePointsOf(const Char* text);

// What the renderer reads of its Sky window (the display forwards these to
// the window's view). Everything is read at draw time.
class SkyRendererHost {
public:
    virtual ~SkyRendererHost() = default;
    virtual const SkyOptions& GetSkyOptions() const = 0;
    // Integer degrees, 10..180.
    virtual int GetFieldOfView() const = 0;
    // The window's angles: azimuth as the window keeps it (360 - compass in
    // the horizontal and realistic maps), or right ascension and declination.
    virtual void GetDirection(double& azimuth, double& altitude) const = 0;
    virtual const SkyDocument& GetSkyDocument() const = 0;
    // "Stars fixed": the sidereal angle then follows the application's time.
    virtual bool GetStarsFixed() const = 0;
    virtual DateTime GetApplicationDateTime() const = 0;
    virtual bool GetNightVision() const = 0;
    // The highlight ring is drawn around the selected object while this is on.
    virtual bool GetHighlightOn() const = 0;
    virtual const CelestialObject* GetSelectedObject() const = 0;

    // The planet's magnitude at the document's time and place (realistic
    // planets); the default is 1.0 (a full sprite).
    virtual double GetPlanetMagnitude(const CelestialObject& planet) const;
    // Whether a picture of the object exists ("NGC colour"); default none.
    virtual bool HasPictureOf(const CelestialObject& object) const;
    // Grid label angles: the equatorial grid's longitude in the chosen
    // right-ascension format, other angles as plain degrees.
    virtual std::u32string FormatGridAngle(double degrees, bool rightAscension) const;
    // A constellation's label: 1 its abbreviation, 2 its full name.
    virtual std::u32string ConstellationLabel(int constellation, int style) const;
};

// What a pick's feedback stream depends on: the view, the viewport and the
// tables it reads. A pick at an unchanged view reads the stream of the
// last one.
struct SkyFeedbackView {
    double azimuth = 0.0;
    double altitude = 0.0;
    double siderealAngle = 0.0;
    double latitude = 0.0;
    int fieldOfView = 0;
    int mapType = -1;
    int viewport[4] = {0, 0, 0, 0};
    int height = 0;
    std::uint64_t listsBuilt = 0;
    bool operator==(const SkyFeedbackView& other) const noexcept;
};

// A drawing configuration: the full one and the coarse one used while the
// user drags the view or sizes the window (no deep sky, stars to 3.0).
struct SkyLayerContext {
    bool fullDetail = true;
    // The feedback stream of this configuration's last pick (the floats of
    // a GL_2D feedback buffer), its length (-1: none yet) and its view.
    std::vector<float> feedback;
    int feedbackCount = -1;
    SkyFeedbackView feedbackView;
};

// What a list (or a pick table) is compiled from, one record per kind of
// list; a list is compiled again only when its record differs from the one
// it was compiled from. Pick tables leave night vision and colours at their
// defaults: their picks do not depend on them.

// The Sun's and the Moon's sphere: nothing changes it.
struct SunMoonSphereInputs {
    friend bool operator==(const SunMoonSphereInputs&, const SunMoonSphereInputs&) noexcept { return true; }
};

// The equatorial grid and the ecliptic, or the horizontal grid and the
// horizon. Crosses keep their length on the screen, so the field of view
// counts while the grid is drawn as crosses.
struct GridInputs {
    bool grid = false;
    bool crosses = false;
    double crossField = 0.0;      // 0 unless the grid is drawn as crosses
    bool ecliptic = false;        // the equatorial frame only
    std::int32_t horizon = 0;     // the horizontal frame only: its type
    std::int32_t month = 0;       // the seasonal horizon's month
    int horizonTextureLoads = 0;  // the horizontal frame only
    bool night = false;

    friend bool operator==(const GridInputs& a, const GridInputs& b) noexcept {
        return a.grid == b.grid && a.crosses == b.crosses && a.crossField == b.crossField &&
               a.ecliptic == b.ecliptic && a.horizon == b.horizon && a.month == b.month &&
               a.horizonTextureLoads == b.horizonTextureLoads && a.night == b.night;
    }
};

// The constellation figures or boundaries.
struct ConstellationLinesInputs {
    bool shown = false;
    bool night = false;

    friend bool operator==(const ConstellationLinesInputs& a, const ConstellationLinesInputs& b) noexcept {
        return a.shown == b.shown && a.night == b.night;
    }
};

// The planets, the Sun and the Moon at the document's moment, with the
// planets' tracks.
struct MovingBodiesInputs {
    std::int32_t planetDisplay = 0;
    bool tracks = false;
    bool sun = false;
    bool moon = false;
    std::uint64_t revision = 0;   // the document's
    bool night = false;

    friend bool operator==(const MovingBodiesInputs& a, const MovingBodiesInputs& b) noexcept {
        return a.planetDisplay == b.planetDisplay && a.tracks == b.tracks && a.sun == b.sun &&
               a.moon == b.moon && a.revision == b.revision && a.night == b.night;
    }
};

struct DeepSkyInputs {
    std::int32_t catalogue = 0;
    bool colour = false;
    bool night = false;

    friend bool operator==(const DeepSkyInputs& a, const DeepSkyInputs& b) noexcept {
        return a.catalogue == b.catalogue && a.colour == b.colour && a.night == b.night;
    }
};

// All the stars down to a magnitude, or the bright ones of the coarse
// configuration.
struct StarsInputs {
    double magnitudeLimit = 0.0;
    bool night = false;

    friend bool operator==(const StarsInputs& a, const StarsInputs& b) noexcept {
        return a.magnitudeLimit == b.magnitudeLimit && a.night == b.night;
    }
};

// The configuration's list, which places the parts in their frames.
struct CompositionInputs {
    double precessionDay = 0.0;

    friend bool operator==(const CompositionInputs& a, const CompositionInputs& b) noexcept {
        return a.precessionDay == b.precessionDay;
    }
};

using SkyListKey = std::variant<std::monostate, SunMoonSphereInputs, GridInputs, ConstellationLinesInputs,
                                MovingBodiesInputs, DeepSkyInputs, StarsInputs, CompositionInputs>;

// The record each list (or pick table) was compiled from; none before the
// first compilation and after Forget.
class SkyListInputs {
public:
    explicit SkyListInputs(int count) : built_(static_cast<std::size_t>(count)) {}
    // True (and the record remembered) when list `index` must be compiled.
    bool Changed(int index, const SkyListKey& inputs);
    void Forget() noexcept;

private:
    std::vector<SkyListKey> built_;
};

// The parts of the chart that can be picked, each with its table.
enum class SkyPickPart : int { kDeepSky = 0, kStars = 1, kBrightStars = 2, kMovingBodies = 3 };
constexpr int kSkyPickPartCount = 4;

// Colours of the layers, each with its night-vision variant.
enum class SkyLayerColour : int {
    kBoundaries, kGrid, kEcliptic, kConstellationLines, kMoon, kSun, kPlanetLabels,
    kStarLabels, kConstellationNames, kHighlight, kHorizonBand,
};

// Change flags of a window update (as the Sky window records them).
constexpr std::uint32_t kSkyChangeSelection = 0x01;
constexpr std::uint32_t kSkyChangeOptions = 0x08;
constexpr std::uint32_t kSkyChangeDirection = 0x10;
constexpr std::uint32_t kSkyChangeZoom = 0x20;
constexpr std::uint32_t kSkyChangeDateTime = 0x40;
constexpr std::uint32_t kSkyChangePlace = 0x80;

struct SkyPickResult {
    const CelestialObject* object = nullptr;
    const DatedSkyPosition* trackPoint = nullptr;
    int distance = -1;
};

class SkyRenderer {
public:
    // `SkyRendererInit`.
    SkyRenderer(SkyRendererHost& host, SkyGl& gl);
    SkyRenderer(const SkyRenderer&) = delete;
    SkyRenderer& operator=(const SkyRenderer&) = delete;

    // One frame: the lists, the labels and the ring, then the swap.
    void SkyRenderFrame();
    // Compiles the lists the current configuration draws whose content
    // changed since they were compiled.
    void SkyEnsureLists();
    // True while a pick table is compiled: the drawers then draw their
    // objects' pick codes and pick pixels only.
    bool Picking() const noexcept { return picking_; }
    // The scene in the current view: mode 0 the lists (after a clear), 1 the
    // labels pass.
    void SkyDrawScene(int mode);
    // Sets the projection and the view's rotation into the equator's frame
    // of the date; true when the horizontal frame's matrix was pushed (to be
    // popped).
    bool SkySetView();
    // The square viewport for the client size (set every frame) and the
    // orthographic projection for the field of view and map type.
    void SkySetViewport();
    void SkySetProjection();
    double SkyLocalSiderealAngle() const;
    void SkyDrawLayerLabels();
    // A label at a model point, moved dx, dy pixels (dy up), centred or not.
    // Nothing is drawn where GL would find no valid raster position (outside
    // the viewport), so a label off the chart costs no text work.
    void DrawLabel(const std::u32string& text, const SkyVector& point, int dx, int dy,
                   bool centred, SkyFont font = SkyFont::kDisplay);
    // Whether any label of an object at the point (moved at most 16 pixels
    // and at most half a line's width left of it) can show: a labels pass
    // skips the names of objects off the chart before looking them up.
    bool LabelsMayShowAt(const SkyVector& point) const;
    void DrawHighlightRing();
    void SetLayerColour(SkyLayerColour colour);

    // A window update: no flags (`everything`, all lists compiled again) or
    // the change flags (the lists whose content changed are compiled at the
    // next frame; a turn, a zoom or a new selection compiles none).
    void OnViewUpdate(std::uint32_t flags, bool everything);
    // The coarse list while a drag or a sizing is in progress.
    void UseCoarseLayerList(bool coarse);
    bool UsingCoarseLayerList() const noexcept { return current_ == &coarse_; }

    // Picking: the pick tables' feedback stream in the current view. Client
    // pixels, y down.
    SkyPickResult SkyFeedbackPick(int x, int y);
    // The pick codes (with the planets' extras and the no-object markers)
    // of the current configuration, in the order a pick meets them.
    std::vector<float> PickMarkers();
    // 1 when an object lies within 15 pixels, else 2.
    int SkyHitTest(int x, int y);
    bool SkyIsObjectVisible(const CelestialObject& object);
    bool SkyProjectObject(const CelestialObject& object, int& x, int& y);

    SkyRendererHost& Host() const noexcept { return host_; }
    // What the drawers draw through: the display's GL, or the recorder of a
    // pick table while one is compiled.
    SkyGl& Gl() const noexcept { return *active_; }
    SkyLayerContext& CurrentContext() noexcept { return *current_; }
    // The precession rotations (model space, column-major) of the frame
    // being compiled: J2000 and B1875 to the equinox of the document's date.
    const double* J2000ToDate() const noexcept { return j2000ToDate_; }
    const double* B1875ToDate() const noexcept { return b1875ToDate_; }
    // Where an object lies on the sky sphere of the date (model space).
    bool ObjectModelPoint(const CelestialObject& object, SkyVector& point) const;

private:
    // Writes the feedback stream of the current configuration's pick tables
    // in the current view into its context's buffer; answers the floats.
    // An unchanged view answers the last pick's.
    int RenderFeedback(int& height);
    SkyFeedbackView CurrentFeedbackView(int height) const;
    std::vector<SkyPickPart> PickParts() const;
    void UpdatePrecession();
    // Compiles `list` (or the pick table of `part`) with `draw` when its
    // inputs changed.
    void Build(SkyList list, const SkyListKey& inputs, void (*draw)(SkyRenderer&));
    void BuildPicks(SkyPickPart part, const SkyListKey& inputs, void (*draw)(SkyRenderer&));
    void BuildComposition(SkyList list);
    // The current configuration's pick tables, made again when what they
    // hold changed.
    void EnsurePickTables();

    SkyRendererHost& host_;
    SkyGl& gl_;
    SkyGl* active_;
    SkyPickRecorder recorder_;
    SkyLayerContext full_;
    SkyLayerContext coarse_;
    SkyLayerContext* current_ = &full_;
    SkyListInputs lists_;
    SkyListInputs pickInputs_;
    SkyPickTable pickTables_[kSkyPickPartCount];
    // Counts the compilations, so that a pick knows its lists changed.
    std::uint64_t listsBuilt_ = 0;
    bool picking_ = false;
    // The viewport the last frame set (x, y, width, height).
    std::array<int, 4> viewport_ = {0, 0, 0, 0};
    double precessionDay_ = 0.0;
    double j2000ToDate_[16];
    double b1875ToDate_[16];
};

}  // namespace corvinata
