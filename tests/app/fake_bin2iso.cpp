// Stands in for bin2ISO.exe in the window tests: records how it was started
// into the file named by MORVENKO_FAKE_TOOL_LOG and exits with the code in
// MORVENKO_FAKE_TOOL_EXIT. Lines: the command line, the current folder,
// whether Morvenko's window was visible, then one line per argument.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const char* log_path = std::getenv("MORVENKO_FAKE_TOOL_LOG");
  const char* exit_code = std::getenv("MORVENKO_FAKE_TOOL_EXIT");
  if (log_path == nullptr) return 99;
  FILE* log = std::fopen(log_path, "wb");
  if (log == nullptr) return 98;
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);
  HWND morvenko = FindWindowA("MorvenkoMainForm", nullptr);
  std::fprintf(log, "%s\n%s\n%s\n", GetCommandLineA(), folder,
               morvenko != nullptr && IsWindowVisible(morvenko) ? "visible" : "hidden");
  for (int i = 1; i < argc; ++i) std::fprintf(log, "%s\n", argv[i]);
  std::fclose(log);
  return exit_code != nullptr ? std::atoi(exit_code) : 0;
}
