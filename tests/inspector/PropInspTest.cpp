// The inspector over objects: which rows it shows for one or several
// objects, agreement, writes to every object, the host's events, and the
// lifetimes of inspected objects and running editors.
#include "InspectorSamples.h"

#include "inspector/ELStdPropEditors.h"
#include "toolkit/Application.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"

#include <QLineEdit>
#include <QTest>

#include <map>

namespace {

using A = TELPropEditorAttribute;

// The main window's seven layout properties.
void LayoutFilter(TObject*, TObject*, const TPropInfo& prop, bool& include) {
  include = QStringList{"Caption", "Width", "Left", "Top", "Height", "Visible", "Anchors"}.contains(prop.Name);
}

class InspectorRows : public InspectorTest {
 protected:
  TInspected* first = new TInspected(form);
  TInspected* second = new TInspected(form);
};

TEST_F(InspectorRows, OneObjectShowsEveryPropertyWithGetterAndSetterSortedByName) {
  inspector->Add(first);
  // Name and the tab order show for one object only; Version has no setter,
  // OnClick is an event.
  EXPECT_EQ(Captions(), QStringList({"Amount", "Big", "Buddy", "Caption", "Color", "Count", "Day", "Detail",
                                     "Enabled", "Flag", "Huge", "Keys", "Letter", "Mode", "Name", "Order", "Ratio",
                                     "Result", "Sides", "Tag", "Text", "Value"}));
}

TEST_F(InspectorRows, SeveralObjectsHideTheRowsThatAllowOneObjectOnly) {
  inspector->Add(first);
  inspector->Add(second);
  EXPECT_FALSE(Captions().contains("Name"));
  EXPECT_FALSE(Captions().contains("Order"));
  EXPECT_TRUE(Captions().contains("Count"));
}

TEST_F(InspectorRows, ObjectsOfDifferentClassesShareOnlyPropertiesOfTheSameNameAndType) {
  auto* other = new TInspOther(form);
  inspector->Add(first);
  inspector->Add(other);
  // Mode is an enumeration in one class and a string in the other.
  EXPECT_EQ(Captions(), QStringList({"Count", "Tag", "Text"}));
}

TEST_F(InspectorRows, TheLayoutFilterOverALabelAndAnEditBox) {
  auto* label = new TLabel(form);
  auto* edit = new TEdit(form);
  inspector->OnFilterProp = LayoutFilter;
  inspector->Add(label);
  EXPECT_EQ(Captions(), QStringList({"Anchors", "Caption", "Height", "Left", "Top", "Visible", "Width"}));
  inspector->Add(edit);
  // The edit box has no Caption.
  EXPECT_EQ(Captions(), QStringList({"Anchors", "Height", "Left", "Top", "Visible", "Width"}));
}

TEST_F(InspectorRows, ReadOnlyPropertiesShowOnlyWithTheirKind) {
  inspector->Add(first);
  EXPECT_FALSE(Captions().contains("Version"));
  inspector->SetPropKinds({TELPropertyInspectorPropKind::pkProperties, TELPropertyInspectorPropKind::pkReadOnly});
  ASSERT_TRUE(Captions().contains("Version"));
  EXPECT_TRUE(Row("Version")->ReadOnly());
  EXPECT_EQ(Value("Version"), "7");
  inspector->SetPropKinds({TELPropertyInspectorPropKind::pkEvents});
  EXPECT_EQ(Captions(), QStringList({"OnClick"}));
}

TEST_F(InspectorRows, DifferingValuesShowEmptyAndATypedValueGoesToEveryObject) {
  first->SetCount(1);
  second->SetCount(2);
  inspector->Add(first);
  inspector->Add(second);
  EXPECT_EQ(Value("Count"), "");
  Type("Count", "10");
  EXPECT_EQ(first->Count(), 10);
  EXPECT_EQ(second->Count(), 10);
  EXPECT_EQ(Value("Count"), "10");
  EXPECT_TRUE(Errors().isEmpty());
}

TEST_F(InspectorRows, TheSameTextWritesNothingAndReportsNothing) {
  int modified = 0;
  inspector->OnModified = [&](TObject*) { ++modified; };
  first->SetCount(5);
  const int writes = first->countWrites;
  inspector->Add(first);
  Row("Count")->SetDisplayValue("5");
  EXPECT_EQ(first->countWrites, writes);
  EXPECT_EQ(modified, 0);
  Row("Count")->SetDisplayValue("6");
  EXPECT_EQ(modified, 1);
}

TEST_F(InspectorRows, ReadOnlyInspectorShowsPlainTextAndDoubleClickDoesNothing) {
  inspector->Add(first);
  inspector->SetReadOnly(true);
  for (int r = 0; r < inspector->RowCount(); ++r) {
    EXPECT_EQ(inspector->ItemAtRow(r)->EditStyle(), TELPropEditStyle::esSimple);
    EXPECT_TRUE(inspector->ItemAtRow(r)->ReadOnly());
  }
  Row("Enabled")->DblClick();
  EXPECT_TRUE(first->Enabled());
}

TEST_F(InspectorRows, DoubleClickAndCtrlEnterMoveToTheNextValue) {
  inspector->Add(first);
  Row("Enabled")->DblClick();
  EXPECT_FALSE(first->Enabled());
  Row("Enabled")->DblClick();
  EXPECT_TRUE(first->Enabled());
  // The sorted list is imAuto, imOff, imOn: Ctrl+Enter commits the typed
  // imAuto, then moves to the value after it.
  Application().Guard([&] { inspector->SetRow(Row("Mode")->Row()); });
  QLineEdit* edit = inspector->InplaceEditor()->LineEdit();
  edit->selectAll();
  QTest::keyClicks(edit, "imauto");
  QTest::keyClick(edit, Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(first->Mode(), TInspMode::imOff);
  EXPECT_EQ(edit->text(), "imOff");
  EXPECT_EQ(edit->selectedText(), "imOff");
}

// ---- sets over several objects ----

class InspectorAnchors : public InspectorTest {
 protected:
  InspectorAnchors() {
    top->SetAnchors({TAnchorKind::akLeft, TAnchorKind::akTop});
    bottom->SetAnchors({TAnchorKind::akLeft, TAnchorKind::akBottom});
    inspector->OnFilterProp = LayoutFilter;
  }
  TLabel* top = new TLabel(form);
  TLabel* bottom = new TLabel(form);
};

TEST_F(InspectorAnchors, OneControlShowsItsMembersAndTakesAnElement) {
  inspector->Add(top);
  EXPECT_EQ(Value("Anchors"), "[akLeft,akTop]");
  Row("Anchors")->Expand();
  EXPECT_EQ(Captions().mid(1, 4), QStringList({"  akLeft", "  akTop", "  akRight", "  akBottom"}));
  EXPECT_EQ(Value("Anchors.akLeft"), "True");
  EXPECT_EQ(Value("Anchors.akRight"), "False");
  Type("Anchors.akRight", "True");
  EXPECT_EQ(top->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight}));
  EXPECT_EQ(Value("Anchors"), "[akLeft,akTop,akRight]");
}

