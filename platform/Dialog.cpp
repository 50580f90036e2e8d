#include "Dialog.h"

#include "DialogTemplate.h"
#include "ModalSeam.h"
#include "Widgets.h"
#include "WndPrivate.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include <cmath>

using namespace kt::detail;
namespace res = kt::res;

struct DialogAccess {
  static bool HandleKey(CDialog* d, UINT vk) { return d->HandleDialogKey(vk); }
  static bool Ended(const CDialog* d) { return d->m_bEnded; }
};

namespace {

CDialog* DialogOf(QWidget* w) { return dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w)); }

UINT DialogKey(const QKeyEvent* ev) {
  switch (ev->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    default: return 0;
  }
}

int MulDiv(int a, int b, int c) { return static_cast<int>(std::lround(static_cast<double>(a) * b / c)); }

}  // namespace

// ---------------------------------------------------------------------------
// Dialog widgets

namespace kt::detail {

KtDialog::KtDialog(QWidget* parent) : QDialog(parent) { setProperty(kPropDialog, true); }

void KtDialog::keyPressEvent(QKeyEvent* ev) {
  UINT vk = ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ? 0 : DialogKey(ev);
  CDialog* d = DialogOf(this);
  if (vk && d) {
    DialogAccess::HandleKey(d, vk);
    ev->accept();
    return;
  }
  QWidget::keyPressEvent(ev);  // not QDialog's: Escape must not reject behind our back
}

void KtDialog::closeEvent(QCloseEvent* ev) {
  CDialog* d = DialogOf(this);
  if (!d) {
    QDialog::closeEvent(ev);
    return;
  }
  // The close box is Cancel.
  if (!DialogAccess::Ended(d)) d->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  if (DialogAccess::Ended(d)) {
    ev->accept();
  } else {
    ev->ignore();
  }
}

namespace {

// Modal dialogs and child dialogs paint and offer context menus alike.
void PaintDialogWidget(QWidget* w) {
  QPainter painter(w);
  PaintScope scope(w, &painter);
  if (CWnd* d = CWnd::FromHandlePermanent(w)) d->OnPaint();
}

bool ContextMenuOfDialogWidget(QWidget* w, QContextMenuEvent* ev) {
  CWnd* d = CWnd::FromHandlePermanent(w);
  if (d) d->OnContextMenu(d, CPoint(ev->globalPos().x(), ev->globalPos().y()));
  return d != nullptr;
}

}  // namespace

void KtDialog::paintEvent(QPaintEvent*) { PaintDialogWidget(this); }

void KtDialog::contextMenuEvent(QContextMenuEvent* ev) { ContextMenuOfDialogWidget(this, ev); }

KtPage::KtPage(QWidget* parent) : QWidget(parent) {
  setProperty(kPropDialog, true);
  setAutoFillBackground(true);
}

void KtPage::keyPressEvent(QKeyEvent* ev) {
  UINT vk = ev->modifiers() & (Qt::ControlModifier | Qt::AltModifier) ? 0 : DialogKey(ev);
  CDialog* d = DialogOf(this);
  if (vk && d) {
    // Enter and Escape inside a child dialog go to it, and stop there.
    DialogAccess::HandleKey(d, vk);
    ev->accept();
    return;
  }
  QWidget::keyPressEvent(ev);
}

void KtPage::paintEvent(QPaintEvent*) { PaintDialogWidget(this); }

void KtPage::contextMenuEvent(QContextMenuEvent* ev) {
  if (!ContextMenuOfDialogWidget(this, ev)) ev->ignore();
}

}  // namespace kt::detail

// ---------------------------------------------------------------------------
// Fonts and dialog units

namespace kt {

QFont DialogFont(const char*, int pointSize) {
  // The Windows faces ("MS Shell Dlg", "MS UI Gothic") do not exist here;
  // one sans face stands in for all of them so that layouts stay stable.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(pointSize > 0 ? pointSize : 8);
  return font;
}

CSize DialogBaseUnits(const QFont& font) {
  QFontMetrics fm(font);
  int width = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return CSize{(width / 26 + 1) / 2, fm.height()};
}

CRect MapDialogRect(const QFont& font, const CRect& rect) {
  CSize base = DialogBaseUnits(font);
  return CRect(MulDiv(rect.left, base.cx, 4), MulDiv(rect.top, base.cy, 8), MulDiv(rect.right, base.cx, 4),
               MulDiv(rect.bottom, base.cy, 8));
}

}  // namespace kt

// ---------------------------------------------------------------------------
// Building a template

