// Key writes into a language/GUI file. Each write updates or adds one key
// and leaves every other byte of the file as it was:
// - the first section whose name matches (letter case ignored) is used; in
//   it, the first key line whose key matches (letter case and blanks around
//   the key ignored) gets the new value;
// - a key the section lacks is added after the section's last key line
//   (after its header when it has none), before any trailing blank lines;
// - a section the file lacks is added at the end, after a blank line; a
//   missing file is created;
// - new lines take the file's line end (the first one in the file, CR LF for
//   a file that has none); existing lines keep their own;
// - values are stored in the file's own encoding (see TextEncoding.h).
// A write on its own replaces the file whole and is on disk before it
// returns. Writes between BeginUpdate and EndUpdate are made on the file's
// text in memory, by the same rule and in the same order, and reach the file
// together in one replacement at the outermost EndUpdate: the bytes are those
// the writes would have given one by one.
//
// A replacement makes a temporary file beside the file (its name with
// ".saving" added), gives it the file's permissions and owner, writes and
// syncs it and renames it over the file, so the file holds either its old or
// its new bytes whenever the program stops; a temporary file left by a save
// that was cut short is taken over by the next one. A writable file in a folder that takes
// no new files is rewritten in place instead. A failure (read-only file,
// missing folder, full disk) raises EIniFileError "Unable to write to %s" and
// leaves the file exactly as it was, with no temporary file behind.
#pragma once

#include "lang/IniText.h"

#include "toolkit/SysUtils.h"

#include <QString>

#include <cstdint>
#include <memory>

VORNIK_EXCEPTION(EIniFileError, Exception);

class TIniFile {
 public:
  explicit TIniFile(const QString& fileName);
  TIniFile(const TIniFile&) = delete;
  TIniFile& operator=(const TIniFile&) = delete;
  // Writes of an update that has not ended are dropped: the file stays as
  // it was.
  ~TIniFile();

  const QString& FileName() const { return m_fileName; }

  // Opens an update; updates nest, and only the outermost EndUpdate writes.
  // A write that fails inside an update changes nothing and raises; the
  // writes before it wait for EndUpdate as the others do.
  void BeginUpdate();
  // Ends an update; the outermost one replaces the file once, unless every
  // key already held its value. Raises EIniFileError when the file cannot
  // be replaced; the writes of the update are dropped either way.
  void EndUpdate();

  // The key line becomes key "=" value. Refused with EIniFileError, before
  // anything is written, when the section, key or value would break the
  // file's structure (a line break, a "]" in the section, an "=" in the key,
  // a key that starts with "[" or ";" or has blanks around it) or when the
  // file's encoding cannot hold them.
  void WriteString(const QString& section, const QString& key, const QString& value);
  // The integer in decimal.
  void WriteInteger(const QString& section, const QString& key, int32_t value);
  // "1" for true, "0" for false.
  void WriteBool(const QString& section, const QString& key, bool value);

 private:
  [[noreturn]] void Fail(const QString& reason = QString()) const;
  void CheckNames(const QString& section, const QString& key, const QString& value) const;
  // The file's bytes; empty for a missing file.
  QByteArray ReadCurrent() const;
  void Apply(const QString& section, const QString& key, const QString& value);
  void Replace(const QByteArray& bytes, const QByteArray& old) const;
  void ReplaceThroughTemporary(const QString& target, const QByteArray& bytes) const;
  void ReplaceInPlace(const QString& target, const QByteArray& bytes, const QByteArray& old) const;

  QString m_fileName;
  int m_updateCount = 0;
  // The file's text while an update runs, from its first write on.
  std::unique_ptr<TIniText> m_text;
  QByteArray m_old;
  bool m_existed = false;
};
