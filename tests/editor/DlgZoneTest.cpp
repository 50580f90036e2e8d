// The event setting dialog: what OK writes back (and Cancel does not), which
// zones the opener's zone count leaves usable, messages the input cannot
// show exactly, and the remembered focus of the message tabs.
#include "DlgConfigSelect.h"
#include "DlgZone.h"
#include "EditorTestFixture.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::test::Click;
using kt::test::EditorTest;
using kt::test::Retype;
using kt::test::SelectTab;

constexpr int kBasic = 0;
constexpr int kUpper = 1;
constexpr int kLower = 2;

class DlgZoneTest : public EditorTest {
 protected:
  DlgZoneTest() : cfg(Defaults()) {
    kt::CopyText(cfg.DO[1].NAME, "Horn");
    for (int z = 0; z < kt::kZoneCount; ++z) {
      kt::ZoneEventConfig& zone = cfg.ALARM.OI[2].ZONE[z];
      kt::CopyText(zone.NAME, "Zone name");
      zone.LEVEL[0].LIM = 10.0 * z;
      zone.DELAY = 7;
      zone.ALMDO = 0;
      zone.RSTOI = 0x8;
      zone.TRIG = 0;
      zone.LEVEL[0].TREC = 0;
      kt::CopyText(zone.LEVEL[0].MSG, "rise");
      kt::CopyText(zone.LEVEL[1].MSG, "fall");
    }
  }

  // Runs the dialog over OI3's zones; body drives it and must close it.
  INT_PTR Run(int partition, const std::function<void(CDlgZone&)>& body) {
    modal.ExpectDialog<CDlgZone>(body);
    CDlgZone dlg;
    dlg.m_pConfig = &cfg;
    dlg.m_pZones = cfg.ALARM.OI[2].ZONE;
    dlg.m_nPartition = partition;
    return dlg.DoModal();
  }

  kt::ZoneEventConfig& Zone(int z) { return cfg.ALARM.OI[2].ZONE[z]; }

  kt::DeviceConfig cfg;
};

CTabDialog& Page(CDlgZone& dlg, int i) { return *dlg.m_pages[static_cast<std::size_t>(i)]; }

void ShowTab(CDlgZone& dlg, int i) {
  SelectTab(&dlg.m_tab, i);
  kt::test::PumpEvents();
  ASSERT_EQ(dlg.m_nCurPage, i);
}

TEST_F(DlgZoneTest, OkWritesEveryEditedFieldIntoTheRecordAndKeepsTheRest) {
  const INT_PTR result = Run(4, [&](CDlgZone& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Event setting");
    CTabDialog& basic = Page(dlg, kBasic);
    // Zone 3 "Alarm output": DO2, shown by its name.
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
      EXPECT_EQ(sel.GetWindowText(), "Alarm output");
      ASSERT_EQ(sel.m_nRowCount, 2);
      EXPECT_EQ(sel.m_list.GetItemText(1, 1), "DO2  Horn");
      sel.m_list.SetCheck(1, TRUE);
      Click(sel, IDOK);
    });
    Click(basic, 1049);
    // Zone 5 "Reset function value": Cancel keeps OI4.
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
      EXPECT_EQ(sel.GetWindowText(), "Reset function value");
      EXPECT_EQ(sel.m_nRowCount, 4);
      Click(sel, 1443);
      Click(sel, IDCANCEL);
    });
    Click(basic, 1044);
    Click(basic, 1129);  // Zone 1 "Trigger"

    ShowTab(dlg, kUpper);
    CTabDialog& upper = Page(dlg, kUpper);
    Retype(upper.GetDlgItem(1137), QStringLiteral("Zone 4 entered"));
    Click(upper, 1465);  // Zone 5 "Trend record"

    ShowTab(dlg, kLower);
    CTabDialog& lower = Page(dlg, kLower);
    modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
      EXPECT_EQ(sel.GetWindowText(), "Mail template No.");
      EXPECT_EQ(sel.m_nRowCount, 4);
      Click(sel, 1442);
      Click(sel, IDOK);
    });
    Click(lower, 1365);  // Zone 1 "Mail template No."
    Retype(lower.GetDlgItem(1143), QStringLiteral("Back to zone 1"));
    // Nothing reaches the record before OK.
    EXPECT_EQ(Zone(2).ALMDO, 0u);
    Click(dlg, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(Zone(2).ALMDO, 0x2u);
  EXPECT_EQ(Zone(4).RSTOI, 0x8u);
  EXPECT_EQ(Zone(0).TRIG, 1u);
  EXPECT_STREQ(Zone(3).LEVEL[0].MSG, "Zone 4 entered");
  EXPECT_EQ(Zone(4).LEVEL[0].TREC, 1u);
  EXPECT_EQ(Zone(0).LEVEL[1].FORM, 0xFu);
  EXPECT_STREQ(Zone(0).LEVEL[1].MSG, "Back to zone 1");  // stored by OK on the shown tab
  // Fields the dialog does not edit come back as they were.
  for (int z = 0; z < kt::kZoneCount; ++z) {
    EXPECT_STREQ(Zone(z).NAME, "Zone name");
    EXPECT_EQ(Zone(z).LEVEL[0].LIM, 10.0 * z);
    EXPECT_EQ(Zone(z).DELAY, 7);
  }
  EXPECT_STREQ(Zone(1).LEVEL[0].MSG, "rise");
}

