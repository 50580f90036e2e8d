// Test support for everything built on platform/: a QApplication, a modal
// handler that answers message boxes, dialogs, menus, file and colour
// dialogs from a script, helpers that drive widgets like a user, and a
// fixture with a temporary profile.
//
//   class MyTest : public kt::test::GuiTest {};
//   TEST_F(MyTest, Login) {
//     modal.ExpectDialog<CDlgLogin>([](CDlgLogin& dlg) {
//       kt::test::TypeText(dlg.GetDlgItem(1443), "192.168.0.10");
//       kt::test::Click(dlg, IDOK);
//     });
//     modal.ExpectMessageBox("Completed.", MB_ICONINFORMATION);
//     ...
//   }
//
// Steps are consumed in order; a modal that does not match the next step,
// or comes when none is left, fails the test at once and is answered with
// Cancel (or OK for an OK-only box). Steps left over at the end fail too.
#pragma once

#include "Platform.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QApplication;

namespace kt::test {

// The process's QApplication, made on first use and set up like the
// program's (Fusion style, LC_NUMERIC "C").
QApplication& EnsureApp();

class ModalScript : public kt::ModalHandler {
 public:
  ModalScript();  // installs itself as the modal handler
  ~ModalScript() override;
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  // A message box, answered with `answer`. The second form also checks the
  // exact text and the icon (MB_ICON...).
  ModalScript& ExpectMessageBox(int answer = IDOK);
  ModalScript& ExpectMessageBox(const QString& text, UINT icon, int answer = IDOK);
  // A modal dialog of class T (or derived), handed over after OnInitDialog.
  // End it through its controls (Click(dlg, IDOK)) or EndDialog; left open,
  // it is cancelled and the test fails.
  template <class T>
  ModalScript& ExpectDialog(std::function<void(T&)> fill) {
    Step s;
    s.kind = Kind::Dialog;
    s.what = typeid(T).name();
    s.dialog = [fill](CDialog& d) {
      T* typed = dynamic_cast<T*>(&d);
      if (!typed) {
        ADD_FAILURE() << "modal dialog " << d.GetTemplateId() << " is not of the expected class " << typeid(T).name();
        return;
      }
      fill(*typed);
    };
    m_steps.push_back(std::move(s));
    return *this;
  }
  // A popup menu: the function sees the request and returns the chosen id
  // (0 dismisses it); the second form just picks an id.
  ModalScript& ExpectMenu(std::function<UINT(const kt::MenuRequest&)> pick);
  ModalScript& ExpectMenu(UINT id);
  // A file dialog: answers the path (nothing: Cancel).
  ModalScript& ExpectFileDialog(std::optional<QString> path,
                                std::function<void(const kt::FileDialogRequest&)> check = {});
  // A colour dialog: answers the colour (nothing: Cancel).
  ModalScript& ExpectColorDialog(std::optional<COLORREF> color,
                                 std::function<void(const kt::ColorDialogRequest&)> check = {});

  // Everything shown so far, in order.
  const std::vector<kt::MessageBoxRequest>& MessageBoxes() const { return m_boxes; }
  const std::vector<kt::MenuRequest>& Menus() const { return m_menus; }
  const std::vector<kt::FileDialogRequest>& FileDialogs() const { return m_files; }
  const std::vector<kt::ColorDialogRequest>& ColorDialogs() const { return m_colors; }
  std::size_t Pending() const { return m_steps.size(); }
  // Fails the test for every step not yet consumed, and forgets them.
  void VerifyDone();

  int OnMessageBox(const kt::MessageBoxRequest& request) override;
  void OnDialog(CDialog& dialog) override;
  UINT OnMenu(const kt::MenuRequest& request) override;
  std::optional<QString> OnFileDialog(const kt::FileDialogRequest& request) override;
  std::optional<COLORREF> OnColorDialog(const kt::ColorDialogRequest& request) override;

 private:
  enum class Kind { MessageBox, Dialog, Menu, FileDialog, ColorDialog };
  static const char* KindName(Kind k);
  struct Step {
    Kind kind;
    std::string what;
    int answer = IDOK;
    std::optional<QString> text;
    UINT icon = 0;
    std::function<void(CDialog&)> dialog;
    std::function<UINT(const kt::MenuRequest&)> menu;
    std::optional<QString> path;
    std::function<void(const kt::FileDialogRequest&)> fileCheck;
    std::optional<COLORREF> color;
    std::function<void(const kt::ColorDialogRequest&)> colorCheck;
  };
  // The next step when it is of this kind; otherwise fails the test.
  std::optional<Step> Take(Kind kind, const std::string& shown);

  kt::ModalHandler* m_previous;
  std::deque<Step> m_steps;
  std::vector<kt::MessageBoxRequest> m_boxes;
  std::vector<kt::MenuRequest> m_menus;
  std::vector<kt::FileDialogRequest> m_files;
  std::vector<kt::ColorDialogRequest> m_colors;
};

// Driving widgets as a user does (QTest events on the real widgets).
void Click(CWnd* wnd);                          // left click in its middle
void Click(CWnd& dialog, int id);               // the control of that id
void DoubleClick(CWnd* wnd, CPoint point);      // press, release, press, double click, release
void RightClick(CWnd* wnd, CPoint point);       // client coordinates
void TypeText(CWnd* wnd, const QString& text);  // focuses it first
void PressKey(CWnd* wnd, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void SelectComboItem(CWnd* combo, int index);  // opens the list, picks the item
void SelectListItem(CWnd* list, int index);    // clicks the item
void SelectTab(CWnd* tab, int index);          // clicks the tab
void PumpEvents();                             // runs posted messages

// The background colour a control shows now (after a repaint).
COLORREF BackgroundOf(CWnd* wnd);

// Fixture: the application, a modal script, and the profile in a temporary
// folder of its own.
class GuiTest : public ::testing::Test {
 protected:
  GuiTest();
  void SetUp() override;
  void TearDown() override;

  ModalScript modal;
  QTemporaryDir profileDir;
};

}  // namespace kt::test

// Lets gtest print QStrings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
