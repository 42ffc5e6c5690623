#include "bin2iso/names.h"

#include <cctype>
#include <vector>

#include "platform/file.h"

namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::string AsFolder(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/' || folder.back() == ':') {
    return folder;
  }
  return folder + kPathSeparator;
}

std::string MatchWithoutCase(const std::string& folder, const std::string& name) {
  std::vector<std::string> names;
  if (!ListFolder(folder, &names)) return "";
  for (const std::string& each : names) {
    if (Lower(each) == Lower(name)) return each;
  }
  return "";
}
