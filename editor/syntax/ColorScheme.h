// Colour schemes: a colour per token kind and for the background, and how selections show.
#pragma once

#include "common/RefCounted.h"
#include "editor/syntax/TokenKind.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class SettingsFile;

// 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

// Shared: the view holds a reference to the scheme it paints with.
class ColorScheme : public RefCounted {
public:
  ColorScheme();
  ColorScheme(std::string name, int selColor, const std::array<Colour, ColorItemCount>& colors);

  // "Name", "SelColor", then "PlainTextColor" ... "BackgroundColor".
  virtual void Exchange(SettingsFile& file);
  // Selected text in the system's highlight colours; otherwise inverted (background colour
  // on the plain-text colour).
  bool UsesSystemSelection() const { return SelColor == 1; }

  std::array<Colour, ColorItemCount> Colors;  // indexed by token kind, 5 = background
  std::string Name;
  int SelColor = 0;
};

// The application's ordered schemes and the current one. Copying clones every scheme, so a
// copy can be edited and written back as a whole.
class ColorSchemeList {
public:
  ColorSchemeList() = default;
  ColorSchemeList(const ColorSchemeList& other);
  ColorSchemeList& operator=(const ColorSchemeList& other);

  // The scheme at CurrentColorScheme, or null when the index is outside the list.
  ColorScheme* Current() const;
  // "CurrentColorScheme", "ColorSchemeCount", then each scheme's fields.
  void Exchange(SettingsFile& file);
  // Loading a settings file older than version 3: its single colour table becomes the
  // current scheme "Custom Color Scheme".
  void LoadOldColorTable(SettingsFile& file, bool useSystemSelectionColor);
  // The four schemes a new installation (or an upgrade from before version 3) gets.
  void AddDefaultSchemes();

  std::vector<RefPtr<ColorScheme>> Schemes;
  int CurrentColorScheme = 0;
};
