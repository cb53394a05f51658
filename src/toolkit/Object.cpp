#include "toolkit/Object.h"

#include "toolkit/SysUtils.h"

#include <QHash>

TClassInfo::TClassInfo(const char* name, const TClassInfo* parent, const std::function<void(TClassInfo&)>& publish)
    : m_name(QString::fromLatin1(name)), m_parent(parent) {
  m_typeInfo.Kind = TTypeKind::tkClass;
  m_typeInfo.Name = m_name;
  m_typeInfo.ClassType = this;
  if (m_parent) m_all = m_parent->m_all;
  if (publish) publish(*this);
}

void TClassInfo::AddProperty(TPropInfo prop) {
  m_own.push_back(std::make_unique<TPropInfo>(std::move(prop)));
  const TPropInfo* added = m_own.back().get();
  // A class that publishes an inherited name again replaces it in its place.
  for (auto& existing : m_all) {
    if (SameText(existing->Name, added->Name)) {
      existing = added;
      return;
    }
  }
  m_all.push_back(added);
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
  for (const TClassInfo* c = this; c; c = c->m_parent)
    if (c == &other) return true;
  return false;
}

const TPropInfo* TClassInfo::FindProperty(const QString& name) const {
  for (const TPropInfo* p : m_all)
    if (SameText(p->Name, name)) return p;
  return nullptr;
}

namespace {
QHash<QString, const TClassInfo*>& Registry() {
  static QHash<QString, const TClassInfo*> registry;
  return registry;
}
}  // namespace

void TClassInfo::Register(const TClassInfo& info) { Registry().insert(info.Name().toUpper(), &info); }

const TClassInfo* TClassInfo::Find(const QString& name) { return Registry().value(name.toUpper(), nullptr); }

const TClassInfo& TObject::StaticClass() {
  static const TClassInfo info("TObject", nullptr);
  return info;
}
