// The network services page ("COM.1"): load and store, the fallbacks of
// values without an item, port conflicts and their yellow, the linger time.
#include "DlgConfigCom.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>

namespace {

using kt::test::Retype;
constexpr int kPageCom = 0;
// Pages are added to the table over time: find the Log page by its tab.
const int kPageLog = kt::test::PageIndex("Log");

CDlgConfigCom& ComPage(CDlgConfigMain& dlg) { return dynamic_cast<CDlgConfigCom&>(*dlg.m_pages[kPageCom]); }

bool Yellow(CWnd* wnd) { return kt::test::BackgroundOf(wnd) == kInvalidColor; }

// Every field of the page away from its default.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.WEB.MODE = 0;
  c.WEB.PORT = 8080;
  kt::CopyText(c.WEB.ADMIN.LOGIN, "root_1");
  kt::CopyText(c.WEB.ADMIN.PASSWORD, "Pass_word_32_characters_long_xyz");
  kt::CopyText(c.WEB.GUEST_LOGIN, "guest");
  kt::CopyText(c.WEB.GUEST_PASSWORD, "g2");
  c.MODTD.MODE = 0;
  c.MODTD.PORT = 5020;
  c.MODTD.LINGER = 600;
  c.FTPD.MODE = 1;
  c.FTPD.PORT = 2121;
  kt::CopyText(c.FTPD.LOGIN, "ftp_user");
  kt::CopyText(c.FTPD.PASSWORD, "ftp_pass");
  c.SNTP.MODE = 0;
  // 64 characters: the whole width of the field.
  kt::CopyText(c.SNTP.SERVER, "time-server-number-one.very-long-subdomain.example-company.co.jp");
  c.SNTP.EXECTIME.HOUR = 23;
  c.SNTP.EXECTIME.MIN = 59;
  return c;
}

class DlgConfigComTest : public kt::test::EditorTest {};

}  // namespace

TEST_F(DlgConfigComTest, EachPageStoresBackWhatItLoaded) {
  const kt::DeviceConfig nonDefault = NonDefault();
  ASSERT_EQ(64u, std::strlen(nonDefault.SNTP.SERVER));
  for (const kt::DeviceConfig& cfg : {Defaults(), nonDefault}) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      for (const auto& page : dlg.m_pages) {
        EXPECT_TRUE(page->StorePage(TRUE));
        EXPECT_TRUE(page->CheckSettings(TRUE));
      }
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
      kt::test::Click(dlg, IDOK);
    });
  }
}

