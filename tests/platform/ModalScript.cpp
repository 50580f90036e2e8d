#include "ModalScript.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

namespace kt::test {

QApplication& EnsureApp() {
  static QApplication* app = [] {
    static int argc = 1;
    static char arg0[] = "kt_test";
    static char* argv[] = {arg0, nullptr};
    auto* a = new QApplication(argc, argv);  // lives as long as the process
    kt::InitApplication();
    return a;
  }();
  return *app;
}

// ---------------------------------------------------------------------------
// ModalScript

ModalScript::ModalScript() : m_previous(kt::SetModalHandler(this)) {}

ModalScript::~ModalScript() {
  kt::SetModalHandler(m_previous);
  VerifyDone();
}

const char* ModalScript::KindName(Kind k) {
  switch (k) {
    case Kind::MessageBox: return "message box";
    case Kind::Dialog: return "dialog";
    case Kind::Menu: return "popup menu";
    case Kind::FileDialog: return "file dialog";
    case Kind::ColorDialog: return "colour dialog";
  }
  return "?";
}

ModalScript& ModalScript::ExpectMessageBox(int answer) {
  Step s;
  s.kind = Kind::MessageBox;
  s.what = "any message box";
  s.answer = answer;
  m_steps.push_back(std::move(s));
  return *this;
}

ModalScript& ModalScript::ExpectMessageBox(const QString& text, UINT icon, int answer) {
  Step s;
  s.kind = Kind::MessageBox;
  s.what = "message box \"" + text.toStdString() + "\"";
  s.answer = answer;
  s.text = text;
  s.icon = icon;
  m_steps.push_back(std::move(s));
  return *this;
}

ModalScript& ModalScript::ExpectMenu(std::function<UINT(const kt::MenuRequest&)> pick) {
  Step s;
  s.kind = Kind::Menu;
  s.what = "popup menu";
  s.menu = std::move(pick);
  m_steps.push_back(std::move(s));
  return *this;
}

ModalScript& ModalScript::ExpectMenu(UINT id) {
  return ExpectMenu([id](const kt::MenuRequest&) { return id; });
}

ModalScript& ModalScript::ExpectFileDialog(std::optional<QString> path,
                                           std::function<void(const kt::FileDialogRequest&)> check) {
  Step s;
  s.kind = Kind::FileDialog;
  s.what = "file dialog";
  s.path = std::move(path);
  s.fileCheck = std::move(check);
  m_steps.push_back(std::move(s));
  return *this;
}

ModalScript& ModalScript::ExpectColorDialog(std::optional<COLORREF> color,
                                            std::function<void(const kt::ColorDialogRequest&)> check) {
  Step s;
  s.kind = Kind::ColorDialog;
  s.what = "colour dialog";
  s.color = color;
  s.colorCheck = std::move(check);
  m_steps.push_back(std::move(s));
  return *this;
}

void ModalScript::VerifyDone() {
  for (const Step& s : m_steps) ADD_FAILURE() << "expected " << s.what << " never came";
  m_steps.clear();
}

std::optional<ModalScript::Step> ModalScript::Take(Kind kind, const std::string& shown) {
  if (m_steps.empty()) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << ": " << shown;
    return std::nullopt;
  }
  if (m_steps.front().kind != kind) {
    ADD_FAILURE() << "unexpected " << KindName(kind) << " (" << shown << ") where the script expects "
                  << m_steps.front().what;
    return std::nullopt;
  }
  Step s = std::move(m_steps.front());
  m_steps.pop_front();
  return s;
}

int ModalScript::OnMessageBox(const kt::MessageBoxRequest& request) {
  m_boxes.push_back(request);
  // Not "\"" + text: GCC 12 at -O3 warns falsely on it (-Wrestrict, bug 105329).
  std::string quoted = "\"";
  quoted += request.text.toStdString();
  quoted += '"';
  std::optional<Step> s = Take(Kind::MessageBox, quoted);
  if (!s) return request.buttons == MB_OKCANCEL ? IDCANCEL : IDOK;
  if (s->text) {
    EXPECT_EQ(request.text, *s->text);
    EXPECT_EQ(request.icon, s->icon) << "icon of \"" << request.text.toStdString() << "\"";
  }
  if (s->answer == IDCANCEL && request.buttons != MB_OKCANCEL) {
    ADD_FAILURE() << "the script answers Cancel to a box without Cancel: " << request.text.toStdString();
    return IDOK;
  }
  return s->answer;
}

void ModalScript::OnDialog(CDialog& dialog) {
  std::optional<Step> s = Take(Kind::Dialog, "template " + std::to_string(dialog.GetTemplateId()));
  if (!s) return;
  s->dialog(dialog);
  if (!dialog.IsEnded()) ADD_FAILURE() << "dialog " << dialog.GetTemplateId() << " was left open by the script";
}

UINT ModalScript::OnMenu(const kt::MenuRequest& request) {
  m_menus.push_back(request);
  std::optional<Step> s = Take(Kind::Menu, std::to_string(request.items.size()) + " items");
  if (!s) return 0;
  UINT id = s->menu(request);
  if (id == 0) return 0;
  for (const kt::MenuItem& item : request.items) {
    if (!item.separator && item.id == id) {
      if (item.grayed) ADD_FAILURE() << "the script chose the greyed menu item " << id;
      return item.grayed ? 0 : id;
    }
  }
  ADD_FAILURE() << "the script chose menu item " << id << ", which the menu does not have";
  return 0;
}

std::optional<QString> ModalScript::OnFileDialog(const kt::FileDialogRequest& request) {
  m_files.push_back(request);
  std::optional<Step> s = Take(Kind::FileDialog, request.fileName.toStdString());
  if (!s) return std::nullopt;
  if (s->fileCheck) s->fileCheck(request);
  return s->path;
}

