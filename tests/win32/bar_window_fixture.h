#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "control/window_set.h"
#include "fake/fake_platform.h"
#include "platform/win32/wide_text.h"
#include "ui/win32/bar_window.h"

namespace zelvo::win32 {

// A real bar window on a bar model of the fake platform at 96 dpi (15 twips a pixel),
// re-rendered after each event it passes on, its left top corner at 100, 100.
class BarWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        bar.Left = 1500;
        bar.Top = 1500;
        bar.Visible = true;
        window = std::make_unique<BarWindow>(::GetModuleHandleW(nullptr), bar, [this] {
            ++changes;
            window->Render();
        });
        window->Render();
    }

    static RECT ScreenRect(HWND control) {
        RECT place;
        ::GetWindowRect(control, &place);
        return place;
    }
    RECT ClientRect(HWND control) const {
        RECT place = ScreenRect(control);
        ::MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
    static std::string Text(HWND control) {
        wchar_t text[256] = {};
        ::GetWindowTextW(control, text, 256);
        return Narrow(text);
    }
    void Type(int index, std::wstring_view characters, UINT message = WM_CHAR) const {
        for (const wchar_t character : characters) {
            ::SendMessageW(window->box(index), message, character, 1);
        }
    }
    LRESULT Mouse(UINT message, WPARAM keys, int x, int y) const {
        return ::SendMessageW(window->hwnd(), message, keys, MAKELPARAM(x, y));
    }

    fake::FakePlatform fake;
    WindowSet windows{fake.platform};
    form1& bar = windows.bar;
    std::unique_ptr<BarWindow> window;
    int changes = 0;
};

}  // namespace zelvo::win32
