#include <QApplication>

#include "program/startup.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Crossmere"));
  crossmere::Session session;
  crossmere::ProgramEntry(session);
  if (session.service.QuitRequested()) return 0;
  return QApplication::exec();
}
