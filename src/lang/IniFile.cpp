#include "lang/IniFile.h"

#include "lang/TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Line {
  qsizetype begin = 0;       // first byte of the text
  qsizetype contentEnd = 0;  // first byte of the line end
  qsizetype end = 0;         // first byte after the line end
  bool HasLineEnd() const { return end > contentEnd; }
};

// Walks the lines of a byte buffer; a line ends with CR LF, LF or a lone CR.
class LineScanner {
 public:
  LineScanner(QByteArrayView bytes, qsizetype start) : m_data(bytes.data()), m_size(bytes.size()), m_pos(start) {}

  bool Next(Line& line) {
    if (m_pos >= m_size) return false;
    const qsizetype stop = std::min(Find('\r', m_nextCr), Find('\n', m_nextLf));
    line.begin = m_pos;
    line.contentEnd = stop;
    line.end = stop;
    if (stop < m_size) {
      line.end = stop + 1;
      if (m_data[stop] == '\r' && stop + 1 < m_size && m_data[stop + 1] == '\n') line.end = stop + 2;
    }
    m_pos = line.end;
    return true;
  }

 private:
  // The next position of c at or after the current one; `cache` keeps the
  // last hit so each byte is searched once.
  qsizetype Find(char c, qsizetype& cache) const {
    if (cache < m_pos) {
      const void* hit = std::memchr(m_data + m_pos, c, static_cast<size_t>(m_size - m_pos));
      cache = hit ? static_cast<const char*>(hit) - m_data : m_size;
    }
    return cache;
  }

  const char* m_data;
  qsizetype m_size;
  qsizetype m_pos;
  qsizetype m_nextCr = -1;
  qsizetype m_nextLf = -1;
};

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Equal bytes with the letters A to Z matched in either case, the way names
// compare throughout the system. Other bytes, and so every non-ASCII
// character in both encodings, must match exactly.
bool SameName(QByteArrayView a, QByteArrayView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  return true;
}

