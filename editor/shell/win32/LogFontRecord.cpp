// Field-by-field copies between FontRecord and LOGFONTA, which hold the same fields.
#include "editor/shell/win32/LogFontRecord.h"

#include <cstring>

LOGFONTA ToLogFont(const FontRecord& record) {
  LOGFONTA font{};
  font.lfHeight = record.lfHeight;
  font.lfWidth = record.lfWidth;
  font.lfEscapement = record.lfEscapement;
  font.lfOrientation = record.lfOrientation;
  font.lfWeight = record.lfWeight;
  font.lfItalic = record.lfItalic;
  font.lfUnderline = record.lfUnderline;
  font.lfStrikeOut = record.lfStrikeOut;
  font.lfCharSet = record.lfCharSet;
  font.lfOutPrecision = record.lfOutPrecision;
  font.lfClipPrecision = record.lfClipPrecision;
  font.lfQuality = record.lfQuality;
  font.lfPitchAndFamily = record.lfPitchAndFamily;
  static_assert(sizeof font.lfFaceName == sizeof record.lfFaceName, "face names of one size");
  std::memcpy(font.lfFaceName, record.lfFaceName, sizeof font.lfFaceName);
  font.lfFaceName[sizeof font.lfFaceName - 1] = '\0';
  return font;
}

FontRecord ToFontRecord(const LOGFONTA& font) {
  FontRecord record;
  record.lfHeight = font.lfHeight;
  record.lfWidth = font.lfWidth;
  record.lfEscapement = font.lfEscapement;
  record.lfOrientation = font.lfOrientation;
  record.lfWeight = font.lfWeight;
  record.lfItalic = font.lfItalic;
  record.lfUnderline = font.lfUnderline;
  record.lfStrikeOut = font.lfStrikeOut;
  record.lfCharSet = font.lfCharSet;
  record.lfOutPrecision = font.lfOutPrecision;
  record.lfClipPrecision = font.lfClipPrecision;
  record.lfQuality = font.lfQuality;
  record.lfPitchAndFamily = font.lfPitchAndFamily;
  std::memcpy(record.lfFaceName, font.lfFaceName, sizeof record.lfFaceName);
  record.lfFaceName[sizeof record.lfFaceName - 1] = '\0';
  return record;
}
