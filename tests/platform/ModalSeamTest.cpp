// The modal seam: message boxes, dialogs, menus, file and colour dialogs
// answered by a script, and modals that nobody expected.
#include "ModalScript.h"

#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVirtualObject>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <optional>
#include <thread>

namespace {

using kt::test::GuiTest;

class ModalSeamTest : public GuiTest {};

struct IconCase {
  UINT type;
  UINT buttons;
  UINT icon;
};

TEST_F(ModalSeamTest, MessageBoxesCarryTheTitleButtonsAndIconRule) {
  const IconCase cases[] = {
      {MB_OK, MB_OK, MB_ICONWARNING},  // no icon of its own: the warning icon
      {MB_OKCANCEL, MB_OKCANCEL, MB_ICONWARNING},
      {MB_OK | MB_ICONERROR, MB_OK, MB_ICONERROR},
      {MB_OK | MB_ICONINFORMATION, MB_OK, MB_ICONINFORMATION},
      {MB_OKCANCEL | MB_ICONQUESTION, MB_OKCANCEL, MB_ICONQUESTION},
  };
  for (const IconCase& c : cases) {
    modal.ExpectMessageBox();
    AfxMessageBox("Text\r\nline two", c.type);
    const kt::MessageBoxRequest& shown = modal.MessageBoxes().back();
    EXPECT_EQ(shown.text, "Text\r\nline two");
    EXPECT_EQ(shown.caption, "KT2057CFG");
    EXPECT_EQ(shown.buttons, c.buttons) << c.type;
    EXPECT_EQ(shown.icon, c.icon) << c.type;
  }
  modal.ExpectMessageBox("Are you sure?", MB_ICONQUESTION, IDCANCEL)
      .ExpectMessageBox("Are you sure?", MB_ICONQUESTION, IDOK)
      .ExpectMessageBox("Version KT2057CFG(&A)...", MB_ICONWARNING);
  EXPECT_EQ(AfxMessageBox("Are you sure?", MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
  EXPECT_EQ(AfxMessageBox("Are you sure?", MB_OKCANCEL | MB_ICONQUESTION), IDOK);
  EXPECT_EQ(AfxMessageBox(101), IDOK);
  EXPECT_EQ(modal.MessageBoxes().size(), 8u);
}

void ShowUnexpectedBox() {
  kt::test::ModalScript script;
  AfxMessageBox("Nobody asked", MB_OK);
}

void ShowBoxWhereDialogIsExpected() {
  kt::test::ModalScript script;
  script.ExpectDialog<CDialog>([](CDialog& d) { d.EndDialog(IDOK); });
  EXPECT_EQ(AfxMessageBox("Out of turn", MB_OKCANCEL), IDCANCEL);
  CDialog dlg(201);  // the dialog the script waits for
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

void LeaveAnExpectationUnused() {
  kt::test::ModalScript script;
  script.ExpectMessageBox("Never shown", MB_ICONERROR);
}

void ShowWrongText() {
  kt::test::ModalScript script;
  script.ExpectMessageBox("Completed.", MB_ICONWARNING);
  AfxMessageBox("Failed Login.");
}

TEST_F(ModalSeamTest, AModalNobodyExpectedFailsTheTestAtOnce) {
  EXPECT_NONFATAL_FAILURE(ShowUnexpectedBox(), "unexpected message box: \"Nobody asked\"");
  EXPECT_NONFATAL_FAILURE(ShowBoxWhereDialogIsExpected(), "where the script expects");
  EXPECT_NONFATAL_FAILURE(LeaveAnExpectationUnused(), "never came");
  EXPECT_NONFATAL_FAILURE(ShowWrongText(), "Failed Login.");
}

TEST(ModalSeamDeathTest, RealModalUiWithNobodyToAnswerStopsInsteadOfBlocking) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        kt::test::EnsureApp();
        kt::SetModalHandler(nullptr);
        AfxMessageBox("Hello");
      },
      "nobody to answer it");
}

TEST_F(ModalSeamTest, MenusOfferTheirItemsAndSendTheChosenCommand) {
  class Owner : public CWnd {
   public:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
      commands.push_back(LOWORD(wParam));
      return TRUE;
    }
    std::vector<int> commands;
  } owner;

  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, 101, "Copy");
  menu.AppendMenu(MF_SEPARATOR);
  menu.AppendMenu(MF_STRING | MF_GRAYED, 102, "Paste");
  modal.ExpectMenu([](const kt::MenuRequest& m) {
    EXPECT_EQ(m.items.size(), 3u);
    EXPECT_EQ(m.items[0].text, "Copy");
    EXPECT_FALSE(m.items[0].grayed);
    EXPECT_TRUE(m.items[1].separator);
    EXPECT_TRUE(m.items[2].grayed);
    EXPECT_EQ(m.point, CPoint(30, 40));
    return 101u;
  });
  EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 30, 40, &owner));
  EXPECT_EQ(owner.commands, (std::vector<int>{101}));

  modal.ExpectMenu(0u);
  EXPECT_FALSE(menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner));
  EXPECT_EQ(owner.commands.size(), 1u);

  menu.EnableMenuItem(102, MF_ENABLED);
  modal.ExpectMenu(102u);
  EXPECT_EQ(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &owner), 102);
  EXPECT_EQ(owner.commands.size(), 1u);  // returned, not sent
}

