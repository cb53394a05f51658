#include "inspector/ELPropInsp.h"

#include "inspector/ELStdPropEditors.h"
#include "toolkit/Edit.h"

#include <algorithm>

using A = TELPropEditorAttribute;

const TTypeInfo& PropertyInspectorPropKindType() {
  static const TTypeInfo info =
      TTypeInfo::Enumeration("TELPropertyInspectorPropKind", {"pkProperties", "pkEvents", "pkReadOnly"});
  return info;
}

const TTypeInfo& PropertyInspectorPropKindsType() {
  static const TTypeInfo info = TTypeInfo::Set("TELPropertyInspectorPropKinds", PropertyInspectorPropKindType());
  return info;
}

// ---- TELPropertyInspectorItem ----

TELPropertyInspectorItem::TELPropertyInspectorItem(TELCustomPropertyInspector* inspector,
                                                   TELPropertyInspectorItem* parent)
    : TELPropsPageItem(inspector, parent) {}

TELPropertyInspectorItem::~TELPropertyInspectorItem() {
  // The children share this editor's pairs, so they go first.
  Clear();
}

TELCustomPropertyInspector* TELPropertyInspectorItem::Inspector() const {
  return static_cast<TELCustomPropertyInspector*>(Owner());
}

TELPropertyInspectorItem* TELPropertyInspectorItem::Item(int index) const {
  return static_cast<TELPropertyInspectorItem*>(TELPropsPageItem::Item(index));
}

void TELPropertyInspectorItem::SetEditor(std::unique_ptr<TELPropEditor> editor) {
  m_editor = std::move(editor);
  TELCustomPropertyInspector* inspector = Inspector();
  m_editor->OnModified = [inspector] { inspector->Modified(); };
  m_editor->OnGetComponent = [inspector](const QString& name, TComponent*& component) {
    inspector->GetComponent(name, component);
  };
  m_editor->OnGetComponentNames = [inspector](const TClassInfo& cls, QStringList& result) {
    inspector->GetComponentNames(cls, result);
  };
  m_editor->OnGetComponentName = [inspector](TComponent* component, QString& name) {
    inspector->GetComponentName(component, name);
  };
  // The objects of the top rows are the inspected ones, watched already;
  // sub-rows may show others (objects held or referenced by them).
  if (Parent())
    for (int i = 0; i < m_editor->PropCount(); ++i) inspector->Watch(m_editor->InstanceAt(i));
  UpdateParams();
}

void TELPropertyInspectorItem::UpdateParams() {
  if (!m_editor) return;
  TELCustomPropertyInspector* inspector = Inspector();
  inspector->Locked([&] {
    SetCaption(m_editor->GetName());
    const TELPropEditorAttributes a = m_editor->GetAttributes();
    if (a.Contains(A::eaValueList) && !inspector->ReadOnly()) SetEditStyle(TELPropEditStyle::esPickList);
    else if (a.Contains(A::eaDialog) && !inspector->ReadOnly()) SetEditStyle(TELPropEditStyle::esEllipsis);
    else SetEditStyle(TELPropEditStyle::esSimple);
    const bool expands =
        a.Contains(A::eaSubProperties) && (!a.Contains(A::eaComponentRef) || inspector->ExpandComponentRefs());
    SetExpandable(expands ? TELPropsPageItemExpandable::exAlways : TELPropsPageItemExpandable::exNever);
    SetReadOnly(a.Contains(A::eaReadOnly) || inspector->ReadOnly() || m_editor->NoSetter());
    SetAutoUpdate(a.Contains(A::eaAutoUpdate));
    SetOwnerDrawValues(a.Contains(A::eaOwnerDrawValues));
    const QString text = m_editor->DisplayText();
    if (text != m_valueText) {
      m_valueText = text;
      Change();
    }
  });
}

void TELPropertyInspectorItem::SetDisplayValue(const QString& value) {
  if (!m_editor || value == m_valueText) return;
  TELCustomPropertyInspector* inspector = Inspector();
  if (inspector->OnWriting) inspector->OnWriting(inspector);
  // Locked: a rebuild that the write causes (a component going, the host
  // changing the objects from a dialog) waits until the write is over.
  inspector->Locked([&] {
    const QString old = m_valueText;
    {
      inspector->m_changing = true;
      struct Done {
        bool& flag;
        ~Done() { flag = false; }
      } done{inspector->m_changing};
      m_editor->SetValue(value);
    }
    if (inspector->m_objectsGone) return;
    m_valueText = m_editor->DisplayText();
    if (m_valueText == old) return;
    Change();
    if (Expanded() && m_editor->GetAttributes().Contains(A::eaVolatileSubProperties)) {
      Collapse();
      Expand();
    }
  });
}

