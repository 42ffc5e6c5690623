// What a BIN image without a CUE sheet holds, found from its bytes alone,
// and the CUE sheet that describes it. Also the check of a written ISO.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bin2iso/sector.h"

// Reads bytes of an image at a position; a short count at its end.
class ByteSource {
 public:
  virtual bool ReadAt(uint64_t offset, void* buffer, size_t count, size_t* delivered) = 0;

 protected:
  ~ByteSource() = default;
};

struct BinLayout {
  bool has_data = false;
  TrackMode data_mode = TrackMode::kAudio;
  bool has_audio = false;
  uint64_t audio_start = 0;  // the first audio sector, after the data track
  std::vector<std::string> warnings;
};

// False with `error` set when the size fits no layout or the image cannot
// be read.
bool DetectBinLayout(ByteSource& bin, uint64_t size, BinLayout* layout, std::string* error);

// The CUE sheet text for the layout, CRLF line endings.
std::string CueSheetFor(const std::string& bin_name, const BinLayout& layout);

// Warnings about a written ISO image: neither an ISO 9660 primary volume
// descriptor nor a UDF volume recognition sequence, or a volume size that
// disagrees with the file's size. Empty for a sound image.
std::vector<std::string> CheckIsoImage(ByteSource& iso, uint64_t size);
