// The driver of the explorer (see Explorer.h). A run is set by the
// environment:
//
//   KT_EXPLORE_SEED=n      the seed (default: a random one, printed first)
//   KT_EXPLORE_ACTIONS=n   stop after n actions (exact: a replay uses this)
//   KT_EXPLORE_SECONDS=s   stop after s seconds (default 10 when neither is set)
//   KT_EXPLORE_LIMIT_MS=n  the longest an action may take (default 5000)
//   KT_EXPLORE_VERBOSE=1   print every action as it happens
//
// What must hold after every action:
//   - the action took at most the limit, not counting the dialogs it opened
//     (they are actions of their own) and device requests, which must end
//     within their own time-outs; a watchdog ends a run that stops moving;
//   - exactly one page of each tab control is visible, the selected tab's;
//   - every file reported saved and every body uploaded reads back with
//     flags 0 and writes back byte for byte, and opened again in an editor
//     shows on the user's page and rows what the user's editor shows;
//   - no action opens more than a bounded number of modal windows or
//     requests, nor outlasts the limit while answering them (reported at
//     once: such an action may never end);
//   - each tab control shows its selected page alone, and each sub-dialog
//     host its current sub-dialog alone;
//   - the hand-made documents of the run's folder stay as they were;
//   - "Quit" right after a successful "Save file", with no input in between,
//     asks nothing and closes the editor;
//   - the sanitizers, in their build, report nothing.
#include "Explorer.h"

#include "CFGApp.h"
#include "CFGDlg.h"
#include "DeviceHooks.h"
#include "DlgConfigMain.h"
#include "DlgLogin.h"
#include "FakeDevice.h"
#include "HttpClient.h"
#include "JsonReadConfig.h"
#include "JsonWriter.h"
#include "ModalScript.h"
#include "NormalDialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <unistd.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define KT_EXPLORE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KT_EXPLORE_ASAN 1
#endif
#endif
#ifdef KT_EXPLORE_ASAN
#include <sanitizer/common_interface_defs.h>
#endif

