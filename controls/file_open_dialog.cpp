#include "controls/file_open_dialog.h"

#include <commdlg.h>

#include "common/text.h"

namespace {

// The dialog's file-name box, terminator included.
const DWORD kFileNameBox = 262;

}  // namespace

bool FileOpenDialog::Run() {
  std::string filters = DialogFilterList(filter);
  char name[kFileNameBox] = "";
  file_name.copy(name, kFileNameBox - 1);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filters.c_str();
  dialog.nFilterIndex = filter_index;
  dialog.lpstrFile = name;
  dialog.nMaxFile = kFileNameBox;
  dialog.lpstrDefExt = "";
  // No OFN_NOCHANGEDIR: the next dialog opens where this one ended.
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_EXPLORER |
                 OFN_LONGNAMES | OFN_ENABLESIZING;
  if (!GetOpenFileNameA(&dialog)) {
    file_name.clear();
    return false;
  }
  file_name = name;
  filter_index = dialog.nFilterIndex;
  return true;
}
