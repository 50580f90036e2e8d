// The peers page ("C"): round trip of both peers, enabling rules, checks and
// their order, switching peers, copy and paste, the error output selection.
#include "CopyPasteMenu.h"
#include "DlgConfigC.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QApplication>
#include <QDir>
#include <QTest>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::test::Retype;

class DlgConfigCTest : public kt::test::EditorTest {
 protected:
  // Runs the editor on the "C" page; body gets the page.
  void OnPage(const kt::DeviceConfig& cfg, const std::function<void(CDlgConfigMain&, CDlgConfigC&)>& body) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      const int index = kt::test::PageIndex("C");
      kt::test::SelectTab(&dlg.m_tab, index);
      body(dlg, dynamic_cast<CDlgConfigC&>(*dlg.m_pages[static_cast<std::size_t>(index)]));
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
};

// Every field of both peers away from its default.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.C[0].MODE = 1;
  c.C[0].PROTOCOL = 1;
  kt::CopyText(c.C[0].IP, "192.168.10.200");
  c.C[0].PORT = 5007;
  c.C[0].PERIOD = 30000;
  c.C[0].TIMEOUT = 60;
  c.C[0].ALMDO = 3;
  c.MODBUS.C[0].TYPE = 1;
  c.MODBUS.C[0].NODE = 0;
  c.SLMP.C[0].NETWORK = 255;
  c.SLMP.C[0].STATION = 1;
  c.SLMP.C[0].CPU = 0xFFFF;
  c.SLMP.C[0].TYPE = 1;
  c.C[1].MODE = 1;
  c.C[1].PROTOCOL = 0;
  kt::CopyText(c.C[1].IP, "10.0.0.1");
  c.C[1].PORT = 1;
  c.C[1].PERIOD = 51;
  c.C[1].TIMEOUT = 2;
  c.C[1].ALMDO = 2;
  c.MODBUS.C[1].NODE = 255;
  c.SLMP.C[1].NETWORK = 1;
  c.SLMP.C[1].STATION = 2;
  c.SLMP.C[1].CPU = 0;
  return c;
}

// The right click on a peer of the list, as the user does it.
void RightClickPeer(CDlgConfigC& page, int peer) {
  CRect rect;
  page.m_listChannel.GetItemRect(peer, &rect);
  kt::test::RightClick(&page.m_listChannel, CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
}

}  // namespace

TEST_F(DlgConfigCTest, BothPeersStoreBackWhatTheyLoaded) {
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault()}) {
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
      // The processor number is shown in hexadecimal.
      EXPECT_EQ(cfg.SLMP.C[0].CPU == 0x3FF ? QStringLiteral("3FF") : QStringLiteral("FFFF"),
                page.m_editCpu.GetWindowText());
      kt::test::SelectListItem(&page.m_listChannel, 1);
      EXPECT_EQ(1, page.m_nCurChannel);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
    });
  }
}

