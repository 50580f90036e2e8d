// The client's pure parts: Base64, inflating, the host check and the result
// display.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeviceTestFixture.h"
#include "FakeDevice.h"
#include "HttpClient.h"

using namespace kt;
using kt::test::FakeDevice;

TEST(EncodeBase64, StandardVectorsWithoutLineBreaks) {
  const struct {
    const char* text;
    const char* base64;
  } cases[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {":", "Og=="},  // empty login ID and password
      {"admin:pass_1", "YWRtaW46cGFzc18x"},
      {"Aladdin:open sesame", "QWxhZGRpbjpvcGVuIHNlc2FtZQ=="},
      {"\xff\xfe", "w7/Dvg=="},  // U+00FF U+00FE as UTF-8; '+' and '/' of the standard alphabet
  };
  for (const auto& c : cases)
    EXPECT_EQ(EncodeBase64(QString::fromLatin1(c.text)), QString::fromLatin1(c.base64)) << c.text;

  const QString longText(100, QLatin1Char('A'));  // 136 characters of output
  const QString encoded = EncodeBase64(longText);
  EXPECT_EQ(encoded.size(), 136);
  EXPECT_FALSE(encoded.contains(QLatin1Char('\n')));
  EXPECT_FALSE(encoded.contains(QLatin1Char('\r')));
}

TEST(GzipUncompress, OneStepWithinTheRoom) {
  const std::string text = std::string("{\"a\":1}\0tail", 12);
  const std::string gz = FakeDevice::Gzip(text);
  const auto src = reinterpret_cast<const Bytef*>(gz.data());

  std::vector<Bytef> dest(64, 0xEE);
  uLongf room = static_cast<uLongf>(text.size());  // exactly enough
  ASSERT_EQ(GzipUncompress(dest.data(), &room, src, gz.size()), Z_OK);
  EXPECT_EQ(room, text.size());
  EXPECT_EQ(std::string(dest.begin(), dest.begin() + 12), text);

  room = static_cast<uLongf>(text.size() - 1);  // one byte short
  EXPECT_EQ(GzipUncompress(dest.data(), &room, src, gz.size()), Z_BUF_ERROR);

  room = 64;  // cut short in the middle of the stream
  EXPECT_EQ(GzipUncompress(dest.data(), &room, src, gz.size() - 6), Z_BUF_ERROR);

  std::string corrupt = gz;
  corrupt[0] = 0x00;  // not a gzip header
  room = 64;
  EXPECT_EQ(GzipUncompress(dest.data(), &room, reinterpret_cast<const Bytef*>(corrupt.data()), corrupt.size()),
            Z_DATA_ERROR);

  corrupt = gz;
  corrupt[corrupt.size() - 5] ^= 0x40;  // wrong CRC in the trailer
  room = 64;
  EXPECT_EQ(GzipUncompress(dest.data(), &room, reinterpret_cast<const Bytef*>(corrupt.data()), corrupt.size()),
            Z_DATA_ERROR);

  // A zlib stream is not accepted: only the gzip wrapper is.
  std::vector<Bytef> zlibStream(compressBound(text.size()));
  uLongf zlibLength = zlibStream.size();
  ASSERT_EQ(compress(zlibStream.data(), &zlibLength, reinterpret_cast<const Bytef*>(text.data()), text.size()), Z_OK);
  room = 64;
  EXPECT_NE(GzipUncompress(dest.data(), &room, zlibStream.data(), zlibLength), Z_OK);
}

