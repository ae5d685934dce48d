// The find dialog's place beside a match, and the Goto Line field.
#include "editor/shell/FindDialogPlacement.h"
#include "editor/shell/GotoLine.h"

#include <gtest/gtest.h>

namespace {

TEST(FindDialogPlacementTest, ADialogClearOfTheSelectionStays) {
  EXPECT_EQ(PlaceFindDialog(300, 316, 100, 200, 740), 100);  // wholly above
  EXPECT_EQ(PlaceFindDialog(300, 316, 316, 200, 740), 316);  // wholly below
}

TEST(FindDialogPlacementTest, ACoveringDialogMovesToTheSideWithMoreRoom) {
  // Room above: above = 600 - 200 = 400, 400 / 2 = 200 > limit - middleBelow = 540 - 578.
  EXPECT_EQ(PlaceFindDialog(600, 616, 500, 200, 740), 200);
  // Little room above: above = 150 - 200 = -50, -50 / 2 = -25 <= 540 - 353: halfway below.
  EXPECT_EQ(PlaceFindDialog(150, 166, 100, 200, 740), (540 + 166) / 2);
  // Division truncates toward zero: above = -1 gives 0, which is above limit - middleBelow
  // = 200 - 201, so the dialog goes to the top; rounding down would have sent it below.
  EXPECT_EQ(PlaceFindDialog(199, 203, 100, 200, 400), 0);
}

TEST(GotoLineTest, TheFieldsLeadingNumberCounts) {
  int number = -1;
  EXPECT_FALSE(ParseGotoLine("abc", number));
  EXPECT_EQ(number, 0);
  EXPECT_TRUE(ParseGotoLine("12abc", number));
  EXPECT_EQ(number, 12);
  EXPECT_TRUE(ParseGotoLine("0", number));
  EXPECT_EQ(number, 0);
  EXPECT_FALSE(ParseGotoLine(" 0", number));
  EXPECT_TRUE(ParseGotoLine("-3", number));
  EXPECT_EQ(number, -3);
  EXPECT_TRUE(ParseGotoLine("  +7", number));
  EXPECT_EQ(number, 7);
  EXPECT_TRUE(ParseGotoLine("99999", number));
  EXPECT_EQ(number, 99999);
  EXPECT_EQ(InvalidLineNumberMessage("abc"), "'abc' is not a valid line number.");
}

}  // namespace
