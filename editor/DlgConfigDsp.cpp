#include "DlgConfigDsp.h"

#include "DeviceConfig.h"
#include "DlgConfigSelect.h"
#include "InputString.h"

#include <algorithm>

const CString g_strDspErrors[2] = {
    QStringLiteral("Setting error: Switch start time"),
    QStringLiteral("Setting error: Switch Interval"),
};

namespace {

enum : int {
  kView = 1369,
  kSource = 1370,
  kChannel = 1371,
  kPage = 1372,
  kFlickerAiCombo = 1416,
  kFlickerDiCombo = 1423,
  kFlickerOiCombo = 1425,
  kFlickerAiButton = 1406,
  kFlickerDiButton = 1409,
  kFlickerOiButton = 1410,
  kSwitchDisable = 1391,
  kSwitchEnable = 1392,
  kSwitchStart = 1393,
  kSwitchInterval = 1394,
  kIdPagesTrend = 1411,
  kIdPagesOverview = 1414,
  kIdPagesAi = 1415,
  kIdPagesDi = 1417,
  kIdPagesOi = 1418,
  kIdPagesDo = 1419,
  kCheckEvent = 1420,
  kCheckComment = 1429,
  kCheckLogEve = 1430,
  kCheckLogSys = 1431,
  kCheckLogCom = 1432,
  kScreenSaver = 1390,
  kLanguage = 1407,
  kBrightness = 1408,
};

// Channel kinds of DISP.AUTOSTART.TYPE.
enum : int { kTypeAi = 1, kTypeDi = 2, kTypeOi = 3, kTypeDo = 4 };

// The absolute index of a combo's selection; 0 when nothing is selected, so
// that no field ever takes -1 (65535 in a 16-bit field) from an empty box.

// Selects the item of a record value; the first item when it has none.
template <class T>
void SelectValue(CSelectCombo& combo, T value) {
  const auto count = static_cast<long long>(combo.m_items.size());
  const auto v = static_cast<long long>(value);
  combo.SetCurSel(v >= 0 && v < count ? static_cast<int>(v) : 0);
}

void Empty(CSelectCombo& combo) {
  combo.ClearItems();
  combo.ResetContent();
}

// The rows of "Digital view (DO)" have one blank between the number and the
// name, where the selection dialog's DO filler puts two.
void AddDoViewRows(CDlgConfigSelect& dlg, const kt::DoChannelConfig* channels) {
  for (int i = 0; i < kt::kDoCount; ++i) {
    dlg.m_rows.push_back(QStringLiteral("DO%1 %2").arg(i + 1).arg(kt::FieldText(channels[i].NAME)));
  }
}

void AddNumberedRows(CDlgConfigSelect& dlg, const char* prefix, int count) {
  for (int i = 1; i <= count; ++i) dlg.m_rows.push_back(QLatin1String(prefix) + QString::number(i));
}

}  // namespace

CDlgConfigDsp::CDlgConfigDsp(CWnd* pParent) : CTabDialog(IDD, pParent) {
  ON_CBN_SELCHANGE(kView, &CDlgConfigDsp::OnCbnSelchangeView);
  ON_CBN_SELCHANGE(kSource, &CDlgConfigDsp::OnCbnSelchangeSource);
  ON_BN_CLICKED(kSwitchDisable, &CDlgConfigDsp::RefreshControls);
  ON_BN_CLICKED(kSwitchEnable, &CDlgConfigDsp::RefreshControls);
  const std::pair<int, int> flicker[] = {
      {kFlickerAiButton, kFlickerAi}, {kFlickerDiButton, kFlickerDi}, {kFlickerOiButton, kFlickerOi}};
  for (auto [id, kind] : flicker) MapCommand(id, BN_CLICKED, [this, kind = kind] { OnBnClickedFlicker(kind); });
  const std::pair<int, int> pages[] = {
      {kIdPagesTrend, CDlgConfigDsp::kPagesTrend}, {kIdPagesOverview, CDlgConfigDsp::kPagesOverview},
      {kIdPagesAi, CDlgConfigDsp::kPagesAi},       {kIdPagesDi, CDlgConfigDsp::kPagesDi},
      {kIdPagesOi, CDlgConfigDsp::kPagesOi},       {kIdPagesDo, CDlgConfigDsp::kPagesDo}};
  for (auto [id, kind] : pages) MapCommand(id, BN_CLICKED, [this, kind = kind] { OnBnClickedSwitchPages(kind); });
}

