#include "ChannelPage.h"

#include "ChannelPeer.h"
#include "CopyPasteMenu.h"

#include <algorithm>

CChannelPage::CChannelPage(UINT nIDTemplate, CWnd* pParent, BOOL bPastePlus)
    : CTabDialog(nIDTemplate, pParent), m_bPastePlus(bPastePlus) {}

BOOL CChannelPage::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();
  m_listChannel.m_nCommandId = ID_CHANNEL_MENU;
  return TRUE;
}

void CChannelPage::ShowFirstChannel() {
  m_nCurChannel = 0;
  PrepareChannel(0);
  LoadChannel(0);
  UpdateControls();
}

void CChannelPage::PrepareChannel(int) {}
void CChannelPage::IncrementAddresses() {}
void CChannelPage::RenewCopy(int) {}

void CChannelPage::StoreSettings() {
  StoreChannel(m_nCurChannel);
  EmptyCopy();
}

void CChannelPage::OnSelchangeChannel() {
  const int next = m_listChannel.GetCurSel();
  if (next < 0 || next == m_nCurChannel) return;
  if (!CheckControls(TRUE)) {
    m_listChannel.SetCurSel(m_nCurChannel);
    return;
  }
  StoreChannel(m_nCurChannel);
  PrepareChannel(next);
  LoadChannel(next);
  m_nCurChannel = next;
  RefreshControls();
}

BOOL CChannelPage::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == 0) {
    switch (LOWORD(wParam)) {
      case ID_CHANNEL_MENU:
        if (lParam) OnChannelMenu(*reinterpret_cast<const CPoint*>(lParam));
        return TRUE;
      case ID_MENU_COPY: OnChannelCopy(); return TRUE;
      case ID_MENU_PASTE: OnChannelPaste(); return TRUE;
      case ID_MENU_PASTE_PLUS:
        if (m_bPastePlus) OnChannelPasteNext();
        return TRUE;
      default: break;
    }
  }
  return CTabDialog::OnCommand(wParam, lParam);
}

void CChannelPage::OnChannelMenu(const CPoint& ptScreen) {
  OnSelchangeChannel();
  const BOOL bCopy = CheckControls(FALSE);
  const BOOL bPaste = IsCopyFilled();
  if (!bCopy && !bPaste) return;
  if (m_bPastePlus) {
    CCopyPastePlusMenu(this).Track(ptScreen.x, ptScreen.y, bCopy, bPaste);
  } else {
    CCopyPasteMenu(this).Track(ptScreen.x, ptScreen.y, bCopy, bPaste);
  }
}

void CChannelPage::OnChannelCopy() {
  StoreChannel(m_nCurChannel);
  CopyChannel(m_nCurChannel);
}

BOOL CChannelPage::PasteShown(BOOL bNext) {
  if (!IsCopyFilled()) return FALSE;
  PasteChannel(m_nCurChannel, bNext);
  PrepareChannel(m_nCurChannel);
  LoadChannel(m_nCurChannel);
  UpdateControls();
  return TRUE;
}

void CChannelPage::OnChannelPaste() {
  if (PasteShown(FALSE)) Invalidate(TRUE);
}

void CChannelPage::OnChannelPasteNext() {
  if (!PasteShown(TRUE)) return;
  IncrementAddresses();
  StoreChannel(m_nCurChannel);
  RenewCopy(m_nCurChannel);
  Invalidate(TRUE);
}

void InitPointInputs(const PointInputs& inputs, PageErrorList& errors, const kt::SlmpDeviceInfo* table) {
  inputs.unitId.SetRange(0, 255, 1);
  errors.Add(&inputs.unitId, QStringLiteral("Setting error: Modbus/TCP Unit identifier"));
  inputs.registerNo.SetRange(1, 65536, 1);
  errors.Add(&inputs.registerNo, QStringLiteral("Setting error: Modbus/TCP Register address"));
  inputs.deviceAddress.m_nMin = 0;
  inputs.deviceAddress.m_nMax = 0xFFFFFFFFu;
  inputs.deviceAddress.m_nDefault = 0;
  inputs.deviceAddress.UpdateMaxLength();
  inputs.deviceAddress.SetValue(0);
  errors.Add(&inputs.deviceAddress, QStringLiteral("Setting error: SLMP Device address"));

  for (const kt::SlmpDeviceInfo& row : kt::SlmpDeviceRows(table)) {
    inputs.deviceType.AddString(QString::fromLatin1(row.name));
  }
  for (const char* s : {"Dec(10)", "Hex(16)", "Oct(8)"}) inputs.radix.AddString(QString::fromLatin1(s));
  inputs.radix.SetCurSel(0);
  inputs.radix.m_pNumber = &inputs.deviceAddress;
}

