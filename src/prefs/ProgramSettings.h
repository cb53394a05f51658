// The program-wide values (program folder, versions, the preferences
// instance) and the preferences record: every value of the movie catalog's
// preferences file with its default, read once at start.
#pragma once

#include "prefs/JvSimpleXml.h"
#include "prefs/movieclass.h"

#include "toolkit/Strings.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <memory>

// The folder of the program, with a trailing "/". The program entry sets it
// first thing from the executable's folder; tests point it elsewhere. The
// preferences files, "Languages/", "Templates/", "Catalogs/" and "Scripts/"
// lie in it.
const QString& ProgramFolder();
void SetProgramFolder(const QString& folder);
// The program's file version, "1.0.0.5", and the same without the build
// number, "1.0.0".
QString ProgramFullVersion();
QString ProgramVersion();

// One folder setting: type 1 lets the reader fill in a default path, type 0
// leaves the entry as read, any other type keeps the path as read.
class TFolder : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t Type = 0;
  QString Path;

  // The path when a directory of that name exists, else the empty text.
  QString GetPath() const;
  // Replaces the path, for folders of type 1 only.
  void SetPath(const QString& path);
  // Reads "Type" (default 1) and "Path" of the child of `folders` named
  // FolderNames[index]; without that child the folder is type 1, no path.
  void ReadFromXml(TJvSimpleXmlElem& folders, int index);
};

// The folder elements below Settings/Options/Folders, by folder index.
extern const std::array<const char*, 8> FolderNames;
// The movie-information lists below Settings/Options/MovieInfo/Lists.
extern const std::array<const char*, 10> ListNames;

struct TWindowSize {
  int32_t WindowWidth;
  int32_t WindowHeight;
};

class TSettings : public TObject {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TSettings();
  ~TSettings() override;

  // Start-up load: makes ProgramFolder the current directory, honours
  // "/prefs <file>" and "/tr_show_errors" in `args` (args[0] is the program,
  // letter case ignored), renames "vornikprefs.xml" or copies "default.xml"
  // when the preferences file is missing, parses it dropping every error,
  // and reads every value. Never raises and never shows anything.
  void Load(const QStringList& args);
  // The language/GUI file of the current language; empty when none is chosen.
  QString GetLanguageFile() const;

  // The preferences document as parsed, plus every element the reader added.
  TJvSimpleXml& Xml() const { return *m_xml; }

  // The preferences file, relative to the program folder unless absolute.
  QString PrefsFile = QStringLiteral("prefs.xml");
  // Set by Load when "/tr_show_errors" was given; the program entry passes it
  // on to the translator.
  bool TranslatorShowErrors = false;
  // The current language: the language/GUI file's name without folder and
  // ".lng"; "?" when the preferences name none, empty when none is chosen.
  QString Language;
  // The file's version while loading; the program's version afterwards.
  QString Version;

  struct {
    int32_t WindowWidth, WindowHeight, WindowLeft, WindowTop, WindowState;
    bool Statusbar;
    int32_t ListWidth;
    bool GridMode;
    int32_t PicDockedHeight, Group;
    bool FindWholeField;
    int32_t FindField, SortColumn;
    QString ColumnSettings;
    int32_t PictureWinLeft, PictureWinTop;
  } Main{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState, Includemov, ImgFileName;
    struct {
      bool ExportBoth;
      QString LastTemplate, LastTemplate2;
    } HTML;
    struct {
      QString Delimiter, Bloc, Linebreaks;
      bool ColumnTitles;
    } CSV;
    struct {
      bool SQLUpdate, SQLDrop, SQLCreate;
      QString SQLTableName, SQLLinebreaks;
    } SQL;
    struct {
      int32_t Order;
    } Sort;
  } Export{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState;
    bool AllowDup, AutoAssign;
    int32_t PicImport;
    struct {
      QString Delim, Quote;
      bool FirstLineHeaders;
      QString Linebreaks;
    } CSV;
    struct {
      QString From, Where;
    } Query;
  } Import{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState, Includemov, ReportsListWidth;
    struct {
      int32_t Order;
    } Sort;
  } Print{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState;
    QString ScriptRemember1, ScriptRemember2;
    int32_t Includemov;
    QString LangFilterExcl;
    int32_t ListViewStyle;
    bool ShowResGetInfo, ShowResScripting, CloseWinGetInfo, CloseWinScripting, AllowClearGetInfo, AllowClearScripting;
    TWindowSize Properties, Results, PickList, PickTree;
  } Scripts{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState, MoviesHeight, MoviesColWidth, MoviesSort, NamesWidth, NamesSort,
        LentSort;
    bool IncludeSameNum, IncludeSameLabel;
  } Loan{};

  TWindowSize Properties{};

  struct {
    int32_t WindowWidth, WindowHeight, WindowState;
    bool EmptyMonths, Legend, Labels, GroupValues;
    int32_t Includemov;
  } Statistics{};

  struct {
    int32_t SortOrder;
  } Renumber{};

