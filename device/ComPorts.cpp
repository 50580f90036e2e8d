#include "ComPorts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace kt {

namespace {

constexpr int kDefaultPorts = 20;
constexpr int kMaxPort = 256;

QString ReadFirstLine(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readLine(4096)).trimmed();
}

// A built-in UART reports its type; 0 means a placeholder with no hardware.
bool IsRealUart(const QString& ttyDir) {
  bool ok = false;
  const int type = ReadFirstLine(ttyDir + "/type").toInt(&ok);
  return ok && type != 0;
}

// USB serial adapters: the product name sits on the USB device, one or two
// levels above the tty's device folder.
QString UsbProductName(const QString& ttyDir) {
  QString dir = QFileInfo(ttyDir + "/device").canonicalFilePath();
  for (int up = 0; up < 4 && !dir.isEmpty(); ++up) {
    const QString name = ReadFirstLine(dir + "/product");
    if (!name.isEmpty()) return name;
    dir = QFileInfo(dir).path();
  }
  return {};
}

// Natural order, so that ttyS2 comes before ttyS10.
std::vector<QString> Matching(const QDir& root, const QString& prefix) {
  const QRegularExpression re("^" + QRegularExpression::escape(prefix) + "([0-9]+)$");
  std::vector<std::pair<long long, QString>> found;
  for (const QString& name : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
    const auto m = re.match(name);
    if (m.hasMatch()) found.emplace_back(m.captured(1).toLongLong(), name);
  }
  std::sort(found.begin(), found.end());
  std::vector<QString> names;
  for (auto& [n, name] : found) names.push_back(name);
  return names;
}

}  // namespace

void EnumComPortsSysfs(ComPortMap& map, const QString& sysClassTty) {
  const QDir root(sysClassTty);
  if (!root.exists()) return;
  std::vector<QString> ports;
  for (const QString& name : Matching(root, "ttyS"))
    if (IsRealUart(root.filePath(name))) ports.push_back(name);
  for (const char* prefix : {"ttyUSB", "ttyACM"})
    for (const QString& name : Matching(root, prefix)) ports.push_back(name);

  int number = 0;
  for (const QString& name : ports) {
    if (++number > kMaxPort) break;
    ComPortInfo info;
    info.devicePath = "/dev/" + name;
    const QString product = UsbProductName(root.filePath(name));
    info.displayName = (product.isEmpty() ? info.devicePath : product) + QString(" (COM%1)").arg(number);
    map[number - 1] = info;
  }
}

ComPortMap EnumComPorts(const QString& sysClassTty) {
  ComPortMap map;
  for (int n = 1; n <= kDefaultPorts; ++n) {
    ComPortInfo info;
    info.devicePath = QString("COM%1").arg(n);
    info.displayName = info.devicePath;
    map[n - 1] = info;
  }
  EnumComPortsSysfs(map, sysClassTty);
  return map;
}

ComPortMap EnumComPorts() { return EnumComPorts(QStringLiteral("/sys/class/tty")); }

QString GetComPortName(const ComPortMap& map, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= map.size()) return {};
  auto it = map.begin();
  std::advance(it, index);
  return it->second.displayName;
}

bool IsNumericString(const QString& text, bool allowColon) {
  if (text.isEmpty()) return false;
  return std::all_of(text.begin(), text.end(),
                     [allowColon](QChar c) { return (c >= u'0' && c <= u'9') || (allowColon && c == u':'); });
}

int ClampComPort(long long port) { return static_cast<int>(std::clamp<long long>(port, 1, kMaxPort)); }

}  // namespace kt
