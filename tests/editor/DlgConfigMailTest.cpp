// The "Mail" page: the regular report's schedule as the record holds it, and
// what each of its four dialogs changes, where and when.
#include "DlgConfigMail.h"
#include "DlgConfigMailAccount.h"
#include "DlgConfigMailAddrlist.h"
#include "DlgConfigMailForm.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

using kt::test::Retype;

// Every field that the page touches away from its default.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  kt::CopyText(c.MAIL.A[0].NAME, "Operator");
  kt::CopyText(c.MAIL.A[0].ADDR, "op@example.com");
  kt::CopyText(c.MAIL.A[7].NAME, "Last");
  kt::CopyText(c.MAIL.A[7].ADDR, "last@example.com");
  c.SMTP.MODE = 1;
  kt::CopyText(c.SMTP.SERVER, "smtp.example.com");
  kt::CopyText(c.SMTP.LOGIN, "mailer");
  kt::CopyText(c.SMTP.PASSWORD, "secret");
  c.SMTP.PORT = 587;
  c.SMTP.STARTTLS = 1;
  c.SMTP.ALMDO = 0x2;
  for (int f = 0; f < kt::kMailFormCount; ++f) {
    kt::CopyText(c.MAIL.F[f].SUBJECT, (std::string("Report ") + char('1' + f)).c_str());
  }
  c.MAIL.REG.FORM = 0x9;
  c.MAIL.REG.EXECTIME.DAY = 0x40000001u;  // days 1 and 31
  c.MAIL.REG.EXECTIME.WEEK = 0x41;        // Sunday and Saturday
  c.MAIL.REG.EXECTIME.HOUR = 0x800001u;   // hours 0 and 23
  c.MAIL.REG.EXECTIME.MIN = 0x21;         // 0x and 5x
  c.MAIL.REG.EXECTIME.OFFSET = 9;
  return c;
}

class DlgConfigMailTest : public kt::test::EditorTest {
 protected:
  // Runs the editor over cfg with the mail page shown.
  void RunOnPage(const kt::DeviceConfig& cfg, const std::function<void(CDlgConfigMain&, CDlgConfigMail&)>& body) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      for (std::size_t i = 0; i < dlg.m_pages.size(); ++i) {
        if (auto* page = dynamic_cast<CDlgConfigMail*>(dlg.m_pages[i].get())) {
          kt::test::SelectTab(&dlg.m_tab, static_cast<int>(i));
          ASSERT_TRUE(page->IsWindowVisible());
          body(dlg, *page);
          kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
          return;
        }
      }
      ADD_FAILURE() << "no mail page";
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
};

}  // namespace

TEST_F(DlgConfigMailTest, StoresBackWhatItLoaded) {
  const kt::DeviceConfig nonDefault = NonDefault();
  for (const kt::DeviceConfig& cfg : {Defaults(), nonDefault}) {
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
    });
  }
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(DlgConfigMailTest, ScheduleBitsWithoutABoxAreDropped) {
  struct Case {
    const char* name;
    kt::u32 day, hour;
    kt::u8 week, min, offset;
    kt::u32 storedDay, storedHour;
    kt::u8 storedWeek, storedMin, storedOffset;
    const char* ones;  // shown in the ones combo
  };
  const Case cases[] = {
      {"every bit", 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFF, 0xFF, 9, 0x7FFFFFFFu, 0xFFFFFFu, 0x7F, 0x3F, 9, "9"},
      {"only the bits past the boxes", 0x80000000u, 0xFF000000u, 0x80, 0xC0, 0, 0, 0, 0, 0, 0, "0"},
      {"ones digit 12", 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, "0"},
      {"ones digit 255", 0, 0, 0, 0, 255, 0, 0, 0, 0, 0, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = Defaults();
    kt::MailExecTimeConfig& t = cfg.MAIL.REG.EXECTIME;
    t.DAY = c.day;
    t.HOUR = c.hour;
    t.WEEK = c.week;
    t.MIN = c.min;
    t.OFFSET = c.offset;
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
      EXPECT_EQ(QString::fromLatin1(c.ones), page.m_comboOnes.GetWindowText());
      EXPECT_TRUE(page.StorePage(TRUE));
      const kt::MailExecTimeConfig& s = dlg.m_config.MAIL.REG.EXECTIME;
      EXPECT_EQ(c.storedDay, s.DAY);
      EXPECT_EQ(c.storedHour, s.HOUR);
      EXPECT_EQ(c.storedWeek, s.WEEK);
      EXPECT_EQ(c.storedMin, s.MIN);
      EXPECT_EQ(c.storedOffset, s.OFFSET);
    });
  }
}

TEST_F(DlgConfigMailTest, ClickedBoxesAndTheOnesDigitMakeTheSchedule) {
  RunOnPage(Defaults(), [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
    for (int id = 1175; id <= 1242; ++id) kt::test::Click(page, id);
    kt::test::SelectComboItem(&page.m_comboOnes, 7);
    EXPECT_TRUE(page.StorePage(FALSE));
    const kt::MailExecTimeConfig& s = dlg.m_config.MAIL.REG.EXECTIME;
    EXPECT_EQ(0x7FFFFFFFu, s.DAY);
    EXPECT_EQ(127, s.WEEK);
    EXPECT_EQ(0xFFFFFFu, s.HOUR);
    EXPECT_EQ(63, s.MIN);
    EXPECT_EQ(7, s.OFFSET);
    // Unchecking "Sun", hour 23 and "5x" clears just their bits.
    for (int id : {1206, 1236, 1242}) kt::test::Click(page, id);
    EXPECT_TRUE(page.StorePage(FALSE));
    EXPECT_EQ(126, s.WEEK);
    EXPECT_EQ(0x7FFFFFu, s.HOUR);
    EXPECT_EQ(31, s.MIN);
  });
}

