#include "platform/file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

static_assert(sizeof(off_t) == 8, "file positions must be 64-bit");

bool File::OpenForReading(const std::string& path) {
  Close();
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool File::CreateNew(const std::string& path) {
  Close();
  int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool File::Size(uint64_t* size) {
  struct stat info;
  if (fstat(static_cast<int>(handle_), &info) != 0) return false;
  *size = static_cast<uint64_t>(info.st_size);
  return true;
}

bool File::SeekTo(uint64_t position) {
  return lseek(static_cast<int>(handle_), static_cast<off_t>(position), SEEK_SET) >= 0;
}

bool File::Read(void* buffer, size_t count, size_t* delivered) {
  ssize_t got;
  do {
    got = read(static_cast<int>(handle_), buffer, count);
  } while (got < 0 && errno == EINTR);
  if (got < 0) return false;
  *delivered = static_cast<size_t>(got);
  return true;
}

bool File::Write(const void* data, size_t count) {
  const char* next = static_cast<const char*>(data);
  while (count != 0) {
    ssize_t written = write(static_cast<int>(handle_), next, count);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      if (written == 0) errno = ENOSPC;
      return false;
    }
    next += written;
    count -= static_cast<size_t>(written);
  }
  return true;
}

bool File::WritePieces(const unsigned char* first, size_t piece, size_t stride, size_t count,
                       unsigned char*) {
  // writev() gathers the pieces without a copy; a short write finishes
  // piece by piece.
  const size_t kMostPieces = 512;
  iovec pieces[kMostPieces];
  while (count != 0) {
    size_t batch = count < kMostPieces ? count : kMostPieces;
    for (size_t i = 0; i < batch; ++i) {
      pieces[i].iov_base = const_cast<unsigned char*>(first + i * stride);
      pieces[i].iov_len = piece;
    }
    ssize_t written;
    do {
      written = writev(static_cast<int>(handle_), pieces, static_cast<int>(batch));
    } while (written < 0 && errno == EINTR);
    if (written < 0) return false;
    auto done = static_cast<size_t>(written);
    for (size_t i = 0; i<batch; ++i, done = done> piece ? done - piece : 0) {
      if (done < piece && !Write(first + i * stride + done, piece - done)) return false;
    }
    first += batch * stride;
    count -= batch;
  }
  return true;
}

bool File::Close() {
  if (!IsOpen()) return true;
  int fd = static_cast<int>(handle_);
  handle_ = kNoHandle;
  return close(fd) == 0;
}

bool File::IsSameFile(const std::string& path, bool* same) const {
  struct stat mine, other;
  if (fstat(static_cast<int>(handle_), &mine) != 0) return false;
  if (stat(path.c_str(), &other) != 0) {
    if (errno != ENOENT) return false;
    *same = false;
    return true;
  }
  *same = mine.st_dev == other.st_dev && mine.st_ino == other.st_ino;
  return true;
}

bool RenameReplacing(const std::string& from, const std::string& to) {
  return rename(from.c_str(), to.c_str()) == 0;
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
  // link() refuses an existing name; the rename is then the unlink.
  if (link(from.c_str(), to.c_str()) != 0) return false;
  return unlink(from.c_str()) == 0;
}

bool RemoveFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool FileExists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool ListFolder(const std::string& folder, std::vector<std::string>* names) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return false;
  names->clear();
  while (const dirent* entry = readdir(dir)) {
    std::string name = entry->d_name;
    if (name != "." && name != "..") names->push_back(name);
  }
  closedir(dir);
  return true;
}

const char kPathSeparator = '/';

bool IsAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }

std::string SystemErrorText() { return strerror(errno); }
