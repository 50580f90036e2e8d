#include "DlgConfigOi.h"

#include "DlgOi.h"
#include "DlgZone.h"

const CString g_strOiOperationItems[18] = {
    QStringLiteral("Disable"),
    QStringLiteral("Addition/Subtraction"),
    QStringLiteral("Multiplication"),
    QStringLiteral("Division"),
    QStringLiteral("Square root"),
    QStringLiteral("Moving average"),
    QStringLiteral("Delay buffer"),
    QStringLiteral("exp"),
    QStringLiteral("Common logarithm"),
    QStringLiteral("Natural logarithm"),
    QStringLiteral("Peak hold(max)"),
    QStringLiteral("Valley hold(min)"),
    QStringLiteral("Analog accumulation"),
    QStringLiteral("Power"),
    QStringLiteral("F value calculation"),
    QStringLiteral("Antilog"),
    QStringLiteral("Scaling"),
    QStringLiteral("Time"),
};

const CString g_strOiErrors[21] = {
    QStringLiteral("Setting error: Zone 5 Delay time"),
    QStringLiteral("Setting error: Zone 5 Lower limit"),
    QStringLiteral("Setting error: Zone 4 Upper limit"),
    QStringLiteral("Setting error: Zone 4 Delay time"),
    QStringLiteral("Setting error: Zone 4 Lower limit"),
    QStringLiteral("Setting error: Zone 3 Upper limit"),
    QStringLiteral("Setting error: Zone 3 Delay time"),
    QStringLiteral("Setting error: Zone 3 Lower limit"),
    QStringLiteral("Setting error: Zone 2 Upper limit"),
    QStringLiteral("Setting error: Zone 2 Delay time"),
    QStringLiteral("Setting error: Zone 2 Lower limit"),
    QStringLiteral("Setting error: Zone 1 Upper limit"),
    QStringLiteral("Setting error: Zone 1 Delay time"),
    QStringLiteral("Setting error: Function parameter (Kn, Xn, An)"),
    QStringLiteral("Setting error: Zone 1 Upper limit > Zone 2 Lower limit"),
    QStringLiteral("Setting error: Zone 2 Lower limit >= Zone 2 Upper limit"),
    QStringLiteral("Setting error: Zone 2 Upper limit > Zone 3 Lower limit"),
    QStringLiteral("Setting error: Zone 3 Lower limit >= Zone 3 Upper limit"),
    QStringLiteral("Setting error: Zone 3 Upper limit > Zone 4 Lower limit"),
    QStringLiteral("Setting error: Zone 4 Lower limit >= Zone 4 Upper limit"),
    QStringLiteral("Setting error: Zone 4 Upper limit > Zone 5 Lower limit"),
};

