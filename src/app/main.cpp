// Program entry of the designer.
#include "app/mainunit.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Application.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

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
  QApplication qtApp(argc, argv);
  SetProgramFolder(QCoreApplication::applicationDirPath());
  Application().SetTitle(QStringLiteral("Vornik GUI designer"));
  Settings = new TSettings;
  Settings->Load(QCoreApplication::arguments());

  auto* mainForm = new TMainForm(nullptr);
  Application().SetMainForm(mainForm);
  ScheduleScreenshot(QCoreApplication::arguments());
  Application().Run();

  TComponent::Free(mainForm);
  delete Settings;
  Settings = nullptr;
  return 0;
}
