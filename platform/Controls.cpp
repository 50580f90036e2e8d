#include "Controls.h"

#include "DialogTemplate.h"
#include "Widgets.h"
#include "WndPrivate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolTip>

using namespace kt::detail;
namespace res = kt::res;

namespace kt::detail {

CWnd* MakeWrapper(QWidget* w) {
  if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w)) return new CEdit;
  switch (ControlKind(w)) {
    case static_cast<int>(res::Kind::PushButton):
    case static_cast<int>(res::Kind::DefPushButton):
    case static_cast<int>(res::Kind::CheckBox):
    case static_cast<int>(res::Kind::RadioButton):
    case static_cast<int>(res::Kind::GroupBox): return new CButton;
    case static_cast<int>(res::Kind::Static):
    case static_cast<int>(res::Kind::Frame): return new CStatic;
    case static_cast<int>(res::Kind::ComboDropDown):
    case static_cast<int>(res::Kind::ComboDropList): return new CComboBox;
    case static_cast<int>(res::Kind::ListBox): return new CListBox;
    case static_cast<int>(res::Kind::CheckListBox): return new CCheckListBox;
    case static_cast<int>(res::Kind::ListView): return new CListCtrl;
    case static_cast<int>(res::Kind::Tab): return new CTabCtrl;
    case static_cast<int>(res::Kind::IpAddress): return new CIPAddressCtrl;
    default: return new CWnd;
  }
}

}  // namespace kt::detail

// ---------------------------------------------------------------------------
// CButton

int CButton::GetCheck() const {
  auto* b = qobject_cast<QAbstractButton*>(GetSafeHwnd());
  return b && b->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
  if (auto* b = qobject_cast<QAbstractButton*>(GetSafeHwnd())) SetButtonChecked(b, nCheck != BST_UNCHECKED);
}

// ---------------------------------------------------------------------------
// CEdit

namespace {

// Positions in a multi-line edit count "\r\n" as two characters; the widget
// holds "\n".
int ToWidgetPos(const QString& plain, int pos) {
  int win = 0;
  for (int i = 0; i < plain.size(); ++i) {
    int step = plain[i] == QLatin1Char('\n') ? 2 : 1;
    if (win + step > pos) return i;
    win += step;
  }
  return static_cast<int>(plain.size());
}

int FromWidgetPos(const QString& plain, int pos) {
  int win = 0;
  for (int i = 0; i < pos && i < plain.size(); ++i) win += plain[i] == QLatin1Char('\n') ? 2 : 1;
  return win;
}

}  // namespace

void CEdit::SetWindowText(const QString& text) { SetWidgetText(GetSafeHwnd(), text); }

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) {
    int len = static_cast<int>(le->text().size());
    if (nStartChar < 0) {
      le->deselect();
      return;
    }
    int s = std::min(nStartChar, len);
    int e = nEndChar < 0 ? len : std::min(nEndChar, len);
    if (s == e) {
      le->setCursorPosition(s);
    } else {
      le->setSelection(s, e - s);
    }
  } else if (auto* te = qobject_cast<QPlainTextEdit*>(w)) {
    QString plain = te->toPlainText();
    QTextCursor c = te->textCursor();
    if (nStartChar < 0) {
      c.clearSelection();
    } else {
      int s = ToWidgetPos(plain, nStartChar);
      int e = nEndChar < 0 ? static_cast<int>(plain.size()) : ToWidgetPos(plain, nEndChar);
      c.setPosition(s);
      c.setPosition(e, QTextCursor::KeepAnchor);
    }
    te->setTextCursor(c);
  }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  nStartChar = nEndChar = 0;
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) {
    if (le->hasSelectedText()) {
      nStartChar = le->selectionStart();
      nEndChar = nStartChar + static_cast<int>(le->selectedText().size());
    } else {
      nStartChar = nEndChar = le->cursorPosition();
    }
  } else if (auto* te = qobject_cast<QPlainTextEdit*>(w)) {
    QString plain = te->toPlainText();
    QTextCursor c = te->textCursor();
    nStartChar = FromWidgetPos(plain, c.selectionStart());
    nEndChar = FromWidgetPos(plain, c.selectionEnd());
  }
}

