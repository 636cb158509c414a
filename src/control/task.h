#pragma once

#include <cstdint>
#include <string_view>

#include "platform/tray_icon.h"

namespace zelvo::task {

inline constexpr std::uint32_t kRecordSize = 88;
inline constexpr std::uint32_t kIconId = 1;
inline constexpr std::uint32_t NIF_MESSAGE = 1;
inline constexpr std::uint32_t NIF_ICON = 2;
inline constexpr std::uint32_t NIF_TIP = 4;
inline constexpr std::uint32_t kCallbackMessage = 0x200;

// Fills the record for the control window and its icon and adds the icon to the
// tray; the record is kept for DeleteTrayIcon. The result is not looked at: without
// a tray the program runs without the icon.
void AddTrayIcon(TrayIcon& tray, NotifyIconData& record, std::uint32_t window, std::uint32_t icon,
                 std::string_view tip);
void DeleteTrayIcon(TrayIcon& tray, const NotifyIconData& record);

}  // namespace zelvo::task