namespace kt::explore {

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

struct Settings {
  std::uint64_t seed = 0;
  long long actions = -1;
  double seconds = -1;
  long long limitMs = 5000;
  bool verbose = false;
};

Settings FromEnvironment() {
  Settings s;
  const auto text = [](const char* name) -> const char* {
    const char* v = std::getenv(name);
    return v && *v ? v : nullptr;
  };
  if (const char* v = text("KT_EXPLORE_SEED")) {
    s.seed = std::strtoull(v, nullptr, 0);
  } else {
    std::random_device device;
    s.seed = (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }
  if (const char* v = text("KT_EXPLORE_ACTIONS")) s.actions = std::atoll(v);
  if (const char* v = text("KT_EXPLORE_SECONDS")) s.seconds = std::atof(v);
  if (s.actions < 0 && s.seconds <= 0) s.seconds = 10;
  if (const char* v = text("KT_EXPLORE_LIMIT_MS")) s.limitMs = std::atoll(v);
  s.verbose = text("KT_EXPLORE_VERBOSE") != nullptr;
  return s;
}

std::string Exe() {
  char path[4096];
  const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string("explorer_tests");
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

// Documents that are not quite right, made from a good one.
std::vector<std::pair<QString, QByteArray>> OddDocuments(const QByteArray& good) {
  auto replaced = [&](const char* from, const QByteArray& to) {
    QByteArray d = good;
    const qsizetype at = d.indexOf(from);
    if (at >= 0) d.replace(at, static_cast<qsizetype>(std::strlen(from)), to);
    return d;
  };
  const QByteArray longName = QByteArray("\"NAME\":\"") + QByteArray(300, 'N') + "\"";
  return {
      {QStringLiteral("odd_range.json"), replaced("\"PORT\":502", "\"PORT\":70000")},
      {QStringLiteral("odd_model.json"), replaced("\"KT2057\"", "\"KT2058\"")},
      {QStringLiteral("odd_cut.json"), good.left(good.size() / 2)},
      {QStringLiteral("odd_bom.json"), QByteArray("\xEF\xBB\xBF") + good},
      {QStringLiteral("odd_long_name.json"), replaced("\"NAME\":\"AI1\"", longName)},
      {QStringLiteral("odd_japanese.json"), replaced("\"NAME\":\"AI1\"", "\"NAME\":\"温度センサー１号機の値\"")},
      {QStringLiteral("odd_escapes.json"), replaced("\"NAME\":\"AI1\"", "\"NAME\":\"a\\u0001\\u001f\\\"\\\\\\/\\b\"")},
      {QStringLiteral("odd_bad_utf8.json"), replaced("\"NAME\":\"AI1\"", "\"NAME\":\"\xff\xfe\xc3\"")},
      {QStringLiteral("odd_huge_real.json"), replaced("\"ZERO\":0.000", "\"ZERO\":1e308")},
      {QStringLiteral("odd_wide_int.json"), replaced("\"PLACE\":2", "\"PLACE\":4294967298")},
      {QStringLiteral("odd_place.json"), replaced("\"PLACE\":2", "\"PLACE\":9")},
      {QStringLiteral("odd_type.json"), replaced("\"TYPE\":\"Percent\"", "\"TYPE\":\"Nothing\"")},
      {QStringLiteral("odd_empty_object.json"), QByteArray("{}")},
      {QStringLiteral("odd_tag_only.json"), QByteArray("{\"CONFIG_TAG\":\"KT2057\"}")},
      {QStringLiteral("odd_array.json"), QByteArray("[1,2,3]")},
  };
}

// Documents the reader mostly takes, with a few values changed to others a
// page may not expect: numbers at the usual edges, names of other settings,
// wide bit masks.
std::vector<QByteArray> VariedDocuments(const QByteArray& good, Random& r, int count) {
  static const QRegularExpression kValue(QStringLiteral(R"re(:(-?[0-9][0-9.]*|"[^"]*"))re"));
  static const char* const kNumbers[] = {
      "0",   "1",   "-1",   "2",     "3",     "5",          "9",           "10",    "99",        "100",
      "255", "256", "1000", "65535", "65536", "2147483647", "-2147483648", "0.001", "99999.999", "-99999.999"};
  static const char* const kMasks[] = {"\"0x0\"", "\"0x1\"", "\"0x3\"", "\"0xF\"", "\"0xFFFF\"", "\"0xFFFFFFFF\""};
  const QString text = QString::fromUtf8(good);
  std::vector<QRegularExpressionMatch> values;
  std::vector<QString> names;
  for (auto it = kValue.globalMatch(text); it.hasNext();) {
    values.push_back(it.next());
    const QString v = values.back().captured(1);
    if (v.startsWith(QLatin1Char('"')) && v.size() > 2 && v[1].isLetter()) names.push_back(v);
  }
  std::vector<QByteArray> docs;
  for (int d = 0; d < count; ++d) {
    QString doc = text;
    std::map<qsizetype, std::pair<qsizetype, QString>> changes;  // from the end, so offsets hold
    for (int n = 1 + r.Pick(5); n > 0; --n) {
      const QRegularExpressionMatch& m = values[static_cast<std::size_t>(r.Pick(static_cast<int>(values.size())))];
      const QString old = m.captured(1);
      QString value;
      if (!old.startsWith(QLatin1Char('"'))) {
        value = QString::fromLatin1(r.Of<const char*>(kNumbers));
      } else if (old.startsWith(QLatin1String("\"0x"))) {
        value = QString::fromLatin1(r.Of<const char*>(kMasks));
      } else if (!names.empty()) {
        value = names[static_cast<std::size_t>(r.Pick(static_cast<int>(names.size())))];
      }
      changes[m.capturedStart(1)] = {m.capturedLength(1), value};
    }
    for (auto it = changes.rbegin(); it != changes.rend(); ++it)
      doc.replace(it->first, it->second.first, it->second.second);
    docs.push_back(doc.toUtf8());
  }
  return docs;
}

// ---------------------------------------------------------------------------
// Windows named in reports

QWidget* DialogAbove(QWidget* w) {
  while (w && !IsDialogWidget(w)) w = w->parentWidget();
  return w;
}

// The pages of a tab control: its dialogs, in tab order.
std::vector<QWidget*> PagesOf(QWidget* tabControl) {
  std::vector<QWidget*> pages;
  for (QObject* o : tabControl->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (IsDialogWidget(w)) pages.push_back(w);
  }
  return pages;
}

QTabBar* TabBarOf(QWidget* w) { return w->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly); }

// "dialog 134 \"title\"", "page 168 (tab \"OI\") of dialog 134 ...",
// "sub-dialog 170 of page 168 ...".
QString Describe(QWidget* w) {
  if (!w) return QStringLiteral("no window");
  const int templateId = TemplateOf(w);
  const QString id = templateId >= 0 ? QString::number(templateId) : QStringLiteral("?");
  QWidget* host = w->parentWidget();
  if (w->isWindow() || !host) return QStringLiteral("dialog %1 \"%2\"").arg(id, w->windowTitle());
  if (QTabBar* bar = TabBarOf(host)) {
    const std::vector<QWidget*> pages = PagesOf(host);
    const auto at = std::find(pages.begin(), pages.end(), w) - pages.begin();
    return QStringLiteral("page %1 (tab \"%2\") of %3")
        .arg(id, bar->tabText(static_cast<int>(at)), Describe(DialogAbove(host)));
  }
  return QStringLiteral("sub-dialog %1 of %2").arg(id, Describe(DialogAbove(host)));
}

// The innermost page or sub-dialog that a dialog shows.
QWidget* Innermost(QWidget* dialog) {
  for (QObject* o : dialog->children()) {
    auto* c = qobject_cast<QWidget*>(o);
    if (!c || c->isWindow()) continue;
    if (IsDialogWidget(c) && !c->isHidden()) return Innermost(c);
    if (TabBarOf(c)) {
      for (QWidget* page : PagesOf(c)) {
        if (!page->isHidden()) return Innermost(page);
      }
    }
  }
  return dialog;
}

// One engine shared by the report paths (signals, the sanitizer's death
// callback, the watchdog), which cannot be handed a pointer.
class Explorer;
std::atomic<Explorer*> g_running{nullptr};
std::atomic<bool> g_reported{false};

class Explorer : public kt::ModalHandler, public ActionContext {
 public:
  explicit Explorer(Settings settings)
      : m_settings(settings), m_rng(settings.seed), m_deviceRng(settings.seed ^ 0x9E3779B97F4A7C15ull) {}

  // Runs the program until the budget is spent; false after a failure.
  bool Run();

  // ActionContext
  Random& Rng() override { return m_rng; }
  void Note(const QString& text) override;
  QWidget* Window() override { return m_scopes.empty() ? nullptr : m_scopes.back()->dialog->GetSafeHwnd(); }

  // kt::ModalHandler
  int OnMessageBox(const kt::MessageBoxRequest& request) override;
  void OnDialog(CDialog& dialog) override;
  UINT OnMenu(const kt::MenuRequest& request) override;
  std::optional<QString> OnFileDialog(const kt::FileDialogRequest& request) override;
  std::optional<COLORREF> OnColorDialog(const kt::ColorDialogRequest& request) override;

  void Report(const QString& what);

 private:
  struct Scope {
    CDialog* dialog;
    int budget;
    int steps = 0;
    bool quitNext = false;       // the editor: "Quit" comes next, right after a save
    long long inputAtSave = -1;  // input events counted when the save was reported
  };
  struct Frame {
    Clock::time_point start;
    long long number = 0;  // the action's
    Clock::duration excluded{};
    int modals = 0;  // modal windows and requests it opened
  };
  // Counts the user's input as it reaches the widgets (input held back
  // during a request counts when it arrives after it).
  class InputCounter : public QObject {
   public:
    explicit InputCounter(long long* count) : m_count(count) {}
    bool eventFilter(QObject* obj, QEvent* ev) override {
      switch (ev->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::InputMethod:
        case QEvent::Wheel:
          if (obj->isWidgetType()) ++*m_count;
          break;
        default: break;
      }
      return false;
    }

   private:
    long long* m_count;
  };

  void InstallCrashReports();
  void StartWatchdog();
  bool MayAct();
  int Budget(CDialog& dialog);
  void Step(Scope& scope);
  void RandomAction(Scope& scope);
  void CloseStep(Scope& scope, int attempt);
  void AnswerLogin(Scope& scope);
  void QuitAfterSave(Scope& scope);
  void InputWhileWaiting();
  void Begin(Scope& scope, const char* what);
  void End();
  bool UsersModal(const QString& what, bool ownLoop);
  void CountModal(const QString& what);
  [[noreturn]] void Abort(const QString& what);
  void CompareSaved(const QByteArray& bytes, const QString& what);
  void CheckPages();
  bool CheckHosts(QWidget* dialog);
  void CheckPreparedFiles();
  void CheckUploads();
  void CheckDocument(const QByteArray& bytes, const QString& what);
  void Fail(const QString& what);
  void Line(const QString& text);
  void Flush();
  void Beat() { m_beat = Clock::now().time_since_epoch().count(); }
  double Elapsed() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }
  void WrapRequestHooks();
  void PrepareFiles();
  kt::test::FakeResponse Answer(const kt::test::RecordedRequest& request);
  void AddToPool(const std::string& doc);

  Settings m_settings;
  Random m_rng;
  Clock::time_point m_start;
  long long m_count = 0;  // actions begun
  bool m_done = false;
  long long m_doneAt = -1;
  bool m_failed = false;
  std::vector<Scope*> m_scopes;
  std::vector<Frame> m_frames;
  long long m_inputs = 0;
  bool m_comparing = false;  // a second editor is open: its modals are not the user's
  QStringList m_comparingModals;
  Clock::time_point m_requestStart;

  // The log: the current action's line and the last ones.
  std::string m_pending;
  std::deque<std::string> m_recent;
  std::string m_where;  // the window of the current action
  std::timed_mutex m_logMutex;

  // The watchdog.
  std::atomic<Clock::rep> m_beat{0};
  std::thread m_watchdog;
  std::mutex m_watchMutex;
  std::condition_variable m_watchWake;
  bool m_watchStop = false;

  // Files and the device.
  QTemporaryDir m_tmp;
  QString m_files;
  QString m_lastSave;
  std::unique_ptr<kt::test::FakeDevice> m_device;
  int m_closedPort = 1;
  std::mutex m_deviceMutex;
  Random m_deviceRng;
  std::vector<std::string> m_pool;  // configuration documents the device answers with
  std::size_t m_poolFixed = 0;
  std::map<std::string, std::string> m_deviceDocs;
  std::map<QString, QByteArray> m_prepared;  // the hand-made documents, by name

  // Counts for the summary.
  std::map<int, int> m_dialogs;
  long long m_longest = 0;  // ms, the longest action
  long long m_boxes = 0, m_savesChecked = 0, m_uploadsChecked = 0, m_requests = 0, m_starts = 0;
  long long m_compared = 0, m_notCompared = 0;
  int m_mostModals = 0;
  QString m_lastBox;
};

// ---------------------------------------------------------------------------
// The log and the report

void Explorer::Flush() {
  if (m_pending.empty()) return;
  std::string line;
  line.swap(m_pending);
  if (m_settings.verbose) std::fprintf(stderr, "%s\n", line.c_str());
  std::lock_guard lock(m_logMutex);
  m_recent.push_back(std::move(line));
  if (m_recent.size() > 300) m_recent.pop_front();
}

void Explorer::Line(const QString& text) {
  Flush();
  m_pending = std::string(2 * m_scopes.size(), ' ') + text.toStdString();
  Flush();
}

void Explorer::Note(const QString& text) {
  if (m_pending.empty()) m_pending = std::string(2 * m_scopes.size() + 2, ' ') + "...";
  m_pending += ' ';
  m_pending += text.toStdString();
}

void Explorer::Report(const QString& what) {
  if (g_reported.exchange(true)) return;
  const long long replay = m_doneAt >= 0 ? m_doneAt : m_count;
  QString out = QStringLiteral("\n=== explorer: %1\nseed %2, action %3, %4 ms into the run\n")
                    .arg(what)
                    .arg(m_settings.seed)
                    .arg(m_count)
                    .arg(static_cast<long long>(Elapsed() * 1000));
  {
    std::unique_lock lock(m_logMutex, std::defer_lock);
    const bool locked = lock.try_lock_for(2s);
    if (locked) out += QStringLiteral("the action's window: %1\n").arg(QString::fromStdString(m_where));
    out += QStringLiteral("last actions:\n");
    for (const std::string& line : m_recent) out += QStringLiteral("  %1\n").arg(QString::fromStdString(line));
    if (locked && !m_pending.empty()) out += QStringLiteral("  %1\n").arg(QString::fromStdString(m_pending));
  }
  out += QStringLiteral(
             "replay: KT_EXPLORE_SEED=%1 KT_EXPLORE_ACTIONS=%2 QT_QPA_PLATFORM=offscreen %3\n"
             "        (add KT_EXPLORE_VERBOSE=1 to see every action)\n")
             .arg(m_settings.seed)
             .arg(replay)
             .arg(QString::fromStdString(Exe()));
  const QByteArray bytes = out.toUtf8();
  ssize_t ignored = ::write(2, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  (void)ignored;
}

void Explorer::Fail(const QString& what) {
  if (m_failed) return;
  m_failed = true;
  Flush();
  Report(what);
  ADD_FAILURE() << what.toStdString();
}

// For what may never end (a box that keeps coming back): the report, then
// the end of the process, since the program's own loop cannot be left.
void Explorer::Abort(const QString& what) {
  m_failed = true;
  Flush();
  Report(what);
  std::fflush(stderr);
  std::_Exit(1);
}

void ReportCrash(int sig) {
  if (Explorer* x = g_running.load()) x->Report(QStringLiteral("stopped by signal %1").arg(sig));
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

// The watchdog sends this to the main thread of a hung run: where it hangs.
void PrintStackAndExit(int) {
#ifdef KT_EXPLORE_ASAN
  __sanitizer_print_stack_trace();
#else
  void* frames[64];
  backtrace_symbols_fd(frames, backtrace(frames, 64), 2);
#endif
  std::_Exit(3);
}

#ifdef KT_EXPLORE_ASAN
void ReportSanitizerDeath() {
  if (Explorer* x = g_running.load()) x->Report(QStringLiteral("the sanitizer reported the error above"));
}
#endif

// ---------------------------------------------------------------------------
// The run

bool Explorer::Run() {
  for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
    ::unsetenv(name);
  PrepareFiles();
  m_device = std::make_unique<kt::test::FakeDevice>();
  m_device->SetHandler([this](const kt::test::RecordedRequest& r) { return Answer(r); });
  m_closedPort = kt::test::FakeDevice::ClosedPort();

  // Short client time-outs: nothing in the run may take long.
  const kt::HttpTimeouts savedTimeouts = kt::HttpClientTimeouts();
  kt::HttpClientTimeouts() = {std::chrono::milliseconds(1500), std::chrono::seconds(2),
                              std::chrono::milliseconds(4000)};
  kt::ScopedDeviceHooks keepHooks(kt::DeviceLinkHooks());
  kt::ModalHandler* previous = kt::SetModalHandler(this);
  // A popup list ignores clicks for a double click's time after it opens; a
  // user is slower than that, the explorer waits it out, so keep it short.
  const int doubleClick = QApplication::doubleClickInterval();
  QApplication::setDoubleClickInterval(10);
  InputCounter counter(&m_inputs);
  qApp->installEventFilter(&counter);
  static QtMessageHandler qtDefault = nullptr;
  qtDefault = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Events QTest sends to a widget that ignores them, as a click on a
    // label: the window system would drop them too.
    if (text.contains(QLatin1String("not accepted by receiving widget"))) return;
    // What the offscreen platform says when a popup list opens.
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    if (qtDefault) qtDefault(type, context, text);
  });

  // The document readers trace to standard output, thousands of lines in a
  // run: they go nowhere, as in the windowed program; ours go to stderr.
  std::fflush(stdout);
  const int savedStdout = ::dup(1);
  const int devNull = ::open("/dev/null", O_WRONLY);
  if (devNull >= 0) ::dup2(devNull, 1);

  std::fprintf(stderr, "explorer: seed %llu (replay with KT_EXPLORE_SEED=%llu)\n",
               static_cast<unsigned long long>(m_settings.seed), static_cast<unsigned long long>(m_settings.seed));
  InstallCrashReports();
  m_start = Clock::now();
  Beat();
  StartWatchdog();

  // The program, started again whenever the user quits it.
  while (!m_done && !m_failed) {
    ++m_starts;
    CCFGApp app;
    app.InitInstance();
  }

  if (!m_failed) CheckPreparedFiles();
  {
    std::lock_guard lock(m_watchMutex);
    m_watchStop = true;
  }
  m_watchWake.notify_all();
  m_watchdog.join();
  std::fflush(stdout);
  if (savedStdout >= 0) ::dup2(savedStdout, 1);
  for (int fd : {savedStdout, devNull}) {
    if (fd >= 0) ::close(fd);
  }
  std::fprintf(
      stderr,
      "explorer: seed %llu, %lld actions in %.1f s; main window started %lld times, %zu kinds of dialog opened, "
      "%lld message boxes, %lld requests, %lld saved files and %lld uploads checked, %lld of them opened again and "
      "compared (%lld could not be); longest action %lld ms, most modal windows and requests of one action %d\n",
      static_cast<unsigned long long>(m_settings.seed), m_count, Elapsed(), m_starts, m_dialogs.size(), m_boxes,
      m_requests, m_savesChecked, m_uploadsChecked, m_compared, m_notCompared, m_longest, m_mostModals);
  QString opened = QStringLiteral("explorer: dialogs opened (template: times):");
  for (const auto& [id, n] : m_dialogs) opened += QStringLiteral(" %1:%2").arg(id).arg(n);
  std::fprintf(stderr, "%s\n", qPrintable(opened));

  g_running = nullptr;
  std::signal(SIGABRT, SIG_DFL);
  qInstallMessageHandler(qtDefault);
  qApp->removeEventFilter(&counter);
  QApplication::setDoubleClickInterval(doubleClick);
  kt::SetModalHandler(previous);
  kt::HttpClientTimeouts() = savedTimeouts;
  m_device.reset();
  return !m_failed;
}

void Explorer::InstallCrashReports() {
  g_running = this;
  std::signal(SIGABRT, ReportCrash);
  std::signal(SIGUSR2, PrintStackAndExit);
#ifdef KT_EXPLORE_ASAN
  __sanitizer_set_death_callback(ReportSanitizerDeath);
#else
  // On a stack of its own: a stack overflow is one of the crashes to report.
  static std::vector<char> altStack(1 << 18);
  stack_t ss{};
  ss.ss_sp = altStack.data();
  ss.ss_size = altStack.size();
  sigaltstack(&ss, nullptr);
  struct sigaction sa {};
  sa.sa_handler = ReportCrash;
  sa.sa_flags = SA_ONSTACK;
  for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) sigaction(sig, &sa, nullptr);
#endif
}

// A run that stops moving (no action, modal or request for a minute) is
// reported with the place where it hangs, and ended, so that CI never waits.
void Explorer::StartWatchdog() {
  m_watchdog = std::thread([this, mainThread = pthread_self()] {
    const auto hang = std::chrono::milliseconds(std::max<long long>(60000, 6 * m_settings.limitMs));
    std::unique_lock lock(m_watchMutex);
    while (!m_watchStop) {
      m_watchWake.wait_for(lock, 1s);
      if (m_watchStop) break;
      const auto idle = Clock::now().time_since_epoch() - Clock::duration(m_beat.load());
      if (idle > hang) {
        Report(QStringLiteral("no progress for %1 s: a hang; where it hangs follows")
                   .arg(std::chrono::duration_cast<std::chrono::seconds>(idle).count()));
        pthread_kill(mainThread, SIGUSR2);
        std::this_thread::sleep_for(10s);
        std::_Exit(3);
      }
    }
  });
}

bool Explorer::MayAct() {
  if (!m_done) {
    const bool outOfActions = m_settings.actions >= 0 && m_count >= m_settings.actions;
    const bool outOfTime = m_settings.seconds > 0 && Elapsed() >= m_settings.seconds;
    if (outOfActions || outOfTime || m_failed) {
      m_done = true;
      m_doneAt = m_count;
    }
  }
  return !m_done;
}

int Explorer::Budget(CDialog& dialog) {
  // The main window runs until the run ends (or the user quits it, and the
  // program starts again).
  if (m_scopes.empty()) return INT_MAX;
  if (dynamic_cast<CDlgConfigMain*>(&dialog)) return 30 + m_rng.Pick(500);
  if (dynamic_cast<CDlgLogin*>(&dialog)) return 1 + m_rng.Pick(6);
  return m_rng.Pick(40);
}

void Explorer::OnDialog(CDialog& dialog) {
  const Clock::time_point opened = Clock::now();
  Beat();
  const int id = static_cast<int>(dialog.GetTemplateId());
  if (!UsersModal(QStringLiteral("dialog %1").arg(id), false)) {
    dialog.EndDialog(IDCANCEL);
    return;
  }
  ++m_dialogs[id];
  Line(QStringLiteral("dialog %1 opens (%2)").arg(id).arg(QString::fromLatin1(typeid(dialog).name())));
  Scope scope{&dialog, Budget(dialog)};
  m_scopes.push_back(&scope);
  if (m_scopes.size() == 1) WrapRequestHooks();
  while (!dialog.IsEnded() && scope.steps < scope.budget && MayAct()) Step(scope);
  for (int attempt = 0; !dialog.IsEnded() && attempt < 10; ++attempt) CloseStep(scope, attempt);
  m_scopes.pop_back();
  Line(QStringLiteral("dialog %1 %2")
           .arg(id)
           .arg(dialog.IsEnded() ? QStringLiteral("ends with %1").arg(dialog.GetModalResult())
                                 : QStringLiteral("left open")));
  // The time spent in it went to its own actions.
  if (!m_frames.empty()) m_frames.back().excluded += Clock::now() - opened;
}

void Explorer::Begin(Scope& scope, const char* what) {
  Flush();
  ++m_count;
  ++scope.steps;
  Beat();
  m_frames.push_back(Frame{Clock::now(), m_count});
  {
    const std::string where = Describe(Innermost(scope.dialog->GetSafeHwnd())).toStdString();
    std::lock_guard lock(m_logMutex);
    m_where = where;
  }
  m_pending = QStringLiteral("%1#%2 [%3] %4")
                  .arg(QString(static_cast<qsizetype>(2 * (m_scopes.size() - 1)), QLatin1Char(' ')))
                  .arg(m_count)
                  .arg(scope.dialog->GetTemplateId())
                  .arg(QString::fromLatin1(what))
                  .toStdString();
}

void Explorer::End() {
  kt::test::PumpEvents();
  Flush();
  const Frame frame = m_frames.back();
  m_frames.pop_back();
  CheckPages();
  CheckUploads();
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - frame.start - frame.excluded);
  m_longest = std::max(m_longest, static_cast<long long>(took.count()));
  if (took.count() > m_settings.limitMs) {
    Fail(QStringLiteral("action %1 took %2 ms (limit %3 ms)").arg(m_count).arg(took.count()).arg(m_settings.limitMs));
  }
}

