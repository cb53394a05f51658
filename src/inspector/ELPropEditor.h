// The property editor framework: an editor holds the (object, property)
// pairs of one row of the inspector, one per inspected object, turns the
// property's value into the row's text and typed text back into a value,
// offers values, builds the sub-rows of its row and runs a dialog. Editors
// are created through their class descriptions, so that the inspector can
// tell whether every object gets the same editor class.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/PropAccess.h"
#include "toolkit/SysUtils.h"

#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class TCanvas;
class TELPropEditor;

VORNIK_EXCEPTION(EELPropEditor, Exception);

enum class TELPropEditorAttribute {
  eaValueList,              // the editor offers a list of values
  eaSubProperties,          // the row expands into sub-rows
  eaDialog,                 // the editor has a dialog
  eaMultiSelect,            // the row may appear for several objects
  eaSortList,               // the value list is sorted
  eaReadOnly,               // the value cannot be typed
  eaVolatileSubProperties,  // the sub-rows are built again after a value change
  eaNotNestable,            // left out among the sub-rows of a component reference
  eaAutoUpdate,             // every keystroke is written at once
  eaOwnerDrawValues,        // list entries are measured and drawn by the editor
  eaComponentRef,           // the property refers to another component
};
using TELPropEditorAttributes = TSet<TELPropEditorAttribute>;

// An editor class: its name, its base class and how to create one for a
// number of objects. Every editor class has exactly one description.
class TELPropEditorClass {
 public:
  using Factory = std::function<std::unique_ptr<TELPropEditor>(int propCount)>;
  TELPropEditorClass(const char* name, const TELPropEditorClass* parent, Factory factory);
  TELPropEditorClass(const TELPropEditorClass&) = delete;
  TELPropEditorClass& operator=(const TELPropEditorClass&) = delete;

  const QString& Name() const { return m_name; }
  const TELPropEditorClass* Parent() const { return m_parent; }
  bool InheritsFrom(const TELPropEditorClass& other) const;
  std::unique_ptr<TELPropEditor> Create(int propCount) const { return m_factory(propCount); }

 private:
  QString m_name;
  const TELPropEditorClass* m_parent;
  Factory m_factory;
};

// Declares the class description of an editor class (defined with its
// TELPropEditorClass in the source).
#define VORNIK_PROP_EDITOR_CLASS(E)                                  \
 public:                                                             \
  static const TELPropEditorClass& StaticClass();                    \
  const TELPropEditorClass& ClassType() const override { return StaticClass(); }

// Defines the class description of an editor class that is made by class.
#define VORNIK_DEFINE_PROP_EDITOR(E, Base)                                                                  \
  const TELPropEditorClass& E::StaticClass() {                                                              \
    static const TELPropEditorClass info(#E, &Base::StaticClass(),                                         \
                                         [](int n) -> std::unique_ptr<TELPropEditor> {                      \
                                           return std::make_unique<E>(n);                                   \
                                         });                                                                \
    return info;                                                                                            \
  }

// One (object, property) pair of an editor. The object is none once it has
// gone away (the inspector hears of that and rebuilds its rows).
struct TELPropEntry {
  TObject* Instance = nullptr;
  const TPropInfo* PropInfo = nullptr;
};

// The inspector's choice of an editor class for a property of an object.
using TELGetEditorClass = std::function<const TELPropEditorClass*(TObject* instance, const TPropInfo& prop)>;
using TELPropEditorList = std::vector<std::unique_ptr<TELPropEditor>>;

class TELPropEditor {
 public:
  static const TELPropEditorClass& StaticClass();
  virtual const TELPropEditorClass& ClassType() const { return StaticClass(); }

  explicit TELPropEditor(int propCount);
  virtual ~TELPropEditor();
  TELPropEditor(const TELPropEditor&) = delete;
  TELPropEditor& operator=(const TELPropEditor&) = delete;

