#include "DlgMainte.h"

CDlgMainte::CDlgMainte(CWnd* pParent) : CNormalDialog(IDD, pParent) {}
