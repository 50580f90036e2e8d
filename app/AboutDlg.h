// The About box: the program's name and its file version.
#pragma once

#include "Platform.h"

class CAboutDlg : public CDialogEx {
 public:
  enum { IDD = 100 };
  CAboutDlg();

  // Fills the version (static 1163) from the running program's file and
  // empties static 1001.
  BOOL OnInitDialog() override;
};
