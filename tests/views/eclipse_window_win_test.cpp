// The Solar Eclipse window in the real frame: opened by its command, drawn
// straight into its display (pixels read back with BitBlt), clicked,
// zoomed by the wheel, duplicated, closed and restored after a restart.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "../frame/frame_test.h"
#include "../frame/modal_driver.h"
#include "../frame/typed_keys.h"
#include "controls/custom_controls_setup.h"
#include "frame/window_kinds.h"
#include "resources/resource_ids.h"
#include "support/date_records.h"
#include "support/drawn_pixels_win.h"
#include "support/test_text.h"
#include "catalog/sun_earth_catalogues.h"
#include "views/eclipse_window_win.h"
#include "views/sky_window_win.h"

namespace corvinata {
namespace {

using test::MakeDateTime;
using test::Utf8;

constexpr Colour kBlack{0, 0, 0};
constexpr Colour kRed{255, 0, 0};
constexpr Colour kGrey{128, 128, 128};
constexpr Colour kLightGrey{192, 192, 192};
constexpr Colour kDarkRed{128, 0, 0};

// The client area of a window as it is on the screen.
class Pixels {
public:
    explicit Pixels(HWND window) : data_(test::ScreenPixels(window, width_, height_)) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    Colour At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return Colour{1, 2, 3};
        const std::uint32_t v = data_[static_cast<std::size_t>(y) * width_ + x];
        return Colour{static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                      static_cast<std::uint8_t>(v)};
    }
    // Whether the colour lies within `reach` pixels of (x, y).
    bool Near(int x, int y, Colour colour, int reach = 1) const {
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (At(x + dx, y + dy) == colour) return true;
            }
        }
        return false;
    }
    int Count(Colour colour, int top = 0, int bottom = -1) const {
        if (bottom < 0) bottom = height_;
        int n = 0;
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < width_; ++x) n += At(x, y) == colour;
        }
        return n;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> data_;
};

Location PlaceAt(double westLongitude, double latitude) {
    Location place;
    place.coordinates.longitude.degrees = westLongitude;
    place.coordinates.latitude.degrees = latitude;
    return place;
}

