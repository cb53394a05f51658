#include "lang/frameLanguage.h"

#include "controls/OrqJvLinkLabel.h"
#include "lang/TextEncoding.h"
#include "toolkit/Bitmap.h"
#include "toolkit/Buttons.h"
#include "toolkit/ImageList.h"
#include "toolkit/Label.h"
#include "toolkit/ListView.h"
#include "toolkit/Panel.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>

#include <exception>

namespace {

constexpr TAnchors kLeftBottom{TAnchorKind::akLeft, TAnchorKind::akBottom};

// Lines as a string list takes them from a text: a line break at the very
// end does not start another (empty) line, and an empty text has none.
QStringList SplitLines(const QString& text, QChar separator) {
  QStringList lines = text.split(separator);
  if (lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// The lines of a block, split at CR LF, lone CR or lone LF.
QStringList BlockLines(const QString& block) {
  QString text = block;
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(u'\r', u'\n');
  return SplitLines(text, u'\n');
}

TLanguageInfo UnknownFile() {
  TLanguageInfo info;
  info.Name = QStringLiteral("?");
  info.CustomGUI = QStringLiteral("no");
  return info;
}

void OpenWithSystem(const QString& url) { QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode)); }

}  // namespace

const TClassInfo& TLanguageFrame::StaticClass() {
  static const TClassInfo info("TLanguageFrame", &TFrame::StaticClass());
  return info;
}

TLanguageFrame::TLanguageFrame(TComponent* owner) : TFrame(owner), OpenURL(OpenWithSystem) {
  BeginLoading();
  SetBounds(0, 0, 387, 424);
  CreateComponents();
  EndLoading();
}

void TLanguageFrame::CreateComponents() {
  m_imgLanguages = new TImageList(this);
  m_imgLanguages->SetName(QStringLiteral("imgLanguages"));
  m_imgLanguages->SetWidth(16);
  m_imgLanguages->SetHeight(16);

  m_panel = new TPanel(this);
  m_panel->SetName(QStringLiteral("PanelForXpThemeBug"));
  m_panel->SetParent(this);
  m_panel->SetCaption(QString());
  m_panel->SetBevelOuter(TBevelCut::bvNone);
  m_panel->SetDoubleBuffered(true);
  m_panel->SetBounds(0, 0, 387, 424);
  m_panel->SetAlign(TAlign::alClient);

  m_lstLanguages = new TListView(this);
  m_lstLanguages->SetName(QStringLiteral("lstLanguages"));
  m_lstLanguages->SetParent(m_panel);
  m_lstLanguages->SetBounds(0, 0, 387, 217);
  m_lstLanguages->SetAnchors(kAnchorsAll);
  m_lstLanguages->SetViewStyle(TViewStyle::vsReport);
  TListColumn* name = m_lstLanguages->Columns().Add();
  name->SetCaption(QStringLiteral("Name"));
  name->SetWidth(180);
  TListColumn* localName = m_lstLanguages->Columns().Add();
  localName->SetCaption(QStringLiteral("Local name"));
  localName->SetWidth(180);
  m_lstLanguages->SetRowSelect(true);
  m_lstLanguages->SetReadOnly(true);
  m_lstLanguages->SetHideSelection(false);
  m_lstLanguages->SetColumnClick(false);
  m_lstLanguages->SetSortType(TSortType::stText);
  m_lstLanguages->SetSmallImages(m_imgLanguages);
  m_lstLanguages->OnSelectItem = [this](TObject* sender, TListItem* item, bool selected) {
    lstLanguagesSelectItem(sender, item, selected);
  };

  auto label = [this](const char* componentName, int left, int top, const char* caption) {
    auto* l = new TLabel(this);
    l->SetName(QString::fromLatin1(componentName));
    l->SetParent(m_panel);
    l->SetCaption(QString::fromLatin1(caption));
    l->SetTransparent(true);
    l->SetBounds(left, top, l->Width(), l->Height());
    l->SetAnchors(kLeftBottom);
    return l;
  };
  auto linkLabel = [this](const char* componentName, int top, const char* caption) {
    auto* l = new TOrqJvLinkLabel(this);
    l->SetName(QString::fromLatin1(componentName));
    l->SetParent(m_panel);
    l->SetLinkColor(clBlue);
    l->SetLinkColorClicked(clPurple);
    l->SetLinkColorHot(clRed);
    l->SetLinkStyle({TFontStyle::fsUnderline});
    l->SetHotLinks(true);
    l->SetAutoHeight(false);
    l->SetMarginWidth(0);
    l->SetMarginHeight(0);
    l->SetTransparent(true);
    l->SetCaption(QString::fromLatin1(caption));
    l->SetBounds(88, top, 299, 47);
    l->SetAnchors(kLeftBottom);
    return l;
  };
  auto radio = [this](const char* componentName, int top, const char* caption) {
    auto* r = new TRadioButton(this);
    r->SetName(QString::fromLatin1(componentName));
    r->SetParent(m_panel);
    r->SetCaption(QString::fromLatin1(caption));
    r->SetBounds(160, top, 225, 17);
    r->SetAnchors(kLeftBottom);
    return r;
  };

  label("lblVersion", 0, 224, "Version:");
  m_lblVersionText = label("lblVersionText", 88, 224, "version");
  label("lblMadeby", 0, 248, "Made by:");
  m_lblMadebyText = linkLabel("lblMadebyText", 248, "madeby");
  m_lblMadebyText->OnLinkClick = [this](TObject* sender, int number, const QString& text) {
    lblMadebyTextLinkClick(sender, number, text);
  };
  label("lblComments", 0, 296, "Comments:");
  m_lblCommentsText = linkLabel("lblCommentsText", 296, "comment");
  m_lblCommentsText->OnLinkClick = [this](TObject* sender, int number, const QString& text) {
    lblCommentsTextLinkClick(sender, number, text);
  };
  label("lblCustomGUI", 0, 353, "Custom GUI:");
  m_lblCustomGUItext = label("lblCustomGUItext", 88, 353, "customgui");
  m_rbLoadGUI = radio("rbLoadGUI", 352, "Load GUI");
  m_rbKeepGUI = radio("rbKeepGUI", 376, "Keep current GUI");
  m_rbResetGUI = radio("rbResetGUI", 400, "Reset GUI to default");
}

