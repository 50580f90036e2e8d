// The operation channel page ("OI"): round trip, operation kinds and their
// sub-dialogs, zone rules and highlights, enabling, copy and paste, and the
// dialogs it opens.
#include "ConfigPages.h"
#include "CopyPasteMenu.h"
#include "DlgConfigOi.h"
#include "DlgOi.h"
#include "DlgZone.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>

namespace {

using kt::test::Click;
using kt::test::PumpEvents;
using kt::test::Retype;
using kt::test::SelectComboItem;
using kt::test::SelectListItem;

int OiPageIndex() {
  const auto table = ConfigPageTable();
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (std::strcmp(table[i].label, "OI") == 0) return static_cast<int>(i);
  }
  return -1;
}

bool Yellow(CWnd* wnd) { return kt::test::BackgroundOf(wnd) == kInvalidColor; }

void SetOperand(kt::OiOperandConfig& op, kt::u32 type, kt::u16 no, double constant) {
  op.TYPE = type;
  op.NO = no;
  op.CONST = constant;
}

// Every field the page shows away from its default, on every channel; zone
// fields the page does not show are set too, so that a store touching them
// shows up.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  for (int i = 0; i < kt::kOiCount; ++i) {
    kt::OiChannelConfig& ch = c.OI[i];
    const std::string n = std::to_string(i + 1);
    kt::CopyText(ch.NAME, ("Operation_" + n).c_str());
    kt::CopyText(ch.COMMENT, ("Comment " + n).c_str());
    ch.PLACE = static_cast<kt::i16>(i % 2 ? 3 : 0);
    kt::CopyText(ch.UNIT, "m3/h");
    // Operands no kind shows: they stay as they are.
    for (int k = 0; k < kt::kOperandCount; ++k) SetOperand(ch.PARAM.A[k], 4, 3, 77.5 + k);
    kt::AnalogEventConfig& ev = c.ALARM.OI[i];
    ev.NUM = 5;
    for (int z = 0; z < kt::kZoneCount; ++z) {
      kt::ZoneEventConfig& zone = ev.ZONE[z];
      kt::CopyText(zone.NAME, ("Zone " + std::to_string(z + 1) + " of " + n).c_str());
      zone.DELAY = 999 - z;
      zone.COLOR = 0x123456u + static_cast<kt::u32>(z);
      zone.LEVEL[0].LIM = -500.5 + 100 * z;
      zone.LEVEL[1].LIM = -450.25 + 100 * z;
      kt::CopyText(zone.LEVEL[0].MSG, "rising");
      zone.LEVEL[1].TREC = 1;
      zone.ALMDO = 5;
      zone.RSTOI = 3;
      zone.TRIG = 1;
    }
  }
  // Scaling of AI2 from 1..5000 onto -10..90.
  c.OI[0].TYPE = 16;
  SetOperand(c.OI[0].PARAM.X[1], 1, 1, 0);
  SetOperand(c.OI[0].PARAM.K[1], 0, 0, 1);
  SetOperand(c.OI[0].PARAM.K[2], 0, 0, 5000);
  SetOperand(c.OI[0].PARAM.K[3], 0, 0, -10);
  SetOperand(c.OI[0].PARAM.K[4], 0, 0, 90);
  c.OI[1].TYPE = kOiTimeType;
  SetOperand(c.OI[1].PARAM.K[1], 0, 0, 0);
  c.OI[2].TYPE = 17;  // "Limit": no item, kept
  SetOperand(c.OI[2].PARAM.X[1], 2, 3, 12.5);
  c.OI[3].TYPE = 0;
  SetOperand(c.OI[3].PARAM.K[1], 3, 2, -1.25);
  return c;
}

class DlgConfigOiTest : public kt::test::EditorTest {
 protected:
  // Runs the editor on the OI page.
  void RunOnPage(const kt::DeviceConfig& cfg, const std::function<void(CDlgConfigMain&, CDlgConfigOi&)>& body) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      const int index = OiPageIndex();
      ASSERT_GE(index, 0);
      kt::test::SelectTab(&dlg.m_tab, index);
      PumpEvents();
      body(dlg, dynamic_cast<CDlgConfigOi&>(*dlg.m_pages[index]));
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
};

}  // namespace