  // The value of the row: "(Unknown)" in the base.
  virtual QString GetValue();
  // Writes typed text to every object; the base does nothing.
  virtual void SetValue(const QString& value);
  virtual TELPropEditorAttributes GetAttributes();
  // Appends the values the row offers.
  virtual void GetValues(QStringList& values);
  // Appends new editors for the sub-rows.
  virtual void GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass);
  // The caption of the row: the first pair's property name.
  virtual QString GetName();
  // Whether every object agrees on the value; the base: one object.
  virtual bool AllEqual();
  // Runs the editor's dialog.
  virtual void Edit();
  virtual void ListMeasureHeight(const QString& value, TCanvas& canvas, int& height);
  virtual void ListMeasureWidth(const QString& value, TCanvas& canvas, int& width);
  virtual void ListDrawValue(const QString& value, TCanvas& canvas, const QRect& rect, bool selected);

  int PropCount() const { return static_cast<int>(m_props->size()); }
  // The first object's property has no setter.
  bool NoSetter() const { return m_noSetter; }
  void SetNoSetter(bool value) { m_noSetter = value; }
  TObject* InstanceAt(int index) const { return Entry(index).Instance; }
  const TPropInfo& PropInfoAt(int index) const { return *Entry(index).PropInfo; }
  const TTypeInfo& PropTypeInfo() const { return *PropInfoAt(0).PropType; }
  void SetPropEntry(int index, TObject* instance, const TPropInfo* prop);
  // An object that goes away leaves every pair that held it.
  void ForgetInstance(const TObject* instance);
  // Every pair whose object `gone` picks drops it.
  void ForgetInstancesIf(const std::function<bool(const TObject* instance)>& gone);
  // No pair has lost its object: a dialog's choice may be written.
  bool AllInstancesPresent() const;

  // Reads pair `index`; a pair whose object has gone reads as empty.
  int64_t GetOrdValueAt(int index) const;
  int64_t GetInt64ValueAt(int index) const;
  double GetFloatValueAt(int index) const;
  QString GetStrValueAt(int index) const;
  TVariant GetVarValueAt(int index) const;
  TObject* GetObjValueAt(int index) const;
  // Write the value to every pair, then Modified. Every pair's setter is
  // checked before the first write ("Cannot modify a read-only value!").
  // When a setter fails, what was written stays, Modified reports it, and
  // the error propagates.
  void SetOrdValue(int64_t value);
  void SetInt64Value(int64_t value);
  void SetFloatValue(double value);
  void SetStrValue(const QString& value);
  void SetVarValue(const TVariant& value);
  void SetObjValue(TObject* value);

  // GetValue when every object agrees, otherwise the empty text.
  QString DisplayText();
  void Modified();
  TComponent* GetComponent(const QString& name);
  void GetComponentNames(const TClassInfo& cls, QStringList& result);
  // The component's Name, or what the host makes of it.
  QString GetComponentName(TComponent* component);

  // Set by the row that owns the editor; they lead to the inspector.
  std::function<void()> OnModified;
  std::function<void(const QString& name, TComponent*& component)> OnGetComponent;
  std::function<void(const TClassInfo& cls, QStringList& result)> OnGetComponentNames;
  std::function<void(TComponent* component, QString& name)> OnGetComponentName;

 protected:
  // An editor over the pairs of another one (the sub-rows of a set or a
  // variant); the pairs are shared and live as long as either editor.
  explicit TELPropEditor(const TELPropEditor& parent, int);
  // Writes each pair through `write`, with the checks and the reporting of
  // the Set...Value family.
  void WritePairs(const std::function<void(TObject& instance, const TPropInfo& prop)>& write);
  // Whether `valueAt` gives every pair the value it gives the first.
  template <class F>
  bool SameForEveryPair(F valueAt) const {
    const auto first = valueAt(0);
    for (int i = 1; i < PropCount(); ++i)
      if (!(valueAt(i) == first)) return false;
    return true;
  }

 private:
  const TELPropEntry& Entry(int index) const;
  std::shared_ptr<std::vector<TELPropEntry>> m_props;
  bool m_noSetter = false;
};

// An editor of a sub-row over its parent's pairs.
class TELNestedPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELNestedPropEditor)
  explicit TELNestedPropEditor(const TELPropEditor& parent) : TELPropEditor(parent, 0) {}
  QString GetName() override { return QStringLiteral("SubProp"); }
};

// The editors of the properties several objects have in common: the
// properties of the first object sorted by name, each kept only when every
// other object has a property of that name (letter case ignored) and of the
// identical type, every object gets the same editor class, and the editor
// allows several objects (and, for sub-rows of a component reference, may
// appear there).
void ELCollectEditors(const std::vector<TObject*>& objects, bool nested, const TELGetEditorClass& getEditorClass,
                      TELPropEditorList& result);

// Property names as the inspector sorts them: byte by byte with bit 0x20 of
// each byte cleared, the shorter of two names first when one begins the other.
bool ELPropNameLess(const QString& a, const QString& b);
