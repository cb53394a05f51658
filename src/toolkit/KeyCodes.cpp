#include "toolkit/KeyCodes.h"

#include "toolkit/Messages.h"
#include "toolkit/SysUtils.h"

#include <Qt>

namespace {
struct KeyPair {
  int qt;
  uint16_t vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};

struct KeyText {
  uint16_t vk;
  const char* name;
};
constexpr KeyText kKeyNames[] = {
    {VK_BACK, "BkSp"},  {VK_TAB, "Tab"},   {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

struct Modifier {
  uint16_t bit;
  const char* text;
};
constexpr Modifier kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};
}  // namespace

uint16_t QtKeyToVirtualKey(int qtKey) {
  if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
    return static_cast<uint16_t>(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
  for (const KeyPair& k : kKeys)
    if (k.qt == qtKey) return k.vk;
  return 0;
}

int VirtualKeyToQtKey(uint16_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return key;
  if (key >= VK_F1 && key <= VK_F1 + 23) return Qt::Key_F1 + (key - VK_F1);
  for (const KeyPair& k : kKeys)
    if (k.vk == key) return k.qt;
  return 0;
}

QString KeyName(uint16_t key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return QString(QChar(key));
  if (key >= VK_F1 && key < VK_F1 + 24) return QStringLiteral("F") + QString::number(key - VK_F1 + 1);
  for (const KeyText& k : kKeyNames)
    if (k.vk == key) return QString::fromLatin1(k.name);
  return QString();
}

QString ShortCutToText(uint16_t shortCut) {
  QString text;
  for (const Modifier& m : kModifiers)
    if (shortCut & m.bit) text += QString::fromLatin1(m.text);
  return text + KeyName(shortCut & 0xFF);
}

std::optional<uint16_t> TextToShortCut(const QString& text) {
  uint16_t modifiers = 0;
  QString rest = text;
  // The modifiers may come in any order; each is taken once.
  for (bool found = true; found;) {
    found = false;
    for (const Modifier& m : kModifiers) {
      const QString prefix = QString::fromLatin1(m.text);
      if (!(modifiers & m.bit) && SameText(rest.left(prefix.size()), prefix)) {
        modifiers |= m.bit;
        rest = rest.mid(prefix.size());
        found = true;
      }
    }
  }
  if (rest.isEmpty()) return std::nullopt;
  for (uint16_t key = 8; key <= 0xFF; ++key)
    if (const QString name = KeyName(key); !name.isEmpty() && SameText(name, rest))
      return static_cast<uint16_t>(modifiers | key);
  return std::nullopt;
}
