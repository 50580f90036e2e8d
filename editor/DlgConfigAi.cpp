#include "DlgConfigAi.h"

#include "DlgZone.h"
#include "SlmpDevice.h"

const CString g_strAiSlmpDeviceTypeError = QStringLiteral("Setting error: SLMP Device type");
const CString g_strAiZoneOrderErrors[7] = {
    QStringLiteral("Setting error: Zone 1 Upper limit > Zone 2 Lower limit"),
    QStringLiteral("Setting error: Zone 2 Lower limit >= Zone 2 Upper limit"),
    QStringLiteral("Setting error: Zone 2 Upper limit > Zone 3 Lower limit"),
    QStringLiteral("Setting error: Zone 3 Lower limit >= Zone 3 Upper limit"),
    QStringLiteral("Setting error: Zone 3 Upper limit > Zone 4 Lower limit"),
    QStringLiteral("Setting error: Zone 4 Lower limit >= Zone 4 Upper limit"),
    QStringLiteral("Setting error: Zone 4 Upper limit > Zone 5 Lower limit"),
};
const CString g_strAiScalingError = QStringLiteral("Setting error: Scaling 0% = 100%");

namespace {

enum : int {
  kList = 1006,
  kName = 1009,
  kComment = 1010,
  kSource = 1062,
  kChannel = 1065,
  kUnitId = 1052,
  kRegisterKind = 1050,
  kRegister = 1054,
  kDeviceType = 1055,
  kDeviceAddress = 1056,
  kRadix = 1148,
  kType = 1064,
  kZero = 1058,
  kSpan = 1059,
  kGain = 1060,
  kPlace = 1061,
  kUnit = 1063,
  kPartitions = 1011,
  kEventSetting = 1045,
};

// Per zone 1-5.
constexpr int kZoneName[kt::kZoneCount] = {1012, 1013, 1042, 1043, 1044};
constexpr int kZoneDelay[kt::kZoneCount] = {1014, 1018, 1025, 1029, 1033};
constexpr int kZoneSwatch[kt::kZoneCount] = {1035, 1037, 1039, 1041, 1022};
constexpr int kZoneColor[kt::kZoneCount] = {1023, 1036, 1038, 1040, 1021};
// Upper limits of zones 1-4, lower limits of zones 2-5.
constexpr int kUpper[kt::kZoneCount - 1] = {1015, 1019, 1026, 1030};
constexpr int kLower[kt::kZoneCount - 1] = {1020, 1027, 1031, 1034};
constexpr double kUpperDefault[kt::kZoneCount - 1] = {20, 40, 60, 80};
constexpr double kLowerDefault[kt::kZoneCount - 1] = {20, 40, 60, 80};

constexpr int kSourceNone = 0;
// The device's own analog inputs that source "Ai" numbers.
constexpr int kOwnInputs = 2;

const double kGainExcluded[1] = {0.0};

}  // namespace

CDlgConfigAi::CDlgConfigAi(CWnd* pParent)
    : CPointChannelPage(IDD, pParent, kt::SlmpChannelKind::Ai, g_strAiSlmpDeviceTypeError) {
  ON_LBN_SELCHANGE(kList, &CDlgConfigAi::OnSelchangeChannel);
  ON_CBN_SELCHANGE(kSource, &CDlgConfigAi::OnSelchangeSource);
  for (int id : {kType, kDeviceType, kPartitions, kChannel}) ON_CBN_SELCHANGE(id, &CDlgConfigAi::OnSelchangeRefresh);
  ON_BN_CLICKED(kZoneColor[0], &CDlgConfigAi::OnZoneColor<0>);
  ON_BN_CLICKED(kZoneColor[1], &CDlgConfigAi::OnZoneColor<1>);
  ON_BN_CLICKED(kZoneColor[2], &CDlgConfigAi::OnZoneColor<2>);
  ON_BN_CLICKED(kZoneColor[3], &CDlgConfigAi::OnZoneColor<3>);
  ON_BN_CLICKED(kZoneColor[4], &CDlgConfigAi::OnZoneColor<4>);
  for (int id : kUpper) ON_EN_UPDATE(id, &CDlgConfigAi::OnEnUpdateLimit);
  for (int id : kLower) ON_EN_UPDATE(id, &CDlgConfigAi::OnEnUpdateLimit);
  ON_EN_UPDATE(kZero, &CDlgConfigAi::OnEnUpdateScaling);
  ON_EN_UPDATE(kSpan, &CDlgConfigAi::OnEnUpdateScaling);
  ON_BN_CLICKED(kEventSetting, &CDlgConfigAi::OnBnClickedEventSetting);
}

