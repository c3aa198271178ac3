#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  // Widgets need an application; tests never need a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Files the program keeps for the user go to a folder of this test run's
  // own, so that runs side by side never meet each other's.
  const QTemporaryDir userData;
  qputenv("XDG_DATA_HOME", userData.path().toUtf8());
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Crossmere"));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