TEST_F(DlgConfigComTest, ValuesWithoutAnItemLoadAsTheFallbackAndStoreAsIt) {
  kt::DeviceConfig cfg = Defaults();
  cfg.WEB.MODE = 2;
  cfg.SNTP.EXECTIME.HOUR = 24;
  cfg.SNTP.EXECTIME.MIN = -1;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), ComPage(dlg).IsDlgButtonChecked(1126));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), ComPage(dlg).IsDlgButtonChecked(1127));
    EXPECT_EQ(QStringLiteral("0"), ComPage(dlg).m_comboExecHour.GetWindowText());
    EXPECT_EQ(QStringLiteral("00"), ComPage(dlg).m_comboExecMin.GetWindowText());
    for (const auto& page : dlg.m_pages) EXPECT_TRUE(page->StorePage(FALSE));
    EXPECT_EQ(0u, dlg.m_config.WEB.MODE);
    EXPECT_EQ(0, dlg.m_config.SNTP.EXECTIME.HOUR);
    EXPECT_EQ(0, dlg.m_config.SNTP.EXECTIME.MIN);
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigComTest, PortsOfEnabledServicesMustNotCollide) {
  struct Case {
    const char* name;
    bool http, modbus, ftp;  // enabled
    const char *httpPort, *modbusPort, *ftpPort;
    bool yellowHttp, yellowModbus, yellowFtp;
    const char* message;  // nullptr: stored
  };
  const Case cases[] = {
      {"defaults", true, true, false, "80", "502", "21", false, false, false, nullptr},
      {"reserved port", true, false, false, "45968", "502", "21", true, false, false,
       "Setting error: Duplicate port address"},
      {"HTTP and FTP on 80", true, false, true, "80", "502", "80", true, false, true,
       "Setting error: Duplicate port address"},
      {"FTP disabled again", true, false, false, "80", "502", "80", false, false, false, nullptr},
      {"disabled Modbus shares FTP's port", false, false, true, "80", "21", "21", false, false, false, nullptr},
      {"Modbus on FTP's port", false, true, true, "80", "21", "21", false, true, true,
       "Setting error: Duplicate port address"},
      {"port 0", true, false, false, "0", "502", "21", true, false, false, "Setting error: Port address"},
      {"port 65536", true, false, false, "65536", "502", "21", true, false, false, "Setting error: Port address"},
      {"port 65535", true, false, false, "65535", "502", "21", false, false, false, nullptr},
  };
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    CDlgConfigCom& page = ComPage(dlg);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      // Ports first, with every service enabled so that the inputs take
      // text; then the switches as a user clicks them.
      for (int id : {1127, 1138, 1142}) kt::test::Click(page, id);
      Retype(page.GetDlgItem(1023), QString::fromLatin1(c.httpPort));
      Retype(page.GetDlgItem(1303), QString::fromLatin1(c.modbusPort));
      Retype(page.GetDlgItem(1024), QString::fromLatin1(c.ftpPort));
      kt::test::Click(page, c.http ? 1127 : 1126);
      kt::test::Click(page, c.modbus ? 1138 : 1137);
      kt::test::Click(page, c.ftp ? 1142 : 1141);
      kt::test::PumpEvents();
      EXPECT_EQ(c.yellowHttp, Yellow(page.GetDlgItem(1023)));
      EXPECT_EQ(c.yellowModbus, Yellow(page.GetDlgItem(1303)));
      EXPECT_EQ(c.yellowFtp, Yellow(page.GetDlgItem(1024)));
      // A disabled service's inputs are disabled; the switches never are.
      EXPECT_EQ(c.http, static_cast<bool>(page.GetDlgItem(1128)->IsWindowEnabled()));
      EXPECT_EQ(c.ftp, static_cast<bool>(page.GetDlgItem(1144)->IsWindowEnabled()));
      EXPECT_TRUE(page.GetDlgItem(1126)->IsWindowEnabled());

      const kt::DeviceConfig before = dlg.m_config;
      if (c.message) modal.ExpectMessageBox(QString::fromLatin1(c.message), MB_ICONERROR);
      const BOOL stored = page.StorePage(TRUE);
      modal.VerifyDone();
      EXPECT_EQ(c.message == nullptr, static_cast<bool>(stored));
      if (c.message) {
        EXPECT_TRUE(SameBytes(before, dlg.m_config));
        // Asked without messages, the same store fails silently.
        EXPECT_FALSE(page.StorePage(FALSE));
      } else {
        EXPECT_EQ(c.http ? 1u : 0u, dlg.m_config.WEB.MODE);
        EXPECT_EQ(QString::fromLatin1(c.httpPort).toInt(), dlg.m_config.WEB.PORT);
      }
    }
    Retype(page.GetDlgItem(1023), QStringLiteral("80"));
    EXPECT_TRUE(page.StorePage(TRUE));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigComTest, LingerTimeRange) {
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    CDlgConfigCom& page = ComPage(dlg);
    Retype(page.GetDlgItem(1022), QStringLiteral("601"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Linger time"), MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(TRUE));
    Retype(page.GetDlgItem(1022), QStringLiteral("600"));
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(600, dlg.m_config.MODTD.LINGER);
    // The first invalid input of the page is the one reported.
    Retype(page.GetDlgItem(1022), QStringLiteral("0"));
    Retype(page.GetDlgItem(1024), QStringLiteral("0"));
    kt::test::Click(page, 1142);
    modal.ExpectMessageBox(QStringLiteral("Setting error: Linger time"), MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(TRUE));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigComTest, ADisabledValueOutOfRangeNeverTrapsTheUser) {
  // From a document: the Modbus/TCP server off, with a linger time no input
  // accepts. The page resets it when it is first shown.
  kt::DeviceConfig cfg = Defaults();
  cfg.MODTD.MODE = 0;
  cfg.MODTD.LINGER = 0;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    EXPECT_EQ(QStringLiteral("180"), ComPage(dlg).GetDlgItem(1022)->GetWindowText());
    kt::test::SelectTab(&dlg.m_tab, kPageLog);
    EXPECT_EQ(kPageLog, dlg.m_nCurPage);
    EXPECT_EQ(180, dlg.m_config.MODTD.LINGER);
    EXPECT_TRUE(modal.MessageBoxes().empty());
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// With KT_SCREENSHOT_DIR set, pictures of the editor on each page.
TEST_F(DlgConfigComTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    for (int i = 0; i < static_cast<int>(dlg.m_pages.size()); ++i) {
      kt::test::SelectTab(&dlg.m_tab, i);
      kt::test::PumpEvents();
      dlg.GetSafeHwnd()->grab().save(
          QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("editor-page-%1.png").arg(i)));
    }
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}
