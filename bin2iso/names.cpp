#include "bin2iso/names.h"

#include <vector>

#include "common/text.h"
#include "platform/file.h"

std::string AsFolder(const std::string& folder) {
  if (folder.empty() || folder.back() == '\\' || folder.back() == '/' || folder.back() == ':') {
    return folder;
  }
  return folder + kPathSeparator;
}

std::string MatchWithoutCase(const std::string& folder, const std::string& name) {
  std::vector<std::string> names;
  if (!ListFolder(folder, &names)) return "";
  const std::string upper = UpperCase(name);
  for (const std::string& each : names) {
    if (UpperCase(each) == upper) return each;
  }
  return "";
}