class EclipseWindowTest : public test::FrameTest {
protected:
    ~EclipseWindowTest() override {
        if (frame_) SendMessageW(frame_->Window(), WM_COMMAND, CMD_CLOSE_ALL, 0);
        frame_.reset();
        fonts_.reset();
        controls_.reset();
    }
    // The frame over an application whose program folder is this test's,
    // where the build puts the country outlines; shown, so that the map's
    // pixels can be read back.
    FrameWindow& StartShown(const wchar_t* programFile = nullptr) {
        wchar_t module[MAX_PATH + 1] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        PathName program;
        program.SetPath(programFile ? programFile : module);
        frame_.reset();
        fonts_.reset();
        controls_.reset();
        app_.reset();
        app_ = CreateProgramApplication(std::make_unique<Win32StorageService>(), program);
        EXPECT_TRUE(StartApplication(*app_));
        // As the program: the custom controls (the panels' pickers) first.
        controls_ = std::make_unique<CustomControlsSession>(GetModuleHandleW(nullptr), app_->Controls());
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        frame_->SetShowOnCreate(false);
        EXPECT_TRUE(frame_->Create());
        fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
        SetWindowPos(frame_->Window(), HWND_TOP, 0, 0, 1240, 980, SWP_SHOWWINDOW);
        return *frame_;
    }
    // Window > New > Solar Eclipse at the application's date and place.
    SolarEclipseWindow& Open(int year, int month, int day, const Location& place = PlaceAt(0.1275, 51.5072)) {
        app_->Current().SetLocation(place);
        app_->Current().SetDateTime(MakeDateTime(year, month, day, 12.0, kUniversalTime), false);
        Command(CMD_NEW_ECLIPSE);
        auto* window = dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindow());
        EXPECT_NE(window, nullptr);
        return *window;
    }
    // Puts the window at the top left of the frame's client, sizes it so
    // that its map gets this client (all of it unobscured), and paints it.
    void SizeMap(SolarEclipseWindow& window, int width, int height) {
        RECT outer{}, inner{}, room{};
        GetWindowRect(window.Handle(), &outer);
        GetClientRect(window.Handle(), &inner);
        GetClientRect(frame_->MdiClient(), &room);
        const int outerWidth = width + (outer.right - outer.left) - inner.right;
        const int outerHeight = height + (outer.bottom - outer.top) - inner.bottom;
        ASSERT_LE(outerWidth, room.right);
        ASSERT_LE(outerHeight, room.bottom);
        SetWindowPos(window.Handle(), HWND_TOP, 0, 0, outerWidth, outerHeight, 0);
        RedrawWindow(window.Display().Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    static std::string StepText(SolarEclipseWindow& window) {
        const CommandGroup* step = window.History()->PeekUndoCommand();
        return step ? Utf8(step->GetText(false)) : std::string();
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    std::unique_ptr<CustomControlsSession> controls_;
    std::unique_ptr<ProgramFonts> fonts_;

    static std::string Title(HWND window) {
        wchar_t text[128] = {};
        GetWindowTextW(window, text, 128);
        return Utf8(text);
    }
};

TEST_F(EclipseWindowTest, OpensOnTheApplicationsDateAtItsPlace) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    EXPECT_EQ(Title(eclipse.Handle()), "Solar Eclipse: Central total (11.08.1999)");
    EXPECT_EQ(eclipse.View().GetDetailsPoint().longitude, 0.1275);
    EXPECT_EQ(eclipse.View().GetZoom(), 1);
    EXPECT_GT(eclipse.View().Details().circumstances.magnitude, 0.9);  // London saw 97 %
    wchar_t name[64] = {};
    GetClassNameW(eclipse.Display().Window(), name, 64);
    EXPECT_STREQ(name, L"CorvinataSecDisp");

    SolarEclipseWindow& none = Open(2000, 1, 1);
    EXPECT_EQ(Utf8(none.GetStatusText()), "no eclipse (01.01.2000)");
    EXPECT_NE(&none, &eclipse);
}

// Without the outlines file the map has no borders, and the user hears of
// the file once, however many windows open.
TEST_F(EclipseWindowTest, MissingOutlinesDrawTheMapWithoutBordersAndAreToldOnce) {
    StartShown(L"C:\\windows\\corvinata.exe");
    int told = 0;
    std::string text;
    const auto answer = [&](test::ModalDriver&, HWND dialog) {
        ++told;
        wchar_t shown[400] = {};
        GetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, shown, 400);
        text = Utf8(shown);
        EndDialog(dialog, 0);
    };
    test::ModalDriver::Run(answer, [&] { return &Open(2000, 1, 1); });
    SolarEclipseWindow* second = test::ModalDriver::Run(answer, [&] { return &Open(2000, 1, 2); });
    EXPECT_EQ(told, 1);
    EXPECT_NE(text.find("unable to open the file C:\\windows\\countryshape.dat"), std::string::npos) << text;
    // The program goes on, and says what that means.
    EXPECT_NE(text.find("drawn without country borders"), std::string::npos) << text;
    EXPECT_EQ(text.find("will now close"), std::string::npos) << text;
    SizeMap(*second, 560, 280);
    const Pixels pixels(second->Display().Window());
    EXPECT_EQ(pixels.Count(kLightGrey), 0);
    EXPECT_EQ(pixels.At(0, 140), kBlack);
}

// A damaged outlines file is named damaged, not one that could not be
// opened; the maps are drawn without borders all the same.
TEST_F(EclipseWindowTest, DamagedOutlinesAreCalledDamagedAndTheMapIsDrawnWithoutBorders) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"cn_damaged_outlines\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring file = folder + L"countryshape.dat";
    const HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(created, "0 0 1 2\n0 0 3\n", 14, &written, nullptr);
    CloseHandle(created);
    StartShown((folder + L"corvinata.exe").c_str());
    std::string text;
    SolarEclipseWindow* eclipse = test::ModalDriver::Run(
        [&](test::ModalDriver&, HWND dialog) {
            wchar_t shown[400] = {};
            GetDlgItemTextW(dialog, IDC_MESSAGE_TEXT, shown, 400);
            text = Utf8(shown);
            EndDialog(dialog, 0);
        },
        [&] { return &Open(2000, 1, 1); });
    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    EXPECT_NE(text.find("countryshape.dat is damaged"), std::string::npos) << text;
    EXPECT_EQ(text.find("unable to open"), std::string::npos) << text;
    EXPECT_NE(text.find("drawn without country borders"), std::string::npos) << text;
    SizeMap(*eclipse, 560, 280);
    const Pixels pixels(eclipse->Display().Window());
    EXPECT_EQ(pixels.Count(kLightGrey), 0);
}

