#include "common/path.h"

namespace {

const char kSeparators[] = ":\\/";

// Index of the first character of the last path component.
size_t LastComponentStart(const std::string& path) {
  size_t separator = path.find_last_of(kSeparators);
  return separator == std::string::npos ? 0 : separator + 1;
}

}  // namespace

std::string FolderOf(const std::string& path) { return path.substr(0, LastComponentStart(path)); }

std::string NameOf(const std::string& path) { return path.substr(LastComponentStart(path)); }

std::string ReplaceExtension(const std::string& path, const std::string& extension) {
  size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < LastComponentStart(path)) return path + extension;
  return path.substr(0, dot) + extension;
}
