// The maintenance tab's buttons and dialogs against the fake device.
#include "MainteTestFixture.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstring>

#include "DlgDiskUse.h"
#include "DlgLogging.h"
#include "DlgMac.h"
#include "DlgMailTest.h"
#include "DlgTime.h"

using kt::test::Click;
using kt::test::FakeResponse;
using kt::test::MainteTest;
using kt::test::Screenshot;
using Targets = std::vector<std::string>;

namespace {
constexpr int kDateTime = 1006, kInformation = 1007, kSystemLog = 1009, kCommLog = 1010, kEventLog = 1015,
              kClearTrend = 1016, kMailTest = 1011, kFtpTest = 1017, kDiskUsage = 1018;
const QString kConversionFailed = QStringLiteral("Failed in conversion.");
const QString kBadResponse = QStringLiteral("Failed to get a valid response from the server.");
}  // namespace

TEST_F(MainteTest, TheTabShowsNineButtonsAndHidesTheRecordingButton) {
  const std::pair<int, const char*> shown[] = {
      {kDateTime, "Date/Time"},        {kInformation, "Information"}, {kSystemLog, "System log"},
      {kCommLog, "Comm. log"},         {kEventLog, "Event log"},      {kClearTrend, "Clear trend"},
      {kMailTest, "Mail report test"}, {kFtpTest, "FTP client test"}, {kDiskUsage, "Disk usage"}};
  CRect client;
  page.GetClientRect(&client);
  for (auto [id, caption] : shown) {
    CWnd* button = page.GetDlgItem(id);
    ASSERT_NE(nullptr, button) << id;
    EXPECT_EQ(QString::fromUtf8(caption), page.GetDlgItemText(id));
    EXPECT_TRUE(button->IsWindowVisible()) << id;
    CRect r;
    button->GetWindowRect(&r);
    page.ScreenToClient(&r);
    EXPECT_LE(r.right, client.right) << id;
  }
  EXPECT_FALSE(page.GetDlgItem(1014)->IsWindowVisible());
  // "Preset count" and "Graph operation" do nothing.
  Click(page, 1012);
  Click(page, 1013);
  EXPECT_EQ(0, logins);
  EXPECT_EQ(0u, device.RequestCount());
  Screenshot(page, "mainte_tab.png");
}