void CDlgConfigAi::DoDataExchange(CDataExchange* pDX) {
  CChannelPage::DoDataExchange(pDX);
  DDX_Control(pDX, kList, m_listChannel, TRUE);
  DDX_Control(pDX, kName, m_editName, TRUE);
  DDX_Control(pDX, kComment, m_editComment, TRUE);
  DDX_Control(pDX, kSource, m_comboSource);
  DDX_Control(pDX, kChannel, m_comboChannel);
  DDX_Control(pDX, kUnitId, m_editUnitId);
  DDX_Control(pDX, kRegisterKind, m_comboRegisterKind);
  DDX_Control(pDX, kRegister, m_editRegister);
  DDX_Control(pDX, kDeviceType, m_comboDeviceType);
  DDX_Control(pDX, kDeviceAddress, m_editDeviceAddress);
  DDX_Control(pDX, kRadix, m_comboRadix);
  DDX_Control(pDX, kType, m_comboType);
  DDX_Control(pDX, kZero, m_editZero);
  DDX_Control(pDX, kSpan, m_editSpan);
  DDX_Control(pDX, kGain, m_editGain);
  DDX_Control(pDX, kPlace, m_comboPlace);
  DDX_Control(pDX, kUnit, m_editUnit);
  DDX_Control(pDX, kPartitions, m_comboPartitions);
  DDX_Control(pDX, kEventSetting, m_btnEventSetting);
  for (int z = 0; z < kt::kZoneCount; ++z) {
    DDX_Control(pDX, kZoneName[z], m_editZoneName[z]);
    DDX_Control(pDX, kZoneDelay[z], m_editDelay[z]);
    DDX_Control(pDX, kZoneSwatch[z], m_swatch[z]);
    DDX_Control(pDX, kZoneColor[z], m_btnColor[z]);
  }
  for (int z = 0; z < kt::kZoneCount - 1; ++z) {
    DDX_Control(pDX, kUpper[z], m_editUpper[z]);
    DDX_Control(pDX, kLower[z], m_editLower[z]);
  }
}

SourceInputs CDlgConfigAi::Source() { return {m_comboSource, m_comboChannel, m_nShownSource, kOwnInputs}; }

PointInputs CDlgConfigAi::Points() {
  return {m_editUnitId, m_editRegister, m_editDeviceAddress, m_comboRadix, m_comboDeviceType, m_comboRegisterKind};
}

BOOL CDlgConfigAi::OnInitDialog() {
  CPointChannelPage::OnInitDialog();
  m_editName.SetMaxLength(16);
  m_editComment.SetMaxLength(16);
  m_editZero.SetRange(-1000000, 1000000, 0);
  m_errors.Add(&m_editZero, QStringLiteral("Setting error: Scaling 0%"));
  m_editSpan.SetRange(-1000000, 1000000, 100);
  m_errors.Add(&m_editSpan, QStringLiteral("Setting error: Scaling 100%"));
  m_editGain.SetRange(-10000, 10000, 0.01);
  m_editGain.SetExcluded(kGainExcluded, 1);
  m_errors.Add(&m_editGain, QStringLiteral("Setting error: Scaling Int"));
  // Zone 5 down to zone 1: delay, lower limit, then the upper limit of the
  // zone below.
  for (int z = kt::kZoneCount - 1; z >= 0; --z) {
    const QString zone = QStringLiteral("Setting error: Zone %1 ").arg(z + 1);
    m_editDelay[z].SetRange(0, 999, 0);
    m_errors.Add(&m_editDelay[z], zone + QStringLiteral("Delay time"));
    if (z > 0) {
      m_editLower[z - 1].SetRange(-1000000, 1000000, kLowerDefault[z - 1]);
      m_errors.Add(&m_editLower[z - 1], zone + QStringLiteral("Lower limit"));
      m_editUpper[z - 1].SetRange(-1000000, 1000000, kUpperDefault[z - 1]);
      m_errors.Add(&m_editUpper[z - 1], QStringLiteral("Setting error: Zone %1 Upper limit").arg(z));
    }
    m_editZoneName[z].SetMaxLength(16);
  }

  m_listChannel.AddNumbers(QStringLiteral("AI"), 1, kt::kAiCount);
  for (const char* s : {"None", "Ai", "C", "Demo"}) m_comboSource.AddString(QString::fromLatin1(s));
  m_comboRegisterKind.AddString(QStringLiteral("Input Register (3X)"));
  m_comboRegisterKind.AddString(QStringLiteral("Holding Register (4X)"));
  for (const char* s : {"%", "INT", "UINT"}) m_comboType.AddString(QString::fromLatin1(s));
  for (const char* s : {"0", "1", "2", "3"}) m_comboPlace.AddString(QString::fromLatin1(s));
  m_comboPartitions.AddString(LoadString(105));
  for (const char* s : {"2", "3", "4", "5"}) m_comboPartitions.AddString(QString::fromLatin1(s));
  m_editUnit.SetMaxLength(8);

  ShowFirstChannel();

  m_editUpper[0].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<0>);
  m_editUpper[1].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<1>);
  m_editUpper[2].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<2>);
  m_editUpper[3].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<3>);
  m_editLower[0].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<4>);
  m_editLower[1].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<5>);
  m_editLower[2].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<6>);
  m_editLower[3].m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightLimitAt<7>);
  m_editZero.m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightScaling);
  m_editSpan.m_aHighlight[0].Set(this, &CDlgConfigAi::HighlightScaling);
  return TRUE;
}