// ---- the list --------------------------------------------------------------

void TLanguageFrame::FillList(const QString& folder, const QString& mask) {
  TListItems& rows = m_lstLanguages->Items();
  rows.BeginUpdate();
  try {
    rows.Clear();
    m_imgLanguages->Clear();
    // Without the folder there is nothing to list; the directory that
    // happens to be current is not it.
    if (QDir::setCurrent(folder)) {
      const QFileInfoList files =
          QDir(QDir::currentPath()).entryInfoList(QStringList{mask}, QDir::Files, QDir::Unsorted);
      for (const QFileInfo& file : files) {
        const TLanguageInfo info = ReadFileInfo(file.absoluteFilePath());
        TListItem* row = rows.Add();
        row->SetCaption(info.Name);
        TStrings& sub = row->SubItems();
        sub.Add(info.LocalName);
        sub.Add(file.fileName());
        sub.Add(info.Version);
        sub.Add(info.Authors);
        sub.Add(info.Comments);
        sub.Add(info.CustomGUI);
        row->SetImageIndex(AddPicture(info.Icon));
      }
    }
  } catch (...) {
    rows.EndUpdate();
    throw;
  }
  rows.EndUpdate();
}

TLanguageInfo TLanguageFrame::ReadFileInfo(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return UnknownFile();
  const QString text = DecodeLanguageFile(file.readAll());
  if (file.error() != QFileDevice::NoError) return UnknownFile();
  const QString header = QStringLiteral("[FileInformation]");
  const qsizetype start = text.indexOf(header);
  const qsizetype blank = text.indexOf(QLatin1String("\r\n\r\n"));
  // The block must come before the first blank line; a section that a save
  // added at the end of the file is not read.
  if (start < 0 || blank < 0 || blank < start) return UnknownFile();
  const qsizetype from = start + header.size();
  return ParseFileInfo(text.mid(from, blank - from));
}

