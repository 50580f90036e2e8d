#include "CFGDlg.h"

#include "AboutDlg.h"
#include "AppIcon.h"
#include "AppPreferences.h"
#include "ComPorts.h"
#include "DlgCom.h"

#include <QContextMenuEvent>
#include <QObject>

namespace {

constexpr int kIdTab = 1012;
constexpr int kIdCom = 1011;
constexpr int kIdNetwork = 1010;
constexpr UINT kStrAbout = 101;
constexpr UINT kStrSetting = 102;
constexpr UINT kStrMaintenance = 103;

// Right clicks on a page reach the main window's menu too: the pages have no
// menu of their own.
class ContextMenuForwarder : public QObject {
 public:
  ContextMenuForwarder(CCFGDlg* dlg, QObject* parent) : QObject(parent), m_dlg(dlg) {}
  bool eventFilter(QObject*, QEvent* ev) override {
    if (ev->type() != QEvent::ContextMenu) return false;
    const QPoint global = static_cast<QContextMenuEvent*>(ev)->globalPos();
    m_dlg->OnContextMenu(m_dlg, CPoint(global.x(), global.y()));
    return true;
  }

 private:
  CCFGDlg* m_dlg;
};

}  // namespace

CCFGDlg::CCFGDlg() : CDialogEx(IDD), m_hIcon(kt::AppIcon()) {
  ON_NOTIFY(TCN_SELCHANGE, kIdTab, &CCFGDlg::OnTcnSelchangeTab);
  ON_BN_CLICKED(kIdCom, &CCFGDlg::OnBnClickedCom);
  ON_BN_CLICKED(kIdNetwork, &CCFGDlg::OnBnClickedNetwork);
}

CCFGDlg::~CCFGDlg() = default;

void CCFGDlg::DoDataExchange(CDataExchange* pDX) {
  CDialogEx::DoDataExchange(pDX);
  DDX_Control(pDX, kIdTab, m_tab);
  DDX_Control(pDX, kIdCom, m_btnCom);
}

BOOL CCFGDlg::OnInitDialog() {
  CDialogEx::OnInitDialog();

  if (m_hWnd) m_hWnd->setWindowIcon(m_hIcon);

  m_tab.InsertItem(0, LoadString(kStrSetting));
  m_tab.InsertItem(1, LoadString(kStrMaintenance));

  // The pages cover the tab control's display area, reaching 2 pixels
  // further left and down.
  CRect page;
  m_tab.GetClientRect(&page);
  m_tab.AdjustRect(FALSE, &page);
  page.left -= 2;
  page.bottom += 2;

  m_pPageConfig = std::make_unique<CDlgConfig>(&m_tab);
  m_pPageConfig->Create(CDlgConfig::IDD, &m_tab);
  m_pPageConfig->MoveWindow(page, TRUE);
  m_pPageMainte = std::make_unique<CDlgMainte>(&m_tab);
  m_pPageMainte->Create(CDlgMainte::IDD, &m_tab);
  m_pPageMainte->MoveWindow(page, TRUE);
  for (CWnd* p : {static_cast<CWnd*>(m_pPageConfig.get()), static_cast<CWnd*>(m_pPageMainte.get())}) {
    if (QWidget* w = p->GetSafeHwnd()) {
      w->installEventFilter(new ContextMenuForwarder(this, w));
      // The page reaches over the tab control's frame; let the frame show.
      w->setAutoFillBackground(false);
    }
  }

  m_tab.SetCurSel(0);
  m_pPageConfig->ShowWindow(SW_SHOW);

  UpdateComTooltip();
  return TRUE;
}

void CCFGDlg::UpdateComTooltip() {
  const kt::ComPortMap ports = kt::EnumComPorts();
  // m_nCom is bounded to 1..256, so this index cannot overflow.
  m_btnCom.SetTooltipText(kt::GetComPortName(ports, kt::ActivePreferences().m_nCom - 1));
}

void CCFGDlg::OnSysCommand(UINT nID, LPARAM lParam) {
  if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
  } else {
    CDialogEx::OnSysCommand(nID, lParam);
  }
}

void CCFGDlg::OnContextMenu(CWnd*, CPoint point) {
  const QString about = LoadString(kStrAbout);
  if (about.isEmpty()) return;
  CMenu menu;
  menu.CreatePopupMenu();
  menu.AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
  const UINT cmd =
      static_cast<UINT>(menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
  menu.DestroyMenu();
  if (cmd != 0) OnSysCommand(cmd, 0);
}

void CCFGDlg::OnTcnSelchangeTab(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  if (m_tab.GetCurSel() == 0) {
    m_pPageConfig->ShowWindow(SW_SHOW);
    m_pPageMainte->ShowWindow(SW_HIDE);
    m_pPageConfig->SetFocus();
  } else {
    m_pPageConfig->ShowWindow(SW_HIDE);
    m_pPageMainte->ShowWindow(SW_SHOW);
    m_pPageMainte->SetFocus();
  }
}

void CCFGDlg::OnBnClickedCom() {
  CDlgCom dlg(this);
  dlg.DoModal();
  UpdateComTooltip();
}

void CCFGDlg::OnBnClickedNetwork() {}
