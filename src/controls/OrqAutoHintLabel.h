// A label that always shows the hint of the control under the mouse: every
// hint text the application announces becomes its caption while it is
// enabled and visible.
#pragma once

#include "toolkit/Label.h"

class TOrqAutoHintLabel : public TLabel {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  explicit TOrqAutoHintLabel(TComponent* owner);
  ~TOrqAutoHintLabel() override;

 protected:
  friend class TAutoHintDispatcher;
  // The application announced a new hint text (the long part of the hint of
  // the control under the mouse, or empty). True when the label took it; the
  // announcement then goes no further.
  virtual bool ApplicationHintChanged(const QString& hint);
};
