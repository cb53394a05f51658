#include "inspector/ELPropEditor.h"

#include <QHash>

#include <algorithm>
#include <unordered_map>

// ---- TELPropEditorClass ----

TELPropEditorClass::TELPropEditorClass(const char* name, const TELPropEditorClass* parent, Factory factory)
    : m_name(QString::fromLatin1(name)), m_parent(parent), m_factory(std::move(factory)) {}

bool TELPropEditorClass::InheritsFrom(const TELPropEditorClass& other) const {
  for (const TELPropEditorClass* c = this; c; c = c->m_parent)
    if (c == &other) return true;
  return false;
}

// ---- TELPropEditor ----

const TELPropEditorClass& TELPropEditor::StaticClass() {
  static const TELPropEditorClass info("TELPropEditor", nullptr,
                                       [](int n) { return std::make_unique<TELPropEditor>(n); });
  return info;
}

const TELPropEditorClass& TELNestedPropEditor::StaticClass() {
  // Nested editors are made by their parents, never by class.
  static const TELPropEditorClass info("TELNestedPropEditor", &TELPropEditor::StaticClass(), nullptr);
  return info;
}

TELPropEditor::TELPropEditor(int propCount)
    : m_props(std::make_shared<std::vector<TELPropEntry>>(static_cast<size_t>(std::max(0, propCount)))) {}

TELPropEditor::TELPropEditor(const TELPropEditor& parent, int) : m_props(parent.m_props), m_noSetter(parent.m_noSetter) {}

TELPropEditor::~TELPropEditor() = default;

const TELPropEntry& TELPropEditor::Entry(int index) const {
  if (index < 0 || index >= PropCount()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return (*m_props)[static_cast<size_t>(index)];
}

void TELPropEditor::SetPropEntry(int index, TObject* instance, const TPropInfo* prop) {
  Entry(index);
  (*m_props)[static_cast<size_t>(index)] = TELPropEntry{instance, prop};
}

void TELPropEditor::ForgetInstance(const TObject* instance) {
  for (TELPropEntry& e : *m_props)
    if (e.Instance == instance) e.Instance = nullptr;
}

void TELPropEditor::ForgetInstancesIf(const std::function<bool(const TObject* instance)>& gone) {
  for (TELPropEntry& e : *m_props)
    if (e.Instance && gone(e.Instance)) e.Instance = nullptr;
}

bool TELPropEditor::AllInstancesPresent() const {
  return std::all_of(m_props->begin(), m_props->end(), [](const TELPropEntry& e) { return e.Instance != nullptr; });
}

QString TELPropEditor::GetValue() { return QStringLiteral("(Unknown)"); }
void TELPropEditor::SetValue(const QString&) {}
TELPropEditorAttributes TELPropEditor::GetAttributes() { return {TELPropEditorAttribute::eaMultiSelect}; }
void TELPropEditor::GetValues(QStringList&) {}
void TELPropEditor::GetSubProperties(TELPropEditorList&, const TELGetEditorClass&) {}
QString TELPropEditor::GetName() { return PropInfoAt(0).Name; }
bool TELPropEditor::AllEqual() { return PropCount() == 1; }
void TELPropEditor::Edit() {}
void TELPropEditor::ListMeasureHeight(const QString&, TCanvas&, int&) {}
void TELPropEditor::ListMeasureWidth(const QString&, TCanvas&, int&) {}
void TELPropEditor::ListDrawValue(const QString&, TCanvas&, const QRect&, bool) {}

int64_t TELPropEditor::GetOrdValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetOrdProp(*e.Instance, *e.PropInfo) : 0;
}

int64_t TELPropEditor::GetInt64ValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetInt64Prop(*e.Instance, *e.PropInfo) : 0;
}

double TELPropEditor::GetFloatValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetFloatProp(*e.Instance, *e.PropInfo) : 0;
}

QString TELPropEditor::GetStrValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetStrProp(*e.Instance, *e.PropInfo) : QString();
}

TVariant TELPropEditor::GetVarValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetVariantProp(*e.Instance, *e.PropInfo) : TVariant();
}

TObject* TELPropEditor::GetObjValueAt(int index) const {
  const TELPropEntry& e = Entry(index);
  return e.Instance ? GetObjectProp(*e.Instance, *e.PropInfo) : nullptr;
}

void TELPropEditor::WritePairs(const std::function<void(TObject& instance, const TPropInfo& prop)>& write) {
  // Every object must take the value before any is written.
  for (const TELPropEntry& e : *m_props)
    if (e.Instance && !e.PropInfo->HasSetter()) throw Exception(QStringLiteral("Cannot modify a read-only value!"));
  bool written = false;
  try {
    for (const TELPropEntry& e : *m_props) {
      if (!e.Instance) continue;
      write(*e.Instance, *e.PropInfo);
      written = true;
    }
  } catch (...) {
    // The objects written before keep their values: the rows and the host
    // hear of them before the error is shown.
    if (written) Modified();
    throw;
  }
  Modified();
}

void TELPropEditor::SetOrdValue(int64_t value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetOrdProp(o, p, value); });
}

void TELPropEditor::SetInt64Value(int64_t value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetInt64Prop(o, p, value); });
}

void TELPropEditor::SetFloatValue(double value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetFloatProp(o, p, value); });
}

