// The display page ("Disp"): load and store, the wake-up view controls, the
// enable rules, the switch checks, and the masks picked in the selection
// dialog.
#include "DlgConfigDsp.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

using kt::test::Retype;

// Shows the display page (its first refresh fills the flicker lists).
CDlgConfigDsp& ShowDspPage(CDlgConfigMain& dlg) {
  for (std::size_t i = 0; i < dlg.m_pages.size(); ++i) {
    if (auto* dsp = dynamic_cast<CDlgConfigDsp*>(dlg.m_pages[i].get())) {
      kt::test::SelectTab(&dlg.m_tab, static_cast<int>(i));
      return *dsp;
    }
  }
  ADD_FAILURE() << "no Disp page";
  std::abort();
}

// Every field of the page away from its default.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  kt::DisplayConfig& d = c.DISP;
  d.AUTOSTART.WAKEUP = CDlgConfigDsp::kViewDigital;
  d.AUTOSTART.TYPE = 3;
  d.AUTOSTART.CH = 2;
  d.SCREENSAVER = 10;
  for (int i = 0; i < kt::kAiCount; ++i) d.FLICKER.AI[i] = 0x11u + static_cast<kt::u32>(i);
  for (int i = 0; i < kt::kDiCount; ++i) d.FLICKER.DI[i] = 2u + static_cast<kt::u32>(i);
  for (int i = 0; i < kt::kOiCount; ++i) d.FLICKER.OI[i] = 0x1Fu - static_cast<kt::u32>(i);
  d.AUTOSCREEN.MODE = 1;
  d.AUTOSCREEN.START = 10;
  d.AUTOSCREEN.INTERVAL = 3;
  d.AUTOSCREEN.PAGE = {1, 1, 1, 5, 0xA, 1, 0xF, 2, 1, 1, 1};
  d.LANGUAGE = 1;
  d.BLIGHT = 0;
  return c;
}

bool Enabled(CDlgConfigDsp& page, int id) { return page.GetDlgItem(id)->IsWindowEnabled(); }

constexpr int kSwitched[] = {1393, 1394, 1411, 1414, 1415, 1417, 1418, 1419, 1420, 1429, 1430, 1431, 1432};

class DlgConfigDspTest : public kt::test::EditorTest {};

TEST_F(DlgConfigDspTest, StoresBackWhatItLoaded) {
  kt::DeviceConfig overview = NonDefault();
  overview.DISP.AUTOSTART.WAKEUP = CDlgConfigDsp::kViewOverview;
  overview.DISP.AUTOSCREEN.MODE = 0;
  overview.DISP.AUTOSCREEN.START = 180;
  overview.DISP.AUTOSCREEN.INTERVAL = 180;
  for (const kt::DeviceConfig& cfg : {Defaults(), NonDefault(), overview}) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigDsp& page = ShowDspPage(dlg);
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
      kt::test::Click(dlg, IDOK);
    });
  }
}

