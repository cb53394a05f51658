// The text encoding of language/GUI files. A file is UTF-8 when all of its
// bytes are valid UTF-8 (a leading UTF-8 byte-order mark is allowed and is
// not part of the text); otherwise it is Windows-1252, whose five undefined
// bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D stand for U+0081, U+008D, U+008F,
// U+0090 and U+009D, so every byte decodes and encodes back to itself.
// Readers and writers of these files share this rule, so a value written
// into a file is read back as it was written and a file never mixes the two.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

enum class TTextEncoding { teUtf8, teWindows1252 };

// The name shown in messages: "UTF-8" or "Windows-1252".
QString TextEncodingName(TTextEncoding encoding);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(QByteArrayView bytes);
// 3 when the bytes start with the UTF-8 byte-order mark, otherwise 0.
qsizetype Utf8BomLength(QByteArrayView bytes);
// The encoding of a whole file's bytes.
TTextEncoding DetectTextEncoding(QByteArrayView bytes);

// Bytes in the given encoding to text; every byte sequence decodes (the
// UTF-8 decoder expects bytes that IsValidUtf8 accepts).
QString DecodeText(QByteArrayView bytes, TTextEncoding encoding);
// Text to bytes; false when the encoding cannot hold a character of the text
// (for UTF-8: an unpaired surrogate).
bool TryEncodeText(const QString& text, TTextEncoding encoding, QByteArray& bytes);

// A whole file's bytes as text: encoding detected, byte-order mark dropped.
QString DecodeLanguageFile(QByteArrayView bytes);
