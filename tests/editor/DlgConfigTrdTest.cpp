// The "Trend" page: recording settings, the four pens, the two comments.
#include "CopyPasteMenu.h"
#include "DlgConfigTrd.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>

namespace {

using kt::test::Retype;

const QString kScaling = QStringLiteral("Setting error: Scaling 0% = 100%");

CDlgConfigTrd& TrdPage(CDlgConfigMain& dlg) {
  return dynamic_cast<CDlgConfigTrd&>(*dlg.m_pages[kt::test::PageIndex("Trend")]);
}

bool Yellow(CWnd* wnd) { return kt::test::BackgroundOf(wnd) == kInvalidColor; }
bool Enabled(CDlgConfigTrd& page, int id) { return page.GetDlgItem(id)->IsWindowEnabled() != FALSE; }

// Every field of the page away from its default; one pen of each source.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.TREND.ASTART = 2;
  c.TREND.SPEED = 11;  // 1hour: intervals 1week, 1month
  c.TREND.RECENC = 2;
  c.TREND.NORMAL.MODE = 1;
  c.TREND.NORMAL.SAMPLES = 50000;
  c.TREND.NORMAL.TRANS = 9;
  c.TREND.NORMAL.HOUR = 23;
  c.TREND.NORMAL.WEEK = 6;
  c.TREND.TRIG.MODE = 1;
  c.TREND.TRIG.PRE = 0;
  c.TREND.TRIG.PST = 1;
  c.TREND.ADEL = 0;
  c.PEN[0] = {3, 3, {}, 0x123456, {}, {-1000000.0, 999999.125}};
  c.PEN[1] = {0, 7, {}, 0xFF0000, {}, {100.0, 0.0}};  // no source: the channel number is kept
  c.PEN[2] = {4, 1, {}, 0x0000FF, {}, {100.0, 0.0}};
  c.PEN[3] = {2, 1, {}, 0x00FF00, {}, {-2.5, 7.75}};
  // 32 characters of three UTF-8 bytes each: 96 bytes and the terminator.
  QByteArray kana;
  for (int i = 0; i < 32; ++i) kana += QStringLiteral("あ").toUtf8();
  kt::CopyText(c.CMT[0].MSG, kana.constData());
  c.CMT[0].COLOR = 0xABCDEF;
  kt::CopyText(c.CMT[1].MSG, "Line 2");
  c.CMT[1].COLOR = 0x010203;
  return c;
}

class DlgConfigTrdTest : public kt::test::EditorTest {};

