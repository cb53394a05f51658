// The element model of the XML documents: elements of every kind, the child
// and attribute lists of an element, and one attribute. Each element kind
// parses itself from the document text.
#pragma once

#include "prefs/ClassStringListEx.h"
#include "prefs/JvSimpleXmlSource.h"

#include "toolkit/Object.h"

#include <cstdint>
#include <memory>

class TJvSimpleXmlElem;
class TJvSimpleXmlProps;

// One attribute: its name, namespace prefix and decoded value.
class TJvSimpleXmlProp : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TJvSimpleXmlProp(TJvSimpleXmlProps* parent, const QString& name, const QString& value);

  const QString& Name() const { return m_name; }
  const QString& Value() const { return m_value; }
  void SetValue(const QString& value) { m_value = value; }
  const QString& Namespace() const { return m_namespace; }
  void SetNamespace(const QString& value) { m_namespace = value; }
  TJvSimpleXmlProps* Parent() const { return m_parent; }

 private:
  TJvSimpleXmlProps* m_parent;
  QString m_name;
  QString m_value;
  QString m_namespace;
};

// The attributes of one element, in document order, found by name (letter
// case of A to Z ignored, the last of several matches wins).
class TJvSimpleXmlProps : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TJvSimpleXmlProps(TJvSimpleXmlElem* parent) : m_parent(parent) {}
  ~TJvSimpleXmlProps() override;

  TJvSimpleXmlElem* Parent() const { return m_parent; }
  int Count() const;
  // nullptr for an index outside 0 .. Count - 1.
  TJvSimpleXmlProp* Item(int index) const;
  TJvSimpleXmlProp* Find(const QString& name) const;
  TJvSimpleXmlProp* Add(const QString& name, const QString& value);
  void Delete(int index);
  void Delete(const QString& name);
  void Clear();

  // The value when the attribute exists (also when empty), else `fallback`.
  QString ReadText(const QString& name, const QString& fallback) const;
  // The value as a 32-bit integer widened with its sign; `fallback` when the
  // attribute is missing, its low 32 bits when the value does not parse.
  int64_t ReadInteger(const QString& name, int64_t fallback) const;
  // `fallback` when missing or empty; a number is true unless zero; "True"
  // and "False" in any letter case; any other value is false.
  bool ReadBool(const QString& name, bool fallback) const;

  // Reads the attributes of a start tag up to its "/", ">" or "?"; the
  // position is left before that character.
  void Parse(TJvSimpleXmlSource& source);

 private:
  TStringListEx& List();

  TJvSimpleXmlElem* m_parent;
  std::unique_ptr<TStringListEx> m_list;
};

// The child elements of one element, in document order, found by name like
// the attributes. The list owns its elements.
class TJvSimpleXmlElems : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TJvSimpleXmlElems(TJvSimpleXmlElem* parent) : m_parent(parent) {}
  ~TJvSimpleXmlElems() override;

  TJvSimpleXmlElem* Parent() const { return m_parent; }
  int Count() const;
  TJvSimpleXmlElem* Item(int index) const;
  TJvSimpleXmlElem* Find(const QString& name) const;
  // Appends a new empty ordinary element.
  TJvSimpleXmlElem* Add(const QString& name);
  void Delete(int index);
  void Delete(const QString& name);
  void Clear();
  int IndexOf(const TJvSimpleXmlElem* element) const;
  // Gives the entry of a renamed child its new name.
  void Rename(const TJvSimpleXmlElem* element, const QString& name);

  // Reads the content of an element up to its end tag and returns the end
  // tag's name, or the empty text when the text ends first. The position is
  // left on the end tag's ">".
  QString Parse(TJvSimpleXmlSource& source);

 private:
  friend class TJvSimpleXmlElemsProlog;
  TStringListEx& List();
  void Append(std::unique_ptr<TJvSimpleXmlElem> element);

  TJvSimpleXmlElem* m_parent;
  std::unique_ptr<TStringListEx> m_list;
};

