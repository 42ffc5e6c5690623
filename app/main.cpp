#include <windows.h>

#include "app/main_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  MainForm* form = nullptr;
  if (!NewMainForm(form, nullptr)) {
    if (form->Form.hwnd() != nullptr) DestroyWindow(form->Form.hwnd());
    delete form;
    MessageBoxA(nullptr, "Morvenko could not create its window.", kCaption, MB_OK | MB_ICONERROR);
    return 1;
  }
  RunMessageLoop(*form);
  // The window and its controls are gone with the loop; the record and the
  // font they used go after them.
  delete form;
  return 0;
}
