// The system's dialog for opening one existing file, keeping its filter,
// selected filter entry and file name from one run to the next.
#pragma once

#include <windows.h>

#include <string>

class FileOpenDialog {
 public:
  HWND owner = nullptr;
  std::string filter;      // "display|pattern|display|pattern..."
  DWORD filter_index = 0;  // 1-based entry in use; 0 selects the first
  std::string file_name;   // the full path chosen by the last OK, else empty

  // Modal. True for OK; any other end (cancel, or no dialog at all) empties
  // the file name.
  bool Run();
};
