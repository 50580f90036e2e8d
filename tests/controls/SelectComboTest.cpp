// Select-only combo boxes driven with mouse and key events: what the parent
// hears, what typing does, the shown runs of kept items and the colours.
#include "SelectCombo.h"

#include "DeviceConfig.h"
#include "DialogTemplate.h"
#include "ModalScript.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QTest>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

using namespace kt::res;
using kt::test::GuiTest;
using kt::test::PumpEvents;

namespace {

constexpr std::uint32_t V = WS_VISIBLE | WS_TABSTOP;
constexpr COLORREF kYellow = RGB(255, 241, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

enum { kDropDown = 200, kDropList = 201, kNextEdit = 202 };

const DialogTemplate kComboDialog{9611,
                                  "Combo",
                                  200,
                                  120,
                                  WS_CAPTION | DS_MODALFRAME,
                                  "MS Shell Dlg",
                                  8,
                                  {
                                      {kDropDown, Kind::ComboDropDown, "", 5, 5, 100, 80, V},
                                      {kDropList, Kind::ComboDropList, "", 5, 25, 100, 80, V},
                                      {kNextEdit, Kind::Edit, "", 5, 45, 100, 12, V},
                                      {IDOK, Kind::DefPushButton, "OK", 140, 100, 50, 14, V},
                                  }};
KT_DIALOG_TEMPLATE(kComboDialog);

class ComboDialog : public CDialog {
 public:
  ComboDialog() : CDialog(9611) {
    ON_CBN_SELCHANGE(kDropDown, &ComboDialog::OnDropDownSel);
    ON_CBN_SELCHANGE(kDropList, &ComboDialog::OnDropListSel);
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kDropDown, m_dropDown);
    DDX_Control(pDX, kDropList, m_dropList);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    for (CSelectCombo* c : {&m_dropDown, &m_dropList}) {
      c->InitSelectOnly();
      for (const char* s : {"Apple", "Banana", "Cherry", "Date"}) c->AddString(s);
      c->SetCurSel(1);
    }
    return TRUE;
  }
  void OnDropDownSel() { events.push_back("down " + std::to_string(m_dropDown.GetCurSel())); }
  void OnDropListSel() { events.push_back("list " + std::to_string(m_dropList.GetCurSel())); }

  CSelectCombo* Combo(int id) { return id == kDropDown ? &m_dropDown : &m_dropList; }
  std::string Prefix(int id) const { return id == kDropDown ? "down " : "list "; }

  CSelectCombo m_dropDown;
  CSelectCombo m_dropList;
  std::vector<std::string> events;
};

using Events = std::vector<std::string>;

void RunComboDialog(kt::test::ModalScript& modal, std::function<void(ComboDialog&)> body) {
  modal.ExpectDialog<ComboDialog>([body](ComboDialog& dlg) {
    body(dlg);
    dlg.EndDialog(IDOK);
  });
  ComboDialog dlg;
  dlg.DoModal();
}

QComboBox* Qt(CWnd* combo) { return static_cast<QComboBox*>(combo->GetSafeHwnd()); }

// A press left of the arrow, on the box itself or on its edit part.
void ClickBox(CWnd* combo) {
  QComboBox* cb = Qt(combo);
  QPoint p(cb->width() / 3, cb->height() / 2);
  QWidget* target = cb->childAt(p) ? cb->childAt(p) : cb;
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(cb, p));
  PumpEvents();
}

void KeyInList(CWnd* combo, Qt::Key key) {
  QTest::keyClick(Qt(combo)->view(), key);
  PumpEvents();
}

class SelectComboTest : public GuiTest {};

TEST_F(SelectComboTest, OpeningAndClosingWithoutAChangeReportsOnce) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    for (int id : {kDropDown, kDropList}) {
      SCOPED_TRACE(id);
      CSelectCombo* combo = dlg.Combo(id);
      dlg.events.clear();
      ClickBox(combo);
      EXPECT_TRUE(combo->GetDroppedState());
      EXPECT_TRUE(combo->m_bDropped);
      EXPECT_EQ(CWnd::GetFocus(), combo);
      EXPECT_TRUE(dlg.events.empty());
      KeyInList(combo, Qt::Key_Escape);
      EXPECT_FALSE(combo->GetDroppedState());
      EXPECT_FALSE(combo->m_bDropped);
      EXPECT_EQ(dlg.events, (Events{dlg.Prefix(id) + "1"}));
    }
  });
}

TEST_F(SelectComboTest, ArrowKeysInTheOpenListReportNothingUntilItCloses) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    for (int id : {kDropDown, kDropList}) {
      SCOPED_TRACE(id);
      CSelectCombo* combo = dlg.Combo(id);
      dlg.events.clear();
      ClickBox(combo);
      KeyInList(combo, Qt::Key_Down);
      KeyInList(combo, Qt::Key_Down);
      KeyInList(combo, Qt::Key_Up);
      EXPECT_TRUE(dlg.events.empty());
      KeyInList(combo, Qt::Key_Return);
      EXPECT_EQ(dlg.events, (Events{dlg.Prefix(id) + "2"}));
      EXPECT_EQ(combo->GetCurSel(), 2);
    }
    // Picking with the helper: one report, after the close.
    dlg.events.clear();
    kt::test::SelectComboItem(&dlg.m_dropDown, 3);
    EXPECT_EQ(dlg.events, (Events{"down 3"}));
  });
}

