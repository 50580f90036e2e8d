// The dialog bases: lists filled by the data exchange, Enter and Escape in
// pages and sub-dialogs, the sub-dialog host, and the page-error walk.
#include "NormalDialog.h"

#include "DialogTemplate.h"
#include "ModalScript.h"

#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

using namespace kt::res;
using kt::test::PressKey;
using kt::test::TypeText;

namespace {

constexpr std::uint32_t V = WS_VISIBLE | WS_TABSTOP;

enum {
  kFirst = 100,   // Int
  kSecond = 101,  // Float
  kThird = 102,   // Uint
  kKept = 103,    // Int, bound with bNoList
  kCombo = 110,
  kButton = 120,
  kHostSlot = 130,  // placeholder of the sub-dialog host
  kPageEdit = 200,
};

const DialogTemplate kBasesDialog{9102,
                                  "Bases",
                                  240,
                                  160,
                                  WS_CAPTION | DS_MODALFRAME,
                                  "MS Shell Dlg",
                                  8,
                                  {
                                      {kFirst, Kind::Edit, "", 10, 10, 60, 12, V},
                                      {kSecond, Kind::Edit, "", 10, 26, 60, 12, V},
                                      {kThird, Kind::Edit, "", 10, 42, 60, 12, V},
                                      {kKept, Kind::Edit, "", 10, 58, 60, 12, V},
                                      {kCombo, Kind::ComboDropDown, "", 80, 10, 60, 60, V},
                                      {kButton, Kind::PushButton, "Do", 80, 30, 50, 14, V},
                                      {kHostSlot, Kind::Static, "", 100, 60, 120, 60, WS_VISIBLE},
                                      {IDOK, Kind::DefPushButton, "OK", 130, 140, 50, 14, V},
                                      {IDCANCEL, Kind::PushButton, "Cancel", 185, 140, 50, 14, V},
                                  }};
KT_DIALOG_TEMPLATE(kBasesDialog);

// A child page or sub-dialog: one edit to type Enter and Escape into.
const DialogTemplate kChildTemplate{
    9103, "", 100, 40, WS_CHILD, "MS Shell Dlg", 8, {{kPageEdit, Kind::Edit, "", 5, 5, 60, 12, V}}};
KT_DIALOG_TEMPLATE(kChildTemplate);

// A dialog with no number input at all.
const DialogTemplate kPlainDialog{9104,
                                  "Plain",
                                  120,
                                  60,
                                  WS_CAPTION | DS_MODALFRAME,
                                  "MS Shell Dlg",
                                  8,
                                  {
                                      {kButton, Kind::PushButton, "Do", 10, 10, 50, 14, V},
                                      {IDOK, Kind::DefPushButton, "OK", 10, 40, 50, 14, V},
                                  }};
KT_DIALOG_TEMPLATE(kPlainDialog);

class BasesDialog : public CNormalDialog {
 public:
  BasesDialog() : CNormalDialog(9102) {}
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kFirst, m_first);
    DDX_Control(pDX, kSecond, m_second);
    DDX_Control(pDX, kThird, m_third);
    DDX_Control(pDX, kKept, m_kept, TRUE);
    DDX_Control(pDX, kCombo, m_combo);
    DDX_Control(pDX, kButton, m_button);
    DDX_Control(pDX, kHostSlot, m_host, TRUE);
  }
  BOOL OnInitDialog() override {
    CNormalDialog::OnInitDialog();
    m_first.SetRange(1, 100, 1);
    m_second.m_nDecimals = 1;
    m_second.SetRange(0, 10, 1);
    m_third.SetRange(0, 100, 0);
    m_kept.SetRange(1, 9, 1);
    for (const char* s : {"Disable", "Enable"}) m_combo.AddString(s);
    m_combo.SetCurSel(0);
    m_errors.Add(&m_first, "Setting error: first");
    m_errors.Add(&m_second, "Setting error: second");
    m_errors.Add(&m_third, "Setting error: third");
    return TRUE;
  }
  CInputNumberInt m_first;
  CInputNumberFloat m_second;
  CInputNumberUint m_third;
  CInputNumberInt m_kept;
  CSelectCombo m_combo;
  CButton m_button;
  CSubDialogParent m_host;
  PageErrorList m_errors;
};