void Explorer::Step(Scope& scope) {
  const bool login = scope.steps == 0 && dynamic_cast<CDlgLogin*>(scope.dialog) && m_rng.Chance(94);
  if (QWidget* popup = QApplication::activePopupWidget()) {
    Begin(scope, "popup");
    PopupStep(*this, popup);
  } else if (scope.quitNext) {
    Begin(scope, "quit-after-save");
    QuitAfterSave(scope);
  } else if (login) {
    Begin(scope, "login");
    AnswerLogin(scope);
  } else {
    Begin(scope, "");
    RandomAction(scope);
  }
  End();
}

void Explorer::RandomAction(Scope& scope) {
  QWidget* win = scope.dialog->GetSafeHwnd();
  std::vector<QWidget*> widgets{win};
  for (QWidget* w : win->findChildren<QWidget*>()) {
    if (w->window() == win && w->isVisible() && w->isEnabled() && Reachable(w)) widgets.push_back(w);
  }
  const auto table = ActionTable();
  std::vector<std::vector<QWidget*>> fits(table.size());
  int total = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    for (QWidget* w : widgets) {
      if (table[i].fits(w)) fits[i].push_back(w);
    }
    if (!fits[i].empty()) total += table[i].weight;
  }
  // The ways out of the dialog (its OK, Cancel or Quit button, its close
  // box) are mostly kept for the end of its budget, so that a dialog is
  // explored before it closes.
  QWidget* ok = scope.dialog->GetDlgItem(IDOK) ? scope.dialog->GetDlgItem(IDOK)->GetSafeHwnd() : nullptr;
  QWidget* cancel = scope.dialog->GetDlgItem(IDCANCEL) ? scope.dialog->GetDlgItem(IDCANCEL)->GetSafeHwnd() : nullptr;
  std::size_t action = 0;
  QWidget* target = nullptr;
  for (int draw = 0; draw < 4; ++draw) {
    int roll = m_rng.Pick(total);
    for (action = 0; action < table.size(); ++action) {
      if (fits[action].empty()) continue;
      if (roll < table[action].weight) break;
      roll -= table[action].weight;
    }
    const auto& targets = fits[action];
    target = targets[static_cast<std::size_t>(m_rng.Pick(static_cast<int>(targets.size())))];
    const std::string_view name = table[action].name;
    const bool wayOut = name == "close-box" || (name == "click" && target && (target == ok || target == cancel));
    if (!wayOut || !m_rng.Chance(85)) break;
  }
  int id = -1;
  for (QWidget* p = target; p && p != win; p = p->parentWidget()) {
    if (p->property("kt_id").isValid()) {
      id = p->property("kt_id").toInt();
      break;
    }
  }
  m_pending += table[action].name;
  Note(target == win ? QStringLiteral("window")
                     : QStringLiteral("%1#%2").arg(QString::fromLatin1(target->metaObject()->className())).arg(id));
  table[action].act(*this, target);
}

