#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ComPorts.h"

using namespace kt;

namespace {

void WriteFile(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

// A tty class folder shaped like the kernel's: built-in UARTs with a type
// (0 = placeholder), USB adapters whose product name sits on the USB device.
class FakeSysfs : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString tty() const { return dir.path() + "/class/tty"; }
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    WriteFile(tty() + "/ttyS0/type", "4\n");
    WriteFile(tty() + "/ttyS1/type", "0\n");
    WriteFile(tty() + "/ttyS10/type", "4\n");
    WriteFile(tty() + "/tty0/dev", "4:0\n");  // not a serial port
    // ttyUSB0/device -> usb1/1-1/1-1:1.0/ttyUSB0 ; product on usb1/1-1
    const QString usbDev = dir.path() + "/devices/usb1/1-1";
    WriteFile(usbDev + "/product", "USB-Serial Controller\n");
    QDir().mkpath(usbDev + "/1-1:1.0/ttyUSB0");
    QDir().mkpath(tty() + "/ttyUSB0");
    ASSERT_TRUE(QFile::link(usbDev + "/1-1:1.0/ttyUSB0", tty() + "/ttyUSB0/device"));
    QDir().mkpath(tty() + "/ttyACM0/device");
  }
};

}  // namespace

TEST_F(FakeSysfs, RealPortsReplaceTheFirstDefaultRows) {
  const ComPortMap map = EnumComPorts(tty());
  ASSERT_EQ(20u, map.size());
  EXPECT_EQ("/dev/ttyS0 (COM1)", map.at(0).displayName);
  EXPECT_EQ("/dev/ttyS0", map.at(0).devicePath);
  EXPECT_EQ("/dev/ttyS10 (COM2)", map.at(1).displayName);  // the placeholder ttyS1 is skipped
  EXPECT_EQ("USB-Serial Controller (COM3)", map.at(2).displayName);
  EXPECT_EQ("/dev/ttyUSB0", map.at(2).devicePath);
  EXPECT_EQ("/dev/ttyACM0 (COM4)", map.at(3).displayName);
  EXPECT_EQ("COM5", map.at(4).displayName);
  EXPECT_EQ("COM20", map.at(19).displayName);
}

TEST(ComPorts, NoSysfsGivesTheTwentyDefaults) {
  const ComPortMap map = EnumComPorts("/nonexistent/class/tty");
  ASSERT_EQ(20u, map.size());
  EXPECT_EQ("COM1", GetComPortName(map, 0));
  EXPECT_EQ("COM20", GetComPortName(map, 19));
  EXPECT_EQ("", GetComPortName(map, 20));
  EXPECT_EQ("", GetComPortName(map, -1));
}

TEST(ComPorts, NameIsTakenInKeyOrder) {
  ComPortMap map;
  map[24].displayName = "far";
  map[2].displayName = "near";
  EXPECT_EQ("near", GetComPortName(map, 0));
  EXPECT_EQ("far", GetComPortName(map, 1));
  EXPECT_EQ("", GetComPortName(map, 2));
}

TEST(ComPorts, NumericStringsAndPortBounds) {
  EXPECT_TRUE(IsNumericString("123", false));
  EXPECT_FALSE(IsNumericString("", true));
  EXPECT_FALSE(IsNumericString("1:2", false));
  EXPECT_TRUE(IsNumericString("1:2", true));
  EXPECT_FALSE(IsNumericString("12a", true));
  EXPECT_EQ(1, ClampComPort(0));
  EXPECT_EQ(1, ClampComPort(-2147483648LL));
  EXPECT_EQ(256, ClampComPort(1LL << 40));
  EXPECT_EQ(5, ClampComPort(5));
}
