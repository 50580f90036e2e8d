// The digital input page ("DI"): round trip of both channels, enabling
// rules, the source's channel numbers, checks and their order, the state
// colours and selection dialogs, "Paste(+1)", the save-time derivation.
#include "CopyPasteMenu.h"
#include "DlgConfigDi.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"
#include "SlmpDevice.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::test::Retype;

class DlgConfigDiTest : public kt::test::EditorTest {
 protected:
  // Runs the editor on the "DI" page; body gets the page.
  void OnPage(const kt::DeviceConfig& cfg, const std::function<void(CDlgConfigMain&, CDlgConfigDi&)>& body) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      const int index = kt::test::PageIndex("DI");
      kt::test::SelectTab(&dlg.m_tab, index);
      body(dlg, dynamic_cast<CDlgConfigDi&>(*dlg.m_pages[static_cast<std::size_t>(index)]));
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
};

constexpr kt::u32 kCodeX = 0x9C;  // "X" in the bit device table

// C1 an enabled SLMP peer, C2 an enabled Modbus/TCP peer ("Variable").
kt::DeviceConfig WithPeers() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.C[0].MODE = 1;
  c.C[0].PROTOCOL = 1;
  kt::CopyText(c.C[0].IP, "10.0.0.1");
  c.C[1].MODE = 1;
  c.C[1].PROTOCOL = 0;
  kt::CopyText(c.C[1].IP, "10.0.0.2");
  c.MODBUS.C[1].TYPE = 1;
  return c;
}

// Every field the page edits away from its default, on both channels.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = WithPeers();
  for (int i = 0; i < kt::kDiCount; ++i) {
    kt::CopyText(c.DI[i].NAME, i == 0 ? "入力一号" : "Door");
    kt::CopyText(c.DI[i].COMMENT, "comment");
    c.DI[i].INVERT = 1;
    c.MODBUS.DI[i].NODE = static_cast<kt::u8>(200 + i);
    c.MODBUS.DI[i].TYPE = 1;
    c.MODBUS.DI[i].NO = 65535;
    c.SLMP.DI[i].CODE = kCodeX;
    c.SLMP.DI[i].NO = 0xFFFFFFFFu - static_cast<kt::u32>(i);
    for (int s = 0; s < kt::kStateCount; ++s) {
      kt::DiStateEventConfig& z = c.ALARM.DI[i].ZONE[s];
      kt::CopyText(z.DISP, s ? "Open" : "Closed");
      z.DELAY = 999 - s;
      z.ALMDO = 3;
      z.RSTOI = 0xF;
      z.COLOR = 0x123456u + static_cast<kt::u32>(s);
      z.TRIG = 1;
      kt::CopyText(z.MSG, "A message of thirty-two letters!");
      z.TREC = 1;
      z.FORM = 0xA;
    }
  }
  c.DI[0].REG = 2;  // C1, SLMP
  c.DI[0].CHNO = 0;
  c.DI[1].REG = 2;  // C2, Modbus/TCP
  c.DI[1].CHNO = 1;
  return c;
}

// Empties an edit as the user does: select all, Delete.
void Clear(CWnd* edit) {
  Retype(edit, QString());
  kt::test::PressKey(edit, Qt::Key_Delete);
}

void RightClickChannel(CDlgConfigDi& page, int channel) {
  CRect rect;
  page.m_listChannel.GetItemRect(channel, &rect);
  kt::test::RightClick(&page.m_listChannel, CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2));
}

}  // namespace

TEST_F(DlgConfigDiTest, BothChannelsStoreBackWhatTheyLoaded) {
  kt::DeviceConfig demo = Defaults();
  demo.DI[0].REG = 3;
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault(), demo}) {
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
      kt::test::SelectListItem(&page.m_listChannel, 1);
      EXPECT_EQ(1, page.m_nCurChannel);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(page.CheckSettings(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
    });
  }
}