void ChooseGreyedItem() {
  kt::test::ModalScript script;
  script.ExpectMenu(102u);
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING | MF_GRAYED, 102, "Paste");
  EXPECT_FALSE(menu.TrackPopupMenu(TPM_RETURNCMD, 0, 0, nullptr));
}

TEST_F(ModalSeamTest, AGreyedMenuItemCannotBeChosen) {
  EXPECT_NONFATAL_FAILURE(ChooseGreyedItem(), "greyed menu item 102");
}

TEST_F(ModalSeamTest, FileDialogsGiveThePathWithTheDefaultExtension) {
  modal.ExpectFileDialog("/tmp/out", [](const kt::FileDialogRequest& r) {
    EXPECT_FALSE(r.open);
    EXPECT_EQ(r.fileName, "kt2057cfg.json");
    EXPECT_EQ(r.defaultExt, "json");
    EXPECT_EQ(r.filter, "CFG File(*.json)|*.json||");
    EXPECT_TRUE(r.flags & OFN_OVERWRITEPROMPT);
  });
  CFileDialog save(FALSE, "json", "kt2057cfg.json", OFN_OVERWRITEPROMPT | OFN_NOCHANGEDIR, "CFG File(*.json)|*.json||");
  ASSERT_EQ(save.DoModal(), IDOK);
  EXPECT_EQ(save.GetPathName(), "/tmp/out.json");
  EXPECT_EQ(save.GetFileName(), "out.json");

  modal.ExpectFileDialog("/data/my.settings.json");
  CFileDialog open(TRUE, "", "*.json", OFN_HIDEREADONLY, "CFG File(*.json)|*.json||");
  ASSERT_EQ(open.DoModal(), IDOK);
  EXPECT_EQ(open.GetPathName(), "/data/my.settings.json");

  modal.ExpectFileDialog(std::nullopt);
  CFileDialog cancelled(TRUE);
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
}

TEST_F(ModalSeamTest, ColourDialogsPresetOnlyAGivenColour) {
  modal.ExpectColorDialog(RGB(1, 2, 3), [](const kt::ColorDialogRequest& r) {
    EXPECT_EQ(r.initial, RGB(255, 0, 0));
    EXPECT_TRUE(r.flags & CC_RGBINIT);
  });
  CColorDialog preset(RGB(255, 0, 0));
  ASSERT_EQ(preset.DoModal(), IDOK);
  EXPECT_EQ(preset.GetColor(), RGB(1, 2, 3));

  modal.ExpectColorDialog(std::nullopt, [](const kt::ColorDialogRequest& r) { EXPECT_FALSE(r.flags & CC_RGBINIT); });
  CColorDialog plain;
  EXPECT_EQ(plain.DoModal(), IDCANCEL);
  EXPECT_EQ(plain.GetColor(), 0u);
}

TEST_F(ModalSeamTest, ADialogEndedInOnInitDialogNeverReachesTheScript) {
  class Quick : public CDialog {
   public:
    Quick() : CDialog(201) {}
    BOOL OnInitDialog() override {
      CDialog::OnInitDialog();
      EndDialog(IDOK);
      return TRUE;
    }
  };
  Quick dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);  // the widgets are gone afterwards
}

