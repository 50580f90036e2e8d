// The main window: the "Setting" and "Maintenance" tabs, "Quit", and the
// hidden "COM" and "Network setting" buttons. A right click anywhere on it
// offers the About box.
#pragma once

#include "ButtonTooltip.h"
#include "DlgConfig.h"
#include "DlgMainte.h"
#include "Platform.h"

#include <QIcon>

#include <memory>

// The About entry's command.
inline constexpr UINT IDM_ABOUTBOX = 0x0010;

class CCFGDlg : public CDialogEx {
 public:
  enum { IDD = 150 };
  CCFGDlg();
  ~CCFGDlg() override;

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // The About box for IDM_ABOUTBOX (low four bits ignored); every other
  // command goes on to the dialog's own handling.
  void OnSysCommand(UINT nID, LPARAM lParam) override;
  // The menu with "Version KT2057CFG(&A)...", at the click.
  void OnContextMenu(CWnd* pWnd, CPoint point) override;
  void OnTcnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
  // Only reachable through the hidden "COM" button: the port dialog, then the
  // tooltip again.
  void OnBnClickedCom();
  void OnBnClickedNetwork();

  QIcon m_hIcon;
  CTabCtrl m_tab;
  // Created once in OnInitDialog as hidden children of the tab control.
  std::unique_ptr<CDlgConfig> m_pPageConfig;
  std::unique_ptr<CDlgMainte> m_pPageMainte;
  CButtonTooltip m_btnCom;

 private:
  void UpdateComTooltip();
};