TEST_F(InspectorAnchors, AnElementSetOnTwoControlsKeepsEachControlsOtherElements) {
  inspector->Add(top);
  inspector->Add(bottom);
  EXPECT_EQ(Value("Anchors"), "");
  Row("Anchors")->Expand();
  EXPECT_EQ(Value("Anchors.akLeft"), "True");
  EXPECT_EQ(Value("Anchors.akTop"), "");
  EXPECT_EQ(Value("Anchors.akRight"), "False");
  EXPECT_EQ(Value("Anchors.akBottom"), "");
  Type("Anchors.akRight", "True");
  EXPECT_EQ(top->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akTop, TAnchorKind::akRight}));
  EXPECT_EQ(bottom->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akRight, TAnchorKind::akBottom}));
  EXPECT_EQ(Value("Anchors.akRight"), "True");
}

TEST_F(InspectorAnchors, AnElementTakesTrueAndFalseInAnyCaseAndRefusesOtherText) {
  inspector->Add(top);
  Row("Anchors")->Expand();
  Type("Anchors.akLeft", "yes");
  EXPECT_EQ(Errors(), QStringList({"Invalid property value"}));
  EXPECT_EQ(top->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akTop}));
  EXPECT_EQ(inspector->InplaceEditor()->Text(), "True");
  Type("Anchors.akLeft", "fALSE");
  EXPECT_EQ(top->Anchors(), TAnchors({TAnchorKind::akTop}));
}

TEST_F(InspectorAnchors, CollapsingClearsTheSubRowsAndExpandingAgainMakesThemOnce) {
  inspector->Add(top);
  TELPropertyInspectorItem* anchors = Row("Anchors");
  anchors->Expand();
  EXPECT_EQ(anchors->Count(), 4);
  anchors->Collapse();
  EXPECT_EQ(anchors->Count(), 0);
  anchors->Expand();
  anchors->Expand();
  EXPECT_EQ(anchors->Count(), 4);
  EXPECT_EQ(Captions().size(), 11);
}

// ---- bounds typed into the inspector ----