void CDlgConfigDsp::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  // Listed: the controls that the enable rules switch.
  DDX_Control(pDX, kView, m_comboView, TRUE);
  DDX_Control(pDX, kSource, m_comboSource);
  DDX_Control(pDX, kChannel, m_comboChannel);
  DDX_Control(pDX, kPage, m_comboPage);
  DDX_Control(pDX, kFlickerAiCombo, m_comboFlickerAi, TRUE);
  DDX_Control(pDX, kFlickerDiCombo, m_comboFlickerDi, TRUE);
  DDX_Control(pDX, kFlickerOiCombo, m_comboFlickerOi, TRUE);
  DDX_Control(pDX, kFlickerAiButton, m_btnFlickerAi, TRUE);
  DDX_Control(pDX, kFlickerDiButton, m_btnFlickerDi, TRUE);
  DDX_Control(pDX, kFlickerOiButton, m_btnFlickerOi, TRUE);
  DDX_Control(pDX, kSwitchDisable, m_radioSwitchDisable, TRUE);
  DDX_Control(pDX, kSwitchEnable, m_radioSwitchEnable, TRUE);
  DDX_Control(pDX, kSwitchStart, m_editSwitchStart);
  DDX_Control(pDX, kSwitchInterval, m_editSwitchInterval);
  DDX_Control(pDX, kIdPagesTrend, m_btnPagesTrend);
  DDX_Control(pDX, kIdPagesOverview, m_btnPagesOverview);
  DDX_Control(pDX, kIdPagesAi, m_btnPagesAi);
  DDX_Control(pDX, kIdPagesDi, m_btnPagesDi);
  DDX_Control(pDX, kIdPagesOi, m_btnPagesOi);
  DDX_Control(pDX, kIdPagesDo, m_btnPagesDo);
  DDX_Control(pDX, kCheckEvent, m_checkEvent);
  DDX_Control(pDX, kCheckComment, m_checkComment);
  DDX_Control(pDX, kCheckLogEve, m_checkLogEve);
  DDX_Control(pDX, kCheckLogSys, m_checkLogSys);
  DDX_Control(pDX, kCheckLogCom, m_checkLogCom);
  DDX_Control(pDX, kScreenSaver, m_comboScreenSaver, TRUE);
  DDX_Control(pDX, kLanguage, m_comboLanguage, TRUE);
  DDX_Control(pDX, kBrightness, m_comboBrightness, TRUE);
}

BOOL CDlgConfigDsp::OnInitDialog() {
  CDialog::OnInitDialog();
  InitSelectCombos();

  for (const char* view :
       {"Trend", "Event", "Comment", "Overview", "Digital view", "Event log", "System log", "Comm. log"}) {
    m_comboView.AddString(QString::fromLatin1(view));
  }
  for (const char* source : {"AI", "DI", "OI", "DO"}) m_comboSource.AddString(QString::fromLatin1(source));

  m_editSwitchStart.SetRange(10, 180, 180);
  m_errors.Add(&m_editSwitchStart, g_strDspErrors[0]);
  m_editSwitchInterval.SetRange(3, 180, 180);
  m_errors.Add(&m_editSwitchInterval, g_strDspErrors[1]);

  const kt::DisplayPageConfig& pages = m_pConfig->DISP.AUTOSCREEN.PAGE;
  const std::pair<CButton*, kt::u32> checks[] = {{&m_checkEvent, pages.EVENT},
                                                 {&m_checkComment, pages.COMMENT},
                                                 {&m_checkLogEve, pages.LOGEVE},
                                                 {&m_checkLogSys, pages.LOGSYS},
                                                 {&m_checkLogCom, pages.LOGCOM}};
  for (auto [check, mask] : checks) check->SetCheck(mask & 1u ? BST_CHECKED : BST_UNCHECKED);

  m_comboScreenSaver.AddString(QStringLiteral("None"));
  for (int m = 1; m <= 10; ++m) m_comboScreenSaver.AddString(QString::number(m));
  m_comboLanguage.AddString(QStringLiteral("Japanese"));
  m_comboLanguage.AddString(QStringLiteral("English"));
  for (int b = 1; b <= 5; ++b) m_comboBrightness.AddString(QString::number(b));

  // The controls are prepared for the view that will be shown: a stored
  // view without an item shows as the first one, with its page list.
  const kt::DisplayAutoStartConfig& start = m_pConfig->DISP.AUTOSTART;
  SetupWakeupControls(start.WAKEUP < kViewCount ? static_cast<int>(start.WAKEUP) : kViewTrend,
                      static_cast<int>(std::min<kt::u32>(start.TYPE, 0x7FFFFFFF)));
  m_comboSource.SetCurSel(0);

  LoadSettings();
  UpdateEnables();
  return TRUE;
}

