#include "DlgConfigCom.h"

#include "DeviceConfig.h"

#include <algorithm>
#include <span>
#include <vector>

const CString g_strComErrors[3] = {
    QStringLiteral("Setting error: Port address"),
    QStringLiteral("Setting error: Linger time"),
    QStringLiteral("Setting error: Duplicate port address"),
};

namespace {

enum : int {
  kHttpDisable = 1126,
  kHttpEnable = 1127,
  kHttpPort = 1023,
  kAdminLogin = 1128,
  kAdminPassword = 1129,
  kGuestLogin = 1139,
  kGuestPassword = 1140,
  kSntpDisable = 1130,
  kSntpEnable = 1131,
  kSntpServer = 1132,
  kTimeZoneHour = 1133,
  kTimeZoneMin = 1134,
  kExecHour = 1135,
  kExecMin = 1136,
  kModbusDisable = 1137,
  kModbusEnable = 1138,
  kModbusPort = 1303,
  kLinger = 1022,
  kFtpDisable = 1141,
  kFtpEnable = 1142,
  kFtpPort = 1024,
  kFtpLogin = 1143,
  kFtpPassword = 1144,
};

// The device keeps these for itself.
constexpr int kReservedPorts[] = {45967, 45968, 45969, 45970};

}  // namespace

CDlgConfigCom::CDlgConfigCom(CWnd* pParent) : CTabDialog(IDD, pParent) {
  for (int id :
       {kHttpDisable, kHttpEnable, kSntpDisable, kSntpEnable, kModbusDisable, kModbusEnable, kFtpDisable, kFtpEnable}) {
    ON_BN_CLICKED(id, &CDlgConfigCom::OnBnClickedMode);
  }
  for (int id : {kHttpPort, kModbusPort, kFtpPort}) ON_EN_UPDATE(id, &CDlgConfigCom::OnEnUpdatePort);
}

void CDlgConfigCom::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kHttpPort, m_editHttpPort);
  DDX_Control(pDX, kAdminLogin, m_editAdminLogin);
  DDX_Control(pDX, kAdminPassword, m_editAdminPassword);
  DDX_Control(pDX, kGuestLogin, m_editGuestLogin);
  DDX_Control(pDX, kGuestPassword, m_editGuestPassword);
  DDX_Control(pDX, kModbusPort, m_editModbusPort);
  DDX_Control(pDX, kLinger, m_editLinger);
  DDX_Control(pDX, kFtpPort, m_editFtpPort);
  DDX_Control(pDX, kFtpLogin, m_editFtpLogin);
  DDX_Control(pDX, kFtpPassword, m_editFtpPassword);
  DDX_Control(pDX, kSntpServer, m_editSntpServer);
  DDX_Control(pDX, kTimeZoneHour, m_comboTimeZoneHour);
  DDX_Control(pDX, kTimeZoneMin, m_comboTimeZoneMin);
  DDX_Control(pDX, kExecHour, m_comboExecHour);
  DDX_Control(pDX, kExecMin, m_comboExecMin);
}

BOOL CDlgConfigCom::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();

  for (CInputString* text :
       {static_cast<CInputString*>(&m_editAdminLogin), static_cast<CInputString*>(&m_editAdminPassword),
        static_cast<CInputString*>(&m_editGuestLogin), static_cast<CInputString*>(&m_editGuestPassword),
        static_cast<CInputString*>(&m_editFtpLogin), static_cast<CInputString*>(&m_editFtpPassword)}) {
    text->SetMaxLength(32);
  }
  // The whole width of the record's field, so that a long server name from
  // the device is not cut.
  m_editSntpServer.SetMaxLength(static_cast<int>(sizeof(kt::SntpConfig::SERVER)) - 1);

  m_editHttpPort.SetRange(1, 65535, 80);
  m_errors.Add(&m_editHttpPort, g_strComErrors[0]);
  m_editModbusPort.SetRange(1, 65535, 502);
  m_errors.Add(&m_editModbusPort, g_strComErrors[0]);
  m_editLinger.SetRange(1, 600, 180);
  m_errors.Add(&m_editLinger, g_strComErrors[1]);
  m_editFtpPort.SetRange(1, 65535, 21);
  m_errors.Add(&m_editFtpPort, g_strComErrors[0]);

  for (int h = 0; h < 24; ++h) m_comboExecHour.AddString(QString::number(h));
  for (int m = 0; m < 60; ++m) m_comboExecMin.AddString(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));

  m_editHttpPort.m_pOwner = this;
  m_editHttpPort.m_pfnHighlight = &CDlgConfigCom::HasHttpPortConflict;
  m_editModbusPort.m_pOwner = this;
  m_editModbusPort.m_pfnHighlight = &CDlgConfigCom::HasModbusPortConflict;
  m_editFtpPort.m_pOwner = this;
  m_editFtpPort.m_pfnHighlight = &CDlgConfigCom::HasFtpPortConflict;

  LoadSettings();
  UpdateControls();
  return TRUE;
}