namespace {

enum : int {
  kChannelList = 1144,
  kName = 1145,
  kComment = 1146,
  kPlace = 1147,
  kUnit = 1148,
  kFunction = 1175,
  kFrame = 1174,
  kPartition = 1149,
  kEventSetting = 1168,
};
constexpr int kFunctionParamError = 13;
constexpr int kFirstOrderError = 14;

// Zone 1-5.
constexpr int kZoneNameIds[kt::kZoneCount] = {1167, 1176, 1177, 1178, 1179};
constexpr int kDelayIds[kt::kZoneCount] = {1166, 1162, 1158, 1154, 1150};
constexpr int kSwatchIds[kt::kZoneCount] = {1435, 1434, 1433, 1432, 1431};
constexpr int kColorButtonIds[kt::kZoneCount] = {1169, 1170, 1171, 1172, 1331};
// Upper limits of zones 1-4, lower limits of zones 2-5.
constexpr int kUpperIds[4] = {1165, 1161, 1157, 1153};
constexpr int kLowerIds[4] = {1164, 1160, 1156, 1152};
constexpr double kUpperDefaults[4] = {20, 40, 60, 80};
constexpr double kLowerDefaults[4] = {20, 40, 60, 80};
constexpr double kLimitMin = -1000000;
constexpr double kLimitMax = 1000000;

// The "Function type" item of a stored TYPE, or -1 when it has none.
int ItemOfType(kt::u32 type) {
  if (type < static_cast<kt::u32>(kOiTimeItem)) return static_cast<int>(type);
  if (type == kOiTimeType) return kOiTimeItem;
  return -1;
}

kt::u32 TypeOfItem(int item) {
  if (item <= 0) return 0;
  return item == kOiTimeItem ? kOiTimeType : static_cast<kt::u32>(item);
}

// The operation sub-dialogs in the order of "Function type" (item 1 first).
struct OiKind {
  UINT templateId;
  CDialog* (*make)();
};
template <class T>
CDialog* MakeChild() {
  return new T;
}
constexpr OiKind kKinds[17] = {
    {CDlgOiAdd::IDD, &MakeChild<CDlgOiAdd>},       {CDlgOiMul::IDD, &MakeChild<CDlgOiMul>},
    {CDlgOiDiv::IDD, &MakeChild<CDlgOiDiv>},       {CDlgOiSqrt::IDD, &MakeChild<CDlgOiSqrt>},
    {CDlgOiMovave::IDD, &MakeChild<CDlgOiMovave>}, {CDlgOiDelay::IDD, &MakeChild<CDlgOiDelay>},
    {CDlgOiExp::IDD, &MakeChild<CDlgOiExp>},       {CDlgOiLog::IDD, &MakeChild<CDlgOiLog>},
    {CDlgOiLn::IDD, &MakeChild<CDlgOiLn>},         {CDlgOiMax::IDD, &MakeChild<CDlgOiMax>},
    {CDlgOiMin::IDD, &MakeChild<CDlgOiMin>},       {CDlgOiAnasum::IDD, &MakeChild<CDlgOiAnasum>},
    {CDlgOiPow::IDD, &MakeChild<CDlgOiPow>},       {CDlgOiF::IDD, &MakeChild<CDlgOiF>},
    {CDlgOiAlog::IDD, &MakeChild<CDlgOiAlog>},     {CDlgOiSca::IDD, &MakeChild<CDlgOiSca>},
    {CDlgOiTime::IDD, &MakeChild<CDlgOiTime>},
};

}  // namespace

CDlgConfigOi::CDlgConfigOi(CWnd* pParent) : CChannelPage(IDD, pParent, FALSE) {
  ON_LBN_SELCHANGE(kChannelList, &CDlgConfigOi::OnSelchangeChannel);
  ON_CBN_SELCHANGE(kFunction, &CDlgConfigOi::OnCbnSelchangeFunctionType);
  ON_CBN_SELCHANGE(kPartition, &CDlgConfigOi::OnCbnSelchangePartitions);
  for (int z = 0; z < kt::kZoneCount; ++z) {
    MapCommand(kColorButtonIds[z], BN_CLICKED, [this, z] { OnBnClickedZoneColor(z); });
  }
  for (int k = 0; k < 4; ++k) {
    ON_EN_UPDATE(kUpperIds[k], &CDlgConfigOi::OnEnUpdateLimit);
    ON_EN_UPDATE(kLowerIds[k], &CDlgConfigOi::OnEnUpdateLimit);
  }
  ON_BN_CLICKED(kEventSetting, &CDlgConfigOi::OnBnClickedEventSetting);
}

void CDlgConfigOi::DoDataExchange(CDataExchange* pDX) {
  CChannelPage::DoDataExchange(pDX);
  DDX_Control(pDX, kChannelList, m_listChannel, TRUE);
  DDX_Control(pDX, kName, m_editName, TRUE);
  DDX_Control(pDX, kComment, m_editComment, TRUE);
  DDX_Control(pDX, kPlace, m_comboPlace, TRUE);
  DDX_Control(pDX, kUnit, m_editUnit, TRUE);
  DDX_Control(pDX, kFunction, m_comboFunction, TRUE);
  DDX_Control(pDX, kFrame, m_subDialogs);
  DDX_Control(pDX, kPartition, m_comboPartition);
  DDX_Control(pDX, kEventSetting, m_buttonEvent);
  for (int z = 0; z < kt::kZoneCount; ++z) {
    DDX_Control(pDX, kZoneNameIds[z], m_editZoneName[z]);
    DDX_Control(pDX, kDelayIds[z], m_editDelay[z]);
    DDX_Control(pDX, kSwatchIds[z], m_staticColor[z]);
    DDX_Control(pDX, kColorButtonIds[z], m_buttonColor[z]);
  }
  for (int k = 0; k < 4; ++k) {
    DDX_Control(pDX, kUpperIds[k], m_editUpper[k]);
    DDX_Control(pDX, kLowerIds[k], m_editLower[k]);
  }
}

