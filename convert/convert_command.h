// The "Convert" button: the NRG extraction or a run of bin2ISO.exe, then the
// closing box.
#pragma once

#include <windows.h>

#include <string>

struct MainForm;

struct ToolRun {
  enum Result { kNothingToRun, kNotStarted, kEnded };
  Result result = kNothingToRun;
  DWORD exit_code = 0;  // when kEnded
  std::string reason;   // the system's words, when kNotStarted
};

// Starts `program` with `parameters` in a console window of its own, in
// `folder` (the caller's folder when empty), and waits until it ends. An
// empty command line starts nothing.
ToolRun RunAndWait(const std::string& program, const std::string& parameters,
                   const std::string& folder);

void ConvertClick(MainForm& form);
