#include "DlgConfigMailForm.h"

#include "DlgConfigSelect.h"

const CString g_strMailFormQuestion = QStringLiteral("Mail address not specified.");

namespace {

enum : int {
  kSubject = 1010,
  kBody = 1011,
  kMailTo = 1272,
  kFactor = 1429,
  kFirstAttach = 1430,  // AI, DI, OI, DO
};

constexpr int kSubjectLength = 32;
constexpr int kBodyLength = 128;  // "\r\n" counts as two

const char* const kAttachTitles[4] = {"AI", "DI", "OI", "DO"};

bool HasAddress(const kt::MailAddressConfig& row) { return row.ADDR[0] != '\0'; }

}  // namespace

CDlgConfigMailForm::CDlgConfigMailForm(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_BN_CLICKED(kFactor, &CDlgConfigMailForm::OnBnClickedFactor);
  for (int k = kAttachAi; k <= kAttachDo; ++k) {
    MapCommand(kFirstAttach + k, BN_CLICKED, [this, k] { OnBnClickedReportingFactor(k); });
  }
}

void CDlgConfigMailForm::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kSubject, m_editSubject);
  DDX_Control(pDX, kBody, m_editBody);
  DDX_Control(pDX, kMailTo, m_listMailTo);
  DDX_Control(pDX, kFactor, m_checkFactor);
}

BOOL CDlgConfigMailForm::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  InitSelectCombos();
  if (m_pForm) m_form = *m_pForm;
  SetWindowText(m_strTitle);
  m_editSubject.SetMaxLength(kSubjectLength);
  m_editBody.SetMaxLength(kBodyLength);
  for (int i = 0; i < kt::kMailAddressCount; ++i) {
    CString line = QStringLiteral("A%1  ").arg(i + 1) + kt::FieldText(m_address[i].NAME);
    if (HasAddress(m_address[i])) line += QStringLiteral("<") + kt::FieldText(m_address[i].ADDR) + QStringLiteral(">");
    m_listMailTo.AddString(line);
  }
  LoadSettings();
  for (int k = kAttachAi; k <= kAttachDo; ++k) GetDlgItem(kFirstAttach + k)->EnableWindow(TRUE);
  return TRUE;
}

void CDlgConfigMailForm::LoadSettings() {
  kt::LoadText(m_editSubject, m_form.SUBJECT);
  kt::LoadText(m_editBody, m_form.BODY);
  for (int i = 0; i < kt::kMailAddressCount; ++i) m_listMailTo.SetCheck(i, (m_form.A >> i) & 1u ? 1 : 0);
  m_checkFactor.SetCheck(m_form.ADDINF.FACTOR == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void CDlgConfigMailForm::StoreSettings() {
  kt::StoreText(m_editSubject, m_form.SUBJECT);
  kt::StoreText(m_editBody, m_form.BODY);
  kt::u32 mask = 0;
  for (int i = 0; i < kt::kMailAddressCount; ++i) {
    if (m_listMailTo.GetCheck(i)) mask |= 1u << i;
  }
  m_form.A = mask;
  m_form.ADDINF.FACTOR = m_checkFactor.GetCheck() == BST_CHECKED ? 1 : 0;
}

BOOL CDlgConfigMailForm::CheckRecipients() {
  for (int i = 0; i < kt::kMailAddressCount; ++i) {
    if (((m_form.A >> i) & 1u) && HasAddress(m_address[i])) return TRUE;
  }
  return AfxMessageBox(g_strMailFormQuestion, MB_OKCANCEL | MB_ICONQUESTION) == IDOK ? TRUE : FALSE;
}

void CDlgConfigMailForm::OnBnClickedFactor() {
  CWnd* focus = CWnd::GetFocus();
  for (int k = kAttachAi; k <= kAttachDo; ++k) GetDlgItem(kFirstAttach + k)->EnableWindow(TRUE);
  m_errors.ResetDisabledInputs();
  if (focus) focus->SetFocus();
  Invalidate(TRUE);
}

void CDlgConfigMailForm::OnBnClickedReportingFactor(int nKind) {
  if (!m_pConfig || nKind < kAttachAi || nKind > kAttachDo) return;
  kt::u32* masks[4] = {&m_form.ADDINF.AI, &m_form.ADDINF.DI, &m_form.ADDINF.OI, &m_form.ADDINF.DO};
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = QString::fromLatin1(kAttachTitles[nKind]);
  dlg.m_masks[0] = *masks[nKind];
  switch (nKind) {
    case kAttachAi: dlg.AddChannelRows(m_pConfig->AI); break;
    case kAttachDi: dlg.AddChannelRows(m_pConfig->DI); break;
    case kAttachOi: dlg.AddChannelRows(m_pConfig->OI); break;
    default: dlg.AddChannelRows(m_pConfig->DO); break;
  }
  if (dlg.DoModal() == IDOK) *masks[nKind] = dlg.m_masks[0];
}

void CDlgConfigMailForm::OnOK() {
  if (!m_errors.Check(TRUE)) return;
  StoreSettings();
  if (!CheckRecipients()) return;
  if (m_pForm) *m_pForm = m_form;
  EndDialog(IDOK);
}
