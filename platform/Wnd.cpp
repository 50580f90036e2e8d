#include "Wnd.h"

#include "WaitLoop.h"
#include "WndPrivate.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <cstdio>
#include <cstdlib>

namespace kt::detail {

void Fatal(const QString& message) {
  std::fprintf(stderr, "KT2057CFG: fatal: %s\n", message.toUtf8().constData());
  std::fflush(stderr);
  std::abort();
}

int ControlId(const QWidget* w) {
  QVariant v = w ? w->property(kPropId) : QVariant();
  return v.isValid() ? v.toInt() : 0;
}

int ControlKind(const QWidget* w) {
  QVariant v = w ? w->property(kPropKind) : QVariant();
  return v.isValid() ? v.toInt() - 1 : -1;
}

void SetWidgetPointer(QWidget* w, const char* prop, QWidget* value) {
  w->setProperty(prop, QVariant::fromValue(reinterpret_cast<quintptr>(value)));
}

QWidget* WidgetPointer(const QWidget* w, const char* prop) {
  QVariant v = w ? w->property(prop) : QVariant();
  return v.isValid() ? reinterpret_cast<QWidget*>(v.value<quintptr>()) : nullptr;
}

QuietScope::QuietScope(QWidget* w) : m_w(w) {
  if (m_w) m_w->setProperty(kPropQuiet, m_w->property(kPropQuiet).toInt() + 1);
}

QuietScope::~QuietScope() {
  if (m_w) m_w->setProperty(kPropQuiet, m_w->property(kPropQuiet).toInt() - 1);
}

bool IsQuiet(const QWidget* w) { return w && w->property(kPropQuiet).toInt() > 0; }

void NotifyCommand(QWidget* control, UINT code) {
  if (!control || IsQuiet(control)) return;
  QPointer<QWidget> guard(control);
  if (CWnd* self = CWnd::FromHandlePermanent(control)) {
    if (self->OnChildNotify(code)) return;
  }
  if (!guard) return;
  CWnd* parent = CWnd::FromHandlePermanent(control->parentWidget());
  if (!parent) return;
  parent->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(ControlId(control)), code),
                      reinterpret_cast<LPARAM>(control));
}

void NotifyNotify(QWidget* control, NMHDR* hdr) {
  if (!control || IsQuiet(control)) return;
  QPointer<QWidget> guard(control);
  hdr->hwndFrom = control;
  hdr->idFrom = static_cast<UINT_PTR>(ControlId(control));
  if (CWnd* self = CWnd::FromHandlePermanent(control)) {
    if (self->OnChildNotify(hdr->code)) return;
  }
  if (!guard) return;
  CWnd* parent = CWnd::FromHandlePermanent(control->parentWidget());
  if (!parent) return;
  LRESULT result = 0;
  parent->OnNotify(hdr->idFrom, reinterpret_cast<LPARAM>(hdr), &result);
}

void NotifyTextChanged(QWidget* edit) {
  // Text changes notify even when made by code, as an edit control does.
  QPointer<QWidget> guard(edit);
  int quiet = edit->property(kPropQuiet).toInt();
  edit->setProperty(kPropQuiet, 0);
  NotifyCommand(edit, EN_UPDATE);
  if (guard) NotifyCommand(edit, EN_CHANGE);
  if (guard) edit->setProperty(kPropQuiet, quiet);
}

namespace {

QString ToEditText(const QString& plain) {
  QString s = plain;
  s.replace(QLatin1String("\n"), QLatin1String("\r\n"));
  return s;
}

QString FromEditText(const QString& text) {
  QString s = text;
  s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  return s;
}

}  // namespace

void SetWidgetText(QWidget* w, const QString& text) {
  if (!w) return;
  if (auto* le = qobject_cast<QLineEdit*>(w)) {
    // An edit puts its caret at the start before anyone hears of the change,
    // and the change is heard even when the text stays the same.
    {
      const QSignalBlocker block(le);
      le->setText(text);
      le->setCursorPosition(0);
    }
    emit le->textChanged(le->text());
  } else if (auto* te = qobject_cast<QPlainTextEdit*>(w)) {
    {
      const QSignalBlocker block(te);
      te->setPlainText(FromEditText(text));
    }
    emit te->textChanged();
  } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
    if (cb->lineEdit()) cb->lineEdit()->setText(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
    g->setTitle(text);
  } else if (w->property(kPropDialog).toBool() || w->isWindow()) {
    w->setWindowTitle(text);
  } else {
    w->setProperty("kt_text", text);
  }
}

