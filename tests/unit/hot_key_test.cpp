#include <gtest/gtest.h>

#include "control/hotkey1.h"
#include "control/window_set.h"
#include "conversion/notices.h"
#include "fake/fake_platform.h"
#include "platform/atom_table.h"

namespace zelvo {
namespace {

using hotkey1::HotKeyRecord;

TEST(HotKeyValuesTest, WordsAndLongs) {
    EXPECT_EQ(hotkey1::MakeWord(0x4B, 6), 0x64B);
    EXPECT_EQ(hotkey1::MakeWord(0x14B, 0x106), 0x1064B);
    EXPECT_EQ(hotkey1::MakeLong(4, 0), 4);
    EXPECT_EQ(hotkey1::MakeLong(0x1234, 0x8001), static_cast<std::int32_t>(0x80011234U));
    EXPECT_EQ(hotkey1::MakeLong(0, 0x7FFFFFFF), static_cast<std::int32_t>(0xFFFF0000U));
}

TEST(HotKeyValuesTest, RecordAndControlValueConvertBothWays) {
    HotKeyRecord record{false, true, true, "K"};
    EXPECT_EQ(hotkey1::HotKeyToControlValue(record), 0x64B);
    EXPECT_EQ(hotkey1::RegistrationModifiers(record), 3);

    HotKeyRecord back;
    EXPECT_EQ(hotkey1::ControlValueToHotKey(0x94B, back), 0x94B);  // Shift + extended bit
    EXPECT_TRUE(back.bShift);
    EXPECT_FALSE(back.bCtrl);
    EXPECT_FALSE(back.bAlt);
    EXPECT_EQ(back.sChar, "K");

    const HotKeyRecord f5{true, false, false, "t"};
    EXPECT_EQ(hotkey1::RegistrationModifiers(f5), 4);
    EXPECT_EQ(hotkey1::KeyCode(f5.sChar), 116);

    const HotKeyRecord none;
    EXPECT_EQ(hotkey1::HotKeyToControlValue(none), 0);
    EXPECT_EQ(hotkey1::HotKeyToControlValue(HotKeyRecord{true, true, false, "KL"}), 0x300);
}

// Every key code has a character of its own that comes back as the same code, and
// codes outside the code page's single-byte characters use its user-defined area.
TEST(HotKeyValuesTest, EveryKeyCodeHasItsOwnCharacter) {
    for (int code = 0; code < 256; ++code) {
        const std::string character = hotkey1::KeyCharacter(code);
        EXPECT_EQ(hotkey1::KeyCode(character), code) << code;
    }
    EXPECT_EQ(hotkey1::KeyCharacter('K'), "K");
    EXPECT_EQ(hotkey1::KeyCharacter(0xBA), "ｺ");
    EXPECT_EQ(hotkey1::KeyCharacter(0x81), "\xEE\x82\x81");  // U+E081
    EXPECT_EQ(hotkey1::KeyCharacter(13), "\xEE\x80\x8D");    // U+E00D: no line end in the file
    EXPECT_EQ(hotkey1::KeyCode("ア"), 0);
    EXPECT_EQ(hotkey1::KeyCode(""), 0);
    EXPECT_EQ(hotkey1::KeyCode("\xEE\x80\xB0"), 0);  // U+E030 stands for no key: 0x30 is "0"
}

TEST(HotKeyCaptureTest, ALoneKeyOrShiftWithItBecomesTheKeyWithAlt) {
    HotKeyCapture control;
    EXPECT_EQ(hotkey1::CreateHotKeyControl(control, PictureBox{120, 360, 1575, 255}, 15, 15), 1);
    EXPECT_EQ(control.WidthPixels, 105);
    EXPECT_EQ(control.HeightPixels, 17);
    using namespace hotkey1;
    EXPECT_EQ(CapturedValue(control, 0, 'K'), (HOTKEYF_ALT << 8) | 'K');
    EXPECT_EQ(CapturedValue(control, HOTKEYF_SHIFT, 'K'), (HOTKEYF_ALT << 8) | 'K');
    EXPECT_EQ(CapturedValue(control, HOTKEYF_CONTROL | HOTKEYF_SHIFT, 'K'),
              ((HOTKEYF_CONTROL | HOTKEYF_SHIFT) << 8) | 'K');
    EXPECT_EQ(CapturedValue(control, HOTKEYF_CONTROL | HOTKEYF_ALT, 'K'),
              ((HOTKEYF_CONTROL | HOTKEYF_ALT) << 8) | 'K');
    EXPECT_EQ(CapturedValue(control, HOTKEYF_CONTROL, 0), 0);
}

TEST(AtomTableTest, NamesGetCountedAtomsFrom0xC000) {
    AtomTable atoms;
    const std::uint16_t atom = atoms.Add("HotKeySample");
    EXPECT_EQ(atom, 0xC000);
    EXPECT_EQ(atoms.Add("hotkeysample"), atom);
    EXPECT_EQ(atoms.Add("Other"), 0xC001);
    atoms.Delete(atom);
    EXPECT_EQ(atoms.NameOf(atom), "HotKeySample");
    atoms.Delete(atom);
    EXPECT_EQ(atoms.NameOf(atom), "");
    EXPECT_EQ(atoms.Add("Third"), 0xC000);  // the freed atom is used again
    EXPECT_EQ(atoms.Add(""), 0);
    atoms.Delete(0x1234);
}

class HotKeyCommandTest : public ::testing::Test {
  protected:
    // The user presses a combination in the capture control, then "変更".
    void CaptureAndSet(int modifiers, int key) {
        hotkey1::SetHotKeyControlValue(
            dialog.hotKeyControl, hotkey1::CapturedValue(dialog.hotKeyControl, modifiers, key));
        dialog.cmdSet_Click();
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    Form2& dialog = windows.dialog;
};

TEST_F(HotKeyCommandTest, StartUpWithoutAStoredKeyRegistersNothingThatWorks) {
    dialog.Form_Load();
    EXPECT_TRUE(dialog.hotKeyControl.Created);
    EXPECT_EQ(dialog.HotKeyCtlHwnd, 1);
    EXPECT_EQ(dialog.hotKeyRecord.HotKeyAtom, 0xC000);
    EXPECT_EQ(fake.globalHotKey.registrations, 1);
    EXPECT_TRUE(fake.globalHotKey.registered.empty());
    EXPECT_EQ(dialog.hotKeyControl.Value, 0);
    EXPECT_TRUE(fake.toolkit.messages.empty());
}

TEST_F(HotKeyCommandTest, CtrlAltKIsStoredAndRegistered) {
    dialog.Form_Load();
    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'K');
    EXPECT_FALSE(dialog.hotKeyRecord.bShift);
    EXPECT_TRUE(dialog.hotKeyRecord.bCtrl);
    EXPECT_TRUE(dialog.hotKeyRecord.bAlt);
    EXPECT_EQ(dialog.hotKeyRecord.sChar, "K");
    const std::int32_t id = static_cast<std::int16_t>(dialog.hotKeyRecord.HotKeyAtom);
    EXPECT_LT(id, 0);
    ASSERT_EQ(fake.globalHotKey.registered.count(id), 1U);
    EXPECT_EQ(fake.globalHotKey.registered[id], std::make_pair(3, 75));
    EXPECT_EQ(dialog.hotKeyControl.Value, 0x64B);
}

TEST_F(HotKeyCommandTest, SettingTwiceLeavesOneRegistrationAndOneAtom) {
    dialog.Form_Load();
    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'K');
    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'K');
    EXPECT_EQ(fake.globalHotKey.registered.size(), 1U);
    fake.globalHotKey.atoms.Delete(dialog.hotKeyRecord.HotKeyAtom);
    EXPECT_EQ(fake.globalHotKey.atoms.NameOf(dialog.hotKeyRecord.HotKeyAtom), "");
}