  struct TListOptions {
    bool AutoAdd, Sorted, AutoComplete, UseCatalogValues;
  };

  struct {
    int32_t WindowWidth, WindowHeight;
    struct {
      bool ImagesInMenu, OfficeXP;
      QString IconSet;
      int32_t ColorType;
      bool Logo, SoftBorders;
    } Display;
    struct {
      bool Backup;
      int32_t RecentFiles;
      struct {
        bool Enabled;
        QString File;
        bool Last;
      } AutoLoad;
      struct {
        bool Enabled;
        QString File;
      } History;
    } Files;
    struct {
      struct {
        int32_t TitleColumn;
        struct {
          bool Use;
        } Prefixes;
      } TitleDisplay;
      bool ConfirmDelete, ConfirmUndo, Checkboxes, HotTrack, EnhancedScrollbars, MovieNumColumn, ListRating;
      uint16_t ShortcutPrev, ShortcutNext;
      bool GroupNotAlone, GroupCount, GroupExpand, GroupsAbove, GroupLabelNumber, GroupUnique, GroupEmpty;
    } MovieList;
    struct {
      bool AskNumber, FirstAvailable, AddScript, AddFiles, RatingTrunc, QVXRating;
      struct {
        int32_t Background;
        bool FitWindow, PictureInfo;
      } Picture;
      TWindowSize DefaultMovie;
      struct {
        bool MediaLabel, FileName, FileNameURL, Size, SizeString;
        uint8_t SizeUnit;
        bool InternalAVI, Resolution, Length, Framerate, VideoCodec, VideoBitrate, AudioCodec, AudioBitrate, Languages,
            Subtitles;
      } ImportInfo;
      struct {
        int32_t GetInfoMethod, ScriptingMethod, Naming;
        bool CatalogPrefix;
      } PicImport;
      struct {
        QString ComboDelimiter;
        bool SameForAll;
        // One per entry of ListNames.
        std::array<TListOptions, 10> Items;
      } Lists;
    } MovieInfo;
    struct {
      bool Autorun;
      struct {
        bool Use;
        QString Server;
        int32_t Port;
        QString Username;
        // Unscrambled after reading.
        QString Password;
        bool KeepConnection, HTTP10;
      } Proxy;
    } Scripting;
    struct {
      bool LoadTemplate;
      QString LineBreak;
      int32_t ForcePicSizeW, ForcePicSizeH;
      QString SQLDate;
      bool RememberLastFile;
      QString LastFile;
      bool OpenExportedFile;
      int32_t ExpFileStyle;
      QString ExpFileExt;
      bool AddZeroes, CopyPictures, CopyPicturesNew;
    } Export;
    struct {
      bool SameForAll;
    } Folders;
    struct {
      int32_t ThumbnailSize;
    } Screenshots;
  } Options{};

  // Folders by index of FolderNames.
  std::array<TFolder, 8> Folders;

  // The string lists, each filled from the children of one element.
  TStringList MainMRU;           // Settings/Main/MRU, "Name"
  TStringList ExportHTMLMRU;     // Settings/Export/HTML/MRU, "Name"
  TStringList ExportCSVFields;   // Settings/Export/CSV/Fields, "Name"
  TStringList ExportSQLFields;   // Settings/Export/SQL/Fields, "Name"
  TStringList ExportSortFields;  // Settings/Export/Sort/Fields, "Name"
  TStringList ImportCSVFields;   // Settings/Import/CSV/Fields, "Name"
  TStringList ImportLastFiles;   // Settings/Import/LastFiles: tag name=FileName
  TStringList PrintSortFields;   // Settings/Print/Sort/Fields, "Name"
  TStringList ScriptsMRU;        // Settings/Scripts/MRU, "Name"
  TStringList RenumberFields;    // Settings/Renumber/Fields, "Name"
  TStringList TitlePrefixes;     // .../MovieList/TitleDisplay/Prefixes, "Text"
  TStringList MovieInfoSearch;   // Settings/Options/MovieInfo/Search, "Address"
  // Settings/Options/MovieInfo/Lists/<ListNames[i]>, "Text".
  std::array<TStringList, 10> ListValues;

  // The "Toolbars" elements below Settings/Main and Settings/Scripts, inside
  // Xml(); not owned.
  TJvSimpleXmlElem* MainToolbars = nullptr;
  TJvSimpleXmlElem* ScriptsToolbars = nullptr;

  // The values a new movie of the catalog starts with.
  TMovie DefaultMovie;

  // Reads every value from Xml() into the record, adding the elements it
  // looks for and does not find. Load calls it after parsing.
  void ReadFromXml();

  // The number of a preferences file's version ("3.4.1" gives 34); 35 when
  // the version does not read. Files below 35 have the older format.
  static int FileVersionNumber(const QString& version);
  // The proxy password as stored, unscrambled.
  static QString UnscramblePassword(const QString& stored);

 private:
  std::unique_ptr<TJvSimpleXml> m_xml;
};

// The one preferences instance; the program entry creates it before the
// translator and frees it after.
extern TSettings* Settings;
