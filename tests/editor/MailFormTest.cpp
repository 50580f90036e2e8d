// The mail form dialog: the recipient lines, the recipient question on OK,
// the attachment pickers and what reaches the record's template.
#include "DlgConfigMailForm.h"
#include "DlgConfigSelect.h"
#include "EditorTestFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

using kt::MailFormConfig;

MailFormConfig Sample() {
  MailFormConfig f{};
  kt::CopyText(f.SUBJECT, "Alarm");
  kt::CopyText(f.BODY, "First line\r\nSecond line");
  f.A = 0x1;
  f.ADDINF.FACTOR = 1;
  f.ADDINF.AI = 0x5;
  f.ADDINF.DO = 0x2;
  return f;
}

bool Same(const MailFormConfig& a, const MailFormConfig& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

class MailFormTest : public kt::test::EditorTest {
 protected:
  MailFormTest() {
    kt::CopyText(address[0].NAME, "Operator");
    kt::CopyText(address[0].ADDR, "op@example.com");
    kt::CopyText(address[1].NAME, "No address");
    kt::CopyText(cfg.AI[2].NAME, "Flow");
  }
  INT_PTR Run(MailFormConfig& form, const std::function<void(CDlgConfigMailForm&)>& body) {
    modal.ExpectDialog<CDlgConfigMailForm>(body);
    CDlgConfigMailForm dlg;
    dlg.m_pConfig = &cfg;
    dlg.m_pForm = &form;
    std::memcpy(dlg.m_address, address, sizeof address);
    dlg.m_strTitle = QStringLiteral("Mail template setting");
    return dlg.DoModal();
  }
  kt::DeviceConfig cfg = Defaults();
  kt::MailAddressConfig address[kt::kMailAddressCount]{};
};

}  // namespace

TEST_F(MailFormTest, LoadsTheTemplateAndOkWritesItBackUnchanged) {
  MailFormConfig form = Sample();
  const INT_PTR result = Run(form, [](CDlgConfigMailForm& dlg) {
    EXPECT_EQ(dlg.GetWindowText(), "Mail template setting");
    EXPECT_EQ(dlg.m_listMailTo.GetCount(), 8);
    EXPECT_EQ(dlg.m_listMailTo.GetText(0), "A1  Operator<op@example.com>");
    EXPECT_EQ(dlg.m_listMailTo.GetText(1), "A2  No address");
    EXPECT_EQ(dlg.m_listMailTo.GetText(7), "A8  ");
    EXPECT_EQ(dlg.m_listMailTo.GetCheck(0), 1);
    EXPECT_EQ(dlg.m_listMailTo.GetCheck(1), 0);
    EXPECT_EQ(dlg.m_checkFactor.GetCheck(), BST_CHECKED);
    EXPECT_EQ(dlg.m_editBody.GetWindowText(), "First line\r\nSecond line");
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_TRUE(Same(form, Sample()));  // line breaks stay "\r\n"
}

TEST_F(MailFormTest, WithoutACheckedAddressOkAsksFirst) {
  const struct {
    kt::u32 a;  // recipients checked
    bool asked;
    int answer;  // to the question
  } cases[] = {
      {0x1, false, IDOK},
      {0x0, true, IDOK},
      {0x2, true, IDOK},      // a name without an address counts as none
      {0x2, true, IDCANCEL},  // back in the dialog, then Cancel
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("A = " + std::to_string(c.a) + ", answer " + std::to_string(c.answer));
    MailFormConfig form = Sample();
    form.A = 0x1;
    const std::size_t shown = modal.MessageBoxes().size();
    const INT_PTR result = Run(form, [&](CDlgConfigMailForm& dlg) {
      for (int i = 0; i < 2; ++i) dlg.m_listMailTo.SetCheck(i, (c.a >> i) & 1u ? 1 : 0);
      if (c.asked) modal.ExpectMessageBox("Mail address not specified.", MB_ICONQUESTION, c.answer);
      kt::test::Click(dlg, IDOK);
      if (!dlg.IsEnded()) kt::test::Click(dlg, IDCANCEL);
    });
    ASSERT_EQ(modal.MessageBoxes().size(), shown + (c.asked ? 1 : 0));
    if (c.asked) {
      EXPECT_EQ(modal.MessageBoxes().back().buttons, static_cast<UINT>(MB_OKCANCEL));
    }
    const bool saved = c.answer == IDOK;
    EXPECT_EQ(result, saved ? IDOK : IDCANCEL);
    EXPECT_EQ(form.A, saved ? c.a : 0x1u);
  }
}

TEST_F(MailFormTest, AttachmentsReachTheTemplateOnlyThroughOk) {
  for (const int closeWith : {IDOK, IDCANCEL}) {
    MailFormConfig form = Sample();
    Run(form, [&](CDlgConfigMailForm& dlg) {
      modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
        EXPECT_EQ(sel.GetWindowText(), "AI");
        ASSERT_EQ(sel.m_rows.size(), 4u);
        EXPECT_EQ(sel.m_rows[2], "AI3  Flow");
        EXPECT_TRUE(sel.m_list.GetCheck(2));
        kt::test::Click(sel, 1443);  // "Clear"
        kt::test::Click(sel, IDOK);
      });
      kt::test::Click(dlg, 1430);
      modal.ExpectDialog<CDlgConfigSelect>([](CDlgConfigSelect& sel) {
        EXPECT_EQ(sel.GetWindowText(), "DO");
        EXPECT_EQ(sel.m_rows.size(), 2u);
        kt::test::Click(sel, 1442);  // "Select all", then Cancel: no change
        kt::test::Click(sel, IDCANCEL);
      });
      kt::test::Click(dlg, 1433);
      EXPECT_EQ(dlg.m_form.ADDINF.AI, 0u);
      EXPECT_EQ(dlg.m_form.ADDINF.DO, 0x2u);
      kt::test::Click(dlg, closeWith);
    });
    MailFormConfig expected = Sample();
    if (closeWith == IDOK) expected.ADDINF.AI = 0;
    EXPECT_TRUE(Same(form, expected)) << "closed with " << closeWith;
  }
}

