#include "DlgConfigMailAddrlist.h"

#include "CopyPasteMenu.h"

#include <cstring>

namespace {

constexpr int kList = 1260;
constexpr int kRowLabels[kt::kMailAddressCount] = {1268, 1261, 1262, 1263, 1264, 1265, 1266, 1267};
constexpr int kFirstName = 1244;  // name k at 1244 + 2k, its address right after

constexpr int kNameLength = 16;
constexpr int kAddressLength = 64;

}  // namespace

CDlgConfigMailAddrlist::CDlgConfigMailAddrlist(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_LBN_SELCHANGE(kList, &CDlgConfigMailAddrlist::OnLbnSelchangeList);
  ON_COMMAND(ID_MENU_COPY, &CDlgConfigMailAddrlist::OnMenuCopy);
  ON_COMMAND(ID_MENU_PASTE, &CDlgConfigMailAddrlist::OnMenuPaste);
}

void CDlgConfigMailAddrlist::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kList, m_listRow);
  for (int k = 0; k < kt::kMailAddressCount; ++k) {
    DDX_Control(pDX, kRowLabels[k], m_staticRow[k]);
    DDX_Control(pDX, kFirstName + 2 * k, m_editName[k]);
    DDX_Control(pDX, kFirstName + 2 * k + 1, m_editAddress[k]);
  }
}

BOOL CDlgConfigMailAddrlist::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  InitSelectCombos();
  if (m_pAddress) std::memcpy(m_address, m_pAddress, sizeof(m_address));
  for (int k = 0; k < kt::kMailAddressCount; ++k) {
    m_editName[k].SetMaxLength(kNameLength);
    m_editAddress[k].SetMaxLength(kAddressLength);
  }
  m_listRow.AddNumbers(QStringLiteral("A"), 1, kt::kMailAddressCount);
  m_listRow.m_nCommandId = ID_CHANNEL_MENU;
  m_nCurRow = 0;
  ShowPage(0);
  return TRUE;
}

void CDlgConfigMailAddrlist::ShowPage(int /*nRow*/) {
  for (int k = 0; k < kt::kMailAddressCount; ++k) {
    m_staticRow[k].SetWindowText(QStringLiteral("A%1").arg(k + 1));
    kt::LoadText(m_editName[k], m_address[k].NAME);
    kt::LoadText(m_editAddress[k], m_address[k].ADDR);
  }
}

void CDlgConfigMailAddrlist::StoreRows() {
  for (int k = 0; k < kt::kMailAddressCount; ++k) {
    kt::StoreText(m_editName[k], m_address[k].NAME);
    kt::StoreText(m_editAddress[k], m_address[k].ADDR);
  }
}

void CDlgConfigMailAddrlist::ChangeRow() {
  const int sel = m_listRow.GetCurSel();
  if (sel < 0 || sel >= kt::kMailAddressCount || sel == m_nCurRow) return;
  if (!CheckControls(TRUE)) return;
  StoreRows();
  ShowPage(sel);
  Invalidate(TRUE);
  m_nCurRow = sel;
}

void CDlgConfigMailAddrlist::OnLbnSelchangeList() { ChangeRow(); }

BOOL CDlgConfigMailAddrlist::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (LOWORD(wParam) == ID_CHANNEL_MENU && HIWORD(wParam) == 0 && lParam) {
    const CPoint pt = *reinterpret_cast<const CPoint*>(lParam);
    ChangeRow();
    const BOOL canCopy = CheckControls(FALSE);
    const BOOL canPaste = m_nCopyBuffer ? TRUE : FALSE;
    if (canCopy || canPaste) CCopyPasteMenu(this).Track(pt.x, pt.y, canCopy, canPaste);
    return TRUE;
  }
  return CNormalDialog::OnCommand(wParam, lParam);
}

void CDlgConfigMailAddrlist::OnMenuCopy() {
  StoreRows();
  m_copyBuffer = m_address[m_nCurRow];
  m_nCopyBuffer = 1;
}

void CDlgConfigMailAddrlist::OnMenuPaste() {
  if (!m_nCopyBuffer) return;
  // Whatever was typed in the other rows stays: store it before the pasted
  // row replaces the current one.
  StoreRows();
  m_address[m_nCurRow] = m_copyBuffer;
  ShowPage(m_nCurRow);
}

void CDlgConfigMailAddrlist::OnOK() {
  if (!CheckControls(TRUE)) return;
  StoreRows();
  m_nCopyBuffer = 0;
  if (m_pAddress) std::memcpy(m_pAddress, m_address, sizeof(m_address));
  EndDialog(IDOK);
}