QString GetWidgetText(const QWidget* w) {
  if (!w) return {};
  if (auto* le = qobject_cast<const QLineEdit*>(w)) return le->text();
  if (auto* te = qobject_cast<const QPlainTextEdit*>(w)) return ToEditText(te->toPlainText());
  if (auto* cb = qobject_cast<const QComboBox*>(w)) return cb->currentText();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (w->property(kPropDialog).toBool() || w->isWindow()) return w->windowTitle();
  return w->property("kt_text").toString();
}

namespace {
QHash<const QWidget*, QPainter*>& Painters() {
  static QHash<const QWidget*, QPainter*> map;
  return map;
}
}  // namespace

PaintScope::PaintScope(QWidget* w, QPainter* p) : m_w(w), m_prev(Painters().value(w, nullptr)) {
  Painters().insert(w, p);
}

PaintScope::~PaintScope() {
  if (m_prev) {
    Painters().insert(m_w, m_prev);
  } else {
    Painters().remove(m_w);
  }
}

QPainter* CurrentPainter(const QWidget* w) { return Painters().value(w, nullptr); }

void SetButtonChecked(QAbstractButton* b, bool checked) {
  if (b->isChecked() == checked) return;
  QButtonGroup* group = b->group();
  if (group && group->exclusive() && !checked) {
    // An exclusive group refuses to uncheck its checked button; a radio
    // button cleared by code is simply cleared.
    group->setExclusive(false);
    b->setChecked(false);
    group->setExclusive(true);
  } else {
    b->setChecked(checked);
  }
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF FromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

namespace {

UINT ToVirtualKey(int key) {
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_End: return VK_END;
    case Qt::Key_Home: return VK_HOME;
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Delete: return VK_DELETE;
    default:
      if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<UINT>(key);
      if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<UINT>(key);
      return 0;
  }
}

UINT ToMouseButton(Qt::MouseButton b) {
  switch (b) {
    case Qt::LeftButton: return MK_LBUTTON;
    case Qt::RightButton: return MK_RBUTTON;
    case Qt::MiddleButton: return MK_MBUTTON;
    default: return 0;
  }
}

// The widget whose CWnd gets the input hooks of w (a list's viewport hands
// its input to the list).
QWidget* InputWidget(QWidget* w) {
  if (QWidget* owner = WidgetPointer(w, kPropInputOwner)) return owner;
  return w;
}

void ApplyColors(QWidget* painted) {
  QWidget* target = painted;  // the widget whose palette we set
  if (auto* view = qobject_cast<QAbstractScrollArea*>(painted->parentWidget()); view && view->viewport() == painted) {
    target = view;
  }
  bool editLike = qobject_cast<QLineEdit*>(target) || qobject_cast<QPlainTextEdit*>(target);
  if (!editLike) return;
  QWidget* owner = WidgetPointer(target, kPropColorOwner);
  if (!owner) owner = target;
  CWnd* wnd = CWnd::FromHandlePermanent(owner);
  if (!wnd) return;
  bool readOnly = false;
  if (auto* le = qobject_cast<QLineEdit*>(target)) readOnly = le->isReadOnly();
  if (auto* te = qobject_cast<QPlainTextEdit*>(target)) readOnly = te->isReadOnly();
  UINT code = (readOnly || !target->isEnabled()) ? CTLCOLOR_STATIC : CTLCOLOR_EDIT;
  CDC dc;
  HBRUSH brush = wnd->CtlColor(&dc, code);
  if (brush && brush->IsValid()) {
    QColor want = ToQColor(brush->GetColor());
    QPalette pal = target->palette();
    bool change = !target->property(kPropColored).toBool() || pal.color(QPalette::Base) != want;
    QColor text = dc.HasTextColor() ? ToQColor(dc.GetTextColor()) : QColor();
    if (text.isValid() && pal.color(QPalette::Text) != text) change = true;
    if (change) {
      pal.setColor(QPalette::Base, want);
      if (text.isValid()) pal.setColor(QPalette::Text, text);
      target->setPalette(pal);
      target->setProperty(kPropColored, true);
    }
  } else if (target->property(kPropColored).toBool()) {
    target->setPalette(QPalette());
    target->setProperty(kPropColored, false);
  }
}

class HookFilter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    auto* w = qobject_cast<QWidget*>(obj);
    if (!w) return false;
    if (ev->type() == QEvent::Paint) {
      ApplyColors(w);
      return false;
    }
    QWidget* inputWidget = InputWidget(w);
    if (ev->type() == QEvent::KeyPress && inputWidget->property("kt_no_return").toBool()) {
      // A multi-line edit without "want return": Enter belongs to its dialog.
      auto* ke = static_cast<QKeyEvent*>(ev);
      if ((ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) && inputWidget->parentWidget()) {
        QKeyEvent copy(ke->type(), ke->key(), ke->modifiers(), ke->text());
        QApplication::sendEvent(inputWidget->parentWidget(), &copy);
        return true;
      }
    }
    CWnd* wnd = CWnd::FromHandlePermanent(inputWidget);
    switch (ev->type()) {
      case QEvent::ContextMenu: {
        if (auto* le = qobject_cast<QLineEdit*>(w)) {
          auto* ce = static_cast<QContextMenuEvent*>(ev);
          RunStandardContextMenu(le, le->createStandardContextMenu(), ce->globalPos(), wnd);
          return true;
        }
        if (auto* te = qobject_cast<QPlainTextEdit*>(inputWidget)) {
          auto* ce = static_cast<QContextMenuEvent*>(ev);
          RunStandardContextMenu(te, te->createStandardContextMenu(), ce->globalPos(), wnd);
          return true;
        }
        return false;
      }
      default: break;
    }
    if (!wnd) return false;
    QPointer<QWidget> alive(w);
    switch (ev->type()) {
      case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(ev);
        if (!wnd->OnKeyDown(ToVirtualKey(ke->key()))) return true;
        if (!alive) return true;
        if (ke->matches(QKeySequence::Paste)) return !wnd->OnPaste();
        if (ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
        for (QChar ch : ke->text()) {
          if (!wnd->OnChar(ch.unicode())) return true;
          if (!alive) return true;
        }
        return false;
      }
      case QEvent::KeyRelease: {
        auto* ke = static_cast<QKeyEvent*>(ev);
        if (!ke->isAutoRepeat()) wnd->OnKeyUp(ToVirtualKey(ke->key()));
        return false;
      }
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick: {
        auto* me = static_cast<QMouseEvent*>(ev);
        QPoint p = w->mapTo(inputWidget->window(), me->position().toPoint());
        p = inputWidget->mapFrom(inputWidget->window(), p);
        return !wnd->OnMouseDown(ToMouseButton(me->button()), CPoint(p.x(), p.y()),
                                 ev->type() == QEvent::MouseButtonDblClick);
      }
      case QEvent::MouseButtonRelease: {
        auto* me = static_cast<QMouseEvent*>(ev);
        QPoint p = w->mapTo(inputWidget->window(), me->position().toPoint());
        p = inputWidget->mapFrom(inputWidget->window(), p);
        wnd->OnMouseUp(ToMouseButton(me->button()), CPoint(p.x(), p.y()));
        return false;
      }
      case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(ev);
        QPoint p = w->mapTo(inputWidget->window(), me->position().toPoint());
        p = inputWidget->mapFrom(inputWidget->window(), p);
        wnd->OnMouseMove(CPoint(p.x(), p.y()));
        return false;
      }
      case QEvent::Leave: wnd->OnMouseLeave(); return false;
      case QEvent::FocusIn: wnd->OnSetFocus(); return false;
      case QEvent::FocusOut: wnd->OnKillFocus(); return false;
      case QEvent::EnabledChange:
        if (w == inputWidget) wnd->OnEnable(w->isEnabled() ? TRUE : FALSE);
        return false;
      default: return false;
    }
  }
};

