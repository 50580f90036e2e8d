// The copy/paste popup menus the pages open over their channel lists. The
// chosen item reaches the owner window as a menu command.
#pragma once

#include "Platform.h"

inline constexpr UINT ID_MENU_COPY = 101;
inline constexpr UINT ID_MENU_PASTE = 102;
inline constexpr UINT ID_MENU_PASTE_PLUS = 103;  // paste into the next channel

// Item texts: "Copy", "Paste"; and "Copy", "Paste", "Paste(+1)".
extern const CString g_strCopyPasteMenuItems[2];
extern const CString g_strCopyPastePlusMenuItems[3];

class CCopyPasteMenu {
 public:
  explicit CCopyPasteMenu(CWnd* pOwner) : m_pOwner(pOwner) {}
  // "Copy" (greyed unless bCopy), separator, "Paste" (greyed unless
  // bPaste), at the screen point (x, y).
  void Track(int x, int y, BOOL bCopy, BOOL bPaste);

 private:
  CWnd* m_pOwner;
};

class CCopyPastePlusMenu {
 public:
  explicit CCopyPastePlusMenu(CWnd* pOwner) : m_pOwner(pOwner) {}
  // "Copy" (greyed unless bCopy), separator, "Paste" and "Paste(+1)" (both
  // greyed unless bPaste), at the screen point (x, y).
  void Track(int x, int y, BOOL bCopy, BOOL bPaste);

 private:
  CWnd* m_pOwner;
};