struct ExtentCase {
    int width;
    int height;
    int left;  // the map frame's left and right columns
    int right;
};

TEST_F(EclipseWindowTest, AtLevelOneTheMapFillsOrIsCentred) {
    StartShown();
    // A date without an eclipse: no curve runs along the map's top.
    SolarEclipseWindow& eclipse = Open(2000, 1, 1);
    for (const ExtentCase c : {ExtentCase{560, 280, 0, 559}, ExtentCase{620, 220, 90, 529}}) {
        SizeMap(eclipse, c.width, c.height);
        const Pixels pixels(eclipse.Display().Window());
        ASSERT_EQ(pixels.Width(), c.width);
        EXPECT_EQ(pixels.At(c.left, c.height / 3), kBlack) << c.width;
        EXPECT_EQ(pixels.At(c.right, c.height / 3), kBlack) << c.width;
        int top = 0;  // the top edge, where no curve crosses it
        for (int x = c.left; x <= c.right; ++x) top += pixels.At(x, 0) == kBlack;
        EXPECT_GT(top, (c.right - c.left) * 9 / 10) << c.width;
        if (c.left > 0) {
            EXPECT_EQ(pixels.Count(kBlack, 0, c.height) > 0, true);
            EXPECT_NE(pixels.At(c.left - 1, c.height / 3), kBlack);  // the margin stays empty
        }
    }
}

TEST_F(EclipseWindowTest, CurvesLieWhereTheProjectionPutsThemAndTheMarkIsRedOnLondon) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SizeMap(eclipse, 560, 280);
    const Pixels pixels(eclipse.Display().Window());
    const EclipseMapProjection projection = eclipse.View().Projection();
    int checked = 0;
    for (const PathCurve& curve : eclipse.View().Document().Map().magnitudeCurves) {
        for (std::size_t i = 0; i < curve.size(); i += 25) {
            if (curve[i].northLatitude == kNotComputedAngle) continue;
            const PixelPoint at = projection.LonLatToPoint(-curve[i].longitude, curve[i].northLatitude);
            if (at.y < 2 || at.y > 277) continue;
            ++checked;
            EXPECT_TRUE(pixels.Near(at.x, at.y, kGrey)) << at.x << "," << at.y;
        }
    }
    EXPECT_GT(checked, 20);
    const PixelPoint london = projection.LonLatToPoint(-0.1275, 51.5072);
    EXPECT_EQ(pixels.At(london.x, london.y), kRed);
}

TEST_F(EclipseWindowTest, NightVisionDrawsTheFurtherCurvesDarkRed) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SizeMap(eclipse, 560, 280);
    EXPECT_GT(Pixels(eclipse.Display().Window()).Count(kGrey), 200);
    frame_->NightVision().ApplyNightVision(true, 0.8, 1.0);
    UpdateWindow(eclipse.Display().Window());
    const Pixels night(eclipse.Display().Window());
    EXPECT_EQ(night.Count(kGrey), 0);
    EXPECT_GT(night.Count(kDarkRed), 200);
    frame_->NightVision().ApplyNightVision(false, 0.8, 1.0);
}

