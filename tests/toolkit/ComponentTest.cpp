#include "toolkit/Component.h"
#include "toolkit/SampleClasses.h"
#include "toolkit/SysUtils.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

TEST(Component, OwnerFreesWhatItOwnsAndFindsByNameIgnoringCase) {
  auto* owner = new TComponent(nullptr);
  auto* a = new TSample(owner);
  a->SetName("EMedia");
  auto* b = new TSample(owner);
  b->SetName("LYear");
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(1), b);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_EQ(owner->FindComponent("emedia"), a);
  EXPECT_EQ(owner->FindComponent("LYEAR"), b);
  EXPECT_EQ(owner->FindComponent("Nope"), nullptr);
  EXPECT_EQ(owner->FindComponent(""), nullptr);

  TWatcher watcher(nullptr);
  watcher.watched = b;
  b->FreeNotification(&watcher);
  delete owner;  // frees a and b
  EXPECT_EQ(watcher.watched, nullptr);
}

TEST(Component, FreedComponentLeavesItsOwner) {
  TComponent owner(nullptr);
  auto* a = new TSample(&owner);
  auto* b = new TSample(&owner);
  delete a;
  ASSERT_EQ(owner.ComponentCount(), 1);
  EXPECT_EQ(owner.Components(0), b);
  EXPECT_THROW(owner.Components(1), EListError);
}

TEST(Component, WatcherNeverHoldsADanglingPointer) {
  TWatcher watcher(nullptr);
  {
    TSample watched(nullptr);
    watcher.watched = &watched;
    watched.FreeNotification(&watcher);
  }
  EXPECT_EQ(watcher.watched, nullptr);
  ASSERT_FALSE(watcher.log.empty());
  EXPECT_EQ(watcher.log.back().second, TOperation::opRemove);
}

TEST(Component, OwnerAndSiblingsHearOfInsertAndRemove) {
  TWatcher owner(nullptr);
  auto* sibling = new TWatcher(&owner);
  auto* c = new TSample(&owner);
  ASSERT_FALSE(sibling->log.empty());
  EXPECT_EQ(sibling->log.back(), std::make_pair(static_cast<TComponent*>(c), TOperation::opInsert));
  owner.RemoveComponent(c);
  EXPECT_EQ(owner.log.back(), std::make_pair(static_cast<TComponent*>(c), TOperation::opRemove));
  EXPECT_EQ(sibling->log.back(), std::make_pair(static_cast<TComponent*>(c), TOperation::opRemove));
  EXPECT_EQ(c->Owner(), nullptr);
  delete c;
}

struct RenameCase {
  const char* newName;
  bool accepted;
  const char* message;
};

void PrintTo(const RenameCase& c, std::ostream* os) { *os << '"' << c.newName << '"'; }

class Rename : public ::testing::TestWithParam<RenameCase> {};

TEST_P(Rename, RefusedRenameKeepsTheOldName) {
  TComponent owner(nullptr);
  auto* taken = new TSample(&owner);
  taken->SetName("ESource");
  auto* c = new TSample(&owner);
  c->SetName("EMedia");
  if (GetParam().accepted) {
    c->SetName(GetParam().newName);
    EXPECT_EQ(c->Name(), GetParam().newName);
    return;
  }
  try {
    c->SetName(GetParam().newName);
    FAIL() << "accepted " << GetParam().newName;
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), GetParam().message);
  }
  EXPECT_EQ(c->Name(), "EMedia");
}

INSTANTIATE_TEST_SUITE_P(
    Names, Rename,
    ::testing::Values(RenameCase{"EMedia2", true, ""}, RenameCase{"", true, ""}, RenameCase{"emedia", true, ""},
                      RenameCase{"_x1", true, ""},
                      RenameCase{"esource", false, "A component named esource already exists"},
                      RenameCase{"1abc", false, "'1abc' is not a valid component name"},
                      RenameCase{"a b", false, "'a b' is not a valid component name"}));

TEST(Component, InstalledRenameCheckCanRefuse) {
  TComponent owner(nullptr);
  auto* c = new TSample(&owner);
  c->SetName("LYear");
  QString seen;
  owner.SetRenameCheck([&](TComponent* comp, const QString& current, const QString& next) {
    EXPECT_EQ(comp, c);
    seen = current + "->" + next;
    if (next == "Forbidden") throw EComponentError("refused");
  });
  EXPECT_THROW(c->SetName("Forbidden"), EComponentError);
  EXPECT_EQ(c->Name(), "LYear");
  EXPECT_EQ(seen, "LYear->Forbidden");
  c->SetName("Allowed");
  EXPECT_EQ(c->Name(), "Allowed");
}

TEST(Component, DesignStateReachesEverythingOwned) {
  TComponent root(nullptr);
  auto* child = new TComponent(&root);
  auto* grandChild = new TComponent(child);
  root.SetDesigning(true);
  EXPECT_TRUE(root.IsDesigning());
  EXPECT_TRUE(grandChild->IsDesigning());
  child->SetDesigning(false, false);
  EXPECT_FALSE(child->IsDesigning());
  EXPECT_TRUE(grandChild->IsDesigning());
  root.SetDesigning(false);
  EXPECT_FALSE(grandChild->IsDesigning());
}

TEST(Component, ComponentAsFindsByNameAndClassOrSaysWhatIsWrong) {
  TComponent owner(nullptr);
  owner.SetName("Frame");
  auto* media = new TSample(&owner);
  media->SetName("EMedia");
  EXPECT_EQ(&owner.ComponentAs<TSample>("emedia"), media);
  EXPECT_EQ(&owner.ComponentAs<TComponent>("EMedia"), media);
  const std::pair<QString, QString> refused[] = {
      {"EYear", "Frame has no component named EYear"},
      {"", "Frame has no component named "},
  };
  for (const auto& [name, message] : refused) {
    try {
      owner.ComponentAs<TSample>(name);
      ADD_FAILURE() << name.toStdString();
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), message);
    }
  }
  try {
    owner.ComponentAs<TSampleChild>("EMedia");
    ADD_FAILURE();
  } catch (const EComponentError& e) {
    EXPECT_EQ(e.Message(), "EMedia is a TSample, not a TSampleChild");
  }
  owner.SetName("");
  EXPECT_THROW(owner.ComponentAs<TSample>("EYear"), EComponentError);
}

TEST(Component, DesignInfoAndTagAreKept) {
  TSample c(nullptr);
  c.SetDesignInfo(6);
  c.SetTag(-3);
  EXPECT_EQ(c.DesignInfo(), 6);
  EXPECT_EQ(GetOrdProp(c, PropByName(c, "Tag")), -3);
}

}  // namespace
