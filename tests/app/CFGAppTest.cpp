#include "CFGApp.h"
#include "CFGDlg.h"
#include "ComPorts.h"
#include "DeviceHooks.h"
#include "ModalScript.h"

#include <QApplication>
#include <QCursor>

namespace {

class CFGAppTest : public kt::test::GuiTest {};

void Store(const char* entry, const QString& value) {
  ASSERT_TRUE(kt::WriteProfileString(QStringLiteral("KT2057CFG"), QString::fromLatin1(entry), value));
}

}  // namespace

TEST_F(CFGAppTest, AFreshProfileGivesPortOneAndTagMessagesOn) {
  CCFGApp app;
  app.m_nCom = 77;
  app.m_bTagMessage = 77;
  app.LoadPreferences();
  EXPECT_EQ(1, app.m_nCom);
  EXPECT_EQ(1, app.m_bTagMessage);
}

TEST_F(CFGAppTest, StoredPreferencesAreReadAndThePortIsBounded) {
  struct Case {
    const char* com;
    const char* tag;
    int nCom;
    int bTag;
  } cases[] = {
      {"5", "0", 5, 0},    {"256", "1", 256, 1}, {"0", "1", 1, 1},            // written by hand: no port 0
      {"-3", "1", 1, 1},   {"257", "1", 256, 1}, {"99999999999", "1", 1, 1},  // not an int: the default
      {"COM3", "x", 1, 1},
  };
  for (const Case& c : cases) {
    Store("COM", QString::fromLatin1(c.com));
    Store("TAG_MESSAGE", QString::fromLatin1(c.tag));
    CCFGApp app;
    app.LoadPreferences();
    EXPECT_EQ(c.nCom, app.m_nCom) << "COM=" << c.com;
    EXPECT_EQ(c.bTag, app.m_bTagMessage) << "TAG_MESSAGE=" << c.tag;
  }
}

TEST_F(CFGAppTest, TheAppIsTheLiveConnectionAndPreferencesWhileItExists) {
  kt::ConnectionSettings* before = &kt::ActiveConnection();
  kt::AppPreferences* beforePrefs = &kt::ActivePreferences();
  {
    CCFGApp app;
    EXPECT_EQ(static_cast<kt::ConnectionSettings*>(&app), &kt::ActiveConnection());
    EXPECT_EQ(static_cast<kt::AppPreferences*>(&app), &kt::ActivePreferences());
    EXPECT_EQ(&app, GetCFGApp());
    // Connection settings start empty with each process.
    EXPECT_EQ(QString(), app.m_strAddress);
    EXPECT_EQ(0, app.m_nPort);
    EXPECT_EQ(QString(), app.m_strLoginId);
    EXPECT_EQ(QString(), app.m_strPassword);
  }
  EXPECT_EQ(before, &kt::ActiveConnection());
  EXPECT_EQ(beforePrefs, &kt::ActivePreferences());
}

TEST_F(CFGAppTest, StartUpRunsTheMainWindowAndReturnsFalseWhateverItReturned) {
  Store("COM", QStringLiteral("3"));
  Store("TAG_MESSAGE", QStringLiteral("0"));
  kt::ScopedDeviceHooks keep(kt::DeviceLinkHooks());
  for (int end : {IDOK, IDCANCEL}) {
    CCFGApp app;
    bool ran = false;
    modal.ExpectDialog<CCFGDlg>([&](CCFGDlg& dlg) {
      ran = true;
      EXPECT_EQ(3, app.m_nCom);
      EXPECT_EQ(0, app.m_bTagMessage);
      EXPECT_EQ(static_cast<CWnd*>(&dlg), app.m_pMainWnd);
      // Every request that asks for the login shows the login dialog.
      EXPECT_TRUE(static_cast<bool>(kt::DeviceLinkHooks().runLoginDialog));
      if (end == IDOK) {
        kt::test::Click(dlg, IDOK);  // "Quit"
      } else {
        kt::test::PressKey(&dlg, Qt::Key_Escape);
      }
      EXPECT_TRUE(dlg.IsEnded());
    });
    EXPECT_EQ(FALSE, app.InitInstance());
    EXPECT_TRUE(ran);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    modal.VerifyDone();
  }
}

TEST_F(CFGAppTest, DeviceMessagesBecomeMessageBoxesWithTheirIcon) {
  kt::ScopedDeviceHooks keep(kt::DeviceLinkHooks());
  CCFGApp::InstallDeviceHooks();
  modal.ExpectMessageBox(QStringLiteral("Failed Login."), MB_ICONWARNING)
      .ExpectMessageBox(QStringLiteral("Failed in conversion."), MB_ICONERROR)
      .ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
  kt::ShowDeviceMessage(QStringLiteral("Failed Login."), kt::MessageIcon::Warning);
  kt::ShowDeviceMessage(QStringLiteral("Failed in conversion."), kt::MessageIcon::Error);
  kt::ShowDeviceMessage(QStringLiteral("Completed."), kt::MessageIcon::Information);
  ASSERT_EQ(3u, modal.MessageBoxes().size());
  for (const auto& box : modal.MessageBoxes()) {
    EXPECT_EQ(static_cast<UINT>(MB_OK), box.buttons);
    EXPECT_EQ(QStringLiteral("KT2057CFG"), box.caption);
  }
}

TEST_F(CFGAppTest, TheWaitCursorShowsWhileARequestRunsAndNestsCleanly) {
  kt::ScopedDeviceHooks keep(kt::DeviceLinkHooks());
  CCFGApp::InstallDeviceHooks();
  ASSERT_EQ(nullptr, QApplication::overrideCursor());
  {
    kt::WaitCursor outer;
    ASSERT_NE(nullptr, QApplication::overrideCursor());
    EXPECT_EQ(Qt::WaitCursor, QApplication::overrideCursor()->shape());
    {
      kt::WaitCursor inner;
      EXPECT_EQ(Qt::WaitCursor, QApplication::overrideCursor()->shape());
    }
    ASSERT_NE(nullptr, QApplication::overrideCursor());
    EXPECT_EQ(Qt::WaitCursor, QApplication::overrideCursor()->shape());
  }
  EXPECT_EQ(nullptr, QApplication::overrideCursor());
}
