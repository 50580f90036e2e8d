#include "DlgLogging.h"

#include "MainteRequest.h"

const CString g_strLoggingItems[4] = {QStringLiteral("Stop"), QStringLiteral("Start"), QStringLiteral("Trigger"),
                                      QString()};
const CString g_strLoggingMessages[1] = {QStringLiteral("Are you sure to set the recording?")};

namespace {
constexpr int kIdState = 1448;
constexpr int kIdSet = 1449;
// The device's words for the three states, in item order ("triger" is its
// spelling).
const char* const kStateWords[3] = {"stop", "start", "triger"};
}  // namespace

CDlgLogging::CDlgLogging(int nRec, CWnd* pParent) : CDialogEx(IDD, pParent), m_nRec(nRec) {
  ON_BN_CLICKED(kIdSet, &CDlgLogging::OnBnClickedSet);
}

void CDlgLogging::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, kIdState, m_comboRec);
}

BOOL CDlgLogging::OnInitDialog() {
  CDialogEx::OnInitDialog();
  for (const CString& item : g_strLoggingItems) {
    if (item.isEmpty()) break;
    m_comboRec.AddString(item);
  }
  m_comboRec.SetCurSel(m_nRec >= 0 && m_nRec <= 2 ? m_nRec : 0);
  return TRUE;
}

void CDlgLogging::OnBnClickedSet() {
  if (!kt::ConfirmAction(g_strLoggingMessages[0])) return;
  const int index = m_comboRec.GetCurItem();
  if (index < 0 || index > 2) return;  // no state chosen: nothing to send
  const kt::HttpResult result = kt::HttpGetCommand(
      QStringLiteral("/status.json"), QStringLiteral("?rec=") + QString::fromLatin1(kStateWords[index]), false);
  kt::ShowHttpResult(result);
  if (result == kt::HTTP_RESULT_OK) EndDialog(IDOK);
}