DWORD CEdit::GetSel() const {
  int s = 0, e = 0;
  GetSel(s, e);
  return (static_cast<DWORD>(s) & 0xFFFF) | ((static_cast<DWORD>(e) & 0xFFFF) << 16);
}

void CEdit::ReplaceSel(const QString& text, BOOL) {
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) {
    le->insert(text);
  } else if (auto* te = qobject_cast<QPlainTextEdit*>(w)) {
    QString plain = text;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    te->textCursor().insertText(plain);
  }
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) le->setReadOnly(bReadOnly != FALSE);
  if (auto* te = qobject_cast<QPlainTextEdit*>(w)) te->setReadOnly(bReadOnly != FALSE);
  if (w) w->update();
  return w ? TRUE : FALSE;
}

BOOL CEdit::IsReadOnly() const {
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) return le->isReadOnly() ? TRUE : FALSE;
  if (auto* te = qobject_cast<QPlainTextEdit*>(w)) return te->isReadOnly() ? TRUE : FALSE;
  return FALSE;
}

void CEdit::SetLimitText(UINT nMax) {
  if (auto* le = qobject_cast<QLineEdit*>(GetSafeHwnd())) le->setMaxLength(nMax ? static_cast<int>(nMax) : 32767);
}

void CEdit::ScrollCaret() {
  if (auto* te = qobject_cast<QPlainTextEdit*>(GetSafeHwnd())) te->ensureCursorVisible();
}

void CEdit::Paste() {
  if (!OnPaste()) return;
  QWidget* w = GetSafeHwnd();
  if (auto* le = qobject_cast<QLineEdit*>(w)) le->paste();
  if (auto* te = qobject_cast<QPlainTextEdit*>(w)) te->paste();
}

BOOL CEdit::IsMultiLine() const { return qobject_cast<QPlainTextEdit*>(GetSafeHwnd()) ? TRUE : FALSE; }

// ---------------------------------------------------------------------------
// CComboBox

namespace {
QComboBox* Combo(const CWnd* wnd) { return qobject_cast<QComboBox*>(wnd->GetSafeHwnd()); }
}  // namespace

int CComboBox::AddString(const QString& text) { return InsertString(-1, text); }

int CComboBox::InsertString(int nIndex, const QString& text) {
  QComboBox* cb = Combo(this);
  if (!cb) return CB_ERR;
  QuietScope quiet(cb);
  int current = cb->currentIndex();
  int at = nIndex < 0 || nIndex > cb->count() ? cb->count() : nIndex;
  cb->insertItem(at, text);
  // Qt selects the first item of an empty combo box; a combo box does not.
  int want = current < 0 ? -1 : (at <= current ? current + 1 : current);
  if (cb->currentIndex() != want) cb->setCurrentIndex(want);
  return at;
}

int CComboBox::DeleteString(UINT nIndex) {
  QComboBox* cb = Combo(this);
  if (!cb || static_cast<int>(nIndex) >= cb->count()) return CB_ERR;
  QuietScope quiet(cb);
  int current = cb->currentIndex();
  cb->removeItem(static_cast<int>(nIndex));
  int want = current == static_cast<int>(nIndex) ? -1 : (current > static_cast<int>(nIndex) ? current - 1 : current);
  if (cb->currentIndex() != want) cb->setCurrentIndex(want);
  return cb->count();
}

void CComboBox::ResetContent() {
  if (QComboBox* cb = Combo(this)) {
    QuietScope quiet(cb);
    cb->clear();
    if (cb->lineEdit()) cb->lineEdit()->clear();
  }
}

int CComboBox::GetCount() const {
  QComboBox* cb = Combo(this);
  return cb ? cb->count() : 0;
}