TEST_F(DlgConfigOiTest, EveryChannelStoresBackWhatItLoaded) {
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault()}) {
    RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
      for (int i = 1; i < kt::kOiCount; ++i) {
        SelectListItem(&page.m_listChannel, i);
        EXPECT_EQ(i, page.m_nCurChannel);
      }
      SelectListItem(&page.m_listChannel, 0);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
    });
  }
}

TEST_F(DlgConfigOiTest, EachStoredKindShowsItsItemAndSubDialog) {
  struct Case {
    int channel;
    const char* item;
    bool scaling, time;  // the sub-dialog shown; neither: none
  };
  const Case cases[] = {
      {0, "Scaling", true, false},
      {1, "Time", false, true},      // TYPE 18
      {2, "Disable", false, false},  // TYPE 17 has no item
      {3, "Disable", false, false},
  };
  RunOnPage(NonDefault(), [&](CDlgConfigMain&, CDlgConfigOi& page) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.channel);
      SelectListItem(&page.m_listChannel, c.channel);
      EXPECT_EQ(QString::fromLatin1(c.item), page.m_comboFunction.GetWindowText());
      CDialog* shown = page.m_subDialogs.m_pCurrent;
      EXPECT_EQ(c.scaling, dynamic_cast<CDlgOiSca*>(shown) != nullptr);
      EXPECT_EQ(c.time, dynamic_cast<CDlgOiTime*>(shown) != nullptr);
      if (shown) {
        EXPECT_TRUE(shown->IsWindowVisible());
      }
      int visible = 0;
      for (const SubDialogEntry& e : page.m_subDialogs.m_children) visible += e.pDialog->IsWindowVisible() ? 1 : 0;
      EXPECT_EQ(shown ? 1 : 0, visible);
    }
  });
}

TEST_F(DlgConfigOiTest, ChoosingAKindShowsItsDefaultsAndStoresItsType) {
  RunOnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    SelectListItem(&page.m_listChannel, 3);
    const kt::OiParamConfig before = dlg.m_config.OI[3].PARAM;
    SelectComboItem(&page.m_comboFunction, 16);  // "Scaling"
    auto* sca = dynamic_cast<CDlgOiSca*>(page.m_subDialogs.m_pCurrent);
    ASSERT_NE(nullptr, sca);
    EXPECT_EQ(before.K[1].CONST, dlg.m_config.OI[3].PARAM.K[1].CONST);  // nothing stored yet
    // Closing the list on the kind shown keeps what was typed.
    Retype(&sca->FindRow('K', 4)->constant, QStringLiteral("250"));
    SelectComboItem(&page.m_comboFunction, 16);
    EXPECT_EQ(QStringLiteral("250"), sca->FindRow('K', 4)->constant.GetWindowText());
    ASSERT_TRUE(page.StorePage(TRUE));
    const kt::OiChannelConfig& ch = dlg.m_config.OI[3];
    EXPECT_EQ(16u, ch.TYPE);
    EXPECT_EQ(1u, ch.PARAM.X[1].TYPE);  // AI1
    EXPECT_EQ(0, ch.PARAM.X[1].NO);
    EXPECT_EQ(0.0, ch.PARAM.K[1].CONST);
    EXPECT_EQ(10000.0, ch.PARAM.K[2].CONST);
    EXPECT_EQ(250.0, ch.PARAM.K[4].CONST);
    EXPECT_EQ(0, std::memcmp(&before.A, &ch.PARAM.A, sizeof before.A));

    // Away and back: the kind's defaults again, not what was stored.
    SelectComboItem(&page.m_comboFunction, 1);
    SelectComboItem(&page.m_comboFunction, 16);
    EXPECT_EQ(QStringLiteral("100.000"), sca->FindRow('K', 4)->constant.GetWindowText());

    // "Time" is the document's time operation; "Disable" keeps the operands.
    SelectComboItem(&page.m_comboFunction, kOiTimeItem);
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(kOiTimeType, dlg.m_config.OI[3].TYPE);
    const kt::OiParamConfig timeParam = dlg.m_config.OI[3].PARAM;
    SelectComboItem(&page.m_comboFunction, 0);
    EXPECT_EQ(nullptr, page.m_subDialogs.m_pCurrent);
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0u, dlg.m_config.OI[3].TYPE);
    EXPECT_EQ(0, std::memcmp(&timeParam, &dlg.m_config.OI[3].PARAM, sizeof timeParam));

    // A TYPE without item is kept until a kind is chosen.
    SelectListItem(&page.m_listChannel, 2);
    SelectComboItem(&page.m_comboFunction, 0);  // "Disable" already shown
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(17u, dlg.m_config.OI[2].TYPE);
    SelectComboItem(&page.m_comboFunction, 4);
    SelectComboItem(&page.m_comboFunction, 0);
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0u, dlg.m_config.OI[2].TYPE);
    EXPECT_TRUE(modal.MessageBoxes().empty());
  });
}

