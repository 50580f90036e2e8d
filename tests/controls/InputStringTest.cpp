// Text and address inputs driven with key events and clipboard pastes on the
// real widgets, and the conversions to and from the record's UTF-8 fields.
#include "InputIPAddress.h"
#include "InputString.h"

#include "DialogTemplate.h"
#include "ModalScript.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>

#include <array>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

using namespace kt::res;
using kt::test::GuiTest;

namespace {

using namespace std::string_view_literals;

constexpr std::uint32_t V = WS_VISIBLE | WS_TABSTOP;
constexpr COLORREF kYellow = RGB(255, 241, 0);

enum { kPlain = 100, kAscii = 101, kHttp = 102, kJis = 103, kMulti = 104, kIp = 110 };

const DialogTemplate kTextDialog{9601,
                                 "Text",
                                 200,
                                 120,
                                 WS_CAPTION | DS_MODALFRAME,
                                 "MS Shell Dlg",
                                 8,
                                 {
                                     {kPlain, Kind::Edit, "", 5, 5, 120, 12, V},
                                     {kAscii, Kind::Edit, "", 5, 20, 120, 12, V},
                                     {kHttp, Kind::Edit, "", 5, 35, 120, 12, V},
                                     {kJis, Kind::Edit, "", 5, 50, 120, 12, V},
                                     {kIp, Kind::IpAddress, "", 5, 65, 90, 12, V},
                                     {kMulti, Kind::Edit, "", 130, 5, 65, 40, V | ES_MULTILINE | ES_WANTRETURN},
                                     {IDOK, Kind::DefPushButton, "OK", 140, 100, 50, 14, V},
                                 }};
KT_DIALOG_TEMPLATE(kTextDialog);

class TextDialog : public CDialog {
 public:
  TextDialog() : CDialog(9601) {}
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kPlain, m_plain);
    DDX_Control(pDX, kAscii, m_ascii);
    DDX_Control(pDX, kHttp, m_http);
    DDX_Control(pDX, kJis, m_jis);
    DDX_Control(pDX, kIp, m_ip);
    DDX_Control(pDX, kMulti, m_multi);
  }
  CInputString* Input(int id) {
    switch (id) {
      case kAscii: return &m_ascii;
      case kHttp: return &m_http;
      case kJis: return &m_jis;
      case kMulti: return &m_multi;
      default: return &m_plain;
    }
  }
  CInputString m_plain;
  CInputStringAscii m_ascii;
  CInputStringHttp m_http;
  CInputStringJis m_jis;
  CInputIPAddress m_ip;
  CInputStringAscii m_multi;  // multi-line
};

// Types each character (a surrogate pair as one key) where the focus is, as
// an input method would deliver it; QTest's own typing knows Latin-1 only.
void TypeUnicode(CWnd* wnd, const QString& text) {
  QWidget* w = wnd->GetSafeHwnd();
  w->setFocus(Qt::OtherFocusReason);
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QString key = text.mid(i, n);
    i += n - 1;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, key);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
  }
}

void Paste(CWnd* wnd, const QString& text) {
  QApplication::clipboard()->setText(text);
  kt::test::PressKey(wnd, Qt::Key_V, Qt::ControlModifier);
}

int Caret(CWnd* wnd) { return static_cast<QLineEdit*>(wnd->GetSafeHwnd())->cursorPosition(); }

void RunTextDialog(kt::test::ModalScript& modal, std::function<void(TextDialog&)> body) {
  modal.ExpectDialog<TextDialog>([body](TextDialog& dlg) {
    body(dlg);
    dlg.EndDialog(IDOK);
  });
  TextDialog dlg;
  dlg.DoModal();
}

class InputStringTest : public GuiTest {};

// ---------------------------------------------------------------------------
// Typing and pasting per class

struct TypingCase {
  int id;
  int limit;
  const char16_t* typed;
  const char16_t* shown;
};

TEST_F(InputStringTest, TypingKeepsTheCharacterSetAndTheLimit) {
  const TypingCase cases[] = {
      {kPlain, 8, u"abcdefghij", u"abcdefgh"},
      {kPlain, 32, u"ä漢\U0001F600x", u"ä漢\U0001F600x"},
      {kAscii, 32, u"aé b~\u00A0c", u"a b~c"},
      {kHttp, 32, u"a-b.c d_E9/", u"abcd_E9"},
      // Code page 932's full-width tilde and parallel sign; not the wave
      // dash, a circled digit (row 13) or anything outside the BMP.
      {kJis, 32, u"aＡ\uFF5E\u301C\u2225\u2460漢ｱ\U0001F600", u"aＡ\uFF5E\u2225漢ｱ"},
      {kJis, 3, u"漢字です", u"漢字で"},
  };
  RunTextDialog(modal, [&](TextDialog& dlg) {
    for (const TypingCase& c : cases) {
      SCOPED_TRACE(QString::fromUtf16(c.typed).toStdString());
      CInputString* input = dlg.Input(c.id);
      input->SetMaxLength(c.limit);
      input->SetWindowText("");
      TypeUnicode(input, QString::fromUtf16(c.typed));
      EXPECT_EQ(input->GetWindowText(), QString::fromUtf16(c.shown));
    }
  });
}

