#include "common/text.h"
#include "platform/file.h"

bool CreateTempFor(File& file, const std::string& final_path, std::string* temp_path,
                   std::string* reason) {
  for (uint64_t attempt = 0; attempt < 100; ++attempt) {
    *temp_path = final_path + (attempt == 0 ? "" : "." + DecimalText(attempt)) + ".part";
    if (file.CreateNew(*temp_path)) return true;
    *reason = SystemErrorText();
    if (!FileExists(*temp_path)) return false;
  }
  return false;
}