CDlgConfigAi::Parts CDlgConfigAi::PartsOf(int i) {
  kt::DeviceConfig& cfg = *m_pConfig;
  return {cfg.AI[i], cfg.ALARM.AI[i], cfg.MODBUS.AI[i], cfg.SLMP.AI[i]};
}

void CDlgConfigAi::LoadOwn(const Parts& parts) {
  const kt::AiChannelConfig& ai = parts.channel;
  const kt::AnalogEventConfig& events = parts.events;

  m_comboRegisterKind.SetCurSel(parts.modbus.TYPE == 4 ? 0 : 1);
  m_comboType.SetCurSel(ai.TYPE == 1 ? 1 : ai.TYPE == 2 ? 2 : 0);
  m_editZero.SetValue(ai.SCALE.ZERO);
  m_editSpan.SetValue(ai.SCALE.SPAN);
  m_editGain.SetValue(ai.SCALE.GAIN);
  m_comboPlace.SetCurSel(ai.PLACE);
  kt::LoadText(m_editUnit, ai.UNIT);
  m_comboPartitions.SetCurSel(events.NUM >= 2 && events.NUM <= 5 ? events.NUM - 1 : 0);
  for (int z = 0; z < kt::kZoneCount; ++z) m_editDelay[z].SetValue(events.ZONE[z].DELAY);
  for (int z = 1; z < kt::kZoneCount; ++z) m_editLower[z - 1].SetValue(events.ZONE[z].LEVEL[0].LIM);
  for (int z = 0; z < kt::kZoneCount - 1; ++z) m_editUpper[z].SetValue(events.ZONE[z].LEVEL[1].LIM);
  for (int z = 0; z < kt::kZoneCount; ++z) {
    m_zoneColor[z] = kt::SwapRedBlue(events.ZONE[z].COLOR);
    kt::LoadText(m_editZoneName[z], events.ZONE[z].NAME);
  }
}

void CDlgConfigAi::StoreOwn(const Parts& parts) {
  kt::AiChannelConfig& ai = parts.channel;
  kt::AnalogEventConfig& events = parts.events;

  parts.modbus.TYPE = m_comboRegisterKind.GetCurItem() == 0 ? 4 : 3;
  ai.TYPE = static_cast<kt::u32>(GetTypeIndex());
  ai.SCALE.ZERO = m_editZero.m_dValue;
  ai.SCALE.SPAN = m_editSpan.m_dValue;
  ai.SCALE.GAIN = m_editGain.m_dValue;
  const int place = m_comboPlace.GetCurItem();
  ai.PLACE = static_cast<kt::i16>(place >= 0 && place <= 3 ? place : 2);
  kt::StoreText(m_editUnit, ai.UNIT);
  events.NUM = static_cast<kt::i16>(GetZoneCount());
  for (int z = 0; z < kt::kZoneCount; ++z) {
    kt::StoreText(m_editZoneName[z], events.ZONE[z].NAME);
    events.ZONE[z].DELAY = m_editDelay[z].m_nValue;
    events.ZONE[z].COLOR = kt::SwapRedBlue(m_zoneColor[z]);
  }
  for (int z = 0; z < kt::kZoneCount - 1; ++z) {
    events.ZONE[z].LEVEL[1].LIM = m_editUpper[z].m_dValue;
    events.ZONE[z + 1].LEVEL[0].LIM = m_editLower[z].m_dValue;
  }
}

int CDlgConfigAi::GetTypeIndex() {
  const int sel = m_comboType.GetCurItem();
  return sel == 1 || sel == 2 ? sel : 0;
}

int CDlgConfigAi::GetZoneCount() {
  const int sel = m_comboPartitions.GetCurItem();
  return sel >= 1 && sel <= 4 ? sel + 1 : 0;
}