TEST_F(DlgConfigDspTest, ValuesWithoutAnItemLoadAsTheFirstItemAndStoreAsIt) {
  struct Case {
    const char* name;
    std::function<void(kt::DisplayConfig&)> set;
    std::function<void(const kt::DisplayConfig&)> check;
  };
  const Case cases[] = {
      {"digital view of no kind",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {CDlgConfigDsp::kViewDigital, 0, 1, {}};
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(1u, d.AUTOSTART.TYPE);
         EXPECT_EQ(1, d.AUTOSTART.CH);
       }},
      {"digital view of an unknown kind: never an unselected channel",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {CDlgConfigDsp::kViewDigital, 7, 3, {}};
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(1u, d.AUTOSTART.TYPE);
         EXPECT_EQ(3, d.AUTOSTART.CH);
       }},
      {"DI channel beyond its two",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {CDlgConfigDsp::kViewDigital, 2, 3, {}};
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(2u, d.AUTOSTART.TYPE);
         EXPECT_EQ(0, d.AUTOSTART.CH);
       }},
      {"unknown view: the first, with its pages",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {9, 1, 1, {}};
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(0u, d.AUTOSTART.WAKEUP);
         EXPECT_EQ(1, d.AUTOSTART.CH);
       }},
      {"overview page beyond its three",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {CDlgConfigDsp::kViewOverview, 1, 3, {}};
       },
       [](const kt::DisplayConfig& d) { EXPECT_EQ(0, d.AUTOSTART.CH); }},
      {"view without channel keeps type and channel",
       [](kt::DisplayConfig& d) {
         d.AUTOSTART = {CDlgConfigDsp::kViewLogSys, 4, 3, {}};
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(4u, d.AUTOSTART.TYPE);
         EXPECT_EQ(3, d.AUTOSTART.CH);
       }},
      {"check boxes store bit 0 alone",
       [](kt::DisplayConfig& d) {
         d.AUTOSCREEN.MODE = 1;
         d.AUTOSCREEN.PAGE.EVENT = 0xFE;
         d.AUTOSCREEN.PAGE.LOGCOM = 0x3;
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(0u, d.AUTOSCREEN.PAGE.EVENT);
         EXPECT_EQ(1u, d.AUTOSCREEN.PAGE.LOGCOM);
       }},
      {"switch value 2 is off", [](kt::DisplayConfig& d) { d.AUTOSCREEN.MODE = 2; },
       [](const kt::DisplayConfig& d) { EXPECT_EQ(0u, d.AUTOSCREEN.MODE); }},
      {"others beyond their lists",
       [](kt::DisplayConfig& d) {
         d.SCREENSAVER = 11;
         d.LANGUAGE = 2;
         d.BLIGHT = 5;
       },
       [](const kt::DisplayConfig& d) {
         EXPECT_EQ(0, d.SCREENSAVER);
         EXPECT_EQ(0u, d.LANGUAGE);
         EXPECT_EQ(0u, d.BLIGHT);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = Defaults();
    c.set(cfg.DISP);
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigDsp& page = ShowDspPage(dlg);
      EXPECT_TRUE(page.StorePage(FALSE));
      c.check(dlg.m_config.DISP);
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
}

TEST_F(DlgConfigDspTest, TheViewDecidesThePageAndChannelListsAndTheSwitchItsControls) {
  kt::DeviceConfig cfg = Defaults();
  cfg.DISP.AUTOSTART = {CDlgConfigDsp::kViewTrend, 3, 1, {}};
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigDsp& page = ShowDspPage(dlg);
    struct Step {
      int combo, item;
      int pages, channels;  // items in the lists
      bool pageOn, sourceOn;
      const char* source;
    };
    const Step steps[] = {
        {0, 0, 2, 0, true, false, "AI"},  // as loaded
        {1369, CDlgConfigDsp::kViewOverview, 3, 0, true, false, "AI"},
        {1369, CDlgConfigDsp::kViewDigital, 0, 4, false, true, "AI"},
        {1370, 1, 0, 2, false, true, "DI"},  // DI
        {1370, 2, 0, 4, false, true, "OI"},  // OI
        {1369, CDlgConfigDsp::kViewEvent, 0, 0, false, false, "OI"},
    };
    for (const Step& s : steps) {
      SCOPED_TRACE(s.item);
      if (s.combo) kt::test::SelectComboItem(page.GetDlgItem(s.combo), s.item);
      EXPECT_EQ(s.pages, page.m_comboPage.GetCount());
      EXPECT_EQ(s.channels, page.m_comboChannel.GetCount());
      if (s.pages) {
        // As loaded the record's page; after a change of view the first.
        EXPECT_EQ(s.combo ? QStringLiteral("1  ") : QStringLiteral("2  "), page.m_comboPage.GetWindowText());
      }
      EXPECT_EQ(s.pageOn, Enabled(page, 1372));
      EXPECT_EQ(s.sourceOn, Enabled(page, 1370));
      EXPECT_EQ(s.sourceOn, Enabled(page, 1371));
      EXPECT_EQ(QString::fromLatin1(s.source), page.m_comboSource.GetWindowText());
      for (int id : {1369, 1416, 1406, 1391, 1392, 1390, 1407, 1408}) EXPECT_TRUE(Enabled(page, id)) << id;
    }
    // The Event view keeps the record's kind and channel.
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(static_cast<kt::u32>(CDlgConfigDsp::kViewEvent), dlg.m_config.DISP.AUTOSTART.WAKEUP);
    EXPECT_EQ(3u, dlg.m_config.DISP.AUTOSTART.TYPE);
    EXPECT_EQ(1, dlg.m_config.DISP.AUTOSTART.CH);

    // The automatic switch: everything of it follows "Enable"; a value
    // typed and then switched off goes back to 180.
    for (int id : kSwitched) EXPECT_FALSE(Enabled(page, id)) << id;
    kt::test::Click(page, 1392);
    for (int id : kSwitched) EXPECT_TRUE(Enabled(page, id)) << id;
    Retype(page.GetDlgItem(1393), QStringLiteral("5"));
    Retype(page.GetDlgItem(1394), QStringLiteral("60"));
    kt::test::Click(page, 1391);
    for (int id : kSwitched) EXPECT_FALSE(Enabled(page, id)) << id;
    EXPECT_EQ(QStringLiteral("180"), page.GetDlgItem(1393)->GetWindowText());
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0u, dlg.m_config.DISP.AUTOSCREEN.MODE);
    EXPECT_EQ(180, dlg.m_config.DISP.AUTOSCREEN.START);
    EXPECT_EQ(60, dlg.m_config.DISP.AUTOSCREEN.INTERVAL);
    EXPECT_TRUE(modal.MessageBoxes().empty());
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigDspTest, SwitchTimesOutsideTheirRangesAreRefusedInOrder) {
  struct Case {
    const char *start, *interval;
    const char* message;  // nullptr: stored
  };
  const Case cases[] = {
      {"9", "2", "Setting error: Switch start time"},
      {"181", "3", "Setting error: Switch start time"},
      {"10", "2", "Setting error: Switch Interval"},
      {"10", "181", "Setting error: Switch Interval"},
      {"10", "3", nullptr},
      {"180", "180", nullptr},
  };
  kt::DeviceConfig cfg = Defaults();
  cfg.DISP.AUTOSCREEN.MODE = 1;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigDsp& page = ShowDspPage(dlg);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.start) + "/" + c.interval);
      Retype(page.GetDlgItem(1393), QString::fromLatin1(c.start));
      Retype(page.GetDlgItem(1394), QString::fromLatin1(c.interval));
      const kt::DeviceConfig before = dlg.m_config;
      if (c.message) modal.ExpectMessageBox(QString::fromLatin1(c.message), MB_ICONERROR);
      EXPECT_EQ(c.message == nullptr, static_cast<bool>(page.StorePage(TRUE)));
      modal.VerifyDone();
      if (c.message) {
        EXPECT_TRUE(SameBytes(before, dlg.m_config));
        EXPECT_FALSE(page.StorePage(FALSE));
      } else {
        EXPECT_EQ(QString::fromLatin1(c.start).toInt(), dlg.m_config.DISP.AUTOSCREEN.START);
        EXPECT_EQ(QString::fromLatin1(c.interval).toInt(), dlg.m_config.DISP.AUTOSCREEN.INTERVAL);
      }
    }
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigDspTest, PickersShowTheirRowsAndWriteTheirMaskOnOkOnly) {
  kt::DeviceConfig cfg = Defaults();
  cfg.DISP.AUTOSCREEN.MODE = 1;
  kt::CopyText(cfg.AI[2].NAME, "Tank");
  kt::CopyText(cfg.DI[1].NAME, "Door");
  kt::CopyText(cfg.OI[3].NAME, "Sum");
  kt::CopyText(cfg.DO[1].NAME, "Horn");
  struct Case {
    int button;
    int flickerItem;  // item picked in the flicker list first, or -1
    const char* title;
    int rows;
    int row;  // a row whose text is checked
    const char* text;
    std::function<kt::u32&(kt::DeviceConfig&)> field;
  };
  const Case cases[] = {
      {1406, 2, "Flicker:AI3  Tank", 5, 4, "Zone5",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.FLICKER.AI[2]; }},
      {1409, 1, "Flicker:DI2  Door", 2, 1, "ON", [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.FLICKER.DI[1]; }},
      {1410, 3, "Flicker:OI4  Sum", 5, 0, "Zone1",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.FLICKER.OI[3]; }},
      {1411, -1, "Auto view switch:Trend", 2, 1, "Page2",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.TREND; }},
      {1414, -1, "Auto view switch : Overview", 3, 2, "Page3",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.OVERVIEW; }},
      {1415, -1, "Auto view switch : Digital view (AI)", 4, 2, "AI3  Tank",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.AI; }},
      {1417, -1, "Auto view switch : Digital view (DI)", 2, 1, "DI2  Door",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.DI; }},
      {1418, -1, "Auto view switch : Digital view (OI)", 4, 3, "OI4  Sum",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.OI; }},
      {1419, -1, "Auto view switch : Digital view (DO)", 2, 1, "DO2 Horn",
       [](kt::DeviceConfig& c) -> kt::u32& { return c.DISP.AUTOSCREEN.PAGE.DO; }},
  };
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigDsp& page = ShowDspPage(dlg);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.title);
      if (c.flickerItem >= 0)
        kt::test::SelectComboItem(page.GetDlgItem(c.button == 1406   ? 1416
                                                  : c.button == 1409 ? 1423
                                                                     : 1425),
                                  c.flickerItem);
      // Row 1 and bits beyond every row set.
      c.field(dlg.m_config) = 0xFFFFFF02u;
      // Cancel after "Select all": nothing changes.
      modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
        kt::test::Click(sel, 1442);
        kt::test::Click(sel, IDCANCEL);
      });
      kt::test::Click(page, c.button);
      modal.VerifyDone();
      EXPECT_EQ(0xFFFFFF02u, c.field(dlg.m_config));
      // OK with row 0 added: the mask of the rows alone, at once.
      modal.ExpectDialog<CDlgConfigSelect>([&](CDlgConfigSelect& sel) {
        EXPECT_EQ(QString::fromLatin1(c.title), sel.GetWindowText());
        ASSERT_EQ(c.rows, sel.m_list.GetItemCount());
        EXPECT_EQ(QString::fromLatin1(c.text), sel.m_list.GetItemText(c.row, 1));
        EXPECT_FALSE(sel.m_list.GetCheck(0));
        EXPECT_TRUE(sel.m_list.GetCheck(1));
        sel.m_list.SetCheck(0, TRUE);
        kt::test::Click(sel, IDOK);
      });
      kt::test::Click(page, c.button);
      modal.VerifyDone();
      EXPECT_EQ(0x3u, c.field(dlg.m_config));
    }
    // A later store of the page keeps the picked masks.
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0x3u, dlg.m_config.DISP.AUTOSCREEN.PAGE.DO);
    EXPECT_EQ(0x3u, dlg.m_config.DISP.FLICKER.OI[3]);
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page with every control on.
TEST_F(DlgConfigDspTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  kt::DeviceConfig cfg = NonDefault();
  kt::CopyText(cfg.AI[0].NAME, "Tank level north");
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    ShowDspPage(dlg);
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("editor-disp.png")));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

}  // namespace
