// Number inputs driven like a user: typed keys, pastes from the clipboard,
// and the colours they show.
#include "InputNumber.h"
#include "NormalDialog.h"

#include "DialogTemplate.h"
#include "ModalScript.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace kt::res;
using kt::test::BackgroundOf;
using kt::test::PressKey;
using kt::test::TypeText;

namespace {

constexpr std::uint32_t V = WS_VISIBLE | WS_TABSTOP;

const DialogTemplate kNumberDialog{9101,
                                   "Numbers",
                                   200,
                                   120,
                                   WS_CAPTION | DS_MODALFRAME,
                                   "MS Shell Dlg",
                                   8,
                                   {
                                       {100, Kind::Edit, "", 10, 10, 80, 12, V},
                                       {101, Kind::Edit, "", 10, 26, 80, 12, V},
                                       {102, Kind::Edit, "", 10, 42, 80, 12, V},
                                       {103, Kind::Edit, "", 10, 58, 80, 12, V},
                                       {104, Kind::Edit, "", 100, 10, 80, 12, V},
                                       {105, Kind::Edit, "", 100, 26, 80, 12, V},
                                       {IDOK, Kind::DefPushButton, "OK", 140, 100, 50, 14, V},
                                   }};
KT_DIALOG_TEMPLATE(kNumberDialog);

// A page-like owner of the conflict predicates.
struct Owner {
  BOOL Conflict() { return conflict; }
  BOOL Paint(CDC*, UINT) {
    ++asked;
    return paint;
  }
  BOOL conflict = FALSE;
  BOOL paint = FALSE;
  int asked = 0;
};

class NumberDialog : public CDialog {
 public:
  NumberDialog() : CDialog(9101) {}
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, 100, m_float);
    DDX_Control(pDX, 101, m_int);
    DDX_Control(pDX, 102, m_uint);
    DDX_Control(pDX, 103, m_multi);
    DDX_Control(pDX, 104, m_intApp);
    DDX_Control(pDX, 105, m_floatApp);
  }
  CInputNumberFloat m_float;
  CInputNumberInt m_int;
  CInputNumberUint m_uint;
  CInputNumberMulti m_multi;
  CInputNumberIntApp<Owner> m_intApp;
  CInputNumberFloatApp<Owner> m_floatApp;
};

class InputNumberTest : public kt::test::GuiTest {
 protected:
  // Runs the checks inside the shown dialog.
  void Run(const std::function<void(NumberDialog&)>& checks) {
    modal.ExpectDialog<NumberDialog>([&](NumberDialog& dlg) {
      checks(dlg);
      dlg.EndDialog(IDOK);
    });
    NumberDialog dlg;
    dlg.DoModal();
  }
};

void Paste(CWnd* edit, const QString& text) {
  QApplication::clipboard()->setText(text);
  PressKey(edit, Qt::Key_V, Qt::ControlModifier);
}

// Clears the edit as a user would (select all, Backspace).
void Clear(CWnd* edit) {
  PressKey(edit, Qt::Key_A, Qt::ControlModifier);
  PressKey(edit, Qt::Key_Backspace);
}

int Caret(CWnd* edit) { return qobject_cast<QLineEdit*>(edit->GetSafeHwnd())->cursorPosition(); }

enum class Cls { Float, Int, Uint, Multi };

struct TypingCase {
  const char* name;
  Cls cls;
  std::function<void(NumberDialog&)> setup;
  const char* typed;   // keys, from an empty field
  const char* pasted;  // then pasted at the caret (nullptr: nothing)
  const char* shown;   // text afterwards
  bool valid;
};

CInputNumber& Control(NumberDialog& dlg, Cls cls) {
  switch (cls) {
    case Cls::Float: return dlg.m_float;
    case Cls::Int: return dlg.m_int;
    case Cls::Uint: return dlg.m_uint;
    case Cls::Multi: return dlg.m_multi;
  }
  return dlg.m_int;
}

