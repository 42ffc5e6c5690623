// An owned GDI font, deleted exactly once, after the windows that use it.
#pragma once

#include <windows.h>

class Font {
 public:
  Font() = default;
  ~Font() {
    if (font_ != nullptr) DeleteObject(font_);
  }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // `cell_height` is the height of the character cell in pixels, internal
  // leading included (a positive lfHeight). False when no font was made.
  bool Create(const char* face, int cell_height) {
    font_ = CreateFontA(cell_height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, face);
    return font_ != nullptr;
  }
  HFONT handle() const { return font_; }

 private:
  HFONT font_ = nullptr;
};
