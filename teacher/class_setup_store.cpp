#include "teacher/class_setup_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <variant>

#include "records/atomic_file.h"
#include "records/class_setup.h"
#include "records/class_setup_file.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

// No set-up file comes near this size; a larger one is not ours.
constexpr qint64 kLargestSetUpFile = 1 << 20;

void ReportChanged(Session& session, const std::string& why) {
  session.service.Alert(op::kErrorBox,
                        "Resources changed\n\nThe class set-up file " + session.classSetUpFile + " " + why +
                            ".\n\nTo go back to the set-up Crossmere comes with, delete this file (or replace it "
                            "with the copy the teacher saved), then start Crossmere again.");
}

}  // namespace

std::string ClassSetUpPath(const std::string& given) {
  if (!given.empty()) return given;
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
  return QDir(folder).filePath(QStringLiteral("class-setup.txt")).toStdString();
}

bool LoadClassSetUpFile(Session& session) {
  QFile file(QString::fromStdString(session.classSetUpFile));
  // A shared file out of reach must not pass unnoticed: the class would get
  // the set-up Crossmere comes with.
  if (!file.exists() && session.classSetUpNamed) {
    session.service.Alert(op::kWarningBox, "The class set-up file " + session.classSetUpFile +
                                               " cannot be found, so Crossmere starts with the set-up it comes "
                                               "with.  A class set up now is saved to that file.");
  }
  if (file.exists()) {
    if (file.size() > kLargestSetUpFile || !file.open(QIODevice::ReadOnly)) {
      ReportChanged(session, file.size() > kLargestSetUpFile ? "is too large to be a set-up" : "cannot be read");
      return false;
    }
    const QByteArray bytes = file.readAll();
    const auto parsed = ParseClassSetUpFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (const auto* problem = std::get_if<std::string>(&parsed)) {
      ReportChanged(session, "cannot be used: " + *problem);
      return false;
    }
    // A refused file leaves the settings there were.
    std::vector<OverrideRecord> before = session.strings.Overrides();
    if (!session.strings.SetOverrides(std::get<std::vector<OverrideRecord>>(parsed)) ||
        !ClassSettingsIntact(session.strings)) {
      session.strings.SetOverrides(std::move(before));
      ReportChanged(session, "was changed outside Crossmere");
      return false;
    }
  }
  return true;
}

std::optional<std::string> SaveClassSetUp(Session& session) {
  const std::string text = ClassSetUpFileText(session.strings.Overrides());
  const QFileInfo info(QString::fromStdString(session.classSetUpFile));
  if (!QDir().mkpath(info.absolutePath())) return "the folder " + info.absolutePath().toStdString() + " cannot be made";
  return WriteFileAtomically(session.classSetUpFile,
                             std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace crossmere
