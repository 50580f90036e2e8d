// Basic types, geometry, colours and the numeric constants of the dialog
// framework (results, message-box flags, notification codes, messages).
#pragma once

#include <QString>

#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using UINT = unsigned int;
using DWORD = std::uint32_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using DWORD_PTR = std::uintptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;  // 0x00BBGGRR
using CString = QString;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

constexpr COLORREF RGB(int r, int g, int b) {
  return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) { return (lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16); }

struct CPoint {
  int x = 0, y = 0;
  CPoint() = default;
  CPoint(int x_, int y_) : x(x_), y(y_) {}
  bool operator==(const CPoint&) const = default;
};

struct CSize {
  int cx = 0, cy = 0;
  bool operator==(const CSize&) const = default;
};

// A rectangle with exclusive right and bottom edges, as on Windows.
struct CRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  CRect() = default;
  CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsRectEmpty() const { return right <= left || bottom <= top; }
  void OffsetRect(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool operator==(const CRect&) const = default;
};

// Dialog results and the ids of the OK and Cancel buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;

// Message-box flags: buttons, then icons.
inline constexpr UINT MB_OK = 0x0000;
inline constexpr UINT MB_OKCANCEL = 0x0001;
inline constexpr UINT MB_TYPEMASK = 0x000F;
inline constexpr UINT MB_ICONERROR = 0x0010;
inline constexpr UINT MB_ICONQUESTION = 0x0020;
inline constexpr UINT MB_ICONWARNING = 0x0030;
inline constexpr UINT MB_ICONINFORMATION = 0x0040;
inline constexpr UINT MB_ICONMASK = 0x00F0;
inline constexpr UINT MB_ICONEXCLAMATION = MB_ICONWARNING;
inline constexpr UINT MB_ICONSTOP = MB_ICONERROR;

// Messages. WM_USER and above are free for controls of their own.
inline constexpr UINT WM_COMMAND = 0x0111;

// System commands (CWnd::OnSysCommand); their low four bits are the system's.
inline constexpr UINT SC_MINIMIZE = 0xF020;
inline constexpr UINT SC_MAXIMIZE = 0xF030;
inline constexpr UINT SC_CLOSE = 0xF060;
inline constexpr UINT SC_RESTORE = 0xF120;
inline constexpr UINT WM_USER = 0x0400;

// Notification codes (the high word of WM_COMMAND's wParam, or NMHDR::code).
inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT EN_SETFOCUS = 0x0100;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT EN_UPDATE = 0x0400;
inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT CBN_SELCHANGE = 1;
inline constexpr UINT CBN_DROPDOWN = 7;
inline constexpr UINT CBN_CLOSEUP = 8;
inline constexpr UINT CBN_SETFOCUS = 3;
inline constexpr UINT CBN_KILLFOCUS = 4;
// WM_NOTIFY codes (negative on Windows; kept distinct from the ones above).
inline constexpr UINT NM_CLICK = 0xFFFFFFFEu;
inline constexpr UINT NM_DBLCLK = 0xFFFFFFFDu;
inline constexpr UINT TCN_SELCHANGE = 0xFFFFFDD9u;

// Results of list and combo operations.
inline constexpr int LB_ERR = -1;
inline constexpr int CB_ERR = -1;

// Button check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;

// Virtual keys that hooks see (others arrive as 0).
inline constexpr UINT VK_BACK = 0x08;
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_ESCAPE = 0x1B;
inline constexpr UINT VK_SPACE = 0x20;
inline constexpr UINT VK_END = 0x23;
inline constexpr UINT VK_HOME = 0x24;
inline constexpr UINT VK_LEFT = 0x25;
inline constexpr UINT VK_UP = 0x26;
inline constexpr UINT VK_RIGHT = 0x27;
inline constexpr UINT VK_DOWN = 0x28;
inline constexpr UINT VK_DELETE = 0x2E;

// Mouse buttons for the mouse hooks.
inline constexpr UINT MK_LBUTTON = 0x0001;
inline constexpr UINT MK_RBUTTON = 0x0002;
inline constexpr UINT MK_MBUTTON = 0x0010;

// Colour requests (CWnd::CtlColor's nCtlColor).
inline constexpr UINT CTLCOLOR_EDIT = 1;
inline constexpr UINT CTLCOLOR_LISTBOX = 2;
inline constexpr UINT CTLCOLOR_BTN = 3;
inline constexpr UINT CTLCOLOR_STATIC = 6;  // also a read-only edit

// Standard mouse cursors.
inline constexpr UINT IDC_ARROW = 32512;
inline constexpr UINT IDC_IBEAM = 32513;

// Notification header of WM_NOTIFY messages (ON_NOTIFY handlers).
struct NMHDR {
  void* hwndFrom = nullptr;  // the control's widget
  UINT_PTR idFrom = 0;
  UINT code = 0;
};

// NM_CLICK / NM_DBLCLK of a list view.
struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem = -1;     // row under the click, -1 when none
  int iSubItem = -1;  // column under the click
};
