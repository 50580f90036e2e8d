#include "AboutDlg.h"

#include "AppIcon.h"
#include "FileVersion.h"

#include <QLabel>

namespace {
constexpr int kIdIcon = 128;
constexpr int kIdVersion = 1163;
constexpr int kIdNote = 1001;
}  // namespace

CAboutDlg::CAboutDlg() : CDialogEx(IDD) {}

BOOL CAboutDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();
  if (CWnd* icon = GetDlgItem(kIdIcon)) {
    if (auto* label = qobject_cast<QLabel*>(icon->GetSafeHwnd())) {
      const int side = std::min(label->width(), label->height());
      label->setPixmap(kt::AppIconPixmap(std::max(16, side)));
    }
  }
  SetDlgItemText(kIdVersion, GetFileVersion(GetModuleFileName()));
  SetDlgItemText(kIdNote, QString());
  return TRUE;
}
