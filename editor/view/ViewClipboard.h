// The clipboard as the view's Cut, Copy and Paste see it.
#pragma once

#include <string>

class ViewClipboard {
public:
  virtual ~ViewClipboard() = default;
  // Puts text on the clipboard, every LF written as CR LF. False when it cannot.
  virtual bool SetText(const std::string& text) = 0;
  // The clipboard's text with CR LF turned into LF and other CRs dropped; false when none.
  virtual bool GetText(std::string& text) = 0;
  // The contents of the files of a dropped-file list, line ends normalised; false when none.
  virtual bool ReadFiles(std::string& text) = 0;
  // The clipboard offers text or a list of files.
  virtual bool CanPaste() = 0;
};