void Explorer::CloseStep(Scope& scope, int attempt) {
  Begin(scope, "close");
  QWidget* win = scope.dialog->GetSafeHwnd();
  std::vector<QWidget*> buttons;
  for (int id : {IDOK, IDCANCEL}) {
    CWnd* item = scope.dialog->GetDlgItem(id);
    if (item && item->GetSafeHwnd() && item->GetSafeHwnd()->isVisible() && item->GetSafeHwnd()->isEnabled())
      buttons.push_back(item->GetSafeHwnd());
  }
  if (QApplication::activePopupWidget()) {
    Note(QStringLiteral("popup: Escape"));
    KeyTo(*this, Qt::Key_Escape);
  }
  const int way = m_rng.Pick(attempt < 6 ? 4 : 2);
  if (way >= 2 && !buttons.empty()) {
    ClickButton(*this, buttons[static_cast<std::size_t>(m_rng.Pick(static_cast<int>(buttons.size())))]);
  } else if (way == 0) {
    Note(QStringLiteral("Escape"));
    KeyTo(*this, Qt::Key_Escape);
  } else {
    Note(QStringLiteral("close box"));
    win->close();
  }
  End();
}

void Explorer::AnswerLogin(Scope& scope) {
  auto& dlg = *scope.dialog;
  const int roll = m_rng.Pick(100);
  if (roll < 12) {
    Note(QStringLiteral("cancel"));
    switch (m_rng.Pick(3)) {
      case 0: ClickButton(*this, dlg.GetDlgItem(IDCANCEL)->GetSafeHwnd()); break;
      case 1: KeyTo(*this, Qt::Key_Escape); break;
      default: dlg.GetSafeHwnd()->close(); break;
    }
    return;
  }
  QString address = QString::fromLatin1(kt::test::FakeDevice::kAddress);
  QString port = QString::number(m_device->Port());
  if (roll < 26) {
    static const char* const kAddresses[] = {
        "",          "127.0.0.1:80", "http://127.0.0.1/", "1.2.3",     "256.1.1.1", "127.0.0.1/x?y#z",
        "192.0.2.1", "::1",          "user@127.0.0.1",    "127.0.0.01"};
    address = QString::fromLatin1(m_rng.Of<const char*>(kAddresses));
    const QString ports[] = {
        port,      QString::number(m_closedPort), QStringLiteral("0"),          QStringLiteral("65536"),
        QString(), QStringLiteral("-1"),          QStringLiteral("99999999999")};
    port = m_rng.Of<QString>(ports);
  } else if (roll < 32) {
    address = QStringLiteral("localhost");
  }
  const QString id = m_rng.Chance(80) ? QStringLiteral("admin") : QStringLiteral("user_%1").arg(m_rng.Pick(100));
  Note(QStringLiteral("\"%1\" port \"%2\" as %3").arg(address, port, id));
  Retype(*this, dlg.GetDlgItem(1443)->GetSafeHwnd(), address);
  Retype(*this, dlg.GetDlgItem(1444)->GetSafeHwnd(), port);
  Retype(*this, dlg.GetDlgItem(1445)->GetSafeHwnd(), id);
  Retype(*this, dlg.GetDlgItem(1446)->GetSafeHwnd(), QStringLiteral("pass_1"));
  if (m_rng.Chance(80)) {
    ClickButton(*this, dlg.GetDlgItem(IDOK)->GetSafeHwnd());
  } else {
    KeyTo(*this, Qt::Key_Return);
  }
}

