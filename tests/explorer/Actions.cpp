// The table of user actions. Each acts through the events a window system
// delivers: mouse presses and releases at a point (to the deepest widget
// there), key presses to the focused widget, committed input-method text,
// and the clipboard.
#include "Explorer.h"

#include "InputIPAddress.h"
#include "InputNumber.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpontaneKeyEvent>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QWheelEvent>

#include <array>
#include <cmath>
#include <vector>

namespace kt::explore {

namespace {

// ---------------------------------------------------------------------------
// Text

// Pieces of text a user types or pastes, by kind. Together they reach every
// input's refusals: signs and dots in numbers, letters in addresses,
// Japanese in ASCII fields, characters beyond the basic plane, control
// characters and line breaks.
const std::array<const char*, 10> kDigits = {"0",          "7",           "12", "255", "65535",
                                             "4294967296", "99999999999", "-1", "+3",  "1.5"};
const std::array<const char*, 8> kSigns = {"-", "+", ".", ",", "e", "E", "e309", "0x"};
const std::array<const char*, 8> kLetters = {"a", "Z", "abc", "Setting", "x y", "NaN", "inf", "null"};
const std::array<const char*, 8> kJapanese = {"設定", "テスト", "ｱｲｳ", "漢字かな", "ー", "　", "①", "℃"};
const std::array<const char*, 10> kOdd = {"<", ">", "&", "\"", "'", "\\", "%s%n", "#", "@", "|"};
const std::array<const char*, 5> kWide = {"😀", "𠀋", "𝄞", "a😀", "😀😀"};
const std::array<const char*, 6> kControl = {"\x01", "\x08", "\x1b", "\x7f", "\t", "\x1f"};
const std::array<const char*, 4> kBreaks = {"\r\n", "\n", "\r", "\r\n\r\n"};

QString Piece(Random& r, bool paste) {
  switch (r.Pick(paste ? 9 : 8)) {
    case 0: return QString::fromUtf8(r.Of<const char*>(kDigits));
    case 1: return QString::fromUtf8(r.Of<const char*>(kSigns));
    case 2: return QString::fromUtf8(r.Of<const char*>(kLetters));
    case 3: return QString::fromUtf8(r.Of<const char*>(kJapanese));
    case 4: return QString::fromUtf8(r.Of<const char*>(kOdd));
    case 5: return QString::fromUtf8(r.Of<const char*>(kWide));
    case 6: return QString::fromUtf8(r.Of<const char*>(kControl));
    case 7: return QString::fromUtf8(r.Of<const char*>(kBreaks));
    default: return QString(QChar(0));  // only a paste carries a zero
  }
}

// A few pieces for typing; for a paste, anything from one character to far
// past every input's limit.
QString MakeText(Random& r, bool paste) {
  QString text;
  if (!paste) {
    for (int n = 1 + r.Pick(4); n > 0; --n) text += Piece(r, false);
    return text;
  }
  static constexpr std::array<int, 12> kLengths = {1, 2, 8, 16, 17, 32, 33, 64, 65, 256, 1200, 5000};
  const int length = r.Of<int>(kLengths);
  const bool uniform = r.Chance(40);  // all of one kind: digits only, Japanese only...
  const QString first = Piece(r, true);
  while (text.size() < length) text += uniform ? first : Piece(r, true);
  return text;
}

QString Shown(const QString& text) {
  QString s = text.left(40);
  s.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
  for (QChar& c : s) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7f) c = QChar(0x2400 + (c.unicode() & 0x1f));
  }
  return QStringLiteral("\"%1\"%2").arg(s, text.size() > 40 ? QStringLiteral("...(%1)").arg(text.size()) : QString());
}

// ---------------------------------------------------------------------------
// Input

// Where a key goes: to an open popup list, else to the focused widget of the
// topmost dialog (the dialog itself when the focus is elsewhere).
QWidget* Focused(ActionContext& x) {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup->focusWidget() ? popup->focusWidget() : popup;
  QWidget* f = QApplication::focusWidget();
  QWidget* win = x.Window();
  if (f && win && (f == win || win->isAncestorOf(f))) return f;
  return win;
}

