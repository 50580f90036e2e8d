#include "DlgZone.h"

#include "DlgConfigSelect.h"

#include <QWidget>

#include <algorithm>
#include <cstring>
#include <string>

const CString g_strZoneCaptions[3] = {
    QStringLiteral("Alarm output"),
    QStringLiteral("Reset function value"),
    QStringLiteral("Mail template No."),
};

namespace {

constexpr int kIdTab = 1021;

// "Basic": per zone (index 0-4 = Zone 1-5) its two buttons and check box.
struct BasicRow {
  int alarm;
  int reset;
  int trigger;
};
constexpr BasicRow kBasicRows[kt::kZoneCount] = {
    {1055, 1056, 1129}, {1052, 1053, 1130}, {1049, 1050, 1131}, {1046, 1047, 1132}, {1043, 1044, 1133},
};

// Rows from Zone 5 down to Zone 1, as the templates show them.
constexpr CDlgZoneLevelPage::Row kUpperRows[4] = {
    {4, 1138, 1350, 1465},
    {3, 1137, 1349, 1464},
    {2, 1136, 1348, 1463},
    {1, 1135, 1347, 1462},
};
constexpr CDlgZoneLevelPage::Row kLowerRows[4] = {
    {3, 1140, 1368, 1466},
    {2, 1141, 1367, 1465},
    {1, 1142, 1366, 1464},
    {0, 1143, 1365, 1463},
};

// The message input's field holds 32 characters; the record's 97 bytes take
// any 32 of them in UTF-8.
constexpr int kMessageLength = 32;

// Zone z (Zone z+1) is in use for the opener's "Partitions" index: two zones
// at least, up to five.
BOOL ZoneUsed(int zone, int partition) { return zone <= std::max(1, partition); }

// Runs the selection dialog over the rows `fill` appends; on OK the mask
// replaces `mask`.
template <class Fill>
void RunSelect(CWnd* parent, const CString& title, kt::u32& mask, Fill fill) {
  CDlgConfigSelect dlg(parent);
  dlg.m_strTitle = title;
  dlg.m_masks[0] = mask;
  fill(dlg);
  if (dlg.DoModal() == IDOK) mask = dlg.m_masks[0];
}

}  // namespace

// ---------------------------------------------------------------------------
// "Basic"

CDlgZoneT1::CDlgZoneT1(CWnd* pParent) : CTabDialog(IDD, pParent) {
  for (int z = 0; z < kt::kZoneCount; ++z) {
    const BasicRow& row = kBasicRows[z];
    MapCommand(row.alarm, BN_CLICKED, [this, z] { SelectAlarmOutput(z); });
    MapCommand(row.reset, BN_CLICKED, [this, z] { SelectResetFunction(z); });
    MapCommand(row.trigger, BN_CLICKED, [this, z] { OnBnClickedTrigger(z); });
  }
}

BOOL CDlgZoneT1::OnInitDialog() {
  CTabDialog::OnInitDialog();
  for (int z = 0; z < kt::kZoneCount; ++z) {
    const BasicRow& row = kBasicRows[z];
    CheckDlgButton(row.trigger, m_pZones[z].TRIG != 0 ? BST_CHECKED : BST_UNCHECKED);
    const BOOL used = ZoneUsed(z, m_nPartition);
    for (int id : {row.alarm, row.reset, row.trigger}) GetDlgItem(id)->EnableWindow(used);
  }
  return TRUE;
}

BOOL CDlgZoneT1::StorePage(BOOL) { return TRUE; }

void CDlgZoneT1::RefreshControls() {}

void CDlgZoneT1::SelectAlarmOutput(int zone) {
  RunSelect(this, g_strZoneCaptions[0], m_pZones[zone].ALMDO,
            [this](CDlgConfigSelect& dlg) { dlg.AddChannelRows(m_pConfig->DO); });
}

void CDlgZoneT1::SelectResetFunction(int zone) {
  RunSelect(this, g_strZoneCaptions[1], m_pZones[zone].RSTOI,
            [this](CDlgConfigSelect& dlg) { dlg.AddChannelRows(m_pConfig->OI); });
}