// The two confirmed commands: the question first, then one request with the
// login, then the button's own note; Cancel sends nothing.
TEST_F(MainteTest, ConfirmedCommandsSendTheirQueryOnlyAfterOk) {
  struct Case {
    int button;
    const char* question;
    const char* target;
    const char* done;
  } const cases[] = {
      {kClearTrend, "Are you sure to clear trend?", "GET /trend_clear.json?clear=enable", "Completed."},
      {kFtpTest, "Are you sure to test FTP client?", "GET /ftpc.json?type=test", "Requested a test."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target);
    device.ClearRequests();
    logins = 0;
    modal.ExpectMessageBox(QString::fromUtf8(c.question), MB_ICONQUESTION, IDCANCEL);
    Click(page, c.button);
    EXPECT_EQ(0u, device.RequestCount());
    EXPECT_EQ(0, logins);

    modal.ExpectMessageBox(QString::fromUtf8(c.question), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QString::fromUtf8(c.done), MB_ICONINFORMATION);
    Click(page, c.button);
    EXPECT_EQ(Targets{c.target}, Sent());
    EXPECT_EQ(1, logins);

    // A refused answer shows the shared result text; a cancelled login nothing.
    device.SetDefault(FakeResponse::Status(500));
    modal.ExpectMessageBox(QString::fromUtf8(c.question), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(kBadResponse, MB_ICONWARNING);
    Click(page, c.button);
    loginAnswer = false;
    modal.ExpectMessageBox(QString::fromUtf8(c.question), MB_ICONQUESTION, IDOK);
    Click(page, c.button);
    EXPECT_EQ(3, logins);
    EXPECT_EQ(2u, device.RequestCount());
    loginAnswer = true;
    device.SetDefault(FakeResponse::Ok(""));
  }
}

// Every button that reads a document: one request with the login; an answer
// that is not JSON is a conversion failure with the error icon, a refused
// login the shared text, and no dialog opens.
TEST_F(MainteTest, DocumentButtonsReportUnreadableAnswersAndOpenNothing) {
  const std::pair<int, const char*> cases[] = {
      {kInformation, "GET /info.json"},     {kDiskUsage, "GET /sdinfo.json"}, {kMailTest, "GET /mail.json"},
      {kSystemLog, "GET /log_system.json"}, {kCommLog, "GET /log_com.json"},  {kEventLog, "GET /log_event.json"},
  };
  for (auto [button, target] : cases) {
    SCOPED_TRACE(target);
    device.ClearRequests();
    logins = 0;
    device.SetDefault(FakeResponse::Ok("<html>busy</html>"));
    modal.ExpectMessageBox(kConversionFailed, MB_ICONERROR);
    Click(page, button);
    EXPECT_EQ(Targets{target}, Sent());
    EXPECT_EQ(1, logins);

    device.SetDefault(FakeResponse::Status(401));
    modal.ExpectMessageBox(QStringLiteral("Failed Login."), MB_ICONWARNING);
    Click(page, button);

    loginAnswer = false;
    Click(page, button);
    loginAnswer = true;
    EXPECT_EQ(3, logins);
    EXPECT_EQ(2u, device.RequestCount());
  }
}

TEST_F(MainteTest, InformationShowsVersionMacAndAddresses) {
  device.SetResponse("/info.json", FakeResponse::Ok(Document("info.json")));
  modal.ExpectDialog<CDlgMac>([](CDlgMac& dlg) {
    EXPECT_EQ(QStringLiteral("Ver1.2.3 (17)"), dlg.GetDlgItemText(1142));
    EXPECT_EQ(QStringLiteral("00-11-22-AB-CD-EF"), dlg.GetDlgItemText(1141));
    const std::pair<int, const char*> addresses[] = {
        {1447, "192.168.1.20"}, {1448, "255.255.255.0"}, {1449, "192.168.1.1"}, {1450, "8.8.8.8"}, {1451, "1.1.1.1"}};
    for (auto [id, text] : addresses) {
      EXPECT_EQ(QString::fromLatin1(text), dlg.GetDlgItem(id)->GetWindowText()) << id;
      EXPECT_FALSE(dlg.GetDlgItem(id)->IsWindowEnabled()) << id;
    }
    Screenshot(dlg, "information.png");
    Click(dlg, IDOK);
  });
  Click(page, kInformation);
  EXPECT_EQ(Targets{"GET /info.json"}, Sent());
  EXPECT_EQ(1, logins);
}

namespace {

struct PaintCounter : QObject {
  bool eventFilter(QObject*, QEvent* ev) override {
    if (ev->type() == QEvent::Paint) ++count;
    return false;
  }
  int count = 0;
};

// A window of the program's that notes when its posted message arrives.
struct PostedTo : CWnd {
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_USER + 1 && onPosted) onPosted();
    return CWnd::WindowProc(message, wParam, lParam);
  }
  std::function<void()> onPosted;
};

}  // namespace

