// The clipboard as the view's Cut, Copy and Paste see it.
#pragma once

#include <string>

class ViewClipboard {
public:
  virtual ~ViewClipboard() = default;
  // Puts text on the clipboard, every LF written as CR LF. False when it cannot. utf8: the
  // view holds UTF-8 text, which other programs must see as characters, not as bytes of
  // the ANSI code page; otherwise the text is the code page's.
  virtual bool SetText(const std::string& text, bool utf8) = 0;
  // The clipboard's text with CR LF turned into LF and other CRs dropped, as UTF-8 when utf8
  // is set; false when none.
  virtual bool GetText(std::string& text, bool utf8) = 0;
  // The contents of the files of a dropped-file list, line ends normalised; false when none.
  virtual bool ReadFiles(std::string& text) = 0;
  // The clipboard offers text or a list of files.
  virtual bool CanPaste() = 0;
};