namespace {

Qt::Alignment TextAlignment(std::uint32_t style) {
  if (style & res::ES_CENTER) return Qt::AlignHCenter;
  if (style & res::ES_RIGHT) return Qt::AlignRight;
  return Qt::AlignLeft;
}

QWidget* MakeControl(const res::ControlTemplate& c, QWidget* host, bool inChild, const QRect& geom) {
  const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
  switch (c.kind) {
    case res::Kind::PushButton:
    case res::Kind::DefPushButton: {
      auto* b = new QPushButton(caption, host);
      // Inside a child dialog Enter must reach the dialog, not click the
      // focused button.
      b->setAutoDefault(!inChild);
      if (c.kind == res::Kind::DefPushButton) {
        b->setProperty(kPropDefault, true);
        if (!inChild) b->setDefault(true);
      }
      b->setMouseTracking(true);
      QObject::connect(b, &QAbstractButton::clicked, b, [b] { NotifyCommand(b, BN_CLICKED); });
      return b;
    }
    case res::Kind::CheckBox: {
      auto* b = new QCheckBox(caption, host);
      QObject::connect(b, &QAbstractButton::clicked, b, [b] { NotifyCommand(b, BN_CLICKED); });
      return b;
    }
    case res::Kind::RadioButton: {
      auto* b = new QRadioButton(caption, host);
      b->setAutoExclusive(false);
      QObject::connect(b, &QAbstractButton::clicked, b, [b] { NotifyCommand(b, BN_CLICKED); });
      return b;
    }
    case res::Kind::GroupBox: {
      auto* g = new QGroupBox(caption, host);
      g->setAttribute(Qt::WA_TransparentForMouseEvents);
      return g;
    }
    case res::Kind::Static: {
      auto* l = new QLabel(caption, host);
      l->setTextFormat(Qt::PlainText);
      l->setWordWrap(true);
      l->setAlignment(TextAlignment(c.style) | Qt::AlignTop);
      l->setAttribute(Qt::WA_TransparentForMouseEvents);
      return l;
    }
    case res::Kind::Frame: {
      auto* f = new QFrame(host);
      f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      f->setAttribute(Qt::WA_TransparentForMouseEvents);
      return f;
    }
    case res::Kind::Edit: {
      if (c.style & res::ES_MULTILINE) {
        auto* e = new QPlainTextEdit(host);
        e->setReadOnly(c.style & res::ES_READONLY);
        e->setLineWrapMode((c.style & res::ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        e->setVerticalScrollBarPolicy((c.style & res::WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        e->setHorizontalScrollBarPolicy((c.style & res::WS_HSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
        e->setTabChangesFocus(true);
        if (!(c.style & res::ES_WANTRETURN)) e->setProperty("kt_no_return", true);
        if (caption.size()) e->setPlainText(caption);
        QObject::connect(e, &QPlainTextEdit::textChanged, e, [e] { NotifyTextChanged(e); });
        return e;
      }
      auto* e = new QLineEdit(caption, host);
      e->setReadOnly(c.style & res::ES_READONLY);
      e->setAlignment(TextAlignment(c.style) | Qt::AlignVCenter);
      QObject::connect(e, &QLineEdit::textChanged, e, [e] { NotifyTextChanged(e); });
      return e;
    }
    case res::Kind::ComboDropDown:
    case res::Kind::ComboDropList: {
      auto* cb = new KtComboBox(host);
      if (c.kind == res::Kind::ComboDropDown) {
        cb->setEditable(true);
        cb->setInsertPolicy(QComboBox::NoInsert);
        cb->setCompleter(nullptr);
        SetWidgetPointer(cb->lineEdit(), kPropColorOwner, cb);
        HookWidget(cb->lineEdit());
      }
      int itemHeight = std::max(1, QFontMetrics(host->font()).height() + 4);
      cb->setMaxVisibleItems(std::max(1, (geom.height() - cb->sizeHint().height()) / itemHeight));
      QObject::connect(cb, &QComboBox::currentIndexChanged, cb, [cb] { NotifyCommand(cb, CBN_SELCHANGE); });
      return cb;
    }
    case res::Kind::ListBox:
    case res::Kind::CheckListBox: {
      auto* l = new KtListBox(host);
      l->setSelectionMode(QAbstractItemView::SingleSelection);
      l->setEditTriggers(QAbstractItemView::NoEditTriggers);
      if (c.kind == res::Kind::CheckListBox) l->setProperty("kt_checklist", true);
      QObject::connect(l, &QListWidget::itemSelectionChanged, l, [l] { NotifyCommand(l, LBN_SELCHANGE); });
      return l;
    }
    case res::Kind::ListView: {
      auto* v = new KtListView(host);
      v->setSelectionMode((c.style & res::LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                         : QAbstractItemView::ExtendedSelection);
      return v;
    }
    case res::Kind::Tab: {
      auto* t = new KtTabCtrl(host);
      QObject::connect(t->Bar(), &QTabBar::currentChanged, t, [t] {
        if (IsQuiet(t)) return;
        NMHDR hdr;
        hdr.code = TCN_SELCHANGE;
        NotifyNotify(t, &hdr);
      });
      return t;
    }
    case res::Kind::IpAddress: {
      auto* ip = new KtIpAddress(host);
      for (int i = 0; i < 4; ++i) {
        QLineEdit* f = ip->Field(i);
        SetWidgetPointer(f, kPropColorOwner, ip);
        HookWidget(f);
        QObject::connect(f, &QLineEdit::textChanged, ip, [ip] { NotifyCommand(ip, EN_CHANGE); });
      }
      return ip;
    }
  }
  return new QWidget(host);
}

}  // namespace

void CDialog::Build(const res::DialogTemplate& t, QWidget* host, bool child) {
  QFont font = kt::DialogFont(t.font, t.pointSize);
  host->setFont(font);
  CRect size = kt::MapDialogRect(font, CRect(0, 0, t.cx, t.cy));
  if (child) {
    host->resize(size.Width(), size.Height());
  } else {
    host->setFixedSize(size.Width(), size.Height());
    host->setWindowTitle(QString::fromUtf8(t.caption ? t.caption : ""));
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (t.style & res::WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (t.style & res::WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
    host->setWindowFlags(flags);
  }

  QButtonGroup* group = nullptr;
  bool prevRadio = false;
  QWidget* prevFocus = nullptr;
  std::vector<QWidget*> backgrounds;
  for (const res::ControlTemplate& c : t.controls) {
    CRect r = kt::MapDialogRect(font, CRect(c.x, c.y, c.x + c.cx, c.y + c.cy));
    QRect geom(r.left, r.top, r.Width(), r.Height());
    QWidget* w = MakeControl(c, host, child, geom);
    if (c.kind == res::Kind::ComboDropDown || c.kind == res::Kind::ComboDropList) {
      geom.setHeight(w->sizeHint().height());  // the template's height is the dropped list's
    }
    w->setGeometry(geom);
    w->setProperty(kPropId, c.id);
    w->setProperty(kPropKind, static_cast<int>(c.kind) + 1);
    HookWidget(w);

    if (c.kind == res::Kind::RadioButton) {
      if (!prevRadio || (c.style & res::WS_GROUP) || !group) {
        group = new QButtonGroup(host);
        group->setExclusive(true);
      }
      group->addButton(static_cast<QRadioButton*>(w));
      prevRadio = true;
    } else {
      prevRadio = false;
    }

    switch (c.kind) {
      case res::Kind::GroupBox:
      case res::Kind::Frame: backgrounds.push_back(w); [[fallthrough]];
      case res::Kind::Static: w->setFocusPolicy(Qt::NoFocus); break;
      case res::Kind::IpAddress:
        w->setFocusPolicy((c.style & res::WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        break;
      default: w->setFocusPolicy((c.style & res::WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus); break;
    }
    if (w->focusPolicy() & Qt::TabFocus) {
      if (prevFocus) QWidget::setTabOrder(prevFocus, w);
      prevFocus = w;
    }
    if (c.style & res::WS_DISABLED) w->setEnabled(false);
    // Explicitly hidden, so that showing the dialog does not show it.
    if (!(c.style & res::WS_VISIBLE)) w->hide();
  }
  // Frames lie under the controls they surround, as on Windows.
  for (QWidget* w : backgrounds) w->lower();
}

// ---------------------------------------------------------------------------
// CDialog

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() { DestroyWidgets(); }

void CDialog::DestroyWidgets() {
  // Unbind first: the widgets must not call back into this object while
  // they are torn down.
  QWidget* w = UnsubclassWindow();
  delete w;
}

INT_PTR CDialog::DoModal() {
  const res::DialogTemplate* t = res::FindDialogTemplate(static_cast<int>(m_nIDTemplate));
  if (!t) Fatal(QStringLiteral("no dialog template %1").arg(m_nIDTemplate));
  if (m_hWnd) Fatal(QStringLiteral("dialog %1 already has a window").arg(m_nIDTemplate));

  QWidget* owner = nullptr;
  if (m_pParentWnd && m_pParentWnd->GetSafeHwnd()) {
    owner = m_pParentWnd->GetSafeHwnd()->window();
  } else {
    owner = QApplication::activeWindow();
  }
  QPointer<QWidget> prevActive = QApplication::activeWindow();
  auto* dlg = new KtDialog(owner);
  SubclassWindow(dlg);
  m_bModal = true;
  m_bEnded = false;
  m_nModalResult = -1;
  Build(*t, dlg, false);
  if (!owner && (t->style & res::DS_CENTER)) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
      QRect avail = screen->availableGeometry();
      dlg->move(avail.center() - QPoint(dlg->width() / 2, dlg->height() / 2));
    }
  }

  BOOL focusFirst = OnInitDialog();
  if (!m_bEnded) {
    if (kt::ModalHandler* handler = kt::GetModalHandler()) {
      // A test's handler gets the initialised dialog, shown, to fill and end;
      // modal as exec() makes it, so that whatever asks which window is
      // modal (held input, say) finds it.
      dlg->setWindowModality(Qt::ApplicationModal);
      dlg->show();
      kt::detail::ActivateWindow(dlg);
      if (focusFirst) FocusFirstControl();
      handler->OnDialog(*this);
      if (!m_bEnded) EndDialog(IDCANCEL);
    } else {
      kt::detail::RequireInteractive(QStringLiteral("dialog %1 \"%2\"").arg(m_nIDTemplate).arg(t->caption));
      if (focusFirst) FocusFirstControl();
      dlg->exec();
      if (!m_bEnded) {
        m_bEnded = true;
        m_nModalResult = IDCANCEL;
      }
    }
  }
  INT_PTR result = m_nModalResult;
  m_bModal = false;
  DestroyWidgets();
  if (prevActive) kt::detail::ActivateWindow(prevActive);
  return result;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  const res::DialogTemplate* t = res::FindDialogTemplate(static_cast<int>(nIDTemplate));
  if (!t) Fatal(QStringLiteral("no dialog template %1").arg(nIDTemplate));
  if (m_hWnd) Fatal(QStringLiteral("dialog %1 already has a window").arg(nIDTemplate));
  m_nIDTemplate = nIDTemplate;
  m_pParentWnd = pParentWnd;
  QWidget* parent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
  auto* page = new KtPage(parent);
  SubclassWindow(page);
  m_bModal = false;
  m_bEnded = false;
  Build(*t, page, true);
  if (!(t->style & res::WS_VISIBLE)) page->hide();
  OnInitDialog();
  if (t->style & res::WS_VISIBLE) page->show();
  return TRUE;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bEnded = true;
  if (!m_hWnd) return;
  if (auto* dlg = qobject_cast<QDialog*>(m_hWnd.data())) {
    dlg->done(nResult);  // ends exec(), or hides a dialog that a test drives
  } else {
    m_hWnd->hide();
  }
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::MapDialogRect(CRect* rect) const {
  if (!rect || !m_hWnd) return;
  *rect = kt::MapDialogRect(m_hWnd->font(), *rect);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam) {
  if (CWnd::OnCommand(wParam, lParam)) return TRUE;
  if (HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDOK) {
      OnOK();
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      OnCancel();
      return TRUE;
    }
  }
  return FALSE;
}

bool CDialog::HandleDialogKey(UINT vk) {
  if (vk == VK_ESCAPE) {
    SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return true;
  }
  if (vk != VK_RETURN || !m_hWnd) return false;
  int id = IDOK;
  for (QObject* o : m_hWnd->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->property(kPropDefault).toBool()) {
      if (!w->isEnabled()) return true;  // a disabled default button: nothing happens
      id = ControlId(w);
      break;
    }
  }
  SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED), 0);
  return true;
}

void CDialog::FocusFirstControl() {
  if (!m_hWnd) return;
  for (QWidget* next = m_hWnd->nextInFocusChain(); next && next != m_hWnd; next = next->nextInFocusChain()) {
    if (m_hWnd->isAncestorOf(next) && next->isEnabled() && next->isVisibleTo(m_hWnd) &&
        (next->focusPolicy() & Qt::TabFocus)) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
  if (rControl.GetSafeHwnd()) return;  // bound by an earlier exchange
  QWidget* dlg = pDX && pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetSafeHwnd() : nullptr;
  QWidget* item = nullptr;
  if (dlg) {
    for (QObject* o : dlg->children()) {
      auto* w = qobject_cast<QWidget*>(o);
      if (w && w->property(kPropId).isValid() && w->property(kPropId).toInt() == nIDC) {
        item = w;
        break;
      }
    }
  }
  if (!item) {
    auto* d = pDX ? dynamic_cast<CDialog*>(pDX->m_pDlgWnd) : nullptr;
    Fatal(QStringLiteral("DDX_Control: dialog template %1 has no control with id %2")
              .arg(d ? static_cast<int>(d->GetTemplateId()) : 0)
              .arg(nIDC));
  }
  rControl.SubclassWindow(item);
}
