// The digital output page ("DO"): round trip of both channels, enabling
// rules, channel numbers, the state colours, and the save-time checks: the
// device code and two outputs writing the same point.
#include "DlgConfigDo.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <functional>

namespace {

class DlgConfigDoTest : public kt::test::EditorTest {
 protected:
  // Runs the editor on the "DO" page; body gets the page.
  void OnPage(const kt::DeviceConfig& cfg, const std::function<void(CDlgConfigMain&, CDlgConfigDo&)>& body) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      const int index = kt::test::PageIndex("DO");
      kt::test::SelectTab(&dlg.m_tab, index);
      body(dlg, dynamic_cast<CDlgConfigDo&>(*dlg.m_pages[static_cast<std::size_t>(index)]));
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
};

// Both peers enabled on the same host (different ports), Modbus/TCP "Fixed"
// with unit 1; both outputs on coil 5 of their peer.
kt::DeviceConfig SamePointOnTwoPeers() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  for (int p = 0; p < kt::kPeerCount; ++p) {
    c.C[p].MODE = 1;
    c.C[p].PROTOCOL = 0;
    kt::CopyText(c.C[p].IP, "192.168.0.10");
    c.C[p].PORT = 502 + p;
    c.MODBUS.C[p].TYPE = 0;
    c.MODBUS.C[p].NODE = 1;
  }
  for (int i = 0; i < kt::kDoCount; ++i) {
    c.DO[i].REG = 2;
    c.DO[i].CHNO = static_cast<kt::u16>(i);
    c.MODBUS.DO[i].NODE = static_cast<kt::u8>(10 + i);  // not used by "Fixed" peers
    c.MODBUS.DO[i].NO = 4;
  }
  return c;
}

kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = SamePointOnTwoPeers();
  for (int i = 0; i < kt::kDoCount; ++i) {
    kt::CopyText(c.DO[i].NAME, "出力");
    kt::CopyText(c.DO[i].COMMENT, "Lamp");
    c.DO[i].INVERT = 1;
    c.MODBUS.DO[i].NO = 65535 - i;
    c.SLMP.DO[i].CODE = 0x9D;  // "Y"
    c.SLMP.DO[i].NO = 77;
    for (int s = 0; s < kt::kStateCount; ++s) {
      kt::CopyText(c.ALARM.DO[i].ZONE[s].DISP, s ? "Run" : "Stop");
      c.ALARM.DO[i].ZONE[s].COLOR = 0xABCDEFu - static_cast<kt::u32>(s);
    }
  }
  return c;
}

}  // namespace

TEST_F(DlgConfigDoTest, BothChannelsStoreBackWhatTheyLoaded) {
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault()}) {
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDo& page) {
      kt::test::SelectListItem(&page.m_listChannel, 1);
      EXPECT_EQ(1, page.m_nCurChannel);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(page.CheckSettings(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
    });
  }
}

TEST_F(DlgConfigDoTest, TwoOutputsOnTheSamePointAreRefused) {
  using Edit = std::function<void(kt::DeviceConfig&)>;
  struct Case {
    const char* name;
    Edit edit;
    bool duplicate;
  };
  auto slmp = [](kt::DeviceConfig& c) {
    for (int p = 0; p < kt::kPeerCount; ++p) c.C[p].PROTOCOL = 1;
    for (int i = 0; i < kt::kDoCount; ++i) {
      c.SLMP.DO[i].CODE = 0x9D;
      c.SLMP.DO[i].NO = 100;
    }
  };
  const Case cases[] = {
      {"same Modbus point, ports differ", [](kt::DeviceConfig&) {}, true},
      {"one peer disabled", [](kt::DeviceConfig& c) { c.C[1].MODE = 0; }, false},
      {"other register", [](kt::DeviceConfig& c) { c.MODBUS.DO[1].NO = 5; }, false},
      {"other host", [](kt::DeviceConfig& c) { kt::CopyText(c.C[1].IP, "192.168.0.11"); }, false},
      {"same host written differently", [](kt::DeviceConfig& c) { kt::CopyText(c.C[1].IP, "192.168.000.010"); }, true},
      {"Variable peers with their own units", [](kt::DeviceConfig& c) { c.MODBUS.C[0].TYPE = c.MODBUS.C[1].TYPE = 1; },
       false},
      {"Variable peers, same own units",
       [](kt::DeviceConfig& c) {
         c.MODBUS.C[0].TYPE = c.MODBUS.C[1].TYPE = 1;
         c.MODBUS.DO[1].NODE = 10;
       },
       true},
      {"one Variable peer whose output's unit is the other's",
       [](kt::DeviceConfig& c) {
         c.MODBUS.C[1].TYPE = 1;
         c.MODBUS.DO[1].NODE = 1;
       },
       true},
      {"Modbus and SLMP", [](kt::DeviceConfig& c) { c.C[1].PROTOCOL = 1; }, false},
      {"same SLMP point", slmp, true},
      {"same SLMP address, other device",
       [&](kt::DeviceConfig& c) {
         slmp(c);
         c.SLMP.DO[1].CODE = 0x90;
       },
       false},
      {"same SLMP point, stale commands in the record",
       [&](kt::DeviceConfig& c) {
         slmp(c);
         c.SLMP.DO[0].COMMAND = 0x1111;
         c.SLMP.DO[1].COMMAND = 0x2222;
       },
       true},
      {"no such peer", [](kt::DeviceConfig& c) { c.DO[0].CHNO = c.DO[1].CHNO = 7; }, false},
      {"both Do 1",
       [](kt::DeviceConfig& c) {
         c.DO[0].REG = c.DO[1].REG = 1;
         c.DO[0].CHNO = c.DO[1].CHNO = 0;
       },
       true},
      {"Do 1 and Do 2",
       [](kt::DeviceConfig& c) {
         c.DO[0].REG = c.DO[1].REG = 1;
         c.DO[0].CHNO = 0;
         c.DO[1].CHNO = 1;
       },
       false},
      {"both Demo", [](kt::DeviceConfig& c) { c.DO[0].REG = c.DO[1].REG = 3; }, false},
      {"both None", [](kt::DeviceConfig& c) { c.DO[0].REG = c.DO[1].REG = 0; }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = SamePointOnTwoPeers();
    c.edit(cfg);
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDo& page) {
      if (c.duplicate) {
        modal.ExpectMessageBox(QStringLiteral("Duplicate channel setting: DO1 and DO2"), MB_ICONERROR, IDOK);
      }
      EXPECT_EQ(!c.duplicate, page.CheckSettings(TRUE) == TRUE);
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));  // the check changes nothing
    });
  }
}

