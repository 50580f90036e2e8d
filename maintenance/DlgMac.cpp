#include "DlgMac.h"

namespace {
constexpr int kIdVersion = 1142;
constexpr int kIdMac = 1141;
constexpr int kIdIpAddress = 1447;
constexpr int kIdSubnetMask = 1448;
constexpr int kIdDefaultGateway = 1449;
constexpr int kIdPreferredDns = 1450;
constexpr int kIdAlternateDns = 1451;

CString AddressText(const kt::u8 (&a)[4]) {
  return QString::asprintf("%d-%d-%d-%d", int{a[0]}, int{a[1]}, int{a[2]}, int{a[3]});
}
}  // namespace

CDlgMac::CDlgMac(CWnd* pParent) : CNormalDialog(IDD, pParent) {}

void CDlgMac::SetInfo(const kt::DeviceInfo& info) {
  // The version numbers are 0..65535 once the reader accepted them.
  m_strVersion = QString::asprintf("Ver%d.%d.%d (%d)", static_cast<int>(info.MAJ), static_cast<int>(info.MIN),
                                   static_cast<int>(info.SUB), static_cast<int>(info.CPU));
  m_strMac =
      QString::asprintf("%02X-%02X-%02X-%02X-%02X-%02X", unsigned{info.MAC[0]}, unsigned{info.MAC[1]},
                        unsigned{info.MAC[2]}, unsigned{info.MAC[3]}, unsigned{info.MAC[4]}, unsigned{info.MAC[5]});
  m_strIpAddress = AddressText(info.IPADDRESS);
  m_strSubnetMask = AddressText(info.SUBNETMASK);
  m_strDefaultGateway = AddressText(info.DEFAULTGATEWAY);
  m_strPreferredDns = AddressText(info.DNS1);
  m_strAlternateDns = AddressText(info.DNS2);
}

void CDlgMac::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdVersion, m_editVersion);
  DDX_Control(pDX, kIdMac, m_editMac);
  DDX_Control(pDX, kIdIpAddress, m_ipAddress);
  DDX_Control(pDX, kIdSubnetMask, m_ipSubnetMask);
  DDX_Control(pDX, kIdDefaultGateway, m_ipDefaultGateway);
  DDX_Control(pDX, kIdPreferredDns, m_ipPreferredDns);
  DDX_Control(pDX, kIdAlternateDns, m_ipAlternateDns);
}

BOOL CDlgMac::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  m_editVersion.SetWindowText(m_strVersion);
  m_editMac.SetWindowText(m_strMac);
  // The address controls take the four numbers of the "a-b-c-d" texts.
  m_ipAddress.SetWindowText(m_strIpAddress);
  m_ipSubnetMask.SetWindowText(m_strSubnetMask);
  m_ipDefaultGateway.SetWindowText(m_strDefaultGateway);
  m_ipPreferredDns.SetWindowText(m_strPreferredDns);
  m_ipAlternateDns.SetWindowText(m_strAlternateDns);
  return TRUE;
}
