// The fields every element stores: its token kind and its options.
#include "editor/syntax/LanguageElement.h"

#include "common/SettingsFile.h"

void LanguageElement::Exchange(SettingsFile& file) {
  file.ExchangeInt("TokenKind", TokenKind);
  file.ExchangeInt("Options", Options);
}
