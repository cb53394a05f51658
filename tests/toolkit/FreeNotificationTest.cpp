#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Panel.h"

#include "support/TestSupport.h"

#include <functional>
#include <ostream>

namespace {

// What a component that hears of another's going may look at: it compares
// the address, reads the class, the name and the state of the departing
// component, and finds its control part still standing.
class Inspecting : public TComponent {
 public:
  Inspecting(TComponent* owner, QStringList* log) : TComponent(owner), m_log(log) {}
  TComponent* expected = nullptr;

  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || component != expected) return;
    const auto* edit = dynamic_cast<TEdit*>(component);
    *m_log << QStringLiteral("%1 %2 destroying=%3 widget=%4")
                  .arg(component->ClassName(), component->Name())
                  .arg(component->IsDestroying())
                  .arg(edit && edit->Widget() != nullptr);
  }

 private:
  QStringList* m_log;
};

// How the edit goes away: freed itself, with its owner, or with its parent
// control (which does not own it).
enum class Going { Itself, WithItsOwner, WithItsParent };

void PrintTo(Going going, std::ostream* os) { *os << static_cast<int>(going); }

class FreeNotificationWhole : public ::testing::TestWithParam<Going> {};

TEST_P(FreeNotificationWhole, WatchersAndTheOwnersComponentsSeeTheWholeComponent) {
  auto* owner = new TForm(nullptr);
  auto* parent = new TPanel(nullptr);
  QStringList watcherSaw;
  QStringList siblingSaw;
  // Owned components go the last first: the sibling comes before the edit.
  auto* sibling = new Inspecting(owner, &siblingSaw);
  auto* edit = new TEdit(owner);
  edit->SetName("EMedia");
  edit->SetParent(parent);
  sibling->expected = edit;
  Inspecting watcher(nullptr, &watcherSaw);
  watcher.expected = edit;
  edit->FreeNotification(&watcher);

  switch (GetParam()) {
    case Going::Itself: TComponent::Free(edit); break;
    case Going::WithItsOwner: TComponent::Free(owner); break;
    case Going::WithItsParent: TComponent::Free(parent); break;
  }

  const QStringList whole{"TEdit EMedia destroying=1 widget=1"};
  EXPECT_EQ(watcherSaw, whole);
  EXPECT_EQ(siblingSaw, whole);
  if (GetParam() != Going::WithItsOwner) TComponent::Free(owner);
  if (GetParam() != Going::WithItsParent) TComponent::Free(parent);
}

INSTANTIATE_TEST_SUITE_P(Ways, FreeNotificationWhole,
                         ::testing::Values(Going::Itself, Going::WithItsOwner, Going::WithItsParent));

// Destroyed directly, a component can only tell its watchers from
// ~TComponent: they hear of it, but may compare the address only.
TEST(FreeNotification, ComponentDestroyedDirectlyStillTellsItsWatchers) {
  struct Recording : TComponent {
    Recording() : TComponent(nullptr) {}
    std::vector<TComponent*> gone;
    void Notification(TComponent* component, TOperation operation) override {
      TComponent::Notification(component, operation);
      if (operation == TOperation::opRemove) gone.push_back(component);
    }
  } watcher;
  TComponent* address = nullptr;
  {
    TForm form(nullptr);
    address = &form;
    form.FreeNotification(&watcher);
  }
  EXPECT_EQ(watcher.gone, std::vector<TComponent*>{address});
}

TEST(FreeNotification, OwnerHearsTheGoingOnce) {
  auto* owner = new TForm(nullptr);
  QStringList saw;
  auto* sibling = new Inspecting(owner, &saw);
  auto* edit = new TEdit(owner);
  sibling->expected = edit;
  TComponent::Free(edit);
  EXPECT_EQ(saw.size(), 1);
  EXPECT_EQ(owner->ComponentCount(), 1);
  TComponent::Free(owner);
}

}  // namespace
