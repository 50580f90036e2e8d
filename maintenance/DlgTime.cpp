#include "DlgTime.h"

#include <algorithm>

#include "MainteRequest.h"

namespace {
constexpr int kIdYear = 1140;
constexpr int kIdMonth = 1141;
constexpr int kIdDay = 1142;
constexpr int kIdHour = 1143;
constexpr int kIdMinute = 1144;
constexpr int kIdSecond = 1145;
constexpr int kIdUpload = 1001;

// Shown when a list has no selection (only when the PC's clock was outside
// the lists or could not be read).
const CString kSelectDateTime = QStringLiteral("Please select the date and time.");

// A leap year inside the list: the longest a month can be when the year is
// not known.
constexpr int kAnyLeapYear = 2024;

bool ReadLocalTime(std::tm* out) {
  const std::time_t now = std::time(nullptr);
  return now != static_cast<std::time_t>(-1) && localtime_r(&now, out) != nullptr;
}

void AddNumbers(CComboBox& combo, int first, int count) {
  for (int i = 0; i < count; ++i) combo.AddString(QString::number(first + i));
}

// Selects index when it lies in the list; otherwise leaves none selected.
void SelectIfInList(CComboBox& combo, int index) {
  combo.SetCurSel(index >= 0 && index < combo.GetCount() ? index : -1);
}
}  // namespace

bool (*CDlgTime::s_pfnLocalTime)(std::tm* out) = ReadLocalTime;

CDlgTime::CDlgTime(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_CBN_SELCHANGE(kIdYear, &CDlgTime::OnCbnSelchangeYearMonth);
  ON_CBN_SELCHANGE(kIdMonth, &CDlgTime::OnCbnSelchangeYearMonth);
  ON_BN_CLICKED(kIdUpload, &CDlgTime::OnBnClickedUpload);
}

BOOL CDlgTime::CheckConnection() {
  return kt::ReportRequestResult(kt::HttpGetCommand(QStringLiteral("/adjust_time.json"), QString(), true)) ? TRUE
                                                                                                           : FALSE;
}

int CDlgTime::GetDaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  if (month == 2 && ((year % 4 == 0 && year % 100 != 0) || year % 400 == 0)) return 29;
  return kDays[month - 1];
}

void CDlgTime::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdYear, m_comboYear);
  DDX_Control(pDX, kIdMonth, m_comboMonth);
  DDX_Control(pDX, kIdDay, m_comboDay);
  DDX_Control(pDX, kIdHour, m_comboHour);
  DDX_Control(pDX, kIdMinute, m_comboMinute);
  DDX_Control(pDX, kIdSecond, m_comboSecond);
}

BOOL CDlgTime::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  AddNumbers(m_comboYear, kFirstYear, kYearCount);
  AddNumbers(m_comboMonth, 1, 12);
  AddNumbers(m_comboDay, 1, 31);
  AddNumbers(m_comboHour, 0, 24);
  AddNumbers(m_comboMinute, 0, 60);
  AddNumbers(m_comboSecond, 0, 60);

  std::tm now{};
  if (s_pfnLocalTime && s_pfnLocalTime(&now)) {
    // tm_year counts from 1900 and tm_mon from 0.
    SelectIfInList(m_comboYear, now.tm_year + 1900 - kFirstYear);
    SelectIfInList(m_comboMonth, now.tm_mon);
    SelectIfInList(m_comboDay, now.tm_mday - 1);
    SelectIfInList(m_comboHour, now.tm_hour);
    SelectIfInList(m_comboMinute, now.tm_min);
    SelectIfInList(m_comboSecond, now.tm_sec);
  }
  return TRUE;
}

void CDlgTime::FillDays(int count) {
  m_comboDay.ResetContent();
  AddNumbers(m_comboDay, 1, count);
}

void CDlgTime::OnCbnSelchangeYearMonth() {
  const int yearIndex = m_comboYear.GetCurSel();
  const int monthIndex = m_comboMonth.GetCurSel();
  const int dayIndex = m_comboDay.GetCurSel();
  // Without a month every day may be right; without a year February may
  // still have 29.
  int days = 31;
  if (monthIndex >= 0) days = GetDaysInMonth(yearIndex >= 0 ? kFirstYear + yearIndex : kAnyLeapYear, monthIndex + 1);
  FillDays(days);
  if (dayIndex >= 0) m_comboDay.SetCurSel(std::min(dayIndex + 1, days) - 1);
}

void CDlgTime::OnBnClickedUpload() {
  const int year = m_comboYear.GetCurSel();
  const int month = m_comboMonth.GetCurSel();
  const int day = m_comboDay.GetCurSel();
  const int hour = m_comboHour.GetCurSel();
  const int minute = m_comboMinute.GetCurSel();
  const int second = m_comboSecond.GetCurSel();
  for (int index : {year, month, day, hour, minute, second}) {
    if (index < 0) {
      kt::ShowInformation(kSelectDateTime);
      return;
    }
  }
  const CString query = QString::asprintf("?year=%d&mon=%d&day=%d&hour=%d&min=%d&sec=%d", year + kFirstYear, month + 1,
                                          day + 1, hour, minute, second);
  kt::ShowHttpResult(kt::HttpGetCommand(QStringLiteral("/adjust_time.json"), query, false));
}
