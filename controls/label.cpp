#include "controls/label.h"

bool Label::Create(ControlArgs args) {
  args.class_name = "STATIC";
  args.style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX;
  hwnd_ = CreateControl(args);
  if (hwnd_ == nullptr) return false;
  FitText();
  return true;
}

void Label::SetText(const std::string& text) const {
  Control::SetText(text);
  FitText();
}

void Label::FitText() const {
  std::string text = Text();
  HDC dc = GetDC(hwnd_);
  if (dc == nullptr) return;
  HGDIOBJ old_font =
      SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  SIZE size = {};
  BOOL measured = GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old_font);
  ReleaseDC(hwnd_, dc);
  if (measured) {
    SetWindowPos(hwnd_, nullptr, 0, 0, size.cx + 1, size.cy + 1,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}
