// Channel lists, their right-click command, the copy/paste menus through the
// modal seam, and the tooltip button.
#include "ButtonTooltip.h"
#include "CopyPasteMenu.h"
#include "SelectList.h"

#include "DialogTemplate.h"
#include "ModalScript.h"

#include <QListWidget>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

using namespace kt::res;
using kt::test::GuiTest;

namespace {

constexpr std::uint32_t V = WS_VISIBLE | WS_TABSTOP;

enum { kChannels = 300, kPlainList = 301, kCom = 302 };

const DialogTemplate kPageDialog{9621,
                                 "Page",
                                 200,
                                 120,
                                 WS_CAPTION | DS_MODALFRAME,
                                 "MS Shell Dlg",
                                 8,
                                 {
                                     {kChannels, Kind::ListBox, "", 5, 5, 60, 80, V},
                                     {kPlainList, Kind::ListBox, "", 70, 5, 60, 80, V},
                                     {kCom, Kind::PushButton, "COM", 140, 5, 50, 14, V},
                                     {IDOK, Kind::DefPushButton, "OK", 140, 100, 50, 14, V},
                                 }};
KT_DIALOG_TEMPLATE(kPageDialog);

// A page in miniature: a channel list whose right click opens the
// copy/paste menu, and handlers for the three menu commands.
class PageDialog : public CDialog {
 public:
  PageDialog() : CDialog(9621) {
    ON_LBN_SELCHANGE(kChannels, &PageDialog::OnChannelSel);
    ON_LBN_SELCHANGE(kPlainList, &PageDialog::OnPlainSel);
    ON_COMMAND(ID_MENU_COPY, &PageDialog::OnMenuCopy);
    ON_COMMAND(ID_MENU_PASTE, &PageDialog::OnMenuPaste);
    ON_COMMAND(ID_MENU_PASTE_PLUS, &PageDialog::OnPastePlus);
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, kChannels, m_channels);
    DDX_Control(pDX, kPlainList, m_plain);
    DDX_Control(pDX, kCom, m_com);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    m_channels.AddNumbers("AI", 1, 4);
    m_channels.m_nCommandId = ID_CHANNEL_MENU;
    m_plain.AddNumbers("DO", 1, 2);
    return TRUE;
  }
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    if (LOWORD(wParam) == ID_CHANNEL_MENU && HIWORD(wParam) == 0) {
      const auto* pt = reinterpret_cast<const CPoint*>(lParam);
      events.push_back("menu at channel " + std::to_string(m_channels.GetCurSel()));
      menuPoints.push_back(*pt);
      if (plusMenu) {
        CCopyPastePlusMenu menu(this);
        menu.Track(pt->x, pt->y, canCopy, canPaste);
      } else {
        CCopyPasteMenu menu(this);
        menu.Track(pt->x, pt->y, canCopy, canPaste);
      }
      return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
  }
  void OnChannelSel() { events.push_back("sel"); }
  void OnPlainSel() { events.push_back("plain sel"); }
  void OnMenuCopy() { events.push_back("copy"); }
  void OnMenuPaste() { events.push_back("paste"); }
  void OnPastePlus() { events.push_back("paste+1"); }

  CSelectList m_channels;
  CSelectList m_plain;
  CButtonTooltip m_com;
  std::vector<std::string> events;
  std::vector<CPoint> menuPoints;
  bool plusMenu = false;
  BOOL canCopy = TRUE;
  BOOL canPaste = TRUE;
};

using Events = std::vector<std::string>;

void RunPage(kt::test::ModalScript& modal, std::function<void(PageDialog&)> body) {
  modal.ExpectDialog<PageDialog>([body](PageDialog& dlg) {
    body(dlg);
    dlg.EndDialog(IDOK);
  });
  PageDialog dlg;
  dlg.DoModal();
}

