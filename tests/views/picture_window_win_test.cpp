// The Picture window in the real frame over the program's own pack and a
// second pack registered the way an installer registers one.
#include "views/picture_window_win.h"
#include "tools/object_info_window_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/bmp_image.h"
#include "app/help_topics_win.h"
#include "catalog/catalogue_registry.h"
#include "frame/frame_test.h"
#include "controls/program_fonts.h"
#include "frame/window_kinds.h"
#include "frame/modal_driver.h"
#include "frame/typed_keys.h"
#include "resources/picture_ids.h"
#include "resources/resource_ids.h"
#include "generated/picture_references.h"
#include "support/drawn_pixels_win.h"
#include "support/picture_references.h"
#include "support/test_text.h"
#include "support/list_view_rows_win.h"

namespace corvinata {
namespace {

using test::ModalDriver;

// The temporary folder: the test program's own, where the program's folder
// is shared with the program's other shards running at the same time.
std::wstring TempFolder() {
    wchar_t path[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, path);
    return path;
}

std::wstring SecondPackFolder() { return TempFolder() + L"TestPicPack"; }

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// A 40 x 30 picture of one colour, and the pack's contents naming no body.
void WriteSecondPack() {
    CreateDirectoryW(SecondPackFolder().c_str(), nullptr);
    const BmpLayout layout = BmpLayoutFor(40, 30, 24);
    std::vector<std::uint8_t> image = BmpHeaders(40, 30, layout);
    image.resize(layout.fileSize, 0);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            std::uint8_t* pixel = image.data() + layout.pixelOffset + y * layout.rowSize + x * 3;
            pixel[0] = 40, pixel[1] = 60, pixel[2] = 200;  // blue, green, red
        }
    }
    WriteBytes(SecondPackFolder() + L"\\small.bmp", std::string(image.begin(), image.end()));
    WriteBytes(SecondPackFolder() + L"\\contents.txt",
               "[Format]\r\n1.01\r\n[Name]\r\nTest Pack\r\n[Files]\r\nsmall.bmp:Small square\r\n");
}

// What an installer does: a .reg file under the maker's key, imported.
void RegisterSecondPack() {
    std::string folder = test::Utf8(SecondPackFolder().c_str());
    std::string escaped;
    for (char c : folder) escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
    const std::wstring regFile = TempFolder() + L"test_picpack.reg";
    WriteBytes(regFile, "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Corvinata Software\\Test PicPack]\r\n"
                        "\"Type\"=\"PicPack\"\r\n\"Dir\"=\"" + escaped + "\"\r\n");
    std::wstring line = L"reg.exe import \"" + regFile + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The client area as the window draws it, 0x00RRGGBB, rows from the top.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    bool RowBlack(int y) const {
        for (int x = 0; x < width; ++x)
            if (At(x, y) != 0) return false;
        return true;
    }
    // The smallest rectangle holding every pixel that is not black.
    RECT Painted() const {
        RECT r{width, height, -1, -1};
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (At(x, y) == 0) continue;
                r.left = std::min<LONG>(r.left, x), r.right = std::max<LONG>(r.right, x);
                r.top = std::min<LONG>(r.top, y), r.bottom = std::max<LONG>(r.bottom, y);
            }
        }
        return r;
    }
};

template <class Paint>
Capture CaptureDrawing(int width, int height, Paint paint) {
    Capture capture;
    capture.width = width;
    capture.height = height;
    capture.pixels = test::DrawnPixels(width, height, paint);
    return capture;
}

Capture CaptureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return CaptureDrawing(client.right, client.bottom, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

// The mean colour of the 5 x 5 pixels around a point.
void MeanColour(const Capture& c, int x, int y, int (&rgb)[3]) {
    rgb[0] = rgb[1] = rgb[2] = 0;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const std::uint32_t p = c.At(x + dx, y + dy);
            rgb[0] += static_cast<int>((p >> 16) & 0xFF), rgb[1] += static_cast<int>((p >> 8) & 0xFF);
            rgb[2] += static_cast<int>(p & 0xFF);
        }
    }
    for (int& channel : rgb) channel /= 25;
}