int CComboBox::GetCurSel() const {
  QComboBox* cb = Combo(this);
  return cb && cb->currentIndex() >= 0 ? cb->currentIndex() : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
  QComboBox* cb = Combo(this);
  if (!cb) return CB_ERR;
  QuietScope quiet(cb);
  if (nSelect < 0 || nSelect >= cb->count()) {
    cb->setCurrentIndex(-1);
    if (cb->lineEdit()) cb->lineEdit()->clear();
    return nSelect == -1 ? -1 : CB_ERR;
  }
  cb->setCurrentIndex(nSelect);
  return nSelect;
}

int CComboBox::GetLBText(int nIndex, QString& text) const {
  QComboBox* cb = Combo(this);
  if (!cb || nIndex < 0 || nIndex >= cb->count()) return CB_ERR;
  text = cb->itemText(nIndex);
  return static_cast<int>(text.size());
}

QString CComboBox::GetLBText(int nIndex) const {
  QString text;
  GetLBText(nIndex, text);
  return text;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR data) {
  QComboBox* cb = Combo(this);
  if (!cb || nIndex < 0 || nIndex >= cb->count()) return CB_ERR;
  cb->setItemData(nIndex, QVariant::fromValue(static_cast<qulonglong>(data)));
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  QComboBox* cb = Combo(this);
  if (!cb || nIndex < 0 || nIndex >= cb->count()) return 0;
  return static_cast<DWORD_PTR>(cb->itemData(nIndex).toULongLong());
}