void CDlgZoneT1::OnBnClickedTrigger(int zone) {
  m_pZones[zone].TRIG = IsDlgButtonChecked(kBasicRows[zone].trigger) == BST_CHECKED ? 1 : 0;
}

// ---------------------------------------------------------------------------
// "Upper" and "Lower"

CDlgZoneLevelPage::CDlgZoneLevelPage(UINT nIDTemplate, int level, const Row (&rows)[4], CWnd* pParent)
    : CTabDialog(nIDTemplate, pParent), m_nLevel(level), m_rows(rows) {
  for (const Row& row : m_rows) {
    const int zone = row.zone;
    MapCommand(row.button, BN_CLICKED, [this, zone] { SelectMailTemplate(zone); });
    MapCommand(row.check, BN_CLICKED, [this, zone] { OnBnClickedTrendRecord(zone); });
  }
}

void CDlgZoneLevelPage::DoDataExchange(CDataExchange* pDX) {
  CTabDialog::DoDataExchange(pDX);
  for (int i = 0; i < 4; ++i) DDX_Control(pDX, m_rows[i].edit, m_editMsg[i]);
}

const CDlgZoneLevelPage::Row* CDlgZoneLevelPage::RowOfZone(int zone) const {
  for (const Row& row : m_rows) {
    if (row.zone == zone) return &row;
  }
  return nullptr;
}

// LEVEL[0] of zone z lies between zones z-1 and z; LEVEL[1] between z and
// z+1. The limit is used when the upper of its two zones is.
BOOL CDlgZoneLevelPage::LimitUsed(int zone) const { return ZoneUsed(zone + m_nLevel, m_nPartition); }

BOOL CDlgZoneLevelPage::OnInitDialog() {
  CTabDialog::OnInitDialog();
  for (int i = 0; i < 4; ++i) {
    const Row& row = m_rows[i];
    const kt::ZoneLimitConfig& limit = Limit(row.zone);
    m_editMsg[i].SetMaxLength(kMessageLength);
    kt::LoadText(m_editMsg[i], limit.MSG);
    m_strShown[i] = m_editMsg[i].GetWindowText();
    CheckDlgButton(row.check, limit.TREC != 0 ? BST_CHECKED : BST_UNCHECKED);
    const BOOL used = LimitUsed(row.zone);
    for (int id : {row.edit, row.button, row.check}) GetDlgItem(id)->EnableWindow(used);
  }
  // Zone 2's message: the limit just above or below it.
  for (int i = 0; i < 4; ++i) {
    if (m_rows[i].zone == 1) {
      m_editMsg[i].SetFocus();
      m_pLastFocus = &m_editMsg[i];
    }
  }
  return TRUE;
}

BOOL CDlgZoneLevelPage::StorePage(BOOL) {
  for (int i = 0; i < 4; ++i) {
    const CString text = m_editMsg[i].GetWindowText();
    if (text == m_strShown[i]) continue;
    kt::StoreText(m_editMsg[i], Limit(m_rows[i].zone).MSG);
    m_strShown[i] = text;
  }
  // Only a control of this page is worth coming back to. A click on a tab
  // or on the dialog's buttons has already taken the focus away; then the
  // page's own last focused control is the one.
  QWidget* page = GetSafeHwnd();
  if (!page) return TRUE;
  CWnd* focus = CWnd::GetFocus();
  QWidget* target = focus ? focus->GetSafeHwnd() : nullptr;
  if (!target || !page->isAncestorOf(target)) target = page->focusWidget();
  if (target && page->isAncestorOf(target)) {
    if (CWnd* wnd = CWnd::FromHandle(target)) m_pLastFocus = wnd;
  }
  return TRUE;
}

void CDlgZoneLevelPage::RefreshControls() {
  QWidget* page = GetSafeHwnd();
  if (!m_pLastFocus || !page) return;
  QWidget* target = m_pLastFocus->GetSafeHwnd();
  if (target && page->isAncestorOf(target) && m_pLastFocus->IsWindowEnabled()) m_pLastFocus->SetFocus();
}

void CDlgZoneLevelPage::SelectMailTemplate(int zone) {
  RunSelect(this, g_strZoneCaptions[2], Limit(zone).FORM,
            [this](CDlgConfigSelect& dlg) { dlg.AddChannelRows(m_pConfig->MAIL.F); });
}

