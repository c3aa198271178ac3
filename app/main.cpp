#include <QApplication>
#include <QCommandLineParser>

#include "program/startup.h"
#include "teacher/class_setup_store.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Crossmere"));

  // A lab shares one class set-up: every machine is pointed at the same file.
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Crossmere: breeding experiments in classical genetics"));
  parser.addHelpOption();
  const QCommandLineOption setUpOption(
      QStringLiteral("class-setup"),
      QStringLiteral("Read the class set-up from <file> (default: $CROSSMERE_CLASS_SETUP, else the user's settings)."),
      QStringLiteral("file"));
  parser.addOption(setUpOption);
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
