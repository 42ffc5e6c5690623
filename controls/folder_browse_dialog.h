// The system's folder-choosing dialog, opening on a given folder.
#pragma once

#include <windows.h>

#include <string>

class FolderBrowseDialog {
 public:
  HWND owner = nullptr;
  std::string initial_folder;  // selected when the dialog opens; none if empty
  std::string chosen;          // the full path chosen by the last OK

  // Modal. True for OK. Needs COM initialised on this thread.
  bool Run();
};
