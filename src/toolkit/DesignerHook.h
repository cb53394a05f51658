// The designer's side of design state: a form carries one hook, and every
// event of a control in design state on that form is offered to it first.
// A designer checks renames through TComponent::SetRenameCheck and raises
// its own changes itself; the hook carries only what the toolkit calls.
#pragma once

#include "toolkit/Component.h"
#include "toolkit/Messages.h"

#include <QRect>

class TCanvas;
class TControl;

class IDesignerHook {
 public:
  virtual ~IDesignerHook() = default;
  // True means the control must not process the event.
  virtual bool HookMessage(TControl* control, TMessage& message) = 0;
  // Paints the background of the form that carries the hook while it is designed.
  virtual void HookPaintGrid(TCanvas& canvas, const QRect& clip) = 0;
  // The notifications of the form that carries the hook: its components
  // coming (still being built: compare the address only) and going, and the
  // going of the components it watches (see TComponent::FreeNotification).
  virtual void HookNotification(TPersistent* object, TOperation operation) = 0;
};
