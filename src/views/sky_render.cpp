#include "views/sky_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "app/sky_document.h"
#include "astro/coordinates.h"
#include "base/time_systems.h"
#include "catalog/catalogue_registry.h"
#include "catalog/constellation_catalogue.h"
#include "catalog/property_calculators.h"
#include "views/sky_grids.h"
#include "views/sky_layers.h"

namespace corvinata {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadians = kPi / 180.0;
// Julian day of the equinox B1875.0, the boundaries' epoch.
constexpr double kB1875JulianDay = 2405889.258550475;

struct ColourPair {
    double normal[3];
    double night[3];
};

constexpr ColourPair kLayerColours[] = {
    {{0.1, 0.1, 0.1}, {0.1, 0.0, 0.0}},      // boundaries
    {{0.2, 0.2, 0.2}, {0.3, 0.0, 0.0}},      // grid
    {{0.0, 0.5, 0.0}, {0.5, 0.0, 0.0}},      // ecliptic
    {{0.0, 0.0, 0.5}, {0.2, 0.0, 0.0}},      // constellation lines
    {{0.75, 0.75, 0.75}, {0.6, 0.0, 0.0}},   // Moon
    {{1.0, 1.0, 0.0}, {1.0, 0.0, 0.0}},      // Sun
    {{0.75, 0.75, 0.75}, {0.5, 0.0, 0.0}},   // planet names and symbols
    {{0.0, 0.5, 0.5}, {0.5, 0.0, 0.0}},      // star and deep-sky labels
    {{0.5, 0.0, 0.0}, {0.5, 0.0, 0.0}},      // constellation names
    {{1.0, 1.0, 1.0}, {1.0, 0.0, 0.0}},      // highlight ring
    {{1.0, 1.0, 1.0}, {1.0, 0.0, 0.0}},      // horizon band (modulates the pictures)
};

// Unit vector of right ascension and declination (degrees), equatorial axes.
void UnitVector(double ra, double dec, double v[3]) {
    v[0] = std::cos(dec * kRadians) * std::cos(ra * kRadians);
    v[1] = std::cos(dec * kRadians) * std::sin(ra * kRadians);
    v[2] = std::sin(dec * kRadians);
}

// The precession from J2000 to the equinox of `jd` as a rotation of the
// equatorial axes: its columns are the precessed axes.
void PrecessionMatrix(double jd, double r[3][3]) {
    const double axes[3][2] = {{0.0, 0.0}, {90.0, 0.0}, {0.0, 90.0}};
    for (int k = 0; k < 3; ++k) {
        const SkyCoordinates c =
            PrecessFromJ2000(SkyCoordinates{axes[k][0], axes[k][1], kEquatorialSystem}, jd);
        double v[3];
        UnitVector(c.longitude, c.latitude, v);
        for (int i = 0; i < 3; ++i) r[i][k] = v[i];
    }
}

// The equatorial rotation r in model axes (model = (x, z, -y) of equatorial)
// as a column-major GL matrix.
void ModelMatrix(const double r[3][3], double m[16]) {
    // p maps equatorial to model axes; the model matrix is p r p^T.
    const double p[3][3] = {{1, 0, 0}, {0, 0, 1}, {0, -1, 0}};
    double pr[3][3] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) pr[i][j] += p[i][k] * r[k][j];
    std::fill(m, m + 16, 0.0);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double v = 0.0;
            for (int k = 0; k < 3; ++k) v += pr[i][k] * p[j][k];
            m[j * 4 + i] = v;
        }
    m[15] = 1.0;
}

void Identity(double m[16]) {
    std::fill(m, m + 16, 0.0);
    m[0] = m[5] = m[10] = m[15] = 1.0;
}

std::u32string FromAscii(const char* text) {
    std::u32string out;
    for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
    return out;
}

}  // namespace

SkyVector SphereVertex(double longitude, double latitude) noexcept {
    const double l = longitude * kRadians;
    const double b = latitude * kRadians;
    return {1000.0 * std::cos(b) * std::cos(l), 1000.0 * std::sin(b),
            -1000.0 * std::cos(b) * std::sin(l)};
}

