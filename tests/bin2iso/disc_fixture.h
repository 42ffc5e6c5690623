// Small discs made in the tests: an ISO image of 2048-byte blocks, and the
// same wrapped in the raw sectors a BIN image holds.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "bin2iso/layout.h"
#include "support/scratch.h"

// An ISO 9660 image: a primary volume descriptor at block 16 naming `blocks`
// blocks, a terminator at 17, and bytes that differ from block to block.
inline std::string MakeIso(uint32_t blocks) {
  std::string iso = PatternBytes(uint64_t{blocks} * 2048);
  char* pvd = &iso[16 * 2048];
  std::memset(pvd, 0, 2048);
  pvd[0] = 1;
  std::memcpy(pvd + 1, "CD001", 5);
  pvd[6] = 1;
  for (int i = 0; i < 4; ++i) {
    pvd[80 + i] = static_cast<char>(blocks >> (8 * i));
    pvd[87 - i] = static_cast<char>(blocks >> (8 * i));
  }
  pvd[128] = 0x00, pvd[129] = 0x08, pvd[130] = 0x08, pvd[131] = 0x00;
  char* terminator = &iso[17 * 2048];
  std::memset(terminator, 0, 2048);
  terminator[0] = static_cast<char>(255);
  std::memcpy(terminator + 1, "CD001", 5);
  terminator[6] = 1;
  return iso;
}

inline char Bcd(int value) { return static_cast<char>((value / 10) << 4 | (value % 10)); }

enum class Wrap { kMode1Raw, kMode2Form1Raw, kMode2Form1_2336, kMode2Form2Raw };

// The blocks of `iso` as sectors of the given kind, the first at address
// 00:02:00. Error-correction bytes are filled with 0xEC.
inline std::string WrapSectors(const std::string& iso, Wrap wrap) {
  std::string bin;
  const uint64_t sectors = iso.size() / 2048;
  for (uint64_t i = 0; i < sectors; ++i) {
    std::string sector;
    if (wrap != Wrap::kMode2Form1_2336) {
      uint64_t address = 150 + i;
      sector = std::string(reinterpret_cast<const char*>(kSyncPattern), 12);
      sector += Bcd(static_cast<int>(address / 4500));
      sector += Bcd(static_cast<int>(address / 75 % 60));
      sector += Bcd(static_cast<int>(address % 75));
      sector += static_cast<char>(wrap == Wrap::kMode1Raw ? 1 : 2);
    }
    if (wrap != Wrap::kMode1Raw) {
      char submode = wrap == Wrap::kMode2Form2Raw ? 0x20 : 0x08;
      sector += std::string({0, 0, submode, 0, 0, 0, submode, 0});
    }
    sector += iso.substr(i * 2048, 2048);
    sector.append(wrap == Wrap::kMode1Raw ? 288 : 280, static_cast<char>(0xEC));
    bin += sector;
  }
  return bin;
}

class MemorySource : public ByteSource {
 public:
  explicit MemorySource(const std::string& bytes) : bytes_(bytes) {}
  bool ReadAt(uint64_t offset, void* buffer, size_t count, size_t* delivered) override {
    *delivered = offset >= bytes_.size() ? 0 : std::min<size_t>(count, bytes_.size() - offset);
    if (*delivered != 0) std::memcpy(buffer, bytes_.data() + offset, *delivered);
    return true;
  }

 private:
  const std::string& bytes_;
};
