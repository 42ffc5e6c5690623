// The two "..." buttons of the real morvenko.exe under Wine: the system's
// dialogs are driven from outside like the main window.
#include <windows.h>

#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/gui_driver.h"
#include "support/scratch.h"

namespace {

const char kPick[] = "D:\\pick";
const char kToolLog[] = "D:\\pick\\tool.log";

// Control indexes in creation order, and ids in the system's dialogs.
enum { kModeList = 4, kSourceEdit = 5, kSourceBrowse = 6, kTargetEdit = 7, kTargetBrowse = 8 };
const int kFileTypeId = 0x470;
const int kLookInId = 0x471;
const int kFileNameId = 0x47c;
const int kFolderTreeId = 0x3741;

class ChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(kPick);
    fs::remove(kToolLog);
    SetEnvironmentVariableA("MORVENKO_FAKE_TOOL_LOG", kToolLog);
    SetEnvironmentVariableA("MORVENKO_FAKE_TOOL_EXIT", "0");
    fs::create_directories(std::string(kPick) + "\\sub");
    for (const char* name : {"a.nrg", "b.cue", "c.bin", "d.txt", "sub\\e.cue", "sub\\e.nrg"}) {
      WriteBytes(std::string(kPick) + "\\" + name, "x");
    }
    std::string exe = std::string(kPick) + "\\app\\morvenko.exe";
    fs::create_directories(std::string(kPick) + "\\app");
    ASSERT_TRUE(CopyFileA(WindowsPath(MORVENKO_EXE).c_str(), exe.c_str(), FALSE));
    ASSERT_TRUE(CopyFileA(WindowsPath(FAKE_TOOL_EXE).c_str(),
                          (std::string(kPick) + "\\app\\bin2ISO.exe").c_str(), FALSE));
    ASSERT_TRUE(app_.Start(exe, kPick));
  }

  HWND control(int index) { return app_.Control(index); }
  void SetText(int index, const char* text) {
    SendMessageA(control(index), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
  }
  std::string Text(int index) { return TextOf(control(index)); }
  HWND ClickForDialog(int button) {
    PostMessageA(control(button), BM_CLICK, 0, 0);
    return app_.WaitForBox(nullptr);
  }
  bool DialogGone() {
    return WaitUntil([&] { return TopWindowsOf(app_.process_id(), "#32770", nullptr).empty(); });
  }
  // The file names the open dialog lists, once it has listed any.
  std::set<std::string> Listed(HWND dialog) {
    HWND list = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr,
                              "SysListView32", nullptr);
    std::vector<std::string> names;
    WaitUntil([&] {
      names = ListViewTexts(app_.process(), list);
      return !names.empty();
    });
    return std::set<std::string>(names.begin(), names.end());
  }
  HWND FileNameEdit(HWND dialog) {
    HWND box = GetDlgItem(dialog, kFileNameId);
    return FindWindowExA(FindWindowExA(box, nullptr, "ComboBox", nullptr), nullptr, "Edit",
                         nullptr);
  }
  // Types a name into the dialog once it has listed its folder, and OKs it.
  void Choose(HWND dialog, const char* name) {
    Listed(dialog);
    SendMessageA(FileNameEdit(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  }
  // The dialog opens where the system remembers the last choice; tests that
  // need a folder go there first, as a user would by typing it.
  void GoToPick(HWND dialog) {
    Choose(dialog, kPick);
    EXPECT_TRUE(WaitUntil([&] { return TextOf(GetDlgItem(dialog, kLookInId)) == "pick"; }));
  }

  Morvenko app_;
};

struct ModeCase {
  int mode;
  const char* display;
  const char* file;
};

TEST_F(ChooserTest, OpenDialogListsTheModesFilesAndFillsBothFields) {
  const ModeCase cases[] = {{0, "NERO NRG", "a.nrg"}, {1, "CUEFILE", "b.cue"}, {2, "BIN", "c.bin"}};
  for (const ModeCase& c : cases) {
    SCOPED_TRACE(c.display);
    SendMessageA(control(kModeList), CB_SETCURSEL, static_cast<WPARAM>(c.mode), 0);
    SetText(kTargetEdit, "X:\\elsewhere\\");
    HWND dialog = ClickForDialog(kSourceBrowse);
    ASSERT_NE(dialog, nullptr);
    GoToPick(dialog);
    HWND types = GetDlgItem(dialog, kFileTypeId);
    EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 1);
    EXPECT_EQ(TextOf(types), c.display);
    EXPECT_EQ(Listed(dialog), std::set<std::string>({"app", "sub", c.file}));
    Choose(dialog, c.file);
    ASSERT_TRUE(DialogGone());
    EXPECT_EQ(Text(kSourceEdit), std::string(kPick) + "\\" + c.file);
    EXPECT_EQ(Text(kTargetEdit), std::string(kPick) + "\\");
  }
}