std::optional<COLORREF> ModalScript::OnColorDialog(const kt::ColorDialogRequest& request) {
  m_colors.push_back(request);
  std::optional<Step> s = Take(Kind::ColorDialog, std::to_string(request.initial));
  if (!s) return std::nullopt;
  if (s->colorCheck) s->colorCheck(request);
  return s->color;
}

// ---------------------------------------------------------------------------
// Driving widgets

namespace {

QWidget* Widget(CWnd* wnd) {
  QWidget* w = wnd ? wnd->GetSafeHwnd() : nullptr;
  if (!w) ADD_FAILURE() << "no widget to act on";
  return w;
}

// Where a point in the control's client coordinates lands: a child widget
// (a list's viewport, a combo's edit) and the point in its coordinates.
std::pair<QWidget*, QPoint> Target(QWidget* w, QPoint p) {
  if (auto* view = qobject_cast<QAbstractScrollArea*>(w)) {
    return {view->viewport(), view->viewport()->mapFrom(w, p)};
  }
  if (QWidget* child = w->childAt(p)) return {child, child->mapFrom(w, p)};
  return {w, p};
}

QWidget* KeyTarget(QWidget* w) {
  if (auto* cb = qobject_cast<QComboBox*>(w); cb && cb->lineEdit()) return cb->lineEdit();
  if (w->focusProxy()) return w->focusProxy();
  return w;
}

}  // namespace

void Click(CWnd* wnd) {
  QWidget* w = Widget(wnd);
  if (!w) return;
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void Click(CWnd& dialog, int id) {
  CWnd* item = dialog.GetDlgItem(id);
  if (!item) {
    ADD_FAILURE() << "no control " << id << " to click";
    return;
  }
  Click(item);
}

void DoubleClick(CWnd* wnd, CPoint point) {
  QWidget* w = Widget(wnd);
  if (!w) return;
  auto [target, p] = Target(w, QPoint(point.x, point.y));
  // What a mouse delivers: the first click whole, then the second press
  // followed by the double click and the last release. QTest::mouseDClick
  // alone skips the presses that a widget may act on first.
  QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mousePress(target, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseDClick(target, Qt::LeftButton, Qt::NoModifier, p);
  QTest::mouseRelease(target, Qt::LeftButton, Qt::NoModifier, p);
}

void RightClick(CWnd* wnd, CPoint point) {
  QWidget* w = Widget(wnd);
  if (!w) return;
  auto [target, p] = Target(w, QPoint(point.x, point.y));
  QTest::mouseClick(target, Qt::RightButton, Qt::NoModifier, p);
}

void TypeText(CWnd* wnd, const QString& text) {
  QWidget* w = Widget(wnd);
  if (!w) return;
  QWidget* focus = QApplication::focusWidget();
  if (!focus || (focus != w && !w->isAncestorOf(focus))) KeyTarget(w)->setFocus(Qt::OtherFocusReason);
  for (QChar ch : text) {
    // Each key goes where the focus is now: a control may move it on.
    QWidget* target = QApplication::focusWidget();
    if (!target || (target != w && !w->isAncestorOf(target))) target = KeyTarget(w);
    QTest::keyClicks(target, QString(ch));
  }
}

void PressKey(CWnd* wnd, int qtKey, Qt::KeyboardModifiers modifiers) {
  QWidget* w = Widget(wnd);
  if (!w) return;
  QTest::keyClick(KeyTarget(w), static_cast<Qt::Key>(qtKey), modifiers);
}

void SelectComboItem(CWnd* combo, int index) {
  auto* cb = qobject_cast<QComboBox*>(Widget(combo));
  if (!cb) {
    ADD_FAILURE() << "not a combo box";
    return;
  }
  cb->showPopup();
  QAbstractItemView* view = cb->view();
  view->setCurrentIndex(cb->model()->index(index, cb->modelColumn()));
  QTest::keyClick(view, Qt::Key_Return);
  PumpEvents();
}

void SelectListItem(CWnd* list, int index) {
  QWidget* w = Widget(list);
  if (auto* l = qobject_cast<QListWidget*>(w)) {
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, l->visualItemRect(l->item(index)).center());
  } else if (auto* t = qobject_cast<QTableWidget*>(w)) {
    QTest::mouseClick(t->viewport(), Qt::LeftButton, Qt::NoModifier,
                      t->visualRect(t->model()->index(index, 0)).center());
  } else {
    ADD_FAILURE() << "not a list";
  }
}

void SelectTab(CWnd* tab, int index) {
  QWidget* w = Widget(tab);
  auto* bar = w ? w->findChild<QTabBar*>() : nullptr;
  if (!bar) {
    ADD_FAILURE() << "not a tab control";
    return;
  }
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

void PumpEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

COLORREF BackgroundOf(CWnd* wnd) {
  QWidget* w = Widget(wnd);
  if (!w) return 0;
  QWidget* target = w;
  if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w)) {
    if (auto* le = w->findChild<QLineEdit*>()) target = le;
  }
  QWidget* painted = target;
  if (auto* te = qobject_cast<QPlainTextEdit*>(target)) painted = te->viewport();
  (void)painted->grab();  // paints it, so the colour hook runs
  QColor c = target->palette().color(QPalette::Base);
  return RGB(c.red(), c.green(), c.blue());
}

// ---------------------------------------------------------------------------
// GuiTest

GuiTest::GuiTest() { EnsureApp(); }

void GuiTest::SetUp() {
  ASSERT_TRUE(profileDir.isValid());
  kt::SetProfileDirectory(profileDir.path());
}

void GuiTest::TearDown() { modal.VerifyDone(); }

}  // namespace kt::test

// fontconfig keeps a cache for the life of the process on purpose; Qt loads
// it with the first font. Not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