double SkyRendererHost::GetPlanetMagnitude(const CelestialObject&) const { return 1.0; }

bool SkyRendererHost::HasPictureOf(const CelestialObject&) const { return false; }

std::u32string SkyRendererHost::FormatGridAngle(double degrees, bool rightAscension) const {
    char text[32];
    if (rightAscension) {
        std::snprintf(text, sizeof text, "%dh", static_cast<int>(std::lround(degrees / 15.0)) % 24);
    } else {
        std::snprintf(text, sizeof text, "%d\xB0", static_cast<int>(std::lround(degrees)));
    }
    return FromAscii(text);
}

std::u32string SkyRendererHost::ConstellationLabel(int constellation, int style) const {
    const ConstellationNames* names = ConstellationNamesAt(constellation);
    if (!names) return {};
    return CodePointsOf(style == 2 ? names->latin : names->abbreviation);
}

std::u32string CodePointsOf(const Char* text) {
    std::u32string out;
    if (!text) return out;
    for (; *text; ++text) {
        char32_t c = static_cast<char16_t>(*text);
        if (c >= 0xD800 && c < 0xDC00 && text[1] >= 0xDC00 && text[1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<char16_t>(text[1]) - 0xDC00);
            ++text;
        }
        out.push_back(c);
    }
    return out;
}

bool SkyFeedbackView::operator==(const SkyFeedbackView& other) const noexcept {
    return azimuth == other.azimuth && altitude == other.altitude && siderealAngle == other.siderealAngle &&
           latitude == other.latitude && fieldOfView == other.fieldOfView && mapType == other.mapType &&
           std::equal(viewport, viewport + 4, other.viewport) && height == other.height &&
           listsBuilt == other.listsBuilt;
}

bool SkyListInputs::Changed(int index, const SkyListKey& inputs) {
    SkyListKey& built = built_[static_cast<std::size_t>(index)];
    if (built == inputs) return false;
    built = inputs;
    return true;
}

void SkyListInputs::Forget() noexcept {
    for (SkyListKey& built : built_) built = std::monostate();
}

SkyRenderer::SkyRenderer(SkyRendererHost& host, SkyGl& gl)
    : host_(host), gl_(gl), active_(&gl), lists_(kSkyListCount), pickInputs_(kSkyPickPartCount) {
    coarse_.fullDetail = false;
    Identity(j2000ToDate_);
    Identity(b1875ToDate_);
}

void SkyRenderer::SkyRenderFrame() {
    gl_.MakeCurrent();
    gl_.DrawBackBuffer();
    // The viewport follows the window and the map type at every frame, so a
    // map change or a zoom never draws into a stale one.
    SkySetViewport();
    SkyEnsureLists();
    SkyDrawScene(0);
    SkyDrawScene(1);
    gl_.Flush();
    gl_.SwapBuffers();
}

void SkyRenderer::Build(SkyList list, const SkyListKey& inputs, void (*draw)(SkyRenderer&)) {
    if (!lists_.Changed(static_cast<int>(list), inputs)) return;
    gl_.NewList(list);
    draw(*this);
    gl_.EndList();
    ++listsBuilt_;
}

void SkyRenderer::BuildPicks(SkyPickPart part, const SkyListKey& inputs, void (*draw)(SkyRenderer&)) {
    if (!pickInputs_.Changed(static_cast<int>(part), inputs)) return;
    SkyPickTable& table = pickTables_[static_cast<int>(part)];
    table.Clear();
    recorder_.RecordInto(table);
    active_ = &recorder_;
    picking_ = true;
    draw(*this);
    picking_ = false;
    active_ = &gl_;
    ++listsBuilt_;
}

