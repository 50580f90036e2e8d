#include "NormalDialog.h"

#include <utility>

// ---------------------------------------------------------------------------
// CNormalDialog

void CNormalDialog::DDX_Control(CDataExchange* pDX, int nID, CWnd& control, BOOL bNoList) {
  ::DDX_Control(pDX, nID, control);
  if (!bNoList) m_controls.push_back(&control);
  if (auto* number = dynamic_cast<CInputNumber*>(&control)) {
    m_numberInputs.push_back(number);
  } else if (auto* combo = dynamic_cast<CSelectCombo*>(&control)) {
    m_selectCombos.push_back(combo);
  }
}

void CNormalDialog::DisableAllControls() {
  for (CWnd* control : m_controls) control->EnableWindow(FALSE);
}

void CNormalDialog::InitSelectCombos() {
  for (CSelectCombo* combo : m_selectCombos) combo->InitSelectOnly();
}

BOOL CNormalDialog::OnInitDialog() {
  CDialogEx::OnInitDialog();
  InitSelectCombos();
  return TRUE;
}

BOOL CNormalDialog::AllNumbersValid() {
  for (const CInputNumber* number : m_numberInputs) {
    if (!number->m_bValid) return FALSE;
  }
  return TRUE;
}

// ---------------------------------------------------------------------------
// CTabDialog, CSubDialogChild

BOOL CNormalDialog::CheckControls(BOOL bShowError) { return m_errors.Check(bShowError); }

void CNormalDialog::UpdateControls() {}

void CNormalDialog::RefreshKeepingFocus() {
  CWnd* focus = CWnd::GetFocus();
  UpdateControls();
  m_errors.ResetDisabledInputs();
  if (focus) focus->SetFocus();
}

BOOL CTabDialog::StorePage(BOOL bShowError) {
  if (!CheckControls(bShowError)) return FALSE;
  StoreSettings();
  return TRUE;
}

void CTabDialog::RefreshControls() {
  RefreshKeepingFocus();
  Invalidate(TRUE);
}

void CTabDialog::StoreSettings() {}
void CTabDialog::PrepareSave() {}
BOOL CTabDialog::CheckSettings(BOOL) { return TRUE; }

BOOL CSubDialogChild::CheckParam() { return TRUE; }
void CSubDialogChild::LoadParam(kt::OiParamConfig*) {}
void CSubDialogChild::StoreParam(kt::OiParamConfig*) {}

// ---------------------------------------------------------------------------
// CSubDialogParent

CSubDialogParent::~CSubDialogParent() {
  m_pCurrent = nullptr;
  m_children.clear();  // each child dialog destroys its window
  // The placeholder belongs to the page: let go of it without deleting it.
  UnsubclassWindow();
}

void CSubDialogParent::AddChild(int kind, UINT nIDTemplate, CDialog* pChild) {
  std::unique_ptr<CDialog> child(pChild);
  if (!child) return;
  CWnd* page = GetParent();
  if (m_rcChild.right == m_rcChild.left) {
    GetWindowRect(&m_rcChild);
    if (page) page->ScreenToClient(&m_rcChild);
  }
  child->Create(nIDTemplate, page);
  child->MoveWindow(m_rcChild, TRUE);
  m_children.push_back(SubDialogEntry{kind, std::move(child)});
}

void CSubDialogParent::ShowChild(int kind) {
  if (m_pCurrent) {
    m_pCurrent->ShowWindow(SW_HIDE);
    m_pCurrent = nullptr;
  }
  for (SubDialogEntry& entry : m_children) {
    if (entry.kind == kind) {
      m_pCurrent = entry.pDialog.get();
      m_pCurrent->ShowWindow(SW_SHOW);
      return;
    }
  }
}

// ---------------------------------------------------------------------------
// PageErrorList

void PageErrorList::Add(CInputNumber* pControl, const CString& message) {
  m_controls.push_back(pControl);
  m_messages.push_back(message);
}

BOOL PageErrorList::Check(BOOL bShowError) const {
  for (std::size_t i = 0; i < m_controls.size(); ++i) {
    if (m_controls[i]->m_bValid) continue;
    if (bShowError) AfxMessageBox(m_messages[i], MB_ICONERROR);
    return FALSE;
  }
  return TRUE;
}

void PageErrorList::ResetDisabledInputs() const {
  for (CInputNumber* control : m_controls) control->ResetIfDisabled();
}

// ---------------------------------------------------------------------------
// Switches

void kt::LoadSwitch(CButton& off, CButton& on, std::uint32_t value) {
  on.SetCheck(value == 1 ? BST_CHECKED : BST_UNCHECKED);
  off.SetCheck(value == 1 ? BST_UNCHECKED : BST_CHECKED);
}

std::uint32_t kt::StoreSwitch(const CButton& on) { return on.GetCheck() == BST_CHECKED ? 1 : 0; }

void kt::LoadSwitch(CWnd& dlg, int offId, int onId, std::uint32_t value) {
  dlg.CheckDlgButton(onId, value == 1 ? BST_CHECKED : BST_UNCHECKED);
  dlg.CheckDlgButton(offId, value == 1 ? BST_UNCHECKED : BST_CHECKED);
}

std::uint32_t kt::StoreSwitch(const CWnd& dlg, int onId) { return dlg.IsDlgButtonChecked(onId) == BST_CHECKED ? 1 : 0; }

BOOL kt::PickColor(CWnd* parent, COLORREF initial, DWORD flags, COLORREF& color) {
  CColorDialog dlg(initial, flags, parent);
  if (dlg.DoModal() != IDOK) return FALSE;
  color = dlg.GetColor();
  return TRUE;
}

void kt::PaintSwatch(CDC& dc, CWnd& dlg, CWnd& swatch, COLORREF color) {
  CRect rc;
  swatch.GetWindowRect(&rc);
  dlg.ScreenToClient(&rc);
  dc.FillSolidRect(rc, color);
}