// A slow device: while the request waits, the windows repaint and the test's
// own timers run, but a click made meanwhile and the program's own posted
// message wait until the request has returned, in the order they came.
TEST_F(MainteTest, WhileARequestWaitsTheWindowsPaintAndInputWaitsForTheAnswer) {
  device.SetResponse("/info.json", FakeResponse::Ok(Document("info.json")).WithDelay(std::chrono::milliseconds(2000)));
  bool returned = false;
  modal.ExpectDialog<CDlgMac>([&](CDlgMac& dlg) {
    returned = true;
    Click(dlg, IDOK);
  });
  PaintCounter paints;
  page.GetSafeHwnd()->installEventFilter(&paints);
  QPushButton other(QStringLiteral("Other"));
  other.show();
  PostedTo posted;
  std::vector<std::string> handled;
  QObject::connect(&other, &QPushButton::clicked, [&] { handled.push_back(returned ? "click" : "click too early"); });
  posted.onPosted = [&] { handled.push_back(returned ? "posted" : "posted too early"); };

  bool timerDuringRequest = false, paintedDuringRequest = false;
  int paintsBefore = 0;
  QTimer::singleShot(300, [&] {
    timerDuringRequest = !returned && device.RequestCount() == 1;
    paintsBefore = paints.count;
    page.GetSafeHwnd()->update();
    posted.PostMessage(WM_USER + 1);
    QTest::mouseClick(&other, Qt::LeftButton);
  });
  QTimer::singleShot(1000, [&] { paintedDuringRequest = !returned && paints.count > paintsBefore; });
  Click(page, kInformation);

  EXPECT_TRUE(timerDuringRequest);
  EXPECT_TRUE(paintedDuringRequest);
  EXPECT_TRUE(handled.empty());
  kt::test::PumpEvents();
  EXPECT_EQ((std::vector<std::string>{"posted", "click"}), handled);
  page.GetSafeHwnd()->removeEventFilter(&paints);
}

TEST_F(MainteTest, InformationWithAVersionOutOfRangeIsAConversionFailure) {
  device.SetResponse("/info.json", FakeResponse::Ok(R"({"VERSION":{"MAJ":65536,"MIN":0,"SUB":0,"CPU":0}})"));
  modal.ExpectMessageBox(kConversionFailed, MB_ICONERROR);
  Click(page, kInformation);
}

TEST(DiskSizeText, KeepsTheWidthFieldsAndSwitchesUnitBelowEachPowerOf1024) {
  const std::pair<double, const char*> cases[] = {
      {0, "   0 B"},
      {1023, "1023 B"},
      {1023.6, "1024 B"},
      {1024, "  1.000 KB"},
      {1048575, "1023.999 KB"},
      {1048576, "  1.000 MB"},
      {1073741824, "  1.000 GB"},
      {15955107840.0, " 14.859 GB"},
      {-5, "  -5 B"},
  };
  for (auto [bytes, text] : cases) EXPECT_EQ(text, FormatDiskSize(bytes)) << bytes;
}

TEST(DiskSizeText, ReadsWholeDecimalNumbersOnly) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"", 0.0},
      {"15955107840", 15955107840.0},
      {"1.5e3", 1500.0},
      {"12abc", std::nullopt},
      {"1e999", std::nullopt},
      {"-1e999", std::nullopt},
      {"12 ", std::nullopt},
      {"1,5", std::nullopt},
  };
  for (auto [text, value] : cases) EXPECT_EQ(value, ParseDiskSize(text)) << text;
  // An underflow is no overflow: it reads as (about) zero.
  ASSERT_TRUE(ParseDiskSize("1e-999"));
  EXPECT_LT(std::fabs(*ParseDiskSize("1e-999")), 1e-300);
}