TEST_F(DlgConfigTrdTest, EveryPenStoresBackWhatItLoaded) {
  const kt::DeviceConfig nonDefault = NonDefault();
  ASSERT_EQ(96u, std::strlen(nonDefault.CMT[0].MSG));
  for (const kt::DeviceConfig& cfg : {Defaults(), nonDefault}) {
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigTrd& page = TrdPage(dlg);
      // Through every pen and back: each switch stores the pen left.
      for (int pen : {1, 2, 3, 0}) {
        kt::test::SelectListItem(&page.m_listPen, pen);
        ASSERT_EQ(pen, page.m_nCurPen);
      }
      EXPECT_TRUE(page.StorePage(TRUE));
      EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
      EXPECT_TRUE(modal.MessageBoxes().empty());
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
}

TEST_F(DlgConfigTrdTest, LoadShowsTheRecordInScreenForm) {
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    EXPECT_EQ(QStringLiteral("Trigger record"), page.m_comboAutoStart.GetWindowText());
    EXPECT_EQ(QStringLiteral("1month"), page.m_comboInterval.GetWindowText());
    EXPECT_EQ(QStringLiteral("OI4"), page.m_comboChannel.GetWindowText().left(3));
    // Red in the low byte on screen.
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), page.m_penColor);
    EXPECT_EQ(RGB(0xAB, 0xCD, 0xEF), page.m_commentColor[0]);
    EXPECT_EQ(QStringLiteral("-1000000.000"), page.m_editUpper.GetWindowText());
    // Time mode with 1month: the hour, not the weekday.
    EXPECT_FALSE(Enabled(page, 1111));
    EXPECT_TRUE(Enabled(page, 1113));
    EXPECT_FALSE(Enabled(page, 1114));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, TheStoringRateLimitsTheInterval) {
  struct Case {
    const char* name;
    int mode, speed, trans;  // as stored
    const char* shown;       // the interval shown
    kt::u32 stored;          // NORMAL.TRANS written back
    bool hour, week;         // enabled
  };
  const Case cases[] = {
      {"100ms replaces 3min by the window's first", 1, 0, 0, "10min", 2, false, false},
      {"500ms keeps 6hour", 1, 1, 5, "6hour", 5, false, false},
      {"2sec keeps 1day", 1, 3, 7, "1day", 7, true, false},
      {"1min keeps 1week", 1, 6, 8, "1week", 8, true, true},
      {"1hour replaces 1day", 1, 11, 7, "1week", 8, true, true},
      {"samples mode leaves the interval alone", 0, 0, 0, "3min", 0, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    kt::DeviceConfig cfg = Defaults();
    cfg.TREND.NORMAL.MODE = static_cast<kt::u32>(c.mode);
    cfg.TREND.SPEED = static_cast<kt::u32>(c.speed);
    cfg.TREND.NORMAL.TRANS = static_cast<kt::u32>(c.trans);
    RunEditor(cfg, [&](CDlgConfigMain& dlg) {
      CDlgConfigTrd& page = TrdPage(dlg);
      EXPECT_EQ(QString::fromLatin1(c.shown), page.m_comboInterval.GetWindowText());
      EXPECT_EQ(c.mode == 1, Enabled(page, 1112));
      EXPECT_EQ(c.mode == 0, Enabled(page, 1111));
      EXPECT_EQ(c.hour, Enabled(page, 1113));
      EXPECT_EQ(c.week, Enabled(page, 1114));
      // A pen switch keeps the interval.
      kt::test::SelectListItem(&page.m_listPen, 1);
      EXPECT_EQ(QString::fromLatin1(c.shown), page.m_comboInterval.GetWindowText());
      ASSERT_TRUE(page.StorePage(TRUE));
      EXPECT_EQ(c.stored, dlg.m_config.TREND.NORMAL.TRANS);
      kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
    });
  }
}

TEST_F(DlgConfigTrdTest, ChangingTheRateMovesTheWindowAndEnablesByInterval) {
  kt::DeviceConfig cfg = Defaults();
  cfg.TREND.NORMAL.MODE = 1;
  cfg.TREND.SPEED = 6;  // 1min: 1day, 1week
  cfg.TREND.NORMAL.TRANS = 8;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    EXPECT_EQ(2, page.m_comboInterval.GetCount());
    EXPECT_TRUE(Enabled(page, 1114));
    kt::test::SelectComboItem(&page.m_comboSpeed, 0);  // 100ms: 10min .. 1hour
    EXPECT_EQ(3, page.m_comboInterval.GetCount());
    EXPECT_EQ(QStringLiteral("10min"), page.m_comboInterval.GetWindowText());
    EXPECT_FALSE(Enabled(page, 1113));
    EXPECT_FALSE(Enabled(page, 1114));
    kt::test::SelectComboItem(&page.m_comboSpeed, 3);  // 2sec: 1hour .. 1day
    kt::test::SelectComboItem(&page.m_comboInterval, 3);
    EXPECT_EQ(QStringLiteral("1day"), page.m_comboInterval.GetWindowText());
    EXPECT_TRUE(Enabled(page, 1113));
    EXPECT_FALSE(Enabled(page, 1114));
    kt::test::SelectComboItem(&page.m_comboNormalMode, 0);
    EXPECT_FALSE(Enabled(page, 1112));
    EXPECT_FALSE(Enabled(page, 1113));
    EXPECT_TRUE(Enabled(page, 1111));
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(3u, dlg.m_config.TREND.SPEED);
    EXPECT_EQ(7u, dlg.m_config.TREND.NORMAL.TRANS);
    EXPECT_EQ(0u, dlg.m_config.TREND.NORMAL.MODE);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, InvalidInputsAreReportedInPageOrder) {
  struct Case {
    const char* name;
    int id;
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"samples below", 1111, "999", "Setting error: Samples"},
      {"samples above", 1111, "50001", "Setting error: Samples"},
      {"pre trigger", 1115, "101", "Setting error: Pre trigger"},
      {"post trigger zero", 1116, "0", "Setting error: Post trigger"},
      {"upper beyond", 1120, "1000000.5", "Setting error: Upper limit"},
      {"lower beyond", 1121, "-1000001", "Setting error: Lower limit"},
      {"equal limits", 1121, "100", "Setting error: Scaling 0% = 100%"},
  };
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    const QString good[] = {QStringLiteral("2000"), QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"),
                            QStringLiteral("0")};
    const int ids[] = {1111, 1115, 1116, 1120, 1121};
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      for (int i = 0; i < 5; ++i) Retype(page.GetDlgItem(ids[i]), good[i]);
      Retype(page.GetDlgItem(c.id), QString::fromLatin1(c.text));
      const kt::DeviceConfig before = dlg.m_config;
      modal.ExpectMessageBox(QString::fromLatin1(c.message), MB_ICONERROR);
      EXPECT_FALSE(page.StorePage(TRUE));
      modal.VerifyDone();
      EXPECT_TRUE(SameBytes(before, dlg.m_config));
      EXPECT_FALSE(page.StorePage(FALSE));
    }
    // Two faults: the earlier input of the page speaks.
    Retype(page.GetDlgItem(1120), QStringLiteral("x"));
    Retype(page.GetDlgItem(1116), QStringLiteral("200"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Post trigger"), MB_ICONERROR);
    EXPECT_FALSE(page.StorePage(TRUE));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, EqualLimitsHoldThePenAndItsSource) {
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    Retype(page.GetDlgItem(1120), QStringLiteral("5"));
    Retype(page.GetDlgItem(1121), QStringLiteral("5.000"));
    kt::test::PumpEvents();
    EXPECT_TRUE(Yellow(page.GetDlgItem(1120)));
    EXPECT_TRUE(Yellow(page.GetDlgItem(1121)));

    modal.ExpectMessageBox(kScaling, MB_ICONERROR);
    kt::test::SelectListItem(&page.m_listPen, 2);
    EXPECT_EQ(0, page.m_nCurPen);
    EXPECT_EQ(0, page.m_listPen.GetCurSel());

    modal.ExpectMessageBox(kScaling, MB_ICONERROR);
    kt::test::SelectComboItem(&page.m_comboSource, 2);
    EXPECT_EQ(QStringLiteral("AI"), page.m_comboSource.GetWindowText());

    // An invalid limit is named before the range.
    Retype(page.GetDlgItem(1121), QStringLiteral("-"));
    modal.ExpectMessageBox(QStringLiteral("Setting error: Lower limit"), MB_ICONERROR);
    kt::test::SelectListItem(&page.m_listPen, 1);
    EXPECT_EQ(0, page.m_nCurPen);

    Retype(page.GetDlgItem(1121), QStringLiteral("4"));
    kt::test::PumpEvents();
    EXPECT_FALSE(Yellow(page.GetDlgItem(1120)));
    kt::test::SelectListItem(&page.m_listPen, 1);
    EXPECT_EQ(1, page.m_nCurPen);
    EXPECT_EQ(5.0, dlg.m_config.PEN[0].RANGE.UPPER);
    EXPECT_EQ(4.0, dlg.m_config.PEN[0].RANGE.LOWER);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, APenWithoutRangeIsNeverHeldByIt) {
  // A DI pen from a document with equal limits: they are not checked.
  kt::DeviceConfig cfg = Defaults();
  cfg.PEN[0] = {2, 3, {}, 0, {}, {0.0, 0.0}};
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    EXPECT_FALSE(Enabled(page, 1120));
    EXPECT_FALSE(Enabled(page, 1121));
    // Channel 3 does not exist among the two DI channels: the first is shown.
    EXPECT_EQ(QStringLiteral("DI1"), page.m_comboChannel.GetWindowText().left(3));
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0, dlg.m_config.PEN[0].CH_NO);
    kt::test::SelectListItem(&page.m_listPen, 1);
    EXPECT_EQ(1, page.m_nCurPen);
    EXPECT_TRUE(modal.MessageBoxes().empty());
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, TheSourceDecidesChannelsAndEnabledStates) {
  struct Case {
    int source;
    const char* channel;  // shown, its first three characters; "" for none
    bool range;
    kt::u16 stored;
  };
  const Case cases[] = {
      {3, "OI3", true, 2},   // the channel number carries over
      {2, "DI1", false, 2},  // beyond the two DI channels: the first shown
      {0, "", false, 2},     // no source: the number is kept
      {4, "DO1", false, 0},  // nothing was listed to choose from: the first channel
      {1, "AI1", true, 0},
  };
  kt::DeviceConfig cfg = Defaults();
  cfg.PEN[0].CH_NO = 2;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.source);
      kt::test::SelectComboItem(&page.m_comboSource, c.source);
      EXPECT_EQ(QString::fromLatin1(c.channel), page.m_comboChannel.GetWindowText().left(3));
      EXPECT_EQ(c.source != 0, Enabled(page, 1151));
      EXPECT_EQ(c.source != 0, Enabled(page, 1043));
      EXPECT_EQ(c.range, Enabled(page, 1120));
      EXPECT_EQ(c.range, Enabled(page, 1121));
      EXPECT_EQ(static_cast<kt::u32>(c.source), dlg.m_config.PEN[0].CH_TYPE);
      EXPECT_EQ(c.stored, dlg.m_config.PEN[0].CH_NO);
    }
    EXPECT_TRUE(modal.MessageBoxes().empty());
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, CopyAndPasteAWholePenOnly) {
  kt::DeviceConfig cfg = NonDefault();
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    auto rightClick = [&](int pen) {
      CRect item;
      page.m_listPen.GetItemRect(pen, &item);
      kt::test::RightClick(&page.m_listPen, CPoint((item.left + item.right) / 2, (item.top + item.bottom) / 2));
    };
    // Nothing copied yet: "Paste" is greyed.
    modal.ExpectMenu([](const kt::MenuRequest& menu) -> UINT {
      EXPECT_EQ(3u, menu.items.size());
      EXPECT_FALSE(menu.items[0].grayed);
      EXPECT_TRUE(menu.items[2].grayed);
      return static_cast<UINT>(ID_MENU_COPY);
    });
    rightClick(0);
    EXPECT_EQ(1, page.m_nCopyFilled);

    // Onto pen 3 (a DI pen): the whole pen of the buffer, whatever was typed.
    modal.ExpectMenu(ID_MENU_PASTE);
    rightClick(3);
    EXPECT_EQ(3, page.m_nCurPen);
    Retype(page.GetDlgItem(1115), QStringLiteral("50"));  // an unsaved edit elsewhere
    modal.ExpectMenu(ID_MENU_PASTE);
    rightClick(3);
    EXPECT_EQ(QStringLiteral("OI"), page.m_comboSource.GetWindowText());
    EXPECT_TRUE(Enabled(page, 1120));
    EXPECT_EQ(QStringLiteral("50"), page.GetDlgItem(1115)->GetWindowText());
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0, std::memcmp(&cfg.PEN[0], &dlg.m_config.PEN[3], sizeof(kt::PenConfig)));
    EXPECT_EQ(50, dlg.m_config.TREND.TRIG.PRE);

    // Equal limits: no copy, but paste still offered (and it mends the pen).
    Retype(page.GetDlgItem(1121), QStringLiteral("-1000000"));
    modal.ExpectMenu([](const kt::MenuRequest& menu) -> UINT {
      EXPECT_TRUE(menu.items[0].grayed);
      EXPECT_FALSE(menu.items[2].grayed);
      return static_cast<UINT>(ID_MENU_PASTE);
    });
    rightClick(3);
    EXPECT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(999999.125, dlg.m_config.PEN[3].RANGE.LOWER);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

