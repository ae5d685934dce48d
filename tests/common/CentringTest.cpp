// Centring a window over its owner without leaving the work area.
#include "common/Centring.h"

#include <gtest/gtest.h>

TEST(Centring, CentresOverTheOwnerAndStaysInsideTheArea) {
  EXPECT_EQ(CentredStart(100, 400, 200, 0, 1024), 200);
  EXPECT_EQ(CentredStart(100, 401, 200, 0, 1024), 200);    // rounds towards the start
  EXPECT_EQ(CentredStart(900, 300, 200, 0, 1024), 824);    // pushed back from the right edge
  EXPECT_EQ(CentredStart(-50, 100, 200, 0, 1024), 0);      // and from the left one
  EXPECT_EQ(CentredStart(0, 1024, 2000, 30, 1024), 30);    // too long: from the area's start
  EXPECT_EQ(CentredStart(1100, 400, 200, 1024, 1024), 1200);  // on a second monitor
}
