#include "controls/base.h"

#include "controls/OrqAutoHintLabel.h"
#include "controls/OrqCorelButton.h"
#include "toolkit/Image.h"

const TClassInfo& TBaseDlg::StaticClass() {
  static const TClassInfo info("TBaseDlg", &TForm::StaticClass());
  return info;
}

TBaseDlg::TBaseDlg(TComponent* owner) : TBaseDlg(owner, TInherited{}) { FinishCreate(); }

TBaseDlg::TBaseDlg(TComponent* owner, TInherited) : TForm(owner) {
  SetCaption(QStringLiteral("basedlg"));
  SetBorderIcons({TBorderIcon::biSystemMenu});
  SetPosition(TPosition::poDefault);
  SetShowHint(true);
  Font().SetName(QStringLiteral("MS Shell Dlg"));
  Font().SetHeight(-11);
  SetClientSize(353, 98);
  CreateComponents();
  OnCreate = [this](TObject* sender) { FormCreate(sender); };
  OnClose = [this](TObject* sender, TCloseAction& action) { FormClose(sender, action); };
}

void TBaseDlg::CreateComponents() {
  m_bevel1 = new TBevel(this);
  m_bevel1->SetName(QStringLiteral("Bevel1"));
  m_bevel1->SetParent(this);
  m_bevel1->SetBounds(3, 65, 347, 2);
  m_bevel1->SetShape(TBevelShape::bsBottomLine);
  m_bevel1->SetAnchors({TAnchorKind::akLeft, TAnchorKind::akRight, TAnchorKind::akBottom});

  m_hintLabel = new TOrqAutoHintLabel(this);
  m_hintLabel->SetName(QStringLiteral("OrqAutoHintLabel1"));
  m_hintLabel->SetParent(this);
  m_hintLabel->SetAutoSize(false);
  m_hintLabel->SetTransparent(true);
  m_hintLabel->SetCaption(QString());
  m_hintLabel->SetBounds(0, 82, 353, 16);
  m_hintLabel->SetAlign(TAlign::alBottom);

  auto button = [this](const char* name, int left) {
    auto* b = new TCorelButton(this);
    b->SetName(QString::fromLatin1(name));
    b->SetParent(this);
    b->SetCaption(QString::fromLatin1(name));
    b->SetBounds(left, 70, 75, 25);
    b->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
    b->SetVisible(false);
    return b;
  };
  m_btn1 = button("btn1", 275);
  m_btn2 = button("btn2", 197);
  m_btn3 = button("btn3", 119);
  m_btn4 = button("btn4", 41);
  m_btn4->SetTabOrder(0);
  m_btn3->SetTabOrder(1);
  m_btn2->SetTabOrder(2);
  m_btn1->SetTabOrder(3);
}

void TBaseDlg::FormCreate(TObject*) {
  PrepareDialog();
  InitializeDialog();
  // Dialogs start in the normal window state here, so they always open
  // centred over the window that owns them.
  SetPosition(TPosition::poOwnerFormCenter);
  Font().SetName(QString::fromLatin1(kDefaultFontName));
  Font().SetCharset(DEFAULT_CHARSET);
}

void TBaseDlg::FormClose(TObject*, TCloseAction&) { CloseDialog(); }
