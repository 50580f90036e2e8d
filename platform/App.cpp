#include "App.h"

#include "DialogTemplate.h"
#include "WndPrivate.h"

#include <QApplication>
#include <QSettings>
#include <QStyleFactory>

#include <clocale>

namespace {
CWinApp* g_app = nullptr;

const char* const kOrganisation = "Orvalis";
const char* const kApplication = "KT2057CFG";

QSettings Profile() { return QSettings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication)); }

QString Key(const QString& section, const QString& entry) { return section + QLatin1Char('/') + entry; }
}  // namespace

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::GetProfileInt(const QString& section, const QString& entry, int nDefault) {
  return kt::GetProfileInt(section, entry, nDefault);
}

QString CWinApp::GetProfileString(const QString& section, const QString& entry, const QString& def) {
  return kt::GetProfileString(section, entry, def);
}

BOOL CWinApp::WriteProfileInt(const QString& section, const QString& entry, int nValue) {
  return kt::WriteProfileInt(section, entry, nValue) ? TRUE : FALSE;
}

BOOL CWinApp::WriteProfileString(const QString& section, const QString& entry, const QString& value) {
  return kt::WriteProfileString(section, entry, value) ? TRUE : FALSE;
}

CWinApp* AfxGetApp() { return g_app; }

QString AfxGetAppName() { return QString::fromLatin1(kApplication); }

QString LoadString(UINT nID) {
  const char* s = kt::res::FindString(static_cast<int>(nID));
  return s ? QString::fromUtf8(s) : QString();
}

CWaitCursor::CWaitCursor() {
  if (qApp) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_active = true;
  }
}

CWaitCursor::~CWaitCursor() {
  if (m_active && qApp) QApplication::restoreOverrideCursor();
}

void CWaitCursor::Restore() {
  if (m_active && qApp) QApplication::changeOverrideCursor(Qt::WaitCursor);
}

int AfxWinMain(int argc, char** argv) {
  QApplication app(argc, argv);
  kt::InitApplication();
  CWinApp* theApp = AfxGetApp();
  if (!theApp) return 1;
  return theApp->InitInstance() ? 1 : 0;
}

namespace kt {

void InitApplication() {
  QCoreApplication::setOrganizationName(QString::fromLatin1(kOrganisation));
  QCoreApplication::setApplicationName(QString::fromLatin1(kApplication));
  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) QApplication::setStyle(style);
  kt::detail::RouteScrollBarMenusThroughSeam();
  // QApplication took the user's locale for everything; numbers are written
  // and read the same way whatever the user's language.
  std::setlocale(LC_NUMERIC, "C");
}

int GetProfileInt(const QString& section, const QString& entry, int nDefault) {
  QVariant v = Profile().value(Key(section, entry));
  if (!v.isValid()) return nDefault;
  bool ok = false;
  int n = v.toString().trimmed().toInt(&ok);
  return ok ? n : nDefault;
}

QString GetProfileString(const QString& section, const QString& entry, const QString& def) {
  QVariant v = Profile().value(Key(section, entry));
  return v.isValid() ? v.toString() : def;
}

bool WriteProfileInt(const QString& section, const QString& entry, int nValue) {
  QSettings s = Profile();
  s.setValue(Key(section, entry), nValue);
  s.sync();
  return s.status() == QSettings::NoError;
}

bool WriteProfileString(const QString& section, const QString& entry, const QString& value) {
  QSettings s = Profile();
  s.setValue(Key(section, entry), value);
  s.sync();
  return s.status() == QSettings::NoError;
}

void SetProfileDirectory(const QString& dir) {
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
}

}  // namespace kt
