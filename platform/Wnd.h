// CWnd: one window (a dialog or a control) over a Qt widget, with the window
// operations, the message map, and the hooks through which a control class
// shapes its widget's behaviour.
#pragma once

#include "WinTypes.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <utility>

class CWnd;
class QPainter;
using HWND = QWidget*;

// A solid brush: what a colour hook returns to paint a control's background.
class CBrush {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  BOOL CreateSolidBrush(COLORREF color) {
    m_color = color;
    m_valid = true;
    return TRUE;
  }
  COLORREF GetColor() const { return m_color; }
  bool IsValid() const { return m_valid; }

 private:
  COLORREF m_color = 0;
  bool m_valid = false;
};
// nullptr: no brush of the control's own (the default colours).
using HBRUSH = const CBrush*;

// Device context: colours asked for in CtlColor, painting in OnPaint.
class CDC {
 public:
  CDC() = default;
  explicit CDC(QPainter* painter) : m_painter(painter) {}
  COLORREF SetBkColor(COLORREF c) {
    COLORREF old = m_bk;
    m_bk = c;
    m_hasBk = true;
    return old;
  }
  COLORREF GetBkColor() const { return m_bk; }
  bool HasBkColor() const { return m_hasBk; }
  COLORREF SetTextColor(COLORREF c) {
    COLORREF old = m_text;
    m_text = c;
    m_hasText = true;
    return old;
  }
  COLORREF GetTextColor() const { return m_text; }
  bool HasTextColor() const { return m_hasText; }
  // Painting; does nothing outside OnPaint.
  void FillSolidRect(const CRect& rect, COLORREF color);
  // GradientFill of one rectangle, colour running from left to right
  // (bHorizontal) or top to bottom.
  void GradientFill(const CRect& rect, COLORREF from, COLORREF to, BOOL bHorizontal = TRUE);
  QPainter* GetPainter() const { return m_painter; }

 private:
  QPainter* m_painter = nullptr;
  COLORREF m_bk = 0, m_text = 0;
  bool m_hasBk = false, m_hasText = false;
};

// The device context of the window being painted, inside its OnPaint.
class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* wnd);
};

// GetWindow commands.
inline constexpr UINT GW_CHILD = 5;

class CWnd {
 public:
  CWnd();
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  // --- Handles ---------------------------------------------------------
  HWND GetSafeHwnd() const { return m_hWnd.data(); }
  operator HWND() const { return m_hWnd.data(); }
  // The object bound to a widget: its permanent object when one is
  // subclassed onto it, else a wrapper of the widget's control class that
  // lives as long as the widget. nullptr for nullptr.
  static CWnd* FromHandle(HWND hWnd);
  // Only the permanent object, or nullptr.
  static CWnd* FromHandlePermanent(HWND hWnd);
  // Makes this object the widget's permanent object (DDX_Control does this).
  BOOL SubclassWindow(HWND hWnd);
  BOOL SubclassDlgItem(int nID, CWnd* pParent);
  HWND UnsubclassWindow();