void TELPropEditor::SetStrValue(const QString& value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetStrProp(o, p, value); });
}

void TELPropEditor::SetVarValue(const TVariant& value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetVariantProp(o, p, value); });
}

void TELPropEditor::SetObjValue(TObject* value) {
  WritePairs([&](TObject& o, const TPropInfo& p) { SetObjectProp(o, p, value); });
}

QString TELPropEditor::DisplayText() { return AllEqual() ? GetValue() : QString(); }

void TELPropEditor::Modified() {
  if (OnModified) OnModified();
}

TComponent* TELPropEditor::GetComponent(const QString& name) {
  TComponent* component = nullptr;
  if (OnGetComponent) OnGetComponent(name, component);
  return component;
}

void TELPropEditor::GetComponentNames(const TClassInfo& cls, QStringList& result) {
  if (OnGetComponentNames) OnGetComponentNames(cls, result);
}

QString TELPropEditor::GetComponentName(TComponent* component) {
  QString name = component ? component->Name() : QString();
  if (OnGetComponentName) OnGetComponentName(component, name);
  return name;
}

// ---- collecting editors ----

bool ELPropNameLess(const QString& a, const QString& b) {
  const int n = static_cast<int>(std::min(a.size(), b.size()));
  for (int i = 0; i < n; ++i) {
    const unsigned x = a[i].unicode() & ~0x20u;
    const unsigned y = b[i].unicode() & ~0x20u;
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

namespace {

// A property name with ASCII letters in upper case, as names match.
QString NameKey(const QString& name) {
  QString key = name;
  for (QChar& c : key)
    if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
  return key;
}

// The published properties of a class, sorted, with their name keys, and by
// name key: every class is described once, so the lists are made once per
// class.
struct ClassProps {
  std::vector<std::pair<const TPropInfo*, QString>> sorted;
  QHash<QString, const TPropInfo*> byName;
};

const ClassProps& PropsOf(const TClassInfo& cls) {
  static std::unordered_map<const TClassInfo*, ClassProps> cache;
  auto it = cache.find(&cls);
  if (it != cache.end()) return it->second;
  std::vector<const TPropInfo*> sorted = cls.Properties();
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const TPropInfo* x, const TPropInfo* y) { return ELPropNameLess(x->Name, y->Name); });
  ClassProps props;
  for (const TPropInfo* p : sorted) {
    props.sorted.emplace_back(p, NameKey(p->Name));
    props.byName.insert(props.sorted.back().second, p);
  }
  return cache.emplace(&cls, std::move(props)).first->second;
}

}  // namespace

void ELCollectEditors(const std::vector<TObject*>& objects, bool nested, const TELGetEditorClass& getEditorClass,
                      TELPropEditorList& result) {
  if (objects.empty()) return;
  const size_t n = objects.size();
  // One candidate row per property of the first object that has an editor
  // class; every other object must have a property of the same name (letter
  // case ignored) and the identical type that gets the same editor class.
  struct Row {
    const TELPropEditorClass* editorClass;
    const QString* key;
    std::vector<const TPropInfo*> props;
    bool kept = true;
  };
  std::vector<Row> rows;
  for (const auto& [prop, key] : PropsOf(objects[0]->ClassType()).sorted) {
    const TELPropEditorClass* cls = getEditorClass(objects[0], *prop);
    if (!cls) continue;
    rows.push_back({cls, &key, {prop}});
    rows.back().props.reserve(n);
  }
  // The matching properties of a class, found once for each class: a
  // selection holds many objects of few classes.
  std::unordered_map<const TClassInfo*, std::vector<const TPropInfo*>> matchesOf;
  for (size_t j = 1; j < n; ++j) {
    const TClassInfo& cls = objects[j]->ClassType();
    auto found = matchesOf.find(&cls);
    if (found == matchesOf.end()) {
      const ClassProps& other = PropsOf(cls);
      std::vector<const TPropInfo*> matches;
      for (const Row& row : rows) {
        const TPropInfo* match = other.byName.value(*row.key, nullptr);
        matches.push_back(match && match->PropType == row.props[0]->PropType ? match : nullptr);
      }
      found = matchesOf.emplace(&cls, std::move(matches)).first;
    }
    for (size_t r = 0; r < rows.size(); ++r) {
      Row& row = rows[r];
      if (!row.kept) continue;
      const TPropInfo* match = found->second[r];
      row.kept = match && getEditorClass(objects[j], *match) == row.editorClass;
      if (row.kept) row.props.push_back(match);
    }
  }
  for (const Row& row : rows) {
    if (!row.kept) continue;
    std::unique_ptr<TELPropEditor> editor = row.editorClass->Create(static_cast<int>(n));
    editor->SetNoSetter(!row.props[0]->HasSetter());
    for (size_t j = 0; j < n; ++j) editor->SetPropEntry(static_cast<int>(j), objects[j], row.props[j]);
    const TELPropEditorAttributes attributes =
        editor->NoSetter() ? TELPropEditorAttributes{TELPropEditorAttribute::eaReadOnly} : editor->GetAttributes();
    if (n != 1 && !attributes.Contains(TELPropEditorAttribute::eaMultiSelect)) continue;
    if (nested && attributes.Contains(TELPropEditorAttribute::eaNotNestable)) continue;
    result.push_back(std::move(editor));
  }
}