void SetClientSize(HWND window, int width, int height) {
    RECT outer{};
    RECT client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    SetWindowPos(window, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                 height + (outer.bottom - outer.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

std::string Caption(HWND window) {
    wchar_t text[200] = {};
    GetWindowTextW(window, text, 200);
    return test::Utf8(text);
}

class PictureWindowTest : public test::FrameTest {
protected:
    PictureWindowTest() {
        WriteSecondPack();
        RegisterSecondPack();
        StartProgram();
    }
    // The windows close before the frame goes, as they do when the user quits.
    ~PictureWindowTest() override {
        if (frame_ && frame_->Window()) Command(CMD_CLOSE_ALL);
        frame_.reset();
        fonts_.reset();
    }

    // As the program starts: the packs beside the program, then the kinds.
    void StartProgram() {
        frame_.reset();
        app_.reset();
        app_ = std::make_unique<Application>(std::make_unique<Win32StorageService>(),
                                             GetProgramDirectory(GetModuleHandleW(nullptr)), ApplicationHooks{});
        ASSERT_TRUE(StartApplication(*app_));
        frame_ = std::make_unique<FrameWindow>(*app_, GetModuleHandleW(nullptr), modeless_, false);
        frame_->SetOfferWelcome(false);
        frame_->SetShowOnCreate(false);
        ASSERT_TRUE(frame_->Create());
        if (!fonts_) fonts_ = std::make_unique<ProgramFonts>(GetModuleHandleW(nullptr));
        AddProgramWindowKinds(*frame_, *app_, GetModuleHandleW(nullptr), *fonts_);
        SendMessageW(frame_->Window(), kStartupMessage, 0, 0);
    }
    // The user closes the program (the session is written) and starts it again.
    void Restart() {
        SendMessageW(frame_->Window(), WM_CLOSE, 0, 0);
        frame_.reset();
        app_.reset();
        DrainQuit();
        StartProgram();
    }

    PictureWindowKind& Kind() { return *GetPictureKind(*frame_); }
    PictureWindow* Active() { return Kind().FindActivePictureWindow(); }
    PictureWindow& Open() {
        Command(CMD_NEW_PICTURE);
        PictureWindow* window = Active();
        EXPECT_NE(window, nullptr);
        return *window;
    }
    const PicturePack& Pack(int index) { return app_->PicturePacks()[static_cast<std::size_t>(index)]; }
    PictureRef Ref(int pack, const wchar_t* file) { return PictureRef{Pack(pack).directory, String(file)}; }
    void Show(PictureWindow& window, const PictureRef& ref) {
        app_->GetPictureActions().ShowPicture(window, ref, nullptr);
    }
    HWND PanelList() {
        return GetDlgItem(Kind().GetPictureControlPanel()->GetDialogWindow(), IDC_PIC_LIST);
    }
    int SelectedRow(HWND list) {
        return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    std::string Cell(HWND list, int row, int column) { return test::ListItemText(list, row, column); }
    std::string UndoText(PictureWindow& window) {
        const CommandGroup* step = window.History()->PeekUndoCommand();
        return step ? test::Utf8(step->GetText(false).Text()) : std::string();
    }

    std::unique_ptr<ProgramFonts> fonts_;
};

TEST_F(PictureWindowTest, PackPicturesDecodeAtTheirPixelSizes) {
    struct Case {
        const wchar_t* file;
        LONG width, height;
    };
    const Case cases[] = {
        {L"m001.jpg", 1024, 640}, {L"m042.jpg", 1024, 640}, {L"m051.jpg", 1024, 640},
        {L"m057.jpg", 1024, 640}, {L"m104.jpg", 1024, 640}, {L"jupiter_1024x512.jpg", 1024, 512},
        {L"saturn_1024x512.jpg", 1024, 512},
    };
    HDC screen = GetDC(nullptr);
    ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSX), 96);
    for (const Case& c : cases) {
        PictureSource source;
        const std::wstring path = test::Wide(test::Utf8(Pack(0).directory.Text())) + L"\\" + c.file;
        source.SetPath(path.c_str());
        ASSERT_TRUE(source.Load(nullptr)) << test::Utf8(c.file);
        const SIZE size = source.PixelSize();
        EXPECT_EQ(size.cx, c.width) << test::Utf8(c.file);
        EXPECT_EQ(size.cy, c.height) << test::Utf8(c.file);
    }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(Pack(0).entries.size(), 7u);
    ASSERT_EQ(app_->PicturePacks().size(), 2u);
    EXPECT_EQ(test::Utf8(Pack(1).name.Text()), "Test Pack");
}

TEST_F(PictureWindowTest, NewWindowShowsOrionShrunkAndCentredWithBlackRowsAboveAndBelow) {
    PictureWindow& window = Open();
    EXPECT_EQ(Caption(window.Handle()), "Picture: Orion Nebula (M42)");
    SetClientSize(window.Handle(), 400, 400);
    const Capture shown = CaptureClient(window.Handle());
    ASSERT_EQ(shown.width, 400);
    ASSERT_EQ(shown.height, 400);
    // 1024 x 640 into 400 wide: 250 rows of picture, 75 black ones each side.
    int blackAbove = 0;
    while (blackAbove < 400 && shown.RowBlack(blackAbove)) ++blackAbove;
    int blackBelow = 0;
    while (blackBelow < 400 && shown.RowBlack(399 - blackBelow)) ++blackBelow;
    EXPECT_NEAR(blackAbove, 75, 1);
    EXPECT_NEAR(blackBelow, 75, 1);
    // The centre is the photograph's centre, within what scaling and JPEG allow.
    PictureSource source;
    source.SetPath((test::Wide(test::Utf8(Pack(0).directory.Text())) + L"\\m042.jpg").c_str());
    ASSERT_TRUE(source.Load(nullptr));
    const Capture original = CaptureDrawing(1024, 640, [&source](HDC dc) { source.Render(dc, 0, 0, 1024, 640); });
    int expected[3];
    int actual[3];
    MeanColour(original, 512, 320, expected);
    MeanColour(shown, 200, 200, actual);
    for (int channel = 0; channel < 3; ++channel) EXPECT_NEAR(actual[channel], expected[channel], 40) << channel;
}

// The captured client's pixels in a rectangle, as a picture.
PictureImage Crop(const Capture& c, int left, int top, int width, int height) {
    PictureImage image;
    image.width = width;
    image.height = height;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const std::uint32_t p = c.At(x, y);
            image.bgr.push_back(static_cast<std::uint8_t>(p & 0xFF));
            image.bgr.push_back(static_cast<std::uint8_t>((p >> 8) & 0xFF));
            image.bgr.push_back(static_cast<std::uint8_t>((p >> 16) & 0xFF));
        }
    }
    return image;
}

