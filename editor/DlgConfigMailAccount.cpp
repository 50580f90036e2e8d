#include "DlgConfigMailAccount.h"

#include "DlgConfigSelect.h"

const CString g_strMailAccountErrors[1] = {QStringLiteral("Setting error: Port address")};

namespace {

enum : int {
  kDisable = 1465,
  kEnable = 1466,
  kServer = 1269,
  kLogin = 1011,
  kPassword = 1012,
  kPort = 1013,
  kOverSsl = 1270,
  kStartTls = 1150,
  kFailureOutput = 1434,
};

// String resources of the two combo items.
constexpr UINT kIdsEnable = 106;
constexpr UINT kIdsDisable = 107;

constexpr int kTextLength = 64;
constexpr int kDefaultPort = 465;

}  // namespace

CDlgConfigMailAccount::CDlgConfigMailAccount(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_BN_CLICKED(kDisable, &CDlgConfigMailAccount::OnBnClickedMode);
  ON_BN_CLICKED(kEnable, &CDlgConfigMailAccount::OnBnClickedMode);
  ON_CBN_SELCHANGE(kOverSsl, &CDlgConfigMailAccount::OnCbnSelchangeOverSsl);
  ON_BN_CLICKED(kFailureOutput, &CDlgConfigMailAccount::OnBnClickedFailureOutput);
}

void CDlgConfigMailAccount::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kServer, m_editServer);
  DDX_Control(pDX, kLogin, m_editLogin);
  DDX_Control(pDX, kPassword, m_editPassword);
  DDX_Control(pDX, kPort, m_editPort);
  DDX_Control(pDX, kOverSsl, m_comboOverSsl);
  DDX_Control(pDX, kStartTls, m_comboStartTls);
}

BOOL CDlgConfigMailAccount::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  InitSelectCombos();
  if (m_pSmtp) m_smtp = *m_pSmtp;
  SetWindowText(m_strTitle);
  m_editServer.SetMaxLength(kTextLength);
  m_editLogin.SetMaxLength(kTextLength);
  m_editPassword.SetMaxLength(kTextLength);
  m_editPort.SetRange(1, 65535, kDefaultPort);
  m_errors.Add(&m_editPort, g_strMailAccountErrors[0]);
  for (CSelectCombo* combo : {&m_comboOverSsl, &m_comboStartTls}) {
    combo->AddString(LoadString(kIdsDisable));
    combo->AddString(LoadString(kIdsEnable));
  }
  LoadSettings();
  UpdateControls();
  return TRUE;
}

void CDlgConfigMailAccount::LoadSettings() {
  kt::LoadSwitch(*this, kDisable, kEnable, m_smtp.MODE);
  kt::LoadText(m_editServer, m_smtp.SERVER);
  kt::LoadText(m_editLogin, m_smtp.LOGIN);
  kt::LoadText(m_editPassword, m_smtp.PASSWORD);
  m_editPort.SetValue(m_smtp.PORT);
  m_comboOverSsl.SetCurSel(m_smtp.OVERSSL == 1 ? 1 : 0);
  m_comboStartTls.SetCurSel(m_smtp.STARTTLS == 1 ? 1 : 0);
}

void CDlgConfigMailAccount::StoreSettings() {
  m_smtp.MODE = kt::StoreSwitch(*this, kEnable);
  kt::StoreText(m_editServer, m_smtp.SERVER);
  kt::StoreText(m_editLogin, m_smtp.LOGIN);
  kt::StoreText(m_editPassword, m_smtp.PASSWORD);
  m_smtp.PORT = m_editPort.m_nValue;
  m_smtp.OVERSSL = m_comboOverSsl.GetCurItem() == 1 ? 1 : 0;
  m_smtp.STARTTLS = m_comboStartTls.GetCurItem() == 1 ? 1 : 0;
}

void CDlgConfigMailAccount::UpdateControls() {
  static constexpr int kData[] = {kServer, kLogin, kPassword, kPort, kOverSsl, kStartTls, kFailureOutput};
  for (int id : kData) GetDlgItem(id)->EnableWindow(FALSE);
  if (IsDlgButtonChecked(kEnable) != BST_CHECKED) return;
  for (int id : {kServer, kLogin, kPassword, kPort, kOverSsl, kFailureOutput}) GetDlgItem(id)->EnableWindow(TRUE);
  const BOOL overSsl = m_comboOverSsl.GetCurItem() == 1;
  m_comboStartTls.EnableWindow(overSsl);
}

void CDlgConfigMailAccount::OnBnClickedMode() {
  RefreshKeepingFocus();
  Invalidate(TRUE);
}

void CDlgConfigMailAccount::OnCbnSelchangeOverSsl() { RefreshKeepingFocus(); }

void CDlgConfigMailAccount::OnBnClickedFailureOutput() {
  if (!m_pConfig) return;
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = QStringLiteral("Failure output setting");
  dlg.m_masks[0] = m_smtp.ALMDO;
  dlg.AddChannelRows(m_pConfig->DO);
  if (dlg.DoModal() == IDOK) m_smtp.ALMDO = dlg.m_masks[0];
}

void CDlgConfigMailAccount::OnOK() {
  if (!CheckControls(TRUE)) return;
  StoreSettings();
  if (m_pSmtp) *m_pSmtp = m_smtp;
  EndDialog(IDOK);
}
