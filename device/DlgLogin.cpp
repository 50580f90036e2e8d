#include "DlgLogin.h"

#include <algorithm>
#include <limits>

#include "ConnectionSettings.h"
#include "DeviceHooks.h"

const CString g_strLoginErrors[2] = {
    QStringLiteral("Setting error: Port address"),
    QStringLiteral("Setting error: Domain name or IP address"),
};

namespace {

constexpr int kIdAddress = 1443;
constexpr int kIdPort = 1444;
constexpr int kIdLoginId = 1445;
constexpr int kIdPassword = 1446;

constexpr int kTextLimit = 32;
constexpr int kPortMin = 1;
constexpr int kPortMax = 65535;
constexpr int kPortDefault = 80;

const QString kSection = QStringLiteral("Login");
const QString kEntryAddress = QStringLiteral("IP");
const QString kEntryPort = QStringLiteral("PORT");

// A dialog text taken through the record's UTF-8 form and back, as every
// text that leaves a dialog is.
CString ThroughUtf8(const CString& text) {
  char buffer[256];
  CString result;
  if (!CStringToUtf8(text, buffer) || !Utf8ToCString(buffer, &result)) return {};
  return result;
}

void ShowThroughUtf8(CInputString& edit, const CString& text) {
  const QByteArray utf8 = text.toUtf8();
  edit.SetTextUtf8(utf8.constData());
}

}  // namespace

namespace kt {

int ParsePortText(const QString& text) {
  qsizetype i = 0;
  while (i < text.size() &&
         (text[i] == QLatin1Char(' ') || (text[i] >= QLatin1Char('\t') && text[i] <= QLatin1Char('\r'))))
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
    negative = text[i] == QLatin1Char('-');
    ++i;
  }
  // Past int's range the value only needs to stay out of range, so it stops
  // growing there instead of overflowing.
  constexpr long long kCap = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
  long long value = 0;
  for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
    value = std::min(kCap, value * 10 + (text[i].unicode() - '0'));
  }
  if (negative) return static_cast<int>(std::max(-value, static_cast<long long>(std::numeric_limits<int>::min())));
  return static_cast<int>(std::min(value, static_cast<long long>(std::numeric_limits<int>::max())));
}

void InstallLoginDialog() {
  DeviceLinkHooks().runLoginDialog = [] {
    CDlgLogin dlg;
    return dlg.DoModal() == IDOK;
  };
}

}  // namespace kt

CDlgLogin::CDlgLogin() : CDialogEx(IDD, nullptr) {}

void CDlgLogin::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, kIdAddress, m_editAddress);
  DDX_Control(pDX, kIdPort, m_editPort);
  DDX_Control(pDX, kIdLoginId, m_editLoginId);
  DDX_Control(pDX, kIdPassword, m_editPassword);
}

BOOL CDlgLogin::OnInitDialog() {
  CDialogEx::OnInitDialog();

  m_editAddress.SetMaxLength(kTextLimit);
  m_editLoginId.SetMaxLength(kTextLimit);
  m_editPassword.SetMaxLength(kTextLimit);
  m_editPort.SetRange(kPortMin, kPortMax, kPortDefault);

  m_errors.Add(&m_editPort, g_strLoginErrors[0]);

  ShowThroughUtf8(m_editAddress, kt::GetProfileString(kSection, kEntryAddress, QString()));

  QString port = kt::GetProfileString(kSection, kEntryPort, QString());
  if (port.isEmpty()) port = QString::number(kPortDefault);
  m_editPort.SetValue(kt::ParsePortText(port));

  const kt::ConnectionSettings& connection = kt::ActiveConnection();
  ShowThroughUtf8(m_editLoginId, connection.m_strLoginId);
  ShowThroughUtf8(m_editPassword, connection.m_strPassword);
  return TRUE;
}

void CDlgLogin::OnOK() {
  // The address first, and one message per attempt.
  if (m_editAddress.GetWindowText().isEmpty()) {
    AfxMessageBox(g_strLoginErrors[1], MB_ICONERROR);
    return;
  }
  if (!m_errors.Check(TRUE)) return;

  kt::ConnectionSettings& connection = kt::ActiveConnection();

  const CString address = ThroughUtf8(m_editAddress.GetWindowText());
  kt::WriteProfileString(kSection, kEntryAddress, address);
  connection.m_strAddress = address;

  const QString port = QString::number(m_editPort.m_nValue);
  kt::WriteProfileString(kSection, kEntryPort, port);
  connection.m_nPort = kt::ParsePortText(port);

  connection.m_strLoginId = ThroughUtf8(m_editLoginId.GetWindowText());
  connection.m_strPassword = ThroughUtf8(m_editPassword.GetWindowText());

  EndDialog(IDOK);
}