HookFilter* Hook() {
  static HookFilter* hook = new HookFilter;  // lives as long as the process
  return hook;
}

}  // namespace

void HookWidget(QWidget* w) {
  if (!w || w->property(kPropHooked).toBool()) return;
  w->setProperty(kPropHooked, true);
  w->installEventFilter(Hook());
  if (auto* view = qobject_cast<QAbstractScrollArea*>(w)) {
    QWidget* vp = view->viewport();
    if (!vp->property(kPropHooked).toBool()) {
      vp->setProperty(kPropHooked, true);
      SetWidgetPointer(vp, kPropInputOwner, w);
      vp->installEventFilter(Hook());
    }
  }
}

}  // namespace kt::detail

using namespace kt::detail;

// ---------------------------------------------------------------------------
// CDC

void CDC::FillSolidRect(const CRect& rect, COLORREF color) {
  SetBkColor(color);
  if (m_painter) m_painter->fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
}

void CDC::GradientFill(const CRect& rect, COLORREF from, COLORREF to, BOOL bHorizontal) {
  if (!m_painter) return;
  QRectF r(rect.left, rect.top, rect.Width(), rect.Height());
  QLinearGradient g(r.topLeft(), bHorizontal ? r.topRight() : r.bottomLeft());
  g.setColorAt(0, ToQColor(from));
  g.setColorAt(1, ToQColor(to));
  m_painter->fillRect(r, g);
}

