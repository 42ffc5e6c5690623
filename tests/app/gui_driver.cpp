#include "app/gui_driver.h"

#include <commctrl.h>

#include <cstdio>

std::string WindowsPath(const std::string& unix_path) {
  std::string path = "Z:" + unix_path;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

std::string TextOf(HWND window) {
  char text[4096] = "";
  SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

std::string ClassOf(HWND window) {
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT RectIn(HWND window, HWND parent) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

namespace {

struct WindowQuery {
  DWORD process_id;
  const char* class_name;
  const char* title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lparam) {
  auto* query = reinterpret_cast<WindowQuery*>(lparam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == query->process_id && IsWindowVisible(window) &&
      (query->class_name == nullptr || ClassOf(window) == query->class_name) &&
      (query->title == nullptr || TextOf(window) == query->title)) {
    query->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<HWND> TopWindowsOf(DWORD process_id, const char* class_name, const char* title) {
  WindowQuery query = {process_id, class_name, title, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

Morvenko::~Morvenko() {
  if (process_.hProcess == nullptr) return;
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 255);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
}

bool Morvenko::Start(const std::string& exe, const std::string& folder) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command_line = "\"" + exe + "\"";
  if (!CreateProcessA(exe.c_str(), &command_line[0], nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &process_)) {
    return false;
  }
  WaitUntil([this] {
    std::vector<HWND> windows = TopWindowsOf(process_.dwProcessId, "MorvenkoMainForm", nullptr);
    main_ = windows.empty() ? nullptr : windows[0];
    return main_ != nullptr;
  });
  if (main_ != nullptr) controls_ = ChildrenOf(main_);
  return main_ != nullptr;
}

HWND Morvenko::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(process_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

HWND Morvenko::WaitForBox(const char* title) const {
  HWND box = nullptr;
  WaitUntil([&] {
    std::vector<HWND> boxes = TopWindowsOf(process_.dwProcessId, "#32770", title);
    box = boxes.empty() ? nullptr : boxes[0];
    return box != nullptr;
  });
  return box;
}

long Morvenko::WaitForExit(DWORD timeout_ms) const {
  if (WaitForSingleObject(process_.hProcess, timeout_ms) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<long>(code);
}

// The ids that MessageBox gives its text and its icon.
const int kBoxTextId = 0xFFFF;
const int kBoxIconId = 0x0440;

std::string BoxText(HWND box) { return TextOf(GetDlgItem(box, kBoxTextId)); }

bool BoxHasIcon(HWND box) {
  HWND icon = GetDlgItem(box, kBoxIconId);
  return icon != nullptr && IsWindowVisible(icon) && SendMessageA(icon, STM_GETICON, 0, 0) != 0;
}

void PressOk(HWND box) { PostMessageA(box, WM_COMMAND, IDOK, 0); }

bool SaveScreenshot(HWND window, const std::string& path) {
  RECT rect;
  GetWindowRect(window, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  DWORD row = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info.bmiHeader;
  file.bfSize = file.bfOffBits + row * static_cast<DWORD>(height);
  FILE* out = std::fopen(path.c_str(), "wb");
  bool saved = out != nullptr && std::fwrite(&file, sizeof file, 1, out) == 1 &&
               std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out) == 1 &&
               std::fwrite(bits, row * static_cast<DWORD>(height), 1, out) == 1;
  if (out != nullptr) std::fclose(out);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

namespace {

// Memory in another process for a message whose lParam is a pointer there.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process),
        address_(static_cast<char*>(
            VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))) {}
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  char* at(size_t offset) const { return address_ + offset; }
  bool Write(size_t offset, const void* data, size_t size) const {
    return WriteProcessMemory(process_, at(offset), data, size, nullptr) != 0;
  }
  bool Read(size_t offset, void* data, size_t size) const {
    return ReadProcessMemory(process_, at(offset), data, size, nullptr) != 0;
  }

 private:
  HANDLE process_;
  char* address_;
};

const size_t kTextOffset = 1024;
const int kTextSize = 1024;

}  // namespace

std::vector<std::string> ListViewTexts(HANDLE process, HWND list) {
  std::vector<std::string> texts;
  RemoteMemory memory(process, kTextOffset + kTextSize);
  auto count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVITEMA item = {};
    item.iSubItem = 0;
    item.pszText = memory.at(kTextOffset);
    item.cchTextMax = kTextSize;
    char text[kTextSize] = "";
    if (memory.Write(0, &item, sizeof item) &&
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(memory.at(0))) >= 0 &&
        memory.Read(kTextOffset, text, sizeof text - 1)) {
      texts.push_back(text);
    }
  }
  return texts;
}

std::string TreeViewSelection(HANDLE process, HWND tree) {
  auto selected = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (selected == nullptr) return "";
  RemoteMemory memory(process, kTextOffset + kTextSize);
  TVITEMA item = {};
  item.mask = TVIF_TEXT;
  item.hItem = selected;
  item.pszText = memory.at(kTextOffset);
  item.cchTextMax = kTextSize;
  char text[kTextSize] = "";
  if (!memory.Write(0, &item, sizeof item) ||
      !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory.at(0))) ||
      !memory.Read(kTextOffset, text, sizeof text - 1)) {
    return "";
  }
  return text;
}
