// Undo and redo of the changes made to a designed layout. Every completed
// change (a mouse move or resize, a keyboard step, an alignment, a value
// written in a property inspector) becomes one step on a Qt undo stack.
// Steps name the controls by their names under the design control and never
// keep pointers to them: a control that is gone, or renamed, is skipped when
// a step is undone or redone. Undo and redo set bounds and values through
// the controls' own setters, then the engine's HookModified runs, exactly as
// after the original change: the handles follow and OnModified fires.
#pragma once

#include <QRect>
#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <vector>

class TControl;
class TELCustomDesigner;
class TObject;

// How a bounds step may merge with the step before it: keyboard steps of the
// same kind over the same controls merge until anything else happens.
enum class TDesignStepKind { Other, KeyMove, KeyResize };

struct TBoundsChange {
  QString Name;
  QRect Before;
  QRect After;
};

struct TPropertyChange {
  QString Name;
  QString Property;
  QString Before;
  QString After;
};

// The text of a property of a named component, as a user reads it.
struct TPropertyState {
  QString Name;
  QString Property;
  QString Text;
};
using TPropertySnapshot = std::vector<TPropertyState>;

class TDesignHistory {
 public:
  explicit TDesignHistory(TELCustomDesigner& designer);
  ~TDesignHistory();
  TDesignHistory(const TDesignHistory&) = delete;
  TDesignHistory& operator=(const TDesignHistory&) = delete;

  QUndoStack& Stack() { return m_stack; }
  const QUndoStack& Stack() const { return m_stack; }

  // Records bounds changes already made as one step; nothing when no
  // bounds changed.
  void RecordBounds(const QString& text, std::vector<TBoundsChange> changes,
                    TDesignStepKind kind = TDesignStepKind::Other);
  // Records property writes already made as one step: the properties whose
  // text differs from the snapshot taken before the write. Writes of the
  // same properties of the same controls merge until anything else happens.
  void RecordProperties(const QString& text, const TPropertySnapshot& before, const std::vector<TObject*>& objects);

  // The text of every published property with a text form of each named
  // component among the objects.
  static TPropertySnapshot Snapshot(const std::vector<TObject*>& objects);

  // False when refused: nothing to undo or redo, the designer inactive or a
  // drag running.
  bool Undo();
  bool Redo();
  bool CanUndo() const;
  bool CanRedo() const;
  void Clear();
  // Something other than a keyboard step happened: the next keyboard step
  // starts a step of its own.
  void BreakMerge() { ++m_serial; }

  // A control of the design by name: the design control itself or one it
  // owns; nullptr when there is none.
  TControl* ControlNamed(const QString& name) const;
  // After a step was applied: the handles follow and OnModified fires.
  void Applied();

 private:
  bool Refused() const;
  TELCustomDesigner& m_designer;
  QUndoStack m_stack;
  uint64_t m_serial = 0;
};

// The bounds of some controls before a change, kept by name, so the change
// can be recorded once it is made.
class TBoundsStep {
 public:
  explicit TBoundsStep(const std::vector<TControl*>& controls);
  // Records what changed (looked up by name again) as one step.
  void Record(TDesignHistory& history, const QString& text, TDesignStepKind kind = TDesignStepKind::Other) const;

 private:
  std::vector<std::pair<QString, QRect>> m_before;
};
