#include "prefs/ProgramSettings.h"

#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A program folder in a fresh temporary folder; the current directory and
// the program folder are given back afterwards.
class PrefsTest : public TempDirTest {
 protected:
  void SetUp() override {
    m_savedDir = QDir::currentPath();
    m_savedFolder = ProgramFolder();
    SetProgramFolder(DirPath());
  }
  void TearDown() override {
    QDir::setCurrent(m_savedDir);
    SetProgramFolder(m_savedFolder);
  }

  void WritePrefs(const QString& name, const QByteArray& xml) { WriteFileBytes(Path(name), xml); }

  // Loads preferences from a file holding `settings` below the root.
  void LoadSettingsXml(TSettings& settings, const QByteArray& inner, const QByteArray& rootAttributes = "") {
    WritePrefs("prefs.xml", "<?xml version=\"1.0\"?>\n<Preferences" + rootAttributes + "><Settings>" + inner +
                                "</Settings></Preferences>");
    settings.Load({"designer"});
  }

  static TJvSimpleXmlElem* Path(TJvSimpleXmlElem* from, const QStringList& names) {
    for (const QString& name : names) {
      if (!from) return nullptr;
      from = from->Children().Find(name);
    }
    return from;
  }
  using TempDirTest::Path;

 private:
  QString m_savedDir;
  QString m_savedFolder;
};

TEST_F(PrefsTest, ProgramValues) {
  EXPECT_EQ(ProgramFullVersion(), "1.0.0.5");
  EXPECT_EQ(ProgramVersion(), "1.0.0");
  EXPECT_TRUE(ProgramFolder().endsWith('/'));
  EXPECT_EQ(ProgramFolder(), DirPath() + "/");
  SetProgramFolder(DirPath() + "/");
  EXPECT_EQ(ProgramFolder(), DirPath() + "/");
}

TEST_F(PrefsTest, LanguageFile) {
  TSettings settings;
  EXPECT_EQ(settings.Language, "");
  EXPECT_EQ(settings.GetLanguageFile(), "");
  settings.Language = "Deutsch";
  EXPECT_EQ(settings.GetLanguageFile(), ProgramFolder() + "Languages/Deutsch.lng");
  settings.Language = "?";
  EXPECT_EQ(settings.GetLanguageFile(), ProgramFolder() + "Languages/?.lng");
  EXPECT_FALSE(QFileInfo::exists(settings.GetLanguageFile()));
}

