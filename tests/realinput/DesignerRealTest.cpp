// The design surface used with real input: "Enable editing", a drag of the
// Media Label field, the keys that move and resize by a pixel, the star
// image that keeps its size, the component list and the control hint.
#include "realinput/RealInputFixture.h"

namespace {

class DesignerRealTest : public RealInputTest {
 protected:
  void SetUp() override {
    RealInputTest::SetUp();
    if (HasFatalFailure()) return;
    OpenEnglish();
    if (HasFatalFailure()) return;
    frameSelected = EnableEditing();
    ASSERT_FALSE(frameSelected.isEmpty());
  }
  QByteArray frameSelected;
};

TEST_F(DesignerRealTest, ADragAndTheKeysArrangeTheMediaFieldAndSaveWritesIt) {
  const QPoint media = MainWindowPoint("EMedia");
  session.Drag(media, media + QPoint(20, 11));
  ASSERT_TRUE(SaveAndWaitFor({"EMedia.Left=120", "EMedia.Top=13", "EMedia.Width=180", "EMedia.Height=21"}));
  // The field is still selected and the surface has the keys.
  session.Key("ctrl+Right");
  session.Key("shift+Down");
  // The star image moves but keeps its size.
  const QPoint star = MainWindowPoint("StarRating");
  session.Click(star);
  session.Key("shift+Down");
  session.Key("shift+Right");
  session.Key("ctrl+Left");
  EXPECT_TRUE(SaveAndWaitFor({"EMedia.Left=121", "EMedia.Top=13", "EMedia.Width=180", "EMedia.Height=22",
                              "StarRating.Left=351", "StarRating.Top=54", "StarRating.Width=200",
                              "StarRating.Height=20"}));
}

TEST_F(DesignerRealTest, AClickOnTheMediaFieldShowsItInTheComponentList) {
  session.Click(MainWindowPoint("EMedia"));
  const QByteArray afterClick = ComponentListOtherThan(frameSelected);
  ASSERT_FALSE(afterClick.isEmpty());
  session.Click(MainWindowPoint("EYear"));
  const QByteArray year = ComponentListOtherThan(afterClick);
  // The entry chosen by its text in the list, then the field clicked again
  // (which keeps it selected and gives the surface the focus): the list
  // shows the same picture as after the first click.
  session.Click(MainWindowPoint("CBNames"));
  session.Type("EMedia:");
  session.Key("Return");
  session.Click(MainWindowPoint("EMedia"));
  EXPECT_EQ(ComponentListOtherThan(year), afterClick);
}

TEST_F(DesignerRealTest, RestingOnTheMediaFieldShowsItsNameAndClass) {
  session.MoveTo(MainWindowPoint("EMedia") + QPoint(-20, 0));
  session.MoveTo(MainWindowPoint("EMedia"));
  EXPECT_FALSE(ExpectWindow("EMedia: TEdit").isEmpty());
}

}  // namespace
