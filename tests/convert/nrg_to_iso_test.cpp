#include "convert/nrg_to_iso.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/path.h"
#include "platform/file.h"
#include "support/scratch.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using Texts = std::vector<std::string>;

struct RecordingSink : StatusSink {
  void ShowStatus(const std::string& text) override { texts.push_back(text); }
  Texts texts;
};

enum class Footer { kNone, kNer5, kNero };

std::string BigEndian(uint64_t value, int count) {
  std::string bytes;
  for (int shift = (count - 1) * 8; shift >= 0; shift -= 8) {
    bytes += static_cast<char>(value >> shift);
  }
  return bytes;
}

std::string FooterBytes(Footer form, uint64_t data_end) {
  switch (form) {
    case Footer::kNer5:
      return std::string("END!") + BigEndian(0x0C, 4) + "NER5" + BigEndian(data_end, 8);
    case Footer::kNero:
      return BigEndian(0, 4) + "END!" + BigEndian(0x0C, 4) + "NERO" + BigEndian(data_end, 4);
    case Footer::kNone:
      break;
  }
  return "";
}

// An image of `size` bytes whose last 20 bytes are the footer, if any.
std::string MakeImage(uint64_t size, Footer form, uint64_t data_end) {
  std::string image = PatternBytes(size);
  std::string footer = FooterBytes(form, data_end);
  if (!footer.empty()) image.replace(image.size() - footer.size(), footer.size(), footer);
  return image;
}

struct FooterCase {
  const char* name;
  uint64_t size;
  Footer form;
  uint64_t data_end;
  uint64_t expected_end;  // the ISO holds the image's bytes [307200, expected_end)
  Texts texts;
};

const uint64_t kHigh = uint64_t{1} << 32;  // a NER5 end with bytes 12-15 not zero

// clang-format off
const FooterCase kFooterCases[] = {
    {"Ner5", 3145728, Footer::kNer5, 2097152, 2097152,
     {"Copied 1355776 bytes", "Copied 2097152 bytes", "finished."}},
    {"Nero", 3145728, Footer::kNero, 2097152, 2097152,
     {"Copied 1355776 bytes", "Copied 2097152 bytes", "finished."}},
    {"Ner5HighBytesNameAnEndBeyondTheFile", 1500000, Footer::kNer5, kHigh + 2097152, 1500000,
     {"Copied 1355776 bytes", "Copied 1500000 bytes", "finished."}},
    {"NoFooter", 1500000, Footer::kNone, 0, 1500000,
     {"Copied 1355776 bytes", "Copied 1500000 bytes", "finished."}},
    {"ShorterThanAFooter", 10, Footer::kNone, 0, 0, {"finished."}},
    {"Empty", 0, Footer::kNone, 0, 0, {"finished."}},
    {"NoLongerThanTheHeader", 307200, Footer::kNone, 0, 0, {"finished."}},
    {"HeaderOnlyWithFooter", 307200, Footer::kNero, 2097152, 0, {"finished."}},
    {"EndAtDataStart", 1500000, Footer::kNer5, 307200, 0, {"finished."}},
    {"EndBeyondTheFile", 1500000, Footer::kNero, 5000000, 1500000,
     {"Copied 1355776 bytes", "Copied 1500000 bytes", "finished."}},
    {"EndInsideTheHeaderMeansNoFooter", 1500000, Footer::kNer5, 1000, 1500000,
     {"Copied 1355776 bytes", "Copied 1500000 bytes", "finished."}},
};
// clang-format on

class NrgFooterTest : public ::testing::TestWithParam<FooterCase> {};

TEST_P(NrgFooterTest, CopiesTheTrackData) {
  const FooterCase& c = GetParam();
  ScratchDir dir;
  std::string image = MakeImage(c.size, c.form, c.data_end);
  WriteBytes(dir / "disc.nrg", image);

  RecordingSink sink;
  NrgOutcome outcome = ExtractNrgToIso(dir / "disc.nrg", sink);

  EXPECT_TRUE(outcome.Succeeded()) << outcome.StatusText();
  EXPECT_EQ(sink.texts, c.texts);
  std::string expected = c.expected_end > kNrgDataStart
                             ? image.substr(kNrgDataStart, c.expected_end - kNrgDataStart)
                             : "";
  std::string iso = ReadBytes(dir / "disc.iso");
  EXPECT_EQ(iso.size(), expected.size());
  EXPECT_TRUE(iso == expected) << "the ISO's bytes differ from the image's";
  EXPECT_FALSE(fs::exists(dir / "disc.iso.part"));
}

