#include "DlgConfig.h"

CDlgConfig::CDlgConfig(CWnd* pParent) : CNormalDialog(IDD, pParent) {}

BOOL CDlgConfig::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  SetDlgItemText(1143, QString());
  return TRUE;
}
