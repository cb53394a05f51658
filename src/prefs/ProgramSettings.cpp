#include "prefs/ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exception>

TSettings* Settings = nullptr;

const std::array<const char*, 8> FolderNames = {"Catalogs", "Picture",      "Export",  "Templates",
                                                 "Import",   "GetFromFiles", "Graphic", "Scripts"};

const std::array<const char*, 10> ListNames = {"Media", "Sources",   "Borrowers", "Country",   "Category",
                                               "Video", "Audio",     "Framerate", "Languages", "Subtitles"};

namespace {
QString& ProgramFolderValue() {
  static QString folder;
  return folder;
}
}  // namespace

const QString& ProgramFolder() { return ProgramFolderValue(); }

void SetProgramFolder(const QString& folder) {
  QString path = QDir::fromNativeSeparators(folder);
  if (!path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  ProgramFolderValue() = path;
}

QString ProgramFullVersion() { return QStringLiteral(VORNIK_PROGRAM_FULL_VERSION); }

QString ProgramVersion() {
  const QString full = ProgramFullVersion();
  return full.left(full.lastIndexOf(QLatin1Char('.')));
}

// ---- TFolder ----

const TClassInfo& TFolder::StaticClass() {
  static const TClassInfo info("TFolder", &TObject::StaticClass());
  return info;
}

QString TFolder::GetPath() const { return !Path.isEmpty() && QFileInfo(Path).isDir() ? Path : QString(); }

void TFolder::SetPath(const QString& path) {
  if (Type == 1) Path = path;
}

void TFolder::ReadFromXml(TJvSimpleXmlElem& folders, int index) {
  TJvSimpleXmlElem* folder = folders.Children().Find(QString::fromLatin1(FolderNames.at(static_cast<size_t>(index))));
  if (!folder) {
    Type = 1;
    Path.clear();
    return;
  }
  Type = static_cast<int32_t>(folder->Props().ReadInteger(QStringLiteral("Type"), 1));
  Path = folder->Props().ReadText(QStringLiteral("Path"), QString());
}

// ---- TSettings ----

const TClassInfo& TSettings::StaticClass() {
  static const TClassInfo info("TSettings", &TObject::StaticClass());
  return info;
}

TSettings::TSettings() : DefaultMovie(this), m_xml(std::make_unique<TJvSimpleXml>(nullptr)) {}

TSettings::~TSettings() = default;

QString TSettings::GetLanguageFile() const {
  if (Language.isEmpty()) return QString();
  return ProgramFolder() + QStringLiteral("Languages/") + Language + QStringLiteral(".lng");
}

void TSettings::Load(const QStringList& args) {
  QDir::setCurrent(ProgramFolder());
  for (qsizetype i = 1; i < args.size(); ++i) {
    if (SameText(args[i], QStringLiteral("/prefs"))) {
      // The file name is still looked at as a switch in the next pass.
      if (i + 1 < args.size()) PrefsFile = args[i + 1];
    } else if (SameText(args[i], QStringLiteral("/tr_show_errors"))) {
      TranslatorShowErrors = true;
    }
  }
  if (!QFileInfo::exists(PrefsFile)) {
    // An older installation kept its preferences under another name; a new
    // one starts from the defaults file. Either may fail unnoticed.
    if (QFileInfo::exists(QStringLiteral("vornikprefs.xml")))
      QFile::rename(ProgramFolder() + QStringLiteral("vornikprefs.xml"), PrefsFile);
    else
      QFile::copy(QStringLiteral("default.xml"), PrefsFile);
  }
  try {
    m_xml->LoadFromFile(PrefsFile);
  } catch (const std::exception&) {
    // A missing, unreadable or broken file leaves what was parsed so far.
  }
  ReadFromXml();
  Version = ProgramVersion();
}
