#include "toolkit/ScopedValue.h"

#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

namespace {

TEST(ScopedValue, SetsForTheScopeAndGivesTheOldValueBack) {
  bool syncing = false;
  {
    const TScopedValue scope(syncing, true);
    EXPECT_TRUE(syncing);
  }
  EXPECT_FALSE(syncing);
}

TEST(ScopedValue, NestedScopesUnwindInOrder) {
  bool syncing = false;
  {
    const TScopedValue outer(syncing, true);
    {
      const TScopedValue inner(syncing, true);
    }
    EXPECT_TRUE(syncing);  // the outer scope still holds it
  }
  EXPECT_FALSE(syncing);
}

TEST(ScopedValue, GivesTheOldValueBackWhenAnErrorLeavesTheScope) {
  int depth = 3;
  QString* slot = nullptr;
  QString text;
  EXPECT_THROW(
      {
        const TScopedValue deeper(depth, depth + 1);
        const TScopedValue holding(slot, &text);
        EXPECT_EQ(depth, 4);
        EXPECT_EQ(slot, &text);
        throw EInvalidOperation("fails");
      },
      EInvalidOperation);
  EXPECT_EQ(depth, 3);
  EXPECT_EQ(slot, nullptr);
}

}  // namespace
