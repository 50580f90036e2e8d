// The setting tab: the first page of the main window (template 130).
#pragma once

#include "NormalDialog.h"

class CDlgConfig : public CNormalDialog {
 public:
  enum { IDD = 130 };
  explicit CDlgConfig(CWnd* pParent = nullptr);

  // Empties the status text.
  BOOL OnInitDialog() override;

  // Enter and Escape do not close the page.
  void OnOK() override {}
  void OnCancel() override {}
};
