// Blocking work that does not freeze the windows, and the program's posted
// calls, which such a wait holds back.
//
// A device request can take more than half a minute when the device does not
// answer. Run on the user-interface thread, it would leave every window
// unpainted and deaf to the window manager, which then offers to kill the
// program and its unsaved edits with it. So the work runs on a worker thread
// while the caller waits in a local event loop that only repaints and
// answers the window manager. Clicks, keys and close requests made meanwhile
// are held and handled after the work has returned, unless a modal window
// has opened by then (the request's message box or dialog, which is how most
// requests end): a window behind it takes no input, so they are dropped. A
// drag over the windows, and a call from another program over D-Bus (a
// screen reader's, say), cannot wait for an answer and are refused. None of
// the program's own posted calls runs in between. For the caller, nothing
// changes: the call still returns when the work is done.
#pragma once

#include <functional>

class QObject;

namespace kt {

// Runs `work` on a worker thread of its own and returns once it has ended.
// The work must touch no window, widget or data of the user-interface
// thread; hand it copies. Without a GUI application it simply runs there.
void RunWhileWindowsWait(const std::function<void()>& work);

// True while RunWhileWindowsWait is waiting.
bool IsWaitingForWork();

// Calls `fn` later on the user-interface thread, unless `context` is gone by
// then. Calls that come due while RunWhileWindowsWait waits are held and
// made after it returns, in the order they were posted.
void PostCall(QObject* context, std::function<void()> fn);

}  // namespace kt
