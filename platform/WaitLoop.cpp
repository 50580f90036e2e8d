#include "WaitLoop.h"

#include "ModalSeam.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <deque>
#include <exception>
#include <memory>
#include <string_view>
#include <thread>
#include <typeinfo>
#include <utility>
#include <vector>

namespace kt {

namespace {

int g_waitDepth = 0;

struct HeldCall {
  QPointer<QObject> context;
  std::function<void()> fn;
};

std::deque<HeldCall>& HeldCalls() {
  static std::deque<HeldCall> calls;
  return calls;
}

// What the user does to a window, and the window manager's request to close
// one: all of it waits until the work is done.
bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::NativeGesture:
    case QEvent::Close: return true;
    default: return false;
  }
}

// A method call from another program over D-Bus, such as a screen reader
// that presses a button or sets an edit's text, comes to the object it names
// as a posted call of QtDBus's own kind and would change a window in the
// middle of the work. Eaten unplaced, it is answered with an error, which is
// what a busy program can honestly say: its caller cannot be kept waiting
// for half a minute. Signals from the bus are posted calls of another kind
// and still arrive. QtDBus does not publish the kind, so it is known by its
// class name; a test holds it to that name.
bool IsCallOverDBus(QEvent* event) {
  return std::string_view(typeid(*event).name()).ends_with("QDBusActivateObjectEvent");
}

// What cannot wait for the work, and is refused while it runs: such a call,
// and a drag over a window. A drag's source wants to know at once whether
// the drop would be taken, so it cannot be held like a click. It is refused
// before the window sees it, so the window's record of the widget under the
// drag stays as it was, and a drag still over the window when the work has
// returned is taken again, as if it had just come in. (Refused at the
// widget, it would stay refused: Qt follows a drag only into a widget that
// took its entry.) A move must be refused explicitly, as it arrives carrying
// the action taken when the drag entered, perhaps before the work began. A
// drop ends the drag: the window is told that the drag left, which also
// takes the widget's drop mark away. A leave goes through as it is.
bool IsRefused(QObject* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
      if (!(receiver->isWindowType() || receiver->isWidgetType())) return false;
      if (event->type() == QEvent::Drop) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(receiver, &leave);
      }
      auto* drop = static_cast<QDropEvent*>(event);
      drop->setDropAction(Qt::IgnoreAction);
      drop->ignore();
      return true;
    }
    case QEvent::MetaCall: return IsCallOverDBus(event);
    default: return false;
  }
}

QWindow* WindowOf(QObject* receiver) {
  if (auto* window = qobject_cast<QWindow*>(receiver)) return window;
  if (auto* widget = qobject_cast<QWidget*>(receiver)) return widget->window()->windowHandle();
  return nullptr;
}

// Input held back during a wait goes where it would have gone, unless a
// modal window opened since (the request's message box, say, or one that a
// test's handler answers): a window behind it would not have taken the
// input either.
void Deliver(QObject* receiver, QEvent* event) {
  if (detail::IsHandlerModalOpen()) return;
  if (QWindow* modal = QGuiApplication::modalWindow()) {
    QWindow* target = WindowOf(receiver);
    if (!target || (target != modal && !modal->isAncestorOf(target))) return;
  }
  QCoreApplication::sendEvent(receiver, event);
}

// Installed on the application for the length of a wait: takes the user's
// input events that reach any window or widget and keeps copies of them,
// and refuses what cannot be held. (Input from the window system stays in
// its queue anyway, since the wait's loop excludes it; this also catches
// input that is sent directly, such as an input method's text.)
class InputHold : public QObject {
 public:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (IsRefused(receiver, event)) return true;
    if (!IsUserInput(event->type()) || !(receiver->isWidgetType() || receiver->isWindowType())) return false;
    // Of a run of moves only the last matters.
    if (event->type() == QEvent::MouseMove && !m_held.empty() && m_held.back().receiver == receiver &&
        m_held.back().event->type() == QEvent::MouseMove) {
      m_held.back().event.reset(event->clone());
      return true;
    }
    m_held.push_back({QPointer<QObject>(receiver), std::shared_ptr<QEvent>(event->clone())});
    // Whoever asked for the close learns that the window is still open. Told
    // otherwise, Qt would close all windows again and again when asked to
    // quit (as when the session ends), since none of them ever goes away.
    if (event->type() == QEvent::Close) event->ignore();
    return true;
  }

  // Hands the held input back, after everything already posted.
  void Release() {
    for (Held& h : m_held) {
      if (!h.receiver) continue;
      QObject* receiver = h.receiver;
      PostCall(receiver, [receiver, event = h.event] { Deliver(receiver, event.get()); });
    }
    m_held.clear();
  }

 private:
  struct Held {
    QPointer<QObject> receiver;
    std::shared_ptr<QEvent> event;
  };
  std::vector<Held> m_held;
};

void ReleaseHeldCalls() {
  std::deque<HeldCall> calls;
  calls.swap(HeldCalls());
  for (HeldCall& call : calls) {
    if (call.context) PostCall(call.context, std::move(call.fn));
  }
}

}  // namespace

bool IsWaitingForWork() { return g_waitDepth > 0; }

void PostCall(QObject* context, std::function<void()> fn) {
  QPointer<QObject> guard(context);
  QMetaObject::invokeMethod(
      context,
      [guard, fn = std::move(fn)]() mutable {
        if (g_waitDepth > 0) {
          HeldCalls().push_back({guard, std::move(fn)});
          return;
        }
        fn();
      },
      Qt::QueuedConnection);
}

void RunWhileWindowsWait(const std::function<void()>& work) {
  std::exception_ptr failure;
  const auto run = [&work, &failure] {
    try {
      work();
    } catch (...) {
      failure = std::current_exception();
    }
  };

  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app) {
    std::thread(run).join();
  } else {
    QEventLoop loop;
    InputHold hold;
    app->installEventFilter(&hold);
    ++g_waitDepth;
    std::thread worker([&run, &loop] {
      run();
      // Reaches the loop even when it has not started yet: the call waits in
      // the queue of the loop's thread.
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    --g_waitDepth;
    app->removeEventFilter(&hold);
    if (g_waitDepth == 0) ReleaseHeldCalls();
    hold.Release();
  }
  if (failure) std::rethrow_exception(failure);
}

}  // namespace kt