// The key a character comes with: Ctrl+letter for control characters, Enter
// for line breaks, its letter or digit key, else none.
std::pair<Qt::Key, Qt::KeyboardModifiers> KeyOf(QChar c) {
  const char16_t u = c.unicode();
  if (u == '\r' || u == '\n') return {Qt::Key_Return, Qt::NoModifier};
  if (u == '\t') return {Qt::Key_Tab, Qt::NoModifier};
  if (u == 0x08) return {Qt::Key_Backspace, Qt::NoModifier};
  if (u == 0x1b) return {Qt::Key_Escape, Qt::NoModifier};
  if (u >= 1 && u <= 26) return {static_cast<Qt::Key>(Qt::Key_A + u - 1), Qt::ControlModifier};
  if (u >= 'a' && u <= 'z') return {static_cast<Qt::Key>(Qt::Key_A + (u - 'a')), Qt::NoModifier};
  if (u >= 'A' && u <= 'Z') return {static_cast<Qt::Key>(u), Qt::ShiftModifier};
  if (u >= 0x20 && u < 0x7f) return {static_cast<Qt::Key>(u), Qt::NoModifier};
  return {Qt::Key_unknown, Qt::NoModifier};
}

void TypeKeys(ActionContext& x, const QString& text) {
  QPointer<QWidget> win = x.Window();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!win || !win->isVisible()) return;  // the dialog went: the rest of the typing goes nowhere
    QString unit(text[i]);
    if (text[i].isHighSurrogate() && i + 1 < text.size()) unit += text[++i];
    auto [key, mods] = KeyOf(unit[0]);
    QString sent = unit;
    if (unit == QLatin1String("\n")) sent = QStringLiteral("\r");
    QTest::sendKeyEvent(QTest::Click, Focused(x), key, sent, mods);
  }
}

// Where a press at `pos` of `w` lands: the deepest widget there, as the
// window system delivers it.
std::pair<QWidget*, QPoint> HitAt(QWidget* w, QPoint pos) {
  QWidget* win = w->window();
  const QPoint p = w->mapTo(win, pos);
  QWidget* hit = win->childAt(p);
  if (!hit) hit = win;
  return {hit, hit->mapFrom(win, p)};
}

// One draw per statement: the order in which a call's arguments are worked
// out differs between compilers, and a run must be the same with all of them.
QPoint RandomPoint(Random& r, QWidget* w) {
  const int x = r.Pick(w->width());
  const int y = r.Pick(w->height());
  return QPoint(x, y);
}

void DoubleClickAt(QWidget* w, QPoint pos) {
  auto [hit, p] = HitAt(w, pos);
  QPointer<QWidget> alive(hit);
  QTest::mousePress(hit, Qt::LeftButton, {}, p);
  if (alive) QTest::mouseRelease(hit, Qt::LeftButton, {}, p);
  if (alive) QTest::mouseDClick(hit, Qt::LeftButton, {}, p);
  if (alive) QTest::mouseRelease(hit, Qt::LeftButton, {}, p);
}

// ---------------------------------------------------------------------------
// Targets

template <class T>
T* As(QWidget* w) {
  return qobject_cast<T*>(w);
}

