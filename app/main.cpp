#include <QApplication>
#include <QCommandLineParser>

#include "program/startup.h"
#include "teacher/class_setup_store.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace {

void NameTheProgram() {
  QCoreApplication::setApplicationName(QStringLiteral("Crossmere"));
  QCoreApplication::setApplicationVersion(QStringLiteral(CROSSMERE_VERSION));
}

}  // namespace

int main(int argc, char* argv[]) {
  // A lab shares one class set-up: every machine is pointed at the same file.
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Crossmere: breeding experiments in classical genetics"));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption setUpOption(
      QStringLiteral("class-setup"),
      QStringLiteral("Read the class set-up from <file> (default: $CROSSMERE_CLASS_SETUP, else the user's settings)."),
      QStringLiteral("file"));
  parser.addOption(setUpOption);
  {
    // --help and --version answer in a terminal without opening the display,
    // so that they work where there is none.
    QCoreApplication terminal(argc, argv);
    NameTheProgram();
    parser.parse(QCoreApplication::arguments());
    if (parser.isSet(helpOption) || parser.isSet(versionOption)) parser.process(terminal);
  }

  QApplication app(argc, argv);
  NameTheProgram();
  // The desktop entry the package installs, so that the desktop shows its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.crossmere.Crossmere"));
  parser.process(app);
  std::string given = parser.value(setUpOption).toStdString();
  if (given.empty()) given = qEnvironmentVariable("CROSSMERE_CLASS_SETUP").toStdString();

  crossmere::Session session;
  session.classSetUpFile = crossmere::ClassSetUpPath(given);
  session.classSetUpNamed = !given.empty();
  crossmere::ProgramEntry(session);
  if (session.service.QuitRequested()) return 0;
  return QApplication::exec();
}
