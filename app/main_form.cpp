#include "app/main_form.h"

#include "convert/command_line.h"
#include "convert/convert_command.h"

const char kCaption[] = "Morvenko 1.01 by the Morvenko project";

namespace {

const char kClassName[] = "MorvenkoMainForm";

enum ControlId {
  kStatusLabelId = 100,
  kOptionLabelId,
  kSourceLabelId,
  kTargetLabelId,
  kModeListId,
  kSourceEditId,
  kSourceBrowseId,
  kTargetEditId,
  kTargetBrowseId,
  kConvertButtonId,
  kAboutButtonId,
  kCloseButtonId,
};

const char* const kModeItems[] = {
    "Convert NRG (NERO IMAGE) to ISO",
    "Convert BIN (e.g from CDRWIN) TO ISO",
    "Create a CUEFILE from BIN",
};

void OnClick(MainForm& form, int id) {
  switch (id) {
    case kSourceBrowseId:
      SourceBrowseClick(form);
      break;
    case kTargetBrowseId:
      TargetBrowseClick(form);
      break;
    case kConvertButtonId:
      ConvertClick(form);
      break;
    case kAboutButtonId:
      AboutClick(form);
      break;
    case kCloseButtonId:
      CloseClick(form);
      break;
  }
}

LRESULT CALLBACK MainFormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  MainForm* form = RecordOf<MainForm>(window, message, lparam);
  if (form == nullptr) return DefWindowProcA(window, message, wparam, lparam);
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED) {
        OnClick(*form, LOWORD(wparam));
        return 0;
      }
      break;
    case WM_CTLCOLORSTATIC:
      // A read-only edit box asks for the label colours; keep it white.
      if (reinterpret_cast<HWND>(lparam) == form->TargetEdit.hwnd()) {
        HDC dc = reinterpret_cast<HDC>(wparam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) form->LastFocus = focus;
      }
      break;
    case WM_SETFOCUS:
      if (form->LastFocus != nullptr) SetFocus(form->LastFocus);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

// In creation order. Labels get their size from their text.
bool CreateControls(MainForm& form) {
  auto at = [&form](int id, const char* text, int x, int y, int width = 0, int height = 0) {
    ControlArgs args;
    args.parent = form.Form.hwnd();
    args.text = text;
    args.x = x;
    args.y = y;
    args.width = width;
    args.height = height;
    args.id = id;
    args.font = form.WindowFont.handle();
    return args;
  };
  bool created = form.StatusLabel.Create(at(kStatusLabelId, "", 8, 152)) &&
                 form.OptionLabel.Create(at(kOptionLabelId, "Option", 25, 10)) &&
                 form.SourceLabel.Create(at(kSourceLabelId, "SOURCE ISO", 8, 48)) &&
                 form.TargetLabel.Create(at(kTargetLabelId, "Target:", 24, 72)) &&
                 form.ModeList.Create(at(kModeListId, "", 65, 7, 305, 22), 3) &&
                 form.SourceEdit.Create(at(kSourceEditId, "", 81, 44, 280, 22), false) &&
                 form.SourceBrowse.Create(at(kSourceBrowseId, "...", 360, 45, 64, 22)) &&
                 form.TargetEdit.Create(at(kTargetEditId, "", 81, 70, 280, 22), true) &&
                 form.TargetBrowse.Create(at(kTargetBrowseId, "...", 363, 72, 64, 22)) &&
                 form.ConvertButton.Create(at(kConvertButtonId, "Convert", 64, 120, 64, 22)) &&
                 form.AboutButton.Create(at(kAboutButtonId, "About", 200, 120, 64, 22)) &&
                 form.CloseButton.Create(at(kCloseButtonId, "Close", 336, 120, 64, 22));
  if (!created) return false;
  for (const char* item : kModeItems) form.ModeList.AddItem(item);
  form.ModeList.Select(ModeNrgToIso);
  form.LastFocus = form.ModeList.hwnd();
  return true;
}

}  // namespace

bool NewMainForm(MainForm*& form, HWND parent) {
  // The window is top-level and centred on the screen whatever the parent.
  (void)parent;
  form = new MainForm;
  if (!form->Form.Create(kClassName, MainFormProc, kCaption, 364, 267, form)) return false;
  form->Form.SetClientSize(449, 174);
  if (!form->WindowFont.Create("MS Sans Serif", 10)) return false;
  form->OpenDialog.filter = "NERO NRG|*.nrg|CUE|*.cue|BIN|*.bin";
  if (!CreateControls(*form)) return false;
  form->OpenDialog.owner = form->Form.hwnd();
  form->FolderDialog.owner = form->Form.hwnd();
  form->Form.CenterOnScreen();
  return true;
}

void RunMessageLoop(MainForm& form) {
  form.Form.Show();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    // Tab moves no focus here, and an edit box takes no Tab character.
    if (message.message == WM_CHAR && message.wParam == '\t') continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int ConversionMode(const MainForm& form) { return form.ModeList.Selected(); }

void AboutClick(MainForm&) {
  // No owner: the main window stays usable while the box is open.
  MessageBoxA(nullptr,
              "Morvenko can convert NERO and BIN ISO to standard ISO image\r\n"
              "bin2ISO.exe, placed beside Morvenko, does the BIN conversions.\r\n"
              "Help and source: see README.txt beside the program.",
              "Description", MB_OK | MB_ICONINFORMATION);
}

void CloseClick(MainForm& form) { PostMessageA(form.Form.hwnd(), WM_CLOSE, 0, 0); }
