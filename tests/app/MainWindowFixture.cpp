#include "app/MainWindowFixture.h"

#include "lang/OrqTranslator.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Screen.h"

#include <QDir>
#include <QStringDecoder>
#include <QStringEncoder>

void MainWindowTest::SetUp() {
  Screen().SetPixelsPerInch(96);
  QDir(DirPath()).mkpath(QStringLiteral("Languages"));
  SetProgramFolder(DirPath());
  Settings = new TSettings;
  Translator = new TOrqTranslator(nullptr);
  form = new TMainForm(nullptr);
  form->ShowForm();
}

void MainWindowTest::TearDown() {
  TComponent::Free(form);
  delete Translator;
  Translator = nullptr;
  delete Settings;
  Settings = nullptr;
  Screen().SetPixelsPerInch(0);
}

QString MainWindowTest::LanguagePath(const QString& name) const { return Path(QStringLiteral("Languages/") + name); }

QString MainWindowTest::WriteLanguage(const QString& name, const QStringList& lines, const char* encoding) {
  QStringEncoder encoder(encoding);
  const QByteArray bytes = encoder.encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
  WriteFileBytes(LanguagePath(name), bytes);
  return LanguagePath(name);
}

QStringList MainWindowTest::SectionLines(const QString& file, const QString& section) const {
  const QByteArray bytes = ReadFileBytes(file);
  const QString text = QStringDecoder(QStringDecoder::Utf8).decode(bytes);
  QStringList result;
  bool inside = false;
  for (const QString& line : text.split(QStringLiteral("\r\n"))) {
    if (line.startsWith('[')) {
      inside = line.compare('[' + section + ']', Qt::CaseInsensitive) == 0;
      continue;
    }
    if (inside && line.contains('=')) result << line;
  }
  return result;
}

void MainWindowTest::Open(const QString& language, TGUIChoice guiChoice) {
  Settings->Language = language;
  form->SetGUIChoice(guiChoice);
  form->ApplyLanguage();
}
