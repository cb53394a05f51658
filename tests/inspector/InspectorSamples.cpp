#include "InspectorSamples.h"

#include "toolkit/Application.h"

#include <QLineEdit>
#include <QTest>

const TTypeInfo& InspModeType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TInspMode", {"imOff", "imOn", "imAuto"});
  return info;
}

const TTypeInfo& InspSidesType() {
  static const TTypeInfo side = TTypeInfo::Enumeration("TInspSide", {"isLeft", "isTop", "isRight", "isBottom"});
  static const TTypeInfo info = TTypeInfo::Set("TInspSides", side);
  return info;
}

const TTypeInfo& InspFlagType() {
  // A Boolean of another size: its range reaches below 0.
  static const TTypeInfo info = [] {
    TTypeInfo t = TTypeInfo::Enumeration("LongBool", {"False", "True"});
    t.OrdType = TOrdType::otSLong;
    t.MinValue = -2147483647 - 1;
    t.MaxValue = 2147483647;
    return t;
  }();
  return info;
}

const TClassInfo& TInspDetail::StaticClass() {
  static const TClassInfo info("TInspDetail", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TInspDetail>(c)
        .Prop("Size", Types::Integer(), &TInspDetail::Size, &TInspDetail::SetSize)
        .Prop("Label", Types::String(), &TInspDetail::Label, &TInspDetail::SetLabel);
  });
  return info;
}

void TInspected::SetCount(int v) {
  if (freeOnCount) {
    TComponent* going = freeOnCount;
    freeOnCount = nullptr;
    TComponent::Free(going);
  }
  if (countLimit >= 0 && v > countLimit) throw EPropertyError(QStringLiteral("Count is too large"));
  m_count = v;
  ++countWrites;
}

void TInspected::SetBuddy(TComponent* v) {
  if (m_buddy) m_buddy->RemoveFreeNotification(this);
  m_buddy = v;
  if (v) v->FreeNotification(this);
}

void TInspected::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == m_buddy) m_buddy = nullptr;
}

const TClassInfo& TInspected::StaticClass() {
  using T = TInspected;
  static const TClassInfo info("TInspected", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<T>(c)
        .Prop("Count", Types::Integer(), &T::Count, &T::SetCount)
        .Prop("Big", Types::Cardinal(), &T::Big, &T::SetBig)
        .Prop("Letter", Types::Char(), &T::Letter, &T::SetLetter)
        .Prop("Mode", InspModeType(), &T::Mode, &T::SetMode)
        .Prop("Enabled", Types::Boolean(), &T::Enabled, &T::SetEnabled)
        .Prop("Flag", InspFlagType(), &T::Flag, &T::SetFlag)
        .Prop("Sides", InspSidesType(), &T::Sides, &T::SetSides)
        .Prop("Ratio", Types::Single(), &T::Ratio, &T::SetRatio)
        .Prop("Amount", Types::Double(), &T::Amount, &T::SetAmount)
        .Prop("Day", Types::TDate(), &T::Day, &T::SetDay)
        .Prop("Huge", Types::Int64(), &T::Huge, &T::SetHuge)
        .Prop("Text", Types::String(), &T::Text, &T::SetText)
        .Prop("Caption", Types::TCaption(), &T::Caption, &T::SetCaption)
        .Prop("Value", Types::Variant(), &T::Value, &T::SetValue)
        .Prop("Keys", Types::TShortCut(), &T::Keys, &T::SetKeys)
        .Prop("Result", Types::TModalResult(), &T::Result, &T::SetResult)
        .Prop("Order", Types::TTabOrder(), &T::Order, &T::SetOrder)
        .Prop("Color", Types::TColor(), &T::Color, &T::SetColor)
        .Prop("Detail", TInspDetail::StaticClass().TypeInfo(), &T::Detail, &T::SetDetail)
        .Prop("Buddy", TComponent::StaticClass().TypeInfo(), &T::Buddy, &T::SetBuddy)
        .Prop("OnClick", Types::Method(), &T::OnClick, &T::SetOnClick)
        .ReadOnly("Version", Types::Integer(), &T::Version);
  });
  return info;
}

const TClassInfo& TInspOther::StaticClass() {
  using T = TInspOther;
  static const TClassInfo info("TInspOther", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<T>(c)
        .Prop("Count", Types::Integer(), &T::Count, &T::SetCount)
        .Prop("Mode", Types::String(), &T::Mode, &T::SetMode)
        .Prop("Text", Types::String(), &T::Text, &T::SetText)
        .Prop("Version", Types::Integer(), &T::Version, &T::SetVersion);
  });
  return info;
}

// ---- InspectorTest ----

InspectorTest::InspectorTest() {
  form = new TForm(nullptr);
  form->SetClientSize(300, 400);
  inspector = new TELPropertyInspector(form);
  inspector->SetParent(form);
  inspector->SetBounds(10, 10, 217, 185);
  form->Show();
}

InspectorTest::~InspectorTest() { TComponent::Free(form); }

namespace {

TELPropertyInspectorItem* FindIn(const std::function<int()>& count, const std::function<TELPropsPageItem*(int)>& at,
                                 const QString& caption) {
  for (int i = 0; i < count(); ++i)
    if (at(i)->Caption() == caption) return static_cast<TELPropertyInspectorItem*>(at(i));
  return nullptr;
}

}  // namespace

TELPropertyInspectorItem* InspectorTest::Row(const QString& path) const {
  const QStringList parts = path.split(QLatin1Char('.'));
  TELPropertyInspectorItem* item = FindIn([this] { return inspector->Items().Count(); },
                                          [this](int i) { return inspector->Items().Item(i); }, parts[0]);
  for (int k = 1; item && k < parts.size(); ++k) {
    TELPropertyInspectorItem* parent = item;
    item = FindIn([parent] { return parent->Count(); }, [parent](int i) { return parent->Item(i); }, parts[k]);
  }
  if (!item) ADD_FAILURE() << "no row " << path.toStdString() << "; rows: " << Captions().join(", ").toStdString();
  return item;
}

bool InspectorTest::HasRow(const QString& path) const {
  return Captions().contains(QString(path.count(QLatin1Char('.')) * 2, QLatin1Char(' ')) + path.section(QLatin1Char('.'), -1));
}

QStringList InspectorTest::Captions() const {
  QStringList captions;
  for (int r = 0; r < inspector->RowCount(); ++r) {
    const TELPropsPageItem* item = inspector->ItemAtRow(r);
    captions << QString(item->Level() * 2, QLatin1Char(' ')) + item->Caption();
  }
  return captions;
}

void InspectorTest::Type(const QString& path, const QString& text) {
  TELPropertyInspectorItem* item = Row(path);
  if (!item) return;
  Application().Guard([&] { inspector->SetRow(item->Row()); });
  QLineEdit* edit = inspector->InplaceEditor()->LineEdit();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
  QTest::keyClick(edit, Qt::Key_Return);
}

QStringList InspectorTest::Errors() {
  QStringList messages;
  for (const auto& [cls, message] : dialogs->errors) messages << message;
  return messages;
}
