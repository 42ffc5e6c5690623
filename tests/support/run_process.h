// Runs a built program as a user would from a shell: its arguments split
// the platform's way, standard input empty, what it prints captured.
#pragma once

#include <string>
#include <vector>

struct ProcessResult {
  int exit_code = -1;
  std::string out, err;
};

// `program` is a path of the build as CMake gives it (a Unix path, which
// Wine sees on drive Z:).
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args);