int CComboBox::FindStringExact(int nIndexStart, const QString& text) const {
  QComboBox* cb = Combo(this);
  if (!cb) return CB_ERR;
  for (int i = std::max(0, nIndexStart + 1); i < cb->count(); ++i) {
    if (cb->itemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  }
  return CB_ERR;
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
  QComboBox* cb = Combo(this);
  if (!cb) return;
  if (bShowIt) {
    cb->showPopup();
  } else {
    cb->hidePopup();
  }
}

BOOL CComboBox::GetDroppedState() const {
  auto* cb = dynamic_cast<KtComboBox*>(Combo(this));
  return cb && cb->IsDropped() ? TRUE : FALSE;
}

// ---------------------------------------------------------------------------
// CListBox

namespace {
QListWidget* List(const CWnd* wnd) { return qobject_cast<QListWidget*>(wnd->GetSafeHwnd()); }

QListWidgetItem* NewListItem(QListWidget* l, const QString& text) {
  auto* item = new QListWidgetItem(text);
  if (l->property("kt_checklist").toBool()) {
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  return item;
}
}  // namespace

int CListBox::AddString(const QString& text) { return InsertString(-1, text); }

int CListBox::InsertString(int nIndex, const QString& text) {
  QListWidget* l = List(this);
  if (!l) return LB_ERR;
  QuietScope quiet(l);
  int at = nIndex < 0 || nIndex > l->count() ? l->count() : nIndex;
  l->insertItem(at, NewListItem(l, text));
  return at;
}

int CListBox::DeleteString(UINT nIndex) {
  QListWidget* l = List(this);
  if (!l || static_cast<int>(nIndex) >= l->count()) return LB_ERR;
  QuietScope quiet(l);
  delete l->takeItem(static_cast<int>(nIndex));
  return l->count();
}

void CListBox::ResetContent() {
  if (QListWidget* l = List(this)) {
    QuietScope quiet(l);
    l->clear();
  }
}

int CListBox::GetCount() const {
  QListWidget* l = List(this);
  return l ? l->count() : 0;
}

int CListBox::GetCurSel() const {
  QListWidget* l = List(this);
  if (!l) return LB_ERR;
  QList<QListWidgetItem*> selected = l->selectedItems();
  return selected.isEmpty() ? LB_ERR : l->row(selected.first());
}

int CListBox::SetCurSel(int nSelect) {
  QListWidget* l = List(this);
  if (!l) return LB_ERR;
  QuietScope quiet(l);
  if (nSelect < 0 || nSelect >= l->count()) {
    l->clearSelection();
    l->setCurrentRow(-1);
    return nSelect == -1 ? 0 : LB_ERR;
  }
  l->setCurrentRow(nSelect, QItemSelectionModel::ClearAndSelect);
  return nSelect;
}

int CListBox::GetText(int nIndex, QString& text) const {
  QListWidget* l = List(this);
  if (!l || nIndex < 0 || nIndex >= l->count()) return LB_ERR;
  text = l->item(nIndex)->text();
  return static_cast<int>(text.size());
}

QString CListBox::GetText(int nIndex) const {
  QString text;
  GetText(nIndex, text);
  return text;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR data) {
  QListWidget* l = List(this);
  if (!l || nIndex < 0 || nIndex >= l->count()) return LB_ERR;
  l->item(nIndex)->setData(Qt::UserRole, QVariant::fromValue(static_cast<qulonglong>(data)));
  return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
  QListWidget* l = List(this);
  if (!l || nIndex < 0 || nIndex >= l->count()) return 0;
  return static_cast<DWORD_PTR>(l->item(nIndex)->data(Qt::UserRole).toULongLong());
}

int CListBox::GetTopIndex() const {
  QListWidget* l = List(this);
  if (!l || l->count() == 0) return 0;
  QListWidgetItem* top = l->itemAt(QPoint(1, 1));
  return top ? l->row(top) : 0;
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
  bOutside = TRUE;
  QListWidget* l = List(this);
  if (!l || l->count() == 0) return 0;
  QPoint vp = l->viewport()->mapFrom(l, QPoint(pt.x, pt.y));
  if (QListWidgetItem* item = l->itemAt(vp)) {
    bOutside = FALSE;
    return static_cast<UINT>(l->row(item));
  }
  // Off the items: the nearest one by height.
  int best = 0;
  int bestDistance = INT_MAX;
  for (int i = 0; i < l->count(); ++i) {
    QRect r = l->visualItemRect(l->item(i));
    int d = vp.y() < r.top() ? r.top() - vp.y() : (vp.y() > r.bottom() ? vp.y() - r.bottom() : 0);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<UINT>(best);
}

int CListBox::GetItemRect(int nIndex, CRect* rect) const {
  QListWidget* l = List(this);
  if (!l || !rect || nIndex < 0 || nIndex >= l->count()) return LB_ERR;
  QRect r = l->visualItemRect(l->item(nIndex));
  QPoint tl = l->viewport()->mapTo(l, r.topLeft());
  *rect = CRect(tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height());
  return 0;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
  QListWidget* l = List(this);
  if (!l || nIndex < 0 || nIndex >= l->count()) return;
  QListWidgetItem* item = l->item(nIndex);
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(nCheck ? Qt::Checked : Qt::Unchecked);
}

int CCheckListBox::GetCheck(int nIndex) const {
  QListWidget* l = List(this);
  if (!l || nIndex < 0 || nIndex >= l->count()) return 0;
  return l->item(nIndex)->checkState() == Qt::Checked ? 1 : 0;
}

// ---------------------------------------------------------------------------
// CListCtrl

namespace {
QTableWidget* Table(const CWnd* wnd) { return qobject_cast<QTableWidget*>(wnd->GetSafeHwnd()); }

DWORD ExStyle(const QTableWidget* t) { return t->property("kt_exstyle").toUInt(); }

QTableWidgetItem* Cell(QTableWidget* t, int row, int col) {
  QTableWidgetItem* item = t->item(row, col);
  if (!item) {
    item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    t->setItem(row, col, item);
  }
  return item;
}

void MakeCheckable(QTableWidgetItem* item) {
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  if (!item->data(Qt::CheckStateRole).isValid()) item->setCheckState(Qt::Unchecked);
}
}  // namespace

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  QTableWidget* t = Table(this);
  if (!t) return 0;
  DWORD old = ExStyle(t);
  t->setProperty("kt_exstyle", dwNewStyle);
  t->setShowGrid(dwNewStyle & LVS_EX_GRIDLINES);
  if (dwNewStyle & LVS_EX_CHECKBOXES) {
    for (int r = 0; r < t->rowCount(); ++r) MakeCheckable(Cell(t, r, 0));
  }
  return old;
}

DWORD CListCtrl::GetExtendedStyle() const {
  QTableWidget* t = Table(this);
  return t ? ExStyle(t) : 0;
}

int CListCtrl::InsertColumn(int nCol, const QString& heading, int nFormat, int nWidth) {
  QTableWidget* t = Table(this);
  if (!t) return -1;
  int at = nCol < 0 || nCol > t->columnCount() ? t->columnCount() : nCol;
  t->insertColumn(at);
  auto* head = new QTableWidgetItem(heading);
  Qt::Alignment align =
      nFormat == LVCFMT_RIGHT ? Qt::AlignRight : (nFormat == LVCFMT_CENTER ? Qt::AlignHCenter : Qt::AlignLeft);
  head->setTextAlignment(align | Qt::AlignVCenter);
  t->setHorizontalHeaderItem(at, head);
  if (nWidth >= 0) t->setColumnWidth(at, nWidth);
  return at;
}

int CListCtrl::InsertItem(int nItem, const QString& text) {
  QTableWidget* t = Table(this);
  if (!t) return -1;
  QuietScope quiet(t);
  int at = nItem < 0 || nItem > t->rowCount() ? t->rowCount() : nItem;
  t->insertRow(at);
  QTableWidgetItem* item = Cell(t, at, 0);
  item->setText(text);
  if (ExStyle(t) & LVS_EX_CHECKBOXES) MakeCheckable(item);
  return at;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, const QString& text) {
  QTableWidget* t = Table(this);
  if (!t || nItem < 0 || nItem >= t->rowCount() || nSubItem < 0 || nSubItem >= t->columnCount()) return FALSE;
  Cell(t, nItem, nSubItem)->setText(text);
  return TRUE;
}

QString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  QTableWidget* t = Table(this);
  if (!t) return {};
  QTableWidgetItem* item = t->item(nItem, nSubItem);
  return item ? item->text() : QString();
}

int CListCtrl::GetItemCount() const {
  QTableWidget* t = Table(this);
  return t ? t->rowCount() : 0;
}

BOOL CListCtrl::DeleteAllItems() {
  QTableWidget* t = Table(this);
  if (!t) return FALSE;
  QuietScope quiet(t);
  t->setRowCount(0);
  return TRUE;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL bCheck) {
  QTableWidget* t = Table(this);
  if (!t || nItem < 0 || nItem >= t->rowCount()) return FALSE;
  QTableWidgetItem* item = Cell(t, nItem, 0);
  MakeCheckable(item);
  item->setCheckState(bCheck ? Qt::Checked : Qt::Unchecked);
  return TRUE;
}

BOOL CListCtrl::GetCheck(int nItem) const {
  QTableWidget* t = Table(this);
  if (!t) return FALSE;
  QTableWidgetItem* item = t->item(nItem, 0);
  return item && item->checkState() == Qt::Checked ? TRUE : FALSE;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  QTableWidget* t = Table(this);
  if (!t || nItem < 0 || nItem >= t->rowCount()) return FALSE;
  QuietScope quiet(t);
  QModelIndex index = t->model()->index(nItem, 0);
  if (nMask & LVIS_SELECTED) {
    auto flags = QItemSelectionModel::Rows |
                 ((nState & LVIS_SELECTED)
                      ? (t->selectionMode() == QAbstractItemView::SingleSelection ? QItemSelectionModel::ClearAndSelect
                                                                                  : QItemSelectionModel::Select)
                      : QItemSelectionModel::Deselect);
    t->selectionModel()->select(index, flags);
  }
  if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED)) {
    t->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  }
  return TRUE;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  QTableWidget* t = Table(this);
  if (!t || nItem < 0 || nItem >= t->rowCount()) return 0;
  UINT state = 0;
  if (t->selectionModel()->isRowSelected(nItem, QModelIndex())) state |= LVIS_SELECTED;
  if (t->currentIndex().isValid() && t->currentIndex().row() == nItem) state |= LVIS_FOCUSED;
  return state & nMask;
}

