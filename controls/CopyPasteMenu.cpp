#include "CopyPasteMenu.h"

const CString g_strCopyPasteMenuItems[2] = {QStringLiteral("Copy"), QStringLiteral("Paste")};
const CString g_strCopyPastePlusMenuItems[3] = {QStringLiteral("Copy"), QStringLiteral("Paste"),
                                                QStringLiteral("Paste(+1)")};

namespace {

UINT ItemFlags(BOOL bEnabled) { return MF_STRING | (bEnabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED); }

}  // namespace

void CCopyPasteMenu::Track(int x, int y, BOOL bCopy, BOOL bPaste) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(ItemFlags(bCopy), ID_MENU_COPY, g_strCopyPasteMenuItems[0]);
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(ItemFlags(bPaste), ID_MENU_PASTE, g_strCopyPasteMenuItems[1]);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, m_pOwner);
  menu.DestroyMenu();
}

void CCopyPastePlusMenu::Track(int x, int y, BOOL bCopy, BOOL bPaste) {
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(ItemFlags(bCopy), ID_MENU_COPY, g_strCopyPastePlusMenuItems[0]);
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(ItemFlags(bPaste), ID_MENU_PASTE, g_strCopyPastePlusMenuItems[1]);
  menu.AppendMenu(ItemFlags(bPaste), ID_MENU_PASTE_PLUS, g_strCopyPastePlusMenuItems[2]);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, m_pOwner);
  menu.DestroyMenu();
}
