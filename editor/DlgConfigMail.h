// The editor's "Mail" page (template 156): the schedule of the regular mail
// report, and the way into the account, address list and template dialogs.
//
// The address rows and the account are edited on the page's own copies,
// written back when the page is stored; the templates are edited in the
// record at once.
#pragma once

#include "DeviceConfig.h"
#include "NormalDialog.h"
#include "SelectCombo.h"

class CDlgConfigMail : public CTabDialog {
 public:
  enum { IDD = 156 };
  static constexpr int kDayCount = 31;
  static constexpr int kWeekdayCount = 7;
  static constexpr int kHourCount = 24;
  static constexpr int kTensCount = 6;

  explicit CDlgConfigMail(CWnd* pParent = nullptr);

  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  // Never fails and never shows a message.

  void LoadSettings();
  void StoreSettings() override;

  void OnBnClickedAccount();
  void OnBnClickedAddressList();
  void OnBnClickedSelectTemplate();
  void OnBnClickedTemplateSetting();

  kt::MailAddressConfig m_address[kt::kMailAddressCount]{};
  kt::SmtpConfig m_smtp{};
  kt::u32 m_nTemplateMask = 0;

  CButton m_checkDay[kDayCount];          // 1175-1205: days 1-31 of the month
  CButton m_checkWeekday[kWeekdayCount];  // 1206-1212: "Sun" to "Sat"
  CButton m_checkHour[kHourCount];        // 1213-1236: hours 0-23
  CButton m_checkTens[kTensCount];        // 1237-1242: minutes "0x" to "5x"
  CSelectCombo m_comboOnes;               // 1079: ones digit of the minute, "0" to "9"
  CSelectCombo m_comboTemplate;           // 1080: template "1" to "4" for "Template setting"
};
