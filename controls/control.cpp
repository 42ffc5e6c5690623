#include "controls/control.h"

std::string Control::Text() const {
  int length = GetWindowTextLengthA(hwnd_);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int copied = GetWindowTextA(hwnd_, &text[0], length + 1);
  text.resize(static_cast<size_t>(copied));
  return text;
}

HWND CreateControl(const ControlArgs& args) {
  HWND control = CreateWindowExA(
      args.ex_style, args.class_name, args.text, WS_CHILD | WS_VISIBLE | args.style, args.x, args.y,
      args.width, args.height, args.parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
      GetModuleHandleA(nullptr), nullptr);
  if (control != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(args.font), 0);
  return control;
}
