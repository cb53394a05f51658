// The key-write rule of language/GUI files on an arbitrary file: a few key
// writes (section, key and value taken from the input, kept to what the
// writer accepts) applied one by one, each on a fresh reading of the bytes,
// and all together on one text, as a Save does. Checked after each run:
// - both ways give the same bytes;
// - every line of the file whose key none of the writes names keeps its
//   text, in order, and its line end (the last line may gain one);
// - reading the result back finds each written value where the writes put it.
#include "lang/IniText.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

struct KeyWrite {
  QByteArray section;
  QByteArray key;
  QByteArray value;
};

struct SplitLine {
  QByteArray text;
  QByteArray end;
};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

bool HasLineBreak(const QByteArray& bytes) { return bytes.contains('\r') || bytes.contains('\n'); }
bool IsBlank(char c) { return static_cast<uint8_t>(c) <= ' '; }

// What the writer lets through (see TIniFile::WriteString); in a UTF-8
// file the bytes must be UTF-8, as the writer encodes them.
bool Acceptable(const KeyWrite& w, TTextEncoding encoding) {
  if (w.section.isEmpty() || HasLineBreak(w.section) || w.section.contains(']')) return false;
  if (w.key.isEmpty() || IsBlank(w.key.front()) || IsBlank(w.key.back()) || HasLineBreak(w.key) ||
      w.key.contains('=') || w.key.startsWith('[') || w.key.startsWith(';'))
    return false;
  if (HasLineBreak(w.value)) return false;
  return encoding == TTextEncoding::teWindows1252 ||
         (IsValidUtf8(w.section) && IsValidUtf8(w.key) && IsValidUtf8(w.value));
}

QByteArray Folded(QByteArray bytes) {
  for (char& c : bytes)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  return bytes;
}

QByteArray Trimmed(const QByteArray& bytes) {
  qsizetype begin = 0;
  qsizetype end = bytes.size();
  while (begin < end && IsBlank(bytes[begin])) ++begin;
  while (end > begin && IsBlank(bytes[end - 1])) --end;
  return bytes.mid(begin, end - begin);
}

// The lines after the byte-order mark of a UTF-8 file; CR LF, LF and a lone
// CR end a line.
std::vector<SplitLine> Lines(const QByteArray& bytes) {
  const qsizetype start = DetectTextEncoding(bytes) == TTextEncoding::teUtf8 ? Utf8BomLength(bytes) : 0;
  std::vector<SplitLine> lines;
  qsizetype i = start;
  while (i < bytes.size()) {
    qsizetype stop = i;
    while (stop < bytes.size() && bytes[stop] != '\r' && bytes[stop] != '\n') ++stop;
    qsizetype next = stop;
    if (next < bytes.size()) next += bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n' ? 2 : 1;
    lines.push_back({bytes.mid(i, stop - i), bytes.mid(stop, next - stop)});
    i = next;
  }
  return lines;
}

// The key of a key line, trimmed and folded; empty for other lines.
QByteArray LineKey(const QByteArray& text) {
  if (text.isEmpty() || text[0] == '[' || text[0] == ';') return {};
  const qsizetype eq = text.indexOf('=');
  return eq < 0 ? QByteArray() : Folded(Trimmed(text.left(eq)));
}

// The value of the first key line of that key in the first section of that
// name, or nothing.
std::optional<QByteArray> ReadBack(const std::vector<SplitLine>& lines, const QByteArray& section,
                                   const QByteArray& key) {
  bool inSection = false;
  for (const SplitLine& line : lines) {
    if (line.text.startsWith('[')) {
      if (inSection) return std::nullopt;
      const qsizetype close = line.text.indexOf(']', 1);
      inSection = Folded(line.text.mid(1, (close < 0 ? line.text.size() : close) - 1)) == Folded(section);
    } else if (inSection && LineKey(line.text) == Folded(key)) {
      return line.text.mid(line.text.indexOf('=') + 1);
    }
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  std::vector<KeyWrite> writes(input.ConsumeIntegralInRange<size_t>(1, 6));
  for (KeyWrite& w : writes) {
    w.section = QByteArray::fromStdString(input.ConsumeRandomLengthString(12));
    w.key = QByteArray::fromStdString(input.ConsumeRandomLengthString(12));
    w.value = QByteArray::fromStdString(input.ConsumeRandomLengthString(24));
  }
  const std::string rest = input.ConsumeRemainingBytesAsString();
  const QByteArray file = QByteArray::fromStdString(rest);

  // One by one, each write on a fresh reading; then all on one text.
  QByteArray oneByOne = file;
  TIniText together(file);
  std::vector<const KeyWrite*> made;
  size_t sinceEncodingChange = 0;
  for (const KeyWrite& w : writes) {
    TIniText single(oneByOne);
    Check(single.Encoding() == together.Encoding());
    if (!Acceptable(w, single.Encoding())) continue;
    single.Write(w.section, w.key, w.value);
    together.Write(w.section, w.key, w.value);
    if (single.Encoding() != DetectTextEncoding(oneByOne)) sinceEncodingChange = made.size() + 1;
    oneByOne = single.Bytes();
    made.push_back(&w);
  }
  const QByteArray result = together.Bytes();
  Check(result == oneByOne);
  if (made.empty()) {
    Check(result == file);
    return 0;
  }

  // Unnamed lines keep their text and line end, in order.
  QList<QByteArray> named;
  for (const KeyWrite* w : made) named.append(Folded(w->key));
  const std::vector<SplitLine> before = Lines(file);
  const std::vector<SplitLine> after = Lines(result);
  if (DetectTextEncoding(file) == DetectTextEncoding(result)) {
    size_t j = 0;
    for (size_t i = 0; i < before.size(); ++i) {
      const QByteArray key = LineKey(before[i].text);
      if (!key.isEmpty() && named.contains(key)) continue;
      while (j < after.size() && after[j].text != before[i].text) ++j;
      Check(j < after.size());
      const bool last = i + 1 == before.size();
      Check(after[j].end == before[i].end || (last && (before[i].end.isEmpty() || before[i].end == "\r")));
      ++j;
    }
  }

  // Each pair written since the file last changed its encoding reads back
  // as its last write left it. (A change of encoding can turn a line with a
  // byte-order mark in front into a header, which moves earlier keys out of
  // reach, as it would on disk.)
  for (size_t k = sinceEncodingChange; k < made.size(); ++k) {
    const KeyWrite& w = *made[k];
    bool overwritten = false;
    for (size_t later = k + 1; later < made.size(); ++later)
      overwritten |= Folded(made[later]->section) == Folded(w.section) && Folded(made[later]->key) == Folded(w.key);
    if (overwritten) continue;
    const std::optional<QByteArray> value = ReadBack(after, w.section, w.key);
    Check(value.has_value() && *value == w.value);
  }
  return 0;
}
