// "Information" (template 145): the device's firmware version, MAC address
// and network addresses, as texts its opener prepares.
#pragma once

#include "DeviceDocuments.h"
#include "NormalDialog.h"

class CDlgMac : public CNormalDialog {
 public:
  enum { IDD = 145 };
  explicit CDlgMac(CWnd* pParent = nullptr);

  // Fills the seven texts from the device's information record.
  void SetInfo(const kt::DeviceInfo& info);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  CString m_strVersion;    // "Ver1.2.3 (17)"
  CString m_strMac;        // "00-11-22-AB-CD-EF"
  CString m_strIpAddress;  // "192-168-1-20", and the same form below
  CString m_strSubnetMask;
  CString m_strDefaultGateway;
  CString m_strPreferredDns;
  CString m_strAlternateDns;

  CEdit m_editVersion;
  CEdit m_editMac;
  CIPAddressCtrl m_ipAddress;
  CIPAddressCtrl m_ipSubnetMask;
  CIPAddressCtrl m_ipDefaultGateway;
  CIPAddressCtrl m_ipPreferredDns;
  CIPAddressCtrl m_ipAlternateDns;
};
