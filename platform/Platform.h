// The dialog framework of KT2057CFG: a small stand-in, over Qt 6 Widgets and
// QSettings, for the Windows framework that the dialogs are written against.
// Names and meanings follow that framework so that a dialog reads the same.
//
//   WinTypes.h  BOOL/UINT/COLORREF..., CRect/CPoint, RGB, IDOK/IDCANCEL,
//               MB_* flags, notification codes (BN_CLICKED, EN_CHANGE,
//               EN_UPDATE, CBN_SELCHANGE, LBN_SELCHANGE, TCN_SELCHANGE,
//               NM_CLICK, NM_DBLCLK), NMHDR, NMITEMACTIVATE, VK_*, MK_*.
//   Wnd.h       CWnd: EnableWindow, ShowWindow, IsWindowVisible,
//               Set/GetWindowText, SetFocus/GetFocus, MoveWindow,
//               Get(Window|Client)Rect, ScreenToClient, Invalidate,
//               SetRedraw, GetParent, GetDlgCtrlID, GetDlgItem, GetWindow,
//               (Check|IsDlg)Button..., SendMessage/PostMessage.
//               Message map, set up in a dialog's constructor:
//                 ON_BN_CLICKED(id, &CDlgX::OnY); ON_EN_UPDATE(...);
//                 ON_CBN_SELCHANGE(...); ON_LBN_SELCHANGE(...);
//                 ON_NOTIFY(TCN_SELCHANGE, id, &CDlgX::OnSel); ON_COMMAND(...)
//               Handlers run for the user's actions only; SetCurSel,
//               SetCheck and friends notify nobody. An edit notifies
//               EN_UPDATE+EN_CHANGE on every text change, SetWindowText with
//               the same text included.
//               Overridables for control classes (the kit): OnChildNotify
//               (reflected notifications), CtlColor (background decided on
//               every repaint), OnChar/OnKeyDown/OnKeyUp/OnPaste (return
//               FALSE to drop), OnMouseDown/Up/Move/Leave, OnSetFocus,
//               OnKillFocus, OnEnable, WindowProc/OnCommand (WM_USER
//               requests, menu commands); for dialogs OnPaint (CPaintDC,
//               FillSolidRect, GradientFill), OnContextMenu and OnSysCommand
//               (SC_CLOSE, SC_MINIMIZE...).
//   Controls.h  CStatic, CButton, CEdit, CComboBox, CListBox, CCheckListBox,
//               CListCtrl, CTabCtrl, CIPAddressCtrl, CToolTipCtrl.
//   Dialog.h    CDialog (= CDialogEx): DoModal, Create (hidden child),
//               OnInitDialog -> DoDataExchange, OnOK/OnCancel, EndDialog,
//               UpdateData; DDX_Control(pDX, id, control) binds a member
//               control object to the widget made for that id (a missing id
//               stops the program). Enter presses the default button (else
//               IDOK) and Escape is IDCANCEL; in a dialog made with Create
//               both go to its OnOK/OnCancel and no further.
//   Modal.h     AfxMessageBox (title "KT2057CFG", icon rule), CMenu popup
//               menus, CFileDialog, CColorDialog.
//   ModalSeam.h The seam every modal UI passes through (tests answer there).
//   WaitLoop.h  RunWhileWindowsWait (blocking work off the UI thread, windows
//               still painting), PostCall (posted calls, held during it).
//   App.h       CWinApp (profile: GetProfileInt/String, WriteProfileInt/
//               String), AfxGetApp, LoadString, CWaitCursor, AfxWinMain,
//               kt::InitApplication (Fusion style, LC_NUMERIC "C").
//
// Templates are data in resources/ (DialogTemplate.h): one file per dialog,
// registered with KT_DIALOG_TEMPLATE; dialog units become pixels through the
// dialog font's average character size (x * cx / 4, y * cy / 8).
#pragma once

#include "App.h"
#include "Controls.h"
#include "Dialog.h"
#include "Modal.h"
#include "ModalSeam.h"
#include "WaitLoop.h"
#include "WinTypes.h"
#include "Wnd.h"
