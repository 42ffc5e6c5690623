// Files for tests: a fresh folder per test in the working folder, removed at
// the end, and whole-file reads and writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

class ScratchDir {
 public:
  ScratchDir() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Parameterised tests have names like "Suite/Test.Case/3".
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) c = c == '/' ? '_' : c;
    path_ = fs::absolute(fs::path("scratch") / name);
    fs::remove_all(path_);
    fs::create_directories(path_);
  }
  ~ScratchDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  // The path of `name` inside the folder, in the platform's own form.
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

// Bytes that differ from offset to offset, so that a misplaced copy shows.
inline std::string PatternBytes(uint64_t size, uint64_t first_offset = 0) {
  std::string bytes(static_cast<size_t>(size), '\0');
  for (uint64_t i = 0; i < size; ++i) {
    uint64_t offset = first_offset + i;
    bytes[static_cast<size_t>(i)] = static_cast<char>((offset * 2654435761u) >> 13);
  }
  return bytes;
}