// The disk document's odd texts: the card counts as present wherever "ON"
// stands; capacity and free space must be numbers.
TEST_F(MainteTest, DiskUsageChecksTheCardAndBothNumbersBeforeOpening) {
  struct Case {
    const char* sd;
    const char* space;
    const char* size;
    const char* box;  // nullptr: the dialog opens
    UINT icon;
    const char* shownSpace;
    const char* shownSize;
  } const cases[] = {
      {"ON", "15931539456", "15955107840", nullptr, 0, " 14.837 GB", " 14.859 GB"},
      {"xONx", "", "1023", nullptr, 0, "   0 B", "1023 B"},
      {"OFF", "1", "1", "No disk", MB_ICONINFORMATION, nullptr, nullptr},
      {"on", "1", "1", "No disk", MB_ICONINFORMATION, nullptr, nullptr},
      {"ON", "1", "12abc", "tl", MB_ICONERROR, nullptr, nullptr},
      {"ON", "1e999", "1", "sp", MB_ICONERROR, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.sd) + " " + c.space + " " + c.size);
    device.SetResponse("/sdinfo.json", FakeResponse::Ok(std::string(R"({"SDINFO":{"Sd":")") + c.sd + R"(","SPACE":")" +
                                                        c.space + R"(","SIZE":")" + c.size + R"("}})"));
    if (c.box) {
      modal.ExpectMessageBox(QString::fromLatin1(c.box), c.icon);
    } else {
      modal.ExpectDialog<CDlgDiskUse>([&](CDlgDiskUse& dlg) {
        EXPECT_EQ(QString::fromLatin1(c.shownSpace), dlg.GetDlgItemText(1458));
        EXPECT_EQ(QString::fromLatin1(c.shownSize), dlg.GetDlgItemText(1459));
        EXPECT_TRUE(dlg.m_editSpace.IsReadOnly());
        if (std::strcmp(c.sd, "ON") == 0) Screenshot(dlg, "disk_usage.png");
        Click(dlg, IDOK);
      });
    }
    Click(page, kDiskUsage);
  }
}

TEST(ClockDays, FollowTheLeapRule) {
  struct Case {
    int year, month, days;
  } const cases[] = {{2024, 2, 29}, {2023, 2, 28},  {2100, 2, 28}, {2000, 2, 29}, {2024, 1, 31},
                     {2024, 4, 30}, {2024, 12, 31}, {2024, 0, 31}, {2024, 13, 31}};
  for (const Case& c : cases) EXPECT_EQ(c.days, CDlgTime::GetDaysInMonth(c.year, c.month)) << c.year << "-" << c.month;
}

