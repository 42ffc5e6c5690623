#include "convert/convert_command.h"

#include <vector>

#include "app/main_form.h"
#include "common/text.h"
#include "convert/command_line.h"
#include "convert/nrg_to_iso.h"
#include "platform/file.h"

ToolRun RunAndWait(const std::string& program, const std::string& parameters,
                   const std::string& folder) {
  ToolRun run;
  std::string command_line = ComposeCommandLine(program, parameters);
  if (command_line.empty()) return run;

  // CreateProcessA may write into the command line.
  std::vector<char> writable(command_line.begin(), command_line.end());
  writable.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOW;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE,
                      nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
    run.result = ToolRun::kNotStarted;
    run.reason = SystemErrorText();
    return run;
  }
  CloseHandle(process.hThread);
  WaitForSingleObject(process.hProcess, INFINITE);
  run.result = ToolRun::kEnded;
  if (!GetExitCodeProcess(process.hProcess, &run.exit_code)) run.exit_code = GetLastError();
  CloseHandle(process.hProcess);
  return run;
}

namespace {

// What went wrong with the tool, or the empty text when nothing did.
std::string ToolFailure(const ToolRun& run) {
  const std::string tool = kToolProgram;
  switch (run.result) {
    case ToolRun::kNothingToRun:
      break;
    case ToolRun::kNotStarted:
      return WithReason(tool + " could not be started", run.reason);
    case ToolRun::kEnded:
      if (run.exit_code != 0) {
        return tool + " ended with exit code " + DecimalText(run.exit_code) + ".";
      }
      break;
  }
  return "";
}

}  // namespace

void ConvertClick(MainForm& form) {
  int mode = ConversionMode(form);
  std::string program, parameters, failure;
  if (mode == ModeNrgToIso) {
    NrgOutcome outcome = ConvertNrgToIso(form);
    if (!outcome.Succeeded()) failure = outcome.StatusText();
  } else {
    program = kToolProgram;
    parameters = ToolParameters(mode, form.SourceEdit.Text(), form.TargetEdit.Text());
  }

  form.Form.Hide();
  ToolRun run = RunAndWait(program, parameters, form.TargetEdit.Text());
  form.Form.ShowInFront();
  if (failure.empty()) failure = ToolFailure(run);

  UINT type = MB_OK | MB_SETFOREGROUND | (failure.empty() ? 0 : MB_ICONERROR);
  MessageBoxA(form.Form.hwnd(), failure.empty() ? "Finish" : failure.c_str(), kCaption, type);
}