TEST_F(DlgConfigCTest, EnablingFollowsModeProtocolAndUnitIdentifierForm) {
  struct Case {
    const char* name;
    bool enable;
    int protocol;
    bool variable;
    bool common, modbusForm, unitId, slmp;
  };
  const Case cases[] = {
      {"disabled", false, 1, false, false, false, false, false},
      {"Modbus fixed", true, 0, false, true, true, true, false},
      {"Modbus variable", true, 0, true, true, true, false, false},
      {"SLMP", true, 1, false, true, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = Defaults();
    cfg.C[0].MODE = c.enable ? 1 : 0;
    cfg.C[0].PROTOCOL = static_cast<kt::u32>(c.protocol);
    cfg.MODBUS.C[0].TYPE = c.variable ? 1 : 0;
    OnPage(cfg, [&](CDlgConfigMain&, CDlgConfigC& page) {
      EXPECT_TRUE(page.m_listChannel.IsWindowEnabled());
      EXPECT_TRUE(page.m_radioDisable.IsWindowEnabled());
      EXPECT_TRUE(page.m_radioEnable.IsWindowEnabled());
      for (CWnd* w : {static_cast<CWnd*>(&page.m_comboProtocol), static_cast<CWnd*>(&page.m_editAddress),
                      static_cast<CWnd*>(&page.m_editPort), static_cast<CWnd*>(&page.m_editPeriod),
                      static_cast<CWnd*>(&page.m_editTimeout), static_cast<CWnd*>(&page.m_btnErrorOutput)}) {
        EXPECT_EQ(c.common, page.IsWindowEnabled() && w->IsWindowEnabled() == TRUE);
      }
      EXPECT_EQ(c.modbusForm, page.m_radioFixed.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.modbusForm, page.m_radioVariable.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.unitId, page.m_editUnitId.IsWindowEnabled() == TRUE);
      for (CWnd* w : {static_cast<CWnd*>(&page.m_editNetwork), static_cast<CWnd*>(&page.m_editStation),
                      static_cast<CWnd*>(&page.m_editCpu), static_cast<CWnd*>(&page.m_comboType)}) {
        EXPECT_EQ(c.slmp, w->IsWindowEnabled() == TRUE);
      }
    });
  }
  // The user's clicks re-derive the states.
  OnPage(Defaults(), [&](CDlgConfigMain&, CDlgConfigC& page) {
    kt::test::Click(page, 1016);
    kt::test::SelectComboItem(&page.m_comboProtocol, 0);
    EXPECT_TRUE(page.m_editUnitId.IsWindowEnabled());
    kt::test::Click(page, 1032);
    EXPECT_FALSE(page.m_editUnitId.IsWindowEnabled());
    kt::test::SelectComboItem(&page.m_comboProtocol, 1);
    EXPECT_TRUE(page.m_editStation.IsWindowEnabled());
    kt::test::Click(page, 1015);
    EXPECT_FALSE(page.m_editStation.IsWindowEnabled());
  });
}

TEST_F(DlgConfigCTest, ChecksReportTheFirstFaultInOrder) {
  struct Case {
    const char* name;
    bool enable;
    const char* address;  // typed into the four fields, nullptr: left as loaded
    int id;               // a number input retyped, 0: none
    const char* text;
    const char* message;  // nullptr: stored
  };
  const Case cases[] = {
      {"disabled without address", false, nullptr, 0, "", nullptr},
      {"enabled without address", true, nullptr, 0, "", "Setting error: IP address"},
      {"address first", true, nullptr, 1021, "0", "Setting error: IP address"},
      {"port 0", true, "1.2.3.4", 1021, "0", "Setting error: Port address"},
      {"pause 49", true, "1.2.3.4", 1023, "49", "Setting error: Pause period"},
      {"time out 61", true, "1.2.3.4", 1027, "61", "Setting error: Time out"},
      {"station 0", true, "1.2.3.4", 1038, "0", "Setting error: SLMP Station No."},
      {"network 256", true, "1.2.3.4", 1037, "256", "Setting error: SLMP Network No."},
      {"processor FFFF", true, "1.2.3.4", 1039, "FFFF", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = Defaults();
    cfg.C[0].MODE = c.enable ? 1 : 0;
    cfg.C[0].PROTOCOL = 1;
    if (c.address) kt::CopyText(cfg.C[0].IP, c.address);
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
      if (c.id) Retype(page.GetDlgItem(c.id), QString::fromUtf8(c.text));
      if (c.message) modal.ExpectMessageBox(QString::fromUtf8(c.message), MB_ICONERROR, IDOK);
      EXPECT_EQ(c.message == nullptr, page.StorePage(TRUE) == TRUE);
      if (!c.message) {
        EXPECT_EQ(0, std::strcmp(dlg.m_config.C[0].IP, c.address ? c.address : ""));
      }
    });
  }
}

TEST_F(DlgConfigCTest, AnIncompleteAddressIsStoredEmptyAndBlocksNothingWhileDisabled) {
  kt::DeviceConfig cfg = Defaults();
  kt::CopyText(cfg.C[0].IP, "10.1.1.1");
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
    page.m_editAddress.SetAddress("");  // all fields cleared by the user
    kt::test::SelectListItem(&page.m_listChannel, 1);
    EXPECT_EQ(1, page.m_nCurChannel);
    EXPECT_STREQ("", dlg.m_config.C[0].IP);
    EXPECT_TRUE(modal.MessageBoxes().empty());
  });
}

TEST_F(DlgConfigCTest, DisablingAPeerClearsAnAddressThatCannotBeStored) {
  OnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
    page.m_editAddress.SetFieldFocus(3);
    for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(QStringLiteral("192.168.10."), page.m_editAddress.GetWindowText());
    kt::test::Click(page, 1015);  // "Disable"
    EXPECT_TRUE(page.m_editAddress.IsBlank());
    kt::test::SelectListItem(&page.m_listChannel, 1);
    EXPECT_STREQ("", dlg.m_config.C[0].IP);
    kt::test::Click(page, 1015);  // a whole address stays
    EXPECT_EQ(QStringLiteral("10.0.0.1"), page.m_editAddress.GetWindowText());
  });
}

