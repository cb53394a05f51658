#include "toolkit/StoredBounds.h"

#include "toolkit/Control.h"
#include "toolkit/WinControl.h"

bool KeepsStoredBounds(const TControl& control) {
  for (const TControl* c = &control; c; c = c->Parent())
    if (c->IsLoading() || c->IsDesigning()) return true;
  return false;
}
