#include "lang/IniText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr QByteArrayView kCrLf("\r\n");

struct LineBounds {
  qsizetype begin = 0;       // first byte of the text
  qsizetype contentEnd = 0;  // first byte of the line end
  qsizetype end = 0;         // first byte after the line end
};

// Walks the lines of a byte buffer; a line ends with CR LF, LF or a lone CR.
class LineScanner {
 public:
  LineScanner(QByteArrayView bytes, qsizetype start) : m_data(bytes.data()), m_size(bytes.size()), m_pos(start) {}

  bool Next(LineBounds& line) {
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

// Names compare with the letters A to Z matched in either case; other bytes,
// and so every non-ASCII character in both encodings, must match exactly.
// Names that compare equal have equal folded forms.
QByteArray Folded(QByteArrayView name) {
  QByteArray folded(name.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < name.size(); ++i) {
    const char c = name[i];
    folded[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
  }
  return folded;
}

// Without leading and trailing blanks and control characters.
QByteArrayView Trimmed(QByteArrayView bytes) {
  qsizetype begin = 0;
  qsizetype end = bytes.size();
  while (begin < end && static_cast<uint8_t>(bytes[begin]) <= ' ') ++begin;
  while (end > begin && static_cast<uint8_t>(bytes[end - 1]) <= ' ') --end;
  return bytes.sliced(begin, end - begin);
}

bool IsHeader(QByteArrayView text) { return !text.isEmpty() && text[0] == '['; }

// The name of a header line: the text between "[" and the first "]", or to
// the end of the line when there is none.
QByteArrayView HeaderName(QByteArrayView header) {
  const qsizetype close = header.indexOf(']', 1);
  return header.sliced(1, (close < 0 ? header.size() : close) - 1);
}

// The position of the "=" of a key line; -1 for a line that holds no key
// (empty, a comment, no "=").
qsizetype KeyLineEquals(QByteArrayView text) {
  if (text.isEmpty() || text[0] == ';') return -1;
  return text.indexOf('=');
}

}  // namespace

TIniText::TIniText(QByteArray bytes) : m_source(std::move(bytes)) { Parse(); }

void TIniText::Parse() {
  m_blocks.clear();
  m_sections.clear();
  m_invalidLines = 0;
  m_encoding = DetectTextEncoding(m_source);
  const QByteArrayView source(m_source);
  const qsizetype start = m_encoding == TTextEncoding::teUtf8 ? Utf8BomLength(source) : 0;
  m_prefix = source.first(start);
  m_eol = {};
  m_blocks.emplace_back();
  LineScanner scanner(source, start);
  LineBounds bounds;
  while (scanner.Next(bounds)) {
    const Line line{source.sliced(bounds.begin, bounds.contentEnd - bounds.begin),
                    source.sliced(bounds.contentEnd, bounds.end - bounds.contentEnd)};
    if (m_eol.isEmpty()) m_eol = line.end;
    // A multi-byte sequence never holds a line end byte, so the whole file
    // is valid UTF-8 exactly when the text of every line is.
    if (m_encoding == TTextEncoding::teWindows1252 && !IsValidUtf8(line.text)) ++m_invalidLines;
    if (IsHeader(line.text)) {
      m_blocks.emplace_back();
      const QByteArray name = Folded(HeaderName(line.text));
      if (!m_sections.contains(name)) m_sections.insert(name, static_cast<int>(m_blocks.size() - 1));
    }
    m_blocks.back().lines.push_back(line);
  }
  // New lines take the file's first line end; CR LF in a file that has none.
  // Writes never put a line before the first line end, so it stays the
  // first one.
  if (m_eol.isEmpty()) m_eol = kCrLf;
}

void TIniText::IndexKeys(Block& block) const {
  block.keys.reserve(static_cast<qsizetype>(block.lines.size()));
  for (int i = 1; i < static_cast<int>(block.lines.size()); ++i) {
    const QByteArrayView text = block.lines[static_cast<size_t>(i)].text;
    const qsizetype eq = KeyLineEquals(text);
    if (eq < 0) continue;
    const QByteArray key = Folded(Trimmed(text.first(eq)));
    if (!block.keys.contains(key)) block.keys.insert(key, i);
    block.anchor = i;
  }
  block.keysIndexed = true;
}

QByteArrayView TIniText::Keep(QByteArray bytes) {
  m_store.push_back(std::move(bytes));
  return m_store.back();
}

void TIniText::Account(QByteArrayView removed, QByteArrayView added) {
  if (!IsValidUtf8(removed)) --m_invalidLines;
  if (!IsValidUtf8(added)) ++m_invalidLines;
}

void TIniText::Write(QByteArrayView section, QByteArrayView key, QByteArrayView value) {
  QByteArray keyLine = key.toByteArray();
  keyLine.append('=').append(value);
  const auto found = m_sections.constFind(Folded(section));
  if (found == m_sections.constEnd()) {
    AppendSection(section, Keep(std::move(keyLine)));
  } else {
    Block& block = m_blocks[static_cast<size_t>(*found)];
    if (!block.keysIndexed) IndexKeys(block);
    const QByteArray folded = Folded(key);
    const auto existing = block.keys.constFind(folded);
    if (existing != block.keys.constEnd()) {
      // The first key line of that name gets the value; the key keeps the
      // file's spelling and the line its own line end.
      Line& line = block.lines[static_cast<size_t>(*existing)];
      QByteArray text = Trimmed(line.text.first(KeyLineEquals(line.text))).toByteArray();
      text.append('=').append(value);
      const QByteArrayView kept = Keep(std::move(text));
      Account(line.text, kept);
      line.text = kept;
    } else {
      // A new key goes after the section's last key line (after its header
      // when it has none). When that line is the file's last and has no line
      // end, it gets one and the new last line goes without, as the file did.
      Line& anchor = block.lines[static_cast<size_t>(block.anchor)];
      Line added{Keep(std::move(keyLine)), m_eol};
      if (anchor.end.isEmpty()) {
        anchor.end = m_eol;
        added.end = {};
      }
      Account({}, added.text);
      ++block.anchor;
      block.lines.insert(block.lines.begin() + block.anchor, added);
      block.keys.insert(folded, block.anchor);
    }
  }
  const TTextEncoding encoding = m_invalidLines == 0 ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252;
  if (encoding != m_encoding) {
    // The file reads differently now (a byte-order mark may have become
    // one): split it again, as the next write on disk would.
    QByteArray bytes = Bytes();
    m_blocks.clear();
    m_store.clear();
    m_source = std::move(bytes);
    Parse();
  }
}

void TIniText::AppendSection(QByteArrayView section, QByteArrayView keyLine) {
  // After a blank line: the last line gets a line end when it has none and
  // is followed by an empty line unless it is blank itself.
  auto last = std::find_if(m_blocks.rbegin(), m_blocks.rend(), [](const Block& b) { return !b.lines.empty(); });
  if (last != m_blocks.rend()) {
    Line& line = last->lines.back();
    if (line.end.isEmpty()) line.end = m_eol;
    if (!Trimmed(line.text).isEmpty()) {
      // The line feed of the empty line joins a lone carriage return before
      // it into one line end.
      if (line.end == QByteArrayView("\r") && m_eol == QByteArrayView("\n")) line.end = kCrLf;
      else last->lines.push_back({{}, m_eol});
    }
  }
  QByteArray header = "[" + section.toByteArray() + "]";
  Block block;
  block.lines.push_back({Keep(std::move(header)), m_eol});
  block.lines.push_back({keyLine, m_eol});
  Account({}, block.lines[0].text);
  Account({}, keyLine);
  const QByteArray name = Folded(HeaderName(block.lines[0].text));
  m_blocks.push_back(std::move(block));
  if (!m_sections.contains(name)) m_sections.insert(name, static_cast<int>(m_blocks.size() - 1));
}

QByteArray TIniText::Bytes() const {
  qsizetype size = m_prefix.size();
  for (const Block& block : m_blocks)
    for (const Line& line : block.lines) size += line.text.size() + line.end.size();
  QByteArray bytes;
  bytes.reserve(size);
  // Pieces that lie next to each other in memory (the untouched lines of
  // the file) are copied in one go.
  const char* run = m_prefix.data();
  qsizetype runSize = m_prefix.size();
  const auto add = [&](QByteArrayView piece) {
    if (piece.isEmpty()) return;
    if (run + runSize == piece.data()) {
      runSize += piece.size();
      return;
    }
    bytes.append(run, runSize);
    run = piece.data();
    runSize = piece.size();
  };
  for (const Block& block : m_blocks) {
    for (const Line& line : block.lines) {
      add(line.text);
      add(line.end);
    }
  }
  bytes.append(run, runSize);
  return bytes;
}
