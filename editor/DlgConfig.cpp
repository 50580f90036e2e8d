#include "DlgConfig.h"

CDlgConfig::CDlgConfig(CWnd* pParent) : CNormalDialog(IDD, pParent) {}