TEST_F(InputStringTest, AFullFieldRefusesACharacterEvenOverASelection) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    dlg.m_plain.SetMaxLength(8);
    kt::test::TypeText(&dlg.m_plain, "abcdefgh");
    dlg.m_plain.SetSel(2, 4);
    kt::test::TypeText(&dlg.m_plain, "x");
    EXPECT_EQ(dlg.m_plain.GetWindowText(), "abcdefgh");
    // Deleting makes room again.
    kt::test::PressKey(&dlg.m_plain, Qt::Key_Backspace);
    kt::test::TypeText(&dlg.m_plain, "x");
    EXPECT_EQ(dlg.m_plain.GetWindowText(), "abxefgh");
  });
}

struct PasteCase {
  int id;
  int limit;
  const char16_t* before;
  std::u16string_view pasted;
  const char16_t* shown;
};

TEST_F(InputStringTest, PastingIsCutAtTheLimitOrRolledBackWhenACharacterIsRefused) {
  const PasteCase cases[] = {
      {kPlain, 8, u"", u"0123456789", u"01234567"},
      // Units 8 and 9 form a pair: the high half is not left alone.
      {kPlain, 8, u"", u"abcdefg\U0001F600x", u"abcdefg"},
      {kPlain, 9, u"", u"abcdefg\U0001F600x", u"abcdefg\U0001F600"},
      {kAscii, 32, u"ab", u"xé", u"ab"},
      {kHttp, 32, u"ab", u"x-y", u"ab"},
      {kHttp, 32, u"ab", u"x_y", u"abx_y"},
      {kJis, 32, u"漢", u"\u301C", u"漢"},
      {kJis, 32, u"漢", u"字\uFF5E", u"漢字\uFF5E"},
      // A zero would end the stored text early.
      {kPlain, 32, u"ab", u"x\0y"sv, u"ab"},
      {kAscii, 32, u"ab", u"\0\0"sv, u"ab"},
  };
  RunTextDialog(modal, [&](TextDialog& dlg) {
    for (const PasteCase& c : cases) {
      const QString pasted = QString::fromUtf16(c.pasted.data(), static_cast<qsizetype>(c.pasted.size()));
      SCOPED_TRACE(pasted.toStdString());
      CInputString* input = dlg.Input(c.id);
      input->SetMaxLength(c.limit);
      input->SetWindowText(QString::fromUtf16(c.before));
      input->SetSel(-1, -1);
      kt::test::PressKey(input, Qt::Key_End);
      Paste(input, pasted);
      EXPECT_EQ(input->GetWindowText(), QString::fromUtf16(c.shown));
    }
  });
}

TEST_F(InputStringTest, ARefusedPasteRestoresTheTextAndTheCaret) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    dlg.m_http.SetMaxLength(6);
    kt::test::TypeText(&dlg.m_http, "abcd");
    kt::test::PressKey(&dlg.m_http, Qt::Key_Left);
    kt::test::PressKey(&dlg.m_http, Qt::Key_Left);  // caret after "ab"
    Paste(&dlg.m_http, "x y");
    EXPECT_EQ(dlg.m_http.GetWindowText(), "abcd");
    EXPECT_EQ(Caret(&dlg.m_http), 2);
    // A cut paste leaves the caret where the last key left it as well.
    Paste(&dlg.m_http, "wxyz");
    EXPECT_EQ(dlg.m_http.GetWindowText(), "abwxyz");
    EXPECT_EQ(Caret(&dlg.m_http), 2);
  });
}

TEST_F(InputStringTest, SetMaxLengthCutsTheShownTextAndIsAtLeastOne) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    dlg.m_plain.SetWindowText("abcdef");
    dlg.m_plain.SetMaxLength(4);
    EXPECT_EQ(dlg.m_plain.GetWindowText(), "abcd");
    dlg.m_plain.SetMaxLength(0);
    EXPECT_EQ(dlg.m_plain.GetMaxLength(), 1);
    EXPECT_EQ(dlg.m_plain.GetWindowText(), "a");
    EXPECT_EQ(dlg.m_plain.TruncateText(QString::fromUtf16(u"\U0001F600")), "");
  });
}

