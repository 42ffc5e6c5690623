// libFuzzer target for what bin2ISO reads from untrusted files: CUE sheets
// (first byte odd) and BIN images without one (first byte even). A layout
// that is found must give a CUE sheet that parses back.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bin2iso/cue_sheet.h"
#include "bin2iso/layout.h"

namespace {

// The fuzzer's bytes, then zeros up to `size`: long images from short inputs.
class PaddedSource : public ByteSource {
 public:
  PaddedSource(const std::string& bytes, uint64_t size) : bytes_(bytes), size_(size) {}
  bool ReadAt(uint64_t offset, void* buffer, size_t count, size_t* delivered) override {
    *delivered =
        offset >= size_ ? 0 : static_cast<size_t>(std::min<uint64_t>(count, size_ - offset));
    std::memset(buffer, 0, *delivered);
    if (offset < bytes_.size()) {
      size_t real = std::min<size_t>(*delivered, bytes_.size() - static_cast<size_t>(offset));
      std::memcpy(buffer, bytes_.data() + offset, real);
    }
    return true;
  }

 private:
  const std::string& bytes_;
  uint64_t size_;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
  CueSheet sheet;
  CueError error;
  if (data[0] & 1) {
    if (ParseCueSheet(bytes, &sheet, &error)) {
      for (const CueFile& file : sheet.files) {
        Check(!file.tracks.empty());
        for (const CueTrack& track : file.tracks) Check(track.index1 >= track.index0);
      }
    } else {
      Check(!CueErrorText("fuzz.cue", error).empty());
    }
    return 0;
  }
  PaddedSource source(bytes, bytes.size() + uint64_t{data[1]} * 2352);
  BinLayout layout;
  std::string problem;
  if (DetectBinLayout(source, bytes.size() + uint64_t{data[1]} * 2352, &layout, &problem)) {
    Check(ParseCueSheet(CueSheetFor("fuzz.bin", layout), &sheet, &error));
  }
  CheckIsoImage(source, bytes.size());
  return 0;
}
