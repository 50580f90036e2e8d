#include "DlgConfigDi.h"

#include "DlgConfigSelect.h"
#include "SlmpDevice.h"

const CString g_strDiSlmpDeviceTypeError = QStringLiteral("Setting error: SLMP Device type");
const CString g_strDiSelectTitles[3] = {
    QStringLiteral("Reset function value"),
    QStringLiteral("Alarm output"),
    QStringLiteral("Mail template No."),
};

namespace {

enum : int {
  kList = 1111,
  kName = 1094,
  kComment = 1095,
  kSource = 1097,
  kChannel = 1309,
  kUnitId = 1098,
  kPointKind = 1099,
  kRegister = 1100,
  kDeviceType = 1101,
  kDeviceAddress = 1102,
  kRadix = 1103,
  kInvert = 1105,
};

struct StateIds {
  int disp, swatch, color, delay, msg, trecOff, trecOn, rstoi, almdo, trigOff, trigOn, form;
};
// Indexed by state: OFF (ZONE[0]), ON (ZONE[1]).
constexpr StateIds kStateIds[kt::kStateCount] = {
    {1035, 1023, 1022, 1036, 1115, 1116, 1117, 1462, 1460, 1118, 1119, 1465},
    {1106, 1107, 1108, 1109, 1112, 1096, 1110, 1461, 1459, 1113, 1114, 1464},
};

// The device's own digital inputs that source "Di" numbers.
constexpr int kOwnInputs = 1;

// Modbus function codes of the point kinds.
constexpr kt::u8 kModbusCoil = 1;
constexpr kt::u8 kModbusInput = 2;

}  // namespace

CDlgConfigDi::CDlgConfigDi(CWnd* pParent)
    : CPointChannelPage(IDD, pParent, kt::SlmpChannelKind::Di, g_strDiSlmpDeviceTypeError) {
  ON_LBN_SELCHANGE(kList, &CDlgConfigDi::OnSelchangeChannel);
  ON_CBN_SELCHANGE(kSource, &CDlgConfigDi::OnSelchangeSource);
  for (int id : {kDeviceType, kChannel}) ON_CBN_SELCHANGE(id, &CDlgConfigDi::OnSelchangeRefresh);
  ON_BN_CLICKED(kStateIds[kOn].color, &CDlgConfigDi::OnColor<kOn>);
  ON_BN_CLICKED(kStateIds[kOff].color, &CDlgConfigDi::OnColor<kOff>);
  ON_BN_CLICKED(kStateIds[kOn].rstoi, (&CDlgConfigDi::OnSelect<kOn, Select::Rstoi>));
  ON_BN_CLICKED(kStateIds[kOn].almdo, (&CDlgConfigDi::OnSelect<kOn, Select::Almdo>));
  ON_BN_CLICKED(kStateIds[kOn].form, (&CDlgConfigDi::OnSelect<kOn, Select::Form>));
  ON_BN_CLICKED(kStateIds[kOff].rstoi, (&CDlgConfigDi::OnSelect<kOff, Select::Rstoi>));
  ON_BN_CLICKED(kStateIds[kOff].almdo, (&CDlgConfigDi::OnSelect<kOff, Select::Almdo>));
  ON_BN_CLICKED(kStateIds[kOff].form, (&CDlgConfigDi::OnSelect<kOff, Select::Form>));
}

