#include "app/CommandLine.h"

#include "app/mainunit.h"
#include "frame/framemovie.h"
#include "lang/OrqTranslator.h"
#include "lang/frameLanguage.h"
#include "prefs/ProgramSettings.h"
#include "toolkit/Application.h"
#include "toolkit/Screen.h"
#include "toolkit/SysUtils.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <cstring>
#include <memory>
#include <ostream>

namespace {

const char* const kUsage =
    "Usage: vornik-gui-designer [/prefs FILE] [/tr_show_errors] [--screenshot OUT.png]\n"
    "       vornik-gui-designer --check FILE...\n"
    "       vornik-gui-designer --render FILE OUT.png [--dpi N]\n"
    "\n"
    "Without options the designer starts in its window.\n"
    "  --screenshot OUT.png   saves a picture of the screen once the window shows, then ends.\n"
    "  --check FILE...        applies each language/GUI file to a main window (\"MainForm\") and a movie\n"
    "                         panel (\"TMovieFrame\", layout keys included) and prints one line per problem:\n"
    "                         FILE:LINE: error: ... for every line that would be reported as an error,\n"
    "                         FILE:LINE: warning: ... for every line that changes nothing.\n"
    "                         Exit status 0 without errors, 1 with errors, 2 when a file cannot be read\n"
    "                         or the arguments are wrong. Files are never written.\n"
    "  --render FILE OUT.png  saves a picture of the main window as it looks after opening FILE with\n"
    "                         \"Load GUI\".\n"
    "  --dpi N                renders as a screen of N pixels per inch (48 to 480, for example 120 or\n"
    "                         144) shows it: the panel's controls scaled by N / 96 and its text in the\n"
    "                         default 8-point font of that screen.\n";

std::string Local(const QString& text) { return text.toLocal8Bit().toStdString(); }

bool Readable(const QString& fileName) {
  QFile file(fileName);
  return QFileInfo(fileName).isFile() && file.open(QIODevice::ReadOnly);
}

// A main window for a mode without a window: the translator of the program,
// the window built but never shown.
struct Workbench {
  Workbench() {
    if (!Settings) {
      Settings = new TSettings;
      ownsSettings = true;
    }
    translator = std::make_unique<TOrqTranslator>(nullptr);
    previous = Translator;
    Translator = translator.get();
    form = new TMainForm(nullptr);
  }
  ~Workbench() {
    TComponent::Free(form);
    Translator = previous;
    if (ownsSettings) {
      delete Settings;
      Settings = nullptr;
    }
  }
  std::unique_ptr<TOrqTranslator> translator;
  TOrqTranslator* previous = nullptr;
  TMainForm* form = nullptr;
  bool ownsSettings = false;
};

// Room for the panel as a screen of `dpi` pixels per inch shows it: the
// panel's design size grows with the resolution, and the window by as much,
// so the panel's re-layout scales its controls into a panel of their size
// instead of past its edges. The designer's own column keeps its size.
void MakeRoomForResolution(TMainForm& form, int dpi) {
  TMovieFrame& frame = *form.FrmMovie();
  const auto scale = [dpi](int value) { return RoundHalfEven(static_cast<double>(int64_t{dpi} * value) / 96.0); };
  const int growX = scale(frame.Width()) - frame.Width();
  const int growY = scale(frame.Height()) - frame.Height();
  // The frame's children stay where they are while the frame grows; the
  // re-layout places them.
  frame.BeginLoading();
  const auto endLoading = qScopeGuard([&frame] { frame.EndLoading(); });
  frame.Constraints().SetMinWidth(scale(frame.Constraints().MinWidth()));
  frame.Constraints().SetMinHeight(scale(frame.Constraints().MinHeight()));
  form.SetClientSize(form.ClientWidth() + growX, form.ClientHeight() + growY);
}

const char* Warning(TLineOutcome outcome) {
  switch (outcome) {
    case TLineOutcome::NoProperty: return "no such property; the line changes nothing";
    case TLineOutcome::NotSettable: return "the property cannot be set from a file; the line changes nothing";
    case TLineOutcome::NothingHeld: return "the path leads to nothing; the line changes nothing";
    default: return nullptr;
  }
}

// Why the language list would show a file as "?", with the line to look
// at; nothing when it finds the file information.
std::optional<std::pair<int, QString>> FileInformationProblem(const QString& fileName) {
  if (TLanguageFrame::ReadFileInfo(fileName).Name != QLatin1String("?")) return std::nullopt;
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  const auto lineOf = [&bytes](qsizetype offset) { return static_cast<int>(bytes.left(offset).count('\n')) + 1; };
  for (qsizetype i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
      return std::make_pair(lineOf(i), QStringLiteral("line feeds without carriage returns: the language list "
                                                      "cannot read the file information and shows \"?\""));
  const qsizetype header = bytes.indexOf("[FileInformation]");
  if (header < 0) {
    const qsizetype other = bytes.toLower().indexOf("[fileinformation]");
    if (other >= 0)
      return std::make_pair(lineOf(other), QStringLiteral("the language list finds only \"[FileInformation]\" "
                                                          "written exactly so; it shows the file as \"?\""));
    return std::make_pair(1, QStringLiteral("no \"[FileInformation]\" block: the language list shows \"?\""));
  }
  const qsizetype blank = bytes.indexOf("\r\n\r\n");
  if (blank >= 0 && blank < header)
    return std::make_pair(lineOf(header), QStringLiteral("\"[FileInformation]\" comes after the first blank line: "
                                                         "the language list shows \"?\""));
  return std::make_pair(lineOf(header), QStringLiteral("the file information block is not followed by a blank "
                                                       "line: the language list shows \"?\""));
}

}  // namespace

bool IsCommandLineMode(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    for (const char* mode : {"--check", "--render", "--help"})
      if (std::strcmp(argv[i], mode) == 0) return true;
  return false;
}

bool CheckLanguageFile(const QString& fileName, std::ostream& out) {
  Workbench bench;
  bool ok = true;
  const std::string name = Local(fileName);
  if (const auto problem = FileInformationProblem(fileName))
    out << name << ":" << problem->first << ": warning: " << Local(problem->second) << "\n";
  bench.translator->OnLine = [&](const TLineReport& report) {
    const std::string where = name + ":" + std::to_string(report.LineIndex + 1) + ": ";
    if (report.Outcome == TLineOutcome::Failed) {
      ok = false;
      out << where << "error: Unable to assign value for " << Local(report.Path) << " = " << Local(report.Value)
          << "\n";
    } else if (const char* warning = Warning(report.Outcome)) {
      out << where << "warning: " << Local(report.Path) << ": " << warning << "\n";
    }
  };
  bench.translator->SetLoadGUI(true);
  bench.translator->LoadLanguageFile(fileName);
  bench.translator->TranslateForm(bench.form);
  bench.translator->TranslateFrame(bench.form->FrmMovie());
  return ok;
}

std::optional<int> RunCommandLine(const QStringList& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) return std::nullopt;
  const QString mode = args[1];
  if (mode == QLatin1String("--help")) {
    out << kUsage;
    return 0;
  }
  if (mode == QLatin1String("--check")) {
    const QStringList files = args.mid(2);
    if (files.isEmpty()) {
      err << "--check needs at least one file\n" << kUsage;
      return 2;
    }
    int status = 0;
    for (const QString& file : files) {
      if (!Readable(file)) {
        err << Local(file) << ": error: the file cannot be read\n";
        status = 2;
        continue;
      }
      if (!CheckLanguageFile(file, out) && status == 0) status = 1;
    }
    return status;
  }
  if (mode == QLatin1String("--render")) {
    if (args.size() != 4 && !(args.size() == 6 && args[4] == QLatin1String("--dpi"))) {
      err << "--render needs a language/GUI file and a picture file\n" << kUsage;
      return 2;
    }
    int dpi = 0;
    if (args.size() == 6) {
      bool ok = false;
      dpi = args[5].toInt(&ok);
      if (!ok || dpi < 48 || dpi > 480) {
        err << "--dpi needs a resolution from 48 to 480 pixels per inch\n";
        return 2;
      }
    }
    if (!Readable(args[2])) {
      err << Local(args[2]) << ": error: the file cannot be read\n";
      return 2;
    }
    // The resolution the panel's re-layout and the fonts see, for this
    // picture only.
    const int previousDpi = Screen().PixelsPerInchOverride();
    if (dpi > 0) Screen().SetPixelsPerInch(dpi);
    const auto restoreDpi = qScopeGuard([previousDpi] { Screen().SetPixelsPerInch(previousDpi); });
    Workbench bench;
    // The panel as the catalog shows it there: the screen's default font,
    // 8 points, has more pixels on a finer screen. The designer's own
    // column keeps its look.
    if (dpi > 0) {
      bench.form->FrmMovie()->Font().SetSize(8);
      MakeRoomForResolution(*bench.form, dpi);
    }
    bench.form->SetGUIChoice(TGUIChoice::LoadGUI);
    bench.form->ShowForm();
    bench.form->ApplyLanguageFile(args[2]);
    QApplication::processEvents();
    if (!bench.form->Widget()->grab().save(args[3], "PNG")) {
      err << Local(args[3]) << ": error: the picture cannot be written\n";
      return 2;
    }
    return 0;
  }
  if (mode.startsWith(QLatin1String("--")) && mode != QLatin1String("--screenshot")) {
    err << "Unknown option " << Local(mode) << "\n" << kUsage;
    return 2;
  }
  return std::nullopt;
}
