// A fresh X session with the designer started in a copy of the sample
// installation, and the screen points of the controls of its windows.
#pragma once

#include "support/RealInput.h"

#include <gtest/gtest.h>

class TMainForm;
class TLanguageWin;

class RealInputTest : public ::testing::Test {
 protected:
  static constexpr const char* kMainTitle = "Vornik GUI designer";
  static constexpr const char* kLanguageTitle = "Select a language";

  RealInputTest();
  ~RealInputTest() override;
  void SetUp() override;

  // The centre of a control of the main window on the screen, from the
  // window's place and the control's bounds in the window's tables.
  QPoint MainWindowPoint(const char* name) const;
  // The rectangle of a control of the main window on the screen.
  QRect MainWindowRect(const char* name) const;
  // The same for a control of the language dialog shown as `window`.
  QPoint LanguageDialogPoint(const QString& window, const char* name) const;

  // Clicks a toolbar item of the main window.
  void ClickToolButton(const char* name) const;
  // Clicks Open and waits for the language dialog; its window.
  QString OpenLanguageDialog() const;
  // Waits for a window and fails the test with the titles there are when
  // it does not come.
  QString ExpectWindow(const QString& title) const;

  XSession session;
  ProgramRun program{session, QStringLiteral(VORNIK_PROGRAM), QStringLiteral(VORNIK_SOURCE_DIR "/sample")};
  QString mainWindow;

 private:
  TMainForm* m_mainLayout = nullptr;
  TLanguageWin* m_languageLayout = nullptr;  // owned by the main window
};
