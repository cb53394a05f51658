// The property inspector: the property page over the published properties
// of one or more objects. It lists the properties all of them have in
// common, one row each sorted by name, shows a value where they agree, and
// writes typed text or a chosen value to every object through the row's
// property editor. Properties holding objects or sets expand into sub-rows.
//
// The inspector watches the components it shows: one that goes away leaves
// the inspector, whose rows are built again (after the write or dialog that
// is running, if any). The host hears of every written value through
// OnModified and refreshes the rows after changing the objects itself.
#pragma once

#include "inspector/ELPropEditor.h"
#include "inspector/ELPropsPage.h"

enum class TELPropertyInspectorPropKind { pkProperties, pkEvents, pkReadOnly };
using TELPropertyInspectorPropKinds = TSet<TELPropertyInspectorPropKind>;
const TTypeInfo& PropertyInspectorPropKindType();
const TTypeInfo& PropertyInspectorPropKindsType();

using TELPropertyInspectorOnFilterProp =
    std::function<void(TObject* sender, TObject* instance, const TPropInfo& prop, bool& includeProp)>;
using TELPropertyInspectorOnGetEditorClass = std::function<void(TObject* sender, TObject* instance,
                                                                const TPropInfo& prop,
                                                                const TELPropEditorClass*& editorClass)>;
using TELPropertyInspectorOnGetCaptionColor =
    std::function<void(TObject* sender, const TTypeInfo& propType, const QString& propName, TColor& color)>;
using TELOnGetComponent = std::function<void(TObject* sender, const QString& componentName, TComponent*& component)>;
using TELOnGetComponentNames = std::function<void(TObject* sender, const TClassInfo& cls, QStringList& result)>;
using TELOnGetComponentName = std::function<void(TObject* sender, TComponent* component, QString& name)>;

// A registration of an editor class: for properties of a type (or of a
// class type descending from it), of objects of a class (none: any) and of
// a name (empty: any).
struct TELPropertyInspectorEditorDescr {
  const TTypeInfo* PropType = nullptr;
  const TClassInfo* ObjectClass = nullptr;
  QString PropName;
  const TELPropEditorClass* EditorClass = nullptr;
};

class TELCustomPropertyInspector;

// One row of the inspector, with the property editor it owns.
class TELPropertyInspectorItem : public TELPropsPageItem {
 public:
  TELPropertyInspectorItem(TELCustomPropertyInspector* inspector, TELPropertyInspectorItem* parent);
  ~TELPropertyInspectorItem() override;

  TELCustomPropertyInspector* Inspector() const;
  TELPropertyInspectorItem* Item(int index) const;
  TELPropEditor* Editor() const { return m_editor.get(); }
  // Takes the editor, points its callbacks at the inspector and takes the
  // row's caption, look and value from it.
  void SetEditor(std::unique_ptr<TELPropEditor> editor);
  // The row's caption, edit style, expansion, read-only state and value
  // from the editor.
  void UpdateParams();

  QString DisplayValue() const override { return m_valueText; }
  // Writes a different text (letter case counts) through the editor.
  void SetDisplayValue(const QString& value) override;
  void GetValues(QStringList& values) override;
  void ListMeasureHeight(const QString& value, TCanvas& canvas, int& height) override;
  void ListMeasureWidth(const QString& value, TCanvas& canvas, int& width) override;
  void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected) override;
  void EditButtonClick() override;
  // The next value of the list, or the dialog.
  void DblClick() override;

 private:
  std::unique_ptr<TELPropEditor> m_editor;
  QString m_valueText;
};

class TELCustomPropertyInspector : public TELCustomPropsPage {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TELCustomPropertyInspector(TComponent* owner);
  ~TELCustomPropertyInspector() override;

  // The inspected objects, in the order they were added; not owned.
  void Add(TObject* object);
  void Clear();
  const std::vector<TObject*>& Objects() const { return m_objects; }
  // Builds the rows from the objects; deferred while the page is locked or
  // a value is being written.
  void Rebuild();
  // Every row takes its value from the objects again, then OnModified.
  void Modified();
  // Every row takes its value from the objects again, without OnModified:
  // for the host after it changed the objects itself.
  void RefreshValues();
  // True while a row's text is being written through its editor.
  bool Changing() const { return m_changing; }

  TELPropertyInspectorPropKinds PropKinds() const { return m_propKinds; }
  void SetPropKinds(TELPropertyInspectorPropKinds value);
  TColor ComponentRefColor() const { return m_componentRefColor; }
  void SetComponentRefColor(TColor value);
  TColor ComponentRefChildColor() const { return m_componentRefChildColor; }
  void SetComponentRefChildColor(TColor value);
  bool ExpandComponentRefs() const { return m_expandComponentRefs; }
  void SetExpandComponentRefs(bool value);
  bool ReadOnly() const { return m_readOnly; }
  void SetReadOnly(bool value);

  // Editor classes registered for properties; the last registration that
  // fits wins.
  void RegisterPropEditor(const TELPropertyInspectorEditorDescr& descr);

  TELOnGetComponent OnGetComponent;
  TELOnGetComponentNames OnGetComponentNames;
  TELOnGetComponentName OnGetComponentName;
  TELPropertyInspectorOnFilterProp OnFilterProp;
  TNotifyEvent OnModified;
  // Before a value is written through a row (typed text, a list value, a
  // dialog): the host can note the values as they were, to undo the write.
  TNotifyEvent OnWriting;
  TELPropertyInspectorOnGetCaptionColor OnGetCaptionColor;
  TELPropertyInspectorOnGetEditorClass OnGetEditorClass;

  // The editor class for a property of an object; none hides the property.
  virtual const TELPropEditorClass* GetEditorClass(TObject* instance, const TPropInfo& prop);
  virtual void GetComponent(const QString& name, TComponent*& component);
  virtual void GetComponentNames(const TClassInfo& cls, QStringList& result);
  virtual void GetComponentName(TComponent* component, QString& name);
  virtual void FilterProp(TObject* instance, const TPropInfo& prop, bool& includeProp);
  virtual void GetCaptionColor(const TTypeInfo& propType, const QString& propName, TColor& color);

 protected:
  friend class TELPropertyInspectorItem;
  std::unique_ptr<TELPropsPageItem> CreateItem(TELPropsPageItem* parent) override;
  void DoExpand(TELPropsPageItem* item) override;
  void DoCollapse(TELPropsPageItem* item) override;
  TColor GetItemCaptionColor(TELPropsPageItem* item) override;
  void Unlocked() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void CheckChanging() const;
  void DoRebuild();
  void UpdateItems();
  void Watch(TObject* object);
  void UnwatchAll();
  // Every row, depth first.
  void ForEachItem(const std::function<void(TELPropertyInspectorItem&)>& visit);
  TELGetEditorClass EditorClassChooser();

  std::vector<TObject*> m_objects;
  std::vector<TComponent*> m_watched;
  std::vector<TELPropertyInspectorEditorDescr> m_editors;
  TELPropertyInspectorPropKinds m_propKinds{TELPropertyInspectorPropKind::pkProperties};
  TColor m_componentRefColor = clMaroon;
  TColor m_componentRefChildColor = clGreen;
  bool m_expandComponentRefs = true;
  bool m_readOnly = false;
  bool m_changing = false;
  bool m_rebuildPending = false;
  // A watched component went; until the rows are built again no editor
  // reads its objects.
  bool m_objectsGone = false;
};

// The inspector control with its published settings.
class TELPropertyInspector : public TELCustomPropertyInspector {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TELPropertyInspector(TComponent* owner) : TELCustomPropertyInspector(owner) {}
};