TEST_F(DlgConfigDoTest, AnUnknownDeviceCodeIsReportedBeforeDuplicates) {
  kt::DeviceConfig cfg = SamePointOnTwoPeers();
  cfg.C[0].PROTOCOL = cfg.C[1].PROTOCOL = 1;
  cfg.SLMP.DO[0].CODE = cfg.SLMP.DO[1].CODE = 0xA8;  // a word device
  OnPage(cfg, [&](CDlgConfigMain&, CDlgConfigDo& page) {
    // Shown with no device selected, and refused while its input is enabled.
    EXPECT_EQ(-1, page.m_comboDeviceType.GetCurSel());
    modal.ExpectMessageBox(QStringLiteral("Setting error: SLMP Device type"), MB_ICONERROR, IDOK);
    EXPECT_FALSE(page.StorePage(TRUE));
    modal.ExpectMessageBox(QStringLiteral("DO1\r\nSetting error: SLMP Device type"), MB_ICONERROR, IDOK);
    EXPECT_FALSE(page.CheckSettings(TRUE));
  });
}

TEST_F(DlgConfigDoTest, EnablingChannelNumbersAndPointKind) {
  struct Case {
    const char* name;
    kt::u32 reg;
    int numbers;
    bool channel, modbus, states;
  };
  const Case cases[] = {
      {"None", 0, 0, false, false, false},
      {"Do", 1, 1, true, false, true},
      {"C", 2, 2, true, true, true},
      {"Demo", 3, 0, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = SamePointOnTwoPeers();
    cfg.DO[0].REG = c.reg;
    cfg.DO[0].CHNO = 0;
    cfg.MODBUS.DO[0].TYPE = 5;
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDo& page) {
      EXPECT_EQ(c.numbers, page.m_comboChannel.GetCount());
      EXPECT_EQ(c.channel, page.m_comboChannel.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.modbus, page.m_editRegister.IsWindowEnabled() == TRUE);
      EXPECT_FALSE(page.m_editUnitId.IsWindowEnabled());  // "Fixed" peers
      EXPECT_FALSE(page.m_comboDeviceType.IsWindowEnabled());
      EXPECT_EQ(c.states, page.m_comboInvert.IsWindowEnabled() == TRUE);
      for (int s = 0; s < kt::kStateCount; ++s) {
        EXPECT_EQ(c.states, page.m_editDisp[s].IsWindowEnabled() == TRUE);
        EXPECT_EQ(c.states, page.m_btnColor[s].IsWindowEnabled() == TRUE);
        EXPECT_FALSE(page.m_swatch[s].IsWindowEnabled());
      }
      EXPECT_EQ(QStringLiteral("Coil (0X)"), page.m_comboPointKind.GetWindowText());
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_EQ(15, dlg.m_config.MODBUS.DO[0].TYPE);
    });
  }
}

TEST_F(DlgConfigDoTest, StateColoursOpenOnTheDialogsOwnDefault) {
  kt::DeviceConfig cfg = Defaults();
  cfg.ALARM.DO[0].ZONE[1].COLOR = 0x00FF00;
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDo& page) {
    modal.ExpectColorDialog(RGB(0x11, 0x22, 0x33), [](const kt::ColorDialogRequest& r) { EXPECT_EQ(0u, r.initial); });
    kt::test::Click(page, 1326);  // ON
    modal.ExpectColorDialog(std::nullopt);
    kt::test::Click(page, 1329);  // OFF, cancelled
    const kt::u32 off = dlg.m_config.ALARM.DO[0].ZONE[0].COLOR;
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0x112233u, dlg.m_config.ALARM.DO[0].ZONE[1].COLOR);
    EXPECT_EQ(off, dlg.m_config.ALARM.DO[0].ZONE[0].COLOR);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page.
TEST_F(DlgConfigDoTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  OnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigDo&) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("page-do.png")));
  });
}
