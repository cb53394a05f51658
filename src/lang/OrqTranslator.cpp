#include "lang/OrqTranslator.h"

#include "lang/TextEncoding.h"
#include "toolkit/Application.h"
#include "toolkit/Forms.h"
#include "toolkit/IndexedList.h"
#include "toolkit/PropAccess.h"
#include "toolkit/PropText.h"
#include "toolkit/SysUtils.h"

#include <QFile>

#include <exception>

namespace {

// The index of the first segment of a path: "Item[3].Caption" gives 3.
int LeadingIndex(const QString& path) {
  const qsizetype dot = path.indexOf(QLatin1Char('.'));
  return TOrqTranslator::ExtractIndex(dot < 0 ? path : path.left(dot));
}

// The one way the translator's reports reach the user.
void ShowTranslationError(const QString& text) { Application().MessageBox(text, QString(), MB_OK | MB_ICONWARNING); }

// The kinds a file can set; a property of any other kind counts as absent.
bool IsTranslatable(TTypeKind kind) {
  switch (kind) {
    case TTypeKind::tkInteger:
    case TTypeKind::tkEnumeration:
    case TTypeKind::tkString:
    case TTypeKind::tkSet:
    case TTypeKind::tkClass:
    case TTypeKind::tkLString:
      return true;
    default:
      return false;
  }
}

// The property a path's last segment names, or nullptr.
const TPropInfo* FinalProperty(const TObject& object, const QString& name) {
  const TPropInfo* prop = GetPropInfo(object, name);
  return prop && IsTranslatable(prop->Kind()) ? prop : nullptr;
}

bool IsLayoutProperty(const QString& name) {
  static const QStringList names{QStringLiteral("Left"),    QStringLiteral("Top"),     QStringLiteral("Height"),
                                 QStringLiteral("Width"),   QStringLiteral("Anchors"), QStringLiteral("Visible")};
  return names.contains(name);  // as the metadata spells it
}

}  // namespace

const TClassInfo& TOrqTranslator::StaticClass() {
  static const TClassInfo info("TOrqTranslator", &TComponent::StaticClass());
  return info;
}

TOrqTranslator::TOrqTranslator(TComponent* owner) : TComponent(owner) {}

TOrqTranslator::~TOrqTranslator() = default;

void TOrqTranslator::LoadLanguageFile(const QString& fileName) {
  if (!m_fileLines) m_fileLines = std::make_unique<TStringList>();
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return;
  m_fileLines->SetText(DecodeLanguageFile(bytes));
}

TOrqTranslator* Translator = nullptr;

void TOrqTranslator::TranslateForm(TCustomForm* form) { TranslateSection(form->Name(), form); }

void TOrqTranslator::TranslateFrame(TFrame* frame) {
  for (const TClassInfo* cls = &frame->ClassType(); cls && cls != &TFrame::StaticClass(); cls = cls->Parent())
    TranslateSection(cls->Name(), frame);
}

void TOrqTranslator::TranslateSection(const QString& sectionName, TComponent* root) {
  if (!m_fileLines) return;
  const TStringList& lines = *m_fileLines;
  const QString header = QLatin1Char('[') + sectionName + QLatin1Char(']');
  int i = 0;
  while (i < lines.Count() && !SameText(lines[i], header)) ++i;
  for (++i; i < lines.Count(); ++i) {
    const QString line = lines[i];
    if (line.startsWith(QLatin1Char('['))) break;
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) continue;
    TLineReport report;
    report.LineIndex = i;
    report.Path = Trim(line.left(eq));
    report.Value = Trim(line.mid(eq + 1));
    report.Outcome = ApplyLine(report.Path, report.Value, root);
    if (OnLine) OnLine(report);
  }
}

void TOrqTranslator::TranslateLine(const QString& line, TComponent* root) {
  const qsizetype eq = line.indexOf(QLatin1Char('='));
  if (eq < 0) return;
  ApplyLine(Trim(line.left(eq)), Trim(line.mid(eq + 1)), root);
}