TEST_F(ChooserTest, RemembersTheNameAfterOkAndForgetsItAfterCancel) {
  SendMessageA(control(kModeList), CB_SETCURSEL, 1, 0);
  HWND dialog = ClickForDialog(kSourceBrowse);
  ASSERT_NE(dialog, nullptr);
  Choose(dialog, "D:\\pick\\sub\\e.cue");
  ASSERT_TRUE(DialogGone());
  EXPECT_EQ(Text(kSourceEdit), "D:\\pick\\sub\\e.cue");

  // The system opens the remembered path's folder and shows its file name.
  SendMessageA(control(kModeList), CB_SETCURSEL, 0, 0);
  dialog = ClickForDialog(kSourceBrowse);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(GetDlgItem(dialog, kLookInId)), "sub");
  EXPECT_EQ(TextOf(FileNameEdit(dialog)), "e.cue");
  EXPECT_EQ(Listed(dialog), std::set<std::string>({"e.nrg"}));
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(DialogGone());
  EXPECT_EQ(Text(kSourceEdit), "D:\\pick\\sub\\e.cue");
  EXPECT_EQ(Text(kTargetEdit), "D:\\pick\\sub\\");

  dialog = ClickForDialog(kSourceBrowse);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(TextOf(FileNameEdit(dialog)), "");
  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(DialogGone());
}

TEST_F(ChooserTest, TargetBrowseWithAnEmptySourceOpensNothing) {
  SetText(kTargetEdit, "D:\\pick\\");
  PostMessageA(control(kTargetBrowse), BM_CLICK, 0, 0);
  PostMessageA(control(kSourceEdit), WM_CHAR, 'z', 1);  // taken after the click
  ASSERT_TRUE(WaitUntil([&] { return Text(kSourceEdit) == "z"; }));
  EXPECT_TRUE(TopWindowsOf(app_.process_id(), "#32770", nullptr).empty());
  EXPECT_EQ(Text(kTargetEdit), "D:\\pick\\");
}

TEST_F(ChooserTest, FolderDialogOpensOnTheTargetFolder) {
  SetText(kSourceEdit, "D:\\pick\\b.cue");
  SetText(kTargetEdit, "D:\\pick\\");
  for (int button : {IDCANCEL, IDOK}) {
    HWND dialog = ClickForDialog(kTargetBrowse);
    ASSERT_NE(dialog, nullptr);
    HWND tree = GetDlgItem(dialog, kFolderTreeId);
    std::string selected;
    EXPECT_TRUE(WaitUntil([&] {
      selected = TreeViewSelection(app_.process(), tree);
      return selected == "pick";
    })) << "selected: "
        << selected;
    PostMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0);
    ASSERT_TRUE(DialogGone());
    EXPECT_EQ(Text(kTargetEdit), button == IDOK ? "D:\\pick" : "D:\\pick\\");
  }
}

TEST_F(ChooserTest, ConvertsABinImageWithTheMouseOnly) {
  SendMessageA(control(kModeList), CB_SETCURSEL, 1, 0);
  HWND dialog = ClickForDialog(kSourceBrowse);
  ASSERT_NE(dialog, nullptr);
  GoToPick(dialog);
  Choose(dialog, "b.cue");
  ASSERT_TRUE(DialogGone());
  PostMessageA(control(9), BM_CLICK, 0, 0);
  HWND box = app_.WaitForBox("Morvenko 1.01 by the Morvenko project");
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(BoxText(box), "Finish");
  std::ifstream in(kToolLog);
  std::string command_line, folder;
  std::getline(in, command_line);
  std::getline(in, folder);
  EXPECT_EQ(command_line, "bin2ISO.exe D:\\pick\\b.cue D:\\pick\\");
  EXPECT_EQ(folder, "D:\\pick");
  PressOk(box);
}

}  // namespace
