// Drives a running morvenko.exe from outside, as a user would: finds its
// windows, reads their texts and places, types and clicks by messages.
// Every wait is bounded.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// A Unix path of the build as Wine sees it, on drive Z:.
std::string WindowsPath(const std::string& unix_path);

// Waits up to `timeout_ms` for `done`, pumping this thread's messages.
template <class Predicate>
bool WaitUntil(Predicate done, DWORD timeout_ms = 10000) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeout_ms) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    Sleep(20);
  }
  return true;
}

std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The window's rectangle in the client coordinates of `parent`.
RECT RectIn(HWND window, HWND parent);
std::vector<HWND> ChildrenOf(HWND parent);
// The visible top-level windows of `process_id` with this class (any when
// null) and title (any when null).
std::vector<HWND> TopWindowsOf(DWORD process_id, const char* class_name, const char* title);

// A morvenko.exe started for one test, ended at the latest when this goes.
class Morvenko {
 public:
  ~Morvenko();
  // Starts `exe` in `folder` and waits until its main window is shown.
  bool Start(const std::string& exe, const std::string& folder);
  HWND main() const { return main_; }
  DWORD process_id() const { return process_.dwProcessId; }
  HANDLE process() const { return process_.hProcess; }
  DWORD thread_id() const { return process_.dwThreadId; }
  HWND Control(int index) const { return controls_.at(static_cast<size_t>(index)); }
  HWND Focus() const;

  // Waits for a message box of this process with `title`.
  HWND WaitForBox(const char* title) const;
  // Waits for the process to end; returns its exit code, or -1 on timeout.
  long WaitForExit(DWORD timeout_ms = 10000) const;

 private:
  PROCESS_INFORMATION process_ = {};
  HWND main_ = nullptr;
  std::vector<HWND> controls_;  // in creation order
};

// The text and whether an icon shows, of a message box from MessageBoxA.
std::string BoxText(HWND box);
bool BoxHasIcon(HWND box);
void PressOk(HWND box);

// The item texts of a list view, and the text of a tree view's selected
// item, in another process (read through memory lent in that process).
std::vector<std::string> ListViewTexts(HANDLE process, HWND list);
std::string TreeViewSelection(HANDLE process, HWND tree);

// Writes the window's picture from the screen into a 24-bit BMP file.
bool SaveScreenshot(HWND window, const std::string& path);
