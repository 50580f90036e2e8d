// Message boxes, popup menus, file and colour dialogs. All of them run
// through the modal seam (ModalSeam.h).
#pragma once

#include "WinTypes.h"

#include <vector>

class CWnd;

// Shows a message box titled with the application name ("KT2057CFG") and
// returns IDOK or IDCANCEL. A box with OK or OK/Cancel buttons and no icon of
// its own shows the warning icon.
int AfxMessageBox(const QString& text, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with a text of the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));

// Menu item flags and TrackPopupMenu flags.
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_SEPARATOR = 0x0800;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu {
 public:
  BOOL CreatePopupMenu();
  BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const QString& text = {});
  UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);  // returns the previous state, or -1
  int GetMenuItemCount() const { return static_cast<int>(m_items.size()); }
  // Shows the menu at the screen point. The chosen item reaches pWnd as
  // WM_COMMAND with its id (before this returns); with TPM_RETURNCMD it is
  // returned instead. Returns 0 when the menu is dismissed.
  BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const CRect* lpRect = nullptr);
  BOOL DestroyMenu();

 private:
  struct Item {
    UINT id;
    QString text;
    UINT flags;
  };
  std::vector<Item> m_items;
};

// File dialog flags.
inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_NOCHANGEDIR = 0x00000008;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x00001000;

class CFileDialog {
 public:
  // lpszFilter: "Description|pattern|...||".
  CFileDialog(BOOL bOpenFileDialog, const QString& lpszDefExt = {}, const QString& lpszFileName = {},
              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const QString& lpszFilter = {},
              CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);
  INT_PTR DoModal();                              // IDOK or IDCANCEL
  QString GetPathName() const { return m_path; }  // full path
  QString GetFileName() const;                    // name without folder

 private:
  bool m_open;
  QString m_defExt, m_fileName, m_filter, m_path;
  DWORD m_flags;
};

// Colour dialog flags.
inline constexpr DWORD CC_RGBINIT = 0x00000001;
inline constexpr DWORD CC_FULLOPEN = 0x00000002;

class CColorDialog {
 public:
  // A colour other than 0 is preset (CC_RGBINIT).
  explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
  INT_PTR DoModal();  // IDOK or IDCANCEL
  COLORREF GetColor() const { return m_color; }

 private:
  COLORREF m_color;
  DWORD m_flags;
};