void FloatRange(NumberDialog& d, double lo, double hi, int decimals) {
  d.m_float.m_nDecimals = decimals;
  d.m_float.SetRange(lo, hi, 0.0);
}

}  // namespace

TEST_F(InputNumberTest, TypingAndPastingRefuseRollBackOrMarkInvalid) {
  auto signed1 = [](NumberDialog& d) { FloatRange(d, -10, 10, 1); };
  auto whole = [](NumberDialog& d) { FloatRange(d, 0, 999, 0); };
  auto port = [](NumberDialog& d) { d.m_int.SetRange(1, 65535, 80); };
  auto fullInt = [](NumberDialog& d) { d.m_int.SetRange(-2147483647 - 1, 2147483647, 0); };
  auto fullUint = [](NumberDialog& d) { d.m_uint.SetRange(0, 4294967295u, 0); };
  auto dec = [](NumberDialog& d) { d.m_multi.SetRadix(10); };
  auto hex = [](NumberDialog& d) { d.m_multi.SetRadix(16); };
  auto oct = [](NumberDialog& d) { d.m_multi.SetRadix(8); };
  const std::vector<TypingCase> cases = {
      // Float -10..10, one decimal.
      {"lone minus", Cls::Float, signed1, "-", nullptr, "-", false},
      {"minus ten", Cls::Float, signed1, "-10.0", nullptr, "-10.0", true},
      {"second decimal rolled back", Cls::Float, signed1, "1.23", nullptr, "1.2", true},
      {"ten point one out of range", Cls::Float, signed1, "10.1", nullptr, "10.1", false},
      {"minus only at the start", Cls::Float, signed1, "5-", nullptr, "5", true},
      {"one minus only", Cls::Float, signed1, "--5", nullptr, "-5", true},
      {"one point only", Cls::Float, signed1, "1..5", nullptr, "1.5", true},
      {"letters dropped", Cls::Float, signed1, "a1b", nullptr, "1", true},
      {"three integer digits rolled back", Cls::Float, signed1, "100", nullptr, "10", true},
      {"point without integer part", Cls::Float, signed1, ".5", nullptr, ".5", true},
      {"lone point", Cls::Float, signed1, ".", nullptr, ".", false},
      {"minus and point hold no number", Cls::Float, signed1, "-.", nullptr, "-.", false},
      {"pasted extra decimals rolled back", Cls::Float, signed1, "1", "3.14", "1", true},
      {"pasted letters rolled back", Cls::Float, signed1, "2", "x", "2", true},
      // Float 0..999 without decimals: a trailing point is well formed.
      {"trailing point", Cls::Float, whole, "12.", nullptr, "12.", true},
      {"digit after point rolled back", Cls::Float, whole, "12.5", nullptr, "12.", true},
      {"no minus when the range is not negative", Cls::Float, whole, "-3", nullptr, "3", true},
      // Int 1..65535.
      {"minus refused", Cls::Int, port, "-5", nullptr, "5", true},
      {"zero well formed but out of range", Cls::Int, port, "0", nullptr, "0", false},
      {"65536 out of range", Cls::Int, port, "65536", nullptr, "65536", false},
      {"sixth digit rolled back", Cls::Int, port, "655351", nullptr, "65535", true},
      {"pasted number", Cls::Int, port, "", "443", "443", true},
      {"pasted mixture rolled back", Cls::Int, port, "44", "3x", "44", true},
      {"pasted full-width digits rolled back", Cls::Int, port, "7", "\xEF\xBC\x91" /* U+FF11 */, "7", true},
      // Int over its whole type: 64-bit parse, 32-bit limits.
      {"int minimum", Cls::Int, fullInt, "-2147483648", nullptr, "-2147483648", true},
      {"int above maximum", Cls::Int, fullInt, "2147483648", nullptr, "2147483648", false},
      {"int below minimum", Cls::Int, fullInt, "-2147483649", nullptr, "-2147483649", false},
      {"int leading zeros", Cls::Int, fullInt, "007", nullptr, "007", true},
      // Uint.
      {"uint maximum", Cls::Uint, fullUint, "4294967295", nullptr, "4294967295", true},
      {"uint 2^32 never valid", Cls::Uint, fullUint, "4294967296", nullptr, "4294967296", false},
      {"uint 2^32 pasted never valid", Cls::Uint, fullUint, "", "4294967296", "4294967296", false},
      {"uint eleventh digit rolled back", Cls::Uint, fullUint, "42949672950", nullptr, "4294967295", true},
      {"uint minus dropped", Cls::Uint, fullUint, "-1", nullptr, "1", true},
      // Multi.
      {"decimal letters dropped", Cls::Multi, dec, "1a2", nullptr, "12", true},
      {"hex digits either case", Cls::Multi, hex, "fFz", nullptr, "fF", true},
      {"hex pasted", Cls::Multi, hex, "", "DEADBEEF", "DEADBEEF", true},
      {"hex ninth digit rolled back", Cls::Multi, hex, "FFFFFFFF0", nullptr, "FFFFFFFF", true},
      {"octal refuses 8 and 9", Cls::Multi, oct, "7189", nullptr, "71", true},
      {"octal above 32 bits", Cls::Multi, oct, "77777777777", nullptr, "77777777777", false},
      {"decimal above 32 bits", Cls::Multi, dec, "9999999999", nullptr, "9999999999", false},
  };
  Run([&](NumberDialog& dlg) {
    for (const TypingCase& c : cases) {
      SCOPED_TRACE(c.name);
      c.setup(dlg);
      CInputNumber& ctl = Control(dlg, c.cls);
      Clear(&ctl);
      TypeText(&ctl, QString::fromUtf8(c.typed));
      if (c.pasted) Paste(&ctl, QString::fromUtf8(c.pasted));
      EXPECT_EQ(ctl.GetWindowText(), QString::fromUtf8(c.shown));
      EXPECT_EQ(ctl.m_bValid, c.valid ? TRUE : FALSE);
      EXPECT_EQ(BackgroundOf(&ctl) == kInvalidColor, !c.valid);
    }
  });
}