// Every photograph and map of the pack shows its file's own pixels: at its
// size pixel for pixel, shrunk to half as the average of each square of
// four, never with coloured fringes along its edges.
TEST_F(PictureWindowTest, PicturesShowTheirFilesOwnPixelsAtTheirSizeAndShrunk) {
    PictureWindow& window = Open();
    for (const picture_references::Reference& picture : picture_references::kPictures) {
        if (!FindPictureByName(app_->PicturePacks(), String(test::Wide(picture.file).c_str()))) continue;
        SCOPED_TRACE(picture.file);
        Show(window, Ref(0, test::Wide(picture.file).c_str()));
        const PictureImage reference = test::ReferencePixels(picture.file, picture.width, picture.height);
        ASSERT_FALSE(reference.IsEmpty());
        for (int divisor : {1, 2}) {
            const int width = picture.width / divisor;
            const int height = picture.height / divisor;
            // As wide as the picture is drawn: five black rows above and below.
            SetClientSize(window.Handle(), width, height + 10);
            const Capture shown = CaptureClient(window.Handle());
            ASSERT_EQ(shown.width, width);
            const test::PixelDifference d = test::ComparePixels(
                Crop(shown, 0, 5, width, height).bgr, ResamplePicture(reference, width, height).bgr);
            EXPECT_TRUE(test::WithinJpegRounding(d)) << divisor << ": " << d.largest << " " << d.beyondOne;
        }
    }
}

TEST_F(PictureWindowTest, SmallPictureKeepsItsSizeUntilItIsScaledToFillTheWindow) {
    PictureWindow& window = Open();
    Show(window, Ref(1, L"small.bmp"));
    EXPECT_EQ(Caption(window.Handle()), "Picture: Small square");
    SetClientSize(window.Handle(), 400, 200);
    RECT painted = CaptureClient(window.Handle()).Painted();
    EXPECT_EQ(painted.left, 180);
    EXPECT_EQ(painted.top, 85);
    EXPECT_EQ(painted.right - painted.left + 1, 40);
    EXPECT_EQ(painted.bottom - painted.top + 1, 30);
    app_->GetPictureActions().ChangeOptions(window, true, 0, nullptr);
    painted = CaptureClient(window.Handle()).Painted();
    EXPECT_EQ(painted.top, 0);
    EXPECT_EQ(painted.bottom, 199);
    EXPECT_NEAR(painted.right - painted.left + 1, 266, 1);
}