BOOL CDlgConfigOi::OnInitDialog() {
  CChannelPage::OnInitDialog();
  m_editName.SetMaxLength(16);
  m_editComment.SetMaxLength(16);
  m_editUnit.SetMaxLength(8);
  m_listChannel.AddNumbers(QStringLiteral("OI"), 1, kt::kOiCount);

  for (int p = 0; p <= 3; ++p) m_comboPlace.AddString(QString::number(p));
  m_comboPartition.AddString(LoadString(105));
  for (int n = 2; n <= 5; ++n) m_comboPartition.AddString(QString::number(n));
  for (const CString& item : g_strOiOperationItems) m_comboFunction.AddString(item);

  for (int k = 0; k < 17; ++k) m_subDialogs.AddChild(k, kKinds[k].templateId, kKinds[k].make());

  // Zone 5 down to zone 1, in the order the error walk reports them.
  int message = 0;
  for (int z = kt::kZoneCount - 1; z >= 0; --z) {
    if (z < 4) {
      m_editUpper[z].SetRange(kLimitMin, kLimitMax, kUpperDefaults[z]);
      m_errors.Add(&m_editUpper[z], g_strOiErrors[message++]);
    }
    m_editDelay[z].SetRange(0, 999, 0);
    m_errors.Add(&m_editDelay[z], g_strOiErrors[message++]);
    if (z > 0) {
      m_editLower[z - 1].SetRange(kLimitMin, kLimitMax, kLowerDefaults[z - 1]);
      m_errors.Add(&m_editLower[z - 1], g_strOiErrors[message++]);
    }
    m_editZoneName[z].SetMaxLength(16);
  }

  ShowFirstChannel();

  m_editUpper[0].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<true, 0>);
  m_editUpper[1].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<true, 1>);
  m_editUpper[2].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<true, 2>);
  m_editUpper[3].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<true, 3>);
  m_editLower[0].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<false, 0>);
  m_editLower[1].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<false, 1>);
  m_editLower[2].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<false, 2>);
  m_editLower[3].m_aHighlight[0].Set(this, &CDlgConfigOi::HighlightLimit<false, 3>);
  return TRUE;
}

CSubDialogChild* CDlgConfigOi::ShownChild() const { return dynamic_cast<CSubDialogChild*>(m_subDialogs.m_pCurrent); }

void CDlgConfigOi::LoadChannel(int i) {
  kt::OiChannelConfig& ch = m_pConfig->OI[i];
  const kt::AnalogEventConfig& ev = m_pConfig->ALARM.OI[i];

  kt::LoadText(m_editName, ch.NAME);
  kt::LoadText(m_editComment, ch.COMMENT);
  m_comboPlace.SetCurSel(ch.PLACE >= 0 && ch.PLACE <= 3 ? ch.PLACE : 0);
  kt::LoadText(m_editUnit, ch.UNIT);

  int item = ItemOfType(ch.TYPE);
  m_bKeepType = item < 0;
  m_nKeptType = ch.TYPE;
  if (item < 0) item = 0;
  m_comboFunction.SetCurSel(item);
  m_nShownKind = item;
  m_subDialogs.ShowChild(item - 1);
  if (CSubDialogChild* child = ShownChild()) child->LoadParam(&ch.PARAM);

  m_comboPartition.SetCurSel(ev.NUM >= 2 && ev.NUM <= 5 ? ev.NUM - 1 : 0);
  for (int z = 0; z < kt::kZoneCount; ++z) m_editDelay[z].SetValue(ev.ZONE[z].DELAY);
  for (int k = 0; k < 4; ++k) m_editLower[k].SetValue(ev.ZONE[k + 1].LEVEL[0].LIM);
  for (int k = 0; k < 4; ++k) m_editUpper[k].SetValue(ev.ZONE[k].LEVEL[1].LIM);
  for (int z = 0; z < kt::kZoneCount; ++z) {
    m_zoneColor[z] = kt::SwapRedBlue(ev.ZONE[z].COLOR);
    kt::LoadText(m_editZoneName[z], ev.ZONE[z].NAME);
  }
}

