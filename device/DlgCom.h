// The serial-port dialog (template 141): the first twenty ports of the list,
// and the choice kept as the "COM" preference.
#pragma once

#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgCom : public CNormalDialog {
 public:
  enum { IDD = 141 };
  explicit CDlgCom(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  // Lists the ports and selects the stored one (row 0 when it is not among
  // the rows).
  BOOL OnInitDialog() override;
  // Stores the selected row's port number in the preference and the profile.
  void OnOK() override;

  CSelectCombo m_comboPort;
};