int CListCtrl::GetNextItem(int nItem, UINT nFlags) const {
  QTableWidget* t = Table(this);
  if (!t) return -1;
  for (int r = std::max(0, nItem + 1); r < t->rowCount(); ++r) {
    if (!(nFlags & LVNI_SELECTED) || t->selectionModel()->isRowSelected(r, QModelIndex())) return r;
  }
  return -1;
}

UINT CListCtrl::GetSelectedCount() const {
  QTableWidget* t = Table(this);
  return t ? static_cast<UINT>(t->selectionModel()->selectedRows().size()) : 0;
}

// ---------------------------------------------------------------------------
// CTabCtrl

namespace {
KtTabCtrl* Tabs(const CWnd* wnd) { return dynamic_cast<KtTabCtrl*>(wnd->GetSafeHwnd()); }
}  // namespace

int CTabCtrl::InsertItem(int nItem, const QString& text) {
  KtTabCtrl* t = Tabs(this);
  if (!t) return -1;
  QuietScope quiet(t);
  return t->Bar()->insertTab(nItem, text);
}

int CTabCtrl::GetItemCount() const {
  KtTabCtrl* t = Tabs(this);
  return t ? t->Bar()->count() : 0;
}

int CTabCtrl::GetCurSel() const {
  KtTabCtrl* t = Tabs(this);
  return t ? t->Bar()->currentIndex() : -1;
}