TEST(DeviceHostForUrl, OnlyHostNamesAndIPv4) {
  const struct {
    const char* address;
    const char* host;  // nullptr: refused
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},
      {" 192.168.0.10\t", "192.168.0.10"},
      {"127.000.000.001", "127.0.0.1"},
      {"010.0.0.1", "10.0.0.1"},  // decimal, never octal
      {"255.255.255.255", "255.255.255.255"},
      {"kt2057", "kt2057"},
      {"Device-1.plant.example", "Device-1.plant.example"},
      {"device.example.", "device.example"},
      {"256.0.0.1", nullptr},
      {"1.2.3", nullptr},
      {"1.2.3.4.5", nullptr},
      {"1..2.3", nullptr},
      {"1.2.3.", nullptr},
      {"0001.2.3.4", nullptr},
      {"", nullptr},
      {"   ", nullptr},
      {"127.0.0.1/evil", nullptr},
      {"user@127.0.0.1", nullptr},
      {"user:pw@127.0.0.1", nullptr},
      {"127.0.0.1:8080", nullptr},
      {"127.0.0.1?x=1", nullptr},
      {"127.0.0.1#x", nullptr},
      {"http://127.0.0.1", nullptr},
      {"127.0.0.1\r\nX-Evil: 1", nullptr},
      {"[::1]", nullptr},
      {"a b", nullptr},
      {"-device", nullptr},
      {"device-", nullptr},
      {"dev_ice", nullptr},
      {"a..b", nullptr},
      {".", nullptr},
      {"ger\xc3\xa4t", nullptr},
  };
  for (const auto& c : cases) {
    const auto host = DeviceHostForUrl(QString::fromUtf8(c.address));
    if (c.host) {
      ASSERT_TRUE(host.has_value()) << c.address;
      EXPECT_EQ(*host, c.host);
    } else {
      EXPECT_FALSE(host.has_value()) << c.address << " -> " << host.value_or("");
    }
  }

  const std::string label63(63, 'a');
  EXPECT_TRUE(DeviceHostForUrl(QString::fromStdString(label63 + ".b")).has_value());
  EXPECT_FALSE(DeviceHostForUrl(QString::fromStdString(label63 + "a.b")).has_value());
  std::string name253 = label63 + "." + label63 + "." + label63 + "." + std::string(61, 'c');
  ASSERT_EQ(name253.size(), 253u);
  EXPECT_TRUE(DeviceHostForUrl(QString::fromStdString(name253)).has_value());
  EXPECT_FALSE(DeviceHostForUrl(QString::fromStdString(name253 + "c")).has_value());
}

class ShowHttpResultTest : public kt::test::DeviceTest {};

TEST_F(ShowHttpResultTest, TextAndIconForEveryResult) {
  const struct {
    int result;
    const char* text;  // nullptr: nothing shown
    MessageIcon icon;
  } cases[] = {
      {-1, "Failed in sending.", MessageIcon::Warning},
      {0, "Completed.", MessageIcon::Information},
      {1, "Failed in sending.", MessageIcon::Warning},
      {2, nullptr, MessageIcon::Warning},
      {3, nullptr, MessageIcon::Warning},
      {4, "Failed Login.", MessageIcon::Warning},
      {5, "Failed to get a valid response from the server.", MessageIcon::Warning},
      {6, "uncompress failed.", MessageIcon::Warning},
      {7, "Failed in sending.", MessageIcon::Warning},
  };
  for (const auto& c : cases) {
    messages.clear();
    const HttpResultDisplay display = HttpResultDisplayFor(c.result);
    ShowHttpResult(c.result);
    if (!c.text) {
      EXPECT_FALSE(display.shown) << c.result;
      EXPECT_TRUE(messages.empty()) << c.result;
      continue;
    }
    EXPECT_TRUE(display.shown) << c.result;
    EXPECT_EQ(display.text, QString::fromLatin1(c.text)) << c.result;
    EXPECT_EQ(display.icon, c.icon) << c.result;
    ASSERT_EQ(messages.size(), 1u) << c.result;
    EXPECT_EQ(messages[0].text, QString::fromLatin1(c.text));
    EXPECT_EQ(messages[0].icon, c.icon);
  }
  EXPECT_EQ(g_strHttpResultMessages[4], QStringLiteral("Compression failed."));
  EXPECT_EQ(g_strConversionFailed[0], QStringLiteral("Failed in conversion."));
  EXPECT_EQ(device.RequestCount(), 0u);
}
