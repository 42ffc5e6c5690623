#include "convert/command_line.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

namespace {

using Args = std::vector<std::string>;

#ifdef _WIN32
// The platform's own splitting, as the tool's C runtime does it.
Args Split(const std::string& line) {
  std::wstring wide(line.size() + 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, line.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(wide.c_str(), &count);
  Args args;
  for (int i = 0; i < count; ++i) {
    char narrow[4096];
    WideCharToMultiByte(CP_ACP, 0, argv[i], -1, narrow, sizeof narrow, nullptr, nullptr);
    args.push_back(narrow);
  }
  LocalFree(argv);
  return args;
}
#else
// CommandLineToArgvW's rules for every argument after the program's name:
// 2n backslashes and a quote give n backslashes and open or close a quoted
// part, 2n+1 give n and a literal quote, other backslashes are literal.
Args Split(const std::string& line) {
  Args args;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    if (i == line.size()) break;
    std::string arg;
    bool quoted = false;
    for (; i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t')); ++i) {
      size_t backslashes = 0;
      while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
      if (i < line.size() && line[i] == '"') {
        arg.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          arg += '"';
        } else {
          quoted = !quoted;
        }
      } else {
        arg.append(backslashes, '\\');
        if (i == line.size()) break;
        if (!quoted && (line[i] == ' ' || line[i] == '\t')) break;
        arg += line[i];
      }
    }
    args.push_back(arg);
  }
  return args;
}
#endif

struct ParameterCase {
  int mode;
  const char* source;
  const char* target;
  const char* parameters;
  Args tool_args;  // what the tool receives after its own name
};

// clang-format off
const ParameterCase kParameterCases[] = {
    {ModeBinToIso, "D:\\cd\\disc.cue", "D:\\cd\\", "D:\\cd\\disc.cue D:\\cd\\", {"D:\\cd\\disc.cue", "D:\\cd\\"}},
    {ModeCueFromBin, "D:\\cd\\disc.bin", "D:\\cd\\", "D:\\cd\\disc.cue -c D:\\cd\\", {"D:\\cd\\disc.cue", "-c", "D:\\cd\\"}},
    {ModeNrgToIso, "D:\\cd\\disc.nrg", "D:\\cd\\", "", {}},
    {ModeBinToIso, "D:\\my cd\\disc.cue", "D:\\my cd\\", "\"D:\\my cd\\disc.cue\" \"D:\\my cd\\\\\"", {"D:\\my cd\\disc.cue", "D:\\my cd\\"}},
    {ModeCueFromBin, "D:\\my cd\\disc.bin", "", "\"D:\\my cd\\disc.cue\" -c \"D:\\my cd\\\\\"", {"D:\\my cd\\disc.cue", "-c", "D:\\my cd\\"}},
    {ModeBinToIso, "D:\\tab\there.cue", "D:\\t\\", "\"D:\\tab\there.cue\" D:\\t\\", {"D:\\tab\there.cue", "D:\\t\\"}},
    {ModeBinToIso, "D:\\a\"b.cue", "D:\\t\\", "\"D:\\a\\\"b.cue\" D:\\t\\", {"D:\\a\"b.cue", "D:\\t\\"}},
    {ModeBinToIso, "D:\\a\\\\\"b c", "x", "\"D:\\a\\\\\\\\\\\"b c\" x", {"D:\\a\\\\\"b c", "x"}},
    {ModeBinToIso, "D:\\cd\\disc.cue", "", "D:\\cd\\disc.cue \"\"", {"D:\\cd\\disc.cue", ""}},
    {ModeBinToIso, "", "", "\"\" \"\"", {"", ""}},
    {ModeCueFromBin, "D:\\cd\\disc", "D:\\cd\\", "D:\\cd\\disc.cue -c D:\\cd\\", {"D:\\cd\\disc.cue", "-c", "D:\\cd\\"}},
    {ModeCueFromBin, "D:\\cd.old\\disc", "", "D:\\cd.old\\disc.cue -c D:\\cd.old\\", {"D:\\cd.old\\disc.cue", "-c", "D:\\cd.old\\"}},
    {ModeCueFromBin, "disc.bin", "", "disc.cue -c \"\"", {"disc.cue", "-c", ""}},
};
// clang-format on

TEST(CommandLineTest, ToolParametersArriveAsTheFieldsHoldThem) {
  for (const ParameterCase& c : kParameterCases) {
    std::string parameters = ToolParameters(c.mode, c.source, c.target);
    EXPECT_EQ(parameters, c.parameters) << "mode " << c.mode << ", source '" << c.source << "'";
    if (c.mode == ModeNrgToIso) continue;
    Args args = Split(ComposeCommandLine(kToolProgram, parameters));
    ASSERT_FALSE(args.empty());
    EXPECT_EQ(args[0], "bin2ISO.exe");
    EXPECT_EQ(Args(args.begin() + 1, args.end()), c.tool_args) << "from " << parameters;
  }
}

TEST(CommandLineTest, ComposeCommandLine) {
  EXPECT_EQ(ComposeCommandLine("bin2ISO.exe", "a b"), "bin2ISO.exe a b");
  EXPECT_EQ(ComposeCommandLine("bin2ISO.exe", ""), "bin2ISO.exe");
  EXPECT_EQ(ComposeCommandLine("my tool.exe", "x"), "\"my tool.exe\" x");
  EXPECT_EQ(ComposeCommandLine("\"my tool.exe\"", "x"), "\"my tool.exe\" x");
  EXPECT_EQ(ComposeCommandLine("", "x"), "x");
  EXPECT_EQ(ComposeCommandLine("", ""), "");
}

}  // namespace
