#include "common/text.h"

#include <gtest/gtest.h>

TEST(TextTest, DecimalTextCoversTheWholeRange) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(2147483648u), "2147483648");
  EXPECT_EQ(DecimalText(UINT64_MAX), "18446744073709551615");
}

TEST(TextTest, WithReasonEndsInOneFullStop) {
  EXPECT_EQ(WithReason("Cannot open", "The system cannot find the file specified.\r\n"),
            "Cannot open: The system cannot find the file specified.");
  EXPECT_EQ(WithReason("Cannot open", "No such file or directory"),
            "Cannot open: No such file or directory.");
}
