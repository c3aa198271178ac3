#include "workspace/exercise_start.h"

#include "session/example_of.h"
#include "workspace/containers.h"
#include "workspace/individuals.h"
#include "workspace/instructions.h"
#include "workspace/phenotype_key.h"
#include "workspace/session.h"

namespace crossmere {
namespace {

void ShowAlerts(Session& session, std::int32_t kind, const std::vector<std::string>& alerts) {
  for (const std::string& alert : alerts) session.service.Alert(kind, alert);
}

}  // namespace

void LoadExercises(Session& session) {
  std::vector<std::string> warnings;
  LoadExercises(session, session.strings, &warnings);
  ShowAlerts(session, op::kErrorBox, warnings);
}

void PrecomputeStudentKinds(Session& session) { PrecomputeStudentKinds(session, session.Now()); }

void SetUpExercise(Session& session) {
  // A container left open would keep showing the last example's individuals.
  if (session.containers.open != 0) ContainerCommand(session, containers::kShut);
  ClosePhenotypeKey(session);
  ClearIndividuals(session);
  std::vector<std::string> alerts;
  StartExample(session, session.strings, session.clock, &alerts);
  ShowAlerts(session, op::kInformationBox, alerts);
  ShowContainers(session);
  ShowCrossingBox(session);

  if (!session.classOptions.NoAutoShowDescription() && !session.classOptions.NoExerciseDescription()) {
    ShowExerciseDescription(session);
  }
}

}  // namespace crossmere
