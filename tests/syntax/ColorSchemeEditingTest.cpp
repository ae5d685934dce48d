// The Colors page's edits of its working copy and its enabled controls.
#include "editor/syntax/ColorSchemeEditing.h"

#include <gtest/gtest.h>

namespace {

ColorSchemeList DefaultList() {
  ColorSchemeList list;
  list.AddDefaultSchemes();
  return list;
}

}  // namespace

TEST(ColorSchemeEditing, NewSchemeCopiesTheCurrentOneAndComesLast) {
  ColorSchemeList list = DefaultList();
  list.CurrentColorScheme = 1;  // Ocean
  AddNewScheme(list);
  ASSERT_EQ(5u, list.Schemes.size());
  EXPECT_EQ(4, list.CurrentColorScheme);
  const ColorScheme& added = *list.Schemes[4];
  EXPECT_EQ("New Color Scheme", added.Name);
  EXPECT_EQ(list.Schemes[1]->Colors, added.Colors);
  EXPECT_EQ(0, added.SelColor);
  EXPECT_NE(list.Schemes[1].Get(), &added);
  EXPECT_EQ("Ocean", list.Schemes[1]->Name);
}

TEST(ColorSchemeEditing, NewSchemeWithoutACurrentOneHasTheDefaults) {
  ColorSchemeList list;
  AddNewScheme(list);
  ASSERT_EQ(1u, list.Schemes.size());
  EXPECT_EQ(0x00FFFFFFu, list.Current()->Colors[BackgroundItem]);
  EXPECT_EQ(0u, list.Current()->Colors[Keyword]);
}

TEST(ColorSchemeEditing, DeletingSelectsTheNextThenTheLastThenNone) {
  ColorSchemeList list = DefaultList();
  list.CurrentColorScheme = 2;
  ASSERT_TRUE(DeleteCurrentScheme(list));
  EXPECT_EQ("Space", list.Current()->Name);
  ASSERT_TRUE(DeleteCurrentScheme(list));
  EXPECT_EQ("Ocean", list.Current()->Name);
  ASSERT_TRUE(DeleteCurrentScheme(list));
  ASSERT_TRUE(DeleteCurrentScheme(list));
  EXPECT_TRUE(list.Schemes.empty());
  EXPECT_EQ(nullptr, list.Current());
  EXPECT_FALSE(DeleteCurrentScheme(list));
  const ColorsPageStates states = ColorsPageStatesFor(list);
  EXPECT_FALSE(states.SchemeControls);
  EXPECT_FALSE(states.MoveUp);
  EXPECT_FALSE(states.MoveDown);
}

TEST(ColorSchemeEditing, MovingKeepsTheSchemeCurrentAndStopsAtTheEnds) {
  ColorSchemeList list = DefaultList();
  EXPECT_FALSE(MoveCurrentScheme(list, -1));
  EXPECT_FALSE(ColorsPageStatesFor(list).MoveUp);
  EXPECT_TRUE(ColorsPageStatesFor(list).MoveDown);
  ASSERT_TRUE(MoveCurrentScheme(list, 1));
  EXPECT_EQ(1, list.CurrentColorScheme);
  EXPECT_EQ("Sky", list.Current()->Name);
  EXPECT_EQ("Ocean", list.Schemes[0]->Name);
  list.CurrentColorScheme = 3;
  EXPECT_FALSE(MoveCurrentScheme(list, 1));
  EXPECT_FALSE(ColorsPageStatesFor(list).MoveDown);
}

TEST(ColorSchemeEditing, SettingTheSameColourChangesNothing) {
  ColorSchemeList list = DefaultList();
  EXPECT_FALSE(SetCurrentColour(list, Keyword, 0xFF0000));
  EXPECT_TRUE(SetCurrentColour(list, Keyword, 0x123456));
  EXPECT_EQ(0x123456u, list.Schemes[0]->Colors[Keyword]);
  EXPECT_FALSE(SetCurrentColour(list, 6, 0));
  list.CurrentColorScheme = 9;
  EXPECT_FALSE(SetCurrentColour(list, Keyword, 1));
}
