#include "bin2iso/sector.h"

#include "common/text.h"

namespace {

const SectorFormat kFormats[] = {
    {"AUDIO", 2352, 0, true, -1},        {"MODE1/2048", 2048, 0, false, -1},
    {"MODE1/2352", 2352, 16, false, -1}, {"MODE2/2048", 2048, 0, false, -1},
    {"MODE2/2336", 2336, 8, false, 2},   {"MODE2/2352", 2352, 24, false, 18},
    {"CDI/2336", 2336, 8, false, 2},     {"CDI/2352", 2352, 24, false, 18},
};

const TrackMode kModes[] = {
    TrackMode::kAudio,      TrackMode::kMode1_2048, TrackMode::kMode1_2352, TrackMode::kMode2_2048,
    TrackMode::kMode2_2336, TrackMode::kMode2_2352, TrackMode::kCdi2336,    TrackMode::kCdi2352,
};

// A number of one or more digits, at most `limit`.
bool ParseNumber(const std::string& text, uint64_t limit, uint64_t* value) {
  if (text.empty() || text.size() > 9) return false;
  *value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    *value = *value * 10 + static_cast<uint64_t>(c - '0');
  }
  return *value <= limit;
}

}  // namespace

const unsigned char kSyncPattern[12] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                        0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};

const SectorFormat& FormatOf(TrackMode mode) { return kFormats[static_cast<int>(mode)]; }

bool ParseTrackMode(const std::string& text, TrackMode* mode) {
  const std::string upper = UpperCase(text);
  for (TrackMode each : kModes) {
    if (upper == FormatOf(each).name) {
      *mode = each;
      return true;
    }
  }
  return false;
}

bool IsForm2(const SectorFormat& format, const unsigned char* sector) {
  return format.submode_offset >= 0 && (sector[format.submode_offset] & 0x20) != 0;
}

std::string MsfText(uint64_t frames) {
  uint64_t minutes = frames / (60 * kFramesPerSecond);
  unsigned seconds = static_cast<unsigned>(frames / kFramesPerSecond % 60);
  unsigned rest = static_cast<unsigned>(frames % kFramesPerSecond);
  return PaddedDecimal(minutes, 2) + ":" + PaddedDecimal(seconds, 2) + ":" + PaddedDecimal(rest, 2);
}

bool ParseMsf(const std::string& text, uint64_t* frames) {
  size_t first = text.find(':');
  size_t second = first == std::string::npos ? first : text.find(':', first + 1);
  if (second == std::string::npos) return false;
  uint64_t minutes, seconds, rest;
  if (!ParseNumber(text.substr(0, first), 99999, &minutes) ||
      !ParseNumber(text.substr(first + 1, second - first - 1), 59, &seconds) ||
      !ParseNumber(text.substr(second + 1), kFramesPerSecond - 1, &rest)) {
    return false;
  }
  *frames = (minutes * 60 + seconds) * kFramesPerSecond + rest;
  return true;
}