int CTabCtrl::SetCurSel(int nItem) {
  KtTabCtrl* t = Tabs(this);
  if (!t) return -1;
  int prev = t->Bar()->currentIndex();
  if (nItem < 0 || nItem >= t->Bar()->count()) return -1;
  QuietScope quiet(t);
  t->Bar()->setCurrentIndex(nItem);
  t->update();
  return prev;
}

BOOL CTabCtrl::DeleteAllItems() {
  KtTabCtrl* t = Tabs(this);
  if (!t) return FALSE;
  QuietScope quiet(t);
  while (t->Bar()->count() > 0) t->Bar()->removeTab(0);
  return TRUE;
}

void CTabCtrl::AdjustRect(BOOL bLarger, CRect* rect) const {
  KtTabCtrl* t = Tabs(this);
  if (!t || !rect) return;
  QRect in(rect->left, rect->top, rect->Width(), rect->Height());
  QRect out = bLarger ? t->WindowRect(in) : t->DisplayRect(in);
  *rect = CRect(out.left(), out.top(), out.left() + out.width(), out.top() + out.height());
}

// ---------------------------------------------------------------------------
// CIPAddressCtrl

namespace {
KtIpAddress* Ip(const CWnd* wnd) { return dynamic_cast<KtIpAddress*>(wnd->GetSafeHwnd()); }
}  // namespace

void CIPAddressCtrl::SetAddress(BYTE b0, BYTE b1, BYTE b2, BYTE b3) {
  KtIpAddress* ip = Ip(this);
  if (!ip) return;
  const BYTE b[4] = {b0, b1, b2, b3};
  for (int i = 0; i < 4; ++i) ip->Field(i)->setText(QString::number(b[i]));
}

void CIPAddressCtrl::SetAddress(DWORD dwAddress) {
  SetAddress(static_cast<BYTE>(dwAddress >> 24), static_cast<BYTE>(dwAddress >> 16), static_cast<BYTE>(dwAddress >> 8),
             static_cast<BYTE>(dwAddress));
}

