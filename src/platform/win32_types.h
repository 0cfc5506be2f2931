// The Win32 vocabulary that the automation speaks: handle and parameter types, and the
// messages, key codes and flags it sends, with their numeric values.
#pragma once

#include <cstdint>

namespace jelt::platform {

// Window handles are 32-bit values; 0 means "no window".
using Hwnd = std::uint32_t;
// Kernel object handles (processes); 0 means "none".
using Handle = std::uint32_t;
using Dword = std::uint32_t;
using Uint = std::uint32_t;
using Wparam = std::uintptr_t;
using Lparam = std::intptr_t;
using Lresult = std::intptr_t;

struct Point {
  int x = 0;
  int y = 0;
};

// Messages.
inline constexpr Uint WM_SETTEXT = 0x000C;
inline constexpr Uint WM_GETTEXT = 0x000D;
inline constexpr Uint WM_GETTEXTLENGTH = 0x000E;
inline constexpr Uint WM_CLOSE = 0x0010;
inline constexpr Uint WM_KEYDOWN = 0x0100;
inline constexpr Uint WM_KEYUP = 0x0101;
inline constexpr Uint WM_CHAR = 0x0102;
inline constexpr Uint WM_SYSCOMMAND = 0x0112;
inline constexpr Uint WM_TIMER = 0x0113;
inline constexpr Uint WM_LBUTTONDOWN = 0x0201;
inline constexpr Uint WM_LBUTTONUP = 0x0202;
inline constexpr Uint WM_LBUTTONDBLCLK = 0x0203;
inline constexpr Uint BM_GETCHECK = 0x00F0;
inline constexpr Uint BM_SETCHECK = 0x00F1;
inline constexpr Uint EM_GETMODIFY = 0x00B8;
inline constexpr Uint EM_SETMODIFY = 0x00B9;
inline constexpr Uint EM_GETLINECOUNT = 0x00BA;
inline constexpr Uint LB_SETCURSEL = 0x0186;
inline constexpr Uint LB_GETCURSEL = 0x0188;
inline constexpr Uint LB_GETCOUNT = 0x018B;
inline constexpr Uint LB_GETITEMDATA = 0x0199;

// Virtual key codes.
inline constexpr Wparam VK_RETURN = 13;
inline constexpr Wparam VK_SPACE = 32;
inline constexpr Wparam VK_DOWN = 40;

// GetWindow commands.
inline constexpr Uint GW_HWNDNEXT = 2;
inline constexpr Uint GW_CHILD = 5;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

// SetWindowPos.
inline constexpr Hwnd HWND_TOP = 0;
inline constexpr Hwnd HWND_TOPMOST = 0xFFFFFFFF;  // (HWND)-1
inline constexpr Uint SWP_NOSIZE = 0x0001;
inline constexpr Uint SWP_NOMOVE = 0x0002;

// BM_GETCHECK results.
inline constexpr Lresult BST_UNCHECKED = 0;
inline constexpr Lresult BST_CHECKED = 1;

// OpenProcess access rights.
inline constexpr Dword PROCESS_VM_READ = 0x0010;
inline constexpr Dword STANDARD_RIGHTS_REQUIRED = 0x000F0000;

}  // namespace jelt::platform
