// The recording dialog (template 202): stop, start or trigger the device's
// recording. Its button on the maintenance tab is hidden, so users never
// reach it.
#pragma once

#include "Platform.h"
#include "SelectCombo.h"

// "Stop", "Start", "Trigger", then an empty text that ends the list.
extern const CString g_strLoggingItems[4];
// "Are you sure to set the recording?"
extern const CString g_strLoggingMessages[1];

class CDlgLogging : public CDialogEx {
 public:
  enum { IDD = 202 };
  // nRec: the device's recording state (0 stop, 1 start, 2 trigger).
  explicit CDlgLogging(int nRec, CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  // The items, with the current state selected (Stop for an unknown state).
  BOOL OnInitDialog() override;
  // Confirms, then sends the selected state with the stored login; the
  // result is always shown, and success closes the dialog.
  void OnBnClickedSet();

  int m_nRec;
  CSelectCombo m_comboRec;
};
