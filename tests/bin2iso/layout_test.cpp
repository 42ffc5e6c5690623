#include "bin2iso/layout.h"

#include <string>

#include <gtest/gtest.h>

#include "bin2iso/disc_fixture.h"

namespace {

struct DetectCase {
  const char* name;
  std::string bin;
  std::string cue;  // empty: the size fits no layout
  size_t warnings;
};

std::vector<DetectCase> DetectCases() {
  const std::string iso = MakeIso(40);
  const std::string raw = WrapSectors(iso, Wrap::kMode1Raw);
  const std::string audio = PatternBytes(10 * 2352, 7);
  const char* kHead = "FILE \"disc.bin\" BINARY\r\n";
  auto cue = [&](const std::string& tracks) { return kHead + tracks; };
  return {
      {"Mode1Raw", raw, cue("  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n"), 0},
      {"Mode2Raw", WrapSectors(iso, Wrap::kMode2Form1Raw),
       cue("  TRACK 01 MODE2/2352\r\n    INDEX 01 00:00:00\r\n"), 0},
      {"DataThenAudio", raw + audio,
       cue("  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n"
           "  TRACK 02 AUDIO\r\n    INDEX 01 00:00:40\r\n"),
       1},
      {"Mode1Cooked", iso, cue("  TRACK 01 MODE1/2048\r\n    INDEX 01 00:00:00\r\n"), 0},
      {"Mode2Cooked2336", WrapSectors(iso, Wrap::kMode2Form1_2336),
       cue("  TRACK 01 MODE2/2336\r\n    INDEX 01 00:00:00\r\n"), 0},
      {"AudioOnly", audio, cue("  TRACK 01 AUDIO\r\n    INDEX 01 00:00:00\r\n"), 1},
      {"RawWithATornLastSector", raw + "x", "", 0},
      {"OddSize", PatternBytes(5000), "", 0},
      {"Empty", "", "", 0},
  };
}

TEST(LayoutTest, DetectsTheLayoutOfABin) {
  for (const DetectCase& c : DetectCases()) {
    MemorySource source(c.bin);
    BinLayout layout;
    std::string error;
    bool detected = DetectBinLayout(source, c.bin.size(), &layout, &error);
    EXPECT_EQ(detected, !c.cue.empty()) << c.name << ": " << error;
    if (detected && !c.cue.empty()) {
      EXPECT_EQ(CueSheetFor("disc.bin", layout), c.cue) << c.name;
      EXPECT_EQ(layout.warnings.size(), c.warnings) << c.name;
    }
  }
}

TEST(LayoutTest, ChecksAWrittenIso) {
  std::string iso = MakeIso(40);
  MemorySource source(iso);
  EXPECT_TRUE(CheckIsoImage(source, iso.size()).empty());
  EXPECT_EQ(CheckIsoImage(source, iso.size() + 2048).size(), 1u) << "volume size disagrees";

  std::string udf(40 * 2048, '\0');
  udf.replace(16 * 2048 + 1, 5, "BEA01");
  udf.replace(17 * 2048 + 1, 5, "NSR02");
  MemorySource udf_source(udf);
  EXPECT_TRUE(CheckIsoImage(udf_source, udf.size()).empty());

  std::string nothing = PatternBytes(40 * 2048);
  MemorySource nothing_source(nothing);
  EXPECT_EQ(CheckIsoImage(nothing_source, nothing.size()).size(), 1u);
}

}  // namespace