TEST_F(InputNumberTest, ARolledBackTextKeepsTheCaretWhereTheUserWas) {
  Run([](NumberDialog& dlg) {
    dlg.m_int.SetRange(1, 99, 1);
    Clear(&dlg.m_int);
    TypeText(&dlg.m_int, "12");
    TypeText(&dlg.m_int, "3");  // a third digit is too long
    EXPECT_EQ(dlg.m_int.GetWindowText(), "12");
    EXPECT_EQ(Caret(&dlg.m_int), 2);
    PressKey(&dlg.m_int, Qt::Key_Home);
    TypeText(&dlg.m_int, "5");
    EXPECT_EQ(dlg.m_int.GetWindowText(), "12");
    EXPECT_EQ(Caret(&dlg.m_int), 0);
    PressKey(&dlg.m_int, Qt::Key_Right);
    Paste(&dlg.m_int, "x");
    EXPECT_EQ(dlg.m_int.GetWindowText(), "12");
    EXPECT_EQ(Caret(&dlg.m_int), 1);
  });
}

TEST_F(InputNumberTest, FloatFormatFollowsSignDecimalsAndIntegerDigits) {
  struct Case {
    double min;
    int decimals;
    int intDigits;
    const char* text;
    bool wellFormed;
  };
  const Case cases[] = {
      {0, 1, 3, "123", true},       {0, 1, 3, "1234", false}, {0, 1, 3, "-1", false},     {-1, 1, 3, "-123", true},
      {-1, 1, 3, "-", false},       {0, 1, 3, "007", true},   {0, 0, 3, "12.", true},     {0, 0, 3, "12.5", false},
      {0, 0, 3, ".", true},         {0, 1, 3, "1.5", true},   {0, 1, 3, "1.55", false},   {0, 2, 3, "1.55", true},
      {0, 2, 3, "1.555", false},    {0, 3, 3, "1.555", true}, {0, 3, 3, "1.5555", false}, {0, 3, 3, ".555", true},
      {-1, 3, 3, "-.5", true},      {0, 4, 3, "1.5", false},  {0, 4, 3, "1.", true},      {0, 2, 1, "9.99", true},
      {0, 2, 1, "10.5", false},     {0, 1, 3, "1e5", false},  {0, 1, 3, " 1", false},     {0, 1, 3, "1\n", false},
      {0, 1, 3, "\xC2\xB2", false},
  };
  Run([&](NumberDialog& dlg) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.text) + " decimals " + std::to_string(c.decimals));
      dlg.m_float.m_dMin = c.min;
      dlg.m_float.m_nDecimals = c.decimals;
      dlg.m_float.m_nIntDigits = c.intDigits;
      EXPECT_EQ(dlg.m_float.CheckFormat(QString::fromUtf8(c.text)), c.wellFormed ? TRUE : FALSE);
    }
  });
}

