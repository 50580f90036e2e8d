#include "DlgLog.h"

#include <vector>

#include "InputString.h"
#include "MainteRequest.h"

const CString g_strClogMessages[1] = {QStringLiteral("Are you sure to clear communication log?")};
const CString g_strElogMessages[1] = {QStringLiteral("Are you sure to clear event log?")};
const CString g_strSlogMessages[1] = {QStringLiteral("Are you sure to clear system log?")};

namespace {

enum : int { kYear, kMonth, kDay, kHour, kMinute, kSecond, kMillisecond };

CString StampWithMilliseconds(const kt::u16 (&t)[kt::kLogTimeCount]) {
  return QString::asprintf("%d/%02d/%02d %02d:%02d:%02d.%03d", int{t[kYear]}, int{t[kMonth]}, int{t[kDay]},
                           int{t[kHour]}, int{t[kMinute]}, int{t[kSecond]}, int{t[kMillisecond]});
}

// The whole family's load: request, reader on 32 cleared entries, one line
// per used entry.
template <class Entry>
BOOL LoadLogText(const char* path, kt::u32 (*reader)(Entry*, const char*, std::size_t), CString (*format)(const Entry&),
                 CString& text, BOOL bPrompt, const CString* query) {
  std::vector<Entry> entries(kt::kLogEntryCount);  // value-initialised: every year 0
  if (!kt::ReadDeviceDocument(QString::fromLatin1(path), query ? *query : QString(), bPrompt != FALSE, entries.data(),
                              reader))
    return FALSE;
  text.clear();
  for (const Entry& e : entries) {
    if (e.Time[kYear] != 0) text += format(e);
  }
  return TRUE;
}

}  // namespace

CString FormatComLogLine(const kt::ComLogEntry& e) {
  return StampWithMilliseconds(e.Time) + u' ' + kt::FieldText(e.Type) + u' ' + QString::number(int{e.Count} + 1) +
         u' ' + kt::FieldText(e.Result) + u' ' + kt::FieldText(e.FormFile) + u' ' + kt::FieldText(e.Message) +
         QStringLiteral("\r\n");
}

CString FormatEventLogLine(const kt::EventLogEntry& e) {
  return StampWithMilliseconds(e.Time) + u' ' + kt::FieldText(e.Type) + u' ' + QString::number(int{e.No} + 1) + u' ' +
         kt::FieldText(e.Name) + u' ' + kt::FieldText(e.Comment) + u' ' + kt::FieldText(e.Message) +
         QStringLiteral("\r\n");
}

CString FormatSystemLogLine(const kt::SystemLogEntry& e) {
  const kt::u16(&t)[kt::kLogTimeCount] = e.Time;
  return QString::asprintf("%d/%02d/%02d %02d:%02d:%02d ", int{t[kYear]}, int{t[kMonth]}, int{t[kDay]}, int{t[kHour]},
                           int{t[kMinute]}, int{t[kSecond]}) +
         kt::FieldText(e.Message) + QStringLiteral("\r\n");
}

CDlgLogViewer::CDlgLogViewer(UINT nIDTemplate, int nTextId, int nResetId, const CString& question, CWnd* pParent)
    : CNormalDialog(nIDTemplate, pParent), m_nTextId(nTextId), m_strQuestion(question) {
  ON_BN_CLICKED(nResetId, &CDlgLogViewer::OnBnClickedReset);
}

void CDlgLogViewer::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, m_nTextId, m_editLog);
}

BOOL CDlgLogViewer::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  m_editLog.SetWindowText(m_strLog);
  return TRUE;
}

void CDlgLogViewer::OnBnClickedReset() {
  if (!kt::ConfirmAction(m_strQuestion)) return;
  const CString clear = QStringLiteral("?clear=enable");
  LoadLog(m_strLog, FALSE, &clear);
  m_editLog.SetWindowText(m_strLog);
}

CDlgClog::CDlgClog(CWnd* pParent) : CDlgLogViewer(IDD, 1450, 1451, g_strClogMessages[0], pParent) {}

BOOL CDlgClog::LoadLog(CString& text, BOOL bPrompt, const CString* query) {
  return LoadLogText("/log_com.json", kt::JsonReadComLog, FormatComLogLine, text, bPrompt, query);
}

CDlgElog::CDlgElog(CWnd* pParent) : CDlgLogViewer(IDD, 1454, 1455, g_strElogMessages[0], pParent) {}

BOOL CDlgElog::LoadLog(CString& text, BOOL bPrompt, const CString* query) {
  return LoadLogText("/log_event.json", kt::JsonReadEventLog, FormatEventLogLine, text, bPrompt, query);
}

CDlgSlog::CDlgSlog(CWnd* pParent) : CDlgLogViewer(IDD, 1142, 1145, g_strSlogMessages[0], pParent) {}

BOOL CDlgSlog::LoadLog(CString& text, BOOL bPrompt, const CString* query) {
  return LoadLogText("/log_system.json", kt::JsonReadSystemLog, FormatSystemLogLine, text, bPrompt, query);
}
