#include "SaveKeys.h"

#include <QFile>

#include <cstdlib>

std::vector<TFrameControl> SampleFrameControls() {
  QFile file(QStringLiteral(VORNIK_SOURCE_DIR "/sample/Languages/Deutsch.lng"));
  if (!file.open(QIODevice::ReadOnly)) std::abort();
  const QByteArray bytes = file.readAll();
  const QByteArray frame = bytes.mid(bytes.indexOf("[TMovieFrame]"));
  std::vector<TFrameControl> controls;
  for (const QByteArray& line : frame.split('\n')) {
    if (!line.contains(".Left=")) continue;
    const QByteArray name = line.left(line.indexOf('.'));
    controls.push_back({QString::fromLatin1(name), frame.contains("\n" + name + ".Caption=")});
  }
  return controls;
}

void WriteLayoutSave(TIniFile& ini, const std::vector<TFrameControl>& controls, int variant) {
  const QString info = QStringLiteral("FileInformation");
  const QString frame = QStringLiteral("TMovieFrame");
  const auto caption = [variant](const QString& name) {
    return QString::fromUtf8("%1 \xc3\xa4 %2:").arg(name).arg(variant);
  };
  ini.WriteString(info, QStringLiteral("VersionFormat"), QStringLiteral("4.0.6.4"));
  ini.WriteString(info, QStringLiteral("Version"), QStringLiteral("1.%1").arg(variant));
  ini.WriteString(info, QStringLiteral("Authors"), QStringLiteral("Author %1|author-address").arg(variant));
  ini.WriteString(info, QStringLiteral("Comments"), QStringLiteral("First line|second line %1").arg(variant));
  ini.WriteString(info, QStringLiteral("CustomGUI"), QStringLiteral("yes"));
  int i = 0;
  for (const TFrameControl& c : controls) {
    if (c.label) ini.WriteString(frame, c.name + QStringLiteral(".Caption"), caption(c.name));
    ini.WriteInteger(frame, c.name + QStringLiteral(".Left"), 8 + i + variant);
    ini.WriteInteger(frame, c.name + QStringLiteral(".Top"), 16 + 2 * i + variant);
    ini.WriteInteger(frame, c.name + QStringLiteral(".Width"), 120 + variant);
    ini.WriteInteger(frame, c.name + QStringLiteral(".Height"), 21 + variant);
    ini.WriteBool(frame, c.name + QStringLiteral(".Visible"), (i + variant) % 5 != 0);
    ini.WriteInteger(frame, c.name + QStringLiteral(".Anchors"), (i + variant) % 16);
    ++i;
  }
  for (const TFrameControl& c : controls)
    if (c.label) ini.WriteString(frame, c.name + QStringLiteral(".Caption"), caption(c.name));
}