TEST_F(DlgConfigTrdTest, ColourButtonsOpenTheColourDialog) {
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    CDlgConfigTrd& page = TrdPage(dlg);
    struct Case {
      int button;
      COLORREF initial;
      std::optional<COLORREF> chosen;
    };
    const Case cases[] = {
        {1043, RGB(0x12, 0x34, 0x56), RGB(0xFE, 0x01, 0x02)},
        {1122, RGB(0xAB, 0xCD, 0xEF), std::nullopt},  // cancelled
        {1123, RGB(0x01, 0x02, 0x03), RGB(0, 0, 0x80)},
    };
    for (const Case& c : cases) {
      modal.ExpectColorDialog(c.chosen, [&](const kt::ColorDialogRequest& r) { EXPECT_EQ(c.initial, r.initial); });
      kt::test::Click(page, c.button);
    }
    ASSERT_TRUE(page.StorePage(TRUE));
    EXPECT_EQ(0xFE0102u, dlg.m_config.PEN[0].COLOR);
    EXPECT_EQ(0xABCDEFu, dlg.m_config.CMT[0].COLOR);
    EXPECT_EQ(0x000080u, dlg.m_config.CMT[1].COLOR);
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

// With KT_SCREENSHOT_DIR set, a picture of the page.
TEST_F(DlgConfigTrdTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  RunEditor(NonDefault(), [&](CDlgConfigMain& dlg) {
    kt::test::SelectTab(&dlg.m_tab, kt::test::PageIndex("Trend"));
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("editor-trend.png")));
    kt::test::PressKey(dlg.GetDlgItem(IDOK), Qt::Key_Escape);
  });
}

}  // namespace
