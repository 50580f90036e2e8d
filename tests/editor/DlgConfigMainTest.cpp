// The editor window: tabs, Quit and its question, Save file, Upload, Escape.
#include "AppPreferences.h"
#include "ConfigPages.h"
#include "DlgConfigCom.h"
#include "DlgConfigMain.h"
#include "EditorTestFixture.h"

#include <QDir>
#include <QFileInfo>
#include <QTabBar>
#include <cstring>

#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <optional>

namespace {

using kt::test::FakeResponse;
using kt::test::Retype;

constexpr int kPageCom = 0;
// Pages are added to the table over time: find the Log page by its tab.
const int kPageLog = kt::test::PageIndex("Log");
const QString kDiscard = QStringLiteral("Are you sure you want to discard the settings?");

CDlgConfigCom& ComPage(CDlgConfigMain& dlg) { return dynamic_cast<CDlgConfigCom&>(*dlg.m_pages[kPageCom]); }

int VisiblePages(CDlgConfigMain& dlg) {
  int n = 0;
  for (const auto& page : dlg.m_pages) n += page->IsWindowVisible() ? 1 : 0;
  return n;
}

class DlgConfigMainTest : public kt::test::EditorTest {
 protected:
  // The save dialog of "Save file", answered with path (nothing: Cancel);
  // checks the name offered. Expect it before what follows it.
  void ExpectSaveDialog(const QString& offered, std::optional<QString> path) {
    modal.ExpectFileDialog(path, [offered](const kt::FileDialogRequest& r) {
      EXPECT_FALSE(r.open);
      EXPECT_EQ(offered, r.fileName);
      EXPECT_EQ(QStringLiteral("json"), r.defaultExt);
      EXPECT_EQ(QStringLiteral("CFG File(*.json)|*.json||"), r.filter);
      EXPECT_EQ(OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR, r.flags);
    });
  }
  // "Save file" answered with path, then the box that says how it went.
  void Save(CDlgConfigMain& dlg, const QString& offered, std::optional<QString> path,
            std::optional<QString> message = std::nullopt, UINT icon = 0) {
    ExpectSaveDialog(offered, path);
    if (message) modal.ExpectMessageBox(*message, icon);
    kt::test::Click(dlg, 1012);
  }
};

}  // namespace

