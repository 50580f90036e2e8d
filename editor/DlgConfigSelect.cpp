#include "DlgConfigSelect.h"

#include "DeviceConfig.h"
#include "InputString.h"

#include <algorithm>

namespace {

enum : int {
  kIdList = 1407,
  kIdSelectAll = 1442,
  kIdClear = 1443,
};

template <class Channel>
void AppendChannels(std::vector<CString>& rows, const char* prefix, const Channel* channels, int count) {
  for (int i = 0; i < count; ++i) {
    rows.push_back(QStringLiteral("%1%2  ").arg(QLatin1String(prefix)).arg(i + 1) + kt::FieldText(channels[i].NAME));
  }
}

}  // namespace

CDlgConfigSelect::CDlgConfigSelect(CWnd* pParent) : CDialogEx(IDD, pParent) {
  ON_BN_CLICKED(kIdSelectAll, &CDlgConfigSelect::OnBnClickedSelectAll);
  ON_BN_CLICKED(kIdClear, &CDlgConfigSelect::OnBnClickedClear);
  ON_NOTIFY(NM_CLICK, kIdList, &CDlgConfigSelect::OnNMClickList);
  ON_NOTIFY(NM_DBLCLK, kIdList, &CDlgConfigSelect::OnNMDblclkList);
}

void CDlgConfigSelect::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, kIdList, m_list);
}

void CDlgConfigSelect::AddChannelRows(const kt::AiChannelConfig* pAi) {
  AppendChannels(m_rows, "AI", pAi, kt::kAiCount);
}
void CDlgConfigSelect::AddChannelRows(const kt::DiChannelConfig* pDi) {
  AppendChannels(m_rows, "DI", pDi, kt::kDiCount);
}
void CDlgConfigSelect::AddChannelRows(const kt::OiChannelConfig* pOi) {
  AppendChannels(m_rows, "OI", pOi, kt::kOiCount);
}
void CDlgConfigSelect::AddChannelRows(const kt::DoChannelConfig* pDo) {
  AppendChannels(m_rows, "DO", pDo, kt::kDoCount);
}

void CDlgConfigSelect::AddChannelRows(const kt::MailFormConfig* pForm) {
  for (int i = 0; i < kt::kMailFormCount; ++i) m_rows.push_back(kt::FieldText(pForm[i].SUBJECT));
}

BOOL CDlgConfigSelect::OnInitDialog() {
  CDialogEx::OnInitDialog();
  SetWindowText(m_strTitle);

  // The four mask words hold 128 rows; rows past them are left out rather
  // than shown with a check box that could not be stored.
  m_nRowCount = static_cast<int>(std::min<std::size_t>(m_rows.size(), kMaxRows));

  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  m_list.InsertColumn(0, QStringLiteral("No."), LVCFMT_LEFT, 80);
  m_list.InsertColumn(1, QStringLiteral("Item"), LVCFMT_LEFT, 280);
  for (int i = 0; i < m_nRowCount; ++i) {
    m_list.InsertItem(i, QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    m_list.SetItemText(i, 1, m_rows[static_cast<std::size_t>(i)]);
    m_list.SetCheck(i, (m_masks[i / 32] >> (i % 32)) & 1u ? TRUE : FALSE);
  }
  return TRUE;
}

void CDlgConfigSelect::OnBnClickedSelectAll() {
  for (int i = 0; i < m_nRowCount; ++i) m_list.SetCheck(i, TRUE);
}

void CDlgConfigSelect::OnBnClickedClear() {
  for (int i = 0; i < m_nRowCount; ++i) m_list.SetCheck(i, FALSE);
}

void CDlgConfigSelect::OnNMClickList(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const auto* item = reinterpret_cast<const NMITEMACTIVATE*>(pNMHDR);
  if (!item || item->iItem < 0 || item->iItem >= m_nRowCount) return;
  if (m_list.GetNextItem(-1, LVNI_SELECTED) != item->iItem) {
    m_list.SetItemState(item->iItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  }
}

void CDlgConfigSelect::OnNMDblclkList(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const int sel = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (sel < 0 || sel >= m_nRowCount) return;
  m_list.SetCheck(sel, !m_list.GetCheck(sel));
}

void CDlgConfigSelect::OnOK() {
  if (m_nRowCount == 0) {
    m_masks[0] = 0;
  } else {
    for (int w = 0; w <= (m_nRowCount - 1) / 32; ++w) {
      DWORD mask = 0;
      for (int k = 0; k < 32; ++k) {
        const int row = w * 32 + k;
        if (row < m_nRowCount && m_list.GetCheck(row)) mask |= DWORD{1} << k;
      }
      m_masks[w] = mask;
    }
  }
  CDialogEx::OnOK();
}