TEST_F(PrefsTest, RootOnlyDocumentGivesEveryDefault) {
  WritePrefs("prefs.xml", "<Preferences/>");
  TSettings settings;
  settings.Load({"designer"});
  EXPECT_EQ(QDir::currentPath(), QDir(DirPath()).canonicalPath());
  EXPECT_EQ(settings.Language, "?");
  EXPECT_EQ(settings.Version, "1.0.0");
  EXPECT_FALSE(settings.TranslatorShowErrors);

  EXPECT_EQ(settings.Main.WindowWidth, 740);
  EXPECT_EQ(settings.Main.WindowState, 2);
  EXPECT_TRUE(settings.Main.Statusbar);
  EXPECT_EQ(settings.Main.Group, -1);
  EXPECT_EQ(settings.Main.PictureWinTop, 100);
  EXPECT_EQ(settings.Export.WindowWidth, 675);
  EXPECT_EQ(settings.Export.HTML.LastTemplate, ProgramFolder() + "Templates/template.html");
  EXPECT_EQ(settings.Export.CSV.Bloc, "\"");
  EXPECT_EQ(settings.Export.CSV.Linebreaks, " ");
  EXPECT_EQ(settings.Export.SQL.SQLLinebreaks, "\\n");
  EXPECT_EQ(settings.Export.SQL.SQLTableName, "movies");
  EXPECT_EQ(settings.Import.CSV.Delim, "[tab]");
  EXPECT_EQ(settings.Import.WindowWidth, 780);
  EXPECT_EQ(settings.Print.ReportsListWidth, 175);
  EXPECT_EQ(settings.Scripts.ListViewStyle, 2);
  EXPECT_TRUE(settings.Scripts.AllowClearScripting);
  EXPECT_EQ(settings.Scripts.Results.WindowWidth, 690);
  EXPECT_EQ(settings.Scripts.PickTree.WindowWidth, 450);
  EXPECT_EQ(settings.Loan.MoviesColWidth, 216);
  EXPECT_EQ(settings.Loan.NamesWidth, 210);
  EXPECT_EQ(settings.Properties.WindowHeight, 350);
  EXPECT_TRUE(settings.Statistics.GroupValues);
  EXPECT_EQ(settings.Renumber.SortOrder, 0);
  EXPECT_EQ(settings.Options.WindowWidth, 650);
  EXPECT_EQ(settings.Options.Display.IconSet, "Windows XP");
  EXPECT_EQ(settings.Options.Files.RecentFiles, 5);
  EXPECT_EQ(settings.Options.Files.History.File, "Loans history.csv");
  EXPECT_EQ(settings.Options.MovieList.TitleDisplay.TitleColumn, 2);
  EXPECT_EQ(settings.Options.MovieList.ShortcutPrev, 0x4021);
  EXPECT_EQ(settings.Options.MovieList.ShortcutNext, 0x4022);
  EXPECT_EQ(settings.Options.MovieInfo.Picture.Background, 536870912);
  EXPECT_EQ(settings.Options.MovieInfo.DefaultMovie.WindowWidth, 570);
  EXPECT_EQ(settings.Options.MovieInfo.PicImport.ScriptingMethod, 1);
  EXPECT_EQ(settings.Options.MovieInfo.Lists.ComboDelimiter, ",");
  for (const TSettings::TListOptions& list : settings.Options.MovieInfo.Lists.Items) {
    EXPECT_TRUE(list.Sorted);
    EXPECT_TRUE(list.UseCatalogValues);
    EXPECT_FALSE(list.AutoAdd);
  }
  EXPECT_EQ(settings.Options.Scripting.Proxy.Port, 8080);
  EXPECT_EQ(settings.Options.Export.LineBreak, "<br />");
  EXPECT_EQ(settings.Options.Export.SQLDate, "yyyy'-'mm'-'dd");
  EXPECT_EQ(settings.Options.Export.ForcePicSizeW, -1);
  EXPECT_EQ(settings.Options.Screenshots.ThumbnailSize, 130);
  // Without a version the file counts as older: its size unit 2 reads as 0.
  EXPECT_EQ(settings.Options.MovieInfo.ImportInfo.SizeUnit, 0);
  EXPECT_EQ(settings.DefaultMovie.GetFieldInteger(fieldRating), -1);

  const QString folder = ProgramFolder();
  const QStringList expected = {folder + "Catalogs/", folder + "Catalogs/", folder + "Catalogs/", folder + "Templates/",
                                folder + "Catalogs/", folder, folder, folder + "Scripts/"};
  for (size_t i = 0; i < settings.Folders.size(); ++i) {
    EXPECT_EQ(settings.Folders[i].Type, 1) << i;
    EXPECT_EQ(settings.Folders[i].Path, expected[static_cast<qsizetype>(i)]) << i;
  }

  // The reader left every element it looked for in the document.
  TJvSimpleXmlElem* root = &settings.Xml().Root();
  TJvSimpleXmlElem* prefs = Path(root, {"Settings"});
  ASSERT_NE(prefs, nullptr);
  QStringList names;
  for (int i = 0; i < prefs->ChildCount(); ++i) names << prefs->Children().Item(i)->Name();
  EXPECT_EQ(names, QStringList({"Main", "Export", "Import", "Print", "Scripts", "Loan", "Properties", "Statistics",
                                "Renumber", "Options"}));
  TJvSimpleXmlElem* options = Path(prefs, {"Options"});
  names.clear();
  for (int i = 0; i < options->ChildCount(); ++i) names << options->Children().Item(i)->Name();
  EXPECT_EQ(names, QStringList({"Display", "Files", "MovieList", "MovieInfo", "Scripting", "Export", "Folders",
                                "Language", "Screenshots"}));
  EXPECT_NE(Path(prefs, {"Main", "MRU"}), nullptr);
  EXPECT_NE(Path(prefs, {"Import", "LastFiles"}), nullptr);
  EXPECT_NE(Path(prefs, {"Options", "MovieInfo", "Lists", "Subtitles"}), nullptr);
  EXPECT_NE(Path(prefs, {"Options", "MovieList", "TitleDisplay", "Prefixes"}), nullptr);
  EXPECT_NE(Path(prefs, {"Options", "MovieInfo", "Search"}), nullptr);
  // Looked up only: the default movie's values and the folder entries.
  EXPECT_EQ(Path(prefs, {"Options", "MovieInfo", "DefaultMovie"})->ChildCount(), 0);
  EXPECT_EQ(Path(prefs, {"Options", "Folders"})->ChildCount(), 0);
  EXPECT_EQ(settings.MainToolbars, Path(prefs, {"Main", "Toolbars"}));
  EXPECT_EQ(settings.ScriptsToolbars, Path(prefs, {"Scripts", "Toolbars"}));
  ASSERT_NE(settings.MainToolbars, nullptr);
  ASSERT_NE(settings.ScriptsToolbars, nullptr);
  EXPECT_NE(settings.MainToolbars, settings.ScriptsToolbars);
}

