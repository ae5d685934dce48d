// The system clipboard as the clipboard commands and the status bar see it.
#pragma once

#include <string>
#include <vector>

// Every call opens and closes the clipboard on its own. A clipboard that another program
// holds open reads as holding no text and refuses to be written.
class ClipboardAccess {
public:
  virtual ~ClipboardAccess() = default;
  // The text in the document's form; stripSoftBreaks drops CRs as the view's own Paste does, otherwise
  // the bytes come unchanged. False when there is no text.
  virtual bool GetText(std::string& text, bool stripSoftBreaks) = 0;
  // Replaces everything on the clipboard by text, every LF written as CR LF when toCrLf.
  virtual bool SetText(const std::string& text, bool toCrLf) = 0;
  // The existing files of a copied file list, in order; false when there are none.
  virtual bool GetFiles(std::vector<std::string>& files) = 0;
  // Whether text is offered, without reading it.
  virtual bool HasText() = 0;
  // Whether data of any format at all is on the clipboard.
  virtual bool HasAnyData() = 0;
  // The texts and paths read and written are UTF-8, as a UTF-8 document holds them; else
  // they are in the ANSI code page.
  virtual bool IsUtf8() const = 0;
};
