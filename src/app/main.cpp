// Program entry of the designer.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vornik GUI designer"));
  QLabel window(QStringLiteral("Vornik GUI designer"));
  window.setWindowTitle(QStringLiteral("Vornik GUI designer"));
  window.resize(787, 637);
  window.show();

  // --screenshot FILE: save a picture of the screen once the window shows, then end.
  const QStringList args = QApplication::arguments();
  const int at = static_cast<int>(args.indexOf(QStringLiteral("--screenshot")));
  if (at >= 0 && at + 1 < args.size()) {
    const QString file = args[at + 1];
    QTimer::singleShot(1500, [file] {
      QApplication::primaryScreen()->grabWindow(0).save(file);
      QApplication::quit();
    });
  }
  return app.exec();
}
