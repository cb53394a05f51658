// The designer's side of design state: a form carries one hook, and every
// event of a control in design state on that form is offered to it first.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Messages.h"

class TControl;

class IDesignerHook {
 public:
  virtual ~IDesignerHook() = default;
  // True means the control must not process the event.
  virtual bool HookMessage(TControl* control, TMessage& message) = 0;
  // Paints the background of the form that carries the hook while it is designed.
  virtual void HookPaintGrid(class TCanvas& canvas, const QRect& clip) = 0;
  virtual void HookModified() = 0;
  virtual void HookNotification(TPersistent* object, TOperation operation) = 0;
  // Raises to refuse a new name.
  virtual void HookValidateRename(TComponent* component, const QString& currentName, const QString& newName) = 0;
  virtual QString HookUniqueName(const QString& baseName) = 0;
  virtual TComponent* HookRoot() = 0;
};
