#include "controls/OrqAutoHintLabel.h"

#include "toolkit/Application.h"

#include <algorithm>
#include <vector>

// The application announces hints through one handler. The labels share a
// dispatcher installed in it: the newest label that takes the text ends the
// announcement, otherwise the handler that was there before hears it. The
// last label to go puts that handler back, unless someone has replaced the
// dispatcher in the meantime.
class TAutoHintDispatcher {
 public:
  void operator()(TObject* sender) const;

  static void Register(TOrqAutoHintLabel* label);
  static void Unregister(TOrqAutoHintLabel* label);
  static bool Offer(TOrqAutoHintLabel* label, const QString& hint) { return label->ApplicationHintChanged(hint); }

 private:
  static std::vector<TOrqAutoHintLabel*>& Labels() {
    static std::vector<TOrqAutoHintLabel*> labels;
    return labels;
  }
  static TNotifyEvent& Previous() {
    static TNotifyEvent previous;
    return previous;
  }
};

void TAutoHintDispatcher::operator()(TObject* sender) const {
  const QString hint = Application().Hint();
  // A copy: a label may go while it takes the text.
  const std::vector<TOrqAutoHintLabel*> labels = Labels();
  for (auto it = labels.rbegin(); it != labels.rend(); ++it)
    if (Offer(*it, hint)) return;
  if (TNotifyEvent previous = Previous()) previous(sender);
}

void TAutoHintDispatcher::Register(TOrqAutoHintLabel* label) {
  if (!Application().OnHint.target<TAutoHintDispatcher>()) {
    Previous() = Application().OnHint;
    Application().OnHint = TAutoHintDispatcher();
  }
  Labels().push_back(label);
}

void TAutoHintDispatcher::Unregister(TOrqAutoHintLabel* label) {
  std::vector<TOrqAutoHintLabel*>& labels = Labels();
  labels.erase(std::remove(labels.begin(), labels.end(), label), labels.end());
  if (!labels.empty()) return;
  if (Application().OnHint.target<TAutoHintDispatcher>()) Application().OnHint = Previous();
  Previous() = nullptr;
}

const TClassInfo& TOrqAutoHintLabel::StaticClass() {
  static const TClassInfo info("TOrqAutoHintLabel", &TLabel::StaticClass(),
                               [](TClassInfo& c) { Publisher<TOrqAutoHintLabel>(c).Creatable(); });
  return info;
}

TOrqAutoHintLabel::TOrqAutoHintLabel(TComponent* owner) : TLabel(owner) { TAutoHintDispatcher::Register(this); }

TOrqAutoHintLabel::~TOrqAutoHintLabel() { TAutoHintDispatcher::Unregister(this); }

bool TOrqAutoHintLabel::ApplicationHintChanged(const QString& hint) {
  if (!Enabled() || !Visible()) return false;
  SetCaption(hint);
  return true;
}
