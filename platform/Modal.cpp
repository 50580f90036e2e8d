#include "Modal.h"

#include "App.h"
#include "ModalSeam.h"
#include "Wnd.h"
#include "WndPrivate.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

int AfxMessageBox(const QString& text, UINT nType, UINT) {
  kt::MessageBoxRequest request;
  request.text = text;
  request.caption = AfxGetAppName();
  request.buttons = (nType & MB_TYPEMASK) == MB_OKCANCEL ? MB_OKCANCEL : MB_OK;
  request.icon = nType & MB_ICONMASK;
  // The framework's rule: an OK or OK/Cancel box without an icon warns.
  if (request.icon == 0) request.icon = MB_ICONWARNING;
  return kt::RunMessageBox(request);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
  return AfxMessageBox(LoadString(nIDPrompt), nType, nIDHelp == static_cast<UINT>(-1) ? nIDPrompt : nIDHelp);
}

// ---------------------------------------------------------------------------
// CMenu

BOOL CMenu::CreatePopupMenu() {
  m_items.clear();
  return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const QString& text) {
  m_items.push_back(Item{static_cast<UINT>(nIDNewItem), text, nFlags});
  return TRUE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
  for (Item& item : m_items) {
    if (!(item.flags & MF_SEPARATOR) && item.id == nIDEnableItem) {
      UINT prev = item.flags & (MF_GRAYED | MF_DISABLED);
      item.flags = (item.flags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
      return prev;
    }
  }
  return static_cast<UINT>(-1);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, const CRect*) {
  kt::MenuRequest request;
  request.point = CPoint(x, y);
  request.owner = pWnd;
  for (const Item& item : m_items) {
    kt::MenuItem m;
    m.id = item.id;
    m.text = item.text;
    m.separator = (item.flags & MF_SEPARATOR) != 0;
    m.grayed = (item.flags & (MF_GRAYED | MF_DISABLED)) != 0;
    request.items.push_back(m);
  }
  UINT id = kt::RunMenu(request);
  if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(id);
  if (id != 0 && pWnd) pWnd->SendMessage(WM_COMMAND, id, 0);
  return id != 0 ? TRUE : FALSE;
}

BOOL CMenu::DestroyMenu() {
  m_items.clear();
  return TRUE;
}

namespace kt::detail {

void RunStandardContextMenu(QWidget* w, QMenu* menu, const QPoint& globalPos, CWnd* hookTarget) {
  std::unique_ptr<QMenu> owned(menu);
  QPointer<QWidget> alive(w);
  MenuRequest request;
  request.point = CPoint(globalPos.x(), globalPos.y());
  request.owner = hookTarget;
  std::vector<QAction*> actions;
  for (QAction* a : menu->actions()) {
    MenuItem item;
    item.separator = a->isSeparator();
    item.text = a->text();
    item.grayed = !a->isEnabled();
    actions.push_back(a);
    item.id = static_cast<UINT>(actions.size());
    request.items.push_back(item);
  }
  UINT id = RunMenu(request);
  if (id == 0 || id > actions.size() || !alive) return;
  QAction* chosen = actions[id - 1];
  if (chosen->objectName() == QLatin1String("edit-paste")) {
    if (hookTarget && !hookTarget->OnPaste()) return;
    if (auto* le = qobject_cast<QLineEdit*>(w)) le->paste();
    if (auto* te = qobject_cast<QPlainTextEdit*>(w)) te->paste();
    return;
  }
  chosen->trigger();
}

namespace {

// The value a scroll bar takes when its slider is centred on pos.
int ScrollBarValueAt(QScrollBar* bar, const QPoint& pos) {
  QStyleOptionSlider opt;
  opt.initFrom(bar);
  opt.subControls = QStyle::SC_All;
  opt.orientation = bar->orientation();
  opt.minimum = bar->minimum();
  opt.maximum = bar->maximum();
  opt.sliderPosition = bar->sliderPosition();
  opt.sliderValue = bar->value();
  opt.singleStep = bar->singleStep();
  opt.pageStep = bar->pageStep();
  const bool horizontal = bar->orientation() == Qt::Horizontal;
  opt.upsideDown =
      horizontal ? bar->invertedAppearance() != (bar->layoutDirection() == Qt::RightToLeft) : bar->invertedAppearance();
  QStyle* style = bar->style();
  const QRect groove = style->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarGroove, bar);
  const QRect slider = style->subControlRect(QStyle::CC_ScrollBar, &opt, QStyle::SC_ScrollBarSlider, bar);
  const int length = horizontal ? slider.width() : slider.height();
  const int start = horizontal ? groove.left() : groove.top();
  const int span = (horizontal ? groove.width() : groove.height()) - length;
  const int at = (horizontal ? pos.x() : pos.y()) - start - length / 2;
  return QStyle::sliderValueFromPosition(bar->minimum(), bar->maximum(), at, span, opt.upsideDown);
}

// The menu that a scroll bar offers on the desktop, through the seam.
void RunScrollBarMenu(QScrollBar* bar, const QPoint& pos, const QPoint& globalPos) {
  enum : UINT { kHere = 1, kStart, kEnd, kPageBack, kPageOn, kLineBack, kLineOn };
  const bool horizontal = bar->orientation() == Qt::Horizontal;
  MenuRequest request;
  request.point = CPoint(globalPos.x(), globalPos.y());
  const auto add = [&request](UINT id, const char* text) {
    MenuItem item;
    item.id = id;
    item.text = QString::fromLatin1(text);
    item.separator = id == 0;
    request.items.push_back(item);
  };
  add(kHere, "Scroll Here");
  add(0, "");
  add(kStart, horizontal ? "Left Edge" : "Top");
  add(kEnd, horizontal ? "Right Edge" : "Bottom");
  add(0, "");
  add(kPageBack, horizontal ? "Page Left" : "Page Up");
  add(kPageOn, horizontal ? "Page Right" : "Page Down");
  add(0, "");
  add(kLineBack, horizontal ? "Scroll Left" : "Scroll Up");
  add(kLineOn, horizontal ? "Scroll Right" : "Scroll Down");
  QPointer<QScrollBar> alive(bar);
  const UINT id = RunMenu(request);
  if (!alive) return;
  switch (id) {
    case kHere: bar->setValue(ScrollBarValueAt(bar, pos)); break;
    case kStart: bar->triggerAction(QAbstractSlider::SliderToMinimum); break;
    case kEnd: bar->triggerAction(QAbstractSlider::SliderToMaximum); break;
    case kPageBack: bar->triggerAction(QAbstractSlider::SliderPageStepSub); break;
    case kPageOn: bar->triggerAction(QAbstractSlider::SliderPageStepAdd); break;
    case kLineBack: bar->triggerAction(QAbstractSlider::SliderSingleStepSub); break;
    case kLineOn: bar->triggerAction(QAbstractSlider::SliderSingleStepAdd); break;
    default: break;
  }
}

// Qt's scroll bars run their menu themselves (QMenu::exec), where nothing can
// answer it in a test and it blocks. Every scroll bar of the program passes
// here first, including those that Qt makes for lists, edits and popups.
class ScrollBarMenuFilter : public QObject {
 public:
  bool eventFilter(QObject* obj, QEvent* ev) override {
    if (ev->type() != QEvent::ContextMenu) return false;
    auto* bar = qobject_cast<QScrollBar*>(obj);
    if (!bar) return false;
    auto* ce = static_cast<QContextMenuEvent*>(ev);
    RunScrollBarMenu(bar, ce->pos(), ce->globalPos());
    return true;
  }
};

}  // namespace

void RouteScrollBarMenusThroughSeam() {
  static ScrollBarMenuFilter* filter = new ScrollBarMenuFilter;  // lives as long as the process
  if (qApp) qApp->installEventFilter(filter);
}

}  // namespace kt::detail

