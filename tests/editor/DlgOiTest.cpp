// The operation sub-dialogs: defaults, load and store of each kind, the
// kinds' own fields and the scaling check.
#include "DeviceConfig.h"
#include "DlgOi.h"
#include "EditorTestFixture.h"

#include <QDir>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

using kt::test::PumpEvents;
using kt::test::SelectComboItem;

struct Kind {
  const char* name;
  UINT idd;
  std::function<std::unique_ptr<CDlgOiOperands>()> make;
};

template <class T>
Kind K(const char* name) {
  return {name, T::IDD, [] { return std::make_unique<T>(); }};
}

const std::vector<Kind>& Kinds() {
  static const std::vector<Kind> kinds = {
      K<CDlgOiAdd>("Add"),       K<CDlgOiMul>("Mul"),     K<CDlgOiDiv>("Div"),   K<CDlgOiSqrt>("Sqrt"),
      K<CDlgOiMovave>("Movave"), K<CDlgOiDelay>("Delay"), K<CDlgOiExp>("Exp"),   K<CDlgOiLog>("Log"),
      K<CDlgOiLn>("Ln"),         K<CDlgOiMax>("Max"),     K<CDlgOiMin>("Min"),   K<CDlgOiAnasum>("Anasum"),
      K<CDlgOiPow>("Pow"),       K<CDlgOiF>("F"),         K<CDlgOiAlog>("Alog"), K<CDlgOiSca>("Sca"),
      K<CDlgOiTime>("Time"),
  };
  return kinds;
}

// A block whose every operand is different from every default.
kt::OiParamConfig Filled() {
  kt::OiParamConfig block;
  std::memset(&block, 0, sizeof block);
  int n = 0;
  for (char g : {'X', 'K', 'A'}) {
    for (int i = 0; i < kt::kOperandCount; ++i, ++n) {
      kt::OiOperandConfig& op = OiOperand(block, g, i);
      op.TYPE = 3;  // "OI"
      op.NO = 1;
      op.CONST = 500.25 + n;
    }
  }
  return block;
}

struct Operand {
  char group;
  int index;
  kt::u32 type;
  kt::u16 no;
  double constant;
};

class DlgOiTest : public kt::test::GuiTest {
 protected:
  template <class T>
  T& Make() {
    auto dlg = std::make_unique<T>();
    T& ref = *dlg;
    ref.Create(T::IDD, nullptr);
    ref.ShowWindow(SW_SHOW);
    dialogs.push_back(std::move(dlg));
    return ref;
  }
  CDlgOiOperands& Make(const Kind& kind) {
    dialogs.push_back(kind.make());
    dialogs.back()->Create(kind.idd, nullptr);
    dialogs.back()->ShowWindow(SW_SHOW);
    return *dialogs.back();
  }
  // Loads before into the dialog, stores into a copy of before.
  template <class T>
  static kt::OiParamConfig LoadStore(T& dlg, kt::OiParamConfig before) {
    dlg.LoadParam(&before);
    kt::OiParamConfig after = before;
    dlg.StoreParam(&after);
    return after;
  }

  std::vector<std::unique_ptr<CDlgOiOperands>> dialogs;
};