TEST_F(InputNumberTest, SetRangeSizesTheFieldAndShowsTheDefault) {
  Run([](NumberDialog& dlg) {
    struct Case {
      double min, max, def;
      int decimals;
      int intDigits;
      const char* shown;
    } cases[] = {
        {0, 999.9, 5, 1, 4, "5.0"},         // "%.0f" of 999.9 is "1000"
        {-99.9, 10, -1.25, 2, 3, "-1.25"},  // |min| counts
        {0, 65535, 80, 0, 5, "80"},
        {0, 1e15, 123456789012345.0, 0, 16, "123456789012345"},  // longer than the old size
        {0, 1, 0.5, 3, 1, "0.500"},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.shown);
      dlg.m_float.m_nDecimals = c.decimals;
      ASSERT_TRUE(dlg.m_float.SetRange(c.min, c.max, c.def));
      EXPECT_EQ(dlg.m_float.m_nIntDigits, c.intDigits);
      EXPECT_EQ(dlg.m_float.GetWindowText(), c.shown);
      EXPECT_DOUBLE_EQ(dlg.m_float.m_dValue, c.def);
    }
    dlg.m_float.m_nDecimals = 5;  // above 3: six decimals
    EXPECT_EQ(dlg.m_float.FormatValue(0.5), "0.500000");
    // A refused range changes nothing.
    dlg.m_float.m_nDecimals = 1;
    dlg.m_float.SetRange(0, 10, 2);
    EXPECT_FALSE(dlg.m_float.SetRange(5, 4, 4.5));
    EXPECT_EQ(dlg.m_float.m_dMax, 10);
    EXPECT_EQ(dlg.m_float.GetWindowText(), "2.0");

    EXPECT_TRUE(dlg.m_int.SetRange(1, 5, 1));
    EXPECT_EQ(dlg.m_int.m_nMaxLength, 1);
    EXPECT_TRUE(dlg.m_int.SetRange(-100, 65535, 8080));  // a wider range after a narrow one
    EXPECT_EQ(dlg.m_int.m_nMaxLength, 5);
    EXPECT_EQ(dlg.m_int.GetWindowText(), "8080");
    EXPECT_TRUE(dlg.m_int.m_bValid);
    EXPECT_TRUE(dlg.m_int.SetRange(-1000, 10, 0));
    EXPECT_EQ(dlg.m_int.m_nMaxLength, 5);  // the sign counts
    EXPECT_FALSE(dlg.m_int.SetRange(3, 2, 2));
    EXPECT_EQ(dlg.m_int.m_nMin, -1000);

    EXPECT_TRUE(dlg.m_uint.SetRange(0, 100, 0));
    EXPECT_EQ(dlg.m_uint.m_nMaxLength, 3);
    EXPECT_FALSE(dlg.m_uint.SetRange(10, 9, 9));
  });
}

