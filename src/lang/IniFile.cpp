#include "lang/IniFile.h"

#include "lang/TextEncoding.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr auto kAnyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

bool HasLineBreak(const QString& text) {
  return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
}

// A file or folder that carries no write permission at all is read-only,
// also for a user whom the system would let write it anyway.
bool IsReadOnly(const QFileInfo& info) { return !(info.permissions() & kAnyWrite) || !info.isWritable(); }

// Makes the rename that replaced a file in `folder` durable.
void SyncFolder(const QString& folder) {
  const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  // Some file systems cannot sync a folder; the data itself is synced already.
  (void)::fsync(fd);
  ::close(fd);
}

// Writes all bytes at the offset; false on any error, a short write included
// (a full disk, a file size limit).
bool WriteAllAt(int fd, const QByteArray& bytes, off_t offset) {
  const char* data = bytes.constData();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::pwrite(fd, data, static_cast<size_t>(left), offset);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    left -= written;
    offset += written;
  }
  return true;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : m_fd(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (m_fd >= 0) ::close(m_fd);
  }
  int Get() const { return m_fd; }

 private:
  int m_fd;
};

// The temporary file a replacement of `path` writes. It has a fixed name, so
// that one left behind by a save that was cut short is taken over (or
// removed) by the next.
QByteArray TemporaryName(const QByteArray& path) { return path + ".saving"; }

// Opens the temporary file, made when `create` is true, and locks it, which
// keeps two saves of the same file from sharing it. After the lock is taken
// the name must still lead to the locked file, or another save has renamed
// it over its target in between. -1 when it cannot be opened or locked.
int OpenTemporary(const QByteArray& temporary, bool create) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | (create ? O_CREAT : 0), 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return -1;
    }
    struct stat opened {};
    struct stat named {};
    if (::fstat(fd, &opened) == 0 && ::stat(temporary.constData(), &named) == 0 && opened.st_dev == named.st_dev &&
        opened.st_ino == named.st_ino && S_ISREG(opened.st_mode))
      return fd;
    ::close(fd);
  }
  return -1;
}

// Removes a temporary file that a save cut short has left, unless a save
// is writing it now.
void RemoveLeftTemporary(const QString& fileName) {
  const QFileInfo info(fileName);
  const QByteArray temporary = TemporaryName(QFile::encodeName(info.exists() ? info.canonicalFilePath() : fileName));
  const FileDescriptor file(OpenTemporary(temporary, false));
  if (file.Get() >= 0) ::unlink(temporary.constData());
}

// The mode a new file gets: read and write for all, less the process's mask.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

}  // namespace

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {}

TIniFile::~TIniFile() = default;

void TIniFile::Fail(const QString& reason) const {
  QString message = Format("Unable to write to %s", {m_fileName});
  if (!reason.isEmpty()) message += QStringLiteral(": ") + reason;
  throw EIniFileError(message);
}

void TIniFile::CheckNames(const QString& section, const QString& key, const QString& value) const {
  if (section.isEmpty() || HasLineBreak(section) || section.contains(QLatin1Char(']')))
    Fail(Format("%s is not a valid section name", {section}));
  if (key.isEmpty() || Trim(key) != key || HasLineBreak(key) || key.contains(QLatin1Char('=')) ||
      key.startsWith(QLatin1Char('[')) || key.startsWith(QLatin1Char(';')))
    Fail(Format("%s is not a valid key name", {key}));
  if (HasLineBreak(value)) Fail(Format("the value of %s holds a line break", {key}));
}

QByteArray TIniFile::ReadCurrent() const {
  const QFileInfo info(m_fileName);
  if (!info.exists()) return {};
  if (!info.isFile() || IsReadOnly(info)) Fail();
  QFile file(m_fileName);
  if (!file.open(QIODevice::ReadOnly)) Fail();
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) Fail();
  return bytes;
}

void TIniFile::BeginUpdate() { ++m_updateCount; }