CPoint ItemCenter(CListBox& list, int index) {
  CRect r;
  list.GetItemRect(index, &r);
  return CPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

class MenuTest : public GuiTest {};

TEST_F(MenuTest, ARightClickSelectsTheChannelQuietlyAndSendsTheCommandWithTheScreenPoint) {
  RunPage(modal, [this](PageDialog& dlg) {
    EXPECT_EQ(dlg.m_channels.GetCount(), 4);
    EXPECT_EQ(dlg.m_channels.GetText(3), "AI4");
    EXPECT_EQ(dlg.m_channels.GetCurSel(), 0);

    modal.ExpectMenu(0);  // dismissed
    const CPoint click = ItemCenter(dlg.m_channels, 2);
    kt::test::RightClick(&dlg.m_channels, click);
    EXPECT_EQ(dlg.m_channels.GetCurSel(), 2);
    EXPECT_EQ(dlg.events, (Events{"menu at channel 2"}));
    CPoint screen = click;
    dlg.m_channels.ClientToScreen(&screen);
    ASSERT_EQ(dlg.menuPoints.size(), 1u);
    EXPECT_EQ(dlg.menuPoints[0], screen);
    EXPECT_EQ(dlg.m_channels.m_ptMenu, screen);
    ASSERT_EQ(modal.Menus().size(), 1u);
    EXPECT_EQ(modal.Menus()[0].point, screen);
    EXPECT_EQ(modal.Menus()[0].owner, &dlg);

    // Below the last item: the last one.
    CRect client;
    dlg.m_channels.GetClientRect(&client);
    modal.ExpectMenu(0);
    kt::test::RightClick(&dlg.m_channels, CPoint(client.Width() / 2, client.Height() - 3));
    EXPECT_EQ(dlg.m_channels.GetCurSel(), 3);

    // A left click still reports the selection as usual.
    dlg.events.clear();
    kt::test::SelectListItem(&dlg.m_channels, 1);
    EXPECT_EQ(dlg.events, (Events{"sel"}));
  });
}

TEST_F(MenuTest, WithoutACommandARightClickOnlySelects) {
  RunPage(modal, [](PageDialog& dlg) {
    kt::test::RightClick(&dlg.m_plain, ItemCenter(dlg.m_plain, 1));
    EXPECT_EQ(dlg.m_plain.GetCurSel(), 1);
    EXPECT_TRUE(dlg.events.empty());
    // The modal script fails the test had any menu shown.
  });
}

struct MenuCase {
  bool plus;
  BOOL copy, paste;
  std::vector<kt::MenuItem> items;
};

std::string Describe(const std::vector<kt::MenuItem>& items) {
  std::string s;
  for (const kt::MenuItem& i : items) {
    s += i.separator ? std::string("----") : std::to_string(i.id) + " " + i.text.toStdString();
    s += i.grayed ? " (grey)|" : "|";
  }
  return s;
}

TEST_F(MenuTest, TheMenusGreyWhatCannotBeDone) {
  const kt::MenuItem sep{0, "", true, false};
  const MenuCase cases[] = {
      {false, TRUE, TRUE, {{101, "Copy", false, false}, sep, {102, "Paste", false, false}}},
      {false, FALSE, TRUE, {{101, "Copy", false, true}, sep, {102, "Paste", false, false}}},
      {false, TRUE, FALSE, {{101, "Copy", false, false}, sep, {102, "Paste", false, true}}},
      {true,
       TRUE,
       TRUE,
       {{101, "Copy", false, false}, sep, {102, "Paste", false, false}, {103, "Paste(+1)", false, false}}},
      {true,
       TRUE,
       FALSE,
       {{101, "Copy", false, false}, sep, {102, "Paste", false, true}, {103, "Paste(+1)", false, true}}},
      {true,
       FALSE,
       TRUE,
       {{101, "Copy", false, true}, sep, {102, "Paste", false, false}, {103, "Paste(+1)", false, false}}},
  };
  RunPage(modal, [&](PageDialog& dlg) {
    for (const MenuCase& c : cases) {
      dlg.plusMenu = c.plus;
      dlg.canCopy = c.copy;
      dlg.canPaste = c.paste;
      std::vector<kt::MenuItem> shown;
      modal.ExpectMenu([&shown](const kt::MenuRequest& r) {
        shown = r.items;
        return 0u;
      });
      kt::test::RightClick(&dlg.m_channels, ItemCenter(dlg.m_channels, 0));
      EXPECT_EQ(Describe(shown), Describe(c.items));
    }
  });
}

TEST_F(MenuTest, TheChosenItemReachesThePageAsItsCommand) {
  const struct {
    bool plus;
    UINT id;
    const char* event;
  } cases[] = {
      {false, ID_MENU_COPY, "copy"},  {false, ID_MENU_PASTE, "paste"},       {true, ID_MENU_COPY, "copy"},
      {true, ID_MENU_PASTE, "paste"}, {true, ID_MENU_PASTE_PLUS, "paste+1"},
  };
  RunPage(modal, [&](PageDialog& dlg) {
    for (const auto& c : cases) {
      dlg.events.clear();
      dlg.plusMenu = c.plus;
      modal.ExpectMenu(c.id);
      kt::test::RightClick(&dlg.m_channels, ItemCenter(dlg.m_channels, 1));
      EXPECT_EQ(dlg.events, (Events{"menu at channel 1", c.event}));
    }
  });
}

TEST(MenuTexts, TablesHoldTheItemTexts) {
  EXPECT_EQ(g_strCopyPasteMenuItems[0], "Copy");
  EXPECT_EQ(g_strCopyPasteMenuItems[1], "Paste");
  EXPECT_EQ(g_strCopyPastePlusMenuItems[2], "Paste(+1)");
  EXPECT_EQ(ID_CHANNEL_MENU, 106u);
}

TEST_F(MenuTest, TheTooltipButtonMakesItsTipOnceAndThenOnlyChangesTheText) {
  RunPage(modal, [](PageDialog& dlg) {
    EXPECT_EQ(dlg.m_com.m_pToolTip, nullptr);
    EXPECT_EQ(dlg.m_com.GetTooltipText(), "");
    dlg.m_com.SetTooltipText("COM1: /dev/ttyS0");
    CToolTipCtrl* tip = dlg.m_com.m_pToolTip.get();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(dlg.m_com.GetSafeHwnd()->toolTip(), "COM1: /dev/ttyS0");
    dlg.m_com.SetTooltipText("COM3: /dev/ttyUSB0");
    EXPECT_EQ(dlg.m_com.m_pToolTip.get(), tip);
    EXPECT_EQ(dlg.m_com.GetTooltipText(), "COM3: /dev/ttyUSB0");
    EXPECT_EQ(dlg.m_com.GetSafeHwnd()->toolTip(), "COM3: /dev/ttyUSB0");
    // Moving over the button and leaving it must not disturb anything.
    QTest::mouseMove(dlg.m_com.GetSafeHwnd(), dlg.m_com.GetSafeHwnd()->rect().center());
    kt::test::PumpEvents();
  });
}

}  // namespace
