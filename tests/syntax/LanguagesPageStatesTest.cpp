// Which controls of the Languages page are enabled and shown.
#include "editor/syntax/LanguagesPageStates.h"

#include "editor/syntax/LanguageElement.h"

#include <gtest/gtest.h>

TEST(LanguagesPageStates, NothingSelectedLeavesOnlyTheLanguageListAndTheWordList) {
  const LanguagesPageStates states = LanguagesPageStatesFor({});
  EXPECT_FALSE(states.LanguageControls);
  EXPECT_FALSE(states.ElementControls);
  EXPECT_FALSE(states.Escape || states.AllowNesting || states.Up || states.Down);
  EXPECT_TRUE(states.ShowWordList);
  EXPECT_FALSE(states.ShowStartMarker || states.ShowRangeControls);
}

TEST(LanguagesPageStates, ARangeShowsItsMarkersAndFollowsItsCheckBoxes) {
  LanguagesPageSelection selection;
  selection.LanguageSelected = true;
  selection.ElementIndex = 1;
  selection.ElementCount = 3;
  selection.ShownKind = RangeKind;
  LanguagesPageStates states = LanguagesPageStatesFor(selection);
  EXPECT_TRUE(states.LanguageControls && states.ElementControls && states.Up && states.Down);
  EXPECT_TRUE(states.ShowStartMarker && states.ShowRangeControls);
  EXPECT_FALSE(states.ShowWordList);
  EXPECT_TRUE(states.Escape);
  EXPECT_FALSE(states.AllowNesting);

  selection.WholeWordChecked = true;
  selection.SpanLinesChecked = true;
  selection.ElementIndex = 2;
  states = LanguagesPageStatesFor(selection);
  EXPECT_FALSE(states.Escape);
  EXPECT_TRUE(states.AllowNesting);
  EXPECT_FALSE(states.Down);

  selection.ShownKind = RestOfLineKind;
  states = LanguagesPageStatesFor(selection);
  EXPECT_TRUE(states.ShowStartMarker);
  EXPECT_FALSE(states.ShowRangeControls || states.ShowWordList);
}

TEST(LanguagesPageStates, ALanguageWithoutElementsOffersOnlyAddingOne) {
  LanguagesPageSelection selection;
  selection.LanguageSelected = true;
  const LanguagesPageStates states = LanguagesPageStatesFor(selection);
  EXPECT_TRUE(states.LanguageControls);
  EXPECT_FALSE(states.ElementControls || states.Up || states.Down || states.Escape);
}
