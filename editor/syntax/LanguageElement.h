// The three kinds of element a language definition is made of, and what they share.
#pragma once

#include "common/RefCounted.h"

#include <string>
#include <string_view>

class SettingsFile;
struct ColourState;

// Element kinds as stored in "LangElemKind".
enum ElementKind { WordsKind = 0, RestOfLineKind = 1, RangeKind = 2 };

// Option bits of an element; other bits are kept as stored.
constexpr int WholeWord = 1;
constexpr int SpanLines = 2;
constexpr int AllowNesting = 4;

// Shared by the definition, by colouring states that are inside it, and by the Languages page.
class LanguageElement : public RefCounted {
public:
  LanguageElement(int tokenKind, int options) : TokenKind(tokenKind), Options(options) {}

  // Colours from pos on and returns the end of the token; may change the state.
  virtual int Match(ColourState& state, std::string_view line, int pos, bool matchCase) = 0;
  virtual ElementKind GetKind() const = 0;
  // "TokenKind", "Options", then the kind's own fields.
  virtual void Exchange(SettingsFile& file);
  // The strings the definition registers for this element.
  virtual int StringCount() const = 0;
  virtual std::string StringAt(int index) const = 0;

  int TokenKind;
  int Options;
};
