// "Account setting" (template 160): the SMTP account of the mail service,
// edited on a copy that OK writes over the caller's. The failure outputs are
// chosen in the channel selection dialog.
#pragma once

#include "DeviceConfig.h"
#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgConfigMailAccount : public CNormalDialog {
 public:
  enum { IDD = 160 };
  explicit CDlgConfigMailAccount(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void LoadSettings();
  void StoreSettings();
  void UpdateControls() override;

  void OnBnClickedMode();
  void OnCbnSelchangeOverSsl();
  void OnBnClickedFailureOutput();

  // The record, for the DO channel names of the failure outputs.
  kt::DeviceConfig* m_pConfig = nullptr;
  kt::SmtpConfig m_smtp{};
  // Where OK writes the copy; set before DoModal.
  kt::SmtpConfig* m_pSmtp = nullptr;
  CString m_strTitle;

  CInputStringAscii m_editServer;    // 1269
  CInputStringAscii m_editLogin;     // 1011
  CInputStringAscii m_editPassword;  // 1012
  CInputNumberInt m_editPort;        // 1013
  CSelectCombo m_comboOverSsl;       // 1270
  CSelectCombo m_comboStartTls;      // 1150

 private:
};

// "Setting error: Port address".
extern const CString g_strMailAccountErrors[1];
