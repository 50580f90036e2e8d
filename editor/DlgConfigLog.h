// The editor's "Log" page (template 193): which logs the device keeps and
// the character code it writes them in.
#pragma once

#include "ButtonTooltip.h"
#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgConfigLog : public CTabDialog {
 public:
  enum { IDD = 193 };
  explicit CDlgConfigLog(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // Never fails and never shows a message.

  void LoadSettings();
  void StoreSettings() override;

  CSelectButton m_radioSysDisable;  // 1340
  CSelectButton m_radioSysEnable;   // 1341
  CSelectButton m_radioEveDisable;  // 1342
  CSelectButton m_radioEveEnable;   // 1343
  CSelectButton m_radioComDisable;  // 1344
  CSelectButton m_radioComEnable;   // 1345
  CSelectCombo m_comboEncode;       // 1346: "UTF-8", "Shift-JIS"
};