void CDlgConfigDi::DoDataExchange(CDataExchange* pDX) {
  CChannelPage::DoDataExchange(pDX);
  DDX_Control(pDX, kList, m_listChannel, TRUE);
  DDX_Control(pDX, kName, m_editName, TRUE);
  DDX_Control(pDX, kComment, m_editComment, TRUE);
  DDX_Control(pDX, kSource, m_comboSource, TRUE);
  DDX_Control(pDX, kChannel, m_comboChannel);
  DDX_Control(pDX, kUnitId, m_editUnitId);
  DDX_Control(pDX, kPointKind, m_comboPointKind);
  DDX_Control(pDX, kRegister, m_editRegister);
  DDX_Control(pDX, kDeviceType, m_comboDeviceType);
  DDX_Control(pDX, kDeviceAddress, m_editDeviceAddress);
  DDX_Control(pDX, kRadix, m_comboRadix);
  DDX_Control(pDX, kInvert, m_comboInvert);
  for (int s : {kOn, kOff}) {
    const StateIds& ids = kStateIds[s];
    StateControls& c = m_state[s];
    DDX_Control(pDX, ids.disp, c.disp);
    DDX_Control(pDX, ids.swatch, c.swatch);
    DDX_Control(pDX, ids.color, c.color);
    DDX_Control(pDX, ids.delay, c.delay);
    DDX_Control(pDX, ids.msg, c.msg);
    DDX_Control(pDX, ids.trecOff, c.trecOff);
    DDX_Control(pDX, ids.trecOn, c.trecOn);
    DDX_Control(pDX, ids.rstoi, c.rstoi);
    DDX_Control(pDX, ids.almdo, c.almdo);
    DDX_Control(pDX, ids.trigOff, c.trigOff);
    DDX_Control(pDX, ids.trigOn, c.trigOn);
    DDX_Control(pDX, ids.form, c.form);
  }
}

SourceInputs CDlgConfigDi::Source() { return {m_comboSource, m_comboChannel, m_nShownSource, kOwnInputs}; }

PointInputs CDlgConfigDi::Points() {
  return {m_editUnitId, m_editRegister, m_editDeviceAddress, m_comboRadix, m_comboDeviceType, m_comboPointKind};
}

BOOL CDlgConfigDi::OnInitDialog() {
  CPointChannelPage::OnInitDialog();
  m_editName.SetMaxLength(16);
  m_editComment.SetMaxLength(16);

  m_listChannel.AddNumbers(QStringLiteral("DI"), 1, kt::kDiCount);
  for (const char* s : {"None", "Di", "C", "Demo"}) m_comboSource.AddString(QString::fromLatin1(s));
  m_comboPointKind.AddString(QStringLiteral("Coil (0X)"));
  m_comboPointKind.AddString(QStringLiteral("Input (1X)"));
  m_comboInvert.AddString(LoadString(107));
  m_comboInvert.AddString(LoadString(106));

  for (int s : {kOn, kOff}) {
    m_state[s].disp.SetMaxLength(8);
    m_state[s].msg.SetMaxLength(32);
    m_state[s].delay.SetRange(0, 999, 0);
    m_errors.Add(&m_state[s].delay, s == kOn ? QStringLiteral("Setting error: ON Delay time")
                                             : QStringLiteral("Setting error: OFF Delay time"));
  }

  ShowFirstChannel();
  return TRUE;
}

CDlgConfigDi::Parts CDlgConfigDi::PartsOf(int i) {
  kt::DeviceConfig& cfg = *m_pConfig;
  return {cfg.DI[i], cfg.ALARM.DI[i], cfg.MODBUS.DI[i], cfg.SLMP.DI[i]};
}

void CDlgConfigDi::LoadOwn(const Parts& parts) {
  const kt::DiChannelConfig& di = parts.channel;

  m_comboPointKind.SetCurSel(parts.modbus.TYPE == kModbusCoil ? 0 : 1);
  m_comboInvert.SetCurSel(di.INVERT == 1 ? 1 : 0);

  for (int s : {kOn, kOff}) {
    const kt::DiStateEventConfig& zone = parts.events.ZONE[s];
    StateControls& c = m_state[s];
    kt::LoadText(c.disp, zone.DISP);
    c.delay.SetValue(zone.DELAY);
    kt::LoadText(c.msg, zone.MSG);
    (s == kOn ? m_onColor : m_offColor) = kt::SwapRedBlue(zone.COLOR);
    kt::LoadSwitch(c.trecOff, c.trecOn, zone.TREC);
    kt::LoadSwitch(c.trigOff, c.trigOn, zone.TRIG);
  }
}

