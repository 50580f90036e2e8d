#include "SelectCombo.h"

#include "DeviceConfig.h"
#include "InputString.h"
#include "InvalidColor.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPalette>

#include <algorithm>

namespace {

constexpr COLORREF kNormalColor = RGB(255, 255, 255);
// Presses this close to the right edge are on the arrow button.
constexpr int kArrowWidth = 17;
// Posted to itself: tell the parent the selection (CBN_SELCHANGE).
constexpr UINT WM_SELECTCOMBO_REPORT = WM_USER + 3;

// A read-only edit part offers no context menu (no Copy, no Paste).
class NoContextMenu : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* ev) override { return ev->type() == QEvent::ContextMenu; }
};

// Keys a select-only box lets through: moving the focus, the dialog's own
// Enter and Escape, and stepping through the items.
bool PassesKey(UINT vk) { return vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE || vk == VK_UP || vk == VK_DOWN; }

QColor ToColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

}  // namespace

// ---------------------------------------------------------------------------
// CSelectComboEdit

BOOL CSelectComboEdit::OnMouseDown(UINT nButton, CPoint, BOOL bDoubleClick) {
  if (nButton == MK_LBUTTON && !bDoubleClick) {
    if (CWnd* combo = GetParent()) combo->PostMessage(WM_SELECTCOMBO_OPEN);
  }
  return FALSE;
}

BOOL CSelectComboEdit::OnKeyDown(UINT nVirtKey) {
  if (nVirtKey == VK_RETURN && m_bDropped) {
    if (CWnd* combo = GetParent()) combo->PostMessage(WM_SELECTCOMBO_CLOSE);
    return FALSE;
  }
  return PassesKey(nVirtKey) ? TRUE : FALSE;
}

BOOL CSelectComboEdit::OnChar(UINT nChar) { return nChar < 0x20 ? TRUE : FALSE; }

BOOL CSelectComboEdit::OnPaste() { return FALSE; }

// ---------------------------------------------------------------------------
// CSelectCombo

CSelectCombo::CSelectCombo() : m_brError(kInvalidColor), m_brNormal(kNormalColor) {}

CSelectCombo::~CSelectCombo() = default;

int CSelectCombo::AddString(const CString& text) {
  m_items.push_back(text);
  return CComboBox::AddString(text);
}

int CSelectCombo::SetCurSel(int index) {
  if (index >= m_nOffset && index - m_nOffset < GetCount()) {
    return CComboBox::SetCurSel(index - m_nOffset);
  }
  CComboBox::SetCurSel(0);
  return 0;
}

void CSelectCombo::ClearItems() {
  m_items.clear();
  m_nOffset = 0;
}

void CSelectCombo::ShowRange(int first, int last) {
  const int shown = GetCurSel();
  const int selected = shown >= 0 ? shown + m_nOffset : -1;
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(m_items.size()) - 1);
  ResetContent();
  for (int i = first; i <= last; ++i) CComboBox::AddString(m_items[static_cast<std::size_t>(i)]);
  m_nOffset = first;
  if (selected >= first && selected <= last) {
    CComboBox::SetCurSel(selected - first);
  } else {
    CComboBox::SetCurSel(0);
  }
}

void CSelectCombo::ShowAll() {
  const int shown = GetCurSel();
  const int selected = shown >= 0 ? shown + m_nOffset : -1;
  ResetContent();
  for (const CString& text : m_items) CComboBox::AddString(text);
  m_nOffset = 0;
  CComboBox::SetCurSel(selected);
}

void CSelectCombo::AddNumbers(const CString& prefix, int start, int count) {
  for (int i = 0; i < count; ++i) AddString(prefix + QString::number(start + i));
  CComboBox::SetCurSel(0);
}

void CSelectCombo::AddChannelItem(const char* prefix, int number, const char* name, std::size_t width) {
  AddString(QLatin1String(prefix) + QString::number(number) + QLatin1String("  ") + kt::FieldText(name, width));
}

void CSelectCombo::FillAiChannels(const kt::AiChannelConfig* channels) {
  for (int i = 0; i < kt::kAiCount; ++i) AddChannelItem("AI", i + 1, channels[i].NAME, sizeof channels[i].NAME);
  CComboBox::SetCurSel(0);
}

void CSelectCombo::FillDiChannels(const kt::DiChannelConfig* channels) {
  for (int i = 0; i < kt::kDiCount; ++i) AddChannelItem("DI", i + 1, channels[i].NAME, sizeof channels[i].NAME);
  CComboBox::SetCurSel(0);
}

void CSelectCombo::FillOiChannels(const kt::OiChannelConfig* channels) {
  for (int i = 0; i < kt::kOiCount; ++i) AddChannelItem("OI", i + 1, channels[i].NAME, sizeof channels[i].NAME);
  CComboBox::SetCurSel(0);
}

void CSelectCombo::FillDoChannels(const kt::DoChannelConfig* channels) {
  for (int i = 0; i < kt::kDoCount; ++i) AddChannelItem("DO", i + 1, channels[i].NAME, sizeof channels[i].NAME);
  CComboBox::SetCurSel(0);
}

void CSelectCombo::FillNumberedNames(int n) {
  ClearItems();
  ResetContent();
  for (int i = 1; i <= n; ++i) AddString(QString::number(i) + QLatin1String("  "));
  CComboBox::SetCurSel(0);
}

