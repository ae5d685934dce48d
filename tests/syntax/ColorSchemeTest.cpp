// Colour schemes: the defaults, storage in a settings file, the old colour table, copies.
#include "editor/syntax/ColorScheme.h"

#include "common/SettingsFile.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

namespace {

class ColorSchemes : public ::testing::Test {
protected:
  void Save(ColorSchemeList& list) {
    SettingsFile file(Scratch.Path("s.ini"), false);
    list.Exchange(file);
  }
  ColorSchemeList Load() {
    ColorSchemeList list;
    SettingsFile file(Scratch.Path("s.ini"), true);
    list.Exchange(file);
    return list;
  }

  ScratchFolder Scratch;
};

TEST(ItemNames, KeyAndDisplayNames) {
  EXPECT_EQ(ItemName(PlainText, false), "PlainText");
  EXPECT_EQ(ItemName(PlainText, true), "Plain Text");
  EXPECT_EQ(ItemName(String, true), "String");
  EXPECT_EQ(ItemName(BackgroundItem, false), "Background");
  EXPECT_EQ(ItemName(6, false), "");
  EXPECT_EQ(ItemName(-1, true), "");
}

TEST_F(ColorSchemes, ANewInstallationHasFourWithSkyCurrent) {
  ColorSchemeList list;
  list.AddDefaultSchemes();
  ASSERT_EQ(list.Schemes.size(), 4u);
  const char* names[] = {"Sky", "Ocean", "Forest", "Space"};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.Schemes[static_cast<std::size_t>(i)]->Name, names[i]);
  ASSERT_NE(list.Current(), nullptr);
  EXPECT_EQ(list.Current()->Name, "Sky");
  EXPECT_TRUE(list.Current()->UsesSystemSelection());
  EXPECT_EQ(list.Schemes[0]->Colors[Keyword], 0xFF0000u);         // blue
  EXPECT_EQ(list.Schemes[1]->Colors[BackgroundItem], 0xAC0000u);  // dark blue
  EXPECT_FALSE(list.Schemes[3]->UsesSystemSelection());
}

TEST_F(ColorSchemes, AFreshSchemeIsBlackOnWhite) {
  const ColorScheme scheme;
  for (int item = 0; item < BackgroundItem; ++item) EXPECT_EQ(scheme.Colors[static_cast<std::size_t>(item)], 0u);
  EXPECT_EQ(scheme.Colors[BackgroundItem], 0x00FFFFFFu);
  EXPECT_EQ(scheme.SelColor, 0);
}

TEST_F(ColorSchemes, SavedFieldsInOrder) {
  ColorSchemeList list;
  list.Schemes.push_back(new ColorScheme("A=b", 7, {1, 2, 3, 4, 5, 0xFF000006u}));
  Save(list);
  EXPECT_EQ(Scratch.ReadBytes("s.ini"),
            "Version=10\r\n\r\nCurrentColorScheme=0\r\nColorSchemeCount=1\r\nName=A=b\r\nSelColor=7\r\n"
            "PlainTextColor=1\r\nCommentColor=2\r\nKeywordColor=3\r\nSymbolColor=4\r\nStringColor=5\r\n"
            "BackgroundColor=-16777210\r\n");
}

TEST_F(ColorSchemes, SavingAndLoadingKeepsTheList) {
  ColorSchemeList list;
  list.AddDefaultSchemes();
  list.Schemes.push_back(new ColorScheme("", 1, {9, 8, 7, 6, 5, 4}));
  list.Schemes.push_back(new ColorScheme("Sky", 0, {1, 1, 1, 1, 1, 1}));
  list.Schemes[0]->Colors[Comment] = 0xFF123456u;  // high bits are kept as stored
  list.CurrentColorScheme = 4;
  Save(list);
  const ColorSchemeList loaded = Load();
  ASSERT_EQ(loaded.Schemes.size(), list.Schemes.size());
  for (std::size_t i = 0; i < list.Schemes.size(); ++i) {
    EXPECT_EQ(loaded.Schemes[i]->Name, list.Schemes[i]->Name);
    EXPECT_EQ(loaded.Schemes[i]->SelColor, list.Schemes[i]->SelColor);
    EXPECT_EQ(loaded.Schemes[i]->Colors, list.Schemes[i]->Colors);
  }
  EXPECT_EQ(loaded.CurrentColorScheme, 4);
  EXPECT_EQ(loaded.Current()->Name, "");
}

TEST_F(ColorSchemes, AnIndexOutsideTheListMeansNoScheme) {
  ColorSchemeList list;
  EXPECT_EQ(list.Current(), nullptr);
  list.AddDefaultSchemes();
  list.CurrentColorScheme = 4;
  EXPECT_EQ(list.Current(), nullptr);
  list.CurrentColorScheme = -1;
  EXPECT_EQ(list.Current(), nullptr);
}

TEST_F(ColorSchemes, AnOldColourTableBecomesTheCurrentCustomScheme) {
  Scratch.WriteBytes("s.ini", "Version=2\r\n\r\nPlainTextColor=1\r\nCommentColor=2\r\nKeywordColor=3\r\n"
                              "SymbolColor=4\r\nStringColor=5\r\nBackgroundColor=6\r\n");
  ColorSchemeList list;
  {
    SettingsFile file(Scratch.Path("s.ini"), true);
    list.LoadOldColorTable(file, true);
  }
  list.AddDefaultSchemes();
  ASSERT_EQ(list.Schemes.size(), 5u);
  EXPECT_EQ(list.Current()->Name, "Custom Color Scheme");
  EXPECT_EQ(list.CurrentColorScheme, 0);
  EXPECT_EQ(list.Current()->SelColor, 1);
  EXPECT_EQ(list.Current()->Colors[BackgroundItem], 6u);
  EXPECT_EQ(list.Schemes[1]->Name, "Sky");
}

TEST_F(ColorSchemes, ACopyClonesEveryScheme) {
  ColorSchemeList list;
  list.AddDefaultSchemes();
  list.CurrentColorScheme = 2;
  ColorSchemeList copy(list);
  ASSERT_EQ(copy.Schemes.size(), 4u);
  EXPECT_EQ(copy.CurrentColorScheme, 2);
  EXPECT_NE(copy.Schemes[0].Get(), list.Schemes[0].Get());
  copy.Schemes[0]->Name = "Changed";
  copy.Schemes[0]->Colors[PlainText] = 0x123456u;
  EXPECT_EQ(list.Schemes[0]->Name, "Sky");
  EXPECT_EQ(list.Schemes[0]->Colors[PlainText], 0u);
  list = copy;
  EXPECT_EQ(list.Schemes[0]->Name, "Changed");
  EXPECT_NE(list.Schemes[0].Get(), copy.Schemes[0].Get());
}

TEST_F(ColorSchemes, ALoadStoppedByAMissingFieldKeepsWhatWasRead) {
  Scratch.WriteBytes("s.ini", "Version=10\r\n\r\nCurrentColorScheme=1\r\nColorSchemeCount=2\r\nName=One\r\n"
                              "SelColor=1\r\nPlainTextColor=1\r\n");
  ColorSchemeList list;
  list.AddDefaultSchemes();
  SettingsFile file(Scratch.Path("s.ini"), true);
  try {
    list.Exchange(file);
    FAIL() << "a missing field must throw";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Code, 2);
    EXPECT_NE(e.GetMessageText().find("'CommentColor'"), std::string::npos);
  }
  ASSERT_EQ(list.Schemes.size(), 0u);  // the half-read scheme is not in the list
}

}  // namespace
