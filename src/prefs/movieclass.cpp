#include "prefs/movieclass.h"

#include "prefs/JvSimpleXmlElem.h"
#include "prefs/ProgramSettings.h"

#include "toolkit/Strings.h"
#include "toolkit/Variant.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cmath>

const std::array<const char*, fieldCount> MovieFieldNames = {
    "Number",        "Checked",      "MediaLabel",  "MediaType",    "Source",       "Date",      "Borrower",
    "Rating",        "OriginalTitle", "TranslatedTitle", "FormattedTitle", "Director", "Producer", "Country",
    "Category",      "Year",         "Length",      "Actors",       "URL",          "Description", "Comments",
    "VideoFormat",   "VideoBitrate", "AudioFormat", "AudioBitrate", "Resolution",   "Framerate", "Languages",
    "Subtitles",     "Size",         "Disks",       "Version",      "ReleaseNotes"};

namespace {
// Snapshot pictures are read by these extensions, letter case ignored.
TMovie::TPictureKind PictureKindOf(const QString& extension) {
  const QString ext = extension.toLower();
  if (ext == QLatin1String(".png")) return TMovie::TPictureKind::Png;
  if (ext == QLatin1String(".gif")) return TMovie::TPictureKind::Gif;
  if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpe") || ext == QLatin1String(".jpeg"))
    return TMovie::TPictureKind::Jpeg;
  return TMovie::TPictureKind::None;
}

const char* ReaderFormat(TMovie::TPictureKind kind) {
  switch (kind) {
    case TMovie::TPictureKind::Png: return "PNG";
    case TMovie::TPictureKind::Gif: return "GIF";
    case TMovie::TPictureKind::Jpeg: return "JPEG";
    case TMovie::TPictureKind::None: break;
  }
  return nullptr;
}

// The file name part of a path; the preferences may hold either separator.
QString FileNameOf(const QString& path) {
  const qsizetype cut = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
  return path.mid(cut + 1);
}

// The extension of a file name with its point; empty when there is none.
QString ExtensionOf(const QString& fileName) {
  const qsizetype point = fileName.lastIndexOf(QLatin1Char('.'));
  return point < 0 ? QString() : fileName.mid(point);
}

// Stored texts keep line breaks as "|".
QString WithLineBreaks(const QString& stored) {
  QString text = stored;
  return text.replace(QLatin1Char('|'), QLatin1String("\r\n"));
}

QString IntegerOrEmpty(int32_t value) { return value == -1 ? QString() : QString::number(value); }

int32_t IntegerOr(const QString& text, int32_t fallback) {
  int32_t value = 0;
  return TryStrToInt(text, value) ? value : fallback;
}
}  // namespace

QString RatingToStorage(int32_t tenths) { return QString::number(tenths / 10.0, 'f', 1); }

bool TryStorageToRating(const QString& text, double& value) {
  const QString trimmed = Trim(text);
  if (trimmed.isEmpty()) return false;
  // Plain decimal notation with "." only: no group separators, no words.
  for (const QChar c : trimmed)
    if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') || c == QLatin1Char('+') ||
          c == QLatin1Char('e') || c == QLatin1Char('E')))
      return false;
  bool ok = false;
  const double parsed = trimmed.toDouble(&ok);
  if (!ok || !std::isfinite(parsed)) return false;
  value = parsed;
  return true;
}

const TClassInfo& TMovie::StaticClass() {
  static const TClassInfo info("TMovie", &TObject::StaticClass());
  return info;
}

TMovie::TMovie(const TSettings* preferences) : m_preferences(preferences) { Reset(); }

void TMovie::Reset() {
  for (QString& text : m_texts) text.clear();
  m_number = 0;
  m_checked = true;
  m_date = 0;
  m_rating = -1;
  m_year = -1;
  m_length = -1;
  m_videoBitrate = -1;
  m_audioBitrate = -1;
  m_disks = -1;
  m_picture.clear();
  m_snapCount = 0;
}

int32_t TMovie::GetFieldInteger(int field) const {
  switch (field) {
    case fieldNumber: return m_number;
    case fieldDate: return m_date;
    case fieldRating: return m_rating;
    case fieldYear: return m_year;
    case fieldLength: return m_length;
    case fieldVideoBitrate: return m_videoBitrate;
    case fieldAudioBitrate: return m_audioBitrate;
    case fieldDisks: return m_disks;
    default: return -1;
  }
}

QString TMovie::GetFieldText(int field, bool forDisplay) const {
  switch (field) {
    case fieldNumber: return QString::number(m_number);
    case fieldChecked: return m_checked ? QStringLiteral("True") : QStringLiteral("False");
    case fieldDate: return m_date > 0 ? DateToText(m_date) : QString();
    case fieldRating: {
      if (m_rating == -1) return QString();
      if (m_preferences && m_preferences->Options.MovieInfo.RatingTrunc) return QString::number(m_rating / 10);
      QString text = RatingToStorage(m_rating);
      if (forDisplay) text.replace(QLatin1Char('.'), DecimalSeparator());
      return text;
    }
    case fieldYear:
    case fieldLength:
    case fieldVideoBitrate:
    case fieldAudioBitrate:
    case fieldDisks: return IntegerOrEmpty(GetFieldInteger(field));
    case fieldFormattedTitle: {
      int mode = 2;
      const TStrings* prefixes = nullptr;
      if (m_preferences) {
        const auto& titles = m_preferences->Options.MovieList.TitleDisplay;
        mode = titles.TitleColumn;
        if (titles.Prefixes.Use) prefixes = &m_preferences->TitlePrefixes;
      }
      return FormatTitle(m_texts[fieldOriginalTitle], m_texts[fieldTranslatedTitle], m_texts[fieldMedia], mode,
                         prefixes);
    }
    default:
      if (field < 0 || field >= fieldCount) return QString();
      return m_texts[static_cast<size_t>(field)];
  }
}

