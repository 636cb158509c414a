#include "platform/portal/shortcut_trigger.h"

#include <gtest/gtest.h>

namespace zelvo {
namespace {

TEST(ShortcutTriggerTest, HotKeysReadAsFreedesktopTriggers) {
    EXPECT_EQ(ShortcutTrigger(2 | 1, 'K'), "CTRL+ALT+k");
    EXPECT_EQ(ShortcutTrigger(4, '7'), "SHIFT+7");
    EXPECT_EQ(ShortcutTrigger(2 | 1 | 4, 0x70), "CTRL+ALT+SHIFT+F1");  // VK_F1
    EXPECT_EQ(ShortcutTrigger(2, 0x87), "CTRL+F24");                   // VK_F24
    EXPECT_EQ(ShortcutTrigger(1, 0x20), "ALT+space");
    EXPECT_EQ(ShortcutTrigger(0, 0x2E), "Delete");
    EXPECT_EQ(ShortcutTrigger(2, 0), "");     // no key
    EXPECT_EQ(ShortcutTrigger(2, 0xFF), "");  // a key without a name there
}

TEST(ShortcutTriggerTest, HotKeysReadAsQtKeyText) {
    EXPECT_EQ(QtKeyText(2 | 1, 'K'), "Ctrl+Alt+K");
    EXPECT_EQ(QtKeyText(2 | 1 | 4, 0x70), "Ctrl+Alt+Shift+F1");
    EXPECT_EQ(QtKeyText(1, 0x21), "Alt+PgUp");  // VK_PRIOR
    EXPECT_EQ(QtKeyText(2, 0xBA), "Ctrl+;");    // VK_OEM_1
    EXPECT_EQ(QtKeyText(2, 0xFF), "");
}

}  // namespace
}  // namespace zelvo
