#include "designer/DesignHistory.h"

#include "designer/DesignEngine.h"
#include "designer/ELDesigner.h"
#include "toolkit/Control.h"
#include "toolkit/PropAccess.h"
#include "toolkit/PropText.h"

#include <QUndoCommand>

#include <algorithm>

namespace {

// A step already made when it is recorded: the stack's first redo, which
// comes with the push, does nothing.
class TDesignCommand : public QUndoCommand {
 public:
  TDesignCommand(TDesignHistory& history, const QString& text) : m_history(history) { setText(text); }
  void undo() override {
    Apply(false);
    m_history.Applied();
  }
  void redo() override {
    if (std::exchange(m_pushed, false)) return;
    Apply(true);
    m_history.Applied();
  }

 protected:
  virtual void Apply(bool forward) = 0;
  TDesignHistory& m_history;

 private:
  bool m_pushed = true;
};

class TBoundsCommand : public TDesignCommand {
 public:
  TBoundsCommand(TDesignHistory& history, const QString& text, std::vector<TBoundsChange> changes,
                 TDesignStepKind kind, uint64_t serial)
      : TDesignCommand(history, text), m_changes(std::move(changes)), m_kind(kind), m_serial(serial) {}

  int id() const override { return m_kind == TDesignStepKind::Other ? -1 : 0x4d4f5600 + static_cast<int>(m_kind); }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = dynamic_cast<const TBoundsCommand*>(other);
    if (!next || next->m_kind != m_kind || next->m_serial != m_serial || next->m_changes.size() != m_changes.size())
      return false;
    for (size_t i = 0; i < m_changes.size(); ++i)
      if (next->m_changes[i].Name != m_changes[i].Name) return false;
    for (size_t i = 0; i < m_changes.size(); ++i) m_changes[i].After = next->m_changes[i].After;
    return true;
  }

 protected:
  void Apply(bool forward) override {
    for (const TBoundsChange& change : m_changes)
      if (TControl* control = m_history.ControlNamed(change.Name))
        control->SetBoundsRect(forward ? change.After : change.Before);
  }

 private:
  std::vector<TBoundsChange> m_changes;
  TDesignStepKind m_kind;
  uint64_t m_serial;
};

class TPropertyCommand : public TDesignCommand {
 public:
  TPropertyCommand(TDesignHistory& history, const QString& text, std::vector<TPropertyChange> changes,
                   uint64_t serial)
      : TDesignCommand(history, text), m_changes(std::move(changes)), m_serial(serial) {}

  // Writes of the same properties of the same controls, one after another
  // (a caption row writes on every key), are one step.
  int id() const override { return 0x50524f50; }

  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = dynamic_cast<const TPropertyCommand*>(other);
    if (!next || next->m_serial != m_serial || next->m_changes.size() != m_changes.size()) return false;
    for (size_t i = 0; i < m_changes.size(); ++i)
      if (next->m_changes[i].Name != m_changes[i].Name || next->m_changes[i].Property != m_changes[i].Property)
        return false;
    for (size_t i = 0; i < m_changes.size(); ++i) m_changes[i].After = next->m_changes[i].After;
    return true;
  }

 protected:
  void Apply(bool forward) override {
    for (const TPropertyChange& change : m_changes) {
      TControl* control = m_history.ControlNamed(change.Name);
      const TPropInfo* prop = control ? GetPropInfo(*control, change.Property) : nullptr;
      if (prop && prop->HasSetter())
        SetPropText(*control, *prop, forward ? change.After : change.Before, TOrdinalText::Names);
    }
  }

 private:
  std::vector<TPropertyChange> m_changes;
  uint64_t m_serial;
};

}  // namespace

TDesignHistory::TDesignHistory(TELCustomDesigner& designer) : m_designer(designer) {}

TDesignHistory::~TDesignHistory() = default;

void TDesignHistory::RecordBounds(const QString& text, std::vector<TBoundsChange> changes, TDesignStepKind kind) {
  std::erase_if(changes, [](const TBoundsChange& c) { return c.Name.isEmpty() || c.Before == c.After; });
  if (changes.empty()) return;
  if (kind == TDesignStepKind::Other) BreakMerge();
  m_stack.push(new TBoundsCommand(*this, text, std::move(changes), kind, m_serial));
}

void TDesignHistory::RecordProperties(const QString& text, const TPropertySnapshot& before,
                                      const std::vector<TObject*>& objects) {
  const TPropertySnapshot after = Snapshot(objects);
  std::vector<TPropertyChange> changes;
  for (const TPropertyState& now : after) {
    const auto was = std::find_if(before.begin(), before.end(), [&now](const TPropertyState& s) {
      return s.Name == now.Name && s.Property == now.Property;
    });
    if (was != before.end() && was->Text != now.Text) changes.push_back({now.Name, now.Property, was->Text, now.Text});
  }
  if (changes.empty()) return;
  m_stack.push(new TPropertyCommand(*this, text, std::move(changes), m_serial));
}

TPropertySnapshot TDesignHistory::Snapshot(const std::vector<TObject*>& objects) {
  TPropertySnapshot snapshot;
  for (TObject* object : objects) {
    const auto* component = dynamic_cast<const TComponent*>(object);
    if (!component || component->Name().isEmpty()) continue;
    for (const TPropInfo* prop : GetPropList(*component)) {
      if (!prop->Getter || !prop->HasSetter() || !HasTextForm(prop->Kind())) continue;
      snapshot.push_back({component->Name(), prop->Name, GetPropText(*component, *prop, TOrdinalText::Names)});
    }
  }
  return snapshot;
}

bool TDesignHistory::Refused() const {
  return !m_designer.Active() || (m_designer.Engine() && m_designer.Engine()->Dragging());
}

bool TDesignHistory::Undo() {
  if (Refused() || !m_stack.canUndo()) return false;
  BreakMerge();
  m_stack.undo();
  return true;
}

bool TDesignHistory::Redo() {
  if (Refused() || !m_stack.canRedo()) return false;
  BreakMerge();
  m_stack.redo();
  return true;
}

bool TDesignHistory::CanUndo() const { return !Refused() && m_stack.canUndo(); }

bool TDesignHistory::CanRedo() const { return !Refused() && m_stack.canRedo(); }

void TDesignHistory::Clear() {
  BreakMerge();
  m_stack.clear();
}

TControl* TDesignHistory::ControlNamed(const QString& name) const {
  TWinControl* root = m_designer.DesignControl();
  if (!root || name.isEmpty()) return nullptr;
  if (root->Name().compare(name, Qt::CaseInsensitive) == 0) return root;
  return dynamic_cast<TControl*>(root->FindComponent(name));
}

void TDesignHistory::Applied() {
  if (TDEng* engine = m_designer.Engine())
    engine->HookModified();
  else
    m_designer.DoModified();
}

TBoundsStep::TBoundsStep(const std::vector<TControl*>& controls) {
  for (const TControl* control : controls) m_before.emplace_back(control->Name(), control->BoundsRect());
}

void TBoundsStep::Record(TDesignHistory& history, const QString& text, TDesignStepKind kind) const {
  std::vector<TBoundsChange> changes;
  for (const auto& [name, before] : m_before)
    if (const TControl* control = history.ControlNamed(name)) changes.push_back({name, before, control->BoundsRect()});
  history.RecordBounds(text, std::move(changes), kind);
}
