// The designer's main window with a selection in its property inspector, for
// the real-input tests of the inspector while no design surface selects
// controls: the frame controls named in VORNIK_SELECT (separated by blanks)
// are added to the inspector once the window shows. Everything else is the
// program's own start.
#include "app/mainunit.h"
#include "frame/framemovie.h"
#include "inspector/ELPropInsp.h"
#include "lang/OrqTranslator.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  SetProgramFolder(QCoreApplication::applicationDirPath());
  Application().SetTitle(QStringLiteral("Vornik GUI designer"));
  Settings = new TSettings;
  Translator = new TOrqTranslator(nullptr);
  Settings->Load(QCoreApplication::arguments());
  Translator->SetShowErrors(Settings->TranslatorShowErrors);

  auto* mainForm = new TMainForm(nullptr);
  Application().SetMainForm(mainForm);
  QTimer::singleShot(0, [mainForm] {
    const QStringList names = qEnvironmentVariable("VORNIK_SELECT").split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& name : names) mainForm->PInspector()->Add(mainForm->FrmMovie()->Child(name));
  });
  Application().Run();

  TComponent::Free(mainForm);
  delete Translator;
  Translator = nullptr;
  delete Settings;
  Settings = nullptr;
  return 0;
}
