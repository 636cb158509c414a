#include "control/hotkey2.h"

#include <exception>

#include "bar/form1.h"
#include "control/form2.h"

namespace zelvo::hotkey2 {
namespace {

// A step of the hot-key handling that fails is skipped; the next one still runs.
template <typename Step>
void Skippable(Step step) {
    try {
        step();
    } catch (const std::exception&) {
        return;
    }
}

}  // namespace

bool HookWindow(Form2& window) {
    WindowProcedure previous = window.WindowProc;
    window.WindowProc = [&window](int message, std::int32_t wParam, std::int32_t lParam) {
        return HookWindowProc(window, message, wParam, lParam);
    };
    window.PrevWndProc = std::move(previous);
    return static_cast<bool>(window.PrevWndProc);
}

bool UnhookWindow(Form2& window) {
    if (!window.PrevWndProc) {
        return true;
    }
    window.WindowProc = std::move(window.PrevWndProc);
    window.PrevWndProc = nullptr;
    return true;
}

std::int32_t HookWindowProc(Form2& window, int message, std::int32_t wParam, std::int32_t lParam) {
    form1& bar = window.bar();
    const auto identifier = static_cast<std::uint16_t>(static_cast<std::uint32_t>(wParam) & 0xFFFF);
    if (message == WM_HOTKEY && identifier == window.hotKeyRecord.HotKeyAtom) {
        WindowOps& windowOps = bar.platform().windowOps;
        if (!bar.Visible) {
            Skippable([&] { bar.Visible = true; });
            Skippable([&] { SelectActiveUnitBoxText(bar); });
            Skippable([&] { windowOps.BringBarToForeground(); });
        } else if (windowOps.IsBarForeground()) {
            Skippable([&] { bar.Visible = false; });
        } else {
            Skippable([&] { windowOps.BringBarToForeground(); });
        }
    }
    return window.PrevWndProc ? window.PrevWndProc(message, wParam, lParam) : 0;
}

void SelectActiveUnitBoxText(form1& bar) {
    if (bar.ActiveControl < 0 || bar.ActiveControl >= kUnitBoxCount) {
        return;
    }
    TextBox& box = bar.text1.at(static_cast<std::size_t>(bar.ActiveControl));
    box.SelStart = 0;
    box.SelLength = CharacterCount(box.Text);
}

}  // namespace zelvo::hotkey2