int CIPAddressCtrl::GetAddress(BYTE& b0, BYTE& b1, BYTE& b2, BYTE& b3) const {
  BYTE* b[4] = {&b0, &b1, &b2, &b3};
  KtIpAddress* ip = Ip(this);
  int filled = 0;
  for (int i = 0; i < 4; ++i) {
    QString text = ip ? ip->Field(i)->text() : QString();
    *b[i] = static_cast<BYTE>(std::min(255, text.toInt()));
    if (!text.isEmpty()) ++filled;
  }
  return filled;
}

int CIPAddressCtrl::GetAddress(DWORD& dwAddress) const {
  BYTE b0 = 0, b1 = 0, b2 = 0, b3 = 0;
  int filled = GetAddress(b0, b1, b2, b3);
  dwAddress = (DWORD(b0) << 24) | (DWORD(b1) << 16) | (DWORD(b2) << 8) | DWORD(b3);
  return filled;
}

void CIPAddressCtrl::ClearAddress() {
  if (KtIpAddress* ip = Ip(this)) {
    for (int i = 0; i < 4; ++i) ip->Field(i)->clear();
  }
}

BOOL CIPAddressCtrl::IsBlank() const {
  KtIpAddress* ip = Ip(this);
  if (!ip) return TRUE;
  for (int i = 0; i < 4; ++i) {
    if (!ip->Field(i)->text().isEmpty()) return FALSE;
  }
  return TRUE;
}

void CIPAddressCtrl::SetFieldFocus(WORD nField) {
  if (KtIpAddress* ip = Ip(this)) ip->Field(nField < 4 ? nField : 0)->setFocus(Qt::OtherFocusReason);
}

void CIPAddressCtrl::SetWindowText(const QString& text) {
  static const QRegularExpression number(QStringLiteral("[0-9]+"));
  QStringList numbers;
  for (auto it = number.globalMatch(text); it.hasNext();) numbers << it.next().captured();
  ClearAddress();
  KtIpAddress* ip = Ip(this);
  if (!ip || numbers.size() != 4) return;
  for (int i = 0; i < 4; ++i) {
    bool ok = false;
    int n = numbers[i].toInt(&ok);
    ip->Field(i)->setText(QString::number(ok ? std::min(n, 255) : 255));
  }
}

QString CIPAddressCtrl::GetWindowText() const {
  KtIpAddress* ip = Ip(this);
  if (!ip) return {};
  QStringList fields;
  for (int i = 0; i < 4; ++i) fields << ip->Field(i)->text();
  return fields.join(QLatin1Char('.'));
}

// ---------------------------------------------------------------------------
// CToolTipCtrl

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD) {
  m_parent = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
  return TRUE;
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, const QString& text) {
  if (!pWnd || !pWnd->GetSafeHwnd()) return FALSE;
  m_tools[pWnd->GetSafeHwnd()] = text;
  pWnd->GetSafeHwnd()->setToolTip(text);
  m_last = pWnd->GetSafeHwnd();
  return TRUE;
}

void CToolTipCtrl::UpdateTipText(const QString& text, CWnd* pWnd) {
  if (!pWnd || !pWnd->GetSafeHwnd() || !m_tools.count(pWnd->GetSafeHwnd())) return;
  m_tools[pWnd->GetSafeHwnd()] = text;
  pWnd->GetSafeHwnd()->setToolTip(text);
}

QString CToolTipCtrl::GetText(CWnd* pWnd) const {
  if (!pWnd) return {};
  auto it = m_tools.find(pWnd->GetSafeHwnd());
  return it == m_tools.end() ? QString() : it->second;
}

void CToolTipCtrl::Popup() {
  QWidget* under = QApplication::widgetAt(QCursor::pos());
  QWidget* tool = under && m_tools.count(under) ? under : m_last.data();
  if (!tool || !m_tools.count(tool)) return;
  QToolTip::showText(tool->mapToGlobal(QPoint(0, tool->height())), m_tools[tool], tool);
}

void CToolTipCtrl::Pop() { QToolTip::hideText(); }
