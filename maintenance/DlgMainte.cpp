#include "DlgMainte.h"

#include <cstring>

#include "DlgDiskUse.h"
#include "DlgLog.h"
#include "DlgLogging.h"
#include "DlgMac.h"
#include "DlgMailTest.h"
#include "DlgTime.h"
#include "MainteRequest.h"

const CString g_strMainteMessages[7] = {
    QStringLiteral("Failed to communicate."),
    QStringLiteral("Failed to read file."),
    QStringLiteral("Are you sure to clear trend?"),
    QStringLiteral("Completed."),
    QStringLiteral("Are you sure to test FTP client?"),
    QStringLiteral("Requested a test."),
    QStringLiteral("No disk"),
};

namespace {
enum MainteMessage { kClearTrendQuestion = 2, kCompleted = 3, kFtpTestQuestion = 4, kTestRequested = 5, kNoDisk = 6 };

// A confirmed command whose answer is not needed; `done` on success.
void RunConfirmedCommand(int question, const QString& path, const QString& query, int done) {
  if (!kt::ConfirmAction(g_strMainteMessages[question])) return;
  if (kt::ReportRequestResult(kt::HttpGetCommand(path, query, true))) kt::ShowInformation(g_strMainteMessages[done]);
}

template <class Viewer>
void OpenLogViewer(CWnd* parent) {
  Viewer dlg(parent);
  CString text;
  if (!dlg.LoadLog(text, TRUE, nullptr)) return;
  dlg.m_strLog = text;
  dlg.DoModal();
}
}  // namespace

CDlgMainte::CDlgMainte(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_BN_CLICKED(1006, &CDlgMainte::OnBnClickedDateTime);
  ON_BN_CLICKED(1007, &CDlgMainte::OnBnClickedInformation);
  ON_BN_CLICKED(1009, &CDlgMainte::OnBnClickedSystemLog);
  ON_BN_CLICKED(1010, &CDlgMainte::OnBnClickedCommLog);
  ON_BN_CLICKED(1015, &CDlgMainte::OnBnClickedEventLog);
  ON_BN_CLICKED(1016, &CDlgMainte::OnBnClickedClearTrend);
  ON_BN_CLICKED(1011, &CDlgMainte::OnBnClickedMailTest);
  ON_BN_CLICKED(1017, &CDlgMainte::OnBnClickedFtpTest);
  ON_BN_CLICKED(1018, &CDlgMainte::OnBnClickedDiskUsage);
  ON_BN_CLICKED(1012, &CDlgMainte::OnBnClickedNothing);
  ON_BN_CLICKED(1013, &CDlgMainte::OnBnClickedNothing);
  ON_BN_CLICKED(1014, &CDlgMainte::OnBnClickedLogging);
}

void CDlgMainte::OnBnClickedNothing() {}

void CDlgMainte::OnBnClickedInformation() {
  kt::DeviceInfo info{};
  if (!kt::ReadDeviceDocument(QStringLiteral("/info.json"), QString(), true, &info, kt::JsonReadInfo)) return;
  CDlgMac dlg(this);
  dlg.SetInfo(info);
  dlg.DoModal();
}

void CDlgMainte::OnBnClickedDiskUsage() {
  kt::SdInfo sd{};
  if (!kt::ReadDeviceDocument(QStringLiteral("/sdinfo.json"), QString(), true, &sd, kt::JsonReadSdInfo)) return;
  // The reader ends every text with a zero byte inside its field.
  if (!std::strstr(sd.Sd, "ON")) {
    kt::ShowInformation(g_strMainteMessages[kNoDisk]);
    return;
  }
  const std::optional<double> size = ParseDiskSize(sd.SIZE);
  if (!size) {
    kt::ShowError(QStringLiteral("tl"));
    return;
  }
  const std::optional<double> space = ParseDiskSize(sd.SPACE);
  if (!space) {
    kt::ShowError(QStringLiteral("sp"));
    return;
  }
  CDlgDiskUse dlg(this);
  dlg.m_strSpace = FormatDiskSize(*space);
  dlg.m_strSize = FormatDiskSize(*size);
  dlg.DoModal();
}

void CDlgMainte::OnBnClickedDateTime() {
  CDlgTime dlg(this);
  if (dlg.CheckConnection()) dlg.DoModal();
}

void CDlgMainte::OnBnClickedMailTest() {
  CDlgMailTest dlg(this);
  if (dlg.LoadTemplates()) dlg.DoModal();
}

void CDlgMainte::OnBnClickedClearTrend() {
  RunConfirmedCommand(kClearTrendQuestion, QStringLiteral("/trend_clear.json"), QStringLiteral("?clear=enable"),
                      kCompleted);
}

void CDlgMainte::OnBnClickedFtpTest() {
  RunConfirmedCommand(kFtpTestQuestion, QStringLiteral("/ftpc.json"), QStringLiteral("?type=test"), kTestRequested);
}

void CDlgMainte::OnBnClickedLogging() {
  kt::DeviceStatus status{};
  if (!kt::ReadDeviceDocument(QStringLiteral("/status.json"), QString(), true, &status, kt::JsonReadStatus)) return;
  CDlgLogging dlg(static_cast<int>(status.Rec), this);
  dlg.DoModal();
}

void CDlgMainte::OnBnClickedSystemLog() { OpenLogViewer<CDlgSlog>(this); }
void CDlgMainte::OnBnClickedCommLog() { OpenLogViewer<CDlgClog>(this); }
void CDlgMainte::OnBnClickedEventLog() { OpenLogViewer<CDlgElog>(this); }
