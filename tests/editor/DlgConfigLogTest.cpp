// The logging page ("Log"): load and store, and the fallbacks of values
// without an item.
#include "DlgConfigLog.h"
#include "EditorTestFixture.h"

namespace {

// Pages are added to the table over time: find the Log page by its tab.
const int kPageLog = kt::test::PageIndex("Log");

CDlgConfigLog& LogPage(CDlgConfigMain& dlg) { return dynamic_cast<CDlgConfigLog&>(*dlg.m_pages[kPageLog]); }

// Every field of the page away from its default.
kt::DeviceConfig NonDefault() {
  kt::DeviceConfig c = kt::test::EditorTestAccess::Defaults();
  c.LOG.LOG.EVE = 0;
  c.LOG.LOG.SYS = 0;
  c.LOG.LOG.COM = 0;
  c.LOG.ENCODE = 1;
  return c;
}

class DlgConfigLogTest : public kt::test::EditorTest {};

}  // namespace

TEST_F(DlgConfigLogTest, StoresBackWhatItLoaded) {
  const kt::DeviceConfig cfg = NonDefault();
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    EXPECT_TRUE(LogPage(dlg).StorePage(TRUE));
    EXPECT_TRUE(LogPage(dlg).CheckSettings(TRUE));
    EXPECT_TRUE(SameBytes(cfg, dlg.m_config));
    EXPECT_TRUE(modal.MessageBoxes().empty());
    kt::test::Click(dlg, IDOK);
  });
}

TEST_F(DlgConfigLogTest, ValuesWithoutAnItemLoadAsTheFallbackAndStoreAsIt) {
  kt::DeviceConfig cfg = Defaults();
  cfg.LOG.LOG.SYS = 2;
  cfg.LOG.ENCODE = 5;
  RunEditor(cfg, [&](CDlgConfigMain& dlg) {
    EXPECT_EQ(QStringLiteral("UTF-8"), LogPage(dlg).m_comboEncode.GetWindowText());
    EXPECT_EQ(BST_CHECKED, LogPage(dlg).m_radioSysDisable.GetCheck());
    for (const auto& page : dlg.m_pages) EXPECT_TRUE(page->StorePage(FALSE));
    EXPECT_EQ(0u, dlg.m_config.LOG.LOG.SYS);
    EXPECT_EQ(0u, dlg.m_config.LOG.ENCODE);
    modal.ExpectMessageBox(QStringLiteral("Are you sure you want to discard the settings?"), MB_ICONQUESTION, IDOK);
    kt::test::Click(dlg, IDOK);
  });
}