bool IsTemplateButton(QWidget* w) {
  return (As<QPushButton>(w) || As<QCheckBox>(w) || As<QRadioButton>(w)) && w->property("kt_id").isValid();
}
bool IsEditable(QWidget* w) {
  if (auto* le = As<QLineEdit>(w)) return !le->isReadOnly();
  if (auto* te = As<QPlainTextEdit>(w)) return !te->isReadOnly();
  return false;
}
bool IsTextLike(QWidget* w) { return As<QLineEdit>(w) || As<QPlainTextEdit>(w); }
bool IsList(QWidget* w) { return As<QListWidget>(w) || As<QTableWidget>(w); }
bool IsCombo(QWidget* w) { return As<QComboBox>(w) != nullptr; }
bool IsTabBar(QWidget* w) { return As<QTabBar>(w) && As<QTabBar>(w)->count() > 0; }
bool IsDialog(QWidget* w) { return w->isWindow(); }
// The kit's controls behind a widget: a number input, the address control
// of an address field.
CInputNumber* NumberInput(QWidget* w) { return dynamic_cast<CInputNumber*>(CWnd::FromHandlePermanent(w)); }
CInputIPAddress* AddressOf(QWidget* field) {
  return field->parentWidget() ? dynamic_cast<CInputIPAddress*>(CWnd::FromHandlePermanent(field->parentWidget()))
                               : nullptr;
}
bool IsNumber(QWidget* w) { return IsEditable(w) && NumberInput(w); }
bool IsInvalidNumber(QWidget* w) {
  if (CInputIPAddress* address = AddressOf(w)) return IsEditable(w) && !address->IsValid();
  return IsNumber(w) && !NumberInput(w)->m_bValid;
}
bool IsWheelTarget(QWidget* w) { return IsCombo(w) || IsList(w) || As<QPlainTextEdit>(w); }
bool IsMouseTarget(QWidget* w) { return IsDialog(w) || IsList(w) || IsTextLike(w) || IsTemplateButton(w); }

QWidget* ViewportOf(QWidget* w) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) return area->viewport();
  return w;
}

// A point on one of the list's rows, or now and then on none of them.
QPoint ListPoint(Random& r, QWidget* list) {
  QRect row;
  if (auto* l = As<QListWidget>(list); l && l->count() > 0) {
    row = l->visualItemRect(l->item(r.Pick(l->count())));
  } else if (auto* t = As<QTableWidget>(list); t && t->rowCount() > 0) {
    const int rowIndex = r.Pick(t->rowCount());
    row = t->visualRect(t->model()->index(rowIndex, r.Pick(t->columnCount())));
  }
  QWidget* vp = ViewportOf(list);
  if (row.isEmpty() || r.Chance(15)) return vp->mapTo(list, RandomPoint(r, vp));
  // The left end holds a check box where the list has them.
  const QPoint in = r.Chance(40) ? QPoint(row.left() + 8, row.center().y()) : row.center();
  return vp->mapTo(list, in);
}

// ---------------------------------------------------------------------------
// Actions

void ActClick(ActionContext& x, QWidget* w) { ClickButton(x, w); }

void ActClickAnywhere(ActionContext& x, QWidget* w) {
  const QPoint p = RandomPoint(x.Rng(), w);
  x.Note(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y()));
  ClickAt(w, p);
}

void ActRightClick(ActionContext& x, QWidget* w) {
  const QPoint p = IsList(w) ? ListPoint(x.Rng(), w) : RandomPoint(x.Rng(), w);
  x.Note(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y()));
  ClickAt(w, p, Qt::RightButton);
}

void ActListClick(ActionContext& x, QWidget* w) {
  const QPoint p = ListPoint(x.Rng(), w);
  x.Note(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y()));
  ClickAt(w, p);
}

void ActDoubleClick(ActionContext& x, QWidget* w) {
  const QPoint p = ListPoint(x.Rng(), w);
  x.Note(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y()));
  DoubleClickAt(w, p);
}