TEST_F(InspectorAnchors, BoundsStayWithinTheirRanges) {
  inspector->Add(top);
  struct Case {
    const char* row;
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"Width", "-1", "Value must be between 0 and 32767"},
      {"Height", "40000", "Value must be between 0 and 32767"},
      {"Left", "-32769", "Value must be between -32768 and 32767"},
      {"Top", "2147483648", "Value must be between -32768 and 32767"},
      {"Left", "abc", "'abc' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    dialogs->errors.clear();
    const QRect before = top->BoundsRect();
    Type(c.row, c.text);
    EXPECT_EQ(Errors(), QStringList({c.error}));
    EXPECT_EQ(top->BoundsRect(), before);
  }
  Type("Left", "-32768");
  EXPECT_EQ(top->Left(), -32768);
}

// ---- writes that fail ----

TEST_F(InspectorRows, EveryObjectMustTakeTheValueBeforeAnyIsWritten) {
  // Version can be written in the first object, not in the second.
  auto* other = new TInspOther(form);
  inspector->SetPropKinds({TELPropertyInspectorPropKind::pkProperties, TELPropertyInspectorPropKind::pkReadOnly});
  inspector->Add(other);
  inspector->Add(first);
  Type("Version", "5");
  EXPECT_EQ(Errors(), QStringList({"Cannot modify a read-only value!"}));
  EXPECT_EQ(other->Version(), 0);
}

TEST_F(InspectorRows, ASetterThatFailsOnTheSecondObjectRefreshesTheRowsAndReportsTheFirst) {
  int modified = 0;
  inspector->OnModified = [&](TObject*) { ++modified; };
  second->countLimit = 5;
  inspector->Add(first);
  inspector->Add(second);
  Type("Count", "10");
  EXPECT_EQ(Errors(), QStringList({"Count is too large"}));
  EXPECT_EQ(first->Count(), 10);
  EXPECT_EQ(second->Count(), 0);
  EXPECT_EQ(modified, 1);
  EXPECT_EQ(Value("Count"), "");
}

TEST_F(InspectorRows, ClearFromOnModifiedDuringATypedWriteIsRefused) {
  inspector->Add(first);
  bool changing = false;
  inspector->OnModified = [&](TObject*) {
    changing = inspector->Changing();
    inspector->Clear();
  };
  Type("Count", "3");
  EXPECT_TRUE(changing);
  EXPECT_FALSE(inspector->Changing());
  EXPECT_EQ(Errors(), QStringList({"Property inspector is changing property value. Can not change objects"}));
  EXPECT_EQ(inspector->Objects().size(), 1u);
}

// ---- lifetimes ----

TEST_F(InspectorRows, AFreedObjectLeavesAndTheRowsAreBuiltAgain) {
  inspector->Add(first);
  inspector->Add(second);
  EXPECT_FALSE(Captions().contains("Name"));
  TComponent::Free(second);
  EXPECT_EQ(inspector->Objects(), std::vector<TObject*>({first}));
  EXPECT_TRUE(Captions().contains("Name"));
  delete first;
  EXPECT_TRUE(inspector->Objects().empty());
  EXPECT_EQ(inspector->RowCount(), 0);
}

TEST_F(InspectorRows, AComponentShownInAReferencesRowsLeavesThemWhenItGoes) {
  auto* buddy = new TInspOther(form);
  first->SetBuddy(buddy);
  inspector->Add(first);
  Row("Buddy")->Expand();
  ASSERT_TRUE(HasRow("Buddy.Text"));
  TComponent::Free(buddy);
  EXPECT_EQ(inspector->Objects(), std::vector<TObject*>({first}));
  EXPECT_FALSE(HasRow("Buddy.Text"));
  inspector->RefreshValues();
  EXPECT_EQ(Value("Buddy"), "");
}

TEST_F(InspectorRows, AnObjectFreedDuringAWriteLeavesAfterTheWrite) {
  auto* third = new TInspected(form);
  first->freeOnCount = third;
  inspector->Add(first);
  inspector->Add(third);
  inspector->Add(second);
  Type("Count", "4");
  EXPECT_TRUE(Errors().isEmpty());
  EXPECT_EQ(inspector->Objects(), std::vector<TObject*>({first, second}));
  EXPECT_EQ(second->Count(), 4);
  EXPECT_EQ(Value("Count"), "4");
}

// An editor whose dialog writes a value and notes whether it outlived the
// write; its class is registered for Count.
class TDialogEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TDialogEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  ~TDialogEditor() override { ++destroyed; }
  TELPropEditorAttributes GetAttributes() override { return {A::eaDialog, A::eaMultiSelect}; }
  void Edit() override {
    const int before = destroyed;
    SetOrdValue(42);
    survivedWrite = destroyed == before;
  }
  static inline int destroyed = 0;
  static inline bool survivedWrite = false;
};

const TELPropEditorClass& TDialogEditor::StaticClass() {
  static const TELPropEditorClass info("TDialogEditor", &TELIntegerPropEditor::StaticClass(),
                                       [](int n) { return std::make_unique<TDialogEditor>(n); });
  return info;
}