// In night vision the map takes the night shades like every other drawing:
// no white ground, no black text, no grey outline; the path shows on the
// black ground. Without an eclipse the explanation does too.
TEST_F(EclipseWindowTest, NightVisionDrawsTheWholeMapInNightShadesOnBlack) {
    StartShown();
    struct Case {
        int year, month, day;
        bool eclipse;
    };
    const Case cases[] = {{1999, 8, 11, true}, {1999, 8, 12, false}};
    frame_->NightVision().ApplyNightVision(true, 0.8, 1.0);
    const Colour brightest = frame_->NightVision().Shades()[0];
    for (const Case& c : cases) {
        SolarEclipseWindow& eclipse = Open(c.year, c.month, c.day);
        SizeMap(eclipse, 560, 280);
        const Pixels night(eclipse.Display().Window());
        int reddish = 0;
        for (int y = 0; y < night.Height(); ++y) {
            for (int x = 0; x < night.Width(); ++x) {
                const Colour p = night.At(x, y);
                ASSERT_TRUE(p.green == 0 && p.blue == 0 && p.red <= brightest.red)
                    << c.day << ": " << x << "," << y << " " << int(p.red) << "," << int(p.green) << "," << int(p.blue);
                reddish += p.red > 0;
            }
        }
        EXPECT_GT(night.Count(kBlack), night.Width() * night.Height() / 2) << c.day;
        EXPECT_GT(reddish, 500) << c.day;
        if (c.eclipse) {
            EXPECT_GT(night.Count(brightest), 100);
        }
        SendMessageW(eclipse.Handle(), WM_CLOSE, 0, 0);
    }
    frame_->NightVision().ApplyNightVision(false, 0.8, 1.0);
}

TEST_F(EclipseWindowTest, WithoutAnEclipseTheFrameDimmedOutlinesAndTheExplanationBelowTheMiddle) {
    StartShown();
    SolarEclipseWindow& none = Open(2000, 1, 1);
    SizeMap(none, 560, 280);
    const Pixels pixels(none.Display().Window());
    EXPECT_EQ(pixels.At(0, 140), kBlack);
    EXPECT_GT(pixels.Count(kLightGrey), 500);
    // Black text only from 40 pixels above the middle down (inside the frame).
    int above = 0, below = 0;
    for (int y = 2; y < 278; ++y) {
        for (int x = 2; x < 558; ++x) (y < 140 - 40 ? above : below) += pixels.At(x, y) == kBlack;
    }
    EXPECT_EQ(above, 0);
    EXPECT_GT(below, 100);
}

TEST_F(EclipseWindowTest, MovingThePlaceRepaintsOnlyTheTwoMarks) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SizeMap(eclipse, 560, 280);
    HWND display = eclipse.Display().Window();
    // Paint the whole map over without telling it; only what it repaints
    // comes back.
    {
        HDC dc = GetDC(display);
        RECT all{0, 0, 560, 280};
        HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &all, blue);
        DeleteObject(blue);
        ReleaseDC(display, dc);
    }
    const EclipseMapProjection projection = eclipse.View().Projection();
    const PixelPoint from = projection.LonLatToPoint(-0.1275, 51.5072);
    const PixelPoint to = projection.LonLatToPoint(24.3, 45.1);
    app_->GetSolarEclipseActions().DisplayDetails(eclipse.View(), MapPoint{-24.3, 45.1},
                                                  kDetailsLongitude | kDetailsLatitude, nullptr);
    const Pixels pixels(display);
    const Colour blue{0, 0, 255};
    int repainted = 0;
    for (int y = 0; y < 280; ++y) {
        for (int x = 0; x < 560; ++x) {
            if (pixels.At(x, y) == blue) continue;
            ++repainted;
            const bool inOld = std::abs(x - from.x) <= 5 && std::abs(y - from.y) <= 5;
            const bool inNew = std::abs(x - to.x) <= 5 && std::abs(y - to.y) <= 5;
            EXPECT_TRUE(inOld || inNew) << x << "," << y << " from " << from.x << "," << from.y << " to " << to.x
                                        << "," << to.y;
            if (HasFailure()) return;
        }
    }
    EXPECT_EQ(repainted, 200);
    EXPECT_EQ(pixels.At(to.x, to.y), kRed);
}

