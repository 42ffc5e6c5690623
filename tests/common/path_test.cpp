#include "common/path.h"

#include <gtest/gtest.h>

struct PathCase {
  const char* path;
  const char* folder;
  const char* with_iso;
};

// ReplaceExtension only ever changes the last path component.
const PathCase kPathCases[] = {
    {"C:\\Images\\disc.nrg", "C:\\Images\\", "C:\\Images\\disc.iso"},
    {"D:\\disc.bin", "D:\\", "D:\\disc.iso"},
    {"C:disc.nrg", "C:", "C:disc.iso"},
    {"a/b\\c.bin", "a/b\\", "a/b\\c.iso"},
    {"disc.nrg", "", "disc.iso"},
    {"", "", ".iso"},
    {"disc.tar.nrg", "", "disc.tar.iso"},
    {"disc.", "", "disc.iso"},
    {"disc", "", "disc.iso"},
    {"C:\\my.cd\\disc", "C:\\my.cd\\", "C:\\my.cd\\disc.iso"},
    {"C:\\my.cd\\disc.tar.cue", "C:\\my.cd\\", "C:\\my.cd\\disc.tar.iso"},
    {"/home/u/my.cd/disc", "/home/u/my.cd/", "/home/u/my.cd/disc.iso"},
    {"C:.hidden", "C:", "C:.iso"},
    {"C:\\Images\\", "C:\\Images\\", "C:\\Images\\.iso"},
};

TEST(PathTest, FolderOfAndReplaceExtension) {
  for (const PathCase& c : kPathCases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << "FolderOf('" << c.path << "')";
    EXPECT_EQ(ReplaceExtension(c.path, ".iso"), c.with_iso)
        << "ReplaceExtension('" << c.path << "')";
  }
  EXPECT_EQ(ReplaceExtension("D:\\cd.old\\disc", ".cue"), "D:\\cd.old\\disc.cue");
}