void SkyRenderer::SkyEnsureLists() {
    UpdatePrecession();
    const SkyOptions& o = host_.GetSkyOptions();
    const bool night = host_.GetNightVision();
    const int field = host_.GetFieldOfView();
    const std::uint64_t revision = host_.GetSkyDocument().Revision();
    const bool full = current_->fullDetail;
    Build(SkyList::kSunMoonSphere, SunMoonSphereInputs{}, [](SkyRenderer& r) { DrawSunMoonSphere(r.Gl()); });
    GridInputs equatorial;
    equatorial.grid = o.gridType == 2;
    equatorial.crosses = o.gridAsCrosses;
    equatorial.crossField = o.gridAsCrosses && o.gridType == 2 ? field : 0.0;
    equatorial.ecliptic = o.eclipticOn;
    equatorial.night = night;
    Build(SkyList::kGridAndEcliptic, equatorial,
          [](SkyRenderer& r) { DrawEquatorialGridAndEcliptic(r, r.Host().GetSkyOptions().gridAsCrosses, 0); });
    Build(SkyList::kFigures, ConstellationLinesInputs{o.constellationLinesOn, night},
          [](SkyRenderer& r) { DrawConstellationLines(r, 0); });
    Build(SkyList::kBoundaries, ConstellationLinesInputs{o.constellationBoundariesOn, night},
          [](SkyRenderer& r) { DrawConstellationBoundaries(r); });
    Build(SkyList::kMovingBodies,
          MovingBodiesInputs{o.planetDisplayMode, o.planetTracksOn, o.sunOn, o.moonOn, revision, night},
          [](SkyRenderer& r) { DrawMovingBodies(r, 0); });
    if (full) {
        Build(SkyList::kDeepSky, DeepSkyInputs{o.deepSkyCatalogue, o.deepSkyColour, night},
              [](SkyRenderer& r) { DrawDeepSkyObjects(r, 0); });
        Build(SkyList::kStars, StarsInputs{o.magnitudeLimit, night}, [](SkyRenderer& r) { DrawStars(r, 0); });
    } else {
        Build(SkyList::kBrightStars, StarsInputs{std::min(o.magnitudeLimit, kCoarseStarMagnitude), night},
              [](SkyRenderer& r) { DrawStars(r, 0); });
    }
    // The configuration's list places the parts in their frames: it changes
    // with the precession only.
    BuildComposition(full ? SkyList::kFullLayers : SkyList::kCoarseLayers);
    if (o.gridType == 1 || o.horizonType != 0) {
        GridInputs horizontal;
        horizontal.grid = o.gridType == 1;
        horizontal.crosses = o.gridAsCrosses;
        horizontal.crossField = o.gridAsCrosses && o.gridType == 1 ? field : 0.0;
        horizontal.horizon = o.horizonType;
        horizontal.month = o.horizonType == 2 ? host_.GetSkyDocument().GetTimeAndPlace().dateTime.month : 0;
        horizontal.horizonTextureLoads = HorizonTextureLoads();
        horizontal.night = night;
        Build(SkyList::kHorizontalFrame, horizontal,
              [](SkyRenderer& r) { DrawHorizontalGridAndHorizon(r, r.Host().GetSkyOptions().gridAsCrosses, 0); });
    }
}

void SkyRenderer::EnsurePickTables() {
    // Made at the first pick after a change, not with the lists: a change
    // draws at once, and most are never picked in.
    const SkyOptions& o = host_.GetSkyOptions();
    const std::uint64_t revision = host_.GetSkyDocument().Revision();
    BuildPicks(SkyPickPart::kMovingBodies,
               MovingBodiesInputs{o.planetDisplayMode, o.planetTracksOn, o.sunOn, o.moonOn, revision, false},
               [](SkyRenderer& r) { DrawMovingBodies(r, 0); });
    if (current_->fullDetail) {
        BuildPicks(SkyPickPart::kDeepSky, DeepSkyInputs{o.deepSkyCatalogue, false, false},
                   [](SkyRenderer& r) { DrawDeepSkyObjects(r, 0); });
        BuildPicks(SkyPickPart::kStars, StarsInputs{o.magnitudeLimit, false}, [](SkyRenderer& r) { DrawStars(r, 0); });
    } else {
        BuildPicks(SkyPickPart::kBrightStars, StarsInputs{std::min(o.magnitudeLimit, kCoarseStarMagnitude), false},
                   [](SkyRenderer& r) { DrawStars(r, 0); });
    }
}

