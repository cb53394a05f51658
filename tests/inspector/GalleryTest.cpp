// The graphic editors in pictures, saved to the build folder for looking
// at: an inspector on a sample memo with its colour, cursor, font and lines
// rows (the font row expanded), each owner-drawn drop-down list open, and
// the string list dialog. Every list row must have drawn its sample.
#include "InspectorSamples.h"

#include "inspector/ELStringsEdit.h"
#include "toolkit/Edit.h"
#include "toolkit/Label.h"
#include "toolkit/Screen.h"

#include <QApplication>

#include "support/TestSupport.h"

namespace {

QString PicturePath(const char* name) { return QStringLiteral(VORNIK_BINARY_DIR "/%1.png").arg(name); }

class GraphicGallery : public InspectorTest {
 protected:
  GraphicGallery() {
    form->SetClientSize(260, 420);
    inspector->SetBounds(8, 8, 244, 404);
    memo->SetName(QStringLiteral("Sample"));
    memo->SetParent(form);
    memo->SetVisible(false);
    memo->SetColor(clInfoBk);
    memo->SetCursor(crHandPoint);
    memo->FontObject()->SetColor(clNavy);
  }
  // Opens the row's list, saves a picture of it and returns it.
  QImage DropDown(const QString& path, const char* name) {
    TELPropertyInspectorItem* row = Row(path);
    inspector->SetRow(row->Row());
    inspector->InplaceEditor()->DropDown();
    EXPECT_TRUE(inspector->InplaceEditor()->ListVisible()) << name;
    QApplication::processEvents();
    const QImage picture = inspector->InplaceEditor()->PickListPopup().Widget()->grab().toImage();
    picture.save(PicturePath(name));
    inspector->InplaceEditor()->CloseUp(false);
    return picture;
  }
  // Every shown row of the open list drew more than its text: left of the
  // text a sample that stands out from the row's ground.
  void ExpectSamples(const QImage& picture, int sampleWidth) {
    TPopupListBox& list = inspector->InplaceEditor()->PickList();
    for (int i = list.TopIndex(); i < list.Count(); ++i) {
      const QRect row = list.ItemRect(i).translated(list.Left(), list.Top());
      if (row.isEmpty()) break;
      const QRect sample(row.left(), row.top(), sampleWidth, row.height());
      EXPECT_GE(ColourCount(picture, sample), 2) << list.Items()[i].toStdString();
    }
  }
  TMemo* memo = new TMemo(form);
};

TEST_F(GraphicGallery, TheRowsAndTheirDropDowns) {
  inspector->Add(memo);
  Row("Font")->Expand();
  form->ShowForm();
  QApplication::processEvents();
  const QImage rows = form->Widget()->grab().toImage();
  rows.save(PicturePath("inspector-graphic-rows"));
  EXPECT_EQ(Value("Font.Color"), "clNavy");
  EXPECT_EQ(Value("Cursor"), "crHandPoint");

  inspector->InplaceEditor()->SetDropDownRows(12);
  const QImage colours = DropDown("Color", "dropdown-colours");
  ExpectSamples(colours, inspector->InplaceEditor()->PickList().ItemHeight() + 2);
  const QImage cursors = DropDown("Cursor", "dropdown-cursors");
  ExpectSamples(cursors, CursorPictureSize().width() + 4);
  DropDown("Font.Charset", "dropdown-charsets");
}

TEST_F(GraphicGallery, PenAndBrushStyles) {
  TPen pen;
  TBrush brush;
  inspector->Add(&pen);
  form->ShowForm();
  QApplication::processEvents();
  inspector->InplaceEditor()->SetDropDownRows(8);
  const QImage pens = DropDown("Style", "dropdown-pen-styles");
  ExpectSamples(pens, 2 * inspector->InplaceEditor()->PickList().ItemHeight());
  inspector->Clear();
  inspector->Add(&brush);
  const QImage brushes = DropDown("Style", "dropdown-brush-styles");
  ExpectSamples(brushes, inspector->InplaceEditor()->PickList().ItemHeight());
}

TEST_F(GraphicGallery, TheStringListDialog) {
  TELStringsEditorDlg dialog(nullptr);
  TStringList lines(QStringList{"First line", "Second line", "Third line"});
  dialog.SetLines(lines);
  QImage picture;
  dialogs->answerModal = [&](TCustomForm& shown) {
    QApplication::processEvents();
    picture = shown.Widget()->grab().toImage();
  };
  EXPECT_FALSE(dialog.Execute());
  ASSERT_FALSE(picture.isNull());
  picture.save(PicturePath("strings-dialog"));
  EXPECT_EQ(dialog.LineCountLabel()->Caption(), "3 lines");
  EXPECT_GT(ColourCount(picture, dialog.Memo()->BoundsRect()), 2);
}

}  // namespace
