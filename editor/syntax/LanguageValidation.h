// The checks that the Languages page makes before its working copy replaces the definitions,
// with the normalisations they keep (trimmed strings, cleaned word lists, cleared options).
#pragma once

#include "editor/syntax/LanguageRecord.h"

#include <string>
#include <vector>

// Where the first check failed and what to tell the user. Element -1: the language itself.
struct ValidationFailure {
  int Language = -1;
  int Element = -1;
  std::string Message;
};

// Language by language in order: a name that a later language repeats (without case) fails
// at that later language; then the language's own checks. True when every language passed.
bool ValidateLanguages(std::vector<LanguageRecord>& records, ValidationFailure& failure);
// Name, extensions (trimmed, leading dots dropped), then each element with the language's
// case rule. Fills Element and Message on failure.
bool ValidateLanguage(LanguageRecord& record, ValidationFailure& failure);
// The element is normalised in place; message is set on failure.
bool ValidateElement(ElementRecord& element, bool matchCase, std::string& message);

// A letter or "_", then letters, digits or "_".
bool IsIdentifier(const std::string& text);
