// The few file operations the converters need, on Win32 (file_win32.cpp) or
// POSIX (file_posix.cpp). Sizes and positions are 64-bit. A call that fails
// returns false; SystemErrorText() called straight after it tells why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

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
  bool ReadAt(uint64_t position, void* buffer, size_t count, size_t* delivered) {
    return SeekTo(position) && Read(buffer, count, delivered);
  }
  // Writes all `count` bytes or fails.
  bool Write(const void* data, size_t count);
  // Writes `count` pieces of `piece` bytes that lie `stride` bytes apart
  // from `first`, as one run. Where the system cannot gather them in one
  // call they are copied into `scratch` (room for all of them) first.
  bool WritePieces(const unsigned char* first, size_t piece, size_t stride, size_t count,
                   unsigned char* scratch);
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
// Renames `from` to `to`, failing when a file named `to` exists.
bool RenameNoReplace(const std::string& from, const std::string& to);
bool RemoveFile(const std::string& path);
bool FileExists(const std::string& path);
bool IsFolder(const std::string& path);
// The names in a folder ("." for the empty text), without "." and "..".
bool ListFolder(const std::string& folder, std::vector<std::string>* names);

// '\\' or '/': what this platform's paths are made with.
extern const char kPathSeparator;
// Whether a path names its file without a folder to start from.
bool IsAbsolutePath(const std::string& path);

// Creates a new file beside `final_path`, in its folder, to be renamed to it
// once complete: "<final>.part", or "<final>.N.part" when that exists.
// `*reason` tells why when it fails.
bool CreateTempFor(File& file, const std::string& final_path, std::string* temp_path,
                   std::string* reason);

// The system's reason for the failure of the call that just failed.
std::string SystemErrorText();