CPaintDC::CPaintDC(CWnd* wnd) : CDC(wnd ? CurrentPainter(wnd->GetSafeHwnd()) : nullptr) {}

// ---------------------------------------------------------------------------
// CWnd

namespace {

class TempHolder : public QObject {
 public:
  explicit TempHolder(QWidget* parent, CWnd* wnd) : QObject(parent), m_wnd(wnd) {}
  std::unique_ptr<CWnd> m_wnd;
};

}  // namespace

CWnd::CWnd() : m_life(std::make_unique<QObject>()) {}

CWnd::~CWnd() {
  if (!m_bTemporary && m_hWnd && FromHandlePermanent(m_hWnd) == this) {
    m_hWnd->setProperty(kPropWnd, QVariant());
  }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  if (!hWnd) return nullptr;
  QVariant v = hWnd->property(kPropWnd);
  if (!v.isValid()) return nullptr;
  return reinterpret_cast<CWnd*>(v.value<quintptr>());
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (!hWnd) return nullptr;
  if (CWnd* p = FromHandlePermanent(hWnd)) return p;
  QVariant v = hWnd->property(kPropTemp);
  if (v.isValid()) return reinterpret_cast<CWnd*>(v.value<quintptr>());
  CWnd* wnd = MakeWrapper(hWnd);
  WndAccess::SetTemporary(*wnd, hWnd);
  new TempHolder(hWnd, wnd);  // deletes the wrapper with the widget
  hWnd->setProperty(kPropTemp, QVariant::fromValue(reinterpret_cast<quintptr>(wnd)));
  return wnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!hWnd) return FALSE;
  if (m_hWnd) Fatal(QStringLiteral("a window object is already attached (control %1)").arg(ControlId(m_hWnd)));
  if (CWnd* other = FromHandlePermanent(hWnd); other && other != this) {
    Fatal(QStringLiteral("control %1 is already bound to another object").arg(ControlId(hWnd)));
  }
  m_hWnd = hWnd;
  hWnd->setProperty(kPropWnd, QVariant::fromValue(reinterpret_cast<quintptr>(this)));
  HookWidget(hWnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(int nID, CWnd* pParent) {
  CWnd* item = pParent ? pParent->GetDlgItem(nID) : nullptr;
  if (!item) Fatal(QStringLiteral("no control with id %1").arg(nID));
  return SubclassWindow(item->GetSafeHwnd());
}

HWND CWnd::UnsubclassWindow() {
  QWidget* w = m_hWnd.data();
  if (w && FromHandlePermanent(w) == this) w->setProperty(kPropWnd, QVariant());
  m_hWnd = nullptr;
  return w;
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  if (!m_hWnd) return FALSE;
  BOOL wasDisabled = IsWindowEnabled() ? FALSE : TRUE;
  m_hWnd->setEnabled(bEnable != FALSE);
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && !m_hWnd->testAttribute(Qt::WA_ForceDisabled) ? TRUE : FALSE; }

BOOL CWnd::ShowWindow(int nCmdShow) {
  if (!m_hWnd) return FALSE;
  BOOL was = m_hWnd->isHidden() ? FALSE : TRUE;
  m_hWnd->setVisible(nCmdShow != SW_HIDE);
  return was;
}

BOOL CWnd::IsWindowVisible() const { return m_hWnd && m_hWnd->isVisible() ? TRUE : FALSE; }

void CWnd::SetWindowText(const QString& text) { SetWidgetText(m_hWnd, text); }

QString CWnd::GetWindowText() const { return GetWidgetText(m_hWnd); }

CWnd* CWnd::SetFocus() {
  CWnd* prev = GetFocus();
  if (!m_hWnd) return prev;
  QWidget* target = m_hWnd;
  if (target->focusPolicy() == Qt::NoFocus && !target->focusProxy()) {
    // A dialog passes the focus on to its first control that takes it.
    for (QWidget* next = target->nextInFocusChain(); next && next != target; next = next->nextInFocusChain()) {
      if (target->isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(target) &&
          (next->focusPolicy() & Qt::TabFocus)) {
        target = next;
        break;
      }
    }
  }
  target->setFocus(Qt::OtherFocusReason);
  return prev;
}

CWnd* CWnd::GetFocus() {
  QWidget* f = QApplication::focusWidget();
  while (f) {
    if (FromHandlePermanent(f) || f->property(kPropId).isValid() || f->property(kPropDialog).toBool()) {
      return FromHandle(f);
    }
    f = f->parentWidget();
  }
  return nullptr;
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  if (!m_hWnd) return;
  m_hWnd->setGeometry(x, y, nWidth, nHeight);
  if (bRepaint) Invalidate();
}

void CWnd::MoveWindow(const CRect& rect, BOOL bRepaint) {
  MoveWindow(rect.left, rect.top, rect.Width(), rect.Height(), bRepaint);
}

void CWnd::GetWindowRect(CRect* rect) const {
  if (!rect) return;
  if (!m_hWnd) {
    *rect = CRect();
    return;
  }
  QPoint tl = m_hWnd->mapToGlobal(QPoint(0, 0));
  *rect = CRect(tl.x(), tl.y(), tl.x() + m_hWnd->width(), tl.y() + m_hWnd->height());
}

void CWnd::GetClientRect(CRect* rect) const {
  if (!rect) return;
  *rect = m_hWnd ? CRect(0, 0, m_hWnd->width(), m_hWnd->height()) : CRect();
}

void CWnd::ScreenToClient(CPoint* point) const {
  if (!point || !m_hWnd) return;
  QPoint p = m_hWnd->mapFromGlobal(QPoint(point->x, point->y));
  *point = CPoint(p.x(), p.y());
}

void CWnd::ScreenToClient(CRect* rect) const {
  if (!rect || !m_hWnd) return;
  QPoint p = m_hWnd->mapFromGlobal(QPoint(rect->left, rect->top));
  rect->OffsetRect(p.x() - rect->left, p.y() - rect->top);
}

void CWnd::ClientToScreen(CPoint* point) const {
  if (!point || !m_hWnd) return;
  QPoint p = m_hWnd->mapToGlobal(QPoint(point->x, point->y));
  *point = CPoint(p.x(), p.y());
}

void CWnd::ClientToScreen(CRect* rect) const {
  if (!rect || !m_hWnd) return;
  QPoint p = m_hWnd->mapToGlobal(QPoint(rect->left, rect->top));
  rect->OffsetRect(p.x() - rect->left, p.y() - rect->top);
}

void CWnd::Invalidate(BOOL) {
  if (!m_hWnd) return;
  m_hWnd->update();
  for (QWidget* child : m_hWnd->findChildren<QWidget*>()) child->update();
}

void CWnd::UpdateWindow() {
  if (m_hWnd && m_hWnd->isVisible()) m_hWnd->repaint();
}

void CWnd::SetRedraw(BOOL bRedraw) {
  if (m_hWnd) m_hWnd->setUpdatesEnabled(bRedraw != FALSE);
}

CWnd* CWnd::GetParent() const { return m_hWnd ? FromHandle(m_hWnd->parentWidget()) : nullptr; }

int CWnd::GetDlgCtrlID() const { return ControlId(m_hWnd); }

CWnd* CWnd::GetDlgItem(int nID) const {
  if (!m_hWnd) return nullptr;
  for (QObject* o : m_hWnd->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->property(kPropId).isValid() && w->property(kPropId).toInt() == nID) return FromHandle(w);
  }
  return nullptr;
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
  if (!m_hWnd || nCmd != GW_CHILD) return nullptr;
  if (auto* cb = qobject_cast<QComboBox*>(m_hWnd.data())) return cb->lineEdit() ? FromHandle(cb->lineEdit()) : nullptr;
  for (QObject* o : m_hWnd->children()) {
    if (auto* w = qobject_cast<QWidget*>(o)) return FromHandle(w);
  }
  return nullptr;
}

