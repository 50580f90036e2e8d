#include "DlgConfigCom2.h"

#include "DeviceConfig.h"
#include "DlgConfigSelect.h"

const CString g_strCom2Errors[1] = {QStringLiteral("Setting error: Port address")};
const CString g_strCom2FailureOutputCaption[1] = {QStringLiteral("Communication failure output setting")};

namespace {

enum : int {
  kModeDisable = 1427,
  kModeEnable = 1428,
  kExplicitDisable = 1128,
  kExplicitEnable = 1129,
  kServer = 1130,
  kPort = 1422,
  kLogin = 1423,
  kPassword = 1424,
  kPasvDisable = 1131,
  kPasvEnable = 1132,
  kSubdir = 1425,
  kFailureOutput = 1426,
};

}  // namespace

CDlgConfigCom2::CDlgConfigCom2(CWnd* pParent) : CTabDialog(IDD, pParent) {
  ON_BN_CLICKED(kModeDisable, &CDlgConfigCom2::OnBnClickedMode);
  ON_BN_CLICKED(kModeEnable, &CDlgConfigCom2::OnBnClickedMode);
  ON_BN_CLICKED(kFailureOutput, &CDlgConfigCom2::OnBnClickedFailureOutput);
}

void CDlgConfigCom2::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kExplicitDisable, m_radioExplicitDisable);
  DDX_Control(pDX, kExplicitEnable, m_radioExplicitEnable);
  DDX_Control(pDX, kServer, m_editServer);
  DDX_Control(pDX, kPort, m_editPort);
  DDX_Control(pDX, kLogin, m_editLogin);
  DDX_Control(pDX, kPassword, m_editPassword);
  DDX_Control(pDX, kPasvDisable, m_radioPasvDisable);
  DDX_Control(pDX, kPasvEnable, m_radioPasvEnable);
  DDX_Control(pDX, kSubdir, m_editSubdir);
  DDX_Control(pDX, kFailureOutput, m_btnFailureOutput);
}

BOOL CDlgConfigCom2::OnInitDialog() {
  CDialog::OnInitDialog();

  m_editServer.SetMaxLength(64);
  m_editLogin.SetMaxLength(32);
  m_editPassword.SetMaxLength(32);
  m_editSubdir.SetMaxLength(64);

  m_editPort.SetRange(1, 65535, 21);
  m_errors.Add(&m_editPort, g_strCom2Errors[0]);

  LoadSettings();
  UpdateControls();
  return TRUE;
}

void CDlgConfigCom2::LoadSettings() {
  const kt::FtpClientConfig& ftp = m_pConfig->FTPC;
  kt::LoadSwitch(*this, kModeDisable, kModeEnable, ftp.MODE);
  kt::LoadSwitch(m_radioExplicitDisable, m_radioExplicitEnable, ftp.ACC.EXPLICIT);
  kt::LoadSwitch(m_radioPasvDisable, m_radioPasvEnable, ftp.ACC.PASV);
  kt::LoadText(m_editServer, ftp.ACC.SERVER);
  kt::LoadText(m_editLogin, ftp.ACC.LOGIN);
  kt::LoadText(m_editPassword, ftp.ACC.PASSWORD);
  kt::LoadText(m_editSubdir, ftp.ACC.SUBDIR);
  m_editPort.SetValue(ftp.ACC.PORT);
}

void CDlgConfigCom2::StoreSettings() {
  kt::FtpClientConfig& ftp = m_pConfig->FTPC;
  ftp.MODE = kt::StoreSwitch(*this, kModeEnable);
  ftp.ACC.EXPLICIT = kt::StoreSwitch(m_radioExplicitEnable);
  ftp.ACC.PASV = kt::StoreSwitch(m_radioPasvEnable);
  kt::StoreText(m_editServer, ftp.ACC.SERVER);
  kt::StoreText(m_editSubdir, ftp.ACC.SUBDIR);
  kt::StoreText(m_editLogin, ftp.ACC.LOGIN);
  kt::StoreText(m_editPassword, ftp.ACC.PASSWORD);
  ftp.ACC.PORT = m_editPort.m_nValue;
  // ALMDO belongs to the selection dialog.
}

void CDlgConfigCom2::UpdateControls() {
  DisableAllControls();
  GetDlgItem(kModeDisable)->EnableWindow(TRUE);
  GetDlgItem(kModeEnable)->EnableWindow(TRUE);
  if (IsDlgButtonChecked(kModeEnable) == BST_CHECKED) {
    for (CWnd* control : m_controls) control->EnableWindow(TRUE);
  }
}

void CDlgConfigCom2::OnBnClickedMode() { RefreshControls(); }

void CDlgConfigCom2::OnBnClickedFailureOutput() {
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = g_strCom2FailureOutputCaption[0];
  dlg.m_masks[0] = m_pConfig->FTPC.ACC.ALMDO;
  dlg.AddChannelRows(m_pConfig->DO);
  if (dlg.DoModal() == IDOK) m_pConfig->FTPC.ACC.ALMDO = dlg.m_masks[0];
}
