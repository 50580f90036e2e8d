// The operand row: source, channel and constant kept in step; stored
// values that the inputs cannot hold.
#include "DlgOi.h"
#include "ModalScript.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

using kt::test::PumpEvents;
using kt::test::SelectComboItem;

class OperandSelectorTest : public kt::test::GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    dlg.Create(CDlgOiSca::IDD, nullptr);
    dlg.ShowWindow(SW_SHOW);
    row = dlg.FindRow('K', 1);
    ASSERT_NE(row, nullptr);
  }

  // Source item, channel item count and selection, enabled states.
  void ExpectRow(int source, int channels, int channel, bool channelOn) {
    EXPECT_EQ(source, row->source.GetCurSel());
    EXPECT_EQ(channels, row->channel.GetCount());
    EXPECT_EQ(channel, row->channel.GetCurSel());
    EXPECT_EQ(channelOn, row->channel.IsWindowEnabled() == TRUE);
    EXPECT_EQ(!channelOn, row->constant.IsWindowEnabled() == TRUE);
  }

  CDlgOiSca dlg;
  CDlgOiOperands::Row* row = nullptr;
};

TEST_F(OperandSelectorTest, ChoosingASourceRefillsTheChannelsAndSelectsTheFirst) {
  ExpectRow(0, 4, 0, false);         // "Const" after Init, numbers 1-4
  SelectComboItem(&row->source, 1);  // "AI"
  PumpEvents();
  ExpectRow(1, 4, 0, true);
  EXPECT_EQ(QStringLiteral("4  "), row->channel.GetLBText(3));
  SelectComboItem(&row->channel, 3);
  PumpEvents();
  SelectComboItem(&row->source, 2);  // "DI": two channels
  PumpEvents();
  ExpectRow(2, 2, 0, true);
  SelectComboItem(&row->channel, 1);
  PumpEvents();
  // Closing the list on the same source changes nothing: DI2 stays.
  SelectComboItem(&row->source, 2);
  PumpEvents();
  ExpectRow(2, 2, 1, true);
  SelectComboItem(&row->source, 4);  // "AI_Zone"
  PumpEvents();
  ExpectRow(4, 4, 0, true);
  SelectComboItem(&row->source, 0);  // "Const"
  PumpEvents();
  EXPECT_FALSE(row->channel.IsWindowEnabled());
  EXPECT_TRUE(row->constant.IsWindowEnabled());
}

TEST_F(OperandSelectorTest, SetParamShowsTheStoredOperand) {
  struct Case {
    int type;
    int no;
    int source, channels, channel;
    bool channelOn;
  } const cases[] = {
      {0, 2, 0, 4, 2, false},                          // a constant keeps the channel items it has
      {1, 3, 1, 4, 3, true},   {2, 3, 2, 2, 0, true},  // DI has no channel 4: DI1
      {3, 1, 3, 4, 1, true},   {4, 0, 4, 4, 0, true}, {5, 1, 0, 4, 1, false},  // no such source: "Const"
      {-1, 9, 0, 4, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    row->source.SetParam(1, 0, 0.0);  // four channel items to start from
    row->source.SetParam(c.type, static_cast<std::uint16_t>(c.no), 2.5);
    ExpectRow(c.source, c.channels, c.channel, c.channelOn);
    EXPECT_EQ(QStringLiteral("2.500"), row->constant.GetWindowText());  // shown whatever the source
  }
}

TEST_F(OperandSelectorTest, AnInvalidConstantGetsItsDefaultWhenAChannelIsChosen) {
  row->constant.SetFocus();
  row->constant.SetSel(0, -1);
  kt::test::PressKey(&row->constant, Qt::Key_Delete);
  EXPECT_FALSE(row->constant.m_bValid);
  EXPECT_FALSE(dlg.AllNumbersValid());
  SelectComboItem(&row->source, 3);
  PumpEvents();
  EXPECT_EQ(QStringLiteral("0.000"), row->constant.GetWindowText());
  EXPECT_TRUE(row->constant.m_bValid);
  EXPECT_TRUE(dlg.AllNumbersValid());
}

TEST_F(OperandSelectorTest, TheChannelOnlySelectorNeverGivesAConstant) {
  CDlgOiAnasum anasum;
  anasum.Create(CDlgOiAnasum::IDD, nullptr);
  anasum.ShowWindow(SW_SHOW);
  struct Case {
    std::uint32_t type;
    std::uint16_t no;
    std::uint32_t storedType;
    std::uint16_t storedNo;
    int channels;
  } const cases[] = {{0, 2, 1, 2, 4}, {2, 1, 2, 1, 2}, {2, 3, 2, 0, 2}, {4, 3, 4, 3, 4}, {9, 1, 1, 1, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    anasum.m_comboInput.SetParam(c.type, c.no);
    EXPECT_EQ(c.channels, anasum.m_comboInputNo.GetCount());
    EXPECT_TRUE(anasum.m_comboInputNo.IsWindowEnabled());
    std::uint32_t type = 0;
    std::uint16_t no = 99;
    anasum.m_comboInput.GetParam(&type, &no);
    EXPECT_EQ(c.storedType, type);
    EXPECT_EQ(c.storedNo, no);
  }
  SelectComboItem(&anasum.m_comboInput, 1);  // "DI"
  PumpEvents();
  EXPECT_EQ(2, anasum.m_comboInputNo.GetCount());
}

// A stored value is shown as it is, invalid when the input cannot hold it;
// one without a text (not a number, or none for an unsigned input) leaves
// the input empty and invalid: never what the input showed before.
TEST_F(OperandSelectorTest, StoredValuesThatDoNotFitLeaveTheInputInvalid) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  char huge[400];
  std::snprintf(huge, sizeof huge, "%.3f", -1e300);
  struct FloatCase {
    double value;
    const char* text;
    bool valid;
  } const floats[] = {
      {12.5, "12.500", true},
      {-1000000.0, "-1000000.000", true},
      {2000000.0, "2000000.000", false},
      {1e12, "1000000000000.000", false},
      {-1e300, huge, false},
      {nan, "", false},
      {std::numeric_limits<double>::infinity(), "", false},
  };
  for (const FloatCase& c : floats) {
    SCOPED_TRACE(c.value);
    ShowStoredValue(row->constant, 7.0);
    ShowStoredValue(row->constant, c.value);
    EXPECT_EQ(QString::fromLatin1(c.text), row->constant.GetWindowText());
    EXPECT_EQ(c.valid, row->constant.m_bValid == TRUE);
  }

  CDlgOiDelay delay;
  delay.Create(CDlgOiDelay::IDD, nullptr);
  struct UintCase {
    double value;
    const char* text;
    bool valid;
  } const uints[] = {{2.7, "2", true},        {-0.5, "0", true}, {100.0, "100", true}, {101.0, "101", false},
                     {1000.0, "1000", false}, {-5.0, "", false}, {1e10, "", false},    {nan, "", false}};
  for (const UintCase& c : uints) {
    SCOPED_TRACE(c.value);
    ShowStoredValue(delay.m_editTime, 50.0);
    ShowStoredValue(delay.m_editTime, c.value);
    EXPECT_EQ(QString::fromLatin1(c.text), delay.m_editTime.GetWindowText());
    EXPECT_EQ(c.valid, delay.m_editTime.m_bValid == TRUE);
  }
}

}  // namespace