void Explorer::QuitAfterSave(Scope& scope) {
  scope.quitNext = false;
  if (m_inputs != scope.inputAtSave) return;  // input came in between: nothing to check
  const long long boxes = m_boxes;
  CWnd* quit = scope.dialog->GetDlgItem(IDOK);
  ClickAt(quit->GetSafeHwnd(), quit->GetSafeHwnd()->rect().center());
  if (m_boxes != boxes) {
    Fail(QStringLiteral("\"Quit\" right after a successful \"Save file\" asked \"%1\"").arg(m_lastBox));
  } else if (!scope.dialog->IsEnded()) {
    Fail(QStringLiteral("\"Quit\" right after a successful \"Save file\" left the editor open"));
  }
}

void Explorer::InputWhileWaiting() {
  if (m_scopes.empty()) return;
  for (int n = 1 + m_rng.Pick(2); n > 0; --n) {
    Flush();
    m_pending = std::string(2 * m_scopes.size() + 2, ' ') + "while the request runs: ";
    RandomAction(*m_scopes.back());
  }
  Flush();
}

// ---------------------------------------------------------------------------
// Invariants

void Explorer::CheckPages() {
  for (Scope* s : m_scopes) {
    QWidget* win = s->dialog->GetSafeHwnd();
    if (win && !s->dialog->IsEnded() && !CheckHosts(win)) return;
  }
}

