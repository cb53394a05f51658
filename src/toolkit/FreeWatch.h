// Watches a component across a call into outside code (an event handler):
// Gone() tells whether the component was freed meanwhile, so the caller
// touches nothing of it afterwards. Only the free notification is used; the
// freed object is never looked at.
#pragma once

#include "toolkit/Component.h"

class TFreeWatch : private TComponent {
 public:
  explicit TFreeWatch(TComponent* watched);
  ~TFreeWatch() override;
  TFreeWatch(const TFreeWatch&) = delete;
  TFreeWatch& operator=(const TFreeWatch&) = delete;

  bool Gone() const { return m_watched == nullptr; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TComponent* m_watched;
};
