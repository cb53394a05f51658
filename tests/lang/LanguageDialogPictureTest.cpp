// The language dialog over the sample installation, rendered to a picture:
// the picture is saved to the build folder (language-dialog.png) for looking
// at, and the rows, pictures, details and links must be on it.
#include "lang/frameLanguage.h"
#include "lang/languageselect.h"

#include "controls/OrqJvLinkLabel.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"

#include "support/RecordingDialogs.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

namespace {

int Count(const QImage& image, const QRect& rect, const QColor& color) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixelColor(x, y) == color;
  return n;
}

TEST(LanguageDialogPicture, SampleInstallationWithARowSelected) {
  const QString programFolder = ProgramFolder();
  const QString currentDir = QDir::currentPath();
  TSettings settings;
  TSettings* previous = Settings;
  Settings = &settings;
  SetProgramFolder(QStringLiteral(VORNIK_SOURCE_DIR "/sample/"));
  settings.Language = "Francais";
  ScopedDialogs dialogs;
  TLanguageWin dialog(nullptr);
  QImage picture;
  dialogs->answerModal = [&](TCustomForm&) {
    QApplication::processEvents();
    TLanguageFrame* frame = dialog.LanguageFrame();
    TListView* list = frame->LstLanguages();
    QStringList captions;
    for (int i = 0; i < list->Items().Count(); ++i) captions << list->Items().Item(i)->Caption();
    EXPECT_TRUE(captions.contains("English") && captions.contains("French") && captions.contains("Spanish") &&
                captions.contains("?"))
        << captions.join(", ").toStdString();
    ASSERT_NE(list->Selected(), nullptr);
    EXPECT_EQ(list->Selected()->Caption(), "French");
    EXPECT_GE(list->Selected()->ImageIndex(), 0);
    EXPECT_EQ(frame->LblVersionText()->Caption(), "1.1");
    // The mouse rests on the second author's address.
    TOrqJvLinkLabel* madeBy = frame->LblMadebyText();
    madeBy->Widget()->grab();
    TNodeEnumerator links = madeBy->Tree().TopLevelNodes(TLinkNode::StaticClass());
    links.GetNext();
    TRectEnumerator rects = static_cast<TAreaNode*>(links.GetNext())->AreaRects();
    QRect second;
    while (rects.HasNext() && second.isEmpty()) second = rects.GetNext();
    QMouseEvent move(QEvent::MouseMove, second.center(), madeBy->Widget()->mapToGlobal(second.center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(madeBy->Widget(), &move);
    picture = dialog.Widget()->grab().toImage();
    const QPoint origin = madeBy->Widget()->mapTo(dialog.Widget(), QPoint(0, 0));
    EXPECT_GT(Count(picture, second.translated(origin), QColor(255, 0, 0)), 0);
    const QRect comments = frame->LblCommentsText()->Widget()->geometry().translated(
        frame->LblCommentsText()->Widget()->parentWidget()->mapTo(dialog.Widget(), QPoint(0, 0)));
    EXPECT_GT(Count(picture, comments, QColor(0, 0, 255)), 0);
    dialog.SetModalResult(mrCancel);
  };
  dialog.Execute();
  ASSERT_FALSE(picture.isNull());
  picture.save(QStringLiteral(VORNIK_BINARY_DIR "/language-dialog.png"));
  Settings = previous;
  SetProgramFolder(programFolder);
  QDir::setCurrent(currentDir);
}

}  // namespace
