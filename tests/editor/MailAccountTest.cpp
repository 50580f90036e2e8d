// The mail account dialog: what reaches the caller's copy, the enable rules,
// the port check and the failure outputs.
#include "DlgConfigMailAccount.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::SmtpConfig;

SmtpConfig Sample() {
  SmtpConfig s{};
  s.MODE = 1;
  kt::CopyText(s.SERVER, "smtp.example.com");
  kt::CopyText(s.LOGIN, "mailer");
  kt::CopyText(s.PASSWORD, "secret");
  s.PORT = 587;
  s.OVERSSL = 1;
  s.STARTTLS = 1;
  s.ALMDO = 2;
  return s;
}

bool Same(const SmtpConfig& a, const SmtpConfig& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class MailAccountTest : public kt::test::EditorTest {
 protected:
  INT_PTR Run(SmtpConfig& smtp, const std::function<void(CDlgConfigMailAccount&)>& body) {
    modal.ExpectDialog<CDlgConfigMailAccount>(body);
    CDlgConfigMailAccount dlg;
    dlg.m_pConfig = &cfg;
    dlg.m_pSmtp = &smtp;
    dlg.m_strTitle = QStringLiteral("Account setting");
    return dlg.DoModal();
  }
  kt::DeviceConfig cfg = Defaults();
};

}  // namespace

TEST_F(MailAccountTest, OkWritesTheControlsBackAndKeepsWhatTheyDoNotShow) {
  SmtpConfig smtp = Sample();
  smtp.OVERSSL = 2;  // no item: shown and stored as "Disable"
  Run(smtp, [](CDlgConfigMailAccount& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Account setting");
    EXPECT_EQ(dlg.m_comboOverSsl.GetCurSel(), 0);
    EXPECT_EQ(dlg.m_comboStartTls.GetCurSel(), 1);
    EXPECT_EQ(dlg.m_editPassword.GetWindowText(), "secret");
    kt::test::Click(dlg, 1465);  // "Disable"
    kt::test::Click(dlg, IDOK);
  });
  SmtpConfig expected = Sample();
  expected.MODE = 0;
  expected.OVERSSL = 0;
  EXPECT_TRUE(Same(smtp, expected));  // texts, port, STARTTLS and ALMDO kept
}

TEST_F(MailAccountTest, StartTlsFollowsSmtpOverSslAndEverythingFollowsTheMode) {
  SmtpConfig smtp = Sample();
  Run(smtp, [](CDlgConfigMailAccount& dlg) {
    auto enabled = [&](int id) { return dlg.GetDlgItem(id)->IsWindowEnabled() != FALSE; };
    EXPECT_TRUE(enabled(1150));
    kt::test::SelectComboItem(&dlg.m_comboOverSsl, 0);
    EXPECT_FALSE(enabled(1150));
    EXPECT_EQ(dlg.m_comboStartTls.GetCurSel(), 1);  // kept while disabled
    EXPECT_TRUE(enabled(1269));
    kt::test::Click(dlg, 1465);
    for (int id : {1269, 1011, 1012, 1013, 1270, 1150, 1434}) EXPECT_FALSE(enabled(id)) << id;
    kt::test::Click(dlg, 1466);
    for (int id : {1269, 1011, 1012, 1013, 1270, 1434}) EXPECT_TRUE(enabled(id)) << id;
    EXPECT_FALSE(enabled(1150));
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(smtp.OVERSSL, 0u);
  EXPECT_EQ(smtp.STARTTLS, 1u);
}

TEST_F(MailAccountTest, AnInvalidPortKeepsTheDialogOpenUntilItIsMendedOrDisabled) {
  for (const bool disable : {false, true}) {
    SmtpConfig smtp = Sample();
    const INT_PTR result = Run(smtp, [&](CDlgConfigMailAccount& dlg) {
      kt::test::Retype(&dlg.m_editPort, "0");
      modal.ExpectMessageBox("Setting error: Port address", MB_ICONERROR);
      kt::test::Click(dlg, IDOK);
      EXPECT_FALSE(dlg.IsEnded());
      if (disable) {
        kt::test::Click(dlg, 1465);  // a disabled invalid port returns to its default
        EXPECT_EQ(dlg.m_editPort.GetWindowText(), "465");
      } else {
        kt::test::Retype(&dlg.m_editPort, "2525");
      }
      kt::test::Click(dlg, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(smtp.PORT, disable ? 465 : 2525);
  }
}

TEST_F(MailAccountTest, FailureOutputsReachTheCallerOnlyThroughOk) {
  kt::CopyText(cfg.DO[1].NAME, "Buzzer");
  for (const int closeWith : {IDOK, IDCANCEL}) {
    SmtpConfig smtp = Sample();
    Run(smtp, [&](CDlgConfigMailAccount& dlg) {
      modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
        EXPECT_EQ(sel.GetWindowText(), "Failure output setting");
        ASSERT_EQ(sel.m_rows.size(), 2u);
        EXPECT_EQ(sel.m_rows[1], "DO2  Buzzer");
        EXPECT_FALSE(sel.m_list.GetCheck(0));
        EXPECT_TRUE(sel.m_list.GetCheck(1));
        kt::test::Click(sel, 1442);  // "Select all"
        kt::test::Click(sel, IDOK);
      });
      kt::test::Click(dlg, 1434);
      EXPECT_EQ(dlg.m_smtp.ALMDO, 3u);
      kt::test::Click(dlg, closeWith);
    });
    EXPECT_EQ(smtp.ALMDO, closeWith == IDOK ? 3u : 2u);
  }
}

TEST_F(MailAccountTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  SmtpConfig smtp = Sample();
  Run(smtp, [&](CDlgConfigMailAccount& dlg) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("mail-account.png"));
    kt::test::Click(dlg, IDCANCEL);
  });
}
