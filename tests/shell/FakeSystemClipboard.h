// A stand-in for the system clipboard: text kept as its bytes, a file list, other data,
// and a clipboard that another program holds open.
#pragma once

#include "common/LineEnds.h"
#include "editor/shell/ClipboardAccess.h"

#include <string>
#include <vector>

class FakeSystemClipboard : public ClipboardAccess {
public:
  bool GetText(std::string& text, bool stripSoftBreaks) override {
    ++Reads;
    if (Locked || !HoldsText) return false;
    text = Text;
    if (stripSoftBreaks) StripSoftBreaks(text);
    return true;
  }
  bool SetText(const std::string& text, bool toCrLf) override {
    if (Locked) return false;
    Clear();
    Text = toCrLf ? ToCrLf(text) : text;
    HoldsText = true;
    ++Writes;
    return true;
  }
  bool GetFiles(std::vector<std::string>& files) override {
    files.clear();
    if (Locked) return false;
    files = Files;
    return !files.empty();
  }
  bool HasText() override { return HoldsText; }
  bool HasAnyData() override { return HoldsText || !Files.empty() || HoldsPicture; }
  bool IsUtf8() const override { return Utf8; }

  // What another program copies.
  void CopyText(const std::string& text) {
    Clear();
    Text = text;
    HoldsText = true;
  }
  void CopyFiles(const std::vector<std::string>& files) {
    Clear();
    Files = files;
  }
  void CopyPicture() {
    Clear();
    HoldsPicture = true;
  }
  void Clear() {
    Text.clear();
    HoldsText = false;
    Files.clear();
    HoldsPicture = false;
  }

  std::string Text;  // the bytes as another program would read them
  bool HoldsText = false;
  std::vector<std::string> Files;
  bool HoldsPicture = false;
  bool Locked = false;  // opened by another program: no reading, no writing
  bool Utf8 = false;    // the document it serves is UTF-8
  int Reads = 0;
  int Writes = 0;
};