TLanguageInfo TLanguageFrame::ParseFileInfo(const QString& block) {
  const QStringList lines = BlockLines(block);
  auto value = [&lines](const char* key) {
    for (const QString& line : lines) {
      const qsizetype equals = line.indexOf(u'=');
      if (equals >= 0 && line.left(equals).compare(QLatin1String(key), Qt::CaseInsensitive) == 0)
        return line.mid(equals + 1);
    }
    return QString();
  };
  TLanguageInfo info;
  info.Name = value("Name");
  info.LocalName = value("LocalName");
  info.Version = value("Version");
  info.Authors = value("Authors");
  info.Comments = value("Comments");
  info.Icon = value("Icon");
  info.CustomGUI = value("CustomGUI");
  return info;
}

int TLanguageFrame::AddPicture(const QString& text) {
  if (text.isEmpty()) return -1;
  const QByteArray::FromBase64Result decoded =
      QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
  if (!decoded) return -1;
  TBitmap bitmap;
  if (!bitmap.LoadFromBytes(decoded.decoded) || bitmap.Empty()) return -1;
  try {
    return m_imgLanguages->AddMasked(bitmap, QColorToColor(bitmap.Image().pixelColor(0, 0)));
  } catch (const std::exception&) {
    return -1;
  }
}

void TLanguageFrame::SelectFile(const QString& fileName) {
  TListItems& rows = m_lstLanguages->Items();
  for (int i = 0; i < rows.Count(); ++i) {
    TListItem* row = rows.Item(i);
    if (row->SubItems().Count() > lcFileName && row->SubItems()[lcFileName] == fileName) {
      m_lstLanguages->SetSelected(row);
      return;
    }
  }
}

QString TLanguageFrame::SelectedFile() const {
  const TListItem* row = m_lstLanguages->Selected();
  if (!row || row->SubItemsObject()->Count() <= lcFileName) return QString();
  return row->SubItemsObject()->Get(lcFileName);
}

// ---- the selected file -----------------------------------------------------

QString TLanguageFrame::MadeByMarkup(const QString& authors) {
  const QStringList lines = SplitLines(authors, u'|');
  QString markup;
  for (qsizetype i = 0; i < lines.size(); i += 2) {
    if (lines[i].isEmpty()) continue;
    if (i + 1 < lines.size() && !lines[i + 1].isEmpty())
      markup = Format("%s%s (<link>%s</link>)<br>", {markup, lines[i], lines[i + 1]});
    else
      markup = Format("%s%s<br>", {markup, lines[i]});
  }
  return markup;
}

QString TLanguageFrame::CommentsMarkup(const QString& comments) {
  QString markup = comments;
  return markup.replace(u'|', QLatin1String("<br>"));
}

void TLanguageFrame::lstLanguagesSelectItem(TObject*, TListItem* item, bool selected) {
  if (!item || !selected || item->SubItems().Count() <= lcCustomGUI) {
    m_lblVersionText->SetCaption(QString());
    m_lblMadebyText->SetCaption(QString());
    m_lblCommentsText->SetCaption(QString());
    return;
  }
  const TStrings& sub = item->SubItems();
  m_lblVersionText->SetCaption(sub[lcVersion]);
  m_lblMadebyText->SetCaption(MadeByMarkup(sub[lcAuthors]));
  m_lblCommentsText->SetCaption(CommentsMarkup(sub[lcComments]));
  const QString customGUI = sub[lcCustomGUI];
  if (customGUI.isEmpty() || customGUI == QLatin1String("no")) {
    m_lblCustomGUItext->SetCaption(QStringLiteral("-"));
    m_rbLoadGUI->SetEnabled(false);
    m_rbKeepGUI->SetChecked(true);
  } else if (customGUI == QLatin1String("yes")) {
    m_lblCustomGUItext->SetCaption(QStringLiteral("+"));
    m_rbLoadGUI->SetEnabled(true);
    m_rbLoadGUI->SetChecked(true);
  }
}

void TLanguageFrame::lblMadebyTextLinkClick(TObject*, int, const QString& linkText) {
  OpenURL(QStringLiteral("mailto:") + linkText);
}

void TLanguageFrame::lblCommentsTextLinkClick(TObject*, int, const QString& linkText) {
  // An address that already names its web scheme opens as written; a bare
  // host gets "http://".
  const bool hasScheme = linkText.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                         linkText.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
  OpenURL(hasScheme ? linkText : QStringLiteral("http://") + linkText);
}