void SkyRenderer::BuildComposition(SkyList list) {
    if (!lists_.Changed(static_cast<int>(list), CompositionInputs{precessionDay_})) return;
    const bool full = list == SkyList::kFullLayers;
    gl_.NewList(list);
    // The lines are chords inside the sphere, nearer the eye than the objects
    // on it: they write no depth, so the later layers cover them.
    gl_.DepthMask(false);
    gl_.CallList(SkyList::kGridAndEcliptic);
    gl_.PushMatrix();
    gl_.MultMatrix(j2000ToDate_);
    gl_.CallList(SkyList::kFigures);
    gl_.PopMatrix();
    gl_.PushMatrix();
    gl_.MultMatrix(b1875ToDate_);
    gl_.CallList(SkyList::kBoundaries);
    gl_.PopMatrix();
    gl_.DepthMask(true);
    // Catalogue positions are of J2000: turned to the equinox of the date.
    gl_.PushMatrix();
    gl_.MultMatrix(j2000ToDate_);
    if (full) gl_.CallList(SkyList::kDeepSky);
    gl_.CallList(full ? SkyList::kStars : SkyList::kBrightStars);
    gl_.PopMatrix();
    gl_.CallList(SkyList::kMovingBodies);
    gl_.EndList();
    ++listsBuilt_;
}

bool SkyRenderer::SkySetView() {
    const SkyOptions& options = host_.GetSkyOptions();
    const bool equatorialMap = options.mapType == 1;
    const bool horizontalFrame = options.gridType == 1 || options.horizonType != 0;
    const double theta = !equatorialMap || horizontalFrame ? SkyLocalSiderealAngle() : 0.0;
    SkySetProjection();
    gl_.MatrixMode(skygl::kModelview);
    gl_.LoadIdentity();
    double azimuth = 0.0;
    double altitude = 0.0;
    host_.GetDirection(azimuth, altitude);
    const double phi = host_.GetSkyDocument().GetTimeAndPlace().place.latitude.GetValue();
    gl_.Rotate(-altitude, 1, 0, 0);
    if (equatorialMap) {
        gl_.Rotate(90, 0, 1, 0);
        gl_.Rotate(-azimuth, 0, 1, 0);
        return false;
    }
    gl_.Rotate(-azimuth, 0, 1, 0);
    if (horizontalFrame) gl_.PushMatrix();
    gl_.Rotate(180, 0, 1, 0);
    gl_.Rotate(90 - phi, 1, 0, 0);
    gl_.Rotate(90, 0, 1, 0);
    gl_.Rotate(theta, 0, -1, 0);
    return horizontalFrame;
}

void SkyRenderer::SkyDrawScene(int mode) {
    const SkyOptions& options = host_.GetSkyOptions();
    const bool equatorialMap = options.mapType == 1;
    const bool horizontalFrame = options.gridType == 1 || options.horizonType != 0;
    if (mode == 0) gl_.Clear();
    SkySetView();
    if (mode == 1) {
        SkyDrawLayerLabels();
        if (host_.GetHighlightOn()) DrawHighlightRing();
    } else {
        gl_.CallList(UsingCoarseLayerList() ? SkyList::kCoarseLayers : SkyList::kFullLayers);
    }
    if (!horizontalFrame) return;
    if (equatorialMap) {
        const double theta = SkyLocalSiderealAngle();
        const double phi = host_.GetSkyDocument().GetTimeAndPlace().place.latitude.GetValue();
        gl_.Rotate(theta, 0, 1, 0);
        gl_.Rotate(90, 0, -1, 0);
        gl_.Rotate(90 - phi, -1, 0, 0);
        gl_.Rotate(180, 0, -1, 0);
        gl_.Rotate(90, 0, 1, 0);
    } else {
        gl_.PopMatrix();
        gl_.Rotate(90, 0, 1, 0);
    }
    if (mode == 0) {
        gl_.CallList(SkyList::kHorizontalFrame);
    } else {
        DrawHorizontalGridAndHorizon(*this, options.gridAsCrosses, mode);
    }
}