void CWnd::SetDlgItemText(int nID, const QString& text) {
  if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(text);
}

QString CWnd::GetDlgItemText(int nID) const {
  CWnd* item = GetDlgItem(nID);
  return item ? item->GetWindowText() : QString();
}

UINT CWnd::IsDlgButtonChecked(int nID) const {
  CWnd* item = GetDlgItem(nID);
  auto* b = item ? qobject_cast<QAbstractButton*>(item->GetSafeHwnd()) : nullptr;
  return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CWnd::CheckDlgButton(int nID, UINT nCheck) {
  CWnd* item = GetDlgItem(nID);
  if (auto* b = item ? qobject_cast<QAbstractButton*>(item->GetSafeHwnd()) : nullptr) {
    SetButtonChecked(b, nCheck != BST_UNCHECKED);
  }
}

void CWnd::CheckRadioButton(int nIDFirst, int nIDLast, int nIDCheck) {
  for (int id = nIDFirst; id <= nIDLast; ++id) {
    if (id != nIDCheck) CheckDlgButton(id, BST_UNCHECKED);
  }
  CheckDlgButton(nIDCheck, BST_CHECKED);
}

void CWnd::SetWindowCursor(UINT idc) {
  if (!m_hWnd) return;
  m_hWnd->setCursor(idc == IDC_IBEAM ? Qt::IBeamCursor : Qt::ArrowCursor);
}

void CWnd::HideCaret() {
  // A read-only line edit draws no caret; nothing more to do.
}

void CWnd::ShowCaret() {}

void CWnd::SetToolTipText(const QString& text) {
  if (m_hWnd) m_hWnd->setToolTip(text);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return WindowProc(message, wParam, lParam); }

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  kt::PostCall(m_life.get(), [this, message, wParam, lParam] { WindowProc(message, wParam, lParam); });
  return TRUE;
}

