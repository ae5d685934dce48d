// The four case conversions.
#include "editor/shell/CaseConversion.h"

#include "common/LineEnds.h"
#include "editor/view/TextView.h"

#include <array>
#include <utility>

namespace {

// The mapping of every byte value, asked of the platform once per conversion rather than
// once per character.
struct CaseTables {
  explicit CaseTables(const CaseMapping& mapping) {
    std::string all(256, '\0');
    for (int c = 0; c < 256; ++c) all[static_cast<std::size_t>(c)] = static_cast<char>(c);
    Upper = Lower = all;
    mapping.ToUpper(Upper);
    mapping.ToLower(Lower);
    for (int c = 0; c < 256; ++c) {
      Letter[static_cast<std::size_t>(c)] = mapping.IsLetter(static_cast<unsigned char>(c));
      IsUpper[static_cast<std::size_t>(c)] = mapping.IsUpper(static_cast<unsigned char>(c));
    }
  }
  std::string Upper, Lower;
  std::array<bool, 256> Letter{}, IsUpper{};
};

unsigned char Byte(char c) { return static_cast<unsigned char>(c); }

void ToTitleCase(std::string& text, const CaseTables& tables) {
  bool capitalizeNext = true;
  bool previousIsLetter = false;
  for (char& c : text) {
    const unsigned char original = Byte(c);
    const bool letter = tables.Letter[original];
    c = capitalizeNext ? tables.Upper[original] : tables.Lower[original];
    capitalizeNext = original == '\'' ? !previousIsLetter : !letter;
    previousIsLetter = letter;
  }
}

void ToToggledCase(std::string& text, const CaseTables& tables) {
  for (char& c : text) {
    const unsigned char original = Byte(c);
    if (!tables.Letter[original]) continue;
    c = tables.IsUpper[original] ? tables.Lower[original] : tables.Upper[original];
  }
}

}  // namespace

std::string ConvertCase(std::string text, int mode, const CaseMapping& mapping) {
  switch (mode) {
  case LowerCase: mapping.ToLower(text); break;
  case UpperCase: mapping.ToUpper(text); break;
  case TitleCase: ToTitleCase(text, CaseTables(mapping)); break;
  case ToggleCase: ToToggledCase(text, CaseTables(mapping)); break;
  default: break;
  }
  return text;
}

void ConvertSelectionCase(TextView& view, int mode, const CaseMapping& mapping) {
  if (!view.HasSelection()) return;
  std::string text = view.GetSelectedText();
  RemoveCarriageReturns(text, nullptr, 0);
  view.ReplaceSelection(ConvertCase(std::move(text), mode, mapping), true);
}