void CDlgConfigDi::StoreOwn(const Parts& parts) {
  kt::DiChannelConfig& di = parts.channel;

  parts.modbus.TYPE = m_comboPointKind.GetCurItem() == 0 ? kModbusCoil : kModbusInput;
  di.INVERT = m_comboInvert.GetCurItem() == 1 ? 1 : 0;

  for (int s : {kOn, kOff}) {
    kt::DiStateEventConfig& zone = parts.events.ZONE[s];
    const StateControls& c = m_state[s];
    kt::StoreText(c.disp, zone.DISP);
    zone.DELAY = c.delay.m_nValue;
    kt::StoreText(c.msg, zone.MSG);
    zone.COLOR = kt::SwapRedBlue(s == kOn ? m_onColor : m_offColor);
    zone.TREC = c.trecOn.GetCheck() == BST_CHECKED ? 1 : 0;
    zone.TRIG = c.trigOn.GetCheck() == BST_CHECKED ? 1 : 0;
  }
}

void CDlgConfigDi::UpdateControls() {
  DisableAllControls();
  if (!EnableSourceInputs(Source(), Points(), *m_pConfig)) return;
  m_comboInvert.EnableWindow(TRUE);
  for (StateControls& c : m_state) {
    for (CWnd* w : {static_cast<CWnd*>(&c.disp), static_cast<CWnd*>(&c.color), static_cast<CWnd*>(&c.delay),
                    static_cast<CWnd*>(&c.msg), static_cast<CWnd*>(&c.trecOff), static_cast<CWnd*>(&c.trecOn),
                    static_cast<CWnd*>(&c.rstoi), static_cast<CWnd*>(&c.almdo), static_cast<CWnd*>(&c.trigOff),
                    static_cast<CWnd*>(&c.trigOn), static_cast<CWnd*>(&c.form)}) {
      w->EnableWindow(TRUE);
    }
  }
}

void CDlgConfigDi::OnBnClickedColor(int state) {
  // The dialog opens on its own default, not on the state's colour.
  if (kt::PickColor(this, 0, CC_FULLOPEN, state == kOn ? m_onColor : m_offColor)) Invalidate(TRUE);
}

void CDlgConfigDi::OnBnClickedSelect(int state, Select what) {
  kt::DiStateEventConfig& zone = m_pConfig->ALARM.DI[m_nCurChannel].ZONE[state];
  CDlgConfigSelect dlg(this);
  kt::u32* field = nullptr;
  switch (what) {
    case Select::Rstoi:
      dlg.m_strTitle = g_strDiSelectTitles[0];
      dlg.AddChannelRows(m_pConfig->OI);
      field = &zone.RSTOI;
      break;
    case Select::Almdo:
      dlg.m_strTitle = g_strDiSelectTitles[1];
      dlg.AddChannelRows(m_pConfig->DO);
      field = &zone.ALMDO;
      break;
    case Select::Form:
      dlg.m_strTitle = g_strDiSelectTitles[2];
      dlg.AddChannelRows(m_pConfig->MAIL.F);
      field = &zone.FORM;
      break;
  }
  dlg.m_masks[0] = *field;
  if (dlg.DoModal() == IDOK) *field = dlg.m_masks[0];
}

void CDlgConfigDi::OnPaint() {
  CPaintDC dc(this);
  for (int s : {kOn, kOff}) kt::PaintSwatch(dc, *this, m_state[s].swatch, s == kOn ? m_onColor : m_offColor);
}

BOOL CDlgConfigDi::CheckSettings(BOOL bShowError) {
  return CheckSlmpDeviceTypes(*m_pConfig, kt::SlmpChannelKind::Di, "DI", g_strDiSlmpDeviceTypeError, bShowError);
}
