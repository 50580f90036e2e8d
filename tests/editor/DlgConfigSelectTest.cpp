// The channel selection dialog: masks in and out, the buttons, clicks on the
// list, and the rows its fillers take from the record.
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QDir>
#include <QTableWidget>

#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::test::EditorTest;

class DlgConfigSelectTest : public EditorTest {
 protected:
  // Runs a dialog over `rows` numbered rows and the given masks; body drives
  // it and must close it. Returns the modal result; the masks are left in
  // `masks`.
  INT_PTR Run(int rows, std::array<DWORD, 4>& masks, const std::function<void(CDlgConfigSelect&)>& body) {
    modal.ExpectDialog<CDlgConfigSelect>(body);
    CDlgConfigSelect dlg;
    dlg.m_strTitle = QStringLiteral("Alarm output");
    for (int w = 0; w < 4; ++w) dlg.m_masks[w] = masks[static_cast<std::size_t>(w)];
    for (int i = 0; i < rows; ++i) dlg.m_rows.push_back(QStringLiteral("Row %1").arg(i));
    const INT_PTR result = dlg.DoModal();
    for (int w = 0; w < 4; ++w) masks[static_cast<std::size_t>(w)] = dlg.m_masks[w];
    return result;
  }
};

std::vector<int> CheckedRows(CDlgConfigSelect& dlg) {
  std::vector<int> rows;
  for (int i = 0; i < dlg.m_list.GetItemCount(); ++i) {
    if (dlg.m_list.GetCheck(i)) rows.push_back(i);
  }
  return rows;
}

// The middle of a row's "Item" cell, in the list's client coordinates.
CPoint RowPoint(CListCtrl& list, int row) {
  auto* table = qobject_cast<QTableWidget*>(list.GetSafeHwnd());
  const QPoint p = table->viewport()->mapTo(table, table->visualRect(table->model()->index(row, 1)).center());
  return CPoint(p.x(), p.y());
}

struct MaskCase {
  const char* name;
  int rows;
  std::array<DWORD, 4> in;
  int button;  // 0 none, else the id clicked before closing
  int close;   // IDOK or IDCANCEL
  std::array<DWORD, 4> out;
};

TEST_F(DlgConfigSelectTest, MasksComeBackFromTheChecksOfExistingRowsOnlyAndOnlyOnOk) {
  const MaskCase cases[] = {
      {"unchanged", 5, {0x5, 0, 0, 0}, 0, IDOK, {0x5, 0, 0, 0}},
      {"bits past the last row dropped", 2, {0xFFFFFFFF, 0, 0, 0}, 0, IDOK, {0x3, 0, 0, 0}},
      {"select all", 5, {0x1, 0, 0, 0}, 1442, IDOK, {0x1F, 0, 0, 0}},
      {"clear", 5, {0x1B, 0, 0, 0}, 1443, IDOK, {0, 0, 0, 0}},
      {"cancel keeps all", 5, {0x1, 0, 0, 0}, 1442, IDCANCEL, {0x1, 0, 0, 0}},
      {"no rows", 0, {0xFF, 7, 0, 0}, 0, IDOK, {0, 7, 0, 0}},
      {"second word, later words kept", 40, {0x80000001, 0xFFFFFFFF, 9, 9}, 0, IDOK, {0x80000001, 0xFF, 9, 9}},
      {"exactly 32 rows", 32, {0xFFFFFFFF, 5, 0, 0}, 0, IDOK, {0xFFFFFFFF, 5, 0, 0}},
  };
  for (const MaskCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::array<DWORD, 4> masks = c.in;
    const INT_PTR result = Run(c.rows, masks, [&](CDlgConfigSelect& dlg) {
      EXPECT_EQ(dlg.m_nRowCount, c.rows);
      for (int i = 0; i < c.rows; ++i) EXPECT_EQ(!!dlg.m_list.GetCheck(i), !!((c.in[i / 32] >> (i % 32)) & 1u)) << i;
      if (c.button) kt::test::Click(dlg, c.button);
      kt::test::Click(dlg, c.close);
    });
    EXPECT_EQ(result, c.close);
    EXPECT_EQ(masks, c.out);
  }
}

