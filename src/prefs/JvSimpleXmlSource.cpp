#include "prefs/JvSimpleXmlSource.h"

bool TJvSimpleXmlSource::LooksAt(QLatin1StringView mark) const {
  return QStringView(m_text).sliced(m_pos).startsWith(mark);
}

TScopedValue<int> TJvSimpleXmlSource::EnterElement() {
  if (m_depth >= kMaxDepth)
    throw TJvSimpleXmlInvalid(
        Format("Invalid XML Element: Elements nested too deeply (more than %d levels)", {kMaxDepth}));
  return TScopedValue(m_depth, m_depth + 1);
}

namespace {
bool IsEntityChar(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '#';
}

// The character an entity name stands for; false for names it does not know.
bool EntityCharacter(const QString& run, QChar& result) {
  QString name = run;
  for (QChar& c : name)
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  if (name == QLatin1String("lt")) result = QLatin1Char('<');
  else if (name == QLatin1String("gt")) result = QLatin1Char('>');
  else if (name == QLatin1String("amp")) result = QLatin1Char('&');
  else if (name == QLatin1String("quot")) result = QLatin1Char('"');
  else if (name == QLatin1String("apos")) result = QLatin1Char('\'');
  else if (name.startsWith(QLatin1Char('#'))) result = QChar(static_cast<char16_t>(StrToIntDef(name.mid(1), -1) & 0xFF));
  else return false;
  return true;
}
}  // namespace

QString SimpleXmlDecodeEntities(const QString& text) {
  qsizetype amp = text.indexOf(QLatin1Char('&'));
  if (amp < 0) return text;
  QString out;
  out.reserve(text.size());
  out.append(QStringView(text).first(amp));
  const qsizetype n = text.size();
  qsizetype i = amp;
  while (i < n) {
    const QChar c = text.at(i);
    if (c != QLatin1Char('&')) {
      out.append(c);
      ++i;
      continue;
    }
    qsizetype end = i + 1;
    while (end < n && IsEntityChar(text.at(end))) ++end;
    QChar decoded;
    if (end > i + 1 && end < n && text.at(end) == QLatin1Char(';') &&
        EntityCharacter(text.mid(i + 1, end - i - 1), decoded)) {
      out.append(decoded);
      i = end + 1;
    } else {
      out.append(c);
      ++i;
    }
  }
  return out;
}