TEST_F(DlgConfigDiTest, EnablingFollowsSourceAndPeer) {
  struct Case {
    const char* name;
    kt::u32 reg, chno;
    bool peerEnabled;
    bool channel, unitId, modbus, slmp, states;
  };
  const Case cases[] = {
      {"None", 0, 0, true, false, false, false, false, false},
      {"Di", 1, 0, true, true, false, false, false, true},
      {"C1 SLMP", 2, 0, true, true, false, false, true, true},
      {"C2 Modbus variable", 2, 1, true, true, true, true, false, true},
      {"C1 disabled", 2, 0, false, true, false, false, false, true},
      {"Demo", 3, 0, true, false, false, false, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = WithPeers();
    cfg.C[0].MODE = c.peerEnabled ? 1 : 0;
    cfg.DI[0].REG = c.reg;
    cfg.DI[0].CHNO = static_cast<kt::u16>(c.chno);
    OnPage(cfg, [&](CDlgConfigMain&, CDlgConfigDi& page) {
      EXPECT_TRUE(page.m_comboSource.IsWindowEnabled());
      EXPECT_TRUE(page.m_editName.IsWindowEnabled());
      EXPECT_EQ(c.channel, page.m_comboChannel.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.unitId, page.m_editUnitId.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.modbus, page.m_comboPointKind.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.modbus, page.m_editRegister.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.slmp, page.m_comboDeviceType.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.slmp, page.m_editDeviceAddress.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.slmp, page.m_comboRadix.IsWindowEnabled() == TRUE);
      EXPECT_EQ(c.states, page.m_comboInvert.IsWindowEnabled() == TRUE);
      for (auto& s : page.m_state) {
        for (CWnd* w : {static_cast<CWnd*>(&s.disp), static_cast<CWnd*>(&s.delay), static_cast<CWnd*>(&s.msg),
                        static_cast<CWnd*>(&s.color), static_cast<CWnd*>(&s.trecOn), static_cast<CWnd*>(&s.rstoi),
                        static_cast<CWnd*>(&s.almdo), static_cast<CWnd*>(&s.trigOff), static_cast<CWnd*>(&s.form)}) {
          EXPECT_EQ(c.states, w->IsWindowEnabled() == TRUE);
        }
        EXPECT_FALSE(s.swatch.IsWindowEnabled());
      }
    });
  }
}

TEST_F(DlgConfigDiTest, TheSourceDecidesTheChannelNumbers) {
  kt::DeviceConfig cfg = WithPeers();
  cfg.DI[0].REG = 2;
  cfg.DI[0].CHNO = 1;
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
    EXPECT_EQ(2, page.m_comboChannel.GetCount());
    EXPECT_EQ(1, page.m_comboChannel.GetCurSel());
    // Closing the list on the source shown changes nothing.
    kt::test::SelectComboItem(&page.m_comboSource, 2);
    EXPECT_EQ(1, page.m_comboChannel.GetCurSel());
    kt::test::SelectComboItem(&page.m_comboSource, 1);
    EXPECT_EQ(1, page.m_comboChannel.GetCount());
    EXPECT_EQ(0, page.m_comboChannel.GetCurSel());
    kt::test::SelectComboItem(&page.m_comboSource, 2);
    EXPECT_EQ(2, page.m_comboChannel.GetCount());
    EXPECT_EQ(0, page.m_comboChannel.GetCurSel());
    kt::test::SelectComboItem(&page.m_comboSource, 3);
    EXPECT_EQ(0, page.m_comboChannel.GetCount());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(3u, dlg.m_config.DI[0].REG);
    EXPECT_EQ(0u, dlg.m_config.DI[0].CHNO);
  });
}

