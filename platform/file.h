// The few file operations the converters need, on Win32 (file_win32.cpp) or
// POSIX (file_posix.cpp). Sizes and positions are 64-bit. A call that fails
// returns false; SystemErrorText() called straight after it tells why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class File {
 public:
  File() = default;
  ~File() { Close(); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens an existing file for reading. Others may read it meanwhile, but
  // nobody may write or delete it.
  bool OpenForReading(const std::string& path);
  // Creates a file for writing that must not exist yet, so that nothing is
  // ever overwritten by accident. Others may read it meanwhile.
  bool CreateNew(const std::string& path);

  bool IsOpen() const { return handle_ != kNoHandle; }
  bool Size(uint64_t* size);
  bool SeekTo(uint64_t position);
  // Reads up to `count` bytes; `*delivered` is 0 at the end of the file.
  bool Read(void* buffer, size_t count, size_t* delivered);
  // Writes all `count` bytes or fails.
  bool Write(const void* data, size_t count);
  // Closes the file when open; false when the system reports a failure, such
  // as data of earlier writes that could not be stored.
  bool Close();

  // Whether `path` names this open file itself, by file identity (volume and
  // file index, or device and inode), whatever name, case or link it uses.
  // A path that names no file gives true with `*same` false.
  bool IsSameFile(const std::string& path, bool* same) const;

 private:
  static constexpr intptr_t kNoHandle = -1;  // INVALID_HANDLE_VALUE or fd -1
  intptr_t handle_ = kNoHandle;
};

// Renames `from` to `to`, replacing a file named `to` in one step.
bool RenameReplacing(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
bool FileExists(const std::string& path);

// The system's reason for the failure of the call that just failed.
std::string SystemErrorText();