// ---------------------------------------------------------------------------
// Loading record texts

struct LoadCase {
  int id;
  int limit;
  const char* utf8;
  const char16_t* shown;
};

TEST_F(InputStringTest, SetTextUtf8ConvertsCutsAndMarksWhatJisRefuses) {
  const LoadCase cases[] = {
      {kPlain, 32, "Tank \xE6\xB8\xA9\xE5\xBA\xA6", u"Tank 温度"},
      {kPlain, 4, "abcdef", u"abcd"},
      {kPlain, 32,
       "a\xFF"
       "b",
       u"a\uFFFDb"},  // invalid UTF-8
      {kJis, 32,
       "A\xE2\x91\xA0"
       "B",
       u"A?B"},  // circled digit one
      {kJis, 32,
       "A\xF0\x9F\x98\x80"
       "B",
       u"A??B"},                                           // outside the BMP: two units
      {kJis, 32, "\xE3\x80\x9C\xEF\xBD\x9E", u"?\uFF5E"},  // wave dash, full-width tilde
      {kJis, 3, "\xF0\x9F\x98\x80\xF0\x9F\x98\x80", u"???"},
      {kPlain, 3, "ab\xF0\x9F\x98\x80", u"ab"},
  };
  RunTextDialog(modal, [&](TextDialog& dlg) {
    for (const LoadCase& c : cases) {
      SCOPED_TRACE(c.utf8);
      CInputString* input = dlg.Input(c.id);
      input->SetMaxLength(c.limit);
      input->SetTextUtf8(c.utf8);
      EXPECT_EQ(input->GetWindowText(), QString::fromUtf16(c.shown));
    }
  });
}

TEST_F(InputStringTest, ALoadedTextOutsideTheCharacterSetStaysAndCanBeReplaced) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    // A record can hold what the field would not let the user type; the
    // change that the load makes must settle, not bounce for ever.
    dlg.m_ascii.SetTextUtf8("caf\xC3\xA9");
    EXPECT_EQ(dlg.m_ascii.GetWindowText(), QString::fromUtf16(u"café"));
    dlg.m_ascii.SetSel(0, -1);
    kt::test::TypeText(&dlg.m_ascii, "x");
    EXPECT_EQ(dlg.m_ascii.GetWindowText(), "x");
  });
}

TEST_F(InputStringTest, AMultiLineInputKeepsTheLineBreaksItsWindowMakes) {
  // The window shows a lone "\r" or "\n" as a whole "\r\n", one unit longer
  // than it was given; the input must settle on that, within its limit.
  const LoadCase cases[] = {
      {kMulti, 32, "caf\xC3\xA9\nx", u"caf\u00E9\r\nx"},  // with a character it refuses, as loaded
      {kMulti, 6, "caf\xC3\xA9\rx", u"caf\u00E9\r\n"},
      {kMulti, 6, "abcde\r", u"abcde"},
  };
  RunTextDialog(modal, [&](TextDialog& dlg) {
    for (const LoadCase& c : cases) {
      SCOPED_TRACE(c.utf8);
      dlg.m_multi.SetMaxLength(c.limit);
      dlg.m_multi.SetTextUtf8(c.utf8);
      EXPECT_EQ(dlg.m_multi.GetWindowText(), QString::fromUtf16(c.shown));
    }
    dlg.m_multi.SetSel(0, -1);
    kt::test::TypeText(&dlg.m_multi, "x");
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "x");
  });
}

// ---------------------------------------------------------------------------
// Conversions

TEST(Utf8Conversion, CStringToUtf8FillsTheWholeFieldOrRefuses) {
  const QString sixteen = QString(16, QChar(0x6F22));  // 16 x 3 bytes
  struct Case {
    QString text;
    int size;
    BOOL ok;
    std::string bytes;  // without the zero fill
  } cases[] = {
      {sixteen, 48, FALSE, ""}, {sixteen, 49, TRUE, sixteen.toUtf8().toStdString()},
      {"", 8, TRUE, ""},        {"abc", 3, FALSE, ""},
      {"abc", 4, TRUE, "abc"},  {QString::fromUtf16(u"\U0001F600"), 5, TRUE, "\xF0\x9F\x98\x80"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString() + " into " + std::to_string(c.size));
    std::array<char, 64> buffer;
    buffer.fill('#');
    EXPECT_EQ(CStringToUtf8(c.text, buffer.data(), c.size), c.ok);
    if (!c.ok) {
      EXPECT_EQ(std::string(buffer.data(), 64), std::string(64, '#'));  // untouched
      continue;
    }
    EXPECT_EQ(std::string(buffer.data()), c.bytes);
    for (int i = static_cast<int>(c.bytes.size()); i < c.size; ++i) EXPECT_EQ(buffer[static_cast<std::size_t>(i)], 0);
    EXPECT_EQ(buffer[static_cast<std::size_t>(c.size)], '#');  // not a byte past the field
  }
  // The array form takes the array's size.
  char field[4];
  EXPECT_TRUE(CStringToUtf8("abc", field));
  EXPECT_FALSE(CStringToUtf8("abcd", field));
}