TEST_F(EclipseWindowTest, AClickOnTheMapIsOneDetailsStep) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SizeMap(eclipse, 620, 220);
    HWND display = eclipse.Display().Window();
    const EclipseMapProjection projection = eclipse.View().Projection();
    const PixelPoint target = projection.LonLatToPoint(24.3, 45.1);
    SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(target.x, target.y));
    SendMessageW(display, WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
    ASSERT_EQ(eclipse.History()->UndoableCount(), 1);
    EXPECT_EQ(StepText(eclipse).substr(0, 20), "Display details for ");
    EXPECT_NEAR(eclipse.View().GetDetailsPoint().longitude, -24.3, 1.0 / projection.PixelsPerDegree());
    EXPECT_GT(eclipse.ReadPanel().maximumFraction, 1.0);  // in the path of totality

    SendMessageW(display, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 100));  // the left margin
    EXPECT_EQ(eclipse.History()->UndoableCount(), 1);

    SolarEclipseWindow& none = Open(2000, 1, 1);
    SizeMap(none, 560, 280);
    SendMessageW(none.Display().Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(280, 140));
    EXPECT_EQ(none.History()->UndoableCount(), 0);
}

// The panel shows what a click on the map chose; its Path and Location
// buttons are one step each.
TEST_F(EclipseWindowTest, ThePanelFollowsTheMapAndCentresItInOneStepEach) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SizeMap(eclipse, 560, 280);
    ControlPanel* panel = frame_->Children().PanelOf(kSolarEclipseWindow);
    ASSERT_NE(panel, nullptr);
    ASSERT_EQ(panel->GetAttachedWindow(), static_cast<PanelWindow*>(&eclipse));
    HWND dialog = panel->GetDialogWindow();
    const auto text = [dialog](int item) {
        wchar_t shown[100] = {};
        GetDlgItemTextW(dialog, item, shown, 100);
        return Utf8(shown);
    };
    EXPECT_EQ(text(kMaximumLabelItem), "Maximum contact (97%)");  // London
    const PixelPoint target = eclipse.View().Projection().LonLatToPoint(24.3, 45.1);
    SendMessageW(eclipse.Display().Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(target.x, target.y));
    EXPECT_EQ(text(kMaximumLabelItem), "Maximum contact (100%)");
    EXPECT_EQ(text(kSearchedDateItem), "11.08.1999");
    SendDlgItemMessageW(dialog, kPathItem, BM_CLICK, 0, 0);
    EXPECT_EQ(eclipse.History()->UndoableCount(), 2);
    EXPECT_EQ(StepText(eclipse), "Go to the central path");
    EXPECT_GT(eclipse.View().GetZoom(), 1);
    SendDlgItemMessageW(dialog, kLocationItem, BM_CLICK, 0, 0);
    EXPECT_EQ(eclipse.History()->UndoableCount(), 3);
    EXPECT_EQ(eclipse.View().GetZoom(), kEclipseZoomMax);
    EXPECT_NEAR(eclipse.View().GetCentre().longitude, -24.3, 0.5);
}

TEST_F(EclipseWindowTest, FourWheelNotchesInASecondAreOneStep) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    for (int i = 0; i < 4; ++i) {
        PostMessageW(eclipse.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(100, 100));
    }
    // The four notches come before any timer (a posted message goes first);
    // whether the second is over once the map is drawn depends on the
    // machine's load, so it is ended here as its timer ends it.
    Pump();
    EXPECT_EQ(eclipse.View().GetZoom(), 5);
    ASSERT_EQ(eclipse.History()->UndoableCount(), 1);
    EXPECT_EQ(StepText(eclipse), "Zoom to 72\u00B0");
    PostMessageW(eclipse.Handle(), WM_TIMER, SolarEclipseWindow::kMergeTimer, 0);
    Pump();
    EXPECT_FALSE(eclipse.IsMerging());
    PostMessageW(eclipse.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(100, 100));
    Pump();
    EXPECT_EQ(eclipse.History()->UndoableCount(), 2);
    EXPECT_EQ(eclipse.View().GetZoom(), 4);
}

