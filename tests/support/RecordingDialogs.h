// A dialog service for tests: records message boxes and uncaught errors,
// and answers modal windows and common dialogs through callbacks, so that no
// test ever waits for a real modal window.
#pragma once

#include "toolkit/Application.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class RecordingDialogs : public TDialogService {
 public:
  struct Box {
    QString text;
    QString caption;
    int flags = 0;
  };
  std::vector<Box> boxes;
  std::vector<std::pair<QString, QString>> errors;  // class name, message
  int boxAnswer = IDOK;
  // Runs while the form is shown; returns nothing, the form's modal result
  // (set for example by a button click) is the answer. Without it the form
  // is cancelled.
  std::function<void(TCustomForm&)> answerModal;
  std::function<bool(TCommonDialog&)> answerDialog;

  int MessageBox(const QString& text, const QString& caption, int flags) override;
  void ShowException(const QString& className, const QString& message) override;
  int RunModal(TCustomForm& form) override;
  bool ExecuteDialog(TCommonDialog& dialog) override;
};

// Installs a RecordingDialogs for the life of the object.
class ScopedDialogs {
 public:
  ScopedDialogs();
  ~ScopedDialogs();
  RecordingDialogs* operator->() { return m_service; }
  RecordingDialogs& operator*() { return *m_service; }

 private:
  RecordingDialogs* m_service;
  std::unique_ptr<TDialogService> m_previous;
};
