// Arbitrary bytes as a language/GUI file, applied as `--check` applies a
// file: decoded, its "MainForm" section applied by the translator to a main
// window and its "TMovieFrame" section (layout keys included) to the
// window's movie frame, with every line's outcome reported; its file
// information read as the language list reads it.
//
// Building a main window costs far more than applying a file, so one window
// takes the inputs one after another and a fresh one replaces it every
// 64 inputs; what one input sets, the next starts from. An input that fails
// only after others shows in the run's log, not when replayed alone.
#include "app/mainunit.h"
#include "frame/framemovie.h"
#include "lang/OrqTranslator.h"
#include "lang/frameLanguage.h"
#include "prefs/ProgramSettings.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* folder = nullptr;
TMainForm* window = nullptr;
int applied = 0;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication app(*argc, *argv);
  // The file goes to memory when the system offers a memory file system.
  static QTemporaryDir dir(QFile::exists(QStringLiteral("/dev/shm")) ? QStringLiteral("/dev/shm/fuzz-lng-XXXXXX")
                                                                      : QString());
  if (!dir.isValid()) std::abort();
  folder = &dir;
  SetProgramFolder(dir.path());
  Settings = new TSettings;
  Translator = new TOrqTranslator(nullptr);
  Translator->SetLoadGUI(true);
  Translator->OnLine = [](const TLineReport& report) { (void)report.Path.size(); };
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = folder->filePath(QStringLiteral("Fuzz.lng"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  if (file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != static_cast<qint64>(size))
    std::abort();
  file.close();
  if (applied++ % 64 == 0) {
    TComponent::Free(window);
    window = new TMainForm(nullptr);
  }
  Translator->LoadLanguageFile(path);
  Translator->TranslateForm(window);
  Translator->TranslateFrame(window->FrmMovie());
  (void)TLanguageFrame::ReadFileInfo(path);
  return 0;
}
