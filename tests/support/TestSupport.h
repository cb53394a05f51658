// Small helpers shared by the tests.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iosfwd>

#include <sys/resource.h>

// Lets GoogleTest print Qt values in failure messages.
void PrintTo(const QString& value, std::ostream* os);
QT_BEGIN_NAMESPACE
class QImage;
class QRect;
class QPoint;
class QSize;
void PrintTo(const QRect& value, std::ostream* os);
void PrintTo(const QPoint& value, std::ostream* os);
void PrintTo(const QSize& value, std::ostream* os);
QT_END_NAMESPACE

// The number of different colours in a rectangle of a picture.
int ColourCount(const QImage& image, const QRect& rect);

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

// Lowers the file size limit of the process while it lives (a stand-in for a
// full disk), with the signal that would otherwise end the process ignored.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes);
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit();
  bool Ok() const { return m_ok; }

 private:
  rlimit m_saved{};
  void (*m_previousHandler)(int) = nullptr;
  bool m_ok = false;
};
