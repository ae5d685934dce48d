// Keyboard shortcuts: ordered (flags, key, command) entries and their platform accelerator table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SettingsFile;

// The platform's accelerator and menu handle types (HACCEL, HMENU), declared here so that this
// header needs none of the platform's headers.
struct HACCEL__;
struct HMENU__;

// Modifier bits of the hotkey control, used wherever a modifier set is passed around.
constexpr int ShiftModifier = 1;
constexpr int ControlModifier = 2;
constexpr int AltModifier = 4;

// Flag bits of an accelerator entry.
constexpr uint8_t VirtualKeyFlag = 0x01;
constexpr uint8_t ShiftFlag = 0x04;
constexpr uint8_t ControlFlag = 0x08;
constexpr uint8_t AltFlag = 0x10;

// One accelerator, laid out like the platform's ACCEL record. Key 0 means no hotkey.
struct HotkeyEntry {
  uint8_t Flags = 0;
  uint16_t Key = 0;
  uint16_t Command = 0;
};

HotkeyEntry MakeEntry(uint16_t key, int modifiers, uint16_t command);
int ModifiersOf(const HotkeyEntry& entry);

// The record "Command", "Key", "Flags"; shared by the table and by every stored tool.
void ExchangeEntry(SettingsFile& file, HotkeyEntry& entry);

// Menu item text with its hotkey column replaced: the text up to its first tab, then a tab and
// hotkeyText, or no tab at all when hotkeyText is empty.
std::string MenuTextWithHotkey(const std::string& itemText, const std::string& hotkeyText);

// The entries in lookup order (the first match wins) and the accelerator table built from them
// when first needed. Whoever changes Entries calls Invalidate. A copy takes the entries only
// and builds its own accelerator table.
class HotkeyTable {
public:
  HotkeyTable() = default;
  HotkeyTable(const HotkeyTable& other);
  HotkeyTable& operator=(const HotkeyTable& other);
  ~HotkeyTable();

  const HotkeyEntry* FindByCommand(uint16_t command) const;
  // False when no entry has the command; otherwise the key's low byte and its modifiers.
  bool GetHotkey(uint16_t command, int& key, int& modifiers) const;
  // The command of the first entry with this key and modifiers; 0 for key 0 or no match.
  uint16_t FindCommand(int key, int modifiers) const;
  // Stores or loads the list "AcceleratorTable".
  void Exchange(SettingsFile& file);

  // Releases the accelerator table; the next GetHandle builds it anew from Entries.
  void Invalidate();
  // Null when the platform refuses to build a table (for instance from no entries).
  HACCEL__* GetHandle();
  // Shows each entry's hotkey behind the text of the menu item with its command id.
  void UpdateMenuText(HMENU__* menu) const;

  std::vector<HotkeyEntry> Entries;

private:
  HACCEL__* Handle = nullptr;
};