INSTANTIATE_TEST_SUITE_P(AllForms, NrgFooterTest, ::testing::ValuesIn(kFooterCases),
                         [](const auto& test) { return std::string(test.param.name); });

// A DVD-sized image: positions past 4 GiB, a NER5 end that needs all 64 bits.
TEST(NrgLargeTest, ConvertsAnImageBeyondFourGiB) {
  ScratchDir dir;
  const uint64_t end = kHigh + 3 * 1048576 + 12345;
  const uint64_t size = end + 1048576;
  const std::string tail = PatternBytes(kTransferBlock, end - kTransferBlock);
  {
    File image;
    ASSERT_TRUE(image.CreateNew(dir / "dvd.nrg")) << SystemErrorText();
    ASSERT_TRUE(image.SeekTo(end - tail.size()));  // the hole before costs no disk
    ASSERT_TRUE(image.Write(tail.data(), tail.size())) << SystemErrorText();
    std::string footer = FooterBytes(Footer::kNer5, end);
    ASSERT_TRUE(image.SeekTo(size - footer.size()));
    ASSERT_TRUE(image.Write(footer.data(), footer.size())) << SystemErrorText();
    ASSERT_TRUE(image.Close());
  }

  RecordingSink sink;
  NrgOutcome outcome = ExtractNrgToIso(dir / "dvd.nrg", sink);

  ASSERT_TRUE(outcome.Succeeded()) << outcome.StatusText();
  ASSERT_GE(sink.texts.size(), 2u);
  EXPECT_EQ(sink.texts[sink.texts.size() - 2], "Copied " + std::to_string(end) + " bytes");
  EXPECT_EQ(sink.texts.back(), "finished.");
  for (const std::string& text : sink.texts) {
    ASSERT_EQ(text.find('-'), std::string::npos) << text;
  }
  File iso;
  uint64_t iso_size = 0;
  ASSERT_TRUE(iso.OpenForReading(dir / "dvd.iso"));
  ASSERT_TRUE(iso.Size(&iso_size));
  EXPECT_EQ(iso_size, end - kNrgDataStart);
  std::string last(tail.size(), '\0');
  size_t delivered = 0;
  ASSERT_TRUE(iso.SeekTo(iso_size - last.size()));
  ASSERT_TRUE(iso.Read(&last[0], last.size(), &delivered));
  EXPECT_EQ(delivered, last.size());
  EXPECT_TRUE(last == tail) << "the last block of the ISO is wrong";
}

TEST(NrgFailureTest, MissingSourceCreatesNothing) {
  ScratchDir dir;
  RecordingSink sink;
  NrgOutcome outcome = ExtractNrgToIso(dir / "missing.nrg", sink);

  EXPECT_EQ(outcome.failure, NrgFailure::kOpenSource);
  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.texts[0].rfind("Cannot open the source image: ", 0), 0u) << sink.texts[0];
  EXPECT_GT(sink.texts[0].size(), std::string("Cannot open the source image: ").size() + 1);
  EXPECT_TRUE(fs::is_empty(fs::path(dir / "")));

  // The next conversion runs normally.
  WriteBytes(dir / "disc.nrg", MakeImage(400000, Footer::kNone, 0));
  EXPECT_TRUE(ExtractNrgToIso(dir / "disc.nrg", sink).Succeeded());
}

