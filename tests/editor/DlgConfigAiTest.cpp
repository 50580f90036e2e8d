// The analog input page ("AI") and the channel-page pattern it shares.
#include "ChannelPeer.h"
#include "ConfigPages.h"
#include "CopyPasteMenu.h"
#include "DlgConfigAi.h"
#include "EditorTestFixture.h"
#include "SlmpDevice.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>

namespace {

using kt::test::Retype;

int PageIndex(const char* label) {
  const auto table = ConfigPageTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (std::strcmp(table[i].label, label) == 0) return static_cast<int>(i);
  }
  return -1;
}

CDlgConfigAi& AiPage(CDlgConfigMain& dlg) {
  return dynamic_cast<CDlgConfigAi&>(*dlg.m_pages[static_cast<std::size_t>(PageIndex("AI"))]);
}

bool Yellow(CWnd* wnd) { return kt::test::BackgroundOf(wnd) == kInvalidColor; }

void SetLimits(kt::AnalogEventConfig& ev, const double (&upper)[4], const double (&lower)[4]) {
  for (int z = 0; z < 4; ++z) {
    ev.ZONE[z].LEVEL[1].LIM = upper[z];
    ev.ZONE[z + 1].LEVEL[0].LIM = lower[z];
  }
}

// Every field the page edits away from its default, one source per channel.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.C[0].MODE = 1;
  c.C[0].PROTOCOL = kt::kProtocolSlmp;
  const kt::u32 regs[4] = {kt::kRegPeer, kt::kRegLocal, kt::kRegDemo, kt::kRegNone};
  for (int i = 0; i < 4; ++i) {
    kt::AiChannelConfig& ai = c.AI[i];
    kt::CopyText(ai.NAME, i == 0 ? "Tank level 0123" : "Flow");
    kt::CopyText(ai.COMMENT, "north side");
    ai.REG = regs[i];
    ai.CHNO = static_cast<kt::u16>(i == 1 ? 1 : 0);
    ai.TYPE = static_cast<kt::u32>(i % 3);
    ai.SCALE = {-5.5, 250.25, 0.5};
    ai.PLACE = 3;
    kt::CopyText(ai.UNIT, "m3/h");
    kt::AnalogEventConfig& ev = c.ALARM.AI[i];
    ev.NUM = static_cast<kt::i16>(i == 3 ? 0 : 5 - i);
    for (int z = 0; z < 5; ++z) {
      kt::CopyText(ev.ZONE[z].NAME, "High high");
      ev.ZONE[z].DELAY = 100 * z + 9;
      ev.ZONE[z].COLOR = 0x102030u * static_cast<kt::u32>(z + 1);
    }
    SetLimits(ev, {10, 30, 50, 70.125}, {15, 30, 55, 75});
    c.MODBUS.AI[i] = {7, 3, {}, 99};
    c.SLMP.AI[i].CODE = 0xB4;
    c.SLMP.AI[i].NO = 0x1234;
  }
  return c;
}

class DlgConfigAiTest : public kt::test::EditorTest {
 protected:
  void SelectChannel(CDlgConfigAi& page, int i) { kt::test::SelectListItem(&page.m_listChannel, i); }
  // A right click on channel i's list item; pick answers the menu.
  void RightClickChannel(CDlgConfigAi& page, int i) {
    CRect item;
    page.m_listChannel.GetItemRect(i, &item);
    kt::test::RightClick(&page.m_listChannel, CPoint(item.left + 2, item.top + 2));
  }
};

}  // namespace

