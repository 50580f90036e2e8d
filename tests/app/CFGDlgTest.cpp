#include "AboutDlg.h"
#include "CFGApp.h"
#include "CFGDlg.h"
#include "ComPorts.h"
#include "DlgCom.h"
#include "ModalScript.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QPixmap>
#include <QTabBar>

#include <cstdlib>

namespace {

class CFGDlgTest : public kt::test::GuiTest {
 protected:
  // Runs the main window through the seam; `body` drives it and must end it.
  // Ends with "Quit" unless `body` ended it.
  INT_PTR Run(std::function<void(CCFGDlg&)> body) {
    modal.ExpectDialog<CCFGDlg>([&](CCFGDlg& dlg) {
      body(dlg);
      if (!dlg.IsEnded()) kt::test::Click(dlg, IDOK);
    });
    CCFGDlg dlg;
    return dlg.DoModal();
  }

  static bool HasFocusInside(CWnd* page) {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == page->GetSafeHwnd() || page->GetSafeHwnd()->isAncestorOf(focus));
  }

  CCFGApp app;
};

// What a right click at that point of the window gives: a context-menu
// event to the widget under the mouse.
void RightClickAt(CWnd* wnd, CPoint point) {
  QWidget* w = wnd->GetSafeHwnd();
  QPoint pos(point.x, point.y);
  if (QWidget* child = w->childAt(pos)) {
    pos = child->mapFrom(w, pos);
    w = child;
  }
  QContextMenuEvent ev(QContextMenuEvent::Mouse, pos, w->mapToGlobal(pos));
  QApplication::sendEvent(w, &ev);
}

// With KT_SCREENSHOT_DIR set, saves a picture of the window there.
void Screenshot(CWnd* wnd, const char* name) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;
  kt::test::PumpEvents();
  wnd->GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
}

QString TooltipOf(CButtonTooltip& button) { return button.GetSafeHwnd() ? button.GetTooltipText() : QString(); }

}  // namespace

TEST_F(CFGDlgTest, TheWindowHasItsCaptionTabsAndVisibleControls) {
  Run([&](CCFGDlg& dlg) {
    EXPECT_EQ(QStringLiteral("KT2057CFG"), dlg.GetSafeHwnd()->windowTitle());
    EXPECT_FALSE(dlg.GetSafeHwnd()->windowIcon().isNull());
    ASSERT_EQ(2, dlg.m_tab.GetItemCount());
    auto* bar = dlg.m_tab.GetSafeHwnd()->findChild<QTabBar*>();
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(QStringLiteral("Setting"), bar->tabText(0));
    EXPECT_EQ(QStringLiteral("Maintenance"), bar->tabText(1));
    EXPECT_EQ(0, dlg.m_tab.GetCurSel());
    EXPECT_EQ(QStringLiteral("Quit"), dlg.GetDlgItemText(IDOK));
    EXPECT_TRUE(dlg.GetDlgItem(IDOK)->IsWindowVisible());
    // Both pages are children of the tab control, on the same rectangle
    // inside it.
    for (CWnd* page : {static_cast<CWnd*>(dlg.m_pPageConfig.get()), static_cast<CWnd*>(dlg.m_pPageMainte.get())}) {
      EXPECT_EQ(dlg.m_tab.GetSafeHwnd(), page->GetSafeHwnd()->parentWidget());
    }
    EXPECT_EQ(dlg.m_pPageConfig->GetSafeHwnd()->geometry(), dlg.m_pPageMainte->GetSafeHwnd()->geometry());
    EXPECT_TRUE(
        dlg.m_tab.GetSafeHwnd()->rect().contains(dlg.m_pPageConfig->GetSafeHwnd()->geometry().adjusted(2, 0, 0, -2)));
    EXPECT_EQ(QStringLiteral("New setting"), dlg.m_pPageConfig->GetDlgItemText(1003));
    EXPECT_EQ(QStringLiteral("Date/Time"), dlg.m_pPageMainte->GetDlgItemText(1006));

    EXPECT_EQ(QString(), dlg.m_pPageConfig->GetDlgItemText(1143));
    Screenshot(&dlg, "main-setting.png");
    kt::test::SelectTab(&dlg.m_tab, 1);
    Screenshot(&dlg, "main-maintenance.png");
  });
}

TEST_F(CFGDlgTest, ExactlyOnePageIsVisibleAfterAnyTabClicks) {
  Run([&](CCFGDlg& dlg) {
    CWnd* config = dlg.m_pPageConfig.get();
    CWnd* mainte = dlg.m_pPageMainte.get();
    EXPECT_TRUE(config->IsWindowVisible());
    EXPECT_FALSE(mainte->IsWindowVisible());
    int previous = 0;
    for (int tab : {1, 0, 1, 1, 0, 0, 1}) {
      kt::test::SelectTab(&dlg.m_tab, tab);
      CWnd* shown = tab == 0 ? config : mainte;
      CWnd* hidden = tab == 0 ? mainte : config;
      EXPECT_EQ(tab, dlg.m_tab.GetCurSel());
      EXPECT_TRUE(shown->IsWindowVisible()) << "after a click on tab " << tab;
      EXPECT_FALSE(hidden->IsWindowVisible()) << "after a click on tab " << tab;
      // A click on the tab already selected changes nothing; a change puts
      // the focus on the page shown.
      if (tab != previous) {
        EXPECT_TRUE(HasFocusInside(shown)) << "after a click on tab " << tab;
      }
      previous = tab;
      // The two buttons below the window never show.
      EXPECT_FALSE(dlg.GetDlgItem(1011)->IsWindowVisible());
      EXPECT_FALSE(dlg.GetDlgItem(1010)->IsWindowVisible());
    }
  });
}

