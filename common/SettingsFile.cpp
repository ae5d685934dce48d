// Reading and writing the key/value settings format, line by line in a fixed field order.
#include "common/SettingsFile.h"

#include "common/LineEnds.h"
#include "common/TextFile.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace {

bool IsFalse(const std::string& value) {
  static const char False[] = "false";
  return value.size() == sizeof False - 1 &&
         std::equal(value.begin(), value.end(), False,
                    [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Parses a decimal integer the way "%d" does: leading white space (line ends included) is
// skipped, an optional sign, digits; anything behind them is ignored. Values outside the
// 32-bit range wrap around. Returns false when there are no digits.
bool ParseInt(const std::string& text, std::size_t position, int& value) {
  while (position < text.size() && IsSpace(text[position])) ++position;
  const bool negative = position < text.size() && text[position] == '-';
  if (position < text.size() && (text[position] == '-' || text[position] == '+')) ++position;
  if (position >= text.size() || !IsDigit(text[position])) return false;
  std::uint32_t magnitude = 0;
  for (; position < text.size() && IsDigit(text[position]); ++position)
    magnitude = magnitude * 10u + static_cast<std::uint32_t>(text[position] - '0');
  if (negative) magnitude = 0u - magnitude;
  value = static_cast<int>(static_cast<std::int32_t>(magnitude));
  return true;
}

// A value cannot hold a line break: cut it there so the lines behind it stay intact.
std::string FirstLineOf(const std::string& value) {
  return value.substr(0, value.find_first_of("\r\n"));
}

}  // namespace

std::string Exception::GetMessageText() const {
  if (!Message.empty()) return Message;
  if (Code == 1) return "The file version is newer than the application version.";
  return "Undefined error " + std::to_string(Code);
}

SettingsFile::SettingsFile(const std::string& fileName, bool loading) : Loading(loading), FileName(fileName) {
  if (Loading) Text = ReadTextFile(FileName, true);
  ExchangeInt("Version", Version);
  if (Loading && Version > CurrentSettingsVersion) throw Exception(1, "");
  EndLine();
}

SettingsFile::~SettingsFile() {
  if (!Unsaved) return;
  try {
    Save();
  } catch (...) {
  }
}

void SettingsFile::Save() {
  if (Loading) return;
  WriteTextFile(FileName, ToCrLf(Text));
  Unsaved = false;
}

void SettingsFile::Append(const std::string& text) {
  Text += text;
  Unsaved = true;
}

void SettingsFile::ExchangeName(const std::string& name) {
  if (!Loading) {
    Append(name + "=");
    return;
  }
  const std::string key = name + "=";
  if (Text.compare(Position, key.size(), key) != 0) FieldNotFound(name);
  Position += key.size();
}

bool SettingsFile::Holds(const std::string& name) const {
  return !Loading || Text.compare(Position, name.size() + 1, name + "=") == 0;
}

void SettingsFile::FieldNotFound(const std::string& name) const {
  throw Exception(2, "Could not find field '" + name + "' when loading file '" + FileName +
                         "'. The file may be corrupted. You should either replace the file with a valid "
                         "copy or delete the file from disk.");
}

void SettingsFile::ExchangeInt(const std::string& name, int& value) {
  ExchangeName(name);
  if (Loading) ParseInt(Text, Position, value);
  else Append(std::to_string(value));
  EndLine();
}

void SettingsFile::ExchangeString(const std::string& name, std::string& value) {
  ExchangeName(name);
  if (Loading) value = Text.substr(Position, Text.find('\n', Position) - Position);
  else Append(FirstLineOf(value));
  EndLine();
}

void SettingsFile::ExchangeBool(const std::string& name, bool& value) {
  std::string text = value ? "True" : "False";
  ExchangeString(name, text);
  if (Loading) value = !IsFalse(text);
}

void SettingsFile::EndLine() {
  if (!Loading) {
    Append("\n");
    return;
  }
  const std::size_t lineFeed = Text.find('\n', Position);
  Position = lineFeed == std::string::npos ? Text.size() : lineFeed + 1;
}

void SettingsFile::ExchangeFaceName(const std::string& name, char* faceName, std::size_t size) {
  std::string text(faceName, std::find(faceName, faceName + size, '\0'));
  ExchangeString(name, text);
  if (!Loading) return;
  const std::size_t length = std::min(text.size(), size - 1);
  std::memcpy(faceName, text.data(), length);
  std::memset(faceName + length, 0, size - length);
}
