// The base of our thin control wrappers: a borrowed HWND (the parent window
// destroys it) and the text operations every control shares.
#pragma once

#include <windows.h>

#include <string>

class Control {
 public:
  HWND hwnd() const { return hwnd_; }
  std::string Text() const;
  void SetText(const std::string& text) const { SetWindowTextA(hwnd_, text.c_str()); }

 protected:
  HWND hwnd_ = nullptr;
};

// What it takes to create one child control; the font is applied to it.
struct ControlArgs {
  HWND parent = nullptr;
  const char* class_name = nullptr;
  const char* text = "";
  DWORD style = 0;  // WS_CHILD | WS_VISIBLE are always added
  DWORD ex_style = 0;
  int x = 0, y = 0, width = 0, height = 0;
  int id = 0;
  HFONT font = nullptr;
};

// Returns nullptr when the system cannot create the control.
HWND CreateControl(const ControlArgs& args);
