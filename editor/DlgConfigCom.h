// The editor's "COM.1" page (template 142): the device's web server, Modbus/
// TCP server, FTP server and SNTP time adjustment. The ports of the enabled
// services must differ from each other and from the reserved ports
// 45967-45970; a conflicting port is painted yellow while the user types.
#pragma once

#include "InputNumber.h"
#include "InputString.h"
#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgConfigCom : public CTabDialog {
 public:
  enum { IDD = 142 };
  explicit CDlgConfigCom(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void LoadSettings();
  void StoreSettings() override;
  void UpdateControls() override;
  BOOL CheckControls(BOOL bShowError) override;
  // TRUE when the enabled services' ports collide with each other or with a
  // reserved port.
  BOOL CheckPorts();
  // Whether each port input's value conflicts (its service enabled).
  BOOL HasHttpPortConflict();
  BOOL HasModbusPortConflict();
  BOOL HasFtpPortConflict();

  void OnEnUpdatePort();
  void OnBnClickedMode();

  CInputNumberIntApp<CDlgConfigCom> m_editHttpPort;    // 1023
  CInputStringHttp m_editAdminLogin;                   // 1128
  CInputStringHttp m_editAdminPassword;                // 1129
  CInputStringHttp m_editGuestLogin;                   // 1139
  CInputStringHttp m_editGuestPassword;                // 1140
  CInputNumberIntApp<CDlgConfigCom> m_editModbusPort;  // 1303
  CInputNumberInt m_editLinger;                        // 1022
  CInputNumberIntApp<CDlgConfigCom> m_editFtpPort;     // 1024
  CInputStringHttp m_editFtpLogin;                     // 1143
  CInputStringHttp m_editFtpPassword;                  // 1144
  CInputStringAscii m_editSntpServer;                  // 1132
  CSelectCombo m_comboTimeZoneHour;                    // 1133, never filled
  CSelectCombo m_comboTimeZoneMin;                     // 1134, never filled
  CSelectCombo m_comboExecHour;                        // 1135
  CSelectCombo m_comboExecMin;                         // 1136

 private:
  // The ports that the given service's port must not take: the reserved
  // ones and those of the other enabled services.
  BOOL PortTaken(int port, bool httpOthers, bool modbusOthers, bool ftpOthers);
};

// "Setting error: Port address", "Setting error: Linger time",
// "Setting error: Duplicate port address".
extern const CString g_strComErrors[3];
