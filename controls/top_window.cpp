#include "controls/top_window.h"

namespace {

const DWORD kStyle = WS_OVERLAPPEDWINDOW;

// Division rounded down, also for a negative dividend.
int FloorHalf(int value) { return value >= 0 ? value / 2 : -((1 - value) / 2); }

}  // namespace

bool TopWindow::Create(const char* class_name, WNDPROC procedure, const char* caption, int x, int y,
                       void* record) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA window_class = {};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  window_class.lpszClassName = class_name;
  if (!RegisterClassExA(&window_class) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    return false;
  }
  hwnd_ = CreateWindowExA(0, class_name, caption, kStyle, x, y, CW_USEDEFAULT, CW_USEDEFAULT,
                          nullptr, nullptr, instance, record);
  return hwnd_ != nullptr;
}

void TopWindow::SetClientSize(int width, int height) const {
  RECT outer = {0, 0, width, height};
  AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TopWindow::CenterOnScreen() const {
  RECT outer;
  GetWindowRect(hwnd_, &outer);
  int width = outer.right - outer.left;
  int height = outer.bottom - outer.top;
  SetWindowPos(hwnd_, nullptr, FloorHalf(GetSystemMetrics(SM_CXSCREEN) - width),
               FloorHalf(GetSystemMetrics(SM_CYSCREEN) - height), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TopWindow::ShowInFront() const {
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (IsWindowEnabled(hwnd_)) SetFocus(hwnd_);
}
