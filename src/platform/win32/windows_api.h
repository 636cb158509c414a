#pragma once

// The Windows headers, for every Win32 source of Zelvo to include in their place.
// The models name a few things as the Windows headers do (MessageBox, WM_HOTKEY,
// MOD_ALT, HKEY_LOCAL_MACHINE, NIM_ADD...), and those headers make them macros: the
// macros are taken back here, so that both can be used in one file. Win32 calls are
// made by their W names (MessageBoxW, Shell_NotifyIconW, GlobalAddAtomW).

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
// windows.h first: the headers below need its types.
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <wincodec.h>

#undef MessageBox
#undef GlobalAddAtom
#undef Shell_NotifyIcon
#undef small
#undef near
#undef far

#undef WM_HOTKEY
#undef WM_LBUTTONDOWN
#undef WM_RBUTTONDOWN
#undef HOTKEYF_SHIFT
#undef HOTKEYF_CONTROL
#undef HOTKEYF_ALT
#undef HKCOMB_NONE
#undef HKCOMB_S
#undef MOD_ALT
#undef MOD_CONTROL
#undef MOD_SHIFT
#undef NIM_ADD
#undef NIM_DELETE
#undef NIF_MESSAGE
#undef NIF_ICON
#undef NIF_TIP
#undef HKEY_LOCAL_MACHINE
#undef REG_SZ
#undef REG_DWORD

namespace zelvo::win32 {

// The Windows values of the names taken back above, for the Win32 calls.
inline constexpr UINT kWmHotKey = 0x0312;
inline constexpr UINT kWmLButtonDown = 0x0201;
inline constexpr UINT kWmRButtonDown = 0x0204;
inline constexpr UINT kModAlt = 0x0001;
inline constexpr UINT kModControl = 0x0002;
inline constexpr UINT kModShift = 0x0004;
inline constexpr UINT kModNoRepeat = 0x4000;
inline constexpr BYTE kHotKeyFShift = 0x01;
inline constexpr BYTE kHotKeyFControl = 0x02;
inline constexpr BYTE kHotKeyFAlt = 0x04;
inline constexpr BYTE kHotKeyFExt = 0x08;
inline constexpr WPARAM kHkCombNone = 0x0001;
inline constexpr WPARAM kHkCombS = 0x0002;
inline constexpr DWORD kNimAdd = 0x00000000;
inline constexpr DWORD kNimModify = 0x00000001;
inline constexpr DWORD kNimDelete = 0x00000002;
inline constexpr DWORD kNimSetVersion = 0x00000004;
inline constexpr UINT kNifMessage = 0x00000001;
inline constexpr UINT kNifIcon = 0x00000002;
inline constexpr UINT kNifTip = 0x00000004;
inline const HKEY kHkeyLocalMachine = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000002));
inline const HKEY kHkeyCurrentUser = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000001));
inline constexpr DWORD kRegSz = 1;
inline constexpr DWORD kRegExpandSz = 2;
inline constexpr DWORD kRegDword = 4;

}  // namespace zelvo::win32
