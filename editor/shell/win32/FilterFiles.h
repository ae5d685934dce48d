// The three hidden temporary files through which a filter tool gets its input and gives
// its output and errors.
#pragma once

#include "common/win32/WinApi.h"

#include <string>

class FilterFiles {
public:
  FilterFiles();
  // Closes the handles and deletes the three files, however the run went.
  ~FilterFiles();
  FilterFiles(const FilterFiles&) = delete;
  FilterFiles& operator=(const FilterFiles&) = delete;

  // Writes input (LF line breaks) as the In file in CR LF form and opens it and fresh Out
  // and Err files for the child to inherit. False with the platform's text in error.
  bool Open(const std::string& input, std::string& error);
  // Standard handles for the child.
  void SetStandardHandles(STARTUPINFOA& startup) const;
  // What the finished child wrote, with LF line breaks; up to a zero byte, as documents are
  // read.
  std::string ReadOutput() const;
  std::string ReadErrors() const;

private:
  enum Stream { In, Out, Err, StreamCount };
  bool OpenStream(Stream stream, DWORD disposition, std::string& error);
  std::string ReadStream(Stream stream) const;

  std::string Paths[StreamCount];
  HANDLE Handles[StreamCount];
};