void TMovie::SetFieldText(int field, const QString& value) {
  switch (field) {
    case fieldNumber: m_number = IntegerOr(value, 0); return;
    case fieldChecked:
      m_checked = !(value.isEmpty() || value == QLatin1String("0") || SameText(value, QStringLiteral("False")));
      return;
    case fieldDate: {
      double days = 0;
      m_date = TryTextToDate(value, days) ? static_cast<int32_t>(days) : 0;
      return;
    }
    case fieldRating: {
      QString text = value;
      text.replace(DecimalSeparator(), QLatin1Char('.'));
      double rating = -0.1;
      if (!TryStorageToRating(text, rating)) rating = -0.1;
      // Ratings are tenths: "7.5" is 75. A value beyond 32 bits counts as unreadable.
      const double tenths = std::trunc(rating * 10);
      m_rating = tenths >= INT32_MIN && tenths <= INT32_MAX ? static_cast<int32_t>(tenths) : -1;
      return;
    }
    case fieldYear: m_year = IntegerOr(value, -1); return;
    case fieldLength: m_length = IntegerOr(value, -1); return;
    case fieldVideoBitrate: m_videoBitrate = IntegerOr(value, -1); return;
    case fieldAudioBitrate: m_audioBitrate = IntegerOr(value, -1); return;
    case fieldDisks: m_disks = IntegerOr(value, -1); return;
    case fieldFormattedTitle: return;
    default:
      if (field >= 0 && field < fieldCount) m_texts[static_cast<size_t>(field)] = value;
  }
}

void TMovie::LoadFromXML(TJvSimpleXmlElem* element) {
  if (!element) throw Exception(QStringLiteral("TMovie.LoadFromXML : nil element"));
  const TJvSimpleXmlProps& props = element->Props();
  for (int field = 0; field < fieldCount; ++field) {
    const TJvSimpleXmlProp* prop = props.Find(QString::fromLatin1(MovieFieldNames[static_cast<size_t>(field)]));
    if (prop) SetFieldText(field, WithLineBreaks(prop->Value()));
  }
  m_picture = WithLineBreaks(props.ReadText(QStringLiteral("Picture"), QString()));
  const int32_t count = StrToInt(WithLineBreaks(props.ReadText(QStringLiteral("SnapCount"), QStringLiteral("0"))));
  m_snapCount = std::clamp(count, 0, kMaxSnapshots);
  for (int i = 1; i <= m_snapCount; ++i) {
    const size_t slot = static_cast<size_t>(i - 1);
    const QString name = WithLineBreaks(props.ReadText(QStringLiteral("Snap") + QString::number(i), QString()));
    m_snapNames[slot] = name;
    // Each snapshot has a small copy beside it: "a.jpg" is shown from "at.jpg".
    const QString fileName = FileNameOf(name);
    const QString extension = ExtensionOf(fileName);
    const QString pictureFile = fileName.left(fileName.size() - extension.size()) + QLatin1Char('t') + extension;
    const TPictureKind kind = PictureKindOf(extension);
    if (kind == TPictureKind::None) throw EMovieAbort(QStringLiteral("Operation aborted"));
    m_snapKinds[slot] = kind;
    m_snapPictures[slot] = QImage();
    if (QFileInfo::exists(pictureFile) && !m_snapPictures[slot].load(pictureFile, ReaderFormat(kind)))
      throw EMoviePictureError(Format("Cannot read the picture \"%s\"", {pictureFile}));
  }
}

QString TMovie::MovePrefix(const QString& title, const TStrings& prefixes) {
  qsizetype separator = -1;
  for (qsizetype i = 0; i < title.size(); ++i) {
    if (title.at(i) == QLatin1Char(' ') || title.at(i) == QLatin1Char('\'')) {
      separator = i;
      break;
    }
  }
  if (separator <= 0) return title;
  const QString prefix = title.left(separator);
  if (prefixes.IndexOf(prefix) < 0) return title;
  return TrimRight(title.mid(separator + 1, 1).toUpper() + title.mid(separator + 2) + QStringLiteral(", ") + prefix +
                   title.at(separator));
}

QString TMovie::FormatTitle(const QString& original, const QString& translated, const QString& mediaLabel, int mode,
                            const TStrings* prefixes) {
  const QString o = prefixes ? MovePrefix(original, *prefixes) : original;
  const QString t = prefixes ? MovePrefix(translated, *prefixes) : translated;
  switch (mode) {
    case 0: return o;
    case 1: return t.isEmpty() ? o : t;
    case 2:
      if (t.isEmpty()) return o;
      return o.isEmpty() ? t : o + QStringLiteral(" (") + t + QLatin1Char(')');
    case 3:
      if (o.isEmpty()) return t;
      if (t.isEmpty()) return o;
      return t + QStringLiteral(" (") + o + QLatin1Char(')');
    case 4: return mediaLabel;
    default: return QString();
  }
}
