// Hotkey entries: flag conversion, lookups and storage in a settings file.
#include "common/HotkeyTable.h"

#include "common/SettingsFile.h"

namespace {

// Reads or writes a narrow field through the int that the settings file exchanges.
template <class Field> void ExchangeNarrowInt(SettingsFile& file, const char* name, Field& field) {
  int value = field;
  file.ExchangeInt(name, value);
  field = static_cast<Field>(value);
}

}  // namespace

HotkeyEntry MakeEntry(uint16_t key, int modifiers, uint16_t command) {
  HotkeyEntry entry;
  entry.Flags = VirtualKeyFlag;
  if (modifiers & ShiftModifier) entry.Flags |= ShiftFlag;
  if (modifiers & ControlModifier) entry.Flags |= ControlFlag;
  if (modifiers & AltModifier) entry.Flags |= AltFlag;
  entry.Key = key;
  entry.Command = command;
  return entry;
}

int ModifiersOf(const HotkeyEntry& entry) {
  int modifiers = 0;
  if (entry.Flags & ShiftFlag) modifiers |= ShiftModifier;
  if (entry.Flags & ControlFlag) modifiers |= ControlModifier;
  if (entry.Flags & AltFlag) modifiers |= AltModifier;
  return modifiers;
}

void ExchangeEntry(SettingsFile& file, HotkeyEntry& entry) {
  ExchangeNarrowInt(file, "Command", entry.Command);
  ExchangeNarrowInt(file, "Key", entry.Key);
  ExchangeNarrowInt(file, "Flags", entry.Flags);
}

std::string MenuTextWithHotkey(const std::string& itemText, const std::string& hotkeyText) {
  std::string text = itemText.substr(0, itemText.find('\t'));
  if (!hotkeyText.empty()) text += '\t' + hotkeyText;
  return text;
}

HotkeyTable::HotkeyTable(const HotkeyTable& other) : Entries(other.Entries) {}

HotkeyTable& HotkeyTable::operator=(const HotkeyTable& other) {
  if (this != &other) {
    Entries = other.Entries;
    Invalidate();
  }
  return *this;
}

const HotkeyEntry* HotkeyTable::FindByCommand(uint16_t command) const {
  for (const HotkeyEntry& entry : Entries) {
    if (entry.Command == command) return &entry;
  }
  return nullptr;
}

bool HotkeyTable::GetHotkey(uint16_t command, int& key, int& modifiers) const {
  const HotkeyEntry* entry = FindByCommand(command);
  if (!entry) return false;
  key = entry->Key & 0xFF;
  modifiers = ModifiersOf(*entry);
  return true;
}

uint16_t HotkeyTable::FindCommand(int key, int modifiers) const {
  if (key == 0) return 0;
  for (const HotkeyEntry& entry : Entries) {
    if ((entry.Key & 0xFF) == key && ModifiersOf(entry) == modifiers) return entry.Command;
  }
  return 0;
}

void HotkeyTable::Exchange(SettingsFile& file) {
  int count = static_cast<int>(Entries.size());
  if (file.IsLoading()) {
    // Emptied and invalidated first, so a load that fails half-way leaves a consistent table.
    Entries.clear();
    Invalidate();
    count = 0;
  }
  file.ExchangeInt("AcceleratorTableCount", count);
  if (!file.IsLoading()) {
    for (HotkeyEntry& entry : Entries) ExchangeEntry(file, entry);
    return;
  }
  for (int i = 0; i < count; ++i) {
    HotkeyEntry entry;
    ExchangeEntry(file, entry);
    Entries.push_back(entry);
  }
}
