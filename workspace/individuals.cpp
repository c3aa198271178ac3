#include "workspace/individuals.h"

#include "genetics/genotype_classes.h"
#include "genetics/pictures/class_picture.h"
#include "workspace/main_window.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

using namespace main_window;

bool LimitedGenotypes(const Session& session) {
  return session.exercises.options[session.progress.current].GenotypesPart() && !session.progress.trialRunning;
}

PictureFrame FrameOfClass(const Session& session, std::int32_t classNumber) {
  return FrameOf(session.genetics, ShowsGenotypeLabel(session.genetics, session.example, classNumber),
                 LimitedGenotypes(session));
}

}  // namespace

void BuildClassPicture(Session& session, std::int32_t classNumber) {
  GeneticsState& genetics = session.genetics;
  // Each class is drawn once and its picture reused.
  if (classNumber < 1 || classNumber > kClassCount || genetics.classPictureBuilt[classNumber]) return;
  WindowService& service = session.service;
  const PictureFrame frame = FrameOfClass(session, classNumber);
  service.ItemSelect(kWindow, classNumber);
  service.ItemResize(frame.height, frame.width);
  service.SetLocalCoordinates(true);
  DrawClassPicture(*service.ItemDrawing(), genetics, session.example, session.palette, classNumber,
                   ShowsGenotypeLabel(genetics, session.example, classNumber));
  genetics.classPictureBuilt[classNumber] = true;
}

void NewIndividual(Session& session, std::int32_t object, std::int32_t left, std::int32_t top) {
  WindowService& service = session.service;
  const std::int32_t classNumber = session.genetics.objectClass[object];
  BuildClassPicture(session, classNumber);
  service.ItemTemplate(kWindow, classNumber);
  service.ItemClone();
  service.ItemSetNumber(object);
  service.ItemDescribe(kWindow, object, ClassDescription(session.genetics, classNumber));
  service.ItemTakesFocus(kWindow, object);
  service.ItemPlace(kWindow, object, top, left);
  service.ItemShow(kWindow, object);
}

void ClearIndividuals(Session& session) {
  session.service.ItemDestroyRange(kWindow, kFirstOffspringObject, kLastObject);
}

std::string ParentPlaceName(std::int32_t place) {
  return place == kFirstParentObject ? "Crossing box, first place" : "Crossing box, second place";
}

void ShowCrossingBox(Session& session) {
  WindowService& service = session.service;
  const GeneticsState& genetics = session.genetics;
  for (const std::int32_t place : {kFirstParentObject, kSecondParentObject}) {
    const std::int32_t classNumber = genetics.objectClass[place];
    const std::string placeName = ParentPlaceName(place);
    if (classNumber == 0) {
      service.ItemDescribe(kWindow, place, placeName);
      service.ItemHide(kWindow, place);
      continue;
    }
    BuildClassPicture(session, classNumber);
    service.ItemCopyPicture(kWindow, classNumber, place);
    service.ItemDescribe(kWindow, place, placeName + ": " + ClassDescription(genetics, classNumber));
    service.ItemShow(kWindow, place);
  }
  ShowPendingOffspring(session);
}

void ShowPendingOffspring(Session& session) {
  WindowService& service = session.service;
  const GeneticsState& genetics = session.genetics;
  const std::int32_t pending = session.offspring.pending;
  if (pending == 0) return;
  service.ItemSelect(kWindow, individuals::kOffspringWell);
  const auto well = service.Registers().windowRect;
  const PictureFrame frame = FrameOfClass(session, genetics.objectClass[pending]);
  NewIndividual(session, pending, well.left + (well.right - well.left - frame.width) / 2,
                well.top + (well.bottom - well.top - frame.height) / 2);
}

void RedrawIndividuals(Session& session) {
  WindowService& service = session.service;
  GeneticsState& genetics = session.genetics;
  genetics.classPictureBuilt.fill(false);
  for (std::int32_t object = kFirstParentObject; object <= kLastObject; ++object) {
    const std::int32_t classNumber = genetics.objectClass[object];
    if (classNumber == 0) continue;
    service.ItemSelect(kWindow, object);
    if (!service.Registers().itemFound) continue;
    BuildClassPicture(session, classNumber);
    const PictureFrame frame = FrameOfClass(session, classNumber);
    if (object > kSecondParentObject) {
      service.ItemSelect(kWindow, object);
      service.ItemResize(frame.height, frame.width);
    }
    service.ItemCopyPicture(kWindow, classNumber, object);
  }
}

}  // namespace crossmere
