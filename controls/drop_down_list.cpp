#include "controls/drop_down_list.h"

namespace {

const WPARAM kSelectionField = static_cast<WPARAM>(-1);

}  // namespace

bool DropDownList::Create(ControlArgs args, int visible_items) {
  const int closed_height = args.height;
  args.class_name = "COMBOBOX";
  args.style |= CBS_DROPDOWNLIST | WS_VSCROLL;
  hwnd_ = CreateControl(args);
  if (hwnd_ == nullptr) return false;
  // The closed box is its selection field plus a border, which depends on
  // the font. Lay the box out once for the font to learn the border, then
  // size the field so that the box is `closed_height` high.
  auto field_height = static_cast<int>(SendMessageA(hwnd_, CB_GETITEMHEIGHT, kSelectionField, 0));
  SendMessageA(hwnd_, CB_SETITEMHEIGHT, kSelectionField, field_height);
  RECT box;
  GetWindowRect(hwnd_, &box);
  int border = static_cast<int>(box.bottom - box.top) - field_height;
  SendMessageA(hwnd_, CB_SETITEMHEIGHT, kSelectionField, closed_height - border);
  // The window's height is that of the closed box and the opened list.
  auto item_height = static_cast<int>(SendMessageA(hwnd_, CB_GETITEMHEIGHT, 0, 0));
  SetWindowPos(hwnd_, nullptr, 0, 0, args.width, closed_height + visible_items * item_height + 2,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}
