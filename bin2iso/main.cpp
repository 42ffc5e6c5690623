// bin2ISO: CUE sheet and BIN files in, ISO images and WAV files out; or a
// CUE sheet written for a BIN image that has none.
#include <cstdio>
#include <string>

#include "bin2iso/tool.h"
#include "platform/console.h"

namespace {

void PrintUsage() {
  std::printf(
      "%s 1.01: turns a CUE sheet and its BIN files into ISO images, and WAV files\n"
      "for audio tracks; or writes a CUE sheet for a BIN image that has none.\n"
      "\n"
      "  %s <cuefile> [<output folder>]\n"
      "      Converts every track. Without an output folder, the outputs go beside\n"
      "      the CUE sheet: <name>.iso (or .wav) for one track, <name>-NN.iso and\n"
      "      <name>-NN.wav by track number for several.\n"
      "  %s <cuefile> -c <binfile or folder>\n"
      "      Writes <cuefile> for a BIN image; a folder means the BIN in it named\n"
      "      like the CUE sheet. An existing CUE sheet is never overwritten.\n"
      "\n"
      "Exit codes: 0 done, 1 wrong arguments, 2 bad input (CUE sheet, layout,\n"
      "missing file, existing CUE sheet, a track that could not be converted),\n"
      "3 a read, write or rename failed.\n",
      kToolName, kToolName, kToolName);
}

class ConsoleReporter : public Reporter {
 public:
  void Error(const std::string& text) override { Say("error: " + text); }
  void Warning(const std::string& text) override { Say("warning: " + text); }
  void Progress(const std::string& output, int percent) override {
    if (in_place_) {
      std::printf("\r%s: %3d%%%s", output.c_str(), percent, percent == 100 ? "\n" : "");
      std::fflush(stdout);
    } else if (percent == 100) {
      std::printf("%s: done\n", output.c_str());
    }
    line_open_ = in_place_ && percent != 100;
  }

 private:
  void Say(const std::string& text) {
    if (line_open_) std::printf("\n");
    line_open_ = false;
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", text.c_str());
  }

  const bool in_place_ = OutputIsConsole();
  bool line_open_ = false;
};

int UsageError(const std::string& problem) {
  std::fprintf(stderr, "%s: %s\nRun '%s --help' for usage.\n", kToolName, problem.c_str(),
               kToolName);
  return kExitUsage;
}

int Run(int argc, char** argv) {
  std::string first = argc > 1 ? argv[1] : "";
  if (argc == 1 || first == "-h" || first == "--help" || first == "/?") {
    PrintUsage();
    return kExitOk;
  }
  if (first[0] == '-') return UsageError("unknown option '" + first + "'");
  ConsoleReporter report;
  if (argc == 2) return ConvertCueSheet(first, "", report);
  std::string second = argv[2];
  if (second == "-c") {
    if (argc != 4) return UsageError("-c needs one BIN file or folder");
    return WriteCueSheet(first, argv[3], report);
  }
  if (argc == 3) return ConvertCueSheet(first, second, report);
  return UsageError("too many arguments");
}

}  // namespace

int main(int argc, char** argv) {
  int status = Run(argc, argv);
  // Started in a console window of its own (as Morvenko starts it), a tool
  // that failed keeps the window open until the user has read why.
  if (status != kExitOk && HasOwnConsoleWindow()) {
    std::printf("Press a key to close this window.\n");
    std::fflush(stdout);
    WaitForKeyPress();
  }
  return status;
}