TEST_F(SelectComboTest, TheEditPartIsReadOnlyOpensOnAClickAndOffersNoMenu) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    QLineEdit* edit = Qt(&dlg.m_dropDown)->lineEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(dlg.m_dropDown.m_pEditWnd, &dlg.m_dropDown.m_edit);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit), &dlg.m_dropDown.m_edit);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(dlg.m_dropList.m_pEditWnd, nullptr);

    // Right and middle clicks do nothing: no list, no menu (the modal
    // script fails the test on any menu).
    QTest::mouseClick(edit, Qt::RightButton, Qt::NoModifier, edit->rect().center());
    QTest::mouseClick(edit, Qt::MiddleButton, Qt::NoModifier, edit->rect().center());
    QContextMenuEvent menu(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
    QApplication::sendEvent(edit, &menu);
    PumpEvents();
    EXPECT_FALSE(dlg.m_dropDown.GetDroppedState());

    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, edit->rect().center());
    PumpEvents();
    EXPECT_TRUE(dlg.m_dropDown.GetDroppedState());
    EXPECT_TRUE(dlg.m_dropDown.m_edit.m_bDropped);
    KeyInList(&dlg.m_dropDown, Qt::Key_Escape);
    EXPECT_FALSE(dlg.m_dropDown.m_edit.m_bDropped);
    EXPECT_EQ(edit->cursorPosition(), 0);
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(dlg.events, (Events{"down 1"}));
  });
}

TEST_F(SelectComboTest, TypingChangesNothingAndTabMovesOn) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    for (int id : {kDropDown, kDropList}) {
      SCOPED_TRACE(id);
      CSelectCombo* combo = dlg.Combo(id);
      dlg.events.clear();
      combo->SetFocus();
      // "c" would pick "Cherry" in a plain list; Backspace and Delete would
      // edit the text of a plain drop-down.
      kt::test::TypeText(combo, "cdx ");
      kt::test::PressKey(combo, Qt::Key_Backspace);
      kt::test::PressKey(combo, Qt::Key_Delete);
      kt::test::PressKey(combo, Qt::Key_V, Qt::ControlModifier);
      PumpEvents();
      EXPECT_EQ(combo->GetCurSel(), 1);
      EXPECT_EQ(combo->GetWindowText(), "Banana");
      EXPECT_FALSE(combo->GetDroppedState());
      EXPECT_TRUE(dlg.events.empty());

      combo->SetFocus();
      kt::test::PressKey(combo, Qt::Key_Tab);
      CWnd* focus = CWnd::GetFocus();
      ASSERT_NE(focus, nullptr);
      EXPECT_NE(focus, combo);
      EXPECT_NE(focus, &combo->m_edit);
    }
  });
}

TEST_F(SelectComboTest, ArrowKeysOnAClosedBoxStepAndReportAtOnce) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    dlg.m_dropList.SetFocus();
    kt::test::PressKey(&dlg.m_dropList, Qt::Key_Down);
    PumpEvents();
    EXPECT_EQ(dlg.m_dropList.GetCurSel(), 2);
    EXPECT_EQ(dlg.events, (Events{"list 2"}));
  });
}

TEST_F(SelectComboTest, CheckSelectionPaintsAMissingSelectionYellow) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    for (int id : {kDropDown, kDropList}) {
      SCOPED_TRACE(id);
      CSelectCombo* combo = dlg.Combo(id);
      combo->CComboBox::SetCurSel(-1);
      EXPECT_FALSE(combo->CheckSelection());
      EXPECT_TRUE(combo->m_bError);
      EXPECT_EQ(kt::test::BackgroundOf(combo), kYellow);

      combo->EnableWindow(FALSE);
      EXPECT_TRUE(combo->CheckSelection());
      EXPECT_NE(kt::test::BackgroundOf(combo), kYellow);
      combo->EnableWindow(TRUE);

      combo->SetCurSel(2);
      EXPECT_TRUE(combo->CheckSelection());
      EXPECT_FALSE(combo->m_bError);
      EXPECT_NE(kt::test::BackgroundOf(combo), kYellow);
    }
    EXPECT_EQ(kt::test::BackgroundOf(&dlg.m_dropDown), kWhite);
  });
}