TEST_F(MailFormTest, TextsOfThreeByteCharactersFillTheirFieldsExactly) {
  MailFormConfig form = Sample();
  const QString subject(32, QChar(0x8B66));
  // 128 code units with the line break counted as two.
  const QString body = QString(63, QChar(0x5831)) + QStringLiteral("\r\n") + QString(63, QChar(0x544A));
  const std::string subjectUtf8 = subject.toUtf8().toStdString();
  const std::string bodyUtf8 = body.toUtf8().toStdString();
  ASSERT_EQ(subjectUtf8.size(), sizeof form.SUBJECT - 1);
  ASSERT_EQ(bodyUtf8.size(), 380u);
  kt::CopyText(form.SUBJECT, subjectUtf8.c_str());
  kt::CopyText(form.BODY, bodyUtf8.c_str());
  const MailFormConfig before = form;
  Run(form, [&](CDlgConfigMailForm& dlg) {
    EXPECT_EQ(dlg.m_editSubject.GetWindowText(), subject);
    EXPECT_EQ(dlg.m_editBody.GetWindowText(), body);
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_TRUE(Same(form, before));
}

TEST_F(MailFormTest, Screenshot) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  MailFormConfig form = Sample();
  Run(form, [&](CDlgConfigMailForm& dlg) {
    kt::test::PumpEvents();
    dlg.GetSafeHwnd()->grab().save(QDir(QString::fromLocal8Bit(dir)).filePath("mail-form.png"));
    kt::test::Click(dlg, IDCANCEL);
  });
}

TEST_F(MailFormTest, EnterInTheBodyMakesANewLineThatCountsAsTwo) {
  MailFormConfig form = Sample();
  kt::CopyText(form.BODY, "");
  Run(form, [&](CDlgConfigMailForm& dlg) {
    kt::test::TypeText(&dlg.m_editBody, QString(126, QLatin1Char('x')));
    kt::test::PressKey(&dlg.m_editBody, Qt::Key_Return);
    EXPECT_FALSE(dlg.IsEnded());
    kt::test::TypeText(&dlg.m_editBody, "yz");  // the limit is reached
    EXPECT_EQ(dlg.m_editBody.GetWindowText(), QString(126, QLatin1Char('x')) + "\r\n");
    kt::test::Click(dlg, IDOK);
  });
  EXPECT_EQ(std::string(form.BODY), std::string(126, 'x') + "\r\n");
}

TEST_F(MailFormTest, ALineBreakThatTheBodysLimitWouldSplitGoesWhole) {
  // The cut must not leave a lone "\r": the body's window shows it as a whole
  // line break again, over the limit.
  const QString x124(124, QLatin1Char('x'));
  const QString x127(127, QLatin1Char('x'));
  const struct {
    const char* how;
    std::string body;  // in the record
    QString typed;     // then typed at the end, Enter for "\r"
    QString pasted;    // then pasted at the end
    QString kept;
    bool atStart = false;  // typed at the start instead
  } cases[] = {
      {"typed", "", x127 + "\r", "", x127},
      {"loaded", x127.toStdString() + "\r\ny", "", "", x127},
      {"pasted", "abc", "", x124 + "\r\nyz", "abc" + x124},
      // Refused: taken, it would push the end of the text out.
      {"typed before the text", x127.toStdString(), "\r", "", x127, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    MailFormConfig form = Sample();
    kt::CopyText(form.BODY, c.body.c_str());
    Run(form, [&](CDlgConfigMailForm& dlg) {
      kt::test::PressKey(&dlg.m_editBody, c.atStart ? Qt::Key_Home : Qt::Key_End, Qt::ControlModifier);
      for (QChar ch : c.typed) {
        if (ch == QLatin1Char('\r')) {
          kt::test::PressKey(&dlg.m_editBody, Qt::Key_Return);
        } else {
          kt::test::TypeText(&dlg.m_editBody, QString(ch));
        }
      }
      if (!c.pasted.isEmpty()) {
        QApplication::clipboard()->setText(c.pasted);
        kt::test::PressKey(&dlg.m_editBody, Qt::Key_V, Qt::ControlModifier);
      }
      EXPECT_FALSE(dlg.IsEnded());
      EXPECT_EQ(dlg.m_editBody.GetWindowText(), c.kept);
      kt::test::Click(dlg, IDOK);
    });
    EXPECT_EQ(std::string(form.BODY), c.kept.toStdString());
  }
}

TEST_F(MailFormTest, ALineBreakOverASelectionNeedsRoomOnlyForWhatStays) {
  // The break replaces the selection, so only the rest of the text counts
  // against the 128 units. One typed without room is refused whole; one
  // pasted without room is cut like any paste, never inside "\r\n".
  constexpr int kLimit = 128;
  enum At { kStart, kMiddle, kEnd };
  for (const int length : {kLimit, kLimit - 1}) {
    for (const int selected : {0, 1, 2, 3}) {
      for (const At at : {kStart, kMiddle, kEnd}) {
        for (const bool pasted : {false, true}) {
          const int from = at == kStart ? 0 : at == kMiddle ? 60 : length - selected;
          SCOPED_TRACE(QStringLiteral("%1 x, %2 selected from %3, %4")
                           .arg(length)
                           .arg(selected)
                           .arg(from)
                           .arg(pasted ? "pasted" : "typed")
                           .toStdString());
          const QString body(length, QLatin1Char('x'));
          const QString replaced = body.left(from) + "\r\n" + body.mid(from + selected);
          QString expected = replaced;
          if (replaced.size() > kLimit && !pasted) expected = body;
          if (replaced.size() > kLimit && pasted) {
            expected = replaced.left(kLimit);
            if (expected.endsWith(QLatin1Char('\r'))) expected.chop(1);
          }
          MailFormConfig form = Sample();
          kt::CopyText(form.BODY, body.toStdString().c_str());
          QString shown;
          Run(form, [&](CDlgConfigMailForm& dlg) {
            kt::test::TypeText(&dlg.m_editBody, "");  // the focus
            dlg.m_editBody.SetSel(from + selected, from + selected);
            for (int i = 0; i < selected; ++i) kt::test::PressKey(&dlg.m_editBody, Qt::Key_Left, Qt::ShiftModifier);
            int start = 0, end = 0;
            dlg.m_editBody.GetSel(start, end);
            ASSERT_EQ(end - start, selected);
            if (pasted) {
              QApplication::clipboard()->setText("\r\n");
              kt::test::PressKey(&dlg.m_editBody, Qt::Key_V, Qt::ControlModifier);
            } else {
              kt::test::PressKey(&dlg.m_editBody, Qt::Key_Return);
            }
            EXPECT_FALSE(dlg.IsEnded());
            shown = dlg.m_editBody.GetWindowText();
            EXPECT_EQ(shown, expected);
            kt::test::Click(dlg, IDOK);
          });
          EXPECT_EQ(kt::FieldText(form.BODY), shown);
        }
      }
    }
  }
}