TEST_F(PrefsTest, ListWidthsBelowOneTakeTheirDefaults) {
  const struct {
    const char* xml;
    int main, reports, moviesHeight, names;
  } cases[] = {
      {"<Main ListWidth=\"0\"/><Print ReportsListWidth=\"-3\"/><Loan MoviesHeight=\"0\" NamesWidth=\"-1\"/>", 200, 175,
       175, 210},
      {"<Main ListWidth=\"1\"/><Print ReportsListWidth=\"1\"/><Loan MoviesHeight=\"1\" NamesWidth=\"1\"/>", 1, 1, 1, 1},
      {"<Main ListWidth=\"-20\"/>", 200, 175, 175, 210},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xml);
    TSettings settings;
    LoadSettingsXml(settings, c.xml);
    EXPECT_EQ(settings.Main.ListWidth, c.main);
    EXPECT_EQ(settings.Print.ReportsListWidth, c.reports);
    EXPECT_EQ(settings.Loan.MoviesHeight, c.moviesHeight);
    EXPECT_EQ(settings.Loan.NamesWidth, c.names);
  }
}

TEST_F(PrefsTest, LoanColumnWidthFollowsTheWindowWidth) {
  TSettings wide;
  LoadSettingsXml(wide, "<Loan WindowWidth=\"900\"/>");
  EXPECT_EQ(wide.Loan.MoviesColWidth, 300);
  TSettings given;
  LoadSettingsXml(given, "<Loan WindowWidth=\"900\" MoviesColWidth=\"120\"/>");
  EXPECT_EQ(given.Loan.MoviesColWidth, 120);
}

TEST_F(PrefsTest, OlderFileVersionsAdjustIconSetAndSizeUnit) {
  const struct {
    const char* version;
    const char* sizeUnit;
    const char* iconSet;
    int expectedUnit;
  } cases[] = {
      {" Version=\"3.4\"", "0", "Scrows", 2},  {" Version=\"3.5\"", "0", "", 0},   {" Version=\"4.0.6\"", "0", "", 0},
      {" Version=\"3.0\"", "1", "Scrows", 1},  {" Version=\"3.0\"", "2", "Scrows", 0},
      {"", "7", "Scrows", 2},                  {" Version=\"x\"", "7", "", 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.version) + " " + c.sizeUnit);
    TSettings settings;
    LoadSettingsXml(settings,
                    QByteArray("<Options><Display IconSet=\"\"/><MovieInfo><ImportInfo SizeUnit=\"") + c.sizeUnit +
                        "\"/></MovieInfo></Options>",
                    c.version);
    EXPECT_EQ(settings.Options.Display.IconSet, c.iconSet);
    EXPECT_EQ(settings.Options.MovieInfo.ImportInfo.SizeUnit, c.expectedUnit);
    EXPECT_EQ(settings.Version, "1.0.0");
  }
  EXPECT_EQ(TSettings::FileVersionNumber("3.4.1"), 34);
  EXPECT_EQ(TSettings::FileVersionNumber("4.0.6"), 40);
  EXPECT_EQ(TSettings::FileVersionNumber("1.0.0"), 10);
  EXPECT_EQ(TSettings::FileVersionNumber(""), 35);
}

TEST_F(PrefsTest, FoldersByType) {
  ASSERT_TRUE(QDir(DirPath()).mkpath("kept"));
  const QString kept = Path("kept");
  TSettings settings;
  LoadSettingsXml(settings, ("<Options><Folders>"
                             "<Templates Type=\"1\" Path=\"/no/such/folder\"/>"
                             "<Catalogs Type=\"0\" Path=\"nowhere\"/>"
                             "<Picture Type=\"2\"/>"
                             "<Export Type=\"2\" Path=\"/no/such/folder\"/>"
                             "<Import Type=\"1\" Path=\"" +
                             kept.toUtf8() +
                             "\"/>"
                             "<Graphic Type=\"1\"/>"
                             "</Folders></Options>"));
  EXPECT_EQ(settings.Folders[3].Path, ProgramFolder() + "Templates/");
  EXPECT_EQ(settings.Folders[0].Type, 0);
  EXPECT_EQ(settings.Folders[0].Path, "nowhere");
  EXPECT_EQ(settings.Folders[1].Path, "");
  EXPECT_EQ(settings.Folders[2].Path, "/no/such/folder");
  EXPECT_EQ(settings.Folders[4].Path, kept);
  EXPECT_EQ(settings.Folders[6].Path, ProgramFolder());

  TFolder folder;
  folder.SetPath("ignored");
  EXPECT_EQ(folder.Path, "");
  folder.Type = 1;
  folder.SetPath(kept);
  EXPECT_EQ(folder.GetPath(), kept);
  folder.SetPath(kept + "/missing");
  EXPECT_EQ(folder.GetPath(), "");
}