TEST(Utf8Conversion, Utf8ToCStringReplacesInvalidSequences) {
  CString out = "kept";
  EXPECT_FALSE(Utf8ToCString(nullptr, &out));
  EXPECT_EQ(out, "kept");
  EXPECT_TRUE(Utf8ToCString("\xE6\xB8\xA9", &out));
  EXPECT_EQ(out, QString::fromUtf16(u"温"));
  EXPECT_TRUE(
      Utf8ToCString("a\xC0\xAF"
                    "b",
                    &out));  // an over-long '/'
  EXPECT_FALSE(out.contains('/'));
  EXPECT_TRUE(out.contains(QChar(0xFFFD)));
  EXPECT_TRUE(Utf8ToCString("", &out));
  EXPECT_EQ(out, "");
}

TEST_F(InputStringTest, RecordFieldsAreReadWithinTheirWidthAndStoredWholeOrEmpty) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    // A field without its terminating zero, followed by bytes of another.
    struct {
      char field[4];
      char next[4];
    } record = {{'a', 'b', 'c', 'd'}, {'X', 'Y', 'Z', '\0'}};
    EXPECT_EQ(kt::FieldText(record.field), "abcd");
    kt::LoadText(dlg.m_plain, record.field);
    EXPECT_EQ(dlg.m_plain.GetWindowText(), "abcd");

    dlg.m_plain.SetWindowText("xyz");
    kt::StoreText(dlg.m_plain, record.field);
    EXPECT_EQ(std::string(record.field, 4), std::string("xyz\0", 4));
    // Too long for the field (four bytes and the zero): no part of the old
    // text stays behind.
    dlg.m_plain.SetWindowText("wxyz");
    kt::StoreText(dlg.m_plain, record.field);
    EXPECT_EQ(std::string(record.field, 4), std::string(4, '\0'));
    EXPECT_EQ(std::string(record.next, 4), std::string("XYZ\0", 4));
  });
}

// ---------------------------------------------------------------------------
// IP address

TEST_F(InputStringTest, SetAddressTakesExactlyFourNumbersUpTo255) {
  const struct {
    const char* text;
    BOOL ok;
    const char* shown;
  } cases[] = {
      {"192.168.0.10", TRUE, "192.168.0.10"},
      {"0.0.0.0", TRUE, "0.0.0.0"},
      {"255.255.255.255", TRUE, "255.255.255.255"},
      {"010.1.1.1", TRUE, "10.1.1.1"},
      {"", FALSE, ""},
      {"1.300.1.1", FALSE, ""},
      {"1.2.3", FALSE, ""},
      {"1.2.3.4.5", FALSE, ""},
      {"1.2.3.4x", FALSE, ""},
      {" 1.2.3.4", FALSE, ""},
      {"-1.2.3.4", FALSE, ""},
      {"+1.2.3.4", FALSE, ""},
      {"1..2.3", FALSE, ""},
      {"0001.2.3.4", FALSE, ""},
      {"4294967297.1.1.1", FALSE, ""},
      {"host.example", FALSE, ""},
  };
  RunTextDialog(modal, [&](TextDialog& dlg) {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.text);
      dlg.m_ip.SetAddress(9, 9, 9, 9);
      EXPECT_EQ(dlg.m_ip.SetAddress(c.text), c.ok);
      char buffer[32];
      std::memset(buffer, '#', sizeof buffer);
      EXPECT_EQ(dlg.m_ip.GetAddress(buffer), c.ok);
      EXPECT_STREQ(buffer, c.shown);
      for (std::size_t i = std::strlen(c.shown); i < sizeof buffer; ++i) EXPECT_EQ(buffer[i], 0);
      EXPECT_EQ(dlg.m_ip.IsBlank(), c.ok ? FALSE : TRUE);
    }
    EXPECT_FALSE(dlg.m_ip.SetAddress(nullptr));
  });
}

