// CD sectors as BIN images store them: the track modes of CUE sheets, their
// sector sizes and where the 2048 bytes of user data lie (ECMA-130).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TrackMode {
  kAudio,
  kMode1_2048,
  kMode1_2352,
  kMode2_2048,
  kMode2_2336,
  kMode2_2352,
  kCdi2336,
  kCdi2352,
};

struct SectorFormat {
  const char* name;      // as a CUE sheet writes it
  uint32_t size;         // bytes per sector in the BIN
  uint32_t data_offset;  // where the 2048 bytes of user data start
  bool audio;            // 2352 bytes of 16-bit stereo samples
  int submode_offset;    // Mode 2 subheader's submode byte, or -1
};

const SectorFormat& FormatOf(TrackMode mode);
// False for a text that names no mode (compared without regard to case).
bool ParseTrackMode(const std::string& text, TrackMode* mode);

constexpr uint32_t kRawSectorSize = 2352;
constexpr uint32_t kUserDataSize = 2048;
constexpr int kFramesPerSecond = 75;

// A Mode 2 sector is Form 2 when bit 5 of its submode byte is set; its 2324
// bytes of user data cannot go into an ISO image.
bool IsForm2(const SectorFormat& format, const unsigned char* sector);

// "mm:ss:ff" for a count of frames, and back; false for a malformed text.
std::string MsfText(uint64_t frames);
bool ParseMsf(const std::string& text, uint64_t* frames);

// The 12-byte sync pattern that starts every raw data sector.
extern const unsigned char kSyncPattern[12];