TEST_F(InspectorRows, ClearAndAddFromOnModifiedDuringADialogNeverFreeTheRunningEditor) {
  inspector->RegisterPropEditor({&Types::Integer(), nullptr, "Count", &TDialogEditor::StaticClass()});
  inspector->Add(first);
  inspector->OnModified = [&](TObject*) {
    inspector->Clear();
    inspector->Add(second);
  };
  TDialogEditor::survivedWrite = false;
  Row("Count")->EditButtonClick();
  EXPECT_TRUE(TDialogEditor::survivedWrite);
  EXPECT_EQ(first->Count(), 42);
  EXPECT_EQ(inspector->Objects(), std::vector<TObject*>({second}));
  EXPECT_EQ(Value("Count"), "0");
  EXPECT_EQ(Row("Count")->EditStyle(), TELPropEditStyle::esEllipsis);
}

// ---- the host's events and registrations ----

TEST_F(InspectorRows, OnGetEditorClassDecidesBeforeTheFilters) {
  inspector->OnFilterProp = [](TObject*, TObject*, const TPropInfo&, bool& include) { include = false; };
  inspector->OnGetEditorClass = [](TObject*, TObject*, const TPropInfo& prop, const TELPropEditorClass*& cls) {
    if (prop.Name == "Version") cls = &TELIntegerPropEditor::StaticClass();
  };
  inspector->Add(first);
  EXPECT_EQ(Captions(), QStringList({"Version"}));
}

TEST_F(InspectorRows, TheLastFittingRegistrationWins) {
  inspector->RegisterPropEditor({&Types::Integer(), nullptr, "", &TELModalResultPropEditor::StaticClass()});
  inspector->RegisterPropEditor({&Types::Integer(), &TInspOther::StaticClass(), "", &TELPropEditor::StaticClass()});
  inspector->RegisterPropEditor({&TComponent::StaticClass().TypeInfo(), nullptr, "buddy",
                                 &TELClassPropEditor::StaticClass()});
  first->SetCount(2);
  inspector->Add(first);
  EXPECT_EQ(Value("Count"), "mrCancel");  // not for TInspOther objects
  EXPECT_EQ(Value("Buddy"), "(TComponent)");
}

TEST_F(InspectorRows, ComponentReferencesExpandIntoTheComponentsPropertiesWithTheirColours) {
  auto* buddy = new TInspOther(form);
  buddy->SetName("Pal");
  first->SetBuddy(buddy);
  inspector->OnGetComponentNames = [](TObject*, const TClassInfo&, QStringList& names) { names << "Pal" << "Abe"; };
  inspector->OnGetComponent = [&](TObject*, const QString& name, TComponent*& c) {
    if (name == "Pal") c = buddy;
  };
  inspector->Add(first);
  EXPECT_EQ(Value("Buddy"), "Pal");
  QStringList values;
  Row("Buddy")->GetValues(values);
  EXPECT_EQ(values, QStringList({"Abe", "Pal"}));
  Row("Buddy")->Expand();
  // The name of a referenced component is never among its rows.
  EXPECT_EQ(Captions().mid(Row("Buddy")->Row() + 1, 4), QStringList({"  Count", "  Mode", "  Tag", "  Text"}));
  // Captions of references and of their rows have colours of their own.
  std::map<QString, TColor> colours;
  inspector->OnGetCaptionColor = [&](TObject*, const TTypeInfo&, const QString& name, TColor& colour) {
    colours[name] = colour;
  };
  inspector->CellImage(0, Row("Buddy")->Row());
  inspector->CellImage(0, Row("Buddy.Count")->Row());
  inspector->CellImage(0, Row("Count")->Row());
  EXPECT_EQ(colours["Buddy"], clMaroon);
  EXPECT_EQ(colours["Count"], inspector->Font().Color());
  inspector->CellImage(0, Row("Buddy.Text")->Row());
  EXPECT_EQ(colours["Text"], clGreen);
  Type("Buddy", "Nobody");
  EXPECT_EQ(Errors(), QStringList({"Invalid property value"}));
  Type("Buddy", "");
  EXPECT_EQ(first->Buddy(), nullptr);
}

TEST_F(InspectorRows, RefreshValuesShowsWhatTheHostChangedWithoutReportingIt) {
  int modified = 0;
  inspector->OnModified = [&](TObject*) { ++modified; };
  inspector->Add(first);
  first->SetCount(77);
  EXPECT_EQ(Value("Count"), "0");
  inspector->RefreshValues();
  EXPECT_EQ(Value("Count"), "77");
  EXPECT_EQ(inspector->InplaceEditor()->Text(), inspector->ActiveItem()->DisplayValue());
  EXPECT_EQ(modified, 0);
}

}  // namespace
