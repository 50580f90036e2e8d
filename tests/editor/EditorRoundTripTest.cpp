// The whole editor at once: every page loads and stores its part of the
// record, so a record that nobody edits must leave the editor unchanged.
#include <gtest/gtest.h>

#include "ConfigPages.h"
#include "EditorTestFixture.h"

namespace {

class EditorRoundTripTest : public kt::test::EditorTest {};

// Visits every page in tab order (each switch stores the page left behind)
// and comes back to the first one.
void VisitEveryPage(CDlgConfigMain& dlg) {
  const int pages = static_cast<int>(dlg.m_pages.size());
  for (int i = 1; i <= pages; ++i) {
    kt::test::SelectTab(&dlg.m_tab, i % pages);
    ASSERT_EQ(i % pages, dlg.m_nCurPage) << "page " << i << " refused to be left";
  }
}

}  // namespace

TEST_F(EditorRoundTripTest, TheDefaultsPassEveryPageAndSaveAsTheReferenceDocument) {
  ASSERT_EQ(11u, ConfigPageTable().size());
  const QString target = Path(QStringLiteral("defaults.json"));
  RunEditor(Defaults(), [&](CDlgConfigMain& dlg) {
    VisitEveryPage(dlg);
    EXPECT_TRUE(SameBytes(dlg.m_config, dlg.m_savedConfig));
    modal.ExpectFileDialog(target).ExpectMessageBox(QStringLiteral("File saved."), MB_ICONINFORMATION);
    kt::test::Click(dlg, 1012);
    modal.VerifyDone();
    kt::test::Click(dlg, IDOK);  // nothing to lose: no question
  });
  EXPECT_TRUE(modal.MessageBoxes().size() == 1u);
  EXPECT_EQ(ReadFile(QStringLiteral(KT_TEST_DATA_DIR "/config/default.json")), ReadFile(target));
}
