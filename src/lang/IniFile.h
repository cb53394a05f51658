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
// Each write replaces the file whole and is on disk before it returns: a
// failure (read-only file, missing folder, full disk) raises EIniFileError
// "Unable to write to %s" and leaves the file exactly as the previous write
// left it, with no temporary file behind.
#pragma once

#include "toolkit/SysUtils.h"

#include <QString>

#include <cstdint>

VORNIK_EXCEPTION(EIniFileError, Exception);

class TIniFile {
 public:
  explicit TIniFile(const QString& fileName);

  const QString& FileName() const { return m_fileName; }

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
  void Replace(const QByteArray& bytes) const;

  QString m_fileName;
};
