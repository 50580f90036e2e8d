#include "DlgMailTest.h"

#include "InputString.h"
#include "MainteRequest.h"

const CString g_strMailTestMessages[4] = {
    QStringLiteral("Completed."),
    QStringLiteral("Failed in sending."),
    QStringLiteral("Are you sure to send test mail?"),
    QStringLiteral("Please select a form."),
};
const CString g_strMailTestSubjectLabel = QStringLiteral("Subject");

namespace {
constexpr int kIdList = 1456;
constexpr int kIdTest = 1277;
enum { kCompleted = 0, kSendQuestion = 2, kSelectForm = 3 };
}  // namespace

CDlgMailTest::CDlgMailTest(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_BN_CLICKED(kIdTest, &CDlgMailTest::OnBnClickedTest);
}

BOOL CDlgMailTest::LoadTemplates() {
  kt::MailSubjectList mail{};
  if (!kt::ReadDeviceDocument(QStringLiteral("/mail.json"), QString(), true, &mail, kt::JsonReadMail)) return FALSE;
  for (const auto& subject : mail.SUBJECT) m_subjects.push_back(kt::FieldText(subject));
  return TRUE;
}

void CDlgMailTest::DoDataExchange(CDataExchange* pDX) {
  CNormalDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kIdList, m_listTemplates);
}

BOOL CDlgMailTest::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  m_listTemplates.SetExtendedStyle(m_listTemplates.GetExtendedStyle() | LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  m_listTemplates.InsertColumn(0, QStringLiteral("No."), LVCFMT_LEFT, 80);
  m_listTemplates.InsertColumn(1, g_strMailTestSubjectLabel, LVCFMT_LEFT, 300);
  for (int i = 0; i < static_cast<int>(m_subjects.size()); ++i) {
    const int row = m_listTemplates.InsertItem(i, QString::number(i + 1));
    m_listTemplates.SetItemText(row, 1, m_subjects[static_cast<std::size_t>(i)]);
  }
  if (m_listTemplates.GetItemCount() > 0)
    m_listTemplates.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  return TRUE;
}

void CDlgMailTest::OnBnClickedTest() {
  const int row = m_listTemplates.GetNextItem(-1, LVNI_SELECTED);
  if (row < 0) {
    kt::ShowInformation(g_strMailTestMessages[kSelectForm]);
    return;
  }
  if (!kt::ConfirmAction(g_strMailTestMessages[kSendQuestion])) return;
  const kt::HttpResult result =
      kt::HttpGetCommand(QStringLiteral("/mail.json"), QString::asprintf("?form=%d", row), false);
  if (kt::ReportRequestResult(result)) kt::ShowInformation(g_strMailTestMessages[kCompleted]);
}
