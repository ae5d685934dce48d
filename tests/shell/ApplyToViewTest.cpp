// Handing the settings to the view: the options, the scheme and its selection mode, the font seam.
#include "editor/shell/AppSettings.h"

#include "tests/shell/SettingsFakes.h"
#include "tests/view/ViewFakes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Settings whose font step notes what the view held when it came.
class FontNotingSettings : public AppSettings {
public:
  using AppSettings::AppSettings;
  int FontCalls = 0;
  bool WrapWhenFontCame = true;

protected:
  void ApplyFont(TextView& view) override {
    ++FontCalls;
    WrapWhenFontCame = view.GetWordWrap();
  }
};

struct ApplyToViewTest : ::testing::Test {
  ApplyToViewTest() {
    View.View.SetText("one\ttwo three four five six seven eight nine ten eleven twelve");
    Settings.Schemes.AddDefaultSchemes();
  }

  SettingsScene Scene;
  FontNotingSettings Settings{Scene.Folders, Scene.SettingsPath(), Scene.Platform, Scene.Reporter};
  ViewFixture View;
};

TEST_F(ApplyToViewTest, TheViewTakesEveryOptionAndTheFontComesFirst) {
  Settings.AutoIndent = false;
  Settings.TabWidth = 7;
  Settings.ShowLineNumbers = true;
  Settings.TabInsertsSpaces = true;
  Settings.ShowWhitespace = true;
  Settings.WordWrap = true;
  View.Host.Clear();
  Settings.ApplyToView(View.View);
  EXPECT_EQ(Settings.FontCalls, 1);
  EXPECT_FALSE(Settings.WrapWhenFontCame);
  EXPECT_FALSE(View.View.AutoIndent);
  EXPECT_EQ(View.View.GetTabWidth(), 7);
  EXPECT_TRUE(View.View.GetShowLineNumbers());
  EXPECT_TRUE(View.View.TabInsertsSpaces);
  EXPECT_TRUE(View.View.ShowWhitespace);
  EXPECT_TRUE(View.View.GetWordWrap());
  EXPECT_GT(View.Host.Count(HostEvent::All), 0);  // visible white space repaints everything
}

TEST_F(ApplyToViewTest, TheCurrentSchemeDecidesTheSelectionColours) {
  Settings.Schemes.CurrentColorScheme = 1;  // Ocean: inverted selections
  Settings.ApplyToView(View.View);
  EXPECT_EQ(View.View.GetColorScheme().Get(), Settings.Schemes.Schemes[1].Get());
  EXPECT_FALSE(View.View.GetUseSystemSelectionColor());
  Settings.Schemes.CurrentColorScheme = 0;  // Sky: the system's colours
  Settings.ApplyToView(View.View);
  EXPECT_EQ(View.View.GetColorScheme().Get(), Settings.Schemes.Schemes[0].Get());
  EXPECT_TRUE(View.View.GetUseSystemSelectionColor());
}

TEST_F(ApplyToViewTest, WithoutACurrentSchemeTheViewPaintsWithItsDefaultAndSystemSelection) {
  Settings.Schemes.CurrentColorScheme = 1;
  Settings.ApplyToView(View.View);
  Settings.Schemes.CurrentColorScheme = 4;  // outside the list of four
  Settings.ApplyToView(View.View);
  ASSERT_TRUE(View.View.GetColorScheme());
  for (const RefPtr<ColorScheme>& scheme : Settings.Schemes.Schemes)
    EXPECT_NE(View.View.GetColorScheme().Get(), scheme.Get());
  EXPECT_TRUE(View.View.GetUseSystemSelectionColor());
}

TEST_F(ApplyToViewTest, TurningWordWrapOffAgainUnwrapsTheText) {
  View.View.SetClientSize(14 * 7, 25 * 16);
  Settings.WordWrap = true;
  Settings.ApplyToView(View.View);
  const int wrappedLines = View.View.LineCount();
  Settings.WordWrap = false;
  Settings.ApplyToView(View.View);
  EXPECT_GT(wrappedLines, 1);
  EXPECT_EQ(View.View.LineCount(), 1);
}

}  // namespace
