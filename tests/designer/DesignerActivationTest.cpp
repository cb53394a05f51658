// Switching the designer on and off, its failures, locks, grid settings and
// the rename and naming rules.
#include "designer/DesignerFixture.h"

#include "toolkit/Label.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include <QApplication>
#include <QCloseEvent>

namespace {

TEST_F(DesignerTest, ActivationPutsTheFrameOnTheSurfaceAloneSelected) {
  int changes = 0;
  designer->OnChangeSelection = [&](TObject*) { ++changes; };
  designer->SetActive(true);
  EXPECT_TRUE(designer->Active());
  EXPECT_EQ(frame->Parent(), &panel->Surface());
  EXPECT_EQ(frame->BoundsRect(), QRect(0, 0, 300, 250));
  EXPECT_TRUE(panel->Surface().Widget()->isVisible());
  EXPECT_EQ(panel->Surface().BoundsRect(), QRect(2, 2, 300, 250));
  EXPECT_TRUE(frame->IsDesigning());
  EXPECT_TRUE(edit1->IsDesigning());
  EXPECT_TRUE(panel->Surface().IsDesigning());
  EXPECT_EQ(Selected(), std::vector<TControl*>{frame});
  EXPECT_EQ(changes, 1);
  // The design control shows no handles and the frame holds only its controls.
  EXPECT_EQ(designer->SelectedControls().Item(frame)->Mode(), THandleMode::hmNone);
  EXPECT_EQ(frame->ControlCount(), 3);
}

TEST_F(DesignerTest, ActivatingTwiceOrDeactivatingWhenInactiveChangesNothing) {
  int changes = 0;
  designer->OnChangeSelection = [&](TObject*) { ++changes; };
  designer->SetActive(false);
  EXPECT_EQ(changes, 0);
  designer->SetActive(true);
  designer->SetActive(true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(designer->SelectedControls().Count(), 1);
}

TEST_F(DesignerTest, DeactivationGivesTheFrameBackWhereItWas) {
  Activate();
  frame->SetLeft(40);  // as the inspector would
  edit1->SetBounds(30, 40, 50, 21);
  designer->SetActive(false);
  EXPECT_EQ(frame->Parent(), holder);
  EXPECT_EQ(frame->BoundsRect(), QRect(5, 6, 300, 250));
  EXPECT_EQ(edit1->BoundsRect(), QRect(30, 40, 50, 21));
  EXPECT_FALSE(frame->IsDesigning());
  EXPECT_FALSE(edit1->IsDesigning());
  EXPECT_FALSE(panel->Surface().Widget()->isVisible());
  EXPECT_EQ(designer->SelectedControls().Count(), 0);
  EXPECT_FALSE(panel->HasEngine());
}

TEST_F(DesignerTest, ActivationFailuresLeaveTheDesignerInactive) {
  struct Case {
    const char* message;
    std::function<void()> arrange;
  };
  TELDesigner* other = nullptr;
  const std::vector<Case> cases = {
      {"Design control not specified", [&] { designer->SetDesignControl(nullptr); }},
      {"No design panel specified",
       [&] {
         designer->SetDesignControl(frame);
         designer->SetDesignPanel(nullptr);
       }},
      {"Design panel 'DesignPanel' is used by another designer",
       [&] {
         designer->SetDesignPanel(panel);
         auto* second = new TFrame(window);
         second->SetParent(window);
         other = new TELDesigner(window);
         other->SetDesignPanel(panel);
         other->SetDesignControl(second);
         other->SetActive(true);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    c.arrange();
    try {
      designer->SetActive(true);
      ADD_FAILURE() << "no error";
    } catch (const EELDesigner& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_FALSE(designer->Active());
    EXPECT_EQ(frame->Parent(), holder);
  }
  // Nothing stays half set: once the panel is free the designer starts.
  other->SetActive(false);
  designer->SetActive(true);
  EXPECT_TRUE(designer->Active());
}

TEST(DesignedForm, AFormIsItsOwnSurfaceAndItsCloseGoesToTheDesigner) {
  TForm designed(nullptr);
  designed.SetBounds(50, 50, 200, 150);
  auto* edit = new TEdit(&designed);
  edit->SetParent(&designed);
  TELDesigner designer(nullptr);
  designer.SetDesignControl(&designed);
  designed.ShowForm();
  designer.SetActive(true);  // no panel needed
  EXPECT_EQ(designer.Engine()->HostSurface(), &designed);
  EXPECT_TRUE(edit->IsDesigning());
  std::vector<TCloseAction> asked;
  designer.OnDesignFormClose = [&](TObject*, TCloseAction& action) {
    asked.push_back(action);
    action = TCloseAction::caNone;
  };
  QCloseEvent close;
  QCoreApplication::sendEvent(designed.Widget(), &close);
  EXPECT_EQ(asked, std::vector<TCloseAction>{TCloseAction::caHide});
  EXPECT_TRUE(designed.Widget()->isVisible());
  designer.OnDesignFormClose = nullptr;
  QCloseEvent again;
  QCoreApplication::sendEvent(designed.Widget(), &again);
  EXPECT_FALSE(designed.Widget()->isVisible());
  designer.SetActive(false);
  EXPECT_FALSE(edit->IsDesigning());
  EXPECT_EQ(designed.Designer(), nullptr);
}

TEST_F(DesignerTest, DesignControlAndPanelChangeOnlyWhileInactive) {
  Activate();
  try {
    designer->SetDesignControl(holder);
    ADD_FAILURE() << "no error";
  } catch (const EELDesigner& e) {
    EXPECT_EQ(e.Message(), "Designer mast be inactive");
  }
  EXPECT_EQ(designer->DesignControl(), frame);
  EXPECT_THROW(designer->SetDesignPanel(nullptr), EELDesigner);
  designer->SetActive(false);
  try {
    designer->LockAll({});
    ADD_FAILURE() << "no error";
  } catch (const EELDesigner& e) {
    EXPECT_EQ(e.Message(), "Designer mast be active");
  }
  EXPECT_THROW(designer->SelectedControls().Add(edit1), EELDesigner);
}

TEST_F(DesignerTest, LocksGoOnlyOnDesignableControlsAndStayAfterwards) {
  auto* outsider = new TEdit(window);
  outsider->SetParent(holder);
  Activate();
  designer->LockAll({TELDesignerLock::dlNoDelete});
  for (TEdit* e : {edit1, edit2, edit3}) EXPECT_EQ(ControlLocks(*e).Mask(), 4u);
  designer->LockControl(edit1, {TELDesignerLock::dlNoResize, TELDesignerLock::dlNoDelete});
  EXPECT_EQ(edit1->DesignInfo(), 6);
  designer->LockControl(frame, {TELDesignerLock::dlNoMove});
  designer->LockControl(outsider, {TELDesignerLock::dlNoMove});
  EXPECT_EQ(frame->DesignInfo(), 0);
  EXPECT_EQ(outsider->DesignInfo(), 0);
  designer->SetActive(false);
  EXPECT_EQ(edit1->DesignInfo(), 6);
  designer->SetActive(true);
  designer->LockAll({});
  for (TEdit* e : {edit1, edit2, edit3}) EXPECT_EQ(e->DesignInfo(), 0);
}

TEST(DesignerGrid, StepsStayWithinTwoToThirtyTwo) {
  TELDesigner designer(nullptr);
  TELDesignerGrid& grid = designer.Grid();
  EXPECT_EQ(grid.XStep(), 8);
  EXPECT_EQ(grid.YStep(), 8);
  EXPECT_TRUE(grid.Visible());
  EXPECT_EQ(grid.Color(), clBlack);
  grid.SetXStep(1);
  EXPECT_EQ(grid.XStep(), 2);
  grid.SetXStep(40);
  EXPECT_EQ(grid.XStep(), 32);
  grid.SetYStep(0);
  EXPECT_EQ(grid.YStep(), 2);
}

TEST(DesignerGrid, StepsWrittenThroughThePropertiesStayInRangeToo) {
  // A step of 0 would divide by zero when the grid is painted.
  TELDesigner designer(nullptr);
  TELDesignerGrid& grid = designer.Grid();
  for (const auto& [written, stored] : std::vector<std::pair<int64_t, int>>{{0, 2}, {-5, 2}, {300, 32}, {12, 12}}) {
    SetOrdProp(grid, PropByName(grid, "XStep"), written);
    EXPECT_EQ(grid.XStep(), stored) << written;
  }
}

TEST(DesignerGrid, AssigningAWholeGridCopiesItsValues) {
  TELDesigner source(nullptr);
  TELDesigner target(nullptr);
  source.Grid().SetColor(clRed);
  source.Grid().SetVisible(false);
  source.Grid().SetXStep(16);
  source.Grid().SetYStep(24);
  target.SetGrid(&source.Grid());
  EXPECT_EQ(target.Grid().Color(), clRed);
  EXPECT_FALSE(target.Grid().Visible());
  EXPECT_EQ(target.Grid().XStep(), 16);
  EXPECT_EQ(target.Grid().YStep(), 24);
}

TEST_F(DesignerTest, RenamesFollowTheDesignersRules) {
  Activate();
  edit1->SetName("EDIT1");  // its own name in other letter case
  EXPECT_EQ(edit1->Name(), "EDIT1");
  try {
    edit2->SetName("edit1");
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "A component named edit1 already exists");
  }
  EXPECT_EQ(edit2->Name(), "Edit2");
  // The designer's own check, as the framework asks it.
  try {
    frame->RenameCheck()(edit2, "Edit2", "2nd");
    ADD_FAILURE() << "no error";
  } catch (const EELDesigner& e) {
    EXPECT_EQ(e.Message(), "''2nd'' is not a valid component name");
  }
  designer->OnValidateName = [](TObject*, const QString& name, bool& valid) { valid = name != "Forbidden"; };
  EXPECT_THROW(edit2->SetName("Forbidden"), EELDesigner);
  EXPECT_EQ(edit2->Name(), "Edit2");
  designer->SetActive(false);
  EXPECT_FALSE(frame->RenameCheck());
}

TEST_F(DesignerTest, UniqueNamesNumberTheClassStem) {
  Activate();
  EXPECT_EQ(Engine().HookUniqueName("TLabel"), "Label1");
  auto* label = new TLabel(frame);
  label->SetName("Label1");
  EXPECT_EQ(Engine().HookUniqueName("TLabel"), "Label2");
  EXPECT_EQ(Engine().HookUniqueName("TEdit"), "Edit4");
  EXPECT_EQ(Engine().HookUniqueName("X"), "X1");
  EXPECT_EQ(Engine().HookUniqueName("T"), "T1");
  designer->OnGetUniqueName = [](TObject*, const QString&, QString& unique) { unique = "Chosen"; };
  EXPECT_EQ(Engine().HookUniqueName("TLabel"), "Chosen");
}

}  // namespace
