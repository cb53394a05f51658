#include "support/RecordingDialogs.h"

#include "toolkit/Forms.h"

int RecordingDialogs::MessageBox(const QString& text, const QString& caption, int flags) {
  boxes.push_back({text, caption, flags});
  return boxAnswer;
}

void RecordingDialogs::ShowException(const QString& className, const QString& message) {
  errors.emplace_back(className, message);
}

int RecordingDialogs::RunModal(TCustomForm& form) {
  form.ShowForm();
  if (answerModal) answerModal(form);
  return form.ModalResult() != mrNone ? form.ModalResult() : mrCancel;
}

bool RecordingDialogs::ExecuteDialog(TCommonDialog& dialog) { return answerDialog ? answerDialog(dialog) : false; }

ScopedDialogs::ScopedDialogs() {
  auto service = std::make_unique<RecordingDialogs>();
  m_service = service.get();
  m_previous = Application().SetDialogs(std::move(service));
}

ScopedDialogs::~ScopedDialogs() { Application().SetDialogs(std::move(m_previous)); }
