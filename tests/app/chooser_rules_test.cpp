#include "app/chooser_rules.h"

#include <gtest/gtest.h>

#include "common/path.h"
#include "common/text.h"

TEST(ChooserRulesTest, InitialFolderOfTheFolderDialog) {
  const struct {
    const char* target;
    const char* folder;
  } cases[] = {
      {"C:\\Images\\", "C:\\Images"},
      {"C:\\Images", "C:\\Images"},
      {"C:\\", "C:\\"},
      {"C:", "C:\\"},
      {"C:\\Images\\\\", "C:\\Images\\"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InitialFolderFor(c.target), c.folder) << "target '" << c.target << "'";
  }
}

TEST(ChooserRulesTest, TargetOfAChosenSource) {
  EXPECT_EQ(FolderOf("C:\\Images\\disc.nrg"), "C:\\Images\\");
  EXPECT_EQ(FolderOf("D:\\disc.bin"), "D:\\");
  EXPECT_EQ(FolderOf("C:\\my.cd\\disc.tar.cue"), "C:\\my.cd\\");
}

TEST(ChooserRulesTest, FiltersByMode) {
  EXPECT_EQ(DialogFilterList("CUE|*.cue|BIN|*.bin"), std::string("CUE\0*.cue\0BIN\0*.bin\0\0", 21));
  EXPECT_STREQ(FilterForMode(0), "NERO NRG|*.nrg");
  EXPECT_STREQ(FilterForMode(1), "CUEFILE|*.cue");
  EXPECT_STREQ(FilterForMode(2), "BIN|*.bin");
  EXPECT_EQ(FilterForMode(3), nullptr);
  EXPECT_EQ(FilterForMode(-1), nullptr);
}
