// The text an XML document is parsed from, the position reached in it, and
// the helpers the element parsers share.
#pragma once

#include "toolkit/ScopedValue.h"
#include "toolkit/SysUtils.h"

#include <QString>

// Every parse error of the XML model.
VORNIK_EXCEPTION(TJvSimpleXmlInvalid, Exception);

// The text being parsed: one character per byte of the file. The position
// starts at the first character of what a parser reads and is left on the
// last character it consumed; the caller steps past it.
class TJvSimpleXmlSource {
 public:
  // Elements nested deeper than this are refused, so that no input can
  // exhaust the stack of the recursive element parsers.
  static constexpr int kMaxDepth = 1000;

  explicit TJvSimpleXmlSource(const QString& text) : m_text(text), m_length(text.size()) {}

  const QString& Text() const { return m_text; }
  qsizetype Length() const { return m_length; }
  bool AtEnd() const { return m_pos >= m_length; }
  QChar Current() const { return m_text.at(m_pos); }
  qsizetype Pos() const { return m_pos; }
  void SetPos(qsizetype pos) { m_pos = pos; }
  void Next() { ++m_pos; }
  void Back() { --m_pos; }
  // True when the text from the current position starts with `mark`.
  bool LooksAt(QLatin1StringView mark) const;

  // One level of nesting more until the returned scope ends: brackets the
  // parse of one element. Refuses elements nested too deeply.
  TScopedValue<int> EnterElement();

 private:
  const QString& m_text;
  qsizetype m_length;
  qsizetype m_pos = 0;
  int m_depth = 0;
};

// Tab, line feed, carriage return and space.
inline bool IsXmlBlank(QChar c) {
  return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Replaces the entities "&lt;", "&gt;", "&amp;", "&quot;", "&apos;" and
// "&#<number>;" (letter case ignored, the code kept to 8 bits); anything else,
// a lone "&" included, is copied unchanged. Decoding runs once.
QString SimpleXmlDecodeEntities(const QString& text);
