#pragma once
// The Win32 bits that windows keep in their style words, with their Win32 values: projects,
// captures and outside tools exchange the style words as the application under test has them.
// A menu item keeps Win32 menu flags in its style word instead.
#include <cstdint>

namespace win32 {

// General window styles.
inline constexpr std::uint32_t WS_POPUP = 0x80000000;
inline constexpr std::uint32_t WS_CHILD = 0x40000000;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000;
inline constexpr std::uint32_t WS_DISABLED = 0x08000000;
inline constexpr std::uint32_t WS_CAPTION = 0x00C00000;  // two bits: border and dialog frame
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000;
inline constexpr std::uint32_t WS_GROUP = 0x00020000;
inline constexpr std::uint32_t WS_TABSTOP = 0x00010000;
// The low word holds the bits whose meaning depends on the window class.
inline constexpr std::uint32_t kClassStyleBits = 0x0000FFFF;

// Extended style.
inline constexpr std::uint32_t WS_EX_CONTROLPARENT = 0x00010000;

// Buttons: the low four bits are the button kind.
inline constexpr std::uint32_t BS_TYPEMASK = 0xF;
inline constexpr std::uint32_t BS_DEFPUSHBUTTON = 1;
inline constexpr std::uint32_t BS_CHECKBOX = 2;
inline constexpr std::uint32_t BS_AUTOCHECKBOX = 3;
inline constexpr std::uint32_t BS_3STATE = 5;
inline constexpr std::uint32_t BS_AUTO3STATE = 6;
inline constexpr std::uint32_t BS_AUTORADIOBUTTON = 9;

// Combo boxes: the low four bits are the box kind.
inline constexpr std::uint32_t CBS_TYPEMASK = 0xF;
inline constexpr std::uint32_t CBS_SIMPLE = 1;
inline constexpr std::uint32_t CBS_DROPDOWN = 2;
inline constexpr std::uint32_t CBS_DROPDOWNLIST = 3;
inline constexpr std::uint32_t CBS_SORT = 0x100;

// Dialog boxes.
inline constexpr std::uint32_t DS_SYSMODAL = 0x2;
inline constexpr std::uint32_t DS_CONTROL = 0x400;

// Edit controls.
inline constexpr std::uint32_t ES_MULTILINE = 0x4;
inline constexpr std::uint32_t ES_READONLY = 0x800;
inline constexpr std::uint32_t ES_WANTRETURN = 0x1000;
inline constexpr std::uint32_t ES_NUMBER = 0x2000;

// List boxes.
inline constexpr std::uint32_t LBS_SORT = 0x2;
inline constexpr std::uint32_t LBS_MULTIPLESEL = 0x8;
inline constexpr std::uint32_t LBS_EXTENDEDSEL = 0x800;
inline constexpr std::uint32_t LBS_NOSEL = 0x4000;

// List views.
inline constexpr std::uint32_t LVS_SINGLESEL = 0x4;
inline constexpr std::uint32_t LVS_SORTASCENDING = 0x10;
inline constexpr std::uint32_t LVS_SORTDESCENDING = 0x20;

// Tab controls.
inline constexpr std::uint32_t TCS_MULTILINE = 0x200;
inline constexpr std::uint32_t TCS_FOCUSONBUTTONDOWN = 0x1000;
inline constexpr std::uint32_t TCS_FOCUSNEVER = 0x8000;

// Tree controls.
inline constexpr std::uint32_t TVS_HASBUTTONS = 0x1;
inline constexpr std::uint32_t TVS_EDITLABELS = 0x8;

// Menu flags.
inline constexpr std::uint32_t MF_GRAYED = 0x1;
inline constexpr std::uint32_t MF_DISABLED = 0x2;
inline constexpr std::uint32_t MF_CHECKED = 0x8;
inline constexpr std::uint32_t MF_POPUP = 0x10;
inline constexpr std::uint32_t MF_SEPARATOR = 0x800;

}  // namespace win32