TEST_F(DlgZoneTest, CancelEscapeAndTheCloseBoxLeaveTheRecordUntouched) {
  for (int how = 0; how < 2; ++how) {
    SCOPED_TRACE(how);
    const kt::DeviceConfig before = cfg;
    Run(4, [&](CDlgZone& dlg) {
      Click(Page(dlg, kBasic), 1133);
      ShowTab(dlg, kUpper);
      Retype(Page(dlg, kUpper).GetDlgItem(1135), QStringLiteral("changed"));
      ShowTab(dlg, kLower);  // the message is now in the copy
      if (how == 0) {
        Click(dlg, IDCANCEL);
      } else {
        kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
      }
    });
    EXPECT_TRUE(SameBytes(cfg, before));
  }
}

TEST_F(DlgZoneTest, TheZoneCountDecidesWhichZonesAndLimitsCanBeEdited) {
  struct Case {
    int partition;
    std::vector<int> basic;  // enabled alarm buttons
    std::vector<int> upper;  // enabled message inputs
    std::vector<int> lower;
  };
  const Case cases[] = {
      {0, {1055, 1052}, {1135}, {1143}},
      {1, {1055, 1052}, {1135}, {1143}},
      {2, {1055, 1052, 1049}, {1135, 1136}, {1143, 1142}},
      {3, {1055, 1052, 1049, 1046}, {1135, 1136, 1137}, {1143, 1142, 1141}},
      {4, {1055, 1052, 1049, 1046, 1043}, {1135, 1136, 1137, 1138}, {1143, 1142, 1141, 1140}},
  };
  auto enabled = [](CTabDialog& page, std::initializer_list<int> ids) {
    std::vector<int> on;
    for (int id : ids) {
      if (page.GetDlgItem(id)->IsWindowEnabled()) on.push_back(id);
    }
    return on;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.partition);
    Run(c.partition, [&](CDlgZone& dlg) {
      CTabDialog& basic = Page(dlg, kBasic);
      EXPECT_EQ(enabled(basic, {1055, 1052, 1049, 1046, 1043}), c.basic);
      // The row's other controls follow its first.
      EXPECT_EQ(enabled(basic, {1056, 1053, 1050, 1047, 1044}).size(), c.basic.size());
      EXPECT_EQ(enabled(basic, {1129, 1130, 1131, 1132, 1133}).size(), c.basic.size());
      CTabDialog& upper = Page(dlg, kUpper);
      EXPECT_EQ(enabled(upper, {1135, 1136, 1137, 1138}), c.upper);
      EXPECT_EQ(enabled(upper, {1347, 1348, 1349, 1350}).size(), c.upper.size());
      EXPECT_EQ(enabled(upper, {1462, 1463, 1464, 1465}).size(), c.upper.size());
      CTabDialog& lower = Page(dlg, kLower);
      EXPECT_EQ(enabled(lower, {1143, 1142, 1141, 1140}), c.lower);
      EXPECT_EQ(enabled(lower, {1365, 1366, 1367, 1368}).size(), c.lower.size());
      EXPECT_EQ(enabled(lower, {1463, 1464, 1465, 1466}).size(), c.lower.size());
      Click(dlg, IDCANCEL);
    });
  }
}

TEST_F(DlgZoneTest, AMessageTheInputCannotShowExactlyIsKeptUnlessTheUserChangesIt) {
  // "Tank " and an emoji, which the device's character table lacks.
  const char kStored[] = "Tank \xF0\x9F\x98\x80";
  kt::CopyText(Zone(1).LEVEL[0].MSG, kStored);
  kt::CopyText(Zone(2).LEVEL[0].MSG, kStored);
  Run(4, [&](CDlgZone& dlg) {
    ShowTab(dlg, kUpper);
    CTabDialog& upper = Page(dlg, kUpper);
    EXPECT_EQ(upper.GetDlgItem(1135)->GetWindowText(), "Tank ??");
    Retype(upper.GetDlgItem(1136), QStringLiteral("Tank ?? high"));
    ShowTab(dlg, kBasic);
    ShowTab(dlg, kUpper);
    Click(dlg, IDOK);
  });
  EXPECT_STREQ(Zone(1).LEVEL[0].MSG, kStored);
  EXPECT_STREQ(Zone(2).LEVEL[0].MSG, "Tank ?? high");
  EXPECT_STREQ(Zone(3).LEVEL[0].MSG, "rise");
}

TEST_F(DlgZoneTest, AMessageTabGivesTheFocusBackToItsLastControl) {
  Run(4, [&](CDlgZone& dlg) {
    ShowTab(dlg, kUpper);
    CTabDialog& upper = Page(dlg, kUpper);
    CWnd* zone4 = upper.GetDlgItem(1137);
    zone4->SetFocus();
    ShowTab(dlg, kLower);
    ShowTab(dlg, kUpper);
    EXPECT_EQ(QApplication::focusWidget(), zone4->GetSafeHwnd());
    // Leaving with the focus outside the page keeps the remembered control.
    dlg.m_tab.SetFocus();
    ShowTab(dlg, kBasic);
    ShowTab(dlg, kUpper);
    EXPECT_EQ(QApplication::focusWidget(), zone4->GetSafeHwnd());
    Click(dlg, IDCANCEL);
  });
}

TEST_F(DlgZoneTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  Run(3, [&](CDlgZone& dlg) {
    for (int i = 0; i < 3; ++i) {
      ShowTab(dlg, i);
      dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("zone-%1.png").arg(i)));
    }
    Click(dlg, IDCANCEL);
  });
}

}  // namespace
