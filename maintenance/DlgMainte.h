// The maintenance tab: the second page of the main window (template 131).
// Each button performs one action on the running device; the first request
// of every action asks for the login.
#pragma once

#include "NormalDialog.h"

// "Failed to communicate.", "Failed to read file.", "Are you sure to clear
// trend?", "Completed.", "Are you sure to test FTP client?", "Requested a
// test.", "No disk". The first two are never shown.
extern const CString g_strMainteMessages[7];

class CDlgMainte : public CNormalDialog {
 public:
  enum { IDD = 131 };
  explicit CDlgMainte(CWnd* pParent = nullptr);

  // Enter and Escape do not close the page.
  void OnOK() override {}
  void OnCancel() override {}

  void OnBnClickedDateTime();     // 1006: clock dialog after a check request
  void OnBnClickedInformation();  // 1007: "/info.json" into the information dialog
  void OnBnClickedSystemLog();    // 1009
  void OnBnClickedCommLog();      // 1010
  void OnBnClickedEventLog();     // 1015
  void OnBnClickedClearTrend();   // 1016
  void OnBnClickedMailTest();     // 1011
  void OnBnClickedFtpTest();      // 1017
  void OnBnClickedDiskUsage();    // 1018
  void OnBnClickedLogging();      // 1014, hidden: the recording dialog
  void OnBnClickedNothing();      // 1012, 1013
};
