// One of each control on a window, rendered to a picture: the picture is
// saved to the build folder (gallery.png) for looking at, and every control
// must have drawn something of its own.
#include "toolkit/Buttons.h"
#include "toolkit/ActionList.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/ImageList.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/ToolBar.h"
#include "toolkit/TreeView.h"
#include "toolkit/Variant.h"

#include <QDate>

#include "support/TestSupport.h"

#include <QApplication>

namespace {

TEST(Gallery, EveryControlDrawsItself) {
  TForm form(nullptr);
  form.SetCaption("Gallery");
  form.SetBounds(0, 0, 620, 330);
  std::vector<TControl*> shown;
  auto place = [&](TControl* c, int l, int t, int w, int h) {
    c->SetParent(&form);
    c->SetBounds(l, t, w, h);
    shown.push_back(c);
  };
  auto* label = new TLabel(&form);
  label->SetCaption("&Label with access key");
  place(label, 8, 8, 150, 17);
  auto* text = new TStaticText(&form);
  text->SetCaption("Static text:");
  place(text, 8, 33, 0, 0);
  auto* edit = new TEdit(&form);
  edit->SetText("Edit box");
  place(edit, 104, 30, 150, 21);
  auto* memo = new TMemo(&form);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  memo->Lines().Add("A memo with");
  memo->Lines().Add("two lines");
  place(memo, 104, 56, 150, 48);
  auto* combo = new TComboBox(&form);
  combo->Items().SetCommaText("One,Two,Three");
  combo->SetItemIndex(1);
  place(combo, 104, 110, 150, 21);
  auto* check = new TCheckBox(&form);
  check->SetCaption("Check box");
  check->SetChecked(true);
  place(check, 270, 30, 120, 17);
  auto* radio1 = new TRadioButton(&form);
  radio1->SetCaption("Radio one");
  place(radio1, 270, 52, 120, 17);
  auto* radio2 = new TRadioButton(&form);
  radio2->SetCaption("Radio two");
  radio2->SetChecked(true);
  place(radio2, 270, 72, 120, 17);
  auto* button = new TButton(&form);
  button->SetCaption("Button");
  place(button, 270, 106, 75, 25);
  auto* panel = new TPanel(&form);
  panel->SetCaption("Panel");
  place(panel, 8, 140, 180, 60);
  auto* sunken = new TPanel(&form);
  sunken->SetBevelOuter(TBevelCut::bvLowered);
  sunken->SetCaption("Lowered");
  place(sunken, 200, 140, 120, 60);
  auto* image = new TImage(&form);
  image->SetBounds(0, 0, 60, 40);
  image->Canvas().Brush().SetColor(clNavy);
  image->Canvas().FillRect(QRect(0, 0, 60, 40));
  image->Canvas().Brush().SetColor(clYellow);
  image->Canvas().Ellipse(QRect(10, 5, 40, 30));
  place(image, 8, 210, 60, 40);
  auto* bevel = new TBevel(&form);
  bevel->SetShape(TBevelShape::bsFrame);
  place(bevel, 80, 210, 100, 40);
  auto* disabled = new TStaticText(&form);
  disabled->SetCaption("Disabled text");
  disabled->SetEnabled(false);
  place(disabled, 200, 220, 0, 0);

  auto* images = new TImageList(&form);
  TBitmap square(16, 16);
  square.Canvas().Brush().SetColor(clFuchsia);
  square.Canvas().FillRect(QRect(0, 0, 16, 16));
  square.Canvas().Brush().SetColor(clTeal);
  square.Canvas().Ellipse(QRect(2, 2, 12, 12));
  images->AddMasked(square, clFuchsia);
  auto* actions = new TActionList(&form);
  actions->SetImages(images);
  auto* open = new TAction(&form);
  open->SetActionList(actions);
  open->SetHint("Open");
  open->SetImageIndex(0);
  open->OnExecute = [](TObject*) {};
  auto* toolbar = new TToolBar(&form);
  toolbar->SetImages(images);
  toolbar->SetAlign(TAlign::alNone);
  place(toolbar, 420, 8, 180, 26);
  auto* toolButton = new TToolButton(&form);
  toolButton->SetParent(toolbar);
  toolButton->SetAction(open);
  auto* list = new TListView(&form);
  list->SetViewStyle(TViewStyle::vsReport);
  list->SetSmallImages(images);
  for (const char* caption : {"Name", "Local name"}) {
    TListColumn* column = list->Columns().Add();
    column->SetCaption(caption);
    column->SetWidth(85);
  }
  for (const char* name : {"English", "Deutsch"}) {
    TListItem* item = list->Items().Add();
    item->SetCaption(name);
    item->SubItems().Add(name);
    item->SetImageIndex(0);
  }
  place(list, 420, 40, 180, 90);
  auto* tree = new TTreeView(&form);
  TTreeNode* root = tree->Items().Add(nullptr, "Catalog");
  tree->Items().AddChild(root, "Movies");
  place(tree, 420, 140, 180, 60);
  auto* date = new TDateTimePicker(&form);
  date->SetDate(DateTimeFromQt(QDateTime(QDate(2001, 1, 1), QTime(0, 0))));
  date->SetShowCheckbox(true);
  date->SetChecked(true);
  place(date, 420, 210, 140, 21);

  form.ShowForm();
  QApplication::processEvents();
  const QImage picture = form.Widget()->grab().toImage();
  ASSERT_FALSE(picture.isNull());
  picture.save(QStringLiteral(VORNIK_BINARY_DIR "/gallery.png"));
  for (TControl* c : shown) {
    const QRect r = c->BoundsRect().intersected(picture.rect());
    EXPECT_GT(ColourCount(picture, r), 2) << c->ClassName().toStdString();
  }
}

}  // namespace