TEST_F(DlgConfigOiTest, ZoneOrderRulesAndHighlights) {
  struct Case {
    const char* name;
    int zones;
    const char* upper[4];  // zones 1-4
    const char* lower[4];  // zones 2-5
    const char* message;   // nullptr: passes
    bool yellowUpper[4];
    bool yellowLower[4];
  };
  const Case cases[] = {
      {"equal across a deadband", 5, {"20", "40", "60", "80"}, {"20", "40", "60", "80"}, nullptr, {}, {}},
      {"zone 2 empty",
       3,
       {"20", "20", "60", "80"},
       {"20", "40", "60", "80"},
       "Setting error: Zone 2 Lower limit >= Zone 2 Upper limit",
       {false, true, false, false},
       {true, false, false, false}},
      {"earliest rule wins",
       5,
       {"20", "10", "60", "90"},
       {"20", "40", "60", "80"},
       "Setting error: Zone 2 Lower limit >= Zone 2 Upper limit",
       {false, true, false, true},
       {true, false, false, true}},
      {"upper 2 over lower 3",
       3,
       {"20", "50", "60", "80"},
       {"20", "40", "60", "80"},
       "Setting error: Zone 2 Upper limit > Zone 3 Lower limit",
       {false, true, false, false},
       {false, true, false, false}},
      {"rule of an unused zone", 3, {"20", "40", "60", "80"}, {"20", "40", "90", "80"}, nullptr, {}, {}},
      {"two zones",
       2,
       {"30", "40", "60", "80"},
       {"20", "40", "60", "80"},
       "Setting error: Zone 1 Upper limit > Zone 2 Lower limit",
       {true, false, false, false},
       {true, false, false, false}},
      {"disable", 0, {"30", "10", "60", "80"}, {"20", "40", "60", "80"}, nullptr, {}, {}},
  };
  RunOnPage(Defaults(), [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      SelectComboItem(&page.m_comboPartition, 4);  // every limit enabled
      for (int k = 0; k < 4; ++k) {
        Retype(&page.m_editUpper[k], QString::fromLatin1(c.upper[k]));
        Retype(&page.m_editLower[k], QString::fromLatin1(c.lower[k]));
      }
      SelectComboItem(&page.m_comboPartition, c.zones == 0 ? 0 : c.zones - 1);
      PumpEvents();
      for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(c.yellowUpper[k], Yellow(&page.m_editUpper[k])) << "upper " << k + 1;
        EXPECT_EQ(c.yellowLower[k], Yellow(&page.m_editLower[k])) << "lower " << k + 2;
      }
      const kt::DeviceConfig before = dlg.m_config;
      if (c.message) modal.ExpectMessageBox(QString::fromLatin1(c.message), MB_ICONERROR);
      EXPECT_EQ(c.message == nullptr, static_cast<bool>(page.StorePage(TRUE)));
      modal.VerifyDone();
      if (c.message) {
        EXPECT_TRUE(SameBytes(before, dlg.m_config));
        EXPECT_FALSE(page.StorePage(FALSE));  // silent
      } else {
        EXPECT_EQ(c.zones, dlg.m_config.ALARM.OI[0].NUM);
      }
    }
  });
}

