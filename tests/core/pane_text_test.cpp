#include "results/pane_text.h"

#include <gtest/gtest.h>

namespace nanbaru {
namespace {

TEST(PaneTextTest, AppendEndsEachLineWithABreak) {
  PaneText pane;
  pane.Append("one");
  pane.Append("");
  pane.Append("three");
  EXPECT_EQ(pane.text(), "one\r\n\r\nthree\r\n");
  EXPECT_EQ(pane.LineCount(), 3);
}

TEST(PaneTextTest, AppendToTextWithoutFinalBreakPutsTheBreakFirst) {
  PaneText pane;
  pane.SetText("kept");
  pane.Append("new");
  EXPECT_EQ(pane.text(), "kept\r\nnew");
  pane.Append("more");
  EXPECT_EQ(pane.text(), "kept\r\nnew\r\nmore");
  // A lone CR or LF at the end is no line break.
  Bytes text = "a\r";
  AppendPaneLine(text, "b");
  EXPECT_EQ(text, "a\r\r\nb");
}

TEST(PaneTextTest, LineCountLeavesOutAnEmptyLastLine) {
  PaneText pane;
  EXPECT_EQ(pane.LineCount(), 0);
  pane.SetText("\r\n");
  EXPECT_EQ(pane.LineCount(), 1);
  pane.SetText("a\r\nb");
  EXPECT_EQ(pane.LineCount(), 2);
  pane.SetText("a\r\nb\r\n");
  EXPECT_EQ(pane.LineCount(), 2);
  pane.SetText("a\nb\rc");
  EXPECT_EQ(pane.LineCount(), 1);
  pane.Clear();
  EXPECT_EQ(pane.LineCount(), 0);
}

TEST(PaneTextTest, LinesAreFetchedWithoutBreaksAndEmptyPastTheEnd) {
  PaneText pane;
  pane.SetText("  first \r\n\r\nthird");
  EXPECT_EQ(pane.Line(0), "  first ");
  EXPECT_EQ(pane.Line(1), "");
  EXPECT_EQ(pane.Line(2), "third");
  EXPECT_EQ(pane.Line(3), "");
  EXPECT_EQ(pane.Line(100), "");
  EXPECT_EQ(pane.Line(-1), "");
}

TEST(PaneTextTest, LongLinesAreCutToTheFetchLimit) {
  PaneText pane;
  pane.Append(Bytes(kPaneLineLimit + 10, 'x'));
  pane.Append("next");
  EXPECT_EQ(pane.Line(0), Bytes(kPaneLineLimit, 'x'));
  EXPECT_EQ(pane.Line(1), "next");
}

}  // namespace
}  // namespace nanbaru