void LoadPointInputs(const PointInputs& inputs, const kt::SlmpDeviceInfo* table, const kt::ModbusPointConfig& modbus,
                     const kt::SlmpPointConfig& slmp) {
  inputs.unitId.SetValue(modbus.NODE);
  inputs.registerNo.SetValue(modbus.NO + 1);
  const int row = kt::FindSlmpDeviceRow(table, slmp.CODE);
  if (row >= 0) {
    inputs.deviceType.SetCurSel(row);
  } else {
    inputs.deviceType.CComboBox::SetCurSel(-1);
  }
  inputs.deviceAddress.SetValue(slmp.NO);
}

void StorePointInputs(const PointInputs& inputs, const kt::SlmpDeviceInfo* table, kt::ModbusPointConfig& modbus,
                      kt::SlmpPointConfig& slmp) {
  modbus.NODE = static_cast<kt::u8>(inputs.unitId.m_nValue);
  modbus.NO = inputs.registerNo.m_nValue - 1;
  const int row = inputs.deviceType.GetCurItem();
  const auto rows = kt::SlmpDeviceRows(table);
  if (row >= 0 && row < static_cast<int>(rows.size())) slmp.CODE = rows[static_cast<std::size_t>(row)].code;
  slmp.NO = inputs.deviceAddress.m_nValue;
}

void IncrementPointAddresses(const PointInputs& inputs) {
  inputs.registerNo.IncrementValue();
  inputs.deviceAddress.IncrementValue();
}

namespace {

constexpr int kSourceNone = static_cast<int>(kt::kRegNone);
constexpr int kSourceOwn = static_cast<int>(kt::kRegLocal);
constexpr int kSourcePeer = static_cast<int>(kt::kRegPeer);
constexpr int kSourceDemo = static_cast<int>(kt::kRegDemo);

}  // namespace

void FillChannelNumbers(const SourceInputs& inputs, int source) {
  inputs.channel.ClearItems();
  inputs.channel.ResetContent();
  if (source == kSourceOwn) inputs.channel.FillNumberedNames(inputs.ownCount);
  if (source == kSourcePeer) inputs.channel.FillNumberedNames(kt::kPeerCount);
}

BOOL ChangeSource(const SourceInputs& inputs) {
  const int source = inputs.source.GetCurItem();
  if (source == inputs.shown) return FALSE;
  inputs.shown = source;
  FillChannelNumbers(inputs, source);
  return TRUE;
}

void LoadSource(const SourceInputs& inputs, kt::u32 reg, kt::u16 chno) {
  inputs.source.SetCurSel(static_cast<int>(reg));
  inputs.shown = inputs.source.GetCurItem();
  if (reg == kt::kRegLocal || reg == kt::kRegPeer) inputs.channel.SetCurSel(chno);
}

void StoreSource(const SourceInputs& inputs, kt::u32& reg, kt::u16& chno) {
  const int source = inputs.source.GetCurItem();
  reg = source >= kSourceOwn && source <= kSourceDemo ? static_cast<kt::u32>(source) : kt::kRegNone;
  const int number = inputs.channel.GetCurItem();
  chno = (reg == kt::kRegLocal || reg == kt::kRegPeer) && number >= 0 ? static_cast<kt::u16>(number) : 0;
}

BOOL EnableSourceInputs(const SourceInputs& source, const PointInputs& points, const kt::DeviceConfig& cfg) {
  const int item = source.source.GetCurItem();
  if (item <= kSourceNone) return FALSE;
  if (item == kSourceOwn || item == kSourcePeer) source.channel.EnableWindow(TRUE);
  if (item != kSourcePeer) return TRUE;
  const int p = kt::PeerIndexOf(static_cast<kt::u32>(std::max(0, source.channel.GetCurItem())));
  if (p != kt::kNoPeer && cfg.C[p].MODE == 1) {
    if (cfg.C[p].PROTOCOL == kt::kProtocolModbusTcp) {
      points.unitId.EnableWindow(cfg.MODBUS.C[p].TYPE == 1);
      points.pointKind.EnableWindow(TRUE);
      points.registerNo.EnableWindow(TRUE);
    } else if (cfg.C[p].PROTOCOL == kt::kProtocolSlmp) {
      points.deviceType.EnableWindow(TRUE);
      points.deviceAddress.EnableWindow(TRUE);
      points.radix.EnableWindow(TRUE);
    }
  }
  points.deviceType.CheckSelection();
  return TRUE;
}

BOOL CheckSlmpDeviceTypes(const kt::DeviceConfig& cfg, kt::SlmpChannelKind kind, const char* prefix,
                          const CString& message, BOOL bShowError) {
  const int i = kt::FindUnknownSlmpDevice(cfg, kind);
  if (i < 0) return TRUE;
  if (bShowError) {
    AfxMessageBox(QStringLiteral("%1%2\r\n").arg(QString::fromLatin1(prefix)).arg(i + 1) + message, MB_ICONERROR);
  }
  return FALSE;
}
