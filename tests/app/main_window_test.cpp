// The real morvenko.exe under Wine, driven from outside. Drive D: is the
// run's scratch drive (tests/wine/session.sh).
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/gui_driver.h"
#include "support/scratch.h"

namespace {

const char kCaption[] = "Morvenko 1.01 by the Morvenko project";
const char kWork[] = "D:\\work";

// Morvenko in a folder of its own, with the fake tool beside it or not.
std::string InstallApp(bool with_tool) {
  std::string folder = with_tool ? "D:\\app" : "D:\\app-without-tool";
  fs::create_directories(folder);
  fs::create_directories(kWork);
  std::string exe = folder + "\\morvenko.exe";
  EXPECT_TRUE(CopyFileA(WindowsPath(MORVENKO_EXE).c_str(), exe.c_str(), FALSE));
  if (with_tool) {
    EXPECT_TRUE(
        CopyFileA(WindowsPath(FAKE_TOOL_EXE).c_str(), (folder + "\\bin2ISO.exe").c_str(), FALSE));
  }
  return exe;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(app_.Start(InstallApp(true), kWork)); }

  HWND control(int index) { return app_.Control(index); }
  void SetText(int index, const std::string& text) {
    SendMessageA(control(index), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  void Click(int index) { PostMessageA(control(index), BM_CLICK, 0, 0); }

  Morvenko app_;
};

// Indexes of the controls, in creation order.
enum {
  kStatusLabel,
  kOptionLabel,
  kSourceLabel,
  kTargetLabel,
  kModeList,
  kSourceEdit,
  kSourceBrowse,
  kTargetEdit,
  kTargetBrowse,
  kConvertButton,
  kAboutButton,
  kCloseButton,
};

struct ControlCase {
  const char* class_name;
  const char* text;
  int x, y, width, height;  // a label's size is that of its text, plus one
  DWORD style_mask, style;
  DWORD ex_style_mask, ex_style;
};

const DWORD kLabelStyle = SS_TYPEMASK | SS_NOPREFIX | WS_TABSTOP;
const DWORD kEditStyle = ES_READONLY | ES_AUTOHSCROLL | ES_MULTILINE | WS_HSCROLL | WS_VSCROLL;
const DWORD kButtonStyle = BS_TYPEMASK;

// clang-format off
const ControlCase kControls[] = {
    {"Static", "", 8, 152, 0, 0, kLabelStyle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
    {"Static", "Option", 25, 10, 0, 0, kLabelStyle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
    {"Static", "SOURCE ISO", 8, 48, 0, 0, kLabelStyle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
    {"Static", "Target:", 24, 72, 0, 0, kLabelStyle, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, 0},
    {"ComboBox", "Convert NRG (NERO IMAGE) to ISO", 65, 7, 305, 22, 0x3 | CBS_SORT, CBS_DROPDOWNLIST, 0, 0},
    {"Edit", "", 81, 44, 280, 22, kEditStyle, ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE},
    {"Button", "...", 360, 45, 64, 22, kButtonStyle, BS_PUSHBUTTON, 0, 0},
    {"Edit", "", 81, 70, 280, 22, kEditStyle, ES_READONLY | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE},
    {"Button", "...", 363, 72, 64, 22, kButtonStyle, BS_PUSHBUTTON, 0, 0},
    {"Button", "Convert", 64, 120, 64, 22, kButtonStyle, BS_PUSHBUTTON, 0, 0},
    {"Button", "About", 200, 120, 64, 22, kButtonStyle, BS_PUSHBUTTON, 0, 0},
    {"Button", "Close", 336, 120, 64, 22, kButtonStyle, BS_PUSHBUTTON, 0, 0},
};
// clang-format on

SIZE TextSize(const char* text) {
  HFONT font = CreateFontA(10, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size;
}

TEST_F(MainWindowTest, ShowsItsTwelveControlsCentred) {
  HWND main = app_.main();
  EXPECT_EQ(TextOf(main), kCaption);
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 449);
  EXPECT_EQ(client.bottom, 174);

  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  RECT outer;
  GetWindowRect(main, &outer);
  EXPECT_EQ(outer.left, (1024 - (outer.right - outer.left)) / 2);
  EXPECT_EQ(outer.top, (768 - (outer.bottom - outer.top)) / 2);

  ASSERT_EQ(ChildrenOf(main).size(), 12u);
  for (int i = 0; i < 12; ++i) {
    const ControlCase& c = kControls[i];
    HWND window = control(i);
    SCOPED_TRACE(std::string("control ") + std::to_string(i + 1) + " '" + c.text + "'");
    EXPECT_EQ(ClassOf(window), c.class_name);
    EXPECT_EQ(TextOf(window), c.text);
    RECT rect = RectIn(window, main);
    EXPECT_EQ(rect.left, c.x);
    EXPECT_EQ(rect.top, c.y);
    SIZE expected = {c.width, c.height};
    if (c.width == 0) {
      expected = TextSize(c.text);
      expected.cx += 1;
      expected.cy += 1;
    }
    EXPECT_EQ(rect.right - rect.left, expected.cx);
    EXPECT_EQ(rect.bottom - rect.top, expected.cy);
    DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
    DWORD ex_style = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
    EXPECT_EQ(style & c.style_mask, c.style) << std::hex << style;
    EXPECT_EQ(ex_style & c.ex_style_mask, c.ex_style) << std::hex << ex_style;
    EXPECT_TRUE(style & WS_VISIBLE);
  }

  HWND modes = control(kModeList);
  EXPECT_EQ(SendMessageA(modes, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(modes, CB_GETCURSEL, 0, 0), 0);
  const char* items[] = {"Convert NRG (NERO IMAGE) to ISO", "Convert BIN (e.g from CDRWIN) TO ISO",
                         "Create a CUEFILE from BIN"};
  for (int i = 0; i < 3; ++i) {
    SendMessageA(modes, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
    EXPECT_EQ(TextOf(modes), items[i]);
  }
  SendMessageA(modes, CB_SETCURSEL, 0, 0);
  RECT dropped = {};
  SendMessageA(modes, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  LRESULT item_height = SendMessageA(modes, CB_GETITEMHEIGHT, 0, 0);
  EXPECT_GE(dropped.bottom - dropped.top, 3 * item_height + 2) << "the opened list hides items";

  EXPECT_EQ(app_.Focus(), modes);
  EXPECT_EQ(SendMessageA(main, DM_GETDEFID, 0, 0) >> 16, 0) << "a default button";

  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  EXPECT_TRUE(SaveScreenshot(main, WindowsPath(SCREENSHOT_BMP)));
}

TEST_F(MainWindowTest, TypingChangesNoReadOnlyFieldAndTabMovesNothing) {
  HWND target = control(kTargetEdit);
  HWND source = control(kSourceEdit);
  SetText(kTargetEdit, "D:\\cd\\");
  PostMessageA(target, WM_CHAR, 'x', 1);
  PostMessageA(target, WM_KEYDOWN, VK_BACK, 1);
  PostMessageA(target, WM_CHAR, '\b', 1);
  PostMessageA(target, WM_PASTE, 0, 0);
  PostMessageA(control(kModeList), WM_KEYDOWN, VK_TAB, 1);
  PostMessageA(source, WM_CHAR, '\t', 1);
  PostMessageA(source, WM_CHAR, 'z', 1);  // taken after all the rest
  ASSERT_TRUE(WaitUntil([&] { return TextOf(source) == "z"; })) << TextOf(source);
  EXPECT_EQ(TextOf(target), "D:\\cd\\");
  EXPECT_EQ(app_.Focus(), control(kModeList));
}

// A NER5 image with 32 blocks of track data, from 307,200 to 33,861,632.
const uint64_t kNrgDataEnd = 307200 + 32 * 1048576;
std::string NrgImage() {
  std::string image = PatternBytes(kNrgDataEnd + 4096);
  std::string footer("END!\0\0\0\x0cNER5\0\0\0\0", 16);
  for (int shift = 24; shift >= 0; shift -= 8) footer += static_cast<char>(kNrgDataEnd >> shift);
  image.replace(image.size() - 20, 20, footer);
  return image;
}

TEST_F(MainWindowTest, ConvertsTheNrgTypedIntoTheSourceField) {
  fs::create_directories("D:\\nrg");
  const std::string image = NrgImage();
  WriteBytes("D:\\nrg\\disc.nrg", image);
  fs::remove("D:\\nrg\\disc.iso");
  SetText(kSourceEdit, "D:\\nrg\\disc.nrg");
  Click(kConvertButton);

  // The copy takes the messages sent to its window once a block, so asking
  // for the status text again and again sees the progress as it goes.
  std::vector<std::string> seen;
  HWND box = nullptr;
  while (box == nullptr) {
    char text[64] = "";
    DWORD_PTR ignored;
    ASSERT_TRUE(SendMessageTimeoutA(control(kStatusLabel), WM_GETTEXT, sizeof text,
                                    reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 10000, &ignored))
        << "the window stopped answering";
    if (text[0] != '\0' && (seen.empty() || seen.back() != text)) seen.push_back(text);
    std::vector<HWND> boxes = TopWindowsOf(app_.process_id(), "#32770", kCaption);
    if (!boxes.empty()) box = boxes[0];
  }
  EXPECT_EQ(BoxText(box), "Finish");
  EXPECT_FALSE(BoxHasIcon(box));
  ASSERT_GE(seen.size(), 2u) << "no progress was seen";
  EXPECT_EQ(seen.back(), "finished.");
  uint64_t last = 0;
  for (size_t i = 0; i + 1 < seen.size(); ++i) {
    unsigned long long copied = 0;
    ASSERT_EQ(std::sscanf(seen[i].c_str(), "Copied %llu bytes", &copied), 1) << seen[i];
    EXPECT_EQ(seen[i], "Copied " + std::to_string(copied) + " bytes");
    EXPECT_EQ((copied - 307200) % 1048576, 0u) << copied;
    EXPECT_GT(copied, last);
    last = copied;
  }
  EXPECT_TRUE(ReadBytes("D:\\nrg\\disc.iso") == image.substr(307200, kNrgDataEnd - 307200));

  PressOk(box);
  EXPECT_TRUE(
      WaitUntil([&] { return TopWindowsOf(app_.process_id(), "#32770", nullptr).empty(); }));
  EXPECT_TRUE(IsWindowVisible(app_.main()));
}

// What the fake tool recorded, a line each: command line, folder, whether
// Morvenko's window showed, then the arguments.
std::vector<std::string> ToolLog(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct ToolCase {
  const char* name;
  int mode;
  const char* source;
  const char* target;
  const char* exit_code;
  const char* command_line;
  const char* folder;
  std::vector<std::string> args;
  const char* box_text;
};

// clang-format off
const ToolCase kToolCases[] = {
    {"BinToIso", 1, "D:\\cd\\disc.cue", "D:\\cd\\", "0",
     "bin2ISO.exe D:\\cd\\disc.cue D:\\cd\\", "D:\\cd", {"D:\\cd\\disc.cue", "D:\\cd\\"}, "Finish"},
    {"CueFromBin", 2, "D:\\cd\\disc.bin", "D:\\cd\\", "0",
     "bin2ISO.exe D:\\cd\\disc.cue -c D:\\cd\\", "D:\\cd", {"D:\\cd\\disc.cue", "-c", "D:\\cd\\"}, "Finish"},
    {"PathsWithSpaces", 1, "D:\\my cd\\disc.cue", "D:\\my cd\\", "0",
     "bin2ISO.exe \"D:\\my cd\\disc.cue\" \"D:\\my cd\\\\\"", "D:\\my cd", {"D:\\my cd\\disc.cue", "D:\\my cd\\"}, "Finish"},
    {"EmptyTargetGivesNoFolder", 1, "D:\\cd\\disc.cue", "", "0",
     "bin2ISO.exe D:\\cd\\disc.cue \"\"", kWork, {"D:\\cd\\disc.cue", ""}, "Finish"},
    {"FailingTool", 2, "D:\\cd\\disc.bin", "D:\\cd\\", "3",
     "bin2ISO.exe D:\\cd\\disc.cue -c D:\\cd\\", "D:\\cd", {"D:\\cd\\disc.cue", "-c", "D:\\cd\\"},
     "bin2ISO.exe ended with exit code 3."},
};
// clang-format on

class ToolRunTest : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolRunTest, RunsTheToolWithTheFieldsAndWaits) {
  const ToolCase& c = GetParam();
  fs::create_directories("D:\\cd");
  fs::create_directories("D:\\my cd");
  const std::string log = std::string(kWork) + "\\tool.log";
  fs::remove(log);
  SetEnvironmentVariableA("MORVENKO_FAKE_TOOL_LOG", log.c_str());
  SetEnvironmentVariableA("MORVENKO_FAKE_TOOL_EXIT", c.exit_code);
  Morvenko app;
  ASSERT_TRUE(app.Start(InstallApp(true), kWork));
  SendMessageA(app.Control(kModeList), CB_SETCURSEL, static_cast<WPARAM>(c.mode), 0);
  SendMessageA(app.Control(kSourceEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.source));
  SendMessageA(app.Control(kTargetEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.target));
  PostMessageA(app.Control(kConvertButton), BM_CLICK, 0, 0);

  HWND box = app.WaitForBox(kCaption);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box), c.box_text);
  EXPECT_EQ(BoxHasIcon(box), std::string(c.box_text) != "Finish");
  EXPECT_TRUE(IsWindowVisible(app.main()));
  std::vector<std::string> lines = ToolLog(log);
  ASSERT_GE(lines.size(), 3u) << "the tool did not run";
  EXPECT_EQ(lines[0], c.command_line);
  EXPECT_EQ(lines[1], c.folder);
  EXPECT_EQ(lines[2], "hidden");
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 3, lines.end()), c.args);
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return TopWindowsOf(app.process_id(), "#32770", nullptr).empty(); }));
}

INSTANTIATE_TEST_SUITE_P(Modes, ToolRunTest, ::testing::ValuesIn(kToolCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ToolRunFailureTest, MissingToolIsReported) {
  Morvenko app;
  ASSERT_TRUE(app.Start(InstallApp(false), kWork));
  SendMessageA(app.Control(kModeList), CB_SETCURSEL, 1, 0);
  PostMessageA(app.Control(kConvertButton), BM_CLICK, 0, 0);
  HWND box = app.WaitForBox(kCaption);
  ASSERT_NE(box, nullptr);
  const std::string prefix = "bin2ISO.exe could not be started: ";
  EXPECT_EQ(BoxText(box).rfind(prefix, 0), 0u) << BoxText(box);
  EXPECT_GT(BoxText(box).size(), prefix.size() + 1);
  EXPECT_TRUE(BoxHasIcon(box));
  PressOk(box);
}

TEST_F(MainWindowTest, AboutBoxesLeaveTheWindowUsable) {
  Click(kAboutButton);
  HWND box = app_.WaitForBox("Description");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box),
            "Morvenko can convert NERO and BIN ISO to standard ISO image\r\n"
            "bin2ISO.exe, placed beside Morvenko, does the BIN conversions.\r\n"
            "Help and source: see README.txt beside the program.");
  EXPECT_TRUE(BoxHasIcon(box));
  EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
  EXPECT_TRUE(IsWindowEnabled(app_.main()));
  Click(kAboutButton);
  EXPECT_TRUE(WaitUntil(
      [&] { return TopWindowsOf(app_.process_id(), "#32770", "Description").size() == 2; }));
  for (HWND each : TopWindowsOf(app_.process_id(), "#32770", "Description")) PressOk(each);
  EXPECT_TRUE(
      WaitUntil([&] { return TopWindowsOf(app_.process_id(), "#32770", nullptr).empty(); }));
}