// ---------------------------------------------------------------------------
// CFileDialog

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const QString& lpszDefExt, const QString& lpszFileName, DWORD dwFlags,
                         const QString& lpszFilter, CWnd*, DWORD, BOOL)
    : m_open(bOpenFileDialog != FALSE),
      m_defExt(lpszDefExt),
      m_fileName(lpszFileName),
      m_filter(lpszFilter),
      m_flags(dwFlags) {}

INT_PTR CFileDialog::DoModal() {
  kt::FileDialogRequest request;
  request.open = m_open;
  request.defaultExt = m_defExt;
  request.fileName = m_fileName;
  request.filter = m_filter;
  request.flags = m_flags;
  std::optional<QString> path = kt::RunFileDialog(request);
  if (!path || path->isEmpty()) return IDCANCEL;
  m_path = *path;
  // A name typed without an extension gets the default one.
  if (!m_defExt.isEmpty() && !QFileInfo(m_path).fileName().contains(QLatin1Char('.'))) {
    m_path += QLatin1Char('.') + m_defExt;
  }
  return IDOK;
}

QString CFileDialog::GetFileName() const { return QFileInfo(m_path).fileName(); }

// ---------------------------------------------------------------------------
// CColorDialog

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd*)
    : m_color(clrInit), m_flags(dwFlags | (clrInit != 0 ? CC_RGBINIT : 0)) {}

INT_PTR CColorDialog::DoModal() {
  kt::ColorDialogRequest request;
  request.initial = m_color;
  request.flags = m_flags;
  std::optional<COLORREF> c = kt::RunColorDialog(request);
  if (!c) return IDCANCEL;
  m_color = *c;
  return IDOK;
}