TEST_F(DlgConfigSelectTest, ShowsTitleNumberedRowsAndTogglesTheSelectedRowOnDoubleClick) {
  std::array<DWORD, 4> masks{0x5, 0, 0, 0};
  Run(5, masks, [](CDlgConfigSelect& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Alarm output");
    EXPECT_EQ(dlg.m_list.GetItemText(0, 0), "01");
    EXPECT_EQ(dlg.m_list.GetItemText(4, 0), "05");
    EXPECT_EQ(dlg.m_list.GetItemText(2, 1), "Row 2");
    EXPECT_EQ(CheckedRows(dlg), (std::vector<int>{0, 2}));

    CRect client;
    dlg.m_list.GetClientRect(&client);
    const CPoint below(client.Width() / 2, client.Height() - 3);
    // Nothing selected yet: a double click below the rows changes nothing.
    kt::test::DoubleClick(&dlg.m_list, below);
    EXPECT_EQ(CheckedRows(dlg), (std::vector<int>{0, 2}));

    kt::test::DoubleClick(&dlg.m_list, RowPoint(dlg.m_list, 1));
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(CheckedRows(dlg), (std::vector<int>{0, 1, 2}));
    // Below the rows the selected row is the one toggled; the first click of
    // the double click, on empty space, leaves it selected.
    kt::test::DoubleClick(&dlg.m_list, below);
    EXPECT_EQ(dlg.m_list.GetNextItem(-1, LVNI_SELECTED), 1);
    EXPECT_EQ(CheckedRows(dlg), (std::vector<int>{0, 2}));
    kt::test::DoubleClick(&dlg.m_list, RowPoint(dlg.m_list, 2));
    EXPECT_EQ(CheckedRows(dlg), (std::vector<int>{0}));

    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(masks[0], 0x1u);
}

TEST_F(DlgConfigSelectTest, FillersShowTheRecordsNamesAndSubjects) {
  kt::DeviceConfig cfg = Defaults();
  kt::CopyText(cfg.AI[3].NAME, "Tank level");
  kt::CopyText(cfg.DI[1].NAME, "Door");
  kt::CopyText(cfg.OI[0].NAME, "Sum \xC3\xA9");  // UTF-8 shown as such
  kt::CopyText(cfg.DO[1].NAME, "Horn");
  kt::CopyText(cfg.MAIL.F[2].SUBJECT, "Daily report");
  // A name without its terminating zero is shown up to the field's end.
  std::memset(cfg.DO[0].NAME, 'x', sizeof cfg.DO[0].NAME);

  CDlgConfigSelect dlg;
  dlg.AddChannelRows(cfg.AI);
  dlg.AddChannelRows(cfg.DI);
  dlg.AddChannelRows(cfg.OI);
  dlg.AddChannelRows(cfg.DO);
  dlg.AddChannelRows(cfg.MAIL.F);
  ASSERT_EQ(dlg.m_rows.size(), 16u);
  EXPECT_EQ(dlg.m_rows[3], "AI4  Tank level");
  EXPECT_EQ(dlg.m_rows[5], "DI2  Door");
  EXPECT_EQ(dlg.m_rows[6], QStringLiteral("OI1  Sum ") + QChar(0xE9));
  EXPECT_EQ(dlg.m_rows[10], "DO1  " + QString(static_cast<int>(sizeof cfg.DO[0].NAME), QLatin1Char('x')));
  EXPECT_EQ(dlg.m_rows[11], "DO2  Horn");
  EXPECT_EQ(dlg.m_rows[14], "Daily report");
}

TEST_F(DlgConfigSelectTest, RowsBeyondTheFourMaskWordsAreLeftOut) {
  std::array<DWORD, 4> masks{0, 0, 0, 0x80000000};
  Run(130, masks, [](CDlgConfigSelect& dlg) {
    EXPECT_EQ(dlg.m_nRowCount, CDlgConfigSelect::kMaxRows);
    EXPECT_EQ(dlg.m_list.GetItemCount(), CDlgConfigSelect::kMaxRows);
    EXPECT_TRUE(dlg.m_list.GetCheck(127));
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(masks[3], 0x80000000u);
}

TEST_F(DlgConfigSelectTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  kt::DeviceConfig cfg = Defaults();
  modal.ExpectDialog<CDlgConfigSelect>([&](CDlgConfigSelect& dlg) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("config-select.png")));
    kt::test::Click(dlg, IDCANCEL);
  });
  CDlgConfigSelect dlg;
  dlg.m_strTitle = QStringLiteral("Reset function value");
  dlg.m_masks[0] = 0x6;
  dlg.AddChannelRows(cfg.OI);
  dlg.DoModal();
}

}  // namespace
