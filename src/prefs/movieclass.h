// The record of one movie of the catalog: 33 numbered fields, a picture file
// name and up to ten snapshot pictures, read from the attributes of one XML
// element.
#pragma once

#include "toolkit/Object.h"
#include "toolkit/SysUtils.h"

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

class TJvSimpleXmlElem;
class TSettings;
class TStrings;

// The load of a movie stopped on purpose (a snapshot of a kind that has no
// picture reader); callers treat it like any other failed load.
VORNIK_EXCEPTION(EMovieAbort, Exception);
// A snapshot picture file could not be decoded.
VORNIK_EXCEPTION(EMoviePictureError, Exception);

// The field indices, in the order of their attribute names.
enum TMovieField : int {
  fieldNumber,
  fieldChecked,
  fieldMedia,
  fieldMediaType,
  fieldSource,
  fieldDate,
  fieldBorrower,
  fieldRating,
  fieldOriginalTitle,
  fieldTranslatedTitle,
  fieldFormattedTitle,
  fieldDirector,
  fieldProducer,
  fieldCountry,
  fieldCategory,
  fieldYear,
  fieldLength,
  fieldActors,
  fieldURL,
  fieldDescription,
  fieldComments,
  fieldVideoFormat,
  fieldVideoBitrate,
  fieldAudioFormat,
  fieldAudioBitrate,
  fieldResolution,
  fieldFramerate,
  fieldLanguages,
  fieldSubtitles,
  fieldSize,
  fieldDisks,
  fieldVersion,
  fieldReleaseNotes,
  fieldCount
};

// The attribute name under which each field is stored.
extern const std::array<const char*, fieldCount> MovieFieldNames;

// A rating for storage: one decimal with "." whatever the system's settings.
QString RatingToStorage(int32_t tenths);
// Reads a stored rating ("7.5"); false when the text is no decimal number.
bool TryStorageToRating(const QString& text, double& value);

// Field access by index, as the catalog's scripts see a movie.
class IMovieFields {
 public:
  virtual ~IMovieFields() = default;
  virtual QString GetFieldText(int field, bool forDisplay) const = 0;
  virtual int32_t GetFieldInteger(int field) const = 0;
  virtual void SetFieldText(int field, const QString& value) = 0;
};

class TMovie : public TObject, public IMovieFields {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  static constexpr int kMaxSnapshots = 10;

  // The kinds of snapshot pictures, by file extension.
  enum class TPictureKind { None, Png, Gif, Jpeg };

  // `preferences` supplies the rating and title display options; without it
  // the options take their defaults (no truncation, title mode 2, no
  // prefixes moved).
  explicit TMovie(const TSettings* preferences = nullptr);

  // Every field to its empty value, no picture name, no snapshots counted.
  // Snapshot names and pictures stay.
  void Reset();

  QString GetFieldText(int field, bool forDisplay) const override;
  int32_t GetFieldInteger(int field) const override;
  void SetFieldText(int field, const QString& value) override;

  // Reads the fields, the picture name and the snapshots from the
  // attributes of `element`; a missing attribute leaves its field as it was.
  // Raises on a missing element, a snapshot count that is no integer, a
  // snapshot of an unknown kind (EMovieAbort) and a picture that cannot be
  // decoded; what was read before the error stays.
  void LoadFromXML(TJvSimpleXmlElem* element);

  const QString& Picture() const { return m_picture; }
  int SnapCount() const { return m_snapCount; }
  // Snapshots are numbered 1 to 10.
  const QString& SnapName(int number) const { return m_snapNames.at(static_cast<size_t>(number - 1)); }
  TPictureKind SnapKind(int number) const { return m_snapKinds.at(static_cast<size_t>(number - 1)); }
  const QImage& SnapPicture(int number) const { return m_snapPictures.at(static_cast<size_t>(number - 1)); }

  // The title rule: both titles (with their prefixes moved when asked) or
  // the media label, by the title display mode.
  static QString FormatTitle(const QString& original, const QString& translated, const QString& mediaLabel,
                             int mode, const TStrings* prefixes);
  // "The Matrix" becomes "Matrix, The" when "The" is a prefix of the list.
  static QString MovePrefix(const QString& title, const TStrings& prefixes);

 private:
  const TSettings* m_preferences;
  std::array<QString, fieldCount> m_texts;
  int32_t m_number = 0;
  bool m_checked = true;
  int32_t m_date = 0;
  int32_t m_rating = -1;
  int32_t m_year = -1;
  int32_t m_length = -1;
  int32_t m_videoBitrate = -1;
  int32_t m_audioBitrate = -1;
  int32_t m_disks = -1;
  QString m_picture;
  int m_snapCount = 0;
  std::array<QString, kMaxSnapshots> m_snapNames;
  std::array<TPictureKind, kMaxSnapshots> m_snapKinds{};
  std::array<QImage, kMaxSnapshots> m_snapPictures;
};