void SkyRenderer::SkySetViewport() {
    int width = 0;
    int height = 0;
    gl_.ClientSize(width, height);
    if (width <= 0 || height <= 0) return;
    const bool realistic = host_.GetSkyOptions().mapType == 2;
    if (width < height) {
        viewport_ = {-(height - width) / 2, 0, height, height};
    } else {
        viewport_ = {0, realistic ? 0 : -(width - height) / 2, width, width};
    }
    gl_.Viewport(viewport_[0], viewport_[1], viewport_[2], viewport_[3]);
}

void SkyRenderer::SkySetProjection() {
    gl_.MatrixMode(skygl::kProjection);
    gl_.LoadIdentity();
    const double h = 1000.0 * std::sin(host_.GetFieldOfView() * kRadians / 2.0);
    if (host_.GetSkyOptions().mapType == 2) {
        gl_.Ortho(-h, h, 0, 2 * h, 0, 1100);
    } else {
        gl_.Ortho(-h, h, -h, h, 0, 1100);
    }
}

double SkyRenderer::SkyLocalSiderealAngle() const {
    const SkyDocument& document = host_.GetSkyDocument();
    const TimeAndPlace& moment = document.GetTimeAndPlace();
    DateTime time = host_.GetStarsFixed() ? host_.GetApplicationDateTime() : moment.dateTime;
    if (time.hours == kNoTimeHours) return 0.0;
    ConvertTimeSystem(time, kLocalSiderealTime, moment.place.longitude, moment.place.timeZone,
                      moment.daylightSaving);
    return time.hours * 15.0;
}

void SkyRenderer::UpdatePrecession() {
    const TimeAndPlace& moment = host_.GetSkyDocument().GetTimeAndPlace();
    DateTime universal = moment.dateTime;
    if (universal.hours == kNoTimeHours) universal.hours = 0.0;
    ConvertTimeSystem(universal, kUniversalTime, moment.place.longitude, moment.place.timeZone,
                      moment.daylightSaving);
    const double jd = DateTimeToJulianDay(universal);
    if (jd == precessionDay_) return;
    precessionDay_ = jd;
    double toDate[3][3];
    PrecessionMatrix(jd, toDate);
    ModelMatrix(toDate, j2000ToDate_);
    double toB1875[3][3];
    PrecessionMatrix(kB1875JulianDay, toB1875);
    // B1875 to date: back to J2000 (the transpose), then on to the date.
    double combined[3][3] = {};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k) combined[i][j] += toDate[i][k] * toB1875[j][k];
    ModelMatrix(combined, b1875ToDate_);
}

void SkyRenderer::SkyDrawLayerLabels() {
    DrawEquatorialGridAndEcliptic(*this, host_.GetSkyOptions().gridAsCrosses, 1);
    gl_.PushMatrix();
    gl_.MultMatrix(j2000ToDate_);
    if (current_->fullDetail) DrawDeepSkyObjects(*this, 1);
    DrawStars(*this, 1);
    gl_.PopMatrix();
    DrawPlanets(*this, 1);
}

void SkyRenderer::DrawLabel(const std::u32string& text, const SkyVector& point, int dx, int dy,
                            bool centred, SkyFont font) {
    if (text.empty()) return;
    double wx = 0.0;
    double wy = 0.0;
    double wz = 0.0;
    if (!gl_.Project(point.x, point.y, point.z, wx, wy, wz)) return;
    // Behind the viewer or beyond the far plane: GL would drop it anyway.
    if (wz < 0.0 || wz > 1.0) return;
    wx += dx;
    wy += dy;
    // A raster position outside the viewport is invalid and draws nothing;
    // a centred label starts left of its point.
    const auto outside = [](double v, int low, int size) { return v < low - 1.0 || v > low + size + 1.0; };
    if (outside(wy, viewport_[1], viewport_[3]) || wx < viewport_[0] - 1.0) return;
    if (centred) wx -= gl_.TextWidth(font, text) >> 1;
    if (outside(wx, viewport_[0], viewport_[2])) return;
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    if (!gl_.UnProject(wx, wy, wz, x, y, z)) return;
    gl_.RasterPos(x, y, z);
    gl_.DrawText(font, text);
}