TEST_F(DlgConfigMainTest, TheWindowShowsItsTitleTabsAndOnePage) {
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    EXPECT_EQ(QStringLiteral("Setting"), dlg.GetSafeHwnd()->windowTitle());
    auto* bar = dlg.m_tab.GetSafeHwnd()->findChild<QTabBar*>();
    ASSERT_NE(nullptr, bar);
    // One tab per page of the table, whatever pages it holds.
    ASSERT_EQ(static_cast<int>(ConfigPageTable().size()), bar->count());
    EXPECT_EQ(QStringLiteral("COM.1"), bar->tabText(kPageCom));
    EXPECT_EQ(QStringLiteral("Log"), bar->tabText(kPageLog));
    EXPECT_EQ(0, dlg.m_tab.GetCurSel());
    EXPECT_TRUE(dlg.m_pages[kPageCom]->IsWindowVisible());
    EXPECT_EQ(1, VisiblePages(dlg));
    for (const auto& page : dlg.m_pages) {
      EXPECT_EQ(dlg.m_tab.GetSafeHwnd(), page->GetSafeHwnd()->parentWidget());
      EXPECT_EQ(&dlg.m_config, page->m_pConfig);
    }
    // The "COM" button and the message check box exist but lie below the
    // window; the check box is not even visible.
    const int height = dlg.GetSafeHwnd()->height();
    EXPECT_GE(dlg.GetDlgItem(1011)->GetSafeHwnd()->geometry().top(), height);
    EXPECT_GE(dlg.GetDlgItem(1157)->GetSafeHwnd()->geometry().top(), height);
    EXPECT_FALSE(dlg.GetDlgItem(1157)->IsWindowVisible());
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigMainTest, ARefusedTabSwitchShowsOneMessageAndKeepsTheTab) {
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("601"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Linger time"), MB_ICONERROR);
    kt::test::SelectTab(&dlg.m_tab, kPageLog);
    EXPECT_EQ(1u, modal.MessageBoxes().size());
    EXPECT_EQ(kPageCom, dlg.m_tab.GetCurSel());
    EXPECT_EQ(kPageCom, dlg.m_nCurPage);
    EXPECT_TRUE(dlg.m_pages[kPageCom]->IsWindowVisible());
    EXPECT_EQ(1, VisiblePages(dlg));

    // Mended, the switch goes through and stores the page.
    Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("600"));
    kt::test::SelectTab(&dlg.m_tab, kPageLog);
    EXPECT_EQ(kPageLog, dlg.m_nCurPage);
    EXPECT_TRUE(dlg.m_pages[kPageLog]->IsWindowVisible());
    EXPECT_EQ(1, VisiblePages(dlg));
    EXPECT_EQ(600, dlg.m_config.MODTD.LINGER);
    EXPECT_EQ(1u, modal.MessageBoxes().size());

    modal.ExpectMessageBox(kDiscard, MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigMainTest, QuitAsksOnlyWhenSomethingWouldBeLost) {
  device.SetResponse("/config.json", FakeResponse::Ok("{}"));
  struct Case {
    const char* name;
    std::function<void(CDlgConfigMain&)> act;
    bool asks;
  };
  const Case cases[] = {
      {"no change", [](CDlgConfigMain&) {}, false},
      {"a change undone",
       [](CDlgConfigMain& dlg) {
         Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300"));
         Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("180"));
       },
       false},
      {"a change", [](CDlgConfigMain& dlg) { Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300")); }, true},
      {"an invalid value, record unchanged",
       [](CDlgConfigMain& dlg) { Retype(ComPage(dlg).GetDlgItem(1023), QStringLiteral("0")); }, true},
      {"a change, then saved",
       [this](CDlgConfigMain& dlg) {
         Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300"));
         Save(dlg, QStringLiteral("kt2057cfg.json"), Path(QStringLiteral("saved.json")), QStringLiteral("File saved."),
              MB_ICONINFORMATION);
       },
       false},
      {"a change, then uploaded",
       [this](CDlgConfigMain& dlg) {
         Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300"));
         modal.ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
         kt::test::Click(dlg, 1014);
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const INT_PTR result = RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
      c.act(dlg);
      modal.VerifyDone();
      if (c.asks) {
        // Cancel keeps the window open; OK closes it.
        modal.ExpectMessageBox(kDiscard, MB_ICONQUESTION, IDCANCEL);
        kt::test::Click(dlg, IDOK);
        EXPECT_FALSE(dlg.IsEnded());
        modal.ExpectMessageBox(kDiscard, MB_ICONQUESTION, IDOK);
      }
      kt::test::Click(dlg, IDOK);
      EXPECT_TRUE(dlg.IsEnded());
    });
    EXPECT_EQ(IDOK, result);
  }
}

TEST_F(DlgConfigMainTest, EscapeClosesAtOnceWithoutTheQuestion) {
  const INT_PTR result = RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300"));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    EXPECT_TRUE(dlg.IsEnded());
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(DlgConfigMainTest, SaveWritesTheDocumentAndOffersTheReadPathOnce) {
  const QString read = Path(QStringLiteral("read.json"));
  const QString target = Path(QStringLiteral("out.json"));
  RunEditor(
      Defaults(),
      [&](CDlgConfigMain& dlg) {
        // A save refused by a page keeps the path for the next one.
        Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("0"));
        modal.ExpectMessageBox(QStringLiteral("Setting error: Linger time"), MB_ICONERROR);
        kt::test::Click(dlg, 1012);
        modal.VerifyDone();
        Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("42"));

        Save(dlg, read, std::nullopt);
        Save(dlg, QStringLiteral("kt2057cfg.json"), std::nullopt);
        Save(dlg, QStringLiteral("kt2057cfg.json"), target, QStringLiteral("File saved."), MB_ICONINFORMATION);
        modal.VerifyDone();

        EXPECT_EQ(42, dlg.m_config.MODTD.LINGER);
        EXPECT_EQ(Document(dlg.m_config), ReadFile(target));
        EXPECT_TRUE(SameBytes(dlg.m_config, dlg.m_savedConfig));
        kt::test::Click(dlg, IDOK);  // nothing to lose: no question
      },
      read);
}

TEST_F(DlgConfigMainTest, AFailedSaveKeepsTheOldFileAndTheSnapshot) {
  const QString target = Path(QStringLiteral("old.json"));
  const QByteArray old("{\"old\":true}");
  WriteFile(target, old);
  QFile blocker(Path(QStringLiteral("not-a-folder")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();

  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    Retype(ComPage(dlg).GetDlgItem(1022), QStringLiteral("300"));
    // Folders that cannot take the file.
    for (const QString& path : {Path(QStringLiteral("missing/x.json")), Path(QStringLiteral("not-a-folder/x.json"))}) {
      Save(dlg, QStringLiteral("kt2057cfg.json"), path, QStringLiteral("Cannot open file."), MB_ICONERROR);
      modal.VerifyDone();
      EXPECT_FALSE(QFileInfo::exists(path));
    }

    // The disk refuses the bytes half-way: the old file stays whole.
    struct rlimit saved {};
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    struct rlimit small = saved;
    small.rlim_cur = 4096;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    Save(dlg, QStringLiteral("kt2057cfg.json"), target, QStringLiteral("Cannot save file."), MB_ICONERROR);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    modal.VerifyDone();
    EXPECT_EQ(old, ReadFile(target));
    EXPECT_EQ(QStringList({QStringLiteral("not-a-folder"), QStringLiteral("old.json")}),
              QDir(files.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name));

    EXPECT_FALSE(SameBytes(dlg.m_config, dlg.m_savedConfig));
    modal.ExpectMessageBox(kDiscard, MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigMainTest, UploadPostsTheDocumentAndReportsTheResult) {
  struct Case {
    const char* name;
    bool login;
    FakeResponse response;
    std::optional<QString> message;
    UINT icon;
  };
  const Case cases[] = {
      {"accepted", true, FakeResponse::Ok("OK"), QStringLiteral("Completed."), MB_ICONINFORMATION},
      {"server error", true, FakeResponse::Status(500),
       QStringLiteral("Failed to get a valid response from the server."), MB_ICONWARNING},
      {"login refused", true, FakeResponse::Status(401), QStringLiteral("Failed Login."), MB_ICONWARNING},
      {"login cancelled", false, FakeResponse::Ok("OK"), std::nullopt, 0},
  };
  kt::DeviceConfig cfg = Defaults();
  cfg.WEB.PORT = 8080;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      device.ClearRequests();
      device.SetResponse("/config.json", c.response);
      acceptLogin = c.login;
      const int loginsBefore = logins;
      const std::size_t boxes = modal.MessageBoxes().size();
      if (c.message) modal.ExpectMessageBox(*c.message, c.icon);
      kt::test::Click(dlg, 1014);
      modal.VerifyDone();
      EXPECT_EQ(loginsBefore + 1, logins);
      EXPECT_EQ(boxes + (c.message ? 1 : 0), modal.MessageBoxes().size());
      if (!c.login) {
        EXPECT_EQ(0u, device.RequestCount());
        continue;
      }
      ASSERT_EQ(1u, device.RequestCount());
      const auto request = device.Requests()[0];
      EXPECT_EQ("POST", request.method);
      EXPECT_EQ("/config.json?type=config", request.target);
      EXPECT_EQ(Document(cfg).toStdString(), request.body);
    }
    // An upload does not renew the snapshot: nothing changed, no question.
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigMainTest, TheHiddenCheckBoxKeepsTheTagMessagePreference) {
  kt::ActivePreferences().m_bTagMessage = 1;
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    EXPECT_EQ(static_cast<UINT>(BST_CHECKED), dlg.IsDlgButtonChecked(1157));
    dlg.CheckDlgButton(1157, BST_UNCHECKED);
    dlg.OnCheckMessage();
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(0, kt::ActivePreferences().m_bTagMessage);
  EXPECT_EQ(0, kt::GetProfileInt(QStringLiteral("KT2057CFG"), QStringLiteral("TAG_MESSAGE"), 1));
  kt::ActivePreferences().m_bTagMessage = 1;
}
