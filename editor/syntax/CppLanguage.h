// The built-in C++ definition that the Colors page previews with.
#pragma once

#include "editor/syntax/LanguageDef.h"

// folder: where its file would live (the languages folder); it is never saved.
RefPtr<LanguageDef> MakeCppLanguage(const std::string& folder);