TEST_F(InputNumberTest, TheValueIsTheOneTheShownDecimalsExpress) {
  Run([](NumberDialog& dlg) {
    dlg.m_float.m_nDecimals = 1;
    dlg.m_float.SetRange(-10, 10, 0);
    dlg.m_float.SetValue(2.26);
    EXPECT_EQ(dlg.m_float.GetWindowText(), "2.3");
    EXPECT_DOUBLE_EQ(dlg.m_float.m_dValue, 2.3);
    // Out of range: invalid, but the value is still the parsed one.
    dlg.m_float.SetValue(12.0);
    EXPECT_FALSE(dlg.m_float.m_bValid);
    EXPECT_DOUBLE_EQ(dlg.m_float.m_dValue, 12.0);
    // Excluded values are refused although in range.
    static const double kZero[] = {0.0};
    dlg.m_float.SetExcluded(kZero, 1);
    dlg.m_float.SetValue(0.0);
    EXPECT_FALSE(dlg.m_float.m_bValid);
    EXPECT_EQ(BackgroundOf(&dlg.m_float), kInvalidColor);
    Clear(&dlg.m_float);
    TypeText(&dlg.m_float, "0.01");  // shown as "0.0" with one decimal: still zero
    EXPECT_EQ(dlg.m_float.GetWindowText(), "0.0");
    EXPECT_FALSE(dlg.m_float.m_bValid);
    TypeText(&dlg.m_float, "\b5");
    EXPECT_EQ(dlg.m_float.GetWindowText(), "0.5");
    EXPECT_TRUE(dlg.m_float.m_bValid);
    // A negative that rounds to zero is zero, without a sign the field may refuse.
    dlg.m_float.SetExcluded(nullptr, 0);
    dlg.m_float.SetRange(0, 10, 1);
    dlg.m_float.SetValue(-0.04);
    EXPECT_EQ(dlg.m_float.GetWindowText(), "0.0");
    EXPECT_TRUE(dlg.m_float.m_bValid);
  });
}

// A value that the field cannot hold (wider than it, or breaking its format)
// shows its own text, yellow, never the text shown before it. Nothing good
// stands behind it: an edit that still breaks the format empties the field.
TEST_F(InputNumberTest, AValueTheFieldCannotHoldIsShownInvalidNotReplaced) {
  struct Case {
    const char* name;
    Cls cls;
    std::function<void(NumberDialog&)> setup;  // a range and a valid value shown
    std::function<void(NumberDialog&)> load;
    const char* shown;
  };
  auto gain = [](NumberDialog& d) {
    FloatRange(d, -10000, 10000, 3);
    d.m_float.SetValue(0.5);
  };
  auto whole = [](NumberDialog& d) {
    FloatRange(d, 0, 999, 1);
    d.m_float.SetValue(2.0);
  };
  auto port = [](NumberDialog& d) { d.m_int.SetRange(1, 65535, 80); };
  auto percent = [](NumberDialog& d) { d.m_uint.SetRange(0, 100, 7); };
  auto multi = [](int radix) {
    return [radix](NumberDialog& d) {
      d.m_multi.SetRadix(radix);
      d.m_multi.m_nMax = 255;
      d.m_multi.UpdateMaxLength();
      d.m_multi.SetValue(16);
    };
  };
  const std::vector<Case> cases = {
      {"integer part too wide", Cls::Float, gain, [](NumberDialog& d) { d.m_float.SetValue(123456.0); }, "123456.000"},
      {"longer than the field", Cls::Float, gain, [](NumberDialog& d) { d.m_float.SetValue(1e12); },
       "1000000000000.000"},
      {"float sign where none is allowed", Cls::Float, whole, [](NumberDialog& d) { d.m_float.SetValue(-5.0); },
       "-5.0"},
      {"not a number", Cls::Float, gain,
       [](NumberDialog& d) { d.m_float.SetValue(std::numeric_limits<double>::quiet_NaN()); }, ""},
      {"infinity", Cls::Float, gain,
       [](NumberDialog& d) { d.m_float.SetValue(-std::numeric_limits<double>::infinity()); }, ""},
      {"int longer than the field", Cls::Int, port, [](NumberDialog& d) { d.m_int.SetValue(1234567); }, "1234567"},
      {"int sign where none is allowed", Cls::Int, port, [](NumberDialog& d) { d.m_int.SetValue(-5); }, "-5"},
      {"uint longer than the field", Cls::Uint, percent, [](NumberDialog& d) { d.m_uint.SetValue(1000); }, "1000"},
      {"decimal longer than the field", Cls::Multi, multi(10), [](NumberDialog& d) { d.m_multi.SetValue(1000); },
       "1000"},
      {"hex longer than the field", Cls::Multi, multi(16), [](NumberDialog& d) { d.m_multi.SetValue(0x1234); }, "1234"},
  };
  Run([&](NumberDialog& dlg) {
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      c.setup(dlg);
      CInputNumber& ctl = Control(dlg, c.cls);
      ASSERT_TRUE(ctl.m_bValid);
      c.load(dlg);
      EXPECT_EQ(ctl.GetWindowText(), QString::fromLatin1(c.shown));
      EXPECT_FALSE(ctl.m_bValid);
      EXPECT_EQ(BackgroundOf(&ctl), kInvalidColor);
      if (*c.shown == '\0') continue;
      PressKey(&ctl, Qt::Key_End);
      TypeText(&ctl, "1");
      EXPECT_EQ(ctl.GetWindowText(), QString());
      EXPECT_FALSE(ctl.m_bValid);
    }
    // Disabled, it goes back to its default like any invalid input.
    dlg.m_int.SetValue(1234567);
    dlg.m_int.EnableWindow(FALSE);
    dlg.m_int.ResetIfDisabled();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "80");
    EXPECT_TRUE(dlg.m_int.m_bValid);
  });
}

