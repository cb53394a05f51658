#include "toolkit/PopupMenu.h"

#include "toolkit/Application.h"
#include "toolkit/KeyCodes.h"

#include <QAction>
#include <QMenu>

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info("TMenuItem", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TMenuItem>(c)
        .Creatable()
        .Prop("Caption", Types::TCaption(), &TMenuItem::Caption, &TMenuItem::SetCaption)
        .Prop("Checked", Types::Boolean(), &TMenuItem::Checked, &TMenuItem::SetChecked)
        .Prop("Enabled", Types::Boolean(), &TMenuItem::Enabled, &TMenuItem::SetEnabled)
        .Prop("Visible", Types::Boolean(), &TMenuItem::Visible, &TMenuItem::SetVisible)
        .Prop("ShortCut", Types::TShortCut(), &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
        .Prop("OnClick", Types::Method(), &TMenuItem::GetOnClick, &TMenuItem::SetOnClick);
  });
  return info;
}

void TMenuItem::Click() {
  if (m_enabled && OnClick) OnClick(this);
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info("TPopupMenu", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TPopupMenu>(c).Creatable().Prop("AutoPopup", Types::Boolean(), &TPopupMenu::AutoPopup,
                                              &TPopupMenu::SetAutoPopup);
  });
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() { delete m_menu.data(); }

QMenu* TPopupMenu::Menu() const { return m_menu.data(); }

TMenuItem* TPopupMenu::AddItem(const QString& caption, TNotifyEvent onClick) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  item->OnClick = std::move(onClick);
  return item;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  delete m_menu.data();
  m_menu = new QMenu;
  for (int i = 0; i < ComponentCount(); ++i) {
    auto* item = dynamic_cast<TMenuItem*>(Components(i));
    if (!item || !item->Visible()) continue;
    if (item->Caption() == QLatin1String("-")) {
      m_menu->addSeparator();
      continue;
    }
    QString text = QString(item->Caption()).replace(QLatin1Char('&'), QLatin1String("&"));
    // The menu shows what follows a tab in its shortcut column.
    if (item->ShortCut() != 0) text += QLatin1Char('\t') + ShortCutToText(item->ShortCut());
    QAction* action = m_menu->addAction(text);
    action->setEnabled(item->Enabled());
    action->setCheckable(item->Checked());
    action->setChecked(item->Checked());
    QObject::connect(action, &QAction::triggered, [item] { Application().Guard([item] { item->Click(); }); });
  }
  m_menu->popup(QPoint(x, y));
}
