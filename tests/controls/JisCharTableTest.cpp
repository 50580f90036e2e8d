#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "JisCharTable.h"

namespace {
bool InTable(char16_t c) {
  return std::find(JisCharTable, JisCharTable + kJisCharTableSize, c) != JisCharTable + kJisCharTableSize;
}
}  // namespace

TEST(JisCharTable, SizeOrderAndMembers) {
  const std::set<char16_t> unique(JisCharTable, JisCharTable + kJisCharTableSize);
  EXPECT_EQ(static_cast<std::size_t>(kJisCharTableSize), unique.size());
  EXPECT_EQ(u' ', JisCharTable[0]);
  EXPECT_EQ(u'~', JisCharTable[94]);
  EXPECT_EQ(u'\uFF61', JisCharTable[95]);
  EXPECT_EQ(u'\uFF9F', JisCharTable[157]);
  EXPECT_EQ(u'\u3000', JisCharTable[158]);  // row 1 cell 1, the ideographic space
  // Code page 932's choices, not JIS's own mapping.
  EXPECT_TRUE(InTable(u'\uFF5E'));
  EXPECT_TRUE(InTable(u'\u2225'));
  EXPECT_FALSE(InTable(u'\u301C'));
  EXPECT_FALSE(InTable(u'\u2460'));  // row 13, left out
  EXPECT_FALSE(InTable(u'\t'));
  EXPECT_TRUE(InTable(u'\u6F22'));  // a kanji of level 1
}
