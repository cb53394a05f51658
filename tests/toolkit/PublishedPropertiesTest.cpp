#include "toolkit/ActionList.h"
#include "toolkit/Buttons.h"
#include "toolkit/ComboBox.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/Edit.h"
#include "toolkit/Forms.h"
#include "toolkit/Image.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Timer.h"
#include "toolkit/ToolBar.h"
#include "toolkit/TreeView.h"

#include "support/TestSupport.h"

namespace {

// The published properties of every control class of the toolkit, by name
// and type in publishing order, one class a line. The file is the record of
// what the metadata says; a change to it is a change of the metadata.
QString PublishedLines() {
  const TClassInfo* const classes[] = {
      &TControl::StaticClass(),       &TWinControl::StaticClass(),     &TCustomControl::StaticClass(),
      &TGraphicControl::StaticClass(), &TButton::StaticClass(),         &TCheckBox::StaticClass(),
      &TRadioButton::StaticClass(),   &TCustomComboBox::StaticClass(), &TComboBox::StaticClass(),
      &TDateTimePicker::StaticClass(), &TCustomEdit::StaticClass(),     &TEdit::StaticClass(),
      &TMemo::StaticClass(),          &TScrollingWinControl::StaticClass(), &TScrollBox::StaticClass(),
      &TCustomForm::StaticClass(),    &TForm::StaticClass(),           &TFrame::StaticClass(),
      &TImage::StaticClass(),         &TBevel::StaticClass(),          &TLabel::StaticClass(),
      &TStaticText::StaticClass(),    &TListView::StaticClass(),       &TPanel::StaticClass(),
      &TToolButton::StaticClass(),    &TToolBar::StaticClass(),        &TTreeView::StaticClass(),
      &TAction::StaticClass(),        &TActionList::StaticClass(),     &TImageList::StaticClass(),
      &TPopupMenu::StaticClass(),     &TMenuItem::StaticClass(),       &TTimer::StaticClass(),
  };
  QString text;
  for (const TClassInfo* cls : classes) {
    QStringList props;
    for (const TPropInfo* prop : cls->Properties()) props << prop->Name + QLatin1Char(':') + prop->PropType->Name;
    text += cls->Name() + QLatin1String(" ") + props.join(QLatin1Char(' ')) + QLatin1Char('\n');
  }
  return text;
}

TEST(PublishedProperties, EveryControlClassPublishesWhatItsRecordSays) {
  const QString record = QString::fromUtf8(ReadFileBytes(VORNIK_SOURCE_DIR "/tests/toolkit/PublishedProperties.txt"));
  const QString actual = PublishedLines();
  const QStringList expectedLines = record.split(QLatin1Char('\n'));
  const QStringList actualLines = actual.split(QLatin1Char('\n'));
  EXPECT_EQ(actualLines.size(), expectedLines.size());
  for (int i = 0; i < std::min(actualLines.size(), expectedLines.size()); ++i)
    EXPECT_EQ(actualLines[i], expectedLines[i]);
}

}  // namespace
