// The translator on real controls: a frame with a static text, an edit and a
// memo, and a form with an owned memo, a list view and a tree view.
#include "lang/OrqTranslator.h"

#include "lang/TranslatorSamples.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/TreeView.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

namespace {

template <class C>
C* Make(TWinControl* parent, const char* name) {
  auto* control = new C(parent);
  control->SetName(name);
  control->SetParent(parent);
  return control;
}

class TranslatorControlsTest : public TempDirTest {
 protected:
  void Load(const QByteArray& bytes) {
    WriteFileBytes(Path("Deutsch.lng"), bytes);
    m_translator.LoadLanguageFile(Path("Deutsch.lng"));
  }

  ScopedDialogs m_dialogs;
  TOrqTranslator m_translator{nullptr};
};

TEST_F(TranslatorControlsTest, FrameSectionSetsTextsAlwaysAndLayoutWithLoadGUI) {
  TSampleFrame frame(nullptr);
  frame.SetName("FrmMovie");
  auto* year = Make<TStaticText>(&frame, "LYear");
  auto* media = Make<TEdit>(&frame, "EMedia");
  media->SetBounds(5, 6, 70, 21);
  auto* description = Make<TMemo>(&frame, "EDescription");
  description->Lines().SetText("eins\r\nzwei\r\ndrei");
  Load("[TSampleFrame]\r\n"
       "LYear.Caption = Jahr:\r\n"
       "EMedia.Left=20\r\nEMedia.Width=$20\r\nEMedia.Visible=0\r\nEMedia.Anchors=9\r\n"
       "EDescription.Lines.Strings[2]=three\r\n"
       "EDescription.Lines.Strings[9]=nine\r\n"
       "EDescription.Lines.Strings[-1]=none\r\n"
       "EDescription.Font.Name=Arial\r\n");

  m_translator.SetLoadGUI(false);
  m_translator.SetShowErrors(true);
  m_translator.TranslateFrame(&frame);
  EXPECT_EQ(year->Caption(), "Jahr:");
  EXPECT_EQ(description->Lines().ToStringList(), QStringList({"eins", "zwei", "three"}));
  EXPECT_EQ(description->Font().Name(), "Arial");
  EXPECT_EQ(media->BoundsRect(), QRect(5, 6, 70, 21));
  EXPECT_TRUE(media->Visible());
  EXPECT_EQ(media->Anchors(), kDefaultAnchors);
  ASSERT_EQ(m_dialogs->boxes.size(), 1u);
  EXPECT_EQ(m_dialogs->boxes[0].text, "Unable to assign value for EDescription.Lines.Strings[9] = nine");

  m_translator.SetLoadGUI(true);
  m_translator.SetShowErrors(false);
  m_translator.TranslateFrame(&frame);
  EXPECT_EQ(media->BoundsRect(), QRect(20, 6, 32, 21));
  EXPECT_FALSE(media->Visible());
  EXPECT_EQ(media->Anchors(), TAnchors({TAnchorKind::akLeft, TAnchorKind::akBottom}));
  EXPECT_EQ(m_dialogs->boxes.size(), 1u);
}

TEST_F(TranslatorControlsTest, FormSectionReachesTheFormAndItsOwnedControls) {
  TForm form(nullptr);
  form.SetName("MainForm");
  auto* author = Make<TMemo>(&form, "MAuthor");
  author->Lines().Add("old");
  Load("[TSampleFrame]\r\nCaption=frame\r\n[MainForm]\r\nCaption=Hauptfenster\r\nMAuthor.Lines.Strings[0]=neu\r\n");
  m_translator.TranslateForm(&form);
  EXPECT_EQ(form.Caption(), "Hauptfenster");
  EXPECT_EQ(author->Lines().ToStringList(), QStringList({"neu"}));
}

TEST_F(TranslatorControlsTest, ListViewRowsAndTreeNodesTakeTheValueAsTheirText) {
  TForm form(nullptr);
  form.SetName("MainForm");
  auto* list = Make<TListView>(&form, "L");
  list->Columns().Add()->SetCaption("Name");
  list->Columns().Add()->SetCaption("Local name");
  for (const char* caption : {"Deutsch", "English", "Francais"}) list->Items().Add()->SetCaption(caption);
  auto* tree = Make<TTreeView>(&form, "T");
  TTreeNode* a = tree->Items().Add(nullptr, "A");
  tree->Items().AddChild(a, "A1");
  tree->Items().AddChild(a, "A2");
  tree->Items().Add(nullptr, "B");
  Load("[MainForm]\r\n"
       "L.Columns.Items[1].Caption=Lokaler Name\r\n"
       "L.Items.Item[0].Caption=German\r\n"
       "L.Items.Item[1].Anything=British\r\n"
       "L.Items.Item[2]=French\r\n"
       "L.Items.Item[3].Caption=none\r\n"
       "L.Items.Item[-1].Caption=none\r\n"
       "L.Items.Caption=none\r\n"
       "T.Items.Item[2].Text=Zwei\r\n"
       "T.Items.Item[3]=Bee\r\n"
       "T.Items.Item[4].Text=none\r\n"
       "T.Items.Item[x].Text=none\r\n"
       "T.Items.Item[-1].Text=none\r\n");
  m_translator.SetShowErrors(true);
  m_translator.TranslateForm(&form);

  EXPECT_EQ(list->Columns().Items(1)->Caption(), "Lokaler Name");
  QStringList captions;
  for (int i = 0; i < list->Items().Count(); ++i) captions << list->Items().Item(i)->Caption();
  EXPECT_EQ(captions, QStringList({"German", "British", "French"}));
  QStringList texts;
  for (int i = 0; i < tree->Items().Count(); ++i) texts << tree->Items().Item(i)->Text();
  EXPECT_EQ(texts, QStringList({"A", "A1", "Zwei", "Bee"}));

  QStringList reports;
  for (const RecordingDialogs::Box& box : m_dialogs->boxes) reports << box.text;
  EXPECT_EQ(reports, QStringList({"Unable to assign value for L.Items.Item[3].Caption = none",
                                  "Unable to assign value for T.Items.Item[4].Text = none",
                                  "Unable to assign value for T.Items.Item[x].Text = none"}));
}

}  // namespace
