#include "platform/file.h"

#include <windows.h>

#include <cstring>

#include "common/text.h"

namespace {

HANDLE AsHandle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// ReadFile and WriteFile take 32-bit counts.
DWORD AsCount(size_t count) { return count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(count); }

bool IdentityOf(HANDLE file, BY_HANDLE_FILE_INFORMATION* info) {
  return GetFileInformationByHandle(file, info) != 0;
}

}  // namespace

bool File::OpenForReading(const std::string& path) {
  Close();
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(file);
  return true;
}

bool File::CreateNew(const std::string& path) {
  Close();
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(file);
  return true;
}

bool File::Size(uint64_t* size) {
  LARGE_INTEGER length;
  if (!GetFileSizeEx(AsHandle(handle_), &length)) return false;
  *size = static_cast<uint64_t>(length.QuadPart);
  return true;
}

bool File::SeekTo(uint64_t position) {
  LARGE_INTEGER distance;
  distance.QuadPart = static_cast<LONGLONG>(position);
  return SetFilePointerEx(AsHandle(handle_), distance, nullptr, FILE_BEGIN) != 0;
}

bool File::Read(void* buffer, size_t count, size_t* delivered) {
  DWORD got = 0;
  if (!ReadFile(AsHandle(handle_), buffer, AsCount(count), &got, nullptr)) return false;
  *delivered = got;
  return true;
}

bool File::Write(const void* data, size_t count) {
  const char* next = static_cast<const char*>(data);
  while (count != 0) {
    DWORD written = 0;
    if (!WriteFile(AsHandle(handle_), next, AsCount(count), &written, nullptr)) return false;
    if (written == 0) {
      SetLastError(ERROR_DISK_FULL);
      return false;
    }
    next += written;
    count -= written;
  }
  return true;
}

// WriteFileGather needs unbuffered, overlapped files: copy instead.
bool File::WritePieces(const unsigned char* first, size_t piece, size_t stride, size_t count,
                       unsigned char* scratch) {
  for (size_t i = 0; i < count; ++i) memcpy(scratch + i * piece, first + i * stride, piece);
  return Write(scratch, count * piece);
}

bool File::Close() {
  if (!IsOpen()) return true;
  HANDLE file = AsHandle(handle_);
  handle_ = kNoHandle;
  return CloseHandle(file) != 0;
}

bool File::IsSameFile(const std::string& path, bool* same) const {
  BY_HANDLE_FILE_INFORMATION mine, other;
  if (!IdentityOf(AsHandle(handle_), &mine)) return false;
  // No access asked for: this open conflicts with no share mode, not even
  // with a file that someone holds open exclusively.
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
    *same = false;
    return true;
  }
  bool known = IdentityOf(file, &other);
  DWORD error = GetLastError();
  CloseHandle(file);
  if (!known) {
    SetLastError(error);
    return false;
  }
  *same = mine.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
          mine.nFileIndexHigh == other.nFileIndexHigh && mine.nFileIndexLow == other.nFileIndexLow;
  return true;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
  return MoveFileExA(from.c_str(), to.c_str(), 0) != 0;
}

bool RemoveFile(const std::string& path) { return DeleteFileA(path.c_str()) != 0; }

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool ListFolder(const std::string& folder, std::vector<std::string>* names) {
  std::string pattern = folder.empty() ? std::string(".") : folder;
  if (pattern.back() != '\\' && pattern.back() != '/' && pattern.back() != ':') pattern += '\\';
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((pattern + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  names->clear();
  do {
    std::string name = found.cFileName;
    if (name != "." && name != "..") names->push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return true;
}

const char kPathSeparator = '\\';

bool IsAbsolutePath(const std::string& path) {
  return (path.size() >= 2 && path[1] == ':') ||
         (!path.empty() && (path[0] == '\\' || path[0] == '/'));
}

std::string SystemErrorText() {
  DWORD error = GetLastError();
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  if (length == 0) return "system error " + DecimalText(error);
  std::string reason(text, length);
  LocalFree(text);
  return reason;
}
