// The three log viewers: "System log" (template 147), "Comm. log" (203) and
// "Event log" (204). Each shows its log as text, one line per used entry in
// the device's order, and can have the device clear it.
#pragma once

#include "DeviceDocuments.h"
#include "NormalDialog.h"

// The confirmations of the reset buttons.
extern const CString g_strClogMessages[1];  // "Are you sure to clear communication log?"
extern const CString g_strElogMessages[1];  // "Are you sure to clear event log?"
extern const CString g_strSlogMessages[1];  // "Are you sure to clear system log?"

// One line of each log, ending in "\r\n". Texts are decoded as UTF-8; the
// entry's count or number is shown counted from 1.
CString FormatComLogLine(const kt::ComLogEntry& e);
CString FormatEventLogLine(const kt::EventLogEntry& e);
CString FormatSystemLogLine(const kt::SystemLogEntry& e);

// What the three viewers share: the text field, the reset button and its
// confirmation, and the text the opener loaded.
class CDlgLogViewer : public CNormalDialog {
 public:
  CDlgLogViewer(UINT nIDTemplate, int nTextId, int nResetId, const CString& question, CWnd* pParent);

  // Loads the log into text, one line per entry whose year is not 0. A
  // failed request or an unreadable document is reported, leaves text as it
  // was and gives FALSE (silently for a cancelled login). query may be null.
  virtual BOOL LoadLog(CString& text, BOOL bPrompt, const CString* query) = 0;

  void DoDataExchange(CDataExchange* pDX) override;
  // The loaded text becomes the field's text.
  BOOL OnInitDialog() override;
  // After the confirmation, reloads with "?clear=enable" and the stored
  // login; the field shows the member text whatever the result, so a failure
  // leaves the previous text.
  void OnBnClickedReset();

  CString m_strLog;
  CEdit m_editLog;

 private:
  int m_nTextId;
  const CString& m_strQuestion;
};

class CDlgClog : public CDlgLogViewer {
 public:
  enum { IDD = 203 };
  explicit CDlgClog(CWnd* pParent = nullptr);
  BOOL LoadLog(CString& text, BOOL bPrompt, const CString* query) override;
};

class CDlgElog : public CDlgLogViewer {
 public:
  enum { IDD = 204 };
  explicit CDlgElog(CWnd* pParent = nullptr);
  BOOL LoadLog(CString& text, BOOL bPrompt, const CString* query) override;
};

class CDlgSlog : public CDlgLogViewer {
 public:
  enum { IDD = 147 };
  explicit CDlgSlog(CWnd* pParent = nullptr);
  BOOL LoadLog(CString& text, BOOL bPrompt, const CString* query) override;
};
