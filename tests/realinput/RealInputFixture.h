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
  // A point inside a control of the main window (the control's own
  // coordinates) on the screen.
  QPoint MainWindowPoint(const char* name, const QPoint& inControl) const;
  // The main window as the test process builds it offscreen.
  TMainForm& MainLayout() const { return *m_mainLayout; }
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
  // Opens the preselected language (English) with the dialog's Enter.
  void OpenEnglish() const;
  // Ticks "Enable editing" and waits until the component list shows the
  // frame; the list's picture then.
  QByteArray EnableEditing() const;
  // The picture of the component list once it differs from `old` and has
  // settled (two grabs alike); empty at the safety stop.
  QByteArray ComponentListOtherThan(const QByteArray& old) const;
  // The picture of a screen area once two grabs in a row agree and differ
  // from `other`; empty at the safety stop.
  QByteArray SettledPicture(const QRect& area, const QByteArray& other = {}) const;
  // Waits until English.lng holds every line, each ended by CR LF (a safety
  // stop, not a timing check); fails the test with the lines it holds.
  bool FileHolds(const QStringList& lines);
  // Clicks Save, then FileHolds.
  bool SaveAndWaitFor(const QStringList& lines);

  XSession session;
  ProgramRun program;
  QString mainWindow;

 private:
  TMainForm* m_mainLayout = nullptr;
  TLanguageWin* m_languageLayout = nullptr;  // owned by the main window
};