TEST_F(InputNumberTest, OwnersCanPaintAValidValueAsConflicting) {
  Run([](NumberDialog& dlg) {
    Owner owner;
    dlg.m_float.m_nDecimals = 1;
    dlg.m_float.SetRange(0, 100, 5);
    const COLORREF normal = BackgroundOf(&dlg.m_float);
    EXPECT_NE(normal, kInvalidColor);

    // Float: four callbacks, asked in order; the first exact TRUE wins.
    dlg.m_float.m_aHighlight[2].Set(&owner, &Owner::Paint);
    EXPECT_EQ(BackgroundOf(&dlg.m_float), normal);
    EXPECT_GT(owner.asked, 0);
    owner.paint = TRUE;
    EXPECT_EQ(BackgroundOf(&dlg.m_float), kInvalidColor);
    owner.paint = 2;  // only exactly TRUE counts
    EXPECT_EQ(BackgroundOf(&dlg.m_float), normal);
    dlg.m_float.m_aHighlight[2].Clear();
    owner.paint = TRUE;
    EXPECT_EQ(BackgroundOf(&dlg.m_float), normal);

    // Uint: one callback.
    dlg.m_uint.SetRange(0, 100, 0);
    EXPECT_EQ(BackgroundOf(&dlg.m_uint), normal);
    dlg.m_uint.m_highlight.Set(&owner, &Owner::Paint);
    EXPECT_EQ(BackgroundOf(&dlg.m_uint), kInvalidColor);

    // The App templates ask their owner's predicate.
    dlg.m_intApp.SetRange(1, 65535, 80);
    dlg.m_floatApp.SetRange(0, 10, 1);
    EXPECT_EQ(BackgroundOf(&dlg.m_intApp), normal);
    dlg.m_intApp.m_pOwner = &owner;
    dlg.m_intApp.m_pfnHighlight = &Owner::Conflict;
    dlg.m_floatApp.m_pOwner = &owner;
    dlg.m_floatApp.m_pfnHighlight = &Owner::Conflict;
    EXPECT_EQ(BackgroundOf(&dlg.m_intApp), normal);
    owner.conflict = TRUE;
    EXPECT_EQ(BackgroundOf(&dlg.m_intApp), kInvalidColor);
    EXPECT_EQ(BackgroundOf(&dlg.m_floatApp), kInvalidColor);
    owner.conflict = FALSE;
    dlg.m_intApp.SetValue(0);  // invalid paints yellow whatever the owner says
    EXPECT_EQ(BackgroundOf(&dlg.m_intApp), kInvalidColor);
  });
}