void CDlgConfigOi::StoreChannel(int i) {
  kt::OiChannelConfig& ch = m_pConfig->OI[i];
  kt::AnalogEventConfig& ev = m_pConfig->ALARM.OI[i];

  kt::StoreText(m_editName, ch.NAME);
  kt::StoreText(m_editComment, ch.COMMENT);
  const int place = m_comboPlace.GetCurItem();
  ch.PLACE = static_cast<kt::i16>(place >= 0 && place <= 3 ? place : 2);
  kt::StoreText(m_editUnit, ch.UNIT);
  ch.TYPE = m_bKeepType ? m_nKeptType : TypeOfItem(m_nShownKind);
  if (CSubDialogChild* child = ShownChild()) child->StoreParam(&ch.PARAM);

  const int partition = m_comboPartition.GetCurItem();
  ev.NUM = static_cast<kt::i16>(partition >= 1 && partition <= 4 ? partition + 1 : 0);
  for (int z = 0; z < kt::kZoneCount; ++z) ev.ZONE[z].DELAY = m_editDelay[z].m_nValue;
  for (int z = 0; z < kt::kZoneCount; ++z) {
    ev.ZONE[z].COLOR = kt::SwapRedBlue(m_zoneColor[z]);
    kt::StoreText(m_editZoneName[z], ev.ZONE[z].NAME);
  }
  for (int k = 0; k < 4; ++k) {
    ev.ZONE[k].LEVEL[1].LIM = m_editUpper[k].m_dValue;
    ev.ZONE[k + 1].LEVEL[0].LIM = m_editLower[k].m_dValue;
  }
}

int CDlgConfigOi::ZoneCount() const {
  const int sel = m_comboPartition.GetCurItem();
  return sel >= 1 && sel <= 4 ? sel + 1 : 0;
}

void CDlgConfigOi::UpdateControls() {
  DisableAllControls();
  m_comboPlace.EnableWindow(TRUE);
  m_editUnit.EnableWindow(TRUE);
  m_comboPartition.EnableWindow(TRUE);
  const int n = ZoneCount();
  if (n == 0) return;
  for (int z = 0; z < n; ++z) {
    m_editZoneName[z].EnableWindow(TRUE);
    m_editDelay[z].EnableWindow(TRUE);
    m_buttonColor[z].EnableWindow(TRUE);
  }
  for (int k = 0; k < n - 1; ++k) {
    m_editUpper[k].EnableWindow(TRUE);
    m_editLower[k].EnableWindow(TRUE);
  }
  m_buttonEvent.EnableWindow(TRUE);
}

// Rule 2k: zone k+1's upper limit must not exceed zone k+2's lower limit.
// Rule 2k+1: zone k+2's lower limit must be below its upper limit.
int CDlgConfigOi::FirstBrokenRule() const {
  const int n = ZoneCount();
  for (int r = 0; r < 7; ++r) {
    const int k = r / 2;
    if (r % 2 == 0) {
      if (n >= k + 2 && m_editUpper[k].m_dValue > m_editLower[k].m_dValue) return r;
    } else {
      if (n >= k + 3 && m_editLower[k].m_dValue >= m_editUpper[k + 1].m_dValue) return r;
    }
  }
  return -1;
}

