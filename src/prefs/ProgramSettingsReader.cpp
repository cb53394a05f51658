// Reading the preferences document into the record: every element on the way
// is entered (and added empty when missing), every value read with its
// default, then a few values are adjusted.
#include "prefs/ProgramSettings.h"

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
  explicit Walker(TJvSimpleXmlElem& root) { m_path.push_back(&root); }

  TJvSimpleXmlElem& Current() const { return *m_path.back(); }

  // Makes the child of that name current, adding it when missing.
  TJvSimpleXmlElem& Enter(const char* name) {
    m_path.push_back(&Child(Current(), name));
    return Current();
  }
  void Leave() { m_path.pop_back(); }

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

  void WindowSize(TWindowSize& size, int32_t width, int32_t height) const {
    size.WindowWidth = Int("WindowWidth", width);
    size.WindowHeight = Int("WindowHeight", height);
  }

  // Fills `list` from the children of the element `name`, one entry per
  // child from its attribute `attribute`. A child without the attribute
  // holds no entry and is passed over.
  void List(const char* name, const char* attribute, TStrings& list) {
    Enter(name);
    ListHere(attribute, list);
    Leave();
  }
  // The same for the current element.
  void ListHere(const char* attribute, TStrings& list) const { ReadList(attribute, list, false); }
  // The same with the child's tag name as the entry's name: name=value.
  void NamedList(const char* name, const char* attribute, TStrings& list) {
    Enter(name);
    ReadList(attribute, list, true);
    Leave();
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

  std::vector<TJvSimpleXmlElem*> m_path;
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

void TSettings::ReadFromXml() {
  Walker w(Xml().Root());
  Version = w.Text("Version", ProgramVersion());
  const int fileVersion = FileVersionNumber(Version);

  w.Enter("Settings");

  w.Enter("Main");
  Main.WindowWidth = w.Int("WindowWidth", 740);
  Main.WindowHeight = w.Int("WindowHeight", 540);
  Main.WindowLeft = w.Int("WindowLeft", 20);
  Main.WindowTop = w.Int("WindowTop", 20);
  Main.WindowState = w.Int("WindowState", 2);
  Main.Statusbar = w.Bool("Statusbar", true);
  Main.ListWidth = w.Int("ListWidth", 200);
  Main.GridMode = w.Bool("GridMode", false);
  Main.PicDockedHeight = w.Int("PicDockedHeight", 180);
  Main.Group = w.Int("Group", -1);
  Main.FindWholeField = w.Bool("FindWholeField", false);
  Main.FindField = w.Int("FindField", -1);
  Main.SortColumn = w.Int("SortColumn", 0);
  Main.ColumnSettings = w.Text("ColumnSettings", "");
  Main.PictureWinLeft = w.Int("PictureWinLeft", 100);
  Main.PictureWinTop = w.Int("PictureWinTop", 100);
  if (Main.ListWidth < 1) Main.ListWidth = 200;
  w.List("MRU", "Name", MainMRU);
  MainToolbars = &w.Enter("Toolbars");
  w.Leave();
  w.Leave();

  w.Enter("Export");
  Export.WindowWidth = w.Int("WindowWidth", 675);
  Export.WindowHeight = w.Int("WindowHeight", 510);
  Export.WindowState = w.Int("WindowState", 1);
  Export.Includemov = w.Int("Includemov", 0);
  Export.ImgFileName = w.Int("ImgFileName", 0);
  w.Enter("HTML");
  Export.HTML.ExportBoth = w.Bool("ExportBoth", true);
  Export.HTML.LastTemplate = w.Text("LastTemplate", ProgramFolder() + QStringLiteral("Templates/template.html"));
  Export.HTML.LastTemplate2 = w.Text("LastTemplate2", "");
  w.List("MRU", "Name", ExportHTMLMRU);
  w.Leave();
  w.Enter("CSV");
  Export.CSV.Delimiter = w.Text("Delimiter", ",");
  Export.CSV.Bloc = w.Text("Bloc", "\"");
  Export.CSV.Linebreaks = w.Text("Linebreaks", " ");
  Export.CSV.ColumnTitles = w.Bool("ColumnTitles", false);
  w.List("Fields", "Name", ExportCSVFields);
  w.Leave();
  w.Enter("SQL");
  Export.SQL.SQLUpdate = w.Bool("SQLUpdate", false);
  Export.SQL.SQLDrop = w.Bool("SQLDrop", true);
  Export.SQL.SQLCreate = w.Bool("SQLCreate", true);
  Export.SQL.SQLTableName = w.Text("SQLTableName", "movies");
  Export.SQL.SQLLinebreaks = w.Text("SQLLinebreaks", "\\n");
  w.List("Fields", "Name", ExportSQLFields);
  w.Leave();
  w.Enter("Sort");
  Export.Sort.Order = w.Int("Order", 0);
  w.List("Fields", "Name", ExportSortFields);
  w.Leave();
  w.Leave();

  w.Enter("Import");
  Import.WindowWidth = w.Int("WindowWidth", 780);
  Import.WindowHeight = w.Int("WindowHeight", 520);
  Import.WindowState = w.Int("WindowState", 1);
  Import.AllowDup = w.Bool("AllowDup", true);
  Import.AutoAssign = w.Bool("AutoAssign", true);
  Import.PicImport = w.Int("PicImport", 0);
  w.Enter("CSV");
  Import.CSV.Delim = w.Text("Delim", "[tab]");
  Import.CSV.Quote = w.Text("Quote", "");
  Import.CSV.FirstLineHeaders = w.Bool("FirstLineHeaders", false);
  Import.CSV.Linebreaks = w.Text("Linebreaks", "");
  w.List("Fields", "Name", ImportCSVFields);
  w.Leave();
  w.Enter("Query");
  Import.Query.From = w.Text("From", "");
  Import.Query.Where = w.Text("Where", "");
  w.Leave();
  w.NamedList("LastFiles", "FileName", ImportLastFiles);
  w.Leave();

  w.Enter("Print");
  Print.WindowWidth = w.Int("WindowWidth", 750);
  Print.WindowHeight = w.Int("WindowHeight", 480);
  Print.WindowState = w.Int("WindowState", 1);
  Print.Includemov = w.Int("Includemov", 0);
  Print.ReportsListWidth = w.Int("ReportsListWidth", 175);
  if (Print.ReportsListWidth < 1) Print.ReportsListWidth = 175;
  w.Enter("Sort");
  Print.Sort.Order = w.Int("Order", 0);
  w.List("Fields", "Name", PrintSortFields);
  w.Leave();
  w.Leave();

  w.Enter("Scripts");
  Scripts.WindowWidth = w.Int("WindowWidth", 580);
  Scripts.WindowHeight = w.Int("WindowHeight", 430);
  Scripts.WindowState = w.Int("WindowState", 1);
  Scripts.ScriptRemember1 = w.Text("ScriptRemember1", "");
  Scripts.ScriptRemember2 = w.Text("ScriptRemember2", "");
  Scripts.Includemov = w.Int("Includemov", 0);
  Scripts.LangFilterExcl = w.Text("LangFilterExcl", "");
  Scripts.ListViewStyle = w.Int("ListViewStyle", 2);
  Scripts.ShowResGetInfo = w.Bool("ShowResGetInfo", true);
  Scripts.ShowResScripting = w.Bool("ShowResScripting", false);
  Scripts.CloseWinGetInfo = w.Bool("CloseWinGetInfo", true);
  Scripts.CloseWinScripting = w.Bool("CloseWinScripting", false);
  Scripts.AllowClearGetInfo = w.Bool("AllowClearGetInfo", false);
  Scripts.AllowClearScripting = w.Bool("AllowClearScripting", true);
  w.Enter("Properties");
  w.WindowSize(Scripts.Properties, 500, 450);
  w.Leave();
  w.Enter("Results");
  w.WindowSize(Scripts.Results, 690, 550);
  w.Leave();
  w.Enter("PickList");
  w.WindowSize(Scripts.PickList, 500, 440);
  w.Leave();
  w.Enter("PickTree");
  w.WindowSize(Scripts.PickTree, 450, 440);
  w.Leave();
  w.List("MRU", "Name", ScriptsMRU);
  ScriptsToolbars = &w.Enter("Toolbars");
  w.Leave();
  w.Leave();

  w.Enter("Loan");
  Loan.WindowWidth = w.Int("WindowWidth", 650);
  Loan.WindowHeight = w.Int("WindowHeight", 550);
  Loan.WindowState = w.Int("WindowState", 1);
  Loan.MoviesHeight = w.Int("MoviesHeight", 175);
  Loan.MoviesColWidth = w.Int("MoviesColWidth", Loan.WindowWidth / 3);
  Loan.MoviesSort = w.Int("MoviesSort", 0);
  Loan.NamesWidth = w.Int("NamesWidth", 210);
  Loan.NamesSort = w.Int("NamesSort", 0);
  Loan.LentSort = w.Int("LentSort", 0);
  Loan.IncludeSameNum = w.Bool("IncludeSameNum", false);
  Loan.IncludeSameLabel = w.Bool("IncludeSameLabel", false);
  if (Loan.MoviesHeight < 1) Loan.MoviesHeight = 175;
  if (Loan.NamesWidth < 1) Loan.NamesWidth = 210;
  w.Leave();

  w.Enter("Properties");
  w.WindowSize(Properties, 400, 350);
  w.Leave();

  w.Enter("Statistics");
  Statistics.WindowWidth = w.Int("WindowWidth", 750);
  Statistics.WindowHeight = w.Int("WindowHeight", 550);
  Statistics.WindowState = w.Int("WindowState", 1);
  Statistics.EmptyMonths = w.Bool("EmptyMonths", true);
  Statistics.Legend = w.Bool("Legend", true);
  Statistics.Labels = w.Bool("Labels", false);
  Statistics.GroupValues = w.Bool("GroupValues", true);
  Statistics.Includemov = w.Int("Includemov", 0);
  w.Leave();

  w.Enter("Renumber");
  Renumber.SortOrder = w.Int("SortOrder", 0);
  w.List("Fields", "Name", RenumberFields);
  w.Leave();

  w.Enter("Options");
  Options.WindowWidth = w.Int("WindowWidth", 650);
  Options.WindowHeight = w.Int("WindowHeight", 500);

  w.Enter("Display");
  auto& display = Options.Display;
  display.ImagesInMenu = w.Bool("ImagesInMenu", true);
  display.OfficeXP = w.Bool("OfficeXP", false);
  display.IconSet = w.Text("IconSet", DefaultIconSet());
  if (display.IconSet.isEmpty() && fileVersion < 35) display.IconSet = QStringLiteral("Scrows");
  display.ColorType = w.Int("ColorType", 0);
  display.Logo = w.Bool("Logo", true);
  display.SoftBorders = w.Bool("SoftBorders", false);
  w.Leave();

  w.Enter("Files");
  auto& files = Options.Files;
  files.Backup = w.Bool("Backup", true);
  files.RecentFiles = w.Int("RecentFiles", 5);
  w.Enter("AutoLoad");
  files.AutoLoad.Enabled = w.Bool("Enabled", false);
  files.AutoLoad.File = w.Text("File", "");
  files.AutoLoad.Last = w.Bool("Last", false);
  w.Leave();
  w.Enter("History");
  files.History.Enabled = w.Bool("Enabled", true);
  files.History.File = w.Text("File", "Loans history.csv");
  w.Leave();
  w.Leave();

  w.Enter("MovieList");
  auto& movieList = Options.MovieList;
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
  w.Enter("TitleDisplay");
  movieList.TitleDisplay.TitleColumn = w.Int("TitleColumn", 2);
  w.Enter("Prefixes");
  movieList.TitleDisplay.Prefixes.Use = w.Bool("Use", false);
  w.ListHere("Text", TitlePrefixes);
  w.Leave();
  w.Leave();
  w.Leave();

  w.Enter("MovieInfo");
  auto& movieInfo = Options.MovieInfo;
  movieInfo.AskNumber = w.Bool("AskNumber", true);
  movieInfo.FirstAvailable = w.Bool("FirstAvailable", false);
  movieInfo.AddScript = w.Bool("AddScript", false);
  movieInfo.AddFiles = w.Bool("AddFiles", false);
  movieInfo.RatingTrunc = w.Bool("RatingTrunc", false);
  movieInfo.QVXRating = w.Bool("QVXRating", false);
  w.Enter("Picture");
  movieInfo.Picture.Background = w.Int("Background", 536870912);
  movieInfo.Picture.FitWindow = w.Bool("FitWindow", true);
  movieInfo.Picture.PictureInfo = w.Bool("PictureInfo", false);
  w.Leave();
  TJvSimpleXmlElem& defaultMovie = w.Enter("DefaultMovie");
  w.WindowSize(movieInfo.DefaultMovie, 570, 560);
  DefaultMovie.Reset();
  try {
    DefaultMovie.LoadFromXML(defaultMovie.Children().Find(QStringLiteral("Values")));
  } catch (const std::exception&) {
    // The default movie keeps what it had read when the load stopped.
  }
  w.Leave();
  w.Enter("ImportInfo");
  auto& importInfo = movieInfo.ImportInfo;
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
  w.Leave();
  w.Enter("PicImport");
  movieInfo.PicImport.GetInfoMethod = w.Int("GetInfoMethod", 0);
  movieInfo.PicImport.ScriptingMethod = w.Int("ScriptingMethod", 1);
  movieInfo.PicImport.Naming = w.Int("Naming", 0);
  movieInfo.PicImport.CatalogPrefix = w.Bool("CatalogPrefix", true);
  w.Leave();
  w.Enter("Lists");
  movieInfo.Lists.ComboDelimiter = w.Text("ComboDelimiter", ",");
  movieInfo.Lists.SameForAll = w.Bool("SameForAll", false);
  for (size_t i = 0; i < ListNames.size(); ++i) {
    w.Enter(ListNames[i]);
    TListOptions& list = movieInfo.Lists.Items[i];
    list.AutoAdd = w.Bool("AutoAdd", false);
    list.Sorted = w.Bool("Sorted", true);
    list.AutoComplete = w.Bool("AutoComplete", false);
    list.UseCatalogValues = w.Bool("UseCatalogValues", true);
    w.ListHere("Text", ListValues[i]);
    w.Leave();
  }
  w.Leave();
  w.List("Search", "Address", MovieInfoSearch);
  w.Leave();

  w.Enter("Scripting");
  Options.Scripting.Autorun = w.Bool("Autorun", false);
  w.Enter("Proxy");
  auto& proxy = Options.Scripting.Proxy;
  proxy.Use = w.Bool("Use", false);
  proxy.Server = w.Text("Server", "");
  proxy.Port = w.Int("Port", 8080);
  proxy.Username = w.Text("Username", "");
  proxy.Password = UnscramblePassword(w.Text("Password", ""));
  proxy.KeepConnection = w.Bool("KeepConnection", false);
  proxy.HTTP10 = w.Bool("HTTP10", false);
  w.Leave();
  w.Leave();

  w.Enter("Export");
  auto& exporting = Options.Export;
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
  w.Leave();

  TJvSimpleXmlElem& folders = w.Enter("Folders");
  Options.Folders.SameForAll = w.Bool("SameForAll", false);
  for (size_t i = 0; i < Folders.size(); ++i) {
    TFolder& folder = Folders[i];
    folder.ReadFromXml(folders, static_cast<int>(i));
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
  w.Leave();

  w.Enter("Language");
  Language = w.Text("File", "?");
  w.Leave();

  w.Enter("Screenshots");
  Options.Screenshots.ThumbnailSize = w.Int("ThumbnailSize", 130);
  w.Leave();

  w.Leave();  // Options
  w.Leave();  // Settings
}