void TIniFile::EndUpdate() {
  if (m_updateCount == 0 || --m_updateCount > 0) return;
  // The update is over whatever the replacement does.
  const std::unique_ptr<TIniText> text = std::move(m_text);
  const QByteArray old = std::move(m_old);
  if (!text) return;
  const QByteArray bytes = text->Bytes();
  // Keys that already held their values leave the file as it is on disk.
  if (m_existed && bytes == old) {
    RemoveLeftTemporary(m_fileName);
    return;
  }
  Replace(bytes, old);
}

void TIniFile::Apply(const QString& section, const QString& key, const QString& value) {
  if (!m_text) {
    m_existed = QFileInfo::exists(m_fileName);
    m_old = ReadCurrent();
    m_text = std::make_unique<TIniText>(m_old);
  }
  const TTextEncoding encoding = m_text->Encoding();
  QByteArray sectionBytes;
  QByteArray keyBytes;
  QByteArray valueBytes;
  if (!TryEncodeText(section, encoding, sectionBytes) || !TryEncodeText(key, encoding, keyBytes) ||
      !TryEncodeText(value, encoding, valueBytes))
    Fail(Format("[%s] %s=%s holds characters that the file's encoding (%s) cannot store",
                {section, key, value, TextEncodingName(encoding)}));
  m_text->Write(sectionBytes, keyBytes, valueBytes);
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  CheckNames(section, key, value);
  if (m_updateCount > 0) {
    Apply(section, key, value);
    return;
  }
  // A write of its own is an update of one key; a failed one leaves nothing
  // for the next.
  BeginUpdate();
  try {
    Apply(section, key, value);
  } catch (...) {
    m_updateCount = 0;
    m_text.reset();
    throw;
  }
  EndUpdate();
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
  WriteString(section, key, IntToStr(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::Replace(const QByteArray& bytes, const QByteArray& old) const {
  // A link is followed: its target is replaced and the link stays.
  const QFileInfo info(m_fileName);
  const QString target = info.exists() ? info.canonicalFilePath() : m_fileName;
  const QFileInfo folder(QFileInfo(target).absolutePath());
  if (!folder.isDir() || !IsReadOnly(folder)) ReplaceThroughTemporary(target, bytes);
  else if (info.exists()) ReplaceInPlace(target, bytes, old);
  else Fail();  // a new file needs a folder that takes one
}

void TIniFile::ReplaceThroughTemporary(const QString& target, const QByteArray& bytes) const {
  const QByteArray path = QFile::encodeName(target);
  const QByteArray temporary = TemporaryName(path);
  struct stat original {};
  const bool existed = ::stat(path.constData(), &original) == 0;
  const FileDescriptor file(OpenTemporary(temporary, true));
  const int fd = file.Get();
  if (fd < 0) Fail();
  bool ok = ::ftruncate(fd, 0) == 0;
  if (ok && existed) {
    // The owner can only be kept by a user allowed to give files away; the
    // permissions are kept always.
    if (original.st_uid != ::geteuid() || original.st_gid != ::getegid())
      (void)::fchown(fd, original.st_uid, original.st_gid);
    ok = ::fchmod(fd, original.st_mode & 07777) == 0;
  } else if (ok) {
    ok = ::fchmod(fd, NewFileMode()) == 0;
  }
  ok = ok && WriteAllAt(fd, bytes, 0) && ::fsync(fd) == 0;
  if (!ok || ::rename(temporary.constData(), path.constData()) != 0) {
    ::unlink(temporary.constData());
    Fail();
  }
  SyncFolder(QFileInfo(target).absolutePath());
}

void TIniFile::ReplaceInPlace(const QString& target, const QByteArray& bytes, const QByteArray& old) const {
  const FileDescriptor file(::open(QFile::encodeName(target).constData(), O_WRONLY | O_CLOEXEC));
  const int fd = file.Get();
  if (fd < 0) Fail();
  // Room for a longer text is claimed first, so that a full disk refuses
  // the write before anything is changed. A file system that cannot claim
  // room ahead goes on without.
  if (bytes.size() > old.size() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, bytes.size()) != 0 &&
      errno != EOPNOTSUPP)
    Fail();
  if (WriteAllAt(fd, bytes, 0) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0) return;
  // Puts the old bytes back as well as it can.
  if (WriteAllAt(fd, old, 0)) (void)::ftruncate(fd, old.size());
  (void)::fsync(fd);
  Fail();
}