TEST_F(InputStringTest, AnIncompleteAddressIsYellowUnlessDisabled) {
  RunTextDialog(modal, [](TextDialog& dlg) {
    EXPECT_FALSE(dlg.m_ip.SetAddress(""));
    EXPECT_FALSE(dlg.m_ip.IsValid());
    EXPECT_EQ(kt::test::BackgroundOf(&dlg.m_ip), kYellow);
    // The strip around the fields too, not just the fields.
    EXPECT_EQ(dlg.m_ip.GetSafeHwnd()->palette().color(QPalette::Base), QColor(255, 241, 0));

    dlg.m_ip.EnableWindow(FALSE);
    EXPECT_TRUE(dlg.m_ip.IsValid());
    EXPECT_NE(kt::test::BackgroundOf(&dlg.m_ip), kYellow);
    dlg.m_ip.EnableWindow(TRUE);
    EXPECT_EQ(kt::test::BackgroundOf(&dlg.m_ip), kYellow);

    // Typed field by field, it turns white once the fourth is filled.
    kt::test::TypeText(&dlg.m_ip, "10.1.2.");
    EXPECT_FALSE(dlg.m_ip.IsValid());
    char buffer[32];
    EXPECT_FALSE(dlg.m_ip.GetAddress(buffer));
    EXPECT_STREQ(buffer, "");
    kt::test::TypeText(&dlg.m_ip, "3");
    EXPECT_TRUE(dlg.m_ip.IsValid());
    EXPECT_TRUE(dlg.m_ip.GetAddress(buffer));
    EXPECT_STREQ(buffer, "10.1.2.3");
    EXPECT_NE(kt::test::BackgroundOf(&dlg.m_ip), kYellow);
    EXPECT_NE(dlg.m_ip.GetSafeHwnd()->palette().color(QPalette::Base), QColor(255, 241, 0));
  });
}

// The picture of a control as the dialog shows it: the first painting lets
// the control decide its colours, the second shows them.
QImage Shown(CWnd& wnd) {
  (void)wnd.GetSafeHwnd()->grab();
  return wnd.GetSafeHwnd()->grab().toImage();
}

// "#rrggbb" of a pixel, readable in a failure.
QString Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y).name(); }

// Beside a plain edit, the address has the same frame and background, enabled
// or disabled; only enabled and incomplete is it yellow, strip and dots too.
TEST_F(InputStringTest, TheAddressIsFramedAndColouredLikeThePlainEditBesideIt) {
  struct Case {
    const char* name;
    const char* address;
    BOOL enabled;
    bool yellow;
  };
  const Case cases[] = {
      {"enabled", "10.1.2.3", TRUE, false},
      {"enabled, incomplete", "", TRUE, true},
      {"disabled", "10.1.2.3", FALSE, false},
      {"disabled, incomplete", "", FALSE, false},
  };
  const QString kYellowName = QStringLiteral("#fff100");
  RunTextDialog(modal, [&](TextDialog& dlg) {
    dlg.GetDlgItem(IDOK)->GetSafeHwnd()->setFocus(Qt::OtherFocusReason);  // no focus frame on either
    const QList<QLineEdit*> fields = dlg.m_ip.GetSafeHwnd()->findChildren<QLineEdit*>();
    ASSERT_EQ(fields.size(), 4);
    // Above the dot between the first two fields: the strip, not a field.
    const QPoint strip((fields[0]->geometry().right() + fields[1]->geometry().left()) / 2, fields[0]->y() + 1);
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      dlg.m_ip.SetAddress(c.address);
      dlg.m_ip.EnableWindow(c.enabled);
      dlg.m_plain.EnableWindow(c.enabled);
      const QImage ip = Shown(dlg.m_ip);
      const QImage edit = Shown(dlg.m_plain);
      const QString inside = Pixel(edit, edit.width() - 4, edit.height() / 2);
      EXPECT_NE(inside, kYellowName);
      const QString background = c.yellow ? kYellowName : inside;
      EXPECT_EQ(Pixel(ip, ip.width() - 4, ip.height() / 2), background);
      EXPECT_EQ(Pixel(ip, strip.x(), strip.y()), background);
      // The outline, at the top and the left side.
      EXPECT_NE(Pixel(edit, edit.width() / 2, 0), inside);
      EXPECT_EQ(Pixel(ip, ip.width() / 2, 0), Pixel(edit, edit.width() / 2, 0));
      EXPECT_EQ(Pixel(ip, 0, ip.height() / 2), Pixel(edit, 0, edit.height() / 2));
    }
  });
}

}  // namespace
