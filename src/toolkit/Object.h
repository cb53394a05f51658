// The root of the object model: every class that takes part in the metadata
// derives from TObject and describes itself in one TClassInfo, declared next
// to the class: its name, its parent class, an optional factory and its
// published properties.
#pragma once

#include "toolkit/TypeInfo.h"
#include "toolkit/Variant.h"

#include <QString>

#include <any>
#include <functional>
#include <memory>
#include <type_traits>
#include <variant>
#include <vector>

class TObject;
class TComponent;
class TClassInfo;

// A property value in transit between an object and the generic accessors:
// ordinals and 64-bit integers as int64, floats as double, texts, objects,
// variants and event handlers.
using TValue = std::variant<std::monostate, int64_t, double, QString, TObject*, TVariant, std::any>;

class TPropInfo {
 public:
  QString Name;
  const TTypeInfo* PropType = nullptr;
  std::function<TValue(const TObject&)> Getter;
  std::function<void(TObject&, const TValue&)> Setter;

  bool HasGetter() const { return static_cast<bool>(Getter); }
  bool HasSetter() const { return static_cast<bool>(Setter); }
  TTypeKind Kind() const { return PropType->Kind; }
};

class TClassInfo {
 public:
  using Factory = std::function<TComponent*(TComponent* owner)>;

  // Builds the class description in place; `publish` adds the class's own
  // published properties (a Publisher<T> makes that readable).
  TClassInfo(const char* name, const TClassInfo* parent, const std::function<void(TClassInfo&)>& publish = {});
  TClassInfo(const TClassInfo&) = delete;
  TClassInfo& operator=(const TClassInfo&) = delete;

  const QString& Name() const { return m_name; }
  const TClassInfo* Parent() const { return m_parent; }
  // True when this class is `other` or derives from it.
  bool InheritsFrom(const TClassInfo& other) const;
  // Published properties, inherited ones first, in declaration order.
  const std::vector<const TPropInfo*>& Properties() const { return m_all; }
  // A published property by name, ASCII letter case ignored; nullptr if none.
  const TPropInfo* FindProperty(const QString& name) const;
  // The type of properties declared with this class.
  const TTypeInfo& TypeInfo() const { return m_typeInfo; }
  // Creates an instance for classes that can be created by name.
  const Factory& Creator() const { return m_factory; }

  // Used by Publisher while the description is being built.
  void AddProperty(TPropInfo prop);
  void SetFactory(Factory factory) { m_factory = std::move(factory); }

  // Classes that can be created by name are registered with their names.
  static void Register(const TClassInfo& info);
  static const TClassInfo* Find(const QString& name);

 private:
  QString m_name;
  const TClassInfo* m_parent;
  std::vector<std::unique_ptr<TPropInfo>> m_own;
  std::vector<const TPropInfo*> m_all;
  TTypeInfo m_typeInfo;
  Factory m_factory;
};

class TObject {
 public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  static const TClassInfo& StaticClass();
  virtual const TClassInfo& ClassType() const { return StaticClass(); }
  QString ClassName() const { return ClassType().Name(); }
  bool InheritsFrom(const TClassInfo& info) const { return ClassType().InheritsFrom(info); }
};

// Conversion of a C++ property value to and from TValue. Ordinals (integers,
// Booleans, enumerations, sets) travel as int64.
template <class V, class = void>
struct PropValueTraits;

template <class V>
struct PropValueTraits<V, std::enable_if_t<std::is_integral_v<V> || std::is_enum_v<V>>> {
  static TValue To(V v) {
    if constexpr (std::is_same_v<V, bool>) return static_cast<int64_t>(v ? 1 : 0);
    else return static_cast<int64_t>(v);
  }
  static V From(const TValue& v) {
    const int64_t raw = std::get<int64_t>(v);
    if constexpr (std::is_same_v<V, bool>) return raw != 0;
    else return static_cast<V>(raw);
  }
};

template <class E>
struct PropValueTraits<TSet<E>> {
  static TValue To(TSet<E> v) { return static_cast<int64_t>(v.Mask()); }
  static TSet<E> From(const TValue& v) { return TSet<E>::FromMask(static_cast<uint32_t>(std::get<int64_t>(v))); }
};

template <class V>
struct PropValueTraits<V, std::enable_if_t<std::is_floating_point_v<V>>> {
  static TValue To(V v) { return static_cast<double>(v); }
  static V From(const TValue& v) { return static_cast<V>(std::get<double>(v)); }
};

template <>
struct PropValueTraits<QString> {
  static TValue To(const QString& v) { return v; }
  static QString From(const TValue& v) { return std::get<QString>(v); }
};

template <>
struct PropValueTraits<TVariant> {
  static TValue To(const TVariant& v) { return v; }
  static TVariant From(const TValue& v) { return std::get<TVariant>(v); }
};

template <class P>
struct PropValueTraits<P*, std::enable_if_t<std::is_base_of_v<TObject, P>>> {
  static TValue To(P* v) { return static_cast<TObject*>(v); }
  static P* From(const TValue& v) { return dynamic_cast<P*>(std::get<TObject*>(v)); }
};

template <class R, class... A>
struct PropValueTraits<std::function<R(A...)>> {
  static TValue To(const std::function<R(A...)>& v) { return std::any(v); }
  static std::function<R(A...)> From(const TValue& v) {
    const std::any& handler = std::get<std::any>(v);
    if (!handler.has_value()) return {};
    return std::any_cast<std::function<R(A...)>>(handler);
  }
};

// Adds the published properties of class T to its description:
//
//   Publisher<TEdit>(info)
//       .Prop("Anchors", AnchorsType(), &TEdit::Anchors, &TEdit::SetAnchors)
//       .ReadOnly("Lines", ...)
//
// A getter is any callable taking const T& (a const member function does);
// a setter any callable taking T& and the value.
template <class T>
class Publisher {
 public:
  explicit Publisher(TClassInfo& info) : m_info(info) {}

  template <class G, class S>
  Publisher& Prop(const char* name, const TTypeInfo& type, G getter, S setter) {
    using V = std::decay_t<std::invoke_result_t<G, const T&>>;
    TPropInfo p;
    p.Name = QString::fromLatin1(name);
    p.PropType = &type;
    p.Getter = [getter](const TObject& o) -> TValue {
      return PropValueTraits<V>::To(std::invoke(getter, static_cast<const T&>(o)));
    };
    if constexpr (!std::is_same_v<S, std::nullptr_t>) {
      p.Setter = [setter](TObject& o, const TValue& v) {
        std::invoke(setter, static_cast<T&>(o), PropValueTraits<V>::From(v));
      };
    }
    m_info.AddProperty(std::move(p));
    return *this;
  }

  template <class G>
  Publisher& ReadOnly(const char* name, const TTypeInfo& type, G getter) {
    return Prop(name, type, getter, nullptr);
  }

  // The class can be created by name, with an owner.
  Publisher& Creatable() {
    m_info.SetFactory([](TComponent* owner) -> TComponent* { return new T(owner); });
    TClassInfo::Register(m_info);
    return *this;
  }

 private:
  TClassInfo& m_info;
};
