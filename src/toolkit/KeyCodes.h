// Qt keys to the 16-bit virtual key codes that key events carry, and the
// texts of keys and shortcuts.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

uint16_t QtKeyToVirtualKey(int qtKey);
int VirtualKeyToQtKey(uint16_t key);

// Shortcut modifiers added to a key code.
constexpr uint16_t scShift = 0x2000;
constexpr uint16_t scCtrl = 0x4000;
constexpr uint16_t scAlt = 0x8000;

// The name of a key: letters and digits as themselves, "F1" .. "F24", and
// "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End", "Home",
// "Left", "Up", "Right", "Down", "Ins", "Del"; empty for other keys.
QString KeyName(uint16_t key);
// A shortcut (key code in the low byte plus scShift, scCtrl, scAlt) as
// "Shift+", "Ctrl+", "Alt+" in that order and the key's name: "Ctrl+A".
QString ShortCutToText(uint16_t shortCut);
// The shortcut of a text in that form; modifiers and key names in any
// letter case. std::nullopt when the text names no key.
std::optional<uint16_t> TextToShortCut(const QString& text);
