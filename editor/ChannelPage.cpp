#include "ChannelPage.h"

#include "CopyPasteMenu.h"

CChannelPage::CChannelPage(UINT nIDTemplate, CWnd* pParent, BOOL bPastePlus)
    : CTabDialog(nIDTemplate, pParent), m_bPastePlus(bPastePlus) {}

void CChannelPage::PrepareChannel(int) {}
void CChannelPage::IncrementAddresses() {}
void CChannelPage::RenewCopy(int) {}

BOOL CChannelPage::StorePage(BOOL bShowError) {
  if (!CheckControls(bShowError)) return FALSE;
  StoreChannel(m_nCurChannel);
  EmptyCopy();
  return TRUE;
}

void CChannelPage::RefreshControls() {
  CWnd* focus = CWnd::GetFocus();
  UpdateControls();
  m_errors.ResetDisabledInputs();
  if (focus) focus->SetFocus();
  Invalidate(TRUE);
}

void CChannelPage::OnSelchangeChannel() {
  const int next = m_listChannel.GetCurSel();
  if (next < 0 || next == m_nCurChannel) return;
  if (!CheckControls(TRUE)) {
    m_listChannel.SetCurSel(m_nCurChannel);
    return;
  }
  StoreChannel(m_nCurChannel);
  PrepareChannel(next);
  LoadChannel(next);
  m_nCurChannel = next;
  RefreshControls();
}

BOOL CChannelPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == 0) {
    switch (LOWORD(wParam)) {
      case ID_CHANNEL_MENU:
        if (lParam) OnChannelMenu(*reinterpret_cast<const CPoint*>(lParam));
        return TRUE;
      case ID_MENU_COPY:
        OnChannelCopy();
        return TRUE;
      case ID_MENU_PASTE:
        OnChannelPaste();
        return TRUE;
      case ID_MENU_PASTE_PLUS:
        if (m_bPastePlus) OnChannelPasteNext();
        return TRUE;
      default:
        break;
    }
  }
  return CTabDialog::OnCommand(wParam, lParam);
}

void CChannelPage::OnChannelMenu(const CPoint& ptScreen) {
  OnSelchangeChannel();
  const BOOL bCopy = CheckControls(FALSE);
  const BOOL bPaste = IsCopyFilled();
  if (!bCopy && !bPaste) return;
  if (m_bPastePlus) {
    CCopyPastePlusMenu(this).Track(ptScreen.x, ptScreen.y, bCopy, bPaste);
  } else {
    CCopyPasteMenu(this).Track(ptScreen.x, ptScreen.y, bCopy, bPaste);
  }
}

void CChannelPage::OnChannelCopy() {
  StoreChannel(m_nCurChannel);
  CopyChannel(m_nCurChannel);
}

void CChannelPage::OnChannelPaste() {
  if (!IsCopyFilled()) return;
  PasteChannel(m_nCurChannel, FALSE);
  PrepareChannel(m_nCurChannel);
  LoadChannel(m_nCurChannel);
  UpdateControls();
  Invalidate(TRUE);
}

void CChannelPage::OnChannelPasteNext() {
  if (!IsCopyFilled()) return;
  PasteChannel(m_nCurChannel, TRUE);
  PrepareChannel(m_nCurChannel);
  LoadChannel(m_nCurChannel);
  UpdateControls();
  IncrementAddresses();
  StoreChannel(m_nCurChannel);
  RenewCopy(m_nCurChannel);
  Invalidate(TRUE);
}
