#include "DlgConfigC.h"

#include "ChannelPeer.h"
#include "CopyPasteMenu.h"
#include "DlgConfigSelect.h"

#include <cstring>

const CString g_strPeerErrors[8] = {
    QStringLiteral("Setting error: IP address"),
    QStringLiteral("Setting error: Port address"),
    QStringLiteral("Setting error: Pause period"),
    QStringLiteral("Setting error: Time out"),
    QStringLiteral("Setting error: Modbus/TCP Unit identifier"),
    QStringLiteral("Setting error: SLMP Network No."),
    QStringLiteral("Setting error: SLMP Station No."),
    QStringLiteral("Setting error: SLMP Processor No."),
};
const CString g_strPeerProtocols[2] = {QStringLiteral("Modbus/TCP"), QStringLiteral("SLMP")};
const CString g_strPeerCommandSets[2] = {QStringLiteral("16 bits"), QStringLiteral("32 bits")};
const CString g_strPeerErrorOutputTitle = QStringLiteral("Communication Error output");

namespace {

enum : int {
  kChannelList = 1013,
  kModeDisable = 1015,
  kModeEnable = 1016,
  kProtocol = 1025,
  kAddress = 1018,
  kPort = 1021,
  kPeriod = 1023,
  kTimeout = 1027,
  kFixed = 1031,
  kVariable = 1032,
  kUnitId = 1033,
  kNetwork = 1037,
  kStation = 1038,
  kCpu = 1039,
  kCommandSet = 1026,
  kErrorOutput = 1458,
};

}  // namespace

CDlgConfigC::CDlgConfigC(CWnd* pParent) : CTabDialog(IDD, pParent) {
  ON_LBN_SELCHANGE(kChannelList, &CDlgConfigC::OnSelchangeChannel);
  for (int id : {kModeDisable, kModeEnable, kFixed, kVariable}) ON_BN_CLICKED(id, &CDlgConfigC::OnUpdateOption);
  ON_CBN_SELCHANGE(kProtocol, &CDlgConfigC::OnUpdateOption);
  ON_BN_CLICKED(kErrorOutput, &CDlgConfigC::OnBnClickedErrorOutput);
}

void CDlgConfigC::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kChannelList, m_listChannel, TRUE);
  DDX_Control(pDX, kModeDisable, m_radioDisable, TRUE);
  DDX_Control(pDX, kModeEnable, m_radioEnable, TRUE);
  DDX_Control(pDX, kProtocol, m_comboProtocol);
  DDX_Control(pDX, kAddress, m_editAddress);
  DDX_Control(pDX, kPort, m_editPort);
  DDX_Control(pDX, kPeriod, m_editPeriod);
  DDX_Control(pDX, kTimeout, m_editTimeout);
  DDX_Control(pDX, kFixed, m_radioFixed);
  DDX_Control(pDX, kVariable, m_radioVariable);
  DDX_Control(pDX, kUnitId, m_editUnitId);
  DDX_Control(pDX, kNetwork, m_editNetwork);
  DDX_Control(pDX, kStation, m_editStation);
  DDX_Control(pDX, kCpu, m_editCpu);
  DDX_Control(pDX, kCommandSet, m_comboType);
  DDX_Control(pDX, kErrorOutput, m_btnErrorOutput);
}