TEST_F(DlgConfigMailTest, AccountAndAddressesReachTheRecordWhenThePageIsStored) {
  const kt::DeviceConfig cfg = NonDefault();
  for (const int closeWith : {IDOK, IDCANCEL}) {
    SCOPED_TRACE(closeWith == IDOK ? "OK" : "Cancel");
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
      modal.ExpectDialog<CDlgConfigMailAccount>([&](CDlgConfigMailAccount& d) {
        EXPECT_EQ("Account setting", d.GetWindowText());
        EXPECT_EQ("smtp.example.com", d.m_editServer.GetWindowText());
        Retype(&d.m_editPort, QStringLiteral("2525"));
        kt::test::Click(d, closeWith);
      });
      kt::test::Click(page, 1004);
      modal.ExpectDialog<CDlgConfigMailAddrlist>([&](CDlgConfigMailAddrlist& d) {
        EXPECT_EQ("Operator", d.m_editName[0].GetWindowText());
        Retype(&d.m_editName[1], QStringLiteral("Second"));
        Retype(&d.m_editAddress[1], QStringLiteral("second@example.com"));
        kt::test::Click(d, closeWith);
      });
      kt::test::Click(page, 1003);
      // The template's "Mail to" list shows the page's rows, stored or not.
      modal.ExpectDialog<CDlgConfigMailForm>([&](CDlgConfigMailForm& d) {
        EXPECT_EQ(closeWith == IDOK ? "A2  Second<second@example.com>" : "A2  ", d.m_listMailTo.GetText(1));
        kt::test::Click(d, IDCANCEL);
      });
      kt::test::Click(page, 1243);

      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));  // nothing in the record yet
      EXPECT_TRUE(page.StorePage(TRUE));
      kt::DeviceConfig expected = cfg;
      if (closeWith == IDOK) {
        expected.SMTP.PORT = 2525;
        kt::CopyText(expected.MAIL.A[1].NAME, "Second");
        kt::CopyText(expected.MAIL.A[1].ADDR, "second@example.com");
      }
      EXPECT_TRUE(SameBytes(expected, dlg.m_config));
    });
  }
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(DlgConfigMailTest, TemplateSelectionBecomesTheReportsTemplatesOnOk) {
  const kt::DeviceConfig cfg = NonDefault();  // FORM 0x9
  for (const int closeWith : {IDOK, IDCANCEL}) {
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
      modal.ExpectDialog<CDlgConfigSelect>([&](CDlgConfigSelect& d) {
        EXPECT_EQ("Mail template selection", d.GetWindowText());
        ASSERT_EQ(4u, d.m_rows.size());
        EXPECT_EQ("Report 3", d.m_rows[2]);
        EXPECT_TRUE(d.m_list.GetCheck(0));
        EXPECT_FALSE(d.m_list.GetCheck(1));
        EXPECT_TRUE(d.m_list.GetCheck(3));
        kt::test::Click(d, 1442);  // "Select all"
        kt::test::Click(d, closeWith);
      });
      kt::test::Click(page, 1174);
      EXPECT_EQ(0x9u, dlg.m_config.MAIL.REG.FORM);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_EQ(closeWith == IDOK ? 0xFu : 0x9u, dlg.m_config.MAIL.REG.FORM);
    });
  }
}

TEST_F(DlgConfigMailTest, TemplateSettingEditsTheChosenTemplateInTheRecordAtOnce) {
  const kt::DeviceConfig cfg = NonDefault();
  for (const int closeWith : {IDOK, IDCANCEL}) {
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigMail& page) {
      EXPECT_EQ("1", page.m_comboTemplate.GetWindowText());
      kt::test::SelectComboItem(&page.m_comboTemplate, 2);
      modal.ExpectDialog<CDlgConfigMailForm>([&](CDlgConfigMailForm& d) {
        EXPECT_EQ("Mail template setting", d.GetWindowText());
        EXPECT_EQ("Report 3", d.m_editSubject.GetWindowText());
        EXPECT_EQ("A1  Operator<op@example.com>", d.m_listMailTo.GetText(0));
        Retype(&d.m_editSubject, QStringLiteral("Daily"));
        d.m_listMailTo.SetCheck(0, 1);  // a recipient with an address: no question
        kt::test::Click(d, closeWith);
      });
      kt::test::Click(page, 1243);
      kt::DeviceConfig expected = cfg;
      if (closeWith == IDOK) {
        std::memset(expected.MAIL.F[2].SUBJECT, 0, sizeof expected.MAIL.F[2].SUBJECT);
        kt::CopyText(expected.MAIL.F[2].SUBJECT, "Daily");
        expected.MAIL.F[2].A = 0x1;
      }
      EXPECT_TRUE(SameBytes(expected, dlg.m_config));  // before the page is stored
    });
  }
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

// With KT_SCREENSHOT_DIR set, a picture of the page.
TEST_F(DlgConfigMailTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunOnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigMail&) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("mail-page.png")));
  });
}
