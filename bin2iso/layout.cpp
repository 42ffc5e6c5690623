#include "bin2iso/layout.h"

#include <cstring>

#include "common/text.h"

namespace {

bool ReadExactly(ByteSource& source, uint64_t offset, void* buffer, size_t count) {
  size_t delivered = 0;
  return source.ReadAt(offset, buffer, count, &delivered) && delivered == count;
}

int Bcd(unsigned char value) {
  int high = value >> 4, low = value & 0x0F;
  return high > 9 || low > 9 ? -1 : high * 10 + low;
}

// A raw data sector's header: sync, address in BCD minutes, seconds and
// frames, then the mode byte. Its address in frames, or -1.
int64_t RawAddress(const unsigned char* header, int* mode) {
  if (std::memcmp(header, kSyncPattern, sizeof kSyncPattern) != 0) return -1;
  int minutes = Bcd(header[12]), seconds = Bcd(header[13]), frames = Bcd(header[14]);
  if (minutes < 0 || seconds < 0 || seconds > 59 || frames < 0 || frames >= kFramesPerSecond) {
    return -1;
  }
  *mode = header[15];
  return (static_cast<int64_t>(minutes) * 60 + seconds) * kFramesPerSecond + frames;
}

class RawTrack {
 public:
  RawTrack(ByteSource& bin, int64_t first_address, int mode)
      : bin_(bin), first_address_(first_address), mode_(mode) {}

  // Whether sector `index` continues the data track: sync, the next address
  // in line and the same mode.
  bool Continues(uint64_t index) {
    unsigned char header[16];
    int mode = 0;
    if (!ReadExactly(bin_, index * kRawSectorSize, header, sizeof header)) return false;
    return RawAddress(header, &mode) == first_address_ + static_cast<int64_t>(index) &&
           mode == mode_;
  }

 private:
  ByteSource& bin_;
  int64_t first_address_;
  int mode_;
};

bool HasIsoIdentifier(ByteSource& bin, uint64_t offset) {
  char identifier[5];
  return ReadExactly(bin, offset, identifier, sizeof identifier) &&
         std::memcmp(identifier, "CD001", 5) == 0;
}

uint32_t LittleEndian(const unsigned char* bytes, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

bool DetectBinLayout(ByteSource& bin, uint64_t size, BinLayout* layout, std::string* error) {
  *layout = BinLayout();
  if (size == 0) {
    *error = "the image is empty";
    return false;
  }
  const uint64_t raw_sectors = size / kRawSectorSize;
  unsigned char header[16];
  int mode = 0;
  int64_t first_address = size >= sizeof header && ReadExactly(bin, 0, header, sizeof header)
                              ? RawAddress(header, &mode)
                              : -1;
  if (first_address >= 0 && (mode == 1 || mode == 2)) {
    RawTrack track(bin, first_address, mode);
    // Confirmed by the next sector's address, unless the image is one sector.
    if (raw_sectors == 1 || track.Continues(1)) {
      if (size % kRawSectorSize != 0) {
        *error =
            "its size, " + DecimalText(size) + " bytes, is no whole number of 2352-byte sectors";
        return false;
      }
      layout->has_data = true;
      layout->data_mode = mode == 1 ? TrackMode::kMode1_2352 : TrackMode::kMode2_2352;
      // The data track runs up to the first sector that does not continue it.
      uint64_t low = 1, high = raw_sectors;
      while (low < high) {
        uint64_t middle = low + (high - low) / 2;
        if (track.Continues(middle)) {
          low = middle + 1;
        } else {
          high = middle;
        }
      }
      if (low < raw_sectors) {
        layout->has_audio = true;
        layout->audio_start = low;
        layout->warnings.push_back("the data track ends at sector " + DecimalText(low) +
                                   "; the rest is written as one audio track, since further "
                                   "audio track boundaries cannot be known from a BIN alone");
      }
      return true;
    }
  }
  if (size % 2048 == 0 && HasIsoIdentifier(bin, 16 * 2048 + 1)) {
    layout->has_data = true;
    layout->data_mode = TrackMode::kMode1_2048;
    return true;
  }
  if (size % 2336 == 0 && HasIsoIdentifier(bin, 16 * 2336 + 9)) {
    layout->has_data = true;
    layout->data_mode = TrackMode::kMode2_2336;
    return true;
  }
  if (size % kRawSectorSize == 0) {
    layout->has_audio = true;
    layout->warnings.push_back("no data track found; the image is taken as audio");
    return true;
  }
  *error = "its size, " + DecimalText(size) +
           " bytes, fits no layout (2352-byte raw, 2048-byte or 2336-byte sectors)";
  return false;
}

std::string CueSheetFor(const std::string& bin_name, const BinLayout& layout) {
  std::string text = "FILE \"" + bin_name + "\" BINARY\r\n";
  int number = 0;
  auto track = [&](TrackMode mode, uint64_t start) {
    ++number;
    text += "  TRACK " + PaddedDecimal(static_cast<uint64_t>(number), 2) + " " +
            FormatOf(mode).name + "\r\n    INDEX 01 " + MsfText(start) + "\r\n";
  };
  if (layout.has_data) track(layout.data_mode, 0);
  if (layout.has_audio) track(TrackMode::kAudio, layout.audio_start);
  return text;
}

std::vector<std::string> CheckIsoImage(ByteSource& iso, uint64_t size) {
  std::vector<std::string> warnings;
  unsigned char descriptor[2048];
  if (ReadExactly(iso, 16 * 2048, descriptor, sizeof descriptor) && descriptor[0] == 1 &&
      std::memcmp(descriptor + 1, "CD001", 5) == 0) {
    uint32_t blocks = LittleEndian(descriptor + 80, 4);
    uint32_t block_size = LittleEndian(descriptor + 128, 2);
    if (block_size != 2048) {
      warnings.push_back("its volume descriptor gives a block size of " + DecimalText(block_size) +
                         " bytes, not 2048");
    } else if (uint64_t{blocks} * 2048 != size) {
      warnings.push_back("its volume descriptor gives " + DecimalText(uint64_t{blocks} * 2048) +
                         " bytes, but the file has " + DecimalText(size));
    }
    return warnings;
  }
  // UDF: a volume recognition sequence from sector 16 on, with an NSR entry.
  for (uint64_t sector = 16; sector < 32; ++sector) {
    if (ReadExactly(iso, sector * 2048, descriptor, 8) &&
        (std::memcmp(descriptor + 1, "NSR02", 5) == 0 ||
         std::memcmp(descriptor + 1, "NSR03", 5) == 0)) {
      return warnings;
    }
  }
  warnings.push_back("it holds neither an ISO 9660 nor a UDF file system, so it may not open");
  return warnings;
}
