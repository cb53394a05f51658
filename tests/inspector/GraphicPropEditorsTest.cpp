// The graphic editors: colour, cursor and charset names both ways, the
// lists they offer and draw, and the colour chooser, the font chooser and
// the string list dialog through recorded dialogs.
#include "InspectorSamples.h"

#include "inspector/ELGraphicPropEditors.h"
#include "inspector/ELStringsEdit.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Buttons.h"
#include "toolkit/Canvas.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/Screen.h"

#include <algorithm>

namespace {

class GraphicEditors : public InspectorTest {
 protected:
  GraphicEditors() {
    memo->SetName(QStringLiteral("Memo1"));
    memo->SetParent(form);
    other->SetName(QStringLiteral("Memo2"));
    other->SetParent(form);
    inspector->Add(memo);
  }
  TELPropEditor& EditorOf(const QString& path) { return *Row(path)->Editor(); }
  QStringList ListOf(const QString& path) {
    QStringList values;
    Row(path)->GetValues(values);
    return values;
  }
  TMemo* memo = new TMemo(form);
  TMemo* other = new TMemo(form);
};

TEST_F(GraphicEditors, ColourNamesAndNumbersShowAndAreTypedBack) {
  const struct {
    TColor stored;
    const char* shown;
  } cases[] = {
      {clBtnFace, "clBtnFace"},
      {static_cast<TColor>(0x00FF8040), "$00FF8040"},  // blue 255, green 128, red 64
      {static_cast<TColor>(0x80000400), "$80000400"},  // a private code of the link label
      {clNone, "clNone"},
      {clDefault, "clDefault"},
      {static_cast<TColor>(0xFF000019), "$FF000019"},  // a system colour without a name
  };
  for (const auto& c : cases) {
    memo->SetColor(clBlack);
    Type("Color", c.shown);
    EXPECT_EQ(memo->Color(), c.stored) << c.shown;
    EXPECT_EQ(Value("Color"), c.shown);
  }
  Type("Color", "clred");
  EXPECT_EQ(memo->Color(), 0x0000FF);
  EXPECT_EQ(Value("Color"), "clRed");
  EXPECT_TRUE(Errors().isEmpty()) << Errors().join(", ").toStdString();
}

TEST_F(GraphicEditors, NumbersOutOfRangeGiveTheIntegerEditorsMessage) {
  memo->SetCursor(crHandPoint);
  memo->FontObject()->SetCharset(0);
  Row("Font")->Expand();
  const struct {
    const char* row;
    const char* typed;
    const char* message;
  } cases[] = {
      {"Color", "$100000000", "Value must be between -2147483648 and 2147483647"},
      {"Cursor", "32768", "Value must be between -32768 and 32767"},
      {"Font.Charset", "256", "Value must be between 0 and 255"},
      {"Font.Charset", "-1", "Value must be between 0 and 255"},
  };
  for (const auto& c : cases) {
    dialogs->errors.clear();
    Type(c.row, c.typed);
    EXPECT_EQ(Errors(), QStringList{c.message}) << c.row << " " << c.typed;
  }
  dialogs->errors.clear();
  Type("Cursor", "crNothing");
  EXPECT_EQ(Errors().size(), 1);
  EXPECT_EQ(memo->Cursor(), crHandPoint);
  EXPECT_EQ(memo->FontObject()->Charset(), 0);
}

TEST_F(GraphicEditors, CursorNamesAndValues) {
  Type("Cursor", "crSize");
  EXPECT_EQ(memo->Cursor(), -22);
  EXPECT_EQ(Value("Cursor"), "crSizeAll");
  Type("Cursor", "CRHANDPOINT");
  EXPECT_EQ(memo->Cursor(), -21);
  Type("Cursor", "-1");
  EXPECT_EQ(Value("Cursor"), "-1");  // crNone has no name
  Type("Cursor", "-5");
  EXPECT_EQ(Value("Cursor"), "-5");
  const QStringList list = ListOf("Cursor");
  EXPECT_EQ(list.size(), 21);
  EXPECT_FALSE(list.contains("crSize"));
  QStringList sorted = list;
  std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  EXPECT_EQ(list, sorted);
  EXPECT_EQ(list.first(), "crAppStart");
}

TEST_F(GraphicEditors, CharsetNamesAndNumbers) {
  Row("Font")->Expand();
  const struct {
    int stored;
    const char* shown;
  } cases[] = {{0, "ANSI_CHARSET"}, {1, "DEFAULT_CHARSET"}, {3, "3"}, {77, "MAC_CHARSET"}, {255, "OEM_CHARSET"}};
  for (const auto& c : cases) {
    memo->FontObject()->SetCharset(static_cast<uint8_t>(c.stored));
    inspector->RefreshValues();
    EXPECT_EQ(Value("Font.Charset"), c.shown);
  }
  Type("Font.Charset", "russian_charset");
  EXPECT_EQ(memo->FontObject()->Charset(), 204);
  Type("Font.Charset", "186");
  EXPECT_EQ(Value("Font.Charset"), "BALTIC_CHARSET");
  const QStringList list = ListOf("Font.Charset");
  EXPECT_EQ(list.size(), 18);
  EXPECT_EQ(list.first(), "ANSI_CHARSET");
  EXPECT_EQ(list.last(), "TURKISH_CHARSET");
}

TEST_F(GraphicEditors, ValueListsInTheirOrders) {
  Row("Font")->Expand();
  const QStringList colours = ListOf("Color");
  ASSERT_EQ(colours.size(), 52);
  EXPECT_EQ(colours.mid(0, 3), QStringList({"clBlack", "clMaroon", "clGreen"}));  // table order, not sorted
  EXPECT_EQ(colours[20], "clActiveBorder");
  EXPECT_EQ(colours.last(), "clWindowText");
  const QStringList fonts = ListOf("Font.Name");
  EXPECT_FALSE(fonts.isEmpty());
  for (const QString& name : fonts) EXPECT_TRUE(Screen().Fonts().contains(name)) << name.toStdString();
  Type("Font.Name", "No Such Face");
  EXPECT_EQ(memo->FontObject()->Name(), "No Such Face");  // any text is written
  // No input methods are listed by the platform: none are invented.
  auto ime = TELImeNamePropEditor::StaticClass().Create(1);
  QStringList imes;
  ime->GetValues(imes);
  EXPECT_EQ(imes, Screen().Imes());
}

TEST_F(GraphicEditors, PenAndBrushStylesAreSortedOwnerDrawnEnumerations) {
  TPen pen;
  TBrush brush;
  inspector->Clear();
  inspector->Add(&pen);
  EXPECT_EQ(EditorOf("Style").ClassType().Name(), "TELPenStylePropEditor");
  EXPECT_TRUE(Row("Style")->OwnerDrawValues());
  EXPECT_EQ(ListOf("Style"),
            QStringList({"psClear", "psDash", "psDashDot", "psDashDotDot", "psDot", "psInsideFrame", "psSolid"}));
  Type("Style", "psdot");
  EXPECT_EQ(pen.Style(), TPenStyle::psDot);
  inspector->Clear();
  inspector->Add(&brush);
  EXPECT_EQ(EditorOf("Style").ClassType().Name(), "TELBrushStylePropEditor");
  EXPECT_EQ(ListOf("Style").first(), "bsBDiagonal");
  Type("Style", "bsCross");
  EXPECT_EQ(brush.Style(), TBrushStyle::bsCross);
}

TEST_F(GraphicEditors, ColourSwatchFrames) {
  TELPropEditor& editor = EditorOf("Color");
  TBitmap bitmap(100, 16);
  const QRect rect(0, 0, 100, 16);
  auto frameOf = [&](const char* value, bool selected) {
    bitmap.Canvas().Brush().SetColor(clWindow);
    editor.ListDrawValue(value, bitmap.Canvas(), rect, selected);
    return bitmap.Canvas().Pixel(1, 1);
  };
  EXPECT_EQ(frameOf("clWhite", false), clBlack);  // a channel above 192
  EXPECT_EQ(frameOf("clNavy", true), clWhite);
  EXPECT_EQ(frameOf("clNavy", false), clNavy);
  EXPECT_EQ(bitmap.Canvas().Pixel(8, 8), clNavy);  // the swatch is filled
  EXPECT_EQ(frameOf("$00FF8040", false), clBlack);
  int height = 0;
  editor.ListMeasureHeight("clRed", bitmap.Canvas(), height);
  EXPECT_EQ(height, bitmap.Canvas().TextHeight("Wg") + 2);
}

TEST_F(GraphicEditors, SeveralObjectsShareTheGraphicRows) {
  EXPECT_EQ(Value("Font"), "(TFont)");
  EXPECT_EQ(Value("Lines"), "(TStrings)");
  inspector->Add(other);
  memo->SetColor(clYellow);
  other->SetColor(clYellow);
  inspector->RefreshValues();
  EXPECT_EQ(Value("Color"), "clYellow");
  other->SetColor(clRed);
  inspector->RefreshValues();
  EXPECT_EQ(Value("Color"), "");
  Type("Color", "clAqua");
  EXPECT_EQ(memo->Color(), clAqua);
  EXPECT_EQ(other->Color(), clAqua);
  for (const char* row : {"Cursor", "Font", "Lines"}) EXPECT_TRUE(HasRow(row)) << row;
  EXPECT_TRUE(Row("Lines")->ReadOnly());
}

// ---- dialogs ----

TEST_F(GraphicEditors, TheColourChooserWritesOnlyOnOk) {
  inspector->Add(other);
  memo->SetColor(clNavy);
  other->SetColor(clNavy);
  TColor preset = -1;
  dialogs->answerDialog = [&](TCommonDialog& dialog) {
    auto& chooser = dynamic_cast<TColorDialog&>(dialog);
    preset = chooser.Color;
    chooser.Color = 0x123456;
    return false;
  };
  EditorOf("Color").Edit();
  EXPECT_EQ(preset, clNavy);
  EXPECT_EQ(memo->Color(), clNavy);
  dialogs->answerDialog = [&](TCommonDialog& dialog) {
    dynamic_cast<TColorDialog&>(dialog).Color = 0x123456;
    return true;
  };
  Row("Color")->DblClick();  // a row with a list and a dialog opens the dialog
  EXPECT_EQ(memo->Color(), 0x123456);
  EXPECT_EQ(other->Color(), 0x123456);
  EXPECT_EQ(Value("Color"), "$00123456");
}

TEST_F(GraphicEditors, TheChosenFontIsCopiedIntoEachObjectsOwnFont) {
  inspector->Add(other);
  memo->FontObject()->SetName(QStringLiteral("Before"));
  QString preset;
  const QString face = Screen().Fonts().value(0);
  dialogs->answerDialog = [&](TCommonDialog& dialog) {
    auto& chooser = dynamic_cast<TFontDialog&>(dialog);
    preset = chooser.Font().Name();
    chooser.Font().SetName(face);
    chooser.Font().SetSize(14);
    chooser.Font().SetStyle({TFontStyle::fsBold});
    return true;
  };
  EXPECT_EQ(Row("Font")->EditStyle(), TELPropEditStyle::esEllipsis);
  Row("Font")->EditButtonClick();
  EXPECT_EQ(preset, "Before");
  for (TMemo* m : {memo, other}) {
    EXPECT_EQ(m->FontObject()->Name(), face);
    EXPECT_EQ(m->FontObject()->Size(), 14);
    EXPECT_EQ(m->FontObject()->Style(), TFontStyles({TFontStyle::fsBold}));
  }
  EXPECT_NE(memo->FontObject(), other->FontObject());
  memo->FontObject()->SetSize(20);
  EXPECT_EQ(other->FontObject()->Size(), 14);  // never shared
  dialogs->answerDialog = [&](TCommonDialog& dialog) {
    dynamic_cast<TFontDialog&>(dialog).Font().SetSize(30);
    return false;
  };
  Row("Font")->EditButtonClick();
  EXPECT_EQ(memo->FontObject()->Size(), 20);
}

TEST_F(GraphicEditors, ADialogWhoseObjectWentMeanwhileWritesNothing) {
  inspector->Add(other);
  Row("Font")->Expand();
  struct Case {
    const char* row;
    std::function<bool(TCommonDialog&)> answer;
  };
  const Case cases[] = {
      {"Color", [](TCommonDialog& d) { dynamic_cast<TColorDialog&>(d).Color = clRed; return true; }},
      {"Font", [](TCommonDialog& d) { dynamic_cast<TFontDialog&>(d).Font().SetSize(31); return true; }},
      {"Font.Color", [](TCommonDialog& d) { dynamic_cast<TColorDialog&>(d).Color = clRed; return true; }},
  };
  for (const Case& c : cases) {
    TMemo* going = new TMemo(form);
    going->SetParent(form);
    inspector->Clear();
    inspector->Add(memo);
    inspector->Add(going);
    if (QString(c.row).contains('.')) Row("Font")->Expand();
    dialogs->answerDialog = [&](TCommonDialog& d) {
      TComponent::Free(going);
      return c.answer(d);
    };
    Row(c.row)->EditButtonClick();
    EXPECT_NE(memo->Color(), clRed) << c.row;
    EXPECT_NE(memo->FontObject()->Color(), clRed) << c.row;
    EXPECT_NE(memo->FontObject()->Size(), 31) << c.row;
    EXPECT_EQ(inspector->Objects(), std::vector<TObject*>{memo}) << c.row;
  }
}

TEST_F(GraphicEditors, TheStringListDialogCountsLinesAndWritesOnlyOnOk) {
  inspector->Add(other);
  memo->Lines().SetText(QStringLiteral("one\ntwo\nthree"));
  QString shownCount, grownCount, caption, okCaption;
  QSize clientSize;
  auto open = [&](TModalResult answer) {
    dialogs->answerModal = [&, answer](TCustomForm& form) {
      auto& dlg = dynamic_cast<TELStringsEditorDlg&>(form);
      caption = dlg.Caption();
      okCaption = dlg.OkButton()->Caption();
      clientSize = dlg.ClientRect().size();
      shownCount = dlg.LineCountLabel()->Caption();
      dlg.Memo()->SetText(QStringLiteral("one\ntwo\nthree\nfour"));
      grownCount = dlg.LineCountLabel()->Caption();
      (answer == mrOk ? dlg.OkButton() : dlg.CancelButton())->Click();
    };
    Row("Lines")->EditButtonClick();
  };
  open(mrCancel);
  EXPECT_EQ(shownCount, "3 lines");
  EXPECT_EQ(grownCount, "4 lines");
  EXPECT_EQ(caption, "String List Editor");
  EXPECT_EQ(okCaption, "&Ok");
  EXPECT_EQ(clientSize, QSize(431, 279));
  EXPECT_EQ(memo->Lines().Count(), 3);
  EXPECT_EQ(other->Lines().Count(), 0);
  open(mrOk);
  for (TMemo* m : {memo, other}) {
    ASSERT_EQ(m->Lines().Count(), 4);
    EXPECT_EQ(m->Lines()[3], "four");
  }
  EXPECT_NE(memo->LinesObject(), other->LinesObject());
}

TEST_F(GraphicEditors, OneLineStillSaysLines) {
  TELStringsEditorDlg dlg(nullptr);
  TStringList one(QStringList{"only"});
  dlg.SetLines(one);
  dialogs->answerModal = [](TCustomForm&) {};
  EXPECT_FALSE(dlg.Execute());
  EXPECT_EQ(dlg.LineCountLabel()->Caption(), "1 lines");
}

}  // namespace
