// A drop-down list that admits no typing; items stay in insertion order.
#pragma once

#include "controls/control.h"

class DropDownList : public Control {
 public:
  // `height` is the height of the closed box; the opened list is made tall
  // enough for `visible_items` items below it.
  bool Create(ControlArgs args, int visible_items);
  void AddItem(const char* text) const {
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
  void Select(int index) const { SendMessageA(hwnd_, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
  // Returns CB_ERR (-1) when nothing is selected.
  int Selected() const { return static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0)); }
};