class PlainDialog : public CNormalDialog {
 public:
  PlainDialog() : CNormalDialog(9104) {}
  void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kButton, m_button); }
  CButton m_button;
};

// Records what reaches it; counts its instances.
template <class Base>
class Child : public Base {
 public:
  Child() { ++alive; }
  ~Child() override { --alive; }
  static inline int alive = 0;
};
using TabPage = Child<CTabDialog>;
using SubChild = Child<CSubDialogChild>;
using PlainChild = Child<CNormalDialog>;

class DialogBasesTest : public kt::test::GuiTest {
 protected:
  void Run(const std::function<void(BasesDialog&)>& checks) {
    modal.ExpectDialog<BasesDialog>([&](BasesDialog& dlg) {
      checks(dlg);
      if (!dlg.IsEnded()) dlg.EndDialog(IDOK);
    });
    BasesDialog dlg;
    dlg.DoModal();
  }
};

}  // namespace

TEST_F(DialogBasesTest, TheDataExchangeListsControlsByClassAndKeepOutFlag) {
  Run([](BasesDialog& dlg) {
    EXPECT_EQ(dlg.m_controls,
              (std::vector<CWnd*>{&dlg.m_first, &dlg.m_second, &dlg.m_third, &dlg.m_combo, &dlg.m_button}));
    EXPECT_EQ(dlg.m_numberInputs, (std::vector<CInputNumber*>{&dlg.m_first, &dlg.m_second, &dlg.m_third, &dlg.m_kept}));
    EXPECT_EQ(dlg.m_selectCombos, (std::vector<CSelectCombo*>{&dlg.m_combo}));

    // A control kept out of the list stays enabled.
    dlg.DisableAllControls();
    for (CWnd* w : dlg.m_controls) EXPECT_FALSE(w->IsWindowEnabled());
    EXPECT_TRUE(dlg.m_kept.IsWindowEnabled());

    // ...and still counts as a number input.
    EXPECT_TRUE(dlg.AllNumbersValid());
    dlg.m_kept.SetValue(0);
    EXPECT_FALSE(dlg.AllNumbersValid());
    dlg.m_kept.SetValue(5);
    dlg.m_third.SetValue(101);
    EXPECT_FALSE(dlg.AllNumbersValid());
    dlg.m_third.SetValue(1);
    EXPECT_TRUE(dlg.AllNumbersValid());

    // A later exchange lists the controls once more; the answers stay the same.
    dlg.UpdateData(TRUE);
    EXPECT_EQ(dlg.m_numberInputs.size(), 8u);
    EXPECT_TRUE(dlg.AllNumbersValid());
  });
}

TEST_F(DialogBasesTest, InitialisationMakesTheCombosSelectOnly) {
  Run([](BasesDialog& dlg) {
    auto* edit = qobject_cast<QLineEdit*>(dlg.m_combo.GetWindow(GW_CHILD)->GetSafeHwnd());
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->isReadOnly());
    TypeText(&dlg.m_combo, "Enab");
    EXPECT_EQ(dlg.m_combo.GetCurSel(), 0);
    EXPECT_EQ(dlg.m_combo.GetWindowText(), "Disable");
  });
}

TEST_F(DialogBasesTest, ADialogWithoutNumberInputsHasAllNumbersValid) {
  modal.ExpectDialog<PlainDialog>([](PlainDialog& dlg) {
    EXPECT_TRUE(dlg.m_numberInputs.empty());
    EXPECT_TRUE(dlg.AllNumbersValid());
    dlg.EndDialog(IDOK);
  });
  PlainDialog dlg;
  dlg.DoModal();
}

