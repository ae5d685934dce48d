// The text of a file as the editor reads it, on top of each platform's ReadFileBytes.
#include "common/TextFile.h"

#include "common/LineEnds.h"

std::string ReadTextFile(const std::string& path, bool normalize, bool* heldNulByte) {
  std::string text = ReadFileBytes(path);
  const std::size_t zero = text.find('\0');
  if (heldNulByte) *heldNulByte = zero != std::string::npos;
  if (zero != std::string::npos) text.resize(zero);
  if (normalize) NormalizeLineEnds(text);
  return text;
}
