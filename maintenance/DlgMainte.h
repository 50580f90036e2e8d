// The maintenance tab: the second page of the main window (template 131).
#pragma once

#include "NormalDialog.h"

class CDlgMainte : public CNormalDialog {
 public:
  enum { IDD = 131 };
  explicit CDlgMainte(CWnd* pParent = nullptr);

  // Enter and Escape do not close the page.
  void OnOK() override {}
  void OnCancel() override {}
};
