#include "Widgets.h"

#include "WaitLoop.h"
#include "WndPrivate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyleOptionFrame>
#include <QStyleOptionTabWidgetFrame>

namespace kt::detail {

// ---------------------------------------------------------------------------
// KtComboBox

void KtComboBox::showPopup() {
  if (!m_dropped) {
    m_dropped = true;
    NotifyCommand(this, CBN_DROPDOWN);
  }
  QComboBox::showPopup();
}

void KtComboBox::hidePopup() {
  QComboBox::hidePopup();
  if (m_dropped) {
    m_dropped = false;
    // Qt closes the list before it applies the chosen item; the close-up is
    // told afterwards, as on Windows, where the selection comes first.
    QPointer<KtComboBox> self(this);
    kt::PostCall(this, [self] {
      if (self) NotifyCommand(self, CBN_CLOSEUP);
    });
  }
}

// ---------------------------------------------------------------------------
// KtTabCtrl

KtTabCtrl::KtTabCtrl(QWidget* parent) : QWidget(parent), m_bar(new QTabBar(this)) {
  m_bar->setExpanding(false);
  m_bar->setDrawBase(false);
  setFocusProxy(m_bar);
}

QRect KtTabCtrl::DisplayRect(const QRect& client) const {
  int barHeight = m_bar->sizeHint().height();
  return QRect(client.left() + 2, client.top() + barHeight + 2, client.width() - 4, client.height() - barHeight - 4);
}

QRect KtTabCtrl::WindowRect(const QRect& display) const {
  int barHeight = m_bar->sizeHint().height();
  return QRect(display.left() - 2, display.top() - barHeight - 2, display.width() + 4,
               display.height() + barHeight + 4);
}

void KtTabCtrl::resizeEvent(QResizeEvent*) { m_bar->setGeometry(0, 0, width(), m_bar->sizeHint().height()); }

void KtTabCtrl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionTabWidgetFrame opt;
  opt.initFrom(this);
  int barHeight = m_bar->sizeHint().height();
  opt.rect = QRect(0, barHeight - 1, width(), height() - barHeight + 1);
  opt.shape = QTabBar::RoundedNorth;
  opt.tabBarSize = m_bar->sizeHint();
  opt.tabBarRect = m_bar->geometry();
  opt.selectedTabRect = m_bar->currentIndex() >= 0 ? m_bar->tabRect(m_bar->currentIndex()) : QRect();
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &opt, &painter, this);
}

// ---------------------------------------------------------------------------
// KtIpAddress

namespace {
// What the line-edit frame takes from each side: the outline and, inside it,
// the shadow line along the top. The fields paint their own background and
// stay clear of it.
constexpr int kIpFrame = 2;
}  // namespace

KtIpAddress::KtIpAddress(QWidget* parent) : QWidget(parent) {
  auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
  for (int i = 0; i < 4; ++i) {
    auto* f = new QLineEdit(this);
    f->setFrame(false);
    f->setAlignment(Qt::AlignCenter);
    f->setMaxLength(3);
    f->setValidator(digits);
    f->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
    f->installEventFilter(this);
    m_fields[static_cast<size_t>(i)] = f;
    QObject::connect(f, &QLineEdit::textEdited, this, [this, i, f](const QString& text) {
      // A field holds 0..255; three digits move on to the next field.
      if (text.toInt() > 255) f->setText(QStringLiteral("255"));
      if (text.size() == 3 && i < 3) {
        m_fields[static_cast<size_t>(i + 1)]->setFocus(Qt::OtherFocusReason);
        m_fields[static_cast<size_t>(i + 1)]->selectAll();
      }
    });
  }
  for (int i = 0; i < 3; ++i) {
    auto* dot = new QLabel(QStringLiteral("."), this);
    dot->setAlignment(Qt::AlignCenter);
    dot->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_dots[static_cast<size_t>(i)] = dot;
  }
  setFocusProxy(m_fields[0]);
}