TEST_F(DlgConfigOiTest, PartitionsGovernTheZoneRows) {
  kt::DeviceConfig cfg = Defaults();
  cfg.ALARM.OI[0].NUM = 1;
  cfg.ALARM.OI[1].NUM = 6;
  cfg.ALARM.OI[2].NUM = 3;
  RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    for (int channel : {0, 1}) {
      SelectListItem(&page.m_listChannel, channel);
      EXPECT_EQ(QStringLiteral("Disable"), page.m_comboPartition.GetWindowText());
      EXPECT_FALSE(page.m_buttonEvent.IsWindowEnabled());
      EXPECT_FALSE(page.m_editZoneName[0].IsWindowEnabled());
      EXPECT_FALSE(page.m_editUpper[0].IsWindowEnabled());
      EXPECT_TRUE(page.m_comboFunction.IsWindowEnabled());
      EXPECT_TRUE(page.m_editUnit.IsWindowEnabled());
    }
    SelectListItem(&page.m_listChannel, 2);
    EXPECT_EQ(0, dlg.m_config.ALARM.OI[0].NUM);
    EXPECT_EQ(0, dlg.m_config.ALARM.OI[1].NUM);
    EXPECT_TRUE(page.m_buttonEvent.IsWindowEnabled());
    for (int z = 0; z < kt::kZoneCount; ++z) {
      EXPECT_EQ(z < 3, static_cast<bool>(page.m_editZoneName[z].IsWindowEnabled())) << z;
      EXPECT_EQ(z < 3, static_cast<bool>(page.m_editDelay[z].IsWindowEnabled())) << z;
      EXPECT_EQ(z < 3, static_cast<bool>(page.m_buttonColor[z].IsWindowEnabled())) << z;
    }
    for (int k = 0; k < 4; ++k) {
      EXPECT_EQ(k < 2, static_cast<bool>(page.m_editUpper[k].IsWindowEnabled())) << k;
      EXPECT_EQ(k < 2, static_cast<bool>(page.m_editLower[k].IsWindowEnabled())) << k;
    }
    // A disabled invalid input returns to its default and blocks nothing.
    Retype(&page.m_editLower[1], QStringLiteral("-"));
    EXPECT_FALSE(page.m_editLower[1].m_bValid);
    SelectComboItem(&page.m_comboPartition, 1);
    EXPECT_EQ(QStringLiteral("40.000"), page.m_editLower[1].GetWindowText());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(2, dlg.m_config.ALARM.OI[2].NUM);
  });
}

TEST_F(DlgConfigOiTest, AnInvalidOperandBlocksEveryCheckWithItsMessage) {
  const QString param = QStringLiteral("Setting error: Function parameter (Kn, Xn, An)");
  RunOnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    auto* sca = dynamic_cast<CDlgOiSca*>(page.m_subDialogs.m_pCurrent);
    ASSERT_NE(nullptr, sca);
    Retype(&sca->FindRow('K', 2)->constant, QStringLiteral("-"));
    const kt::DeviceConfig before = dlg.m_config;
    // Also the silent store of a quiet leave.
    modal.ExpectMessageBox(param, MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(FALSE));
    // A switch keeps the channel.
    modal.ExpectMessageBox(param, MB_ICONERROR);
    SelectListItem(&page.m_listChannel, 1);
    EXPECT_EQ(0, page.m_nCurChannel);
    EXPECT_EQ(0, page.m_listChannel.GetCurSel());
    // A right click: the message, then no menu (nothing to paste).
    modal.ExpectMessageBox(param, MB_ICONERROR);
    CRect rc;
    page.m_listChannel.GetItemRect(0, &rc);
    kt::test::RightClick(&page.m_listChannel, CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    modal.VerifyDone();
    EXPECT_TRUE(modal.Menus().empty());
    EXPECT_TRUE(SameBytes(before, dlg.m_config));
    // Equal span ends: the scaling's own warning first.
    Retype(&sca->FindRow('K', 2)->constant, QStringLiteral("1"));
    modal.ExpectMessageBox(QStringLiteral("K1 = K2"), MB_ICONWARNING);
    modal.ExpectMessageBox(param, MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(TRUE));
    Retype(&sca->FindRow('K', 2)->constant, QStringLiteral("5000"));
    EXPECT_TRUE(page.StorePage(TRUE));
  });
}

