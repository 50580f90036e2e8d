// The machine's serial ports, for the "COM" preference and its tooltips.
#pragma once

#include <QString>
#include <map>

namespace kt {

struct ComPortInfo {
  QString devicePath;   // e.g. "/dev/ttyUSB0"
  QString reserved1;    // stays empty
  QString displayName;  // shown in the port dialog and the tooltips
  int reserved2 = 0;    // stays 0
  QString reserved3;    // stays empty
};

// Port number minus one -> port. Keys are unique; a later source replaces an
// earlier entry whole.
using ComPortMap = std::map<int, ComPortInfo>;

// Twenty default rows "COM1".."COM20", then the ports found under the tty
// class folder of sysfs, numbered 1, 2, ... in the order ttyS*, ttyUSB*,
// ttyACM*. The folder can be redirected for tests.
ComPortMap EnumComPorts();
ComPortMap EnumComPorts(const QString& sysClassTty);

// Adds the ports found under sysClassTty (normally "/sys/class/tty").
void EnumComPortsSysfs(ComPortMap& map, const QString& sysClassTty);

// Display name of the index-th entry in key order; empty when index is out of
// range (negative included).
QString GetComPortName(const ComPortMap& map, int index);

// True when text is not empty and every character is a decimal digit (or a
// colon, when allowColon).
bool IsNumericString(const QString& text, bool allowColon);

// Bounds a stored port number to 1..256 so that index arithmetic on it is safe.
int ClampComPort(long long port);

}  // namespace kt