TEST_F(PrefsTest, LastOfTwoElementsCountsAndListsAreRead) {
  TSettings settings;
  LoadSettingsXml(settings,
                  "<Main><MRU><f Name=\"a.amc\"/><f/><File Name=\"b|c.amc\"/></MRU></Main>"
                  "<Import><LastFiles><CSV FileName=\"one.csv\"/><Xml FileName=\"x.xml\"/><CSV FileName=\"two.csv\"/>"
                  "<Xml FileName=\"\"/></LastFiles></Import>"
                  "<Scripts><PickTree WindowWidth=\"300\" WindowHeight=\"200\"/></Scripts>"
                  "<Options><Language File=\"English\"/><Language File=\"Deutsch\"/>"
                  "<MovieList><TitleDisplay><Prefixes Use=\"True\"><p Text=\"The\"/></Prefixes></TitleDisplay></MovieList>"
                  "<MovieInfo><Lists><Media><i Text=\"DVD\"/><i Text=\"VHS\"/></Media></Lists>"
                  "<Search><s Address=\"http://example.org/?q=%s\"/></Search></MovieInfo>"
                  "<Scripting><Proxy Password=\"AgAgAgB\"/></Scripting></Options>");
  EXPECT_EQ(settings.Language, "Deutsch");
  EXPECT_EQ(settings.MainMRU.ToStringList(), QStringList({"a.amc", "b|c.amc"}));
  EXPECT_EQ(settings.ImportLastFiles.ToStringList(), QStringList({"CSV=two.csv"}));
  EXPECT_EQ(settings.Scripts.PickTree.WindowWidth, 300);
  EXPECT_EQ(settings.Scripts.PickTree.WindowHeight, 200);
  EXPECT_EQ(settings.Scripts.PickList.WindowWidth, 500);
  EXPECT_EQ(settings.Scripts.PickList.WindowHeight, 440);
  EXPECT_TRUE(settings.Options.MovieList.TitleDisplay.Prefixes.Use);
  EXPECT_EQ(settings.TitlePrefixes.ToStringList(), QStringList({"The"}));
  EXPECT_EQ(settings.ListValues[0].ToStringList(), QStringList({"DVD", "VHS"}));
  EXPECT_EQ(settings.ListValues[1].Count(), 0);
  EXPECT_EQ(settings.MovieInfoSearch.ToStringList(), QStringList({"http://example.org/?q=%s"}));
  EXPECT_EQ(settings.Options.Scripting.Proxy.Password, "abc");
}

TEST_F(PrefsTest, PasswordIsUnscrambled) {
  // Each byte is XORed with its position and written as two letters, the
  // low half from "A" and the high half from "a".
  EXPECT_EQ(TSettings::UnscramblePassword("AgAgAg"), "abc");
  EXPECT_EQ(TSettings::UnscramblePassword("KgHgKh"), "key");
  EXPECT_EQ(TSettings::UnscramblePassword("AgA"), "a");
  EXPECT_EQ(TSettings::UnscramblePassword(""), "");
}

TEST_F(PrefsTest, DefaultMovieAndShortcutsAreRead) {
  TSettings settings;
  LoadSettingsXml(settings,
                  "<Options><MovieList ShortcutPrev=\"$14021\"/><MovieInfo>"
                  "<DefaultMovie WindowWidth=\"600\"><Values Checked=\"False\" Rating=\"7.5\" MediaType=\"DVD\" "
                  "SnapCount=\"1\" Snap1=\"s.bmp\"/></DefaultMovie></MovieInfo></Options>");
  EXPECT_EQ(settings.Options.MovieList.ShortcutPrev, 0x4021);
  EXPECT_EQ(settings.Options.MovieInfo.DefaultMovie.WindowWidth, 600);
  EXPECT_EQ(settings.DefaultMovie.GetFieldText(fieldChecked, false), "False");
  EXPECT_EQ(settings.DefaultMovie.GetFieldInteger(fieldRating), 75);
  EXPECT_EQ(settings.DefaultMovie.GetFieldText(fieldMediaType, false), "DVD");
}