bool SkyRenderer::LabelsMayShowAt(const SkyVector& point) const {
    double wx = 0.0;
    double wy = 0.0;
    double wz = 0.0;
    if (!gl_.Project(point.x, point.y, point.z, wx, wy, wz) || wz < 0.0 || wz > 1.0) return false;
    // The labels move at most 16 pixels; a centred one may start this far
    // left of its point.
    constexpr double kNear = 17.0;
    constexpr double kHalfLine = 256.0;
    return wx >= viewport_[0] - kNear && wx <= viewport_[0] + viewport_[2] + kHalfLine &&
           wy >= viewport_[1] - kNear && wy <= viewport_[1] + viewport_[3] + kNear;
}

bool SkyRenderer::ObjectModelPoint(const CelestialObject& object, SkyVector& point) const {
    const int type = object.GetTypeId();
    const int number = object.Number();
    const double* matrix = nullptr;
    if (type == kBodyStar && number >= 0 && number < static_cast<int>(SkyStarVectors().size())) {
        point = SkyStarVectors()[number];
        matrix = j2000ToDate_;
    } else if (type == kBodyDeepSky && number >= 0 &&
               number < static_cast<int>(SkyDeepSkyVectors().size())) {
        point = SkyDeepSkyVectors()[number];
        matrix = j2000ToDate_;
    } else {
        const SkyPosition p = host_.GetSkyDocument().GetBodySkyPosition(type, number);
        if (p.first == kNotComputedAngle || p.second == kNotComputedAngle) return false;
        point = SphereVertex(p.first, p.second);
        return true;
    }
    const SkyVector v = point;
    point.x = matrix[0] * v.x + matrix[4] * v.y + matrix[8] * v.z;
    point.y = matrix[1] * v.x + matrix[5] * v.y + matrix[9] * v.z;
    point.z = matrix[2] * v.x + matrix[6] * v.y + matrix[10] * v.z;
    return true;
}

void SkyRenderer::DrawHighlightRing() {
    const CelestialObject* object = host_.GetSelectedObject();
    SkyVector point;
    if (!object || !ObjectModelPoint(*object, point)) return;
    double wx = 0.0;
    double wy = 0.0;
    double wz = 0.0;
    if (!gl_.Project(point.x, point.y, point.z, wx, wy, wz)) return;
    const double cx = static_cast<int>(wx + 0.5);
    const double cy = static_cast<int>(wy + 0.5);
    const std::uint8_t white[4] = {255, 255, 255, 0};
    const std::uint8_t red[4] = {255, 0, 0, 0};
    const std::uint8_t* pixel = host_.GetNightVision() ? red : white;
    for (int k = 0; k < 64; ++k) {
        const double a = k * kPi / 32.0;
        const double px = static_cast<int>(cx + 10.0 * std::sin(a)) + 1;
        const double py = static_cast<int>(cy + 10.0 * std::cos(a)) + 1;
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
        if (!gl_.UnProject(px, py, wz, x, y, z)) continue;
        gl_.RasterPos(x, y, z);
        gl_.DrawPixels(1, 1, pixel);
    }
}

void SkyRenderer::SetLayerColour(SkyLayerColour colour) {
    const ColourPair& pair = kLayerColours[static_cast<int>(colour)];
    const double* rgb = host_.GetNightVision() ? pair.night : pair.normal;
    Gl().Color(rgb[0], rgb[1], rgb[2]);
}

void SkyRenderer::OnViewUpdate(std::uint32_t, bool everything) {
    // A change of options, time, place or night vision shows in the inputs
    // of the lists it touches; only an update of everything (the picture
    // packs, the fonts) compiles them all again.
    if (!everything) return;
    lists_.Forget();
    pickInputs_.Forget();
}

void SkyRenderer::UseCoarseLayerList(bool coarse) { current_ = coarse ? &coarse_ : &full_; }

SkyFeedbackView SkyRenderer::CurrentFeedbackView(int height) const {
    SkyFeedbackView view;
    host_.GetDirection(view.azimuth, view.altitude);
    view.siderealAngle = SkyLocalSiderealAngle();
    view.latitude = host_.GetSkyDocument().GetTimeAndPlace().place.latitude.GetValue();
    view.fieldOfView = host_.GetFieldOfView();
    view.mapType = host_.GetSkyOptions().mapType;
    std::copy(viewport_.begin(), viewport_.end(), view.viewport);
    view.height = height;
    view.listsBuilt = listsBuilt_;
    return view;
}