// A new window on the eclipse another window maps opens without mapping it
// again: both read one map.
TEST_F(EclipseWindowTest, ASecondWindowOnTheSameEclipseReadsTheFirstsMap) {
    StartShown();
    SolarEclipseWindow& first = Open(1999, 8, 11);
    const SolarEclipseModel* map = &first.View().Document().Map();
    SolarEclipseWindow& second = Open(1999, 8, 11);
    ASSERT_NE(&second, &first);
    EXPECT_EQ(&second.View().Document().Map(), map);
    SolarEclipseWindow& other = Open(2006, 3, 29);
    EXPECT_NE(&other.View().Document().Map(), map);
}

TEST_F(EclipseWindowTest, ADuplicateShowsTheSameViewOnACopyOfTheDocument) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SolarEclipseActions& actions = app_->GetSolarEclipseActions();
    actions.GoToCentralPath(eclipse.View(), nullptr);
    actions.DisplayDetails(eclipse.View(), MapPoint{-24.3, 45.1}, kDetailsLongitude | kDetailsLatitude, nullptr);
    SendMessageW(eclipse.Display().Window(), WM_COMMAND, CMD_DUPLICATE_WINDOW, 0);
    auto* copy = dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &eclipse);
    EXPECT_EQ(copy->View().GetZoom(), eclipse.View().GetZoom());
    EXPECT_EQ(copy->View().GetCentre().longitude, eclipse.View().GetCentre().longitude);
    EXPECT_EQ(copy->View().GetDetailsPoint().latitude, 45.1);
    EXPECT_NE(&copy->View().Document(), &eclipse.View().Document());
    EXPECT_EQ(frame_->Registry().DocumentCount(kSolarEclipseWindow), 2);
    // A copy: the date of one is not the other's.
    actions.CheckDate(copy->View(), MakeDateTime(2006, 3, 29), nullptr);
    EXPECT_EQ(eclipse.View().Document().Model().date.year, 1999);

    // Closing one leaves the other working; the registry hears once.
    SendMessageW(eclipse.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(frame_->Registry().AllWindows().size(), 1u);
    EXPECT_EQ(frame_->Registry().DocumentCount(kSolarEclipseWindow), 1);
    actions.ZoomTo(copy->View(), 2, nullptr);
    EXPECT_EQ(copy->View().GetZoom(), 2);
    EXPECT_EQ(Title(copy->Handle()), "Solar Eclipse: Central total (29.03.2006)");
}

// "Display Solar Eclipse in Window > Sky": the Sun in a Sky window at the
// eclipse's moment; nothing for a date without an eclipse.
TEST_F(EclipseWindowTest, TheSkyMenuShowsTheSunAtTheEclipse) {
    StartShown();
    SolarEclipseWindow& none = Open(2000, 1, 1);
    SendMessageW(none.Display().Window(), WM_COMMAND, CMD_SHOW_SKY, 0);
    EXPECT_EQ(frame_->Children().ActiveWindow(), &none);
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SendMessageW(eclipse.Display().Window(), WM_COMMAND, CMD_SHOW_SKY, 0);
    auto* sky = dynamic_cast<SkyWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(sky, nullptr);
    EXPECT_EQ(sky->GetSelectedBody().object, SunRecordAt(0));
    EXPECT_EQ(sky->GetDocument().GetTimeAndPlace().dateTime.year, 1999);
}

TEST_F(EclipseWindowTest, WindowsWithTheirViewSurviveARestart) {
    StartShown();
    SolarEclipseWindow& eclipse = Open(1999, 8, 11);
    SolarEclipseActions& actions = app_->GetSolarEclipseActions();
    actions.Center(eclipse.View(), MapPoint{-20.0, 40.0}, nullptr);
    actions.ZoomTo(eclipse.View(), 3, nullptr);
    actions.DisplayDetails(eclipse.View(), MapPoint{-24.3, 45.1}, kDetailsLongitude | kDetailsLatitude, nullptr);
    Open(2006, 3, 29);
    SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
    DrainQuit();

    StartShown();
    ASSERT_EQ(frame_->Registry().DocumentCount(kSolarEclipseWindow), 2);
    auto* first = dynamic_cast<SolarEclipseWindow*>(frame_->Registry().WindowByNumber(kSolarEclipseWindow, 0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->View().Document().Model().date.year, 1999);
    EXPECT_EQ(first->View().GetCentre().longitude, -20.0);
    EXPECT_EQ(first->View().GetCentre().latitude, 40.0);
    EXPECT_EQ(first->View().GetZoom(), 3);
    EXPECT_EQ(first->View().GetDetailsPoint().longitude, -24.3);
    EXPECT_GT(first->View().Details().circumstances.magnitude, 1.0);
}

}  // namespace
}  // namespace corvinata

