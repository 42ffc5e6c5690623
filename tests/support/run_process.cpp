#include "support/run_process.h"

#include "support/scratch.h"

#ifdef _WIN32
#include <windows.h>

#include "convert/command_line.h"

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args) {
  std::string path = "Z:" + program;
  for (char& c : path) c = c == '/' ? '\\' : c;
  std::string command_line = QuoteArgument(path);
  for (const std::string& arg : args) command_line += " " + QuoteArgument(arg);
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  auto open = [&](const char* name, DWORD access, DWORD disposition) {
    return CreateFileA(name, access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  HANDLE in = open("NUL", GENERIC_READ, OPEN_EXISTING);
  HANDLE out = open("run-out.txt", GENERIC_WRITE, CREATE_ALWAYS);
  HANDLE err = open("run-err.txt", GENERIC_WRITE, CREATE_ALWAYS);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in;
  startup.hStdOutput = out;
  startup.hStdError = err;
  PROCESS_INFORMATION process = {};
  ProcessResult result;
  if (CreateProcessA(nullptr, &command_line[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                     nullptr, &startup, &process)) {
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    result.exit_code = static_cast<int>(code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(in);
  CloseHandle(out);
  CloseHandle(err);
  // The C runtime writes text with CRLF line ends; compare it as text.
  for (auto [text, file] : {std::pair{&result.out, "run-out.txt"}, {&result.err, "run-err.txt"}}) {
    *text = ReadBytes(file);
    std::erase(*text, '\r');
  }
  return result;
}

#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args) {
  std::vector<std::string> words = {program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(&word[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, "run-out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&files, 2, "run-err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ProcessResult result;
  pid_t child;
  if (posix_spawn(&child, program.c_str(), &files, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(child, &status, 0);
    result.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&files);
  result.out = ReadBytes("run-out.txt");
  result.err = ReadBytes("run-err.txt");
  return result;
}
#endif