BOOL CDlgConfigOi::LimitInConflict(bool upper, int index) const {
  const int n = ZoneCount();
  if (n == 0) return FALSE;
  if (upper) {
    // Rules 2k (with lower k) and 2k-1 (with lower k-1).
    if (n >= index + 2 && m_editUpper[index].m_dValue > m_editLower[index].m_dValue) return TRUE;
    if (index >= 1 && n >= index + 2 && m_editLower[index - 1].m_dValue >= m_editUpper[index].m_dValue) return TRUE;
    return FALSE;
  }
  // Rules 2k (with upper k) and 2k+1 (with upper k+1).
  if (n >= index + 2 && m_editUpper[index].m_dValue > m_editLower[index].m_dValue) return TRUE;
  if (index + 1 < 4 && n >= index + 3 && m_editLower[index].m_dValue >= m_editUpper[index + 1].m_dValue) return TRUE;
  return FALSE;
}

BOOL CDlgConfigOi::CheckControls(BOOL bShowError) {
  if (!m_errors.Check(bShowError)) return FALSE;
  if (CSubDialogChild* child = ShownChild()) {
    // Shown even on a silent check: nothing else tells the user why a
    // channel cannot be copied or left.
    if (!child->AllNumbersValid() || !child->CheckParam()) {
      AfxMessageBox(g_strOiErrors[kFunctionParamError], MB_ICONERROR);
      return FALSE;
    }
  }
  const int rule = FirstBrokenRule();
  if (rule < 0) return TRUE;
  if (bShowError) AfxMessageBox(g_strOiErrors[kFirstOrderError + rule], MB_ICONERROR);
  return FALSE;
}

void CDlgConfigOi::RefreshControls() {
  CChannelPage::RefreshControls();
  m_listChannel.SetFocus();
}

void CDlgConfigOi::CopyChannel(int i) {
  m_copy.channel = m_pConfig->OI[i];
  m_copy.events = m_pConfig->ALARM.OI[i];
  m_copy.filled = 1;
}

// The whole channel: name, comment, kind and every operand, and every zone
// field, those of the event setting dialog included.
void CDlgConfigOi::PasteChannel(int i, BOOL) {
  m_pConfig->OI[i] = m_copy.channel;
  m_pConfig->ALARM.OI[i] = m_copy.events;
}

void CDlgConfigOi::OnCbnSelchangeFunctionType() {
  const int sel = m_comboFunction.GetCurItem();
  // Closing the list on the kind already shown keeps the operands.
  if (sel < 0 || sel == m_nShownKind) return;
  m_nShownKind = sel;
  m_bKeepType = false;
  m_subDialogs.ShowChild(sel - 1);
  if (CSubDialogChild* child = ShownChild()) child->LoadParam(nullptr);
  Invalidate(TRUE);
}

void CDlgConfigOi::OnCbnSelchangePartitions() { RefreshKeepingFocus(); }

void CDlgConfigOi::OnBnClickedZoneColor(int zone) {
  if (kt::PickColor(this, m_zoneColor[zone], 0, m_zoneColor[zone])) Invalidate(TRUE);
}

void CDlgConfigOi::OnEnUpdateLimit() {
  for (int k = 0; k < 4; ++k) {
    m_editUpper[k].Invalidate(TRUE);
    m_editLower[k].Invalidate(TRUE);
  }
}

void CDlgConfigOi::OnBnClickedEventSetting() {
  CDlgZone dlg(this);
  dlg.m_pConfig = m_pConfig;
  dlg.m_pZones = &m_pConfig->ALARM.OI[m_nCurChannel].ZONE[0];
  const int partition = m_comboPartition.GetCurItem();
  dlg.m_nPartition = partition >= 0 && partition <= 4 ? partition : 0;
  dlg.DoModal();
}

void CDlgConfigOi::OnPaint() {
  CPaintDC dc(this);
  for (int z = 0; z < kt::kZoneCount; ++z) kt::PaintSwatch(dc, *this, m_staticColor[z], m_zoneColor[z]);
}
