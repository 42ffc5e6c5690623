// Times one NRG extraction: nrg-bench <image>. Prints the seconds taken and
// the peak memory of the process in KiB, for scripts/bench-nrg.sh.
#include <chrono>
#include <cstdio>

#include "convert/nrg_to_iso.h"

#ifdef _WIN32
#include <windows.h>
#include <psapi.h>
#else
#include <sys/resource.h>
#endif

namespace {

struct QuietSink : StatusSink {
  void ShowStatus(const std::string& text) override { last = text; }
  std::string last;
};

unsigned long PeakMemoryKib() {
#ifdef _WIN32
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<unsigned long>(counters.PeakWorkingSetSize / 1024);
#else
  struct rusage usage = {};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<unsigned long>(usage.ru_maxrss);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: nrg-bench <image.nrg>\n");
    return 1;
  }
  QuietSink sink;
  auto start = std::chrono::steady_clock::now();
  NrgOutcome outcome = ExtractNrgToIso(argv[1], sink);
  std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  if (!outcome.Succeeded()) {
    std::fprintf(stderr, "%s\n", sink.last.c_str());
    return 1;
  }
  std::printf("%.3f %lu\n", seconds.count(), PeakMemoryKib());
  return 0;
}
