#include "convert/command_line.h"

#include "common/path.h"

const char kToolProgram[] = "bin2ISO.exe";

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  // Backslashes are literal unless they precede a quote: those before an
  // embedded quote or the closing quote are doubled.
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + '"';
}

std::string ToolParameters(int mode, const std::string& source, const std::string& target) {
  switch (mode) {
    case ModeBinToIso:
      return QuoteArgument(source) + " " + QuoteArgument(target);
    case ModeCueFromBin:
      return QuoteArgument(ReplaceExtension(source, ".cue")) + " -c " +
             QuoteArgument(FolderOf(source));
  }
  return "";
}

std::string ComposeCommandLine(const std::string& program, const std::string& parameters) {
  std::string line = program;
  if (line.find(' ') != std::string::npos && line.find('"') == std::string::npos) {
    line = '"' + line + '"';
  }
  if (!line.empty() && !parameters.empty()) line += ' ';
  return line + parameters;
}
