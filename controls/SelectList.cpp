#include "SelectList.h"

void CSelectList::AddNumbers(const CString& prefix, int start, int count) {
  for (int i = 0; i < count; ++i) AddString(prefix + QString::number(start + i));
  SetCurSel(0);
}

BOOL CSelectList::OnMouseDown(UINT nButton, CPoint point, BOOL) {
  if (nButton != MK_RBUTTON) return TRUE;
  if (GetCount() > 0) {
    BOOL outside = FALSE;
    // Selected by code: the page hears no selection change and switches its
    // channel in the command handler.
    SetCurSel(static_cast<int>(ItemFromPoint(point, outside)));
  }
  if (m_nCommandId != 0) {
    m_ptMenu = point;
    ClientToScreen(&m_ptMenu);
    if (CWnd* parent = GetParent()) {
      parent->SendMessage(WM_COMMAND, m_nCommandId, reinterpret_cast<LPARAM>(&m_ptMenu));
    }
  }
  // The list's own handling of the press would select again and report it.
  return FALSE;
}