bool KtIpAddress::eventFilter(QObject* obj, QEvent* ev) {
  // The frame shows the focus of any field, as a line edit's shows its own.
  if (ev->type() == QEvent::FocusIn || ev->type() == QEvent::FocusOut) update();
  if (ev->type() != QEvent::KeyPress) return false;
  auto* ke = static_cast<QKeyEvent*>(ev);
  for (int i = 0; i < 4; ++i) {
    QLineEdit* f = m_fields[static_cast<size_t>(i)];
    if (obj != f) continue;
    if ((ke->text() == QLatin1String(".") || ke->key() == Qt::Key_Space) && i < 3) {
      if (!f->text().isEmpty()) {
        m_fields[static_cast<size_t>(i + 1)]->setFocus(Qt::OtherFocusReason);
        m_fields[static_cast<size_t>(i + 1)]->selectAll();
      }
      return true;
    }
    if (ke->key() == Qt::Key_Backspace && i > 0 && f->cursorPosition() == 0 && !f->hasSelectedText()) {
      m_fields[static_cast<size_t>(i - 1)]->setFocus(Qt::OtherFocusReason);
      m_fields[static_cast<size_t>(i - 1)]->end(false);
      return true;
    }
  }
  return false;
}

void KtIpAddress::resizeEvent(QResizeEvent*) {
  int dotWidth = fontMetrics().horizontalAdvance(QLatin1Char('.')) + 4;
  int fieldWidth = std::max(1, (width() - 2 * kIpFrame - 3 * dotWidth) / 4);
  int fieldHeight = height() - 2 * kIpFrame;
  int x = kIpFrame;
  for (int i = 0; i < 4; ++i) {
    m_fields[static_cast<size_t>(i)]->setGeometry(x, kIpFrame, fieldWidth, fieldHeight);
    x += fieldWidth;
    if (i < 3) {
      m_dots[static_cast<size_t>(i)]->setGeometry(x, kIpFrame, dotWidth, fieldHeight);
      x += dotWidth;
    }
  }
}

void KtIpAddress::paintEvent(QPaintEvent*) {
  // The panel of a line edit: its frame, and its background from the palette
  // (grey when disabled, the owner's colour for an incomplete address) under
  // the strip and the dots between the fields.
  QPainter painter(this);
  QStyleOptionFrame opt;
  opt.initFrom(this);
  opt.rect = rect();
  opt.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, this);
  opt.midLineWidth = 0;
  opt.state |= QStyle::State_Sunken;
  if (isAncestorOf(QApplication::focusWidget())) opt.state |= QStyle::State_HasFocus;
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &painter, this);
}

// ---------------------------------------------------------------------------
// KtListView

QItemSelectionModel::SelectionFlags KtListBox::selectionCommand(const QModelIndex& index, const QEvent* ev) const {
  if (!index.isValid()) return QItemSelectionModel::NoUpdate;
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, ev);
  return flags & QItemSelectionModel::Deselect ? QItemSelectionModel::NoUpdate : flags;
}

KtListView::KtListView(QWidget* parent) : QTableWidget(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  verticalHeader()->hide();
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setStretchLastSection(false);
  setShowGrid(false);
  setWordWrap(false);
}

void KtListView::mouseReleaseEvent(QMouseEvent* ev) {
  QPointer<KtListView> self(this);
  QTableWidget::mouseReleaseEvent(ev);
  if (self && ev->button() == Qt::LeftButton) SendActivate(NM_CLICK, ev->position().toPoint());
}

void KtListView::mouseDoubleClickEvent(QMouseEvent* ev) {
  QPointer<KtListView> self(this);
  QTableWidget::mouseDoubleClickEvent(ev);
  if (self && ev->button() == Qt::LeftButton) SendActivate(NM_DBLCLK, ev->position().toPoint());
}

QItemSelectionModel::SelectionFlags KtListView::selectionCommand(const QModelIndex& index, const QEvent* ev) const {
  // A click on the empty area below the rows keeps the selected row: the
  // first click of a double click there must leave the row that the double
  // click acts on. Qt would clear the selection on the release.
  if (!index.isValid() && ev) {
    switch (ev->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick: return QItemSelectionModel::NoUpdate;
      default: break;
    }
  }
  return QTableWidget::selectionCommand(index, ev);
}

void KtListView::SendActivate(UINT code, const QPoint& pos) {
  NMITEMACTIVATE n;
  n.hdr.code = code;
  QModelIndex index = indexAt(pos);
  n.iItem = index.isValid() ? index.row() : -1;
  n.iSubItem = index.isValid() ? index.column() : -1;
  NotifyNotify(this, &n.hdr);
}

}  // namespace kt::detail
