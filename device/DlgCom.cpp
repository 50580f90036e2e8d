#include "DlgCom.h"

#include "AppPreferences.h"
#include "ComPorts.h"

namespace {
constexpr int kIdPort = 1125;
// The dialog offers the twenty default rows' places, whatever the list holds.
constexpr int kRows = 20;
}  // namespace

CDlgCom::CDlgCom(CWnd* pParent) : CNormalDialog(IDD, pParent) {}

void CDlgCom::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdPort, m_comboPort);
}

BOOL CDlgCom::OnInitDialog() {
  CNormalDialog::OnInitDialog();

  const kt::ComPortMap ports = kt::EnumComPorts();
  const int stored = kt::ActivePreferences().m_nCom;
  for (int i = 0; i < kRows; ++i) {
    m_comboPort.AddString(kt::GetComPortName(ports, i));
    if (i == stored - 1) m_comboPort.SetCurSel(i);
  }
  if (!ports.empty() && m_comboPort.GetCurSel() == CB_ERR) m_comboPort.SetCurSel(0);
  return TRUE;
}

void CDlgCom::OnOK() {
  UpdateData(TRUE);
  kt::AppPreferences& prefs = kt::ActivePreferences();
  prefs.m_nCom = kt::ClampComPort(static_cast<long long>(m_comboPort.GetCurSel()) + 1);
  kt::WriteProfileInt(QString::fromLatin1(kt::kProfileSection), QString::fromLatin1(kt::kProfileCom), prefs.m_nCom);
  EndDialog(IDOK);
}