TEST_F(ModalSeamTest, NestedModalsComeInOrder) {
  class Asking : public CDialog {
   public:
    Asking() : CDialog(201) {}
    void OnOK() override {
      if (AfxMessageBox("Sure?", MB_OKCANCEL | MB_ICONQUESTION) == IDOK) CDialog::OnOK();
    }
  };
  modal.ExpectDialog<Asking>([](Asking& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Login");
    kt::test::Click(dlg, IDOK);
    EXPECT_FALSE(dlg.IsEnded());
    kt::test::Click(dlg, IDOK);
    EXPECT_TRUE(dlg.IsEnded());
  });
  modal.ExpectMessageBox("Sure?", MB_ICONQUESTION, IDCANCEL).ExpectMessageBox("Sure?", MB_ICONQUESTION, IDOK);
  Asking dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

// A scroll bar's menu (a right click on the scroll bar of a log text or a
// list) is a menu like any other: it comes through the seam, never as a
// popup of its own that nobody answers.
TEST_F(ModalSeamTest, AScrollBarsMenuComesThroughTheSeamAndScrolls) {
  struct Case {
    const char* item;
    int expected;  // -1: the middle, for a right click in the middle of the bar
  };
  const Case cases[] = {{"Bottom", 1000},   {"Top", 0},       {"Page Down", 10},  {"Page Up", 0},
                        {"Scroll Down", 1}, {"Scroll Up", 0}, {"Scroll Here", -1}};
  QScrollBar bar(Qt::Vertical);
  bar.setRange(0, 1000);
  bar.setPageStep(10);
  bar.resize(16, 400);
  bar.show();
  // Before the menu came through the seam, it waited for a click nobody
  // makes; this closes it, and the test fails on the menu that never came.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [] {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  closer.start(2000);
  for (const Case& c : cases) {
    QStringList offered;
    modal.ExpectMenu([&](const kt::MenuRequest& m) -> UINT {
      UINT id = 0;
      for (const kt::MenuItem& item : m.items) {
        offered << (item.separator ? QStringLiteral("-") : item.text);
        if (item.text == QLatin1String(c.item)) id = item.id;
      }
      return id;
    });
    const QPoint middle = bar.rect().center();
    QContextMenuEvent ev(QContextMenuEvent::Mouse, middle, bar.mapToGlobal(middle));
    QApplication::sendEvent(&bar, &ev);
    modal.VerifyDone();
    EXPECT_EQ(offered.join(QLatin1Char('|')),
              QStringLiteral("Scroll Here|-|Top|Bottom|-|Page Up|Page Down|-|Scroll Up|Scroll Down"));
    if (c.expected >= 0) {
      EXPECT_EQ(c.expected, bar.value()) << c.item;
    } else {
      EXPECT_NEAR(500, bar.value(), 20) << c.item;
    }
  }
}

// A dialog handed to the handler is modal as under exec(): input held back
// while a request waited goes to it, never to a window behind it.
TEST_F(ModalSeamTest, InputHeldDuringAWaitSkipsTheWindowsBehindAHandlersDialog) {
  QPushButton behind(QStringLiteral("Behind"));
  behind.show();
  int clicks = 0;
  QObject::connect(&behind, &QPushButton::clicked, [&clicks] { ++clicks; });
  // The click and a close come while the work runs, and are held until it
  // returns; the close is not reported done.
  bool closed = true;
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        QTest::mouseClick(&behind, Qt::LeftButton);
        closed = behind.close();
      },
      Qt::QueuedConnection);
  kt::RunWhileWindowsWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
  EXPECT_EQ(0, clicks);
  EXPECT_FALSE(closed);
  EXPECT_TRUE(behind.isVisible());
  modal.ExpectDialog<CDialog>([&](CDialog& dlg) {
    EXPECT_EQ(dlg.GetSafeHwnd()->windowHandle(), QGuiApplication::modalWindow());
    kt::test::PumpEvents();  // the held click arrives now
    EXPECT_EQ(0, clicks);
    kt::test::Click(dlg, IDCANCEL);
  });
  CDialog dlg(201);
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  kt::test::PumpEvents();
  EXPECT_EQ(0, clicks);
  EXPECT_TRUE(behind.isVisible());

  // So does a box or file dialog that the handler answers, when events run
  // meanwhile as in the real one's own loop.
  QMetaObject::invokeMethod(
      qApp, [&behind] { QTest::mouseClick(&behind, Qt::LeftButton); }, Qt::QueuedConnection);
  kt::RunWhileWindowsWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });
  modal.ExpectFileDialog(std::nullopt, [](const kt::FileDialogRequest&) { kt::test::PumpEvents(); });
  kt::RunFileDialog(kt::FileDialogRequest{});
  kt::test::PumpEvents();
  EXPECT_EQ(0, clicks);
}

// A drag over a window the way the platform hands it on: the first move
// comes with the action that the enter took already set, and a move or a
// drop tells the source the action taken (IgnoreAction: refused).
class PlatformDrag {
 public:
  PlatformDrag(QWindow* window, const QString& text) : m_window(window) { m_data.setText(text); }

