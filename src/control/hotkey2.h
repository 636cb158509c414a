#pragma once

#include <cstdint>
#include <functional>

namespace zelvo {
class form1;
class Form2;
}  // namespace zelvo

namespace zelvo::hotkey2 {

inline constexpr int WM_HOTKEY = 0x312;

// A window procedure: message number, wParam, lParam in, message result out.
using WindowProcedure = std::function<std::int32_t(int, std::int32_t, std::int32_t)>;

// Puts HookWindowProc in front of the control window's procedure; true when done.
bool HookWindow(Form2& window);
// Gives the control window its previous procedure back; true when no hook is left.
bool UnhookWindow(Form2& window);
// Catches the hot-key message: shows the hidden bar (its active box's text
// selected), brings a bar that is behind others forward, hides a bar in front.
// Every message then goes on to the previous procedure.
std::int32_t HookWindowProc(Form2& window, int message, std::int32_t wParam, std::int32_t lParam);
// Selects the whole text of the bar's active unit box, if it has one.
void SelectActiveUnitBoxText(form1& bar);

}  // namespace zelvo::hotkey2
