#include "program/saved_work_commands.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <optional>

#include "records/atomic_file.h"
#include "session/saved_work.h"
#include "tutor/progression.h"
#include "tutor/question_framework.h"
#include "workspace/containers.h"
#include "workspace/crossing_box.h"
#include "workspace/individuals.h"
#include "workspace/main_window.h"
#include "workspace/phenotype_key.h"
#include "workspace/screen_objects.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

constexpr std::int32_t kOpenedDialog = 424;
constexpr std::int32_t kNoNameLabel = 1;
constexpr std::int32_t kNameLabel = 2;
constexpr std::int32_t kNameValue = 3;
constexpr std::int32_t kNumberValue = 4;
constexpr std::int32_t kRecoveryDialog = 425;
// A copy of the work is kept at least this often while the student works.
constexpr std::int64_t kRecoveryInterval = 3 * 60 * 60;  // ticks: three minutes
// No saved work comes near this; a larger file is not one.
constexpr qint64 kLargestFile = 1 << 20;
// What a picture on the workspace keeps inside the layout.
constexpr std::int32_t kPictureRoom = 70;

using main_window::kWindow;

WorkspacePlaces PlacesOnScreen(Session& session) {
  WindowService& service = session.service;
  WorkspacePlaces places;
  for (std::int32_t object = kFirstOffspringObject; object <= kLastOffspringObject; ++object) {
    if (session.genetics.objectClass[object] == 0 || !service.ItemExists(kWindow, object)) continue;
    const ServiceRect r = service.ItemRect(kWindow, object);
    places.objects[object] = {r.left, r.top};
  }
  for (std::int32_t c = containers::kFirst; c <= containers::kLast; ++c) {
    if (session.containers.Record(c).count < 0) continue;
    const ServiceRect r = service.ItemRect(kWindow, c);
    places.containers[c - containers::kFirst] = {r.left, r.top};
  }
  return places;
}

// A place from a file saved on a larger screen, pulled inside this layout.
ScreenPlace Inside(const Session& session, ScreenPlace place) {
  const ServiceRect room{place.y, place.x, place.y + kPictureRoom, place.x + kPictureRoom};
  const ServiceRect inside = InsideLayout(session.startup.layout, room);
  return {inside.left, inside.top};
}

void ShowOpened(Session& session) {
  WindowService& service = session.service;
  const bool named = !session.identity.name.empty();
  service.WindowOpen(kOpenedDialog, 0);
  CentreOnLayout(service, kOpenedDialog, session.startup.layout);
  service.ItemShow(kOpenedDialog, named ? -kNoNameLabel : kNoNameLabel);
  service.ItemShow(kOpenedDialog, named ? kNameLabel : -kNameLabel);
  service.ItemShow(kOpenedDialog, named ? kNameValue : -kNameValue);
  service.SetItemText(kOpenedDialog, kNameValue, session.identity.name);
  service.SetItemText(kOpenedDialog, kNumberValue, std::to_string(session.identity.number));
  service.WindowRunModal(kOpenedDialog);
  service.WindowRelease(kOpenedDialog);
}

// The workspace as the restored state has it: the class pictures the file
// had built, the individuals at their places, the crossing box, the
// containers at their places, and a new try of the exercise's questions.
void ShowRestoredWork(Session& session, const SavedWork& work) {
  ClosePhenotypeKey(session);
  for (std::int32_t c = 1; c <= kClassCount; ++c) {
    if (work.pictureBuilt[c]) BuildClassPicture(session, c);
  }
  const auto& parents = session.example.parentObjects;
  std::size_t next = 0;
  for (std::int32_t object = kFirstOffspringObject; object <= work.highestObject; ++object) {
    if (session.genetics.objectClass[object] == 0) continue;
    const ScreenPlace place = Inside(session, work.objectPlaces[next++]);
    const bool standsInTheBox = object == parents[0] || object == parents[1] || object == session.offspring.pending;
    if (!standsInTheBox) NewIndividual(session, object, place.x, place.y);
  }
  ShowCrossingBox(session);
  for (std::int32_t k = 0; k < kContainerCount; ++k) {
    if (work.containers[k].count < 0) continue;
    const ScreenPlace place = Inside(session, work.containers[k].place);
    MoveContainer(session, containers::kFirst + k, place.x, place.y);
  }
  ShowContainers(session);
  BeginTry(session);
}

