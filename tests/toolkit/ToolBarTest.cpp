#include "toolkit/ActionList.h"
#include "toolkit/Application.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Forms.h"
#include "toolkit/ImageList.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"
#include "toolkit/ToolBar.h"

#include "support/TestSupport.h"
#include "support/WidgetDriver.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolButton>
#include <QToolTip>

namespace {

// The main window's toolbar in small: four actions with pictures, a
// separator before the last.
class ToolBarTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBounds(0, 0, 300, 100);
    images = new TImageList(form);
    for (Qt::GlobalColor color : {Qt::red, Qt::green, Qt::blue, Qt::yellow}) {
      QImage picture(16, 16, QImage::Format_RGB32);
      picture.fill(color);
      images->Add(TBitmap(picture));
    }
    actions = new TActionList(form);
    actions->SetImages(images);
    bar = new TToolBar(form);
    bar->SetParent(form);
    bar->SetImages(images);
    bar->SetShowHint(true);
    const char* captions[] = {"Open", "Save", "Save as", "Reset GUI"};
    const char* hints[] = {"Open language/GUI file...", "Save", "Save as...", "Reset GUI to default"};
    for (int i = 0; i < 4; ++i) {
      auto* action = new TAction(form);
      action->SetActionList(actions);
      action->SetCaption(captions[i]);
      action->SetHint(hints[i]);
      action->SetImageIndex(i);
      action->OnExecute = [this, i](TObject*) { executed.push_back(i); };
      if (i == 3) {
        auto* separator = new TToolButton(form);
        separator->SetParent(bar);
        separator->SetStyle(TToolButtonStyle::tbsSeparator);
      }
      auto* button = new TToolButton(form);
      button->SetParent(bar);
      button->SetAction(action);
      buttons.push_back(button);
    }
  }
  void TearDown() override { TComponent::Free(form); }

  QToolButton* Widget(TToolButton* button) const { return static_cast<QToolButton*>(button->Widget()); }
  void Click(TToolButton* button) {
    form->ShowForm();
    QApplication::processEvents();
    ClickWidget(Widget(button), Widget(button)->rect().center());
  }

  TForm* form = nullptr;
  TImageList* images = nullptr;
  TActionList* actions = nullptr;
  TToolBar* bar = nullptr;
  std::vector<TToolButton*> buttons;
  std::vector<int> executed;
};

TEST_F(ToolBarTest, ButtonsTakeTheActionsStateAndPicture) {
  ASSERT_EQ(actions->ActionCount(), 4);
  EXPECT_EQ(actions->Actions(2)->Caption(), "Save as");
  EXPECT_EQ(actions->Actions(2)->Index(), 2);
  EXPECT_THROW(actions->Actions(4), EListError);
  for (int i = 0; i < 4; ++i) {
    TToolButton* b = buttons[static_cast<size_t>(i)];
    EXPECT_EQ(b->Caption(), actions->Actions(i)->Caption());
    EXPECT_EQ(b->Hint(), actions->Actions(i)->Hint());
    EXPECT_EQ(b->ImageIndex(), i);
    const QImage shown = Widget(b)->icon().pixmap(16, 16).toImage();
    EXPECT_EQ(shown.pixelColor(8, 8), images->Image(i).pixelColor(8, 8)) << i;
  }
}

TEST_F(ToolBarTest, ButtonsFollowEveryChangeOfTheirAction) {
  TAction* save = actions->Actions(1);
  TToolButton* button = buttons[1];
  save->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  EXPECT_FALSE(Widget(button)->isEnabled());
  save->SetEnabled(true);
  EXPECT_TRUE(Widget(button)->isEnabled());
  save->SetChecked(true);
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(Widget(button)->isChecked());
  save->SetCaption("Speichern");
  save->SetHint("Datei speichern");
  EXPECT_EQ(button->Caption(), "Speichern");
  EXPECT_EQ(button->Hint(), "Datei speichern");
  save->SetImageIndex(3);
  EXPECT_EQ(Widget(button)->icon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::yellow));
  save->SetImageIndex(-1);
  // Without a picture the caption shows.
  EXPECT_EQ(Widget(button)->toolButtonStyle(), Qt::ToolButtonTextOnly);
  EXPECT_EQ(Widget(button)->text(), "Speichern");
}