void CDlgConfigDsp::SetupWakeupControls(int view, int type) {
  switch (view) {
    case kViewTrend:
      m_comboPage.FillNumberedNames(2);
      Empty(m_comboChannel);
      break;
    case kViewOverview:
      m_comboPage.FillNumberedNames(3);
      Empty(m_comboChannel);
      break;
    case kViewDigital:
      FillWakeupChannels(type);
      m_comboSource.SetCurSel(0);
      Empty(m_comboPage);
      break;
    case kViewEvent:
    case kViewComment:
    case kViewLogEve:
    case kViewLogSys:
    case kViewLogCom:
      Empty(m_comboPage);
      Empty(m_comboChannel);
      break;
    default: break;
  }
}

void CDlgConfigDsp::FillWakeupChannels(int type) {
  switch (type) {
    case kTypeAi:
    case kTypeOi: m_comboChannel.FillNumberedNames(4); break;
    case kTypeDi:
    case kTypeDo: m_comboChannel.FillNumberedNames(2); break;
    default: Empty(m_comboChannel); break;
  }
}

void CDlgConfigDsp::LoadSettings() {
  const kt::DisplayConfig& disp = m_pConfig->DISP;
  SelectValue(m_comboView, disp.AUTOSTART.WAKEUP);
  const int view = m_comboView.GetCurItemOrZero();
  if (view == kViewDigital) {
    const kt::u32 type = disp.AUTOSTART.TYPE;
    const int source = type >= kTypeDi && type <= kTypeDo ? static_cast<int>(type) - 1 : 0;
    m_comboSource.SetCurSel(source);
    // The channel list follows the source shown, also when the stored kind
    // had none: a channel is always selected.
    FillWakeupChannels(source + 1);
    SelectValue(m_comboChannel, disp.AUTOSTART.CH);
  } else if (view == kViewTrend || view == kViewOverview) {
    SelectValue(m_comboPage, disp.AUTOSTART.CH);
  }
  const BOOL on = disp.AUTOSCREEN.MODE == 1;
  m_radioSwitchEnable.SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
  m_radioSwitchDisable.SetCheck(on ? BST_UNCHECKED : BST_CHECKED);
  m_editSwitchStart.SetValue(disp.AUTOSCREEN.START);
  m_editSwitchInterval.SetValue(disp.AUTOSCREEN.INTERVAL);
  SelectValue(m_comboScreenSaver, disp.SCREENSAVER);
  SelectValue(m_comboLanguage, disp.LANGUAGE);
  SelectValue(m_comboBrightness, disp.BLIGHT);
}

void CDlgConfigDsp::StoreSettings() {
  kt::DisplayConfig& disp = m_pConfig->DISP;
  const int view = m_comboView.GetCurItemOrZero();
  disp.AUTOSTART.WAKEUP = static_cast<kt::u32>(view);
  if (view == kViewTrend || view == kViewOverview) {
    disp.AUTOSTART.CH = static_cast<kt::u16>(m_comboPage.GetCurItemOrZero());
  } else if (view == kViewDigital) {
    disp.AUTOSTART.TYPE = static_cast<kt::u32>(m_comboSource.GetCurItemOrZero() + 1);
    disp.AUTOSTART.CH = static_cast<kt::u16>(m_comboChannel.GetCurItemOrZero());
  }
  disp.AUTOSCREEN.MODE = m_radioSwitchEnable.GetCheck() == BST_CHECKED ? 1 : 0;
  disp.AUTOSCREEN.START = m_editSwitchStart.m_nValue;
  disp.AUTOSCREEN.INTERVAL = m_editSwitchInterval.m_nValue;
  kt::DisplayPageConfig& pages = disp.AUTOSCREEN.PAGE;
  const std::pair<const CButton*, kt::u32*> checks[] = {{&m_checkEvent, &pages.EVENT},
                                                        {&m_checkComment, &pages.COMMENT},
                                                        {&m_checkLogEve, &pages.LOGEVE},
                                                        {&m_checkLogSys, &pages.LOGSYS},
                                                        {&m_checkLogCom, &pages.LOGCOM}};
  for (auto [check, mask] : checks) *mask = check->GetCheck() == BST_CHECKED ? 1 : 0;
  disp.SCREENSAVER = m_comboScreenSaver.GetCurItemOrZero();
  disp.LANGUAGE = static_cast<kt::u32>(m_comboLanguage.GetCurItemOrZero());
  disp.BLIGHT = static_cast<kt::u32>(m_comboBrightness.GetCurItemOrZero());
  // The flicker and page masks went into the record when they were picked.
}

