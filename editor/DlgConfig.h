// The setting tab: the first page of the main window (template 130), the way
// into the editor window from the factory defaults, the device or a file.
#pragma once

#include "NormalDialog.h"

class CDlgConfig : public CNormalDialog {
 public:
  enum { IDD = 130 };
  explicit CDlgConfig(CWnd* pParent = nullptr);

  // Empties the status text.
  BOOL OnInitDialog() override;

  // Each opens a fresh editor window over a record filled from its source;
  // nothing is kept from one run to the next.
  void OnNewSetting();
  void OnReadFromDevice();
  void OnReadFromFile();

  // Enter and Escape do not close the page.
  void OnOK() override {}
  void OnCancel() override {}
};

// "Failed to open file.", "File error.", "Processing...".
extern const CString g_strConfigFileMessages[3];

namespace kt {
// Largest configuration file that is read: 4 MiB.
inline constexpr qint64 kConfigFileLimit = 4194304;
}  // namespace kt
