// Colour schemes and their list: defaults, storage in settings files, cloning.
#include "editor/syntax/ColorScheme.h"

#include "common/SettingsFile.h"

namespace {

void ExchangeColors(SettingsFile& file, std::array<Colour, ColorItemCount>& colors) {
  for (int item = 0; item < ColorItemCount; ++item) {
    int value = static_cast<int>(colors[static_cast<std::size_t>(item)]);
    file.ExchangeInt(ItemName(item, false) + "Color", value);
    colors[static_cast<std::size_t>(item)] = static_cast<Colour>(value);
  }
}

}  // namespace

ColorScheme::ColorScheme() : Colors{0, 0, 0, 0, 0, 0x00FFFFFF} {}

ColorScheme::ColorScheme(std::string name, int selColor, const std::array<Colour, ColorItemCount>& colors)
    : Colors(colors), Name(std::move(name)), SelColor(selColor) {}

void ColorScheme::Exchange(SettingsFile& file) {
  file.ExchangeString("Name", Name);
  file.ExchangeInt("SelColor", SelColor);
  ExchangeColors(file, Colors);
}

ColorSchemeList::ColorSchemeList(const ColorSchemeList& other) : CurrentColorScheme(other.CurrentColorScheme) {
  for (const RefPtr<ColorScheme>& scheme : other.Schemes)
    Schemes.push_back(RefPtr<ColorScheme>(new ColorScheme(scheme->Name, scheme->SelColor, scheme->Colors)));
}

ColorSchemeList& ColorSchemeList::operator=(const ColorSchemeList& other) {
  if (this != &other) {
    ColorSchemeList copy(other);
    Schemes.swap(copy.Schemes);
    CurrentColorScheme = copy.CurrentColorScheme;
  }
  return *this;
}

ColorScheme* ColorSchemeList::Current() const {
  if (CurrentColorScheme < 0 || CurrentColorScheme >= static_cast<int>(Schemes.size())) return nullptr;
  return Schemes[static_cast<std::size_t>(CurrentColorScheme)].Get();
}

void ColorSchemeList::Exchange(SettingsFile& file) {
  file.ExchangeInt("CurrentColorScheme", CurrentColorScheme);
  int count = static_cast<int>(Schemes.size());
  file.ExchangeInt("ColorSchemeCount", count);
  if (!file.IsLoading()) {
    for (const RefPtr<ColorScheme>& scheme : Schemes) scheme->Exchange(file);
    return;
  }
  Schemes.clear();
  for (int i = 0; i < count; ++i) {
    RefPtr<ColorScheme> scheme(new ColorScheme);
    scheme->Exchange(file);
    Schemes.push_back(scheme);
  }
}

void ColorSchemeList::LoadOldColorTable(SettingsFile& file, bool useSystemSelectionColor) {
  RefPtr<ColorScheme> scheme(new ColorScheme);
  scheme->Name = "Custom Color Scheme";
  scheme->SelColor = useSystemSelectionColor ? 1 : 0;
  ExchangeColors(file, scheme->Colors);
  Schemes.push_back(scheme);
  CurrentColorScheme = static_cast<int>(Schemes.size()) - 1;
}

void ColorSchemeList::AddDefaultSchemes() {
  // PlainText, Comment, Keyword, Symbol, String, Background.
  Schemes.push_back(new ColorScheme("Sky", 1, {0x000000, 0x008000, 0xFF0000, 0xC000C0, 0xC06060, 0xFFFFFF}));
  Schemes.push_back(new ColorScheme("Ocean", 0, {0x00FFFF, 0xFFFF78, 0xFFFFFF, 0xFFFFFF, 0x40FF40, 0xAC0000}));
  Schemes.push_back(new ColorScheme("Forest", 0, {0x002000, 0x0000FF, 0xFF0000, 0xFF00FF, 0x002040, 0xD4FFD4}));
  Schemes.push_back(new ColorScheme("Space", 0, {0xFFFFFF, 0xFFB0B0, 0x80FF80, 0xFF80FF, 0x00FFFF, 0x000000}));
}
