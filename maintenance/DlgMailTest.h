// "Mail report test" (template 157): the device's four mail forms by
// subject; "Perform report test" has the device send the selected one.
#pragma once

#include <vector>

#include "NormalDialog.h"

// "Completed.", "Failed in sending." (never shown), "Are you sure to send
// test mail?", "Please select a form.".
extern const CString g_strMailTestMessages[4];
extern const CString g_strMailTestSubjectLabel;  // "Subject"

class CDlgMailTest : public CNormalDialog {
 public:
  enum { IDD = 157 };
  explicit CDlgMailTest(CWnd* pParent = nullptr);

  // Reads the subjects from "/mail.json" (with the login) into m_subjects,
  // all four, empty ones too. FALSE after any failure, which is reported.
  BOOL LoadTemplates();

  void DoDataExchange(CDataExchange* pDX) override;
  // One row per subject: "No." counted from 1 and the subject; row 0
  // selected.
  BOOL OnInitDialog() override;
  // Confirms, then asks the device to send the selected form (stored
  // login). The dialog stays open.
  void OnBnClickedTest();

  std::vector<CString> m_subjects;
  CListCtrl m_listTemplates;
};