TEST_F(DialogBasesTest, EnterAndEscapeCloseAPlainDialogButNotAPageOrSubDialog) {
  for (int key : {Qt::Key_Return, Qt::Key_Escape}) {
    SCOPED_TRACE(key);
    modal.ExpectDialog<PlainDialog>([key](PlainDialog& dlg) { PressKey(&dlg, key); });
    PlainDialog dlg;
    EXPECT_EQ(dlg.DoModal(), key == Qt::Key_Return ? IDOK : IDCANCEL);
  }

  Run([](BasesDialog& dlg) {
    TabPage page;
    SubChild sub;
    PlainChild plain;
    page.Create(9103, &dlg);
    sub.Create(9103, &dlg);
    plain.Create(9103, &dlg);
    for (CDialog* child : std::vector<CDialog*>{&page, &sub, &plain}) {
      child->ShowWindow(SW_SHOW);
      for (int key : {Qt::Key_Return, Qt::Key_Escape}) PressKey(child->GetDlgItem(kPageEdit), key);
    }
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_TRUE(sub.IsWindowVisible());
    EXPECT_FALSE(plain.IsWindowVisible());  // a plain one ends like any dialog
    EXPECT_FALSE(dlg.IsEnded());            // and the keys go no further
  });
}

TEST_F(DialogBasesTest, TheSubDialogHostShowsOneChildOverItsPlaceholder) {
  Run([](BasesDialog& dlg) {
    {
      CSubDialogParent& host = dlg.m_host;
      CRect slot;
      host.GetWindowRect(&slot);
      dlg.ScreenToClient(&slot);

      auto* add = new SubChild;
      auto* mul = new SubChild;
      host.AddChild(3, 9103, add);
      host.AddChild(7, 9103, mul);
      EXPECT_EQ(SubChild::alive, 2);
      EXPECT_EQ(host.m_rcChild, slot);
      // Children of the page, not of the host, over the placeholder, hidden.
      EXPECT_EQ(add->GetParent(), static_cast<CWnd*>(&dlg));
      EXPECT_EQ(add->GetSafeHwnd()->geometry(), QRect(slot.left, slot.top, slot.Width(), slot.Height()));
      EXPECT_FALSE(add->IsWindowVisible());
      EXPECT_EQ(host.m_pCurrent, nullptr);

      host.ShowChild(3);
      EXPECT_TRUE(add->IsWindowVisible());
      EXPECT_EQ(host.m_pCurrent, add);
      host.ShowChild(7);
      EXPECT_FALSE(add->IsWindowVisible());
      EXPECT_TRUE(mul->IsWindowVisible());
      host.ShowChild(99);  // never added: nothing shown
      EXPECT_FALSE(add->IsWindowVisible());
      EXPECT_FALSE(mul->IsWindowVisible());
      EXPECT_EQ(host.m_pCurrent, nullptr);
    }
  });
  EXPECT_EQ(SubChild::alive, 0);  // the host deleted its children
}

TEST_F(DialogBasesTest, TheErrorWalkReportsOnlyTheFirstInvalidInputAndOnlyWhenAsked) {
  Run([this](BasesDialog& dlg) {
    EXPECT_TRUE(dlg.m_errors.Check(TRUE));
    EXPECT_TRUE(modal.MessageBoxes().empty());

    dlg.m_first.SetValue(0);
    dlg.m_third.SetValue(500);
    EXPECT_FALSE(dlg.m_errors.Check(FALSE));
    EXPECT_TRUE(modal.MessageBoxes().empty());

    modal.ExpectMessageBox("Setting error: first", MB_ICONERROR);
    EXPECT_FALSE(dlg.m_errors.Check(TRUE));
    ASSERT_EQ(modal.MessageBoxes().size(), 1u);
    EXPECT_EQ(modal.MessageBoxes()[0].buttons, MB_OK);

    dlg.m_first.SetValue(5);
    modal.ExpectMessageBox("Setting error: third", MB_ICONERROR);
    EXPECT_FALSE(dlg.m_errors.Check(TRUE));

    // Disabled inputs with a refused value go back to their defaults.
    for (CInputNumber* c : dlg.m_errors.m_controls) c->EnableWindow(FALSE);
    dlg.m_errors.ResetDisabledInputs();
    EXPECT_EQ(dlg.m_third.GetWindowText(), "0");
    EXPECT_EQ(dlg.m_first.GetWindowText(), "5");
    EXPECT_TRUE(dlg.m_errors.Check(TRUE));
  });
}