struct CloseCase {
  const char* name;
  void (*close)(HWND main, HWND close_button);
};

const CloseCase kCloseCases[] = {
    {"CloseButton", [](HWND, HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }},
    {"CloseMessage", [](HWND main, HWND) { PostMessageA(main, WM_CLOSE, 0, 0); }},
    {"SystemMenu", [](HWND main, HWND) { PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {"AltF4", [](HWND main, HWND) { PostMessageA(main, WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29)); }},
};

class CloseTest : public ::testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, EndsTheProcessWithExitCodeZero) {
  Morvenko app;
  ASSERT_TRUE(app.Start(InstallApp(true), kWork));
  GetParam().close(app.main(), app.Control(kCloseButton));
  EXPECT_EQ(app.WaitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(AllWays, CloseTest, ::testing::ValuesIn(kCloseCases),
                         [](const auto& test) { return std::string(test.param.name); });

// Sets a screen size for the life of one test; the registry's size after.
class ScreenSize {
 public:
  ScreenSize(DWORD width, DWORD height) {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = width;
    mode.dmPelsHeight = height;
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    changed_ = ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
  }
  ~ScreenSize() { ChangeDisplaySettingsA(nullptr, 0); }
  bool changed() const { return changed_; }

 private:
  bool changed_;
};

// Division rounded down, for negative numbers too.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

// A screen smaller than the window: it starts partly off the screen.
TEST(SmallScreenTest, WindowStartsAtANegativeCoordinate) {
  ScreenSize screen(320, 200);
  ASSERT_TRUE(screen.changed());
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 320);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 200);
  Morvenko app;
  ASSERT_TRUE(app.Start(InstallApp(true), kWork));
  RECT outer;
  GetWindowRect(app.main(), &outer);
  EXPECT_LT(outer.left, 0);
  EXPECT_LT(outer.top, 0);
  EXPECT_EQ(outer.left, FloorHalf(320 - (outer.right - outer.left)));
  EXPECT_EQ(outer.top, FloorHalf(200 - (outer.bottom - outer.top)));
}

}  // namespace