namespace {
// The PC's clock as the dialog reads it.
std::optional<std::tm> g_now;
bool FakeLocalTime(std::tm* out) {
  if (!g_now) return false;
  *out = *g_now;
  return true;
}
std::tm At(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

class ClockTest : public MainteTest {
 protected:
  void SetUp() override {
    MainteTest::SetUp();
    m_saved = CDlgTime::s_pfnLocalTime;
    CDlgTime::s_pfnLocalTime = FakeLocalTime;
  }
  void TearDown() override {
    CDlgTime::s_pfnLocalTime = m_saved;
    g_now.reset();
    MainteTest::TearDown();
  }
  bool (*m_saved)(std::tm*) = nullptr;
};

std::vector<int> Selections(CDlgTime& d) {
  return {d.m_comboYear.GetCurSel(), d.m_comboMonth.GetCurSel(),  d.m_comboDay.GetCurSel(),
          d.m_comboHour.GetCurSel(), d.m_comboMinute.GetCurSel(), d.m_comboSecond.GetCurSel()};
}
}  // namespace

TEST_F(ClockTest, DayListFollowsYearAndMonthAndTheUploadSendsWhatIsShown) {
  g_now = At(2024, 1, 31, 10, 20, 30);
  modal.ExpectDialog<CDlgTime>([&](CDlgTime& dlg) {
    EXPECT_EQ((std::vector<int>{4, 0, 30, 10, 20, 30}), Selections(dlg));
    EXPECT_EQ(51, dlg.m_comboYear.GetCount());
    EXPECT_EQ(QStringLiteral("2020"), dlg.m_comboYear.GetLBText(0));
    EXPECT_EQ(QStringLiteral("2070"), dlg.m_comboYear.GetLBText(50));
    EXPECT_EQ(31, dlg.m_comboDay.GetCount());
    Screenshot(dlg, "date_time.png");

    kt::test::SelectComboItem(&dlg.m_comboMonth, 1);  // February 2024: the 31st becomes the 29th
    EXPECT_EQ(29, dlg.m_comboDay.GetCount());
    EXPECT_EQ(28, dlg.m_comboDay.GetCurSel());
    kt::test::SelectComboItem(&dlg.m_comboYear, 50);  // February 2070 has 28 days
    EXPECT_EQ(28, dlg.m_comboDay.GetCount());
    EXPECT_EQ(27, dlg.m_comboDay.GetCurSel());
    kt::test::SelectComboItem(&dlg.m_comboMonth, 2);  // March: the 28th stays
    EXPECT_EQ(31, dlg.m_comboDay.GetCount());
    EXPECT_EQ(27, dlg.m_comboDay.GetCurSel());

    modal.ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
    Click(dlg, 1001);
    device.SetDefault(FakeResponse::Status(500));
    modal.ExpectMessageBox(kBadResponse, MB_ICONWARNING);
    Click(dlg, 1001);
    Click(dlg, IDOK);
  });
  Click(page, kDateTime);
  EXPECT_EQ((Targets{"GET /adjust_time.json", "GET /adjust_time.json?year=2070&mon=3&day=28&hour=10&min=20&sec=30",
                     "GET /adjust_time.json?year=2070&mon=3&day=28&hour=10&min=20&sec=30"}),
            Sent());
  EXPECT_EQ(1, logins);
}

TEST_F(ClockTest, TheCheckRequestMustSucceedBeforeTheDialogOpens) {
  device.SetDefault(FakeResponse::Status(401));
  modal.ExpectMessageBox(QStringLiteral("Failed Login."), MB_ICONWARNING);
  Click(page, kDateTime);
  loginAnswer = false;
  Click(page, kDateTime);
  EXPECT_EQ(Targets{"GET /adjust_time.json"}, Sent());
  EXPECT_EQ(2, logins);
}

// A PC clock outside the lists (or none at all) leaves lists without a
// selection: the day list is still rebuilt sensibly and nothing is sent.
TEST_F(ClockTest, WithoutASelectionNothingIsSent) {
  const std::optional<std::tm> clocks[] = {At(2019, 3, 10, 1, 2, 3), std::nullopt};
  for (const auto& clock : clocks) {
    g_now = clock;
    modal.ExpectDialog<CDlgTime>([&](CDlgTime& dlg) {
      EXPECT_EQ(-1, dlg.m_comboYear.GetCurSel());
      kt::test::SelectComboItem(&dlg.m_comboMonth, 1);  // February of no year yet
      EXPECT_EQ(29, dlg.m_comboDay.GetCount());
      EXPECT_EQ(clock ? 9 : -1, dlg.m_comboDay.GetCurSel());
      modal.ExpectMessageBox(QStringLiteral("Please select the date and time."), MB_ICONINFORMATION);
      Click(dlg, 1001);
      kt::test::SelectComboItem(&dlg.m_comboYear, 3);  // 2023
      EXPECT_EQ(28, dlg.m_comboDay.GetCount());
      Click(dlg, IDOK);
    });
    Click(page, kDateTime);
  }
  EXPECT_EQ((Targets{"GET /adjust_time.json", "GET /adjust_time.json"}), Sent());
}

TEST_F(MainteTest, MailTestListsFourFormsAndTestsTheSelectedOne) {
  device.SetResponse("/mail.json", FakeResponse::Ok(Document("mail.json")));
  modal.ExpectDialog<CDlgMailTest>([&](CDlgMailTest& dlg) {
    CListCtrl& list = dlg.m_listTemplates;
    ASSERT_EQ(4, list.GetItemCount());
    const char* subjects[] = {"Daily report", "Alarm notice", "Weekly summary", "Test"};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(QString::number(i + 1), list.GetItemText(i, 0));
      EXPECT_EQ(QString::fromLatin1(subjects[i]), list.GetItemText(i, 1));
    }
    EXPECT_EQ(0, list.GetNextItem(-1, LVNI_SELECTED));
    Screenshot(dlg, "mail_test.png");

    modal.ExpectMessageBox(QStringLiteral("Are you sure to send test mail?"), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
    Click(dlg, 1277);
    list.SetItemState(0, 0, LVIS_SELECTED);
    list.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    modal.ExpectMessageBox(QStringLiteral("Are you sure to send test mail?"), MB_ICONQUESTION, IDCANCEL);
    Click(dlg, 1277);
    modal.ExpectMessageBox(QStringLiteral("Are you sure to send test mail?"), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
    Click(dlg, 1277);
    list.SetItemState(2, 0, LVIS_SELECTED);
    modal.ExpectMessageBox(QStringLiteral("Please select a form."), MB_ICONINFORMATION);
    Click(dlg, 1277);
    Click(dlg, IDOK);
  });
  Click(page, kMailTest);
  EXPECT_EQ((Targets{"GET /mail.json", "GET /mail.json?form=0", "GET /mail.json?form=2"}), Sent());
  EXPECT_EQ(1, logins);
}

TEST_F(MainteTest, MailTestListsEmptySubjectsToo) {
  device.SetResponse("/mail.json", FakeResponse::Ok(R"({"MAIL":{"F":[{"SUBJECT":""},{"SUBJECT":"Only"}]}})"));
  modal.ExpectDialog<CDlgMailTest>([](CDlgMailTest& dlg) {
    ASSERT_EQ(4, dlg.m_listTemplates.GetItemCount());
    EXPECT_EQ(QStringLiteral("4"), dlg.m_listTemplates.GetItemText(3, 0));
    EXPECT_EQ(QString(), dlg.m_listTemplates.GetItemText(3, 1));
    EXPECT_EQ(QStringLiteral("Only"), dlg.m_listTemplates.GetItemText(1, 1));
    Click(dlg, IDOK);
  });
  Click(page, kMailTest);
}

// The hidden recording button still works as built: the state read from
// the device is preselected, "Set" sends the chosen word and closes on
// success.
TEST_F(MainteTest, RecordingDialogSetsTheChosenState) {
  const std::pair<const char*, int> states[] = {{"start", 1}, {"trig", 2}, {"stop", 0}, {"odd", 0}};
  for (auto [rec, index] : states) {
    device.SetResponse("/status.json", FakeResponse::Ok(std::string(R"({"Rec":")") + rec + R"(","Sd":"ON"})"));
    modal.ExpectDialog<CDlgLogging>([index = index](CDlgLogging& dlg) {
      EXPECT_EQ(3, dlg.m_comboRec.GetCount());
      EXPECT_EQ(index, dlg.m_comboRec.GetCurSel());
      Click(dlg, IDOK);
    });
    page.OnBnClickedLogging();
  }
  device.ClearRequests();
  modal.ExpectDialog<CDlgLogging>([&](CDlgLogging& dlg) {
    Screenshot(dlg, "recording.png");
    kt::test::SelectComboItem(&dlg.m_comboRec, 2);
    modal.ExpectMessageBox(QStringLiteral("Are you sure to set the recording?"), MB_ICONQUESTION, IDCANCEL);
    Click(dlg, 1449);
    device.SetResponse("/status.json", FakeResponse::Status(500));
    modal.ExpectMessageBox(QStringLiteral("Are you sure to set the recording?"), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(kBadResponse, MB_ICONWARNING);
    Click(dlg, 1449);
    EXPECT_FALSE(dlg.IsEnded());
    device.SetResponse("/status.json", FakeResponse::Ok(""));
    modal.ExpectMessageBox(QStringLiteral("Are you sure to set the recording?"), MB_ICONQUESTION, IDOK)
        .ExpectMessageBox(QStringLiteral("Completed."), MB_ICONINFORMATION);
    Click(dlg, 1449);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(IDOK, dlg.GetModalResult());
  });
  page.OnBnClickedLogging();
  EXPECT_EQ((Targets{"GET /status.json", "GET /status.json?rec=triger", "GET /status.json?rec=triger"}), Sent());
  EXPECT_EQ(5, logins);
}