TEST_F(InputNumberTest, OnlyDisabledInvalidInputsReturnToTheirDefault) {
  Run([](NumberDialog& dlg) {
    dlg.m_float.m_nDecimals = 1;
    dlg.m_float.SetRange(0, 10, 2.5);
    dlg.m_int.SetRange(1, 65535, 80);
    dlg.m_uint.SetRange(0, 100, 7);
    dlg.m_multi.m_nMax = 255;
    dlg.m_multi.m_nDefault = 16;
    dlg.m_multi.UpdateMaxLength();

    // Enabled: kept.
    dlg.m_float.SetValue(12.0);
    dlg.m_float.ResetIfDisabled();
    EXPECT_EQ(dlg.m_float.GetWindowText(), "12.0");
    // Disabled and invalid: the default, valid again.
    std::vector<CInputNumber*> all{&dlg.m_float, &dlg.m_int, &dlg.m_uint, &dlg.m_multi};
    dlg.m_int.SetValue(0);
    dlg.m_uint.SetWindowText("");
    dlg.m_multi.SetValue(300);
    for (CInputNumber* c : all) {
      EXPECT_FALSE(c->m_bValid);
      c->EnableWindow(FALSE);
      c->ResetIfDisabled();
      EXPECT_TRUE(c->m_bValid);
    }
    EXPECT_EQ(dlg.m_float.GetWindowText(), "2.5");
    EXPECT_DOUBLE_EQ(dlg.m_float.m_dValue, 2.5);
    EXPECT_EQ(dlg.m_int.GetWindowText(), "80");
    EXPECT_EQ(dlg.m_uint.GetWindowText(), "7");
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "16");
    // Disabled and valid: kept.
    dlg.m_int.SetValue(443);
    dlg.m_int.ResetIfDisabled();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "443");
  });
}

TEST_F(InputNumberTest, IncrementWrapsAtTheMaximumAndNeverOverflows) {
  Run([](NumberDialog& dlg) {
    dlg.m_int.SetRange(1, 65535, 80);
    dlg.m_int.IncrementValue();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "81");
    dlg.m_int.SetValue(65535);
    dlg.m_int.IncrementValue();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "1");
    dlg.m_int.SetRange(-2147483647 - 1, 2147483647, 2147483647);
    dlg.m_int.IncrementValue();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "-2147483648");

    dlg.m_uint.SetRange(5, 4294967295u, 4294967295u);
    dlg.m_uint.IncrementValue();
    EXPECT_EQ(dlg.m_uint.GetWindowText(), "5");

    dlg.m_multi.SetRadix(16);
    dlg.m_multi.SetValue(0xFFFFFFFEu);
    dlg.m_multi.IncrementValue();
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "FFFFFFFF");
    dlg.m_multi.IncrementValue();
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "0");

    // Empty or disabled: nothing.
    dlg.m_int.SetRange(1, 10, 3);
    dlg.m_int.SetWindowText("");
    dlg.m_int.IncrementValue();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "");
    dlg.m_int.SetValue(3);
    dlg.m_int.EnableWindow(FALSE);
    dlg.m_int.IncrementValue();
    EXPECT_EQ(dlg.m_int.GetWindowText(), "3");
  });
}

