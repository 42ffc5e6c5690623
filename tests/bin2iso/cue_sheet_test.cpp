#include "bin2iso/cue_sheet.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// One track as "file:number:mode:index0:index1", to compare sheets at a glance.
std::vector<std::string> Tracks(const CueSheet& sheet) {
  std::vector<std::string> tracks;
  for (const CueFile& file : sheet.files) {
    for (const CueTrack& track : file.tracks) {
      tracks.push_back(file.name + (file.big_endian ? "(M)" : "") + ":" +
                       std::to_string(track.number) + ":" + FormatOf(track.mode).name + ":" +
                       std::to_string(track.index0) + ":" + std::to_string(track.index1));
    }
  }
  return tracks;
}

struct ParseCase {
  const char* name;
  const char* text;
  std::vector<std::string> tracks;
};

// clang-format off
const ParseCase kParseCases[] = {
    {"Plain", "FILE \"disc.bin\" BINARY\n  TRACK 01 MODE1/2352\n    INDEX 01 00:00:00\n",
     {"disc.bin:1:MODE1/2352:-1:0"}},
    {"AnyCaseCrlfNoFinalNewline", "file disc.bin binary\r\ntrack 1 mode2/2352\r\nindex 1 00:00:00",
     {"disc.bin:1:MODE2/2352:-1:0"}},
    {"ByteOrderMarkAndIgnoredCommands",
     "\xEF\xBB\xBFREM made by a ripper\nCATALOG 0000000000000\nTITLE \"A disc\"\nPERFORMER x\n"
     "SONGWRITER y\nCDTEXTFILE \"d.cdt\"\nFILE \"d.bin\" BINARY\nTRACK 01 AUDIO\nFLAGS DCP\n"
     "ISRC USABC1234567\nPREGAP 00:02:00\nINDEX 01 00:00:00\nPOSTGAP 00:02:00\n",
     {"d.bin:1:AUDIO:-1:0"}},
    {"BareNameWithBlanksAndSlashes", "FILE sub dir/my disc.bin BINARY\nTRACK 01 MODE1/2048\nINDEX 01 00:00:00\n",
     {"sub dir/my disc.bin:1:MODE1/2048:-1:0"}},
    {"MixedDiscWithPregap",
     "FILE \"mixed.bin\" BINARY\n TRACK 01 MODE1/2352\n  INDEX 01 00:00:00\n"
     " TRACK 02 AUDIO\n  INDEX 00 10:00:00\n  INDEX 01 10:02:00\n TRACK 03 AUDIO\n  INDEX 01 12:00:74\n",
     {"mixed.bin:1:MODE1/2352:-1:0", "mixed.bin:2:AUDIO:45000:45150", "mixed.bin:3:AUDIO:-1:54074"}},
    {"OneFilePerTrackAndMotorola",
     "FILE \"t1.bin\" BINARY\nTRACK 01 MODE2/2336\nINDEX 01 00:00:00\n"
     "FILE \"t2.bin\" MOTOROLA\nTRACK 02 AUDIO\nINDEX 00 00:00:00\nINDEX 01 00:02:00\nINDEX 02 00:03:00\n",
     {"t1.bin:1:MODE2/2336:-1:0", "t2.bin(M):2:AUDIO:0:150"}},
    {"EveryMode",
     "FILE a BINARY\nTRACK 1 MODE1/2048\nINDEX 1 00:00:00\nTRACK 2 MODE2/2048\nINDEX 1 00:00:01\n"
     "TRACK 3 CDI/2336\nINDEX 1 00:00:02\nTRACK 4 CDI/2352\nINDEX 1 00:00:03\n",
     {"a:1:MODE1/2048:-1:0", "a:2:MODE2/2048:-1:1", "a:3:CDI/2336:-1:2", "a:4:CDI/2352:-1:3"}},
};
// clang-format on

TEST(CueSheetTest, ParsesSheetsAsRipsWriteThem) {
  for (const ParseCase& c : kParseCases) {
    CueSheet sheet;
    CueError error;
    ASSERT_TRUE(ParseCueSheet(c.text, &sheet, &error))
        << c.name << ": " << CueErrorText("x", error);
    EXPECT_EQ(Tracks(sheet), c.tracks) << c.name;
  }
}

struct ErrorCase {
  const char* text;
  const char* error;
};

// clang-format off
const ErrorCase kErrorCases[] = {
    {"FILE d.bin BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\nREM\n\nREM\nTRACK 02 MODE3/2352\n",
     "disc.cue line 7: unknown track mode 'MODE3/2352'"},
    {"FILE d.bin BINARY\nTRAK 01 AUDIO\n", "disc.cue line 2: unknown command 'TRAK'"},
    {"FILE d.wav WAVE\n", "disc.cue line 1: unsupported file type 'WAVE' (BINARY and MOTOROLA are read)"},
    {"TRACK 01 AUDIO\n", "disc.cue line 1: TRACK before any FILE"},
    {"FILE d.bin BINARY\nINDEX 01 00:00:00\n", "disc.cue line 2: INDEX outside a TRACK"},
    {"FILE d.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:60:00\n", "disc.cue line 3: bad time '00:60:00'"},
    {"FILE d.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:75\n", "disc.cue line 3: bad time '00:00:75'"},
    {"FILE d.bin BINARY\nTRACK 01 AUDIO\n", "disc.cue line 2: track 1 has no INDEX 01"},
    {"FILE d.bin BINARY\n", "disc.cue line 1: FILE 'd.bin' has no TRACK"},
    {"REM nothing\n", "disc.cue: no FILE entry"},
    {"", "disc.cue: no FILE entry"},
    {"FILE d.bin BINARY\nTRACK 02 AUDIO\nINDEX 01 00:00:00\nTRACK 01 AUDIO\n", "disc.cue line 4: track numbers must go up"},
    {"FILE d.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 01:00:00\nTRACK 02 AUDIO\nINDEX 01 00:30:00\n",
     "disc.cue line 5: track starts before the track before it"},
    {"CD_ROM\n\nTRACK MODE1\nDATAFILE \"d.bin\"\n", "disc.cue: this is a cdrdao TOC file, not a CUE sheet"},
    {"// written by cdrdao\nCD_DA\n", "disc.cue: this is a cdrdao TOC file, not a CUE sheet"},
};
// clang-format on

TEST(CueSheetTest, ErrorsNameTheLineAndTheText) {
  for (const ErrorCase& c : kErrorCases) {
    CueSheet sheet;
    CueError error;
    EXPECT_FALSE(ParseCueSheet(c.text, &sheet, &error)) << c.text;
    EXPECT_EQ(CueErrorText("disc.cue", error), c.error);
  }
}

TEST(SectorTest, MsfTimes) {
  uint64_t frames = 0;
  EXPECT_TRUE(ParseMsf("79:59:74", &frames));
  EXPECT_EQ(frames, 79u * 60 * 75 + 59 * 75 + 74);
  EXPECT_EQ(MsfText(frames), "79:59:74");
  EXPECT_EQ(MsfText(150), "00:02:00");
  EXPECT_EQ(MsfText(100 * 60 * 75), "100:00:00");
  for (const char* bad : {"", "1:2", "a:00:00", "00:00:-1", "00::00", "00:00:00:00"}) {
    EXPECT_FALSE(ParseMsf(bad, &frames)) << bad;
  }
}

}  // namespace
