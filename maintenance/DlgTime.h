// "Date/Time" (template 146): the device clock is set from six lists that
// start at the PC's local time.
#pragma once

#include <ctime>

#include "NormalDialog.h"

class CDlgTime : public CNormalDialog {
 public:
  enum { IDD = 146 };
  static constexpr int kFirstYear = 2020;
  static constexpr int kYearCount = 51;  // 2020..2070

  explicit CDlgTime(CWnd* pParent = nullptr);

  // Asks the device whether it is reachable ("/adjust_time.json", with the
  // login). TRUE only on success; failures are reported.
  BOOL CheckConnection();
  // Days of a month 1..12 (leap years: divisible by 4 and not by 100, or by
  // 400); 31 for a month outside 1..12.
  static int GetDaysInMonth(int year, int month);

  void DoDataExchange(CDataExchange* pDX) override;
  // Fills the lists (days 1..31 whatever the month) and selects the PC's
  // local time; a value outside its list leaves that list without a
  // selection, and no time leaves every list without one.
  BOOL OnInitDialog() override;
  // Year or month changed: the day list gets the month's length and the
  // selected day is kept, or cut to the month's last day.
  void OnCbnSelchangeYearMonth();
  // Sends the six shown values to the device with the stored login. A list
  // without a selection sends nothing and asks for a choice.
  void OnBnClickedUpload();

  // Reads the local time; false when it cannot be read. Tests replace it.
  static bool (*s_pfnLocalTime)(std::tm* out);

  CComboBox m_comboYear;
  CComboBox m_comboMonth;
  CComboBox m_comboDay;
  CComboBox m_comboHour;
  CComboBox m_comboMinute;
  CComboBox m_comboSecond;

 private:
  void FillDays(int count);
};
