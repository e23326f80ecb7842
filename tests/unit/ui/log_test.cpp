#include <gtest/gtest.h>

#include <string>

#include "app/log_view.h"

namespace {

std::string Numbered(int n) {
  std::string text = "line " + std::to_string(n);
  text.resize(10, '.');
  return text;  // 10 characters, 12 with its break
}

TEST(LogModel, HundredLinesStayWholeAndTheNextFirstCostsTheOldest500Characters) {
  OVLogView log;
  std::string expected;
  for (int i = 1; i <= 100; ++i) {
    log.AppendLine(Numbered(i));
    expected += Numbered(i) + "\r\n";
  }
  EXPECT_EQ(log.Text(), expected);
  EXPECT_EQ(log.LineCount(), 101);

  log.AppendLine("new");
  EXPECT_EQ(log.Text(), expected.substr(500) + "new\r\n");
  // 500 = 41 lines of 12 and 8 characters of the 42nd: its rest is the first line now.
  EXPECT_EQ(log.Text().substr(0, 4), "..\r\n");
  EXPECT_EQ(log.LineCount(), 101 - 41 + 1);
}

TEST(LogModel, LinesLongerThanTheTrimGrowTheLogByTheirExcess) {
  OVLogView log;
  const std::string longLine(600, 'x');
  for (int i = 0; i < 101; ++i) log.AppendLine(longLine);
  ASSERT_EQ(log.LineCount(), 102);
  const size_t before = log.Text().size();
  const int linesBefore = log.LineCount();
  for (int i = 0; i < 10; ++i) log.AppendLine(longLine);
  // A trim takes less than a line, so the line count creeps up.
  EXPECT_GT(log.LineCount(), linesBefore);
  EXPECT_EQ(log.Text().size(), before + 10 * (602 - 500));
  EXPECT_EQ(log.Text().substr(log.Text().size() - 602), longLine + "\r\n");
}

TEST(LogModel, EmptyTextAddsAnEmptyLineAndEveryAppendChangesTheRevision) {
  OVLogView log;
  const uint64_t start = log.Revision();
  log.AppendLine("");
  EXPECT_EQ(log.Text(), "\r\n");
  EXPECT_EQ(log.LineCount(), 2);
  EXPECT_NE(log.Revision(), start);
}

TEST(LogModel, ATrimSplittingALineBreakCountsThatBreakAsGone) {
  OVLogView log;
  // 499 characters before the first break, so the trim ends between its '\r' and '\n'.
  log.AppendLine(std::string(499, 'a'));
  for (int i = 0; i < 99; ++i) log.AppendLine("b");
  ASSERT_EQ(log.LineCount(), 101);
  log.AppendLine("c");
  EXPECT_EQ(log.Text().substr(0, 2), "\nb");
  EXPECT_EQ(log.LineCount(), 101 - 1 + 1);
}

}  // namespace
