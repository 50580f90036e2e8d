// The FTP client page ("COM.2"): load and store, the client switch, the port
// check, and the failure outputs chosen in the selection dialog.
#include "DlgConfigCom2.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>

namespace {

using kt::test::Retype;

CDlgConfigCom2& Com2Page(CDlgConfigMain& dlg) {
  for (const auto& page : dlg.m_pages) {
    if (auto* com2 = dynamic_cast<CDlgConfigCom2*>(page.get())) return *com2;
  }
  ADD_FAILURE() << "no COM.2 page";
  std::abort();
}

// Every field of the page away from its default, texts at full width.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.FTPC.MODE = 1;
  c.FTPC.ACC.EXPLICIT = 1;
  kt::CopyText(c.FTPC.ACC.SERVER, "ftp-server-number-one.very-long-subdomain.example-company.co.jpn");
  c.FTPC.ACC.PORT = 65535;
  kt::CopyText(c.FTPC.ACC.LOGIN, "login_id_32_characters_long_abcd");
  kt::CopyText(c.FTPC.ACC.PASSWORD, "Pass_word_32_characters_long_xyz");
  c.FTPC.ACC.PASV = 0;
  kt::CopyText(c.FTPC.ACC.SUBDIR, "records/2026/device-01/with/a/rather/long/path/to/fill/it/up_xyz");
  c.FTPC.ACC.ALMDO = 3;
  return c;
}

// Every control of the page but the client's own switch.
constexpr int kFollowers[] = {1128, 1129, 1130, 1422, 1423, 1424, 1131, 1132, 1425, 1426};

class DlgConfigCom2Test : public kt::test::EditorTest {};

TEST_F(DlgConfigCom2Test, StoresBackWhatItLoaded) {
  const kt::DeviceConfig nonDefault = NonDefault();
  ASSERT_EQ(64u, std::strlen(nonDefault.FTPC.ACC.SERVER));
  ASSERT_EQ(64u, std::strlen(nonDefault.FTPC.ACC.SUBDIR));
  ASSERT_EQ(32u, std::strlen(nonDefault.FTPC.ACC.LOGIN));
  for (const kt::DeviceConfig& cfg : {Defaults(), nonDefault}) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigCom2& page = Com2Page(dlg);
      page.RefreshControls();
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
      kt::test::Click(dlg, IDOK);
    });
  }
}

