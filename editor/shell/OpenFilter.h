// The Open dialog's filter list, built from the languages, and its entries' lasting names.
#pragma once

#include <string>

class LanguageList;

// "All Files|*.*|", one entry per language with extensions, "Text Files (txt)|*.txt|" unless
// a language claims "txt", and the final "|".
std::string BuildOpenFilter(const LanguageList& languages);
// Entries are remembered across runs by name, because indexes shift when languages change:
// "AllFilesFilterName", a language's name, or "TextFilesFilterName".
// The 1-based index of the entry with this name (case-sensitive); 1 when there is none.
int FilterIndex(const LanguageList& languages, const std::string& name);
// The name of the entry at a 1-based index; empty outside the list.
std::string FilterName(const LanguageList& languages, int index);
