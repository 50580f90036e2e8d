#include "FileVersion.h"
#include "VersionBlock.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace {

std::string Tag() {
  auto own = kt::res::VersionBlock();
  return std::string(reinterpret_cast<const char*>(own.data()), kt::res::kVersionBlockTagSize);
}

void Put16(std::string& out, std::size_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}

// A block of our own layout with these entries.
std::string Block(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string b = Tag();
  Put16(b, entries.size());
  Put16(b, 0);
  for (const auto& [name, value] : entries) {
    Put16(b, name.size());
    b += name;
    Put16(b, value.size());
    b += value;
  }
  return b;
}

const std::string kUsTranslation("\x09\x04\xB0\x04", 4);

class FileVersionTest : public ::testing::Test {
 protected:
  QString Write(const std::string& bytes) {
    const QString path = dir.filePath(QStringLiteral("file%1").arg(++count));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }
  QTemporaryDir dir;
  int count = 0;
};

}  // namespace

TEST(FileVersion, TheRunningProgramCarriesItsVersion) {
  const QString self = GetModuleFileName();
  ASSERT_FALSE(self.isEmpty());
  EXPECT_EQ(QStringLiteral("1.0.10.0"), GetFileVersion(self));
  EXPECT_EQ(QStringLiteral("KT2057CFG"), GetFileVersionString(self, QStringLiteral("ProductName")));
  EXPECT_EQ(QString(), GetFileVersionString(self, QStringLiteral("NoSuchKey")));
}

TEST_F(FileVersionTest, FilesWithoutAWholeBlockGiveNothing) {
  const std::string good =
      Block({{"\\VarFileInfo\\Translation", kUsTranslation}, {"\\StringFileInfo\\040904b0\\FileVersion", "2.3.4.5"}});
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"no tag", std::string(4096, 'x')},
      {"tag only", Tag()},
      {"cut inside the last value", good.substr(0, good.size() - 2)},
      {"no translation", Block({{"\\StringFileInfo\\040904b0\\FileVersion", "2.3.4.5"}})},
      {"translation too short",
       Block({{"\\VarFileInfo\\Translation", "\x09\x04"}, {"\\StringFileInfo\\040904b0\\FileVersion", "2.3.4.5"}})},
      {"key under another translation",
       Block({{"\\VarFileInfo\\Translation", kUsTranslation}, {"\\StringFileInfo\\040704e4\\FileVersion", "2.3.4.5"}})},
      {"no entries", Tag() + std::string(4, '\0')},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QString(), GetFileVersion(Write(c.bytes))) << c.what;
  }
  EXPECT_EQ(QString(), GetFileVersion(dir.filePath(QStringLiteral("missing"))));
  EXPECT_EQ(QString(), GetFileVersion(dir.path()));  // a folder
}

TEST_F(FileVersionTest, TheFirstTranslationChoosesTheStrings) {
  const std::string german("\x07\x04\xE4\x04", 4);
  const std::string block = Block({{"\\VarFileInfo\\Translation", german + kUsTranslation},
                                   {"\\StringFileInfo\\040904b0\\FileVersion", "1.1.1.1"},
                                   {"\\StringFileInfo\\040704e4\\FileVersion", std::string("9.8.7.6\0junk", 12)}});
  // Surrounded by other bytes, as in an executable; a stray tag before it
  // that is not followed by a block is skipped.
  const std::string file =
      std::string(1000, '\x7F') + Tag() + "\xFF\xFF\xFF\xFF" + std::string(300, 'a') + block + std::string(1000, '\0');
  EXPECT_EQ(QStringLiteral("9.8.7.6"), GetFileVersion(Write(file)));
}

TEST(FileVersion, OurBlockParsesToItsEntries) {
  auto own = kt::res::VersionBlock();
  auto entries = kt::ParseVersionBlock(std::string_view(reinterpret_cast<const char*>(own.data()), own.size()));
  ASSERT_TRUE(entries.has_value());
  auto translation = kt::QueryVersionValue(*entries, "\\VarFileInfo\\Translation");
  ASSERT_TRUE(translation.has_value());
  EXPECT_EQ(QByteArray("\x09\x04\xB0\x04", 4), *translation);
  EXPECT_EQ(QByteArray("1.0.10.0"), kt::QueryVersionValue(*entries, "\\StringFileInfo\\040904b0\\FileVersion"));
}
