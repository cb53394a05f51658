// Reading the preferences document into the record: every element on the way
// is entered (and added empty when missing), every value read with its
// default, then a few values are adjusted.
#include "prefs/ProgramSettings.h"

#include "toolkit/ScopedValue.h"

#include <QApplication>
#include <QStyle>

#include <deque>
#include <exception>
#include <map>
#include <optional>
#include <vector>

namespace {
// Name=value lines as TStrings::SetValue leaves them when it is called for
// each pair in turn on an empty list: a name that a line already has (letter
// case ignored) gives that line the new value, an empty value removes the
// line, any other name adds a line at the end. The lines of a name are found
// through an ordered index instead of a scan of the list, so n pairs cost
// n log n rather than n squared.
class NameValueLines {
 public:
  void Set(const QString& name, const QString& value) {
    // A line's name ends before its first "=", so a name that holds one
    // finds no line.
    const qsizetype eq = name.indexOf(QLatin1Char('='));
    if (eq < 0) {
      const auto found = m_byName.find(name);
      if (found != m_byName.end() && !found->second.empty()) {
        const size_t line = found->second.front();
        if (!value.isEmpty()) {
          m_lines[line] = name + QLatin1Char('=') + value;
        } else {
          m_lines[line].reset();
          found->second.pop_front();
        }
        return;
      }
    }
    if (value.isEmpty()) return;
    m_byName[eq < 0 ? name : name.left(eq)].push_back(m_lines.size());
    m_lines.emplace_back(name + QLatin1Char('=') + value);
  }

  void AddTo(TStrings& list) const {
    for (const std::optional<QString>& line : m_lines)
      if (line) list.Add(*line);
  }

 private:
  struct IgnoringCase {
    bool operator()(const QString& a, const QString& b) const { return a.compare(b, Qt::CaseInsensitive) < 0; }
  };
  std::vector<std::optional<QString>> m_lines;  // removed lines are empty
  // The lines of each name, in list order.
  std::map<QString, std::deque<size_t>, IgnoringCase> m_byName;
};

// Walks the document from the root, entering elements by name.
class Walker {
 public:
  explicit Walker(TJvSimpleXmlElem& root) : m_current(&root) {}

  TJvSimpleXmlElem& Current() const { return *m_current; }

  // Makes the child of that name current (adding it when missing) until the
  // returned scope ends.
  [[nodiscard]] TScopedValue<TJvSimpleXmlElem*> Enter(const char* name) {
    return TScopedValue(m_current, &Child(Current(), name));
  }

  static TJvSimpleXmlElem& Child(TJvSimpleXmlElem& parent, const char* name) {
    const QString tag = QString::fromLatin1(name);
    TJvSimpleXmlElem* child = parent.Children().Find(tag);
    return child ? *child : *parent.Children().Add(tag);
  }

  int32_t Int(const char* name, int32_t fallback) const {
    return static_cast<int32_t>(Current().Props().ReadInteger(QString::fromLatin1(name), fallback));
  }
  bool Bool(const char* name, bool fallback) const {
    return Current().Props().ReadBool(QString::fromLatin1(name), fallback);
  }
  QString Text(const char* name, const QString& fallback) const {
    return Current().Props().ReadText(QString::fromLatin1(name), fallback);
  }
  QString Text(const char* name, const char* fallback) const { return Text(name, QString::fromLatin1(fallback)); }

  // The size of a window, from the element `name`.
  void WindowSize(const char* name, TWindowSize& size, int32_t width, int32_t height) {
    const auto element = Enter(name);
    WindowSizeHere(size, width, height);
  }
  // The same from the current element, into any record with the two fields.
  template <class Window>
  void WindowSizeHere(Window& window, int32_t width, int32_t height) const {
    window.WindowWidth = Int("WindowWidth", width);
    window.WindowHeight = Int("WindowHeight", height);
  }
  // The size and the state (normal, minimised, maximised) of a window.
  template <class Window>
  void WindowPlacement(Window& window, int32_t width, int32_t height, int32_t state) const {
    WindowSizeHere(window, width, height);
    window.WindowState = Int("WindowState", state);
  }

  // Fills `list` from the children of the element `name`, one entry per
  // child from its attribute `attribute`. A child without the attribute
  // holds no entry and is passed over.
  void List(const char* name, const char* attribute, TStrings& list) {
    const auto element = Enter(name);
    ListHere(attribute, list);
  }
  // The same for the current element.
  void ListHere(const char* attribute, TStrings& list) const { ReadList(attribute, list, false); }
  // The same with the child's tag name as the entry's name: name=value.
  void NamedList(const char* name, const char* attribute, TStrings& list) {
    const auto element = Enter(name);
    ReadList(attribute, list, true);
  }

