// The bytes of a language/GUI file held in memory, with the key-write rule
// of IniFile.h applied to them. Any sequence of writes gives exactly the
// bytes that the same writes give when each one reads the file, changes it
// and writes it back; but the file is split into sections and lines once,
// and the sections and keys are found through indexes, so a Save of some
// hundred keys into a large file costs about one pass over it.
//
// The text keeps the file's own line ends and encoding (TextEncoding.h):
// the encoding is that of the whole text as it stands, so a Windows-1252
// file whose last byte that is not valid UTF-8 is overwritten becomes a
// UTF-8 file for the writes that follow, as it would on disk.
#pragma once

#include "lang/TextEncoding.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <deque>
#include <vector>

class TIniText {
 public:
  // The whole file; empty for a file that does not exist yet.
  explicit TIniText(QByteArray bytes);
  TIniText(const TIniText&) = delete;
  TIniText& operator=(const TIniText&) = delete;

  // The encoding the next write must use for its section, key and value.
  TTextEncoding Encoding() const { return m_encoding; }

  // Sets key=value in the section, in the bytes of Encoding(). The caller
  // has made sure that none of the three holds a line break, that the
  // section holds no "]", and that the key is not empty, has no blanks
  // around it, holds no "=" and does not start with "[" or ";".
  void Write(QByteArrayView section, QByteArrayView key, QByteArrayView value);

  // The file's bytes after the writes so far.
  QByteArray Bytes() const;

 private:
  struct Line {
    QByteArrayView text;  // without the line end
    QByteArrayView end;   // "\r\n", "\n", "\r", or empty on the file's last line
  };
  // A header line and the lines up to the next header; the first block
  // holds the lines before the first header and has no header.
  struct Block {
    std::vector<Line> lines;
    bool keysIndexed = false;
    QHash<QByteArray, int> keys;  // folded key -> its first key line
    int anchor = 0;               // the last key line, or the header
  };

  void Parse();
  void IndexKeys(Block& block) const;
  void AppendSection(QByteArrayView section, QByteArrayView keyLine);
  // Bytes that live as long as the text does.
  QByteArrayView Keep(QByteArray bytes);
  // Counts the lines whose text is not valid UTF-8.
  void Account(QByteArrayView removed, QByteArrayView added);

  QByteArray m_source;  // the bytes the lines were split from
  std::deque<QByteArray> m_store;
  TTextEncoding m_encoding = TTextEncoding::teUtf8;
  QByteArrayView m_prefix;  // the UTF-8 byte-order mark, when there is one
  QByteArrayView m_eol;     // the line end new lines take
  std::vector<Block> m_blocks;
  QHash<QByteArray, int> m_sections;  // folded name -> its first block
  int m_invalidLines = 0;
};
