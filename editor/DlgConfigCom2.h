// The editor's "COM.2" page (template 200): the device's FTP client account.
// Everything but the client's own switch is editable only while the client
// is enabled. The failure-output mask is chosen in the selection dialog and
// written into the record as soon as that dialog ends with OK.
#pragma once

#include "ButtonTooltip.h"
#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"

class CDlgConfigCom2 : public CTabDialog {
 public:
  enum { IDD = 200 };
  explicit CDlgConfigCom2(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void LoadSettings();
  void StoreSettings() override;
  void UpdateControls() override;

  void OnBnClickedMode();
  void OnBnClickedFailureOutput();

  CSelectButton m_radioExplicitDisable;  // 1128
  CSelectButton m_radioExplicitEnable;   // 1129
  CInputStringAscii m_editServer;        // 1130
  CInputNumberInt m_editPort;            // 1422
  CInputStringAscii m_editLogin;         // 1423
  CInputStringAscii m_editPassword;      // 1424
  CInputStringAscii m_editSubdir;        // 1425
  CSelectButton m_radioPasvDisable;      // 1131
  CSelectButton m_radioPasvEnable;       // 1132
  CButton m_btnFailureOutput;            // 1426
};

// "Setting error: Port address".
extern const CString g_strCom2Errors[1];
// "Communication failure output setting".
extern const CString g_strCom2FailureOutputCaption[1];