TEST_F(PrefsTest, PrefsSwitchNamesAFileInTheProgramFolderAndSwitchesIgnoreCase) {
  WritePrefs("vornikprefs.xml", "<P><Settings><Options><Language File=\"Deutsch\"/></Options></Settings></P>");
  TSettings settings;
  settings.Load({"designer", "/TR_SHOW_ERRORS", "/PREFS", "mine.xml"});
  EXPECT_EQ(settings.PrefsFile, "mine.xml");
  EXPECT_TRUE(settings.TranslatorShowErrors);
  EXPECT_EQ(settings.Language, "Deutsch");
  EXPECT_TRUE(QFileInfo::exists(Path("mine.xml")));
  EXPECT_FALSE(QFileInfo::exists(Path("vornikprefs.xml")));

  TSettings after;
  after.Load({"designer", "/prefs", "mine.xml", "/Tr_Show_Errors"});
  EXPECT_TRUE(after.TranslatorShowErrors);
  EXPECT_EQ(after.Language, "Deutsch");

  TSettings last;
  last.Load({"designer", "/prefs"});
  EXPECT_EQ(last.PrefsFile, "prefs.xml");
  EXPECT_FALSE(last.TranslatorShowErrors);

  // The argument after "/prefs" is still looked at as a switch.
  TSettings both;
  both.Load({"designer", "/prefs", "/tr_show_errors"});
  EXPECT_EQ(both.PrefsFile, "/tr_show_errors");
  EXPECT_TRUE(both.TranslatorShowErrors);
  EXPECT_EQ(both.Language, "?");
}

TEST_F(PrefsTest, OlderFileIsRenamedOnTheFirstOfTwoRuns) {
  WritePrefs("vornikprefs.xml", "<P><Settings><Options><Language File=\"Italiano\"/></Options></Settings></P>");
  TSettings first;
  first.Load({"designer"});
  EXPECT_EQ(first.Language, "Italiano");
  EXPECT_TRUE(QFileInfo::exists(Path("prefs.xml")));
  EXPECT_FALSE(QFileInfo::exists(Path("vornikprefs.xml")));
  TSettings second;
  second.Load({"designer"});
  EXPECT_EQ(second.Language, "Italiano");
}

TEST_F(PrefsTest, DefaultsFileIsCopiedWhenNothingElseExists) {
  const QByteArray defaults = "<P><Settings><Options><Language File=\"English\"/></Options></Settings></P>";
  WritePrefs("default.xml", defaults);
  TSettings settings;
  settings.Load({"designer"});
  EXPECT_EQ(settings.Language, "English");
  EXPECT_EQ(ReadFileBytes(Path("prefs.xml")), defaults);
  EXPECT_EQ(ReadFileBytes(Path("default.xml")), defaults);
}

TEST_F(PrefsTest, MissingOrBrokenFilesGiveNoLanguage) {
  TSettings missing;
  missing.Load({"designer"});
  EXPECT_EQ(missing.Language, "?");
  EXPECT_EQ(missing.Main.WindowWidth, 740);
  EXPECT_FALSE(QFileInfo::exists(Path("prefs.xml")));

  WritePrefs("prefs.xml", "<P Version=\"3.0\"><Settings><Main WindowWidth=\"800\"/><Options><Language File=\"Deutsch\"/>");
  TSettings broken;
  broken.Load({"designer"});
  EXPECT_EQ(broken.Language, "?");
  EXPECT_EQ(broken.Main.WindowWidth, 740);
  EXPECT_EQ(broken.Options.Display.IconSet, "Windows XP");

  // What was complete before the error is still read.
  WritePrefs("prefs.xml", "<P><Settings><Options><Language File=\"Deutsch\"/></Options></Settings><Bad x=1/></P>");
  TSettings partly;
  partly.Load({"designer"});
  EXPECT_EQ(partly.Language, "Deutsch");

  WritePrefs("prefs.xml", "<P><Config><Options><Language File=\"Deutsch\"/></Options></Config></P>");
  TSettings noSettings;
  noSettings.Load({"designer"});
  EXPECT_EQ(noSettings.Language, "?");
}

}  // namespace
