// The frame's own controls as the frame sets them up, and their heights,
// which loading keeps as stored.
#include "controls/ComboBoxX.h"
#include "controls/OrqJvSpin.h"
#include "controls/OrqJvToolEdit.h"
#include "frame/framemovie.h"
#include "toolkit/SystemLook.h"

#include "support/TestSupport.h"

namespace {

std::unique_ptr<TMovieFrame> MakeFrame() {
  auto frame = std::make_unique<TMovieFrame>(nullptr);
  frame->BeginLoading();
  frame->SetBounds(0, 0, 548, 517);
  frame->EndLoading();
  return frame;
}

TEST(FrameControls, TheListFieldsAreMultiSelectCheckListsWithoutButtons) {
  auto frame = MakeFrame();
  for (const char* name : {"ECategory", "ELanguages", "ESubtitles", "EMediaType"}) {
    auto* combo = dynamic_cast<TComboBoxX*>(frame->Child(name));
    ASSERT_NE(combo, nullptr) << name;
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDown) << name;
    EXPECT_TRUE(combo->MultiSelect()) << name;
    EXPECT_FALSE(combo->ItemDrag()) << name;
    EXPECT_EQ(combo->DropDownCount(), 16) << name;
    EXPECT_EQ(combo->ItemHeight(), 13) << name;
    EXPECT_EQ(combo->PopupListWidth(), 0) << name;
    EXPECT_TRUE(combo->Buttons().Empty()) << name;
    EXPECT_EQ(combo->ButtonHint(), "Edit,New,Delete,Up,Down,Pin") << name;
    EXPECT_FALSE(combo->ShowHint()) << name;
    EXPECT_EQ(combo->Height(), 21) << name;
  }
}

TEST(FrameControls, TheNumberFieldsAreEmptyUntilAValueComes) {
  auto frame = MakeFrame();
  for (const char* name : {"EYear", "ELength", "EVideoBitrate", "EAudioBitrate", "EDisks"}) {
    auto* spin = dynamic_cast<TOrqJvSpinEdit*>(frame->Child(name));
    ASSERT_NE(spin, nullptr) << name;
    EXPECT_TRUE(spin->AllowEmpty()) << name;
    EXPECT_EQ(spin->Alignment(), TAlignment::taRightJustify) << name;
    EXPECT_EQ(spin->Decimal(), 0) << name;
    EXPECT_EQ(spin->MaxValue(), 99999) << name;
    EXPECT_TRUE(spin->CheckMinValue() && spin->CheckMaxValue()) << name;
    EXPECT_EQ(spin->Value(), -1) << name;
    EXPECT_EQ(spin->GetText(), "") << name;
    EXPECT_EQ(spin->ButtonKind(), TSpinButtonKind::bkDiagonal) << name;
  }
  // The rating has its own settings only.
  auto* rating = dynamic_cast<TOrqJvSpinEdit*>(frame->Child("ERating"));
  ASSERT_NE(rating, nullptr);
  EXPECT_FALSE(rating->AllowEmpty());
  EXPECT_EQ(rating->MaxValue(), 0);
  EXPECT_FALSE(rating->TabStop());
  EXPECT_FALSE(rating->Visible());
  rating->SetValue(7.5);
  EXPECT_EQ(rating->GetText(), "7.5");
}

TEST(FrameControls, TheAddressFieldShowsADropDownArrow) {
  auto frame = MakeFrame();
  auto* url = dynamic_cast<TOrqJvComboEditXP*>(frame->Child("EURL"));
  ASSERT_NE(url, nullptr);
  EXPECT_EQ(url->ImageKind(), TJvImageKind::ikDropDown);
  EXPECT_FALSE(url->ButtonFlat());
  EXPECT_EQ(url->ButtonWidth(), DropDownButtonWidth());
  EXPECT_EQ(url->BoundsRect(), QRect(104, 245, 440, 21));
}

TEST(FrameControls, HeightsLoadedIntoTheFrameStayBelowTheFontRule) {
  auto frame = MakeFrame();
  const char* names[] = {"EYear", "ECategory", "EURL"};
  frame->BeginLoading();
  for (const char* name : names) frame->Child(name)->SetHeight(12);
  frame->EndLoading();
  for (const char* name : names) EXPECT_EQ(frame->Child(name)->Height(), 12) << name;
  // Outside loading the font rule applies.
  for (const char* name : names) {
    frame->Child(name)->SetHeight(12);
    EXPECT_GT(frame->Child(name)->Height(), 12) << name;
  }
}

}  // namespace
