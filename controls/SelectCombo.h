// Select-only combo boxes: the pages' choice of an enumerated setting or a
// channel. The edit part cannot be typed into, every click opens the list,
// the parent hears one selection change each time the list closes (none
// while it is open), and a missing selection is shown in yellow.
#pragma once

#include "Platform.h"

#include <vector>

namespace kt {
struct AiChannelConfig;
struct DiChannelConfig;
struct OiChannelConfig;
struct DoChannelConfig;
}  // namespace kt

// Private requests a select-only combo box posts to itself.
inline constexpr UINT WM_SELECTCOMBO_OPEN = WM_USER;            // take the focus, open the list
inline constexpr UINT WM_SELECTCOMBO_CLOSE = WM_USER + 1;       // close the list, report the selection
inline constexpr UINT WM_SELECTCOMBO_HOME_CARET = WM_USER + 2;  // edit part: caret to the start

// The edit part of a select-only combo box: read-only, no caret, the arrow
// cursor. A left click opens the list; other clicks, typed characters and
// all keys but Tab, Enter, Escape, Up and Down are swallowed.
class CSelectComboEdit : public CEdit {
 public:
  BOOL m_bDropped = FALSE;  // copy of the combo box's open state

  BOOL OnMouseDown(UINT nButton, CPoint point, BOOL bDoubleClick) override;
  BOOL OnKeyDown(UINT nVirtKey) override;
  BOOL OnChar(UINT nChar) override;
  BOOL OnPaste() override;
};

class CSelectCombo : public CComboBox {
 public:
  CSelectCombo();
  ~CSelectCombo() override;

  // Appends an owned copy of the text to m_items and the text to the list;
  // returns the list position.
  int AddString(const CString& text);
  // Index is absolute (into m_items): when it lies in the shown run, selects
  // it and returns its list position; otherwise selects the first shown
  // item and returns 0.
  int SetCurSel(int index);
  // Forgets the kept texts (the caller empties the list itself).
  void ClearItems();
  // Shows kept texts first..last only (bounds clamped to the kept texts),
  // keeping the selection when it lies in the run, else the first item.
  void ShowRange(int first, int last);
  // Shows every kept text again, keeping the selection.
  void ShowAll();
  // prefix + start, prefix + start+1, ...; then selects the first item.
  void AddNumbers(const CString& prefix, int start, int count);
  // One item per channel record, "AI1  name" ... numbered from 1 after the
  // items already there, names from the records; then selects the first item.
  void FillAiChannels(const kt::AiChannelConfig* channels);
  void FillDiChannels(const kt::DiChannelConfig* channels);
  void FillOiChannels(const kt::OiChannelConfig* channels);
  void FillDoChannels(const kt::DoChannelConfig* channels);
  // Replaces everything by "1  " .. "n  "; then selects the first item.
  void FillNumberedNames(int n);
  // The kept item that is selected (shown position + m_nOffset), or -1.
  // Pages read the selection through these two, not GetCurSel + m_nOffset.
  int GetCurItem() const;
  // The same, but item 0 when nothing is selected: what a page writes into
  // a record field, which must name some item.
  int GetCurItemOrZero() const;
  // TRUE when disabled or when a shown item is selected; otherwise paints
  // the box yellow and returns FALSE.
  BOOL CheckSelection();

  // Makes the box select-only: binds m_edit to the edit part (when there is
  // one), makes it read-only without caret. CNormalDialog::InitSelectCombos
  // calls it for every bound CSelectCombo; calling it again does nothing.
  void InitSelectOnly();

  // Overridables of the window (derived classes call the base).
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  BOOL OnChildNotify(UINT nCode) override;
  HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) override;
  BOOL OnMouseDown(UINT nButton, CPoint point, BOOL bDoubleClick) override;
  BOOL OnKeyDown(UINT nVirtKey) override;
  BOOL OnChar(UINT nChar) override;
  void OnSetFocus() override;
  void OnEnable(BOOL bEnable) override;

  BOOL m_bDropped = FALSE;
  CBrush m_brError;
  CBrush m_brNormal;
  BOOL m_bError = FALSE;
  CSelectComboEdit m_edit;
  CWnd* m_pEditWnd = nullptr;
  std::vector<CString> m_items;
  int m_nOffset = 0;

 private:
  void ReportSelection();   // posts one CBN_SELCHANGE to the parent
  void UpdateListColors();  // a box without edit part paints itself
  void AddChannelItem(const char* prefix, int number, const char* name, std::size_t width);
  bool m_bSelectOnly = false;
};
