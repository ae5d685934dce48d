// A counted list of strings in a settings file: the count, then one unnamed entry per string.
#pragma once

#include <string>
#include <vector>

class SettingsFile;

// countName + "Count", then "=" and the string on each line. Loading replaces strings.
void ExchangeStrings(SettingsFile& file, const std::string& countName, std::vector<std::string>& strings);
