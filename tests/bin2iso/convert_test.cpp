#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bin2iso/disc_fixture.h"
#include "bin2iso/tool.h"
#include "bin2iso/wav.h"
#include "platform/file.h"

namespace {

struct RecordingReporter : Reporter {
  void Error(const std::string& text) override { errors.push_back(text); }
  void Warning(const std::string& text) override { warnings.push_back(text); }
  void Progress(const std::string& output, int percent) override {
    if (percent == 100) done.push_back(output);
  }
  std::vector<std::string> errors, warnings, done;
};

std::string Track(int number, const char* mode, const std::string& indexes) {
  return "  TRACK " + std::string(number < 10 ? "0" : "") + std::to_string(number) + " " + mode +
         "\n" + indexes;
}

const std::string kIso = MakeIso(40);

struct RoundTripCase {
  const char* mode;
  std::string bin;
};

TEST(ConvertTest, DataTracksConvertBackByteIdentical) {
  const RoundTripCase cases[] = {
      {"MODE1/2352", WrapSectors(kIso, Wrap::kMode1Raw)},
      {"MODE2/2352", WrapSectors(kIso, Wrap::kMode2Form1Raw)},
      {"MODE2/2336", WrapSectors(kIso, Wrap::kMode2Form1_2336)},
      {"MODE1/2048", kIso},
  };
  for (const RoundTripCase& c : cases) {
    ScratchDir dir;
    WriteBytes(dir / "disc.bin", c.bin);
    WriteBytes(dir / "disc.cue",
               "FILE \"disc.bin\" BINARY\n" + Track(1, c.mode, "    INDEX 01 00:00:00\n"));
    WriteBytes(dir / "disc.iso", "an earlier ISO");
    RecordingReporter report;
    EXPECT_EQ(ConvertCueSheet(dir / "disc.cue", "", report), kExitOk) << c.mode;
    EXPECT_TRUE(ReadBytes(dir / "disc.iso") == kIso) << c.mode;
    EXPECT_TRUE(report.errors.empty() && report.warnings.empty()) << c.mode;
    EXPECT_FALSE(fs::exists(dir / "disc.iso.part"));
  }
}

// The header of a WAV file with `sectors` of CD audio, written out by hand.
std::string ExpectedWavHeader(uint32_t sectors) {
  uint32_t data = sectors * 2352, riff = data + 36;
  auto le = [](uint32_t v) {
    return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
  };
  return "RIFF" + le(riff) + "WAVEfmt " + le(16) + std::string("\1\0\2\0", 4) + le(44100) +
         le(176400) + std::string("\4\0\20\0", 4) + "data" + le(data);
}

std::string Swapped(std::string samples) {
  for (size_t i = 0; i + 1 < samples.size(); i += 2) std::swap(samples[i], samples[i + 1]);
  return samples;
}

TEST(ConvertTest, MixedDiscInOneBin) {
  ScratchDir dir;
  // Track 1: 40 data sectors. Track 2: a 150-sector pregap from sector 40,
  // then 100 sectors. Track 3: 50 sectors.
  const std::string data = WrapSectors(kIso, Wrap::kMode1Raw);
  const std::string audio = PatternBytes(300 * 2352, 99);
  WriteBytes(dir / "mixed.bin", data + audio);
  WriteBytes(dir / "mixed.cue", "FILE \"mixed.bin\" BINARY\n" +
                                    Track(1, "MODE1/2352", "INDEX 01 00:00:00\n") +
                                    Track(2, "AUDIO", "INDEX 00 00:00:40\nINDEX 01 00:02:40\n") +
                                    Track(3, "AUDIO", "INDEX 01 00:03:65\n"));
  RecordingReporter report;
  ASSERT_EQ(ConvertCueSheet(dir / "mixed.cue", "", report), kExitOk) << report.errors[0];

  EXPECT_TRUE(ReadBytes(dir / "mixed-01.iso") == kIso) << "the ISO must stop at INDEX 00";
  std::string track2 = ReadBytes(dir / "mixed-02.wav");
  EXPECT_EQ(track2.substr(0, 44), ExpectedWavHeader(100));
  EXPECT_TRUE(track2.substr(44) == audio.substr(150 * 2352, 100 * 2352));
  std::string track3 = ReadBytes(dir / "mixed-03.wav");
  EXPECT_EQ(track3.substr(0, 44), ExpectedWavHeader(50));
  EXPECT_TRUE(track3.substr(44) == audio.substr(250 * 2352));
  EXPECT_EQ(report.done.size(), 3u);
}

TEST(ConvertTest, OneBinPerTrackWithMotorolaAudio) {
  ScratchDir dir;
  const std::string audio = PatternBytes(200 * 2352, 5);
  WriteBytes(dir / "t1.bin", WrapSectors(kIso, Wrap::kMode2Form1Raw));
  WriteBytes(dir / "t2.bin", audio);
  WriteBytes(dir / "disc.cue", "FILE \"t1.bin\" BINARY\n" +
                                   Track(1, "MODE2/2352", "INDEX 01 00:00:00\n") +
                                   "FILE \"t2.bin\" MOTOROLA\n" +
                                   Track(2, "AUDIO", "INDEX 00 00:00:00\nINDEX 01 00:02:00\n"));
  RecordingReporter report;
  ASSERT_EQ(ConvertCueSheet(dir / "disc.cue", "", report), kExitOk) << report.errors[0];
  EXPECT_TRUE(ReadBytes(dir / "disc-01.iso") == kIso);
  std::string wav = ReadBytes(dir / "disc-02.wav");
  EXPECT_EQ(wav.substr(0, 44), ExpectedWavHeader(50));
  EXPECT_TRUE(wav.substr(44) == Swapped(audio.substr(150 * 2352))) << "samples not swapped";
}

TEST(ConvertTest, Form2TrackIsNotWrittenButTheOthersAre) {
  ScratchDir dir;
  WriteBytes(dir / "t1.bin", WrapSectors(kIso, Wrap::kMode2Form2Raw));
  WriteBytes(dir / "t2.bin", PatternBytes(10 * 2352));
  WriteBytes(dir / "disc.cue",
             "FILE \"t1.bin\" BINARY\n" + Track(1, "MODE2/2352", "INDEX 01 00:00:00\n") +
                 "FILE \"t2.bin\" BINARY\n" + Track(2, "AUDIO", "INDEX 01 00:00:00\n"));
  RecordingReporter report;
  EXPECT_EQ(ConvertCueSheet(dir / "disc.cue", "", report), kExitBadInput);
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find("line 2: track 01 has 40 of its 40 sectors in Mode 2 Form 2"),
            std::string::npos)
      << report.errors[0];
  EXPECT_FALSE(fs::exists(dir / "disc-01.iso"));
  EXPECT_FALSE(fs::exists(dir / "disc-01.iso.part"));
  EXPECT_TRUE(fs::exists(dir / "disc-02.wav"));
}

