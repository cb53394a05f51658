#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/Panel.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QEnterEvent>

namespace {

void Enter(TControl* c) {
  QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
  QApplication::sendEvent(c->Widget(), &enter);
}

void Leave(TControl* c) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(c->Widget(), &leave);
}

TEST(Hints, TheLongPartOfTheHintUnderTheMouseIsAnnounced) {
  TForm form(nullptr);
  auto* outer = new TPanel(&form);
  outer->SetParent(&form);
  outer->SetHint("Panel|The panel around");
  auto* plain = new TPanel(&form);
  plain->SetParent(outer);
  auto* hinted = new TPanel(&form);
  hinted->SetParent(outer);
  hinted->SetHint("Save|Saves the file");
  std::vector<QString> announced;
  Application().OnHint = [&](TObject*) { announced.push_back(Application().Hint()); };

  Enter(hinted);
  EXPECT_EQ(Application().Hint(), "Saves the file");
  Enter(plain);  // no hint of its own: the parent's
  EXPECT_EQ(Application().Hint(), "The panel around");
  Leave(plain);
  Enter(hinted);
  Enter(hinted);  // the same text is announced once
  EXPECT_EQ(announced, (std::vector<QString>{"Saves the file", "The panel around", "Saves the file"}));
  EXPECT_EQ(GetShortHint("Save|Saves the file"), "Save");
  EXPECT_EQ(GetLongHint("Only"), "Only");
  Application().OnHint = nullptr;
  Application().SetHint(QString());
}

TEST(Hints, ShowHintFollowsTheParentUntilSetOnTheControl) {
  TForm form(nullptr);
  auto* child = new TPanel(&form);
  child->SetParent(&form);
  EXPECT_FALSE(child->EffectiveShowHint());
  form.SetShowHint(true);
  EXPECT_TRUE(child->EffectiveShowHint());
  child->SetShowHint(false);
  EXPECT_FALSE(child->ParentShowHint());
  EXPECT_FALSE(child->EffectiveShowHint());
}

}  // namespace