TEST_F(PictureWindowTest, PictureThatCannotBeFoundLeavesTheWindowBlackAndUndoBringsTheOldOneBack) {
    PictureWindow& window = Open();
    ASSERT_TRUE(window.HasPicture());
    Show(window, Ref(0, L"missing.jpg"));
    EXPECT_EQ(Caption(window.Handle()), "Picture: <Picture not found>");
    EXPECT_FALSE(window.HasPicture());
    const Capture shown = CaptureClient(window.Handle());
    EXPECT_EQ(shown.Painted().right, -1);  // nothing but black
    // A listed file that does not decode is shown as not found as well.
    WriteBytes(SecondPackFolder() + L"\\small.bmp", "not a picture");
    Show(window, Ref(1, L"small.bmp"));
    EXPECT_EQ(Caption(window.Handle()), "Picture: <Picture not found>");
    EXPECT_EQ(CaptureClient(window.Handle()).Painted().right, -1);
    Command(CMD_UNDO);
    Command(CMD_UNDO);
    EXPECT_EQ(Caption(window.Handle()), "Picture: Orion Nebula (M42)");
    EXPECT_TRUE(window.HasPicture());
}

TEST_F(PictureWindowTest, ContextMenuEnablesWhatTheBodyAndTheProgramAllow) {
    PictureWindow& window = Open();
    struct Case {
        const wchar_t* file;
        int pack;
        bool sky, solarSystem;
        bool named;
    };
    const Case cases[] = {
        {L"m042.jpg", 0, true, false, true},
        {L"jupiter_1024x512.jpg", 0, true, true, true},
        {L"small.bmp", 1, false, false, false},
    };
    const auto grayed = [](HMENU menu, int id) { return (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
    // The program offers Sky and Solar System windows and Object Info.
    for (const Case& c : cases) {
        Show(window, Ref(c.pack, c.file));
        HMENU menu = window.PrepareContextMenu();
        EXPECT_EQ(!grayed(menu, CMD_SHOW_SKY), c.sky) << test::Utf8(c.file);
        EXPECT_EQ(!grayed(menu, CMD_SHOW_SOLAR_SYSTEM), c.solarSystem) << test::Utf8(c.file);
        EXPECT_EQ(!grayed(menu, CMD_SHOW_OBJECT_INFO), c.named) << test::Utf8(c.file);
        if (c.named) {
            SendMessageW(window.Handle(), WM_COMMAND, CMD_SHOW_OBJECT_INFO, 0);
            ASSERT_NE(GetObjectInfoWindow(), nullptr);
            EXPECT_EQ(GetObjectInfoWindow()->State().selectedBody.object, window.GetModel().GetBody().object);
        }
        wchar_t text[100] = {};
        GetMenuStringW(menu, 0, text, 100, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text).find(L"unknown object") == std::wstring::npos, c.named) << test::Utf8(text);
    }
}

// The menu's items in their order, the separators among them.
TEST_F(PictureWindowTest, ContextMenuListsItsItemsWithBothSeparators) {
    PictureWindow& window = Open();
    HMENU menu = window.PrepareContextMenu();
    ASSERT_NE(menu, nullptr);
    const int expected[] = {-1, 0, CMD_SHOW_OBJECT_INFO, CMD_PICTURE_OPTIONS, 0, CMD_DUPLICATE_WINDOW};
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(std::size(expected)));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        ASSERT_TRUE(GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &item));
        if (expected[i] == -1) {
            ASSERT_NE(item.hSubMenu, nullptr) << i;
            EXPECT_EQ(GetMenuItemID(item.hSubMenu, 0), static_cast<UINT>(CMD_SHOW_SKY));
            EXPECT_EQ(GetMenuItemID(item.hSubMenu, 1), static_cast<UINT>(CMD_SHOW_SOLAR_SYSTEM));
        } else if (expected[i] == 0) {
            EXPECT_TRUE(item.fType & MFT_SEPARATOR) << i;
        } else {
            EXPECT_EQ(item.wID, static_cast<UINT>(expected[i])) << i;
        }
    }
}

