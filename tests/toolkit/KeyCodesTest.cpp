// Key names and shortcut texts.
#include "toolkit/KeyCodes.h"
#include "toolkit/Messages.h"

#include "support/TestSupport.h"

namespace {

TEST(ShortCutText, ModifiersComeInTheirOrderBeforeTheKeyName) {
  const std::pair<uint16_t, const char*> cases[] = {
      {scCtrl | 'A', "Ctrl+A"},
      {static_cast<uint16_t>(scShift | scCtrl | VK_F12), "Shift+Ctrl+F12"},
      {static_cast<uint16_t>(scShift | scAlt | VK_BACK), "Shift+Alt+BkSp"},
      {VK_INSERT, "Ins"},
      {static_cast<uint16_t>(scCtrl | VK_DELETE), "Ctrl+Del"},
      {'7', "7"},
  };
  for (const auto& [shortCut, text] : cases) {
    EXPECT_EQ(ShortCutToText(shortCut), text);
    EXPECT_EQ(TextToShortCut(QString::fromLatin1(text)), shortCut) << text;
  }
}

TEST(ShortCutText, TextsInAnyCaseAndModifierOrderAndTextsThatNameNoKey) {
  EXPECT_EQ(TextToShortCut("ctrl+a"), scCtrl | 'A');
  EXPECT_EQ(TextToShortCut("alt+SHIFT+pgdn"), scShift | scAlt | VK_NEXT);
  for (const char* text : {"", "Ctrl+", "Ctrl+Banana", "Hyper+A", "Ctrl+Ctrl+A"})
    EXPECT_EQ(TextToShortCut(QString::fromLatin1(text)), std::nullopt) << text;
  EXPECT_EQ(KeyName(0xE0), "");
}

}  // namespace