std::vector<float> SkyRenderer::PickMarkers() {
    UpdatePrecession();
    EnsurePickTables();
    std::vector<float> markers;
    for (const SkyPickPart part : PickParts()) {
        const std::vector<float> some = pickTables_[static_cast<int>(part)].Markers();
        markers.insert(markers.end(), some.begin(), some.end());
    }
    return markers;
}

std::vector<SkyPickPart> SkyRenderer::PickParts() const {
    if (current_->fullDetail) return {SkyPickPart::kDeepSky, SkyPickPart::kStars, SkyPickPart::kMovingBodies};
    return {SkyPickPart::kBrightStars, SkyPickPart::kMovingBodies};
}

int SkyRenderer::RenderFeedback(int& height) {
    int width = 0;
    height = 0;
    gl_.ClientSize(width, height);
    gl_.MakeCurrent();
    // The view and the pick tables as a frame would find them.
    SkySetViewport();
    UpdatePrecession();
    EnsurePickTables();
    const SkyFeedbackView view = CurrentFeedbackView(height);
    std::vector<float>& tokens = current_->feedback;
    if (current_->feedbackCount >= 0 && view == current_->feedbackView) return current_->feedbackCount;
    // The pick tables seen through the view: the date's frame, and the
    // catalogues' turned to it.
    const bool pushed = SkySetView();
    const WindowProjection dateFrame = gl_.CurrentProjection();
    gl_.PushMatrix();
    gl_.MultMatrix(j2000ToDate_);
    const WindowProjection catalogueFrame = gl_.CurrentProjection();
    gl_.PopMatrix();
    if (pushed) gl_.PopMatrix();
    tokens.clear();
    for (const SkyPickPart part : PickParts()) {
        pickTables_[static_cast<int>(part)].Emit(part == SkyPickPart::kMovingBodies ? dateFrame : catalogueFrame,
                                                 tokens);
    }
    current_->feedbackCount = static_cast<int>(tokens.size());
    current_->feedbackView = view;
    return current_->feedbackCount;
}

SkyPickResult SkyRenderer::SkyFeedbackPick(int x, int y) {
    SkyPickResult result;
    int height = 0;
    const int count = RenderFeedback(height);
    if (count <= 0) return result;
    const SkyPickHit hit = FindNearestInFeedback(current_->feedback.data(), count, x, height - y);
    if (!hit.Found()) return result;
    const Catalogue* catalogue = CatalogueByType(hit.type);
    result.object = catalogue ? catalogue->CatalogueGetObjectAt(hit.number) : nullptr;
    if (!result.object) return result;
    result.distance = hit.distance;
    if (hit.trackPoint >= 0) {
        const auto& track = host_.GetSkyDocument().PlanetTrack(hit.number);
        if (hit.trackPoint < static_cast<int>(track.size())) result.trackPoint = &track[hit.trackPoint];
    }
    return result;
}

int SkyRenderer::SkyHitTest(int x, int y) {
    const SkyPickResult pick = SkyFeedbackPick(x, y);
    return pick.object && pick.distance >= 0 && pick.distance <= kSkyHitRadius ? 1 : 2;
}

bool SkyRenderer::SkyIsObjectVisible(const CelestialObject& object) {
    int height = 0;
    const int count = RenderFeedback(height);
    return count > 0 && ObjectInFeedback(current_->feedback.data(), count, object.GetTypeId(),
                                         object.Number());
}

bool SkyRenderer::SkyProjectObject(const CelestialObject& object, int& x, int& y) {
    x = y = 0;
    int height = 0;
    const int count = RenderFeedback(height);
    double vx = 0.0;
    double vy = 0.0;
    if (count <= 0 || !ObjectVertexInFeedback(current_->feedback.data(), count,
                                              object.GetTypeId(), object.Number(), vx, vy)) {
        return false;
    }
    x = static_cast<int>(vx + 0.5);
    y = height - static_cast<int>(vy + 0.5);
    return true;
}

}  // namespace corvinata