TEST_F(DlgConfigDiTest, ChecksReportTheFirstFaultInOrder) {
  struct Case {
    const char* name;
    kt::u32 chno;  // source C on this peer
    kt::u32 code;  // SLMP device code in the record
    int id1, id2;  // inputs emptied (0: none)
    const char* message;
  };
  const Case cases[] = {
      {"ON delay before OFF delay", 0, 0x90, 1109, 1036, "Setting error: ON Delay time"},
      {"OFF delay", 0, 0x90, 1036, 0, "Setting error: OFF Delay time"},
      {"delay before device type", 0, 0x1234, 1036, 0, "Setting error: OFF Delay time"},
      {"unknown device code", 0, 0x1234, 0, 0, "Setting error: SLMP Device type"},
      {"unknown code of a Modbus peer's channel", 1, 0x1234, 0, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = WithPeers();
    cfg.DI[0].REG = 2;
    cfg.DI[0].CHNO = static_cast<kt::u16>(c.chno);
    cfg.SLMP.DI[0].CODE = c.code;
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
      for (int id : {c.id1, c.id2}) {
        if (id) Clear(page.GetDlgItem(id));
      }
      if (c.message) modal.ExpectMessageBox(QString::fromUtf8(c.message), MB_ICONERROR, IDOK);
      EXPECT_EQ(c.message == nullptr, page.StorePage(TRUE) == TRUE);
      // An unknown code is never replaced by another device.
      EXPECT_EQ(c.code, dlg.m_config.SLMP.DI[0].CODE);
    });
  }
}

TEST_F(DlgConfigDiTest, AnUnknownDeviceCodeOfAChannelNeverShownStopsTheSave) {
  kt::DeviceConfig cfg = WithPeers();
  cfg.DI[1].REG = 2;
  cfg.DI[1].CHNO = 0;
  cfg.SLMP.DI[1].CODE = 0xA8;  // a word device
  OnPage(cfg, [&](CDlgConfigMain&, CDlgConfigDi& page) {
    modal.ExpectMessageBox(QStringLiteral("DI2\r\nSetting error: SLMP Device type"), MB_ICONERROR, IDOK);
    EXPECT_FALSE(page.CheckSettings(TRUE));
    EXPECT_FALSE(page.CheckSettings(FALSE));
  });
}

TEST_F(DlgConfigDiTest, PointKindWithoutAnItemIsStoredAsInput) {
  kt::DeviceConfig cfg = Defaults();
  cfg.MODBUS.DI[0].TYPE = 3;
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
    EXPECT_EQ(QStringLiteral("Input (1X)"), page.m_comboPointKind.GetWindowText());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(2, dlg.m_config.MODBUS.DI[0].TYPE);
  });
}

TEST_F(DlgConfigDiTest, StateColoursOpenOnTheDialogsOwnDefault) {
  kt::DeviceConfig cfg = Defaults();
  cfg.DI[0].REG = 1;
  cfg.ALARM.DI[0].ZONE[0].COLOR = 0x0000FF;
  cfg.ALARM.DI[0].ZONE[1].COLOR = 0x00FF00;
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
    EXPECT_EQ(0xFF0000u, page.m_offColor);  // screen form
    modal.ExpectColorDialog(RGB(0x11, 0x22, 0x33), [](const kt::ColorDialogRequest& r) { EXPECT_EQ(0u, r.initial); });
    kt::test::Click(page, 1108);  // ON
    modal.ExpectColorDialog(std::nullopt);
    kt::test::Click(page, 1022);                                   // OFF, cancelled
    EXPECT_EQ(0x00FF00u, dlg.m_config.ALARM.DI[0].ZONE[1].COLOR);  // only stored with the channel
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0x112233u, dlg.m_config.ALARM.DI[0].ZONE[1].COLOR);
    EXPECT_EQ(0x0000FFu, dlg.m_config.ALARM.DI[0].ZONE[0].COLOR);
  });
}

