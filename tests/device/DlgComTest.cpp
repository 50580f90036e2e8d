#include "AppPreferences.h"
#include "ComPorts.h"
#include "DlgCom.h"
#include "ModalScript.h"

namespace {

class DlgComTest : public kt::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    previous = kt::SetActivePreferences(&prefs);
  }
  void TearDown() override {
    kt::SetActivePreferences(previous);
    GuiTest::TearDown();
  }
  static int StoredPort() { return kt::GetProfileInt(QStringLiteral("KT2057CFG"), QStringLiteral("COM"), -1); }

  kt::AppPreferences prefs;
  kt::AppPreferences* previous = nullptr;
};

}  // namespace

TEST_F(DlgComTest, ListsTwentyPortsAndPreselectsTheStoredOne) {
  const kt::ComPortMap ports = kt::EnumComPorts();
  struct Case {
    int stored;
    int row;
  } cases[] = {{1, 0}, {5, 4}, {20, 19}, {21, 0}, {0, 0}, {256, 0}};
  for (const Case& c : cases) {
    prefs.m_nCom = c.stored;
    modal.ExpectDialog<CDlgCom>([&](CDlgCom& dlg) {
      EXPECT_EQ(QStringLiteral("COM"), dlg.GetSafeHwnd()->windowTitle());
      ASSERT_EQ(20, dlg.m_comboPort.GetCount());
      for (int i = 0; i < 20; ++i) EXPECT_EQ(kt::GetComPortName(ports, i), dlg.m_comboPort.GetLBText(i)) << i;
      EXPECT_EQ(c.row, dlg.m_comboPort.GetCurSel()) << "stored port " << c.stored;
      kt::test::Click(dlg, IDCANCEL);
    });
    CDlgCom dlg;
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    modal.VerifyDone();
  }
  // Looking stores nothing.
  EXPECT_EQ(-1, StoredPort());
}

TEST_F(DlgComTest, OkStoresTheChosenRowsPortAndCancelNothing) {
  prefs.m_nCom = 5;
  modal.ExpectDialog<CDlgCom>([](CDlgCom& dlg) {
    EXPECT_EQ(4, dlg.m_comboPort.GetCurSel());
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, CDlgCom().DoModal());
  EXPECT_EQ(5, prefs.m_nCom);
  EXPECT_EQ(5, StoredPort());

  modal.ExpectDialog<CDlgCom>([](CDlgCom& dlg) {
    kt::test::SelectComboItem(&dlg.m_comboPort, 19);
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, CDlgCom().DoModal());
  EXPECT_EQ(20, prefs.m_nCom);
  EXPECT_EQ(20, StoredPort());

  modal.ExpectDialog<CDlgCom>([](CDlgCom& dlg) {
    kt::test::SelectComboItem(&dlg.m_comboPort, 0);
    kt::test::Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, CDlgCom().DoModal());
  EXPECT_EQ(20, prefs.m_nCom);
  EXPECT_EQ(20, StoredPort());

  // Enter is OK, Escape is Cancel.
  modal.ExpectDialog<CDlgCom>([](CDlgCom& dlg) {
    kt::test::SelectComboItem(&dlg.m_comboPort, 2);
    kt::test::PressKey(&dlg, Qt::Key_Escape);
  });
  EXPECT_EQ(IDCANCEL, CDlgCom().DoModal());
  EXPECT_EQ(20, prefs.m_nCom);
}