TEST_F(ToolBarTest, ButtonsSitSideBySideAndCloseGapsOfHiddenOnes) {
  auto lefts = [&] {
    std::vector<int> out;
    for (int i = 0; i < bar->ButtonCount(); ++i) out.push_back(bar->Buttons(i)->Left());
    return out;
  };
  ASSERT_EQ(bar->ButtonCount(), 5);
  EXPECT_EQ(lefts(), (std::vector<int>{0, 23, 46, 69, 77}));
  EXPECT_EQ(bar->Buttons(3)->Width(), 8);
  EXPECT_EQ(bar->Buttons(0)->Height(), 22);
  EXPECT_EQ(bar->Buttons(0)->Top(), (bar->ClientHeight() - 22) / 2);
  EXPECT_TRUE(Widget(buttons[0])->autoRaise());  // flat by default
  bar->SetFlat(false);
  EXPECT_FALSE(Widget(buttons[0])->autoRaise());
  bar->SetButtonHeight(24);
  EXPECT_EQ(bar->Buttons(0)->Height(), 24);
  actions->Actions(1)->SetVisible(false);
  EXPECT_FALSE(buttons[1]->Visible());
  EXPECT_EQ(bar->Buttons(2)->Left(), 23);
  EXPECT_EQ(bar->Buttons(4)->Left(), 54);
  bar->SetButtonWidth(30);
  EXPECT_EQ(bar->Buttons(4)->Left(), 68);
  TComponent::Free(buttons[0]);
  buttons.erase(buttons.begin());
  EXPECT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(bar->Buttons(1)->Left(), 0);  // Save is hidden: Save as comes first
  EXPECT_THROW(bar->Buttons(4), EListError);
}

TEST_F(ToolBarTest, ClickExecutesTheActionOnlyWhileEnabled) {
  Click(buttons[0]);
  EXPECT_EQ(executed, std::vector<int>{0});
  actions->Actions(2)->SetEnabled(false);
  Click(buttons[2]);
  EXPECT_EQ(executed, std::vector<int>{0});
  EXPECT_FALSE(actions->Actions(2)->Execute());
  EXPECT_TRUE(actions->Actions(3)->Execute());
  EXPECT_EQ(executed, (std::vector<int>{0, 3}));
  // A button's own OnClick comes before its action.
  int clicks = 0;
  buttons[1]->OnClick = [&](TObject*) { ++clicks; };
  Click(buttons[1]);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(executed, (std::vector<int>{0, 3}));
}

TEST_F(ToolBarTest, ActionMayFreeItselfWhileItRuns) {
  TAction* reset = actions->Actions(3);
  reset->OnExecute = [&](TObject* sender) {
    TComponent::Free(static_cast<TAction*>(sender));
    executed.push_back(3);
  };
  Click(buttons[3]);
  EXPECT_EQ(executed, std::vector<int>{3});
  EXPECT_EQ(buttons[3]->Action(), nullptr);
  EXPECT_EQ(actions->ActionCount(), 3);
}

TEST_F(ToolBarTest, ClickAtDesignTimeExecutesNothing) {
  form->SetDesigning(true);
  Click(buttons[0]);
  EXPECT_TRUE(executed.empty());
}

TEST_F(ToolBarTest, TheActionsHintIsTheButtonsTooltip) {
  form->ShowForm();
  QApplication::processEvents();
  QToolButton* widget = Widget(buttons[0]);
  const QPoint pos = widget->rect().center();
  QHelpEvent help(QEvent::ToolTip, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &help);
  EXPECT_EQ(QToolTip::text(), "Open language/GUI file...");
  QToolTip::hideText();
}

TEST_F(ToolBarTest, FreedActionAndImagesLeaveNoDanglingLinks) {
  TComponent::Free(actions->Actions(0));
  EXPECT_EQ(buttons[0]->Action(), nullptr);
  EXPECT_EQ(buttons[0]->Caption(), "Open");  // the last state stays
  EXPECT_EQ(actions->ActionCount(), 3);
  TComponent::Free(images);
  EXPECT_EQ(bar->Images(), nullptr);
  EXPECT_EQ(actions->Images(), nullptr);
  EXPECT_TRUE(Widget(buttons[1])->icon().isNull());
  TComponent::Free(actions);
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* a = dynamic_cast<TAction*>(form->Components(i))) {
      EXPECT_EQ(a->ActionList(), nullptr);
    }
  }
}

TEST_F(ToolBarTest, PublishedPropertiesBindButtonsToActions) {
  TToolButton* b = buttons[0];
  SetObjectProp(*b, PropByName(*b, "Action"), actions->Actions(3));
  EXPECT_EQ(b->Caption(), "Reset GUI");
  EXPECT_EQ(GetOrdProp(*b, PropByName(*b, "ImageIndex")), 3);
  EXPECT_EQ(GetObjectProp(*bar, PropByName(*bar, "Images")), images);
  EXPECT_EQ(GetObjectProp(*actions, PropByName(*actions, "Images")), images);
  EXPECT_EQ(PropByName(*b, "Style").PropType->EnumName(1), "tbsSeparator");
  TAction* a = actions->Actions(1);
  SetOrdProp(*a, PropByName(*a, "Enabled"), 0);
  EXPECT_FALSE(buttons[1]->Enabled());
}

}  // namespace
