// The analog input page ("AI") and the channel-page pattern it shares.
#include "ChannelPeer.h"
#include "ConfigPages.h"
#include "CopyPasteMenu.h"
#include "DlgConfigAi.h"
#include "DlgZone.h"
#include "EditorTestFixture.h"
#include "JsonReadConfig.h"
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
  auto limits = [](const double(&upper)[4], const double(&lower)[4]) {
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
      {"two zones check only zone 1",
       [&](kt::DeviceConfig& c) {
         limits({20, 10, 60, 90}, {20, 40, 60, 80})(c);
         c.ALARM.AI[0].NUM = 2;
       },
       nullptr},
      {"scaling replaces zone messages",
       [&](kt::DeviceConfig& c) {
         limits({20, 30, 60, 90}, {30, 40, 60, 80})(c);
         c.AI[0].SCALE.SPAN = 0;
       },
       "Setting error: Scaling 0% = 100%"},
      {"INT ignores 0 % = 100 %",
       [](kt::DeviceConfig& c) {
         c.AI[0].SCALE.SPAN = 0;
         c.AI[0].TYPE = 1;
       },
       nullptr},
      {"source None checks nothing more",
       [&](kt::DeviceConfig& c) {
         limits({25, 30, 60, 90}, {20, 40, 60, 80})(c);
         c.AI[0].SCALE.SPAN = 0;
         c.AI[0].REG = 0;
       },
       nullptr},
      {"number inputs first, zone 5 before zone 1",
       [](kt::DeviceConfig& c) {
         c.ALARM.AI[0].ZONE[4].LEVEL[0].LIM = -2e6;
         c.ALARM.AI[0].ZONE[0].LEVEL[1].LIM = 2e6;
       },
       "Setting error: Zone 5 Lower limit"},
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

TEST_F(DlgConfigAiTest, SwitchingStoresTheShownChannelUnlessItsCheckFails) {
  kt::DeviceConfig cfg = Defaults();
  cfg.AI[1].REG = kt::kRegLocal;
  cfg.ALARM.AI[1].NUM = 3;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    Retype(&page.m_editName, QStringLiteral("Pump"));
    SelectChannel(page, 1);
    EXPECT_STREQ("Pump", dlg.m_config.AI[0].NAME);
    EXPECT_EQ(1, page.m_nCurChannel);

    // Lower limit of zone 2 below the upper limit of zone 1: both light up.
    Retype(&page.m_editLower[0], QStringLiteral("10"));
    EXPECT_TRUE(Yellow(&page.m_editLower[0]));
    EXPECT_TRUE(Yellow(&page.m_editUpper[0]));
    EXPECT_FALSE(Yellow(&page.m_editUpper[1]));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Zone 1 Upper limit > Zone 2 Lower limit"), MB_ICONERROR);
    SelectChannel(page, 2);
    EXPECT_EQ(1, page.m_nCurChannel);
    EXPECT_EQ(1, page.m_listChannel.GetCurSel());
    EXPECT_EQ(20.0, dlg.m_config.ALARM.AI[1].ZONE[1].LEVEL[0].LIM);

    // Source "None": nothing else enabled, nothing more checked.
    kt::test::SelectComboItem(&page.m_comboSource, 0);
    EXPECT_FALSE(page.m_editLower[0].IsWindowEnabled());
    EXPECT_FALSE(page.m_comboPartitions.IsWindowEnabled());
    EXPECT_FALSE(Yellow(&page.m_editLower[0]));
    SelectChannel(page, 2);
    EXPECT_EQ(2, page.m_nCurChannel);
    EXPECT_EQ(kt::kRegNone, dlg.m_config.AI[1].REG);
    EXPECT_EQ(10.0, dlg.m_config.ALARM.AI[1].ZONE[1].LEVEL[0].LIM);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// A factor that the reader takes (-1,000,000 to 1,000,000) but that the "INT"
// input cannot hold is shown as it is and refused, never saved as the
// input's default.
TEST_F(DlgConfigAiTest, AFactorTheInputCannotHoldIsRefusedOnSave) {
  kt::DeviceConfig written = Defaults();
  written.AI[0].TYPE = 1;  // "INT"
  written.AI[0].SCALE.GAIN = 123456.0;
  const QByteArray document = Document(written);
  kt::DeviceConfig cfg = Defaults();
  ASSERT_EQ(0u, kt::JsonReadConfig(&cfg, document.constData(), static_cast<std::size_t>(document.size()), nullptr));
  ASSERT_EQ(123456.0, cfg.AI[0].SCALE.GAIN);
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    EXPECT_EQ(QStringLiteral("123456.000"), page.m_editGain.GetWindowText());
    EXPECT_TRUE(Yellow(&page.m_editGain));
    // "Save file" stops at the page's message: no file dialog, nothing written.
    modal.ExpectMessageBox(QStringLiteral("Setting error: Scaling Int"), MB_ICONERROR);
    kt::test::Click(dlg, 1012);
    modal.VerifyDone();
    EXPECT_EQ(123456.0, dlg.m_config.AI[0].SCALE.GAIN);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
  EXPECT_TRUE(QDir(files.path()).isEmpty());
}

TEST_F(DlgConfigAiTest, AChannelWhoseFactorDoesNotFitShowsItsOwnFactor) {
  kt::DeviceConfig cfg = Defaults();  // AI1 and AI2 on source "Ai"
  cfg.AI[0].TYPE = 1;
  cfg.AI[0].SCALE.GAIN = 0.5;
  cfg.AI[1].TYPE = 1;
  cfg.AI[1].SCALE.GAIN = 123456.0;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    EXPECT_FALSE(Yellow(&page.m_editGain));
    SelectChannel(page, 1);
    ASSERT_EQ(1, page.m_nCurChannel);
    EXPECT_EQ(QStringLiteral("123456.000"), page.m_editGain.GetWindowText());
    EXPECT_TRUE(Yellow(&page.m_editGain));

    // Kept until the user fixes it.
    modal.ExpectMessageBox(QStringLiteral("Setting error: Scaling Int"), MB_ICONERROR);
    SelectChannel(page, 0);
    EXPECT_EQ(1, page.m_nCurChannel);
    Retype(&page.m_editGain, QStringLiteral("12.5"));
    SelectChannel(page, 0);
    EXPECT_EQ(0, page.m_nCurChannel);
    EXPECT_EQ(12.5, dlg.m_config.AI[1].SCALE.GAIN);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// Reopening the source list on the source shown keeps the channel number.
TEST_F(DlgConfigAiTest, ReselectingTheShownSourceKeepsTheChannelNumber) {
  kt::DeviceConfig cfg = Defaults();
  cfg.AI[0].REG = kt::kRegLocal;
  cfg.AI[0].CHNO = 1;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigAi& page = AiPage(dlg);
    kt::test::SelectComboItem(&page.m_comboSource, 1);
    EXPECT_EQ(1, page.m_comboChannel.GetCurSel());
    kt::test::SelectComboItem(&page.m_comboSource, 2);
    EXPECT_EQ(0, page.m_comboChannel.GetCurSel());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(kt::kRegPeer, dlg.m_config.AI[0].REG);
    EXPECT_EQ(0, dlg.m_config.AI[0].CHNO);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigAiTest, CopyPasteAndPastePlusOneCountAddressesOn) {
  kt::DeviceConfig cfg = NonDefault();
  cfg.C[0].PROTOCOL = kt::kProtocolModbusTcp;
  cfg.MODBUS.AI[0].NO = 9;  // shown as 10
  cfg.SLMP.AI[0].NO = 50;   // the SLMP inputs are disabled: not counted
  kt::CopyText(cfg.ALARM.AI[0].ZONE[2].LEVEL[1].MSG, "only in the event dialog");
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    // Nothing copied yet: "Copy" only.
    modal.ExpectMenu([](const kt::MenuRequest& menu) {
      EXPECT_FALSE(menu.items[0].grayed);
      EXPECT_TRUE(menu.items[2].grayed);
      EXPECT_TRUE(menu.items[3].grayed);
      EXPECT_EQ(QStringLiteral("Paste(+1)"), menu.items[3].text);
      return UINT(ID_MENU_COPY);
    });
    RightClickChannel(page, 0);
    ASSERT_EQ(1, page.m_copy.filled);

    const int expected[3] = {10, 11, 9};  // NO after Paste(+1), Paste(+1), Paste
    const UINT picks[3] = {ID_MENU_PASTE_PLUS, ID_MENU_PASTE_PLUS, ID_MENU_PASTE};
    for (int i = 1; i < 4; ++i) {
      modal.ExpectMenu(picks[i - 1]);
      RightClickChannel(page, i);
      EXPECT_EQ(i, page.m_nCurChannel);
      const kt::DeviceConfig& c = dlg.m_config;
      EXPECT_EQ(0, std::memcmp(&c.AI[0], &c.AI[i], sizeof c.AI[0])) << i;
      EXPECT_EQ(0, std::memcmp(&c.ALARM.AI[0], &c.ALARM.AI[i], sizeof c.ALARM.AI[0])) << i;
      EXPECT_EQ(expected[i - 1], c.MODBUS.AI[i].NO) << i;
      EXPECT_EQ(50u, c.SLMP.AI[i].NO) << i;
      EXPECT_EQ(QString::number(expected[i - 1] + 1), page.m_editRegister.GetWindowText());
    }

    // Leaving the tab stores the page and ends the copy.
    kt::test::SelectTab(&dlg.m_tab, PageIndex("Log"));
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    EXPECT_EQ(0, page.m_copy.filled);
    modal.ExpectMenu([](const kt::MenuRequest& menu) {
      EXPECT_TRUE(menu.items[2].grayed);
      return 0u;
    });
    RightClickChannel(page, 3);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// An invalid shown channel keeps its place; the menu then offers "Paste"
// only, or nothing when nothing was copied.
TEST_F(DlgConfigAiTest, RightClickOnAnotherChannelChecksTheShownOneFirst) {
  kt::DeviceConfig cfg = Defaults();
  cfg.AI[0].REG = kt::kRegLocal;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigAi& page = AiPage(dlg);
    Retype(&page.m_editSpan, QStringLiteral("0"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Scaling 0% = 100%"), MB_ICONERROR);
    RightClickChannel(page, 2);
    EXPECT_EQ(0, page.m_nCurChannel);
    EXPECT_EQ(0, page.m_listChannel.GetCurSel());
    EXPECT_TRUE(modal.Menus().empty());

    page.m_copy.filled = 1;
    modal.ExpectMessageBox(QStringLiteral("Setting error: Scaling 0% = 100%"), MB_ICONERROR);
    modal.ExpectMenu([](const kt::MenuRequest& menu) {
      EXPECT_TRUE(menu.items[0].grayed);
      EXPECT_FALSE(menu.items[2].grayed);
      return 0u;
    });
    RightClickChannel(page, 2);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// Colours are kept as 0xRRGGBB and shown as 0x00BBGGRR; the event setting
// dialog gets the shown channel's zones and zone count.
TEST_F(DlgConfigAiTest, ZoneColoursAndTheEventSettingDialog) {
  kt::DeviceConfig cfg = Defaults();
  cfg.AI[2].REG = kt::kRegDemo;
  cfg.ALARM.AI[2].NUM = 4;
  cfg.ALARM.AI[2].ZONE[1].COLOR = 0x112233;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    CDlgConfigAi& page = AiPage(dlg);
    SelectChannel(page, 2);
    modal.ExpectColorDialog(RGB(0xAA, 0xBB, 0xCC), [](const kt::ColorDialogRequest& request) {
      EXPECT_EQ(RGB(0x11, 0x22, 0x33), request.initial);
    });
    kt::test::Click(page, 1036);
    modal.ExpectColorDialog(std::nullopt);
    kt::test::Click(page, 1038);
    EXPECT_EQ(0x112233u, dlg.m_config.ALARM.AI[2].ZONE[1].COLOR);  // not before the store
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0xAABBCCu, dlg.m_config.ALARM.AI[2].ZONE[1].COLOR);
    EXPECT_EQ(cfg.ALARM.AI[2].ZONE[2].COLOR, dlg.m_config.ALARM.AI[2].ZONE[2].COLOR);

    kt::ZoneEventConfig* zones = dlg.m_config.ALARM.AI[2].ZONE;
    modal.ExpectDialog<CDlgZone>([&](CDlgZone& zone) {
      EXPECT_EQ(zones, zone.m_pZones);
      EXPECT_EQ(3, zone.m_nPartition);
      kt::test::Click(zone, IDCANCEL);
    });
    kt::test::Click(page, 1045);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigAiTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, PageIndex("AI"));
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("page-ai.png")));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}