// Each tab control shows its selected page alone; each sub-dialog host its
// current sub-dialog alone (or none).
bool Explorer::CheckHosts(QWidget* win) {
  for (QTabBar* bar : win->findChildren<QTabBar*>()) {
    QWidget* tabs = bar->parentWidget();
    const std::vector<QWidget*> pages = PagesOf(tabs);
    if (pages.empty()) continue;
    int shown = 0, at = -1;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (!pages[i]->isHidden()) {
        ++shown;
        at = static_cast<int>(i);
      }
    }
    if (shown != 1 || (static_cast<int>(pages.size()) == bar->count() && at != bar->currentIndex())) {
      Fail(QStringLiteral("tab control %1 of %2: %3 pages visible (the last %4) with tab %5 selected")
               .arg(ControlId(tabs))
               .arg(Describe(DialogAbove(tabs->parentWidget())))
               .arg(shown)
               .arg(at)
               .arg(bar->currentIndex()));
      return false;
    }
  }
  for (QWidget* w : win->findChildren<QWidget*>()) {
    auto* host = dynamic_cast<CSubDialogParent*>(CWnd::FromHandlePermanent(w));
    if (!host) continue;
    QStringList shown;
    bool wrong = false;
    for (const SubDialogEntry& child : host->m_children) {
      QWidget* cw = child.pDialog ? child.pDialog->GetSafeHwnd() : nullptr;
      if (!cw) continue;
      const bool visible = !cw->isHidden();
      if (visible) shown << QString::number(child.pDialog->GetTemplateId());
      if (visible != (child.pDialog.get() == host->m_pCurrent)) wrong = true;
    }
    if (wrong) {
      Fail(QStringLiteral("frame %1 of %2 shows the sub-dialogs [%3], its current one being %4")
               .arg(ControlId(w))
               .arg(Describe(DialogAbove(w->parentWidget())))
               .arg(shown.join(QLatin1Char(' ')))
               .arg(host->m_pCurrent ? QString::number(host->m_pCurrent->GetTemplateId()) : QStringLiteral("none")));
      return false;
    }
  }
  return true;
}

// The first step of every modal answer. While the second editor is open
// the modal is that editor's: noted, and answered apart (false). Else it
// counts against the action that opened it, and one with a loop of its own
// (a box, a file or colour dialog) runs what is posted, as the real one
// would: input that a request held back is dropped then.
bool Explorer::UsersModal(const QString& what, bool ownLoop) {
  if (m_comparing) {
    m_comparingModals << what;
    return false;
  }
  CountModal(what);
  if (ownLoop) kt::test::PumpEvents();
  return true;
}

// A loop of modal windows or requests from one action has no end of its own.
void Explorer::CountModal(const QString& what) {
  if (m_frames.empty()) return;
  Frame& frame = m_frames.back();
  m_mostModals = std::max(m_mostModals, ++frame.modals);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - frame.start - frame.excluded);
  constexpr int kStorm = 50;
  if (frame.modals > kStorm) {
    Abort(QStringLiteral("action %1 opened more than %2 modal windows and requests, the last %3: a storm that may "
                         "never end")
              .arg(frame.number)
              .arg(kStorm)
              .arg(what));
  }
  if (took.count() > m_settings.limitMs) {
    Abort(
        QStringLiteral("action %1 has taken %2 ms with its modal answers (limit %3 ms), the last %4: it may never end")
            .arg(frame.number)
            .arg(took.count())
            .arg(m_settings.limitMs)
            .arg(what));
  }
}

void Explorer::CompareSaved(const QByteArray& bytes, const QString& what) {
  auto* editor = m_scopes.empty() ? nullptr : dynamic_cast<CDlgConfigMain*>(m_scopes.back()->dialog);
  if (!editor || editor->IsEnded()) return;
  auto saved = std::make_unique<kt::DeviceConfig>();
  kt::InitDeviceConfig(saved.get());
  char errorText[1024] = {};
  if (kt::JsonReadConfig(saved.get(), bytes.constData(), static_cast<std::size_t>(bytes.size()), errorText) != 0)
    return;  // CheckDocument has said so
  const Clock::time_point start = Clock::now();
  m_comparing = true;
  m_comparingModals.clear();
  const Comparison c = CompareWithSaved(*editor, *saved);
  m_comparing = false;
  if (!m_frames.empty()) m_frames.back().excluded += Clock::now() - start;
  if (!m_comparingModals.isEmpty() || !c.notCompared.isEmpty()) {
    // The record holds what the user never brought to the screen, and the
    // second editor, to reach the same rows, met its checks.
    ++m_notCompared;
    Line(QStringLiteral("  %1 not compared on %2: %3")
             .arg(what, c.where,
                  c.notCompared.isEmpty()
                      ? QStringLiteral("opened again, it asked %1").arg(m_comparingModals.join(", "))
                      : c.notCompared));
    return;
  }
  ++m_compared;
  if (!c.differences.isEmpty()) {
    Fail(QStringLiteral("what is shown is not what is saved: %1, opened again, differs on %2 of %3: %4")
             .arg(what, c.where, Describe(editor->GetSafeHwnd()), c.differences.join(QStringLiteral("; "))));
  }
}

void Explorer::CheckPreparedFiles() {
  const QDir dir(m_files);
  for (const auto& [name, bytes] : m_prepared) {
    if (ReadAll(dir.filePath(name)) != bytes) {
      Fail(QStringLiteral("the hand-made document %1 was changed").arg(name));
      return;
    }
  }
}

