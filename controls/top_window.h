// A top-level, resizable window in the button-face colour, bound to the
// program's record that its window procedure serves.
#pragma once

#include "controls/control.h"

class TopWindow : public Control {
 public:
  // Registers the class (once per process) and creates the window hidden at
  // (x, y). `record` arrives in the window procedure through RecordOf.
  bool Create(const char* class_name, WNDPROC procedure, const char* caption, int x, int y,
              void* record);
  void SetClientSize(int width, int height) const;
  // Centres the outer window on the primary screen; a window larger than the
  // screen gets a negative coordinate.
  void CenterOnScreen() const;
  void Show() const { ShowWindow(hwnd_, SW_SHOW); }
  void Hide() const { ShowWindow(hwnd_, SW_HIDE); }
  // Shows the window again, in front, with the keyboard focus when enabled.
  void ShowInFront() const;
};

// The record bound to `window`. It is stored at WM_NCCREATE, the first
// message, and cleared at WM_NCDESTROY, the last; messages outside that span
// (and the few before it) find nullptr and go to DefWindowProcA.
template <class Record>
Record* RecordOf(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* record = reinterpret_cast<Record*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return record;
}
