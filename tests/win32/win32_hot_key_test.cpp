#include "platform/win32/win32_hot_key.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/hot_key_modifiers.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/windows_api.h"

namespace zelvo {
namespace {

using namespace win32;

TEST(HotKeyModifiersTest, ShiftAndAltSwapPlacesBetweenCaptureControlAndRegistration) {
    EXPECT_EQ(ModifiersFromHotKeyFlags(kHotKeyFShift), static_cast<int>(kModShift));
    EXPECT_EQ(ModifiersFromHotKeyFlags(kHotKeyFControl | kHotKeyFAlt | kHotKeyFExt),
              static_cast<int>(kModControl | kModAlt));
    EXPECT_EQ(HotKeyFlagsFromModifiers(kModShift), kHotKeyFShift);
    EXPECT_EQ(HotKeyFlagsFromModifiers(kModAlt | kModControl), kHotKeyFAlt | kHotKeyFControl);
    for (BYTE flags = 0; flags < 8; ++flags) {
        EXPECT_EQ(HotKeyFlagsFromModifiers(ModifiersFromHotKeyFlags(flags)), flags);
    }
}

HWND MessageWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                             nullptr);
}

TEST(Win32GlobalHotKeyTest, AtomsAreCountedStringAtomsOfTheName) {
    Win32GlobalHotKey hotKey(nullptr);
    const std::wstring name = L"ZelvoTest-ホットキー-" + std::to_wstring(::GetCurrentProcessId());
    const std::uint16_t atom = hotKey.GlobalAddAtom(Narrow(name));
    ASSERT_GE(atom, 0xC000);
    EXPECT_EQ(::GlobalFindAtomW(name.c_str()), atom);
    EXPECT_EQ(hotKey.GlobalAddAtom(Narrow(name)), atom);
    hotKey.GlobalDeleteAtom(atom);
    EXPECT_EQ(::GlobalFindAtomW(name.c_str()), atom);  // added twice: still there
    hotKey.GlobalDeleteAtom(atom);
    EXPECT_EQ(::GlobalFindAtomW(name.c_str()), 0);
    EXPECT_EQ(hotKey.GlobalAddAtom("#123"), 0);  // an integer atom, no string
}

// The models' Shift (4) is registered as Windows' Shift: the same combination
// registered directly is then taken, the one with Alt is free.
TEST(Win32GlobalHotKeyTest, ACombinationIsHeldByOneRegistrationUntilReleased) {
    const HWND window = MessageWindow();
    const HWND otherWindow = MessageWindow();
    Win32GlobalHotKey hotKey(window);
    ASSERT_TRUE(hotKey.RegisterHotKey(-16383, 4, VK_F24));
    EXPECT_FALSE(::RegisterHotKey(otherWindow, 1, kModShift, VK_F24));
    EXPECT_TRUE(::RegisterHotKey(otherWindow, 2, kModAlt, VK_F24));
    hotKey.UnregisterHotKey(-16383);
    EXPECT_TRUE(::RegisterHotKey(otherWindow, 1, kModShift, VK_F24));

    EXPECT_FALSE(hotKey.RegisterHotKey(1, 3, 0));  // no key
    EXPECT_FALSE(hotKey.RegisterHotKey(1, 3, 0xFF));
    ::DestroyWindow(window);
    ::DestroyWindow(otherWindow);
}

}  // namespace
}  // namespace zelvo