void Explorer::CheckDocument(const QByteArray& bytes, const QString& what) {
  kt::DeviceConfig cfg;
  kt::InitDeviceConfig(&cfg);
  char errorText[1024] = {};
  const kt::u32 flags = kt::JsonReadConfig(&cfg, bytes.constData(), static_cast<std::size_t>(bytes.size()), errorText);
  if (flags != 0) {
    Fail(what + QStringLiteral(" reads back with flags %1 %2").arg(flags).arg(QString::fromLocal8Bit(errorText)));
    return;
  }
  std::vector<char> out(kt::kJsonConfigBufferSize);
  const int length = kt::JsonWriteConfig(&cfg, out.data(), out.size());
  const QByteArray again(out.data(), length);
  if (again != bytes) {
    qsizetype at = 0;
    while (at < again.size() && at < bytes.size() && again[at] == bytes[at]) ++at;
    Fail(what + QStringLiteral(" does not write back byte for byte: from offset %1 it has \"%2\", written again \"%3\"")
                    .arg(at)
                    .arg(QString::fromUtf8(bytes.mid(at, 60)), QString::fromUtf8(again.mid(at, 60))));
  }
}

void Explorer::CheckUploads() {
  const std::vector<kt::test::RecordedRequest> requests = m_device->Requests();
  if (requests.empty()) return;
  m_device->ClearRequests();
  m_requests += static_cast<long long>(requests.size());
  for (const kt::test::RecordedRequest& r : requests) {
    if (r.method != "POST") continue;
    ++m_uploadsChecked;
    CheckDocument(QByteArray::fromStdString(r.body), QStringLiteral("an uploaded body"));
    AddToPool(r.body);
  }
}

// ---------------------------------------------------------------------------
// Modal answers

int Explorer::OnMessageBox(const kt::MessageBoxRequest& request) {
  Beat();
  if (!UsersModal(QStringLiteral("message box \"%1\"").arg(request.text.left(80)), true)) return IDOK;
  ++m_boxes;
  m_lastBox = request.text;
  int answer = IDOK;
  if (request.buttons == MB_OKCANCEL && m_rng.Chance(50)) answer = IDCANCEL;
  QString text = request.text;
  text.replace(QLatin1String("\r\n"), QLatin1String(" / "));
  Line(QStringLiteral("box \"%1\" -> %2")
           .arg(text.left(80), answer == IDOK ? QStringLiteral("OK") : QStringLiteral("Cancel")));
  if (request.text == g_strConfigMainMessages[2]) {  // "File saved."
    ++m_savesChecked;
    const QByteArray saved = ReadAll(m_lastSave);
    const QString what = QStringLiteral("the file saved as %1").arg(QFileInfo(m_lastSave).fileName());
    CheckDocument(saved, what);
    CompareSaved(saved, what);
    AddToPool(saved.toStdString());
    if (!m_scopes.empty() && dynamic_cast<CDlgConfigMain*>(m_scopes.back()->dialog) && m_rng.Chance(50)) {
      m_scopes.back()->quitNext = true;
      m_scopes.back()->inputAtSave = m_inputs;
    }
  } else if (request.text == g_strConfigMainMessages[4]) {  // "Completed.", of an upload from the editor
    const std::vector<kt::test::RecordedRequest> requests = m_device->Requests();
    if (!requests.empty() && requests.back().method == "POST" && requests.back().path == "/config.json")
      CompareSaved(QByteArray::fromStdString(requests.back().body), QStringLiteral("the uploaded body"));
  }
  return answer;
}

UINT Explorer::OnMenu(const kt::MenuRequest& request) {
  Beat();
  if (!UsersModal(QStringLiteral("menu"), false)) return 0;
  std::vector<const kt::MenuItem*> items;
  QString shown;
  for (const kt::MenuItem& item : request.items) {
    if (item.separator) continue;
    shown += QStringLiteral("%1%2 ").arg(item.text, item.grayed ? QStringLiteral("(grey)") : QString());
    if (!item.grayed) items.push_back(&item);
  }
  const kt::MenuItem* chosen = items.empty() || m_rng.Chance(12)
                                   ? nullptr
                                   : items[static_cast<std::size_t>(m_rng.Pick(static_cast<int>(items.size())))];
  Line(QStringLiteral("menu [%1] -> %2").arg(shown.trimmed(), chosen ? chosen->text : QStringLiteral("dismissed")));
  return chosen ? chosen->id : 0;
}

std::optional<QString> Explorer::OnFileDialog(const kt::FileDialogRequest& request) {
  Beat();
  if (!UsersModal(QStringLiteral("file dialog"), true)) return std::nullopt;
  std::optional<QString> path;
  if (!m_rng.Chance(10)) {
    QDir dir(m_files);
    if (request.open) {
      const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
      path = m_rng.Chance(5) || entries.isEmpty() ? dir.filePath(QStringLiteral("missing.json"))
                                                  : dir.filePath(entries[m_rng.Pick(static_cast<int>(entries.size()))]);
    } else {
      // The name offered (kept in this folder), a few names of our own, and
      // places that cannot be written.
      const QString offered =
          QFileInfo(request.fileName).isRelative() ? dir.filePath(request.fileName) : request.fileName;
      const QString names[] = {offered,
                               offered,
                               dir.filePath(QStringLiteral("saved1.json")),
                               dir.filePath(QStringLiteral("saved2.json")),
                               dir.filePath(QStringLiteral("saved3.json")),
                               dir.filePath(QStringLiteral("no/such/folder.json")),
                               dir.filePath(QStringLiteral("folder.json"))};
      path = m_rng.Of<QString>(names);
      // The hand-made documents stay as they are: a save over one goes
      // beside it.
      const QFileInfo chosen(*path);
      if (m_prepared.count(chosen.fileName()) && chosen.absolutePath() == QFileInfo(m_files).absoluteFilePath())
        path = dir.filePath(QStringLiteral("resaved_") + chosen.fileName());
      m_lastSave = *path;
    }
  }
  Line(QStringLiteral("%1 dialog \"%2\" -> %3")
           .arg(request.open ? QStringLiteral("open") : QStringLiteral("save"), request.fileName,
                path ? QFileInfo(*path).fileName() : QStringLiteral("Cancel")));
  return path;
}

std::optional<COLORREF> Explorer::OnColorDialog(const kt::ColorDialogRequest& request) {
  Beat();
  if (!UsersModal(QStringLiteral("colour dialog"), true)) return std::nullopt;
  std::optional<COLORREF> color;
  if (!m_rng.Chance(15)) color = m_rng.Chance(20) ? request.initial : static_cast<COLORREF>(m_rng.Next() & 0xFFFFFF);
  Line(QStringLiteral("colour dialog -> %1")
           .arg(color ? QStringLiteral("0x%1").arg(*color, 6, 16, QLatin1Char('0')) : QStringLiteral("Cancel")));
  return color;
}