void CDlgConfigDsp::UpdateEnables() {
  DisableAllControls();
  const int view = m_comboView.GetCurItemOrZero();
  if (view == kViewTrend || view == kViewOverview) m_comboPage.EnableWindow(TRUE);
  if (view == kViewDigital) {
    m_comboSource.EnableWindow(TRUE);
    m_comboChannel.EnableWindow(TRUE);
  }
  if (m_radioSwitchEnable.GetCheck() == BST_CHECKED) {
    for (CWnd* control :
         std::initializer_list<CWnd*>{&m_editSwitchStart, &m_editSwitchInterval, &m_btnPagesTrend, &m_btnPagesOverview,
                                      &m_btnPagesAi, &m_btnPagesDi, &m_btnPagesOi, &m_btnPagesDo, &m_checkEvent,
                                      &m_checkComment, &m_checkLogEve, &m_checkLogSys, &m_checkLogCom}) {
      control->EnableWindow(TRUE);
    }
  }
}

void CDlgConfigDsp::UpdateControls() {
  const kt::DeviceConfig& cfg = *m_pConfig;
  const int ai = m_comboFlickerAi.GetCurItemOrZero();
  const int di = m_comboFlickerDi.GetCurItemOrZero();
  const int oi = m_comboFlickerOi.GetCurItemOrZero();
  Empty(m_comboFlickerAi);
  m_comboFlickerAi.FillAiChannels(cfg.AI);
  Empty(m_comboFlickerDi);
  m_comboFlickerDi.FillDiChannels(cfg.DI);
  Empty(m_comboFlickerOi);
  m_comboFlickerOi.FillOiChannels(cfg.OI);
  SelectValue(m_comboFlickerAi, ai);
  SelectValue(m_comboFlickerDi, di);
  SelectValue(m_comboFlickerOi, oi);
  UpdateEnables();
}

void CDlgConfigDsp::OnCbnSelchangeView() {
  SetupWakeupControls(m_comboView.GetCurItemOrZero(), kTypeAi);
  RefreshControls();
}

void CDlgConfigDsp::OnCbnSelchangeSource() {
  FillWakeupChannels(m_comboSource.GetCurItemOrZero() + 1);
  RefreshControls();
}

void CDlgConfigDsp::OnBnClickedFlicker(int kind) {
  kt::DisplayFlickerConfig& flicker = m_pConfig->DISP.FLICKER;
  CSelectCombo* combos[] = {&m_comboFlickerAi, &m_comboFlickerDi, &m_comboFlickerOi};
  CSelectCombo& combo = *combos[kind];
  const int channel = combo.GetCurItem();
  if (channel < 0) return;  // no channel to pick for
  kt::u32* masks[] = {flicker.AI, flicker.DI, flicker.OI};
  const int counts[] = {kt::kAiCount, kt::kDiCount, kt::kOiCount};
  if (channel >= counts[kind]) return;
  kt::u32& mask = masks[kind][channel];

  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = QStringLiteral("Flicker:") + combo.m_items[static_cast<std::size_t>(channel)];
  if (kind == kFlickerDi) {
    dlg.m_rows = {QStringLiteral("OFF"), QStringLiteral("ON")};
  } else {
    AddNumberedRows(dlg, "Zone", 5);
  }
  dlg.m_masks[0] = mask;
  if (dlg.DoModal() == IDOK) mask = dlg.m_masks[0];
}

void CDlgConfigDsp::OnBnClickedSwitchPages(int kind) {
  // Per kind: the title, the rows and the mask of DISP.AUTOSCREEN.PAGE.
  const struct {
    const char* title;
    kt::u32 kt::DisplayPageConfig::*mask;
  } kinds[] = {
      {"Auto view switch:Trend", &kt::DisplayPageConfig::TREND},
      {"Auto view switch : Overview", &kt::DisplayPageConfig::OVERVIEW},
      {"Auto view switch : Digital view (AI)", &kt::DisplayPageConfig::AI},
      {"Auto view switch : Digital view (DI)", &kt::DisplayPageConfig::DI},
      {"Auto view switch : Digital view (OI)", &kt::DisplayPageConfig::OI},
      {"Auto view switch : Digital view (DO)", &kt::DisplayPageConfig::DO},
  };
  if (kind < kPagesTrend || kind > kPagesDo) return;
  const kt::DeviceConfig& cfg = *m_pConfig;
  CDlgConfigSelect dlg(this);
  dlg.m_strTitle = QString::fromLatin1(kinds[kind].title);
  switch (kind) {
    case kPagesTrend: AddNumberedRows(dlg, "Page", 2); break;
    case kPagesOverview: AddNumberedRows(dlg, "Page", 3); break;
    case kPagesAi: dlg.AddChannelRows(cfg.AI); break;
    case kPagesDi: dlg.AddChannelRows(cfg.DI); break;
    case kPagesOi: dlg.AddChannelRows(cfg.OI); break;
    default: AddDoViewRows(dlg, cfg.DO); break;
  }
  kt::u32& mask = m_pConfig->DISP.AUTOSCREEN.PAGE.*kinds[kind].mask;
  dlg.m_masks[0] = mask;
  if (dlg.DoModal() == IDOK) mask = dlg.m_masks[0];
}