// Writes the work whole or not at all; the reason when it could not.
std::optional<std::string> WriteWork(Session& session, const std::string& path) {
  return WriteFileAtomically(path, EncodeSavedWork(CaptureWork(session, PlacesOnScreen(session))));
}

QString RecoveryFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

void CannotOpen(Session& session, const std::string& path, const std::string& why) {
  session.service.Alert(op::kErrorBox, "The file \"" + path + "\" could not be opened: " + why + ".  Nothing has changed.");
}

}  // namespace

void SaveWork(Session& session) {
  WindowService& service = session.service;
  if (session.containers.open != 0) ContainerCommand(session, containers::kShut);
  CompactStorage(session.containers);
  service.Registers().fileNameRegister = ProposedFileName(session);
  service.FileSaveDialog();
  if (service.Registers().resultWord == 0) return;
  const std::string path = service.Registers().fileNameRegister;
  if (const auto failure = WriteWork(session, path)) {
    service.Alert(op::kErrorBox,
                  "Your work was not saved.  The file \"" + path + "\" could not be written: " + *failure + ".");
    return;
  }
  session.savedWorkFile = path;
}

bool OpenWork(Session& session) {
  WindowService& service = session.service;
  service.FileOpenDialog();
  if (service.Registers().resultWord == 0) return false;
  return RestoreWork(session, service.Registers().fileNameRegister);
}

bool RestoreWork(Session& session, const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) {
    CannotOpen(session, path, file.errorString().toStdString());
    return false;
  }
  if (file.size() > kLargestFile) {
    CannotOpen(session, path, "it is not a Crossmere saved-work file");
    return false;
  }
  const QByteArray data = file.readAll();
  const std::span bytes(reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size()));
  SavedWorkProblem problem;
  const std::optional<SavedWork> work = DecodeSavedWork(bytes, &problem);
  std::optional<SessionState> restored;
  if (work) restored = RestoredState(session, *work, session.strings, session.clock, &problem);
  if (!restored) {
    CannotOpen(session, path, "it is damaged or is not a Crossmere saved-work file (" + problem.what + ")");
    return false;
  }

  // Only now does anything of the running work go.
  if (session.containers.open != 0) ContainerCommand(session, containers::kShut);
  ClearQuestions(session);
  ClearIndividuals(session);
  static_cast<SessionState&>(session) = std::move(*restored);
  session.savedWorkFile = path;
  ShowRestoredWork(session, *work);
  ShowOpened(session);
  if (session.offspring.pending == 0 && work->crossingBox[0] == 0 && CrossStands(session)) ShowNextOffspring(session);
  return true;
}

std::string RecoveryFile() {
  return QDir(RecoveryFolder()).filePath(QStringLiteral("recovery.crossmere")).toStdString();
}

void KeepRecoveryCopyWhenDue(Session& session) {
  RecoveryCopyState& recovery = session.recovery;
  // A finished try asks for a copy until one is written; a new try starts afresh.
  if (!session.progress.tryFinished) recovery.tryFinished = false;
  // An open container's individuals stand in its view: the copy waits until it is shut.
  if (!session.classOptions.AllowSaveToDisk() || session.containers.open != 0) return;
  const bool tryFinished = session.progress.tryFinished && !recovery.tryFinished;
  if (!tryFinished && session.Now() - recovery.lastCopy < kRecoveryInterval) return;
  QDir().mkpath(RecoveryFolder());
  // A copy that cannot be written is tried again after the next event.
  if (WriteWork(session, RecoveryFile())) return;
  recovery.lastCopy = session.Now();
  recovery.tryFinished = session.progress.tryFinished;
}

void DropRecoveryCopy() { QFile::remove(QString::fromStdString(RecoveryFile())); }

bool OfferRecovery(Session& session) {
  const std::string path = RecoveryFile();
  if (!session.classOptions.AllowSaveToDisk() || !QFile::exists(QString::fromStdString(path))) return false;
  // Starting afresh keeps the copy until this run keeps its own.
  return AskInDialog(session.service, kRecoveryDialog, session.startup.layout) && RestoreWork(session, path);
}

}  // namespace crossmere
