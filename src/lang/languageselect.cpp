#include "lang/languageselect.h"

#include "controls/OrqCorelButton.h"
#include "lang/frameLanguage.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Buttons.h"
#include "toolkit/Image.h"
#include "toolkit/ListView.h"
#include "toolkit/SysUtils.h"

namespace {

// The name without its last extension ("Deutsch.lng" gives "Deutsch").
QString WithoutExtension(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? fileName : fileName.left(dot);
}

}  // namespace

const TClassInfo& TLanguageWin::StaticClass() {
  static const TClassInfo info("TLanguageWin", &TBaseDlg::StaticClass());
  return info;
}

TLanguageWin::TLanguageWin(TComponent* owner) : TBaseDlg(owner, TInherited{}) {
  SetName(QStringLiteral("LanguageWin"));
  SetCaption(QStringLiteral("Select a language"));
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetPosition(TPosition::poOwnerFormCenter);
  SetClientSize(396, 503);

  m_languageFrame = new TLanguageFrame(this);
  m_languageFrame->SetName(QStringLiteral("LanguageFrame"));
  m_languageFrame->SetParent(this);
  m_languageFrame->SetBounds(2, 2, 392, 465);
  // The frame's own design values as this dialog sets them.
  TLanguageFrame* frame = m_languageFrame;
  frame->LstLanguages()->SetBounds(0, 0, 392, 258);
  struct Top {
    const char* name;
    int top;
  };
  for (const Top& t : {Top{"lblVersion", 265}, Top{"lblVersionText", 265}, Top{"lblMadeby", 289},
                       Top{"lblMadebyText", 289}, Top{"lblComments", 337}, Top{"lblCommentsText", 337},
                       Top{"lblCustomGUI", 394}, Top{"lblCustomGUItext", 394}, Top{"rbLoadGUI", 393},
                       Top{"rbKeepGUI", 417}, Top{"rbResetGUI", 441}}) {
    auto* control = static_cast<TControl*>(frame->FindComponent(QString::fromLatin1(t.name)));
    control->SetTop(t.top);
  }
  frame->LstLanguages()->OnDblClick = [this](TObject* sender) { LanguageFramelstLanguagesDblClick(sender); };

  Bevel1()->SetBounds(3, 470, 390, 2);
  Btn2()->SetCaption(QStringLiteral("OK"));
  Btn2()->SetDefault(true);
  Btn2()->SetModalResult(mrOk);
  Btn2()->SetBounds(240, 475, 75, 25);
  Btn2()->SetVisible(true);
  Btn1()->SetCaption(QStringLiteral("Cancel"));
  Btn1()->SetCancel(true);
  Btn1()->SetModalResult(mrCancel);
  Btn1()->SetBounds(318, 475, 75, 25);
  Btn1()->SetVisible(true);

  OnActivate = [this](TObject* sender) { FormActivate(sender); };
  FinishCreate();
}

bool TLanguageWin::Execute() {
  if (!Settings) throw EInvalidOperation(QStringLiteral("TLanguageWin.Execute: The preferences are not loaded"));
  m_languageFrame->FillList(ProgramFolder() + QStringLiteral("Languages/"), QStringLiteral("*.lng"));
  m_languageFrame->SelectFile(Settings->Language + QStringLiteral(".lng"));
  if (TListItem* row = m_languageFrame->LstLanguages()->Selected()) row->MakeVisible(false);
  if (ShowModal() == mrOk) {
    Settings->Language = WithoutExtension(m_languageFrame->SelectedFile());
    return true;
  }
  if (Settings->Language == QLatin1String("?")) Settings->Language.clear();
  return false;
}

QString TLanguageWin::SelectedSubItem(int index) const {
  const TListItem* row = m_languageFrame->LstLanguages()->Selected();
  if (!row || row->SubItemsObject()->Count() <= index) return QString();
  return row->SubItemsObject()->Get(index);
}

QString TLanguageWin::SelectedVersion() const { return SelectedSubItem(lcVersion); }
QString TLanguageWin::SelectedAuthors() const { return SelectedSubItem(lcAuthors); }
QString TLanguageWin::SelectedComments() const { return SelectedSubItem(lcComments); }

void TLanguageWin::FormActivate(TObject*) { m_languageFrame->Invalidate(); }

void TLanguageWin::LanguageFramelstLanguagesDblClick(TObject*) { SetModalResult(mrOk); }