void CDlgZoneLevelPage::OnBnClickedTrendRecord(int zone) {
  const Row* row = RowOfZone(zone);
  if (!row) return;
  Limit(zone).TREC = IsDlgButtonChecked(row->check) == BST_CHECKED ? 1 : 0;
}

CDlgZoneT2::CDlgZoneT2(CWnd* pParent) : CDlgZoneLevelPage(IDD, 0, kUpperRows, pParent) {}

CDlgZoneT3::CDlgZoneT3(CWnd* pParent) : CDlgZoneLevelPage(IDD, 1, kLowerRows, pParent) {}

// ---------------------------------------------------------------------------
// The dialog

CDlgZone::CDlgZone(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  std::memset(m_zones, 0, sizeof m_zones);
  ON_NOTIFY(TCN_SELCHANGE, kIdTab, &CDlgZone::OnTcnSelchangeTab);
}

CDlgZone::~CDlgZone() = default;

void CDlgZone::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdTab, m_tab);
}

BOOL CDlgZone::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  std::memcpy(m_zones, m_pZones, sizeof m_zones);

  m_tab.InsertItem(0, QStringLiteral("Basic"));
  m_tab.InsertItem(1, QStringLiteral("Upper"));
  m_tab.InsertItem(2, QStringLiteral("Lower"));

  // The pages cover the tab control's display area, reaching 2 pixels
  // further left and down.
  CRect rect;
  m_tab.GetClientRect(&rect);
  m_tab.AdjustRect(FALSE, &rect);
  rect.left -= 2;
  rect.bottom += 2;

  auto add = [&](CTabDialog* page, UINT templateId, auto setup) {
    std::unique_ptr<CTabDialog> owned(page);
    owned->m_pConfig = m_pConfig;
    setup();
    owned->Create(templateId, &m_tab);
    owned->MoveWindow(rect, TRUE);
    if (QWidget* w = owned->GetSafeHwnd()) w->setAutoFillBackground(false);  // let the tab frame show
    m_pages.push_back(std::move(owned));
  };
  auto* basic = new CDlgZoneT1(&m_tab);
  add(basic, CDlgZoneT1::IDD, [&] {
    basic->m_pZones = m_zones;
    basic->m_nPartition = m_nPartition;
  });
  auto* upper = new CDlgZoneT2(&m_tab);
  add(upper, CDlgZoneT2::IDD, [&] {
    upper->m_pZones = m_zones;
    upper->m_nPartition = m_nPartition;
  });
  auto* lower = new CDlgZoneT3(&m_tab);
  add(lower, CDlgZoneT3::IDD, [&] {
    lower->m_pZones = m_zones;
    lower->m_nPartition = m_nPartition;
  });

  m_nCurPage = 0;
  m_tab.SetCurSel(0);
  m_pages[0]->ShowWindow(SW_SHOW);
  Invalidate(TRUE);
  return TRUE;
}

void CDlgZone::OnTcnSelchangeTab(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const int sel = m_tab.GetCurSel();
  if (sel < 0 || sel >= static_cast<int>(m_pages.size())) return;
  if (sel != m_nCurPage && !m_pages[static_cast<std::size_t>(m_nCurPage)]->StorePage(TRUE)) {
    m_tab.SetCurSel(m_nCurPage);
    return;
  }
  SetRedraw(FALSE);
  for (std::size_t i = 0; i < m_pages.size(); ++i) {
    if (static_cast<int>(i) == sel) {
      m_pages[i]->ShowWindow(SW_SHOW);
      m_pages[i]->RefreshControls();
    } else {
      m_pages[i]->ShowWindow(SW_HIDE);
    }
  }
  SetRedraw(TRUE);
  Invalidate(TRUE);
  m_nCurPage = sel;
}

void CDlgZone::OnOK() {
  if (!m_pages.empty() && !m_pages[static_cast<std::size_t>(m_nCurPage)]->StorePage(TRUE)) return;
  std::memcpy(m_pZones, m_zones, sizeof m_zones);
  CNormalDialog::OnOK();
}