TEST_F(DlgConfigOiTest, QuittingWithAnInvalidOperandAsksToDiscard) {
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, OiPageIndex());
    PumpEvents();
    auto& page = dynamic_cast<CDlgConfigOi&>(*dlg.m_pages[OiPageIndex()]);
    auto* sca = dynamic_cast<CDlgOiSca*>(page.m_subDialogs.m_pCurrent);
    ASSERT_NE(nullptr, sca);
    Retype(&sca->FindRow('K', 2)->constant, QStringLiteral("-"));
    EXPECT_EQ(OiPageIndex(), dlg.m_nCurPage);
    EXPECT_FALSE(sca->FindRow('K', 2)->constant.m_bValid);
    modal.ExpectMessageBox(QStringLiteral("Setting error: Function parameter (Kn, Xn, An)"), MB_ICONERROR);
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigOiTest, CopyAndPasteAWholeChannel) {
  RunOnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    auto rightClick = [&](int item) {
      CRect rc;
      page.m_listChannel.GetItemRect(item, &rc);
      kt::test::RightClick(&page.m_listChannel, CPoint((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    };
    auto expectMenu = [&](bool copy, bool paste, UINT pick) {
      modal.ExpectMenu([=](const kt::MenuRequest& m) {
        EXPECT_EQ(3u, m.items.size());  // "Copy", separator, "Paste"
        EXPECT_EQ(QStringLiteral("Copy"), m.items[0].text);
        EXPECT_EQ(!copy, m.items[0].grayed);
        EXPECT_EQ(QStringLiteral("Paste"), m.items[2].text);
        EXPECT_EQ(!paste, m.items[2].grayed);
        return pick;
      });
    };
    // Copy OI1 with an unsaved edit of its name.
    Retype(&page.m_editName, QStringLiteral("Copied"));
    expectMenu(true, false, ID_MENU_COPY);
    rightClick(0);
    modal.VerifyDone();
    EXPECT_STREQ("Copied", dlg.m_config.OI[0].NAME);

    expectMenu(true, true, ID_MENU_PASTE);
    rightClick(3);
    modal.VerifyDone();
    EXPECT_EQ(3, page.m_nCurChannel);
    EXPECT_EQ(0, std::memcmp(&dlg.m_config.OI[0], &dlg.m_config.OI[3], sizeof(kt::OiChannelConfig)));
    EXPECT_EQ(0, std::memcmp(&dlg.m_config.ALARM.OI[0], &dlg.m_config.ALARM.OI[3], sizeof(kt::AnalogEventConfig)));
    EXPECT_EQ(QStringLiteral("Copied"), page.m_editName.GetWindowText());
    EXPECT_EQ(QStringLiteral("Scaling"), page.m_comboFunction.GetWindowText());
    EXPECT_NE(nullptr, dynamic_cast<CDlgOiSca*>(page.m_subDialogs.m_pCurrent));

    // Another tab and back ends the copy.
    kt::test::SelectTab(&dlg.m_tab, 0);
    kt::test::SelectTab(&dlg.m_tab, OiPageIndex());
    expectMenu(true, false, 0);
    rightClick(3);
    modal.VerifyDone();
  });
}

TEST_F(DlgConfigOiTest, ColoursAndTheEventSettingDialog) {
  kt::DeviceConfig cfg = NonDefault();
  cfg.ALARM.OI[1].NUM = 4;
  RunOnPage(cfg, [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    SelectListItem(&page.m_listChannel, 1);
    // The dialog works in screen form (0x00BBGGRR).
    modal.ExpectColorDialog(RGB(0xAA, 0xBB, 0xCC),
                            [](const kt::ColorDialogRequest& r) { EXPECT_EQ(RGB(0x12, 0x34, 0x57), r.initial); });
    Click(page, 1170);  // zone 2
    modal.ExpectColorDialog(std::nullopt);
    Click(page, 1169);  // zone 1, cancelled
    modal.ExpectDialog<CDlgZone>([&](CDlgZone& zone) {
      EXPECT_EQ(3, zone.m_nPartition);
      EXPECT_EQ(&dlg.m_config.ALARM.OI[1].ZONE[0], zone.m_pZones);
      Click(zone, IDCANCEL);
    });
    Click(page, 1168);
    modal.VerifyDone();
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0xAABBCCu, dlg.m_config.ALARM.OI[1].ZONE[1].COLOR);
    EXPECT_EQ(0x123456u, dlg.m_config.ALARM.OI[1].ZONE[0].COLOR);
  });
}

// With KT_SCREENSHOT_DIR set, pictures of the page with and without a
// sub-dialog.
TEST_F(DlgConfigOiTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunOnPage(NonDefault(), [&](CDlgConfigMain& dlg, CDlgConfigOi& page) {
    for (int channel : {0, 1, 3}) {
      SelectListItem(&page.m_listChannel, channel);
      PumpEvents();
      dlg.GetSafeHwnd()->grab().save(
          QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("oi-page-%1.png").arg(channel + 1)));
    }
  });
}