TLineOutcome TOrqTranslator::ApplyLine(const QString& path, const QString& value, TComponent* root) {
  try {
    const TPropertyTarget target = FindComponentProperty(root, path, value);
    if (target.Stored) return TLineOutcome::Applied;
    if (!target.Instance) return TLineOutcome::NothingHeld;
    if (!target.Prop) {
      const QString last = path.mid(path.lastIndexOf(QLatin1Char('.')) + 1);
      return GetPropInfo(*target.Instance, last) ? TLineOutcome::NotSettable : TLineOutcome::NoProperty;
    }
    if (!m_loadGUI && IsLayoutProperty(target.Prop->Name)) return TLineOutcome::LayoutSkipped;
    AssignValue(target.Instance, target.Prop, value);
    return target.Prop->Kind() == TTypeKind::tkClass ? TLineOutcome::NotSettable : TLineOutcome::Applied;
  } catch (const std::exception&) {
    if (m_showErrors) ShowTranslationError(Format("Unable to assign value for %s = %s", {path, value}));
    return TLineOutcome::Failed;
  }
}

TPropertyTarget TOrqTranslator::FindComponentProperty(TComponent* component, const QString& path,
                                                      const QString& value) {
  const qsizetype dot = path.indexOf(QLatin1Char('.'));
  if (dot < 0) return {component, FinalProperty(*component, path)};
  const QString head = path.left(dot);
  const QString tail = path.mid(dot + 1);

  if (TComponent* owned = component->FindComponent(head)) return FindComponentProperty(owned, tail, value);

  TObject* object = GetObjectProp(*component, PropByName(*component, head));
  if (!object) return {};
  if (auto* list = dynamic_cast<IIndexedList*>(object)) return EnterList(*list, tail, value);
  return FindObjectProperty(object, tail, value);
}

TPropertyTarget TOrqTranslator::EnterList(IIndexedList& list, const QString& path, const QString& value) {
  const TIndexedKind kind = list.ItemKind();
  // A line is named by the whole rest ("Strings[2]"); an item by the first
  // segment, after which the path names one of the item's properties.
  const int index = kind == TIndexedKind::Lines ? ExtractIndex(path) : LeadingIndex(path);
  if (index == -1) return {};
  if (kind == TIndexedKind::Objects) {
    const qsizetype itemDot = path.indexOf(QLatin1Char('.'));
    return FindObjectProperty(list.ItemObject(index), itemDot < 0 ? QString() : path.mid(itemDot + 1), value);
  }
  // A line, a tree node or a list-view row takes the value as its text
  // whatever the rest of the path says.
  list.SetItemText(index, value);
  TPropertyTarget result;
  result.Stored = true;
  return result;
}

TPropertyTarget TOrqTranslator::FindObjectProperty(TObject* object, const QString& path, const QString& value) {
  const qsizetype dot = path.indexOf(QLatin1Char('.'));
  if (dot < 0) return {object, FinalProperty(*object, path)};
  TObject* held = GetObjectProp(*object, PropByName(*object, path.left(dot)));
  if (!held) return {};
  const QString tail = path.mid(dot + 1);
  if (auto* component = dynamic_cast<TComponent*>(held)) return FindComponentProperty(component, tail, value);
  return FindObjectProperty(held, tail, value);
}

int TOrqTranslator::ExtractIndex(const QString& text) {
  const qsizetype open = text.indexOf(QLatin1Char('['));
  const qsizetype close = text.indexOf(QLatin1Char(']'));
  if (open < 0 || close < 0) return -1;
  return StrToInt(close > open ? text.mid(open + 1, close - open - 1) : QString());
}

void TOrqTranslator::AssignValue(TObject* instance, const TPropInfo* prop, const QString& value) {
  if (!instance || !prop) return;
  if (!m_loadGUI && IsLayoutProperty(prop->Name)) return;
  // Objects are reached through paths, never stored from a file.
  if (IsTranslatable(prop->Kind()) && prop->Kind() != TTypeKind::tkClass)
    SetPropText(*instance, *prop, value, TOrdinalText::Numbers);
}
