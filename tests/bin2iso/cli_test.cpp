// The built tool, run as a user runs it: exit codes and what it prints.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include "bin2iso/disc_fixture.h"
#include "platform/file.h"
#include "support/run_process.h"

namespace {

#ifdef _WIN32
const std::string kTool = "bin2ISO";
#else
const std::string kTool = "bin2iso";
#endif

ProcessResult RunTool(const std::vector<std::string>& args) {
  return RunProcess(BIN2ISO_EXE, args);
}

TEST(CliTest, HelpGoesToStandardOutput) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{}, {"-h"}, {"--help"}, {"/?"}}) {
    ProcessResult run = RunTool(args);
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(run.out.rfind(kTool + " 1.01: ", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
  }
}

TEST(CliTest, WrongArgumentsGiveOneLineAndTheHint) {
  const struct {
    std::vector<std::string> args;
    std::string problem;
  } cases[] = {
      {{"-x"}, "unknown option '-x'"},
      {{"disc.cue", "-c"}, "-c needs one BIN file or folder"},
      {{"disc.cue", "out", "more"}, "too many arguments"},
  };
  for (const auto& c : cases) {
    ProcessResult run = RunTool(c.args);
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_EQ(run.err, kTool + ": " + c.problem + "\nRun '" + kTool + " --help' for usage.\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(CliTest, ConvertsAndSaysSo) {
  ScratchDir dir;
  fs::create_directories(dir / "my rips");
  std::string folder = dir / "my rips" + std::string(1, kPathSeparator);
  WriteBytes(folder + "my disc.bin", MakeIso(40));
  WriteBytes(folder + "my disc.cue",
             "FILE \"my disc.bin\" BINARY\nTRACK 01 MODE1/2048\nINDEX 01 00:00:00\n");
  ProcessResult run = RunTool({folder + "my disc.cue", folder});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(run.out, "track 01 (MODE1/2048) -> " + folder + "my disc.iso: done\n");
  EXPECT_EQ(run.err, "");
  EXPECT_TRUE(ReadBytes(folder + "my disc.iso") == MakeIso(40));

  ProcessResult again = RunTool({folder + "my disc.cue", "-c", folder});
  EXPECT_EQ(again.exit_code, 2);
  EXPECT_EQ(again.err, "error: " + folder +
                           "my disc.cue exists already; bin2ISO never overwrites a CUE sheet\n");
}

TEST(CliTest, BadInputAndFailedWritesHaveTheirExitCodes) {
  ScratchDir dir;
  WriteBytes(dir / "bad.cue", "FILE d.bin BINARY\nTRAK 01 AUDIO\n");
  ProcessResult bad = RunTool({dir / "bad.cue"});
  EXPECT_EQ(bad.exit_code, 2);
  EXPECT_EQ(bad.err, "error: " + (dir / "bad.cue") + " line 2: unknown command 'TRAK'\n");

  WriteBytes(dir / "lost.cue", "FILE lost.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
  ProcessResult lost = RunTool({dir / "lost.cue"});
  EXPECT_EQ(lost.exit_code, 2);
  EXPECT_EQ(lost.err, "error: " + (dir / "lost.cue") + " line 1: cannot find lost.bin\n");

  // Nothing can be created in /proc, not even by root.
  WriteBytes(dir / "disc.bin", MakeIso(20));
  WriteBytes(dir / "disc.cue", "FILE disc.bin BINARY\nTRACK 01 MODE1/2048\nINDEX 01 00:00:00\n");
#ifdef _WIN32
  ProcessResult failed = RunTool({dir / "disc.cue", "Z:\\proc"});
#else
  ProcessResult failed = RunTool({dir / "disc.cue", "/proc"});
#endif
  EXPECT_EQ(failed.exit_code, 3);
  EXPECT_EQ(failed.err.rfind("error: cannot create ", 0), 0u) << failed.err;
}

#ifdef _WIN32
// Started as Morvenko starts it, in a console window of its own: after a
// failure the window stays until a key is pressed, after a success it goes.
TEST(CliTest, OwnConsoleWindowWaitsForAKeyAfterAFailureOnly) {
  ScratchDir dir;
  WriteBytes(dir / "disc.bin", MakeIso(20));
  WriteBytes(dir / "disc.cue", "FILE disc.bin BINARY\nTRACK 01 MODE1/2048\nINDEX 01 00:00:00\n");
  std::string tool = "Z:" + std::string(BIN2ISO_EXE);
  for (char& c : tool) c = c == '/' ? '\\' : c;
  for (bool failing : {false, true}) {
    std::string command_line = tool + (failing ? " -x" : " " + (dir / "disc.cue"));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command_line[0], nullptr, nullptr, FALSE,
                               CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process));
    DWORD first_wait = WaitForSingleObject(process.hProcess, failing ? 2000 : 20000);
    BOOL key_sent = FALSE;
    if (first_wait == WAIT_TIMEOUT) FreeConsole();  // one console at a time
    if (first_wait == WAIT_TIMEOUT && AttachConsole(process.dwProcessId)) {
      HANDLE input =
          CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
      INPUT_RECORD key = {};
      key.EventType = KEY_EVENT;
      key.Event.KeyEvent.bKeyDown = TRUE;
      key.Event.KeyEvent.wRepeatCount = 1;
      key.Event.KeyEvent.wVirtualKeyCode = VK_SPACE;
      key.Event.KeyEvent.uChar.AsciiChar = ' ';
      DWORD written = 0;
      key_sent = WriteConsoleInputA(input, &key, 1, &written);
      CloseHandle(input);
      FreeConsole();
    }
    DWORD last_wait = WaitForSingleObject(process.hProcess, 10000);
    DWORD code = 99;
    GetExitCodeProcess(process.hProcess, &code);
    if (last_wait == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(first_wait, failing ? static_cast<DWORD>(WAIT_TIMEOUT) : WAIT_OBJECT_0) << failing;
    EXPECT_EQ(key_sent, failing ? TRUE : FALSE);
    EXPECT_EQ(last_wait, WAIT_OBJECT_0);
    EXPECT_EQ(code, failing ? 1u : 0u);
  }
}
#endif

}  // namespace