// Each way of naming the source so that its ISO name is the source itself.
std::vector<std::string> NamesThatMakeTheIsoTheSource(const ScratchDir& dir) {
  std::vector<std::string> names = {dir / "disc.iso"};
  // Two links to one file: the ISO name of the one is the other.
  fs::create_hard_link(dir / "disc.iso", dir / "linked.nrg");
  fs::create_hard_link(dir / "disc.iso", dir / "linked.iso");
  names.push_back(dir / "linked.nrg");
#ifdef _WIN32
  names.push_back(dir / "DISC.ISO");  // the file system ignores case
  WriteBytes(dir / "a long disc name.iso", "x");
  std::string long_name = dir / "a long disc name.iso";
  char short_name[MAX_PATH];
  DWORD length = GetShortPathNameA(long_name.c_str(), short_name, MAX_PATH);
  EXPECT_TRUE(length != 0 && length < MAX_PATH && long_name != short_name) << "no short name";
  names.push_back(short_name);
#endif
  return names;
}

TEST(NrgFailureTest, RefusesAnIsoThatIsTheSource) {
  ScratchDir dir;
  const std::string image = MakeImage(1500000, Footer::kNone, 0);
  WriteBytes(dir / "disc.iso", image);
  for (const std::string& source : NamesThatMakeTheIsoTheSource(dir)) {
    std::string before = ReadBytes(source);
    RecordingSink sink;
    NrgOutcome outcome = ExtractNrgToIso(source, sink);

    EXPECT_EQ(outcome.failure, NrgFailure::kIsoIsSource) << source;
    EXPECT_EQ(sink.texts, Texts{outcome.StatusText()}) << source;
    EXPECT_TRUE(ReadBytes(source) == before) << source << " was changed";
    for (const auto& entry : fs::directory_iterator(dir / "")) {
      EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
    }
  }
  EXPECT_TRUE(ReadBytes(dir / "disc.iso") == image);
}

TEST(NrgFailureTest, FolderWhereNothingCanBeCreated) {
  // Nothing can be created in /proc, not even by root.
#ifdef _WIN32
  const std::string source = "Z:\\proc\\version";
#else
  const std::string source = "/proc/version";
#endif
  RecordingSink sink;
  NrgOutcome outcome = ExtractNrgToIso(source, sink);

  EXPECT_EQ(outcome.failure, NrgFailure::kCreateIso) << outcome.StatusText();
  EXPECT_EQ(sink.texts.back().rfind("Cannot create the ISO file ", 0), 0u) << sink.texts.back();
  EXPECT_FALSE(FileExists(source + ".iso"));
}

TEST(NrgReplaceTest, GoodRunReplacesAnEarlierIso) {
  ScratchDir dir;
  const std::string image = MakeImage(1500000, Footer::kNone, 0);
  WriteBytes(dir / "disc.nrg", image);
  WriteBytes(dir / "disc.iso", std::string(3000000, 'o'));
  WriteBytes(dir / "disc.iso.part", "someone else's file");
  RecordingSink sink;

  ASSERT_TRUE(ExtractNrgToIso(dir / "disc.nrg", sink).Succeeded());
  EXPECT_TRUE(ReadBytes(dir / "disc.iso") == image.substr(kNrgDataStart));
  EXPECT_EQ(ReadBytes(dir / "disc.iso.part"), "someone else's file");
  EXPECT_FALSE(fs::exists(dir / "disc.iso.1.part"));
}

// Run by write_fault.sh, which makes the source and then limits the size of
// any file this process writes, so that the copy fails partway.
TEST(NrgWriteFault, FailedWriteLeavesTheEarlierIso) {
  const char* source = std::getenv("MORVENKO_WRITE_FAULT_SOURCE");
  if (source == nullptr) GTEST_SKIP() << "needs the file-size limit of write_fault.sh";
  const std::string iso = ReplaceExtension(source, ".iso");
  WriteBytes(iso, "the earlier ISO");
  RecordingSink sink;
  NrgOutcome outcome = ExtractNrgToIso(source, sink);

  EXPECT_EQ(outcome.failure, NrgFailure::kWrite) << outcome.StatusText();
  EXPECT_EQ(sink.texts.back().rfind("Cannot write the ISO file ", 0), 0u) << sink.texts.back();
  EXPECT_EQ(ReadBytes(iso), "the earlier ISO");
  EXPECT_FALSE(FileExists(iso + ".part"));
}

}  // namespace