void TELPropertyInspectorItem::GetValues(QStringList& values) {
  if (!m_editor) return;
  QStringList fresh;
  m_editor->GetValues(fresh);
  if (m_editor->GetAttributes().Contains(A::eaSortList))
    std::stable_sort(fresh.begin(), fresh.end(),
                     [](const QString& x, const QString& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
  values << fresh;
}

void TELPropertyInspectorItem::ListMeasureHeight(const QString& value, TCanvas& canvas, int& height) {
  if (m_editor) m_editor->ListMeasureHeight(value, canvas, height);
}

void TELPropertyInspectorItem::ListMeasureWidth(const QString& value, TCanvas& canvas, int& width) {
  if (m_editor) m_editor->ListMeasureWidth(value, canvas, width);
}

void TELPropertyInspectorItem::ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) {
  if (m_editor) m_editor->ListDrawValue(value, canvas, rect, selected);
}

void TELPropertyInspectorItem::EditButtonClick() {
  if (!m_editor || Inspector()->ReadOnly()) return;
  // A dialog may let the host clear or refill the inspector: the rows are
  // built again once the dialog's editor is done.
  TELCustomPropertyInspector* inspector = Inspector();
  if (inspector->OnWriting) inspector->OnWriting(inspector);
  inspector->Locked([&] { m_editor->Edit(); });
}

void TELPropertyInspectorItem::DblClick() {
  if (!m_editor || Inspector()->ReadOnly()) return;
  const TELPropEditorAttributes a = m_editor->GetAttributes();
  if (a.Contains(A::eaValueList) && !a.Contains(A::eaDialog)) {
    QStringList values;
    GetValues(values);
    if (values.isEmpty()) return;
    int at = -1;
    for (int i = 0; i < values.size() && at < 0; ++i)
      if (values[i].compare(m_valueText, Qt::CaseInsensitive) == 0) at = i;
    SetDisplayValue(values[at < 0 || at + 1 >= values.size() ? 0 : at + 1]);
  } else if (a.Contains(A::eaDialog)) {
    EditButtonClick();
  }
}

// ---- TELCustomPropertyInspector ----

const TClassInfo& TELCustomPropertyInspector::StaticClass() {
  static const TClassInfo info("TELCustomPropertyInspector", &TELCustomPropsPage::StaticClass());
  return info;
}

TELCustomPropertyInspector::TELCustomPropertyInspector(TComponent* owner) : TELCustomPropsPage(owner) {}

TELCustomPropertyInspector::~TELCustomPropertyInspector() {
  UnwatchAll();
  m_objects.clear();
}

std::unique_ptr<TELPropsPageItem> TELCustomPropertyInspector::CreateItem(TELPropsPageItem* parent) {
  return std::make_unique<TELPropertyInspectorItem>(this, static_cast<TELPropertyInspectorItem*>(parent));
}

void TELCustomPropertyInspector::CheckChanging() const {
  if (m_changing)
    throw EELPropsPage(QStringLiteral("Property inspector is changing property value. Can not change objects"));
}

void TELCustomPropertyInspector::Add(TObject* object) {
  CheckChanging();
  m_objects.push_back(object);
  Rebuild();
}

void TELCustomPropertyInspector::Clear() {
  CheckChanging();
  m_objects.clear();
  Rebuild();
}

void TELCustomPropertyInspector::Rebuild() {
  if (Updating() || m_changing) {
    m_rebuildPending = true;
    return;
  }
  DoRebuild();
}

void TELCustomPropertyInspector::DoRebuild() {
  m_rebuildPending = false;
  m_objectsGone = false;
  UnwatchAll();
  Locked([&] {
    Items().Clear();
    for (TObject* object : m_objects) Watch(object);
    if (m_objects.empty()) return;
    TELPropEditorList editors;
    ELCollectEditors(m_objects, false, EditorClassChooser(), editors);
    Items().SetCount(static_cast<int>(editors.size()));
    for (size_t i = 0; i < editors.size(); ++i)
      static_cast<TELPropertyInspectorItem*>(Items().Item(static_cast<int>(i)))->SetEditor(std::move(editors[i]));
  });
}

void TELCustomPropertyInspector::Unlocked() {
  if (m_rebuildPending) DoRebuild();
  TELCustomPropsPage::Unlocked();
}

void TELCustomPropertyInspector::ForEachItem(const std::function<void(TELPropertyInspectorItem&)>& visit) {
  std::vector<TELPropertyInspectorItem*> stack;
  for (int i = Items().Count() - 1; i >= 0; --i)
    stack.push_back(static_cast<TELPropertyInspectorItem*>(Items().Item(i)));
  while (!stack.empty()) {
    TELPropertyInspectorItem* item = stack.back();
    stack.pop_back();
    visit(*item);
    for (int i = item->Count() - 1; i >= 0; --i) stack.push_back(item->Item(i));
  }
}

void TELCustomPropertyInspector::UpdateItems() {
  Locked([&] { ForEachItem([](TELPropertyInspectorItem& item) { item.UpdateParams(); }); });
}

void TELCustomPropertyInspector::Modified() {
  if (!m_objectsGone) UpdateItems();
  if (OnModified) OnModified(this);
}

void TELCustomPropertyInspector::RefreshValues() {
  if (!m_objectsGone) UpdateItems();
}

void TELCustomPropertyInspector::Watch(TObject* object) {
  auto* component = dynamic_cast<TComponent*>(object);
  if (!component || component == this) return;
  if (std::find(m_watched.begin(), m_watched.end(), component) != m_watched.end()) return;
  component->FreeNotification(this);
  m_watched.push_back(component);
}

void TELCustomPropertyInspector::UnwatchAll() {
  for (TComponent* component : m_watched) component->RemoveFreeNotification(this);
  m_watched.clear();
}

void TELCustomPropertyInspector::Notification(TComponent* component, TOperation operation) {
  TELCustomPropsPage::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  const auto watched = std::find(m_watched.begin(), m_watched.end(), component);
  if (watched == m_watched.end()) return;
  m_watched.erase(watched);
  // The going object is compared by its address only.
  const TObject* gone = component;
  m_objects.erase(std::remove(m_objects.begin(), m_objects.end(), gone), m_objects.end());
  // Sub-rows may also hold objects that belong to the going one (its font,
  // its lines), which no address tells apart: a sub-row keeps only objects
  // that are inspected or watched, until the rows are built again.
  auto known = [this](const TObject* o) {
    return std::find(m_objects.begin(), m_objects.end(), o) != m_objects.end() ||
           std::find(m_watched.begin(), m_watched.end(), o) != m_watched.end();
  };
  ForEachItem([&](TELPropertyInspectorItem& item) {
    if (!item.Editor()) return;
    item.Editor()->ForgetInstance(gone);
    if (item.Parent()) item.Editor()->ForgetInstancesIf([&](const TObject* o) { return !known(o); });
  });
  m_objectsGone = true;
  if (!IsDestroying()) Rebuild();
}

TELGetEditorClass TELCustomPropertyInspector::EditorClassChooser() {
  return [this](TObject* instance, const TPropInfo& prop) { return GetEditorClass(instance, prop); };
}

void TELCustomPropertyInspector::DoExpand(TELPropsPageItem* pageItem) {
  auto* item = static_cast<TELPropertyInspectorItem*>(pageItem);
  TELPropEditor* editor = item->Editor();
  if (!editor) return;
  if (editor->GetAttributes().Contains(A::eaComponentRef) && !m_expandComponentRefs) return;
  TELPropEditorList editors;
  editor->GetSubProperties(editors, EditorClassChooser());
  Locked([&] {
    // Children left from before never stay beside the new ones.
    item->Clear();
    item->SetCount(static_cast<int>(editors.size()));
    for (size_t i = 0; i < editors.size(); ++i) item->Item(static_cast<int>(i))->SetEditor(std::move(editors[i]));
  });
}

void TELCustomPropertyInspector::DoCollapse(TELPropsPageItem* item) {
  Locked([&] { item->Clear(); });
}

TColor TELCustomPropertyInspector::GetItemCaptionColor(TELPropsPageItem* pageItem) {
  auto* item = static_cast<TELPropertyInspectorItem*>(pageItem);
  auto* parent = static_cast<TELPropertyInspectorItem*>(item->Parent());
  TColor color = Font().Color();
  if (item->Editor() && item->Editor()->GetAttributes().Contains(A::eaComponentRef)) color = m_componentRefColor;
  else if (parent && parent->Editor() && parent->Editor()->GetAttributes().Contains(A::eaComponentRef))
    color = m_componentRefChildColor;
  if (item->Editor()) GetCaptionColor(item->Editor()->PropTypeInfo(), item->Editor()->GetName(), color);
  return color;
}

const TELPropEditorClass* TELCustomPropertyInspector::GetEditorClass(TObject* instance, const TPropInfo& prop) {
  if (OnGetEditorClass) {
    const TELPropEditorClass* chosen = nullptr;
    OnGetEditorClass(this, instance, prop, chosen);
    if (chosen) return chosen;
  }
  const TTypeKind kind = prop.Kind();
  const bool allowed = (m_propKinds.Contains(TELPropertyInspectorPropKind::pkProperties) &&
                        kind != TTypeKind::tkUnknown && kind != TTypeKind::tkMethod) ||
                       (m_propKinds.Contains(TELPropertyInspectorPropKind::pkEvents) && kind == TTypeKind::tkMethod);
  if (!allowed || !prop.HasGetter()) return nullptr;
  if (!prop.HasSetter() && !m_propKinds.Contains(TELPropertyInspectorPropKind::pkReadOnly) &&
      kind != TTypeKind::tkClass)
    return nullptr;
  bool include = true;
  FilterProp(instance, prop, include);
  if (!include) return nullptr;
  for (auto it = m_editors.rbegin(); it != m_editors.rend(); ++it) {
    const TELPropertyInspectorEditorDescr& d = *it;
    const TTypeInfo* type = prop.PropType;
    const bool typeFits = d.PropType == type || (d.PropType && d.PropType->Kind == TTypeKind::tkClass &&
                                                 type->Kind == TTypeKind::tkClass && d.PropType->ClassType &&
                                                 type->ClassType && type->ClassType->InheritsFrom(*d.PropType->ClassType));
    const bool classFits = !d.ObjectClass || instance->InheritsFrom(*d.ObjectClass);
    const bool nameFits = d.PropName.isEmpty() || SameText(d.PropName, prop.Name);
    if (typeFits && classFits && nameFits) return d.EditorClass;
  }
  return &ELDefaultEditorClass(prop);
}

void TELCustomPropertyInspector::RegisterPropEditor(const TELPropertyInspectorEditorDescr& descr) {
  m_editors.push_back(descr);
}

void TELCustomPropertyInspector::GetComponent(const QString& name, TComponent*& component) {
  if (OnGetComponent) OnGetComponent(this, name, component);
}

void TELCustomPropertyInspector::GetComponentNames(const TClassInfo& cls, QStringList& result) {
  if (OnGetComponentNames) OnGetComponentNames(this, cls, result);
}

void TELCustomPropertyInspector::GetComponentName(TComponent* component, QString& name) {
  if (OnGetComponentName) OnGetComponentName(this, component, name);
}

void TELCustomPropertyInspector::FilterProp(TObject* instance, const TPropInfo& prop, bool& includeProp) {
  if (OnFilterProp) OnFilterProp(this, instance, prop, includeProp);
}

void TELCustomPropertyInspector::GetCaptionColor(const TTypeInfo& propType, const QString& propName, TColor& color) {
  if (OnGetCaptionColor) OnGetCaptionColor(this, propType, propName, color);
}

void TELCustomPropertyInspector::SetPropKinds(TELPropertyInspectorPropKinds value) {
  if (value == m_propKinds) return;
  m_propKinds = value;
  Rebuild();
}

void TELCustomPropertyInspector::SetComponentRefColor(TColor value) {
  m_componentRefColor = value;
  Invalidate();
}

void TELCustomPropertyInspector::SetComponentRefChildColor(TColor value) {
  m_componentRefChildColor = value;
  Invalidate();
}

void TELCustomPropertyInspector::SetExpandComponentRefs(bool value) {
  if (value == m_expandComponentRefs) return;
  m_expandComponentRefs = value;
  Rebuild();
}

void TELCustomPropertyInspector::SetReadOnly(bool value) {
  if (value == m_readOnly) return;
  m_readOnly = value;
  Rebuild();
}

// ---- TELPropertyInspector ----

namespace {

template <class E>
const TTypeInfo& EventType(const char* name) {
  static const TTypeInfo info = TTypeInfo::Simple(TTypeKind::tkMethod, name);
  return info;
}

}  // namespace

const TClassInfo& TELPropertyInspector::StaticClass() {
  using I = TELPropertyInspector;
  static const TClassInfo info("TELPropertyInspector", &TELCustomPropertyInspector::StaticClass(), [](TClassInfo& c) {
    Publisher<I>(c)
        .Prop("PropKinds", PropertyInspectorPropKindsType(), &I::PropKinds, &I::SetPropKinds)
        .Prop("ComponentRefColor", Types::TColor(), &I::ComponentRefColor, &I::SetComponentRefColor)
        .Prop("ComponentRefChildColor", Types::TColor(), &I::ComponentRefChildColor, &I::SetComponentRefChildColor)
        .Prop("ExpandComponentRefs", Types::Boolean(), &I::ExpandComponentRefs, &I::SetExpandComponentRefs)
        .Prop("ReadOnly", Types::Boolean(), &I::ReadOnly, &I::SetReadOnly)
        .Prop("Splitter", Types::Integer(), &I::Splitter, &I::SetSplitter)
        .Prop("ValuesColor", Types::TColor(), &I::ValuesColor, &I::SetValuesColor)
        .Prop("BorderStyle", BorderStyleType(),
              [](const I& i) { return i.BorderSingle() ? TBorderStyle::bsSingle : TBorderStyle::bsNone; },
              [](I& i, TBorderStyle v) { i.SetBorderSingle(v == TBorderStyle::bsSingle); })
        .Prop("OnGetComponent", EventType<TELOnGetComponent>("TELOnGetComponent"),
              [](const I& i) { return i.OnGetComponent; }, [](I& i, TELOnGetComponent e) { i.OnGetComponent = e; })
        .Prop("OnGetComponentNames", EventType<TELOnGetComponentNames>("TELOnGetComponentNames"),
              [](const I& i) { return i.OnGetComponentNames; },
              [](I& i, TELOnGetComponentNames e) { i.OnGetComponentNames = e; })
        .Prop("OnGetComponentName", EventType<TELOnGetComponentName>("TELOnGetComponentName"),
              [](const I& i) { return i.OnGetComponentName; },
              [](I& i, TELOnGetComponentName e) { i.OnGetComponentName = e; })
        .Prop("OnFilterProp", EventType<TELPropertyInspectorOnFilterProp>("TELPropertyInspectorOnFilterProp"),
              [](const I& i) { return i.OnFilterProp; },
              [](I& i, TELPropertyInspectorOnFilterProp e) { i.OnFilterProp = e; })
        .Prop("OnModified", Types::Method(), [](const I& i) { return i.OnModified; },
              [](I& i, TNotifyEvent e) { i.OnModified = e; })
        .Prop("OnGetCaptionColor",
              EventType<TELPropertyInspectorOnGetCaptionColor>("TELPropertyInspectorOnGetCaptionColor"),
              [](const I& i) { return i.OnGetCaptionColor; },
              [](I& i, TELPropertyInspectorOnGetCaptionColor e) { i.OnGetCaptionColor = e; })
        .Prop("OnGetEditorClass",
              EventType<TELPropertyInspectorOnGetEditorClass>("TELPropertyInspectorOnGetEditorClass"),
              [](const I& i) { return i.OnGetEditorClass; },
              [](I& i, TELPropertyInspectorOnGetEditorClass e) { i.OnGetEditorClass = e; });
    TControl::PublishStandard(c, {"Align", "Anchors", "Color", "Constraints", "Enabled", "Font", "ParentColor",
                                  "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "Visible",
                                  "OnClick", "OnDblClick", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp",
                                  "OnMouseDown", "OnMouseMove", "OnMouseUp"});
  });
  return info;
}