// Base of every element kind.
class TJvSimpleXmlElem : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TJvSimpleXmlElem(TJvSimpleXmlElem* parent) : m_parent(parent) {}
  ~TJvSimpleXmlElem() override;

  const QString& Name() const { return m_name; }
  // An empty name is refused; a new name is also given to the element's
  // entry in its parent's child list.
  void SetName(const QString& name);
  TJvSimpleXmlElem* Parent() const { return m_parent; }
  const QString& Value() const { return m_value; }
  void SetValue(const QString& value) { m_value = value; }
  const QString& Namespace() const { return m_namespace; }
  void SetNamespace(const QString& value) { m_namespace = value; }

  // Created empty on first use.
  TJvSimpleXmlElems& Children();
  TJvSimpleXmlProps& Props();
  int ChildCount() const { return m_children ? m_children->Count() : 0; }
  int PropCount() const { return m_props ? m_props->Count() : 0; }

  // Frees every child and every attribute; name and value stay.
  virtual void Clear();
  // Parses the element from the source, which stands on its first character.
  virtual void Parse(TJvSimpleXmlSource& source) = 0;

 protected:
  void AssignName(const QString& name) { m_name = name; }

 private:
  TJvSimpleXmlElem* m_parent;
  QString m_name;
  QString m_value;
  QString m_namespace;
  std::unique_ptr<TJvSimpleXmlElems> m_children;
  std::unique_ptr<TJvSimpleXmlProps> m_props;
};

// An ordinary tag with attributes and content.
class TJvSimpleXmlElemClassic : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TJvSimpleXmlElem::TJvSimpleXmlElem;
  void Parse(TJvSimpleXmlSource& source) override;
};

// Text between tags.
class TJvSimpleXmlElemText : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TJvSimpleXmlElem::TJvSimpleXmlElem;
  void Parse(TJvSimpleXmlSource& source) override;
};

class TJvSimpleXmlElemComment : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TJvSimpleXmlElem::TJvSimpleXmlElem;
  void Parse(TJvSimpleXmlSource& source) override;
};

class TJvSimpleXmlElemCData : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  using TJvSimpleXmlElem::TJvSimpleXmlElem;
  void Parse(TJvSimpleXmlSource& source) override;
};

// The document type declaration; its text is kept trimmed as the value.
class TJvSimpleXmlElemDocType : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TJvSimpleXmlElemDocType(TJvSimpleXmlElem* parent);
  void Parse(TJvSimpleXmlSource& source) override;
};

// A style-sheet instruction; its attributes stay on the element.
class TJvSimpleXmlElemSheet : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TJvSimpleXmlElemSheet(TJvSimpleXmlElem* parent);
  void Parse(TJvSimpleXmlSource& source) override;
};

// The XML declaration.
class TJvSimpleXmlElemHeader : public TJvSimpleXmlElem {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  explicit TJvSimpleXmlElemHeader(TJvSimpleXmlElem* parent);
  void Parse(TJvSimpleXmlSource& source) override;

  const QString& Version() const { return m_version; }
  const QString& Encoding() const { return m_encoding; }
  bool StandAlone() const { return m_standAlone; }

 private:
  QString m_version = QStringLiteral("1.0");
  QString m_encoding = QStringLiteral("iso-8859-1");
  bool m_standAlone = false;
};

// The prolog of a document: declaration, comments, document type and style
// sheets, in document order.
class TJvSimpleXmlElemsProlog : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TJvSimpleXmlElemsProlog();
  ~TJvSimpleXmlElemsProlog() override;

  int Count() const { return m_items.Count(); }
  TJvSimpleXmlElem* Item(int index) const;
  TJvSimpleXmlElem* Find(const QString& name) const;
  void Clear() { m_items.Clear(); }

  // Reads the prolog and leaves the position on the "<" that starts the root.
  void Parse(TJvSimpleXmlSource& source);

 private:
  TJvSimpleXmlElems m_items;
};
