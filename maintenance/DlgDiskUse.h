// "Disk usage" (template 205): free space and capacity of the device's
// memory card, and the size texts they are shown in.
#pragma once

#include <optional>
#include <string>

#include "InputString.h"
#include "NormalDialog.h"

// A size in bytes as the dialog shows it, keeping the width fields' leading
// spaces: "%4.0f B" below 1024, then "%7.3f KB", "%7.3f MB", "%7.3f GB",
// each below the next power of 1024 (GB for everything above).
std::string FormatDiskSize(double bytes);

// A size text of the disk document read as a decimal floating-point number,
// the whole text consumed; an empty text is 0. Nothing for any other text or
// for an overflow to infinity. Independent of the locale.
std::optional<double> ParseDiskSize(const char* text);

class CDlgDiskUse : public CNormalDialog {
 public:
  enum { IDD = 205 };
  explicit CDlgDiskUse(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  std::string m_strSpace;  // free space, as FormatDiskSize gives it
  std::string m_strSize;   // capacity

  CInputString m_editSpace;
  CInputString m_editSize;
};