// ---------------------------------------------------------------------------
// Requests: their time is their own, bounded by the client's time-outs.

void Explorer::WrapRequestHooks() {
  kt::DeviceHooks& hooks = kt::DeviceLinkHooks();
  hooks.beginWaitCursor = [this, begin = hooks.beginWaitCursor] {
    Beat();
    CountModal(QStringLiteral("request"));
    m_requestStart = Clock::now();
    if (begin) begin();
    // An impatient user clicks and types while the wait cursor shows. The
    // call is queued now, so it comes first in the wait's loop, before the
    // request's end: a run stays repeatable.
    if (m_rng.Chance(25))
      QMetaObject::invokeMethod(
          qApp, [this] { InputWhileWaiting(); }, Qt::QueuedConnection);
  };
  hooks.endWaitCursor = [this, end = hooks.endWaitCursor] {
    if (end) end();
    Beat();
    const auto took = Clock::now() - m_requestStart;
    if (!m_frames.empty()) m_frames.back().excluded += took;
    const kt::HttpTimeouts& t = kt::HttpClientTimeouts();
    const auto bound = t.total + std::chrono::milliseconds(m_settings.limitMs);
    if (took > bound) {
      Fail(QStringLiteral("a request took %1 ms, beyond the client's own time-outs")
               .arg(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    }
  };
}

// ---------------------------------------------------------------------------
// The folder of files and the fake device

void Explorer::PrepareFiles() {
  m_files = QDir(m_tmp.path()).filePath(QStringLiteral("files"));
  QDir().mkpath(m_files);
  QDir dir(m_files);
  const QByteArray good = ReadAll(QStringLiteral(KT_TEST_DATA_DIR "/config/default.json"));
  EXPECT_FALSE(good.isEmpty());
  auto add = [&](const QString& name, const QByteArray& bytes, bool pool) {
    WriteAll(dir.filePath(name), bytes);
    m_prepared[name] = bytes;
    if (pool) m_pool.push_back(bytes.toStdString());
  };
  add(QStringLiteral("default.json"), good, true);
  QDir cases(QStringLiteral(KT_TEST_DATA_DIR "/config_read"));
  for (const QString& c : cases.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    add(QStringLiteral("case_%1.json").arg(c), ReadAll(cases.filePath(c + QStringLiteral("/document.json"))), true);
  }
  for (const auto& [name, bytes] : OddDocuments(good)) add(name, bytes, true);
  Random variety(m_settings.seed + 1);
  int n = 0;
  for (const QByteArray& doc : VariedDocuments(good, variety, 24))
    add(QStringLiteral("varied_%1.json").arg(++n, 2, 10, QLatin1Char('0')), doc, true);
  QByteArray binary(3000, '\0');
  for (qsizetype i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>((i * 7919 + 13) & 0xFF);
  add(QStringLiteral("binary.bin"), binary, true);
  add(QStringLiteral("empty.json"), QByteArray(), true);
  QByteArray limit = good;
  limit.append(QByteArray(static_cast<qsizetype>(kt::kConfigFileLimit) - good.size(), ' '));
  add(QStringLiteral("limit.json"), limit, false);  // exactly the largest file read
  limit.append(' ');
  add(QStringLiteral("too_big.json"), limit, false);
  dir.mkdir(QStringLiteral("folder.json"));
  m_poolFixed = m_pool.size();

  QDir device(QStringLiteral(KT_TEST_DATA_DIR "/device"));
  for (const QString& name : device.entryList(QDir::Files, QDir::Name)) {
    std::string path = "/";  // not "/" + name: GCC 12 warns falsely on it (-Wrestrict)
    path += name.toStdString();
    m_deviceDocs[path] = ReadAll(device.filePath(name)).toStdString();
  }
}

void Explorer::AddToPool(const std::string& doc) {
  std::lock_guard lock(m_deviceMutex);
  if (m_pool.size() < m_poolFixed + 20) {
    m_pool.push_back(doc);
  } else {
    m_pool[m_poolFixed + static_cast<std::size_t>(m_deviceRng.Pick(20))] = doc;
  }
}

// Requests come one at a time, in the order of the actions, so the device's
// own random source keeps a run repeatable.
kt::test::FakeResponse Explorer::Answer(const kt::test::RecordedRequest& request) {
  using kt::test::FakeResponse;
  std::lock_guard lock(m_deviceMutex);
  Random& r = m_deviceRng;
  const int roll = r.Pick(100);
  if (roll < 5) return FakeResponse::Status(401);
  if (roll < 9) return FakeResponse::Status(500).WithBody("Internal Server Error");
  std::string body = "{}";
  if (request.path == "/config.json") {
    body = request.method == "POST" ? std::string("OK")
                                    : m_pool[static_cast<std::size_t>(r.Pick(static_cast<int>(m_pool.size())))];
  } else if (auto found = m_deviceDocs.find(request.path); found != m_deviceDocs.end()) {
    body = found->second;
  }
  if (roll < 15) {
    // Garbage of several kinds.
    switch (r.Pick(6)) {
      case 0: body = body.substr(0, static_cast<std::size_t>(r.Pick(static_cast<int>(body.size()) + 1))); break;
      case 1: body = "<html><body>busy</body></html>"; break;
      case 2: body.clear(); break;
      case 3: body = std::string(3000, '['); break;
      case 4:
        for (char& c : body) c = static_cast<char>(r.Next());
        break;
      default: return FakeResponse::Ok(body).WithEncoding("gzip");  // says gzip, is not
    }
  } else if (roll < 24 && !body.empty()) {
    // One small change somewhere: a digit, a character, a long text.
    const std::size_t at = static_cast<std::size_t>(r.Pick(static_cast<int>(body.size())));
    switch (r.Pick(3)) {
      case 0: body.insert(at, "99999999999999999999"); break;
      case 1: body[at] = static_cast<char>(r.Next()); break;
      default: body.insert(at, std::string(400, 'x') + "\xe6\xb8\xa9\xe5\xba\xa6"); break;
    }
  }
  FakeResponse response = FakeResponse::Ok(body);
  if (r.Chance(12))
    response = response.WithBody(kt::test::FakeDevice::Gzip(body)).WithEncoding(r.Chance(50) ? "gzip" : "GZip");
  if (r.Chance(8)) response = response.WithDelay(std::chrono::milliseconds(20 + r.Pick(300)));
  // Rarely so slow that the client gives up first (its stall time-out).
  if (r.Pick(1000) < 3) response = response.WithDelay(std::chrono::milliseconds(3500));
  return response;
}

}  // namespace

}  // namespace kt::explore

namespace {

class ExplorerTest : public kt::test::GuiTest {};

TEST_F(ExplorerTest, RandomUserActionsKeepEveryInvariant) {
  kt::explore::Explorer explorer(kt::explore::FromEnvironment());
  EXPECT_TRUE(explorer.Run());
}

}  // namespace