void CDlgConfigCom::LoadSettings() {
  const kt::DeviceConfig& cfg = *m_pConfig;
  kt::LoadSwitch(*this, kHttpDisable, kHttpEnable, cfg.WEB.MODE);
  m_editHttpPort.SetValue(cfg.WEB.PORT);
  kt::LoadText(m_editAdminLogin, cfg.WEB.ADMIN.LOGIN);
  kt::LoadText(m_editAdminPassword, cfg.WEB.ADMIN.PASSWORD);
  kt::LoadText(m_editGuestLogin, cfg.WEB.GUEST_LOGIN);
  kt::LoadText(m_editGuestPassword, cfg.WEB.GUEST_PASSWORD);

  kt::LoadSwitch(*this, kModbusDisable, kModbusEnable, cfg.MODTD.MODE);
  m_editModbusPort.SetValue(cfg.MODTD.PORT);
  m_editLinger.SetValue(cfg.MODTD.LINGER);

  kt::LoadSwitch(*this, kFtpDisable, kFtpEnable, cfg.FTPD.MODE);
  m_editFtpPort.SetValue(cfg.FTPD.PORT);
  kt::LoadText(m_editFtpLogin, cfg.FTPD.LOGIN);
  kt::LoadText(m_editFtpPassword, cfg.FTPD.PASSWORD);

  kt::LoadSwitch(*this, kSntpDisable, kSntpEnable, cfg.SNTP.MODE);
  kt::LoadText(m_editSntpServer, cfg.SNTP.SERVER);
  const int hour = cfg.SNTP.EXECTIME.HOUR;
  const int min = cfg.SNTP.EXECTIME.MIN;
  m_comboExecHour.SetCurSel(hour >= 0 && hour <= 23 ? hour : 0);
  m_comboExecMin.SetCurSel(min >= 0 && min <= 59 ? min : 0);
}

void CDlgConfigCom::StoreSettings() {
  kt::DeviceConfig& cfg = *m_pConfig;
  cfg.WEB.MODE = kt::StoreSwitch(*this, kHttpEnable);
  cfg.WEB.PORT = m_editHttpPort.m_nValue;
  kt::StoreText(m_editAdminLogin, cfg.WEB.ADMIN.LOGIN);
  kt::StoreText(m_editAdminPassword, cfg.WEB.ADMIN.PASSWORD);
  kt::StoreText(m_editGuestLogin, cfg.WEB.GUEST_LOGIN);
  kt::StoreText(m_editGuestPassword, cfg.WEB.GUEST_PASSWORD);

  cfg.MODTD.MODE = kt::StoreSwitch(*this, kModbusEnable);
  cfg.MODTD.PORT = m_editModbusPort.m_nValue;
  cfg.MODTD.LINGER = m_editLinger.m_nValue;

  cfg.FTPD.MODE = kt::StoreSwitch(*this, kFtpEnable);
  cfg.FTPD.PORT = m_editFtpPort.m_nValue;
  kt::StoreText(m_editFtpLogin, cfg.FTPD.LOGIN);
  kt::StoreText(m_editFtpPassword, cfg.FTPD.PASSWORD);

  cfg.SNTP.MODE = kt::StoreSwitch(*this, kSntpEnable);
  kt::StoreText(m_editSntpServer, cfg.SNTP.SERVER);
  cfg.SNTP.EXECTIME.HOUR = m_comboExecHour.GetCurItemOrZero();
  cfg.SNTP.EXECTIME.MIN = m_comboExecMin.GetCurItemOrZero();
}