TEST_F(HotKeyCommandTest, AKeyHeldByAnotherProgramIsReportedAtSetButNotAtStart) {
    fake.globalHotKey.heldElsewhere = {{3, 'J'}};
    dialog.hotKeyRecord = {false, true, true, "J"};
    dialog.Form_Load();
    EXPECT_TRUE(fake.toolkit.messages.empty());
    EXPECT_EQ(dialog.hotKeyControl.Value, 0x64A);  // still shown and stored

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'J');
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt, notice::kHotKeyNotRegistered);
    EXPECT_EQ(dialog.hotKeyRecord.sChar, "J");

    CaptureAndSet(0, 0);  // clearing the key is no failure
    EXPECT_EQ(fake.toolkit.messages.size(), 1U);
}

// A Wayland desktop without the shortcuts portal: the key works only over Zelvo's
// own windows, which 変更 says (start-up stays silent), with what to do instead.
TEST_F(HotKeyCommandTest, AKeyThatReachesOnlyOurWindowsIsExplainedAtSet) {
    fake.globalHotKey.reachesEveryWindow = false;
    dialog.hotKeyRecord = {false, true, true, "K"};
    dialog.Form_Load();
    EXPECT_TRUE(fake.toolkit.messages.empty());

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'K');
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_NE(fake.toolkit.messages[0].prompt.find("zelvo --toggle"), std::string::npos);
    CaptureAndSet(0, 0);
    EXPECT_EQ(fake.toolkit.messages.size(), 1U);
}