TEST(ConvertTest, TruncatedBinIsReportedAndNothingIsWritten) {
  ScratchDir dir;
  WriteBytes(dir / "disc.bin", WrapSectors(kIso, Wrap::kMode1Raw));  // 40 sectors
  WriteBytes(dir / "disc.cue", "FILE \"disc.bin\" BINARY\n" +
                                   Track(1, "MODE1/2352", "INDEX 01 00:00:00\n") +
                                   Track(2, "AUDIO", "INDEX 01 00:01:25\n"));  // sector 100
  WriteBytes(dir / "disc-01.iso", "an earlier ISO");
  RecordingReporter report;
  EXPECT_EQ(ConvertCueSheet(dir / "disc.cue", "", report), kExitBadInput);
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find("says: track 01 lacks 60 sectors"), std::string::npos)
      << report.errors[0];
  EXPECT_EQ(ReadBytes(dir / "disc-01.iso"), "an earlier ISO");
  EXPECT_FALSE(fs::exists(dir / "disc-02.wav"));
}

TEST(ConvertTest, AnOutputThatIsAnInputIsRefused) {
  ScratchDir dir;
  WriteBytes(dir / "disc.iso", kIso);
  WriteBytes(dir / "disc.cue",
             "FILE \"disc.iso\" BINARY\n" + Track(1, "MODE1/2048", "INDEX 01 00:00:00\n"));
  RecordingReporter report;
  EXPECT_EQ(ConvertCueSheet(dir / "disc.cue", "", report), kExitBadInput);
  ASSERT_EQ(report.errors.size(), 1u);
  EXPECT_NE(report.errors[0].find("would be the input"), std::string::npos) << report.errors[0];
  EXPECT_TRUE(ReadBytes(dir / "disc.iso") == kIso);
}

TEST(ConvertTest, FindsFilesNamedLooselyAndWritesToAnotherFolder) {
  ScratchDir dir;
  fs::create_directories(dir / "out");
  fs::create_directories(dir / "sub");
  WriteBytes(dir / "sub" + std::string(1, kPathSeparator) + "data.bin", kIso);
  WriteBytes(dir / "audio.bin", PatternBytes(4 * 2352));
  WriteBytes(dir / "disc.cue", "FILE \"sub/data.bin\" BINARY\n" +
                                   Track(1, "MODE1/2048", "INDEX 01 00:00:00\n") +
                                   "FILE \"C:\\old rips\\AUDIO.BIN\" BINARY\n" +
                                   Track(2, "AUDIO", "INDEX 01 00:00:00\n"));
  RecordingReporter report;
  ASSERT_EQ(ConvertCueSheet(dir / "disc.cue", dir / "out", report), kExitOk) << report.errors[0];
  EXPECT_TRUE(ReadBytes(dir / "out" + std::string(1, kPathSeparator) + "disc-01.iso") == kIso);
  EXPECT_TRUE(fs::exists(dir / "out" + std::string(1, kPathSeparator) + "disc-02.wav"));
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_NE(report.warnings[0].find("line 4: C:\\old rips\\AUDIO.BIN not found; using "),
            std::string::npos)
      << report.warnings[0];
}