 private:
  void ReadList(const char* attribute, TStrings& list, bool named) const {
    list.BeginUpdate();
    list.Clear();
    TJvSimpleXmlElems& children = Current().Children();
    const QString key = QString::fromLatin1(attribute);
    NameValueLines values;
    for (int i = 0; i < children.Count(); ++i) {
      TJvSimpleXmlElem* child = children.Item(i);
      const TJvSimpleXmlProp* prop = child->Props().Find(key);
      if (!prop) continue;
      if (named) values.Set(child->Name(), prop->Value());
      else list.Add(prop->Value());
    }
    values.AddTo(list);
    list.EndUpdate();
  }

  TJvSimpleXmlElem* m_current;
};

// The icon set a new installation starts with follows the look of the
// system: the themed set unless the plain Windows style is in use.
QString DefaultIconSet() {
  const QStyle* style = qobject_cast<QApplication*>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
  const bool themed = style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
  return themed ? QStringLiteral("Windows XP") : QStringLiteral("Scrows");
}
}  // namespace

int TSettings::FileVersionNumber(const QString& version) {
  QString digits = version.left(3);
  const qsizetype point = digits.indexOf(QLatin1Char('.'));
  if (point >= 0) digits.remove(point, 1);
  int32_t number = 0;
  return TryStrToInt(digits, number) ? number : 35;
}

QString TSettings::UnscramblePassword(const QString& stored) {
  QString password;
  const qsizetype pairs = stored.size() / 2;
  for (qsizetype k = 0; k < pairs; ++k) {
    const int c1 = stored.at(2 * k).unicode();
    const int c2 = stored.at(2 * k + 1).unicode();
    const int scrambled = ((c1 - 65) + 16 * (c2 - 97)) & 0xFF;
    const int position = static_cast<int>((k + 1) & 0xFF);
    password += QChar(static_cast<char16_t>(scrambled ^ position));
  }
  return password;
}