// Without leading and trailing blanks and control characters.
QByteArrayView Trimmed(QByteArrayView bytes) {
  qsizetype begin = 0;
  qsizetype end = bytes.size();
  while (begin < end && static_cast<uint8_t>(bytes[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<uint8_t>(bytes[end - 1]) <= ' ') --end;
  return bytes.sliced(begin, end - begin);
}

qsizetype IndexIn(QByteArrayView bytes, char c, qsizetype from, qsizetype to) {
  const void* hit = std::memchr(bytes.data() + from, c, static_cast<size_t>(to - from));
  return hit ? static_cast<const char*>(hit) - bytes.data() : -1;
}

// The first line end of the file; CR LF when it has none.
QByteArray FileLineEnd(QByteArrayView bytes, qsizetype start) {
  LineScanner scanner(bytes, start);
  Line line;
  while (scanner.Next(line))
    if (line.HasLineEnd()) return bytes.sliced(line.contentEnd, line.end - line.contentEnd).toByteArray();
  return QByteArrayLiteral("\r\n");
}

// The file's bytes after one write: see the header for the rule.
QByteArray UpdatedContent(const QByteArray& old, qsizetype start, QByteArrayView section, QByteArrayView key,
                          QByteArrayView value) {
  const QByteArray eol = FileLineEnd(old, start);
  QByteArray keyLine = key.toByteArray();
  keyLine.append('=').append(value);

  LineScanner scanner(old, start);
  Line line;
  Line anchor;  // the line a new key goes after
  Line last;
  bool found = false;
  bool any = false;
  while (scanner.Next(line)) {
    any = true;
    last = line;
    const QByteArrayView text(old.constData() + line.begin, line.contentEnd - line.begin);
    const char first = text.isEmpty() ? '\0' : text[0];
    if (first == '[') {
      if (found) break;  // the section ends at the next header
      const qsizetype close = IndexIn(text, ']', 1, text.size());
      if (SameName(text.sliced(1, (close < 0 ? text.size() : close) - 1), section)) {
        found = true;
        anchor = line;
      }
      continue;
    }
    if (!found || first == ';') continue;
    const qsizetype eq = IndexIn(text, '=', 0, text.size());
    if (eq < 0) continue;
    const QByteArrayView fileKey = Trimmed(text.first(eq));
    if (SameName(fileKey, key)) {
      // The key keeps the file's spelling; the line keeps its own line end.
      QByteArray result;
      result.reserve(old.size() + value.size() + 2);
      result.append(old.constData(), line.begin);
      result.append(fileKey).append('=').append(value);
      result.append(old.constData() + line.contentEnd, old.size() - line.contentEnd);
      return result;
    }
    anchor = line;
  }

  QByteArray result;
  result.reserve(old.size() + section.size() + keyLine.size() + 4 * eol.size() + 2);
  if (found) {
    result.append(old.constData(), anchor.end);
    if (anchor.HasLineEnd()) {
      result.append(keyLine).append(eol);
    } else {
      // The anchor was the file's last line and had no line end: it gets
      // one, and the new last line goes without, as the file did.
      result.append(eol).append(keyLine);
    }
    result.append(old.constData() + anchor.end, old.size() - anchor.end);
    return result;
  }
  result = old;
  if (any) {
    if (!last.HasLineEnd()) result.append(eol);
    if (!Trimmed(QByteArrayView(old.constData() + last.begin, last.contentEnd - last.begin)).isEmpty())
      result.append(eol);
  }
  result.append('[').append(section).append(']').append(eol).append(keyLine).append(eol);
  return result;
}

bool HasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// A file that carries no write permission at all is read-only, also for a
// user whom the system would let write it anyway.
bool IsReadOnly(const QFileInfo& info) {
  constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
  return !(info.permissions() & anyWrite) || !info.isWritable();
}

// Makes the rename that replaced a file in `folder` durable.
void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot sync a folder; the data itself is synced already.
  (void)::fsync(fd);
  ::close(fd);
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {}

void TIniFile::Fail(const QString& reason) const {
  QString message = Format("Unable to write to %s", {m_fileName});
  if (!reason.isEmpty()) message += QStringLiteral(": ") + reason;
  throw EIniFileError(message);
}

void TIniFile::CheckNames(const QString& section, const QString& key, const QString& value) const {
  if (section.isEmpty() || HasLineBreak(section) || section.contains(QLatin1Char(']')))
    Fail(Format("%s is not a valid section name", {section}));
  if (key.isEmpty() || Trim(key) != key || HasLineBreak(key) || key.contains(QLatin1Char('=')) ||
      key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')))
    Fail(Format("%s is not a valid key name", {key}));
  if (HasLineBreak(value)) Fail(Format("the value of %s holds a line break", {key}));
}

QByteArray TIniFile::ReadCurrent() const {
  const QFileInfo info(m_fileName);
  if (!info.exists()) return {};
  if (!info.isFile() || IsReadOnly(info)) Fail();
  QFile file(m_fileName);
  if (!file.open(QIODevice::ReadOnly)) Fail();
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) Fail();
  return bytes;
}

void TIniFile::Replace(const QByteArray& bytes) const {
  // The new content goes to a temporary file beside the old one, which is
  // synced and then renamed over it. Unbuffered, so a short write (a full
  // disk, a file size limit) shows in the count written and the temporary
  // file is discarded instead of committed.
  QSaveFile file(m_fileName);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) Fail();
  if (file.write(bytes) != bytes.size()) Fail();
  if (!file.commit()) Fail();
  SyncFolder(QFileInfo(QFileInfo(m_fileName).canonicalFilePath()).absolutePath());
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  CheckNames(section, key, value);
  const QByteArray old = ReadCurrent();
  const TTextEncoding encoding = DetectTextEncoding(old);
  QByteArray sectionBytes;
  QByteArray keyBytes;
  QByteArray valueBytes;
  if (!TryEncodeText(section, encoding, sectionBytes) || !TryEncodeText(key, encoding, keyBytes) ||
      !TryEncodeText(value, encoding, valueBytes))
    Fail(Format("[%s] %s=%s holds characters that the file's encoding (%s) cannot store",
                {section, key, value, TextEncodingName(encoding)}));
  const qsizetype start = encoding == TTextEncoding::teUtf8 ? Utf8BomLength(old) : 0;
  const QByteArray updated = UpdatedContent(old, start, sectionBytes, keyBytes, valueBytes);
  // A key that already holds the value leaves the file as it is on disk.
  if (updated == old && QFileInfo::exists(m_fileName)) return;
  Replace(updated);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
