// Times the start of morvenko.exe until its main window shows:
// window-start <morvenko.exe> [runs]. Prints the median and the fastest run
// in milliseconds. Each run ends the program through WM_CLOSE.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD process_id;
  HWND found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM lparam) {
  auto* search = reinterpret_cast<Search*>(lparam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (owner == search->process_id && IsWindowVisible(window) &&
      std::string(name) == "MorvenkoMainForm") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: window-start <morvenko.exe> [runs]\n");
    return 1;
  }
  int runs = argc > 2 ? std::atoi(argv[2]) : 10;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::string command_line = std::string("\"") + argv[1] + "\"";
    double start = Now();
    if (!CreateProcessA(argv[1], &command_line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      std::fprintf(stderr, "cannot start %s\n", argv[1]);
      return 1;
    }
    Search search = {process.dwProcessId, nullptr};
    while (search.found == nullptr && Now() - start < 20000) {
      EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
      if (search.found == nullptr) Sleep(1);
    }
    times.push_back(Now() - start);
    if (search.found != nullptr) PostMessageA(search.found, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  std::sort(times.begin(), times.end());
  std::printf("%.0f %.0f\n", times[times.size() / 2], times.front());
  return 0;
}