TEST_F(SelectComboTest, ShowRangeShowsARunOfTheKeptItemsAndShowAllBringsThemBack) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    CSelectCombo& c = dlg.m_dropList;
    c.ClearItems();
    c.ResetContent();
    c.AddNumbers("Item", 0, 6);
    EXPECT_EQ(c.GetCurSel(), 0);
    EXPECT_EQ(c.SetCurSel(4), 4);

    c.ShowRange(3, 5);
    EXPECT_EQ(c.GetCount(), 3);
    EXPECT_EQ(c.m_nOffset, 3);
    EXPECT_EQ(c.GetLBText(0), "Item3");
    EXPECT_EQ(c.GetCurSel(), 1);
    EXPECT_EQ(c.GetCurItem(), 4);
    EXPECT_EQ(c.GetCurItemOrZero(), 4);
    EXPECT_TRUE(c.CheckSelection());
    // Absolute indices outside the run select its first item.
    EXPECT_EQ(c.SetCurSel(5), 2);
    EXPECT_EQ(c.SetCurSel(1), 0);
    EXPECT_EQ(c.GetCurSel(), 0);
    c.SetCurSel(4);

    c.ShowAll();
    EXPECT_EQ(c.GetCount(), 6);
    EXPECT_EQ(c.m_nOffset, 0);
    EXPECT_EQ(c.GetCurSel(), 4);

    // A selection outside the new run gives its first item.
    c.SetCurSel(1);
    c.ShowRange(3, 5);
    EXPECT_EQ(c.GetCurSel(), 0);

    // Bounds are clamped to the kept items.
    c.ShowRange(-2, 10);
    EXPECT_EQ(c.GetCount(), 6);
    EXPECT_EQ(c.m_nOffset, 0);
    c.ShowRange(4, 99);
    EXPECT_EQ(c.GetCount(), 2);
    EXPECT_EQ(c.GetLBText(1), "Item5");

    // No selection stays no selection: it never turns into some item.
    c.CComboBox::SetCurSel(-1);
    c.ShowAll();
    EXPECT_EQ(c.GetCurSel(), CB_ERR);
    EXPECT_EQ(c.GetCurItem(), -1);
    EXPECT_EQ(c.GetCurItemOrZero(), 0);
    EXPECT_FALSE(c.CheckSelection());
  });
}

TEST_F(SelectComboTest, ChannelFillsNumberFromOneAfterThePagesOwnItems) {
  kt::AiChannelConfig ai[kt::kAiCount]{};
  kt::DiChannelConfig di[kt::kDiCount]{};
  kt::OiChannelConfig oi[kt::kOiCount]{};
  kt::DoChannelConfig dout[kt::kDoCount]{};
  std::strcpy(ai[0].NAME, "Tank \xE6\xB8\xA9\xE5\xBA\xA6");
  std::memset(ai[3].NAME, 'z', sizeof ai[3].NAME);  // no zero byte: read up to the field's end
  std::strcpy(ai[3].COMMENT, "not the name");
  std::strcpy(di[1].NAME, "Door");
  std::strcpy(oi[2].NAME, "Sum");
  std::strcpy(dout[0].NAME, "Lamp");
  RunComboDialog(modal, [&](ComboDialog& dlg) {
    CSelectCombo& c = dlg.m_dropDown;
    c.ClearItems();
    c.ResetContent();
    c.FillAiChannels(ai);
    ASSERT_EQ(c.GetCount(), 4);
    EXPECT_EQ(c.GetLBText(0), QString::fromUtf16(u"AI1  Tank 温度"));
    EXPECT_EQ(c.GetLBText(1), "AI2  ");
    EXPECT_EQ(c.GetLBText(3), "AI4  " + QString(49, 'z'));
    EXPECT_EQ(c.GetCurSel(), 0);
    EXPECT_EQ(c.m_items.size(), 4u);

    c.ClearItems();
    c.ResetContent();
    c.AddString("None");
    c.FillDiChannels(di);
    c.FillOiChannels(oi);
    c.FillDoChannels(dout);
    const std::vector<QString> want{"None",     "DI1  ", "DI2  Door", "OI1  ", "OI2  ",
                                    "OI3  Sum", "OI4  ", "DO1  Lamp", "DO2  "};
    ASSERT_EQ(c.GetCount(), static_cast<int>(want.size()));
    for (int i = 0; i < c.GetCount(); ++i) {
      EXPECT_EQ(c.GetLBText(i), want[static_cast<std::size_t>(i)]);
      EXPECT_EQ(c.m_items[static_cast<std::size_t>(i)], want[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(c.GetCurSel(), 0);
  });
}

TEST_F(SelectComboTest, FillNumberedNamesReplacesEverything) {
  RunComboDialog(modal, [](ComboDialog& dlg) {
    CSelectCombo& c = dlg.m_dropList;
    c.ShowRange(2, 3);
    c.FillNumberedNames(3);
    EXPECT_EQ(c.m_nOffset, 0);
    ASSERT_EQ(c.GetCount(), 3);
    EXPECT_EQ(c.GetLBText(0), "1  ");
    EXPECT_EQ(c.GetLBText(2), "3  ");
    EXPECT_EQ(c.m_items.size(), 3u);
    EXPECT_EQ(c.GetCurSel(), 0);
  });
}

}  // namespace