TEST_F(DlgConfigAiTest, EveryChannelStoresBackWhatItLoaded) {
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault()}) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
      CDlgConfigAi& page = AiPage(dlg);
      for (int i = 1; i < 4; ++i) {
        SelectChannel(page, i);
        EXPECT_EQ(i, page.m_nCurChannel);
      }
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(page.CheckSettings(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
}

TEST_F(DlgConfigAiTest, ValuesWithoutAnItemShowTheFallbackAndStoreIt) {
  kt::DeviceConfig cfg = Defaults();
  cfg.ALARM.AI[0].NUM = 6;
  cfg.MODBUS.AI[0].TYPE = 0;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigAi& page = AiPage(dlg);
    EXPECT_EQ(QStringLiteral("Disable"), page.m_comboPartitions.GetWindowText());
    EXPECT_FALSE(page.m_btnEventSetting.IsWindowEnabled());
    EXPECT_EQ(QStringLiteral("Holding Register (4X)"), page.m_comboRegisterKind.GetWindowText());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0, dlg.m_config.ALARM.AI[0].NUM);
    EXPECT_EQ(3, dlg.m_config.MODBUS.AI[0].TYPE);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// An SLMP device code the table does not know is shown as no device and is
// refused, never replaced by the table's first device.
TEST_F(DlgConfigAiTest, AnUnknownSlmpDeviceIsRefusedNotReplaced) {
  kt::DeviceConfig cfg = Defaults();
  cfg.C[0].MODE = 1;
  cfg.C[0].PROTOCOL = kt::kProtocolSlmp;
  cfg.AI[1].REG = kt::kRegPeer;
  cfg.AI[1].CHNO = 0;
  cfg.SLMP.AI[1].CODE = 0x99;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    modal.ExpectMessageBox(QStringLiteral("AI2\r\nSetting error: SLMP Device type"), MB_ICONERROR);
    EXPECT_FALSE(page.CheckSettings(TRUE));

    SelectChannel(page, 1);
    EXPECT_EQ(-1, page.m_comboDeviceType.GetCurSel());
    EXPECT_TRUE(page.m_comboDeviceType.IsWindowEnabled());
    EXPECT_TRUE(Yellow(&page.m_comboDeviceType));
    modal.ExpectMessageBox(QStringLiteral("Setting error: SLMP Device type"), MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(TRUE));
    EXPECT_EQ(0x99u, dlg.m_config.SLMP.AI[1].CODE);

    kt::test::SelectComboItem(&page.m_comboDeviceType, 2);  // "W"
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0xB4u, dlg.m_config.SLMP.AI[1].CODE);
    EXPECT_TRUE(page.CheckSettings(TRUE));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigAiTest, SavingDerivesTheCommandsOfSlmpChannelsOnly) {
  kt::DeviceConfig cfg = Defaults();
  cfg.C[0].PROTOCOL = kt::kProtocolSlmp;  // MODE does not matter
  cfg.SLMP.C[0].TYPE = kt::kSlmpFrame32;
  cfg.C[1].PROTOCOL = kt::kProtocolModbusTcp;
  const kt::u16 peers[4] = {0, 1, 5, 0};
  const kt::u32 regs[4] = {kt::kRegPeer, kt::kRegPeer, kt::kRegPeer, kt::kRegLocal};
  for (int i = 0; i < 4; ++i) {
    cfg.AI[i].REG = regs[i];
    cfg.AI[i].CHNO = peers[i];
    cfg.SLMP.AI[i] = {0, 0xB4, 0x7777, 0x8888};
  }
  kt::u32 command = 0, sub = 0;
  ASSERT_TRUE(kt::FindSlmpAiCommand32(0xB4, command, sub));
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    AiPage(dlg).PrepareSave();
    EXPECT_EQ(command, dlg.m_config.SLMP.AI[0].COMMAND);
    EXPECT_EQ(sub, dlg.m_config.SLMP.AI[0].SUB);
    for (int i = 1; i < 4; ++i) {
      EXPECT_EQ(0x7777u, dlg.m_config.SLMP.AI[i].COMMAND) << i;
      EXPECT_EQ(0x8888u, dlg.m_config.SLMP.AI[i].SUB) << i;
    }
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigAiTest, TheChecksReportTheFirstFailingRule) {
  struct Case {
    const char* name;
    std::function<void(kt::DeviceConfig&)> change;  // of channel AI1 (source "Ai", five zones)
    const char* message;                            // nullptr: passes
  };
  auto limits = [](const double (&upper)[4], const double (&lower)[4]) {
    return [=](kt::DeviceConfig& c) { SetLimits(c.ALARM.AI[0], upper, lower); };
  };
  const Case cases[] = {
      {"defaults, equal limits across zones", [](kt::DeviceConfig&) {}, nullptr},
      {"zone 1 above zone 2", limits({25, 40, 60, 80}, {20, 40, 60, 80}),
       "Setting error: Zone 1 Upper limit > Zone 2 Lower limit"},
      {"zone 2 empty", limits({20, 40, 60, 80}, {40, 40, 60, 80}),
       "Setting error: Zone 2 Lower limit >= Zone 2 Upper limit"},
      {"zone 2 before zone 4", limits({20, 30, 60, 90}, {30, 40, 60, 80}),
       "Setting error: Zone 2 Lower limit >= Zone 2 Upper limit"},
      {"zone 4 above zone 5", limits({20, 40, 60, 90}, {20, 40, 60, 80}),
       "Setting error: Zone 4 Upper limit > Zone 5 Lower limit"},
      {"two zones check only zone 1", [&](kt::DeviceConfig& c) {
         limits({20, 10, 60, 90}, {20, 40, 60, 80})(c);
         c.ALARM.AI[0].NUM = 2;
       }, nullptr},
      {"scaling replaces zone messages", [&](kt::DeviceConfig& c) {
         limits({20, 30, 60, 90}, {30, 40, 60, 80})(c);
         c.AI[0].SCALE.SPAN = 0;
       }, "Setting error: Scaling 0% = 100%"},
      {"INT ignores 0 % = 100 %", [](kt::DeviceConfig& c) {
         c.AI[0].SCALE.SPAN = 0;
         c.AI[0].TYPE = 1;
       }, nullptr},
      {"source None checks nothing more", [&](kt::DeviceConfig& c) {
         limits({25, 30, 60, 90}, {20, 40, 60, 80})(c);
         c.AI[0].SCALE.SPAN = 0;
         c.AI[0].REG = 0;
       }, nullptr},
      {"number inputs first, zone 5 before zone 1", [](kt::DeviceConfig& c) {
         c.ALARM.AI[0].ZONE[4].LEVEL[0].LIM = -2e6;
         c.ALARM.AI[0].ZONE[0].LEVEL[1].LIM = 2e6;
       }, "Setting error: Zone 5 Lower limit"},
  };
  for (const Case& tc : cases) {
    SCOPED_TRACE(tc.name);
    kt::DeviceConfig cfg = Defaults();
    cfg.AI[0].REG = kt::kRegLocal;
    cfg.ALARM.AI[0].NUM = 5;
    tc.change(cfg);
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigAi& page = AiPage(dlg);
      if (tc.message) modal.ExpectMessageBox(QString::fromUtf8(tc.message), MB_ICONERROR);
      EXPECT_EQ(tc.message == nullptr, page.CheckControls(TRUE) == TRUE);
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
}
