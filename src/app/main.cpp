// Program entry of the designer.
#include "app/CommandLine.h"
#include "app/mainunit.h"
#include "lang/OrqTranslator.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Application.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <iostream>

namespace {

// --screenshot FILE: saves a picture of the screen once the window shows,
// then ends the program (used where there is no display to look at).
void ScheduleScreenshot(const QStringList& args) {
  const int at = static_cast<int>(args.indexOf(QStringLiteral("--screenshot")));
  if (at < 0 || at + 1 >= args.size()) return;
  const QString file = args[at + 1];
  QTimer::singleShot(1500, [file] {
    QApplication::primaryScreen()->grabWindow(0).save(file);
    Application().Terminate();
  });
}

}  // namespace

int main(int argc, char** argv) {
  // The modes without a window need no display.
  if (IsCommandLineMode(argc, argv)) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Their output is the report; Qt's own notes about the platform stay out of it.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
      if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toLocal8Bit().constData() << "\n";
    });
  }
  QApplication qtApp(argc, argv);
  SetProgramFolder(QCoreApplication::applicationDirPath());
  Application().SetTitle(QStringLiteral("Vornik GUI designer"));
  if (const std::optional<int> status = RunCommandLine(QCoreApplication::arguments(), std::cout, std::cerr))
    return *status;

  Settings = new TSettings;
  Translator = new TOrqTranslator(nullptr);
  // Loading may switch on the translator's error reports, so it exists first.
  Settings->Load(QCoreApplication::arguments());
  Translator->SetShowErrors(Settings->TranslatorShowErrors);

  auto* mainForm = new TMainForm(nullptr);
  Application().SetMainForm(mainForm);
  ScheduleScreenshot(QCoreApplication::arguments());
  Application().Run();

  TComponent::Free(mainForm);
  delete Translator;
  Translator = nullptr;
  delete Settings;
  Settings = nullptr;
  return 0;
}
