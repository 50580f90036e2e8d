// The setting tab's three roads into the editor.
#include "DlgConfig.h"
#include "DlgConfigCom.h"
#include "EditorTestFixture.h"
#include "HttpClient.h"

#include <optional>

namespace {

using kt::test::FakeResponse;

class DlgConfigTest : public kt::test::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    tab.Create(CDlgConfig::IDD, nullptr);
    tab.ShowWindow(SW_SHOW);
  }
  void TearDown() override {
    // The status text is empty again whatever happened.
    EXPECT_EQ(QString(), tab.GetDlgItemText(1143));
    EditorTest::TearDown();
  }

  // The open dialog of "Read from file", answered with path. Expect it
  // before what follows it.
  void ExpectOpenDialog(const QString& path) {
    modal.ExpectFileDialog(path, [](const kt::FileDialogRequest& r) {
      EXPECT_TRUE(r.open);
      EXPECT_EQ(QStringLiteral("*.json"), r.fileName);
      EXPECT_EQ(QStringLiteral("CFG File(*.json)|*.json||"), r.filter);
    });
  }

  CDlgConfig tab;
};

// The editor opened, and the record it got.
struct Opened {
  bool open = false;
  kt::DeviceConfig cfg{};
  QString filePath;
};

}  // namespace

TEST_F(DlgConfigTest, NewSettingOpensTheEditorOnTheFactoryDefaults) {
  Opened seen;
  ExpectEditor([&](CDlgConfigMain& dlg) {
    seen = {true, dlg.m_config, dlg.m_strFilePath};
    kt::test::Click(dlg, IDOK);
  });
  kt::test::Click(tab, 1003);
  ASSERT_TRUE(seen.open);
  EXPECT_TRUE(SameBytes(Defaults(), seen.cfg));
  EXPECT_EQ(QString(), seen.filePath);
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(DlgConfigTest, ReadFromFileOpensTheEditorOrSaysWhyNot) {
  kt::DeviceConfig changed = Defaults();
  changed.MODTD.LINGER = 300;
  changed.LOG.ENCODE = 1;
  QByteArray missingKey = Document(changed);
  missingKey.replace(",\"LINGER\":300}", "}");

  QByteArray full = Document(Defaults());
  const QByteArray exact = full + QByteArray(4194304 - full.size(), ' ');
  QByteArray otherModel = Document(Defaults());
  otherModel.replace("\"CONFIG_TAG\":\"KT2057\"", "\"CONFIG_TAG\":\"KT3000\"");

  struct Case {
    const char* name;
    std::optional<QByteArray> bytes;  // nothing: no such file
    std::optional<QString> message;   // nothing: the editor opens
  };
  const Case cases[] = {
      {"exactly 4 MiB", exact, std::nullopt},
      {"one byte more", exact + " ", QStringLiteral("File error.")},
      {"empty", QByteArray(), QStringLiteral("PARSE ERROR\r\n")},
      {"not JSON", QByteArray("{\"CONFIG_TAG\":"), QStringLiteral("PARSE ERROR\r\n")},
      {"another model", otherModel, QStringLiteral("UNKNOWN PARAM\r\n")},
      {"a key missing", missingKey, std::nullopt},
      {"no such file", std::nullopt, QStringLiteral("Failed to open file.")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Path(QString::fromLatin1(c.name) + QStringLiteral(".json"));
    if (c.bytes) WriteFile(path, *c.bytes);
    Opened seen;
    ExpectOpenDialog(path);
    if (c.message) {
      modal.ExpectMessageBox(*c.message, MB_ICONERROR);
    } else {
      ExpectEditor([&](CDlgConfigMain& dlg) {
        seen = {true, dlg.m_config, dlg.m_strFilePath};
        kt::test::Click(dlg, IDOK);
      });
    }
    kt::test::Click(tab, 1005);
    modal.VerifyDone();
    EXPECT_EQ(!c.message, seen.open);
    if (seen.open) {
      EXPECT_EQ(path, seen.filePath);
    }
  }
  EXPECT_EQ(5u, modal.MessageBoxes().size());  // one box per refused file, nothing for the others

  // The missing key kept its default; the rest of the document was read.
  ExpectOpenDialog(Path(QStringLiteral("a key missing.json")));
  ExpectEditor([&](CDlgConfigMain& dlg) {
    EXPECT_EQ(180, dlg.m_config.MODTD.LINGER);
    EXPECT_EQ(1u, dlg.m_config.LOG.ENCODE);
    kt::test::Click(dlg, IDOK);
  });
  kt::test::Click(tab, 1005);
}

TEST_F(DlgConfigTest, CancellingTheOpenDialogDoesNothing) {
  modal.ExpectFileDialog(std::nullopt);
  kt::test::Click(tab, 1005);
  EXPECT_TRUE(modal.MessageBoxes().empty());
}

TEST_F(DlgConfigTest, ReadFromDeviceOpensTheEditorOrSaysWhyNot) {
  kt::DeviceConfig changed = Defaults();
  changed.WEB.PORT = 8080;
  QByteArray otherModel = Document(Defaults());
  otherModel.replace("\"CONFIG_TAG\":\"KT2057\"", "\"CONFIG_TAG\":\"KT3000\"");

  struct Case {
    const char* name;
    FakeResponse response;
    bool login;
    std::optional<QString> message;  // nothing: no box
    UINT icon;
    bool opens;
  };
  const Case cases[] = {
      {"document", FakeResponse::Ok(Document(changed).toStdString()), true, std::nullopt, 0, true},
      {"gzip document",
       FakeResponse::Ok(kt::test::FakeDevice::Gzip(Document(changed).toStdString())).WithEncoding("gzip"), true,
       std::nullopt, 0, true},
      {"another model", FakeResponse::Ok(otherModel.toStdString()), true, QStringLiteral("Failed in conversion."),
       MB_ICONERROR, false},
      {"not JSON", FakeResponse::Ok("<html>"), true, QStringLiteral("Failed in conversion."), MB_ICONERROR, false},
      {"refused login", FakeResponse::Status(401), true, QStringLiteral("Failed Login."), MB_ICONWARNING, false},
      {"login cancelled", FakeResponse::Ok(Document(changed).toStdString()), false, std::nullopt, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    device.ClearRequests();
    device.SetResponse("/config.json", c.response);
    acceptLogin = c.login;
    const std::size_t boxes = modal.MessageBoxes().size();
    Opened seen;
    if (c.message) modal.ExpectMessageBox(*c.message, c.icon);
    if (c.opens) {
      ExpectEditor([&](CDlgConfigMain& dlg) {
        seen = {true, dlg.m_config, dlg.m_strFilePath};
        kt::test::Click(dlg, IDOK);
      });
    }
    kt::test::Click(tab, 1004);
    modal.VerifyDone();
    EXPECT_EQ(c.opens, seen.open);
    EXPECT_EQ(boxes + (c.message ? 1 : 0), modal.MessageBoxes().size());
    if (seen.open) {
      EXPECT_TRUE(SameBytes(changed, seen.cfg));
      EXPECT_EQ(QString(), seen.filePath);
    }
    if (c.login) {
      ASSERT_EQ(1u, device.RequestCount());
      EXPECT_EQ("GET", device.Requests()[0].method);
      EXPECT_EQ("/config.json?type=config", device.Requests()[0].target);
    } else {
      EXPECT_EQ(0u, device.RequestCount());
    }
  }
}