// A desktop that settles keys itself answers later: only the answer to 変更 is
// reported, once, and only where the desktop did not give the key asked for; a
// later 変更 drops an answer still owed to an earlier one.
TEST_F(HotKeyCommandTest, TheDesktopsLaterAnswerIsReportedForSetOnly) {
    fake.globalHotKey.answersLater = true;
    dialog.hotKeyRecord = {false, true, true, "K"};
    dialog.Form_Load();
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::OtherKey, "Ctrl+Alt+J");
    EXPECT_TRUE(fake.toolkit.messages.empty());  // the start-up's answer

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'K');
    EXPECT_TRUE(fake.toolkit.messages.empty());  // nothing known yet
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::AsAsked, "");
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::OtherKey, "Ctrl+Alt+J");  // a stray one
    EXPECT_TRUE(fake.toolkit.messages.empty());

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'L');
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::OtherKey, "Ctrl+Alt+J");
    ASSERT_EQ(fake.toolkit.messages.size(), 1U);
    EXPECT_EQ(fake.toolkit.messages[0].prompt, std::string(notice::kHotKeyKeptByDesktop) +
                                                   "Ctrl+Alt+J" +
                                                   std::string(notice::kHotKeyKeptByDesktopEnd));
    EXPECT_EQ(dialog.hotKeyRecord.sChar, "L");  // the user's choice stays stored

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'M');
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::NoKey, "");
    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'N');
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::Refused, "");
    ASSERT_EQ(fake.toolkit.messages.size(), 3U);
    EXPECT_EQ(fake.toolkit.messages[1].prompt, notice::kHotKeyNotBoundByDesktop);
    EXPECT_NE(fake.toolkit.messages[1].prompt.find("zelvo --toggle"), std::string::npos);
    EXPECT_EQ(fake.toolkit.messages[2].prompt, notice::kHotKeyNotRegistered);

    CaptureAndSet(hotkey1::HOTKEYF_CONTROL | hotkey1::HOTKEYF_ALT, 'O');
    CaptureAndSet(0, 0);  // no key: nothing asked of the desktop, nothing owed
    dialog.DesktopKeyAnswered(DesktopKeyAnswer::NoKey, "");
    EXPECT_EQ(fake.toolkit.messages.size(), 3U);
}

TEST_F(HotKeyCommandTest, StartUpNormalisesTheStoredFields) {
    dialog.hotKeyRecord = {true, false, false, "tX"};  // two characters: no key
    dialog.Form_Load();
    EXPECT_EQ(dialog.hotKeyRecord.sChar, std::string(1, '\0'));
    EXPECT_TRUE(dialog.hotKeyRecord.bShift);
    EXPECT_EQ(dialog.hotKeyControl.Value, 0x100);
}

}  // namespace
}  // namespace zelvo