TEST_F(DlgConfigDiTest, SelectionButtonsEditTheirMaskAtOnce) {
  struct Case {
    int id;
    const char* title;
    int rows;
    int state;
    kt::u32 kt::DiStateEventConfig::*field;
  };
  const Case cases[] = {
      {1461, "Reset function value", 4, 1, &kt::DiStateEventConfig::RSTOI},
      {1459, "Alarm output", 2, 1, &kt::DiStateEventConfig::ALMDO},
      {1464, "Mail template No.", 4, 1, &kt::DiStateEventConfig::FORM},
      {1462, "Reset function value", 4, 0, &kt::DiStateEventConfig::RSTOI},
      {1460, "Alarm output", 2, 0, &kt::DiStateEventConfig::ALMDO},
      {1465, "Mail template No.", 4, 0, &kt::DiStateEventConfig::FORM},
  };
  kt::DeviceConfig cfg = Defaults();
  cfg.DI[1].REG = 3;
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
    kt::test::SelectListItem(&page.m_listChannel, 1);
    Clear(&page.m_state[0].delay);  // invalid: the masks change all the same
    for (const Case& c : cases) {
      SCOPED_TRACE(c.id);
      kt::DeviceConfig before = dlg.m_config;
      modal.ExpectDialog<CDlgConfigSelect>([&](CDlgConfigSelect& d) {
        EXPECT_EQ(QString::fromUtf8(c.title), d.m_strTitle);
        EXPECT_EQ(c.rows, d.m_list.GetItemCount());
        d.m_list.SetCheck(1, TRUE);
        kt::test::Click(d, IDOK);
      });
      kt::test::Click(page, c.id);
      EXPECT_EQ(2u, dlg.m_config.ALARM.DI[1].ZONE[c.state].*c.field);
      before.ALARM.DI[1].ZONE[c.state].*c.field = 2u;
      EXPECT_TRUE(SameBytes(before, dlg.m_config));
    }
    EXPECT_EQ(0u, dlg.m_config.ALARM.DI[0].ZONE[1].ALMDO);
    Retype(&page.m_state[0].delay, QStringLiteral("0"));
  });
}

TEST_F(DlgConfigDiTest, PastePlusCountsOnOnlyTheAddressOfThePeersProtocol) {
  struct Case {
    const char* name;
    kt::u32 chno;
    int registerNo, deviceNo;  // DI2's after "Paste(+1)"; DI1 has 10 and 20
  };
  const Case cases[] = {{"SLMP peer", 0, 10, 21}, {"Modbus peer", 1, 11, 20}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = WithPeers();
    cfg.DI[0].REG = 2;
    cfg.DI[0].CHNO = static_cast<kt::u16>(c.chno);
    cfg.MODBUS.DI[0].NO = 9;  // shown as 10
    cfg.SLMP.DI[0].NO = 20;
    OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
      modal.ExpectMenu(ID_MENU_COPY);
      RightClickChannel(page, 0);
      modal.ExpectMenu(ID_MENU_PASTE_PLUS);
      RightClickChannel(page, 1);
      EXPECT_EQ(c.registerNo - 1, dlg.m_config.MODBUS.DI[1].NO);
      EXPECT_EQ(static_cast<kt::u32>(c.deviceNo), dlg.m_config.SLMP.DI[1].NO);
      EXPECT_EQ(0, std::memcmp(&dlg.m_config.ALARM.DI[0], &dlg.m_config.ALARM.DI[1], sizeof(kt::DiEventConfig)));
      EXPECT_STREQ("DI1", dlg.m_config.DI[1].NAME);
    });
  }
}

TEST_F(DlgConfigDiTest, SavingDerivesTheCommandsOfSlmpChannels) {
  kt::DeviceConfig cfg = WithPeers();
  cfg.DI[0].REG = 2;
  cfg.DI[0].CHNO = 0;
  cfg.SLMP.C[0].TYPE = 1;
  cfg.SLMP.DI[0].COMMAND = 0;
  cfg.SLMP.DI[0].SUB = 0;
  cfg.SLMP.DI[1].COMMAND = 0x7777;  // not fed by a peer: kept
  OnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigDi& page) {
    page.PrepareSave();
    kt::u32 command = 0, sub = 0;
    ASSERT_TRUE(kt::FindSlmpDiCommand32(0x90, command, sub));
    EXPECT_EQ(command, dlg.m_config.SLMP.DI[0].COMMAND);
    EXPECT_EQ(sub, dlg.m_config.SLMP.DI[0].SUB);
    EXPECT_EQ(0x7777u, dlg.m_config.SLMP.DI[1].COMMAND);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page.
TEST_F(DlgConfigDiTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  OnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigDi&) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("page-di.png")));
  });
}