namespace corvinata {
namespace {

// Keys as the user types them: into the input queue, then through the
// program's own message loop (MDI keys, modeless dialogs, accelerators).
class EclipseKeyboardTest : public EclipseWindowTest {
protected:
    void Keys(std::initializer_list<std::initializer_list<WORD>> chords) { Typed().Keys(chords); }
    void Type(const char* text) { Typed().Type(text); }
    void RunLoop() { Typed().RunLoop(); }
    test::TypedKeys Typed() { return test::TypedKeys(*frame_, modeless_); }
};

TEST_F(EclipseKeyboardTest, OpenSetTheDateZoomDuplicateUndoCloseByKeys) {
    StartShown();
    app_->Current().SetDateTime(MakeDateTime(2000, 1, 1, 12.0, kUniversalTime), false);
    SetForegroundWindow(frame_->Window());
    const auto opened = [this] {
        return dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindow()) != nullptr;
    };
    ASSERT_TRUE(Typed().Steps({{{VK_MENU, 'W'}, test::TypedKeys::MenuOpen},
                               {{'N'}, test::TypedKeys::SubmenuOpen},
                               {{'O'}, opened}}));
    auto* eclipse = dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(eclipse, nullptr);
    EXPECT_FALSE(eclipse->View().HasEclipse());
    // The keys are in the panel: its "Go to eclipse" date, "Go to", and back.
    const HWND panel = frame_->Children().PanelOf(kSolarEclipseWindow)->GetDialogWindow();
    ASSERT_TRUE(RunMessagesUntil([panel] { return IsChild(panel, GetFocus()) != FALSE; }, 5000));
    Keys({{VK_MENU, 'E'}});
    Type("11.08.1999");
    Keys({{VK_MENU, 'G'}, {VK_ESCAPE}});
    EXPECT_TRUE(eclipse->View().HasEclipse());
    EXPECT_EQ(eclipse->View().Document().Model().date.year, 1999);
    EXPECT_EQ(eclipse->History()->UndoableCount(), 1);
    Keys({{VK_CONTROL, VK_ADD}});
    EXPECT_EQ(eclipse->View().GetZoom(), 2);
    PostMessageW(eclipse->Handle(), WM_TIMER, SolarEclipseWindow::kMergeTimer, 0);
    RunLoop();
    EXPECT_TRUE(Typed().Steps({{{VK_SHIFT, VK_F10}, test::TypedKeys::MenuOpen},
                               {{'D'}, [this, eclipse] { return frame_->Children().ActiveWindow() != eclipse; }}}));
    auto* copy = dynamic_cast<SolarEclipseWindow*>(frame_->Children().ActiveWindow());
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, eclipse);
    EXPECT_EQ(copy->View().GetZoom(), 2);
    Keys({{VK_CONTROL, 'Z'}});  // the copy has no step of its own yet
    EXPECT_EQ(copy->View().GetZoom(), 2);
    Keys({{VK_CONTROL, VK_F4}});
    EXPECT_EQ(frame_->Children().ActiveWindow(), eclipse);
    Keys({{VK_CONTROL, 'Z'}});
    EXPECT_EQ(eclipse->View().GetZoom(), 1);
    // A click on the map is undone by the keys at once.
    const MapPoint place = eclipse->View().GetDetailsPoint();
    const PixelRect map = eclipse->View().Projection().MapRect();
    SendMessageW(eclipse->Display().Window(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM((map.left + map.right) / 3, (map.top + map.bottom) / 3));
    EXPECT_NE(eclipse->View().GetDetailsPoint().longitude, place.longitude);
    Keys({{VK_CONTROL, 'Z'}});
    EXPECT_EQ(eclipse->View().GetDetailsPoint().longitude, place.longitude);
}

}  // namespace
}  // namespace corvinata