// The defaults of each kind, stored over a filled block: the kind's operands
// change, every other element of the block stays as it was.
TEST_F(DlgOiTest, EachKindStoresItsDefaultsAndNothingElse) {
  const std::vector<std::vector<Operand>> expected = {
      {{'K', 1, 0, 0, 0},
       {'X', 1, 1, 0, 0},
       {'K', 2, 0, 0, 0},
       {'X', 2, 1, 0, 0},
       {'K', 3, 0, 0, 0},
       {'X', 3, 1, 0, 0},
       {'A', 0, 0, 0, 0}},
      {{'K', 1, 0, 0, 1},
       {'X', 1, 1, 0, 0},
       {'A', 1, 0, 0, 0},
       {'K', 2, 0, 0, 1},
       {'X', 2, 1, 0, 0},
       {'A', 2, 0, 0, 0},
       {'A', 0, 0, 0, 0}},
      {{'K', 1, 0, 0, 1},
       {'X', 1, 1, 0, 1},
       {'A', 1, 0, 0, 0},
       {'K', 2, 0, 0, 1},
       {'X', 2, 1, 0, 1},
       {'A', 2, 0, 0, 0},
       {'A', 0, 0, 0, 0}},
      {{'K', 1, 0, 0, 1}, {'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}, {'K', 1, 0, 1, 4}},                     // N keeps its NO
      {{'X', 1, 1, 0, 0}, {'K', 1, 0, 1, 0}, {'K', 2, 0, 1, 1}},  // T, K
      {{'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}},
      // The input keeps its constant.
      {{'X', 1, 1, 0, 500.25 + 1}, {'K', 1, 0, 1, 10000}, {'K', 2, 0, 1, 0}, {'K', 3, 0, 1, 0}},
      {{'K', 1, 0, 0, 0}, {'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 0}, {'K', 1, 0, 0, 120}, {'K', 2, 0, 0, 10}},
      {{'X', 1, 1, 0, 0}},
      {{'X', 1, 1, 0, 1}, {'K', 1, 0, 0, 0}, {'K', 2, 0, 0, 10000}, {'K', 3, 0, 0, 0}, {'K', 4, 0, 0, 100}},
      {{'K', 1, 0, 0, 0}},  // "Month", NO cleared
  };
  ASSERT_EQ(Kinds().size(), expected.size());
  for (std::size_t k = 0; k < Kinds().size(); ++k) {
    SCOPED_TRACE(Kinds()[k].name);
    CDlgOiOperands& dlg = Make(Kinds()[k]);
    dlg.LoadParam(nullptr);
    EXPECT_TRUE(dlg.AllNumbersValid());
    EXPECT_TRUE(dlg.CheckParam());
    kt::OiParamConfig want = Filled();
    for (const Operand& o : expected[k]) {
      kt::OiOperandConfig& op = OiOperand(want, o.group, o.index);
      op.TYPE = o.type;
      op.NO = o.no;
      op.CONST = o.constant;
    }
    kt::OiParamConfig got = Filled();
    dlg.StoreParam(&got);
    for (char g : {'X', 'K', 'A'}) {
      for (int i = 0; i < kt::kOperandCount; ++i) {
        SCOPED_TRACE(testing::Message() << g << i);
        EXPECT_EQ(OiOperand(want, g, i).TYPE, OiOperand(got, g, i).TYPE);
        EXPECT_EQ(OiOperand(want, g, i).NO, OiOperand(got, g, i).NO);
        EXPECT_EQ(OiOperand(want, g, i).CONST, OiOperand(got, g, i).CONST);
      }
    }
    EXPECT_EQ(0, std::memcmp(&want, &got, sizeof want));
    dlg.StoreParam(nullptr);  // nothing to write into
  }
}

// Every operand row shows what the block holds and stores it back unchanged.
TEST_F(DlgOiTest, OperandRowsStoreWhatTheyLoaded) {
  const kt::u32 types[] = {0, 1, 2, 3, 4};
  for (const Kind& kind : Kinds()) {
    SCOPED_TRACE(kind.name);
    CDlgOiOperands& dlg = Make(kind);
    for (kt::u32 type : types) {
      SCOPED_TRACE(type);
      kt::OiParamConfig block = Filled();
      // Values that the kinds' own fields accept.
      for (kt::OiOperandConfig& op : block.K) op.CONST = 8;
      for (const OiOperandRow& rowSpec : dlg.m_rowSpecs) {
        kt::OiOperandConfig& op = OiOperand(block, rowSpec.group, rowSpec.index);
        op.TYPE = type;
        op.NO = type == 2 ? 1 : 3;
        op.CONST = -123.5 + rowSpec.idConstant;
      }
      const kt::OiParamConfig after = LoadStore(dlg, block);
      EXPECT_TRUE(dlg.AllNumbersValid());
      for (const OiOperandRow& rowSpec : dlg.m_rowSpecs) {
        const kt::OiOperandConfig& op = OiOperand(block, rowSpec.group, rowSpec.index);
        const kt::OiOperandConfig& got = OiOperand(const_cast<kt::OiParamConfig&>(after), rowSpec.group, rowSpec.index);
        EXPECT_EQ(op.TYPE, got.TYPE);
        EXPECT_EQ(op.NO, got.NO);
        EXPECT_EQ(op.CONST, got.CONST);
      }
    }
  }
}

TEST_F(DlgOiTest, LoadingShowsTheBlockNotWhatWasShownBefore) {
  auto& add = Make<CDlgOiAdd>();
  kt::OiParamConfig block = Filled();
  block.K[1].TYPE = 0;
  block.K[1].CONST = 1e12;  // no room for its digits: shown, invalid
  block.X[2].TYPE = 2;      // DI
  block.X[2].NO = 3;        // no DI4: DI1, stored back as 0
  add.LoadParam(nullptr);
  add.LoadParam(&block);
  CDlgOiOperands::Row* k1 = add.FindRow('K', 1);
  EXPECT_EQ(QStringLiteral("1000000000000.000"), k1->constant.GetWindowText());
  EXPECT_FALSE(add.AllNumbersValid());
  CDlgOiOperands::Row* x2 = add.FindRow('X', 2);
  EXPECT_EQ(2, x2->channel.GetCount());
  kt::OiParamConfig after = block;
  kt::test::Retype(&k1->constant, QStringLiteral("3"));
  EXPECT_TRUE(add.AllNumbersValid());
  add.StoreParam(&after);
  EXPECT_EQ(3.0, after.K[1].CONST);
  EXPECT_EQ(0, after.X[2].NO);
  EXPECT_EQ(2u, after.X[2].TYPE);
}

TEST_F(DlgOiTest, TheKindsOwnFieldsLoadAndStoreTheirConstants) {
  struct Case {
    const char* what;
    std::function<void(kt::OiParamConfig&)> set;
    std::function<QString()> shown;
    std::function<void(const kt::OiParamConfig&)> check;
  };
  auto& movave = Make<CDlgOiMovave>();
  auto& delay = Make<CDlgOiDelay>();
  auto& time = Make<CDlgOiTime>();
  auto& anasum = Make<CDlgOiAnasum>();
  auto shownItem = [](CComboBox& c) { return c.GetCurSel() < 0 ? QString() : c.GetLBText(c.GetCurSel()); };
  const Case cases[] = {
      {"N 12", [](auto& b) { b.K[1].CONST = 12; }, [&] { return shownItem(movave.m_comboCount); },
       [](auto& b) {
         EXPECT_EQ(4.0, b.K[1].CONST);
         EXPECT_EQ(0u, b.K[1].TYPE);
       }},
      {"N 32.9", [](auto& b) { b.K[1].CONST = 32.9; }, [&] { return shownItem(movave.m_comboCount); },
       [](auto& b) { EXPECT_EQ(32.0, b.K[1].CONST); }},
      {"T 2.7",
       [](auto& b) {
         b.K[1].CONST = 2.7;
         b.K[2].CONST = -7.5;
       },
       [&] { return delay.m_editTime.GetWindowText(); },
       [](auto& b) {
         EXPECT_EQ(2.0, b.K[1].CONST);
         EXPECT_EQ(0u, b.K[1].TYPE);
         EXPECT_EQ(-7.5, b.K[2].CONST);
         EXPECT_EQ(0u, b.K[2].TYPE);
       }},
      {"Time 6", [](auto& b) { b.K[1].CONST = 6; }, [&] { return shownItem(time.m_comboPart); },
       [](auto& b) {
         EXPECT_EQ(0.0, b.K[1].CONST);
         EXPECT_EQ(0, b.K[1].NO);
         EXPECT_EQ(0u, b.K[1].TYPE);
       }},
      {"Time 5", [](auto& b) { b.K[1].CONST = 5.5; }, [&] { return shownItem(time.m_comboPart); },
       [](auto& b) { EXPECT_EQ(5.0, b.K[1].CONST); }},
      {"Anasum const input",
       [](auto& b) {
         b.X[1].TYPE = 0;
         b.X[1].NO = 0;
         b.K[2].CONST = 2;
         b.K[3].CONST = 12.5;
       },
       [&] { return shownItem(anasum.m_comboInput) + shownItem(anasum.m_comboUnit); },
       [](auto& b) {
         EXPECT_EQ(1u, b.X[1].TYPE);
         EXPECT_EQ(500.25 + 1, b.X[1].CONST);
         EXPECT_EQ(2.0, b.K[2].CONST);
         EXPECT_EQ(12.5, b.K[3].CONST);
         EXPECT_EQ(0u, b.K[3].TYPE);
         EXPECT_EQ(500.25 + 9, b.K[1].CONST);
       }},
      {"Anasum unit out of range",
       [](auto& b) {
         b.X[1].TYPE = 2;
         b.K[2].CONST = 3;
       },
       [&] { return shownItem(anasum.m_comboInput) + shownItem(anasum.m_comboUnit); },
       [](auto& b) {
         EXPECT_EQ(2u, b.X[1].TYPE);
         EXPECT_EQ(1, b.X[1].NO);
         EXPECT_EQ(0.0, b.K[2].CONST);
       }},
  };
  const char* const shown[] = {"4", "32", "2", "Month", "Day of week", "AIDay", "DIMinute"};
  CDlgOiOperands* const dialogsOf[] = {&movave, &movave, &delay, &time, &time, &anasum, &anasum};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].what);
    kt::OiParamConfig block = Filled();
    cases[i].set(block);
    const kt::OiParamConfig after = LoadStore(*dialogsOf[i], block);
    EXPECT_EQ(QString::fromUtf8(shown[i]), cases[i].shown());
    cases[i].check(after);
  }
}

TEST_F(DlgOiTest, ScalingRefusesEqualSpanEnds) {
  auto& sca = Make<CDlgOiSca>();
  struct Case {
    kt::u32 t1, t2, t3, t4;  // sources of K1..K4
    kt::u16 n1, n2, n3, n4;
    double c1, c2, c3, c4;
    const char* message;  // nullptr: accepted
  } const cases[] = {
      {0, 0, 0, 0, 0, 0, 0, 0, 5, 5, 0, 100, "K1 = K2"},
      {0, 1, 0, 0, 0, 0, 0, 0, 5, 5, 0, 100, nullptr},  // a constant and a channel
      {0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 7, 7, "K3 = K4"},
      {0, 0, 0, 0, 0, 0, 0, 0, 3, 3, 7, 7, "K1 = K2"},  // the first pair first
      {0, 0, 3, 3, 0, 0, 1, 1, 0, 10, 0, 0, "K3 = K4"},
      {0, 0, 3, 1, 0, 0, 1, 1, 0, 10, 0, 0, nullptr},
      {1, 1, 0, 0, 2, 2, 0, 0, 0, 0, 5, 5, "K3 = K4"},  // equal constants before equal channels
      {1, 1, 0, 0, 2, 3, 0, 0, 0, 0, 0, 100, nullptr},
      {4, 4, 0, 0, 1, 1, 0, 0, 0, 0, 0, 100, "K1 = K2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.t1 << c.t2 << c.t3 << c.t4 << " " << c.c1 << c.c2 << c.c3 << c.c4);
    kt::OiParamConfig block = Filled();
    const kt::u32 types[] = {c.t1, c.t2, c.t3, c.t4};
    const kt::u16 nos[] = {c.n1, c.n2, c.n3, c.n4};
    const double consts[] = {c.c1, c.c2, c.c3, c.c4};
    for (int i = 0; i < 4; ++i) block.K[i + 1] = {types[i], nos[i], {0, 0}, consts[i]};
    sca.LoadParam(&block);
    if (c.message) modal.ExpectMessageBox(QString::fromLatin1(c.message), MB_ICONWARNING);
    EXPECT_EQ(c.message ? FALSE : TRUE, sca.CheckParam());
  }
}

// With KT_SCREENSHOT_DIR set, a picture of each sub-dialog with its defaults.
TEST_F(DlgOiTest, Screenshots) {
  const char* dir = std::getenv("KT_SCREENSHOT_DIR");
  if (!dir) return;  // pictures only on demand
  for (const Kind& kind : Kinds()) {
    CDlgOiOperands& dlg = Make(kind);
    dlg.LoadParam(nullptr);
    PumpEvents();
    dlg.GetSafeHwnd()->grab().save(
        QDir(QString::fromLocal8Bit(dir)).filePath(QStringLiteral("oi-%1.png").arg(QString::fromLatin1(kind.name))));
  }
}

}  // namespace
