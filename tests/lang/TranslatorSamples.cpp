#include "lang/TranslatorSamples.h"

#include "toolkit/PropAccess.h"

namespace {

const TTypeInfo& SampleAlignType() {
  static const TTypeInfo info = TTypeInfo::Enumeration("TSampleAlign", {"alNone", "alTop", "alBottom"});
  return info;
}

const TTypeInfo& SampleAnchorsType() {
  static const TTypeInfo element = TTypeInfo::Enumeration("TSampleAnchor", {"akLeft", "akTop", "akRight", "akBottom"});
  static const TTypeInfo info = TTypeInfo::Set("TSampleAnchors", element);
  return info;
}

void AddValues(const TObject& object, const QString& prefix, QStringList& out) {
  for (const TPropInfo* p : GetPropList(object)) {
    const QString name = prefix + p->Name;
    switch (p->Kind()) {
      case TTypeKind::tkClass:
        if (const TObject* held = GetObjectProp(object, *p); held && !dynamic_cast<const TComponent*>(held)) {
          if (auto* strings = dynamic_cast<const TStrings*>(held)) {
            out << name + "=" + strings->ToStringList().join('|');
          } else if (auto* collection = dynamic_cast<const TCollection*>(held)) {
            for (int i = 0; i < collection->Count(); ++i)
              AddValues(*collection->Items(i), name + "[" + QString::number(i) + "].", out);
          } else {
            AddValues(*held, name + ".", out);
          }
        }
        break;
      case TTypeKind::tkFloat:
        out << name + "=" + QString::number(GetFloatProp(object, *p));
        break;
      case TTypeKind::tkInt64:
        out << name + "=" + QString::number(GetInt64Prop(object, *p));
        break;
      case TTypeKind::tkString:
      case TTypeKind::tkLString:
      case TTypeKind::tkWString:
        out << name + "=" + GetStrProp(object, *p);
        break;
      default:
        if (p->PropType->IsOrdinal()) out << name + "=" + QString::number(GetOrdProp(object, *p));
        break;
    }
  }
}

}  // namespace

const TClassInfo& TSampleFont::StaticClass() {
  static const TClassInfo info("TSampleFont", &TPersistent::StaticClass(), [](TClassInfo& c) {
    Publisher<TSampleFont>(c)
        .Prop("Name", Types::TFontName(), &TSampleFont::Name, &TSampleFont::SetName)
        .Prop("Size", Types::Integer(), &TSampleFont::Size, &TSampleFont::SetSize)
        .Prop("Link", TComponent::StaticClass().TypeInfo(), &TSampleFont::Link, &TSampleFont::SetLink);
  });
  return info;
}

const TClassInfo& TSampleColumn::StaticClass() {
  static const TClassInfo info("TSampleColumn", &TCollectionItem::StaticClass(), [](TClassInfo& c) {
    Publisher<TSampleColumn>(c)
        .Prop("Caption", Types::TCaption(), &TSampleColumn::Caption, &TSampleColumn::SetCaption)
        .Prop("Width", Types::Integer(), &TSampleColumn::Width, &TSampleColumn::SetWidth);
  });
  return info;
}

const TClassInfo& TSampleControl::StaticClass() {
  static const TClassInfo info("TSampleControl", &TComponent::StaticClass(), [](TClassInfo& c) {
    Publisher<TSampleControl>(c)
        .Prop("Caption", Types::TCaption(), &TSampleControl::Caption, &TSampleControl::SetCaption)
        .Prop("Hint", Types::ShortString(), &TSampleControl::Hint, &TSampleControl::SetHint)
        .Prop("WideText", Types::WideString(), &TSampleControl::WideText, &TSampleControl::SetWideText)
        .Prop("Left", Types::Integer(), &TSampleControl::Left, &TSampleControl::SetLeft)
        .Prop("Top", Types::Integer(), &TSampleControl::Top, &TSampleControl::SetTop)
        .Prop("Width", Types::Integer(), &TSampleControl::Width, &TSampleControl::SetWidth)
        .Prop("Height", Types::Integer(), &TSampleControl::Height, &TSampleControl::SetHeight)
        .Prop("Visible", Types::Boolean(), &TSampleControl::Visible, &TSampleControl::SetVisible)
        .Prop("Anchors", SampleAnchorsType(), &TSampleControl::Anchors, &TSampleControl::SetAnchors)
        .Prop("Align", SampleAlignType(), &TSampleControl::Align, &TSampleControl::SetAlign)
        .Prop("Ratio", Types::Single(), &TSampleControl::Ratio, &TSampleControl::SetRatio)
        .Prop("Letter", Types::Char(), &TSampleControl::Letter, &TSampleControl::SetLetter)
        .Prop("Huge", Types::Int64(), &TSampleControl::Huge, &TSampleControl::SetHuge)
        .ReadOnly("Version", Types::Integer(), &TSampleControl::Version)
        .Prop("Font", TSampleFont::StaticClass().TypeInfo(), &TSampleControl::Font, &TSampleControl::SetFont)
        .Prop("Lines", TStringList::StaticClass().TypeInfo(), &TSampleControl::Lines, &TSampleControl::SetLines)
        .Prop("Columns", TCollection::StaticClass().TypeInfo(), &TSampleControl::Columns,
              &TSampleControl::SetColumns)
        .Prop("Buddy", TComponent::StaticClass().TypeInfo(), &TSampleControl::Buddy, &TSampleControl::SetBuddy);
  });
  return info;
}

TSampleControl::TSampleControl(TComponent* owner, const QString& name)
    : TComponent(owner),
      m_columns(std::make_unique<TCollection>(TSampleColumn::StaticClass(),
                                              [](TCollection* c) { return new TSampleColumn(c); })) {
  SetName(name);
  for (const char* caption : {"Name", "Year"}) static_cast<TSampleColumn*>(m_columns->Add())->SetCaption(caption);
}

const TClassInfo& TSampleFrame::StaticClass() {
  static const TClassInfo info("TSampleFrame", &TFrame::StaticClass());
  return info;
}

const TClassInfo& TSampleSubFrame::StaticClass() {
  static const TClassInfo info("TSampleSubFrame", &TSampleFrame::StaticClass());
  return info;
}

QStringList Snapshot(const TComponent& root) {
  QStringList out;
  AddValues(root, root.Name() + ".", out);
  for (int i = 0; i < root.ComponentCount(); ++i) out << Snapshot(*root.Components(i));
  return out;
}