TEST_F(PictureWindowTest, PictureChosenInThePanelByKeysIsOneUndoStep) {
    ShowWindow(frame_->Window(), SW_SHOWNORMAL);
    SetForegroundWindow(frame_->Window());
    Command(CMD_SHOW_PICTURE);  // Window > Picture opens one when none is open
    PictureWindow* window = Active();
    ASSERT_NE(window, nullptr);
    HWND list = PanelList();
    ASSERT_TRUE(IsWindowVisible(Kind().GetPictureControlPanel()->GetDialogWindow()));
    EXPECT_EQ(ListView_GetItemCount(list), 8);
    const int shownRow = SelectedRow(list);
    ASSERT_GE(shownRow, 0);
    EXPECT_EQ(Cell(list, shownRow, 2), "Orion Nebula (M42)");
    // The new window hands the keys to its panel, whose first control is
    // the list: the user's arrow key moves to the next picture.
    ASSERT_TRUE(RunMessagesUntil([list] { return GetFocus() == list; }, 5000));
    test::TypedKeys(*frame_, modeless_).Keys({{VK_DOWN}});
    const int chosenRow = SelectedRow(list);
    ASSERT_EQ(chosenRow, shownRow + 1);
    const std::string chosen = Cell(list, chosenRow, 2);
    EXPECT_EQ(Caption(window->Handle()), "Picture: " + chosen);
    EXPECT_EQ(UndoText(*window), "Show Picture of " + chosen);
    EXPECT_EQ(window->History()->UndoableCount(), 1);
    Command(CMD_UNDO);
    EXPECT_EQ(Caption(window->Handle()), "Picture: Orion Nebula (M42)");
    EXPECT_EQ(SelectedRow(list), shownRow);
    EXPECT_EQ(window->History()->UndoableCount(), 0);
}

TEST_F(PictureWindowTest, PictureOptionsRecordOnlyAChangeAndCancelLeavesTheWindow) {
    PictureWindow& window = Open();
    struct Case {
        bool tick;
        int button;
        bool fit;
        int steps;
    };
    const Case cases[] = {{false, IDOK, false, 0}, {true, IDCANCEL, false, 0}, {true, IDOK, true, 1}};
    for (const Case& c : cases) {
        ModalDriver::Run(
            [&c](ModalDriver& driver, HWND) {
                if (c.tick) driver.Click(IDC_PIC_SCALE_TO_FIT);
                driver.Click(c.button);
            },
            [&window] {
                window.ChangePictureOptions();
                return 0;
            });
        EXPECT_EQ(window.GetFitToWindow(), c.fit) << c.button;
        EXPECT_EQ(window.History()->UndoableCount(), c.steps) << c.button;
    }
    EXPECT_EQ(UndoText(window), "Change Picture Options");
    Command(CMD_UNDO);
    EXPECT_FALSE(window.GetFitToWindow());
}

TEST_F(PictureWindowTest, DuplicateOfAMaximizedWindowIsMaximizedWithTheSameOptionAndPicture) {
    PictureWindow& original = Open();
    Show(original, Ref(0, L"m051.jpg"));
    app_->GetPictureActions().ChangeOptions(original, true, 0, nullptr);
    SendMessageW(frame_->MdiClient(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(original.Handle()), 0);
    SendMessageW(original.Handle(), WM_COMMAND, CMD_DUPLICATE_WINDOW, 0);
    PictureWindow* copy = Active();
    ASSERT_NE(copy, nullptr);
    ASSERT_NE(copy, &original);
    EXPECT_TRUE(IsZoomed(copy->Handle()));
    EXPECT_TRUE(copy->GetFitToWindow());
    EXPECT_EQ(Caption(copy->Handle()), "Picture: Whirlpool Galaxy (M51)");
    EXPECT_EQ(frame_->Registry().DocumentCount(kPictureWindow), 2);
    // Each window has its own document and history.
    Show(*copy, Ref(0, L"m057.jpg"));
    EXPECT_EQ(Caption(original.Handle()), "Picture: Whirlpool Galaxy (M51)");
}

TEST_F(PictureWindowTest, InstalledPicPacksListsBothPacksAndKeepsRowAndWidthsAfterARestart) {
    Open();
    HWND panel = Kind().GetPictureControlPanel()->GetDialogWindow();
    const auto openDialog = [panel] {
        SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_PIC_PACKS_BUTTON, BN_CLICKED), 0);
        return 0;
    };
    ModalDriver::Run(
        [this](ModalDriver& driver, HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_PIC_LIST);
            ASSERT_EQ(ListView_GetItemCount(list), 2);
            EXPECT_EQ(Cell(list, 0, 0), "Corvinata Pictures");
            EXPECT_EQ(Cell(list, 0, 1), "7");
            EXPECT_EQ(Cell(list, 0, 2), test::Utf8(Pack(0).directory.Text()));
            EXPECT_EQ(Cell(list, 1, 0), "Test Pack");
            EXPECT_EQ(Cell(list, 1, 1), "1");
            EXPECT_EQ(Cell(list, 1, 2), test::Utf8(SecondPackFolder().c_str()));
            EXPECT_EQ(SelectedRow(list), 0);
            ListView_SetColumnWidth(list, 0, 222);
            ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
            ListView_SetItemState(list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            driver.Click(IDOK);
        },
        openDialog);
    Restart();
    Open();
    panel = Kind().GetPictureControlPanel()->GetDialogWindow();
    ModalDriver::Run(
        [this](ModalDriver& driver, HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_PIC_LIST);
            EXPECT_EQ(SelectedRow(list), 1);
            EXPECT_EQ(ListView_GetColumnWidth(list, 0), 222);
            // Esc: the dialog's own Cancel.
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, 0), 0);
            driver.Pump();
        },
        [panel] {
            SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_PIC_PACKS_BUTTON, BN_CLICKED), 0);
            return 0;
        });
    // A damaged stored row selects nothing, never every row.
    app_->PicPackList().selectedItem = -1;
    ModalDriver::Run(
        [](ModalDriver& driver, HWND dialog) {
            EXPECT_EQ(ListView_GetSelectedCount(GetDlgItem(dialog, IDC_PIC_LIST)), 0u);
            driver.Click(IDOK);
        },
        [panel] {
            SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_PIC_PACKS_BUTTON, BN_CLICKED), 0);
            return 0;
        });
    EXPECT_EQ(app_->PicPackList().selectedItem, 0);
}

