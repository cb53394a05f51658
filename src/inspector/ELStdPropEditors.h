// The standard property editors, chosen by the kind of a property's type,
// and those chosen by type identity that only refine them: component name,
// caption, dates and times, tab order, modal result and shortcut. Each reads
// its value from the first object and writes to every object through the
// toolkit's conversions of values to and from text.
#pragma once

#include "inspector/ELPropEditor.h"

// The editor class for a property when nothing else decides: by the
// property's type (its identity first, then its kind).
const TELPropEditorClass& ELDefaultEditorClass(const TPropInfo& prop);

class TELOrdinalPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELOrdinalPropEditor)
  using TELPropEditor::TELPropEditor;
  // The same ordinal value in every pair.
  bool AllEqual() override;
};

class TELIntegerPropEditor : public TELOrdinalPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELIntegerPropEditor)
  using TELOrdinalPropEditor::TELOrdinalPropEditor;
  QString GetValue() override;
  // A decimal or "$" hexadecimal integer within the type's bounds.
  void SetValue(const QString& value) override;
};

class TELCharPropEditor : public TELOrdinalPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELCharPropEditor)
  using TELOrdinalPropEditor::TELOrdinalPropEditor;
  QString GetValue() override;
  void SetValue(const QString& value) override;
};

class TELEnumPropEditor : public TELOrdinalPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELEnumPropEditor)
  using TELOrdinalPropEditor::TELOrdinalPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
};

// A set: "[akLeft,akTop]", typed through the sub-rows of its elements.
class TELSetPropEditor : public TELOrdinalPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELSetPropEditor)
  using TELOrdinalPropEditor::TELOrdinalPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) override;
};

// One element of a set: "True" or "False". Writing changes that element in
// each object's own set and keeps the object's other elements.
class TELSetElemPropEditor : public TELNestedPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELSetElemPropEditor)
  TELSetElemPropEditor(const TELPropEditor& parent, int element);
  int Element() const { return m_element; }
  TELPropEditorAttributes GetAttributes() override;
  QString GetName() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  // "True" or "False" in any letter case; other text is refused.
  void SetValue(const QString& value) override;
  bool AllEqual() override;

 private:
  bool InSet(int64_t ordinal) const;
  int m_element;
};

class TELShortCutPropEditor : public TELOrdinalPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELShortCutPropEditor)
  using TELOrdinalPropEditor::TELOrdinalPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
};

// The tab order: an integer shown for one object at a time.
class TELTabOrderPropEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELTabOrderPropEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  TELPropEditorAttributes GetAttributes() override;
};

class TELModalResultPropEditor : public TELIntegerPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELModalResultPropEditor)
  using TELIntegerPropEditor::TELIntegerPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
};

class TELFloatPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELFloatPropEditor)
  using TELPropEditor::TELPropEditor;
  bool AllEqual() override;
  QString GetValue() override;
  void SetValue(const QString& value) override;
};

class TELStringPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELStringPropEditor)
  using TELPropEditor::TELPropEditor;
  bool AllEqual() override;
  QString GetValue() override;
  void SetValue(const QString& value) override;
};

// The component name: one object at a time, never among the sub-rows of a
// component reference; the component refuses invalid names itself.
class TELComponentNamePropEditor : public TELStringPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELComponentNamePropEditor)
  using TELStringPropEditor::TELStringPropEditor;
  TELPropEditorAttributes GetAttributes() override;
};

// A caption: every keystroke is written to every object.
class TELCaptionPropEditor : public TELStringPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELCaptionPropEditor)
  using TELStringPropEditor::TELStringPropEditor;
  TELPropEditorAttributes GetAttributes() override;
};

class TELInt64PropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELInt64PropEditor)
  using TELPropEditor::TELPropEditor;
  bool AllEqual() override;
  QString GetValue() override;
  void SetValue(const QString& value) override;
};

// Dates, times and both, in the locale's formats; 0 is the empty text.
class TELDateTimePropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELDateTimePropEditor)
  using TELPropEditor::TELPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void SetValue(const QString& value) override;

 protected:
  virtual QString ToText(double value) const;
  virtual bool FromText(const QString& text, double& value) const;
  virtual const char* ErrorFormat() const { return "'%s' is not a valid date and time"; }
};

class TELDatePropEditor : public TELDateTimePropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELDatePropEditor)
  using TELDateTimePropEditor::TELDateTimePropEditor;

 protected:
  QString ToText(double value) const override;
  bool FromText(const QString& text, double& value) const override;
  const char* ErrorFormat() const override { return "'%s' is not a valid date"; }
};

class TELTimePropEditor : public TELDateTimePropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELTimePropEditor)
  using TELDateTimePropEditor::TELDateTimePropEditor;

 protected:
  QString ToText(double value) const override;
  bool FromText(const QString& text, double& value) const override;
  const char* ErrorFormat() const override { return "'%s' is not a valid time"; }
};

// An object-valued property of a class that is no component: "(TypeName)",
// expanding into the object's own properties.
class TELClassPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELClassPropEditor)
  using TELPropEditor::TELPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) override;
};

// A reference to another component, chosen by name from the host's list.
class TELComponentPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELComponentPropEditor)
  using TELPropEditor::TELPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  bool AllEqual() override;
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
  void GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) override;
};

class TELVariantPropEditor : public TELPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELVariantPropEditor)
  using TELPropEditor::TELPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetValue() override;
  void SetValue(const QString& value) override;
  void GetSubProperties(TELPropEditorList& result, const TELGetEditorClass& getEditorClass) override;
};

// The type of a variant: "Integer", "String", ... A type change that the
// value does not survive is refused and the value stays.
class TELVariantTypePropEditor : public TELNestedPropEditor {
  VORNIK_PROP_EDITOR_CLASS(TELVariantTypePropEditor)
  using TELNestedPropEditor::TELNestedPropEditor;
  TELPropEditorAttributes GetAttributes() override;
  QString GetName() override { return QStringLiteral("Type"); }
  QString GetValue() override;
  void GetValues(QStringList& values) override;
  void SetValue(const QString& value) override;
  bool AllEqual() override;
};