BOOL CDlgConfigC::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();

  m_listChannel.m_nCommandId = ID_CHANNEL_MENU;
  m_editCpu.SetRadix(16);

  m_editPort.SetRange(1, 65535, 502);
  m_errors.Add(&m_editPort, g_strPeerErrors[1]);
  m_editPeriod.SetRange(50, 30000, 50);
  m_errors.Add(&m_editPeriod, g_strPeerErrors[2]);
  m_editTimeout.SetRange(1, 60, 1);
  m_errors.Add(&m_editTimeout, g_strPeerErrors[3]);
  m_editUnitId.SetRange(0, 255, 1);
  m_errors.Add(&m_editUnitId, g_strPeerErrors[4]);
  m_editNetwork.SetRange(0, 255, 0);
  m_errors.Add(&m_editNetwork, g_strPeerErrors[5]);
  m_editStation.SetRange(1, 255, 255);
  m_errors.Add(&m_editStation, g_strPeerErrors[6]);
  m_editCpu.m_nMin = 0;
  m_editCpu.m_nMax = 0xFFFF;
  m_editCpu.m_nDefault = 0x3FF;
  m_editCpu.UpdateMaxLength();
  m_editCpu.SetValue(0x3FF);
  m_errors.Add(&m_editCpu, g_strPeerErrors[7]);

  m_listChannel.AddNumbers(QStringLiteral("C"), 1, kt::kPeerCount);
  for (const CString& item : g_strPeerProtocols) m_comboProtocol.AddString(item);
  for (const CString& item : g_strPeerCommandSets) m_comboType.AddString(item);

  m_nCurChannel = 0;
  LoadChannel(0);
  UpdateControls();
  return TRUE;
}

void CDlgConfigC::LoadChannel(int p) {
  const kt::PeerConfig& peer = m_pConfig->C[p];
  kt::LoadSwitch(m_radioDisable, m_radioEnable, peer.MODE);
  m_comboProtocol.SetCurSel(static_cast<int>(peer.PROTOCOL));

  // The record's text need not end within its width when it came from a
  // paste of foreign bytes; the control takes a terminated copy.
  char address[sizeof(peer.IP) + 1] = {};
  std::memcpy(address, peer.IP, sizeof(peer.IP));
  m_editAddress.SetAddress(address);

  m_editPort.SetValue(peer.PORT);
  m_editPeriod.SetValue(peer.PERIOD);
  m_editTimeout.SetValue(peer.TIMEOUT);

  kt::LoadSwitch(m_radioFixed, m_radioVariable, m_pConfig->MODBUS.C[p].TYPE);
  m_editUnitId.SetValue(m_pConfig->MODBUS.C[p].NODE);

  const kt::SlmpPeerConfig& slmp = m_pConfig->SLMP.C[p];
  m_editNetwork.SetValue(slmp.NETWORK);
  m_editStation.SetValue(slmp.STATION);
  m_editCpu.SetValue(slmp.CPU);
  m_comboType.SetCurSel(static_cast<int>(slmp.TYPE));
}

void CDlgConfigC::StoreChannel(int p) {
  kt::PeerConfig& peer = m_pConfig->C[p];
  peer.MODE = kt::StoreSwitch(m_radioEnable);
  peer.PROTOCOL = static_cast<kt::u32>(m_comboProtocol.GetCurItemOrZero());
  m_editAddress.GetAddress(peer.IP);
  peer.PORT = m_editPort.m_nValue;
  peer.PERIOD = m_editPeriod.m_nValue;
  peer.TIMEOUT = m_editTimeout.m_nValue;

  m_pConfig->MODBUS.C[p].TYPE = kt::StoreSwitch(m_radioVariable);
  m_pConfig->MODBUS.C[p].NODE = static_cast<kt::u8>(m_editUnitId.m_nValue);

  kt::SlmpPeerConfig& slmp = m_pConfig->SLMP.C[p];
  slmp.NETWORK = static_cast<kt::u8>(m_editNetwork.m_nValue);
  slmp.STATION = static_cast<kt::u8>(m_editStation.m_nValue);
  slmp.CPU = static_cast<kt::u16>(m_editCpu.m_nValue);
  slmp.TYPE = static_cast<kt::u32>(m_comboType.GetCurItemOrZero());
}

