#include "toolkit/FreeWatch.h"

TFreeWatch::TFreeWatch(TComponent* watched) : TComponent(nullptr), m_watched(watched) {
  if (m_watched) m_watched->FreeNotification(this);
}

TFreeWatch::~TFreeWatch() {
  if (m_watched) m_watched->RemoveFreeNotification(this);
}

void TFreeWatch::Notification(TComponent* component, TOperation operation) {
  if (operation == TOperation::opRemove && component == m_watched) m_watched = nullptr;
}
