#include "DlgConfig.h"

#include "DlgConfigMain.h"
#include "HttpClient.h"
#include "JsonReadConfig.h"

#include <QFile>

#include <cstring>
#include <memory>
#include <vector>

const CString g_strConfigFileMessages[3] = {
    QStringLiteral("Failed to open file."),
    QStringLiteral("File error."),
    QStringLiteral("Processing..."),
};

namespace {

constexpr int kIdNew = 1003;
constexpr int kIdDevice = 1004;
constexpr int kIdFile = 1005;
constexpr int kIdStatus = 1143;

// The reader's flags that keep the editor closed: a value out of range,
// another model, or no JSON at all.
bool Refused(kt::u32 flags) { return (flags & (kt::JSON_READ_OUT_OF_RANGE | kt::JSON_READ_PARSE_ERROR)) != 0; }

}  // namespace

CDlgConfig::CDlgConfig(CWnd* pParent) : CNormalDialog(IDD, pParent) {
  ON_BN_CLICKED(kIdNew, &CDlgConfig::OnNewSetting);
  ON_BN_CLICKED(kIdDevice, &CDlgConfig::OnReadFromDevice);
  ON_BN_CLICKED(kIdFile, &CDlgConfig::OnReadFromFile);
}

BOOL CDlgConfig::OnInitDialog() {
  CNormalDialog::OnInitDialog();
  SetDlgItemText(kIdStatus, QString());
  return TRUE;
}

void CDlgConfig::OnNewSetting() {
  auto editor = std::make_unique<CDlgConfigMain>();
  kt::InitDeviceConfig(&editor->m_config);
  editor->DoModal();
}

void CDlgConfig::OnReadFromDevice() {
  QByteArray body;
  const kt::HttpResult result = kt::HttpGet(QStringLiteral("/config.json"), QStringLiteral("?type=config"), true, body);
  if (result == kt::HTTP_RESULT_LOGIN_CANCELLED) return;
  if (result != kt::HTTP_RESULT_OK) {
    kt::ShowHttpResult(result);
    return;
  }

  auto editor = std::make_unique<CDlgConfigMain>();
  std::vector<char> text(static_cast<std::size_t>(body.size()) + 1, '\0');
  std::memcpy(text.data(), body.constData(), static_cast<std::size_t>(body.size()));
  char errorText[256] = {};
  kt::InitDeviceConfig(&editor->m_config);
  const kt::u32 flags =
      kt::JsonReadConfig(&editor->m_config, text.data(), static_cast<std::size_t>(body.size()), errorText);
  text.clear();
  text.shrink_to_fit();
  if (Refused(flags)) {
    AfxMessageBox(kt::g_strConversionFailed[0], MB_ICONERROR);
    return;
  }
  editor->DoModal();
}

void CDlgConfig::OnReadFromFile() {
  CFileDialog dlg(TRUE, QString(), QStringLiteral("*.json"), OFN_HIDEREADONLY | OFN_NOCHANGEDIR,
                  g_strConfigMainMessages[0], nullptr, 0, TRUE);
  if (dlg.DoModal() != IDOK) return;
  const QString path = dlg.GetPathName();

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    AfxMessageBox(g_strConfigFileMessages[0], MB_ICONERROR);
    return;
  }
  SetDlgItemText(kIdStatus, g_strConfigFileMessages[2]);

  const qint64 length = file.size();
  if (length < 0 || length > kt::kConfigFileLimit) {
    SetDlgItemText(kIdStatus, QString());
    AfxMessageBox(g_strConfigFileMessages[1], MB_ICONERROR);
    return;
  }

  // The whole file, or nothing: a short read is a file that cannot be read.
  // Exactly the file's bytes (one for an empty file, so that the reader
  // gets a real address).
  std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 1));
  qint64 got = 0;
  while (got < length) {
    const qint64 n = file.read(buffer.data() + got, length - got);
    if (n <= 0) break;
    got += n;
  }
  file.close();
  if (got != length) {
    SetDlgItemText(kIdStatus, QString());
    AfxMessageBox(g_strConfigFileMessages[0], MB_ICONERROR);
    return;
  }

  auto editor = std::make_unique<CDlgConfigMain>();
  char errorText[1024] = {};
  kt::InitDeviceConfig(&editor->m_config);
  const kt::u32 flags =
      kt::JsonReadConfig(&editor->m_config, buffer.data(), static_cast<std::size_t>(length), errorText);
  const QString reason = QString::fromLocal8Bit(errorText);
  buffer.clear();
  buffer.shrink_to_fit();

  if (flags & kt::JSON_READ_PARSE_ERROR) {
    SetDlgItemText(kIdStatus, QString());
    AfxMessageBox(QStringLiteral("PARSE ERROR\r\n") + reason, MB_ICONERROR);
    return;
  }
  if (flags & kt::JSON_READ_OUT_OF_RANGE) {
    SetDlgItemText(kIdStatus, QString());
    AfxMessageBox(QStringLiteral("UNKNOWN PARAM\r\n") + reason, MB_ICONERROR);
    return;
  }
  SetDlgItemText(kIdStatus, QString());
  editor->m_strFilePath = path;
  editor->DoModal();
}
