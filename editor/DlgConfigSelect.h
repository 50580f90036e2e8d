// The check-list dialog through which pages and dialogs choose a set of rows
// (outputs, channels, mail templates, display pages) as a bit mask.
//
// The caller sets the title and the initial mask, appends rows (with a
// filler or texts of its own), runs it modally, and on IDOK reads
// m_masks[0] back. Row i is bit i % 32 of m_masks[i / 32]. The dialog knows
// nothing of what the rows mean.
#pragma once

#include "Platform.h"

#include <vector>

namespace kt {
struct AiChannelConfig;
struct DiChannelConfig;
struct OiChannelConfig;
struct DoChannelConfig;
struct MailFormConfig;
}  // namespace kt

class CDlgConfigSelect : public CDialogEx {
 public:
  enum { IDD = 199 };
  // Rows past this many are not shown and take no bits.
  static constexpr int kMaxRows = 128;

  explicit CDlgConfigSelect(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  // Fillers: one row per entry of the record's array, given its first entry.
  // Channels show "AI1  " + name (likewise DI, OI, DO); mail templates show
  // their subject alone.
  void AddChannelRows(const kt::AiChannelConfig* pAi);   // 4 rows
  void AddChannelRows(const kt::DiChannelConfig* pDi);   // 2 rows
  void AddChannelRows(const kt::OiChannelConfig* pOi);   // 4 rows
  void AddChannelRows(const kt::DoChannelConfig* pDo);   // 2 rows
  void AddChannelRows(const kt::MailFormConfig* pForm);  // 4 rows

  void OnBnClickedSelectAll();
  void OnBnClickedClear();
  void OnNMClickList(NMHDR* pNMHDR, LRESULT* pResult);
  void OnNMDblclkList(NMHDR* pNMHDR, LRESULT* pResult);

  int m_nRowCount = 0;
  CListCtrl m_list;  // 1407
  CString m_strTitle;
  std::vector<CString> m_rows;
  DWORD m_masks[4] = {0, 0, 0, 0};
};
