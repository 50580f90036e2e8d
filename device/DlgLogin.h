// The login dialog (template 201 "Login"): the device's address and HTTP
// port, the login ID and the password, asked before the first request of
// every user action.
//
// On OK the four values go into the connection settings
// (kt::ActiveConnection()), where the HTTP client reads them. The address
// and the port are also kept in the user's profile ("Login"/"IP" and
// "Login"/"PORT", both as text) so they come back after a restart; the login
// ID and the password live in memory only and are never written anywhere.
#pragma once

#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "Platform.h"

// "Setting error: Port address", "Setting error: Domain name or IP address".
extern const CString g_strLoginErrors[2];

class CDlgLogin : public CDialogEx {
 public:
  enum { IDD = 201 };
  CDlgLogin();

  void DoDataExchange(CDataExchange* pDX) override;
  // Limits, the port's range and error message, then the stored address and
  // port and the login ID and password of the last confirmed login.
  BOOL OnInitDialog() override;
  // Checks the address (not empty), then the port; shows the first failure
  // only and stays open. Otherwise stores the values and ends with IDOK.
  void OnOK() override;

  CInputStringAscii m_editAddress;
  CInputNumberInt m_editPort;
  CInputStringHttp m_editLoginId;
  CInputStringHttp m_editPassword;
  PageErrorList m_errors;
};

namespace kt {

// Makes the device link's login prompt run a CDlgLogin modally (true on OK).
void InstallLoginDialog();

// A profile port text read as a decimal integer the way the C library's
// atoi does: leading blanks, an optional sign, then digits up to the first
// other character. No digits gives 0; a value beyond int saturates.
int ParsePortText(const QString& text);

}  // namespace kt
