#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRect>
#include <QSet>

#include <csignal>
#include <ostream>

void PrintTo(const QString& value, std::ostream* os) { *os << '"' << value.toStdString() << '"'; }
void PrintTo(const QRect& r, std::ostream* os) {
  *os << "QRect(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}
void PrintTo(const QPoint& p, std::ostream* os) { *os << "QPoint(" << p.x() << ", " << p.y() << ")"; }
void PrintTo(const QSize& s, std::ostream* os) { *os << "QSize(" << s.width() << ", " << s.height() << ")"; }

QByteArray ReadFileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

FileSizeLimit::FileSizeLimit(rlim_t bytes) {
  getrlimit(RLIMIT_FSIZE, &m_saved);
  m_previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit lowered = m_saved;
  lowered.rlim_cur = bytes;
  m_ok = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
}

FileSizeLimit::~FileSizeLimit() {
  setrlimit(RLIMIT_FSIZE, &m_saved);
  std::signal(SIGXFSZ, m_previousHandler);
}

int ColourCount(const QImage& image, const QRect& rect) {
  QSet<QRgb> colours;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}
