// Fuzz target: any bytes read as a settings file through every kind of exchange.
#include "common/FileError.h"
#include "common/SettingsFile.h"
#include "fuzz/ScratchFile.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The fields of the platform's LOGFONT and RECT, with their widths. The face name is the
// last member, so that a write beyond it leaves the object and the sanitizer sees it.
struct LogFont {
  std::int32_t lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight;
  std::uint8_t lfItalic, lfUnderline, lfStrikeOut, lfCharSet, lfOutPrecision, lfClipPrecision, lfQuality,
      lfPitchAndFamily;
  char lfFaceName[32];
};

struct Rect {
  std::int32_t left, top, right, bottom;
};

// One record of mixed fields; the input holds any number of them, one after the other.
struct Record {
  int Count = 0;
  std::string Name;
  bool Flag = false;
  LogFont Font{};
  Rect Window{};

  bool operator==(const Record& other) const {
    return Count == other.Count && Name == other.Name && Flag == other.Flag &&
           std::memcmp(&Font, &other.Font, sizeof Font) == 0 && std::memcmp(&Window, &other.Window, sizeof Window) == 0;
  }
};

void ExchangeRecord(SettingsFile& file, Record& record) {
  file.ExchangeInt("Count", record.Count);
  file.ExchangeString("Name", record.Name);
  file.ExchangeBool("Flag", record.Flag);
  file.EndLine();
  LogFont font = record.Font;  // on its own, see LogFont
  file.ExchangeFont("Font", font);
  if (font.lfFaceName[sizeof font.lfFaceName - 1] != '\0') FuzzFailure("face name not terminated");
  record.Font = font;
  file.ExchangeRect("Window", record.Window);
}

// Reads records until the first one that does not match; the complete ones are returned.
std::vector<Record> ReadRecords(const std::string& path) {
  std::vector<Record> records;
  try {
    SettingsFile file(path, true);
    for (;;) {
      Record record;
      ExchangeRecord(file, record);
      records.push_back(record);
    }
  } catch (const Exception& error) {
    if (error.Code != 1 && error.Code != 2) FuzzFailure("unknown exception code");
  } catch (const FileError&) {
    FuzzFailure("the file just written could not be read");
  }
  return records;
}

void WriteRecords(const std::string& path, std::vector<Record> records) {
  SettingsFile file(path, false);
  for (Record& record : records) ExchangeRecord(file, record);
  file.Save();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const ScratchFile input("input.ini");
  static const ScratchFile saved("saved.ini");
  input.Write(data, size);
  const std::vector<Record> records = ReadRecords(input.Path);
  if (records.empty()) return 0;
  WriteRecords(saved.Path, records);
  if (ReadRecords(saved.Path) != records) FuzzFailure("saved records read back different");
  return 0;
}
