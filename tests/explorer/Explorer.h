// A seeded random user of the whole program. It starts the main window as
// the application does and, from one seed, clicks, types, pastes, picks,
// opens and closes whatever is visible and enabled in the topmost window,
// through real input events. Every message box, menu, file and colour dialog
// is answered at random through the modal seam; every modal dialog is
// explored in turn and then closed by one of its own ways out. After every
// action it checks what must always hold (Explorer.cpp lists it), and a
// failure prints the seed, the last actions and the command that replays it.
#pragma once

#include "Platform.h"

#include <QStringList>

#include <cstdint>
#include <random>
#include <span>

class CDlgConfigMain;
class QWidget;

namespace kt {
struct DeviceConfig;
}

namespace kt::explore {

// Every choice of a run comes from one of these, seeded from the run's seed.
// Plain modulo on purpose: the same seed gives the same run with every
// standard library.
class Random {
 public:
  explicit Random(std::uint64_t seed) : m_engine(seed) {}
  std::uint64_t Next() { return m_engine(); }
  int Pick(int n) { return n <= 1 ? 0 : static_cast<int>(m_engine() % static_cast<std::uint64_t>(n)); }
  bool Chance(int percent) { return Pick(100) < percent; }
  template <class T>
  const T& Of(std::span<const T> items) {
    return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
  }

 private:
  std::mt19937_64 m_engine;
};

// What the actions need from the driver.
class ActionContext {
 public:
  virtual ~ActionContext() = default;
  virtual Random& Rng() = 0;
  // Adds to the current action's line of the log.
  virtual void Note(const QString& text) = 0;
  // The widget of the topmost dialog, which the action works in.
  virtual QWidget* Window() = 0;
};

// One kind of user action: which widgets of the topmost dialog it can act on
// (the dialog's own widget among them), and what it does to one of them.
struct Action {
  const char* name;
  int weight;
  bool (*fits)(QWidget* target);
  void (*act)(ActionContext& x, QWidget* target);
};

std::span<const Action> ActionTable();

// Whether a user can reach the widget with the mouse: its middle is not
// outside its window or under another widget.
bool Reachable(QWidget* w);

// Input a user makes, for the driver's own steps (the login, the closing of a
// dialog, an open popup list).
void ClickAt(QWidget* w, QPoint pos, Qt::MouseButton button = Qt::LeftButton);
void ClickButton(ActionContext& x, QWidget* button);
void KeyTo(ActionContext& x, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks into the edit, selects and deletes everything and types the text
// key by key.
void Retype(ActionContext& x, QWidget* edit, const QString& text);
// A popup list left open: a key or a click on one of its items.
void PopupStep(ActionContext& x, QWidget* popup);

// The program's widgets as its dialog framework marks them: a control's id
// (-1: none), whether a widget is a dialog's own (a window, page or
// sub-dialog), and the template of that dialog (-1: none).
int ControlId(const QWidget* w);
bool IsDialogWidget(const QWidget* w);
int TemplateOf(QWidget* w);

// What is shown is what is saved: the saved record opened in a second
// editor, brought to the page and rows that the user's editor shows. Either
// the differences of the controls there (each naming the control, its
// dialog and both values), or why nothing could be compared.
struct Comparison {
  QString where;  // the page and rows compared
  QStringList differences;
  QString notCompared;
};
Comparison CompareWithSaved(CDlgConfigMain& user, const kt::DeviceConfig& saved);

}  // namespace kt::explore
