// "Mail template setting" (template 161): one mail template's subject, body,
// recipients and the channel values it carries, edited on a copy that OK
// writes over the record's template. The channels are chosen in the channel
// selection dialog.
#pragma once

#include "DeviceConfig.h"
#include "InputString.h"
#include "NormalDialog.h"

class CDlgConfigMailForm : public CNormalDialog {
 public:
  enum { IDD = 161 };
  // The attachment kinds, in the order of their buttons 1430-1433.
  enum { kAttachAi, kAttachDi, kAttachOi, kAttachDo };

  explicit CDlgConfigMailForm(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  void OnOK() override;

  void LoadSettings();
  void StoreSettings();
  // TRUE when a checked recipient has an address, or the user accepts
  // sending to none.
  BOOL CheckRecipients();

  void OnBnClickedFactor();
  void OnBnClickedReportingFactor(int nKind);

  // The record, for the channel names of the pickers.
  kt::DeviceConfig* m_pConfig = nullptr;
  kt::MailFormConfig m_form{};
  // The record's template; set before DoModal.
  kt::MailFormConfig* m_pForm = nullptr;
  // The address rows as the mail page holds them.
  kt::MailAddressConfig m_address[kt::kMailAddressCount]{};
  CString m_strTitle;

  CInputString m_editSubject;  // 1010
  CInputString m_editBody;     // 1011, multi-line
  CCheckListBox m_listMailTo;  // 1272
  CButton m_checkFactor;       // 1429
};

// "Mail address not specified."
extern const CString g_strMailFormQuestion;
