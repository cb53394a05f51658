#include "controls/ComboBoxX.h"
#include "controls/OrqJvSpin.h"
#include "frame/defaultgui.h"
#include "frame/framemovie.h"
#include "toolkit/Edit.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/Screen.h"

#include "support/TestSupport.h"

#include <ostream>

namespace {

// A frame built the way the main window builds it: sized while loading, so
// that the anchors measure from the final size.
std::unique_ptr<TMovieFrame> MakeFrame(int width = 548, int height = 517) {
  auto frame = std::make_unique<TMovieFrame>(nullptr);
  frame->BeginLoading();
  frame->SetBounds(0, 0, width, height);
  frame->EndLoading();
  return frame;
}

TEST(MovieFrame, ChildOrderNamesAndClasses) {
  auto frame = MakeFrame();
  ASSERT_EQ(frame->ControlCount(), 64);
  ASSERT_EQ(frame->ComponentCount(), 64);
  const std::vector<std::pair<int, QString>> expected{
      {0, "StarRating: TImage"},        {1, "EVideoFormat: TComboBox"},   {10, "EDescription: TMemo"},
      {11, "EDate: TDateTimePicker"},   {17, "EYear: TOrqJvSpinEdit"},    {22, "EURL: TOrqJvComboEditXP"},
      {23, "LYear: TStaticText"},       {54, "LVersion: TStaticText"},    {55, "EVersion: TEdit"},
      {57, "EReleaseNotes: TMemo"},     {58, "ECategory: TComboBoxX"},    {62, "ERating: TOrqJvSpinEdit"},
      {63, "EMedia: TEdit"}};
  for (const auto& [index, text] : expected) {
    TControl* c = frame->Controls(index);
    EXPECT_EQ(c->Name() + ": " + c->ClassName(), text) << index;
    EXPECT_EQ(frame->Components(index), c) << "ownership order is child order";
  }
  int labels = 0;
  for (int i = 0; i < frame->ControlCount(); ++i) labels += dynamic_cast<TStaticText*>(frame->Controls(i)) ? 1 : 0;
  EXPECT_EQ(labels, 33);
}

TEST(MovieFrame, SettingsOfTheTable) {
  auto frame = MakeFrame();
  auto* year = &frame->ComponentAs<TOrqJvSpinEdit>("EYear");
  EXPECT_TRUE(year->AllowEmpty());
  EXPECT_EQ(year->Value(), -1);
  EXPECT_EQ(year->GetText(), "");
  EXPECT_EQ(year->MaxValue(), 99999);
  auto* rating = &frame->ComponentAs<TOrqJvSpinEdit>("ERating");
  EXPECT_FALSE(rating->Visible());
  EXPECT_EQ(rating->ValueType(), TValueType::vtFloat);
  EXPECT_EQ(rating->Decimal(), 1);
  auto* category = &frame->ComponentAs<TComboBoxX>("ECategory");
  EXPECT_TRUE(category->MultiSelect());
  EXPECT_FALSE(category->ItemDrag());
  EXPECT_TRUE(category->Buttons().Empty());
  auto* year_label = &frame->ComponentAs<TStaticText>("LYear");
  EXPECT_EQ(year_label->FocusControl(), year);
  EXPECT_EQ(frame->ComponentAs<TStaticText>("LCategory").FocusControl(), category);
  EXPECT_EQ(frame->ComponentAs<TWinControl>("LMedia").TabOrder(), 0);
  EXPECT_EQ(frame->ComponentAs<TWinControl>("EMedia").TabOrder(), 1);
  EXPECT_EQ(frame->ComponentAs<TWinControl>("ERating").TabOrder(), 62);
  EXPECT_EQ(AnchorsToInt(frame->Child("EComments")->Anchors()), 13);
  EXPECT_EQ(frame->ComponentAs<TMemo>("EReleaseNotes").Lines().Count(), 1);
}

TEST(MovieFrame, UpdateCounterSilencesFieldChangesAndNeverGoesBelowZero) {
  auto frame = MakeFrame();
  int reported = 0;
  frame->OnFieldChange = [&](TObject*) { ++reported; };
  auto* media = &frame->ComponentAs<TEdit>("EMedia");
  frame->BeginUpdate();
  frame->BeginUpdate();
  frame->EndUpdate();
  media->SetText("silent");
  EXPECT_FALSE(frame->Modified());
  frame->EndUpdate();
  media->SetText("reported");
  EXPECT_TRUE(frame->Modified());
  EXPECT_EQ(reported, 1);

  auto fresh = MakeFrame();
  for (int i = 0; i < 3; ++i) fresh->EndUpdate();
  EXPECT_EQ(fresh->UpdateCount(), 0);
  EXPECT_FALSE(fresh->IsUpdating());
  fresh->ComponentAs<TEdit>("EMedia").SetText("x");
  EXPECT_TRUE(fresh->Modified());
}

TEST(MovieFrame, FrameResizeSharesTheHeightOfTheMemos) {
  auto frame = MakeFrame();
  frame->FrameResize(frame.get());
  EXPECT_EQ(frame->Child("EDescription")->Height(), 38);
  EXPECT_EQ(frame->Child("EComments")->Top(), 310);
  EXPECT_EQ(frame->Child("EComments")->Height(), 38);
  EXPECT_EQ(frame->Child("LComments")->Top(), 314);
  // a = 77: the odd pixel goes to the comments.
  frame->Child("EVersion")->SetTop(269 + 84);
  frame->FrameResize(frame.get());
  EXPECT_EQ(frame->Child("EDescription")->Height(), 38);
  EXPECT_EQ(frame->Child("EComments")->Height(), 39);
  EXPECT_EQ(frame->Child("EComments")->Top(), 269 + 38 + 3);
  // With a custom layout the memos stay.
  frame->SetCustomLayout(true);
  frame->Child("EVersion")->SetTop(500);
  frame->FrameResize(frame.get());
  EXPECT_EQ(frame->Child("EDescription")->Height(), 38);
}

TEST(MovieFrame, FrameResizeWithTheVersionAboveTheDescriptionKeepsHeightsAtZero) {
  auto frame = MakeFrame();
  frame->Child("EVersion")->SetTop(270);
  frame->FrameResize(frame.get());
  EXPECT_EQ(frame->Child("EDescription")->Height(), 0);
  EXPECT_EQ(frame->Child("EComments")->Height(), 0);
}

// Bounds of all 64 children.
std::vector<QRect> AllBounds(const TMovieFrame& frame) {
  std::vector<QRect> bounds;
  for (int i = 0; i < frame.ControlCount(); ++i) bounds.push_back(frame.Controls(i)->BoundsRect());
  return bounds;
}

class PixelsPerInch : public ::testing::Test {
 protected:
  void TearDown() override { Screen().SetPixelsPerInch(0); }
};

TEST_F(PixelsPerInch, At96OnTheMinimumSizeNothingChanges) {
  Screen().SetPixelsPerInch(96);
  auto frame = MakeFrame();
  const auto before = AllBounds(*frame);
  frame->AdjustLayout();
  EXPECT_EQ(AllBounds(*frame), before);
}

TEST_F(PixelsPerInch, At120ScalesWithHalvesToEvenAndFixesTwelveHeights) {
  Screen().SetPixelsPerInch(120);
  auto frame = MakeFrame();
  TControl* media = frame->Child("EMedia");
  TControl* translated = frame->Child("ETranslatedTitle");
  media->SetLeft(2);         // 2.5 goes to 2
  translated->SetLeft(6);    // 7.5 goes to 8
  TControl* director = frame->Child("EDirector");  // 104 becomes 130
  frame->AdjustLayout();
  EXPECT_EQ(media->Left(), 2);
  EXPECT_EQ(translated->Left(), 8);
  EXPECT_EQ(director->Left(), 130);
  EXPECT_EQ(director->Height(), 26);  // 21 * 1.25 = 26.25
  for (const char* name : {"EMediaType", "ESource", "EVideoFormat", "ECategory", "ELanguages", "ESubtitles", "ELength",
                           "EYear", "ERating"})
    EXPECT_EQ(frame->Child(name)->Height(), 24) << name;
  for (const char* name : {"EVideoBitrate", "EAudioBitrate", "EDisks"}) EXPECT_EQ(frame->Child(name)->Height(), 25) << name;
}

struct ExtraCase {
  int anchors;
  int extraWidth;
  int extraHeight;
  QRect after;  // of a control at (100, 100, 50, 20)
};

void PrintTo(const ExtraCase& c, std::ostream* os) {
  *os << "anchors " << c.anchors << " +" << c.extraWidth << "x" << c.extraHeight;
}

class ExtraSpace : public ::testing::TestWithParam<ExtraCase> {};

TEST_P(ExtraSpace, ReAnchorsAgainstTheMinimumSize) {
  Screen().SetPixelsPerInch(96);
  auto frame = MakeFrame(548 + GetParam().extraWidth, 517 + GetParam().extraHeight);
  TControl* c = frame->Child("EProducer");
  c->SetBounds(100, 100, 50, 20);
  c->SetAnchors(IntToAnchors(GetParam().anchors));
  frame->AdjustLayout();
  EXPECT_EQ(c->BoundsRect(), GetParam().after);
  Screen().SetPixelsPerInch(0);
}

INSTANTIATE_TEST_SUITE_P(
    Anchors, ExtraSpace,
    ::testing::Values(ExtraCase{3, 10, 10, QRect(100, 100, 50, 20)},   // left, top: stays
                      ExtraCase{6, 10, 10, QRect(110, 100, 50, 20)},   // right only: moves
                      ExtraCase{7, 10, 10, QRect(100, 100, 60, 20)},   // left and right: grows
                      ExtraCase{2, 10, 10, QRect(105, 100, 50, 20)},   // neither side: half
                      ExtraCase{2, 5, 5, QRect(102, 100, 50, 20)},     // N(2.5) = 2
                      ExtraCase{9, 10, 10, QRect(100, 110, 50, 20)},   // bottom only: moves down
                      ExtraCase{11, 10, 10, QRect(100, 100, 50, 30)},  // top and bottom: grows
                      ExtraCase{0, 10, 10, QRect(105, 105, 50, 20)},   // no anchors: centred
                      ExtraCase{0, 5, 5, QRect(102, 102, 50, 20)},
                      ExtraCase{15, 5, 10, QRect(100, 100, 55, 30)}));

TEST(DefaultGUI, PutsControlsBack) {
  auto frame = MakeFrame(553, 635);
  TControl* media = frame->Child("EMedia");
  media->SetBounds(10, 10, 50, 50);
  media->SetVisible(false);
  media->SetAnchors({});
  TControl* rating = frame->Child("ERating");
  rating->SetVisible(true);
  ApplyDefaultGUI(*frame);
  EXPECT_EQ(media->BoundsRect(), QRect(104, 5, 180, 21));
  EXPECT_TRUE(media->Visible());
  EXPECT_EQ(AnchorsToInt(media->Anchors()), 7);
  EXPECT_FALSE(rating->Visible());
  EXPECT_EQ(frame->Child("StarRating")->BoundsRect(), QRect(352, 54, 200, 20));
}

TEST(DefaultGUI, LabelsTakeTheSizeOfTheirCaptionsKeepingLeftAndTop) {
  auto frame = MakeFrame(553, 635);
  auto* disks = &frame->ComponentAs<TStaticText>("LDisks");
  auto* description = &frame->ComponentAs<TStaticText>("LDescription");
  description->SetCaption("A very much longer description caption:");
  ApplyDefaultGUI(*frame);
  EXPECT_TRUE(disks->AutoSize());
  EXPECT_EQ(disks->Left(), 331);
  EXPECT_EQ(disks->Top(), 493);
  EXPECT_GT(disks->Width(), 33);
  EXPECT_EQ(description->Left(), 8);
  EXPECT_EQ(description->Top(), 273);
  EXPECT_GT(description->Width(), 150);
  // Captions, tab order and z-order stay.
  EXPECT_EQ(description->Caption(), "A very much longer description caption:");
  EXPECT_EQ(frame->Controls(0)->Name(), "StarRating");
}

}  // namespace