TEST_F(CFGDlgTest, EnterAndEscapeOnAPageLeaveTheWindowOpen) {
  EXPECT_TRUE(Run([&](CCFGDlg& dlg) {
                kt::test::PressKey(dlg.m_pPageConfig->GetDlgItem(1004), Qt::Key_Escape);
                kt::test::PressKey(dlg.m_pPageConfig->GetDlgItem(1004), Qt::Key_Return);
                EXPECT_FALSE(dlg.IsEnded());
                kt::test::SelectTab(&dlg.m_tab, 1);
                kt::test::PressKey(dlg.m_pPageMainte->GetDlgItem(1007), Qt::Key_Escape);
                EXPECT_FALSE(dlg.IsEnded());
                kt::test::PressKey(&dlg.m_tab, Qt::Key_Escape);  // outside the pages: Cancel
                EXPECT_TRUE(dlg.IsEnded());
              }) == IDCANCEL);
}

TEST_F(CFGDlgTest, ARightClickAnywhereOffersTheAboutBox) {
  int boxes = 0;
  auto expectAbout = [&] {
    modal.ExpectMenu([](const kt::MenuRequest& menu) -> UINT {
      EXPECT_EQ(1u, menu.items.size());
      if (menu.items.empty()) return 0;
      EXPECT_EQ(QStringLiteral("Version KT2057CFG(&A)..."), menu.items[0].text);
      EXPECT_FALSE(menu.items[0].grayed);
      return menu.items[0].id;
    });
    modal.ExpectDialog<CAboutDlg>([&](CAboutDlg& about) {
      ++boxes;
      EXPECT_EQ(QStringLiteral("Version No, KT2057CFG"), about.GetSafeHwnd()->windowTitle());
      EXPECT_EQ(QStringLiteral("1.0.10.0"), about.GetDlgItemText(1163));
      EXPECT_EQ(QString(), about.GetDlgItemText(1001));
      Screenshot(&about, "about.png");
      kt::test::Click(about, IDOK);
    });
  };
  Run([&](CCFGDlg& dlg) {
    expectAbout();
    RightClickAt(&dlg, CPoint(5, dlg.GetSafeHwnd()->height() - 5));
    expectAbout();
    RightClickAt(dlg.m_pPageConfig.get(), CPoint(3, 3));
    kt::test::SelectTab(&dlg.m_tab, 1);
    expectAbout();
    RightClickAt(dlg.m_pPageMainte.get(), CPoint(3, 3));
    // Dismissing the menu opens nothing.
    modal.ExpectMenu(0u);
    RightClickAt(&dlg, CPoint(5, 5));
    EXPECT_FALSE(dlg.IsEnded());
  });
  EXPECT_EQ(3, boxes);
}

TEST_F(CFGDlgTest, SystemCommandsOtherThanAboutReachTheWindow) {
  // No About box: close ends the window as its close box does.
  EXPECT_EQ(IDCANCEL, Run([&](CCFGDlg& dlg) {
              dlg.OnSysCommand(SC_CLOSE, 0);
              EXPECT_TRUE(dlg.IsEnded());
            }));
}

TEST_F(CFGDlgTest, TheComTooltipNamesTheStoredPort) {
  const kt::ComPortMap ports = kt::EnumComPorts();
  for (int port : {1, 4, 20}) {
    app.m_nCom = port;
    Run([&](CCFGDlg& dlg) { EXPECT_EQ(kt::GetComPortName(ports, port - 1), TooltipOf(dlg.m_btnCom)) << port; });
  }
}

TEST_F(CFGDlgTest, ThePortDialogFromTheComButtonRenewsTheTooltip) {
  const kt::ComPortMap ports = kt::EnumComPorts();
  app.m_nCom = 2;
  Run([&](CCFGDlg& dlg) {
    modal.ExpectDialog<CDlgCom>([](CDlgCom& com) {
      EXPECT_EQ(1, com.m_comboPort.GetCurSel());
      Screenshot(&com, "com.png");
      kt::test::SelectComboItem(&com.m_comboPort, 6);
      kt::test::Click(com, IDOK);
    });
    dlg.OnBnClickedCom();
    EXPECT_EQ(7, app.m_nCom);
    EXPECT_EQ(7, kt::GetProfileInt(QStringLiteral("KT2057CFG"), QStringLiteral("COM"), 0));
    EXPECT_EQ(kt::GetComPortName(ports, 6), TooltipOf(dlg.m_btnCom));

    modal.ExpectDialog<CDlgCom>([](CDlgCom& com) {
      kt::test::SelectComboItem(&com.m_comboPort, 2);
      kt::test::Click(com, IDCANCEL);
    });
    dlg.OnBnClickedCom();
    EXPECT_EQ(7, app.m_nCom);
    EXPECT_EQ(kt::GetComPortName(ports, 6), TooltipOf(dlg.m_btnCom));
  });
}