TEST_F(PictureWindowTest, RestartBringsTheWindowBackWithItsPictureAndOption) {
    PictureWindow& window = Open();
    Show(window, Ref(0, L"m051.jpg"));
    app_->GetPictureActions().ChangeOptions(window, true, 0, nullptr);
    Restart();
    PictureWindow* restored = Active();
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(Caption(restored->Handle()), "Picture: Whirlpool Galaxy (M51)");
    EXPECT_TRUE(restored->GetFitToWindow());
    EXPECT_TRUE(restored->HasPicture());
    EXPECT_EQ(Kind().GetPictureControlPanel()->GetAttachedWindow(), static_cast<PanelWindow*>(restored));
}

TEST_F(PictureWindowTest, BodyIsShownInAPictureWindowWhenAPackHasItsPicture) {
    const PictureEntry* jupiter = FindPictureByName(app_->PicturePacks(), String(L"jupiter_1024x512.jpg"));
    ASSERT_NE(jupiter, nullptr);
    const CelestialObject* planet = GetCatalogueObject(jupiter->bodyType, jupiter->bodyNumber);
    ASSERT_NE(planet, nullptr);
    EXPECT_FALSE(Kind().ShowPictureWindowOfBody(BodyIdentifierFromObject(GetCatalogueObject(kBodySun, 0))));
    EXPECT_EQ(Active(), nullptr);
    ASSERT_TRUE(Kind().ShowPictureWindowOfBody(BodyIdentifierFromObject(planet)));
    ASSERT_NE(Active(), nullptr);
    EXPECT_EQ(Caption(Active()->Handle()), "Picture: Jupiter (map of the planet)");
    // A window made for the picture starts with it.
    EXPECT_EQ(Active()->History()->UndoableCount(), 0);
}

TEST_F(PictureWindowTest, PanelListFollowsThePaneHeight) {
    Open();
    HWND panel = Kind().GetPictureControlPanel()->GetDialogWindow();
    const auto listHeight = [this] {
        RECT r{};
        GetWindowRect(PanelList(), &r);
        return r.bottom - r.top;
    };
    const auto countTop = [panel] {
        RECT r{};
        GetWindowRect(GetDlgItem(panel, IDC_PIC_PACK_COUNT), &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
        return r.top;
    };
    SetWindowPos(frame_->Window(), nullptr, 0, 0, 900, 900, SWP_NOZORDER | SWP_NOACTIVATE);
    const LONG tall = listHeight();
    const LONG tallCount = countTop();
    SetWindowPos(frame_->Window(), nullptr, 0, 0, 900, 700, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(tall - listHeight(), 200);
    EXPECT_EQ(tallCount - countTop(), 200);
}

}  // namespace
}  // namespace corvinata
