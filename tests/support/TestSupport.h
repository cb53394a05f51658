// Small helpers shared by the tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iosfwd>

// Lets GoogleTest print QString values in failure messages.
void PrintTo(const QString& value, std::ostream* os);

// The bytes of a file; an empty array when it cannot be read.
QByteArray ReadFileBytes(const QString& path);
// Writes bytes to a file, creating folders as needed; fails the test on error.
void WriteFileBytes(const QString& path, const QByteArray& bytes);

// A fresh folder that is removed after the test.
class TempDirTest : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  QString DirPath() const { return m_dir.path(); }

 private:
  QTemporaryDir m_dir;
};