namespace {
// One function per element: it enters its element for its own length, reads
// the values with their defaults and the elements below it, and adjusts what
// it read.

void ReadMain(TSettings& s, Walker& w) {
  const auto element = w.Enter("Main");
  auto& main = s.Main;
  w.WindowPlacement(main, 740, 540, 2);
  main.WindowLeft = w.Int("WindowLeft", 20);
  main.WindowTop = w.Int("WindowTop", 20);
  main.Statusbar = w.Bool("Statusbar", true);
  main.ListWidth = w.Int("ListWidth", 200);
  main.GridMode = w.Bool("GridMode", false);
  main.PicDockedHeight = w.Int("PicDockedHeight", 180);
  main.Group = w.Int("Group", -1);
  main.FindWholeField = w.Bool("FindWholeField", false);
  main.FindField = w.Int("FindField", -1);
  main.SortColumn = w.Int("SortColumn", 0);
  main.ColumnSettings = w.Text("ColumnSettings", "");
  main.PictureWinLeft = w.Int("PictureWinLeft", 100);
  main.PictureWinTop = w.Int("PictureWinTop", 100);
  if (main.ListWidth < 1) main.ListWidth = 200;
  w.List("MRU", "Name", s.MainMRU);
  s.MainToolbars = &Walker::Child(w.Current(), "Toolbars");
}

// A "Sort" element: the order, and the fields in "Fields".
int32_t ReadSortOrder(Walker& w, TStrings& fields) {
  const auto sort = w.Enter("Sort");
  const int32_t order = w.Int("Order", 0);
  w.List("Fields", "Name", fields);
  return order;
}

void ReadExport(TSettings& s, Walker& w) {
  const auto element = w.Enter("Export");
  auto& exporting = s.Export;
  w.WindowPlacement(exporting, 675, 510, 1);
  exporting.Includemov = w.Int("Includemov", 0);
  exporting.ImgFileName = w.Int("ImgFileName", 0);
  {
    const auto html = w.Enter("HTML");
    exporting.HTML.ExportBoth = w.Bool("ExportBoth", true);
    exporting.HTML.LastTemplate = w.Text("LastTemplate", ProgramFolder() + QStringLiteral("Templates/template.html"));
    exporting.HTML.LastTemplate2 = w.Text("LastTemplate2", "");
    w.List("MRU", "Name", s.ExportHTMLMRU);
  }
  {
    const auto csv = w.Enter("CSV");
    exporting.CSV.Delimiter = w.Text("Delimiter", ",");
    exporting.CSV.Bloc = w.Text("Bloc", "\"");
    exporting.CSV.Linebreaks = w.Text("Linebreaks", " ");
    exporting.CSV.ColumnTitles = w.Bool("ColumnTitles", false);
    w.List("Fields", "Name", s.ExportCSVFields);
  }
  {
    const auto sql = w.Enter("SQL");
    exporting.SQL.SQLUpdate = w.Bool("SQLUpdate", false);
    exporting.SQL.SQLDrop = w.Bool("SQLDrop", true);
    exporting.SQL.SQLCreate = w.Bool("SQLCreate", true);
    exporting.SQL.SQLTableName = w.Text("SQLTableName", "movies");
    exporting.SQL.SQLLinebreaks = w.Text("SQLLinebreaks", "\\n");
    w.List("Fields", "Name", s.ExportSQLFields);
  }
  exporting.Sort.Order = ReadSortOrder(w, s.ExportSortFields);
}

void ReadImport(TSettings& s, Walker& w) {
  const auto element = w.Enter("Import");
  auto& import = s.Import;
  w.WindowPlacement(import, 780, 520, 1);
  import.AllowDup = w.Bool("AllowDup", true);
  import.AutoAssign = w.Bool("AutoAssign", true);
  import.PicImport = w.Int("PicImport", 0);
  {
    const auto csv = w.Enter("CSV");
    import.CSV.Delim = w.Text("Delim", "[tab]");
    import.CSV.Quote = w.Text("Quote", "");
    import.CSV.FirstLineHeaders = w.Bool("FirstLineHeaders", false);
    import.CSV.Linebreaks = w.Text("Linebreaks", "");
    w.List("Fields", "Name", s.ImportCSVFields);
  }
  {
    const auto query = w.Enter("Query");
    import.Query.From = w.Text("From", "");
    import.Query.Where = w.Text("Where", "");
  }
  w.NamedList("LastFiles", "FileName", s.ImportLastFiles);
}

void ReadPrint(TSettings& s, Walker& w) {
  const auto element = w.Enter("Print");
  auto& print = s.Print;
  w.WindowPlacement(print, 750, 480, 1);
  print.Includemov = w.Int("Includemov", 0);
  print.ReportsListWidth = w.Int("ReportsListWidth", 175);
  if (print.ReportsListWidth < 1) print.ReportsListWidth = 175;
  print.Sort.Order = ReadSortOrder(w, s.PrintSortFields);
}

void ReadScripts(TSettings& s, Walker& w) {
  const auto element = w.Enter("Scripts");
  auto& scripts = s.Scripts;
  w.WindowPlacement(scripts, 580, 430, 1);
  scripts.ScriptRemember1 = w.Text("ScriptRemember1", "");
  scripts.ScriptRemember2 = w.Text("ScriptRemember2", "");
  scripts.Includemov = w.Int("Includemov", 0);
  scripts.LangFilterExcl = w.Text("LangFilterExcl", "");
  scripts.ListViewStyle = w.Int("ListViewStyle", 2);
  scripts.ShowResGetInfo = w.Bool("ShowResGetInfo", true);
  scripts.ShowResScripting = w.Bool("ShowResScripting", false);
  scripts.CloseWinGetInfo = w.Bool("CloseWinGetInfo", true);
  scripts.CloseWinScripting = w.Bool("CloseWinScripting", false);
  scripts.AllowClearGetInfo = w.Bool("AllowClearGetInfo", false);
  scripts.AllowClearScripting = w.Bool("AllowClearScripting", true);
  w.WindowSize("Properties", scripts.Properties, 500, 450);
  w.WindowSize("Results", scripts.Results, 690, 550);
  w.WindowSize("PickList", scripts.PickList, 500, 440);
  w.WindowSize("PickTree", scripts.PickTree, 450, 440);
  w.List("MRU", "Name", s.ScriptsMRU);
  s.ScriptsToolbars = &Walker::Child(w.Current(), "Toolbars");
}

void ReadLoan(TSettings& s, Walker& w) {
  const auto element = w.Enter("Loan");
  auto& loan = s.Loan;
  w.WindowPlacement(loan, 650, 550, 1);
  loan.MoviesHeight = w.Int("MoviesHeight", 175);
  loan.MoviesColWidth = w.Int("MoviesColWidth", loan.WindowWidth / 3);
  loan.MoviesSort = w.Int("MoviesSort", 0);
  loan.NamesWidth = w.Int("NamesWidth", 210);
  loan.NamesSort = w.Int("NamesSort", 0);
  loan.LentSort = w.Int("LentSort", 0);
  loan.IncludeSameNum = w.Bool("IncludeSameNum", false);
  loan.IncludeSameLabel = w.Bool("IncludeSameLabel", false);
  if (loan.MoviesHeight < 1) loan.MoviesHeight = 175;
  if (loan.NamesWidth < 1) loan.NamesWidth = 210;
}

void ReadStatistics(TSettings& s, Walker& w) {
  const auto element = w.Enter("Statistics");
  auto& statistics = s.Statistics;
  w.WindowPlacement(statistics, 750, 550, 1);
  statistics.EmptyMonths = w.Bool("EmptyMonths", true);
  statistics.Legend = w.Bool("Legend", true);
  statistics.Labels = w.Bool("Labels", false);
  statistics.GroupValues = w.Bool("GroupValues", true);
  statistics.Includemov = w.Int("Includemov", 0);
}

void ReadRenumber(TSettings& s, Walker& w) {
  const auto element = w.Enter("Renumber");
  s.Renumber.SortOrder = w.Int("SortOrder", 0);
  w.List("Fields", "Name", s.RenumberFields);
}

void ReadDisplay(TSettings& s, Walker& w, int fileVersion) {
  const auto element = w.Enter("Display");
  auto& display = s.Options.Display;
  display.ImagesInMenu = w.Bool("ImagesInMenu", true);
  display.OfficeXP = w.Bool("OfficeXP", false);
  display.IconSet = w.Text("IconSet", DefaultIconSet());
  if (display.IconSet.isEmpty() && fileVersion < 35) display.IconSet = QStringLiteral("Scrows");
  display.ColorType = w.Int("ColorType", 0);
  display.Logo = w.Bool("Logo", true);
  display.SoftBorders = w.Bool("SoftBorders", false);
}

void ReadFiles(TSettings& s, Walker& w) {
  const auto element = w.Enter("Files");
  auto& files = s.Options.Files;
  files.Backup = w.Bool("Backup", true);
  files.RecentFiles = w.Int("RecentFiles", 5);
  {
    const auto autoLoad = w.Enter("AutoLoad");
    files.AutoLoad.Enabled = w.Bool("Enabled", false);
    files.AutoLoad.File = w.Text("File", "");
    files.AutoLoad.Last = w.Bool("Last", false);
  }
  const auto history = w.Enter("History");
  files.History.Enabled = w.Bool("Enabled", true);
  files.History.File = w.Text("File", "Loans history.csv");
}

void ReadMovieList(TSettings& s, Walker& w) {
  const auto element = w.Enter("MovieList");
  auto& movieList = s.Options.MovieList;
  movieList.ConfirmDelete = w.Bool("ConfirmDelete", true);
  movieList.ConfirmUndo = w.Bool("ConfirmUndo", true);
  movieList.Checkboxes = w.Bool("Checkboxes", true);
  movieList.HotTrack = w.Bool("HotTrack", false);
  movieList.EnhancedScrollbars = w.Bool("EnhancedScrollbars", false);
  movieList.MovieNumColumn = w.Bool("MovieNumColumn", true);
  movieList.ListRating = w.Bool("ListRating", true);
  movieList.ShortcutPrev = static_cast<uint16_t>(w.Int("ShortcutPrev", 16417));
  movieList.ShortcutNext = static_cast<uint16_t>(w.Int("ShortcutNext", 16418));
  movieList.GroupNotAlone = w.Bool("GroupNotAlone", false);
  movieList.GroupCount = w.Bool("GroupCount", true);
  movieList.GroupExpand = w.Bool("GroupExpand", false);
  movieList.GroupsAbove = w.Bool("GroupsAbove", true);
  movieList.GroupLabelNumber = w.Bool("GroupLabelNumber", false);
  movieList.GroupUnique = w.Bool("GroupUnique", true);
  movieList.GroupEmpty = w.Bool("GroupEmpty", true);
  const auto titleDisplay = w.Enter("TitleDisplay");
  movieList.TitleDisplay.TitleColumn = w.Int("TitleColumn", 2);
  const auto prefixes = w.Enter("Prefixes");
  movieList.TitleDisplay.Prefixes.Use = w.Bool("Use", false);
  w.ListHere("Text", s.TitlePrefixes);
}

void ReadDefaultMovie(TSettings& s, Walker& w) {
  const auto element = w.Enter("DefaultMovie");
  w.WindowSizeHere(s.Options.MovieInfo.DefaultMovie, 570, 560);
  s.DefaultMovie.Reset();
  try {
    s.DefaultMovie.LoadFromXML(w.Current().Children().Find(QStringLiteral("Values")));
  } catch (const std::exception&) {
    // The default movie keeps what it had read when the load stopped.
  }
}

void ReadImportInfo(TSettings& s, Walker& w, int fileVersion) {
  const auto element = w.Enter("ImportInfo");
  auto& importInfo = s.Options.MovieInfo.ImportInfo;
  importInfo.MediaLabel = w.Bool("MediaLabel", false);
  importInfo.FileName = w.Bool("FileName", false);
  importInfo.FileNameURL = w.Bool("FileNameURL", false);
  importInfo.Size = w.Bool("Size", true);
  importInfo.SizeString = w.Bool("SizeString", true);
  importInfo.SizeUnit = static_cast<uint8_t>(w.Int("SizeUnit", 2));
  // Older files numbered the units the other way round.
  if (fileVersion < 35) importInfo.SizeUnit = importInfo.SizeUnit == 1 ? 1 : importInfo.SizeUnit == 2 ? 0 : 2;
  importInfo.InternalAVI = w.Bool("InternalAVI", false);
  importInfo.Resolution = w.Bool("Resolution", true);
  importInfo.Length = w.Bool("Length", true);
  importInfo.Framerate = w.Bool("Framerate", true);
  importInfo.VideoCodec = w.Bool("VideoCodec", true);
  importInfo.VideoBitrate = w.Bool("VideoBitrate", true);
  importInfo.AudioCodec = w.Bool("AudioCodec", true);
  importInfo.AudioBitrate = w.Bool("AudioBitrate", true);
  importInfo.Languages = w.Bool("Languages", true);
  importInfo.Subtitles = w.Bool("Subtitles", true);
}

void ReadLists(TSettings& s, Walker& w) {
  const auto element = w.Enter("Lists");
  auto& lists = s.Options.MovieInfo.Lists;
  lists.ComboDelimiter = w.Text("ComboDelimiter", ",");
  lists.SameForAll = w.Bool("SameForAll", false);
  for (size_t i = 0; i < ListNames.size(); ++i) {
    const auto list = w.Enter(ListNames[i]);
    auto& options = lists.Items[i];
    options.AutoAdd = w.Bool("AutoAdd", false);
    options.Sorted = w.Bool("Sorted", true);
    options.AutoComplete = w.Bool("AutoComplete", false);
    options.UseCatalogValues = w.Bool("UseCatalogValues", true);
    w.ListHere("Text", s.ListValues[i]);
  }
}

void ReadMovieInfo(TSettings& s, Walker& w, int fileVersion) {
  const auto element = w.Enter("MovieInfo");
  auto& movieInfo = s.Options.MovieInfo;
  movieInfo.AskNumber = w.Bool("AskNumber", true);
  movieInfo.FirstAvailable = w.Bool("FirstAvailable", false);
  movieInfo.AddScript = w.Bool("AddScript", false);
  movieInfo.AddFiles = w.Bool("AddFiles", false);
  movieInfo.RatingTrunc = w.Bool("RatingTrunc", false);
  movieInfo.QVXRating = w.Bool("QVXRating", false);
  {
    const auto picture = w.Enter("Picture");
    movieInfo.Picture.Background = w.Int("Background", 536870912);
    movieInfo.Picture.FitWindow = w.Bool("FitWindow", true);
    movieInfo.Picture.PictureInfo = w.Bool("PictureInfo", false);
  }
  ReadDefaultMovie(s, w);
  ReadImportInfo(s, w, fileVersion);
  {
    const auto picImport = w.Enter("PicImport");
    movieInfo.PicImport.GetInfoMethod = w.Int("GetInfoMethod", 0);
    movieInfo.PicImport.ScriptingMethod = w.Int("ScriptingMethod", 1);
    movieInfo.PicImport.Naming = w.Int("Naming", 0);
    movieInfo.PicImport.CatalogPrefix = w.Bool("CatalogPrefix", true);
  }
  ReadLists(s, w);
  w.List("Search", "Address", s.MovieInfoSearch);
}

void ReadScripting(TSettings& s, Walker& w) {
  const auto element = w.Enter("Scripting");
  s.Options.Scripting.Autorun = w.Bool("Autorun", false);
  const auto proxyElement = w.Enter("Proxy");
  auto& proxy = s.Options.Scripting.Proxy;
  proxy.Use = w.Bool("Use", false);
  proxy.Server = w.Text("Server", "");
  proxy.Port = w.Int("Port", 8080);
  proxy.Username = w.Text("Username", "");
  proxy.Password = TSettings::UnscramblePassword(w.Text("Password", ""));
  proxy.KeepConnection = w.Bool("KeepConnection", false);
  proxy.HTTP10 = w.Bool("HTTP10", false);
}

void ReadOptionsExport(TSettings& s, Walker& w) {
  const auto element = w.Enter("Export");
  auto& exporting = s.Options.Export;
  exporting.LoadTemplate = w.Bool("LoadTemplate", true);
  exporting.LineBreak = w.Text("LineBreak", "<br />");
  exporting.ForcePicSizeW = w.Int("ForcePicSizeW", -1);
  exporting.ForcePicSizeH = w.Int("ForcePicSizeH", -1);
  exporting.SQLDate = w.Text("SQLDate", "yyyy'-'mm'-'dd");
  exporting.RememberLastFile = w.Bool("RememberLastFile", false);
  exporting.LastFile = w.Text("LastFile", "");
  exporting.OpenExportedFile = w.Bool("OpenExportedFile", false);
  exporting.ExpFileStyle = w.Int("ExpFileStyle", 0);
  exporting.ExpFileExt = w.Text("ExpFileExt", "");
  exporting.AddZeroes = w.Bool("AddZeroes", false);
  exporting.CopyPictures = w.Bool("CopyPictures", true);
  exporting.CopyPicturesNew = w.Bool("CopyPicturesNew", false);
}

void ReadFolders(TSettings& s, Walker& w) {
  const auto element = w.Enter("Folders");
  s.Options.Folders.SameForAll = w.Bool("SameForAll", false);
  for (size_t i = 0; i < s.Folders.size(); ++i) {
    TFolder& folder = s.Folders[i];
    folder.ReadFromXml(w.Current(), static_cast<int>(i));
    if (folder.Type == 0 || !folder.GetPath().isEmpty()) continue;
    // A folder of type 1 without a usable path falls back to its place in
    // the program folder; other types keep what was read.
    folder.SetPath(ProgramFolder());
    switch (i) {
      case 0:
      case 1:
      case 2:
      case 4: folder.SetPath(folder.GetPath() + QStringLiteral("Catalogs/")); break;
      case 3: folder.SetPath(folder.GetPath() + QStringLiteral("Templates/")); break;
      case 7: folder.SetPath(folder.GetPath() + QStringLiteral("Scripts/")); break;
      default: break;
    }
  }
}

void ReadOptions(TSettings& s, Walker& w, int fileVersion) {
  const auto element = w.Enter("Options");
  w.WindowSizeHere(s.Options, 650, 500);
  ReadDisplay(s, w, fileVersion);
  ReadFiles(s, w);
  ReadMovieList(s, w);
  ReadMovieInfo(s, w, fileVersion);
  ReadScripting(s, w);
  ReadOptionsExport(s, w);
  ReadFolders(s, w);
  {
    const auto language = w.Enter("Language");
    s.Language = w.Text("File", "?");
  }
  const auto screenshots = w.Enter("Screenshots");
  s.Options.Screenshots.ThumbnailSize = w.Int("ThumbnailSize", 130);
}
}  // namespace

void TSettings::ReadFromXml() {
  Walker w(Xml().Root());
  Version = w.Text("Version", ProgramVersion());
  const int fileVersion = FileVersionNumber(Version);
  const auto settings = w.Enter("Settings");
  ReadMain(*this, w);
  ReadExport(*this, w);
  ReadImport(*this, w);
  ReadPrint(*this, w);
  ReadScripts(*this, w);
  ReadLoan(*this, w);
  w.WindowSize("Properties", Properties, 400, 350);
  ReadStatistics(*this, w);
  ReadRenumber(*this, w);
  ReadOptions(*this, w, fileVersion);
}
