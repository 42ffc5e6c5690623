// bin2ISO's two jobs, as the command line starts them, with what they tell
// the user going to a Reporter.
#pragma once

#include <string>

#include "bin2iso/layout.h"
#include "platform/file.h"

enum ExitCode { kExitOk = 0, kExitUsage = 1, kExitBadInput = 2, kExitIoFailure = 3 };

class Reporter {
 public:
  virtual void Error(const std::string& text) = 0;
  virtual void Warning(const std::string& text) = 0;
  // How far the writing of one output has come, 0 to 100.
  virtual void Progress(const std::string& output, int percent) = 0;

 protected:
  ~Reporter() = default;
};

// Converts the tracks of a CUE sheet into ISO and WAV files in
// `output_folder`, or beside the sheet when that is empty.
int ConvertCueSheet(const std::string& cue_path, const std::string& output_folder,
                    Reporter& report);

// Writes a new CUE sheet for a BIN image: `bin` names the image, or a folder
// that holds one named like the sheet.
int WriteCueSheet(const std::string& cue_path, const std::string& bin, Reporter& report);

// An open file read as a ByteSource.
class FileSource : public ByteSource {
 public:
  explicit FileSource(File& file) : file_(file) {}
  bool ReadAt(uint64_t offset, void* buffer, size_t count, size_t* delivered) override {
    return file_.ReadAt(offset, buffer, count, delivered);
  }

 private:
  File& file_;
};
