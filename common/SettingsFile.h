// Reader and writer of the editor's key/value settings format (Quilvane.ini, .lang files).
#pragma once

#include <string>

// The format version this program writes, and the highest it reads.
constexpr int CurrentSettingsVersion = 10;

// Error thrown while loading a settings file. Thrown by value, caught by reference.
class Exception {
public:
  Exception(int code, std::string message) : Code(code), Message(std::move(message)) {}
  virtual ~Exception() = default;
  // Message when set; otherwise the fixed text of code 1 or "Undefined error %d".
  virtual std::string GetMessageText() const;

  int Code;             // 1 = file newer than CurrentSettingsVersion, 2 = field not found
  std::string Message;  // empty for code 1
};

// One object loads or saves one file. The same sequence of Exchange calls serves both
// directions, so each persisted structure has a single routine that fixes its field order.
// Loading reads the whole file at construction; saving writes it at destruction, or earlier
// with Save(), which is the way to learn whether the write succeeded.
class SettingsFile {
public:
  SettingsFile(const std::string& fileName, bool loading);
  // A saving object writes what it holds unless Save() already wrote all of it. A destructor
  // cannot report a failure, so a write error here is dropped: call Save() to learn of it.
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  bool IsLoading() const { return Loading; }
  int GetVersion() const { return Version; }
  const std::string& GetFileName() const { return FileName; }
  // Throws the field-not-found Exception (code 2) for name in this file.
  [[noreturn]] void FieldNotFound(const std::string& name) const;

  void ExchangeName(const std::string& name);
  void ExchangeInt(const std::string& name, int& value);
  void ExchangeString(const std::string& name, std::string& value);
  void ExchangeBool(const std::string& name, bool& value);
  // Writes or skips one line; on its own it writes or skips a separator line.
  void EndLine();
  // Saving: true. Loading: whether the next line is the field name. Fields added after the
  // format's last version are exchanged only when this holds, so older files still load.
  bool Holds(const std::string& name) const;
  // Saving only: writes the text built so far (CR LF line ends) now; throws FileError.
  void Save();

  // Fourteen fields prefix + "Height" ... prefix + "FaceName". Works on any structure with
  // the fields of the platform's LOGFONT, so the portable code can test it; the face name
  // is cut to fit its fixed-size field.
  template <class LogFont> void ExchangeFont(const std::string& prefix, LogFont& font);
  // prefix + "Top", "Left", "Bottom", "Right", in that order (any RECT-like structure).
  template <class Rect> void ExchangeRect(const std::string& prefix, Rect& rect);

private:
  template <class Field> void ExchangeNarrow(const std::string& name, Field& field);
  void ExchangeFaceName(const std::string& name, char* faceName, std::size_t size);
  void Append(const std::string& text);

  bool Loading;
  int Version = CurrentSettingsVersion;
  std::string Text;
  std::string FileName;
  std::size_t Position = 0;
  bool Unsaved = false;  // saving: Text holds lines that have not been written yet
};

template <class Field> void SettingsFile::ExchangeNarrow(const std::string& name, Field& field) {
  int value = static_cast<int>(field);
  ExchangeInt(name, value);
  field = static_cast<Field>(value);
}

template <class LogFont> void SettingsFile::ExchangeFont(const std::string& prefix, LogFont& font) {
  ExchangeNarrow(prefix + "Height", font.lfHeight);
  ExchangeNarrow(prefix + "Width", font.lfWidth);
  ExchangeNarrow(prefix + "Escapement", font.lfEscapement);
  ExchangeNarrow(prefix + "Orientation", font.lfOrientation);
  ExchangeNarrow(prefix + "Weight", font.lfWeight);
  bool flag = font.lfItalic != 0;
  ExchangeBool(prefix + "Italic", flag);
  font.lfItalic = flag;
  flag = font.lfUnderline != 0;
  ExchangeBool(prefix + "Underline", flag);
  font.lfUnderline = flag;
  flag = font.lfStrikeOut != 0;
  ExchangeBool(prefix + "StrikeOut", flag);
  font.lfStrikeOut = flag;
  ExchangeNarrow(prefix + "CharSet", font.lfCharSet);
  ExchangeNarrow(prefix + "OutPrecision", font.lfOutPrecision);
  ExchangeNarrow(prefix + "ClipPrecision", font.lfClipPrecision);
  ExchangeNarrow(prefix + "Quality", font.lfQuality);
  ExchangeNarrow(prefix + "PitchAndFamily", font.lfPitchAndFamily);
  ExchangeFaceName(prefix + "FaceName", font.lfFaceName, sizeof font.lfFaceName);
}

template <class Rect> void SettingsFile::ExchangeRect(const std::string& prefix, Rect& rect) {
  ExchangeNarrow(prefix + "Top", rect.top);
  ExchangeNarrow(prefix + "Left", rect.left);
  ExchangeNarrow(prefix + "Bottom", rect.bottom);
  ExchangeNarrow(prefix + "Right", rect.right);
}
