#include "DlgConfigDo.h"

#include "ChannelPeer.h"
#include "SlmpDevice.h"

#include <array>
#include <cstring>
#include <optional>

const CString g_strDoSlmpDeviceTypeError = QStringLiteral("Setting error: SLMP Device type");
const CString g_strDoDuplicateError = QStringLiteral("Duplicate channel setting: DO%1 and DO%2");

namespace {

enum : int {
  kList = 1330,
  kName = 1313,
  kComment = 1314,
  kSource = 1315,
  kChannel = 1316,
  kUnitId = 1317,
  kPointKind = 1318,
  kRegister = 1319,
  kDeviceType = 1320,
  kDeviceAddress = 1321,
  kRadix = 1322,
  kInvert = 1323,
};

// Indexed by state: OFF (ZONE[0]), ON (ZONE[1]).
constexpr int kDispIds[kt::kStateCount] = {1327, 1324};
constexpr int kSwatchIds[kt::kStateCount] = {1328, 1325};
constexpr int kColorIds[kt::kStateCount] = {1329, 1326};

// The device's own digital outputs that destination "Do" numbers.
constexpr int kOwnOutputs = 1;

// Modbus function code "write multiple coils", the one point kind offered.
constexpr kt::u8 kModbusCoils = 15;

// The four numbers of a dotted IPv4 address text (each 0-255, decimal,
// nothing else), or nothing.
std::optional<std::array<int, 4>> ParseAddress(const char (&text)[32]) {
  std::array<int, 4> parts{};
  std::size_t pos = 0;
  for (int n = 0; n < 4; ++n) {
    if (n > 0) {
      if (pos >= sizeof(text) || text[pos] != '.') return std::nullopt;
      ++pos;
    }
    int value = 0;
    int digits = 0;
    while (pos < sizeof(text) && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
      value = value * 10 + (text[pos] - '0');
      ++pos;
      ++digits;
    }
    if (digits == 0 || value > 255) return std::nullopt;
    parts[static_cast<std::size_t>(n)] = value;
  }
  if (pos < sizeof(text) && text[pos] != '\0') return std::nullopt;
  return parts;
}

// Two peers' address texts name the same host: as addresses when both are
// addresses ("10.0.0.01" is "10.0.0.1"), else byte for byte.
bool SameAddress(const char (&a)[32], const char (&b)[32]) {
  const auto pa = ParseAddress(a);
  const auto pb = ParseAddress(b);
  if (pa && pb) return *pa == *pb;
  return std::memcmp(a, b, sizeof(a)) == 0;
}

// The SLMP command pair that saving will derive for output k, fed by peer p.
void DerivedSlmpPair(const kt::DeviceConfig& cfg, int k, int p, kt::u32& command, kt::u32& sub) {
  command = 0;
  sub = 0;
  const kt::u32 code = cfg.SLMP.DO[k].CODE;
  if (cfg.SLMP.C[p].TYPE == kt::kSlmpFrame16) {
    kt::FindSlmpDoCommand16(code, command, sub);
  } else if (cfg.SLMP.C[p].TYPE == kt::kSlmpFrame32) {
    kt::FindSlmpDoCommand32(code, command, sub);
  }
}

}  // namespace

CDlgConfigDo::CDlgConfigDo(CWnd* pParent)
    : CPointChannelPage(IDD, pParent, kt::SlmpChannelKind::Do, g_strDoSlmpDeviceTypeError) {
  ON_LBN_SELCHANGE(kList, &CDlgConfigDo::OnSelchangeChannel);
  ON_CBN_SELCHANGE(kSource, &CDlgConfigDo::OnSelchangeSource);
  for (int id : {kChannel, kDeviceType}) ON_CBN_SELCHANGE(id, &CDlgConfigDo::OnSelchangeRefresh);
  ON_BN_CLICKED(kColorIds[kOn], &CDlgConfigDo::OnColor<kOn>);
  ON_BN_CLICKED(kColorIds[kOff], &CDlgConfigDo::OnColor<kOff>);
}

void CDlgConfigDo::DoDataExchange(CDataExchange* pDX) {
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
    DDX_Control(pDX, kDispIds[s], m_editDisp[s]);
    DDX_Control(pDX, kSwatchIds[s], m_swatch[s]);
    DDX_Control(pDX, kColorIds[s], m_btnColor[s]);
  }
}

SourceInputs CDlgConfigDo::Source() { return {m_comboSource, m_comboChannel, m_nShownSource, kOwnOutputs}; }

PointInputs CDlgConfigDo::Points() {
  return {m_editUnitId, m_editRegister, m_editDeviceAddress, m_comboRadix, m_comboDeviceType, m_comboPointKind};
}

BOOL CDlgConfigDo::OnInitDialog() {
  CPointChannelPage::OnInitDialog();
  m_editName.SetMaxLength(16);
  m_editComment.SetMaxLength(16);

  m_listChannel.AddNumbers(QStringLiteral("DO"), 1, kt::kDoCount);
  for (const char* s : {"None", "Do", "C", "Demo"}) m_comboSource.AddString(QString::fromLatin1(s));
  m_comboPointKind.AddString(QStringLiteral("Coil (0X)"));
  m_comboInvert.AddString(LoadString(107));
  m_comboInvert.AddString(LoadString(106));
  for (auto& edit : m_editDisp) edit.SetMaxLength(8);

  ShowFirstChannel();
  return TRUE;
}

