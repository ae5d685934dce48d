// The word list's search for identifier runs.
#include "editor/syntax/WordList.h"

#include "editor/syntax/ColourLine.h"

bool NextIdentifier(const char* text, int length, int& start, int& runLength) {
  for (; start < length; start += runLength) {
    const CharRun run = NextRun(text, length, start);
    runLength = run.Length;
    if (run.Class == RunIdentifier) return true;
  }
  return false;
}
