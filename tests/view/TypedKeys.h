// Typing into a view as the keyboard does: control characters arrive with their key held.
#pragma once

#include "tests/view/ViewFakes.h"

#include <string>

// Sends every character of keys as a character message. LF stands for Enter, tab for Tab
// and backspace for Backspace; each of these is held down while its character arrives.
inline void TypeKeys(ViewFixture& f, const std::string& keys) {
  for (char c : keys) {
    const int key = c == '\n' ? KeyEnter : c == '\t' ? KeyTab : c == '\b' ? KeyBackspace : 0;
    if (key != 0) f.Host.KeysDown.insert(key);
    f.View.TypeChar(c == '\n' ? '\r' : static_cast<unsigned char>(c));
    if (key != 0) f.Host.KeysDown.erase(key);
  }
}