CDlgConfigDo::Parts CDlgConfigDo::PartsOf(int i) {
  kt::DeviceConfig& cfg = *m_pConfig;
  return {cfg.DO[i], cfg.ALARM.DO[i], cfg.MODBUS.DO[i], cfg.SLMP.DO[i]};
}

void CDlgConfigDo::LoadOwn(const Parts& parts) {
  const kt::DoChannelConfig& out = parts.channel;

  m_comboPointKind.SetCurSel(0);
  m_comboInvert.SetCurSel(out.INVERT == 1 ? 1 : 0);
  for (int s : {kOn, kOff}) {
    kt::LoadText(m_editDisp[s], parts.events.ZONE[s].DISP);
    (s == kOn ? m_onColor : m_offColor) = kt::SwapRedBlue(parts.events.ZONE[s].COLOR);
  }
}

void CDlgConfigDo::StoreOwn(const Parts& parts) {
  kt::DoChannelConfig& out = parts.channel;

  parts.modbus.TYPE = kModbusCoils;
  out.INVERT = m_comboInvert.GetCurItem() == 1 ? 1 : 0;
  for (int s : {kOn, kOff}) {
    kt::StoreText(m_editDisp[s], parts.events.ZONE[s].DISP);
    parts.events.ZONE[s].COLOR = kt::SwapRedBlue(s == kOn ? m_onColor : m_offColor);
  }
}

void CDlgConfigDo::UpdateControls() {
  DisableAllControls();
  if (!EnableSourceInputs(Source(), Points(), *m_pConfig)) return;
  m_comboInvert.EnableWindow(TRUE);
  for (int s : {kOn, kOff}) {
    m_editDisp[s].EnableWindow(TRUE);
    m_btnColor[s].EnableWindow(TRUE);
  }
}

void CDlgConfigDo::OnBnClickedColor(int state) {
  // The dialog opens on its own default, not on the state's colour.
  if (kt::PickColor(this, 0, CC_FULLOPEN, state == kOn ? m_onColor : m_offColor)) Invalidate(TRUE);
}

void CDlgConfigDo::OnPaint() {
  CPaintDC dc(this);
  for (int s : {kOn, kOff}) kt::PaintSwatch(dc, *this, m_swatch[s], s == kOn ? m_onColor : m_offColor);
}

BOOL CDlgConfigDo::CheckSettings(BOOL bShowError) {
  if (!CheckSlmpDeviceTypes(*m_pConfig, kt::SlmpChannelKind::Do, "DO", g_strDoSlmpDeviceTypeError, bShowError)) {
    return FALSE;
  }
  return CheckDuplicateChannels();
}

BOOL CDlgConfigDo::CheckDuplicateChannels() {
  for (int i = 0; i < kt::kDoCount; ++i) {
    for (int j = i + 1; j < kt::kDoCount; ++j) {
      if (IsDistinctDestination(i, j)) continue;
      AfxMessageBox(g_strDoDuplicateError.arg(i + 1).arg(j + 1), MB_ICONERROR);
      return FALSE;
    }
  }
  return TRUE;
}

BOOL CDlgConfigDo::IsDistinctDestination(int i, int j) {
  const kt::DeviceConfig& cfg = *m_pConfig;
  const kt::u32 reg = cfg.DO[i].REG;
  if (reg != cfg.DO[j].REG || reg == kt::kRegNone) return TRUE;
  if (reg == kt::kRegLocal) return cfg.DO[i].CHNO == cfg.DO[j].CHNO ? FALSE : TRUE;
  if (reg != kt::kRegPeer) return TRUE;  // demo outputs write nothing

  const int pi = kt::PeerIndexOf(cfg.DO[i].CHNO);
  const int pj = kt::PeerIndexOf(cfg.DO[j].CHNO);
  if (pi == kt::kNoPeer || pj == kt::kNoPeer) return TRUE;
  if (cfg.C[pi].MODE != 1 || cfg.C[pj].MODE != 1) return TRUE;
  if (!SameAddress(cfg.C[pi].IP, cfg.C[pj].IP)) return TRUE;

  const kt::u32 protocol = cfg.C[pi].PROTOCOL;
  if (protocol != cfg.C[pj].PROTOCOL) return TRUE;
  if (protocol == kt::kProtocolModbusTcp) {
    auto unit = [&cfg](int k, int p) {
      return cfg.MODBUS.C[p].TYPE == 1 ? cfg.MODBUS.DO[k].NODE : cfg.MODBUS.C[p].NODE;
    };
    const bool same = unit(i, pi) == unit(j, pj) && cfg.MODBUS.DO[i].TYPE == cfg.MODBUS.DO[j].TYPE &&
                      cfg.MODBUS.DO[i].NO == cfg.MODBUS.DO[j].NO;
    return same ? FALSE : TRUE;
  }
  if (protocol == kt::kProtocolSlmp) {
    kt::u32 commandI = 0, subI = 0, commandJ = 0, subJ = 0;
    DerivedSlmpPair(cfg, i, pi, commandI, subI);
    DerivedSlmpPair(cfg, j, pj, commandJ, subJ);
    const bool same = cfg.SLMP.DO[i].NO == cfg.SLMP.DO[j].NO && cfg.SLMP.DO[i].CODE == cfg.SLMP.DO[j].CODE &&
                      commandI == commandJ && subI == subJ;
    return same ? FALSE : TRUE;
  }
  return TRUE;
}
