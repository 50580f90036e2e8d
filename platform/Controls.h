// Control classes: each wraps the widget that a template made for a control
// id. Make one a member of its dialog and bind it with DDX_Control, or reach
// it with GetDlgItem and a cast to the class of its kind.
#pragma once

#include "Wnd.h"

class CStatic : public CWnd {};

// Push button, check box or radio button.
class CButton : public CWnd {
 public:
  int GetCheck() const;       // BST_CHECKED or BST_UNCHECKED
  void SetCheck(int nCheck);  // notifies nobody
};

// Edit control, single- or multi-line. The text of a multi-line edit has
// "\r\n" line breaks, and positions count them as two characters.
class CEdit : public CWnd {
 public:
  // Sets the text, caret at the start; EN_UPDATE and EN_CHANGE follow even
  // when the text stays the same.
  void SetWindowText(const QString& text) override;
  void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
  void GetSel(int& nStartChar, int& nEndChar) const;
  DWORD GetSel() const;  // start in the low word, end in the high word
  void ReplaceSel(const QString& text, BOOL bCanUndo = FALSE);
  BOOL SetReadOnly(BOOL bReadOnly = TRUE);
  BOOL IsReadOnly() const;
  void SetLimitText(UINT nMax);  // 0: no limit of its own
  void LimitText(UINT nMax = 0) { SetLimitText(nMax); }
  void ScrollCaret();  // scrolls the caret into view
  void Paste();        // through the paste hook, as a user's paste
  BOOL IsMultiLine() const;
};

class CComboBox : public CWnd {
 public:
  int AddString(const QString& text);  // returns its index; the selection stays
  int InsertString(int nIndex, const QString& text);
  int DeleteString(UINT nIndex);  // returns the count left, or CB_ERR
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;       // CB_ERR when none
  int SetCurSel(int nSelect);  // -1 clears; returns nSelect, or CB_ERR when out of range (clears too)
  int GetLBText(int nIndex, QString& text) const;
  QString GetLBText(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR data);
  DWORD_PTR GetItemData(int nIndex) const;
  int FindStringExact(int nIndexStart, const QString& text) const;
  void ShowDropDown(BOOL bShowIt = TRUE);  // notifies CBN_DROPDOWN / CBN_CLOSEUP
  BOOL GetDroppedState() const;
};

class CListBox : public CWnd {
 public:
  int AddString(const QString& text);
  int InsertString(int nIndex, const QString& text);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;       // LB_ERR when none
  int SetCurSel(int nSelect);  // -1 clears; notifies nobody
  int GetText(int nIndex, QString& text) const;
  QString GetText(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR data);
  DWORD_PTR GetItemData(int nIndex) const;
  int GetTopIndex() const;
  // The item nearest to a point in client coordinates; bOutside is TRUE when
  // the point lies on no item.
  UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;
  int GetItemRect(int nIndex, CRect* rect) const;
};

// List box whose items have check boxes.
class CCheckListBox : public CListBox {
 public:
  void SetCheck(int nIndex, int nCheck);
  int GetCheck(int nIndex) const;
};

// List view extended styles and item states.
inline constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
inline constexpr DWORD LVS_EX_CHECKBOXES = 0x0004;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
inline constexpr UINT LVNI_ALL = 0x0000;
inline constexpr UINT LVNI_SELECTED = 0x0002;
inline constexpr int LVCFMT_LEFT = 0;
inline constexpr int LVCFMT_RIGHT = 1;
inline constexpr int LVCFMT_CENTER = 2;

// Report-style list view. NM_CLICK and NM_DBLCLK arrive as NMITEMACTIVATE.
class CListCtrl : public CWnd {
 public:
  DWORD SetExtendedStyle(DWORD dwNewStyle);  // returns the previous
  DWORD GetExtendedStyle() const;
  int InsertColumn(int nCol, const QString& heading, int nFormat = LVCFMT_LEFT, int nWidth = -1);
  int InsertItem(int nItem, const QString& text);  // returns its index
  BOOL SetItemText(int nItem, int nSubItem, const QString& text);
  QString GetItemText(int nItem, int nSubItem) const;
  int GetItemCount() const;
  BOOL DeleteAllItems();
  BOOL SetCheck(int nItem, BOOL bCheck = TRUE);
  BOOL GetCheck(int nItem) const;
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);  // LVIS_SELECTED, LVIS_FOCUSED
  UINT GetItemState(int nItem, UINT nMask) const;
  int GetNextItem(int nItem, UINT nFlags) const;  // LVNI_SELECTED: the next selected row after nItem
  UINT GetSelectedCount() const;
};

class CTabCtrl : public CWnd {
 public:
  int InsertItem(int nItem, const QString& text);
  int GetItemCount() const;
  int GetCurSel() const;
  int SetCurSel(int nItem);  // notifies nobody; returns the previous selection
  BOOL DeleteAllItems();
  // bLarger FALSE: the display area of a window rectangle; TRUE: the reverse.
  void AdjustRect(BOOL bLarger, CRect* rect) const;
};

// IPv4 address control. EN_CHANGE comes whenever a field changes.
class CIPAddressCtrl : public CWnd {
 public:
  void SetAddress(BYTE b0, BYTE b1, BYTE b2, BYTE b3);
  void SetAddress(DWORD dwAddress);                              // first field in the top byte
  int GetAddress(BYTE& b0, BYTE& b1, BYTE& b2, BYTE& b3) const;  // number of filled fields
  int GetAddress(DWORD& dwAddress) const;
  void ClearAddress();
  BOOL IsBlank() const;
  void SetFieldFocus(WORD nField);
  // The four numbers of any text holding them ("1.2.3.4", "1-2-3-4");
  // other texts clear the control.
  void SetWindowText(const QString& text) override;
  QString GetWindowText() const override;  // "a.b.c.d", blank fields empty
};

// Tooltip of one or more controls.
inline constexpr DWORD TTS_ALWAYSTIP = 0x01;

class CToolTipCtrl {
 public:
  BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
  BOOL AddTool(CWnd* pWnd, const QString& text);
  void UpdateTipText(const QString& text, CWnd* pWnd);
  QString GetText(CWnd* pWnd) const;
  void Popup();  // shows the tip of the tool under the mouse (or the last one added) now
  void Pop();    // hides it

 private:
  QPointer<QWidget> m_parent;
  std::map<QWidget*, QString> m_tools;
  QPointer<QWidget> m_last;
};