void CDlgConfigAi::UpdateControls() {
  DisableAllControls();
  m_comboSource.EnableWindow(TRUE);
  if (!EnableSourceInputs(Source(), Points(), *m_pConfig)) return;
  m_comboType.EnableWindow(TRUE);
  if (GetTypeIndex() != 0) {
    m_editGain.EnableWindow(TRUE);
  } else {
    m_editZero.EnableWindow(TRUE);
    m_editSpan.EnableWindow(TRUE);
  }
  m_comboPlace.EnableWindow(TRUE);
  m_editUnit.EnableWindow(TRUE);
  m_comboPartitions.EnableWindow(TRUE);

  const int n = GetZoneCount();
  for (int z = 0; z < n; ++z) {
    m_editZoneName[z].EnableWindow(TRUE);
    m_editDelay[z].EnableWindow(TRUE);
    m_swatch[z].EnableWindow(TRUE);
    m_btnColor[z].EnableWindow(TRUE);
    if (z < n - 1) m_editUpper[z].EnableWindow(TRUE);
    if (z > 0) m_editLower[z - 1].EnableWindow(TRUE);
  }
  if (n > 0) m_btnEventSetting.EnableWindow(TRUE);
}

BOOL CDlgConfigAi::ZoneRuleFails(int rule) {
  if (rule < 0 || rule > 6 || GetZoneCount() < (rule + 1) / 2 + 2) return FALSE;
  const int k = rule / 2;
  if (rule % 2 == 0) return m_editUpper[k].m_dValue > m_editLower[k].m_dValue ? TRUE : FALSE;
  return m_editLower[k].m_dValue >= m_editUpper[k + 1].m_dValue ? TRUE : FALSE;
}

int CDlgConfigAi::FirstFailingZoneRule() {
  for (int rule = 0; rule < 7; ++rule) {
    if (ZoneRuleFails(rule)) return rule;
  }
  return -1;
}

BOOL CDlgConfigAi::ScalingConflict() {
  return GetTypeIndex() == 0 && m_editZero.m_dValue == m_editSpan.m_dValue ? TRUE : FALSE;
}

BOOL CDlgConfigAi::CheckControls(BOOL bShowError) {
  if (!CPointChannelPage::CheckControls(bShowError)) return FALSE;
  if (m_comboSource.GetCurItem() <= kSourceNone) return TRUE;
  const CString* message = nullptr;
  if (ScalingConflict()) {
    message = &g_strAiScalingError;
  } else if (const int rule = FirstFailingZoneRule(); rule >= 0) {
    message = &g_strAiZoneOrderErrors[rule];
  }
  if (!message) return TRUE;
  if (bShowError) AfxMessageBox(*message, MB_ICONERROR);
  return FALSE;
}

// Limit inputs 0-3 are the upper limits of zones 1-4, 4-7 the lower limits
// of zones 2-5. Rule 2k pairs upper k+1 with lower k+2, rule 2k+1 lower k+2
// with upper k+2 (zones counted from 1).
BOOL CDlgConfigAi::HighlightLimit(int input) {
  if (m_comboSource.GetCurItem() <= kSourceNone) return FALSE;
  for (int rule = 0; rule < 7; ++rule) {
    const int k = rule / 2;
    const bool involved = rule % 2 == 0 ? (input == k || input == 4 + k) : (input == 4 + k || input == k + 1);
    if (involved && ZoneRuleFails(rule)) return TRUE;
  }
  return FALSE;
}

BOOL CDlgConfigAi::HighlightScaling(CDC*, UINT) {
  if (m_comboSource.GetCurItem() <= kSourceNone) return FALSE;
  return ScalingConflict();
}

void CDlgConfigAi::OnBnClickedZoneColor(int zone) {
  if (kt::PickColor(this, m_zoneColor[zone], CC_FULLOPEN, m_zoneColor[zone])) Invalidate(TRUE);
}

void CDlgConfigAi::OnEnUpdateLimit() {
  for (auto& edit : m_editUpper) edit.Invalidate(TRUE);
  for (auto& edit : m_editLower) edit.Invalidate(TRUE);
}

void CDlgConfigAi::OnEnUpdateScaling() {
  if (GetTypeIndex() != 0) return;
  m_editZero.Invalidate(TRUE);
  m_editSpan.Invalidate(TRUE);
}

void CDlgConfigAi::OnBnClickedEventSetting() {
  CDlgZone dlg(this);
  dlg.m_pConfig = m_pConfig;
  dlg.m_pZones = m_pConfig->ALARM.AI[m_nCurChannel].ZONE;
  dlg.m_nPartition = m_comboPartitions.GetCurItemOrZero();
  dlg.DoModal();
}

void CDlgConfigAi::OnPaint() {
  CPaintDC dc(this);
  for (int z = 0; z < kt::kZoneCount; ++z) kt::PaintSwatch(dc, *this, m_swatch[z], m_zoneColor[z]);
}

BOOL CDlgConfigAi::CheckSettings(BOOL bShowError) {
  return CheckSlmpDeviceTypes(*m_pConfig, kt::SlmpChannelKind::Ai, "AI", g_strAiSlmpDeviceTypeError, bShowError);
}