TEST_F(DlgConfigCTest, ASwitchAwayFromAnInvalidPeerKeepsItShown) {
  OnPage(Defaults(), [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
    kt::test::Click(page, 1016);
    Retype(&page.m_editPort, QStringLiteral("8000"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: IP address"), MB_ICONERROR, IDOK);
    kt::test::SelectListItem(&page.m_listChannel, 1);
    EXPECT_EQ(0, page.m_nCurChannel);
    EXPECT_EQ(0, page.m_listChannel.GetCurSel());
    EXPECT_EQ(0u, dlg.m_config.C[0].MODE);
    EXPECT_EQ(502, dlg.m_config.C[0].PORT);
  });
}

TEST_F(DlgConfigCTest, CopyAndPasteTakeTheWholePeerWithModeAndErrorOutput) {
  kt::DeviceConfig cfg = NonDefault();
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
    Retype(&page.m_editPort, QStringLiteral("6000"));  // not stored yet: "Copy" stores it
    modal.ExpectMenu([](const kt::MenuRequest& m) {
      EXPECT_EQ(3u, m.items.size());  // "Copy", separator, "Paste": no "Paste(+1)"
      EXPECT_FALSE(m.items[0].grayed);
      EXPECT_TRUE(m.items[2].grayed);
      return static_cast<UINT>(ID_MENU_COPY);
    });
    RightClickPeer(page, 0);
    EXPECT_EQ(6000, dlg.m_config.C[0].PORT);
    modal.ExpectMenu(ID_MENU_PASTE);
    RightClickPeer(page, 1);
    EXPECT_EQ(1, page.m_nCurChannel);
    EXPECT_EQ(0, std::memcmp(&dlg.m_config.C[0], &dlg.m_config.C[1], sizeof(kt::PeerConfig)));
    EXPECT_EQ(0, std::memcmp(&dlg.m_config.MODBUS.C[0], &dlg.m_config.MODBUS.C[1], sizeof(kt::ModbusPeerConfig)));
    EXPECT_EQ(0, std::memcmp(&dlg.m_config.SLMP.C[0], &dlg.m_config.SLMP.C[1], sizeof(kt::SlmpPeerConfig)));
    EXPECT_EQ(QStringLiteral("192.168.10.200"), page.m_editAddress.GetWindowText());
    EXPECT_TRUE(page.m_editStation.IsWindowEnabled());  // SLMP now

    // An incomplete address: only "Paste" is offered.
    page.m_editAddress.SetAddress("");
    modal.ExpectMenu([](const kt::MenuRequest& m) {
      EXPECT_TRUE(m.items[0].grayed);
      EXPECT_FALSE(m.items[2].grayed);
      return 0u;
    });
    RightClickPeer(page, 1);
    // Storing the page ends the copy: nothing to offer now.
    page.m_editAddress.SetAddress("1.1.1.1");
    EXPECT_TRUE(page.StorePage(FALSE));
    page.m_editAddress.SetAddress("");
    RightClickPeer(page, 1);
    EXPECT_EQ(3u, modal.Menus().size());
  });
}

TEST_F(DlgConfigCTest, ErrorOutputEditsTheShownPeersMaskAtOnce) {
  kt::DeviceConfig cfg = Defaults();
  cfg.C[1].MODE = 1;
  cfg.C[1].ALMDO = 1;
  kt::CopyText(cfg.DO[1].NAME, "Siren");
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigC& page) {
    kt::test::SelectListItem(&page.m_listChannel, 1);
    // The peer's address is incomplete: the mask still changes at once.
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& d) {
      EXPECT_EQ(QStringLiteral("Communication Error output"), d.m_strTitle);
      ASSERT_EQ(2, d.m_list.GetItemCount());
      EXPECT_TRUE(d.m_rows[1].contains(QStringLiteral("Siren")));
      EXPECT_TRUE(d.m_list.GetCheck(0));
      d.m_list.SetCheck(0, FALSE);
      d.m_list.SetCheck(1, TRUE);
      kt::test::Click(d, IDOK);
    });
    kt::test::Click(page, 1458);
    EXPECT_EQ(2u, dlg.m_config.C[1].ALMDO);
    EXPECT_EQ(0u, dlg.m_config.C[0].ALMDO);
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& d) {
      d.m_list.SetCheck(0, TRUE);
      kt::test::Click(d, IDCANCEL);
    });
    kt::test::Click(page, 1458);
    EXPECT_EQ(2u, dlg.m_config.C[1].ALMDO);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page.
TEST_F(DlgConfigCTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  OnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigC&) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("page-c.png")));
  });
}