void ActComboMouse(ActionContext& x, QWidget* w) {
  auto* cb = As<QComboBox>(w);
  // The press on the box (on its arrow when it has an edit part) opens the
  // list; a click on an item picks it.
  const QPoint at = cb->isEditable() ? QPoint(cb->width() - 6, cb->height() / 2) : RandomPoint(x.Rng(), cb);
  ClickAt(cb, at);
  QWidget* popup = QApplication::activePopupWidget();
  if (!popup || cb->count() == 0) return;
  // The list takes no click until a double click's time has passed since it
  // opened (the driver shortens that time). Past it, and its timer run for
  // sure (the last pass comes after the time is up), so that a run does not
  // depend on the machine's speed.
  QTest::qWait(QApplication::doubleClickInterval() + 5);
  QCoreApplication::processEvents();
  QAbstractItemView* view = cb->view();
  const int row = x.Rng().Pick(cb->count());
  const QModelIndex index = cb->model()->index(row, cb->modelColumn());
  view->scrollTo(index);
  x.Note(QStringLiteral("item %1 of %2").arg(row).arg(cb->count()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

void ActComboKeys(ActionContext& x, QWidget* w) {
  auto* cb = As<QComboBox>(w);
  static constexpr std::array<Qt::Key, 6> kKeys = {Qt::Key_Down,   Qt::Key_Up,   Qt::Key_PageDown,
                                                   Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
  QWidget* target = cb->isEditable() ? static_cast<QWidget*>(cb->lineEdit()) : cb;
  if (QApplication::focusWidget() != target) {
    // A click on the edit part (or on the box, and Escape for the list it
    // opens) puts the focus there.
    ClickAt(cb, QPoint(4, cb->height() / 2));
    if (QApplication::activePopupWidget()) KeyTo(x, Qt::Key_Escape);
  }
  if (x.Rng().Chance(40)) KeyTo(x, Qt::Key_Down, Qt::AltModifier);  // the list opens
  QString keys;
  for (int n = 1 + x.Rng().Pick(3); n > 0; --n) {
    const Qt::Key key = x.Rng().Of<Qt::Key>(kKeys);
    keys += QKeySequence(key).toString() + QLatin1Char(' ');
    KeyTo(x, key);
  }
  if (QApplication::activePopupWidget()) {
    const bool enter = x.Rng().Chance(70);
    keys += enter ? QStringLiteral("Enter") : QStringLiteral("Esc");
    KeyTo(x, enter ? Qt::Key_Return : Qt::Key_Escape);
  }
  x.Note(keys);
}

// Clicks into the edit at a random point (which also places the caret).
void FocusEdit(ActionContext& x, QWidget* w) {
  if (QApplication::focusWidget() == w && x.Rng().Chance(50)) return;
  ClickAt(w, QPoint(x.Rng().Pick(std::max(1, w->width())), w->height() / 2));
}

void ActType(ActionContext& x, QWidget* w) {
  const QString text = MakeText(x.Rng(), false);
  x.Note(Shown(text));
  FocusEdit(x, w);
  TypeKeys(x, text);
}

void ActRetype(ActionContext& x, QWidget* w) {
  const QString text = MakeText(x.Rng(), false);
  x.Note(Shown(text));
  Retype(x, w, text);
}

void ActPaste(ActionContext& x, QWidget* w) {
  const QString text = MakeText(x.Rng(), true);
  x.Note(Shown(text));
  QGuiApplication::clipboard()->setText(text);
  FocusEdit(x, w);
  if (x.Rng().Chance(30)) KeyTo(x, Qt::Key_A, Qt::ControlModifier);
  if (x.Rng().Chance(75)) {
    KeyTo(x, Qt::Key_V, Qt::ControlModifier);
  } else {
    // Through the edit's own context menu, answered like every menu.
    ClickAt(w, QPoint(w->width() / 2, w->height() / 2), Qt::RightButton);
  }
}

// Limits are where inputs go wrong: fill the input to its limit with one
// kind of character, step back a little from the end and type there.
void ActAtLimit(ActionContext& x, QWidget* w) {
  static constexpr std::array<const char*, 5> kFill = {"x", "0", "設", "😀", "\r\n"};
  const QString fill = QString::fromUtf8(x.Rng().Of<const char*>(kFill)).repeated(3000);
  const int back = x.Rng().Pick(4);
  QString typed;
  for (int n = 1 + x.Rng().Pick(2); n > 0; --n) typed += Piece(x.Rng(), false);
  x.Note(QStringLiteral("fill %1, back %2, type %3").arg(Shown(fill.left(2)), QString::number(back), Shown(typed)));
  QGuiApplication::clipboard()->setText(fill);
  FocusEdit(x, w);
  KeyTo(x, Qt::Key_A, Qt::ControlModifier);
  KeyTo(x, Qt::Key_Delete);
  KeyTo(x, Qt::Key_V, Qt::ControlModifier);
  KeyTo(x, Qt::Key_End, Qt::ControlModifier);
  for (int i = 0; i < back; ++i) KeyTo(x, Qt::Key_Backspace);
  TypeKeys(x, typed);
}

// A number at the edge of the input's own range, or just past it: where a
// page and the document's reader can disagree.
void ActEdgeNumber(ActionContext& x, QWidget* w) {
  CInputNumber* input = NumberInput(w);
  std::vector<QString> values;
  const auto integers = [&values](long long min, long long max, long long def, const auto& format) {
    for (long long v : {min, max, min - 1, max + 1, def, min + 1, max - 1}) values.push_back(format(v));
  };
  const auto decimal = [](long long v) { return QString::number(v); };
  if (auto* n = dynamic_cast<CInputNumberInt*>(input)) {
    integers(n->m_nMin, n->m_nMax, n->m_nDefault, decimal);
  } else if (auto* u = dynamic_cast<CInputNumberUint*>(input)) {
    integers(u->m_nMin, u->m_nMax, u->m_nDefault, decimal);
  } else if (auto* m = dynamic_cast<CInputNumberMulti*>(input)) {
    integers(m->m_nMin, m->m_nMax, m->m_nDefault,
             [radix = m->m_nRadix](long long v) { return QString::number(v, radix).toUpper(); });
  } else if (auto* f = dynamic_cast<CInputNumberFloat*>(input)) {
    const double step = std::pow(10.0, -f->m_nDecimals);
    for (double v : {f->m_dMin, f->m_dMax, f->m_dMin - step, f->m_dMax + step, f->m_dDefault}) {
      values.push_back(f->FormatValue(v));
    }
  }
  if (values.empty()) return;
  const QString text = values[static_cast<std::size_t>(x.Rng().Pick(static_cast<int>(values.size())))];
  x.Note(Shown(text));
  Retype(x, w, text);
}

// What a user does after "Setting error": the input shown invalid gets its
// default, so that the page lets the user on to the rest of the program.
void ActRepair(ActionContext& x, QWidget* w) {
  if (AddressOf(w)) {
    const QList<QLineEdit*> fields = w->parentWidget()->findChildren<QLineEdit*>();
    x.Note(QStringLiteral("address 10.0.0.%1").arg(fields.size()));
    for (QLineEdit* field : fields)
      Retype(x, field, field == fields.back() ? QStringLiteral("1") : QStringLiteral("10"));
    return;
  }
  CInputNumber* input = NumberInput(w);
  QString text;
  if (auto* n = dynamic_cast<CInputNumberInt*>(input)) text = QString::number(n->m_nDefault);
  if (auto* u = dynamic_cast<CInputNumberUint*>(input)) text = QString::number(u->m_nDefault);
  if (auto* m = dynamic_cast<CInputNumberMulti*>(input)) text = m->FormatValue(m->m_nDefault);
  if (auto* f = dynamic_cast<CInputNumberFloat*>(input)) text = f->FormatValue(f->m_dDefault);
  x.Note(Shown(text));
  Retype(x, w, text);
}

void ActInputMethod(ActionContext& x, QWidget* w) {
  QString text;
  for (int n = 1 + x.Rng().Pick(3); n > 0; --n) text += QString::fromUtf8(x.Rng().Of<const char*>(kJapanese));
  x.Note(Shown(text));
  FocusEdit(x, w);
  QWidget* to = Focused(x);
  if (!to->testAttribute(Qt::WA_InputMethodEnabled)) return;
  QInputMethodEvent ev(QString(), {});
  ev.setCommitString(text);
  QApplication::sendEvent(to, &ev);
}

void ActErase(ActionContext& x, QWidget* w) {
  FocusEdit(x, w);
  const bool back = x.Rng().Chance(60);
  const int n = 1 + x.Rng().Pick(6);
  x.Note(QStringLiteral("%1 x%2").arg(back ? QStringLiteral("Backspace") : QStringLiteral("Delete")).arg(n));
  for (int i = 0; i < n; ++i) KeyTo(x, back ? Qt::Key_Backspace : Qt::Key_Delete);
}

void ActTab(ActionContext& x, QWidget* w) {
  auto* bar = As<QTabBar>(w);
  const int i = x.Rng().Pick(bar->count());
  x.Note(QStringLiteral("tab %1 \"%2\"").arg(i).arg(bar->tabText(i)));
  ClickAt(bar, bar->tabRect(i).center());
}

void ActKey(ActionContext& x, QWidget*) {
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers mods;
  };
  static constexpr std::array<Key, 24> kKeys = {{
      {Qt::Key_Return, Qt::NoModifier},    {Qt::Key_Enter, Qt::KeypadModifier},  {Qt::Key_Escape, Qt::NoModifier},
      {Qt::Key_Tab, Qt::NoModifier},       {Qt::Key_Backtab, Qt::ShiftModifier}, {Qt::Key_Tab, Qt::NoModifier},
      {Qt::Key_Up, Qt::NoModifier},        {Qt::Key_Down, Qt::NoModifier},       {Qt::Key_Left, Qt::NoModifier},
      {Qt::Key_Right, Qt::NoModifier},     {Qt::Key_Home, Qt::NoModifier},       {Qt::Key_End, Qt::NoModifier},
      {Qt::Key_PageUp, Qt::NoModifier},    {Qt::Key_PageDown, Qt::NoModifier},   {Qt::Key_Space, Qt::NoModifier},
      {Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Delete, Qt::NoModifier},     {Qt::Key_F4, Qt::NoModifier},
      {Qt::Key_Down, Qt::AltModifier},     {Qt::Key_A, Qt::ControlModifier},     {Qt::Key_C, Qt::ControlModifier},
      {Qt::Key_X, Qt::ControlModifier},    {Qt::Key_Z, Qt::ControlModifier},     {Qt::Key_V, Qt::ControlModifier},
  }};
  const Key k = x.Rng().Of<Key>(kKeys);
  QWidget* to = Focused(x);
  x.Note(QStringLiteral("%1 to %2")
             .arg(QKeySequence(k.key | k.mods).toString(), QString::fromLatin1(to->metaObject()->className())));
  QTest::keyClick(to, k.key, k.mods);
}

// The wheel turns over whatever is under the pointer: a combo box changes
// its selection, a list scrolls.
void ActWheel(ActionContext& x, QWidget* w) {
  const QPoint p = RandomPoint(x.Rng(), w);
  const int notches = x.Rng().Chance(50) ? 1 + x.Rng().Pick(3) : -1 - x.Rng().Pick(3);
  x.Note(QStringLiteral("%1 notches at %2,%3").arg(notches).arg(p.x()).arg(p.y()));
  auto [hit, at] = HitAt(w, p);
  QWheelEvent ev(at, hit->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QSpontaneKeyEvent::setSpontaneous(&ev);
  QApplication::sendEvent(hit, &ev);
}

void ActCloseBox(ActionContext&, QWidget* w) { w->close(); }

const Action kActions[] = {
    {"click", 30, IsTemplateButton, ActClick},
    {"click-anywhere", 3, IsDialog, ActClickAnywhere},
    {"right-click", 6, IsMouseTarget, ActRightClick},
    {"list-click", 10, IsList, ActListClick},
    {"double-click", 3, IsList, ActDoubleClick},
    {"combo-mouse", 10, IsCombo, ActComboMouse},
    {"combo-keys", 6, IsCombo, ActComboKeys},
    {"type", 18, IsEditable, ActType},
    {"retype", 8, IsEditable, ActRetype},
    {"paste", 8, IsEditable, ActPaste},
    {"at-limit", 4, IsEditable, ActAtLimit},
    {"edge-number", 6, IsNumber, ActEdgeNumber},
    {"repair", 8, IsInvalidNumber, ActRepair},
    {"input-method", 2, IsEditable, ActInputMethod},
    {"erase", 3, IsEditable, ActErase},
    {"tab", 8, IsTabBar, ActTab},
    {"wheel", 3, IsWheelTarget, ActWheel},
    {"key", 10, IsDialog, ActKey},
    {"close-box", 1, IsDialog, ActCloseBox},
};

}  // namespace

std::span<const Action> ActionTable() { return kActions; }

void ClickAt(QWidget* w, QPoint pos, Qt::MouseButton button) {
  auto [hit, p] = HitAt(w, pos);
  QPointer<QWidget> alive(hit);
  QTest::mousePress(hit, button, {}, p);
  if (alive) QTest::mouseRelease(hit, button, {}, p);
  // As on the desktop: a right button's release asks for the context menu.
  if (alive && button == Qt::RightButton) {
    QContextMenuEvent ev(QContextMenuEvent::Mouse, p, hit->mapToGlobal(p));
    QApplication::sendEvent(hit, &ev);
  }
}

bool Reachable(QWidget* w) {
  if (w->isWindow()) return true;
  QWidget* hit = HitAt(w, w->rect().center()).first;
  return hit == w || w->isAncestorOf(hit);
}

void ClickButton(ActionContext& x, QWidget* w) {
  // Check boxes and radio buttons take a click on their mark, or anywhere on
  // them now and then (which may be beside their text and do nothing).
  QPoint p = w->rect().center();
  auto* b = As<QAbstractButton>(w);
  if ((As<QCheckBox>(w) || As<QRadioButton>(w)) && x.Rng().Chance(80)) {
    QStyleOptionButton opt;
    opt.initFrom(w);
    const auto element = As<QCheckBox>(w) ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator;
    p = w->style()->subElementRect(element, &opt, w).center();
  } else if (!As<QPushButton>(w)) {
    p = RandomPoint(x.Rng(), w);
  }
  x.Note(QStringLiteral("\"%1\"").arg(b ? b->text() : QString()));
  ClickAt(w, p);
}

void KeyTo(ActionContext& x, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(Focused(x), key, modifiers);
}

void Retype(ActionContext& x, QWidget* edit, const QString& text) {
  ClickAt(edit, QPoint(edit->width() / 2, edit->height() / 2));
  KeyTo(x, Qt::Key_A, Qt::ControlModifier);
  // A full input takes no typed character even over a selection: the
  // selection goes first, as a user learns to do.
  KeyTo(x, Qt::Key_Delete);
  TypeKeys(x, text);
}

void PopupStep(ActionContext& x, QWidget* popup) {
  auto* view = popup->findChild<QListView*>();
  if (view && view->model() && view->model()->rowCount() > 0 && x.Rng().Chance(40)) {
    const QModelIndex index = view->model()->index(x.Rng().Pick(view->model()->rowCount()), view->modelColumn());
    view->scrollTo(index);
    x.Note(QStringLiteral("popup item %1").arg(index.row()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    return;
  }
  static constexpr std::array<Qt::Key, 7> kKeys = {Qt::Key_Down,   Qt::Key_Up,     Qt::Key_End,     Qt::Key_Home,
                                                   Qt::Key_Return, Qt::Key_Escape, Qt::Key_PageDown};
  const Qt::Key key = x.Rng().Of<Qt::Key>(kKeys);
  x.Note(QStringLiteral("popup key %1").arg(QKeySequence(key).toString()));
  KeyTo(x, key);
}

}  // namespace kt::explore
