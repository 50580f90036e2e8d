// The mail address list dialog: copy and paste of rows, the text limits,
// and what OK and Cancel leave in the caller's rows.
#include "CopyPasteMenu.h"
#include "DlgConfigMailAddrlist.h"
#include "EditorTestFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>

#include <array>

#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

using kt::MailAddressConfig;
using Rows = std::array<MailAddressConfig, kt::kMailAddressCount>;

Rows SampleRows() {
  Rows rows{};
  for (int k = 0; k < kt::kMailAddressCount; ++k) {
    kt::CopyText(rows[k].NAME, QStringLiteral("Name %1").arg(k + 1).toUtf8().constData());
    kt::CopyText(rows[k].ADDR, QStringLiteral("user%1@example.com").arg(k + 1).toUtf8().constData());
  }
  return rows;
}

bool SameRows(const Rows& a, const Rows& b) { return std::memcmp(a.data(), b.data(), sizeof(Rows)) == 0; }

// As the user's Ctrl+V: the only way to put characters beyond Latin-1 in.
void Paste(CWnd* wnd, const QString& text) {
  QApplication::clipboard()->setText(text);
  kt::test::PressKey(wnd, Qt::Key_V, Qt::ControlModifier);
}

CPoint ItemCenter(CListBox& list, int index) {
  CRect r;
  list.GetItemRect(index, &r);
  return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class MailAddrlistTest : public kt::test::EditorTest {
 protected:
  // Runs the dialog over rows; body drives it and closes it.
  INT_PTR Run(Rows& rows, const std::function<void(CDlgConfigMailAddrlist&)>& body) {
    modal.ExpectDialog<CDlgConfigMailAddrlist>(body);
    CDlgConfigMailAddrlist dlg;
    dlg.m_pAddress = rows.data();
    return dlg.DoModal();
  }
  // Right click on row k's number, then the menu item (0: dismissed).
  void Menu(CDlgConfigMailAddrlist& dlg, int k, UINT item) {
    modal.ExpectMenu(item);
    kt::test::RightClick(&dlg.m_listRow, ItemCenter(dlg.m_listRow, k));
  }
};

}  // namespace

TEST_F(MailAddrlistTest, CopyAndPasteReachTheCallerOnlyThroughOk) {
  for (const int closeWith : {IDOK, IDCANCEL}) {
    const Rows before = SampleRows();
    Rows rows = before;
    const INT_PTR result = Run(rows, [&](CDlgConfigMailAddrlist& dlg) {
      EXPECT_EQ(dlg.m_editName[1].GetWindowText(), "Name 2");
      EXPECT_EQ(dlg.m_staticRow[0].GetWindowText(), "A1");
      EXPECT_EQ(dlg.m_listRow.GetText(7), "A8");
      Menu(dlg, 1, ID_MENU_COPY);
      Menu(dlg, 4, ID_MENU_PASTE);
      EXPECT_EQ(dlg.m_nCurRow, 4);
      EXPECT_EQ(dlg.m_editName[4].GetWindowText(), "Name 2");
      EXPECT_EQ(dlg.m_editAddress[4].GetWindowText(), "user2@example.com");
      kt::test::Click(dlg, closeWith);
    });
    EXPECT_EQ(result, closeWith);
    Rows expected = before;
    if (closeWith == IDOK) expected[4] = before[1];
    EXPECT_TRUE(SameRows(rows, expected)) << "closed with " << closeWith;
  }
}

TEST_F(MailAddrlistTest, PasteKeepsTheTextTypedInTheOtherRows) {
  Rows rows = SampleRows();
  Run(rows, [&](CDlgConfigMailAddrlist& dlg) {
    Menu(dlg, 0, ID_MENU_COPY);
    // Typed after the copy, with no row change to store it.
    kt::test::Retype(&dlg.m_editName[2], "Typed");
    kt::test::Retype(&dlg.m_editAddress[6], "typed@example.com");
    Menu(dlg, 5, ID_MENU_PASTE);
    EXPECT_EQ(dlg.m_editName[2].GetWindowText(), "Typed");
    EXPECT_EQ(dlg.m_editAddress[6].GetWindowText(), "typed@example.com");
    EXPECT_EQ(dlg.m_editName[5].GetWindowText(), "Name 1");
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_STREQ(rows[2].NAME, "Typed");
  EXPECT_STREQ(rows[6].ADDR, "typed@example.com");
  EXPECT_STREQ(rows[5].ADDR, "user1@example.com");
}

TEST_F(MailAddrlistTest, PasteIsGreyUntilARowWasCopied) {
  Rows rows = SampleRows();
  Run(rows, [&](CDlgConfigMailAddrlist& dlg) {
    modal.ExpectMenu([](const kt::MenuRequest& r) {
      EXPECT_EQ(r.items.size(), 3u);
      if (r.items.size() == 3u) {
        EXPECT_FALSE(r.items[0].grayed);
        EXPECT_TRUE(r.items[2].grayed);
      }
      return 0u;
    });
    kt::test::RightClick(&dlg.m_listRow, ItemCenter(dlg.m_listRow, 3));
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_TRUE(SameRows(rows, SampleRows()));
}

TEST_F(MailAddrlistTest, TextsKeepToTheirLimitsAndFields) {
  // 16 characters of three bytes each fill the 49-byte name field exactly.
  const QString name16 = QString(16, QChar(0x65E5));
  Rows rows{};
  Run(rows, [&](CDlgConfigMailAddrlist& dlg) {
    Paste(&dlg.m_editName[0], name16);
    EXPECT_EQ(dlg.m_editName[0].GetWindowText(), name16);
    kt::test::TypeText(&dlg.m_editAddress[0], "ab@x.jp");
    Paste(&dlg.m_editAddress[0], QStringLiteral("\u00e9"));
    Paste(&dlg.m_editAddress[0], QString(QChar(0x65E5)));
    EXPECT_EQ(dlg.m_editAddress[0].GetWindowText(), "ab@x.jp");
    kt::test::TypeText(&dlg.m_editAddress[1], QString(70, QLatin1Char('m')));
    EXPECT_EQ(dlg.m_editAddress[1].GetWindowText().size(), 64);
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(std::strlen(rows[0].NAME), 48u);
  EXPECT_EQ(QString::fromUtf8(rows[0].NAME), name16);
  EXPECT_STREQ(rows[0].ADDR, "ab@x.jp");
  EXPECT_EQ(std::strlen(rows[1].ADDR), 64u);
}

TEST_F(MailAddrlistTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  Rows rows = SampleRows();
  kt::CopyText(rows[7].NAME, "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e\xe3\x81\xae\xe5\x90\x8d\xe5\x89\x8d");
  kt::CopyText(rows[7].ADDR, "a-rather-long-mailbox-name.for-testing@subdomain.example-company.co.jp");
  Run(rows, [&](CDlgConfigMailAddrlist& dlg) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("mail-addrlist.png"));
    kt::test::Click(dlg, IDCANCEL);
  });
}