void CDlgConfigCom::UpdateControls() {
  static constexpr int kHttp[] = {kHttpPort, kAdminLogin, kAdminPassword, kGuestLogin, kGuestPassword};
  static constexpr int kModbus[] = {kModbusPort, kLinger};
  static constexpr int kFtp[] = {kFtpPort, kFtpLogin, kFtpPassword};
  static constexpr int kSntp[] = {kSntpServer, kExecHour, kExecMin};
  struct Service {
    int enable;
    std::span<const int> controls;
  };
  const Service services[] = {{kHttpEnable, kHttp}, {kModbusEnable, kModbus}, {kFtpEnable, kFtp}, {kSntpEnable, kSntp}};
  for (const Service& s : services) {
    const BOOL on = IsDlgButtonChecked(s.enable) == BST_CHECKED;
    for (int id : s.controls) GetDlgItem(id)->EnableWindow(on);
  }
}

BOOL CDlgConfigCom::CheckControls(BOOL bShowError) {
  if (!m_errors.Check(bShowError)) return FALSE;
  if (CheckPorts()) {
    if (bShowError) AfxMessageBox(g_strComErrors[2], MB_ICONERROR);
    return FALSE;
  }
  return TRUE;
}

BOOL CDlgConfigCom::CheckPorts() {
  std::vector<int> ports(std::begin(kReservedPorts), std::end(kReservedPorts));
  if (IsDlgButtonChecked(kHttpEnable)) ports.push_back(m_editHttpPort.m_nValue);
  if (IsDlgButtonChecked(kModbusEnable)) ports.push_back(m_editModbusPort.m_nValue);
  if (IsDlgButtonChecked(kFtpEnable)) ports.push_back(m_editFtpPort.m_nValue);
  std::sort(ports.begin(), ports.end());
  return std::adjacent_find(ports.begin(), ports.end()) != ports.end() ? TRUE : FALSE;
}

BOOL CDlgConfigCom::PortTaken(int port, bool httpOthers, bool modbusOthers, bool ftpOthers) {
  if (std::find(std::begin(kReservedPorts), std::end(kReservedPorts), port) != std::end(kReservedPorts)) return TRUE;
  if (httpOthers && IsDlgButtonChecked(kHttpEnable) && port == m_editHttpPort.m_nValue) return TRUE;
  if (modbusOthers && IsDlgButtonChecked(kModbusEnable) && port == m_editModbusPort.m_nValue) return TRUE;
  if (ftpOthers && IsDlgButtonChecked(kFtpEnable) && port == m_editFtpPort.m_nValue) return TRUE;
  return FALSE;
}

BOOL CDlgConfigCom::HasHttpPortConflict() {
  if (!IsDlgButtonChecked(kHttpEnable)) return FALSE;
  return PortTaken(m_editHttpPort.m_nValue, false, true, true);
}

BOOL CDlgConfigCom::HasModbusPortConflict() {
  if (!IsDlgButtonChecked(kModbusEnable)) return FALSE;
  return PortTaken(m_editModbusPort.m_nValue, true, false, true);
}

BOOL CDlgConfigCom::HasFtpPortConflict() {
  if (!IsDlgButtonChecked(kFtpEnable)) return FALSE;
  return PortTaken(m_editFtpPort.m_nValue, true, true, false);
}

void CDlgConfigCom::OnEnUpdatePort() {
  m_editHttpPort.Invalidate(TRUE);
  m_editModbusPort.Invalidate(TRUE);
  m_editFtpPort.Invalidate(TRUE);
}

void CDlgConfigCom::OnBnClickedMode() { RefreshControls(); }