void CWnd::MapCommand(int nID, UINT nCode, std::function<void()> handler) {
  m_commands[{LOWORD(static_cast<unsigned>(nID)), nCode & 0xFFFF}] = std::move(handler);
}

void CWnd::MapNotify(int nID, UINT nCode, std::function<void(NMHDR*, LRESULT*)> handler) {
  m_notifies[{nID, nCode}] = std::move(handler);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) return OnCommand(wParam, lParam);
  return 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  auto it = m_commands.find({LOWORD(wParam), HIWORD(wParam)});
  if (it == m_commands.end()) return FALSE;
  auto handler = it->second;  // the handler may change the map
  handler();
  return TRUE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  auto* hdr = reinterpret_cast<NMHDR*>(lParam);
  if (!hdr) return FALSE;
  auto it = m_notifies.find({static_cast<int>(hdr->idFrom), hdr->code});
  if (it == m_notifies.end()) return FALSE;
  auto handler = it->second;
  LRESULT dummy = 0;
  handler(hdr, pResult ? pResult : &dummy);
  return TRUE;
}

BOOL CWnd::OnChildNotify(UINT) { return FALSE; }
HBRUSH CWnd::CtlColor(CDC*, UINT) { return nullptr; }
BOOL CWnd::OnChar(UINT) { return TRUE; }
BOOL CWnd::OnKeyDown(UINT) { return TRUE; }
void CWnd::OnKeyUp(UINT) {}
BOOL CWnd::OnPaste() { return TRUE; }
BOOL CWnd::OnMouseDown(UINT, CPoint, BOOL) { return TRUE; }
void CWnd::OnMouseUp(UINT, CPoint) {}
void CWnd::OnMouseMove(CPoint) {}
void CWnd::OnMouseLeave() {}
void CWnd::OnSetFocus() {}
void CWnd::OnKillFocus() {}
void CWnd::OnEnable(BOOL) {}
void CWnd::OnPaint() {}
void CWnd::OnContextMenu(CWnd*, CPoint) {}

void CWnd::OnSysCommand(UINT nID, LPARAM) {
  QWidget* top = m_hWnd ? m_hWnd->window() : nullptr;
  if (!top) return;
  switch (nID & 0xFFF0) {
    case SC_CLOSE: top->close(); break;
    case SC_MINIMIZE: top->showMinimized(); break;
    case SC_MAXIMIZE: top->showMaximized(); break;
    case SC_RESTORE: top->showNormal(); break;
    default: break;
  }
}