int CSelectCombo::GetCurItem() const {
  const int shown = GetCurSel();
  return shown < 0 ? -1 : shown + m_nOffset;
}

int CSelectCombo::GetCurItemOrZero() const { return std::max(GetCurItem(), 0); }

BOOL CSelectCombo::CheckSelection() {
  m_bError = FALSE;
  UpdateListColors();
  Invalidate();
  if (!IsWindowEnabled()) return TRUE;
  const int shown = GetCurSel();
  if (shown >= 0 && shown < GetCount()) return TRUE;
  m_bError = TRUE;
  UpdateListColors();
  Invalidate();
  return FALSE;
}

void CSelectCombo::InitSelectOnly() {
  if (m_bSelectOnly) return;
  m_bSelectOnly = true;
  CWnd* child = GetWindow(GW_CHILD);
  if (child && child->GetSafeHwnd() && !m_pEditWnd) {
    QWidget* edit = child->GetSafeHwnd();
    m_edit.SubclassWindow(edit);
    m_pEditWnd = &m_edit;
    m_edit.SetReadOnly(TRUE);
    m_edit.HideCaret();
    m_edit.SetWindowCursor(IDC_ARROW);
    edit->installEventFilter(new NoContextMenu(edit));
  }
  UpdateListColors();
}

void CSelectCombo::ReportSelection() { PostMessage(WM_SELECTCOMBO_REPORT); }

void CSelectCombo::UpdateListColors() {
  // A box with an edit part is coloured through CtlColor; one without paints
  // its own face.
  auto* cb = qobject_cast<QComboBox*>(GetSafeHwnd());
  if (!cb || cb->lineEdit()) return;
  if (m_bError) {
    QPalette pal = cb->palette();
    pal.setColor(QPalette::Base, ToColor(kInvalidColor));
    pal.setColor(QPalette::Button, ToColor(kInvalidColor));
    cb->setPalette(pal);
  } else {
    cb->setPalette(QPalette());
  }
}

LRESULT CSelectCombo::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SELECTCOMBO_OPEN:
      SetFocus();
      ShowDropDown(TRUE);
      return 0;
    case WM_SELECTCOMBO_CLOSE:
      // Closing the list reports the selection (close-up); a list that is
      // already closed reports it here, so each close is heard once.
      if (GetDroppedState()) {
        ShowDropDown(FALSE);
      } else {
        ReportSelection();
      }
      return 0;
    case WM_SELECTCOMBO_HOME_CARET:
      if (m_pEditWnd) {
        m_edit.SetSel(0, 0);
        m_edit.ScrollCaret();
      }
      return 0;
    case WM_SELECTCOMBO_REPORT:
      // Like any notification, the report passes the control itself first
      // (the radix selector acts on it), then goes to the parent.
      if (OnChildNotify(CBN_SELCHANGE)) return 0;
      if (CWnd* parent = GetParent()) {
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), CBN_SELCHANGE),
                            reinterpret_cast<LPARAM>(GetSafeHwnd()));
      }
      return 0;
    default: return CComboBox::WindowProc(message, wParam, lParam);
  }
}

BOOL CSelectCombo::OnChildNotify(UINT nCode) {
  switch (nCode) {
    case CBN_DROPDOWN:
      m_bDropped = TRUE;
      m_edit.m_bDropped = TRUE;
      if (m_pEditWnd) m_edit.HideCaret();
      return FALSE;
    case CBN_CLOSEUP:
      m_bDropped = FALSE;
      m_edit.m_bDropped = FALSE;
      if (m_pEditWnd) m_edit.HideCaret();
      PostMessage(WM_SELECTCOMBO_HOME_CARET);
      ReportSelection();
      return FALSE;
    case CBN_SELCHANGE:
      // Moving through the open list is not a choice yet.
      return m_bDropped ? TRUE : FALSE;
    default: return FALSE;
  }
}

HBRUSH CSelectCombo::CtlColor(CDC* pDC, UINT) {
  if (m_bError) {
    pDC->SetBkColor(kInvalidColor);
    return &m_brError;
  }
  if (IsWindowEnabled()) {
    pDC->SetBkColor(kNormalColor);
    return &m_brNormal;
  }
  return nullptr;
}

BOOL CSelectCombo::OnMouseDown(UINT, CPoint point, BOOL) {
  if (!m_bSelectOnly) return TRUE;
  SetFocus();
  CRect client;
  GetClientRect(&client);
  if (point.x < client.Width() - kArrowWidth) {
    PostMessage(WM_SELECTCOMBO_OPEN);
    return FALSE;
  }
  return TRUE;
}

BOOL CSelectCombo::OnKeyDown(UINT nVirtKey) {
  if (!m_bSelectOnly) return TRUE;
  if (nVirtKey == VK_RETURN && m_bDropped) {
    PostMessage(WM_SELECTCOMBO_CLOSE);
    return FALSE;
  }
  return PassesKey(nVirtKey) ? TRUE : FALSE;
}

BOOL CSelectCombo::OnChar(UINT nChar) {
  if (!m_bSelectOnly) return TRUE;
  return nChar < 0x20 ? TRUE : FALSE;
}

void CSelectCombo::OnSetFocus() {
  if (m_pEditWnd) m_edit.HideCaret();
}

void CSelectCombo::OnEnable(BOOL) {
  UpdateListColors();
  Invalidate();
}
