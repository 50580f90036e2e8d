#include "DlgConfigLog.h"

#include "DeviceConfig.h"

CDlgConfigLog::CDlgConfigLog(CWnd* pParent) : CTabDialog(IDD, pParent) {}

void CDlgConfigLog::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 1340, m_radioSysDisable);
  DDX_Control(pDX, 1341, m_radioSysEnable);
  DDX_Control(pDX, 1342, m_radioEveDisable);
  DDX_Control(pDX, 1343, m_radioEveEnable);
  DDX_Control(pDX, 1344, m_radioComDisable);
  DDX_Control(pDX, 1345, m_radioComEnable);
  DDX_Control(pDX, 1346, m_comboEncode);
}

BOOL CDlgConfigLog::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();
  // The item index is the value of LOG.ENCODE.
  m_comboEncode.AddString(QStringLiteral("UTF-8"));
  m_comboEncode.AddString(QStringLiteral("Shift-JIS"));
  LoadSettings();
  return TRUE;
}

void CDlgConfigLog::LoadSettings() {
  const kt::LogConfig& log = m_pConfig->LOG;
  kt::LoadSwitch(m_radioSysDisable, m_radioSysEnable, log.LOG.SYS);
  kt::LoadSwitch(m_radioEveDisable, m_radioEveEnable, log.LOG.EVE);
  kt::LoadSwitch(m_radioComDisable, m_radioComEnable, log.LOG.COM);
  const int count = static_cast<int>(m_comboEncode.m_items.size());
  m_comboEncode.SetCurSel(log.ENCODE < static_cast<kt::u32>(count) ? static_cast<int>(log.ENCODE) : 0);
}

void CDlgConfigLog::StoreSettings() {
  kt::LogConfig& log = m_pConfig->LOG;
  log.LOG.SYS = kt::StoreSwitch(m_radioSysEnable);
  log.LOG.EVE = kt::StoreSwitch(m_radioEveEnable);
  log.LOG.COM = kt::StoreSwitch(m_radioComEnable);
  log.ENCODE = static_cast<kt::u32>(m_comboEncode.GetCurItemOrZero());
}