void CDlgConfigC::UpdateControls() {
  DisableAllControls();
  if (m_radioEnable.GetCheck() != BST_CHECKED) {
    // An incomplete address is stored as none: a disabled peer, which may
    // keep one, shows what it keeps instead of a greyed text that is lost.
    BYTE field[4] = {};
    if (m_editAddress.GetAddress(field[0], field[1], field[2], field[3]) != 4) m_editAddress.ClearAddress();
    return;
  }

  for (CWnd* control :
       {static_cast<CWnd*>(&m_comboProtocol), static_cast<CWnd*>(&m_editAddress), static_cast<CWnd*>(&m_editPort),
        static_cast<CWnd*>(&m_editPeriod), static_cast<CWnd*>(&m_editTimeout)}) {
    control->EnableWindow(TRUE);
  }
  switch (m_comboProtocol.GetCurItem()) {
    case kt::kProtocolModbusTcp:
      m_radioFixed.EnableWindow(TRUE);
      m_radioVariable.EnableWindow(TRUE);
      // With "Variable" every point names its own unit.
      if (m_radioFixed.GetCheck() == BST_CHECKED) m_editUnitId.EnableWindow(TRUE);
      break;
    case kt::kProtocolSlmp:
      for (CWnd* control : {static_cast<CWnd*>(&m_editNetwork), static_cast<CWnd*>(&m_editStation),
                            static_cast<CWnd*>(&m_editCpu), static_cast<CWnd*>(&m_comboType)}) {
        control->EnableWindow(TRUE);
      }
      break;
    default: break;
  }
  m_btnErrorOutput.EnableWindow(TRUE);
}

BOOL CDlgConfigC::CheckControls(BOOL bShowError) {
  if (m_radioEnable.GetCheck() == BST_CHECKED && !m_editAddress.IsValid()) {
    if (bShowError) AfxMessageBox(g_strPeerErrors[0], MB_ICONERROR);
    return FALSE;
  }
  return m_errors.Check(bShowError);
}

void CDlgConfigC::StoreSettings() {
  StoreChannel(m_nCurChannel);
  m_copy.filled = 0;
}

BOOL CDlgConfigC::CheckSettings(BOOL) { return TRUE; }

void CDlgConfigC::OnUpdateOption() { RefreshControls(); }

void CDlgConfigC::OnSelchangeChannel() {
  const int next = m_listChannel.GetCurSel();
  if (next < 0 || next >= kt::kPeerCount || next == m_nCurChannel) return;
  if (!CheckControls(TRUE)) {
    m_listChannel.SetCurSel(m_nCurChannel);
    return;
  }
  StoreChannel(m_nCurChannel);
  LoadChannel(next);
  m_nCurChannel = next;
  UpdateControls();
}

void CDlgConfigC::OnBnClickedErrorOutput() {
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = g_strPeerErrorOutputTitle;
  dlg.m_masks[0] = m_pConfig->C[m_nCurChannel].ALMDO;
  dlg.AddChannelRows(m_pConfig->DO);
  if (dlg.DoModal() == IDOK) m_pConfig->C[m_nCurChannel].ALMDO = dlg.m_masks[0];
}

BOOL CDlgConfigC::OnCommand(WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case ID_CHANNEL_MENU: {
      OnSelchangeChannel();
      const BOOL copy = CheckControls(FALSE);
      const BOOL paste = m_copy.filled != 0;
      if (!copy && !paste) return TRUE;
      const CPoint* point = reinterpret_cast<const CPoint*>(lParam);
      CCopyPasteMenu(this).Track(point ? point->x : 0, point ? point->y : 0, copy, paste);
      return TRUE;
    }
    case ID_MENU_COPY:
      StoreChannel(m_nCurChannel);
      m_copy.channel = m_pConfig->C[m_nCurChannel];
      m_copy.modbus = m_pConfig->MODBUS.C[m_nCurChannel];
      m_copy.slmp = m_pConfig->SLMP.C[m_nCurChannel];
      m_copy.filled = 1;
      return TRUE;
    case ID_MENU_PASTE:
      if (!m_copy.filled) return TRUE;
      m_pConfig->C[m_nCurChannel] = m_copy.channel;
      m_pConfig->MODBUS.C[m_nCurChannel] = m_copy.modbus;
      m_pConfig->SLMP.C[m_nCurChannel] = m_copy.slmp;
      LoadChannel(m_nCurChannel);
      UpdateControls();
      return TRUE;
    default: return CTabDialog::OnCommand(wParam, lParam);
  }
}