  // --- Window operations -----------------------------------------------
  BOOL EnableWindow(BOOL bEnable = TRUE);  // returns TRUE when it was disabled
  BOOL IsWindowEnabled() const;            // its own state, not its parent's
  BOOL ShowWindow(int nCmdShow);           // returns TRUE when it was visible
  BOOL IsWindowVisible() const;            // shown, and every parent shown
  virtual void SetWindowText(const QString& text);
  virtual QString GetWindowText() const;
  void GetWindowText(QString& text) const { text = GetWindowText(); }
  int GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }
  CWnd* SetFocus();  // returns the window that had it
  static CWnd* GetFocus();
  void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
  void MoveWindow(const CRect& rect, BOOL bRepaint = TRUE);
  void GetWindowRect(CRect* rect) const;  // screen coordinates
  void GetClientRect(CRect* rect) const;
  void ScreenToClient(CPoint* point) const;
  void ScreenToClient(CRect* rect) const;
  void ClientToScreen(CPoint* point) const;
  void ClientToScreen(CRect* rect) const;
  // Repaints the window and everything in it; colour hooks run again.
  void Invalidate(BOOL bErase = TRUE);
  void UpdateWindow();
  void SetRedraw(BOOL bRedraw = TRUE);
  CWnd* GetParent() const;
  int GetDlgCtrlID() const;
  CWnd* GetDlgItem(int nID) const;   // nullptr when there is no such control
  CWnd* GetWindow(UINT nCmd) const;  // GW_CHILD: the first child (a combo box's edit part)
  void SetDlgItemText(int nID, const QString& text);
  QString GetDlgItemText(int nID) const;
  UINT IsDlgButtonChecked(int nID) const;
  void CheckDlgButton(int nID, UINT nCheck);
  void CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck);
  void SetWindowCursor(UINT idc);  // IDC_ARROW, IDC_IBEAM
  void HideCaret();
  void ShowCaret();
  void SetToolTipText(const QString& text);

  // Messages: SendMessage runs WindowProc now; PostMessage queues it and
  // drops it when this object or its widget is gone first.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // --- Message map -----------------------------------------------------
  // Command and notification handlers of the controls of this window, by
  // control id. Set them up in the constructor. They run for the user's
  // actions only: clicks, selection and tab changes made by code (SetCheck,
  // SetCurSel...) notify nobody. An edit's EN_UPDATE/EN_CHANGE come on every
  // change of its text, also SetWindowText with the same text.
  void MapCommand(int nID, UINT nCode, std::function<void()> handler);
  void MapNotify(int nID, UINT nCode, std::function<void(NMHDR*, LRESULT*)> handler);
  template <class T>
  void ON_BN_CLICKED(int nID, void (T::*fn)()) {
    MapCommand(nID, BN_CLICKED, Bind(fn));
  }
  template <class T>
  void ON_COMMAND(int nID, void (T::*fn)()) {
    MapCommand(nID, 0, Bind(fn));
  }
  template <class T>
  void ON_EN_CHANGE(int nID, void (T::*fn)()) {
    MapCommand(nID, EN_CHANGE, Bind(fn));
  }
  template <class T>
  void ON_EN_UPDATE(int nID, void (T::*fn)()) {
    MapCommand(nID, EN_UPDATE, Bind(fn));
  }
  template <class T>
  void ON_CBN_SELCHANGE(int nID, void (T::*fn)()) {
    MapCommand(nID, CBN_SELCHANGE, Bind(fn));
  }
  template <class T>
  void ON_LBN_SELCHANGE(int nID, void (T::*fn)()) {
    MapCommand(nID, LBN_SELCHANGE, Bind(fn));
  }
  template <class T>
  void ON_CONTROL(UINT nCode, int nID, void (T::*fn)()) {
    MapCommand(nID, nCode, Bind(fn));
  }
  template <class T>
  void ON_NOTIFY(UINT nCode, int nID, void (T::*fn)(NMHDR*, LRESULT*)) {
    MapNotify(nID, nCode, [this, fn](NMHDR* h, LRESULT* r) { (static_cast<T*>(this)->*fn)(h, r); });
  }

  // --- Overridables ----------------------------------------------------
  // Every message; the default hands WM_COMMAND to OnCommand.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // WM_COMMAND (menu commands, control notifications): TRUE when handled.
  // The default looks the command up in the message map.
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY from a control: the default looks it up in the message map.
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
  // A notification of this control, before its parent sees it (reflection):
  // return TRUE to keep it from the parent.
  virtual BOOL OnChildNotify(UINT nCode);
  // Colours, asked each time the control is painted: set the text
  // background on pDC and return a brush, or nullptr for the default colours.
  // nCtlColor is CTLCOLOR_EDIT, or CTLCOLOR_STATIC for a read-only or
  // disabled edit.
  virtual HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
  // Input hooks of a control. Those returning BOOL return TRUE to let the
  // widget handle the input as usual and FALSE to drop it.
  virtual BOOL OnChar(UINT nChar);        // a typed character (not with Ctrl)
  virtual BOOL OnKeyDown(UINT nVirtKey);  // VK_...; 0 for keys without a VK here
  virtual void OnKeyUp(UINT nVirtKey);
  virtual BOOL OnPaste();                                                   // Ctrl+V or the context menu's Paste
  virtual BOOL OnMouseDown(UINT nButton, CPoint point, BOOL bDoubleClick);  // MK_...; client coordinates
  virtual void OnMouseUp(UINT nButton, CPoint point);
  virtual void OnMouseMove(CPoint point);
  virtual void OnMouseLeave();
  virtual void OnSetFocus();
  virtual void OnKillFocus();
  virtual void OnEnable(BOOL bEnable);
  // Painting of a dialog, under its controls (CPaintDC dc(this)).
  virtual void OnPaint();
  // Right click on a dialog (or Shift+F10), screen coordinates.
  virtual void OnContextMenu(CWnd* pWnd, CPoint point);
  // A system command (SC_..., or one a window adds to its menus). The
  // default carries out close (as the close box), minimise, maximise and
  // restore on the top-level window, and ignores the rest; a window that
  // handles commands of its own passes the others on to it.
  virtual void OnSysCommand(UINT nID, LPARAM lParam);

 protected:
  QPointer<QWidget> m_hWnd;

 private:
  template <class T>
  std::function<void()> Bind(void (T::*fn)()) {
    return [this, fn] { (static_cast<T*>(this)->*fn)(); };
  }
  friend struct WndAccess;
  bool m_bTemporary = false;
  std::unique_ptr<QObject> m_life;  // target of posted messages; dies with this object
  std::map<std::pair<int, UINT>, std::function<void()>> m_commands;
  std::map<std::pair<int, UINT>, std::function<void(NMHDR*, LRESULT*)>> m_notifies;
};
