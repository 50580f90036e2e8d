// The three log viewers: exact texts from the fixture logs, and the reset.
#include "MainteTestFixture.h"

#include <cstring>

#include "DlgLog.h"

using kt::test::Click;
using kt::test::FakeResponse;
using kt::test::MainteTest;
using kt::test::Screenshot;
using Targets = std::vector<std::string>;

namespace {

struct Viewer {
  int button;
  const char* path;
  const char* document;
  const char* caption;
  int textId;
  int resetId;
  const char* question;
  const char* text;  // UTF-8
};

const Viewer kViewers[] = {
    {1009, "/log_system.json", "log_system.json", "System log", 1142, 1145, "Are you sure to clear system log?",
     "2024/05/17 09:30:15 Power on\r\n"
     "2024/05/17 09:30:16 SD card mounted\r\n"
     "2024/05/17 09:31:02 Time adjusted (SNTP)\r\n"},
    {1010, "/log_com.json", "log_com.json", "Comm. log", 1450, 1451, "Are you sure to clear communication log?",
     "2024/05/17 10:00:00.000 MAIL 2 OK form1.txt Sent\r\n"
     "2024/05/17 10:05:00.120 FTP 4 NG  Connection refused\r\n"},
    {1015, "/log_event.json", "log_event.json", "Event log", 1454, 1455, "Are you sure to clear event log?",
     "2024/05/17 11:12:13.140 ALARM 3 AI1 \xE6\xB8\xA9\xE5\xBA\xA6 Tank inlet Upper limit exceeded\r\n"
     "2024/05/17 11:20:00.000 RECOVER 1 DI2  Back to normal\r\n"},
};

template <class Dlg>
void CheckViewer(kt::test::ModalScript& modal, kt::test::FakeDevice& device, const Viewer& v) {
  modal.ExpectDialog<Dlg>([&](Dlg& dlg) {
    const QString original = QString::fromUtf8(v.text);
    EXPECT_EQ(QString::fromLatin1(v.caption), dlg.GetSafeHwnd()->windowTitle());
    EXPECT_EQ(original, dlg.GetDlgItemText(v.textId));
    kt::test::Screenshot(dlg, (std::string(v.document) + ".png").c_str());

    // Cancel sends nothing; a refused reset keeps the text and shows the
    // shared result text; a cleared log shows the new (empty) document.
    modal.ExpectMessageBox(QString::fromLatin1(v.question), MB_ICONQUESTION, IDCANCEL);
    Click(dlg, v.resetId);
    device.SetResponse(v.path, FakeResponse::Status(500));
    modal.ExpectMessageBox(QString::fromLatin1(v.question), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QStringLiteral("Failed to get a valid response from the server."), MB_ICONWARNING);
    Click(dlg, v.resetId);
    EXPECT_EQ(original, dlg.GetDlgItemText(v.textId));
    device.SetResponse(v.path, FakeResponse::Ok("not json"));
    modal.ExpectMessageBox(QString::fromLatin1(v.question), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QStringLiteral("Failed in conversion."), MB_ICONERROR);
    Click(dlg, v.resetId);
    EXPECT_EQ(original, dlg.GetDlgItemText(v.textId));
    device.SetResponse(v.path, FakeResponse::Ok(R"({"Log":[]})"));
    modal.ExpectMessageBox(QString::fromLatin1(v.question), MB_ICONQUESTION, IDOK);
    Click(dlg, v.resetId);
    EXPECT_EQ(QString(), dlg.GetDlgItemText(v.textId));
    Click(dlg, IDOK);
  });
}

}  // namespace

TEST_F(MainteTest, LogViewersShowEachUsedEntryAndResetWithTheStoredLogin) {
  for (const Viewer& v : kViewers) {
    SCOPED_TRACE(v.path);
    device.ClearRequests();
    logins = 0;
    device.SetResponse(v.path, FakeResponse::Ok(Document(v.document)));
    if (v.button == 1009) CheckViewer<CDlgSlog>(modal, device, v);
    if (v.button == 1010) CheckViewer<CDlgClog>(modal, device, v);
    if (v.button == 1015) CheckViewer<CDlgElog>(modal, device, v);
    Click(page, v.button);
    const std::string get = std::string("GET ") + v.path;
    const std::string clear = get + "?clear=enable";
    EXPECT_EQ((Targets{get, clear, clear, clear}), Sent());
    EXPECT_EQ(1, logins);
  }
}

// Entries keep the device's order; empty slots leave no line; only the
// first 32 entries count.
TEST_F(MainteTest, LogViewerSkipsEmptySlotsAndStopsAt32Entries) {
  std::string doc = R"({"Log":[)";
  std::string expected;
  for (int i = 0; i < 40; ++i) {
    const int year = i % 5 == 2 ? 0 : 2000 + i;
    if (i) doc += ',';
    doc += R"({"Time":[)" + std::to_string(year) + R"(,1,2,3,4,5,6],"Message":"m)" + std::to_string(i) + "\"}";
    if (year && i < 32) expected += std::to_string(year) + "/01/02 03:04:05 m" + std::to_string(i) + "\r\n";
  }
  doc += "]}";
  device.SetResponse("/log_system.json", FakeResponse::Ok(doc));
  modal.ExpectDialog<CDlgSlog>([&](CDlgSlog& dlg) {
    EXPECT_EQ(QString::fromStdString(expected), dlg.GetDlgItemText(1142));
    Click(dlg, IDOK);
  });
  Click(page, 1009);

  // No used entry at all: the viewer opens empty.
  device.SetResponse("/log_system.json", FakeResponse::Ok(R"({"Log":[{"Time":[0,1,2,3,4,5,6],"Message":"x"}]})"));
  modal.ExpectDialog<CDlgSlog>([&](CDlgSlog& dlg) {
    EXPECT_EQ(QString(), dlg.GetDlgItemText(1142));
    Click(dlg, IDOK);
  });
  Click(page, 1009);
}

// Record fields filled to their full width without a zero byte are still
// read within the field.
TEST(LogLines, NeverReadPastAFieldAndCountFromOne) {
  kt::EventLogEntry e{};
  const kt::u16 time[7] = {2024, 1, 2, 3, 4, 5, 6};
  std::memcpy(e.Time, time, sizeof time);
  std::memset(e.Type, 'T', sizeof e.Type);
  e.No = 4;
  std::memcpy(e.Name, "n", 2);
  std::memset(e.Comment, 'c', sizeof e.Comment);
  std::memcpy(e.Coller, "hidden", 7);
  std::memcpy(e.Message, "\xC3\xA9t\xC3\xA9", 6);
  EXPECT_EQ(QStringLiteral("2024/01/02 03:04:05.006 ") + QString(16, u'T') + QStringLiteral(" 5 n ") +
                QString(49, u'c') + QStringLiteral(" \u00E9t\u00E9\r\n"),
            FormatEventLogLine(e));

  kt::ComLogEntry c{};
  std::memcpy(c.Time, time, sizeof time);
  std::memcpy(c.Message, "\xE2\x82", 2);  // a cut character shows as U+FFFD
  EXPECT_EQ(QStringLiteral("2024/01/02 03:04:05.006  1   ") + QString::fromUtf8("\xE2\x82", 2) + QStringLiteral("\r\n"),
            FormatComLogLine(c));
}
