#include <windows.h>
#include <objbase.h>

#include "app/main_form.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The folder dialog needs COM in a single-threaded apartment.
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
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
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}
