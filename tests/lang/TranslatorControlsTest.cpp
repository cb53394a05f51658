// The translator on real controls: a frame with a static text, an edit and a
// memo, and a form with an owned memo.
#include "lang/OrqTranslator.h"

#include "lang/TranslatorSamples.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Label.h"

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

}  // namespace