TEST(ConvertTest, SparseBinBeyondFourGiB) {
  ScratchDir dir;
  const uint64_t sectors = (uint64_t{1} << 32) / 2048 + 3;
  const std::string last = PatternBytes(2048, 77);
  {
    File bin;
    ASSERT_TRUE(bin.CreateNew(dir / "dvd.bin")) << SystemErrorText();
    ASSERT_TRUE(bin.SeekTo((sectors - 1) * 2048));
    ASSERT_TRUE(bin.Write(last.data(), last.size())) << SystemErrorText();
  }
  WriteBytes(dir / "dvd.cue",
             "FILE \"dvd.bin\" BINARY\n" + Track(1, "MODE1/2048", "INDEX 01 00:00:00\n"));
  RecordingReporter report;
  ASSERT_EQ(ConvertCueSheet(dir / "dvd.cue", "", report), kExitOk) << report.errors[0];
  File iso;
  uint64_t size = 0;
  ASSERT_TRUE(iso.OpenForReading(dir / "dvd.iso"));
  ASSERT_TRUE(iso.Size(&size));
  EXPECT_EQ(size, sectors * 2048);
  std::string tail(2048, '\0');
  size_t delivered = 0;
  ASSERT_TRUE(iso.ReadAt(size - 2048, &tail[0], tail.size(), &delivered));
  EXPECT_TRUE(tail == last);
  EXPECT_EQ(report.warnings.size(), 1u) << "an image without a file system is said";
}

// Run by write_fault.sh, which makes a 5 MB source and then limits the size
// of any file this process writes, so that writing the ISO fails partway.
TEST(ConvertWriteFault, FailedWriteLeavesTheEarlierIso) {
  const char* source = std::getenv("MORVENKO_WRITE_FAULT_SOURCE");
  if (source == nullptr) GTEST_SKIP() << "needs the file-size limit of write_fault.sh";
  const std::string folder = std::string(source).substr(0, std::string(source).find("disc.nrg"));
  WriteBytes(folder + "disc.cue", "FILE disc.nrg BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\n");
  WriteBytes(folder + "disc.iso", "an earlier ISO");
  RecordingReporter report;
  EXPECT_EQ(ConvertCueSheet(folder + "disc.cue", "", report), kExitIoFailure);
  ASSERT_FALSE(report.errors.empty());
  EXPECT_EQ(report.errors.back().rfind("cannot write " + folder + "disc.iso: ", 0), 0u)
      << report.errors.back();
  EXPECT_EQ(ReadBytes(folder + "disc.iso"), "an earlier ISO");
  EXPECT_FALSE(fs::exists(folder + "disc.iso.part"));
}

TEST(WriteCueTest, DetectsTheLayoutAndNeverOverwrites) {
  ScratchDir dir;
  const std::string bin = WrapSectors(kIso, Wrap::kMode1Raw) + PatternBytes(20 * 2352, 3);
  WriteBytes(dir / "DISC.BIN", bin);
  RecordingReporter report;
  // The folder form: the BIN named like the sheet, found without regard to case.
  ASSERT_EQ(WriteCueSheet(dir / "disc.cue", dir / "", report), kExitOk) << report.errors[0];
  const std::string cue = ReadBytes(dir / "disc.cue");
  EXPECT_EQ(cue,
            "FILE \"DISC.BIN\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n"
            "  TRACK 02 AUDIO\r\n    INDEX 01 00:00:40\r\n");
  EXPECT_EQ(report.warnings.size(), 1u);

  RecordingReporter again;
  EXPECT_EQ(WriteCueSheet(dir / "disc.cue", dir / "DISC.BIN", again), kExitBadInput);
  ASSERT_EQ(again.errors.size(), 1u);
  EXPECT_NE(again.errors[0].find("never overwrites"), std::string::npos);
  EXPECT_EQ(ReadBytes(dir / "disc.cue"), cue);

  // The sheet written converts the image.
  RecordingReporter convert;
  ASSERT_EQ(ConvertCueSheet(dir / "disc.cue", "", convert), kExitOk) << convert.errors[0];
  EXPECT_TRUE(ReadBytes(dir / "disc-01.iso") == kIso);
}

TEST(WriteCueTest, ASizeThatFitsNoLayoutIsAnError) {
  ScratchDir dir;
  WriteBytes(dir / "odd.bin", PatternBytes(5000));
  RecordingReporter report;
  EXPECT_EQ(WriteCueSheet(dir / "odd.cue", dir / "odd.bin", report), kExitBadInput);
  EXPECT_FALSE(fs::exists(dir / "odd.cue"));
}

}  // namespace