TEST_F(InputNumberTest, RadixChangesShowTheSameNumberOrTheDefault) {
  Run([](NumberDialog& dlg) {
    dlg.m_multi.m_nDefault = 10;
    dlg.m_multi.SetValue(255);
    ASSERT_TRUE(dlg.m_multi.SetRadix(16));
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "FF");
    EXPECT_EQ(dlg.m_multi.m_nMaxLength, 8);
    ASSERT_TRUE(dlg.m_multi.SetRadix(8));
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "377");
    EXPECT_EQ(dlg.m_multi.m_nMaxLength, 11);
    ASSERT_TRUE(dlg.m_multi.SetRadix(10));
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "255");
    EXPECT_FALSE(dlg.m_multi.SetRadix(2));
    EXPECT_EQ(dlg.m_multi.m_nRadix, 10);
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "255");

    dlg.m_multi.m_nMax = 1000;
    dlg.m_multi.UpdateMaxLength();
    dlg.m_multi.SetValue(1001);
    EXPECT_FALSE(dlg.m_multi.m_bValid);
    ASSERT_TRUE(dlg.m_multi.SetRadix(16));
    EXPECT_EQ(dlg.m_multi.GetWindowText(), "A");
    EXPECT_TRUE(dlg.m_multi.m_bValid);
    EXPECT_EQ(dlg.m_multi.m_nMaxLength, 3);  // "3E8"
  });
}

namespace {

const DialogTemplate kRadixDialog{9105,
                                  "Radix",
                                  160,
                                  80,
                                  WS_CAPTION | DS_MODALFRAME,
                                  "MS Shell Dlg",
                                  8,
                                  {
                                      {100, Kind::Edit, "", 10, 10, 60, 12, V},
                                      {110, Kind::ComboDropDown, "", 80, 10, 60, 60, V},
                                      {IDOK, Kind::DefPushButton, "OK", 100, 60, 50, 14, V},
                                  }};
KT_DIALOG_TEMPLATE(kRadixDialog);

class RadixDialog : public CNormalDialog {
 public:
  RadixDialog() : CNormalDialog(9105) {}
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, 100, m_number);
    DDX_Control(pDX, 110, m_form);
  }
  BOOL OnInitDialog() override {
    CNormalDialog::OnInitDialog();
    for (const char* s : {"Dec(10)", "Hex(16)", "Oct(8)"}) m_form.AddString(s);
    m_form.SetCurSel(0);
    m_form.m_pNumber = &m_number;
    m_number.SetValue(255);
    return TRUE;
  }
  CInputNumberMulti m_number;
  CInputNumberMultiForm m_form;
};

}  // namespace

TEST_F(InputNumberTest, TheRadixSelectorSwitchesItsNumberOnTheUsersChoice) {
  modal.ExpectDialog<RadixDialog>([](RadixDialog& dlg) {
    kt::test::SelectComboItem(&dlg.m_form, 1);
    EXPECT_EQ(dlg.m_number.m_nRadix, 16);
    EXPECT_EQ(dlg.m_number.GetWindowText(), "FF");
    kt::test::SelectComboItem(&dlg.m_form, 2);
    EXPECT_EQ(dlg.m_number.GetWindowText(), "377");
    kt::test::SelectComboItem(&dlg.m_form, 0);
    EXPECT_EQ(dlg.m_number.GetWindowText(), "255");
    // Closing the list on the same radix still applies it: an emptied
    // number comes back as its default.
    dlg.m_number.SetWindowText("");
    ASSERT_FALSE(dlg.m_number.m_bValid);
    kt::test::SelectComboItem(&dlg.m_form, 0);
    kt::test::PumpEvents();
    EXPECT_EQ(dlg.m_number.GetWindowText(), "0");
    // A selection made by code switches nothing; neither does a selector
    // without its number.
    dlg.m_form.SetCurSel(1);
    EXPECT_EQ(dlg.m_number.m_nRadix, 10);
    dlg.m_form.m_pNumber = nullptr;
    kt::test::SelectComboItem(&dlg.m_form, 2);
    EXPECT_EQ(dlg.m_number.m_nRadix, 10);
    dlg.EndDialog(IDOK);
  });
  RadixDialog dlg;
  dlg.DoModal();
}