  Qt::DropAction Enter(QPoint at) {
    QDragEnterEvent enter(at, Qt::CopyAction, &m_data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &enter);
    m_taken = enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction;
    return Move(at);
  }
  Qt::DropAction Move(QPoint at) {
    QDragMoveEvent move(at, Qt::CopyAction, &m_data, Qt::LeftButton, Qt::NoModifier);
    if (m_taken != Qt::IgnoreAction) {
      move.setDropAction(m_taken);
      move.accept();
    }
    QCoreApplication::sendEvent(m_window, &move);
    return m_taken = move.isAccepted() ? move.dropAction() : Qt::IgnoreAction;
  }
  Qt::DropAction Drop(QPoint at) {
    QDropEvent drop(at, Qt::CopyAction, &m_data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
  }

 private:
  QWindow* m_window;
  QMimeData m_data;
  Qt::DropAction m_taken = Qt::IgnoreAction;
};

// A drop cannot be held like a click, so every drag is refused while a
// request waits, also one that entered before; once the request has
// returned, drops are taken again.
TEST_F(ModalSeamTest, DragsAreRefusedWhileARequestWaitsAndTakenAfterwards) {
  QWidget top;
  auto* edit = new QLineEdit(QStringLiteral("pool.ntp.org"), &top);
  edit->setGeometry(10, 10, 200, 24);
  top.resize(220, 44);
  top.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
  std::vector<QString> changes;
  QObject::connect(edit, &QLineEdit::textChanged, [&changes](const QString& text) { changes.push_back(text); });
  const QPoint over(30, 20);

  PlatformDrag early(top.windowHandle(), QStringLiteral("early"));
  PlatformDrag late(top.windowHandle(), QStringLiteral("late"));
  ASSERT_EQ(Qt::CopyAction, early.Enter(over));  // the edit takes text
  std::vector<Qt::DropAction> duringWait;
  QMetaObject::invokeMethod(
      qApp,
      [&] {
        duringWait = {early.Move(over), early.Drop(over), late.Enter(over), late.Move(over + QPoint(5, 0))};
      },
      Qt::QueuedConnection);
  kt::RunWhileWindowsWait([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); });

  EXPECT_EQ(std::vector<Qt::DropAction>(4, Qt::IgnoreAction), duringWait);
  EXPECT_EQ(QStringLiteral("pool.ntp.org"), edit->text());
  kt::test::PumpEvents();
  EXPECT_TRUE(changes.empty());
  EXPECT_FALSE(edit->underMouse());  // the refused drop ended the first drag for the edit too
  // The drag that entered during the wait is still over the edit.
  EXPECT_EQ(Qt::CopyAction, late.Move(over));
  EXPECT_EQ(Qt::CopyAction, late.Drop(over));
  EXPECT_EQ(std::vector<QString>{edit->text()}, changes);
  EXPECT_TRUE(edit->text().contains(QStringLiteral("late")));
}

// An object that another program calls over D-Bus, made the way Qt makes the
// one that screen readers call to press buttons and set texts.
class CalledObject : public QDBusVirtualObject {
 public:
  QString introspect(const QString&) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    ++handled;
    connection.send(message.createReply(true));
    return true;
  }
  int handled = 0;
};

// Such a call cannot wait either: while a request waits it is answered with
// an error; afterwards it is handled again.
TEST_F(ModalSeamTest, CallsOverDBusAreRefusedWhileARequestWaits) {
  QTemporaryDir dir;
  QDBusServer server(QStringLiteral("unix:dir=") + dir.path());
  ASSERT_TRUE(server.isConnected()) << server.lastError().message().toStdString();
  CalledObject object;
  std::optional<QDBusConnection> ours;
  QObject::connect(&server, &QDBusServer::newConnection, [&](const QDBusConnection& connection) {
    ours = connection;
    ours->registerVirtualObject(QStringLiteral("/a11y"), &object, QDBusConnection::SubPath);
  });
  const QString peer = QStringLiteral("screen-reader");
  QDBusConnection reader = QDBusConnection::connectToPeer(server.address(), peer);
  ASSERT_TRUE(reader.isConnected()) << reader.lastError().message().toStdString();
  QTRY_VERIFY_WITH_TIMEOUT(ours.has_value(), 5000);
  const QDBusMessage press =
      QDBusMessage::createMethodCall(QString(), QStringLiteral("/a11y/button"), QStringLiteral("org.a11y.atspi.Action"),
                                     QStringLiteral("DoAction"))
      << 0;

  QDBusMessage duringWait;  // the worker stands in for the other program
  kt::RunWhileWindowsWait([&] { duringWait = reader.call(press, QDBus::Block, 5000); });
  EXPECT_EQ(QDBusMessage::ErrorMessage, duringWait.type());
  EXPECT_EQ(0, object.handled);
  EXPECT_EQ(QDBusMessage::ReplyMessage, reader.call(press, QDBus::BlockWithGui, 5000).type());
  EXPECT_EQ(1, object.handled);

  QDBusConnection::disconnectFromPeer(peer);
  ours->unregisterObject(QStringLiteral("/a11y"));
  QDBusConnection::disconnectFromPeer(ours->name());
}

}  // namespace
