#include "lang/TextEncoding.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace {

// Unicode values of the bytes 0x80 to 0x9F in Windows-1252. The five bytes
// the code page leaves undefined map to the C1 control with the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte of one character in Windows-1252, or -1 when there is none.
int Windows1252Byte(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return c;
  for (size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

bool IsContinuation(uint8_t b) { return (b & 0xC0) == 0x80; }

}  // namespace

QString TextEncodingName(TTextEncoding encoding) {
  return encoding == TTextEncoding::teUtf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

bool IsValidUtf8(QByteArrayView bytes) {
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  const qsizetype n = bytes.size();
  qsizetype i = 0;
  while (i < n) {
    // Runs of ASCII go eight bytes at a time.
    if (i + 8 <= n) {
      uint64_t word;
      std::memcpy(&word, p + i, sizeof word);
      if ((word & 0x8080808080808080ull) == 0) {
        i += 8;
        continue;
      }
    }
    const uint8_t b = p[i];
    if (b < 0x80) {
      ++i;
      continue;
    }
    qsizetype length;
    uint8_t low = 0x80;  // bounds of the second byte
    uint8_t high = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;        // no overlong forms
      else if (b == 0xED) high = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      else if (b == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
      return false;
    }
    if (i + length > n || p[i + 1] < low || p[i + 1] > high) return false;
    for (qsizetype k = 2; k < length; ++k)
      if (!IsContinuation(p[i + k])) return false;
    i += length;
  }
  return true;
}

qsizetype Utf8BomLength(QByteArrayView bytes) {
  return bytes.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)) ? 3 : 0;
}

TTextEncoding DetectTextEncoding(QByteArrayView bytes) {
  return IsValidUtf8(bytes) ? TTextEncoding::teUtf8 : TTextEncoding::teWindows1252;
}

QString DecodeText(QByteArrayView bytes, TTextEncoding encoding) {
  if (encoding == TTextEncoding::teUtf8) return QString::fromUtf8(bytes);
  QString text(bytes.size(), Qt::Uninitialized);
  QChar* out = text.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<uint8_t>(bytes[i]);
    out[i] = QChar(b >= 0x80 && b < 0xA0 ? kHighControls[b - 0x80] : char16_t(b));
  }
  return text;
}

bool TryEncodeText(const QString& text, TTextEncoding encoding, QByteArray& bytes) {
  if (encoding == TTextEncoding::teUtf8) {
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
      else if (c.isSurrogate()) return false;
    }
    bytes = text.toUtf8();
    return true;
  }
  QByteArray out(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const int b = Windows1252Byte(text[i].unicode());
    if (b < 0) return false;
    out[i] = static_cast<char>(b);
  }
  bytes = out;
  return true;
}

QString DecodeLanguageFile(QByteArrayView bytes) {
  const TTextEncoding encoding = DetectTextEncoding(bytes);
  if (encoding == TTextEncoding::teUtf8) bytes = bytes.sliced(Utf8BomLength(bytes));
  return DecodeText(bytes, encoding);
}
