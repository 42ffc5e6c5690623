#include "controls/folder_browse_dialog.h"

#include <shlobj.h>

namespace {

int CALLBACK OnDialogEvent(HWND dialog, UINT event, LPARAM, LPARAM initial_folder) {
  if (event == BFFM_INITIALIZED && initial_folder != 0) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, initial_folder);
  }
  return 0;
}

}  // namespace

bool FolderBrowseDialog::Run() {
  char display_name[MAX_PATH] = "";
  BROWSEINFOA browse = {};
  browse.hwndOwner = owner;
  browse.pszDisplayName = display_name;
  browse.lpfn = OnDialogEvent;
  browse.lParam = initial_folder.empty() ? 0 : reinterpret_cast<LPARAM>(initial_folder.c_str());
  PIDLIST_ABSOLUTE item = SHBrowseForFolderA(&browse);
  if (item == nullptr) return false;
  char path[MAX_PATH] = "";
  BOOL has_path = SHGetPathFromIDListA(item, path);
  CoTaskMemFree(item);
  if (!has_path) return false;
  chosen = path;
  return true;
}
