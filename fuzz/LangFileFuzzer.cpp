// Fuzz target: any bytes as a .lang file, loaded and then used to colour lines.
#include "common/FileError.h"
#include "common/SettingsFile.h"
#include "editor/syntax/ColourLine.h"
#include "editor/syntax/LanguageDef.h"
#include "editor/syntax/LanguageElements.h"
#include "fuzz/ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// Some markers of the usual languages, so that colouring meets whatever the input defines.
const char Sample[] = "int x = \"a\\\"b\" /* c /* d */ e */ // f 'g''h' <!-- i --> (* j *) # k";

// A partly loaded definition is coloured as well: it must be as consistent as a whole one.
bool Load(const std::string& path, LanguageDef& language) {
  try {
    SettingsFile file(path, true);
    language.Exchange(file);
    return true;
  } catch (const Exception&) {
    return false;
  } catch (const FileError&) {
    FuzzFailure("the file just written could not be read");
  }
}

// Tokens cover the line in order; an open range is one element repeated; a hard break
// leaves nothing to go on with.
void CheckColouring(const LineColouring& colouring, const std::string& line, const ColourState& start,
                    bool continues) {
  std::size_t column = 0;
  for (const ColouredToken& token : colouring.Tokens) {
    if (token.Column != static_cast<int>(column) || token.Text.empty() ||
        line.compare(column, token.Text.size(), token.Text) != 0)
      FuzzFailure("tokens do not cover the line");
    column += token.Text.size();
  }
  if (column != line.size()) FuzzFailure("tokens end before the line does");
  if (colouring.StartState != start) FuzzFailure("start state differs from the state passed in");
  const ColourState& end = colouring.EndState;
  for (const RefPtr<LanguageElement>& level : end.RangeStack)
    if (level != end.RangeStack.front()) FuzzFailure("range stack holds different elements");
  if (!continues && end.Current) FuzzFailure("a hard break left Current set");
}

// The input's own lines, then the sample, each coloured from the state the previous one
// ended in; the low bit of each line's length decides whether it ends in a soft break.
void ColourLines(const LanguageDef& language, const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t begin = 0; begin <= text.size() && lines.size() < 32;) {
    const std::size_t end = std::min(text.find('\n', begin), text.size());
    lines.push_back(text.substr(begin, end - begin));
    begin = end + 1;
  }
  lines.push_back(Sample);
  lines.push_back(Sample);
  ColourState state;
  for (const std::string& line : lines) {
    const bool continues = line.size() % 2 == 1;
    RefPtr<LineColouring> colouring = ColourLine(&language, line, state, continues);
    CheckColouring(*colouring, line, state, continues);
    state = colouring->EndState;
  }
}

void CheckSameElement(const LanguageElement& a, const LanguageElement& b) {
  if (a.GetKind() != b.GetKind() || a.TokenKind != b.TokenKind || a.Options != b.Options ||
      a.StringCount() != b.StringCount())
    FuzzFailure("a saved element reads back different");
  for (int i = 0; i < a.StringCount(); ++i)
    if (a.StringAt(i) != b.StringAt(i)) FuzzFailure("a saved element string reads back different");
  const auto* rangeA = dynamic_cast<const RangeElement*>(&a);
  const auto* rangeB = dynamic_cast<const RangeElement*>(&b);
  if (rangeA && (rangeA->EndMarker != rangeB->EndMarker || rangeA->EscapeChar != rangeB->EscapeChar))
    FuzzFailure("a saved range reads back different");
}

// A definition that loaded is saved and loaded again: it must come back the same.
void CheckRoundTrip(LanguageDef& language, const std::string& path) {
  {
    SettingsFile file(path, false);
    language.Exchange(file);
  }
  RefPtr<LanguageDef> again(new LanguageDef);
  if (!Load(path, *again)) FuzzFailure("a saved definition does not load");
  if (again->MatchCase != language.MatchCase || again->Extensions != language.Extensions ||
      again->Elements.size() != language.Elements.size())
    FuzzFailure("a saved definition reads back different");
  for (std::size_t i = 0; i < language.Elements.size(); ++i)
    CheckSameElement(*language.Elements[i], *again->Elements[i]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile input("input.lang");
  static const ScratchFile saved("saved.lang");
  input.Write(data, size);
  RefPtr<LanguageDef> language(new LanguageDef);
  const bool loaded = Load(input.Path, *language);
  ColourLines(*language, std::string(reinterpret_cast<const char*>(data), size));
  if (loaded) CheckRoundTrip(*language, saved.Path);
  return 0;
}