TEST_F(DlgConfigCom2Test, TheClientSwitchEnablesTheRestAndStoringWritesEverything) {
  kt::DeviceConfig cfg = NonDefault();
  cfg.FTPC.MODE = 2;  // no such switch value: "Disable"
  // Full inputs take no typed characters, not even over a selection.
  kt::CopyText(cfg.FTPC.ACC.SERVER, "old.example.org");
  kt::CopyText(cfg.FTPC.ACC.SUBDIR, "old");
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigCom2& page = Com2Page(dlg);
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), page.IsDlgButtonChecked(1427));
    EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), page.IsDlgButtonChecked(1428));
    struct Step {
      int click;
      bool enabled;
    };
    for (const Step& s : {Step{0, false}, Step{1428, true}, Step{1427, false}, Step{1428, true}}) {
      SCOPED_TRACE(s.click);
      if (s.click) kt::test::Click(page, s.click);
      EXPECT_TRUE(page.GetDlgItem(1427)->IsWindowEnabled());
      EXPECT_TRUE(page.GetDlgItem(1428)->IsWindowEnabled());
      for (int id : kFollowers) EXPECT_EQ(s.enabled, static_cast<bool>(page.GetDlgItem(id)->IsWindowEnabled())) << id;
    }
    // Edited while enabled, then the client switched off: every field is
    // still written from the controls; the invalid port went back to 21.
    Retype(page.GetDlgItem(1130), QStringLiteral("example.org"));
    Retype(page.GetDlgItem(1422), QStringLiteral("0"));
    Retype(page.GetDlgItem(1425), QStringLiteral("logs"));
    kt::test::Click(page, 1128);  // FTPS "Disable"
    kt::test::Click(page, 1132);  // ignore PASV "Enable"
    kt::test::Click(page, 1427);
    EXPECT_EQ(QStringLiteral("21"), page.GetDlgItem(1422)->GetWindowText());
    EXPECT_TRUE(page.StorePage(TRUE));
    const kt::FtpClientConfig& ftp = dlg.m_config.FTPC;
    EXPECT_EQ(0u, ftp.MODE);
    EXPECT_EQ(0u, ftp.ACC.EXPLICIT);
    EXPECT_EQ(1u, ftp.ACC.PASV);
    EXPECT_STREQ("example.org", ftp.ACC.SERVER);
    EXPECT_EQ(21, ftp.ACC.PORT);
    EXPECT_STREQ("logs", ftp.ACC.SUBDIR);
    EXPECT_STREQ(cfg.FTPC.ACC.LOGIN, ftp.ACC.LOGIN);
    EXPECT_EQ(3u, ftp.ACC.ALMDO);
    EXPECT_TRUE(modal.MessageBoxes().empty());
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigCom2Test, APortOutsideItsRangeIsRefusedWithItsMessage) {
  struct Case {
    const char* port;
    bool stored;
  };
  const Case cases[] = {{"0", false}, {"65536", false}, {"", false}, {"1", true}, {"65535", true}};
  kt::DeviceConfig cfg = Defaults();
  cfg.FTPC.MODE = 1;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigCom2& page = Com2Page(dlg);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.port);
      Retype(page.GetDlgItem(1422), QString::fromLatin1(c.port));
      Retype(page.GetDlgItem(1423), QStringLiteral("changed"));
      const kt::DeviceConfig before = dlg.m_config;
      if (!c.stored) modal.ExpectMessageBox(QStringLiteral("Setting error: Port address"), MB_ICONERROR);
      EXPECT_EQ(c.stored, static_cast<bool>(page.StorePage(TRUE)));
      modal.VerifyDone();
      if (c.stored) {
        EXPECT_EQ(QString::fromLatin1(c.port).toInt(), dlg.m_config.FTPC.ACC.PORT);
      } else {
        EXPECT_TRUE(SameBytes(before, dlg.m_config));
        EXPECT_FALSE(page.StorePage(FALSE));  // silently
      }
    }
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigCom2Test, FailureOutputsGoIntoTheRecordOnOkOnly) {
  kt::DeviceConfig cfg = Defaults();
  cfg.FTPC.MODE = 1;
  cfg.FTPC.ACC.ALMDO = 0xFFFFFFFD;  // DO1 and bits of no output
  kt::CopyText(cfg.DO[1].NAME, "Horn");
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigCom2& page = Com2Page(dlg);
    // Cancel after changes leaves the mask alone.
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
      kt::test::Click(sel, 1442);
      kt::test::Click(sel, IDCANCEL);
    });
    kt::test::Click(page, 1426);
    modal.VerifyDone();
    EXPECT_EQ(0xFFFFFFFDu, dlg.m_config.FTPC.ACC.ALMDO);

    // DO2 alone, OK: written at once, without a store of the page.
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
      EXPECT_EQ(QStringLiteral("Communication failure output setting"), sel.GetWindowText());
      ASSERT_EQ(2, sel.m_list.GetItemCount());
      EXPECT_EQ(QStringLiteral("DO2  Horn"), sel.m_list.GetItemText(1, 1));
      EXPECT_TRUE(sel.m_list.GetCheck(0));
      EXPECT_FALSE(sel.m_list.GetCheck(1));
      kt::test::Click(sel, 1443);
      sel.m_list.SetCheck(1, TRUE);
      kt::test::Click(sel, IDOK);
    });
    kt::test::Click(page, 1426);
    modal.VerifyDone();
    EXPECT_EQ(2u, dlg.m_config.FTPC.ACC.ALMDO);
    // A later store of the page keeps it.
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(2u, dlg.m_config.FTPC.ACC.ALMDO);
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page with the client enabled.
TEST_F(DlgConfigCom2Test, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    CDlgConfigCom2& page = Com2Page(dlg);
    for (int i = 0; i < static_cast<int>(dlg.m_pages.size()); ++i) {
      if (dlg.m_pages[static_cast<std::size_t>(i)].get() == &page) kt::test::SelectTab(&dlg.m_tab, i);
    }
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("editor-com2.png")));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

}  // namespace
